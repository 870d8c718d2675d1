#include "conversion/Cisla.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Powers of ten that a double holds exactly.
constexpr double kMocniny[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                               1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The common form of a measured value, digits with at most one point and fifteen digits in
// all: as an integer they are exact, and so is the power of ten, so one division gives the
// correctly rounded value that from_chars gives too, in a fraction of its time. False for
// any other text, which from_chars then reads.
bool KratkeCislo(const char* p, const char* konec, double& hodnota) {
    std::uint64_t cislice = 0;
    int pocet = 0;
    while (p != konec && *p >= '0' && *p <= '9')
        cislice = cislice * 10 + std::uint64_t(*p++ - '0'), ++pocet;
    int desetinna = 0;
    if (p != konec && *p == '.') {
        ++p;
        while (p != konec && *p >= '0' && *p <= '9')
            cislice = cislice * 10 + std::uint64_t(*p++ - '0'), ++desetinna;
        if (desetinna == 0)
            return false;
    }
    pocet += desetinna;
    if (p != konec || pocet == 0 || pocet > 15)
        return false;
    hodnota = double(cislice) / kMocniny[desetinna];
    return true;
}

} // namespace

bool CtiCisloDo(std::string_view text, double& hodnota) {
    const char* first = text.data();
    const char* last = first + text.size();
    // from_chars takes no "+" but does take "inf" and "nan"; a number starts with a digit
    // or the point once its one sign is gone.
    const char* body = first != last && (*first == '+' || *first == '-') ? first + 1 : first;
    if (first != last && *first == '+')
        ++first;
    if (body == last || !((*body >= '0' && *body <= '9') || *body == '.'))
        return false;
    double value = 0;
    if (KratkeCislo(body, last, value)) {
        hodnota = *first == '-' ? -value : value;
        return true;
    }
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || !std::isfinite(value))
        return false;
    hodnota = value;
    return true;
}

namespace {

// Pairs of digits "00" to "99", for writing two digits at once.
constexpr auto kDvojice = [] {
    std::array<char, 200> d{};
    for (int i = 0; i < 100; ++i) {
        d[std::size_t(2 * i)] = char('0' + i / 10);
        d[std::size_t(2 * i + 1)] = char('0' + i % 10);
    }
    return d;
}();

// Two digits of kDvojice as the two bytes of a number, the first in the lower byte.
std::uint64_t Dvojice(std::uint32_t i) {
    std::uint16_t d;
    std::memcpy(&d, &kDvojice[2 * i], 2);
    return d;
}

// A count of thousandths (D 3) or ten-thousandths (D 4) whose integer part is below a
// million (every distance and angle) written without a loop: six integer digits with leading
// zeros and the point with the decimals are put together in registers, and the integer digits
// are stored from the first significant one. A loop whose length follows the number's would
// be mispredicted at nearly every distance, and digits written one by one and read back as a
// whole would stall.
template <int D> char* ZapisKratkou(char* cil, bool minus, std::uint64_t cislo) {
    constexpr std::uint32_t kJednotka = D == 3 ? 1000 : 10000;
    const auto cela = std::uint32_t(cislo / kJednotka);
    const auto zlomek = std::uint32_t(cislo % kJednotka);
    const int cislic =
        1 + (cela >= 10) + (cela >= 100) + (cela >= 1000) + (cela >= 10000) + (cela >= 100000);
    const std::uint64_t sest =
        Dvojice(cela / 10000) | Dvojice(cela / 100 % 100) << 16 | Dvojice(cela % 100) << 32;
    const std::uint64_t cele = sest >> (8 * (6 - cislic));
    const std::uint64_t desetinna =
        D == 3 ? std::uint64_t('.') | std::uint64_t('0' + zlomek / 100) << 8 |
                     Dvojice(zlomek % 100) << 16
               : std::uint64_t('.') | Dvojice(zlomek / 100) << 8 | Dvojice(zlomek % 100) << 24;
    *cil = '-';
    cil += minus;
    std::memcpy(cil, &cele, 8);
    std::memcpy(cil + cislic, &desetinna, 8);
    return cil + cislic + 1 + D;
}

// `value` with D decimals (3 or 4) and "." at `cil`, as the general formatter writes it: the
// double's mantissa times 5^D is an exact 63-bit integer, and shifting it by the exponent
// (and D for the 2^D of 10^D) with rounding to the nearest, ties to even, is what the
// general formatter does with the exact decimal value. Integers only, so no rounding mode or
// x87 precision matters. Bytes after the end, up to kNejdelsiTriDesetinna from `cil`, may be
// overwritten; nullptr for a value that is not finite or not below 1e15 in magnitude.
template <int D> char* ZapisDesetinna(char* cil, double value) {
    if (!(std::fabs(value) < 1e15))
        return nullptr;
    const std::uint64_t bity = std::bit_cast<std::uint64_t>(value);
    const bool zaporne = (bity >> 63) != 0;
    const int exponent = int((bity >> 52) & 0x7ff);
    std::uint64_t mantisa = bity & ((std::uint64_t(1) << 52) - 1);
    if (exponent != 0)
        mantisa |= std::uint64_t(1) << 52;
    // value * 10^D = mantisa * 5^D * 2^posun, exactly; 5^D keeps the product within 63 bits.
    const int posun = (exponent == 0 ? 1 : exponent) - 1075 + D;
    const std::uint64_t soucin = mantisa * (D == 3 ? 125 : 625);
    std::uint64_t zbytek = 0;
    if (posun >= 0) {
        zbytek = soucin << posun; // below 1e15 * 10^D, so within 64 bits
    } else if (posun > -64) {
        const int doprava = -posun;
        zbytek = soucin >> doprava;
        const std::uint64_t odriznuto = soucin & ((std::uint64_t(1) << doprava) - 1);
        const std::uint64_t polovina = std::uint64_t(1) << (doprava - 1);
        if (odriznuto > polovina || (odriznuto == polovina && (zbytek & 1) != 0))
            ++zbytek;
    }
    const bool minus = zaporne && zbytek != 0;
    if (zbytek < (D == 3 ? 1000000000u : 10000000000u))
        return ZapisKratkou<D>(cil, minus, zbytek);
    char buffer[kNejdelsiTriDesetinna];
    char* p = buffer + sizeof buffer;
    for (int i = 0; i < D; ++i) {
        *--p = char('0' + zbytek % 10);
        zbytek /= 10;
    }
    *--p = '.';
    do {
        *--p = char('0' + zbytek % 10);
        zbytek /= 10;
    } while (zbytek != 0);
    if (minus)
        *--p = '-';
    const auto delka = std::size_t(buffer + sizeof buffer - p);
    std::memcpy(cil, p, delka);
    return cil + delka;
}

} // namespace

char* ZapisTriDesetinna(char* cil, double value) {
    return ZapisDesetinna<3>(cil, value);
}

bool PripojPevne(std::string& out, double value, int decimals) {
    if (!std::isfinite(value))
        return false;
    if (decimals == 3 || decimals == 4) {
        char text[kNejdelsiTriDesetinna];
        if (const char* konec =
                decimals == 3 ? ZapisDesetinna<3>(text, value) : ZapisDesetinna<4>(text, value)) {
            out.append(text, std::size_t(konec - text));
            return true;
        }
    }
    char buffer[kNejdelsiPevne];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return false;
    const char* begin = buffer;
    if (*begin == '-') {
        bool zero = true;
        for (const char* p = begin + 1; p != end && zero; ++p)
            zero = *p == '0' || *p == '.';
        if (zero)
            ++begin;
    }
    out.append(begin, std::size_t(end - begin));
    return true;
}
