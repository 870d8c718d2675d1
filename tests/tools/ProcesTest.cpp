// The real merivox-cli program: exit statuses and its standard streams as a script sees them.
#include "SlozkaTestu.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sys/wait.h>

namespace fs = std::filesystem;

class ProcesCli : public TSlozkaTestu {
protected:
    int Spust(const std::string& argumenty) {
        const std::string prikaz =
            std::string("LC_ALL=C.UTF-8 '") + MERIVOX_BIN_DIR + "/merivox-cli' " + argumenty +
            " >'" + (slozka_ / "out").string() + "' 2>'" + (slozka_ / "err").string() + "'";
        const int status = std::system(prikaz.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Vystup() { return NactiSoubor(slozka_ / "out"); }
    std::string Chyby() { return NactiSoubor(slozka_ / "err"); }
    std::string Q(const fs::path& p) { return "'" + p.string() + "'"; }
};

TEST_F(ProcesCli, ExitStatusesAndStreams) {
    const auto vstup = Kopie("03-poskozena.sdt");
    const std::string ini = "--settings " + Q(slozka_ / "Merivex.ini");
    EXPECT_EQ(Spust("convert " + ini + " --factor 1 -o - " + Q(vstup)), 0);
    EXPECT_EQ(Vystup(), NactiSoubor(DataKonverze("03-poskozena.zap")));
    EXPECT_NE(Chyby().find(":3: Načtená data jsou poškozena!!\n"), std::string::npos) << Chyby();

    EXPECT_EQ(Spust("convert " + ini + " " + Q(vstup)), 0);
    EXPECT_EQ(Spust("convert " + ini + " " + Q(vstup)), 1);
    EXPECT_NE(Chyby().find("již existuje"), std::string::npos);
    EXPECT_EQ(Spust("convert " + ini + " --force " + Q(vstup)), 0);
    EXPECT_EQ(Spust("convert " + ini + " " + Q(slozka_ / "nic.sdt")), 1);
    EXPECT_EQ(Spust("convert --bogus"), 2);
    EXPECT_EQ(Spust(""), 2);
    EXPECT_EQ(Spust("convert --help"), 0);
    EXPECT_NE(Vystup().find("--force"), std::string::npos);
    EXPECT_EQ(Spust("factor " + ini), 0);
    EXPECT_EQ(Vystup().substr(0, 24), "RedukceJTSK -2.757200650");
}

TEST_F(ProcesCli, AnInputFromAPipeIsConvertedWhole) {
    // The conversion reads its input more than once; a pipe gives its bytes only once.
    const auto vstup = Kopie("09-redukce.sdt");
    const auto vystup = slozka_ / "z-roury.zap";
    const std::string prikaz = "cat " + Q(vstup) + " | LC_ALL=C.UTF-8 '" + MERIVOX_BIN_DIR +
                               "/merivox-cli' convert --settings " + Q(slozka_ / "Merivex.ini") +
                               " -o " + Q(vystup) + " /dev/stdin 2>" + Q(slozka_ / "err");
    const int status = std::system(prikaz.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << Chyby();
    EXPECT_EQ(NactiSoubor(vystup), NactiSoubor(DataKonverze("09-redukce.zap")));
}

// Outputs named by an open descriptor go where the descriptor writes; both tools say their
// version.
TEST_F(ProcesCli, DescriptorOutputsAndVersions) {
    const auto vstup = Kopie("09-redukce.sdt");
    const std::string zap = NactiSoubor(DataKonverze("09-redukce.zap"));
    const std::string cli = std::string("LC_ALL=C.UTF-8 '") + MERIVOX_BIN_DIR + "/merivox-cli' ";
    const std::string prevod =
        cli + "convert --settings " + Q(slozka_ / "Merivex.ini") + " -o /dev/stdout " + Q(vstup);
    const auto vse = slozka_ / "vse.zap";
    ZapisSoubor(vse, "drive\r\n");
    for (const char* volba : {"", "--force "}) {
        SCOPED_TRACE(volba);
        const std::string prikaz =
            prevod + " " + volba + ">>" + Q(vse) + " 2>" + Q(slozka_ / "err");
        const int status = std::system(prikaz.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << Chyby();
    }
    EXPECT_EQ(NactiSoubor(vse), "drive\r\n" + zap + zap);

    const auto roura = slozka_ / "z-roury.zap";
    const std::string prikaz = prevod + " 2>" + Q(slozka_ / "err") + " | cat >" + Q(roura);
    EXPECT_EQ(std::system(prikaz.c_str()), 0);
    EXPECT_EQ(NactiSoubor(roura), zap) << Chyby();

    EXPECT_EQ(Spust("--version"), 0);
    EXPECT_TRUE(std::regex_match(Vystup(), std::regex("merivox-cli [0-9]+(\\.[0-9]+){3}\n")))
        << Vystup();
    const std::string sim =
        std::string("'") + MERIVOX_BIN_DIR + "/merivox-sim' --version >" + Q(slozka_ / "out");
    EXPECT_EQ(std::system(sim.c_str()), 0);
    EXPECT_TRUE(std::regex_match(Vystup(), std::regex("merivox-sim [0-9]+(\\.[0-9]+){3}\n")))
        << Vystup();
}
