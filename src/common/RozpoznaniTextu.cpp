#include "common/RozpoznaniTextu.h"

#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "common/Radky.h"

#include <cstdint>
#include <cstring>
#include <utility>

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr char kEot = '\x04';

// Whether eight bytes are all printable ASCII (20h..7Eh): the common case, passed over at once.
bool TisknutelneAscii(std::uint64_t w) {
    constexpr std::uint64_t kJednicky = 0x0101010101010101u;
    constexpr std::uint64_t kVysoke = 0x8080808080808080u;
    const std::uint64_t del = w ^ (0x7F * kJednicky);
    const bool mensiNez20 = ((w - 0x20 * kJednicky) & ~w & kVysoke) != 0;
    const bool jeDel = ((del - kJednicky) & ~del & kVysoke) != 0;
    return (w & kVysoke) == 0 && !mensiNez20 && !jeDel;
}

// The character of a strict UTF-8 sequence at `i` and its length; length 0 when the bytes
// there are no UTF-8 (overlong forms, surrogates and values beyond U+10FFFF included).
std::pair<char32_t, std::size_t> ZnakUtf8(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) {
        return static_cast<unsigned char>(s[i + k]);
    };
    const auto pokracuje = [&](std::size_t k, unsigned od = 0x80, unsigned po = 0xBF) {
        return i + k < s.size() && b(k) >= od && b(k) <= po;
    };
    const unsigned c = b(0);
    if (c >= 0xC2 && c <= 0xDF && pokracuje(1))
        return {char32_t((c & 0x1F) << 6 | (b(1) & 0x3F)), 2};
    if (c >= 0xE0 && c <= 0xEF && pokracuje(1, c == 0xE0 ? 0xA0 : 0x80, c == 0xED ? 0x9F : 0xBF) &&
        pokracuje(2))
        return {char32_t((c & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F)), 3};
    if (c >= 0xF0 && c <= 0xF4 && pokracuje(1, c == 0xF0 ? 0x90 : 0x80, c == 0xF4 ? 0x8F : 0xBF) &&
        pokracuje(2) && pokracuje(3))
        return {
            char32_t((c & 0x07) << 18 | (b(1) & 0x3F) << 12 | (b(2) & 0x3F) << 6 | (b(3) & 0x3F)),
            4};
    return {0, 0};
}

std::string Hex(unsigned hodnota, int cifer) {
    static const char kCifry[] = "0123456789ABCDEF";
    std::string text;
    for (int i = cifer - 1; i >= 0; --i)
        text += kCifry[(hodnota >> (4 * i)) & 0xF];
    return text;
}

} // namespace

bool JenProstyText(std::string_view text) {
    // Sixteen bytes at a time, four such at once, without a branch per byte: the compiler makes
    // vector instructions of it on every processor it knows them for.
    using TBajty = unsigned char __attribute__((vector_size(16)));
    using TSBajty = signed char __attribute__((vector_size(16)));
    // With one added, as a signed byte below 21h: a byte below 20h or from 7Fh up. Of those,
    // only tab and CR ((b | 4) == 0Dh) and LF belong to a text.
    auto vadne = [](TBajty b) {
        const TSBajty mimo = TSBajty(b + 1) < 0x21;
        const TSBajty konce = TSBajty((b | 4) == 0x0D) | TSBajty(b == '\n');
        return mimo & ~konce;
    };
    const char* p = text.data();
    const char* e = p + text.size();
    TSBajty vsechny{};
    for (; e - p >= 64; p += 64) {
        TBajty b[4];
        std::memcpy(b, p, 64);
        vsechny |= vadne(b[0]) | vadne(b[1]) | vadne(b[2]) | vadne(b[3]);
    }
    for (; e - p >= 16; p += 16) {
        TBajty b;
        std::memcpy(&b, p, 16);
        vsechny |= vadne(b);
    }
    std::uint64_t casti[2];
    std::memcpy(casti, &vsechny, 16);
    if ((casti[0] | casti[1]) != 0)
        return false;
    for (; p != e; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if ((c < 0x20 || c >= 0x7F) && c != '\r' && c != '\n' && c != '\t')
            return false;
    }
    return true;
}

