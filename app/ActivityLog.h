#pragma once
// The activity log: one line per event, "<hh:mm:ss.cc>| text", hundredths truncated,
// appended to the window's log box whether or not that box is on show.

#include <string>

#include "ui/Services.h"
#include "ui/Text.h"

namespace app {

std::string FormatLogLine(const ui::TLocalTime& time, const std::string& text);

class TActivityLog {
public:
    TActivityLog(ui::IClock& clock, ui::TMemo& lines) : clock_(clock), lines_(lines) {}

    void AddLogLine(const std::string& text);

private:
    ui::IClock& clock_;
    ui::TMemo& lines_;
};

}  // namespace app
