// The course of one second calibration run as the page follows it, without
// the widgets: the page starts a run, the camera answers the start, a
// 1000 ms tick asks for the progress (one request at a time), and the run
// ends at 100 %, when the progress stalls or fails, or when the operator
// stops it. Each step says what the page has to do next; the page owns the
// dialog, the timer and the requests. Plain values, GUI thread.
//
// States: Idle; Starting (start requested, dialog up); Polling (the camera
// took the start, the timer runs); Stopping (the page asked the camera to
// stop: the stop flag tells the next accepted calibrate answer to fetch the
// result). Answers the camera gives to a run that has already ended change
// nothing: a progress answer that arrives after Stop, or a start answer
// that arrives after the stop flag was cleared, never revives the run.
#pragma once

class SecondCalibrationRun {
public:
    enum class State { Idle, Starting, Polling, Stopping };

    // What to do with an accepted calibrate answer.
    enum class CalibrateStep {
        None,          // nothing more
        StartPolling,  // start the 1000 ms progress timer
        FetchResult    // ask for the calibration result
    };

    // What a progress answer ends in.
    enum class ProgressStep {
        Ignore,       // no run is being polled
        KeepPolling,  // below 100: wait for the next tick
        Succeeded,    // 100 or more: stop polling, stamp the time, fetch the result
        Failed        // failed answer or too many below 100: stop polling, stop the camera
    };

    static constexpr int kPollIntervalMs = 1000;
    static constexpr int kDonePercent = 100;
    // Answers below 100 a run waits through; the next one fails it.
    static constexpr int kMaxPollsBelowDone = 20;

    // A new run: Starting, stop flag and poll count cleared.
    void start();
    // The camera's answer to a start or a stop request.
    CalibrateStep calibrateAnswered(bool bRet);
    // A timer tick: true when a progress request is to go out now (it is then
    // marked pending).
    bool tick();
    // The camera's answer to a progress request.
    ProgressStep progressAnswered(bool bRet, int nValue);
    // The operator pressed Stop: the camera is to be stopped.
    void stop();

    State state() const { return state_; }
    bool stopFlag() const { return stopFlag_; }
    int pollCount() const { return pollCount_; }
    bool pollPending() const { return pollPending_; }

private:
    State state_ = State::Idle;
    bool stopFlag_ = false;
    int pollCount_ = 0;
    bool pollPending_ = false;
};
