// How every line of a measured-data file is cut up: into words at blanks (a run of blanks
// counts as one, so a line that starts with a blank has an empty first word and a blank at
// the end adds nothing) and a word into fields at commas (empty fields kept, a comma at the
// end adds none). Only the space is a blank; a tab is an ordinary character.
//
// The pieces are views into the line, so cutting allocates nothing once the vectors have
// grown.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

// The pieces of a line. Like a vector of views, but clearing keeps the elements' room and
// adding one is a comparison and a store, inline: a line's cutting adds a piece at every
// blank and comma, and a call for each was a good part of it.
class TKusy {
public:
    using value_type = std::string_view;
    using const_iterator = const std::string_view*;
    using iterator = const_iterator;

    std::size_t size() const { return pocet_; }
    bool empty() const { return pocet_ == 0; }
    const std::string_view& operator[](std::size_t i) const { return misto_[i]; }
    const std::string_view& front() const { return misto_[0]; }
    const_iterator begin() const { return misto_.data(); }
    const_iterator end() const { return misto_.data() + pocet_; }
    void clear() { pocet_ = 0; }
    // Inline by force: the compiler stops inlining them in a grown cutter, and the call was
    // dearer than the add.
    [[gnu::always_inline]] void push_back(std::string_view kus) {
        if (pocet_ == kapacita_) [[unlikely]]
            Zvetsi();
        misto_[pocet_++] = kus;
    }
    [[gnu::always_inline]] void emplace_back(const char* data, std::size_t delka) {
        push_back({data, delka});
    }
    void emplace_back() { push_back({}); }

    bool operator==(const TKusy& jine) const {
        return pocet_ == jine.pocet_ && std::equal(begin(), end(), jine.begin());
    }

private:
    void Zvetsi() {
        kapacita_ = kapacita_ == 0 ? 8 : 2 * kapacita_;
        misto_.resize(kapacita_);
    }

    std::vector<std::string_view> misto_;
    std::size_t pocet_ = 0;
    std::size_t kapacita_ = 0; // misto_.size(), kept so that adding does not work it out
};

void RozdelSlova(std::string_view radek, TKusy& slova);
void RozdelPole(std::string_view slovo, TKusy& pole);
// 80h in every byte of the eight in `osm` that is `znak` and in no other (no false mark from
// a neighbouring byte), for going through a line eight bytes at a time.
inline std::uint64_t ZnakyVOsmi(std::uint64_t osm, char znak) {
    constexpr std::uint64_t kJednicky = 0x0101010101010101u;
    constexpr std::uint64_t kSedm = 0x7F7F7F7F7F7F7F7Fu;
    const std::uint64_t x = osm ^ (kJednicky * static_cast<unsigned char>(znak));
    return ~(((x & kSedm) + kSedm) | x | kSedm);
}

// Calls kazdy(i) for every byte i of the n bytes at z that `znaky` marks (a mask as
// ZnakyVOsmi gives it, made from eight bytes), in order, eight bytes at a time. The last
// bytes are looked at in the eight that end the text, the ones seen before masked off, so
// that no loop of a line's own length remains; a text shorter than eight goes byte by byte.
template <class TZnaky, class TKazdy>
inline void ProjdiOsmice(const char* z, std::size_t n, TZnaky znaky, TKazdy kazdy) {
    std::size_t i = 0;
    std::uint64_t osm;
    for (; i + 8 <= n; i += 8) {
        std::memcpy(&osm, z + i, 8);
        for (std::uint64_t m = znaky(osm); m != 0; m &= m - 1)
            kazdy(i + std::size_t(std::countr_zero(m)) / 8);
    }
    if (i == n)
        return;
    if (n >= 8) {
        std::memcpy(&osm, z + n - 8, 8);
        const std::size_t videno = 8 - (n - i);
        for (std::uint64_t m = znaky(osm) & (~std::uint64_t(0) << (8 * videno)); m != 0; m &= m - 1)
            kazdy(n - 8 + std::size_t(std::countr_zero(m)) / 8);
        return;
    }
    // Fewer than eight bytes: copied into eight, the rest zero (no zero is ever looked for).
    osm = 0;
    std::memcpy(&osm, z, n);
    for (std::uint64_t m = znaky(osm) & ((std::uint64_t(1) << (8 * n)) - 1); m != 0; m &= m - 1)
        kazdy(std::size_t(std::countr_zero(m)) / 8);
}

// Sixteen bytes of a line, compared with a byte all at once (b == ' ' gives FFh in every
// byte that is a blank, 0 in the others): vector instructions wherever the processor has them.
using TSestnact = unsigned char __attribute__((vector_size(16)));

// The marks of a comparison of sixteen bytes (FFh or 0 each) as two halves with one bit per
// byte (80h, so that clearing the lowest bit goes to the next byte), of the first `n` bytes
// only: those of a text that ends there (all sixteen for n of 16 or more).
template <class TZnacky>
inline void BityZnacek(TZnacky znacky, std::size_t n, std::uint64_t (&bity)[2]) {
    constexpr std::uint64_t kBity = 0x8080808080808080u;
    std::memcpy(bity, &znacky, 16);
    bity[0] &= kBity;
    bity[1] &= kBity;
    if (n <= 8) {
        bity[1] = 0;
        if (n < 8)
            bity[0] &= (std::uint64_t(1) << (8 * n)) - 1;
    } else if (n < 16) {
        bity[1] &= (std::uint64_t(1) << (8 * (n - 8))) - 1;
    }
}

// As ProjdiOsmice, for a text that may be read sixteen bytes past its end (a line of a file,
// TCteckaRadku::PresahRadku): sixteen bytes at a time, `znaky` taking them as TSestnact and
// giving FFh in every byte wanted; the marks past the end are dropped.
template <class TZnaky, class TKazdy>
inline void ProjdiSPresahem(const char* z, std::size_t n, TZnaky znaky, TKazdy kazdy) {
    for (std::size_t i = 0; i < n; i += 16) {
        TSestnact b;
        std::memcpy(&b, z + i, 16);
        std::uint64_t m[2];
        BityZnacek(znaky(b), n - i, m);
        for (; m[0] != 0; m[0] &= m[0] - 1)
            kazdy(i + std::size_t(std::countr_zero(m[0])) / 8);
        for (; m[1] != 0; m[1] &= m[1] - 1)
            kazdy(i + 8 + std::size_t(std::countr_zero(m[1])) / 8);
    }
}

// Both in one pass over the line: its words, and the fields of its second word (none when
// it has no second word), which is where every record keeps its values. With `presah` the
// line may be read sixteen bytes past its end (ProjdiSPresahem).
void RozdelSlovaAPole(std::string_view radek, TKusy& slova, TKusy& pole, bool presah = false);

// Sees every line once, as a reader that cuts every line up anyway has cut it (the fields of
// its second word), so that a check rides along without reading or cutting it again.
class TSledovaniRozkladu {
public:
    virtual ~TSledovaniRozkladu() = default;
    virtual void NovyRadek(std::string_view radek, std::size_t cislo, const TKusy& pole) = 0;
};
