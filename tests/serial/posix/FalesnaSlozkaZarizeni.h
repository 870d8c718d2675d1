// USB adapters that come and go in the test program's own device folder: each a link named as
// the system names adapters (ttyUSB0, ttyACM0) to a fresh pseudo-terminal, with its stable
// link in serial/by-id where given. Everything made goes when the object does.
#pragma once

#include "Pseudoterminal.h"
#include "serial/SpDevices.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>

class TFalesnaSlozkaZarizeni {
public:
    ~TFalesnaSlozkaZarizeni() {
        std::error_code e;
        for (const auto& polozka : std::filesystem::directory_iterator(Slozka(), e))
            std::filesystem::remove_all(polozka.path(), e);
    }
    static std::filesystem::path Slozka() { return SpSlozkaZarizeni(); }
    static std::filesystem::path ById() { return Slozka() / "serial" / "by-id"; }

    // Plugs in adapter `jmeno`; its by-id link `odkaz` when not empty. The pseudo-terminal.
    std::string Pripoj(const std::string& jmeno, const std::string& odkaz = "") {
        auto novy = std::make_unique<TPseudoterminal>();
        const std::string pty = novy->Zarizeni();
        if (pty.empty())
            return {};
        pty_[jmeno] = std::move(novy);
        std::filesystem::create_directory_symlink(pty, Slozka() / jmeno);
        if (!odkaz.empty()) {
            std::filesystem::create_directories(ById());
            std::filesystem::create_symlink("../../" + jmeno, ById() / odkaz);
        }
        return pty;
    }
    void Odpoj(const std::string& jmeno, const std::string& odkaz = "") {
        std::filesystem::remove(Slozka() / jmeno);
        if (!odkaz.empty())
            std::filesystem::remove(ById() / odkaz);
        pty_.erase(jmeno);
    }

private:
    std::map<std::string, std::unique_ptr<TPseudoterminal>> pty_;
};
