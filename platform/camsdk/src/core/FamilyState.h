// State that a command family keeps outside the devices' settings, and the
// few moments the layer tells the families about: a reset of the whole
// layer, a device made afresh, a session ending. Each family defines its own
// functions in its own file; all of them need the layer's state mutex
// unless marked otherwise.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "SimDevice.h"

namespace camsdk {

struct Session;

// CollectionApi.cpp: stops sampling (the session ended); the store stays.
void stopDataCollection(SimDevice& d);
// CollectionApi.cpp: empties the store and stops sampling.
void clearDataCollection(SimDevice& d);
// CollectionApi.cpp: samples in the store, those due by now included.
int dataCollectionSamples(SimDevice& d);

// ProDebugApi.cpp: forgets every scripted answer. Takes its own lock.
void clearProDebugScripts();

// FirmwareApi.cpp: cancels a running flash (its call answers DISCONNECTED
// and leaves the devices alone) and sets the progress back to 0. Called
// under the state mutex, before the devices are made afresh.
void cancelFlash();
// FirmwareApi.cpp: the progress the update page would read now. No lock.
int updateProgress();

// CorrectionsApi.cpp: read-only state keys of the corrections family
// (driftStatus, driftRise, badPixels, badCols, autoRemoved); false for any
// other key.
bool correctionsState(SimDevice& d, const Session* session, int64_t nowUs, const std::string& key, double* v);
// CorrectionsApi.cpp: pixels and columns the camera corrects now (working
// lists and the automatically removed pixels), for the frame source.
struct CorrectedDefects {
    std::vector<std::pair<int, int>> pixels;  // x, y
    std::vector<int> columns;
};
// session: the open session when it runs on d, else null (the lists as
// they were last).
CorrectedDefects correctedDefects(SimDevice& d, const Session* session);
// CorrectionsApi.cpp: the device was made afresh: factory lists and records.
void forgetCorrections(SimDevice& d);

// CalibrationApi.cpp: the device was made afresh: nothing calibrated, the
// factory configuration.
void forgetCalibration(SimDevice& d);
// CalibrationApi.cpp: progress of the second calibration, 0..100; session:
// the open session when it runs on d, else null (the progress as it was
// last).
int calibrationProgress(SimDevice& d, const Session* session, int64_t nowUs);

}  // namespace camsdk
