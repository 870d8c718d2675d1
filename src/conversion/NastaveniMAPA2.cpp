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
    ini.WriteString(kSJTSK, "Coordinate X", n.SouradniceX);
    ini.WriteString(kSJTSK, "Coordinate Y", n.SouradniceY);
    ini.WriteString(kSJTSK, "Altitude", n.Vyska);
    ini.WriteBool(kHead, "Head of data", n.HlavickaZDat);
    ini.WriteBool(kHead, "Head from user", n.HlavickaUzivatel);
    ini.WriteString(kHead, "String from user", n.TextHlavicky);
    ini.WriteBool(kOther, "Show file", n.ZobrazitSoubor);
    ini.WriteString(kOther, "Char for dot", n.ZnakOrientace);
    ini.WriteBool(kOther, "Nestandard heighs", n.NestandardniVysky);
    ini.WriteBool(kOther, "Nestandard units", n.NestandardniJednotky);
    ini.WriteBool(kOther, "Change XY", n.ProhozeniXY);
}
