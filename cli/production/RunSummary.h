#pragma once
// The line that ends a production run, over one adapter or several: "6 units: 3
// programmed, 3 failed", with the units whose entry the record lacks, and ", interrupted"
// after Ctrl-C.

#include <ostream>

namespace cli {

struct TRunCounts {
    int Programmed = 0;
    int Failed = 0;
    int Unrecorded = 0;  // units whose entry could not be appended to the record
    bool Interrupted = false;
};

inline void WriteRunSummary(std::ostream& out, const TRunCounts& counts) {
    const int units = counts.Programmed + counts.Failed;
    out << units << (units == 1 ? " unit: " : " units: ") << counts.Programmed << " programmed, " << counts.Failed
        << " failed";
    if (counts.Unrecorded > 0)
        out << ", " << counts.Unrecorded
            << (counts.Unrecorded == 1 ? " without its record entry" : " without their record entries");
    out << (counts.Interrupted ? ", interrupted" : "") << '\n';
}

}  // namespace cli
