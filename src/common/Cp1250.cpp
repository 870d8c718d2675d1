#include "common/Cp1250.h"

#include <array>
#include <cstdint>

namespace {
// Code points of the bytes 80h..FFh, eight to a row.
// clang-format off
constexpr std::array<char16_t, 128> kHorniPolovina = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,};
// clang-format on
} // namespace

char32_t Cp1250NaUnicode(unsigned char byte) {
    return byte < 0x80 ? char32_t(byte) : char32_t(kHorniPolovina[byte - 0x80]);
}

int UnicodeNaCp1250(char32_t codePoint) {
    if (codePoint < 0x80)
        return int(codePoint);
    for (std::size_t i = 0; i < kHorniPolovina.size(); ++i)
        if (kHorniPolovina[i] == codePoint)
            return int(0x80 + i);
    return -1;
}

std::string Cp1250NaUtf8(const std::string& cp1250) {
    std::string out;
    out.reserve(cp1250.size() + cp1250.size() / 4);
    for (const char c : cp1250) {
        const char32_t u = Cp1250NaUnicode(static_cast<unsigned char>(c));
        if (u < 0x80) {
            out += char(u);
        } else if (u < 0x800) {
            out += char(0xC0 | (u >> 6));
            out += char(0x80 | (u & 0x3F));
        } else {
            out += char(0xE0 | (u >> 12));
            out += char(0x80 | ((u >> 6) & 0x3F));
            out += char(0x80 | (u & 0x3F));
        }
    }
    return out;
}

std::string Utf8NaCp1250(const std::string& utf8, char replacement) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80           ? 1
                           : (lead >> 5) == 0x6  ? 2
                           : (lead >> 4) == 0xE  ? 3
                           : (lead >> 3) == 0x1E ? 4
                                                 : 0;
        bool valid = length > 0 && i + std::size_t(length) <= utf8.size();
        char32_t u = length == 1   ? lead
                     : length == 2 ? (lead & 0x1F)
                     : length == 3 ? (lead & 0x0F)
                                   : (lead & 0x07);
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + std::size_t(k)]);
            valid = (next & 0xC0) == 0x80;
            u = (u << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += replacement;
            ++i;
            continue;
        }
        const int byte = UnicodeNaCp1250(u);
        out += byte < 0 ? replacement : char(byte);
        i += std::size_t(length);
    }
    return out;
}

std::string Cz(const char* utf8) {
    return Utf8NaCp1250(utf8);
}
