// The JSON of the commands' --json output: string escapes and the commas and nesting the
// writer puts in.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/framework/Json.h"

namespace {

TEST(JsonString, EscapesWhatJsonDoesNotAllowInAString) {
    const struct {
        std::string Text;
        const char* Json;
    } cases[] = {
        {"", R"("")"},
        {"Radio PTT", R"("Radio PTT")"},
        {"say \"hi\"", R"("say \"hi\"")"},
        {"\\\\.\\CSR0", R"("\\\\.\\CSR0")"},
        {"two\nlines\r\n", R"("two\nlines\r\n")"},
        {"tab\tback\bfeed\f", R"("tab\tback\bfeed\f")"},
        {std::string("nul\0bell\a", 9), R"("nul\u0000bell\u0007")"},
        {"\x1F\x7F", R"("\u001F\u007F")"},
        {"caf\xE9", R"("caf\u00E9")"},  // a byte of a damaged file, read as Latin-1
        {"\xC3\xA9", R"("\u00C3\u00A9")"},
        {"/ stays", R"("/ stays")"},
    };
    for (const auto& c : cases) EXPECT_EQ(cli::JsonString(c.Text), c.Json) << c.Json;
}

TEST(JsonWriter, SeparatesMembersAndElementsAtEveryDepth) {
    std::ostringstream out;
    cli::TJsonWriter json(out);
    json.BeginObject();
    json.Member("file", "a.wpx");
    json.Member("count", 2);
    json.Member("clean", false);
    json.Key("none");
    json.Null();
    json.Key("items");
    json.BeginArray();
    json.BeginObject();
    json.Member("line", -3);
    json.EndObject();
    json.BeginObject();
    json.EndObject();
    json.BeginArray();
    json.EndArray();
    json.String("x");
    json.Number(7);
    json.EndArray();
    json.Member("last", true);
    json.EndObject();
    EXPECT_EQ(out.str(),
              R"({"file":"a.wpx","count":2,"clean":false,"none":null,"items":[{"line":-3},{},[],"x",7],"last":true})"
              "\n");
}

TEST(JsonWriter, EscapesMemberNamesToo) {
    std::ostringstream out;
    cli::TJsonWriter json(out);
    json.BeginObject();
    json.Member("a\"b", "c");
    json.EndObject();
    EXPECT_EQ(out.str(), "{\"a\\\"b\":\"c\"}\n");
}

}  // namespace
