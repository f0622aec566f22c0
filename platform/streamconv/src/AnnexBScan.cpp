#include "AnnexBScan.h"

namespace {

enum NalType { kNalIdr = 5, kNalSps = 7, kNalPps = 8 };

// Index of the next 00 00 01 at or after `from`, or `length`.
size_t findStartCode(const uint8_t* data, size_t length, size_t from)
{
    for (size_t i = from; i + 2 < length; ++i) {
        if (data[i + 2] > 1) {
            i += 2;  // no start code can cover this byte
        } else if (data[i] == 0 && data[i + 1] == 0 && data[i + 2] == 1) {
            return i;
        }
    }
    return length;
}

bool beginsWithStartCode(const uint8_t* data, size_t length)
{
    if (length >= 3 && data[0] == 0 && data[1] == 0 && data[2] == 1) return true;
    return length >= 4 && data[0] == 0 && data[1] == 0 && data[2] == 0 && data[3] == 1;
}

}  // namespace

AnnexBScan scanAnnexB(const uint8_t* data, size_t length, bool collectParameterSets)
{
    AnnexBScan scan;
    scan.startCode = beginsWithStartCode(data, length);
    if (!scan.startCode) return scan;
    static const uint8_t kStartCode[4] = {0, 0, 0, 1};
    for (size_t pos = findStartCode(data, length, 0); pos < length;) {
        const size_t begin = pos + 3;
        const size_t next = findStartCode(data, length, begin);
        size_t end = next;
        // Zero bytes before the next start code belong to it (4-byte form) or
        // are trailing padding; a NAL unit never ends in zero.
        while (end > begin && data[end - 1] == 0) --end;
        if (end > begin) {
            const int type = data[begin] & 0x1F;
            if (type == kNalIdr) scan.idr = true;
            if (type == kNalSps || type == kNalPps) {
                (type == kNalSps ? scan.sps : scan.pps) = true;
                if (collectParameterSets) {
                    scan.parameterSets.insert(scan.parameterSets.end(), kStartCode, kStartCode + 4);
                    scan.parameterSets.insert(scan.parameterSets.end(), data + begin, data + end);
                }
            }
        }
        pos = next;
    }
    return scan;
}
