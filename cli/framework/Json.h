#pragma once
// A small JSON writer for the --json output of the commands: objects, arrays, strings,
// whole numbers and booleans, with the commas put in by the writer. Strings are taken
// as bytes: control characters and every byte from 0x80 up are written as \u escapes
// (the byte read as Latin-1), so any text, also one from a damaged file, gives valid
// JSON.

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The text as a JSON string literal, quotes included.
std::string JsonString(std::string_view text);

class TJsonWriter {
public:
    explicit TJsonWriter(std::ostream& out) : out_(out) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The name of the next member of the open object.
    void Key(std::string_view name);
    void String(std::string_view text);
    void Number(std::int64_t value);
    void Bool(bool value);
    void Null();

    // Key and value in one.
    template <typename TValue>
    void Member(std::string_view name, const TValue& value) {
        Key(name);
        Value(value);
    }

private:
    void Value(std::string_view text) { String(text); }
    void Value(const std::string& text) { String(text); }
    void Value(const char* text) { String(text); }
    void Value(bool value) { Bool(value); }
    void Value(int value) { Number(value); }
    void Value(std::int64_t value) { Number(value); }

    // Before a value: the comma after the previous one, unless a key has just been
    // written.
    void Separate();

    std::ostream& out_;
    std::vector<bool> hasMembers_;  // per open object or array
    bool afterKey_ = false;
};

}  // namespace cli
