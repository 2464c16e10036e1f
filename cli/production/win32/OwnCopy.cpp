#include "cli/production/OwnCopy.h"

#include <windows.h>

#include <mutex>
#include <stdexcept>

#include "ui/win32/ExecutablePath.h"
#include "ui/win32/QuotedArgument.h"
#include "ui/win32/WideText.h"

namespace cli {
namespace {

std::runtime_error SystemError(const char* what) {
    std::string text = what;
    return std::runtime_error(text.append(" failed, error ").append(std::to_string(GetLastError())));
}

class THandle {
public:
    explicit THandle(HANDLE handle = nullptr) : handle_(handle) {}
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    ~THandle() { Close(); }
    HANDLE Get() const { return handle_; }
    HANDLE* Receive() { return &handle_; }
    HANDLE Release() {
        const HANDLE handle = handle_;
        handle_ = nullptr;
        return handle;
    }
    void Close() {
        if (handle_ != nullptr) CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_;
};

class TWin32Copy : public IOwnCopy {
public:
    TWin32Copy(HANDLE process, HANDLE input, HANDLE output) : process_(process), input_(input), output_(output) {}
    ~TWin32Copy() override {
        CloseInput();
        Wait();
    }
    TWin32Copy(const TWin32Copy&) = delete;
    TWin32Copy& operator=(const TWin32Copy&) = delete;

    // The copy's C runtime ends its lines with CR LF.
    bool ReadLine(std::string& line) override {
        line.clear();
        char c = 0;
        DWORD got = 0;
        while (ReadFile(output_.Get(), &c, 1, &got, nullptr) && got == 1) {
            if (c == '\n') return true;
            if (c != '\r') line.push_back(c);
        }
        return !line.empty();
    }

    void WriteLine(const std::string& line) override {
        if (input_.Get() == nullptr) return;
        std::string text = line;
        text.push_back('\n');
        DWORD written = 0;
        // A copy that is gone shows its end on its output.
        WriteFile(input_.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }

    void CloseInput() override { input_.Close(); }

    // The handle is closed only once Kill can no longer use it.
    int Wait() override {
        HANDLE process = nullptr;
        {
            const std::lock_guard lock(mutex_);
            process = process_.Get();
        }
        if (process != nullptr) {
            WaitForSingleObject(process, INFINITE);
            const std::lock_guard lock(mutex_);
            DWORD code = 0;
            GetExitCodeProcess(process_.Get(), &code);
            exitCode_ = static_cast<int>(code);
            process_.Close();
        }
        return exitCode_;
    }

    void Kill() override {
        const std::lock_guard lock(mutex_);
        if (process_.Get() != nullptr) TerminateProcess(process_.Get(), kKilledExitCode);
    }

private:
    // What a copy ended from outside exits with, as Task Manager's End task gives 1.
    static constexpr UINT kKilledExitCode = 1;

    std::mutex mutex_;
    THandle process_;
    THandle input_;
    THandle output_;
    int exitCode_ = 0;
};

}  // namespace

std::unique_ptr<IOwnCopy> StartOwnCopy(const std::vector<std::string>& arguments) {
    const std::optional<std::wstring> program = ui::win32::WideOfUtf8(ui::win32::ExecutablePath());
    if (!program || program->empty()) throw SystemError("GetModuleFileNameW");
    std::wstring line = ui::win32::QuotedArgument(*program);
    for (const std::string& argument : arguments) {
        const std::optional<std::wstring> wide = ui::win32::WideOfUtf8(argument);
        if (!wide) throw std::runtime_error(std::string("an argument is not UTF-8: ").append(argument));
        line.append(L" ").append(ui::win32::QuotedArgument(*wide));
    }
    // The copy inherits only its ends of the two pipes and this process's standard error;
    // the copies are started one after another, and each one's ends are closed here
    // before the next is started, so no copy holds another's input open.
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    THandle copyInput;
    THandle toCopy;
    THandle fromCopy;
    THandle copyOutput;
    THandle copyError;
    if (!CreatePipe(copyInput.Receive(), toCopy.Receive(), &inheritable, 0) ||
        !CreatePipe(fromCopy.Receive(), copyOutput.Receive(), &inheritable, 0))
        throw SystemError("CreatePipe");
    SetHandleInformation(toCopy.Get(), HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(fromCopy.Get(), HANDLE_FLAG_INHERIT, 0);
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error != nullptr && error != INVALID_HANDLE_VALUE)
        DuplicateHandle(GetCurrentProcess(), error, GetCurrentProcess(), copyError.Receive(), 0, TRUE,
                        DUPLICATE_SAME_ACCESS);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = copyInput.Get();
    startup.hStdOutput = copyOutput.Get();
    startup.hStdError = copyError.Get();
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program->c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        throw SystemError("CreateProcessW");
    CloseHandle(process.hThread);
    return std::make_unique<TWin32Copy>(process.hProcess, toCopy.Release(), fromCopy.Release());
}

}  // namespace cli
