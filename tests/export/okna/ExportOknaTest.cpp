// "Exportovat…" offscreen: the format by the chosen filter or the typed extension, the
// refusals told in a box, and the point window's table handed to the export.
#include "../BodyExportu.h"
#include "app/ExportBodu.h"
#include "export/Export.h"
#include "export/qt/ExportSouradnic.h"
#include "ui/DialogSouboru.h"
#include "ui/TestovaniOken.h"
#include "upload/okna/OknaZapisu.h"
#include "upload/qt/ZapisSouradnicBodu.h"

#include <QFileDialog>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class ExportOknaTest : public OknaZapisuTest {
protected:
    // The dialog answered with `jmeno` in the test's folder under the filter numbered `filtr`.
    void Odpovez(int filtr, const std::string& jmeno) {
        NastavVolbuSouboru([this, filtr, jmeno](QFileDialog& d) {
            d.selectNameFilter(FiltryExportu().at(filtr));
            return QString::fromStdU16String((slozka_ / jmeno).u16string());
        });
    }
    static std::string Export(TFormatExportu format, TOsyDxf osy, const char* nazev) {
        TVolbyExportu volby;
        volby.OsyDxf = osy;
        volby.Nazev = nazev;
        return Exportuj(BodyExportu(), format, volby).Obsah;
    }
};

} // namespace

TEST_F(ExportOknaTest, TheFilterOrTheTypedExtensionChoosesTheFormat) {
    const struct {
        int filtr;
        const char* jmeno;
        const char* soubor;
        TFormatExportu format;
        TOsyDxf osy;
    } pripady[] = {
        {1, "tabulka", "tabulka.csv", TFormatExportu::feCsvCz, TOsyDxf::odEpsg5514},
        {0, "tabulka.CSV", "tabulka.CSV", TFormatExportu::feCsv, TOsyDxf::odEpsg5514},
        {3, "kresba", "kresba.dxf", TFormatExportu::feDxf, TOsyDxf::odOtocene},
        {0, "mapa.kml", "mapa.kml", TFormatExportu::feKml, TOsyDxf::odEpsg5514},
        {2, "gis.geojson", "gis.geojson", TFormatExportu::feGeoJson, TOsyDxf::odEpsg5514},
    };
    TZaznamZpravOken zpravy;
    for (const auto& p : pripady) {
        if (ZemepisnyFormat(p.format) && !MERIVOX_S_PROJ)
            continue;
        Odpovez(p.filtr, p.jmeno);
        EXPECT_TRUE(ExportujSouradnice(BodyExportu(), nullptr)) << p.jmeno;
        const std::string stem = std::filesystem::path(p.soubor).stem().string();
        EXPECT_EQ(NactiSoubor(slozka_ / p.soubor), Export(p.format, p.osy, stem.c_str()))
            << p.jmeno;
    }
    EXPECT_TRUE(zpravy.Texty().empty());

    // A name the dialog did not ask about is not replaced unasked.
    Odpovez(1, "tabulka");
    zpravy.OdpovezDalsi(QMessageBox::No);
    EXPECT_FALSE(ExportujSouradnice({}, nullptr));
    ASSERT_EQ(zpravy.Texty().size(), 1u);
    EXPECT_TRUE(zpravy.Texty()[0].contains(QString::fromUtf8("již existuje")));
}

TEST_F(ExportOknaTest, RefusalsAreToldAndThePointWindowHandsItsTableOn) {
    TZaznamZpravOken zpravy;
    TSeznamSouradnic body = BodyExportu();
    body[1].Soustava = TSoustava::ssMistni;
    Odpovez(5, "mapa.kml");
    EXPECT_FALSE(ExportujSouradnice(body, nullptr));
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Chyba");
    EXPECT_TRUE(zpravy.Texty()[0].contains(MERIVOX_S_PROJ ? "Bod \"2\"" : "PROJ"));
    EXPECT_FALSE(std::filesystem::exists(slozka_ / "mapa.kml"));

    TFormZapisSouradnicBodu okno(nullptr, *driver_);
    EXPECT_TRUE(okno.Tl_Export->isHidden());
    okno.NastavOnExport([&okno] { ExportTabulkyBodu(okno); });
    EXPECT_FALSE(okno.Tl_Export->isHidden());
    okno.Body().NastavBunku(1, TTabulkaBodu::sbCislo, "1");
    okno.Body().NastavBunku(1, TTabulkaBodu::sbY, "743210,12");
    okno.Body().NastavBunku(1, TTabulkaBodu::sbX, "X");
    okno.Tl_Export->click();
    ASSERT_EQ(zpravy.Texty().size(), 2u);
    EXPECT_EQ(zpravy.Texty()[1], QString::fromUtf8("Export se neprovedl. Řádek 1: souřadnice X "
                                                   "\"X\" není číslo."));

    okno.Body().NastavBunku(1, TTabulkaBodu::sbX, "1043210.345");
    Odpovez(0, "tabulka.csv");
    okno.Tl_Export->click();
    EXPECT_EQ(NactiSoubor(slozka_ / "tabulka.csv"),
              "cislo,y,x,z,kod\r\n1,743210.12,1043210.345,,\r\n");
    EXPECT_EQ(zpravy.Texty().size(), 2u);
}
