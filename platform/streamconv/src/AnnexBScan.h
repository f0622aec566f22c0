// What the converter needs to know of one H.264 access unit in Annex-B form:
// whether it is one at all, whether it holds a key (IDR) picture, and its
// parameter sets for the file's decoder configuration.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct AnnexBScan {
    bool startCode = false;              // the data begins with 00 00 01 or 00 00 00 01
    bool idr = false;                    // an IDR slice (NAL type 5) is present
    bool sps = false;                    // an SPS (type 7) is present
    bool pps = false;                    // a PPS (type 8) is present
    std::vector<uint8_t> parameterSets;  // every SPS and PPS, each behind 00 00 00 01, in stream order
};

// Scans `length` bytes at `data`; parameter sets are collected only when asked.
AnnexBScan scanAnnexB(const uint8_t* data, size_t length, bool collectParameterSets);
