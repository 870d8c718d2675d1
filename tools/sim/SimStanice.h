// An NTS-660 total station on a pseudo-terminal, for the tests and for trying Merivox without
// an instrument. The station holds the master side; the program opens the slave side exactly
// as it would open a USB adapter. It plays the two conversations of the instrument (sending
// measured data, receiving lines with DC3 DC1 acknowledgements) and a few faults a real line
// shows. Used in-process by the tests and by the merivox-sim tool.
//
// Not thread-safe: one thread drives a station; Zastav() may be called from any thread (or a
// signal handler's flag may be polled) to end a play early.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

struct TSimNastaveni {
    int Baud = 9600; // bytes are paced at 10 bits each; 0 = as fast as the line takes them
    std::chrono::milliseconds ZpozdeniPotvrzeni{20}; // before each DC3 DC1 (and the EOT answer)
    std::chrono::milliseconds ZpozdeniStartu{300};   // download: after the program opens the port
    std::string OdpovedNaEot = "OK\x13";             // what the station answers to EOT
    // Faults.
    bool Ticho = false;             // never send anything
    bool UriznutePotvrzeni = false; // acknowledgements end after DC3
    int Sum = 0;                    // this many random bytes before every answer and before data
    uint32_t RozdeleniSeed = 0;     // not 0: bytes go out in random pieces with short pauses
    int64_t ZaveseniPo = -1;        // hang up after this many bytes have passed the line
};

class TSimStanice {
public:
    explicit TSimStanice(TSimNastaveni nastaveni = {});
    ~TSimStanice();
    TSimStanice(const TSimStanice&) = delete;
    TSimStanice& operator=(const TSimStanice&) = delete;

    // The slave device the program opens.
    const std::string& Cesta() const { return cesta_; }
    // Whether a program has the port open now.
    bool Pripojeno() const;
    bool CekejNaPripojeni(std::chrono::milliseconds limit);
    bool CekejNaOdpojeni(std::chrono::milliseconds limit);
    bool Zaveseno() const { return master_ < 0; }

    // Sends bytes as the station would (pacing, splitting, hang-up); false when the line is gone.
    bool Posli(const std::string& bytes);
    // Sends bytes at once, in one piece, without any fault.
    bool PosliHned(const std::string& bytes);
    // What arrives within the time (stops early once `pocet` bytes are there, when given).
    std::string Prijmi(std::chrono::milliseconds limit, size_t pocet = SIZE_MAX);

    // The station sends measured data: waits for the program (at most `limit`), waits the start
    // delay and sends the data followed by EOT CR LF. False when nobody opened the port.
    bool HrajDownload(const std::string& data, std::chrono::milliseconds limit);
    // The station receives: acknowledges each line ending CR LF, answers EOT, takes the final
    // CR LF, and returns the lines (without their line ends). Ends early on hang-up, when the
    // program closes the port, or after `limit` without a byte.
    std::vector<std::string> HrajUpload(std::chrono::milliseconds limit);

    // Closes the master side: the program sees a hang-up and the device is gone.
    void Zaves();
    void Zastav() { zastaveno_ = true; }

private:
    bool ZapisVse(const char* data, size_t length);
    std::string NahodnySum();
    void Zapocti(size_t bytes);

    TSimNastaveni nastaveni_;
    int master_ = -1;
    std::string cesta_;
    std::atomic<bool> zastaveno_{false};
    int64_t prenesenoBajtu_ = 0;
    std::mt19937 nahoda_;
};
