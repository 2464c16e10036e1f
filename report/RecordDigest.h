#pragma once
// The SHA-256 that names the record a unit gets from a set of settings: two units with
// the same digest hold the very same words, whatever file or editor they came from.

#include <cstdint>
#include <span>
#include <string>

#include "editor/SettingsEditor.h"
#include "records/SettingsRecords.h"
#include "records/UnitKind.h"

namespace report {

// The digest of the record's words as the unit's store keeps them, each low byte first:
// also of a record read back from a unit, which may be short.
std::string RecordSha256(std::span<const std::uint16_t> words);

// The digest of the record PROGRAM DEVICE would write from the settings to the unit,
// worked out on an editor of its own: the settings are left as they are.
std::string RecordSha256(const editor::TSettingsEditor& settings, const records::TUnitKind& kind,
                         const records::TUnitIdentity& unit);

}  // namespace report
