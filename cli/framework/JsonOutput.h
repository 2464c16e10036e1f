#pragma once
// The --json output of the commands. Members keep the order they are put in. Texts are
// taken as bytes, each read as Latin-1, and everything beyond ASCII is written as a \u
// escape: any text, also one from a damaged file, gives valid JSON.

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <string_view>

namespace cli {

using TJson = nlohmann::ordered_json;

// A text of the program or of a file as a JSON string value.
TJson JsonText(std::string_view bytes);

// The document on one line, and a line feed.
void WriteJson(std::ostream& out, const TJson& document);

}  // namespace cli
