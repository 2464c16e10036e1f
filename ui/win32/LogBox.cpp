#include "ui/win32/LogBox.h"

namespace ui::win32 {
namespace {

// Whether the box shows its last line: scrolled to the end, or the text fits.
bool ShowsLastLine(HWND box) {
    SCROLLINFO bar{};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (!GetScrollInfo(box, SB_VERT, &bar) || bar.nPage == 0) return true;
    return bar.nPos + static_cast<int>(bar.nPage) > bar.nMax;
}

}  // namespace

void LiftTextLimit(HWND box) { SendMessageW(box, EM_SETLIMITTEXT, 0, 0); }

void ShowLogLines(HWND box, const std::vector<std::string>& lines, std::size_t& shown) {
    if (lines.size() < shown) {
        SetWindowTextA(box, "");
        shown = 0;
    }
    if (shown == lines.size()) return;
    std::string added;
    for (std::size_t i = shown; i < lines.size(); ++i) (added += i ? "\r\n" : "") += lines[i];

    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool following = start == end && ShowsLastLine(box);
    const LRESULT firstShown = SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0);

    // All lines in one replacement, drawn once.
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    const int length = GetWindowTextLengthA(box);
    SendMessageA(box, EM_SETSEL, static_cast<WPARAM>(length), length);
    SendMessageA(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
    if (following) {
        // The caret at the start of the newest line: the box shows it from its beginning.
        const LRESULT lastLine = SendMessageA(box, EM_GETLINECOUNT, 0, 0) - 1;
        const LRESULT last = SendMessageA(box, EM_LINEINDEX, static_cast<WPARAM>(lastLine), 0);
        SendMessageA(box, EM_SETSEL, static_cast<WPARAM>(last), last);
        SendMessageA(box, EM_SCROLLCARET, 0, 0);
    } else {
        SendMessageA(box, EM_SETSEL, start, static_cast<LPARAM>(end));
        const LRESULT nowShown = SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0);
        SendMessageA(box, EM_LINESCROLL, 0, firstShown - nowShown);
    }
    SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
    shown = lines.size();
}

}  // namespace ui::win32
