#pragma once
// The two settings records a unit keeps in its persistent store, word by word. Both are
// 25 unsigned 16-bit words; word 0 is the first word of the PS key value.

#include <array>
#include <cstdint>

#include "link/UnitCodes.h"

namespace records {

using devlink::kRecordWords;
using TRecordWords = std::array<std::uint16_t, kRecordWords>;

// The handset's settings, word by word: the flag bits in word 0, then spin positions as
// signed 16-bit words and the key words, three handset key-press codes each. Which
// setting takes which word or bit is a column of the settings tables (Word, FlagBit in
// editor/SettingsTables.cpp); the key words' fields are HandsetRecord.cpp's. Words 23
// and 24 carry nothing.
struct hs_xsettings_t {
    TRecordWords Words;
};

// The gateway's settings: the flag bits, gains, the VOX level and its nine I/O lines,
// each a line word followed by a pulse word, from word 5 on (GatewayRecord.cpp). Words 23
// and 24 carry nothing.
struct gw_xsettings_t {
    TRecordWords Words;
};

// A record as the words of its PS key value, and back.
template <typename TRecord>
TRecordWords ToWords(const TRecord& record) {
    return record.Words;
}
template <typename TRecord>
TRecord FromWords(const TRecordWords& words) {
    return TRecord{words};
}

}  // namespace records
