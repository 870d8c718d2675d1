// USB adapters that come and go in the test program's own device folder: each a link named as
// the system names adapters (ttyUSB0, ttyACM0) to a fresh pseudo-terminal, with its stable
// link in serial/by-id where given. Everything made goes when the object does.
#pragma once

#include "serial/SpDevices.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

class TFalesnaSlozkaZarizeni {
public:
    ~TFalesnaSlozkaZarizeni() {
        for (const auto& [jmeno, master] : mastery_)
            close(master);
        std::error_code e;
        for (const auto& polozka : std::filesystem::directory_iterator(Slozka(), e))
            std::filesystem::remove_all(polozka.path(), e);
    }
    static std::filesystem::path Slozka() { return SpSlozkaZarizeni(); }
    static std::filesystem::path ById() { return Slozka() / "serial" / "by-id"; }

    // Plugs in adapter `jmeno`; its by-id link `odkaz` when not empty. The pseudo-terminal.
    std::string Pripoj(const std::string& jmeno, const std::string& odkaz = "") {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            return {};
        mastery_[jmeno] = master;
        const std::string pty = ptsname(master);
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
        close(mastery_[jmeno]);
        mastery_.erase(jmeno);
    }

private:
    std::map<std::string, int> mastery_;
};
