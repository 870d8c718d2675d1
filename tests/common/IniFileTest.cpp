#include "common/IniFile.h"
#include "SlozkaTestu.h"

#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "common/NahradaSouboru.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {
class IniFileTest : public TSlozkaTestu {
protected:
    // Czech letters in the folder: the file must be found and named right on every system.
    std::filesystem::path Predpona() const override { return fs::path(u8"merivox-ini-měření-"); }
    void SetUp() override {
        TSlozkaTestu::SetUp();
        path_ = slozka_ / "Merivex.ini";
    }
    void Write(const std::string& content) { ZapisSoubor(path_, content); }
    std::string Read() const { return NactiSoubor(path_); }
    fs::path path_;
};
} // namespace

TEST_F(IniFileTest, MissingFileSectionOrKeyGiveDefaults) {
    TIniFile ini(path_);
    EXPECT_EQ(ini.ReadString("S-JTSK", "Coordinate X", "1001000"), "1001000");
    EXPECT_EQ(ini.ReadInteger("Port", "Number", 1), 1);
    EXPECT_TRUE(ini.ReadBool("HEAD", "Head of data", true));
    EXPECT_FALSE(fs::exists(path_)) << "reading must not create the file";
    Write("[Port]\r\nNumber=3\r\n");
    EXPECT_EQ(ini.ReadInteger("Port", "BaudRate", 9600), 9600);
    EXPECT_EQ(ini.ReadInteger("Other", "Number", 7), 7);
}

TEST_F(IniFileTest, NamesMatchWithoutRegardToCaseAndKeysMayHoldBlanks) {
    Write("[s-jtsk]\r\ncoordinate x = 1050000 \r\n[OTHER]\r\nChar for dot=+\r\n");
    TIniFile ini(path_);
    EXPECT_EQ(ini.ReadString("S-JTSK", "Coordinate X", ""), "1050000");
    EXPECT_EQ(ini.ReadString("other", "CHAR FOR DOT", ""), "+");
    // A key of another section is not found.
    EXPECT_EQ(ini.ReadString("S-JTSK", "Char for dot", "#"), "#");
}

TEST_F(IniFileTest, IntegersAndBooleansFallBackOnNonNumbers) {
    Write("[A]\r\nn=12\r\nneg=-4\r\nbad=12x\r\nempty=\r\nb0=0\r\nb5=5\r\nbw=yes\r\n");
    TIniFile ini(path_);
    EXPECT_EQ(ini.ReadInteger("A", "n", 0), 12);
    EXPECT_EQ(ini.ReadInteger("A", "neg", 0), -4);
    EXPECT_EQ(ini.ReadInteger("A", "bad", 9), 9);
    EXPECT_EQ(ini.ReadInteger("A", "empty", 9), 9);
    EXPECT_FALSE(ini.ReadBool("A", "b0", true));
    EXPECT_TRUE(ini.ReadBool("A", "b5", false));
    EXPECT_TRUE(ini.ReadBool("A", "bw", true));
    EXPECT_FALSE(ini.ReadBool("A", "bw", false));
}

TEST_F(IniFileTest, WritingCreatesFileWithCrLf) {
    TIniFile ini(path_);
    ini.WriteInteger("Port", "Number", 1);
    ini.WriteString("Port", "Parity", "None");
    ini.WriteBool("HEAD", "Head of data", true);
    EXPECT_EQ(Read(), "[Port]\r\nNumber=1\r\nParity=None\r\n[HEAD]\r\nHead of data=1\r\n");
}

TEST_F(IniFileTest, ReplacementInPlaceKeepsOtherLinesAndOrder) {
    Write("; comment\r\n[Port]\r\nNumber=1\r\nBaudRate=9600\r\n\r\n[Station]\r\nType=NTS-660\r\n");
    TIniFile ini(path_);
    ini.WriteInteger("port", "baudrate", 115200);
    ini.WriteString("Port", "Parity", "Even");
    ini.WriteString("Devices", "COM1", "/dev/pts/3");
    EXPECT_EQ(Read(), "; comment\r\n[Port]\r\nNumber=1\r\nbaudrate=115200\r\nParity=Even\r\n\r\n"
                      "[Station]\r\nType=NTS-660\r\n[Devices]\r\nCOM1=/dev/pts/3\r\n");
    EXPECT_EQ(ini.ReadInteger("Port", "BaudRate", 0), 115200);
}

