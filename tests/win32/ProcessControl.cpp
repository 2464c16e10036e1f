// zenta-proctl: what the production test under Wine does to zenta.exe's processes from
// outside, through the calls Windows documents for it. One command per run; the exit
// code is 0 on success and 1 when the command cannot be carried out.
//
//   end-worker
//       ends one worker of a running production run with TerminateProcess, as Task
//       Manager's End task does: a zenta.exe whose parent is a zenta.exe. Prints its
//       process id.
//   ctrl-c OUT ERR TEXT TIMES SECONDS ZENTA_ARGUMENTS...
//       runs zenta.exe with ZENTA_ARGUMENTS in a console of this program's own, standard
//       output to the file OUT and standard error to ERR; a second after ERR holds TEXT,
//       sends Ctrl-C TIMES times, half a second apart, to every process of the console
//       (GenerateConsoleCtrlEvent), as key presses in the console window do. Prints
//       zenta.exe's exit code, or "still running" when it has not ended SECONDS after the
//       last Ctrl-C (it is then ended).

#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ui/win32/QuotedArgument.h"

namespace {

bool IsZenta(const PROCESSENTRY32W& process) { return _wcsicmp(process.szExeFile, L"zenta.exe") == 0; }

int EndWorker() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 1;
    std::vector<PROCESSENTRY32W> processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        processes.push_back(entry);
    CloseHandle(snapshot);
    for (const PROCESSENTRY32W& worker : processes) {
        if (!IsZenta(worker)) continue;
        for (const PROCESSENTRY32W& parent : processes) {
            if (parent.th32ProcessID != worker.th32ParentProcessID || !IsZenta(parent)) continue;
            const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, worker.th32ProcessID);
            if (process == nullptr) return 1;
            const BOOL ended = TerminateProcess(process, 1);
            CloseHandle(process);
            if (!ended) return 1;
            std::printf("%lu\n", static_cast<unsigned long>(worker.th32ProcessID));
            return 0;
        }
    }
    std::fprintf(stderr, "end-worker: no zenta.exe started by a zenta.exe\n");
    return 1;
}

HANDLE InheritableFile(const wchar_t* path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool FileHolds(const wchar_t* path, const std::string& text) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return bytes.find(text) != std::string::npos;
}

// This program takes the console's Ctrl-C itself and goes on; a handler, unlike
// SetConsoleCtrlHandler(nullptr, TRUE), is not passed on to the processes it starts.
BOOL WINAPI KeepRunning(DWORD) { return TRUE; }

int CtrlC(int argc, wchar_t** argv) {
    if (argc < 8) return 1;
    const std::wstring text(argv[4]);
    const std::string wanted(text.begin(), text.end());
    const unsigned long times = std::wcstoul(argv[5], nullptr, 10);
    const DWORD seconds = static_cast<DWORD>(std::wcstoul(argv[6], nullptr, 10));
    std::wstring line = L"zenta.exe";
    for (int i = 7; i < argc; ++i) line.append(L" ").append(ui::win32::QuotedArgument(argv[i]));

    // A console of its own, shared with zenta.exe and its workers only.
    FreeConsole();
    if (!AllocConsole()) return 1;
    SetConsoleCtrlHandler(KeepRunning, TRUE);
    const HANDLE input = InheritableFile(L"NUL", GENERIC_READ, OPEN_EXISTING);
    const HANDLE output = InheritableFile(argv[2], GENERIC_WRITE, CREATE_ALWAYS);
    const HANDLE error = InheritableFile(argv[3], GENERIC_WRITE, CREATE_ALWAYS);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = output;
    startup.hStdError = error;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return 1;
    CloseHandle(process.hThread);
    while (!FileHolds(argv[3], wanted)) {
        if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0) {
            std::fprintf(stderr, "ctrl-c: zenta.exe ended before its standard error held the text\n");
            return 1;
        }
    }
    // The text may come before zenta.exe takes Ctrl-C as a request to stop.
    Sleep(1000);
    for (unsigned long sent = 0; sent < times; ++sent) {
        if (sent > 0) Sleep(500);
        if (!GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0)) {
            std::fprintf(stderr, "ctrl-c: GenerateConsoleCtrlEvent failed, error %lu\n", GetLastError());
            TerminateProcess(process.hProcess, 1);
            return 1;
        }
    }
    if (WaitForSingleObject(process.hProcess, seconds * 1000) != WAIT_OBJECT_0) {
        std::printf("still running\n");
        TerminateProcess(process.hProcess, 1);
        return 0;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    std::printf("%lu\n", static_cast<unsigned long>(code));
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"end-worker") return EndWorker();
    if (command == L"ctrl-c") return CtrlC(argc, argv);
    std::fprintf(stderr, "usage: zenta-proctl end-worker | ctrl-c OUT ERR TEXT TIMES SECONDS ZENTA_ARGUMENTS...\n");
    return 1;
}
