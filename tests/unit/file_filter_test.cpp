#include <gtest/gtest.h>

#include "ui/FileFilter.h"

using namespace std::string_literals;

TEST(FileFilter, SettingsFilterGetsAnAllFilesPattern) {
    EXPECT_EQ(ui::DoubleNulFilter("ZENTA Files (*.wpx)|*.wpx|All Files"),
              "ZENTA Files (*.wpx)\0*.wpx\0All Files\0*.*\0\0"s);
}

TEST(FileFilter, CompletePairsAreKeptAsTheyAre) {
    EXPECT_EQ(ui::DoubleNulFilter("Text|*.txt|Logs|*.log"), "Text\0*.txt\0Logs\0*.log\0\0"s);
}

TEST(FileFilter, EmptyPatternMatchesEveryFile) {
    EXPECT_EQ(ui::DoubleNulFilter("Anything||Text|*.txt"), "Anything\0*.*\0Text\0*.txt\0\0"s);
}

TEST(FileFilter, EmptyFilterIsJustTheEnd) { EXPECT_EQ(ui::DoubleNulFilter(""), "\0\0"s); }

TEST(FileFilter, DefaultExtensionLosesStarAndDot) {
    EXPECT_EQ(ui::BareExtension("*.wpx"), "wpx");
    EXPECT_EQ(ui::BareExtension(".wpx"), "wpx");
    EXPECT_EQ(ui::BareExtension("wpx"), "wpx");
    EXPECT_EQ(ui::BareExtension(""), "");
}
