#include "cli/production/OwnCopy.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <stdexcept>

namespace cli {
namespace {

class TPosixCopy : public IOwnCopy {
public:
    TPosixCopy(pid_t process, int input, int output) : process_(process), input_(input), output_(output) {}
    TPosixCopy(const TPosixCopy&) = delete;
    TPosixCopy& operator=(const TPosixCopy&) = delete;
    ~TPosixCopy() override {
        CloseInput();
        ::close(output_);
        Wait();
    }

    bool ReadLine(std::string& line) override {
        line.clear();
        char c = 0;
        for (;;) {
            const ssize_t got = ::read(output_, &c, 1);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return !line.empty();
            if (c == '\n') return true;
            line.push_back(c);
        }
    }

    void WriteLine(const std::string& line) override {
        if (input_ < 0) return;
        const std::string text = line + '\n';
        std::size_t written = 0;
        while (written < text.size()) {
            const ssize_t put = ::write(input_, text.data() + written, text.size() - written);
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) return;  // the copy is gone; its end shows on its output
            written += static_cast<std::size_t>(put);
        }
    }

    void CloseInput() override {
        if (input_ >= 0) ::close(input_);
        input_ = -1;
    }

    // The copy is reaped only once Kill can no longer reach it, so that a kill never
    // reaches another process given the same id.
    int Wait() override {
        const pid_t process = process_;
        if (process > 0) {
            siginfo_t info{};
            while (::waitid(P_PID, static_cast<id_t>(process), &info, WEXITED | WNOWAIT) < 0 && errno == EINTR) {
            }
            const std::lock_guard lock(mutex_);
            int status = 0;
            while (::waitpid(process, &status, 0) < 0 && errno == EINTR) {
            }
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            process_ = 0;
        }
        return exitCode_;
    }

    void Kill() override {
        const std::lock_guard lock(mutex_);
        if (process_ > 0) ::kill(process_, SIGKILL);
    }

private:
    std::mutex mutex_;
    std::atomic<pid_t> process_;
    int input_;
    int output_;
    int exitCode_ = 0;
};

}  // namespace

std::unique_ptr<IOwnCopy> StartOwnCopy(const std::vector<std::string>& arguments) {
    // A write to a copy that is gone must not end this process.
    std::signal(SIGPIPE, SIG_IGN);
    // Close-on-exec, so that no other copy inherits this one's input and keeps it from
    // seeing its end; the ends made standard input and output lose the flag.
    int toCopy[2];
    int fromCopy[2];
    if (::pipe2(toCopy, O_CLOEXEC) != 0) throw std::runtime_error(std::strerror(errno));
    if (::pipe2(fromCopy, O_CLOEXEC) != 0) {
        const int error = errno;
        ::close(toCopy[0]);
        ::close(toCopy[1]);
        throw std::runtime_error(std::strerror(error));
    }
    std::vector<std::string> line{"zenta"};
    line.insert(line.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(line.size() + 1);
    for (std::string& argument : line) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t process = ::fork();
    if (process == 0) {
        ::dup2(toCopy[0], STDIN_FILENO);
        ::dup2(fromCopy[1], STDOUT_FILENO);
        ::execv("/proc/self/exe", argv.data());
        ::_exit(127);
    }
    const int error = errno;
    ::close(toCopy[0]);
    ::close(fromCopy[1]);
    if (process < 0) {
        ::close(toCopy[1]);
        ::close(fromCopy[0]);
        throw std::runtime_error(std::strerror(error));
    }
    return std::make_unique<TPosixCopy>(process, toCopy[1], fromCopy[0]);
}

}  // namespace cli
