// The device connection: the open call of the chosen transport, the retry rule of PS
// key reads and writes with its waits, the bound on reported read lengths, and close.

#include <gtest/gtest.h>

#include <array>
#include <ostream>

#include "ScriptedUnit.h"
#include "link/Connection.h"
#include "ui/Headless.h"

namespace {

using testing_support::TScriptedUnit;

class Connection : public ::testing::Test {
protected:
    Connection() {
        transports.PortNames[0] = "USB SPI (1)";
        transports.TransportStrings[0] = "SPITRANS=USB SPIPORT=1";
        transports.PortNames[1] = transports.TransportStrings[1] = devlink::kUsbDevice;
        transports.Count = 2;
        unit.Keys[0x02AB] = {1, 2, 3};
    }
    void Choose(int entry, bool usb) {
        transports.Chosen = entry;
        transports.Usb = usb;
    }

    TScriptedUnit unit;
    devlink::TTransportTable transports;
    ui::THeadlessServices env;
    devlink::TConnection connection{unit, transports, env.Sleeper};
};

TEST_F(Connection, OpensTheChosenTransportWithTheCallOfItsKind) {
    Choose(1, true);
    EXPECT_NE(connection.OpenConnection(), 0u);
    EXPECT_EQ(connection.CloseConnection(), 1);
    Choose(0, false);
    const std::uint32_t handle = connection.OpenConnection();
    EXPECT_EQ(connection.Handle(), handle);
    EXPECT_EQ(unit.Calls, (std::vector<std::string>{"open-transport 2 \\\\.\\CSR0 0 1000 1000", "close",
                                                    "open-spi SPITRANS=USB SPIPORT=1 0"}));
}

TEST_F(Connection, AFailedOpenLeavesNoHandleAndEveryKeyOperationFails) {
    unit.Attached = false;
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
    (c.Write ? unit.FailWrites : unit.FailReads)[0x02AB] = c.Failures;
    connection.OpenConnection();
    std::array<std::uint16_t, 36> words{7, 8};
    std::uint16_t length = 0;
    const int result = c.Write ? connection.WritePSKey(0x02AB, words.data(), 2)
                               : connection.ReadPSKey(0x02AB, words.data(), length, 36);
    EXPECT_EQ(result, c.Result);
    EXPECT_EQ(env.Sleeper.Waits, c.Waits);
    EXPECT_EQ(unit.KeyTraffic(), std::vector<std::string>(c.Attempts, c.Write ? "write 02AB" : "read 02AB"));
    EXPECT_EQ(unit.Calls[1], c.Write ? "write 02AB store 1 length 2" : "read 02AB store 1 capacity 36");
    const std::vector<std::uint16_t> stored = c.Write && c.Result == 1 ? std::vector<std::uint16_t>{7, 8}
                                                                        : std::vector<std::uint16_t>{1, 2, 3};
    EXPECT_EQ(unit.Keys[0x02AB], stored);
    EXPECT_EQ(length, !c.Write && c.Result == 1 ? 3 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    ReadAndWrite, Retries,
    ::testing::Values(TRetryCase{false, 0, 1, {}, 1}, TRetryCase{false, 1, 1, {250}, 2},
                      TRetryCase{false, 2, 1, {250, 500}, 3}, TRetryCase{false, 3, 0, {250, 500, 750}, 3},
                      TRetryCase{true, 0, 1, {}, 1}, TRetryCase{true, 2, 1, {250, 500}, 3},
                      TRetryCase{true, 5, 0, {250, 500, 750}, 3}));

TEST_F(Connection, AReportedLengthBeyondTheCapacityIsCutToTheCapacity) {
    unit.Keys[0x02AB] = std::vector<std::uint16_t>(40, 0x1111);
    unit.MisreportedLengths[0x02AB] = 60;
    connection.OpenConnection();
    std::array<std::uint16_t, 36> words{};
    std::uint16_t length = 0;
    EXPECT_EQ(connection.ReadPSKey(0x02AB, words.data(), length, 36), 1);
    EXPECT_EQ(length, 36);
}

TEST_F(Connection, AFailedReadThatReportsTooMuchIsCutToo) {
    unit.FailReads[0x02AB] = 3;
    unit.FailedReadFill = 0xEEEE;
    unit.MisreportedLengths[0x02AB] = 50;
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
    EXPECT_EQ(unit.Calls, (std::vector<std::string>{"open-spi SPITRANS=USB SPIPORT=1 0", "close"}));
    EXPECT_TRUE(unit.Open.empty());
}

TEST_F(Connection, ChipNameAndRestartGoToTheOpenUnit) {
    unit.Chip = std::string(300, 'x');  // fills the whole buffer, no terminator
    connection.OpenConnection();
    EXPECT_EQ(connection.ChipName(), std::string(255, 'x'));
    connection.Restart();
    EXPECT_EQ(unit.Restarts, 1);
    EXPECT_EQ(unit.Calls.back(), "restart 0");
    EXPECT_EQ(unit.Calls[1], "chip-name 256");
}

}  // namespace
