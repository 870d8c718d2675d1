// Lines of a text whose line ends are CR LF, a lone CR or a lone LF: the one rule for every
// text the program reads (the settings file, measured data, point and code files, the text to
// send, the downloaded data shown). Line ends are not kept; a line end at the very end opens
// no further line, so "A\r\n" is one line and "A\r\n\r\n" two, the second empty; "A\r\r\n" is
// "A" and an empty line.
#pragma once

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

// The first CR or LF in [p, e), or e. Eight bytes are tested at a time for any byte below
// 0Eh, which ordinary text does not have; only such a word is looked at byte by byte.
inline const char* HledejKonecRadku(const char* p, const char* e) {
    constexpr std::uint64_t kJednicky = 0x0101010101010101u;
    constexpr std::uint64_t kVysoke = 0x8080808080808080u;
    while (e - p >= 8) {
        std::uint64_t slovo;
        std::memcpy(&slovo, p, 8);
        if (((slovo - 0x0E * kJednicky) & ~slovo & kVysoke) != 0)
            break;
        p += 8;
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
