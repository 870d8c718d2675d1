// Lines of a text whose line ends are CR LF, a lone CR or a lone LF: the one rule for every
// text the program reads (the settings file, measured data, point and code files, the text to
// send, the downloaded data shown). Line ends are not kept; a line end at the very end opens
// no further line, so "A\r\n" is one line and "A\r\n\r\n" two, the second empty; "A\r\r\n" is
// "A" and an empty line.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

// A line cut from the front of a text.
struct TRadek {
    std::string_view Text; // without its line end
    std::size_t Dalsi = 0; // where the next line starts in the text
};

// The first CR or LF in [p, e), or e. Sixteen bytes are compared at a time (vector
// instructions wherever the processor has them); the first line end among them is the lowest
// marked byte, as the processors the program runs on store the lowest address lowest.
inline const char* HledejKonecRadku(const char* p, const char* e) {
    static_assert(std::endian::native == std::endian::little);
    using TBajty = unsigned char __attribute__((vector_size(16)));
    while (e - p >= 16) {
        TBajty b;
        std::memcpy(&b, p, 16);
        const auto konec = (b == '\r') | (b == '\n');
        std::uint64_t pulky[2];
        std::memcpy(pulky, &konec, 16);
        if (pulky[0] != 0)
            return p + std::countr_zero(pulky[0]) / 8;
        if (pulky[1] != 0)
            return p + 8 + std::countr_zero(pulky[1]) / 8;
        p += 16;
    }
    for (; p != e; ++p)
        if (*p == '\r' || *p == '\n')
            return p;
    return e;
}

// The first line of `text`; nothing when `text` is empty. When more of the text may follow
// (`celyText` false, a reader going through a file in pieces), a line comes only once its end
// is seen whole: never without a line end, and not while that end is a CR as the last byte,
// which may be the first half of CR LF. Inline, because the converter reads every line of
// measured data of any size through here: a call per line costs it a third of its reading
// speed.
inline std::optional<TRadek> PrvniRadek(std::string_view text, bool celyText = true) {
    if (text.empty())
        return std::nullopt;
    const char* p = text.data();
    const char* e = p + text.size();
    const char* k = HledejKonecRadku(p, e);
    if (k == e) {
        if (!celyText)
            return std::nullopt;
        return TRadek{text, text.size()};
    }
    if (*k == '\r' && k + 1 == e && !celyText)
        return std::nullopt;
    const bool crLf = *k == '\r' && k + 1 != e && k[1] == '\n';
    const auto delka = std::size_t(k - p);
    return TRadek{std::string_view(p, delka), delka + (crLf ? 2 : 1)};
}

// Every line of a whole text, as views into it.
std::vector<std::string_view> RadkyTextu(std::string_view text);
