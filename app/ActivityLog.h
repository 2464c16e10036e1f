#pragma once
// The activity log: one line per event, "<hh:mm:ss.cc>| text", hundredths truncated.

#include <string>

#include "ui/Services.h"

namespace app {

std::string FormatLogLine(const ui::TLocalTime& time, const std::string& text);

}  // namespace app
