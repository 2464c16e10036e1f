#pragma once
// The chip maker's TESTENGINE.DLL and TESTFLASH.DLL, found where Windows finds a library
// (the program's own folder, then Windows' folders and PATH, never the current folder:
// link/LibrarySearch.h) and bound by ordinal, offered as a devlink::IChipLibrary. Binding
// is all or nothing: a library or an ordinal that is missing throws TLibraryBindingError
// naming the library and the folders that were looked in.

#include <windows.h>

#include <stdexcept>
#include <string>

#include "link/ChipLibrary.h"
#include "link/win32/ChipLibraryCalls.h"

namespace devlink::win32 {

class TLibraryBindingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TLibraryBinding final : public IChipLibrary {
public:
    // `programFolder`, in UTF-8, ends in a path separator.
    explicit TLibraryBinding(const std::string& programFolder);
    ~TLibraryBinding() override;
    TLibraryBinding(const TLibraryBinding&) = delete;
    TLibraryBinding& operator=(const TLibraryBinding&) = delete;

    std::int32_t EngineVersion(char* text) override;
    std::uint32_t EngineOpenTransport(std::int32_t transport, const char* devicePath, std::int32_t flags,
                                      std::int32_t timeout, std::int32_t retryTimeout) override;
    std::uint32_t EngineOpenSpi(const char* transport, std::int32_t flags) override;
    std::int32_t EngineClose(std::uint32_t handle) override;
    std::int32_t EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t capacity,
                               std::uint16_t* words, std::uint16_t* length) override;
    std::int32_t EngineWriteKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t length,
                                const std::uint16_t* words) override;
    std::int32_t EngineRestart(std::uint32_t handle, std::int32_t flags) override;
    std::int32_t EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) override;
    std::int32_t FlashListSpiPorts(std::uint16_t* capacity, char* portNames, char* transports,
                                   std::uint16_t* count) override;

private:
    HMODULE engine_ = nullptr;
    HMODULE flash_ = nullptr;
    TEngineVersion engineVersion_ = nullptr;
    TEngineOpenTransport engineOpenTransport_ = nullptr;
    TEngineOpenSpi engineOpenSpi_ = nullptr;
    TEngineClose engineClose_ = nullptr;
    TEngineReadKey engineReadKey_ = nullptr;
    TEngineWriteKey engineWriteKey_ = nullptr;
    TEngineRestart engineRestart_ = nullptr;
    TEngineChipName engineChipName_ = nullptr;
    TFlashListSpiPorts flashListSpiPorts_ = nullptr;
};

}  // namespace devlink::win32
