#include "link/Komunikace.h"

#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "common/IniFile.h"
#include "common/Radky.h"
#include "common/Zpravy.h"
#include "link/PortStanice.h"
#include "link/ProtokolStanice.h"
#include "link/SouborZaznamu.h"
#include "link/TextyPortu.h"
#include "serial/SpChyby.h"
#include "serial/SpDevices.h"
#include "serial/SpSlovnikLinky.h"

#include <stdexcept>
#include <utility>

namespace {

const std::string Sekce = "Port";

// How long the last bytes of a conversation may take to leave before the port is closed.
constexpr std::chrono::milliseconds LimitOdeslani{200};
// Time-outs a send waits out before it fails (a download fails at the first).
constexpr int PocetOpakovani = 3;
// Reads per receipt: what the device holds is taken in pieces, and a station that never
// pauses cannot keep the driver in one receipt for ever.
constexpr int CteniNaPrijem = 16;
// The response timer's interval.
constexpr std::chrono::milliseconds IntervalCasovace{1000};

} // namespace

TComDriver::TComDriver(TProstrediKomunikace prostredi) : prostredi_(std::move(prostredi)) {
    if (!prostredi_.VytvorCasovac || !prostredi_.VytvorCekani || !prostredi_.SyncTable)
        throw std::invalid_argument("TComDriver needs a timer, a waiting dialog and a sync table");
    port_ = std::make_unique<TPortStanice>("ComDriver", *prostredi_.SyncTable,
                                           prostredi_.BackendFactory);
    port_->OnDataRecived = [this](TSpCustomSerialPort&, int32_t) {
        PrijemDat();
    };
    port_->OnLineError = [this](TSpCustomSerialPort&, uint32_t errors) {
        ChybaLinky(errors);
    };
    // The modem lines, where the system reports them, go into the record among the bytes.
    const auto linka = [this](const char* co) {
        return [this, co](TSpCustomSerialPort&) {
            zaznam_.Poznamka(Cz(co));
        };
    };
    port_->OnCTSChanged = linka("změna linky CTS");
    port_->OnDSRChanged = linka("změna linky DSR");
    port_->OnRINGDetected = linka("vyzvánění (RING)");
    port_->OnRLSDChanged = linka("změna linky DCD");
    port_->SetComNumber(1);
    port_->SetDTR(false);

    TimerComErr = prostredi_.VytvorCasovac();
    TimerComErr->SetInterval(IntervalCasovace);
    TimerComErr->OnTimer = [this] {
        VyprseniCasovace();
    };
    TimerComErr->Stop();
}

TComDriver::~TComDriver() {
    ZakonciZaznam(Cz("ukončeno zavřením programu"));
    ZapisZaznam();
    if (port_->Active())
        port_->Close();
    TimerComErr->Stop();
    TimerComErr->OnTimer = nullptr;
}

// --- line settings --------------------------------------------------------------------------

uint16_t TComDriver::ComNumber() const {
    return port_->ComNumber();
}

void TComDriver::SetComNumber(uint16_t value) {
    port_->SetComNumber(value);
}

TSpBaudrate TComDriver::BaudRate() const {
    return port_->BaudRate();
}

void TComDriver::SetBaudRate(TSpBaudrate value) {
    port_->SetBaudRate(value);
}

TSpParity TComDriver::Parity() const {
    return port_->Parity();
}

void TComDriver::SetParity(TSpParity value) {
    port_->SetParity(value);
}

TSpDatabits TComDriver::DataBits() const {
    return port_->Databits();
}

void TComDriver::SetDataBits(TSpDatabits value) {
    port_->SetDatabits(value);
}

TSpStopbits TComDriver::StopBits() const {
    return port_->Stopbits();
}

void TComDriver::SetStopBits(TSpStopbits value) {
    port_->SetStopbits(value);
}

void TComDriver::SetIntervalCasovace(std::chrono::milliseconds interval) {
    TimerComErr->SetInterval(interval);
}

// --- settings file --------------------------------------------------------------------------

