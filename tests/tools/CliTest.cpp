// merivox-cli driven in-process: options, messages, exit statuses and the outputs of the
// hand-worked cases.
#include "SlozkaTestu.h"

#include "Cli.h"

#include "common/NahradaSouboru.h"
#include "conversion/KonverzeSouboru.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct TBeh {
    int Status;
    std::string Vystup; // standard output, bytes
    std::string Chyby;  // standard error, UTF-8
};

} // namespace

class Cli : public TSlozkaTestu {
protected:
    TBeh Spust(TArgumenty argumenty) {
        // The settings come from a file of the test's own unless a test names one.
        if (argumenty.size() > 0 &&
            std::find(argumenty.begin(), argumenty.end(), "--settings") == argumenty.end() &&
            (argumenty[0] == "convert" || argumenty[0] == "factor")) {
            argumenty.insert(argumenty.begin() + 1,
                             {"--settings", (slozka_ / "Merivex.ini").string()});
        }
        std::ostringstream vystup, chyby;
        const TTerminal terminal{vystup, chyby, true};
        const int status = SpustCli(argumenty, terminal);
        return {status, vystup.str(), chyby.str()};
    }
    std::string P(const fs::path& cesta) { return cesta.string(); }
};

struct TPripadCli {
    const char* Jmeno;
    const char* Vstup;
    const char* Ocekavany;
    TArgumenty Volby;
};

class CliPripady : public Cli, public ::testing::WithParamInterface<TPripadCli> {};

TEST_P(CliPripady, ConvertTheHandWorkedCasesWithOptions) {
    const TPripadCli& p = GetParam();
    const auto vstup = Kopie(p.Vstup);
    TArgumenty a{"convert"};
    a.insert(a.end(), p.Volby.begin(), p.Volby.end());
    a.push_back("--force");
    a.push_back(P(vstup));
    const TBeh beh = Spust(a);
    EXPECT_EQ(beh.Status, kUspech) << beh.Chyby;
    EXPECT_EQ(beh.Chyby, "");
    const auto vystup = VystupniJmeno(vstup, fs::path(p.Ocekavany).extension() == ".asc");
    EXPECT_EQ(NactiSoubor(vystup), NactiSoubor(DataKonverze(p.Ocekavany)));
}

INSTANTIATE_TEST_SUITE_P(
    RucneSpocitane, CliPripady,
    ::testing::Values(
        TPripadCli{
            "KlicovaSlova", "01-klicova-slova.sdt", "01-klicova-slova.zap", {"--factor", "1"}},
        TPripadCli{"Predvidani",
                   "02-predvidani.sdt",
                   "02-predvidani.zap",
                   {"--factor", "1", "--no-header"}},
        TPripadCli{"DveData", "04-dve-data.sdt", "04-dve-data.zap", {"--factor=1"}},
        TPripadCli{"Xyz", "06-xyz.sdt", "06-xyz.zap", {"--factor", "1", "--no-header"}},
        TPripadCli{"OrientacePlus",
                   "07-orientace.sdt",
                   "07-orientace-plus.zap",
                   {"--factor", "1", "--no-header", "--mark", "+"}},
        TPripadCli{"OrientaceBezZnaku",
                   "07-orientace.sdt",
                   "07-orientace-bez-znaku.zap",
                   {"--factor", "1", "--no-header", "--mark", ""}},
        TPripadCli{"Prohozeni", "08-souradnice.sdt", "08-souradnice-prohozene.asc", {"--swap-xy"}},
        TPripadCli{"RedukceBezVoleb", "09-redukce.sdt", "09-redukce.zap", {}},
        TPripadCli{"RedukceZVoleb",
                   "09-redukce.sdt",
                   "09-redukce.zap",
                   {"--x", "1001000", "--y", "680000", "--h", "320"}},
        TPripadCli{"Opravy", "10-opravy.sdt", "10-opravy.zap", {"--factor", "1", "--no-header"}}),
    [](const ::testing::TestParamInfo<TPripadCli>& radek) {
        return std::string(radek.param.Jmeno);
    });

