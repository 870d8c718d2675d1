// Where a writer's bytes go: a file that only appears once it is complete, a string (tests,
// benchmarks, fuzzing) or a stream the caller owns (standard output of merivox-cli).
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

class TVystup {
public:
    virtual ~TVystup() = default;
    virtual void Zapis(std::string_view data) = 0;
};

class TVystupDoRetezce : public TVystup {
public:
    void Zapis(std::string_view data) override { text_ += data; }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// An output file written beside its final place and moved there by Dokonci(), so that a
// conversion that fails half way leaves neither a partial file nor a damaged older one.
class TVystupniSoubor : public TVystup {
public:
    explicit TVystupniSoubor(std::filesystem::path cil);
    ~TVystupniSoubor() override;
    TVystupniSoubor(const TVystupniSoubor&) = delete;
    TVystupniSoubor& operator=(const TVystupniSoubor&) = delete;

    // Whether the file could be created.
    bool Otevreno() const { return otevreno_; }
    void Zapis(std::string_view data) override;
    // Writes what is buffered and puts the file in its place; false when any write failed
    // (the file is then removed).
    bool Dokonci();

private:
    void Vyprazdni();
    void Zahod();

    std::filesystem::path cil_;
    std::filesystem::path docasny_;
    std::ofstream soubor_;
    std::string buffer_;
    bool otevreno_ = false;
    bool chyba_ = false;
    bool hotovo_ = false;
};
