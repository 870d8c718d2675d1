// Numbers as measured-data and MAPA2 files hold them: "." is the decimal point whatever the
// user's locale, and nothing that is not a finite number ever reads as one or gets written.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A decimal number with an optional sign, fraction and exponent ("-1.5", "+2", ".5", "1e3").
// Empty text, other characters, "inf", "nan" and values out of the double range give nothing.
// Builds the optional in the caller: returned from a call, it went through memory in two
// pieces that the processor then read back as one, a stall on every number of a conversion.
bool CtiCisloDo(std::string_view text, double& hodnota);
inline std::optional<double> CtiCislo(std::string_view text) {
    double hodnota;
    if (CtiCisloDo(text, hodnota))
        return hodnota;
    return std::nullopt;
}

// The longest text ZapisTriDesetinna writes (and the four-decimal one PripojPevne uses).
inline constexpr std::size_t kNejdelsiTriDesetinna = 24;
// Writes `value` with three decimals and "." at `cil` and returns the end of the text, as
// PripojPevne would write it; bytes after that end, up to kNejdelsiTriDesetinna from `cil`,
// may be overwritten too; nullptr (nothing written) for a value that is not finite or not
// below 1e15 in magnitude, which PripojPevne writes.
char* ZapisTriDesetinna(char* cil, double value);

// The longest text PripojPevne appends: 309 integer digits, a sign, the point and decimals.
inline constexpr std::size_t kNejdelsiPevne = 400;
// Appends `value` in fixed-point with `decimals` decimals and "." ("45.678"). A value that
// rounds to zero is written without sign. A value that is not finite appends nothing and
// gives false.
bool PripojPevne(std::string& out, double value, int decimals);
