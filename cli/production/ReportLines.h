#pragma once
// A worker's report lines on its standard output, whole and at once: the thread that
// programs and the one that watches its library calls both say things.

#include <mutex>
#include <ostream>
#include <string>

namespace cli {

class TReportLines {
public:
    explicit TReportLines(std::ostream& out) : out_(out) {}
    void Write(const std::string& line) {
        const std::lock_guard lock(mutex_);
        out_ << line << std::endl;
    }

private:
    std::ostream& out_;
    std::mutex mutex_;
};

}  // namespace cli
