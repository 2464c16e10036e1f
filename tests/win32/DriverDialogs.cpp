// What the compare dialog shows, read from another process: its line above the list, and
// the list's headings and rows; the widths of its columns; and how its list grows with it.
// A list view's messages that carry a structure with a text pointer are answered in the
// list's own process, so the structure and the text live in memory lent there.

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/win32/DriverCommands.h"
#include "tests/win32/DriverWindows.h"
#include "ui/win32/WideText.h"

namespace windriver {
namespace {

HWND ChildOfClass(HWND dialog, const char* cls) {
    for (HWND child : Descendants(dialog))
        if (ClassOf(child) == cls) return child;
    throw TFailure{"the dialog \"" + WindowText(dialog) + "\" has no " + cls};
}

// A structure T followed by room for a text, in the process of `window`.
template <typename T>
class TLentMemory {
public:
    static constexpr std::size_t kTextLength = 512;

    explicit TLentMemory(HWND window) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (process_ != nullptr)
            block_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, sizeof(T) + kTextLength * sizeof(wchar_t),
                                                       MEM_COMMIT, PAGE_READWRITE));
        if (block_ == nullptr) throw TFailure{"no memory can be lent in the program's process"};
    }
    ~TLentMemory() {
        VirtualFreeEx(process_, block_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    TLentMemory(const TLentMemory&) = delete;
    TLentMemory& operator=(const TLentMemory&) = delete;

    wchar_t* Text() const { return reinterpret_cast<wchar_t*>(block_ + sizeof(T)); }
    // Sends `message` with `structure` placed there; the text the control wrote back.
    std::string Ask(HWND window, UINT message, WPARAM wParam, const T& structure) {
        if (!WriteProcessMemory(process_, block_, &structure, sizeof structure, nullptr))
            throw TFailure{"the program's memory cannot be written"};
        const auto length =
            static_cast<std::size_t>(SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(block_)));
        std::wstring text(kTextLength, L'\0');
        if (!ReadProcessMemory(process_, Text(), text.data(), text.size() * sizeof(wchar_t), nullptr))
            throw TFailure{"the program's memory cannot be read"};
        text.resize(message == LVM_GETITEMTEXTW ? length : wcsnlen(text.c_str(), text.size()));
        return ui::win32::Utf8OfWide(text);
    }

private:
    HANDLE process_ = nullptr;
    char* block_ = nullptr;
};

int ColumnCount(HWND list) {
    return static_cast<int>(
        SendMessageW(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0));
}

}  // namespace

std::vector<std::string> ColumnHeadings(HWND list) {
    std::vector<std::string> headings;
    TLentMemory<LVCOLUMNW> column(list);
    for (int c = 0; c < ColumnCount(list); ++c) {
        LVCOLUMNW asked{};
        asked.mask = LVCF_TEXT;
        asked.pszText = column.Text();
        asked.cchTextMax = TLentMemory<LVCOLUMNW>::kTextLength;
        headings.push_back(column.Ask(list, LVM_GETCOLUMNW, static_cast<WPARAM>(c), asked));
    }
    return headings;
}

int Rows(const std::string& caption) {
    HWND dialog = OpenDialog(caption);
    for (HWND child : Descendants(dialog))
        if (ClassOf(child) == "Static") std::puts(WindowText(child).c_str());
    HWND list = ChildOfClass(dialog, "SysListView32");
    if (!IsWindowVisible(list)) return 0;
    const std::vector<std::string> headings = ColumnHeadings(list);
    const auto columns = static_cast<int>(headings.size());
    std::string line = "  ";
    for (const std::string& heading : headings) {
        if (line.size() > 2) line += " | ";
        line += heading;
    }
    std::puts(line.c_str());
    const auto selected = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    const auto rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    TLentMemory<LVITEMW> item(list);
    for (int r = 0; r < rows; ++r) {
        line = r == selected ? "* " : "  ";
        for (int c = 0; c < columns; ++c) {
            LVITEMW asked{};
            asked.iSubItem = c;
            asked.pszText = item.Text();
            asked.cchTextMax = TLentMemory<LVITEMW>::kTextLength;
            if (c > 0) line += " | ";
            line += item.Ask(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(r), asked);
        }
        std::puts(line.c_str());
    }
    return 0;
}

int ColumnWidths(const std::string& caption) {
    HWND list = ChildOfClass(OpenDialog(caption), "SysListView32");
    std::string widths;
    for (int c = 0; c < ColumnCount(list); ++c) {
        if (c > 0) widths += ' ';
        widths += std::to_string(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(c), 0));
    }
    std::puts(widths.c_str());
    return 0;
}

// Sizes the dialog as a drag of its frame would, then prints how much its list grew.
int Grow(const std::string& caption, int width, int height) {
    HWND dialog = OpenDialog(caption);
    HWND list = ChildOfClass(dialog, "SysListView32");
    RECT frame{};
    RECT before{};
    RECT after{};
    GetWindowRect(dialog, &frame);
    GetWindowRect(list, &before);
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left + width, frame.bottom - frame.top + height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    WaitIdle(dialog);
    GetWindowRect(list, &after);
    std::printf("%ldx%ld\n", (after.right - after.left) - (before.right - before.left),
                (after.bottom - after.top) - (before.bottom - before.top));
    return 0;
}

}  // namespace windriver
