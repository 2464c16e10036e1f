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

void WriteSettings(TJsonWriter& json, const std::vector<TReportedSetting>& settings) {
    json.BeginArray();
    for (const TReportedSetting& s : settings) {
        json.BeginObject();
        json.Member("key", files::KeyText(s.Shown.Key->Key));
        json.Member("page", s.Shown.Page);
        json.Member("caption", s.Shown.Caption);
        json.Member("value", s.Shown.Value);
        if (s.FromFile) {
            json.Member("inFile", s.FileValue.has_value());
            if (s.FileValue) json.Member("fileValue", *s.FileValue);
            json.Member("outside", s.Outside.has_value());
            if (s.Outside) json.Member("accepted", s.Outside->Text());
        }
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace cli
