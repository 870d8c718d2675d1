// A settings file of the test's own in a fresh temporary folder, so that every COM port a test
// uses is mapped (section Devices) to a device the test controls, never to a real port.
#pragma once

#include "OddeleniTestu.h"
#include "common/IniFile.h"
#include "common/Slozky.h"
#include "serial/SpSlovnikLinky.h"

#include <filesystem>
#include <random>
#include <string>

class TTestNastaveni {
public:
    TTestNastaveni() {
        std::random_device nahoda;
        do {
            slozka_ = std::filesystem::temp_directory_path() /
                      ("merivox-serial-" + std::to_string(nahoda()));
        } while (!std::filesystem::create_directory(slozka_));
        PrepisCestuNastaveni(slozka_ / "Merivex.ini");
        // Ports a test does not map must not reach real devices either.
        for (int n = 1; n <= 10; ++n)
            Mapuj(n, (slozka_ / ("missing-com" + std::to_string(n))).string());
    }
    ~TTestNastaveni() {
        PrepisCestuNastaveni(NastaveniTestu());
        std::error_code e;
        std::filesystem::remove_all(slozka_, e);
    }
    void Mapuj(int cislo, const std::string& zarizeni) {
        TIniFile(slozka_ / "Merivex.ini").WriteString("Devices", SpJmenoPortu(cislo), zarizeni);
    }
    const std::filesystem::path& Slozka() const { return slozka_; }

private:
    std::filesystem::path slozka_;
};
