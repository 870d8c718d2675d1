#include "common/GlobalniFunkce.h"

#include <cassert>

namespace {
constexpr char kBackspace = '\x08';
} // namespace

char FiltrRealneCislo(char key, const std::string& text, char decimalSeparator) {
    if (key == kBackspace || JeCislice(key))
        return key;
    if (key == decimalSeparator)
        return text.find(decimalSeparator) == std::string::npos ? key : '\0';
    return '\0';
}

char FiltrCeleCislo(char key) {
    return key == kBackspace || JeCislice(key) ? key : '\0';
}

void OrizniZnak(std::string& text, char c, bool fromLeft, bool fromRight) {
    if (fromLeft) {
        const auto first = text.find_first_not_of(c);
        text.erase(0, first == std::string::npos ? text.size() : first);
    }
    if (fromRight) {
        const auto last = text.find_last_not_of(c);
        text.erase(last == std::string::npos ? 0 : last + 1);
    }
}

void SlucOpakovanyZnak(std::string& text, char c) {
    std::string::size_type out = 0;
    for (std::string::size_type in = 0; in < text.size(); ++in) {
        if (text[in] == c && out > 0 && text[out - 1] == c)
            continue;
        text[out++] = text[in];
    }
    text.resize(out);
}

void OdstranKonceRadku(std::string& text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.pop_back();
}

void NahradZnak(std::string& text, char what, char with) {
    for (char& c : text)
        if (c == what)
            c = with;
}

void RozdelRetezec(const std::string& text, const std::string& separator,
                   std::vector<std::string>* pieces, bool keepEmpty) {
    assert(pieces != nullptr && "RozdelRetezec needs a target list");
    pieces->clear();
    if (separator.empty()) {
        if (!text.empty())
            pieces->push_back(text);
        return;
    }
    std::string::size_type start = 0;
    for (auto pos = text.find(separator); pos != std::string::npos;
         pos = text.find(separator, start)) {
        if (keepEmpty || pos > start)
            pieces->emplace_back(text, start, pos - start);
        start = pos + separator.size();
    }
    if (start < text.size())
        pieces->emplace_back(text, start);
}
