#pragma once
// How `diff` and `verify` list the settings two editors hold differently: page by page,
// "caption  value -> value" under a "---" and a "+++" line, or as JSON.

#include <ostream>
#include <string>
#include <vector>

#include "cli/framework/JsonOutput.h"
#include "files/ShownSettings.h"

namespace cli {

using files::TDifference;

// Nothing when there are no differences.
void PrintDifferences(std::ostream& out, const std::string& labelA, const std::string& labelB,
                      const std::vector<TDifference>& differences);

// [{"key", "page", "caption", nameA: value, nameB: value}...]
TJson DifferencesJson(const std::vector<TDifference>& differences, const char* nameA, const char* nameB);

}  // namespace cli
