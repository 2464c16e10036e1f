#include "files/UnitBackup.h"

#include <cstdio>
#include <istream>
#include <map>
#include <ostream>

#include "files/Decimal.h"
#include "files/SettingsLines.h"

namespace files {
namespace {

constexpr std::int32_t kUnitTypeKey = 8000, kVersionKey = 8001, kRecordKeyKey = 8002, kWordCountKey = 8003;
constexpr std::int32_t kFirstWordKey = 8100;

void WriteKey(std::ostream& out, std::int32_t key, unsigned value) {
    char line[32];
    const int length = std::snprintf(line, sizeof line, "%04d=%u\r\n", static_cast<int>(key), value);
    out.write(line, length);
}

}  // namespace

bool IsBackupKey(std::int32_t key) {
    return (key >= kUnitTypeKey && key <= kWordCountKey) ||
           (key >= kFirstWordKey && key < kFirstWordKey + static_cast<std::int32_t>(kMostBackupWords));
}

void WriteBackupKeys(const TUnitBackup& backup, std::ostream& out) {
    WriteKey(out, kUnitTypeKey, backup.UnitType);
    WriteKey(out, kVersionKey, backup.Version);
    WriteKey(out, kRecordKeyKey, backup.RecordKey);
    WriteKey(out, kWordCountKey, static_cast<unsigned>(backup.Words.size()));
    for (std::size_t n = 0; n < backup.Words.size(); ++n)
        WriteKey(out, kFirstWordKey + static_cast<std::int32_t>(n), backup.Words[n]);
}

std::optional<TUnitBackup> ReadBackupKeys(std::istream& in, std::string& problem) {
    std::map<std::int32_t, std::int32_t> given;
    TSettingsLineReader reader(in);
    TSettingsLine line;
    while (reader.Next(line)) {
        if (!line.HoldsSetting || !HasDecimalDigits(line.Value)) continue;
        const std::int32_t key = DecimalValue(line.Key);
        if (IsBackupKey(key)) given[key] = DecimalValue(line.Value);
    }
    if (given.empty()) {
        problem = "it holds no unit backup (no record words)";
        return std::nullopt;
    }
    const auto word = [&](std::int32_t key, const char* what) -> std::optional<std::uint16_t> {
        const auto found = given.find(key);
        if (found == given.end() || found->second < 0 || found->second > 0xFFFF) {
            problem = "its backup lacks " + std::string(what) + " (key " + std::to_string(key) + ")";
            return std::nullopt;
        }
        return static_cast<std::uint16_t>(found->second);
    };
    TUnitBackup backup;
    const auto type = word(kUnitTypeKey, "the unit type");
    const auto version = type ? word(kVersionKey, "the version") : std::nullopt;
    const auto recordKey = version ? word(kRecordKeyKey, "the record key") : std::nullopt;
    const auto count = recordKey ? word(kWordCountKey, "the number of words") : std::nullopt;
    if (!count) return std::nullopt;
    if (*count == 0 || *count > kMostBackupWords) {
        problem = "its backup gives " + std::to_string(*count) + " record words";
        return std::nullopt;
    }
    backup.UnitType = *type;
    backup.Version = *version;
    backup.RecordKey = *recordKey;
    for (std::int32_t n = 0; n < *count; ++n) {
        const auto value = word(kFirstWordKey + n, ("record word " + std::to_string(n)).c_str());
        if (!value) return std::nullopt;
        backup.Words.push_back(*value);
    }
    return backup;
}

}  // namespace files
