#pragma once
// The services the program asks of its platform, each behind a small interface so that
// the Win32 front end and the headless driver can each provide their own.

#include <optional>
#include <string>
#include <vector>

namespace ui {

// One button of a prompt window: the caption it shows and the result code it returns.
struct TPromptButton {
    std::string Caption;
    int Result = 0;
};

// A modal message window as the program wants it shown.
struct TPromptWindow {
    std::string Text;                    // may hold line feeds
    std::string Caption;                 // title-bar text
    int Type = 0;                        // 0 warning, 1 error, 2 information: selects the icon
    std::vector<TPromptButton> Buttons;  // left to right
    int Focused = 1;                     // 1-based number of the button that has the focus
};

class IPromptService {
public:
    virtual ~IPromptService() = default;
    // Shows the window modally; returns the result code of the button that closed it,
    // or 2 when the title bar's close button did.
    virtual int ShowModal(const TPromptWindow& window) = 0;
};

// The toolkit's plain message box: text, one OK button, no icon.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual void Show(const std::string& text, const std::string& caption) = 0;
};

// A file-open or file-save dialog. Each dialog object keeps the name and filter entry
// of its previous use.
struct TFileDialog {
    enum class TKind { Open, Save };
    TKind Kind = TKind::Open;
    std::string Name;  // e.g. "OpenSettingsDialog"
    std::string DefaultExt;
    std::string Filter;
    int FilterIndex = 1;
    std::string FileName;  // in: last name; out: the chosen path
    // A save dialog asks before it gives the name of a file that is there already.
    bool ConfirmReplace = false;
};

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // Runs the dialog; false when the user cancelled (FileName then stays as it was).
    virtual bool Execute(TFileDialog& dialog) = 0;
};

struct TLocalTime {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
    // The date, for names that must stay apart across days (backups of units).
    int Year = 0;
    int Month = 0;  // 1..12
    int Day = 0;    // 1..31
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual TLocalTime Now() = 0;
};

class ISleep {
public:
    virtual ~ISleep() = default;
    virtual void Sleep(unsigned milliseconds) = 0;
};

// Virtual key codes of the side-specific modifier keys.
enum : int { VK_LShift = 0xA0, VK_RShift = 0xA1, VK_LControl = 0xA2, VK_RControl = 0xA3 };

class IKeyboard {
public:
    virtual ~IKeyboard() = default;
    // The state byte of a key at this moment; the key is held when bit 0x80 is set.
    virtual unsigned char KeyState(int virtualKey) = 0;
};

class IIniFile {
public:
    virtual ~IIniFile() = default;
    virtual std::string ReadString(const std::string& path, const std::string& section, const std::string& key,
                                   const std::string& fallback) = 0;
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    virtual bool DeleteFile(const std::string& path) = 0;
    virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
};

// The shell's "open" of a document: the program the user chose for files of its kind,
// such as a browser for a page, shows it, and the program goes on without waiting.
class IShell {
public:
    virtual ~IShell() = default;
    // False when no program could be started for it.
    virtual bool OpenDocument(const std::string& path) = 0;
};

// The application object: its title shows in the task bar and captions the plain
// message boxes.
struct TApplication {
    std::string Title;
};

// Everything the main window needs from its platform.
struct TServices {
    IPromptService& Prompts;
    IMessageBox& Messages;
    IFileDialogs& Dialogs;
    IClock& Clock;
    ISleep& Sleeper;
    IKeyboard& Keyboard;
    IIniFile& Ini;
    IFileSystem& Files;
    IShell& Shell;
    TApplication& Application;
};

}  // namespace ui
