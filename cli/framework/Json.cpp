#include "cli/framework/Json.h"

#include <cstdio>

namespace cli {

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; continue;
        case '\\': out += "\\\\"; continue;
        case '\n': out += "\\n"; continue;
        case '\r': out += "\\r"; continue;
        case '\t': out += "\\t"; continue;
        case '\b': out += "\\b"; continue;
        case '\f': out += "\\f"; continue;
        default: break;
        }
        if (byte < 0x20 || byte >= 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(byte));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void TJsonWriter::Separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (hasMembers_.empty()) return;
    if (hasMembers_.back()) out_ << ',';
    hasMembers_.back() = true;
}

void TJsonWriter::BeginObject() {
    Separate();
    out_ << '{';
    hasMembers_.push_back(false);
}

void TJsonWriter::EndObject() {
    hasMembers_.pop_back();
    out_ << '}';
    if (hasMembers_.empty()) out_ << '\n';
}

void TJsonWriter::BeginArray() {
    Separate();
    out_ << '[';
    hasMembers_.push_back(false);
}

void TJsonWriter::EndArray() {
    hasMembers_.pop_back();
    out_ << ']';
    if (hasMembers_.empty()) out_ << '\n';
}

void TJsonWriter::Key(std::string_view name) {
    Separate();
    out_ << JsonString(name) << ':';
    afterKey_ = true;
}

void TJsonWriter::String(std::string_view text) {
    Separate();
    out_ << JsonString(text);
}

void TJsonWriter::Number(std::int64_t value) {
    Separate();
    out_ << value;
}

void TJsonWriter::Bool(bool value) {
    Separate();
    out_ << (value ? "true" : "false");
}

void TJsonWriter::Null() {
    Separate();
    out_ << "null";
}

}  // namespace cli
