// The version record of a program file. It has the layout of the root block of a Windows
// version resource (VS_VERSIONINFO followed by its fixed part), so that the same record and
// the same reader serve every system: Windows builds get it from their resource script,
// other builds embed it as a variable, and VerzeSouboru finds it in the file by its key and
// signature.
#pragma once

#include <cstdint>

// The fixed part of the record (VS_FIXEDFILEINFO), all fields little-endian on disk.
struct TPevnaCastVerze {
    std::uint32_t Podpis;          // dwSignature, always kPodpisVerze
    std::uint32_t VerzeStruktury;  // dwStrucVersion
    std::uint32_t VerzeSouboruMS;  // dwFileVersionMS
    std::uint32_t VerzeSouboruLS;  // dwFileVersionLS
    std::uint32_t VerzeProduktuMS; // dwProductVersionMS: major << 16 | minor
    std::uint32_t VerzeProduktuLS; // dwProductVersionLS: release << 16 | build
    std::uint32_t MaskaPriznaku;
    std::uint32_t Priznaky;
    std::uint32_t System;
    std::uint32_t Typ;
    std::uint32_t Podtyp;
    std::uint32_t DatumMS;
    std::uint32_t DatumLS;
};

struct TVerzniZaznam {
    std::uint16_t Delka;        // wLength: the whole record
    std::uint16_t DelkaHodnoty; // wValueLength: the fixed part
    std::uint16_t Druh;         // wType: 0 = binary
    char16_t Klic[16];          // L"VS_VERSION_INFO"
    std::uint16_t Vyplne;       // aligns the fixed part to 32 bits
    TPevnaCastVerze Hodnota;
};

inline constexpr std::uint32_t kPodpisVerze = 0xFEEF04BD;
inline constexpr unsigned kPosunPevneCasti = 40; // offset of the fixed part in the record
static_assert(sizeof(TPevnaCastVerze) == 52);
static_assert(sizeof(TVerzniZaznam) == kPosunPevneCasti + sizeof(TPevnaCastVerze));

constexpr TVerzniZaznam VytvorVerzniZaznam(std::uint16_t hlavni, std::uint16_t vedlejsi,
                                           std::uint16_t vydani, std::uint16_t sestaveni) {
    const std::uint32_t ms = std::uint32_t(hlavni) << 16 | vedlejsi;
    const std::uint32_t ls = std::uint32_t(vydani) << 16 | sestaveni;
    return TVerzniZaznam{sizeof(TVerzniZaznam),
                         sizeof(TPevnaCastVerze),
                         0,
                         u"VS_VERSION_INFO",
                         0,
                         {kPodpisVerze, 0x00010000, ms, ls, ms, ls, 0x3F, 0, 0, 1, 0, 0, 0}};
}
