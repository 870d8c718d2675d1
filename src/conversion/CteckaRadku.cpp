#include "conversion/CteckaRadku.h"

#include <cstring>

namespace {
constexpr std::size_t kKus = 1 << 18;

// The first CR or LF in [p, e), or e. Eight bytes are tested at a time for any byte
// below 0Eh, which ordinary text does not have; only such a word is looked at byte by byte.
const char* KonecRadku(const char* p, const char* e) {
    constexpr std::uint64_t kJednicky = 0x0101010101010101u;
    constexpr std::uint64_t kVysoke = 0x8080808080808080u;
    while (e - p >= 8) {
        std::uint64_t slovo;
        std::memcpy(&slovo, p, 8);
        if (((slovo - 0x0E * kJednicky) & ~slovo & kVysoke) != 0)
            break;
        p += 8;
    }
    for (; p != e; ++p)
        if (*p == '\r' || *p == '\n')
            return p;
    return e;
}

} // namespace

TCteckaRadku::TCteckaRadku(TText text)
    : otevreno_(true), velikost_(text.Obsah.size()), data_(text.Obsah.data()),
      konec_(text.Obsah.size()), vsechnoNacteno_(true) {}

TCteckaRadku::TCteckaRadku(const std::filesystem::path& soubor) {
    std::error_code ec;
    // A folder opens like an empty file on some systems; it is not a readable input.
    if (std::filesystem::is_directory(soubor, ec))
        return;
    soubor_.open(soubor, std::ios::binary);
    otevreno_ = soubor_.is_open();
    if (!otevreno_)
        return;
    const auto velikost = std::filesystem::file_size(soubor, ec);
    velikost_ = ec ? 0 : velikost;
    buffer_.resize(kKus);
    data_ = buffer_.data();
}

void TCteckaRadku::Zacatek() {
    zacatek_ = 0;
    vraceno_ = false;
    cislo_ = 0;
    if (buffer_.empty())
        return;
    soubor_.clear();
    soubor_.seekg(0);
    konec_ = 0;
    vsechnoNacteno_ = false;
}

bool TCteckaRadku::Dopln() {
    if (vsechnoNacteno_ || !otevreno_)
        return false;
    const std::size_t zbytek = konec_ - zacatek_;
    if (zacatek_ > 0 && zbytek > 0)
        std::memmove(buffer_.data(), buffer_.data() + zacatek_, zbytek);
    zacatek_ = 0;
    konec_ = zbytek;
    if (konec_ == buffer_.size())
        buffer_.resize(buffer_.size() * 2);
    data_ = buffer_.data();
    soubor_.read(buffer_.data() + konec_, std::streamsize(buffer_.size() - konec_));
    const auto precteno = std::size_t(soubor_.gcount());
    konec_ += precteno;
    if (precteno == 0 || !soubor_)
        vsechnoNacteno_ = true;
    return precteno > 0;
}

bool TCteckaRadku::Dalsi(std::string_view& radek) {
    if (vraceno_) {
        vraceno_ = false;
        radek = posledni_;
        return true;
    }
    for (;;) {
        const char* p = data_ + zacatek_;
        const char* e = data_ + konec_;
        const char* k = KonecRadku(p, e);
        // A line end must be seen whole: CR as the last byte at hand may be half of CR LF.
        const bool celyKonec = k != e && (*k == '\n' || k + 1 != e || vsechnoNacteno_);
        if (celyKonec || (k == e && vsechnoNacteno_)) {
            if (p == e)
                return false;
            posledni_ = std::string_view(p, std::size_t(k - p));
            std::size_t dalsi = std::size_t(k - data_);
            if (k != e)
                dalsi += (*k == '\r' && k + 1 != e && k[1] == '\n') ? 2 : 1;
            zacatek_ = dalsi;
            ++cislo_;
            radek = posledni_;
            if (sledovani_)
                sledovani_->NovyRadek(radek, cislo_);
            return true;
        }
        if (!Dopln() && !vsechnoNacteno_)
            return false;
    }
}
