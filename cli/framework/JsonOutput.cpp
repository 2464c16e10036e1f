#include "cli/framework/JsonOutput.h"

namespace cli {
namespace {

std::string Dumped(const TJson& json) { return json.dump(-1, ' ', true); }

}  // namespace

TJson JsonText(std::string_view bytes) {
    std::string utf8;
    utf8.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

void WriteJson(std::ostream& out, const TJson& document) { out << Dumped(document) << '\n'; }

}  // namespace cli
