#pragma once
// A unit's backup is a settings file that also keeps the unit exactly as read: after the
// settings as READ DEVICE shows them and SAVE FILE writes them come keys that no setting
// uses, holding the unit's identity words and every word its record key returned. LOAD
// FILE skips those keys, so a backup loads like any settings file; a restore writes the
// words back as they were, bits and values that no setting shows included.
//
//   8000=unit-type word   8001=version word   8002=record key   8003=number of words
//   8100=word 0   8101=word 1   ...        (each word a decimal number, 0 to 65535)

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace files {

struct TUnitBackup {
    std::uint16_t UnitType = 0;
    std::uint16_t Version = 0;
    std::uint16_t RecordKey = 0;
    std::vector<std::uint16_t> Words;  // as the record key's read returned them
};

// The most words a record read returns: the transfer buffer's.
inline constexpr std::size_t kMostBackupWords = 36;

// Whether the key is one of a backup's; settings files use none of them.
bool IsBackupKey(std::int32_t key);

// The backup's lines, to follow the settings file's.
void WriteBackupKeys(const TUnitBackup& backup, std::ostream& out);

// The backup a file holds; nothing, with the reason in `problem`, when the file holds no
// backup or an incomplete one. As for settings, a key given twice counts as last given.
std::optional<TUnitBackup> ReadBackupKeys(std::istream& in, std::string& problem);

}  // namespace files
