#pragma once
// How a configuration sheet looks on screen and on paper: one page width on A4 and
// Letter alike, no block torn across a page break, each unit kind from a new page, and
// nothing that needs colour to be read.

#include <string_view>

namespace report {

extern const std::string_view kSheetStyle;

}  // namespace report
