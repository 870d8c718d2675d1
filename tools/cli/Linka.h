// What download and send share: the options that choose the port and its line settings, and
// the station link driver run without windows (a plain loop as the user-interface thread, the
// plain response timer, a waiting "dialog" that serves the loop until the download ends or
// Ctrl+C comes, and the driver's messages on standard error).
#pragma once

#include "Cli.h"
#include "Preruseni.h"

#include "common/Zpravy.h"
#include "link/Komunikace.h"
#include "serial/SpPlainSyncUi.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// The options checked; what is not given comes from section Port of the settings file.
struct TNastaveniLinky {
    std::optional<uint16_t> Cislo;
    std::string Zarizeni;
    std::optional<TSpBaudrate> Rychlost;
    std::optional<TSpParity> Parita;
    std::optional<TSpDatabits> DatoveBity;
    std::optional<TSpStopbits> StopBity;
    std::optional<std::string> Nastaveni;
    std::optional<std::string> Zaznam; // --log: the conversation record's file
};

// Reads the arguments of download or send: the link options beside the subcommand's own in
// `pravidla`, then the link's values checked into `nastaveni`. Nothing when the subcommand
// goes on; else its exit status (as CtiVolby; a value the link does not know is a usage error
// led by its option). `napoveda` and `napovedaKonec` are the subcommand's help before and
// after the lines of the link options (UTF-8).
std::optional<int> CtiVolbyLinky(const TArgumenty& argumenty, TPravidlaVoleb pravidla,
                                 const TTerminal& terminal, const std::string& prikaz,
                                 const char* napoveda, const char* napovedaKonec,
                                 TNastaveniLinky& nastaveni);

// One line on standard error that rewrites itself, shown only when standard error is a
// terminal (scripts and logs get no progress, only the messages).
class TRadekPrubehu {
public:
    TRadekPrubehu(const TTerminal& terminal, bool zobrazit)
        : terminal_(terminal), zobrazit_(zobrazit) {}
    ~TRadekPrubehu() { Ukonci(); }
    void Ukaz(const std::string& cp1250);
    // Leaves the last text standing on its own line.
    void Ukonci();

private:
    const TTerminal& terminal_;
    bool zobrazit_;
    std::string posledni_;
    bool zobrazeno_ = false;
};

// Messages of the driver and of the subcommand: one line each on standard error.
class TZpravyCli : public TZpravy {
public:
    TZpravyCli(const TTerminal& terminal, std::string prikaz)
        : terminal_(terminal), prikaz_(std::move(prikaz)) {}
    void Zprava(TDruhZpravy druh, const std::string& text) override;
    bool OtazkaAnoNe(const std::string&, const std::string&) override { return false; }
    // Called before a message so that it does not land inside the progress line.
    std::function<void()> PredZpravou;

private:
    const TTerminal& terminal_;
    std::string prikaz_;
};

// How a command run on the driver ended.
struct TKonecPrikazu {
    bool Dokonceno = false;       // OnKomunikaceOK came for the command, not aborted
    bool Preruseno = false;       // a signal (Ctrl+C, SIGTERM, SIGHUP) ended a send
    bool KonecUzivatelem = false; // OnKomunikaceOK came for a download ended by a signal or
                                  // the quiet time
    bool Chyba = false;           // OnKomunikaceErr came (the line failed or went away)
    int Signal = 0;               // the signal that came, 0 when none
    std::string Data; // a download's data as the driver handed them on, also a failed one's
};

// How long one slice of the loop waits for events before it looks at Ctrl+C and the progress.
constexpr std::chrono::milliseconds kKrokSmycky{50};

class TLinkaCli {
public:
    // Installs the plain loop as the user-interface thread of the program's sync call table,
    // creates the driver, loads section Port and applies the options over it.
    TLinkaCli(const TTerminal& terminal, const std::string& prikaz,
              const TNastaveniLinky& nastaveni);
    // Frees the driver (closing the port) and puts the previous user-interface side back.
    ~TLinkaCli();
    TLinkaCli(const TLinkaCli&) = delete;
    TLinkaCli& operator=(const TLinkaCli&) = delete;

    TComDriver& Driver() { return *driver_; }
    TZpravyCli& Zpravy() { return zpravy_; }
    TRadekPrubehu& Prubeh() { return prubeh_; }

    // Runs one command on the driver, download or send alike: takes the driver's events over
    // for the run (a failure is told on standard error, a send's progress shown), queues the
    // command and serves the loop until it ends; a signal (Ctrl+C, SIGTERM, SIGHUP) removes a
    // send and ends a download with what came.
    TKonecPrikazu Proved(TMnozinaPrikazu typ, const std::string& data);

    // Serves port events and the timer until `hotovo` holds; false when Ctrl+C came first.
    bool Cekej(const std::function<bool()>& hotovo);
    // One slice of the loop (at most `limit`), returning early once `hotovo` holds.
    void Obsluz(const std::function<bool()>& hotovo, std::chrono::milliseconds limit);

    // An NTS-350 download ends once bytes came and then none for this long (--quiet), as the
    // waiting dialog's button ends it in the program; none: only Ctrl+C ends it.
    std::optional<std::chrono::milliseconds> TichoKonce;

    // The waiting dialog's text line, and its progress line: that text and the bytes read.
    std::string TextCekani;
    void UkazPrubehCekani();

    // The driver's limit of a download without its end mark (tests lower it).
    static inline std::size_t NejvetsiNacteni = TComDriver::kNejvetsiNacteni;

private:
    TPreruseni preruseni_;
    TSpPlainSyncUi ui_;
    TSpSyncUi* predchoziUi_;
    TZpravyCli zpravy_;
    TRadekPrubehu prubeh_;
    std::unique_ptr<TComDriver> driver_;
};
