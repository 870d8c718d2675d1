// Files for tests: a fresh folder per test, whole-file reading and writing.
#pragma once

#include "OddeleniTestu.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::string NactiSoubor(const std::filesystem::path& cesta) {
    std::ifstream in(cesta, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void ZapisSoubor(const std::filesystem::path& cesta, const std::string& obsah) {
    std::ofstream(cesta, std::ios::binary) << obsah;
}

inline std::filesystem::path DataKonverze(const std::string& jmeno) {
    return std::filesystem::path(MERIVOX_TEST_DATA) / "konverze" / jmeno;
}

// A folder of its own for each test, removed afterwards.
class TSlozkaTestu : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string jmeno = std::string("merivox-") + info->test_suite_name() + "-" + info->name();
        for (char& c : jmeno)
            if (c == '/')
                c = '_';
        slozka_ = OddelTestyOdZarizeni() / jmeno;
        std::filesystem::remove_all(slozka_);
        std::filesystem::create_directories(slozka_);
    }
    void TearDown() override { std::filesystem::remove_all(slozka_); }

    // Copies a hand-worked input into the folder.
    std::filesystem::path Kopie(const std::string& jmeno) {
        const auto cil = slozka_ / jmeno;
        std::filesystem::copy_file(DataKonverze(jmeno), cil,
                                   std::filesystem::copy_options::overwrite_existing);
        return cil;
    }

    std::filesystem::path slozka_;
};
