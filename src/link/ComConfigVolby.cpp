#include "link/ComConfigVolby.h"

#include <array>

namespace {
constexpr std::array kRychlosti{br300,  br600,   br1200,  br2400,  br4800,
                                br9600, br19200, br38400, br57600, br115200};
constexpr std::array kParity{paNone, paEven, paOdd};
constexpr std::array kStopBity{sbOne, sbTwo};
constexpr std::array kDatoveBity{db4, db5, db6, db7, db8};
constexpr std::array<const char*, 5> kTextyDatovychBitu{"4", "5", "6", "7", "8"};
constexpr std::array kTypyStanice{TTypStanice::tsNTS350, TTypStanice::tsNTS660};

template <class Pole, class Hodnota> int Index(const Pole& pole, Hodnota hodnota) {
    for (size_t i = 0; i < pole.size(); ++i)
        if (pole[i] == hodnota)
            return static_cast<int>(i);
    return -1;
}

template <class Pole>
std::optional<typename Pole::value_type> ZIndexu(const Pole& pole, int index) {
    if (index < 0 || index >= static_cast<int>(pole.size()))
        return std::nullopt;
    return pole[static_cast<size_t>(index)];
}
} // namespace

int IndexRychlosti(TSpBaudrate rychlost) {
    return Index(kRychlosti, rychlost);
}
std::optional<TSpBaudrate> RychlostZIndexu(int index) {
    return ZIndexu(kRychlosti, index);
}

int IndexParity(TSpParity parita) {
    return Index(kParity, parita);
}
std::optional<TSpParity> ParitaZIndexu(int index) {
    return ZIndexu(kParity, index);
}

int IndexStopBitu(TSpStopbits stopBity) {
    return Index(kStopBity, stopBity);
}
std::optional<TSpStopbits> StopBityZIndexu(int index) {
    return ZIndexu(kStopBity, index);
}

std::string TextDatovychBitu(TSpDatabits datoveBity) {
    const int i = Index(kDatoveBity, datoveBity);
    return i < 0 ? std::string() : kTextyDatovychBitu[static_cast<size_t>(i)];
}

std::optional<TSpDatabits> DatoveBityZTextu(const std::string& text) {
    for (size_t i = 0; i < kTextyDatovychBitu.size(); ++i)
        if (text == kTextyDatovychBitu[i])
            return kDatoveBity[i];
    return std::nullopt;
}

int IndexTypuStanice(TTypStanice typStanice) {
    return Index(kTypyStanice, typStanice);
}
