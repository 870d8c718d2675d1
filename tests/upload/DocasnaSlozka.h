// A fresh folder per test, removed afterwards; its name is unique even when two builds run
// the same test at once.
#pragma once

#include "OddeleniTestu.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

class DocasnaSlozka : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        slozka_ = OddelTestyOdZarizeni() /
                  (std::string("merivox-upload-") + info->test_suite_name() + "-" + info->name() +
                   "-" + std::to_string(std::random_device()()));
        std::filesystem::remove_all(slozka_);
        std::filesystem::create_directories(slozka_);
    }
    void TearDown() override { std::filesystem::remove_all(slozka_); }

    static void Zapis(const std::filesystem::path& soubor, const std::string& obsah) {
        std::ofstream(soubor, std::ios::binary) << obsah;
    }
    static std::string Precti(const std::filesystem::path& soubor) {
        std::ifstream vstup(soubor, std::ios::binary);
        std::ostringstream obsah;
        obsah << vstup.rdbuf();
        return obsah.str();
    }
    // Names of the files in the folder, to see that no temporary file was left behind.
    std::vector<std::string> Soubory() const {
        std::vector<std::string> jmena;
        for (const auto& polozka : std::filesystem::directory_iterator(slozka_))
            jmena.push_back(polozka.path().filename().string());
        std::sort(jmena.begin(), jmena.end());
        return jmena;
    }

    std::filesystem::path slozka_;
};
