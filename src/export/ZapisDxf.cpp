#include "export/ZapisDxf.h"

#include "common/Cp1250.h"
#include "export/TextCisla.h"
#include "export/VrstvyDxf.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr double kVyskaTextu = 0.5;
constexpr double kOdsazeniTextu = 0.2;

// A string value on one line: control characters would end or break the group.
std::string Hodnota(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    return text;
}

// Writes group code and value pairs, and hands out the objects' handles.
class TDxf {
public:
    void Skupina(int kod, const std::string& hodnota) {
        obsah_ += std::to_string(kod);
        obsah_ += "\r\n";
        obsah_ += hodnota;
        obsah_ += "\r\n";
    }
    // A new object's handle, written with group 5 (105 for a dimension style).
    std::string Objekt(const char* typ, const std::string& vlastnik, int kodUchytu = 5) {
        Skupina(0, typ);
        const std::string uchyt = NovyUchyt();
        Skupina(kodUchytu, uchyt);
        Skupina(330, vlastnik);
        return uchyt;
    }
    std::string NovyUchyt() {
        char text[20];
        std::snprintf(text, sizeof text, "%X", dalsi_++);
        return text;
    }
    const std::string& Obsah() const { return obsah_; }
    // The header's $HANDSEED: above every handle given out.
    std::string Seed() const {
        char text[20];
        std::snprintf(text, sizeof text, "%X", dalsi_);
        return text;
    }

private:
    std::string obsah_;
    unsigned dalsi_ = 0x20;
};

struct TMezeKresby {
    double MinX = std::numeric_limits<double>::max(), MinY = MinX, MinZ = MinX;
    double MaxX = -MinX, MaxY = -MinX, MaxZ = -MinX;
    void Pridej(double x, double y, double z) {
        MinX = std::min(MinX, x), MinY = std::min(MinY, y), MinZ = std::min(MinZ, z);
        MaxX = std::max(MaxX, x), MaxY = std::max(MaxY, y), MaxZ = std::max(MaxZ, z);
    }
};

std::string TabulkaSNazvem(TDxf& d, const char* nazev, int pocet) {
    d.Skupina(0, "TABLE");
    d.Skupina(2, nazev);
    const std::string uchyt = d.NovyUchyt();
    d.Skupina(5, uchyt);
    d.Skupina(330, "0");
    d.Skupina(100, "AcDbSymbolTable");
    d.Skupina(70, std::to_string(pocet));
    return uchyt;
}

void Zaznam(TDxf& d, const char* typ, const std::string& tabulka, const char* podtrida,
            const std::string& nazev, int kodUchytu = 5) {
    d.Objekt(typ, tabulka, kodUchytu);
    d.Skupina(100, "AcDbSymbolTableRecord");
    d.Skupina(100, podtrida);
    d.Skupina(2, nazev);
    d.Skupina(70, "0");
}

void Text(TDxf& d, const std::string& prostor, const std::string& vrstva, double x, double y,
          double z, const std::string& text) {
    d.Objekt("TEXT", prostor);
    d.Skupina(100, "AcDbEntity");
    d.Skupina(8, vrstva);
    d.Skupina(100, "AcDbText");
    d.Skupina(10, CisloSDesetinami(x, 4));
    d.Skupina(20, CisloSDesetinami(y, 4));
    d.Skupina(30, KratkeCislo(z));
    d.Skupina(40, KratkeCislo(kVyskaTextu));
    d.Skupina(1, Hodnota(text));
    d.Skupina(7, "Standard");
    d.Skupina(100, "AcDbText");
}

} // namespace

