#include "Linka.h"

#include "CekaniCli.h"
#include "PocitadloBajtu.h"

#include "common/Cp1250.h"
#include "common/IniFile.h"
#include "common/Slozky.h"
#include "link/CasovacPlain.h"
#include "link/PrevzetiUdalosti.h"
#include "link/SouborZaznamu.h"
#include "serial/SpSlovnikLinky.h"
#include "upload/TextyZapisu.h"

#include <algorithm>
#include <cctype>
#include <utility>

const char* const kNapovedaLinky =
    R"(  --port N                    port COMN, jak ho program přiřazuje (sekce Devices souboru nastavení)
  --device CESTA              zařízení zadané přímo cestou (například /dev/ttyUSB0)
  --baud B                    rychlost: 300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200
  --parity P                  parita: None, Odd, Even
  --data-bits D               datové bity: 5 až 8
  --stop-bits S               stop bity: 1 nebo 2 (One, Two)
  --settings SOUBOR           jiný soubor nastavení než Merivex.ini vedle programu
  --log SOUBOR                záznam komunikace (čas, port, linka, bajty oběma směry, konec)
                              připojit do tohoto souboru místo do Merivox-komunikace.log
                              vedle souboru nastavení
Port a nastavení linky, které nejsou zadány, jsou ze sekce Port souboru nastavení, jak by je
použil program.
)";

namespace {

std::optional<long> CeleCislo(const std::string& text) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    return std::stol(text);
}

// The options as given.
struct TVolbyLinky {
    std::optional<std::string> Port, Zarizeni, Rychlost, Parita, DatoveBity, StopBity;
    std::optional<std::string> Nastaveni; // --settings
    std::optional<std::string> Zaznam;    // --log
};

std::vector<TVolba> VolbyLinky(TVolbyLinky& volby) {
    return {Hodnota("--port", volby.Port),
            Hodnota("--device", volby.Zarizeni),
            Hodnota("--baud", volby.Rychlost),
            Hodnota("--parity", volby.Parita),
            Hodnota("--data-bits", volby.DatoveBity),
            Hodnota("--stop-bits", volby.StopBity),
            Hodnota("--settings", volby.Nastaveni),
            Hodnota("--log", volby.Zaznam)};
}

// "1", "2" or the settings file's word in any case.
std::optional<TSpStopbits> StopBity(const std::string& text) {
    for (const TSpRadekStopBitu& s : kSpStopBity)
        if (text == std::to_string(s.Cislo))
            return s.Hodnota;
    return SpStopBityZeSlova(text, true);
}

bool PrectiVolbyLinky(const TVolbyLinky& volby, const TTerminal& terminal,
                      TNastaveniLinky& nastaveni, std::string& chyba) {
    auto spatne = [&](const char* volba, const char* co, const std::string& hodnota) {
        chyba = ChybnaHodnota(volba, Cz(co) + " \"" + terminal.ZTerminalu(hodnota) + "\".");
        return false;
    };
    if (volby.Port && volby.Zarizeni) {
        chyba = Cz("Zadejte buď --port, nebo --device, ne obojí.");
        return false;
    }
    if (volby.Port) {
        const auto cislo = CeleCislo(*volby.Port);
        if (!cislo || *cislo < 1 || *cislo > 65535)
            return spatne("--port", "Číslo portu musí být 1 až 65535, ne", *volby.Port);
        nastaveni.Cislo = static_cast<uint16_t>(*cislo);
    }
    if (volby.Zarizeni) {
        if (volby.Zarizeni->empty())
            return spatne("--device", "Cesta k zařízení nesmí být prázdná, ne", *volby.Zarizeni);
        nastaveni.Zarizeni = *volby.Zarizeni;
    }
    if (volby.Rychlost) {
        const auto cislo = CeleCislo(*volby.Rychlost);
        const auto rychlost = cislo ? SpRychlostZCisla(*cislo) : std::nullopt;
        if (!rychlost)
            return spatne("--baud", "Neznámá rychlost linky", *volby.Rychlost);
        nastaveni.Rychlost = rychlost;
    }
    if (volby.Parita) {
        nastaveni.Parita = SpParitaZeSlova(*volby.Parita, true);
        if (!nastaveni.Parita)
            return spatne("--parity", "Parita musí být None, Odd nebo Even, ne", *volby.Parita);
    }
    if (volby.DatoveBity) {
        const auto cislo = CeleCislo(*volby.DatoveBity);
        nastaveni.DatoveBity = cislo ? SpDatoveBityZCisla(*cislo, true) : std::nullopt;
        if (!nastaveni.DatoveBity)
            return spatne("--data-bits",
                          "Datových bitů musí být 5 až 8 (jiný počet sériová linka nepřijme), ne",
                          *volby.DatoveBity);
    }
    if (volby.StopBity) {
        nastaveni.StopBity = StopBity(*volby.StopBity);
        if (!nastaveni.StopBity)
            return spatne("--stop-bits", "Stop bity musí být 1 nebo 2, ne", *volby.StopBity);
    }
    nastaveni.Nastaveni = volby.Nastaveni;
    if (volby.Zaznam && volby.Zaznam->empty())
        return spatne("--log", "Soubor záznamu nesmí být prázdný, ne", *volby.Zaznam);
    nastaveni.Zaznam = volby.Zaznam;
    return true;
}

} // namespace

