#include "platform/printer_service.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

TEST(FixedPrinterService, SelectsOnlyAnExactDeviceName) {
    FixedPrinterService printers({QStringLiteral("HP LaserJet"), QStringLiteral("kestrow printer")});
    EXPECT_EQ(printers.currentDeviceName(), QStringLiteral("HP LaserJet"));
    printers.setCopies(3);

    EXPECT_FALSE(printers.selectPrinter(QStringLiteral("hp laserjet")));  // case matters
    EXPECT_FALSE(printers.selectPrinter(QStringLiteral("kestrow")));
    EXPECT_EQ(printers.currentDeviceName(), QStringLiteral("HP LaserJet"));
    EXPECT_EQ(printers.settings().copies, 3);  // a failed choice changes nothing

    EXPECT_TRUE(printers.selectPrinter(QStringLiteral("kestrow printer")));
    EXPECT_EQ(printers.currentDeviceName(), QStringLiteral("kestrow printer"));
    EXPECT_EQ(printers.settings(), PrinterSettings{});  // the new printer's own defaults
}

TEST(FixedPrinterService, WithoutPrintersSettingsAreStillKept) {
    FixedPrinterService none;
    EXPECT_TRUE(none.currentDeviceName().isEmpty());
    none.setColorMode(2);
    none.setPrintQuality(-4);
    EXPECT_EQ(none.settings().colorMode, 2);
    EXPECT_EQ(none.settings().printQuality, -4);
}

}  // namespace
}  // namespace ky
