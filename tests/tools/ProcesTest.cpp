// The real merivox-cli program: exit statuses and its standard streams as a script sees them.
#include "SlozkaTestu.h"

#include <gtest/gtest.h>

#include <cstdlib>
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
