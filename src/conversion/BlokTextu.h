// A growing text that a writer fills through a pointer: room for a whole output line is made
// once (Misto), the pieces are copied in without a check each, and the end is set after them
// (Konec). A string appended piece by piece checks its room and ends itself with a zero at
// every piece, which for the short pieces of an output line costs more than the copying.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

class TBlokTextu {
public:
    // A pointer to at least `n` free bytes after the text.
    char* Misto(std::size_t n) {
        if (kapacita_ - delka_ < n)
            Zvetsi(n);
        return data_.get() + delka_;
    }
    // The text now ends at `konec`, a pointer into the room Misto gave.
    void Konec(const char* konec) { delka_ = std::size_t(konec - data_.get()); }

    void Pripoj(std::string_view text) { Konec(Kopiruj(Misto(text.size()), text)); }
    void Vyprazdni() { delka_ = 0; }
    void Rezervuj(std::size_t n) { Misto(n); }

    std::size_t size() const { return delka_; }
    std::string_view Text() const { return {data_.get(), delka_}; }

    // Copies `text` to `cil` and returns the end of the copy.
    static char* Kopiruj(char* cil, std::string_view text) {
        if (!text.empty())
            std::memcpy(cil, text.data(), text.size());
        return cil + text.size();
    }

    // As Kopiruj, but a text of 1 to 16 bytes as sixteen at once: the sixteen bytes from the
    // text's start must be readable (a string's are, a line's when its reader says so) and
    // the room must hold them.
    static char* KopirujSPresahem(char* cil, std::string_view text) {
        if (text.size() - 1 < 16) {
            std::memcpy(cil, text.data(), 16);
            return cil + text.size();
        }
        return Kopiruj(cil, text);
    }

private:
    void Zvetsi(std::size_t n) {
        std::size_t nova = kapacita_ * 2 > 256 ? kapacita_ * 2 : 256;
        if (nova < delka_ + n)
            nova = delka_ + n;
        auto data = std::make_unique_for_overwrite<char[]>(nova);
        if (delka_ > 0)
            std::memcpy(data.get(), data_.get(), delka_);
        data_ = std::move(data);
        kapacita_ = nova;
    }

    std::unique_ptr<char[]> data_;
    std::size_t delka_ = 0;
    std::size_t kapacita_ = 0;
};
