#pragma once
// The gateway's wiring to the radio drawn as an inline SVG: the nine I/O lines between
// the gateway and the radio connector, each with its name, an arrow into the side that
// reads it, its function, pulse and active level; a line without a function dashed.

#include <span>
#include <string>

#include "report/SheetContent.h"

namespace report {

std::string WiringDiagramSvg(std::span<const TSheetLine> lines);

}  // namespace report
