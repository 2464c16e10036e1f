#include "cli/commands/SettingsReport.h"

#include <algorithm>
#include <iomanip>

#include "files/FileKeys.h"

namespace cli {

void PrintSettings(std::ostream& out, const std::vector<TReportedSetting>& settings) {
    std::size_t width = 0;
    for (const TReportedSetting& s : settings) width = std::max(width, s.Shown.Caption.size());
    const std::string* page = nullptr;
    for (const TReportedSetting& s : settings) {
        if (page == nullptr || *page != s.Shown.Page) {
            page = &s.Shown.Page;
            out << *page << '\n';
        }
        out << "  " << std::left << std::setw(static_cast<int>(width)) << s.Shown.Caption << "  "
            << (s.Shown.Value.empty() ? "(none)" : s.Shown.Value);
        if (s.Outside) out << "  ! " << *s.FileValue << " is outside " << s.Outside->Text();
        if (s.FromFile && !s.FileValue) out << "  (not in the file)";
        out << '\n';
    }
}

TJson SettingsJson(const std::vector<TReportedSetting>& settings) {
    TJson json = TJson::array();
    for (const TReportedSetting& s : settings) {
        TJson setting = {{"key", JsonText(files::KeyText(s.Shown.Key->Key))},
                         {"page", JsonText(s.Shown.Page)},
                         {"caption", JsonText(s.Shown.Caption)},
                         {"value", JsonText(s.Shown.Value)}};
        if (s.FromFile) {
            setting["inFile"] = s.FileValue.has_value();
            if (s.FileValue) setting["fileValue"] = *s.FileValue;
            setting["outside"] = s.Outside.has_value();
            if (s.Outside) setting["accepted"] = JsonText(s.Outside->Text());
        }
        json.push_back(std::move(setting));
    }
    return json;
}

}  // namespace cli
