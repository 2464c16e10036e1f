#include "records/KeyTransfer.h"

#include <algorithm>

#include "link/HexText.h"

namespace records {

TRecordWords TKeyRead::RecordWords() const {
    TRecordWords record{};
    std::copy_n(Words.begin(), record.size(), record.begin());
    return record;
}

TKeyRead ReadKey(devlink::TConnection& connection, std::uint16_t key) {
    TKeyRead read;
    read.Ok = connection.ReadPSKey(key, read.Words.data(), read.Length, kTransferWords) == 1;
    return read;
}

std::string WordsLine(std::string_view prefix, std::span<const std::uint16_t> words) {
    std::string line(prefix);
    for (std::uint16_t word : words) line.append(devlink::HexDigits(word, 4)).append(" ");
    return line;
}

}  // namespace records