TEST_F(Cli, DamagedMeasurementsAndWarningsAreOneLineEachWithTheFileAndLine) {
    const auto poskozena = Kopie("03-poskozena.sdt");
    TBeh beh = Spust({"convert", "--factor", "1", P(poskozena)});
    EXPECT_EQ(beh.Status, kUspech);
    std::string ocekavane;
    for (int radek : {3, 5, 7, 9, 11, 13, 15, 17})
        ocekavane += "merivox-cli: " + P(poskozena) + ":" + std::to_string(radek) +
                     ": Načtená data jsou poškozena!!\n";
    EXPECT_EQ(beh.Chyby, ocekavane);
    EXPECT_EQ(NactiSoubor(slozka_ / "03-poskozena.zap"),
              NactiSoubor(DataKonverze("03-poskozena.zap")));

    const auto varovani = Kopie("11-varovani.sdt");
    beh = Spust({"convert", "--factor", "1", "--no-header", P(varovani)});
    EXPECT_EQ(beh.Status, kUspech);
    const std::string u = "merivox-cli: " + P(varovani) + ": ";
    EXPECT_EQ(beh.Chyby, u + "Použity nestandardní jednotky!!\n" + u +
                             "Řádek 4-Použita nestandardní výška!!\n" + u +
                             "Řádek 6-Použita nestandardní výška!!\n");
    beh = Spust({"convert", "--force", "--no-warn-units", "--no-warn-heights", P(varovani)});
    EXPECT_EQ(beh.Chyby, "");
}

TEST_F(Cli, Nts350WritesNothingAndSaysSo) {
    const auto vstup = slozka_ / "a.sdt";
    ZapisSoubor(vstup, "STN 1,1.500\r\nSS 2,1.500\r\nSD 1.0000,90.0000,10.000\r\n");
    ZapisSoubor(slozka_ / "a.zap", "stary");
    TBeh beh = Spust({"convert", "--force", "--station", "NTS-350", P(vstup)});
    // A script can tell that nothing was converted; the older output stays.
    EXPECT_EQ(beh.Status, kNicNeprevedeno);
    EXPECT_EQ(beh.Chyby, "merivox-cli: " + P(vstup) +
                             ": Do formátu MAPA2 lze převést jen data totální stanice NTS-660: "
                             "nic nebylo převedeno a výstupní soubor nebyl vytvořen ani změněn.\n");
    EXPECT_EQ(NactiSoubor(slozka_ / "a.zap"), "stary");

    // A file that names the NTS-660 is converted as one, and the user hears of it.
    const auto opravy = Kopie("10-opravy.sdt");
    beh = Spust({"convert", "--factor", "1", "--no-header", "--station", "NTS-350", P(opravy)});
    EXPECT_EQ(beh.Status, kUspech);
    EXPECT_EQ(beh.Chyby,
              "merivox-cli: " + P(opravy) + ": Soubor \"" + P(opravy) +
                  "\" je podle prvního řádku z přístroje NTS-660, zvolen je typ NTS-350; "
                  "převádí se jako NTS-660.\n");
    EXPECT_EQ(NactiSoubor(slozka_ / "10-opravy.zap"), NactiSoubor(DataKonverze("10-opravy.zap")));
}

TEST_F(Cli, ExistingOutputIsRefusedWithoutForce) {
    const auto vstup = Kopie("05-bez-stanice.sdt");
    ZapisSoubor(slozka_ / "05-bez-stanice.zap", "stary");
    TBeh beh = Spust({"convert", P(vstup)});
    EXPECT_EQ(beh.Status, kSelhani);
    EXPECT_EQ(beh.Chyby, "merivox-cli: " + P(vstup) + ": Soubor \"" +
                             P(slozka_ / "05-bez-stanice.zap") +
                             "\" již existuje; přepsat ho lze volbou --force.\n");
    EXPECT_EQ(NactiSoubor(slozka_ / "05-bez-stanice.zap"), "stary");
    beh = Spust({"convert", "--force", P(vstup)});
    EXPECT_EQ(beh.Status, kUspech);
    EXPECT_EQ(NactiSoubor(slozka_ / "05-bez-stanice.zap"),
              NactiSoubor(DataKonverze("05-bez-stanice.zap")));
}

TEST_F(Cli, MissingInputFailsButTheOthersAreConverted) {
    const auto vstup = Kopie("05-bez-stanice.sdt");
    const TBeh beh = Spust({"convert", P(slozka_ / "nic.sdt"), P(vstup)});
    EXPECT_EQ(beh.Status, kSelhani);
    EXPECT_EQ(beh.Chyby, "merivox-cli: " + P(slozka_ / "nic.sdt") + ": Soubor \"" +
                             P(slozka_ / "nic.sdt") + "\" neexistuje.\n");
    EXPECT_TRUE(fs::exists(slozka_ / "05-bez-stanice.zap"));
}

