#pragma once
// Settings as `show` and `read` report them: page by page for people, or as a JSON array
// with the same content.

#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

#include "cli/framework/JsonOutput.h"
#include "files/ShownSettings.h"

namespace cli {

struct TReportedSetting {
    files::TShownSetting Shown;
    // From a settings file: the number the file gives, when it gives the key at all, and
    // the values the control takes when that number is not one of them.
    bool FromFile = false;
    std::optional<std::int32_t> FileValue;
    std::optional<files::TAcceptedValues> Outside;
};

void PrintSettings(std::ostream& out, const std::vector<TReportedSetting>& settings);
TJson SettingsJson(const std::vector<TReportedSetting>& settings);

}  // namespace cli
