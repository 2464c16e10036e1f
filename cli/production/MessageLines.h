#pragma once
// A worker's messages as `say TEXT` lines among its report lines, one per line written,
// so that its run can prefix them with the adapter.

#include <ostream>
#include <streambuf>
#include <string>

namespace cli {

class TMessageLines : public std::streambuf {
public:
    explicit TMessageLines(std::ostream& reports) : reports_(reports) {}
    TMessageLines(const TMessageLines&) = delete;
    TMessageLines& operator=(const TMessageLines&) = delete;
    ~TMessageLines() override {
        if (!line_.empty()) reports_ << "say " << line_ << std::endl;
    }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        if (traits_type::to_char_type(c) == '\n') {
            reports_ << "say " << line_ << std::endl;
            line_.clear();
        } else {
            line_.push_back(traits_type::to_char_type(c));
        }
        return c;
    }

private:
    std::ostream& reports_;
    std::string line_;
};

}  // namespace cli