TEST_F(Cli, OutputOptionNamesTheFileOrStandardOutput) {
    const auto vstup = Kopie("09-redukce.sdt");
    TBeh beh = Spust({"convert", "-o", "-", P(vstup)});
    EXPECT_EQ(beh.Status, kUspech);
    EXPECT_EQ(beh.Vystup, NactiSoubor(DataKonverze("09-redukce.zap")));
    EXPECT_FALSE(fs::exists(slozka_ / "09-redukce.zap"));

    beh = Spust({"convert", "-o", P(slozka_ / "jinde.zap"), P(vstup)});
    EXPECT_EQ(beh.Status, kUspech);
    EXPECT_EQ(NactiSoubor(slozka_ / "jinde.zap"), NactiSoubor(DataKonverze("09-redukce.zap")));
    beh = Spust({"convert", "-o", P(slozka_ / "jinde.zap"), P(vstup)});
    EXPECT_EQ(beh.Status, kSelhani) << "-o is not an overwrite licence";

    beh = Spust({"convert", "-o", P(slozka_ / "chybi" / "x.zap"), P(vstup)});
    EXPECT_EQ(beh.Status, kSelhani);
    EXPECT_NE(beh.Chyby.find("nelze vytvořit"), std::string::npos) << beh.Chyby;
}

TEST_F(Cli, ProtocolForASingleInputThatReplacesNeitherInputNorOutput) {
    const auto vstup = Kopie("09-redukce.sdt");
    const auto protokol = slozka_ / "p.txt";
    TBeh beh = Spust({"convert", "--protocol", P(protokol), P(vstup)});
    EXPECT_EQ(beh.Status, kUspech) << beh.Chyby;
    const std::string text = NactiSoubor(protokol);
    EXPECT_EQ(text.rfind("Protokol konverze do form\xE1tu MAPA2\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("Velikost v\xFDstupn\xEDho souboru: " +
                        std::to_string(fs::file_size(slozka_ / "09-redukce.zap")) + " B\r\n"),
              std::string::npos)
        << text;

    fs::remove(slozka_ / "09-redukce.zap");
    beh = Spust({"convert", "--protocol", P(slozka_ / "09-redukce.zap"), P(vstup)});
    EXPECT_EQ(beh.Status, kSelhani);
    EXPECT_FALSE(fs::exists(slozka_ / "09-redukce.zap"));
    beh = Spust({"convert", "--protocol", P(protokol), P(vstup), P(vstup)});
    EXPECT_EQ(beh.Status, kSpatnePouziti);
}

TEST_F(Cli, AnOutputThatIsTheInputIsRefusedAndNothingIsWritten) {
    // A coordinate file named *.asc is its own output; -o may name the input, also by a link.
    const auto souradnice = slozka_ / "body.asc";
    fs::copy_file(DataKonverze("08-souradnice.sdt"), souradnice);
    const auto mereni = Kopie("09-redukce.sdt");
    // Wine has no symbolic links; a hard link is the same file as well.
    std::error_code ec;
    fs::create_symlink(mereni, slozka_ / "odkaz.zap", ec);
    if (ec)
        fs::create_hard_link(mereni, slozka_ / "odkaz.zap", ec);
    std::vector<TArgumenty> pokusy{
        {"convert", P(souradnice)},
        {"convert", "--force", P(souradnice)},
        {"convert", "--force", "-o", P(mereni), P(mereni)},
    };
    if (!ec)
        pokusy.push_back({"convert", "--force", "-o", P(slozka_ / "odkaz.zap"), P(mereni)});
    const std::string puvodni = NactiSoubor(souradnice);
    for (const TArgumenty& a : pokusy) {
        const TBeh beh = Spust(a);
        EXPECT_EQ(beh.Status, kSelhani) << ::testing::PrintToString(a);
        EXPECT_NE(beh.Chyby.find("je sám vstupním souborem"), std::string::npos) << beh.Chyby;
    }
    EXPECT_EQ(NactiSoubor(souradnice), puvodni);
    EXPECT_EQ(NactiSoubor(mereni), NactiSoubor(DataKonverze("09-redukce.sdt")));
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka_), {}), ec ? 2 : 3);
}

