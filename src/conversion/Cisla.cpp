#include "conversion/Cisla.h"

#include <charconv>
#include <cmath>

std::optional<double> CtiCislo(std::string_view text) {
    const char* first = text.data();
    const char* last = first + text.size();
    // from_chars takes no "+" but does take "inf" and "nan"; a number starts with a digit
    // or the point once its one sign is gone.
    const char* body = first != last && (*first == '+' || *first == '-') ? first + 1 : first;
    if (first != last && *first == '+')
        ++first;
    if (body == last || !((*body >= '0' && *body <= '9') || *body == '.'))
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool PripojPevne(std::string& out, double value, int decimals) {
    if (!std::isfinite(value))
        return false;
    // 309 integer digits at most, the point and the decimals.
    char buffer[400];
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
