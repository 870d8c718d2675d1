// The record of one conversation with the instrument, kept in memory while it runs: each
// direction's bytes with their time since the start, and at the end one text for the log.
// Bounded: only the first and the last kKraj bytes are kept with their times, the bytes between
// are counted, so a large download costs no more than a small one and never pushes the records
// before it out of the log. The pieces of one burst (bytes of one direction without a pause
// between them) make one entry, however the system handed them over.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

class TZaznamKomunikace {
public:
    static constexpr std::size_t kKraj = 8192;

    // Starts a record; `zahlavi` (cp1250 lines, each ended by "\n") heads it after the time.
    void Zacni(const std::string& zahlavi);
    bool Bezi() const { return bezi_; }
    // Bytes written to the instrument (odeslano) or received from it, at time `kdy`.
    void Pridej(bool odeslano, std::string_view bajty,
                std::chrono::steady_clock::time_point kdy = std::chrono::steady_clock::now());
    // What the line said besides bytes (a parity error, a modem line that changed), at its
    // place among them (cp1250).
    void Poznamka(const std::string& text,
                  std::chrono::steady_clock::time_point kdy = std::chrono::steady_clock::now());
    // A pause shorter than this does not end a burst (at 300 Bd a byte takes 33 ms).
    static constexpr std::chrono::milliseconds kPauza{50};
    // The whole record, ended by the line that says how the command ended; the record stops.
    std::string Ukonci(const std::string& konec);

private:
    struct TUsek {
        bool Odeslano;
        std::chrono::steady_clock::duration Cas;
        std::string Bajty;
        std::string Poznamka; // not empty: a note instead of bytes
    };
    void PridejNaKonec(TUsek usek);
    void OrizniKonec();
    static void Vypis(std::string& text, const TUsek& usek);

    bool bezi_ = false;
    std::chrono::steady_clock::time_point start_;
    std::string zahlavi_;
    std::vector<TUsek> zacatek_;
    std::size_t bajtuZacatku_ = 0;
    std::deque<TUsek> konec_;
    std::size_t bajtuKonce_ = 0;
    std::uint64_t vynechano_ = 0;
    std::uint64_t odeslano_ = 0;
    std::uint64_t prijato_ = 0;
    int poznamek_ = 0; // notes are few: a line that keeps failing is told a bounded number of times
    bool posledniOdeslano_ = false;
    std::chrono::steady_clock::time_point posledni_; // the last bytes' time; none at the start
};
