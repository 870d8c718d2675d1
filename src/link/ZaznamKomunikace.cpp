#include "link/ZaznamKomunikace.h"

#include "common/Cp1250.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// Time of day in UTC: the same on every system, and what a question about a record needs.
std::string Cas(std::chrono::system_clock::time_point t) {
    const std::time_t s = std::chrono::system_clock::to_time_t(t);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()) % 1000;
    char text[64] = "?";
    if (const std::tm* utc = std::gmtime(&s))
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", utc);
    char presne[80];
    std::snprintf(presne, sizeof presne, "%s.%03d UTC", text, static_cast<int>(ms.count()));
    return presne;
}

constexpr std::size_t kNaRadek = 16;

} // namespace

void TZaznamKomunikace::Zacni(const std::string& zahlavi) {
    *this = TZaznamKomunikace();
    bezi_ = true;
    start_ = std::chrono::steady_clock::now();
    zahlavi_ = "=== " + Cas(std::chrono::system_clock::now()) + " ===\n" + zahlavi;
}

void TZaznamKomunikace::Pridej(bool odeslano, std::string_view bajty,
                               std::chrono::steady_clock::time_point kdy) {
    if (!bezi_ || bajty.empty())
        return;
    (odeslano ? odeslano_ : prijato_) += bajty.size();
    const auto cas = kdy - start_;
    const bool navazuje = (!zacatek_.empty() || !konec_.empty()) && odeslano == posledniOdeslano_ &&
                          kdy - posledni_ < kPauza;
    posledniOdeslano_ = odeslano;
    posledni_ = kdy;
    if (bajtuZacatku_ < kKraj) {
        const std::size_t vzit = std::min(bajty.size(), kKraj - bajtuZacatku_);
        if (navazuje)
            zacatek_.back().Bajty.append(bajty.substr(0, vzit));
        else
            zacatek_.push_back({odeslano, cas, std::string(bajty.substr(0, vzit))});
        bajtuZacatku_ += vzit;
        bajty.remove_prefix(vzit);
        if (bajty.empty())
            return;
    }
    const std::string_view ocas = bajty.substr(bajty.size() - std::min(bajty.size(), kKraj));
    vynechano_ += bajty.size() - ocas.size();
    if (navazuje && !konec_.empty()) {
        konec_.back().Bajty.append(ocas);
        bajtuKonce_ += ocas.size();
        OrizniKonec();
    } else {
        PridejNaKonec({odeslano, cas, std::string(ocas)});
    }
}

void TZaznamKomunikace::Poznamka(const std::string& text,
                                 std::chrono::steady_clock::time_point kdy) {
    constexpr int kNejvicPoznamek = 100;
    if (!bezi_ || ++poznamek_ > kNejvicPoznamek)
        return;
    TUsek usek{false, kdy - start_, {}, text};
    posledni_ = {}; // the bytes after a note start an entry of their own
    if (konec_.empty())
        zacatek_.push_back(std::move(usek));
    else
        konec_.push_back(std::move(usek));
}

// The tail keeps the last kKraj bytes: whole pieces drop off its front, a piece that straddles
// the limit loses its beginning.
void TZaznamKomunikace::PridejNaKonec(TUsek usek) {
    bajtuKonce_ += usek.Bajty.size();
    konec_.push_back(std::move(usek));
    OrizniKonec();
}

void TZaznamKomunikace::OrizniKonec() {
    while (bajtuKonce_ > kKraj) {
        std::string& prvni = konec_.front().Bajty;
        const std::size_t navic = bajtuKonce_ - kKraj;
        if (navic >= prvni.size()) {
            vynechano_ += prvni.size();
            bajtuKonce_ -= prvni.size();
            konec_.pop_front();
        } else {
            prvni.erase(0, navic);
            vynechano_ += navic;
            bajtuKonce_ -= navic;
        }
    }
}

// "  +1.234 s PC->  12 B | 31 31 3D ... | 11=..." with 16 bytes a row.
void TZaznamKomunikace::Vypis(std::string& text, const TUsek& usek) {
    const double s = std::chrono::duration<double>(usek.Cas).count();
    if (!usek.Poznamka.empty()) {
        char uvod[32];
        std::snprintf(uvod, sizeof uvod, "%+10.3f s ", s);
        text += uvod + std::string("  ! ") + usek.Poznamka + "\n";
        return;
    }
    for (std::size_t i = 0; i < usek.Bajty.size(); i += kNaRadek) {
        char uvod[64];
        if (i == 0)
            std::snprintf(uvod, sizeof uvod, "%+10.3f s %s %5zu B |", s,
                          usek.Odeslano ? "PC->" : "->PC", usek.Bajty.size());
        else
            std::snprintf(uvod, sizeof uvod, "%*s|", 26, "");
        text += uvod;
        std::string znaky;
        for (std::size_t j = i; j < i + kNaRadek; ++j) {
            if (j < usek.Bajty.size()) {
                const auto b = static_cast<unsigned char>(usek.Bajty[j]);
                char hex[4];
                std::snprintf(hex, sizeof hex, " %02X", b);
                text += hex;
                // As text of the code page: its letters shown, control characters as dots.
                const char32_t znak = Cp1250NaUnicode(b);
                znaky += znak >= 0x20 && znak != 0x7F && !(znak >= 0x80 && znak < 0xA0)
                             ? static_cast<char>(b)
                             : '.';
            } else {
                text += "   ";
            }
        }
        text += " | " + znaky + "\n";
    }
}

std::string TZaznamKomunikace::Ukonci(const std::string& konec) {
    if (!bezi_)
        return {};
    std::string text = zahlavi_;
    for (const TUsek& usek : zacatek_)
        Vypis(text, usek);
    if (vynechano_ > 0)
        text += Cz("  ... vynecháno ") + std::to_string(vynechano_) + Cz(" bajtů ...\n");
    for (const TUsek& usek : konec_)
        Vypis(text, usek);
    text += Cz("Konec: ") + konec + Cz("; odesláno ") + std::to_string(odeslano_) +
            Cz(" B, přijato ") + std::to_string(prijato_) + " B\n\n";
    *this = TZaznamKomunikace();
    return text;
}
