// The texts the chip maker's library hands the program, arbitrary: its version text, the
// SPI port listing (with its "too small" answer, result and count) and the chip name,
// each filling as much of the program's buffer as it likes, terminated or not. The
// program starts (it logs the version and lists the transports) and reads the unit (it
// checks the chip name). The input is a header and the texts, separated by 0xFF bytes:
//   bytes 0-1  the capacity the first listing call asks for (0: no "too small" answer)
//   byte 2     the listing's result, signed
//   byte 3     the port count it reports
//   then       version 0xFF port names 0xFF transport strings 0xFF chip name
// Whatever the texts, the transport table keeps its promises (at most eleven SPI ports
// of at most 255 characters, no empty transport string, none naming a parallel port, the
// USB device last and a valid choice), the version line stays within its buffer, and
// READ DEVICE leaves no connection open and writes nothing.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "link/Transports.h"
#include "tests/support/StartedForm.h"

namespace {

struct TTexts {
    std::uint16_t Need = 0;
    std::int32_t Result = 0;
    std::uint16_t Count = 0;
    std::string Version, Names, Transports, Chip;
};

TTexts Decode(const std::uint8_t* data, std::size_t size) {
    TTexts texts;
    texts.Need = static_cast<std::uint16_t>(data[0] << 8 | data[1]);
    texts.Result = static_cast<std::int8_t>(data[2]);
    texts.Count = data[3];
    std::string* fields[] = {&texts.Version, &texts.Names, &texts.Transports, &texts.Chip};
    std::size_t field = 0;
    for (std::size_t i = 4; i < size; ++i) {
        if (data[i] == 0xFF && field + 1 < std::size(fields)) {
            ++field;
        } else {
            fields[field]->push_back(static_cast<char>(data[i]));
        }
    }
    return texts;
}

// Writes as much of the text as the buffer holds, and its terminator only where it fits.
void Fill(const std::string& text, char* buffer, std::size_t capacity) {
    const std::size_t length = std::min(text.size(), capacity);
    std::memcpy(buffer, text.data(), length);
    if (length < capacity) buffer[length] = '\0';
}

// The simulated library with the fuzzed texts in place of its own.
class TTextLibrary final : public devlink::IChipLibrary {
public:
    TTextLibrary(sim::TSimLibrary& library, const TTexts& texts) : library_(library), texts_(texts) {}

    std::int32_t EngineVersion(char* text) override {
        Fill(texts_.Version, text, sim::kEngineVersionBuffer);
        return 1;
    }
    std::uint32_t EngineOpenTransport(std::int32_t transport, const char* devicePath, std::int32_t flags,
                                      std::int32_t timeout, std::int32_t retryTimeout) override {
        return library_.EngineOpenTransport(transport, devicePath, flags, timeout, retryTimeout);
    }
    std::uint32_t EngineOpenSpi(const char* transport, std::int32_t flags) override {
        return library_.EngineOpenSpi(transport, flags);
    }
    std::int32_t EngineClose(std::uint32_t handle) override { return library_.EngineClose(handle); }
    std::int32_t EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t capacity,
                               std::uint16_t* words, std::uint16_t* length) override {
        return library_.EngineReadKey(handle, key, store, capacity, words, length);
    }
    std::int32_t EngineWriteKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t length,
                                const std::uint16_t* words) override {
        return library_.EngineWriteKey(handle, key, store, length, words);
    }
    std::int32_t EngineRestart(std::uint32_t handle, std::int32_t flags) override {
        return library_.EngineRestart(handle, flags);
    }
    std::int32_t EngineChipName(std::uint32_t, std::int32_t capacity, char* text) override {
        if (capacity > 0) Fill(texts_.Chip, text, static_cast<std::size_t>(capacity));
        return 1;
    }
    std::int32_t FlashListSpiPorts(std::uint16_t* capacity, char* portNames, char* transports,
                                   std::uint16_t* count) override {
        if (texts_.Need != 0 && !askedOnce_) {
            askedOnce_ = true;
            *capacity = texts_.Need;
            return 1;
        }
        Fill(texts_.Names, portNames, *capacity);
        Fill(texts_.Transports, transports, *capacity);
        *count = texts_.Count;
        return texts_.Result;
    }

private:
    sim::TSimLibrary& library_;
    const TTexts& texts_;
    bool askedOnce_ = false;
};

std::vector<std::string> BrokenTable(const devlink::TTransportTable& table) {
    std::vector<std::string> broken;
    if (table.Count < 1 || table.Count > static_cast<int>(devlink::TTransportTable::kCapacity))
        return {"a transport count of " + std::to_string(table.Count)};
    const auto usb = static_cast<std::size_t>(table.Count - 1);
    if (table.PortNames[usb] != devlink::kUsbDevice || table.TransportStrings[usb] != devlink::kUsbDevice)
        broken.emplace_back("the USB device is not the last transport");
    for (std::size_t i = 0; i < usb; ++i) {
        if (table.TransportStrings[i].empty()) broken.emplace_back("an empty transport string is listed");
        for (const std::string& text : {table.PortNames[i], table.TransportStrings[i]}) {
            if (text.size() > devlink::TTransportTable::kTextLimit)
                broken.push_back("a listed text of " + std::to_string(text.size()) + " characters");
            if (text.find(',') != std::string::npos) broken.emplace_back("a listed text holds a comma");
            if (text.find("LPT") != std::string::npos) broken.emplace_back("a parallel port is listed");
        }
    }
    if (table.Chosen < 0 || table.Chosen >= table.Count) broken.emplace_back("the chosen transport is not listed");
    return broken;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const TTexts texts = Decode(data, size);
    testing_support::TSimulatedLink link;
    TTextLibrary library(link.Library, texts);
    testing_support::THeadlessProgram program(library);
    app::TMajorForm& form = program.Form;

    fuzzing::RequireNone(BrokenTable(form.Transports));
    const std::string versionLine = form.InfoMemo.Lines.empty() ? "" : form.InfoMemo.Lines.front();
    fuzzing::Require(versionLine.find("TestEngine version = ") != std::string::npos, "no version line first");
    fuzzing::Require(versionLine.size() < sim::kEngineVersionBuffer + 64, "the version line outgrew its buffer");

    // The unit sits where the window looks, so that the read gets as far as the chip name.
    link.Bench.AttachUnit(form.Transports.ChosenTransport(), sim::TSimUnit::Factory(sim::TUnitKind::Handset));
    form.ReadDeviceButtonClick();
    fuzzing::Require(link.Bench.OpenConnections() == 0, "a connection left open");
    fuzzing::Require(link.Bench.Counters.Writes == 0, "READ DEVICE wrote to the unit");
    return 0;
}