std::string TComDriver::LoadSettings(TIniFile& ini) {
    std::string varovani;
    const int cislo = ini.ReadInteger(Sekce, "Number", 1);
    if (cislo >= 1 && cislo <= 65535)
        SetComNumber(static_cast<uint16_t>(cislo));
    else
        varovani = Cz("Soubor nastavení \"") + TextCesty(ini.Path()) + Cz("\": číslo portu ") +
                   std::to_string(cislo) +
                   Cz(" (sekce Port, klíč Number) není 1 až 65535; platí ") +
                   SpJmenoPortu(ComNumber()) + ".";
    if (const auto parita = SpParitaZeSlova(ini.ReadString(Sekce, "Parity", "None")))
        SetParity(*parita);
    if (const auto stopBity = SpStopBityZeSlova(ini.ReadString(Sekce, "StopBits", "One")))
        SetStopBits(*stopBity);
    if (const auto datoveBity = SpDatoveBityZCisla(ini.ReadInteger(Sekce, "DataBits", 8)))
        SetDataBits(*datoveBity);
    if (const auto rychlost = SpRychlostZCisla(ini.ReadInteger(Sekce, "BaudRate", 9600)))
        SetBaudRate(*rychlost);
    return varovani;
}

void TComDriver::SaveSettings(TIniFile& ini) {
    // A value the table has no word for (set on the port component directly) leaves its key
    // as it is rather than writing something no reader understands.
    try {
        ini.WriteInteger(Sekce, "Number", port_->ComNumber());
        if (const char* parita = SpSlovoParity(port_->Parity()))
            ini.WriteString(Sekce, "Parity", parita);
        if (const char* stopBity = SpSlovoStopBitu(port_->Stopbits()))
            ini.WriteString(Sekce, "StopBits", stopBity);
        ini.WriteInteger(Sekce, "DataBits", SpCisloDatovychBitu(port_->Databits()));
        if (SpIndexRychlosti(port_->BaudRate()) >= 0)
            ini.WriteInteger(Sekce, "BaudRate",
                             static_cast<int>(SpCisloRychlosti(port_->BaudRate())));
    } catch (const std::exception&) {
        // A settings file that cannot be written must not stop the program from closing.
    }
}

// --- the queue ------------------------------------------------------------------------------

void TComDriver::AddCommand(TMnozinaPrikazu typPrikazu, const std::string& data) {
    auto prikaz = std::make_unique<TPrikaz>();
    prikaz->TypPrikazu = typPrikazu;
    prikaz->Data = data;
    TPrikaz& novy = *prikaz;
    fronta_.push_back(std::move(prikaz));
    if (fronta_.size() == 1 && stav_ == TStav::stNecinny)
        SpustPrikaz(novy);
}

void TComDriver::ClearCommands() {
    fronta_.clear();
    if (TCekaniNaData* dialog = PrejdiDoKlidu().WaitDialog)
        dialog->Zavri();
}

TComDriver::TBehPrikazu TComDriver::PrejdiDoKlidu() {
    stav_ = TStav::stNecinny;
    TimerComErr->Stop();
    return std::exchange(beh_, TBehPrikazu());
}

void TComDriver::SpustPrikaz(TPrikaz& prikaz) {
    ++spusteni_;
    ZakonciZaznam(Cz("ukončeno vyprázdněním fronty")); // a command cleared while it ran
    ZapisZaznam();
    ZacniZaznam(prikaz);
    if (prikaz.TypPrikazu == PrikazNacteni)
        SpustNacteni(prikaz);
    else
        SpustZapis(prikaz);
}

void TComDriver::SpustDalsiNeboZavri() {
    if (!fronta_.empty()) {
        if (stav_ == TStav::stNecinny)
            SpustPrikaz(*fronta_.front());
    } else if (port_->Active()) {
        port_->Close();
    }
}

std::string TComDriver::NazevPortu() const {
    if (!port_->DevicePath().empty())
        return port_->DevicePath();
    return SpJmenoPortu(port_->ComNumber());
}

