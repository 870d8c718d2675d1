// Saving the MAPA2 parameters: the eleven keys written one by one (a replacement of the file
// with its flush to the disk for each) against the one replacement that the dialog makes.
#include "common/IniFile.h"
#include "conversion/NastaveniMAPA2.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A settings file of its own for each benchmark, holding what a used program's file holds.
fs::path Soubor(const char* jmeno) {
    const fs::path slozka =
        fs::temp_directory_path() / ("merivox-bench-nastaveni-" + std::to_string(getpid()));
    fs::create_directories(slozka);
    const fs::path soubor = slozka / jmeno;
    TIniFile ini(soubor);
    ini.WriteSections({{"Port", {{"Number", "1"}, {"Parity", "None"}, {"BaudRate", "9600"}}},
                       {"Station", {{"Type", "NTS-660"}}}});
    return soubor;
}

void BM_UlozeniPoKlicich(benchmark::State& state) {
    TIniFile ini(Soubor("po-klicich.ini"));
    const TNastaveniMAPA2 n;
    const auto b = [](bool v) {
        return std::string(v ? "1" : "0");
    };
    for (auto _ : state) {
        ini.WriteString("S-JTSK", "Coordinate X", n.SouradniceX);
        ini.WriteString("S-JTSK", "Coordinate Y", n.SouradniceY);
        ini.WriteString("S-JTSK", "Altitude", n.Vyska);
        ini.WriteString("HEAD", "Head of data", b(n.HlavickaZDat));
        ini.WriteString("HEAD", "Head from user", b(n.HlavickaUzivatel));
        ini.WriteString("HEAD", "String from user", n.TextHlavicky);
        ini.WriteString("OTHER", "Show file", b(n.ZobrazitSoubor));
        ini.WriteString("OTHER", "Char for dot", n.ZnakOrientace);
        ini.WriteString("OTHER", "Nestandard heighs", b(n.NestandardniVysky));
        ini.WriteString("OTHER", "Nestandard units", b(n.NestandardniJednotky));
        ini.WriteString("OTHER", "Change XY", b(n.ProhozeniXY));
    }
    fs::remove_all(ini.Path().parent_path());
}
BENCHMARK(BM_UlozeniPoKlicich)->Unit(benchmark::kMillisecond);

void BM_UlozeniNajednou(benchmark::State& state) {
    TIniFile ini(Soubor("najednou.ini"));
    const TNastaveniMAPA2 n;
    for (auto _ : state)
        ZapisNastaveniMAPA2(ini, n);
    fs::remove_all(ini.Path().parent_path());
}
BENCHMARK(BM_UlozeniNajednou)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
