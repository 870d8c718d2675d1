// The line source of every measured-data reader: lines of cp1250 bytes cut as every text of
// the program is (common/Radky.h), read in large chunks so that a file of any size streams
// through a small buffer, with a push-back of one line for the observation look-ahead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

// A text in memory as a reader's input (not copied: it must outlive the reader).
struct TText {
    std::string_view Obsah;
};

class TCteckaRadku {
public:
    explicit TCteckaRadku(TText text);
    // The lines of a file; Otevreno() says whether it could be opened for reading.
    explicit TCteckaRadku(const std::filesystem::path& soubor);

    TCteckaRadku(const TCteckaRadku&) = delete;
    TCteckaRadku& operator=(const TCteckaRadku&) = delete;

    bool Otevreno() const { return otevreno_; }
    // Size of the input in bytes, for sizing output buffers (0 when unknown).
    std::uintmax_t Velikost() const { return velikost_; }

    // Starts again at the first line.
    void Zacatek();
    // The next line without its line end; false at the end of the input. The text stays
    // valid until the next call of Dalsi or Zacatek.
    bool Dalsi(std::string_view& radek);
    // The bytes not yet yielded that are at hand, uncut, for a check that looks at bytes only
    // (the whole text in a few large pieces); false at the end. Lines are not counted.
    bool DalsiKus(std::string_view& kus);
    // Gives the last line back: the next Dalsi yields it again.
    void Vrat() { vraceno_ = true; }
    // Number of the last line yielded, counted from 1.
    std::size_t Cislo() const { return cislo_; }

private:
    bool Dopln();

    bool otevreno_ = false;
    std::uintmax_t velikost_ = 0;
    std::ifstream soubor_;
    std::vector<char> buffer_;
    const char* data_ = nullptr; // the text in memory, or the buffer
    std::size_t zacatek_ = 0;    // first byte not yet yielded
    std::size_t konec_ = 0;      // end of the bytes at hand
    bool vsechnoNacteno_ = false;
    bool vraceno_ = false;
    std::string_view posledni_;
    std::size_t cislo_ = 0;
};
