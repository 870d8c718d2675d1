// The name of a parametrised test's case from its own text: gtest allows only letters, digits
// and '_', so every other character becomes '_'.
#pragma once

#include <string>

inline std::string JmenoPripadu(std::string text) {
    for (char& c : text)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            c = '_';
    return text;
}
