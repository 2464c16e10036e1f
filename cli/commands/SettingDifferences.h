#pragma once
// The settings two editors hold differently, and how `diff` and `verify` list them: page
// by page, "caption  value -> value" under a "---" and a "+++" line.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/framework/JsonOutput.h"
#include "editor/SettingsEditor.h"
#include "files/ShownSettings.h"

namespace cli {

struct TDifference {
    files::TShownSetting A;
    files::TShownSetting B;
};

// Settings are compared by what each window holds, the number a file would be saved
// with; only the settings `include` takes are compared (all without it).
std::vector<TDifference> Differences(const editor::TSettingsEditor& a, const editor::TSettingsEditor& b,
                                     const std::function<bool(const files::TShownSetting&)>& include = {});

// Nothing when there are no differences.
void PrintDifferences(std::ostream& out, const std::string& labelA, const std::string& labelB,
                      const std::vector<TDifference>& differences);

// [{"key", "page", "caption", nameA: value, nameB: value}...]
TJson DifferencesJson(const std::vector<TDifference>& differences, const char* nameA, const char* nameB);

}  // namespace cli
