// Where a writer's bytes go: a file that only appears once it is complete, a string (tests,
// benchmarks, fuzzing) or a stream the caller owns (standard output of merivox-cli).
#pragma once

#include "common/NahradaSouboru.h"

#include <filesystem>
#include <string>
#include <string_view>

class TVystup {
public:
    virtual ~TVystup() = default;
    virtual void Zapis(std::string_view data) = 0;
    // Whether ZacniZnovu can take back what was written: a writer that may learn late about
    // something that goes first streams only into such an output.
    virtual bool LzeZacitZnovu() const { return false; }
    // Drops everything written so far; false when it cannot.
    virtual bool ZacniZnovu() { return false; }
};

class TVystupDoRetezce : public TVystup {
public:
    void Zapis(std::string_view data) override { text_ += data; }
    bool LzeZacitZnovu() const override { return true; }
    bool ZacniZnovu() override {
        text_.clear();
        return true;
    }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// An output file saved through the program's one file replacement (NahradaSouboru.h): a
// conversion that fails half way leaves neither a partial file nor a damaged older one.
class TVystupniSoubor : public TVystup {
public:
    explicit TVystupniSoubor(std::filesystem::path cil) : nahrada_(std::move(cil)) {}

    // Why the file could not be created; empty when it could.
    std::error_code ChybaOtevreni() const { return chybaOtevreni_; }
    bool Otevreno() const { return !chybaOtevreni_; }
    void Zapis(std::string_view data) override { nahrada_.Zapis(data); }
    bool LzeZacitZnovu() const override { return nahrada_.LzeZacitZnovu(); }
    bool ZacniZnovu() override { return nahrada_.ZacniZnovu(); }
    // Puts the complete file in its place; the first failure of the save otherwise.
    std::error_code Dokonci() { return nahrada_.Dokonci(); }

private:
    TNahradaSouboru nahrada_;
    std::error_code chybaOtevreni_ = nahrada_.Chyba();
};
