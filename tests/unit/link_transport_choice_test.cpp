// A transport named on the command line: resolved against the list the window builds,
// and opened by the session with the call its kind needs.

#include <gtest/gtest.h>

#include "CliHarness.h"
#include "cli/framework/CommandLine.h"
#include "cli/host/DeviceSession.h"
#include "link/TransportChoice.h"

namespace cli_test {
namespace {

// Two USB-to-SPI adapters with a parallel-port adapter between them, then the USB entry.
devlink::TTransportTable TwoAdapters(sim::TSimBench& bench, sim::TSimLibrary& library) {
    bench.SetSpiListing(
        {"USB SPI A,LPT1,USB SPI B", "SPITRANS=USB SPIPORT=1,SPITRANS=LPT,SPITRANS=USB SPIPORT=2", 0, 0});
    devlink::TTransportTable table;
    devlink::EnumerateTransports(library, table);
    return table;
}

TEST(TransportChoice, ResolvesNamesIndicesAndUsbDevicesTheListDoesNotHold) {
    struct TCase {
        const char* Spec;
        devlink::TChosenTransport Expected;
    };
    const TCase cases[] = {
        {"0", {"USB SPI A", "SPITRANS=USB SPIPORT=1", false}},
        {"1", {"USB SPI B", "SPITRANS=USB SPIPORT=2", false}},
        {"2", {"\\\\.\\CSR0", "\\\\.\\CSR0", true}},
        {"USB SPI B", {"USB SPI B", "SPITRANS=USB SPIPORT=2", false}},
        {"SPITRANS=USB SPIPORT=1", {"USB SPI A", "SPITRANS=USB SPIPORT=1", false}},
        {"\\\\.\\CSR0", {"\\\\.\\CSR0", "\\\\.\\CSR0", true}},
        {"\\\\.\\CSR1", {"\\\\.\\CSR1", "\\\\.\\CSR1", true}},
        {"\\\\.\\CSR12", {"\\\\.\\CSR12", "\\\\.\\CSR12", true}},
    };
    TCliHarness harness;
    const devlink::TTransportTable table = TwoAdapters(harness.Bench, harness.Library);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Spec);
        const devlink::TChosenTransport chosen = devlink::ResolveTransport(table, c.Spec);
        EXPECT_EQ(chosen.Name, c.Expected.Name);
        EXPECT_EQ(chosen.TransportString, c.Expected.TransportString);
        EXPECT_EQ(chosen.Usb, c.Expected.Usb);
    }
}

TEST(TransportChoice, RefusesWhatIsNoTransportNamingTheOnesThereAre) {
    TCliHarness harness;
    const devlink::TTransportTable table = TwoAdapters(harness.Bench, harness.Library);
    for (const char* spec : {"3", "-1", "COM3", "LPT1", "usb spi a", "\\\\.\\CSR", "\\\\.\\CSR1x", "//./CSR1", ""}) {
        SCOPED_TRACE(spec);
        try {
            devlink::ResolveTransport(table, spec);
            ADD_FAILURE() << "accepted";
        } catch (const devlink::TUnknownTransport& error) {
            EXPECT_EQ(std::string(error.what()), std::string("unknown transport ") + spec +
                                                     "; the transports are: 0 USB SPI A, 1 USB SPI B, 2 \\\\.\\CSR0");
        }
    }
}

// The unit on a second USB device and one on an SPI adapter are each reached, with the
// open call of their kind, and nothing else on the bench is touched.
TEST(TransportChoice, TheSessionOpensTheChosenTransportWithItsOwnCall) {
    struct TCase {
        const char* Spec;
        const char* Transport;
        sim::TSimOpenKind Open;
    };
    const TCase cases[] = {
        {"\\\\.\\CSR1", "\\\\.\\CSR1", sim::TSimOpenKind::Transport},
        {"1", "SPITRANS=USB SPIPORT=2", sim::TSimOpenKind::Spi},
        {"\\\\.\\CSR0", "\\\\.\\CSR0", sim::TSimOpenKind::Transport},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Spec);
        TCliHarness harness;
        TwoAdapters(harness.Bench, harness.Library);
        harness.Bench.AttachUnit(c.Transport, sim::TSimUnit::Factory(sim::TUnitKind::Gateway));
        cli::TDeviceSession session(harness.Library, {harness.Clock, harness.Sleeper, harness.Err}, false);
        session.ChooseTransport(devlink::ResolveTransport(session.Transports(), c.Spec));

        const app::TDeviceResult read = session.Read();

        EXPECT_EQ(read.Outcome, app::TDeviceOutcome::Succeeded);
        EXPECT_EQ(read.Kind, &records::kGatewayKind);
        ASSERT_TRUE(harness.Bench.LastOpen);
        EXPECT_EQ(harness.Bench.LastOpen->Kind, c.Open);
        EXPECT_EQ(harness.Bench.LastOpen->Target, c.Transport);
        EXPECT_EQ(session.Transports().ChosenTransport(), c.Transport);
    }
}

// A full list has no place after its last entry: the USB device not listed takes the
// last place, and the session still opens it.
TEST(TransportChoice, AFullListGivesItsLastPlaceToAnUnlistedDevice) {
    TCliHarness harness;
    std::string names, transports;
    for (int i = 0; i < 11; ++i) {
        names.append(i ? "," : "").append("SPI ").append(std::to_string(i));
        transports.append(i ? "," : "").append("T").append(std::to_string(i));
    }
    harness.Bench.SetSpiListing({names, transports, 0, 0});
    harness.Bench.AttachUnit("\\\\.\\CSR3", sim::TSimUnit::Factory(sim::TUnitKind::Handset));
    cli::TDeviceSession session(harness.Library, {harness.Clock, harness.Sleeper, harness.Err}, false);
    ASSERT_EQ(session.Transports().Count, 12);
    session.ChooseTransport(devlink::ResolveTransport(session.Transports(), "\\\\.\\CSR3"));

    EXPECT_EQ(session.Read().Outcome, app::TDeviceOutcome::Succeeded);
    EXPECT_EQ(session.Transports().Count, 12);
    EXPECT_EQ(session.Transports().Chosen, 11);
}

}  // namespace
}  // namespace cli_test
