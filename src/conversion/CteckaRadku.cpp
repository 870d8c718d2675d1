#include "conversion/CteckaRadku.h"

#include "common/Radky.h"

#include <cstring>

namespace {
constexpr std::size_t kKus = 1 << 18;
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
        const std::string_view zbytek(data_ + zacatek_, konec_ - zacatek_);
        if (const auto r = PrvniRadek(zbytek, vsechnoNacteno_)) {
            posledni_ = r->Text;
            zacatek_ += r->Dalsi;
            ++cislo_;
            radek = posledni_;
            return true;
        }
        if (vsechnoNacteno_ || (!Dopln() && !vsechnoNacteno_))
            return false;
    }
}

bool TCteckaRadku::DalsiKus(std::string_view& kus) {
    vraceno_ = false;
    if (zacatek_ == konec_ && (vsechnoNacteno_ || !Dopln()))
        return false;
    kus = std::string_view(data_ + zacatek_, konec_ - zacatek_);
    zacatek_ = konec_;
    return true;
}
