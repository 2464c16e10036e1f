#pragma once
// What a load finds in a settings file besides the settings: everything it skips, takes
// twice, reads as 0 or cannot give its control, each tied to the line that causes it,
// and the number the file gives each key last. The loader notes it while it reads, so the
// window's LOAD FILE and the command line's checks and reports see one reading.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "editor/SettingsEditor.h"
#include "files/FileKeys.h"
#include "files/SettingsLines.h"

namespace files {

enum class TFindingKind { NoSetting, UnknownKey, GivenTwice, ReservedNotZero, NoDigits, Outside, Missing };

struct TFinding {
    TFindingKind Kind = TFindingKind::NoSetting;
    int Line = 0;      // 0 for a key the file lacks
    std::string Key;   // "0012"; an unknown key as the file spells it
    std::string Page;  // where the key's setting stands, when it has one
    std::string Caption;
    std::string Detail;  // what the load does with it
};

// A key the file gives: the number it gives last, as the loader reads it, before a fixed
// value replaces it, and the lines it is given on first and last.
struct TGivenValue {
    std::int32_t Value = 0;
    int FirstLine = 0;
    int LastLine = 0;
};

struct TLoadReport {
    // In line order, the keys the file lacks last in key order.
    std::vector<TFinding> Findings;
    // The keys the file gives, reserved ones included.
    std::map<const TFileKey*, TGivenValue> Given;
};

// Notes one line the loader reads, with the settings as they stand before it is applied.
void NoteLine(TLoadReport& report, const TSettingsLine& line, const editor::TSettingsEditor& settings);
// The findings only the whole load tells, from the settings as it left them: a value that
// does not fit its control (a gateway function against the list of the loaded direction),
// and the keys the file lacks.
void FinishReport(TLoadReport& report, const editor::TSettingsEditor& loaded);

// One line for people: "FILE:LINE: kind: " then the key, where its setting stands, and
// what the load does.
std::string FindingLine(const std::string& path, const TFinding& finding);
// "unknown key", "given twice", ...
const char* FindingName(TFindingKind kind);

}  // namespace files