// Opens the port for a command that starts (an open port stays as it is). On failure the
// queue is emptied, the user is told, and the windows hear of it through OnChybaOtevreni.
bool TComDriver::OtevriPort() {
    try {
        // Four data bits are refused before the system is asked, alike on every system: POSIX
        // lines have no such size and Windows drivers mostly refuse it.
        if (!port_->Active() && !SpDatoveBityNaLince(SpCisloDatovychBitu(DataBits())))
            throw ESpNastaveniOdmitnuto(port_->DCB());
        port_->SetActive(true);
        return true;
    } catch (const std::exception& chyba) {
        ClearCommands();
        const std::string text = TextChybyOtevreni(NazevPortu(), chyba);
        ZakonciZaznam(Cz("port nelze otevřít: ") + text);
        if (prostredi_.Zpravy)
            prostredi_.Zpravy->Zprava(TDruhZpravy::dzChyba, text);
        if (OnChybaOtevreni)
            OnChybaOtevreni(*this);
        return false;
    }
}

// --- the conversation record ---------------------------------------------------------------

void TComDriver::ZkusPort() {
    // A command that runs has the port open and its own record.
    if (stav_ != TStav::stNecinny || port_->Active()) {
        port_->SetActive(true);
        return;
    }
    ZacniZaznam(Cz("Příkaz: zkouška portu po uložení nastavení\n"));
    try {
        port_->SetActive(true);
    } catch (const std::exception& chyba) {
        ZakonciZaznam(Cz("port nelze otevřít: ") + TextChybyOtevreni(NazevPortu(), chyba));
        ZapisZaznam();
        throw;
    }
    ZakonciZaznam(Cz("port otevřen"));
    ZapisZaznam();
}

void TComDriver::ZacniZaznam(const TPrikaz& prikaz) {
    ZacniZaznam(prikaz.TypPrikazu == PrikazNacteni
                    ? Cz("Příkaz: načtení dat\n")
                    : Cz("Příkaz: zápis dat, řádků: ") +
                          std::to_string(RadkyTextu(prikaz.Data).size()) + "\n");
}

void TComDriver::ZacniZaznam(const std::string& prikaz) {
    if (prostredi_.SouborZaznamu.empty())
        return;
    std::string zarizeni = port_->DevicePath();
    if (zarizeni.empty()) {
        try {
            zarizeni = SpDevicePath(port_->ComNumber());
        } catch (const std::exception&) {
            // an unreadable settings file: the open will say so
        }
    }
    // The rate by its number, also one the settings offer nowhere (brUser: the port's own).
    const uint32_t baud = port_->BaudRate() == brUser ? static_cast<uint32_t>(port_->UserBaudRate())
                                                      : SpCisloRychlosti(port_->BaudRate());
    const std::string linka =
        TextLinky(baud, port_->Parity(), SpCisloDatovychBitu(port_->Databits()), port_->Stopbits());
    zaznam_.Zacni(prikaz + Cz("Typ stanice: ") + TextTypuStanice(StationType) + "\n" +
                  Cz("Port: ") + NazevPortu() +
                  (zarizeni.empty() || zarizeni == NazevPortu() ? "" : " (" + zarizeni + ")") +
                  "\n" + Cz("Linka: ") + linka + "\n");
}

void TComDriver::ZakonciZaznam(const std::string& konec) {
    if (!zaznam_.Bezi())
        return;
    if (!OdlozitZaznam)
        PripojZaznamDoSouboru(konec);
    else if (!konecZaznamu_)
        konecZaznamu_ = konec;
}

void TComDriver::ZapisZaznam(const std::string& doplnek) {
    if (!konecZaznamu_)
        return;
    const std::string konec = *konecZaznamu_ + (doplnek.empty() ? "" : "; " + doplnek);
    konecZaznamu_.reset();
    PripojZaznamDoSouboru(konec);
}

// The log is UTF-8, so that any editor or viewer shows its Czech words and the received text.
void TComDriver::PripojZaznamDoSouboru(const std::string& konec) {
    if (zaznam_.Bezi())
        PripojZaznam(prostredi_.SouborZaznamu, Cp1250NaUtf8(zaznam_.Ukonci(konec)));
}

