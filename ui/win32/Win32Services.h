#pragma once
// The platform services of ui/Services.h on Windows: the plain message box, the file
// dialogs, opening a document, the clock, sleeping, the keyboard state and INI reading. File delete and move
// are the file layer's (ui::TLocalFileSystem). Texts that may hold a path travel as UTF-8
// and meet Windows as UTF-16.

#include <windows.h>

#include "ui/Services.h"
#include "ui/win32/ModalOwner.h"

namespace ui::win32 {

class TWin32MessageBox : public IMessageBox {
public:
    explicit TWin32MessageBox(const TModalOwner& owner) : owner_(owner) {}
    void Show(const std::string& text, const std::string& caption) override;

private:
    const TModalOwner& owner_;
};

class TWin32FileDialogs : public IFileDialogs {
public:
    explicit TWin32FileDialogs(const TModalOwner& owner) : owner_(owner) {}
    bool Execute(TFileDialog& dialog) override;

private:
    const TModalOwner& owner_;
};

// ShellExecuteW's "open", with the main window as the owner of whatever the shell asks.
class TWin32Shell : public IShell {
public:
    explicit TWin32Shell(const TModalOwner& owner) : owner_(owner) {}
    bool OpenDocument(const std::string& path) override;

private:
    const TModalOwner& owner_;
};

class TWin32Clock : public IClock {
public:
    TLocalTime Now() override;
};

class TWin32Sleep : public ISleep {
public:
    void Sleep(unsigned milliseconds) override { ::Sleep(milliseconds); }
};

// The state of the keyboard as the message being handled saw it.
class TWin32Keyboard : public IKeyboard {
public:
    unsigned char KeyState(int virtualKey) override;
};

class TWin32IniFile : public IIniFile {
public:
    std::string ReadString(const std::string& path, const std::string& section, const std::string& key,
                           const std::string& fallback) override;
};

}  // namespace ui::win32
