#include "ui/BenchIdentity.h"

#include <windows.h>

#include "ui/win32/WideText.h"

namespace ui {
namespace {

// The DNS host name, as the network and gethostname know the computer; the NetBIOS name
// is its upper-case form cut to 15 characters. Both calls give the size they need when
// the buffer is too small.
std::string ComputerName() {
    DWORD size = 0;
    GetComputerNameExW(ComputerNameDnsHostname, nullptr, &size);
    std::wstring name(size, L'\0');
    if (size == 0 || !GetComputerNameExW(ComputerNameDnsHostname, name.data(), &size) || size == 0) {
        size = MAX_COMPUTERNAME_LENGTH + 1;
        name.assign(size, L'\0');
        if (!GetComputerNameW(name.data(), &size) || size == 0) return "-";
    }
    name.resize(size);
    return win32::Utf8OfWide(name);
}

std::string UserName() {
    DWORD size = 0;
    GetUserNameW(nullptr, &size);
    if (size == 0) return "-";
    std::wstring name(size, L'\0');
    // The size given back counts the terminating zero.
    if (!GetUserNameW(name.data(), &size) || size <= 1) return "-";
    name.resize(size - 1);
    return win32::Utf8OfWide(name);
}

}  // namespace

TBenchIdentity ThisBench() { return {ComputerName(), UserName()}; }

}  // namespace ui