std::string TComDriver::SeZaznamem(const std::string& zprava) const {
    if (prostredi_.SouborZaznamu.empty())
        return zprava;
    return zprava + Cz("\nPrůběh komunikace je zaznamenán v souboru \"") +
           TextCesty(prostredi_.SouborZaznamu) + "\".";
}

// Every byte to the instrument goes through here, so that the record sees it.
void TComDriver::Zapis(const std::string& bajty) {
    zaznam_.Pridej(true, bajty);
    port_->WriteString(bajty);
}

// --- download -------------------------------------------------------------------------------

void TComDriver::SpustNacteni(TPrikaz&) {
    stav_ = TStav::stCekaniNaData;
    TimerComErr->Stop();
    if (!OtevriPort())
        return;
    const uint64_t toto = spusteni_;
    // Bytes that came while no command ran (the port stays open between queued commands)
    // belong to no download.
    port_->PurgeInput();
    std::unique_ptr<TCekaniNaData> dialog = prostredi_.VytvorCekani();
    beh_.WaitDialog = dialog.get();
    const bool preruseno = dialog->UkazModalne();
    if (beh_.WaitDialog == dialog.get())
        beh_.WaitDialog = nullptr;
    // What the port has taken but not yet handed on belongs to the download ended here.
    if (preruseno && spusteni_ == toto && Nacita() && port_->Active()) {
        try {
            PrijemDat();
        } catch (const std::exception&) {
            // a port that fails now ends the download with what it has
        }
    }
    if (preruseno && spusteni_ == toto && Nacita())
        DokonciPrikaz(true);
}

// --- send -----------------------------------------------------------------------------------

void TComDriver::SpustZapis(TPrikaz& prikaz) {
    stav_ = TStav::stZapisRadku;
    TimerComErr->Stop();
    if (!OtevriPort())
        return;
    const auto radky = RadkyTextu(prikaz.Data);
    beh_.SendLines.assign(radky.begin(), radky.end());
    beh_.CelkemRadku = static_cast<int>(beh_.SendLines.size());
    if (OnPrubehZapisu)
        OnPrubehZapisu(*this, 0, beh_.CelkemRadku);
    if (beh_.SendLines.empty()) {
        // Nothing to send is sent at once: the command must still end.
        DokonciPrikaz(false);
        return;
    }
    port_->PurgeInput();
    port_->PurgeOutput();
    ZapisRadek();
    TimerComErr->Start();
}

void TComDriver::ZapisRadek() {
    try {
        Zapis(beh_.SendLines.front() + KonecRadku);
    } catch (const std::exception&) {
        ZtrataPortu(); // a port that takes no bytes is as good as gone
    }
}

// --- receiving ------------------------------------------------------------------------------

// Takes every byte waiting and never purges the input afterwards: a byte that arrives after
// the read stays in the device and comes with the next receipt.
void TComDriver::PrijemDat() {
    std::string prijato;
    for (int i = 0; i < CteniNaPrijem; ++i) {
        std::string kus = port_->ReadString();
        if (kus.empty())
            break;
        prijato += kus;
    }
    if (prijato.empty() || stav_ == TStav::stNecinny)
        return; // no command runs: the bytes belong to nothing
    zaznam_.Pridej(false, prijato);
    beh_.RxBuffer += prijato;
    if (Nacita())
        PrijemNacteni();
    else
        PrijemZapisu();
}

