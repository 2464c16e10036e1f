#pragma once
// A unit in a few words for the command line's reports and the production record: its kind, and its version and
// edition as the window's version text gives them ("HS: V2.05 Ardex").

#include <optional>
#include <string>

#include "records/UnitIdentity.h"

namespace records {

struct TUnitText {
    std::string Kind;     // "handset", "gateway", "Tavin unit", "unknown unit"
    std::string Version;  // "V2.05"
    std::string Edition;  // "Ardex" or "Kesto"
};

TUnitText DescribeUnit(const TUnitIdentity& unit);

// A handset or gateway back from its words, as far as they tell it: the version, and
// the edition as Ardex or another code. Nothing for any other unit or words that no
// unit gives.
std::optional<TUnitIdentity> IdentityOfText(const TUnitText& text);

}  // namespace records
