// Section Port of the settings file as the driver reads and writes it.
#include "TestKomunikace.h"

#include "common/IniFile.h"

namespace {

struct NastaveniPortuTest : KomunikaceTest {
    NastaveniPortuTest() { Vytvor(); }
    std::filesystem::path Soubor() const { return nastaveni.Slozka() / "port.ini"; }
    void Zapis(const std::string& obsah) { ZapisSoubor(Soubor(), obsah); }
    std::string Nacti() {
        TIniFile ini(Soubor());
        return driver->LoadSettings(ini);
    }
};

} // namespace

TEST_F(NastaveniPortuTest, NoFileGivesTheDefaults) {
    driver->SetComNumber(5);
    driver->SetParity(paOdd);
    driver->SetDataBits(db7);
    driver->SetStopBits(sbTwo);
    Nacti();
    EXPECT_EQ(driver->ComNumber(), 1);
    EXPECT_EQ(driver->BaudRate(), br9600);
    EXPECT_EQ(driver->Parity(), paNone);
    EXPECT_EQ(driver->DataBits(), db8);
    EXPECT_EQ(driver->StopBits(), sbOne);
}

TEST_F(NastaveniPortuTest, KnownValuesApplyAndAnythingElseLeavesTheSettingAsItWas) {
    Zapis("[Port]\r\nNumber=4\r\nParity=Even\r\nStopBits=Two\r\nDataBits=7\r\nBaudRate=115200\r\n");
    Nacti();
    EXPECT_EQ(driver->ComNumber(), 4);
    EXPECT_EQ(driver->Port().ComNumber(), 4);
    EXPECT_EQ(driver->Parity(), paEven);
    EXPECT_EQ(driver->Port().Parity(), paEven) << "passed through to the port";
    EXPECT_EQ(driver->StopBits(), sbTwo);
    EXPECT_EQ(driver->DataBits(), db7);
    EXPECT_EQ(driver->BaudRate(), br115200);

    driver->SetParity(paOdd);
    Zapis("[port]\r\nnumber=65539\r\nParity=even\r\nStopBits=two\r\nDataBits=9\r\n"
          "BaudRate=14400\r\n");
    EXPECT_NE(Nacti().find(Cz("65539 (sekce Port, klíč Number) není 1 až 65535; platí COM4.")),
              std::string::npos);
    EXPECT_EQ(driver->ComNumber(), 4) << "65539 is no port number: refused, not wrapped";
    EXPECT_EQ(driver->Parity(), paOdd) << "words are matched with their case";
    EXPECT_EQ(driver->StopBits(), sbTwo);
    EXPECT_EQ(driver->DataBits(), db7);
    EXPECT_EQ(driver->BaudRate(), br115200) << "14400 is not one of the ten rates";

    Zapis("[Port]\r\nDataBits=4\r\nBaudRate=x\r\nParity=None\r\n");
    Nacti();
    EXPECT_EQ(driver->DataBits(), db4);
    EXPECT_EQ(driver->BaudRate(), br9600) << "not a number: the default";
    EXPECT_EQ(driver->Parity(), paNone);
}

TEST_F(NastaveniPortuTest, SaveWritesTheFiveKeysInOrderAndReadsBack) {
    driver->SetComNumber(3);
    driver->SetParity(paEven);
    driver->SetStopBits(sbTwo);
    driver->SetDataBits(db7);
    driver->SetBaudRate(br115200);
    {
        TIniFile ini(Soubor());
        driver->SaveSettings(ini);
    }
    EXPECT_EQ(
        NactiSoubor(Soubor()),
        "[Port]\r\nNumber=3\r\nParity=Even\r\nStopBits=Two\r\nDataBits=7\r\nBaudRate=115200\r\n");

    driver->SetBaudRate(br300);
    driver->SetParity(paNone);
    Nacti();
    EXPECT_EQ(driver->BaudRate(), br115200);
    EXPECT_EQ(driver->Parity(), paEven);

    // A file that cannot be written ends the writing quietly.
    TIniFile nelze(nastaveni.Slozka() / "no-such-folder" / "x.ini");
    EXPECT_NO_THROW(driver->SaveSettings(nelze));
}