void TRozpoznaniTextu::Radek(std::string_view radek) {
    ++cislo_;
    if (ridici_)
        return;
    if (cislo_ == 1 && radek.starts_with(kBom)) {
        bom_ = true;
        radek.remove_prefix(kBom.size());
    }
    if (radekEot_ != 0 && !radek.empty()) {
        // The end of a download is not the end of this text.
        ridici_ = TVadaTextu{TVadaTextu::TDruh::dvRidiciZnak, radekEot_, char32_t(kEot)};
        return;
    }
    if (radek.size() == 1 && radek[0] == kEot) {
        radekEot_ = cislo_;
        return;
    }
    const std::size_t n = radek.size();
    for (std::size_t i = 0; i < n;) {
        while (i + 8 <= n) {
            std::uint64_t slovo;
            std::memcpy(&slovo, radek.data() + i, 8);
            if (!TisknutelneAscii(slovo))
                break;
            i += 8;
        }
        if (i >= n)
            break;
        const auto c = static_cast<unsigned char>(radek[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t') || c == 0x7F) {
                ridici_ = TVadaTextu{TVadaTextu::TDruh::dvRidiciZnak, cislo_, char32_t(c)};
                return;
            }
            ++i;
            continue;
        }
        if (neplatneUtf8_ != 0) {
            ++i;
            continue;
        }
        const auto [znak, delka] = ZnakUtf8(radek, i);
        if (delka == 0) {
            neplatneUtf8_ = cislo_;
            ++i;
            continue;
        }
        viceBajtu_ = true;
        if (!mimoCp_ && UnicodeNaCp1250(znak) < 0)
            mimoCp_ = TVadaTextu{TVadaTextu::TDruh::dvZnakMimoCp1250, cislo_, znak};
        i += delka;
    }
}

TKodovaniTextu TRozpoznaniTextu::Kodovani() const {
    return bom_ || (neplatneUtf8_ == 0 && viceBajtu_) ? TKodovaniTextu::ktUtf8
                                                      : TKodovaniTextu::ktCp1250;
}

std::optional<TVadaTextu> TRozpoznaniTextu::Vada(TKonecStahovani eot) const {
    if (ridici_)
        return ridici_;
    if (radekEot_ != 0 && eot == TKonecStahovani::ksOdmitnout)
        return TVadaTextu{TVadaTextu::TDruh::dvRidiciZnak, radekEot_, char32_t(kEot)};
    if (bom_ && neplatneUtf8_ != 0)
        return TVadaTextu{TVadaTextu::TDruh::dvNeplatneUtf8, neplatneUtf8_, 0};
    if (Kodovani() == TKodovaniTextu::ktUtf8 && mimoCp_)
        return mimoCp_;
    return std::nullopt;
}

std::optional<TVadaTextu> PrevedNaCp1250(std::string& text, TKonecStahovani eot) {
    TRozpoznaniTextu rozpoznani;
    for (const std::string_view radek : RadkyTextu(text))
        rozpoznani.Radek(radek);
    if (auto vada = rozpoznani.Vada(eot))
        return vada;
    // The only EOT left is the last line's: it goes with the line ends after it.
    if (const auto eotNa = text.rfind(kEot);
        eot == TKonecStahovani::ksVynechat && eotNa != std::string::npos)
        text.resize(eotNa);
    if (rozpoznani.Kodovani() == TKodovaniTextu::ktUtf8)
        text = Utf8NaCp1250(text.starts_with(kBom) ? text.substr(kBom.size()) : text);
    return std::nullopt;
}

std::string TextVadyTextu(const std::filesystem::path& soubor, const TVadaTextu& vada) {
    const std::string kde = Cz("Soubor \"") + TextCesty(soubor) + "\"";
    const std::string radek = Cz("řádek ") + std::to_string(vada.Radek);
    switch (vada.Druh) {
    case TVadaTextu::TDruh::dvRidiciZnak:
        return kde + Cz(" není textový soubor: ") + radek + Cz(" obsahuje řídicí znak ") +
               Hex(unsigned(vada.Znak), 2) + "h.";
    case TVadaTextu::TDruh::dvNeplatneUtf8:
        return kde + Cz(" začíná značkou kódování UTF-8, ale ") + radek +
               Cz(" není platný text UTF-8.");
    case TVadaTextu::TDruh::dvZnakMimoCp1250:
        break;
    }
    return kde + Cz(" je v kódování UTF-8 a ") + radek + Cz(" obsahuje znak U+") +
           Hex(unsigned(vada.Znak), vada.Znak > 0xFFFF ? 6 : 4) +
           Cz(", který kódování programu (cp1250, středoevropské) nemá.");
}

std::string TextPrilisDlouhyVstup(const std::filesystem::path& soubor) {
    return Cz("Vstup \"") + TextCesty(soubor) + Cz("\" je delší než ") +
           std::to_string(kNejdelsiVstup >> 20) + Cz(" MB; tak dlouhý vstup program nenačte.");
}
