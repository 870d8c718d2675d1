// Where the program keeps its settings file and where its file dialogs start.
#pragma once

#include <filesystem>

// The folder of the running program file.
std::filesystem::path SlozkaProgramu();

// An installed copy: the program sits in a prefix's "bin" with the prefix's "share/merivox"
// beside it (/usr/bin/merivox and /usr/share/merivox). Known by the place, not by whether the
// folder can be written: run as root, a packaged copy could write into /usr/bin.
bool JeInstalovanaKopie(const std::filesystem::path& slozkaProgramu);

// "Merivex.ini" beside the program; in the per-user configuration folder for an installed copy
// or when the program's folder cannot be written.
std::filesystem::path CestaNastaveni();

// Tests and tools point the whole program at another settings file; empty restores the rule.
void PrepisCestuNastaveni(const std::filesystem::path& path);

// The folder where file dialogs start: "Data" beside the program when it exists, else the
// program's folder, or the user's own folder for files when that cannot be written (the home
// folder; Documents on Windows). An installed copy offers "Data" in the user's home, made on
// first use (the home itself if it cannot be made).
std::filesystem::path VychoziSlozkaDat();

// The two rules for a given program folder; the functions above apply them to the running
// program's. Tests give them a folder that cannot be written.
std::filesystem::path CestaNastaveniVe(const std::filesystem::path& slozkaProgramu);
std::filesystem::path SlozkaDatVe(const std::filesystem::path& slozkaProgramu);

// Platform half, one file per system.
namespace platforma {
std::filesystem::path CestaProgramu();
bool LzeZapisovat(const std::filesystem::path& folder);
std::filesystem::path SlozkaUzivatelskehoNastaveni(); // ".../Merivox"
std::filesystem::path DomovskaSlozka();               // Documents on Windows
} // namespace platforma
