#pragma once
// The line that ends a production run, over one adapter or several: "6 units: 3
// programmed, 3 failed", with ", interrupted" after Ctrl-C.

#include <ostream>

namespace cli {

inline void WriteRunSummary(std::ostream& out, int programmed, int failed, bool interrupted) {
    const int units = programmed + failed;
    out << units << (units == 1 ? " unit: " : " units: ") << programmed << " programmed, " << failed << " failed"
        << (interrupted ? ", interrupted" : "") << '\n';
}

}  // namespace cli
