#include "common/NahradaSouboru.h"

#include "common/Cp1250.h"

#include <random>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBuffer = 1 << 18;

TPoruchaDisku& Porucha() {
    static TPoruchaDisku porucha;
    return porucha;
}

std::function<void()>& Zasah() {
    static std::function<void()> zasah;
    return zasah;
}

std::error_code ZapisNaDisk(std::intptr_t rukojet, std::string_view blok) {
    if (Porucha())
        if (const std::error_code chyba = Porucha()(blok))
            return chyba;
    return platforma::ZapisBlok(rukojet, blok);
}

// A hidden name beside the target, with a random part: a user's file never has it, and the
// exclusive creation refuses it should one exist after all.
fs::path NazevDocasneho(const fs::path& cil) {
    static std::mt19937_64 nahoda{std::random_device{}()};
    static const char kCislice[] = "0123456789abcdef";
    std::string pripona = ".";
    for (auto n = nahoda(); pripona.size() < 9; n >>= 4)
        pripona += kCislice[n & 15];
    fs::path jmeno = ".";
    jmeno += cil.filename();
    jmeno += pripona + ".tmp";
    return cil.parent_path() / jmeno;
}

// The file a symbolic link leads to (through every link in a row), so that the link stays and
// its target is replaced; other paths unchanged.
fs::path CilOdkazu(const fs::path& cesta) {
    fs::path cil = cesta;
    std::error_code ec;
    for (int i = 0; i < 40 && fs::is_symlink(cil, ec); ++i) {
        const fs::path dalsi = fs::read_symlink(cil, ec);
        if (ec)
            break;
        cil = dalsi.is_absolute() ? dalsi : cil.parent_path() / dalsi;
    }
    return cil;
}

} // namespace

TNahradaSouboru::TNahradaSouboru(fs::path soubor) : cil_(CilOdkazu(soubor)) {
    // The name of an open descriptor is asked before its link is followed: behind it stands
    // the file the descriptor writes into, which must not be replaced.
    if (const int popisovac = platforma::CisloPopisovace(soubor); popisovac >= 0) {
        rukojet_ = platforma::PrevezmiPopisovac(popisovac, chyba_);
        return;
    }
    switch (platforma::DruhCile(cil_)) {
    case platforma::TDruhCile::dcSlozka:
        chyba_ = std::make_error_code(std::errc::is_a_directory);
        return;
    case platforma::TDruhCile::dcJiny:
        chyba_ = std::make_error_code(std::errc::operation_not_supported);
        return;
    case platforma::TDruhCile::dcZarizeni:
        rukojet_ = platforma::OtevriZarizeni(cil_, chyba_);
        return;
    case platforma::TDruhCile::dcZadny:
    case platforma::TDruhCile::dcSoubor:
        break;
    }
    VytvorDocasny();
}

void TNahradaSouboru::VytvorDocasny() {
    for (int pokus = 0; pokus < 16; ++pokus) {
        docasny_ = NazevDocasneho(cil_);
        chyba_.clear();
        rukojet_ = platforma::VytvorDocasny(docasny_, chyba_);
        if (chyba_ != std::errc::file_exists)
            break;
    }
    if (chyba_) {
        docasny_.clear();
        return;
    }
    buffer_.reserve(kBuffer);
}

bool TNahradaSouboru::ZacniZnovu() {
    if (!LzeZacitZnovu() || hotovo_)
        return false;
    Zahod();
    buffer_.clear();
    VytvorDocasny();
    return !chyba_;
}

TNahradaSouboru::~TNahradaSouboru() {
    if (!hotovo_)
        Zahod();
}

void TNahradaSouboru::Zahod() {
    if (rukojet_ != -1)
        platforma::Zavri(rukojet_);
    rukojet_ = -1;
    if (!docasny_.empty()) {
        platforma::Smaz(docasny_);
        platforma::Pust(docasny_);
        docasny_.clear();
    }
}

void TNahradaSouboru::Vyprazdni() {
    if (!buffer_.empty() && !chyba_)
        chyba_ = ZapisNaDisk(rukojet_, buffer_);
    buffer_.clear();
}

void TNahradaSouboru::Zapis(std::string_view data) {
    if (chyba_)
        return;
    if (buffer_.size() + data.size() <= kBuffer) {
        buffer_ += data;
        return;
    }
    Vyprazdni();
    if (data.size() >= kBuffer) {
        if (!chyba_)
            chyba_ = ZapisNaDisk(rukojet_, data);
    } else {
        buffer_ += data;
    }
}

std::error_code TNahradaSouboru::Dokonci() {
    if (hotovo_ || chyba_) {
        Zahod();
        return chyba_;
    }
    Vyprazdni();
    if (docasny_.empty()) {
        // A device or pipe: what was written is all there is to do.
        if (const auto chyba = platforma::Zavri(rukojet_); !chyba_)
            chyba_ = chyba;
        rukojet_ = -1;
        hotovo_ = !chyba_;
        return chyba_;
    }
    if (!chyba_)
        chyba_ = platforma::Splachni(rukojet_);
    if (const auto chyba = platforma::Zavri(rukojet_); !chyba_)
        chyba_ = chyba;
    rukojet_ = -1;
    if (!chyba_)
        chyba_ = platforma::Nahrad(docasny_, cil_);
    if (chyba_) {
        Zahod();
        return chyba_;
    }
    platforma::Pust(docasny_);
    docasny_.clear();
    hotovo_ = true;
    return {};
}

std::error_code NahradSoubor(const fs::path& soubor, std::string_view obsah) {
    TNahradaSouboru nahrada(soubor);
    nahrada.Zapis(obsah);
    return nahrada.Dokonci();
}

bool ZapisBezNahrady(const fs::path& soubor) {
    return platforma::CisloPopisovace(soubor) >= 0 ||
           platforma::DruhCile(CilOdkazu(soubor)) == platforma::TDruhCile::dcZarizeni;
}

void NastavZasahPoVytvoreni(std::function<void()> zasah) {
    Zasah() = std::move(zasah);
}

void platforma::PoVytvoreni() {
    if (Zasah())
        Zasah()();
}

void NastavPoruchuDisku(TPoruchaDisku porucha) {
    Porucha() = std::move(porucha);
}

std::string TextChyby(const std::error_code& chyba) {
    return chyba ? Utf8NaCp1250(chyba.message()) : std::string();
}
