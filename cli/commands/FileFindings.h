#pragma once
// `zenta check`: everything a load would skip, clamp or leave without a selection, each
// tied to the line of the file that causes it.

#include <string>
#include <vector>

#include "cli/host/FileSnapshot.h"
#include "editor/SettingsEditor.h"

namespace cli {

enum class TFindingKind { NoSetting, UnknownKey, GivenTwice, ReservedNotZero, NoDigits, Outside, Missing };

struct TFinding {
    TFindingKind Kind = TFindingKind::NoSetting;
    int Line = 0;      // 0 for a key the file lacks
    std::string Key;   // "0012"; an unknown key as the file spells it
    std::string Page;  // where the key's setting stands, when it has one
    std::string Caption;
    std::string Detail;  // what the load does with it
};

// The findings of a file, in line order, the missing keys last in key order. `loaded` is
// the window after loading the file: a value fits or not by the control it went to, as
// the load left it (a gateway function list is the one of the loaded direction).
std::vector<TFinding> FindingsOf(const TFileSnapshot& file, const editor::TSettingsEditor& loaded);

// One line for people: "FILE:LINE: kind: " then the key, where its setting stands, and
// what the load does.
std::string FindingLine(const std::string& path, const TFinding& finding);
// "unknown key", "given twice", ...
const char* FindingName(TFindingKind kind);

}  // namespace cli
