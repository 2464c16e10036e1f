// The transport picker of the window's system menu: the transports listed afresh with
// the current one selected; OK makes the chosen one the transport of every later
// connection and names it once in the caption; Cancel and closing change nothing.

#include <gtest/gtest.h>

#include <optional>

#include "app/TransportCaption.h"
#include "tests/support/FormTest.h"

namespace {

constexpr const char* kUsb = "\\\\.\\CSR0";
constexpr const char* kSpiB = "SPITRANS=USB SPIPORT=B";
const std::string kCaption = "ZENTA User Programmer, v2.05A, Transport = ";

// A user of the picker: looks at what it lists, then picks an entry and presses OK, or
// cancels (Cancel, Escape and the close button all are the picker's Cancel).
struct TPickerUser : app::ISelectTransportWindow {
    std::optional<int> Pick;
    std::string Caption;
    std::vector<std::string> Items;
    int Selected = -1;

    void ShowModal(app::TSelectTransportForm& form) override {
        Caption = form.Caption;
        Items = form.TransportComboBox.Items();
        Selected = form.TransportComboBox.ItemIndex();
        if (Pick) {
            form.TransportComboBox.UserSelect(*Pick);
            form.OKButton.UserClick();
        } else {
            form.CancelButton.UserClick();
        }
    }
};

class TransportPicker : public testing_support::FormTest {
protected:
    void SetUp() override {}
    void ListSpiPorts(const std::string& names, const std::string& transports) {
        bench.SetSpiListing({.PortNames = names, .Transports = transports});
    }
    TPickerUser Pick(std::optional<int> entry) {
        TPickerUser user;
        user.Pick = entry;
        form->SelectTransportMenuItemClick(user);
        return user;
    }
};

TEST_F(TransportPicker, ListsAfreshAndOKMakesTheChosenEntryTheTransportOfLaterConnections) {
    ListSpiPorts("USB SPI A", "SPITRANS=USB SPIPORT=A");
    Start(testing_support::TStartStage::TransportChosen);
    EXPECT_EQ(form->Caption, kCaption + "USB SPI A");
    EXPECT_EQ(form->ReadDeviceButtonClick().Outcome, app::TDeviceOutcome::NoUnit);  // the handset is on USB

    ListSpiPorts("USB SPI A,LPT1,USB SPI B", "SPITRANS=USB SPIPORT=A,SPITRANS=LPT,SPITRANS=USB SPIPORT=B");
    TPickerUser user = Pick(2);
    EXPECT_EQ(user.Caption, "Select Transport");
    EXPECT_EQ(user.Items, (std::vector<std::string>{"USB SPI A", "USB SPI B", kUsb}));
    EXPECT_EQ(user.Selected, 0);
    EXPECT_EQ(form->Caption, kCaption + kUsb);
    EXPECT_TRUE(form->Transports.Usb);
    TakePrompts();
    const app::TDeviceResult read = form->ReadDeviceButtonClick();
    EXPECT_EQ(read.Outcome, app::TDeviceOutcome::Succeeded);
    EXPECT_EQ(read.Kind, &records::kHandsetKind);

    bench.AttachUnit(kSpiB, sim::TSimUnit::Factory(sim::TUnitKind::Gateway));
    user = Pick(1);
    EXPECT_EQ(user.Selected, 2);
    EXPECT_EQ(form->Caption, kCaption + "USB SPI B");
    EXPECT_FALSE(form->Transports.Usb);
    EXPECT_EQ(form->Transports.ChosenTransport(), kSpiB);
    EXPECT_EQ(form->ReadDeviceButtonClick().Kind, &records::kGatewayKind);
}

// The picker selects the current transport where the fresh list has it, else entry 0.
TEST_F(TransportPicker, CancelChangesNothingAndTheUsbEntryAloneIsStillOffered) {
    const struct {
        const char* AtStart;  // SPI ports listed at start-up, transport strings "SPI:" + name
        const char* Now;      // ... and when the picker opens
        std::vector<std::string> Items;
        int Selected;
    } benches[] = {
        {"", "", {kUsb}, 0},
        {"USB SPI A", "USB SPI B,USB SPI A", {"USB SPI B", "USB SPI A", kUsb}, 1},
        {"USB SPI A", "", {kUsb}, 0},
    };
    const auto transports = [](std::string names) {
        std::string strings = names.empty() ? "" : "SPI:" + names;
        for (std::size_t at = strings.find(','); at != std::string::npos; at = strings.find(',', at + 1))
            strings.insert(at + 1, "SPI:");
        return strings;
    };
    for (const auto& b : benches) {
        SCOPED_TRACE(std::string(b.AtStart) + " then " + b.Now);
        ListSpiPorts(b.AtStart, transports(b.AtStart));
        Start(testing_support::TStartStage::TransportChosen);
        const std::string caption = form->Caption;
        const devlink::TTransportTable before = form->Transports;
        ListSpiPorts(b.Now, transports(b.Now));
        const TPickerUser user = Pick(std::nullopt);
        EXPECT_EQ(user.Items, b.Items);
        EXPECT_EQ(user.Selected, b.Selected);
        EXPECT_EQ(form->Caption, caption);
        EXPECT_EQ(form->Transports.PortNames, before.PortNames);
        EXPECT_EQ(form->Transports.TransportStrings, before.TransportStrings);
        EXPECT_EQ(form->Transports.Chosen, before.Chosen);
        EXPECT_EQ(form->Transports.Usb, before.Usb);
    }
}

TEST(TransportCaption, NamesTheTransportOnceWhateverItIsCalled) {
    const struct {
        const char* Caption;
        const char* Port;
        const char* Expected;
    } cases[] = {
        {"ZENTA User Programmer, v2.05A", "\\\\.\\CSR0", "ZENTA User Programmer, v2.05A, Transport = \\\\.\\CSR0"},
        {"ZENTA User Programmer, v2.05A, Transport = USB SPI A", "\\\\.\\CSR0",
         "ZENTA User Programmer, v2.05A, Transport = \\\\.\\CSR0"},
        {"ZENTA User Programmer, v2.05A, Transport = A, Transport = B", "C",
         "ZENTA User Programmer, v2.05A, Transport = C"},
    };
    for (const auto& c : cases) EXPECT_EQ(app::CaptionWithTransport(c.Caption, c.Port), c.Expected) << c.Caption;
}

}  // namespace
