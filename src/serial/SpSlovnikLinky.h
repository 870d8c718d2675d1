// The words of the line: one table per line setting, read by everything that names a setting
// (the settings file, the settings dialog, merivox-cli, the conversation record, the DCB), and
// the name of a port. A table's rows in order are the settings dialog's items; a value the
// port component takes but the program offers nowhere (br14400, paMark, sbOneAndHalf) has no
// word, so none is written for it and none reads back to it.
#pragma once

#include "serial/SpTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Every member but brUser, in the enumeration's order, with its rate; `Nabizena` marks the
// rates the settings file, the settings dialog and merivox-cli know.
struct TSpRadekRychlosti {
    TSpBaudrate Hodnota;
    uint32_t Cislo;
    bool Nabizena;
};
inline constexpr TSpRadekRychlosti kSpRychlosti[] = {
    {br110, 110, false},      {br300, 300, true},        {br600, 600, true},
    {br1200, 1200, true},     {br2400, 2400, true},      {br4800, 4800, true},
    {br9600, 9600, true},     {br14400, 14400, false},   {br19200, 19200, true},
    {br38400, 38400, true},   {br56000, 56000, false},   {br57600, 57600, true},
    {br115200, 115200, true}, {br128000, 128000, false}, {br256000, 256000, false},
};

// The word is the settings file's, merivox-cli's (in any case) and the record's.
struct TSpRadekParity {
    TSpParity Hodnota;
    const char* Slovo;
};
inline constexpr TSpRadekParity kSpParity[] = {{paNone, "None"}, {paEven, "Even"}, {paOdd, "Odd"}};

// The word as for parity; merivox-cli and the dialog also take the number.
struct TSpRadekStopBitu {
    TSpStopbits Hodnota;
    const char* Slovo;
    int Cislo;
};
inline constexpr TSpRadekStopBitu kSpStopBity[] = {{sbOne, "One", 1}, {sbTwo, "Two", 2}};

// Data bits are their number everywhere (4 to 8, the DCB's ByteSize too). `NaLince` marks the
// counts a line takes: POSIX terminals know CS5 to CS8 only, and Windows drivers refuse a
// ByteSize of 4, so four is offered nowhere; a settings file that holds it still loads it, and
// the transfer then says that the line refused it.
struct TSpRadekDatovychBitu {
    TSpDatabits Hodnota;
    int Cislo;
    bool NaLince;
};
inline constexpr TSpRadekDatovychBitu kSpDatoveBity[] = {
    {db4, 4, false}, {db5, 5, true}, {db6, 6, true}, {db7, 7, true}, {db8, 8, true}};

// The rate of any member; 0 for brUser (the component's UserBaudRate stands there).
uint32_t SpCisloRychlosti(TSpBaudrate rychlost);
// An offered rate by its number.
std::optional<TSpBaudrate> SpRychlostZCisla(long cislo);
// The position among the offered rates (the dialog's item), -1 for one not offered.
int SpIndexRychlosti(TSpBaudrate rychlost);
std::optional<TSpBaudrate> SpRychlostZIndexu(int index);

// nullptr for a parity or stop bits without a word. The words are matched exactly, or in any
// case when `libovolnaVelikost` (merivox-cli).
const char* SpSlovoParity(TSpParity parita);
std::optional<TSpParity> SpParitaZeSlova(std::string_view slovo, bool libovolnaVelikost = false);
const char* SpSlovoStopBitu(TSpStopbits stopBity);
std::optional<TSpStopbits> SpStopBityZeSlova(std::string_view slovo,
                                             bool libovolnaVelikost = false);

int SpCisloDatovychBitu(TSpDatabits datoveBity);
// Any count of the table (the settings file), or only those a line takes (`naLince`: the
// settings dialog, merivox-cli).
std::optional<TSpDatabits> SpDatoveBityZCisla(long cislo, bool naLince = false);
bool SpDatoveBityNaLince(int cislo);

// "COM<n>": the port's name in messages, its key in section Devices and its device on Windows.
std::string SpJmenoPortu(int cislo);
