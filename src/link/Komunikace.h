// The station link: the one object through which the program talks to the total station.
// Conversations are queued commands (download, send); the driver runs one at a time, opens
// the port when a command starts, closes it when the queue becomes empty, and reports the end
// of every command through OnKomunikaceOK or OnKomunikaceErr. Everything runs on the
// user-interface thread.
#pragma once

#include "common/TypStanice.h"
#include "link/Casovac.h"
#include "link/CekaniNaData.h"
#include "link/PortStanice.h"
#include "link/ZaznamKomunikace.h"
#include "serial/SpBackend.h"
#include "serial/SpTypes.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TIniFile;
class TZpravy;
class TComDriver;

// Command type: 1 = download, 2 = send.
using TMnozinaPrikazu = uint8_t;
constexpr TMnozinaPrikazu PrikazNacteni = 1;
constexpr TMnozinaPrikazu PrikazZapis = 2;

// A queued command: its type and, for a send, the whole text (lines ended by CR LF).
struct TPrikaz {
    TMnozinaPrikazu TypPrikazu = PrikazNacteni;
    std::string Data;
};

// The end of a command. AData: a download's whole received text, end mark included; for a
// send what came after the last acknowledged line. OnKomunikaceErr passes false, and for a
// download what it had received before the line failed (the caller may keep it), else "".
using TKomunikaceEvent = std::function<void(TComDriver& Sender, TMnozinaPrikazu ATypPrikazu,
                                            bool APreruseno, const std::string& AData)>;
// How far a send has come: lines acknowledged by the station out of the command's lines.
using TPrubehZapisuEvent = std::function<void(TComDriver& Sender, int APotvrzeno, int ACelkem)>;
using TComDriverNotifyEvent = std::function<void(TComDriver& Sender)>;
// How far a download has come: the bytes received so far (end mark included once it came).
using TPrubehNacteniEvent = std::function<void(TComDriver& Sender, int64_t APrijato)>;

// What the driver needs from its surroundings: the program gives Qt-based pieces, merivox-cli
// and the tests plain ones.
struct TProstrediKomunikace {
    // Creates the waiting dialog of a download.
    std::function<std::unique_ptr<TCekaniNaData>()> VytvorCekani;
    // Creates the response timer.
    std::function<std::unique_ptr<TCasovac>()> VytvorCasovac;
    // Where the driver shows its own messages (a port that cannot be opened, a lost port).
    TZpravy* Zpravy = nullptr;
    // The port's surroundings (tests use their own table and backend).
    TSpSyncCallTable* SyncTable = &TSpSyncCallTable::Global();
    TSpBackendFactory BackendFactory = &SpCreateBackend;
    // Where each command's record of the conversation is appended (the program and
    // merivox-cli: VychoziSouborZaznamu); empty: no record.
    std::filesystem::path SouborZaznamu;
};

class TComDriver {
public:
    explicit TComDriver(TProstrediKomunikace prostredi);
    ~TComDriver();
    TComDriver(const TComDriver&) = delete;
    TComDriver& operator=(const TComDriver&) = delete;

    // Queues a command; starts it at once when the queue was empty. Callers never queue an
    // empty send text. A download shows its waiting dialog modally, so its whole run (a nested
    // event loop) happens inside this call: port events, the timer and the windows' handlers
    // run meanwhile and may re-enter the driver, ending the download or queuing and starting
    // further commands before this call returns. Code that ran a handler therefore compares
    // the start counter to see whether another command began meanwhile.
    void AddCommand(TMnozinaPrikazu typPrikazu, const std::string& data);
    // Removes every queued command, the running one included, and goes idle (the response
    // timer stops, the running command's state goes, its waiting dialog closes) without
    // touching the port or the mode. Every OnKomunikaceErr handler calls it first.
    void ClearCommands();
    int PocetPrikazu() const { return static_cast<int>(fronta_.size()); }

    // Section `Port` of the settings file. A port number outside 1 to 65535 is refused (the
    // port stays as it was); the returned warning (cp1250) then names the file and the value,
    // else it is empty.
    std::string LoadSettings(TIniFile& ini);
    void SaveSettings(TIniFile& ini);

    // Line settings, passed straight through to the port component, which alone holds them.
    uint16_t ComNumber() const;
    void SetComNumber(uint16_t value);
    TSpBaudrate BaudRate() const;
    void SetBaudRate(TSpBaudrate value);
    TSpParity Parity() const;
    void SetParity(TSpParity value);
    TSpDatabits DataBits() const;
    void SetDataBits(TSpDatabits value);
    TSpStopbits StopBits() const;
    void SetStopBits(TSpStopbits value);

    // Opens the port with its settings as the settings dialog's "Ulož" tests them, and keeps
    // the outcome in the conversation record; raises as the port does when it fails.
    void ZkusPort();

    // The port component itself: the settings dialog closes and reopens it, merivox-cli
    // points it at a device path, the tests shorten its timing.
    TPortStanice& Port() { return *port_; }

    // Read and written by the main window, the settings dialog and the conversion.
    TTypStanice StationType = TTypStanice::tsNTS660;

