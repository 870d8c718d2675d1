// Files for tests: a fresh folder per test inside the process's own (so tests that ctest runs
// side by side never share one), whole-file reading and writing, and the folder's listing, by
// which a test sees that a save left no temporary file behind.
#pragma once

#include "OddeleniTestu.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

inline std::string NactiSoubor(const std::filesystem::path& cesta) {
    std::ifstream in(cesta, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void ZapisSoubor(const std::filesystem::path& cesta, const std::string& obsah) {
    std::ofstream(cesta, std::ios::binary) << obsah;
}

// The names in a folder, sorted.
inline std::vector<std::string> SouboryVeSlozce(const std::filesystem::path& slozka) {
    std::vector<std::string> jmena;
    for (const auto& polozka : std::filesystem::directory_iterator(slozka))
        jmena.push_back(polozka.path().filename().string());
    std::sort(jmena.begin(), jmena.end());
    return jmena;
}

inline std::filesystem::path DataKonverze(const std::string& jmeno) {
    return std::filesystem::path(MERIVOX_TEST_DATA) / "konverze" / jmeno;
}

// A fresh empty folder inside the process's own, removed with the object (made writable first:
// some tests take the rights away).
class TDocasnaSlozka {
public:
    explicit TDocasnaSlozka(const std::filesystem::path& jmeno) {
        static std::atomic<int> poradi{0};
        cesta_ = OddelTestyOdZarizeni() / jmeno;
        cesta_ += "-" + std::to_string(++poradi);
        std::filesystem::remove_all(cesta_);
        std::filesystem::create_directories(cesta_);
    }
    ~TDocasnaSlozka() {
        std::error_code e;
        std::filesystem::permissions(cesta_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, e);
        std::filesystem::remove_all(cesta_, e);
    }
    TDocasnaSlozka(const TDocasnaSlozka&) = delete;
    TDocasnaSlozka& operator=(const TDocasnaSlozka&) = delete;
    const std::filesystem::path& Cesta() const { return cesta_; }

private:
    std::filesystem::path cesta_;
};

// A folder of its own for each test, named after it, removed afterwards.
class TSlozkaTestu : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string jmeno = std::string(info->test_suite_name()) + "-" + info->name();
        std::replace(jmeno.begin(), jmeno.end(), '/', '_');
        auto cesta = Predpona();
        cesta += jmeno;
        drzak_.emplace(cesta);
        slozka_ = drzak_->Cesta();
    }
    void TearDown() override { drzak_.reset(); }
    // The start of the folder's name (a fixture may put letters in it that a path must keep).
    virtual std::filesystem::path Predpona() const { return "merivox-"; }

    std::vector<std::string> Soubory() const { return SouboryVeSlozce(slozka_); }
    // Copies a hand-worked input into the folder.
    std::filesystem::path Kopie(const std::string& jmeno) {
        const auto cil = slozka_ / jmeno;
        std::filesystem::copy_file(DataKonverze(jmeno), cil,
                                   std::filesystem::copy_options::overwrite_existing);
        return cil;
    }

    std::filesystem::path slozka_;

private:
    std::optional<TDocasnaSlozka> drzak_;
};
