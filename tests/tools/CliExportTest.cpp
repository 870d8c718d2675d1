// merivox-cli export in-process: the sources, the output's name and the refusals.
#include "SlozkaTestu.h"

#include "Cli.h"

#include "common/Cp1250.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

class CliExport : public TSlozkaTestu {
protected:
    int Spust(TArgumenty argumenty) {
        argumenty.insert(argumenty.begin(), "export");
        std::ostringstream vystup, chyby;
        const TTerminal terminal{vystup, chyby, true};
        const int status = SpustCli(argumenty, terminal);
        vystup_ = vystup.str();
        chyby_ = chyby.str();
        return status;
    }
    std::string vystup_, chyby_;
};

TEST_F(CliExport, SourcesOutputsAndRefusals) {
    // A point file by the point window's reader, whatever the case of its extension.
    const fs::path body = slozka_ / "body.ASC";
    ZapisSoubor(body, Cz("0012,743210.12,1043210.345,245.67,* Plot žlutý\r\n"
                         "2,470000.000,1100000.00\r\n"));
    EXPECT_EQ(Spust({body.string(), "--format", "csv-cz"}), kUspech) << chyby_;
    EXPECT_EQ(NactiSoubor(slozka_ / "body.csv"),
              "\xEF\xBB\xBF"
              "cislo;y;x;z;kod\r\n0012;743210,12;1043210,345;245,67;Plot žlutý\r\n"
              "2;470000,000;1100000,00;;\r\n");
    EXPECT_EQ(Spust({body.string(), "--format", "csv"}), kSelhani);
    EXPECT_NE(chyby_.find("již existuje"), std::string::npos) << chyby_;
    EXPECT_EQ(Spust({body.string(), "--format", "csv", "--force"}), kUspech) << chyby_;
    EXPECT_EQ(NactiSoubor(slozka_ / "body.csv").substr(0, 16), "cislo,y,x,z,kod\r");
    // The format from -o's extension; "-" is standard output.
    EXPECT_EQ(Spust({body.string(), "-o", "-", "--format", "dxf", "--turned"}), kUspech);
    EXPECT_NE(vystup_.find("x = +Y, y = +X"), std::string::npos);

    // A coordinate-variant file through the survey wing; the output never replaces an input.
    const fs::path souradnice = slozka_ / "souradnice.sdt";
    fs::copy_file(DataKonverze("08-souradnice.sdt"), souradnice);
    EXPECT_EQ(Spust({souradnice.string(), "-o", souradnice.string(), "--format", "csv"}), kSelhani);
    EXPECT_NE(chyby_.find("je vstupní soubor"), std::string::npos) << chyby_;
    EXPECT_EQ(NactiSoubor(souradnice), NactiSoubor(DataKonverze("08-souradnice.sdt")));
    EXPECT_EQ(Spust({souradnice.string(), "-o", "-", "--format", "csv"}), kUspech);
    EXPECT_EQ(vystup_.substr(0, 50), "cislo,y,x,z,kod\r\n1,1000.000,2000.000,300.000,KOD\r\n");

    // Measured data computed without known points lie in a local system: no place on the globe.
    const fs::path mereni = slozka_ / "mereni.sdt";
    fs::copy_file(DataKonverze("09-redukce.sdt"), mereni);
    EXPECT_EQ(Spust({mereni.string(), "--format", "kml"}), kSelhani);
    EXPECT_NE(chyby_.find(MERIVOX_S_PROJ ? "je v místní soustavě" : "potřebuje knihovnu PROJ"),
              std::string::npos)
        << chyby_;
    EXPECT_FALSE(fs::exists(slozka_ / "mereni.kml"));

    EXPECT_EQ(Spust({body.string(), "--format", "shp"}), kSpatnePouziti);
    EXPECT_EQ(Spust({body.string()}), kSpatnePouziti);
    EXPECT_EQ(Spust({body.string(), "--format", "csv", "--turned"}), kSpatnePouziti);
    EXPECT_EQ(Spust({(slozka_ / "nic.asc").string(), "--format", "csv"}), kSelhani);
}
