#include "app/ActivityLog.h"

#include <cstdio>

namespace app {

std::string FormatLogLine(const ui::TLocalTime& time, const std::string& text) {
    // A formatted line holds at most 2047 characters; callers keep their texts shorter.
    char line[2048];
    std::snprintf(line, sizeof line, "<%02d:%02d:%02d.%02d>| %s", time.Hour, time.Minute, time.Second,
                  time.Millisecond / 10, text.c_str());
    return line;
}

void TActivityLog::AddLogLine(const std::string& text) { lines_.Lines.push_back(FormatLogLine(clock_.Now(), text)); }

}  // namespace app
