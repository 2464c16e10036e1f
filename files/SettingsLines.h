#pragma once
// The lines of a settings file as the reader takes them. The loader applies them and
// the command line's checks inspect them, so both see exactly the same lines.

#include <istream>
#include <string>

namespace files {

struct TSettingsLine {
    int Number = 0;             // the line of the file the piece starts on, counted from 1
    std::string Text;           // the piece as read: CR bytes dropped, line feed kept
    bool HoldsSetting = false;  // false: no key and value text, so the reader skips it
    std::string Key;            // the first run of characters other than "="
    std::string Value;          // the next such run; may end in the line feed
};

// Reads the file as a text stream does: CR bytes are dropped, so CR LF and LF read
// alike, and Ctrl-Z ends the file. The reader's line buffer holds 100 characters with
// the terminating zero, so a longer line comes in pieces of 99 characters, each handled
// as a line of its own.
class TSettingsLineReader {
public:
    explicit TSettingsLineReader(std::istream& in) : in_(in) {}

    // The next piece of the file; false at the end.
    bool Next(TSettingsLine& line);

private:
    std::istream& in_;
    bool ended_ = false;
    int number_ = 1;
};

}  // namespace files