TEST_F(Cli, OutputsThatAreNoPlainFile) {
    const auto vstup = Kopie("09-redukce.sdt");
    // A folder is named as one at once, --force or not.
    fs::create_directory(slozka_ / "slozka");
    for (const bool prepsat : {false, true}) {
        TArgumenty a{"convert", "-o", P(slozka_ / "slozka"), P(vstup)};
        if (prepsat)
            a.insert(a.begin() + 1, "--force");
        const TBeh beh = Spust(a);
        EXPECT_EQ(beh.Status, kSelhani);
        EXPECT_NE(beh.Chyby.find("\" je složka"), std::string::npos) << beh.Chyby;
        EXPECT_EQ(beh.Chyby.find("--force"), std::string::npos) << beh.Chyby;
    }
    // A device is written into and stays a device (where the system has /dev/null).
    if (fs::is_character_file("/dev/null")) {
        EXPECT_EQ(Spust({"convert", "--force", "-o", "/dev/null", P(vstup)}).Status, kUspech);
        EXPECT_TRUE(fs::is_character_file("/dev/null"));
    }
    // A full disk: the old output stays and the message names the file.
    ZapisSoubor(slozka_ / "09-redukce.zap", "stary");
    NastavPoruchuDisku(
        [](std::string_view) { return std::make_error_code(std::errc::no_space_on_device); });
    const TBeh plny = Spust({"convert", "--force", P(vstup)});
    NastavPoruchuDisku({});
    EXPECT_EQ(plny.Status, kSelhani);
    EXPECT_NE(plny.Chyby.find(P(slozka_ / "09-redukce.zap") + "\" nelze zapsat ("),
              std::string::npos)
        << plny.Chyby;
    EXPECT_EQ(NactiSoubor(slozka_ / "09-redukce.zap"), "stary");
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka_), {}), 3);
    // A standard output that takes nothing is reported.
    std::ostream zavreny(nullptr);
    std::ostringstream chyby;
    EXPECT_EQ(SpustCli({"convert", "--settings", P(slozka_ / "Merivex.ini"), "-o", "-", P(vstup)},
                       TTerminal{zavreny, chyby, true}),
              kSelhani);
    EXPECT_NE(chyby.str().find("standardní výstup"), std::string::npos) << chyby.str();
}

TEST_F(Cli, DefaultsComeFromTheSettingsFile) {
    ZapisSoubor(slozka_ / "Merivex.ini",
                "[OTHER]\r\nChar for dot=+\r\nChange XY=1\r\n[HEAD]\r\nHead of data=0\r\n");
    const auto souradnice = Kopie("08-souradnice.sdt");
    EXPECT_EQ(Spust({"convert", P(souradnice)}).Status, kUspech);
    EXPECT_EQ(NactiSoubor(slozka_ / "08-souradnice.asc"),
              NactiSoubor(DataKonverze("08-souradnice-prohozene.asc")));
    const auto orientace = Kopie("07-orientace.sdt");
    EXPECT_EQ(Spust({"convert", "--factor", "1", P(orientace)}).Status, kUspech);
    EXPECT_EQ(NactiSoubor(slozka_ / "07-orientace.zap"),
              NactiSoubor(DataKonverze("07-orientace-plus.zap")));
}

TEST_F(Cli, AnUnusableSettingIsNamedByFileSectionAndKey) {
    ZapisSoubor(slozka_ / "Merivex.ini", "[S-JTSK]\r\nAltitude=-5000000\r\n");
    const auto vstup = Kopie("09-redukce.sdt");
    for (const TArgumenty& a : std::vector<TArgumenty>{{"convert", P(vstup)}, {"factor"}}) {
        const TBeh beh = Spust(a);
        EXPECT_EQ(beh.Status, kSelhani);
        EXPECT_NE(beh.Chyby.find("Soubor nastavení \"" + P(slozka_ / "Merivex.ini") +
                                 "\", sekce [S-JTSK], klíč \"Altitude\": hodnotu \"-5000000\""),
                  std::string::npos)
            << beh.Chyby;
        EXPECT_EQ(beh.Chyby.find("--help"), std::string::npos) << beh.Chyby;
    }
    // Given as an option, the stored value plays no part.
    EXPECT_EQ(Spust({"factor", "--h", "320"}).Status, kUspech);
    // A value the dialog could never hold is refused as an option too.
    const TBeh beh = Spust({"factor", "--h", "-3188698"});
    EXPECT_EQ(beh.Status, kSpatnePouziti);
    EXPECT_NE(beh.Chyby.find("od 0 do 2 700 m"), std::string::npos) << beh.Chyby;
}

