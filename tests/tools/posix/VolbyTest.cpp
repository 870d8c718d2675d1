// Both command-line tools read their options by one parser: a bad value is refused as a usage
// error that names the option it was given to.
#include "conversion/Soubory.h"

#include "Cli.h"
#include "VolbySim.h"

#include <gtest/gtest.h>

class Volby : public TSlozkaTestu {};

TEST_F(Volby, BadValuesNameTheirOption) {
    const std::string ini = (slozka_ / "Merivex.ini").string();
    const std::pair<TArgumenty, const char*> cli[] = {
        {{"convert", "--settings", ini, "--factor", "abc", "a.sdt"}, "--factor"},
        {{"convert", "--settings", ini, "--station", "NTS-9", "a.sdt"}, "--station"},
        {{"convert", "--settings", ini, "--mark", "ab", "a.sdt"}, "--mark"},
        {{"factor", "--settings", ini, "--h=1e"}, "--h"},
        {{"download", "--baud", "abc", "-o", "x"}, "--baud"},
        {{"download", "--port", "0", "-o", "x"}, "--port"},
        {{"send", "--parity", "mark", "a.txt"}, "--parity"},
        {{"send", "--data-bits=9", "a.txt"}, "--data-bits"},
        {{"send", "--stop-bits", "3", "a.txt"}, "--stop-bits"},
    };
    for (const auto& [argumenty, volba] : cli) {
        std::ostringstream vystup, chyby;
        EXPECT_EQ(SpustCli(argumenty, TTerminal{vystup, chyby, true}), kSpatnePouziti) << volba;
        EXPECT_NE(chyby.str().find(volba), std::string::npos) << chyby.str();
    }

    const std::pair<std::vector<std::string>, const char*> sim[] = {
        {{"--baud", "abc", "upload", "--out", "x"}, "--baud"},
        {{"--ack-delay", "-5", "upload", "--out", "x"}, "--ack-delay"},
        {{"--noise=1x", "upload", "--out", "x"}, "--noise"},
        {{"--split", "4294967296", "upload", "--out", "x"}, "--split"},
        {{"--hangup-after", "", "upload", "--out", "x"}, "--hangup-after"},
        {{"--eot-answer", "OK\\xZZ", "upload", "--out", "x"}, "--eot-answer"},
    };
    for (const auto& [argumenty, volba] : sim) {
        TVolbySim volby;
        const auto chyba = CtiVolbySim(argumenty, volby);
        ASSERT_TRUE(chyba) << volba;
        EXPECT_NE(chyba->find(volba), std::string::npos) << *chyba;
    }
}
