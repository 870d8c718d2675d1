// The bytes of the conversation with the total station: a download ends with the end mark, a
// send writes each line with CR LF and waits for the acknowledgement, then ends with EOT, which
// the station answers with text ending in DC3, and a last CR LF. The driver, merivox-cli, the
// tests and the benchmarks speak it from here; the station simulator keeps its own copy.
#pragma once

#include <string>
#include <string_view>

constexpr char EOT = 0x04;
constexpr char DC1 = 0x11;
constexpr char DC3 = 0x13;
inline const std::string KonecRadku = "\r\n";
inline const std::string KonecDat{EOT, '\r', '\n'}; // the end mark of a download
inline const std::string Potvrzeni{DC3, DC1};       // the acknowledgement of a line

inline bool KonciNa(std::string_view text, std::string_view konec) {
    return text.size() >= konec.size() && text.substr(text.size() - konec.size()) == konec;
}