std::optional<int> CtiVolbyLinky(const TArgumenty& argumenty, TPravidlaVoleb pravidla,
                                 const TTerminal& terminal, const std::string& prikaz,
                                 const char* napoveda, const char* napovedaKonec,
                                 TNastaveniLinky& nastaveni) {
    TVolbyLinky volby;
    const auto linky = VolbyLinky(volby);
    pravidla.Volby.insert(pravidla.Volby.begin(), linky.begin(), linky.end());
    if (const auto konec = CtiVolby(argumenty, pravidla, terminal, prikaz,
                                    Cz(napoveda) + Cz(kNapovedaLinky) + Cz(napovedaKonec)))
        return konec;
    std::string chyba;
    if (!PrectiVolbyLinky(volby, terminal, nastaveni, chyba))
        return SpatnePouziti(terminal, prikaz, chyba);
    return std::nullopt;
}

void TRadekPrubehu::Ukaz(const std::string& cp1250) {
    if (!zobrazit_ || cp1250 == posledni_)
        return;
    const std::string text = terminal_.NaTerminal(cp1250);
    // Blanks over the rest of a longer previous text: no terminal escapes, so that a
    // Windows console shows it the same.
    const std::size_t predtim = terminal_.NaTerminal(posledni_).size();
    terminal_.Chyby << '\r' << text
                    << std::string(predtim > text.size() ? predtim - text.size() : 0, ' ')
                    << std::flush;
    posledni_ = cp1250;
    zobrazeno_ = true;
}

void TRadekPrubehu::Ukonci() {
    if (zobrazeno_)
        terminal_.Chyby << '\n' << std::flush;
    zobrazeno_ = false;
    posledni_.clear();
}

void TZpravyCli::Zprava(TDruhZpravy, const std::string& text) {
    if (PredZpravou)
        PredZpravou();
    terminal_.Hlaseni(prikaz_ + ": ", text);
}

