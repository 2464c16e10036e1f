// The lexical rules of scripts: tokens, quotes and escapes, comments, line numbers and
// numbers.

#include <gtest/gtest.h>

#include "script/ScriptError.h"
#include "script/ScriptLexer.h"

namespace {

std::vector<std::string> Texts(const script::TScriptLine& line) {
    std::vector<std::string> texts;
    for (const script::TToken& t : line.Tokens) texts.push_back(t.Text);
    return texts;
}

struct TTokenCase {
    const char* Line;
    std::vector<std::string> Tokens;
};

// Test names show the line, on one line.
void PrintTo(const TTokenCase& c, std::ostream* os) { *os << script::QuoteText(c.Line); }

class ScriptLexerTokens : public ::testing::TestWithParam<TTokenCase> {};

TEST_P(ScriptLexerTokens, SplitsOneLine) {
    const auto lines = script::LexScript(GetParam().Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(Texts(lines[0]), GetParam().Tokens);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScriptLexerTokens,
    ::testing::Values(TTokenCase{"click  ExitButton", {"click", "ExitButton"}},
                      TTokenCase{"\tspin\tX up 3  ", {"spin", "X", "up", "3"}},
                      TTokenCase{"expect X.text \"a b  c\"", {"expect", "X.text", "a b  c"}},
                      TTokenCase{R"(x "\n\r\t\"\\")", {"x", "\n\r\t\"\\"}}, TTokenCase{R"(x "" y)", {"x", "", "y"}},
                      TTokenCase{R"(unit handset chip="CSR 8670")", {"unit", "handset", "chip=CSR 8670"}},
                      TTokenCase{R"(x a"b c"d)", {"x", "ab cd"}},
                      // Outside quotes a backslash is an ordinary character, and # opens no comment.
                      TTokenCase{R"(exe C:\ZENTA\a.exe #1)", {"exe", "C:\\ZENTA\\a.exe", "#1"}},
                      TTokenCase{"start\r", {"start"}}));

TEST(ScriptLexer, SkipsBlankAndCommentLinesAndKeepsLineNumbers) {
    const auto lines = script::LexScript("# a comment\n\n   \nstart\r\n   # indented comment\nwait 300");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Number, 4);
    EXPECT_EQ(Texts(lines[0]), std::vector<std::string>{"start"});
    EXPECT_EQ(lines[1].Number, 6);
    EXPECT_EQ(Texts(lines[1]), (std::vector<std::string>{"wait", "300"}));
}

TEST(ScriptLexer, MarksQuotedTokensAndTheFirstEqualsOutsideQuotes) {
    const auto line = script::LexScript(R"(a "b" c=d="e" "f=g" h)").front();
    ASSERT_EQ(line.Tokens.size(), 5u);
    EXPECT_FALSE(line.Tokens[0].Quoted);
    EXPECT_TRUE(line.Tokens[1].Quoted);
    EXPECT_EQ(line.Tokens[2].Text, "c=d=e");
    EXPECT_EQ(line.Tokens[2].Equals, 1u);
    EXPECT_TRUE(line.Tokens[2].Quoted);
    EXPECT_EQ(line.Tokens[3].Equals, std::string::npos);
    EXPECT_EQ(line.Tokens[4].Equals, std::string::npos);
}

struct TBadLine {
    const char* Source;
    int Line;
};

void PrintTo(const TBadLine& c, std::ostream* os) { *os << script::QuoteText(c.Source); }

class ScriptLexerErrors : public ::testing::TestWithParam<TBadLine> {};

TEST_P(ScriptLexerErrors, NameTheLine) {
    try {
        script::LexScript(GetParam().Source);
        FAIL() << "no error for " << GetParam().Source;
    } catch (const script::TScriptError& error) {
        EXPECT_EQ(error.Line, GetParam().Line);
    }
}

INSTANTIATE_TEST_SUITE_P(Sources, ScriptLexerErrors,
                         ::testing::Values(TBadLine{"start\nexpect X \"open", 2}, TBadLine{"x \"a\\q\"", 1},
                                           TBadLine{"\n\nx \"ends in a backslash\\", 3}, TBadLine{"x \"a\nb\"", 1}));

struct TNumberCase {
    const char* Text;
    std::optional<std::int64_t> Value;
};

void PrintTo(const TNumberCase& c, std::ostream* os) { *os << script::QuoteText(c.Text); }

class ScriptNumbers : public ::testing::TestWithParam<TNumberCase> {};

TEST_P(ScriptNumbers, AreDecimalOrHexadecimal) { EXPECT_EQ(script::ParseNumber(GetParam().Text), GetParam().Value); }

INSTANTIATE_TEST_SUITE_P(Texts, ScriptNumbers,
                         ::testing::Values(TNumberCase{"0", 0}, TNumberCase{"300", 300}, TNumberCase{"-24", -24},
                                           TNumberCase{"0x02AB", 0x02AB}, TNumberCase{"0XFE02", 0xFE02},
                                           TNumberCase{"0xab02", 0xAB02}, TNumberCase{"010", 10},
                                           TNumberCase{"", std::nullopt}, TNumberCase{"-", std::nullopt},
                                           TNumberCase{"0x", std::nullopt}, TNumberCase{"12a", std::nullopt},
                                           TNumberCase{"+5", std::nullopt}, TNumberCase{"-0x5", std::nullopt},
                                           TNumberCase{"0x-5", std::nullopt}, TNumberCase{"1.5", std::nullopt},
                                           TNumberCase{"99999999999999999999", std::nullopt},
                                           TNumberCase{"0xG", std::nullopt}));

TEST(ScriptLexer, QuotedTextReadsBackAsTheSameToken) {
    for (const std::string text : {"plain", "two words", "line\nfeed", "tab\tcr\r", "quote\" and \\back", ""}) {
        const auto lines = script::LexScript("x " + script::QuoteText(text));
        ASSERT_EQ(lines.size(), 1u);
        ASSERT_EQ(lines[0].Tokens.size(), 2u);
        EXPECT_EQ(lines[0].Tokens[1].Text, text);
    }
}

}  // namespace
