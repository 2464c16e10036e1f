#pragma once
// A worker's messages as a stream: each line written is handed on whole, to go to the run
// as a `say` line among the worker's reports, so that the run can prefix it with the
// adapter.

#include <functional>
#include <streambuf>
#include <string>
#include <utility>

namespace cli {

class TMessageLines : public std::streambuf {
public:
    // `say` takes one message line, without its line end.
    explicit TMessageLines(std::function<void(const std::string&)> say) : say_(std::move(say)) {}
    TMessageLines(const TMessageLines&) = delete;
    TMessageLines& operator=(const TMessageLines&) = delete;
    ~TMessageLines() override {
        if (!line_.empty()) say_(line_);
    }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        if (traits_type::to_char_type(c) == '\n') {
            say_(line_);
            line_.clear();
        } else {
            line_.push_back(traits_type::to_char_type(c));
        }
        return c;
    }

private:
    std::function<void(const std::string&)> say_;
    std::string line_;
};

}  // namespace cli
