#include "tests/win32/DriverInput.h"

#include <cctype>
#include <cstdlib>
#include <map>
#include <vector>

#include "tests/win32/DriverWindows.h"

namespace windriver {
namespace {

// Input reaches the thread of the foreground window only, and keys its focused window.
void ComeForward(HWND main) {
    auto ready = [&]() -> HWND {
        SetForegroundWindow(main);
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &thread);
        return GetForegroundWindow() == main && thread.hwndActive == main && thread.hwndFocus ? main : nullptr;
    };
    if (!WaitFor(5, ready)) throw TFailure{"the main window does not come to the foreground with the focus"};
}

// A modifier key as a keyboard reports it: its generic key code, its scan code, and the
// extended flag for the right Control key.
INPUT Modifier(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    const bool control = key == VK_LCONTROL || key == VK_RCONTROL;
    input.ki.wVk = control ? VK_CONTROL : VK_SHIFT;
    input.ki.wScan = control ? 0x1D : key == VK_LSHIFT ? 0x2A : 0x36;
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (key == VK_RCONTROL ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT Mouse(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    return input;
}

// One at a time, as a hand would, then time for the program to take them.
void Send(std::initializer_list<INPUT> inputs) {
    for (INPUT input : inputs) {
        SendInput(1, &input, sizeof input);
        Sleep(100);
    }
    Sleep(300);
}

// The keys of a chord by name (a letter key by its small letter), and whether each is one
// of the extended keys (the arrows and the page keys of the cursor block, not those of
// the number pad).
struct TNamedKey {
    WORD Key;
    bool Extended;
};

TNamedKey NamedKey(const std::string& name) {
    static const std::map<std::string, TNamedKey> keys{
        {"ctrl", {VK_CONTROL, false}}, {"shift", {VK_SHIFT, false}}, {"alt", {VK_MENU, false}},
        {"tab", {VK_TAB, false}},      {"space", {VK_SPACE, false}}, {"enter", {VK_RETURN, false}},
        {"up", {VK_UP, true}},         {"down", {VK_DOWN, true}},    {"left", {VK_LEFT, true}},
        {"right", {VK_RIGHT, true}},   {"pgup", {VK_PRIOR, true}},   {"pgdn", {VK_NEXT, true}}};
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') return {static_cast<WORD>(name[0] - 'a' + 'A'), false};
    const auto key = keys.find(name);
    if (key == keys.end()) throw TFailure{"unknown key " + name};
    return key->second;
}

}  // namespace

void PressChord(const std::string& chord) {
    std::vector<TNamedKey> held;
    for (std::size_t start = 0;;) {
        const std::size_t plus = chord.find('+', start);
        held.push_back(NamedKey(chord.substr(start, plus - start)));
        if (plus == std::string::npos) break;
        start = plus + 1;
    }
    std::vector<INPUT> inputs;
    for (bool up : {false, true}) {
        for (std::size_t i = 0; i < held.size(); ++i) {
            const TNamedKey& k = held[up ? held.size() - 1 - i : i];
            INPUT input = Key(k.Key, up);
            if (k.Extended) input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
            inputs.push_back(input);
        }
    }
    ComeForward(MainWindow());
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void HeldClick(HWND target, WORD modifier) {
    const HWND main = MainWindow();
    ComeForward(main);
    RECT r{};
    GetWindowRect(target, &r);
    // Low in the control, clear of the log box that may lie over the picture's upper part.
    const POINT point{(r.left + r.right) / 2, r.bottom - (r.bottom - r.top) / 8};
    INPUT move = Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1),
                       point.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1));
    // The pointer first, until it stays where it was sent.
    if (!WaitFor(5, [&]() -> HWND {
            SendInput(1, &move, sizeof move);
            Sleep(100);
            POINT at{};
            GetCursorPos(&at);
            return std::abs(at.x - point.x) <= 1 && std::abs(at.y - point.y) <= 1 ? main : nullptr;
        }))
        throw TFailure{"the mouse pointer does not reach the control"};
    Send({Modifier(modifier, false), Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP), Modifier(modifier, true)});
    WaitIdle();
}

void SystemMenuKey(char letter) {
    ComeForward(MainWindow());
    const auto key = static_cast<WORD>(std::toupper(static_cast<unsigned char>(letter)));
    Send({Key(VK_MENU, false), Key(VK_SPACE, false), Key(VK_SPACE, true), Key(VK_MENU, true)});
    Send({Key(key, false), Key(key, true)});
}

void AltKey(char letter) {
    ComeForward(MainWindow());
    const auto key = static_cast<WORD>(std::toupper(static_cast<unsigned char>(letter)));
    Send({Key(VK_MENU, false), Key(key, false), Key(key, true), Key(VK_MENU, true)});
}

}  // namespace windriver
