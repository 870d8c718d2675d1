#include "conversion/Vystup.h"

namespace {
constexpr std::size_t kBuffer = 1 << 18;
}

TVystupniSoubor::TVystupniSoubor(std::filesystem::path cil) : cil_(std::move(cil)) {
    docasny_ = cil_;
    docasny_ += ".tmp";
    std::error_code ec;
    // The final name must be free for a file: a folder of that name cannot be replaced.
    if (std::filesystem::is_directory(cil_, ec))
        return;
    soubor_.open(docasny_, std::ios::binary | std::ios::trunc);
    otevreno_ = soubor_.is_open();
    buffer_.reserve(kBuffer);
}

TVystupniSoubor::~TVystupniSoubor() {
    if (!hotovo_)
        Zahod();
}

void TVystupniSoubor::Zahod() {
    if (!otevreno_)
        return;
    soubor_.close();
    std::error_code ec;
    std::filesystem::remove(docasny_, ec);
    otevreno_ = false;
}

void TVystupniSoubor::Vyprazdni() {
    if (!buffer_.empty() && otevreno_) {
        soubor_.write(buffer_.data(), std::streamsize(buffer_.size()));
        chyba_ = chyba_ || !soubor_;
    }
    buffer_.clear();
}

void TVystupniSoubor::Zapis(std::string_view data) {
    if (!otevreno_ || chyba_)
        return;
    if (buffer_.size() + data.size() <= kBuffer) {
        buffer_ += data;
        return;
    }
    Vyprazdni();
    if (data.size() >= kBuffer) {
        soubor_.write(data.data(), std::streamsize(data.size()));
        chyba_ = chyba_ || !soubor_;
    } else {
        buffer_ += data;
    }
}

bool TVystupniSoubor::Dokonci() {
    if (!otevreno_)
        return false;
    Vyprazdni();
    soubor_.close();
    chyba_ = chyba_ || soubor_.fail();
    std::error_code ec;
    if (!chyba_)
        std::filesystem::rename(docasny_, cil_, ec);
    if (chyba_ || ec) {
        std::filesystem::remove(docasny_, ec);
        otevreno_ = false;
        return false;
    }
    hotovo_ = true;
    return true;
}