// The site's mean values and the factor are taken only where the dialog takes them; the
// message says what the extent is, and nothing is written.
TEST_F(Cli, ValuesOutsideTheExtentAreRefused) {
    const auto vstup = P(Kopie("09-redukce.sdt"));
    const struct {
        const char* Nazev;
        const char* Nastaveni; // the settings file's S-JTSK section, or none
        TArgumenty Argumenty;
        int Status;
        const char* Hlaseni; // in standard error (UTF-8), or in standard output when accepted
    } pripady[] = {
        {"AltitudeHuge",
         nullptr,
         {"factor", "--h", "1e308"},
         kSpatnePouziti,
         "factor: --h: Nadmořská výška \"1e308\" je mimo možný rozsah. Průměrná nadmořská výška "
         "musí být od 0 do 2 700 m."},
        {"AltitudeEarthRadius",
         nullptr,
         {"convert", "--h", "6400000", vstup},
         kSpatnePouziti,
         "od 0 do 2 700 m."},
        {"XOutsideTheArea",
         nullptr,
         {"factor", "--x", "889999"},
         kSpatnePouziti,
         "--x: Souřadnice X \"889999\" leží mimo oblast S-JTSK. Průměrná souřadnice X musí být "
         "od 890 000 do 1 380 000 m."},
        {"YOutsideTheArea",
         nullptr,
         {"convert", "--y", "910001", vstup},
         kSpatnePouziti,
         "od 137 000 do 910 000 m."},
        {"FactorAbsurd",
         nullptr,
         {"convert", "--factor", "99999999999999999999", vstup},
         kSpatnePouziti,
         "convert: --factor: Měřítkový faktor 99999999999999999999 leží mimo rozsah 0.9994768 až "
         "1.0021998, který mohou dát průměrné hodnoty v oblasti S-JTSK a nadmořské výšky od 0 "
         "do 2 700 m."},
        {"FactorJustAbove",
         nullptr,
         {"convert", "--factor", "1.0022", vstup},
         kSpatnePouziti,
         "leží mimo rozsah"},
        {"FactorAtTheBound",
         nullptr,
         {"convert", "--factor", "1.0021998", "-o", "-", vstup},
         kUspech,
         "/\r\n-2\r\n"},
        {"StoredAltitudeOfKrkonoseIsUsedWhole",
         "Altitude=1200",
         {"factor"},
         kUspech,
         "RedukceHorizont -188.111447485\n"},
        {"StoredAltitudeTooHigh",
         "Altitude=3000",
         {"convert", vstup},
         kSelhani,
         "klíč \"Altitude\": hodnotu \"3000\" nelze použít. Nadmořská výška \"3000\" je mimo "
         "možný rozsah."},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.Nazev);
        if (p.Nastaveni)
            ZapisSoubor(slozka_ / "Merivex.ini",
                        std::string("[S-JTSK]\r\n") + p.Nastaveni + "\r\n");
        else
            fs::remove(slozka_ / "Merivex.ini");
        const TBeh beh = Spust(p.Argumenty);
        EXPECT_EQ(beh.Status, p.Status) << beh.Chyby;
        EXPECT_NE((p.Status == kUspech ? beh.Vystup : beh.Chyby).find(p.Hlaseni), std::string::npos)
            << beh.Chyby << beh.Vystup;
        EXPECT_FALSE(fs::exists(slozka_ / "09-redukce.zap"));
    }
}

TEST_F(Cli, BadUsageIsStatusTwoWithAMessage) {
    const auto vstup = Kopie("05-bez-stanice.sdt");
    const TArgumenty spatne[] = {
        {},
        {"nic"},
        {"convert"},
        {"convert", "--bogus", P(vstup)},
        {"convert", "--station", "NTS-999", P(vstup)},
        {"convert", "--factor", "abc", P(vstup)},
        {"convert", "--factor", "0", P(vstup)},
        {"convert", "--factor", "-1", P(vstup)},
        {"convert", "--x", "1e", P(vstup)},
        {"convert", "--mark", "ab", P(vstup)},
        {"convert", "-o", "-", P(vstup), P(vstup)},
        {"convert", P(vstup), "--factor"},
        {"convert", "--h", "-4000000", P(vstup)},
        {"factor", "--y"},
        {"factor", "--z", "1"},
    };
    for (const auto& a : spatne) {
        const TBeh beh = Spust(a);
        EXPECT_EQ(beh.Status, kSpatnePouziti) << ::testing::PrintToString(a);
        EXPECT_NE(beh.Chyby.find("merivox-cli: "), std::string::npos);
        EXPECT_EQ(beh.Vystup, "");
    }
    EXPECT_FALSE(fs::exists(slozka_ / "05-bez-stanice.zap"));
}

