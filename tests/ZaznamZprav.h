// The messages the logic would show, recorded instead: each with its kind and its text as the
// program gives it (cp1250); a question is answered as the test says.
#pragma once

#include "common/Cp1250.h"
#include "common/Zpravy.h"

#include <ostream>
#include <string>
#include <vector>

class TZaznamZprav : public TZpravy {
public:
    struct TZprava {
        TDruhZpravy Druh;
        std::string Text; // cp1250
        bool operator==(const TZprava&) const = default;
        // gtest shows the text readable in a failure message.
        friend void PrintTo(const TZprava& z, std::ostream* os) {
            *os << int(z.Druh) << " \"" << Cp1250NaUtf8(z.Text) << '"';
        }
    };
    // A message written in the test as UTF-8.
    static TZprava Utf8(TDruhZpravy druh, const char* text) { return {druh, Cz(text)}; }

    void Zprava(TDruhZpravy druh, const std::string& text) override {
        zpravy.push_back({druh, text});
    }
    bool OtazkaAnoNe(const std::string& titulek, const std::string& text) override {
        otazky.push_back(titulek + "|" + text);
        return odpoved;
    }

    std::vector<TZprava> zpravy;
    std::vector<std::string> otazky; // "title|text"
    bool odpoved = false;
};
