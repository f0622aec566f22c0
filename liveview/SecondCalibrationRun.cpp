#include "SecondCalibrationRun.h"

void SecondCalibrationRun::start()
{
    state_ = State::Starting;
    stopFlag_ = false;
    pollCount_ = 0;
}

SecondCalibrationRun::CalibrateStep SecondCalibrationRun::calibrateAnswered(bool bRet)
{
    if (!bRet) return CalibrateStep::None;
    if (stopFlag_) {
        stopFlag_ = false;
        state_ = State::Idle;
        return CalibrateStep::FetchResult;
    }
    // Only the start of the run in progress starts the polling: the answer
    // to a stop that a new run has overtaken must not start a second timer.
    if (state_ != State::Starting) return CalibrateStep::None;
    state_ = State::Polling;
    return CalibrateStep::StartPolling;
}

bool SecondCalibrationRun::tick()
{
    if (state_ != State::Polling || pollPending_) return false;
    pollPending_ = true;
    return true;
}

SecondCalibrationRun::ProgressStep SecondCalibrationRun::progressAnswered(bool bRet, int nValue)
{
    pollPending_ = false;
    // A request that was on its way when the run ended: its answer says
    // nothing about any run still going.
    if (state_ != State::Polling) return ProgressStep::Ignore;
    if (bRet && nValue >= kDonePercent) {
        state_ = State::Idle;
        return ProgressStep::Succeeded;
    }
    if (bRet && pollCount_ < kMaxPollsBelowDone) {
        ++pollCount_;
        return ProgressStep::KeepPolling;
    }
    state_ = State::Stopping;
    stopFlag_ = true;
    return ProgressStep::Failed;
}

void SecondCalibrationRun::stop()
{
    state_ = State::Stopping;
    stopFlag_ = true;
}
