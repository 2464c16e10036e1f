#pragma once
// A chip library that answers only the start-up calls: its version text and an SPI port
// listing. Enough for tests of the window that never reach a unit.

#include <cstring>
#include <string>

#include "link/ChipLibrary.h"

namespace testing_support {

class TStartupLibrary : public devlink::IChipLibrary {
public:
    std::string Version = "fake 1.0";
    std::string PortNames, TransportStrings;
    std::uint16_t PortCount = 0;
    std::int32_t Result = 0;
    std::uint16_t NeedCapacity = 0;  // first call: "too small, need this much"
    std::vector<std::uint16_t> CapacitiesSeen;

    std::int32_t EngineVersion(char* text) override {
        std::strncpy(text, Version.c_str(), 511);
        return 1;
    }
    std::uint32_t EngineOpenTransport(std::int32_t, const char*, std::int32_t, std::int32_t, std::int32_t) override {
        return 0;
    }
    std::uint32_t EngineOpenSpi(const char*, std::int32_t) override { return 0; }
    std::int32_t EngineClose(std::uint32_t) override { return 0; }
    std::int32_t EngineReadKey(std::uint32_t, std::uint16_t, std::uint16_t, std::uint16_t, std::uint16_t*,
                               std::uint16_t*) override {
        return 0;
    }
    std::int32_t EngineWriteKey(std::uint32_t, std::uint16_t, std::uint16_t, std::uint16_t,
                                const std::uint16_t*) override {
        return 0;
    }
    std::int32_t EngineRestart(std::uint32_t, std::int32_t) override { return 0; }
    std::int32_t EngineChipName(std::uint32_t, std::int32_t, char*) override { return 0; }
    std::int32_t FlashListSpiPorts(std::uint16_t* capacity, char* names, char* transports,
                                   std::uint16_t* count) override {
        CapacitiesSeen.push_back(*capacity);
        if (NeedCapacity != 0 && CapacitiesSeen.size() == 1) {
            *capacity = NeedCapacity;
            return 1;
        }
        std::strncpy(names, PortNames.c_str(), *capacity - 1u);
        std::strncpy(transports, TransportStrings.c_str(), *capacity - 1u);
        *count = PortCount;
        return Result;
    }
};

}  // namespace testing_support
