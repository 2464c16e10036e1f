// The device connection: the open call of the chosen transport, the retry rule of PS
// key reads and writes with its waits, the bound on reported read lengths, and close.

#include "link/Connection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <ostream>

#include "sim/SimLibrary.h"
#include "tests/support/CallRecorder.h"
#include "ui/Headless.h"

namespace {

// A library as careless as a real one may be: a chip name that fills the whole buffer
// comes without its terminator, and a failed read may still fill the buffer and report
// a length. The connection must not trust either.
class TCarelessLibrary : public testing_support::TCallRecorder {
public:
    using TCallRecorder::TCallRecorder;
    std::optional<std::uint16_t> FailedReadLength;

    std::int32_t EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) override {
        const std::int32_t result = TCallRecorder::EngineChipName(handle, capacity, text);
        if (result == 1 && static_cast<std::int32_t>(std::strlen(text)) == capacity - 1) text[capacity - 1] = 'x';
        return result;
    }
    std::int32_t EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t capacity,
                               std::uint16_t* words, std::uint16_t* length) override {
        const std::int32_t result = TCallRecorder::EngineReadKey(handle, key, store, capacity, words, length);
        if (result == 0 && FailedReadLength) {
            std::fill_n(words, capacity, 0xEEEE);
            *length = *FailedReadLength;
        }
        return result;
    }
};

class Connection : public ::testing::Test {
protected:
    Connection() {
        transports.PortNames[0] = "USB SPI (1)";
        transports.TransportStrings[0] = "SPITRANS=USB SPIPORT=1";
        transports.PortNames[1] = transports.TransportStrings[1] = devlink::kUsbDevice;
        transports.Count = 2;
        // The bench lists the same adapter, so that its unit is the one on the first transport.
        bench.SetSpiListing({.PortNames = transports.PortNames[0], .Transports = transports.TransportStrings[0]});
        sim::TSimUnit unit = sim::TSimUnit::Factory(sim::TUnitKind::Handset);
        unit.SetKey(0x02AB, {1, 2, 3});
        bench.AttachUnit(std::move(unit));
    }
    void Choose(int entry, bool usb) {
        transports.Chosen = entry;
        transports.Usb = usb;
    }

    sim::TSimBench bench;
    sim::TSimLibrary simulated{bench};
    TCarelessLibrary library{simulated};
    devlink::TTransportTable transports;
    ui::THeadlessServices env;
    devlink::TConnection connection{library, transports, env.Sleeper};
};

TEST_F(Connection, OpensTheChosenTransportWithTheCallOfItsKind) {
    Choose(1, true);
    EXPECT_NE(connection.OpenConnection(), 0u);
    EXPECT_EQ(connection.CloseConnection(), 1);
    Choose(0, false);
    const std::uint32_t handle = connection.OpenConnection();
    EXPECT_EQ(connection.Handle(), handle);
    EXPECT_EQ(library.Calls, (std::vector<std::string>{"open-transport 2 \\\\.\\CSR0 0 1000 1000", "close",
                                                       "open-spi SPITRANS=USB SPIPORT=1 0"}));
}

TEST_F(Connection, AFailedOpenLeavesNoHandleAndEveryKeyOperationFails) {
    bench.AttachUnit(sim::TSimUnit());
    EXPECT_EQ(connection.OpenConnection(), 0u);
    std::array<std::uint16_t, 4> words{};
    std::uint16_t length = 0;
    EXPECT_EQ(connection.ReadPSKey(0x02AB, words.data(), length, 4), 0);
    EXPECT_EQ(connection.WritePSKey(0x02AB, words.data(), 4), 0);
    EXPECT_EQ(connection.CloseConnection(), 0);
    EXPECT_EQ(env.Sleeper.Waits, (std::vector<unsigned>{250, 500, 750, 250, 500, 750}));
}

struct TRetryCase {
    bool Write;
    int Failures;
    int Result;
    std::vector<unsigned> Waits;
    std::size_t Attempts;
};

// Readable names for the cases in test listings.
void PrintTo(const TRetryCase& c, std::ostream* out) {
    *out << (c.Write ? "write" : "read") << c.Failures << "failures";
}