void TComDriver::PrijemNacteni() {
    if (stav_ == TStav::stCekaniNaData) {
        stav_ = TStav::stPrijemDat;
        if (beh_.WaitDialog) {
            beh_.WaitDialog->NastavText(Cz("Přijímám data z totální stanice"));
            if (StationType != TTypStanice::tsNTS660)
                beh_.WaitDialog->NastavTlacitko(
                    Cz("&Ukončit příjem"),
                    Cz("Ukončení příjmu: stanice NTS-350 konec dat nehlásí, přijatá data se "
                       "zobrazí"));
        }
    }
    if (OnPrubehNacteni)
        OnPrubehNacteni(*this, static_cast<int64_t>(beh_.RxBuffer.size()));
    if (StationType == TTypStanice::tsNTS660 && KonciNa(beh_.RxBuffer, KonecDat)) {
        DokonciPrikaz(false);
    } else if (beh_.RxBuffer.size() >= NejvetsiNacteni) {
        // A source that never stops (a cable sending without pause) would fill the memory:
        // the download ends, and what came is handed on as a finished download is.
        if (prostredi_.Zpravy)
            prostredi_.Zpravy->Zprava(
                TDruhZpravy::dzChyba,
                Cz("Příjem dat byl ukončen po ") + std::to_string(beh_.RxBuffer.size()) +
                    Cz(" bajtech: tolik dat žádná totální stanice nemá, stanice nebo kabel "
                       "zřejmě "
                       "vysílá bez přestávky. Přijatá data zůstávají k uložení."));
        DokonciPrikaz(false, Cz("příjem ukončen po ") + std::to_string(beh_.RxBuffer.size()) +
                                 Cz(" B bez značky konce dat (nejvíc, co se přijme)"));
    }
}

// Bytes that are not (yet) a complete answer leave the response timer running, so a station
// that answers noise, half an acknowledgement or nothing after EOT still ends the command
// through the time-out. An NTS-350 is sent to in the same conversation.
void TComDriver::PrijemZapisu() {
    if (stav_ == TStav::stKonecZapisu) {
        if (beh_.RxBuffer.back() == DC3) {
            port_->PurgeOutput();
            const int32_t prazdno = port_->OutputFree();
            try {
                Zapis(KonecRadku);
            } catch (const std::exception&) {
                ZtrataPortu();
                return;
            }
            port_->CekejNaOdeslani(prazdno, static_cast<int32_t>(KonecRadku.size()), LimitOdeslani);
            DokonciPrikaz(false);
        }
        return;
    }
    if (!KonciNa(beh_.RxBuffer, Potvrzeni))
        return;
    port_->PurgeOutput();
    beh_.SendLines.erase(beh_.SendLines.begin());
    TimerComErr->Stop();
    TimerComErr->Start();
    beh_.RxBuffer.clear();
    const uint64_t toto = spusteni_;
    if (!beh_.SendLines.empty()) {
        ZapisRadek();
    } else {
        stav_ = TStav::stKonecZapisu;
        try {
            Zapis(std::string(1, EOT));
        } catch (const std::exception&) {
            ZtrataPortu();
        }
    }
    if (OnPrubehZapisu && stav_ != TStav::stNecinny && spusteni_ == toto)
        OnPrubehZapisu(*this, beh_.CelkemRadku - static_cast<int>(beh_.SendLines.size()),
                       beh_.CelkemRadku);
}

void TComDriver::ChybaLinky(uint32_t errors) {
    std::string text;
    for (const auto& [bit, co] :
         {std::pair{SpLineError::RxParity, "parita"}, std::pair{SpLineError::Frame, "rámec"},
          std::pair{SpLineError::Overrun, "přetečení linky"},
          std::pair{SpLineError::RxOver, "přetečení vstupní fronty"},
          std::pair{SpLineError::Break, "přerušení linky (break)"}})
        if (errors & bit)
            text += (text.empty() ? "" : ", ") + Cz(co);
    if (!text.empty())
        zaznam_.Poznamka(Cz("chyba linky: ") + text);
    if ((errors & SpLineError::IoError) && port_->Active())
        ZtrataPortu();
}

