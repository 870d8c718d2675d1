// A save from the point window that the system cuts short (here the file-size limit, as a full
// disk would): the user's earlier file stays as it was, the window says why and goes on.
#include "../../posix/OmezeniVelikosti.h"
#include "../OknaZapisu.h"

#include "upload/qt/ZapisSouradnicBodu.h"

#include <QAction>

namespace {

TEST_F(OknaZapisuTest, ASaveCutShortKeepsTheOldFileAndTheWindowSaysWhy) {
    const auto soubor = slozka_ / "body.asc";
    ZapisSoubor(soubor, "1,2,3,4\r\n");
    TFormZapisSouradnicBodu okno(nullptr, *driver_);
    for (int r = 1; r <= 2000; ++r) {
        if (r > 1)
            okno.Body().PridejRadek();
        okno.Body().NastavBunku(r, 0, std::to_string(r));
        okno.Body().NastavBunku(r, 4, "poznamka k bodu");
    }
    okno.Mrizka()->ZobrazTabulku();
    VyberSoubor(soubor, {QString::fromUtf8("Soubor souřadnic bodů (*.asc)"),
                         QString::fromUtf8("Všechny soubory (*.*)")});
    TZaznamZpravOken zpravy;
    {
        TOmezeniVelikosti omezeni(4096);
        okno.A_UlozDoSouboru->trigger();
    }
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Merivox 2.0");
    EXPECT_TRUE(zpravy.Zpravy()[0].text.startsWith(
        "Do souboru \"" + QString::fromStdString(soubor.string()) + "\" nelze zapsat ("));
    EXPECT_EQ(NactiSoubor(soubor), "1,2,3,4\r\n");
    EXPECT_THAT(Soubory(), ::testing::ElementsAre("body.asc"));
    EXPECT_EQ(okno.Body().PocetRadku(), 2000);

    // Without the limit the same command saves.
    okno.A_UlozDoSouboru->trigger();
    EXPECT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_EQ(NactiSoubor(soubor).substr(0, 22), "1,,,,* poznamka k bodu");
}

} // namespace
