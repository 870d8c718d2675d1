// Both command-line tools read their options by one parser: a bad value is refused as a usage
// error that names the option it was given to.
#include "JmenoPripadu.h"
#include "SlozkaTestu.h"

#include "Cli.h"
#include "VolbySim.h"

#include <gtest/gtest.h>

// Each case is named after the option it must name.
std::string JmenoVolby(const char* volba) {
    return JmenoPripadu(std::string(volba).substr(2));
}

struct TVolbaCli {
    TArgumenty Argumenty; // the settings file goes after the command where `Nastaveni`
    const char* Volba;
    bool Nastaveni = false;
};

class VolbyCli : public TSlozkaTestu, public ::testing::WithParamInterface<TVolbaCli> {};

TEST_P(VolbyCli, BadValuesNameTheirOption) {
    TArgumenty argumenty = GetParam().Argumenty;
    if (GetParam().Nastaveni)
        argumenty.insert(argumenty.begin() + 1, {"--settings", (slozka_ / "Merivex.ini").string()});
    std::ostringstream vystup, chyby;
    EXPECT_EQ(SpustCli(argumenty, TTerminal{vystup, chyby, true}), kSpatnePouziti);
    EXPECT_NE(chyby.str().find(GetParam().Volba), std::string::npos) << chyby.str();
}

INSTANTIATE_TEST_SUITE_P(
    Cli, VolbyCli,
    ::testing::Values(TVolbaCli{{"convert", "--factor", "abc", "a.sdt"}, "--factor", true},
                      TVolbaCli{{"convert", "--station", "NTS-9", "a.sdt"}, "--station", true},
                      TVolbaCli{{"convert", "--mark", "ab", "a.sdt"}, "--mark", true},
                      TVolbaCli{{"factor", "--h=1e"}, "--h", true},
                      TVolbaCli{{"download", "--baud", "abc", "-o", "x"}, "--baud"},
                      TVolbaCli{{"download", "--port", "0", "-o", "x"}, "--port"},
                      TVolbaCli{{"send", "--parity", "mark", "a.txt"}, "--parity"},
                      TVolbaCli{{"send", "--data-bits=9", "a.txt"}, "--data-bits"},
                      TVolbaCli{{"send", "--stop-bits", "3", "a.txt"}, "--stop-bits"}),
    [](const auto& radek) { return JmenoVolby(radek.param.Volba); });

struct TVolbaSim {
    std::vector<std::string> Argumenty;
    const char* Volba;
};

class VolbySim : public ::testing::TestWithParam<TVolbaSim> {};

TEST_P(VolbySim, BadValuesNameTheirOption) {
    TVolbySim volby;
    const auto chyba = CtiVolbySim(GetParam().Argumenty, volby);
    ASSERT_TRUE(chyba);
    EXPECT_NE(chyba->find(GetParam().Volba), std::string::npos) << *chyba;
}

INSTANTIATE_TEST_SUITE_P(
    Sim, VolbySim,
    ::testing::Values(TVolbaSim{{"--baud", "abc", "upload", "--out", "x"}, "--baud"},
                      TVolbaSim{{"--ack-delay", "-5", "upload", "--out", "x"}, "--ack-delay"},
                      TVolbaSim{{"--noise=1x", "upload", "--out", "x"}, "--noise"},
                      TVolbaSim{{"--split", "4294967296", "upload", "--out", "x"}, "--split"},
                      TVolbaSim{{"--hangup-after", "", "upload", "--out", "x"}, "--hangup-after"},
                      TVolbaSim{{"--eot-answer", "OK\\xZZ", "upload", "--out", "x"},
                                "--eot-answer"}),
    [](const auto& radek) { return JmenoVolby(radek.param.Volba); });