// The device went away under a command (a pulled USB adapter, a hung-up line): the port is
// closed at once, so no thread waits on a dead device, the waiting dialog goes, and the
// command ends with the user told which port was lost.
void TComDriver::ZtrataPortu() {
    const std::string nazev = NazevPortu();
    const bool bezel = stav_ != TStav::stNecinny;
    TBehPrikazu byl = PrejdiDoKlidu();
    TCekaniNaData* dialog = byl.WaitDialog;
    if (port_->Active())
        port_->Close();
    if (dialog)
        dialog->Zavri();
    if (!bezel || fronta_.empty())
        return; // between commands: nothing to end
    const TMnozinaPrikazu typ = fronta_.front()->TypPrikazu;
    ZakonciZaznam(Cz("spojení přerušeno, port už není dostupný"));
    if (prostredi_.Zpravy) {
        prostredi_.Zpravy->Zprava(
            TDruhZpravy::dzChyba,
            SeZaznamem(Cz("Spojení s totální stanicí bylo přerušeno. Sériový port ") + nazev +
                       Cz(" už není dostupný.")));
        chybaOhlasena_ = true;
    }
    UkonciChybou(typ, typ == PrikazNacteni ? byl.RxBuffer : std::string());
}

// --- time-out and the end of a command ------------------------------------------------------

void TComDriver::VyprseniCasovace() {
    TimerComErr->Stop();
    if (fronta_.empty())
        return;
    const TMnozinaPrikazu typ = fronta_.front()->TypPrikazu;
    if (beh_.RetryCount < PocetOpakovani && typ != PrikazNacteni) {
        TimerComErr->Start();
        ++beh_.RetryCount;
        return;
    }
    // A send whose every line the station acknowledged has its data there: only the end went
    // unconfirmed, which the user must hear rather than that the send failed.
    const bool konecNepotvrzen = stav_ == TStav::stKonecZapisu;
    const int radku = beh_.CelkemRadku;
    if (TCekaniNaData* dialog = PrejdiDoKlidu().WaitDialog)
        dialog->Zavri();
    ZakonciZaznam(konecNepotvrzen ? Cz("stanice potvrdila všechny řádky, konec zápisu nepotvrdila")
                                  : Cz("stanice neodpověděla včas"));
    if (konecNepotvrzen && prostredi_.Zpravy) {
        prostredi_.Zpravy->Zprava(
            TDruhZpravy::dzChyba,
            SeZaznamem(Cz("Totální stanice potvrdila všechny řádky (") + std::to_string(radku) +
                       Cz("), nepotvrdila jen konec zápisu. Data v ní zřejmě jsou; ověřte to "
                          "v totální stanici.")));
        chybaOhlasena_ = true;
    }
    UkonciChybou(typ);
}

// Fires OnKomunikaceErr for the head command, removes it unless the handler has already
// changed the queue under it, and goes on with what remains (a download too, so that a
// queue the handler left is never stuck), or closes the port.
void TComDriver::UkonciChybou(TMnozinaPrikazu typ, const std::string& prijato) {
    const uint64_t toto = spusteni_;
    if (OnKomunikaceErr)
        OnKomunikaceErr(*this, typ, false, prijato);
    chybaOhlasena_ = false;
    if (spusteni_ == toto && stav_ == TStav::stNecinny && !fronta_.empty())
        fronta_.pop_front();
    SpustDalsiNeboZavri();
}

void TComDriver::DokonciPrikaz(bool preruseno, const std::string& konecZaznamu) {
    TBehPrikazu byl = PrejdiDoKlidu();
    // An NTS-350 marks no end: the user's end of a download that received is its finish.
    const bool ukonceno =
        preruseno && StationType != TTypStanice::tsNTS660 && !byl.RxBuffer.empty();
    ZakonciZaznam(!konecZaznamu.empty() ? konecZaznamu
                  : ukonceno            ? Cz("ukončeno uživatelem")
                  : preruseno           ? Cz("přerušeno uživatelem")
                                        : Cz("dokončeno"));
    // The waiting dialog of a download closes with it (one the user closed is gone already).
    if (byl.WaitDialog)
        byl.WaitDialog->Zavri();
    if (fronta_.empty()) {
        SpustDalsiNeboZavri();
        return;
    }
    const TMnozinaPrikazu typ = fronta_.front()->TypPrikazu;
    fronta_.pop_front();
    if (OnKomunikaceOK)
        OnKomunikaceOK(*this, typ, preruseno, byl.RxBuffer);
    SpustDalsiNeboZavri();
}