class Retries : public Connection, public ::testing::WithParamInterface<TRetryCase> {};

TEST_P(Retries, ThreeAttemptsWithGrowingWaitsAlsoAfterTheLast) {
    const TRetryCase c = GetParam();
    bench.Faults.FailNext(c.Write ? sim::TSimCall::Write : sim::TSimCall::Read, c.Failures, 0x02AB);
    connection.OpenConnection();
    std::array<std::uint16_t, 36> words{7, 8};
    std::uint16_t length = 0;
    const int result = c.Write ? connection.WritePSKey(0x02AB, words.data(), 2)
                               : connection.ReadPSKey(0x02AB, words.data(), length, 36);
    EXPECT_EQ(result, c.Result);
    EXPECT_EQ(env.Sleeper.Waits, c.Waits);
    EXPECT_EQ(library.KeyTraffic(), std::vector<std::string>(c.Attempts, c.Write ? "write 02AB" : "read 02AB"));
    EXPECT_EQ(library.Calls[1], c.Write ? "write 02AB store 1 length 2" : "read 02AB store 1 capacity 36");
    const std::vector<std::uint16_t> stored =
        c.Write && c.Result == 1 ? std::vector<std::uint16_t>{7, 8} : std::vector<std::uint16_t>{1, 2, 3};
    EXPECT_EQ(*bench.Unit().Find(0x02AB), stored);
    EXPECT_EQ(length, !c.Write && c.Result == 1 ? 3 : 0);
}

INSTANTIATE_TEST_SUITE_P(ReadAndWrite, Retries,
                         ::testing::Values(TRetryCase{false, 0, 1, {}, 1}, TRetryCase{false, 1, 1, {250}, 2},
                                           TRetryCase{false, 2, 1, {250, 500}, 3},
                                           TRetryCase{false, 3, 0, {250, 500, 750}, 3}, TRetryCase{true, 0, 1, {}, 1},
                                           TRetryCase{true, 2, 1, {250, 500}, 3},
                                           TRetryCase{true, 5, 0, {250, 500, 750}, 3}));

TEST_F(Connection, AReportedLengthBeyondTheCapacityIsCutToTheCapacity) {
    bench.Unit().SetKey(0x02AB, std::vector<std::uint16_t>(40, 0x1111));
    bench.Faults.MisreportNextRead(60, 0x02AB);
    connection.OpenConnection();
    std::array<std::uint16_t, 36> words{};
    std::uint16_t length = 0;
    EXPECT_EQ(connection.ReadPSKey(0x02AB, words.data(), length, 36), 1);
    EXPECT_EQ(length, 36);
}

TEST_F(Connection, AFailedReadThatReportsTooMuchIsCutToo) {
    bench.Faults.FailNext(sim::TSimCall::Read, 3, 0x02AB);
    library.FailedReadLength = 50;
    connection.OpenConnection();
    std::array<std::uint16_t, 8> words{};
    std::uint16_t length = 0;
    EXPECT_EQ(connection.ReadPSKey(0x02AB, words.data(), length, 8), 0);
    EXPECT_EQ(length, 8);
}

TEST_F(Connection, CloseTwiceCallsTheLibraryOnce) {
    connection.OpenConnection();
    EXPECT_EQ(connection.CloseConnection(), 1);
    EXPECT_EQ(connection.Handle(), 0u);
    EXPECT_EQ(connection.CloseConnection(), 0);
    EXPECT_EQ(library.Calls, (std::vector<std::string>{"open-spi SPITRANS=USB SPIPORT=1 0", "close"}));
    EXPECT_EQ(bench.OpenConnections(), 0u);
}

TEST_F(Connection, ChipNameAndRestartGoToTheOpenUnit) {
    bench.Unit().SetChipName(std::string(300, 'x'));  // fills the whole buffer
    connection.OpenConnection();
    EXPECT_EQ(connection.ChipName(), std::string(255, 'x'));
    connection.Restart();
    EXPECT_EQ(bench.Counters.Restarts, 1u);
    EXPECT_EQ(library.Calls.back(), "restart 0");
    EXPECT_EQ(library.Calls[1], "chip-name 256");
}

}  // namespace
