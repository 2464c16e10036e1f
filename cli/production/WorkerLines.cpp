#include "cli/production/WorkerLines.h"

#include <charconv>

namespace cli {
namespace {

using TKind = TWorkerReport::TKind;

// The text after `word` and a blank, when the line starts so.
std::optional<std::string_view> After(std::string_view line, std::string_view word) {
    if (line.size() <= word.size() || !line.starts_with(word) || line[word.size()] != ' ') return std::nullopt;
    return line.substr(word.size() + 1);
}

std::optional<TWritten> WrittenOf(std::string_view name) {
    for (const TWritten written : {TWritten::No, TWritten::Unknown, TWritten::Yes})
        if (name == WrittenName(written)) return written;
    return std::nullopt;
}

constexpr char kDigits[] = "0123456789abcdef";

int DigitValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    return -1;
}

std::optional<std::string> BytesOfHex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = DigitValue(hex[i]);
        const int low = DigitValue(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return bytes;
}

}  // namespace

TWorkerReport ReportOf(std::string_view line) {
    if (line == "present") return {.Kind = TKind::UnitPresent};
    if (const auto name = After(line, "written"))
        if (const std::optional<TWritten> written = WrittenOf(*name))
            return {.Kind = TKind::Written, .Written = *written};
    if (const auto entry = After(line, "entry")) return {.Kind = TKind::Entry, .Text = std::string(*entry)};
    if (const auto done = After(line, "done")) {
        if (const auto text = After(*done, "ok"))
            return {.Kind = TKind::UnitDone, .Succeeded = true, .Text = std::string(*text)};
        if (const auto text = After(*done, "failed")) return {.Kind = TKind::UnitDone, .Text = std::string(*text)};
    }
    if (const auto why = After(line, "stuck")) return {.Kind = TKind::Stuck, .Text = std::string(*why)};
    if (const auto text = After(line, "say")) return {.Kind = TKind::Message, .Text = std::string(*text)};
    return {.Kind = TKind::Message, .Text = std::string(line)};
}

std::string WrittenLine(TWritten written) { return std::string("written ") + WrittenName(written); }

std::string EntryLine(const TRecordEntry& entry) { return "entry " + RecordLine(entry); }

std::string DoneLine(bool succeeded, std::string_view unitLine) {
    return (succeeded ? "done ok " : "done failed ") + std::string(unitLine);
}

std::string StuckLine(std::string_view why) { return "stuck " + std::string(why); }

std::string SayLine(std::string_view text) { return "say " + std::string(text); }

TRunLine RunLineOf(std::string_view line) {
    if (const auto hex = After(line, "settings"))
        if (std::optional<std::string> bytes = BytesOfHex(*hex))
            return {.Kind = TRunLine::TKind::Settings, .Settings = std::move(*bytes)};
    if (const auto digits = After(line, "go")) {
        int number = 0;
        const auto [end, error] = std::from_chars(digits->data(), digits->data() + digits->size(), number);
        if (error == std::errc() && end == digits->data() + digits->size() && number > 0)
            return {.Kind = TRunLine::TKind::Grant, .Number = number};
    }
    return {};
}

std::string SettingsLine(std::string_view bytes) {
    std::string line = "settings ";
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        line.push_back(kDigits[value >> 4]);
        line.push_back(kDigits[value & 0x0F]);
    }
    return line;
}

std::string GrantLine(int number) { return "go " + std::to_string(number); }

}  // namespace cli
