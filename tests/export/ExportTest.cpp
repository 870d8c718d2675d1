// The exports' own rules: layer names, refusals, and the bytes of each format, which the Windows
// build must write alike (tests/data/export/vzor.*, read back by the reader tests' readers).
#include "export/Export.h"
#include "BodyExportu.h"
#include "export/VrstvyDxf.h"

#include <gtest/gtest.h>

TEST(ExportTest, LayerNamesAreAcceptedByCadAndToldApart) {
    EXPECT_EQ(NazevVrstvy(""), "0");
    EXPECT_EQ(NazevVrstvy(Cz("a<b>c/d\\e\"f:g;h?i*j|k=l`m\tn")), "a_b_c_d_e_f_g_h_i_j_k_l_m_n");
    EXPECT_EQ(NazevVrstvy(std::string(300, 'A')), std::string(255, 'A'));

    TVrstvyDxf vrstvy;
    struct {
        const char* kod;
        const char* vrstva;
    } const pripady[] = {
        {"LES", "LES"},   {"les", "les_2"},     // CAD programs take layer names regardless of case
        {"LES", "LES"},                         // a code keeps its layer
        {"0", "0_2"},                           // "0" is the layer of points without a code
        {"", "0"},        {"vysky", "vysky_2"}, // the heights' own layer
        {"Řeka", "Řeka"}, {"řEKA", "řEKA_2"},   // Czech letters fold too
        {"a:b", "a_b"},   {"a;b", "a_b_2"},     {"a_b_2", "a_b_2_2"},
    };
    for (const auto& p : pripady)
        EXPECT_EQ(Cp1250NaUtf8(vrstvy.Vrstva(Cz(p.kod))), p.vrstva) << p.kod;
    const std::string dlouhy(255, 'B');
    vrstvy.Vrstva(dlouhy);
    EXPECT_EQ(vrstvy.Vrstva(dlouhy + "x"), std::string(253, 'B') + "_2");
}

TEST(ExportTest, EachFormatWritesTheSameBytesEverywhere) {
    struct {
        TFormatExportu format;
        TOsyDxf osy;
        const char* vzor;
    } const formaty[] = {
        {TFormatExportu::feCsv, TOsyDxf::odEpsg5514, "vzor.csv"},
        {TFormatExportu::feCsvCz, TOsyDxf::odEpsg5514, "vzor-cz.csv"},
        {TFormatExportu::feDxf, TOsyDxf::odEpsg5514, "vzor.dxf"},
        {TFormatExportu::feDxf, TOsyDxf::odOtocene, "vzor-otocene.dxf"},
        {TFormatExportu::feGeoJson, TOsyDxf::odEpsg5514, "vzor.geojson"},
        {TFormatExportu::feKml, TOsyDxf::odEpsg5514, "vzor.kml"},
    };
    for (const auto& f : formaty) {
        if (ZemepisnyFormat(f.format) && !MERIVOX_S_PROJ)
            continue;
        TVolbyExportu volby;
        volby.OsyDxf = f.osy;
        volby.Nazev = Cz("Zkouška");
        const TVysledekExportu vysledek = Exportuj(BodyExportu(), f.format, volby);
        ASSERT_TRUE(vysledek.Hotovo) << f.vzor;
        EXPECT_EQ(vysledek.Obsah, NactiSoubor(DataExportu(f.vzor))) << f.vzor;
    }
}

TEST(ExportTest, RefusalsNameEveryPoint) {
    EXPECT_EQ(Exportuj({}, TFormatExportu::feCsv, {}).Chyba,
              Cz("Není co exportovat: seznam neobsahuje žádný bod."));

    TSeznamSouradnic body = BodyExportu();
    body[1].Soustava = TSoustava::ssMistni;
    body[2].Soustava = TSoustava::ssNeorientovana;
    body[3].Y = SouradniceZTextu("900000"); // Germany, beyond the area of the transformation
    body[3].X = SouradniceZTextu("800000");
    body[4].X = SouradniceZTextu("");
    body[4].Radek = 0;
    // CSV writes every point; DXF draws every point that has a position.
    EXPECT_TRUE(Exportuj(body, TFormatExportu::feCsvCz, {}).Hotovo);
    EXPECT_EQ(Cp1250NaUtf8(Exportuj(body, TFormatExportu::feDxf, {}).Chyba),
              "Export do DXF se neprovedl: body bez polohy nelze nakreslit.\n"
              "Bod \"5\" nemá souřadnice Y a X.");
    body[4].X = SouradniceZTextu("1165000");

    const std::string geojson = Cp1250NaUtf8(Exportuj(body, TFormatExportu::feGeoJson, {}).Chyba);
    const std::string kml = Cp1250NaUtf8(Exportuj(body, TFormatExportu::feKml, {}).Chyba);
    if (!MERIVOX_S_PROJ) {
        EXPECT_EQ(geojson.find("Export do GeoJSON a KML potřebuje knihovnu PROJ"), 0u) << geojson;
        EXPECT_EQ(kml, geojson);
        return;
    }
    const std::string body_ =
        " se neprovedl: tyto body nelze převést do WGS 84.\n"
        "Bod \"2\" (řádek 2) je v místní soustavě.\n"
        "Bod \"3\" (řádek 3) je z neorientovaného stanoviska, jeho souřadnice nemusí být v "
        "S-JTSK.\n"
        "Bod \"4\" (řádek 4) (Y 900000, X 800000) leží mimo oblast, v níž platí převod z S-JTSK "
        "do WGS 84 (Česko, Slovensko).";
    EXPECT_EQ(geojson, "Export do GeoJSON" + body_);
    EXPECT_EQ(kml, "Export do KML" + body_);
}
