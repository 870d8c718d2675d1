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
    void push_back(std::string_view kus) {
        if (pocet_ == misto_.size()) [[unlikely]]
            Zvetsi();
        misto_[pocet_++] = kus;
    }
    void emplace_back(const char* data, std::size_t delka) { push_back({data, delka}); }
    void emplace_back() { push_back({}); }

    bool operator==(const TKusy& jine) const {
        return pocet_ == jine.pocet_ && std::equal(begin(), end(), jine.begin());
    }

private:
    void Zvetsi() { misto_.resize(misto_.empty() ? 8 : 2 * misto_.size()); }

    std::vector<std::string_view> misto_;
    std::size_t pocet_ = 0;
};

void RozdelSlova(std::string_view radek, TKusy& slova);
void RozdelPole(std::string_view slovo, TKusy& pole);
// Sixteen bytes of a line, compared with a byte all at once (b == ' ' gives FFh in every
// byte that is a blank and 0 in the others): vector instructions wherever the processor has
// them.
using TSestnact = unsigned char __attribute__((vector_size(16)));

// Calls kazdy(i) for every byte i of the n bytes at z that `znaky` marks, in order, sixteen
// bytes at a time: znaky gets sixteen bytes and gives FFh in each that is wanted (comparisons
// as above), 0 in the others. The last bytes are looked at in the sixteen that end the text,
// the ones seen before masked off, so that no loop of a line's own length remains; a shorter
// text is put together from two eight-byte loads (copied below eight bytes), the rest masked.
template <class TZnaky, class TKazdy>
inline void ProjdiSestnactky(const char* z, std::size_t n, TZnaky znaky, TKazdy kazdy) {
    static_assert(std::endian::native == std::endian::little);
    // One bit of every byte's mark, so that clearing the lowest bit goes to the next byte.
    constexpr std::uint64_t kBity = 0x8080808080808080u;
    auto projdi = [&](const TSestnact& b, std::size_t od, std::uint64_t nove0,
                      std::uint64_t nove1) {
        const auto znacky = znaky(b);
        std::uint64_t pulky[2];
        std::memcpy(pulky, &znacky, 16);
        for (std::uint64_t m = pulky[0] & nove0; m != 0; m &= m - 1)
            kazdy(od + std::size_t(std::countr_zero(m)) / 8);
        for (std::uint64_t m = pulky[1] & nove1; m != 0; m &= m - 1)
            kazdy(od + 8 + std::size_t(std::countr_zero(m)) / 8);
    };
    std::size_t i = 0;
    TSestnact b;
    for (; i + 16 <= n; i += 16) {
        std::memcpy(&b, z + i, 16);
        projdi(b, i, kBity, kBity);
    }
    if (i == n)
        return;
    if (n >= 16) {
        std::memcpy(&b, z + n - 16, 16);
        const std::size_t videno = 16 - (n - i); // 1 to 15 bytes at the front
        projdi(b, n - 16, videno >= 8 ? 0 : kBity << (8 * videno),
               videno <= 8 ? kBity : kBity << (8 * (videno - 8)));
        return;
    }
    std::uint64_t pulky[2] = {0, 0};
    if (n > 8) {
        std::uint64_t konec;
        std::memcpy(&pulky[0], z, 8);
        std::memcpy(&konec, z + n - 8, 8);
        pulky[1] = konec >> (8 * (16 - n));
    } else {
        std::memcpy(&pulky[0], z, n);
    }
    std::memcpy(&b, pulky, 16);
    projdi(b, 0, n >= 8 ? kBity : kBity & ((std::uint64_t(1) << (8 * n)) - 1),
           n > 8 ? kBity >> (8 * (16 - n)) : 0);
}

// Both in one pass over the line: its words, and the fields of its second word (none when
// it has no second word), which is where every record keeps its values.
void RozdelSlovaAPole(std::string_view radek, TKusy& slova, TKusy& pole);

// Sees every line once, as a reader that cuts every line up anyway has cut it (the fields of
// its second word), so that a check rides along without reading or cutting it again.
class TSledovaniRozkladu {
public:
    virtual ~TSledovaniRozkladu() = default;
    virtual void NovyRadek(std::string_view radek, std::size_t cislo, const TKusy& pole) = 0;
};
