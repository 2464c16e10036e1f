#pragma once
// The chip maker's two libraries, TestEngine and TestFlash, as the program calls them.
// The calls keep the libraries' own argument shapes (raw buffers, 16-bit counts), so
// that the Windows binding by ordinal and the simulated unit offer the same thing.
// Every handle-taking call fails without harm when given the handle 0.

#include <cstdint>

namespace devlink {

class IChipLibrary {
public:
    virtual ~IChipLibrary() = default;

    // TestEngine 235: fills the 512-byte buffer with the library's version text.
    virtual std::int32_t EngineVersion(char* text) = 0;
    // TestEngine 134: open a unit over USB; 0 = failure.
    virtual std::uint32_t EngineOpenTransport(std::int32_t transport, const char* devicePath, std::int32_t flags,
                                              std::int32_t timeout, std::int32_t retryTimeout) = 0;
    // TestEngine 136: open a unit through an SPI adapter; 0 = failure.
    virtual std::uint32_t EngineOpenSpi(const char* transport, std::int32_t flags) = 0;
    // TestEngine 74.
    virtual std::int32_t EngineClose(std::uint32_t handle) = 0;
    // TestEngine 145: 1 = success; the library writes at most `capacity` words.
    virtual std::int32_t EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store,
                                       std::uint16_t capacity, std::uint16_t* words, std::uint16_t* length) = 0;
    // TestEngine 176: 1 = success.
    virtual std::int32_t EngineWriteKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store,
                                        std::uint16_t length, const std::uint16_t* words) = 0;
    // TestEngine 62: the unit restarts.
    virtual std::int32_t EngineRestart(std::uint32_t handle, std::int32_t flags) = 0;
    // TestEngine 230: the chip's name into the buffer of `capacity` bytes.
    virtual std::int32_t EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) = 0;
    // TestFlash 9: 0 = success, both buffers then hold comma-separated lists. A non-zero
    // result with a non-zero capacity written back means the buffers were too small.
    virtual std::int32_t FlashListSpiPorts(std::uint16_t* capacity, char* portNames, char* transports,
                                           std::uint16_t* count) = 0;
};

}  // namespace devlink
