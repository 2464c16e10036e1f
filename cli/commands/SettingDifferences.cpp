#include "cli/commands/SettingDifferences.h"

#include <algorithm>
#include <iomanip>

#include "files/FileKeys.h"

namespace cli {
namespace {

std::string Shown(const std::string& value) { return value.empty() ? "(none)" : value; }

}  // namespace

std::vector<TDifference> Differences(const editor::TSettingsEditor& a, const editor::TSettingsEditor& b,
                                     const std::function<bool(const files::TShownSetting&)>& include) {
    std::vector<TDifference> differences;
    for (files::TShownSetting& shown : files::ShownSettings(a)) {
        if (include && !include(shown)) continue;
        if (files::FileValue(a, *shown.Key) != files::FileValue(b, *shown.Key))
            differences.push_back({shown, files::ShowSetting(b, *shown.Key)});
    }
    return differences;
}

void PrintDifferences(std::ostream& out, const std::string& labelA, const std::string& labelB,
                      const std::vector<TDifference>& differences) {
    if (differences.empty()) return;
    out << "--- " << labelA << "\n+++ " << labelB << '\n';
    std::size_t width = 0;
    for (const TDifference& d : differences) width = std::max(width, d.A.Caption.size());
    const std::string* page = nullptr;
    for (const TDifference& d : differences) {
        if (page == nullptr || *page != d.A.Page) {
            page = &d.A.Page;
            out << *page << '\n';
        }
        out << "  " << std::left << std::setw(static_cast<int>(width)) << d.A.Caption << "  " << Shown(d.A.Value)
            << " -> " << Shown(d.B.Value) << '\n';
    }
}

TJson DifferencesJson(const std::vector<TDifference>& differences, const char* nameA, const char* nameB) {
    TJson listed = TJson::array();
    for (const TDifference& d : differences)
        listed.push_back({{"key", JsonText(files::KeyText(d.A.Key->Key))},
                          {"page", JsonText(d.A.Page)},
                          {"caption", JsonText(d.A.Caption)},
                          {nameA, JsonText(d.A.Value)},
                          {nameB, JsonText(d.B.Value)}});
    return listed;
}

}  // namespace cli