TLinkaCli::TLinkaCli(const TTerminal& terminal, const std::string& prikaz,
                     const TNastaveniLinky& nastaveni)
    : predchoziUi_(TSpSyncCallTable::Global().Ui()), zpravy_(terminal, prikaz),
      prubeh_(terminal, ChybyNaTerminalu()) {
    TSpSyncCallTable::Global().SetUi(&ui_);
    zpravy_.PredZpravou = [this] {
        prubeh_.Ukonci();
    };
    ui_.OnException = [this](std::exception_ptr chyba) {
        zpravy_.Zprava(TDruhZpravy::dzVyjimka, SpTextVyjimky(chyba));
    };
    VynulujPocitadloBajtu();

    TProstrediKomunikace prostredi;
    prostredi.VytvorCekani = [this]() -> std::unique_ptr<TCekaniNaData> {
        return std::make_unique<TCekaniCli>(*this);
    };
    prostredi.VytvorCasovac = [this]() -> std::unique_ptr<TCasovac> {
        return std::make_unique<TCasovacPlain>(ui_);
    };
    prostredi.Zpravy = &zpravy_;
    prostredi.BackendFactory = &VytvorPocitanyBackend;
    if (nastaveni.Nastaveni)
        PrepisCestuNastaveni(*nastaveni.Nastaveni);
    prostredi.SouborZaznamu =
        nastaveni.Zaznam ? std::filesystem::path(*nastaveni.Zaznam) : VychoziSouborZaznamu();
    driver_ = std::make_unique<TComDriver>(std::move(prostredi));
    // The subcommand writes the record once it has saved what came, and says how that went.
    driver_->OdlozitZaznam = true;
    driver_->NejvetsiNacteni = NejvetsiNacteni;

    VarujONastaveni(terminal, prikaz);
    {
        TIniFile ini(CestaNastaveni());
        zpravy_.Zprava(TDruhZpravy::dzVarovani, driver_->LoadSettings(ini));
    }
    if (nastaveni.Cislo)
        driver_->SetComNumber(*nastaveni.Cislo);
    if (!nastaveni.Zarizeni.empty())
        driver_->Port().SetDevicePath(nastaveni.Zarizeni);
    if (nastaveni.Rychlost)
        driver_->SetBaudRate(*nastaveni.Rychlost);
    if (nastaveni.Parita)
        driver_->SetParity(*nastaveni.Parita);
    if (nastaveni.DatoveBity)
        driver_->SetDataBits(*nastaveni.DatoveBity);
    if (nastaveni.StopBity)
        driver_->SetStopBits(*nastaveni.StopBity);
    // merivox-cli talks to the station as the program does after every start.
    driver_->StationType = TTypStanice::tsNTS660;
}

TLinkaCli::~TLinkaCli() {
    prubeh_.Ukonci();
    driver_.reset();
    TSpSyncCallTable::Global().SetUi(predchoziUi_);
}

void TLinkaCli::Obsluz(const std::function<bool()>& hotovo, std::chrono::milliseconds limit) {
    ui_.ProcessUntil([&] { return hotovo() || TPreruseni::Preruseno(); }, limit);
}

TKonecPrikazu TLinkaCli::Proved(TMnozinaPrikazu typ, const std::string& data) {
    TKonecPrikazu vysledek;
    bool konec = false;
    TComDriver& driver = *driver_;
    // The handlers below see this call's variables: they go with it.
    const TPrevzetiUdalosti prevzeti(driver);
    driver.OnPrubehZapisu = [this](TComDriver&, int potvrzeno, int celkem) {
        prubeh_.Ukaz(Cz("Zapisuji do totální stanice: ") + std::to_string(potvrzeno) + " / " +
                     std::to_string(celkem));
    };
    driver.OnKomunikaceOK = [&](TComDriver&, TMnozinaPrikazu, bool preruseno,
                                const std::string& prijato) {
        vysledek.Dokonceno = !preruseno;
        vysledek.KonecUzivatelem = preruseno;
        vysledek.Data = prijato;
        konec = true;
    };
    driver.OnKomunikaceErr = [&](TComDriver& d, TMnozinaPrikazu, bool, const std::string& prijato) {
        d.ClearCommands();
        if (!d.ChybaOhlasena())
            zpravy_.Zprava(TDruhZpravy::dzChyba, d.SeZaznamem(TextChybaKomunikace()));
        vysledek.Chyba = true;
        vysledek.Data = prijato;
        konec = true;
    };
    driver.OnChybaOtevreni = [&](TComDriver&) {
        konec = true;
    };
    // A download runs inside AddCommand (its waiting "dialog" serves the loop), and a signal
    // ends it there as aborted, handing on what came: the caller decides what to keep by the
    // download's end rule. A send is waited for here, and a signal removes it.
    driver.AddCommand(typ, data);
    if (!Cekej([&] { return konec; })) {
        driver.ClearCommands();
        driver.ZakonciZaznam(Cz("přerušeno uživatelem"));
        vysledek = TKonecPrikazu();
        vysledek.Preruseno = true;
    }
    vysledek.Signal = TPreruseni::Signal();
    return vysledek;
}

bool TLinkaCli::Cekej(const std::function<bool()>& hotovo) {
    while (!hotovo()) {
        if (TPreruseni::Preruseno())
            return false;
        Obsluz(hotovo, kKrokSmycky);
    }
    return true;
}

void TLinkaCli::UkazPrubehCekani() {
    prubeh_.Ukaz(TextCekani + ": " + std::to_string(PrectenoBajtu()) + " B");
}