    TKomunikaceEvent OnKomunikaceOK;
    TKomunikaceEvent OnKomunikaceErr;
    // After every acknowledged line of a send (and once with 0 when the send starts).
    TPrubehZapisuEvent OnPrubehZapisu;
    // A command could not start because the port could not be opened; the driver has shown
    // its message and cleared the queue. Windows that disabled an action re-enable it here.
    TComDriverNotifyEvent OnChybaOtevreni;
    // After every receipt of a download (merivox-cli shows the count as it goes).
    TPrubehNacteniEvent OnPrubehNacteni;

    // A download ends once it has received this many bytes without its end mark, with a
    // message, handing on what came: far above a full instrument memory (some thousands of
    // records, well under a megabyte; 64 MB take almost a day at 9600 Bd), and far below
    // what would strain a laptop. Only a source that never stops reaches it.
    static constexpr std::size_t kNejvetsiNacteni = std::size_t(64) << 20;
    std::size_t NejvetsiNacteni = kNejvetsiNacteni; // tests lower it

    // What the running download has received so far.
    const std::string& PrijataData() const { return beh_.RxBuffer; }

    // Whether the driver has itself told the user why the failing command ended (a lost port,
    // a send whose end went unconfirmed): an OnKomunikaceErr handler then adds no message of
    // its own, so that one failure is one message.
    bool ChybaOhlasena() const { return chybaOhlasena_; }
    // A message about a failed transfer followed by the line that names the conversation
    // record, where the user (or whoever helps) finds what went over the line (cp1250).
    std::string SeZaznamem(const std::string& zprava) const;

    // merivox-cli saves a download before its record is written, so that the record tells how
    // the saving went and a record file that blocks never holds the data up: with this set, a
    // command's record waits after its end until ZapisZaznam (or the next command, or the
    // driver's end).
    bool OdlozitZaznam = false;
    // Ends the running command's record with the reason `konec` (cp1250); a deferred record
    // that already has its reason keeps it.
    void ZakonciZaznam(const std::string& konec);
    // Writes a deferred record, its reason followed by "; " and `doplnek` when that is given.
    void ZapisZaznam(const std::string& doplnek = {});

    // The response timer's interval (1000 ms); tests shorten it.
    void SetIntervalCasovace(std::chrono::milliseconds interval);

private:
    // What belongs to the running command. Empty whenever the driver is idle: PrejdiDoKlidu
    // takes it as a whole, so no piece of one command is left for the next.
    struct TBehPrikazu {
        std::vector<std::string> SendLines; // a send's lines not yet acknowledged
        int CelkemRadku = 0;                // a send's lines in all
        std::string RxBuffer;               // received since the command or its last line
        int RetryCount = 0;                 // time-outs a send has waited out
        // The waiting dialog of the running download; owned by the download's start, which
        // shows it (a nested download started from inside it has its own).
        TCekaniNaData* WaitDialog = nullptr;
    };

    void PrijemDat();
    void PrijemNacteni();
    void PrijemZapisu();
    void ChybaLinky(uint32_t errors);
    void SpustPrikaz(TPrikaz& prikaz);
    void SpustNacteni(TPrikaz& prikaz);
    void SpustZapis(TPrikaz& prikaz);
    bool OtevriPort();
    void ZapisRadek();
    void VyprseniCasovace();
    void DokonciPrikaz(bool preruseno, const std::string& konecZaznamu = {});
    void SpustDalsiNeboZavri();
    void ZtrataPortu();
    void UkonciChybou(TMnozinaPrikazu typ, const std::string& prijato = {});
    // The one way to idle: the mode Necinny, the response timer stopped and the running
    // command's state handed back (its waiting dialog is the caller's to close), leaving an
    // empty one.
    TBehPrikazu PrejdiDoKlidu();
    std::string NazevPortu() const;
    // The conversation record: started with each command, fed with every byte written and
    // received, ended (and appended to the log) where the command ends.
    void ZacniZaznam(const TPrikaz& prikaz);
    void ZacniZaznam(const std::string& prikaz);
    void PripojZaznamDoSouboru(const std::string& konec);
    void Zapis(const std::string& bajty);

    // Where the running command stands. Between commands (and when a handler cleared the
    // queue under a running one) the driver is idle and received bytes belong to nothing.
    enum class TStav : uint8_t {
        stNecinny,      // no command runs
        stCekaniNaData, // a download waits for its first bytes
        stPrijemDat,    // a download receives (the waiting dialog says so)
        stZapisRadku,   // a send waits for the acknowledgement of its line
        stKonecZapisu,  // a send has written EOT and waits for the station's DC3
    };
    bool Nacita() const { return stav_ == TStav::stCekaniNaData || stav_ == TStav::stPrijemDat; }

    TProstrediKomunikace prostredi_;
    std::unique_ptr<TPortStanice> port_;
    std::unique_ptr<TCasovac> TimerComErr;
    std::deque<std::unique_ptr<TPrikaz>> fronta_;
    // Whether the head command has been started is stav_ != TStav::stNecinny (a handler that queues
    // a command may start it before the finishing steps come to it); spusteni_ counts the starts,
    // by which code that ran a handler sees whether another command began meanwhile.
    TStav stav_ = TStav::stNecinny;
    uint64_t spusteni_ = 0;
    TBehPrikazu beh_;
    TZaznamKomunikace zaznam_;
    std::optional<std::string> konecZaznamu_; // a deferred record's reason
    bool chybaOhlasena_ = false;
};
