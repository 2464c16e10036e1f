#pragma once
// PS key reads as the device workflows make them: into a zero-filled transfer buffer
// larger than any record, and the activity log lines that list the words moved.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "link/Connection.h"
#include "records/SettingsRecords.h"

namespace records {

inline constexpr std::uint16_t kTransferWords = 36;

struct TKeyRead {
    bool Ok = false;
    std::uint16_t Length = 0;  // as the library reported it, at most kTransferWords
    std::array<std::uint16_t, kTransferWords> Words{};

    // The record in the first words; missing words are 0, words past it are dropped.
    TRecordWords RecordWords() const;
};

TKeyRead ReadKey(devlink::TConnection& connection, std::uint16_t key);

// `prefix` followed by every word as four upper-case hex digits and a blank.
std::string WordsLine(std::string_view prefix, std::span<const std::uint16_t> words);

}  // namespace records