std::string ZapisDxf(const TSeznamSouradnic& body, TOsyDxf osy) {
    TVrstvyDxf vrstvy;
    for (const TBodSouradnic& bod : body)
        vrstvy.Vrstva(bod.Kod);

    const double znamenko = osy == TOsyDxf::odEpsg5514 ? -1 : 1;
    TMezeKresby rozsah;
    for (const TBodSouradnic& bod : body)
        rozsah.Pridej(znamenko * bod.Y.Hodnota, znamenko * bod.X.Hodnota,
                      bod.Z.Je ? bod.Z.Hodnota : 0);
    if (body.empty())
        rozsah.Pridej(0, 0, 0);

    TDxf d;
    d.Skupina(0, "SECTION");
    d.Skupina(2, "CLASSES");
    d.Skupina(0, "ENDSEC");
    d.Skupina(0, "SECTION");
    d.Skupina(2, "TABLES");

    const std::string vport = TabulkaSNazvem(d, "VPORT", 1);
    Zaznam(d, "VPORT", vport, "AcDbViewportTableRecord", "*Active");
    // The drawing opens on all its points.
    const double sirka = std::max(rozsah.MaxX - rozsah.MinX, rozsah.MaxY - rozsah.MinY);
    for (const auto& [kod, hodnota] : std::initializer_list<std::pair<int, std::string>>{
             {10, "0"},
             {20, "0"},
             {11, "1"},
             {21, "1"},
             {12, CisloSDesetinami((rozsah.MinX + rozsah.MaxX) / 2, 4)},
             {22, CisloSDesetinami((rozsah.MinY + rozsah.MaxY) / 2, 4)},
             {13, "0"},
             {23, "0"},
             {14, "1"},
             {24, "1"},
             {15, "1"},
             {25, "1"},
             {16, "0"},
             {26, "0"},
             {36, "1"},
             {17, "0"},
             {27, "0"},
             {37, "0"},
             {40, CisloSDesetinami(std::max(sirka * 1.2, 10.0), 4)},
             {41, "1.5"},
             {42, "50"},
             {43, "0"},
             {44, "0"},
             {50, "0"},
             {51, "0"},
             {71, "0"},
             {72, "100"},
             {73, "1"},
             {74, "3"},
             {75, "0"},
             {76, "0"},
             {77, "0"},
             {78, "0"}})
        d.Skupina(kod, hodnota);
    d.Skupina(0, "ENDTAB");

    const std::string ltype = TabulkaSNazvem(d, "LTYPE", 3);
    for (const char* nazev : {"ByBlock", "ByLayer", "Continuous"}) {
        Zaznam(d, "LTYPE", ltype, "AcDbLinetypeTableRecord", nazev);
        d.Skupina(3, std::string(nazev) == "Continuous" ? "Solid line" : "");
        d.Skupina(72, "65");
        d.Skupina(73, "0");
        d.Skupina(40, "0.0");
    }
    d.Skupina(0, "ENDTAB");

    const std::string layer = TabulkaSNazvem(d, "LAYER", static_cast<int>(vrstvy.Vsechny().size()));
    for (const std::string& nazev : vrstvy.Vsechny()) {
        Zaznam(d, "LAYER", layer, "AcDbLayerTableRecord", nazev);
        d.Skupina(62, "7");
        d.Skupina(6, "Continuous");
    }
    d.Skupina(0, "ENDTAB");

    const std::string style = TabulkaSNazvem(d, "STYLE", 1);
    Zaznam(d, "STYLE", style, "AcDbTextStyleTableRecord", "Standard");
    for (const auto& [kod, hodnota] : std::initializer_list<std::pair<int, const char*>>{
             {40, "0"}, {41, "1"}, {50, "0"}, {71, "0"}, {42, "0.5"}, {3, "txt"}, {4, ""}})
        d.Skupina(kod, hodnota);
    d.Skupina(0, "ENDTAB");

    for (const char* nazev : {"VIEW", "UCS"}) {
        TabulkaSNazvem(d, nazev, 0);
        d.Skupina(0, "ENDTAB");
    }

    const std::string appid = TabulkaSNazvem(d, "APPID", 1);
    Zaznam(d, "APPID", appid, "AcDbRegAppTableRecord", "ACAD");
    d.Skupina(0, "ENDTAB");

    const std::string dimstyle = TabulkaSNazvem(d, "DIMSTYLE", 1);
    d.Skupina(100, "AcDbDimStyleTable");
    d.Skupina(71, "0");
    Zaznam(d, "DIMSTYLE", dimstyle, "AcDbDimStyleTableRecord", "Standard", 105);
    d.Skupina(0, "ENDTAB");

    const std::string blockRecord = TabulkaSNazvem(d, "BLOCK_RECORD", 2);
    std::string prostory[2];
    for (int i = 0; i < 2; ++i) {
        prostory[i] = d.Objekt("BLOCK_RECORD", blockRecord);
        d.Skupina(100, "AcDbSymbolTableRecord");
        d.Skupina(100, "AcDbBlockTableRecord");
        d.Skupina(2, i == 0 ? "*Model_Space" : "*Paper_Space");
    }
    d.Skupina(0, "ENDTAB");
    d.Skupina(0, "ENDSEC");

    d.Skupina(0, "SECTION");
    d.Skupina(2, "BLOCKS");
    for (int i = 0; i < 2; ++i) {
        const char* nazev = i == 0 ? "*Model_Space" : "*Paper_Space";
        d.Objekt("BLOCK", prostory[i]);
        d.Skupina(100, "AcDbEntity");
        if (i == 1)
            d.Skupina(67, "1");
        d.Skupina(8, "0");
        d.Skupina(100, "AcDbBlockBegin");
        d.Skupina(2, nazev);
        d.Skupina(70, "0");
        d.Skupina(10, "0");
        d.Skupina(20, "0");
        d.Skupina(30, "0");
        d.Skupina(3, nazev);
        d.Skupina(1, "");
        d.Objekt("ENDBLK", prostory[i]);
        d.Skupina(100, "AcDbEntity");
        if (i == 1)
            d.Skupina(67, "1");
        d.Skupina(8, "0");
        d.Skupina(100, "AcDbBlockEnd");
    }
    d.Skupina(0, "ENDSEC");

    d.Skupina(0, "SECTION");
    d.Skupina(2, "ENTITIES");
    for (const TBodSouradnic& bod : body) {
        const double x = znamenko * bod.Y.Hodnota;
        const double y = znamenko * bod.X.Hodnota;
        const double z = bod.Z.Je ? bod.Z.Hodnota : 0;
        const std::string& vrstva = vrstvy.Vrstva(bod.Kod);
        d.Objekt("POINT", prostory[0]);
        d.Skupina(100, "AcDbEntity");
        d.Skupina(8, vrstva);
        d.Skupina(100, "AcDbPoint");
        d.Skupina(10, KratkeCislo(x));
        d.Skupina(20, KratkeCislo(y));
        d.Skupina(30, KratkeCislo(z));
        if (!bod.Cislo.empty())
            Text(d, prostory[0], vrstva, x + kOdsazeniTextu, y + kOdsazeniTextu, z, bod.Cislo);
        if (bod.Z.Je)
            Text(d, prostory[0], kVrstvaVysek, x + kOdsazeniTextu, y - kOdsazeniTextu - kVyskaTextu,
                 z, bod.Z.Text);
    }
    d.Skupina(0, "ENDSEC");

    d.Skupina(0, "SECTION");
    d.Skupina(2, "OBJECTS");
    const std::string koren = d.Objekt("DICTIONARY", "0");
    const std::string skupiny = d.NovyUchyt();
    d.Skupina(100, "AcDbDictionary");
    d.Skupina(281, "1");
    d.Skupina(3, "ACAD_GROUP");
    d.Skupina(350, skupiny);
    d.Skupina(0, "DICTIONARY");
    d.Skupina(5, skupiny);
    d.Skupina(330, koren);
    d.Skupina(100, "AcDbDictionary");
    d.Skupina(281, "1");
    d.Skupina(0, "ENDSEC");
    d.Skupina(0, "EOF");

    TDxf h;
    h.Skupina(999, osy == TOsyDxf::odEpsg5514
                       ? Cz("Merivox: S-JTSK v pořadí os EPSG:5514, x = -Y, y = -X (metry)")
                       : Cz("Merivox: S-JTSK otočené o 200 gon, x = +Y, y = +X (metry)"));
    h.Skupina(0, "SECTION");
    h.Skupina(2, "HEADER");
    h.Skupina(9, "$ACADVER");
    h.Skupina(1, "AC1015");
    h.Skupina(9, "$DWGCODEPAGE");
    h.Skupina(3, "ANSI_1250");
    h.Skupina(9, "$INSUNITS");
    h.Skupina(70, "6");
    h.Skupina(9, "$EXTMIN");
    h.Skupina(10, KratkeCislo(rozsah.MinX));
    h.Skupina(20, KratkeCislo(rozsah.MinY));
    h.Skupina(30, KratkeCislo(rozsah.MinZ));
    h.Skupina(9, "$EXTMAX");
    h.Skupina(10, KratkeCislo(rozsah.MaxX));
    h.Skupina(20, KratkeCislo(rozsah.MaxY));
    h.Skupina(30, KratkeCislo(rozsah.MaxZ));
    h.Skupina(9, "$HANDSEED");
    h.Skupina(5, d.Seed());
    h.Skupina(0, "ENDSEC");
    // The header needs the last handle, so it is written last and put in front.
    return h.Obsah() + d.Obsah();
}
