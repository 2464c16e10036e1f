#include "link/win32/LibraryBinding.h"

namespace devlink::win32 {
namespace {

constexpr const char* kEngineLibrary = "TESTENGINE.DLL";
constexpr const char* kFlashLibrary = "TESTFLASH.DLL";

std::string SystemMessage(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : "error " + std::to_string(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message;
}

HMODULE Load(const std::string& folder, const char* library) {
    const std::string path = folder + library;
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module == nullptr)
        throw TLibraryBindingError(std::string("The chip library ") + library +
                                   " could not be loaded from the folder\n" + folder + "\n\n" +
                                   SystemMessage(GetLastError()) + "\n\nThe program will end.");
    return module;
}

template <typename TFunction>
void Bind(HMODULE module, const char* library, const std::string& folder, WORD ordinal, const char* name,
          TFunction& function) {
    const FARPROC address = GetProcAddress(module, MAKEINTRESOURCEA(ordinal));
    if (address == nullptr)
        throw TLibraryBindingError(std::string("The chip library ") + library + " in the folder\n" + folder +
                                   "\nhas no function with ordinal " + std::to_string(ordinal) + " (" + name +
                                   ").\n\nThe program will end.");
    function = reinterpret_cast<TFunction>(reinterpret_cast<void*>(address));
}

}  // namespace

TLibraryBinding::TLibraryBinding(const std::string& folder) {
    try {
        engine_ = Load(folder, kEngineLibrary);
        flash_ = Load(folder, kFlashLibrary);
        Bind(engine_, kEngineLibrary, folder, 235, "EngineVersion", engineVersion_);
        Bind(engine_, kEngineLibrary, folder, 134, "EngineOpenTransport", engineOpenTransport_);
        Bind(engine_, kEngineLibrary, folder, 136, "EngineOpenSpi", engineOpenSpi_);
        Bind(engine_, kEngineLibrary, folder, 74, "EngineClose", engineClose_);
        Bind(engine_, kEngineLibrary, folder, 145, "EngineReadKey", engineReadKey_);
        Bind(engine_, kEngineLibrary, folder, 176, "EngineWriteKey", engineWriteKey_);
        Bind(engine_, kEngineLibrary, folder, 62, "EngineRestart", engineRestart_);
        Bind(engine_, kEngineLibrary, folder, 230, "EngineChipName", engineChipName_);
        Bind(flash_, kFlashLibrary, folder, 9, "FlashListSpiPorts", flashListSpiPorts_);
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

std::uint32_t TLibraryBinding::EngineOpenTransport(std::int32_t transport, const char* devicePath,
                                                   std::int32_t flags, std::int32_t timeout,
                                                   std::int32_t retryTimeout) {
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

std::string ExecutableFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    const auto slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".\\") : folder.substr(0, slash + 1);
}

}  // namespace devlink::win32