TEST_F(Cli, HelpListsTheOptions) {
    TBeh beh = Spust({"convert", "--help"});
    EXPECT_EQ(beh.Status, kUspech);
    for (const char* volba :
         {"--station", "--x X --y Y --h H", "--factor", "--mark", "--swap-xy", "--no-header",
          "--no-warn-units", "--no-warn-heights", "--force", "-o SOUBOR", "--settings"})
        EXPECT_NE(beh.Vystup.find(volba), std::string::npos) << volba;
    beh = Spust({"--help"});
    EXPECT_EQ(beh.Status, kUspech);
    EXPECT_NE(beh.Vystup.find("convert"), std::string::npos);
    EXPECT_NE(beh.Vystup.find("factor"), std::string::npos);
    EXPECT_EQ(Spust({"factor", "--help"}).Status, kUspech);
}

TEST_F(Cli, FactorPrintsTheDefaultSiteAsTheDialogComputesIt) {
    const TBeh beh = Spust({"factor"});
    EXPECT_EQ(beh.Status, kUspech);
    EXPECT_EQ(beh.Vystup, "RedukceJTSK -2.757200650\nRedukceHorizont -50.173434267\n"
                          "Redukce -52.930634917\nMeritkovyFaktor 0.999947069365\n");
}

namespace {

struct TVstupCli {
    const char* Jmeno;
    TArgumenty Argumenty; // "@" stands for the input file
    std::string Obsah;
    int Status;
    std::string Zprava; // a piece of standard error
};

std::ostream& operator<<(std::ostream& os, const TVstupCli& p) {
    return os << p.Jmeno;
}

const TVstupCli kVstupyCli[] = {
    {"ConvertEmptyFile", {"convert", "@"}, "", kSelhani, "je prázdný"},
    {"ConvertNoText",
     {"convert", "@"},
     std::string("NTS-660\r\n\0\r\n", 12),
     kSelhani,
     "není textový soubor: řádek 2 obsahuje řídicí znak 00h"},
    {"ConvertNothingToConvert",
     {"convert", "@"},
     "NTS-660\r\nJOB A\r\n",
     kSelhani,
     "nemá ani jeden záznam stanoviska"},
    {"ConvertNts350File",
     {"convert", "@"},
     "NTS-350\r\nSTN 1\r\n",
     kNicNeprevedeno,
     "z přístroje NTS-350 (zvolen je typ NTS-660)"},
    {"SendDc3InALine",
     {"send", "--device", "/nenalezeno", "@"},
     "A\r\nB\x13\r\n",
     kSelhani,
     "Řádek 2 souboru"},
    {"SendUtf8ThatTheCodePageLacks",
     {"send", "--device", "/nenalezeno", "@"},
     "\xD0\x96\r\n",
     kSelhani,
     "znak U+0416"},
    {"SendPointsNoText",
     {"send", "--device", "/nenalezeno", "--points", "@"},
     std::string("1,2,3\0\r\n", 8),
     kSelhani,
     "není textový soubor"},
    {"SendEndlessDevice",
     {"send", "--device", "/nenalezeno", "/dev/zero"},
     "",
     kSelhani,
     "je delší než 256 MB"},
};

class CliVstupy : public Cli, public ::testing::WithParamInterface<TVstupCli> {};

} // namespace

TEST_P(CliVstupy, AreRefusedWithTheFileNamedAndAStatus) {
    const TVstupCli& p = GetParam();
    if (p.Argumenty.back() == "/dev/zero" && !fs::is_character_file("/dev/zero"))
        GTEST_SKIP() << "no /dev/zero";
    const auto vstup = slozka_ / "a.sdt";
    ZapisSoubor(vstup, p.Obsah);
    ZapisSoubor(slozka_ / "a.zap", "stary");
    TArgumenty argumenty = p.Argumenty;
    for (auto& a : argumenty)
        if (a == "@")
            a = P(vstup);
    const TBeh beh = Spust(argumenty);
    EXPECT_EQ(beh.Status, p.Status);
    EXPECT_NE(beh.Chyby.find(p.Zprava), std::string::npos) << beh.Chyby;
    EXPECT_EQ(NactiSoubor(slozka_ / "a.zap"), "stary");
}

INSTANTIATE_TEST_SUITE_P(Pripady, CliVstupy, ::testing::ValuesIn(kVstupyCli),
                         [](const auto& pripad) { return std::string(pripad.param.Jmeno); });
