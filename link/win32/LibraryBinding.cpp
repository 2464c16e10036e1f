#include "link/win32/LibraryBinding.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "link/LibraryMachine.h"
#include "link/LibrarySearch.h"
#include "ui/LocalFiles.h"
#include "ui/win32/ExecutablePath.h"
#include "ui/win32/WideText.h"

namespace devlink::win32 {
namespace {

constexpr const char* kEngineLibrary = "TESTENGINE.DLL";
constexpr const char* kFlashLibrary = "TESTFLASH.DLL";

// Why LoadLibraryExW failed, in the program's own words: Windows' texts for these errors
// hold an unfilled "%1".
std::string LoadFailure(DWORD error) {
    switch (error) {
    case ERROR_MOD_NOT_FOUND: return "A library that it needs in turn is missing from this computer.";
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_EXE_MACHINE_TYPE_MISMATCH: return "It is not a library this program can load.";
    case ERROR_ACCESS_DENIED: return "This user may not read it.";
    case ERROR_DLL_INIT_FAILED: return "It failed to start.";
    default: return "Windows refused to load it (error " + std::to_string(error) + ").";
    }
}

std::string ProgramName() {
    const std::string path = ui::win32::ExecutablePath();
    return path.substr(path.find_last_of("\\/") + 1);
}

// A folder or variable that a W function fills, asked again with the size it says it needs.
template <typename TFill>
std::string Filled(TFill fill) {
    std::wstring text(MAX_PATH, L'\0');
    for (;;) {
        const UINT length = fill(text.data(), static_cast<UINT>(text.size()));
        if (length < text.size()) return ui::win32::Utf8OfWide(std::wstring_view(text.data(), length));
        text.resize(length);
    }
}

// Windows' own folders in the loader's order: the system folder, the 16-bit system folder
// and the Windows folder.
std::vector<std::string> WindowsFolders() {
    const std::string windows = Filled([](wchar_t* text, UINT size) { return GetWindowsDirectoryW(text, size); });
    return {Filled([](wchar_t* text, UINT size) { return GetSystemDirectoryW(text, size); }), windows + "\\SYSTEM",
            windows};
}

std::string PathVariable() {
    return Filled([](wchar_t* text, UINT size) { return GetEnvironmentVariableW(L"PATH", text, size); });
}

// A library found by the search: the module Windows loaded from the file whose header was
// read, and the folder it lies in.
struct TFoundLibrary {
    HMODULE Module = nullptr;
    std::string Folder;
};

// The library's file is found and looked at before Windows loads it, so that a missing
// file, a file that is no library and a library of the other bitness each get words that
// say what to do. Windows then loads that very file by its full path; what it needs in
// turn is looked for beside it first (LOAD_WITH_ALTERED_SEARCH_PATH), as a kit installed
// in a folder of its own expects.
TFoundLibrary Load(const std::vector<std::string>& folders, const char* library) {
    const auto found = std::find_if(folders.begin(), folders.end(),
                                    [&](const std::string& folder) { return ui::PathExists(folder + library); });
    if (found == folders.end()) throw TLibraryBindingError(MissingLibrary(library, folders, ProgramName()));
    const std::string& folder = *found;
    const std::string path = folder + library;
    const std::string cannot =
        std::string("The chip library ") + library + " could not be loaded from the folder\n" + folder + "\n\n";
    const std::string end = "\n\nThe program will end.";
    const std::optional<std::string> bytes = ui::ReadWholeFile(path);
    const std::optional<std::uint16_t> machine = bytes ? PeMachine(*bytes) : std::nullopt;
    if (bytes && !machine) throw TLibraryBindingError(cannot + "The file is not a Windows library." + end);
    const std::uint16_t program = sizeof(void*) == 8 ? kMachineX64 : kMachineI386;
    if (machine && *machine != program)
        throw TLibraryBindingError(MachineMismatch(library, folder, *machine, program, ProgramName()));
    const std::wstring name = ui::win32::WideOfUtf8(path).value_or(std::wstring());
    HMODULE module = LoadLibraryExW(name.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module == nullptr) throw TLibraryBindingError(cannot + LoadFailure(GetLastError()) + end);
    return {module, folder};
}

template <typename TFunction>
void Bind(const TFoundLibrary& found, const char* library, WORD ordinal, const char* name, TFunction& function) {
    const FARPROC address = GetProcAddress(found.Module, MAKEINTRESOURCEA(ordinal));
    if (address == nullptr)
        throw TLibraryBindingError(std::string("The chip library ") + library + " in the folder\n" + found.Folder +
                                   "\nhas no function with ordinal " + std::to_string(ordinal) + " (" + name +
                                   ").\n\nThe program will end.");
    function = reinterpret_cast<TFunction>(reinterpret_cast<void*>(address));
}

}  // namespace

TLibraryBinding::TLibraryBinding(const std::string& programFolder) {
    // What the libraries load in turn is not looked for in the current folder either.
    SetDllDirectoryW(L"");
    const std::vector<std::string> folders = LibrarySearchFolders(programFolder, WindowsFolders(), PathVariable());
    try {
        const TFoundLibrary engine = Load(folders, kEngineLibrary);
        engine_ = engine.Module;
        const TFoundLibrary flash = Load(folders, kFlashLibrary);
        flash_ = flash.Module;
        Bind(engine, kEngineLibrary, 235, "EngineVersion", engineVersion_);
        Bind(engine, kEngineLibrary, 134, "EngineOpenTransport", engineOpenTransport_);
        Bind(engine, kEngineLibrary, 136, "EngineOpenSpi", engineOpenSpi_);
        Bind(engine, kEngineLibrary, 74, "EngineClose", engineClose_);
        Bind(engine, kEngineLibrary, 145, "EngineReadKey", engineReadKey_);
        Bind(engine, kEngineLibrary, 176, "EngineWriteKey", engineWriteKey_);
        Bind(engine, kEngineLibrary, 62, "EngineRestart", engineRestart_);
        Bind(engine, kEngineLibrary, 230, "EngineChipName", engineChipName_);
        Bind(flash, kFlashLibrary, 9, "FlashListSpiPorts", flashListSpiPorts_);
    } catch (...) {
        if (flash_) FreeLibrary(flash_);
        if (engine_) FreeLibrary(engine_);
        throw;
    }
}

TLibraryBinding::~TLibraryBinding() {
    FreeLibrary(flash_);
    FreeLibrary(engine_);
}

std::int32_t TLibraryBinding::EngineVersion(char* text) { return engineVersion_(text); }

std::uint32_t TLibraryBinding::EngineOpenTransport(std::int32_t transport, const char* devicePath, std::int32_t flags,
                                                   std::int32_t timeout, std::int32_t retryTimeout) {
    return engineOpenTransport_(transport, devicePath, flags, timeout, retryTimeout);
}

std::uint32_t TLibraryBinding::EngineOpenSpi(const char* transport, std::int32_t flags) {
    return engineOpenSpi_(transport, flags);
}

std::int32_t TLibraryBinding::EngineClose(std::uint32_t handle) { return engineClose_(handle); }

std::int32_t TLibraryBinding::EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store,
                                            std::uint16_t capacity, std::uint16_t* words, std::uint16_t* length) {
    return engineReadKey_(handle, key, store, capacity, words, length);
}

std::int32_t TLibraryBinding::EngineWriteKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store,
                                             std::uint16_t length, const std::uint16_t* words) {
    return engineWriteKey_(handle, key, store, length, words);
}

std::int32_t TLibraryBinding::EngineRestart(std::uint32_t handle, std::int32_t flags) {
    return engineRestart_(handle, flags);
}

std::int32_t TLibraryBinding::EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) {
    return engineChipName_(handle, capacity, text);
}

std::int32_t TLibraryBinding::FlashListSpiPorts(std::uint16_t* capacity, char* portNames, char* transports,
                                                std::uint16_t* count) {
    return flashListSpiPorts_(capacity, portNames, transports, count);
}

}  // namespace devlink::win32
