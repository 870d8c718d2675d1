// The surroundings of a port or driver under test: a settings file of the test's own in a fresh
// folder, so that every COM port a test uses is mapped (section Devices) to a device the test
// controls, never to a real port; and the thread that delivers the port's events.
#pragma once

#include "SlozkaTestu.h"
#include "common/IniFile.h"
#include "common/Slozky.h"
#include "serial/SpSlovnikLinky.h"
#include "serial/SpSyncCall.h"

#include <filesystem>
#include <string>

class TTestNastaveni {
public:
    TTestNastaveni() {
        PrepisCestuNastaveni(slozka_.Cesta() / "Merivex.ini");
        // Ports a test does not map must not reach real devices either.
        for (int n = 1; n <= 10; ++n)
            Mapuj(n, (slozka_.Cesta() / ("missing-com" + std::to_string(n))).string());
    }
    // The settings file in use before (a window test's private one) comes back.
    ~TTestNastaveni() { PrepisCestuNastaveni(predchozi_); }
    TTestNastaveni(const TTestNastaveni&) = delete;
    TTestNastaveni& operator=(const TTestNastaveni&) = delete;

    void Mapuj(int cislo, const std::string& zarizeni) {
        TIniFile(slozka_.Cesta() / "Merivex.ini").WriteString("Devices", SpJmenoPortu(cislo), zarizeni);
    }
    const std::filesystem::path& Slozka() const { return slozka_.Cesta(); }

private:
    std::filesystem::path predchozi_ = CestaNastaveni();
    TDocasnaSlozka slozka_{"merivox-nastaveni"};
};

// The settings above and `ui`, the test thread's loop (plain or Qt) through which the ports'
// events arrive, as the program's main thread; what is still posted runs before it goes.
template <class TUi> struct TProstrediPortu {
    TProstrediPortu() { TSpSyncCallTable::Global().SetUi(&ui); }
    ~TProstrediPortu() {
        if constexpr (requires { ui.ProcessPosted(); })
            ui.ProcessPosted();
        TSpSyncCallTable::Global().SetUi(nullptr);
    }
    TProstrediPortu(const TProstrediPortu&) = delete;
    TProstrediPortu& operator=(const TProstrediPortu&) = delete;

    TTestNastaveni nastaveni;
    TUi ui;
};
