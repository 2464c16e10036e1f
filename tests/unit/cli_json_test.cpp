// Texts of files in messages and in the commands' --json output: any bytes, also those of
// a damaged file, give a valid JSON string, each byte from 0x80 up read as Latin-1, and the
// quoting of messages is JSON's own.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/framework/JsonOutput.h"
#include "files/QuotedText.h"

namespace {

TEST(QuotedText, EscapesWhatJsonDoesNotAllowAndEveryByteBeyondAscii) {
    const struct {
        std::string Text;
        const char* Json;
    } cases[] = {
        {"", R"("")"},
        {"say \"hi\"", R"("say \"hi\"")"},
        {"\\\\.\\CSR0", R"("\\\\.\\CSR0")"},
        {"two\nlines\r\n", R"("two\nlines\r\n")"},
        {std::string("nul\0bell\a", 9), R"("nul\u0000bell\u0007")"},
        {"caf\xE9", R"("caf\u00e9")"},  // a byte of a damaged file
        {"\xC3\xA9\xFF", R"("\u00c3\u00a9\u00ff")"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(files::QuotedText(c.Text), c.Json) << c.Json;
        EXPECT_EQ(cli::JsonText(c.Text).dump(-1, ' ', true), c.Json) << c.Json;
    }
}

TEST(JsonOutput, KeepsTheMembersInTheOrderPutAndEndsWithALineFeed) {
    std::ostringstream out;
    cli::WriteJson(out, {{"file", cli::JsonText("z.wpx")}, {"line", nullptr}, {"a", cli::TJson::array()}});
    EXPECT_EQ(out.str(), "{\"file\":\"z.wpx\",\"line\":null,\"a\":[]}\n");
}

}  // namespace
