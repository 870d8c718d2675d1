// Each export read back by the readers that users' tools are built on (tests/export/
// cteni_exportu.py: Python's csv, ezdxf with its audit, GDAL's ogrinfo, PROJ's cs2cs), every
// point compared. scripts/setup installs the readers; without them the test says which is missing.
#include "JmenoPripadu.h"
#include "export/BodyExportu.h"
#include "export/Export.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

struct TCteniExportu {
    const char* Nazev;
    TFormatExportu Format;
    TOsyDxf Osy;
    const char* Soubor;
};

class CteckyExportu : public TSlozkaTestu, public ::testing::WithParamInterface<TCteniExportu> {};

bool Nastroj(const std::string& prikaz) {
    return std::system((prikaz + " >/dev/null 2>&1").c_str()) == 0;
}

} // namespace

TEST_P(CteckyExportu, EveryPointReadsBack) {
    const TCteniExportu& c = GetParam();
    for (const char* prikaz :
         {"ogrinfo --version", "cs2cs 2>&1 | grep -q Rel", MERIVOX_PYTHON3 " -c 'import ezdxf'"})
        if (!Nastroj(prikaz))
            GTEST_SKIP() << "chybí čtečka (scripts/setup ji nainstaluje): " << prikaz;

    TVolbyExportu volby;
    volby.OsyDxf = c.Osy;
    volby.Nazev = Cz("Zkouška");
    const TVysledekExportu vysledek = Exportuj(BodyExportu(), c.Format, volby);
    ASSERT_TRUE(vysledek.Hotovo) << Cp1250NaUtf8(vysledek.Chyba);
    const auto soubor = slozka_ / c.Soubor;
    ZapisSoubor(soubor, vysledek.Obsah);

    const std::string prikaz = std::string(MERIVOX_PYTHON3) + " '" MERIVOX_CTENI_EXPORTU "' " +
                               c.Nazev + " '" + soubor.string() + "' '" +
                               DataExportu("body.txt").string() + "'" +
                               (c.Osy == TOsyDxf::odOtocene ? " --turned" : "") + " 2>&1";
    FILE* proud = popen(prikaz.c_str(), "r");
    ASSERT_NE(proud, nullptr);
    std::string vystup;
    char blok[4096];
    while (const std::size_t n = std::fread(blok, 1, sizeof blok, proud))
        vystup.append(blok, n);
    EXPECT_EQ(pclose(proud), 0) << vystup;
    EXPECT_EQ(vystup, "");
}

INSTANTIATE_TEST_SUITE_P(
    Formaty, CteckyExportu,
    ::testing::Values(
        TCteniExportu{"csv", TFormatExportu::feCsv, TOsyDxf::odEpsg5514, "body.csv"},
        TCteniExportu{"csv-cz", TFormatExportu::feCsvCz, TOsyDxf::odEpsg5514, "body-cz.csv"},
        TCteniExportu{"dxf", TFormatExportu::feDxf, TOsyDxf::odEpsg5514, "body.dxf"},
        TCteniExportu{"dxf", TFormatExportu::feDxf, TOsyDxf::odOtocene, "body-otocene.dxf"},
        TCteniExportu{"geojson", TFormatExportu::feGeoJson, TOsyDxf::odEpsg5514, "body.geojson"},
        TCteniExportu{"kml", TFormatExportu::feKml, TOsyDxf::odEpsg5514, "body.kml"}),
    [](const ::testing::TestParamInfo<TCteniExportu>& pripad) {
        return JmenoPripadu(std::string(pripad.param.Soubor).substr(5));
    });
