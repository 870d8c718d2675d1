#include "conversion/CteckaRadku.h"

#include "common/RozpoznaniTextu.h"

#include <algorithm>
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
    Zvetsi(buffery_.emplace_back(), kKus);
    data_ = buffery_[0].Data.get();
}

void TCteckaRadku::Zacatek() {
    zacatek_ = 0;
    vraceno_ = false;
    cislo_ = 0;
    drzenoOd_ = SIZE_MAX;
    if (buffery_.empty())
        return;
    if (neprosty_) { // the input stays ended
        konec_ = 0;
        return;
    }
    soubor_.clear();
    soubor_.seekg(0);
    konec_ = 0;
    vsechnoNacteno_ = false;
}

void TCteckaRadku::Zvetsi(TBuffer& buffer, std::size_t velikost) {
    buffer.Data = std::make_unique_for_overwrite<char[]>(velikost + kPresah);
    buffer.Velikost = velikost;
    std::memset(buffer.Data.get() + velikost, 0, kPresah);
}

bool TCteckaRadku::Dopln() {
    if (vsechnoNacteno_ || !otevreno_)
        return false;
    // The start of a line not yet whole goes ahead of the chunk, into a buffer that no held
    // line is in (a new one when all are); the current one only while nothing was read.
    const std::size_t zbytek = konec_ - zacatek_;
    const std::size_t volne = std::min(drzenoOd_, obdobi_);
    auto volny = [&](std::size_t i) {
        return i == aktualni_ ? konec_ == 0 : buffery_[i].Obdobi < volne;
    };
    std::size_t novy = 0;
    while (novy < buffery_.size() && !volny(novy))
        ++novy;
    if (novy == buffery_.size())
        buffery_.emplace_back();
    TBuffer& buffer = buffery_[novy];
    // A line longer than a chunk gets a buffer twice as long as what of it is at hand.
    const std::size_t velikost = std::max(kKus, 2 * zbytek);
    if (buffer.Velikost < velikost)
        Zvetsi(buffer, velikost);
    if (zbytek > 0)
        std::memcpy(buffer.Data.get(), data_ + zacatek_, zbytek);
    buffer.Obdobi = ++obdobi_;
    aktualni_ = novy;
    data_ = buffer.Data.get();
    zacatek_ = 0;
    konec_ = zbytek;
    soubor_.read(buffer.Data.get() + konec_, std::streamsize(buffer.Velikost - konec_));
    const auto precteno = std::size_t(soubor_.gcount());
    if (hlidat_ && !JenProstyText({buffer.Data.get() + konec_, precteno})) {
        neprosty_ = vsechnoNacteno_ = true;
        konec_ = 0;
        return false;
    }
    konec_ += precteno;
    if (precteno == 0 || !soubor_)
        vsechnoNacteno_ = true;
    return precteno > 0;
}

bool TCteckaRadku::DalsiNaKonciKusu(std::string_view& radek) {
    for (;;) {
        const std::string_view zbytek(data_ + zacatek_, konec_ - zacatek_);
        if (const auto r = PrvniRadek(zbytek, vsechnoNacteno_)) {
            posledni_ = r->Text;
            obdobiPosledniho_ = obdobi_;
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
