// The line source of every measured-data reader: lines of cp1250 bytes cut as every text of
// the program is (common/Radky.h), read in large chunks so that a file of any size streams
// through a few small buffers, with a push-back of one line for the observation look-ahead.
#pragma once

#include "common/Radky.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
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
    // Whether every line yielded may be read kPresah bytes past its end (bytes that are not
    // the line's): a file's lines may, in their buffers; a text in memory ends where it ends.
    static constexpr std::size_t kPresah = 16;
    bool PresahRadku() const { return !buffery_.empty(); }
    // Size of the input in bytes, for sizing output buffers (0 when unknown).
    std::uintmax_t Velikost() const { return velikost_; }

    // Starts again at the first line.
    void Zacatek();
    // The next line without its line end; false at the end of the input. The text stays
    // valid until Zacatek, and while a later Dalsi has not read a further chunk twice (a
    // line is never moved: a chunk goes into another buffer).
    bool Dalsi(std::string_view& radek) {
        if (vraceno_) {
            vraceno_ = false;
            radek = posledni_;
            return true;
        }
        // Inline for a line whole in the chunk at hand, which is nearly every line: the call
        // is a good part of a line's cost. A CR as the chunk's last byte may be half of CR LF.
        const char* p = data_ + zacatek_;
        const char* e = data_ + konec_;
        const char* k = HledejKonecRadku(p, e);
        if (k == e || (k + 1 == e && *k == '\r'))
            return DalsiNaKonciKusu(radek);
        posledni_ = std::string_view(p, std::size_t(k - p));
        obdobiPosledniho_ = obdobi_;
        zacatek_ += posledni_.size() + (*k == '\r' && k[1] == '\n' ? 2 : 1);
        ++cislo_;
        radek = posledni_;
        return true;
    }
    // Keeps the last line yielded and every line after it valid until the next Drz or
    // Zacatek, however many chunks are read meanwhile: a record that spans several lines
    // holds views into them instead of copies.
    void Drz() { drzenoOd_ = obdobiPosledniho_; }
    // The bytes not yet yielded that are at hand, uncut, for a check that looks at bytes only
    // (the whole text in a few large pieces); false at the end. Lines are not counted.
    bool DalsiKus(std::string_view& kus);
    // From now on every chunk read from the file is checked to be plain ASCII text (as
    // JenProstyText has it); at the first that is not, the input ends there for good. A file
    // can so be converted in the same pass that checks it.
    void HlidejProstyText() { hlidat_ = true; }
    // Whether, so watched, the file has been read to its end and was plain text throughout.
    bool ProstyText() const { return hlidat_ && vsechnoNacteno_ && !neprosty_; }
    // Gives the last line back: the next Dalsi yields it again.
    void Vrat() { vraceno_ = true; }
    // Number of the last line yielded, counted from 1.
    std::size_t Cislo() const { return cislo_; }

private:
    // A buffer of the file's chunks. Each chunk goes into a buffer other than the current
    // one, so that the lines of the chunk before stay where they are.
    struct TBuffer {
        // Velikost bytes for the chunk and kPresah zeros after them; not filled with zeros
        // when made, as the chunk overwrites them anyway.
        std::unique_ptr<char[]> Data;
        std::size_t Velikost = 0;
        std::size_t Obdobi = 0; // the last period in which it was the current buffer
    };

    static void Zvetsi(TBuffer& buffer, std::size_t velikost);
    bool DalsiNaKonciKusu(std::string_view& radek);
    bool Dopln();

    bool otevreno_ = false;
    std::uintmax_t velikost_ = 0;
    std::ifstream soubor_;
    std::vector<TBuffer> buffery_;
    std::size_t aktualni_ = 0;
    // Periods are counted by the chunks read; a buffer current in the period of the held
    // line or later is not filled again.
    std::size_t obdobi_ = 0;
    std::size_t obdobiPosledniho_ = 0;
    std::size_t drzenoOd_ = SIZE_MAX; // nothing held
    const char* data_ = nullptr;      // the text in memory, or the current buffer
    std::size_t zacatek_ = 0;         // first byte not yet yielded
    std::size_t konec_ = 0;           // end of the bytes at hand
    bool vsechnoNacteno_ = false;
    bool vraceno_ = false;
    bool hlidat_ = false;
    bool neprosty_ = false;
    std::string_view posledni_;
    std::size_t cislo_ = 0;
};
