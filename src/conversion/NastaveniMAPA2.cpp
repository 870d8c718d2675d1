#include "conversion/NastaveniMAPA2.h"

namespace {
constexpr const char* kSJTSK = "S-JTSK";
constexpr const char* kHead = "HEAD";
constexpr const char* kOther = "OTHER";
} // namespace

TNastaveniMAPA2 NactiNastaveniMAPA2(const TIniFile& ini) {
    const TNastaveniMAPA2 v; // the defaults
    TNastaveniMAPA2 n;
    n.SouradniceX = ini.ReadString(kSJTSK, "Coordinate X", v.SouradniceX);
    n.SouradniceY = ini.ReadString(kSJTSK, "Coordinate Y", v.SouradniceY);
    n.Vyska = ini.ReadString(kSJTSK, "Altitude", v.Vyska);
    n.HlavickaZDat = ini.ReadBool(kHead, "Head of data", v.HlavickaZDat);
    n.HlavickaUzivatel = ini.ReadBool(kHead, "Head from user", v.HlavickaUzivatel);
    n.TextHlavicky = ini.ReadString(kHead, "String from user", v.TextHlavicky);
    n.ZobrazitSoubor = ini.ReadBool(kOther, "Show file", v.ZobrazitSoubor);
    n.ZnakOrientace = ini.ReadString(kOther, "Char for dot", v.ZnakOrientace);
    n.NestandardniVysky = ini.ReadBool(kOther, "Nestandard heighs", v.NestandardniVysky);
    n.NestandardniJednotky = ini.ReadBool(kOther, "Nestandard units", v.NestandardniJednotky);
    n.ProhozeniXY = ini.ReadBool(kOther, "Change XY", v.ProhozeniXY);
    return n;
}

void ZapisNastaveniMAPA2(TIniFile& ini, const TNastaveniMAPA2& n) {
    const auto b = [](bool v) {
        return std::string(v ? "1" : "0");
    };
    // One replacement of the file for the whole dialog, not one per key.
    ini.WriteSections({
        {kSJTSK,
         {{"Coordinate X", n.SouradniceX}, {"Coordinate Y", n.SouradniceY}, {"Altitude", n.Vyska}}},
        {kHead,
         {{"Head of data", b(n.HlavickaZDat)},
          {"Head from user", b(n.HlavickaUzivatel)},
          {"String from user", n.TextHlavicky}}},
        {kOther,
         {{"Show file", b(n.ZobrazitSoubor)},
          {"Char for dot", n.ZnakOrientace},
          {"Nestandard heighs", b(n.NestandardniVysky)},
          {"Nestandard units", b(n.NestandardniJednotky)},
          {"Change XY", b(n.ProhozeniXY)}}},
    });
}
