#include "common/VerzeSouboru.h"

#include "common/VerzniZaznam.h"

#include <chrono>
#include <cstddef>
#include <cstdio>

namespace {

std::uint32_t CtiLE32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
           std::uint32_t(b[3]) << 24;
}

// The key as it stands in the file: UTF-16 little-endian with its terminating zero.
std::string KlicZaznamu() {
    std::string klic;
    for (const char c : std::string_view("VS_VERSION_INFO")) {
        klic += c;
        klic += '\0';
    }
    klic.append(2, '\0');
    return klic;
}

constexpr std::int64_t kJednotekZaDen = 864000000000; // 86400 s x 10^7
constexpr std::int64_t kDnuOd1601Do1899 = 109205;     // 1 Jan 1601 .. 30 Dec 1899
constexpr std::int64_t kJednotekOd1601Do1970 = 116444736000000000;

} // namespace

std::string TextVerze(std::uint32_t verzeMS, std::uint32_t verzeLS) {
    char text[48];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", unsigned(verzeMS >> 16),
                  unsigned(verzeMS & 0xFFFF), unsigned(verzeLS >> 16), unsigned(verzeLS & 0xFFFF));
    return text;
}

std::optional<std::string> NajdiVerzniZaznam(std::string_view bajty) {
    static const std::string klic = KlicZaznamu();
    constexpr std::size_t posunKlice = offsetof(TVerzniZaznam, Klic);
    for (auto k = bajty.find(klic); k != std::string_view::npos; k = bajty.find(klic, k + 1)) {
        if (k < posunKlice || bajty.size() - (k - posunKlice) < sizeof(TVerzniZaznam))
            continue;
        const char* pevna = bajty.data() + (k - posunKlice) + kPosunPevneCasti;
        if (CtiLE32(pevna) != kPodpisVerze)
            continue; // the key alone, e.g. the reader's own search text
        return TextVerze(CtiLE32(pevna + offsetof(TPevnaCastVerze, VerzeProduktuMS)),
                         CtiLE32(pevna + offsetof(TPevnaCastVerze, VerzeProduktuLS)));
    }
    return std::nullopt;
}

double DatumZCasuSouboru(std::int64_t stoNanosekundOd1601) {
    // count / 864000000000 - 109205, with the whole days divided exactly.
    const std::int64_t dny = stoNanosekundOd1601 / kJednotekZaDen;
    const std::int64_t zbytek = stoNanosekundOd1601 % kJednotekZaDen;
    return double(dny - kDnuOd1601Do1899) + double(zbytek) / double(kJednotekZaDen);
}

double DatumSouboru(const std::filesystem::path& soubor) {
    using TStoNanosekund = std::chrono::duration<std::int64_t, std::ratio<1, 10000000>>;
    const auto cas = std::chrono::file_clock::to_sys(std::filesystem::last_write_time(soubor));
    const auto od1970 = std::chrono::floor<TStoNanosekund>(cas).time_since_epoch().count();
    return DatumZCasuSouboru(od1970 + kJednotekOd1601Do1970);
}
