#include "common/Cesty.h"
#include "OddeleniTestu.h"

#include "common/Cp1250.h"
#include "common/Slozky.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

TEST(Cesty, CzechNameMeansTheSameFileOnEverySystem) {
    const fs::path base = OddelTestyOdZarizeni() / "merivox-cesty";
    fs::remove_all(base);
    const fs::path folder = base / CestaZTextu(Cz("Měření Žďár"));
    fs::create_directories(folder);
    std::ofstream(folder / "a.sdt") << "x";
    EXPECT_TRUE(fs::exists(base / fs::path(u8"Měření Žďár") / "a.sdt"));
    EXPECT_EQ(TextCesty(folder.filename()), Cz("Měření Žďár"));
    EXPECT_EQ(CestaZTextu(TextCesty(folder)), folder);
    fs::remove_all(base);
}

TEST(Cesty, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(TextCesty(fs::path(u8"a\u03b1b.sdt")), "a?b.sdt");
}

TEST(Slozky, ProgramFolderAndSettingsFileBesideIt) {
    EXPECT_TRUE(fs::equivalent(SlozkaProgramu(), fs::path(MERIVOX_BIN_DIR)));
    // The build folder is writable, so the settings file sits beside the program.
    PrepisCestuNastaveni({});
    EXPECT_EQ(CestaNastaveni(), SlozkaProgramu() / "Merivex.ini");
    const fs::path elsewhere = OddelTestyOdZarizeni() / "merivox-other.ini";
    PrepisCestuNastaveni(elsewhere);
    EXPECT_EQ(CestaNastaveni(), elsewhere);
    PrepisCestuNastaveni(NastaveniTestu());
}

TEST(Slozky, InstalledCopyIsKnownByItsPlaceBesideShareMerivox) {
    const fs::path prefix = OddelTestyOdZarizeni() / "merivox-instalace" / "usr";
    fs::remove_all(prefix.parent_path());
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "lib" / "merivox");
    // A "bin" alone, or one whose prefix holds other programs' data, is a build or a copy.
    EXPECT_FALSE(JeInstalovanaKopie(prefix / "bin"));
    EXPECT_FALSE(JeInstalovanaKopie(prefix / "lib" / "merivox"));
    fs::create_directories(prefix / "share" / "merivox");
    EXPECT_TRUE(JeInstalovanaKopie(prefix / "bin"));
    EXPECT_FALSE(JeInstalovanaKopie(prefix / "lib"));
    // The build's own folder, writable and named bin, is not an installed copy.
    EXPECT_FALSE(JeInstalovanaKopie(fs::path(MERIVOX_BIN_DIR)));
    fs::remove_all(prefix.parent_path());
}

TEST(Slozky, AProgramFolderThatCannotBeWrittenSendsSettingsAndDataToTheUsersFolders) {
    // Not even an administrator can create a file below a plain file, on any system; Wine does
    // not enforce the folder permissions of "Program Files", so this stands in for them.
    const fs::path base = OddelTestyOdZarizeni() / "merivox-slozky";
    fs::remove_all(base);
    fs::create_directories(base / "Data");
    const fs::path zamcena = base / "soubor" / "Merivox";
    std::ofstream(base / "soubor") << "x";

    EXPECT_EQ(CestaNastaveniVe(base), base / "Merivex.ini");
    EXPECT_EQ(CestaNastaveniVe(zamcena), platforma::SlozkaUzivatelskehoNastaveni() / "Merivex.ini");
    EXPECT_TRUE(fs::is_directory(platforma::SlozkaUzivatelskehoNastaveni()));
    EXPECT_EQ(SlozkaDatVe(base), base / "Data");
    fs::remove(base / "Data");
    EXPECT_EQ(SlozkaDatVe(base), base);
    EXPECT_EQ(SlozkaDatVe(zamcena), platforma::DomovskaSlozka());
    fs::remove_all(base);
}