TEST_F(IniFileTest, ReaderAcceptsLoneLfAndCr) {
    Write("[A]\nx=1\ry=2");
    TIniFile ini(path_);
    EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);
    EXPECT_EQ(ini.ReadInteger("A", "y", 0), 2);
}

TEST_F(IniFileTest, FailedWriteLeavesTheOldFileIntactAndNamesThePath) {
    // A full disk, which fails for root too (unlike a read-only folder).
    Write("[Port]\r\nNumber=4\r\n");
    NastavPoruchuDisku(
        [](std::string_view) { return std::make_error_code(std::errc::no_space_on_device); });
    TIniFile ini(path_);
    try {
        ini.WriteInteger("Port", "Number", 5);
        ADD_FAILURE() << "the write must fail";
    } catch (const EIniFileError& e) {
        EXPECT_NE(std::string(e.what()).find(TextCesty(path_)), std::string::npos);
    }
    NastavPoruchuDisku({});
    EXPECT_EQ(Read(), "[Port]\r\nNumber=4\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka_), {}), 1);
}

TEST_F(IniFileTest, FailedWriteWhenTargetIsAFolderKeepsItAndReports) {
    // Works for root too: a folder cannot be replaced by a file.
    fs::create_directories(path_);
    TIniFile ini(path_);
    EXPECT_THROW(ini.WriteInteger("Port", "Number", 5), EIniFileError);
    EXPECT_TRUE(fs::is_directory(path_));
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka_), {}), 1);
}

TEST_F(IniFileTest, FailureMessageGivesACzechPathInTheProgramsCodePage) {
    const fs::path slozka = slozka_ / fs::path(u8"Měření");
    fs::create_directories(slozka / "Merivex.ini");
    TIniFile ini(slozka / "Merivex.ini");
    try {
        ini.WriteBool("UPLOAD", "Change XY", true);
        FAIL() << "the write must fail";
    } catch (const EIniFileError& e) {
        EXPECT_NE(std::string(e.what()).find(Cz("Měření")), std::string::npos) << e.what();
    }
}

// What a read found is kept for the caller that tells the user: nothing wrong with no file, a
// fault with a path that is no file, in the program's words for a file that cannot be read.
TEST_F(IniFileTest, ReadStatusSaysWhetherThePathCouldServe) {
    TIniFile ini(path_);
    EXPECT_EQ(ini.StavCteni().Vysledek, TVysledekCteni::vcChybi) << "before any read";
    ini.ReadString("Port", "Number", "");
    EXPECT_EQ(ini.StavCteni().Vysledek, TVysledekCteni::vcChybi);
    EXPECT_FALSE(ini.StavCteni().Chyba);

    Write("[Port]\r\nNumber=3\r\n");
    EXPECT_EQ(ini.ReadInteger("Port", "Number", 1), 3);
    EXPECT_EQ(ini.StavCteni().Vysledek, TVysledekCteni::vcPrecteno);
    EXPECT_FALSE(ini.StavCteni().Chyba);

    Write(std::string("Number=3\r\n\0\x01", 12)); // not text, and no section
    EXPECT_EQ(ini.ReadInteger("Port", "Number", 1), 1);
    EXPECT_EQ(ini.StavCteni().Vysledek, TVysledekCteni::vcNeniNastaveni);
    EXPECT_FALSE(ini.StavCteni().Chyba);

    fs::remove(path_);
    fs::create_directories(path_);
    EXPECT_EQ(ini.ReadInteger("Port", "Number", 1), 1);
    EXPECT_EQ(ini.StavCteni().Vysledek, TVysledekCteni::vcNeniSoubor);
    ASSERT_TRUE(ini.StavCteni().Chyba);
    EXPECT_EQ(ini.StavCteni().Chyba->Text(),
              TextNelzeCist(path_, std::make_error_code(std::errc::is_a_directory)));
}
