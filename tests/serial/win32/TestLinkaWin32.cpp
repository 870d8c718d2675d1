// The other end of the cable on Windows under Wine: a null-modem pair of COM ports whose
// pseudo-terminals merivox-ptypair joins (the ctest fixture wine_ports). The port under test
// opens one side; the test sends and receives on the other through the same comm functions.
//
// Links of one test program are drawn from a small pool of pairs, so that a test can hold two
// at once. The relay outlives the test programs, so each link empties both sides when it is
// taken and when it is given back: no test sees bytes left over by the one before.
#include "serial/SpSlovnikLinky.h"
#include "serial/TestLinka.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace {

using namespace std::chrono_literals;

// The port side and the peer side of each pair (tests/windows/CMakeLists.txt starts the relay).
constexpr std::array<std::pair<int, int>, 3> kPary{{{21, 22}, {23, 24}, {25, 26}}};
constexpr int kChybejici = 300; // beyond the ports the prefix maps: no such device at all

std::mutex gPoolLock;
std::array<bool, kPary.size()> gObsazeno{};

std::string NazevPortu(int n) {
    return "\\\\.\\" + SpJmenoPortu(n);
}

bool PodWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

HANDLE Otevri(int n) {
    return CreateFileA(NazevPortu(n).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                       OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
}

// Empties what a port has received, on the port side too: Wine lets a second handle in.
void Vyprazdni(int n) {
    const HANDLE h = Otevri(n);
    if (h == INVALID_HANDLE_VALUE)
        return;
    PurgeComm(h, PURGE_RXABORT | PURGE_RXCLEAR);
    CloseHandle(h);
}

class TWineLinka final : public TTestLinka {
public:
    TWineLinka() {
        {
            std::lock_guard lock(gPoolLock);
            const auto volny = std::find(gObsazeno.begin(), gObsazeno.end(), false);
            if (volny == gObsazeno.end())
                throw std::runtime_error("all test lines are in use");
            *volny = true;
            slot_ = static_cast<size_t>(volny - gObsazeno.begin());
        }
        port_ = kPary[slot_].first;
        peer_ = Otevri(kPary[slot_].second);
        if (peer_ == INVALID_HANDLE_VALUE)
            throw std::runtime_error("the test line " + SpJmenoPortu(kPary[slot_].second) +
                                     " is not there (is the wine_ports fixture running?)");
        COMMTIMEOUTS t{MAXDWORD, 0, 0, 0, 0};
        SetCommTimeouts(peer_, &t);
        Vycisti();
    }
    ~TWineLinka() override {
        Vycisti();
        CloseHandle(peer_);
        CloseHandle(readEvent_);
        CloseHandle(writeEvent_);
        std::lock_guard lock(gPoolLock);
        gObsazeno[slot_] = false;
    }
    TWineLinka(const TWineLinka&) = delete;
    TWineLinka& operator=(const TWineLinka&) = delete;

    std::string Zarizeni() const override { return NazevPortu(port_); }
    std::string ChybejiciZarizeni() const override { return NazevPortu(kChybejici); }

    bool Posli(const std::string& bytes) override {
        std::lock_guard lock(writeLock_);
        OVERLAPPED ov{};
        ov.hEvent = writeEvent_;
        ResetEvent(writeEvent_);
        DWORD n = 0;
        const DWORD delka = static_cast<DWORD>(bytes.size());
        if (!WriteFile(peer_, bytes.data(), delka, &n, &ov) &&
            (GetLastError() != ERROR_IO_PENDING || !GetOverlappedResult(peer_, &ov, &n, TRUE)))
            return false;
        return n == delka;
    }

    std::string Prijmi(std::chrono::milliseconds limit, size_t pocet) override {
        std::lock_guard lock(readLock_);
        std::string prijato;
        const auto konec = std::chrono::steady_clock::now() + limit;
        while (prijato.size() < pocet) {
            // Only what is queued: a read on an empty queue would wait for ever under Wine.
            DWORD chyby = 0;
            COMSTAT stav{};
            if (!ClearCommError(peer_, &chyby, &stav))
                break;
            const DWORD kolik =
                std::min<DWORD>(stav.cbInQue, static_cast<DWORD>(pocet - prijato.size()));
            if (kolik > 0) {
                std::string kus(kolik, '\0');
                OVERLAPPED ov{};
                ov.hEvent = readEvent_;
                ResetEvent(readEvent_);
                DWORD n = 0;
                if (!ReadFile(peer_, kus.data(), kolik, &n, &ov) &&
                    (GetLastError() != ERROR_IO_PENDING ||
                     !GetOverlappedResult(peer_, &ov, &n, TRUE)))
                    break;
                prijato.append(kus, 0, n);
                continue;
            }
            if (std::chrono::steady_clock::now() >= konec)
                break;
            std::this_thread::sleep_for(1ms);
        }
        return prijato;
    }

    bool Pripojeno() const override { return !zaveseno_; }

    // The relay pulls the port side's cable and plugs in a fresh one for the next open.
    void Zaves() override {
        const std::string zadost =
            std::string(MERIVOX_WINE_PORTS) + "/com" + std::to_string(port_) + ".hangup";
        const HANDLE f = CreateFileA(zadost.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f == INVALID_HANDLE_VALUE)
            return;
        CloseHandle(f);
        for (int i = 0; i < 5000 && GetFileAttributesA(zadost.c_str()) != INVALID_FILE_ATTRIBUTES;
             ++i)
            std::this_thread::sleep_for(1ms);
        zaveseno_ = true;
    }

    std::string Nelze(TSchopnostLinky schopnost) const override {
        if (!PodWine())
            return {};
        switch (schopnost) {
        case TSchopnostLinky::slVyhradniPouziti:
            return "Wine opens a COM port any number of times; exclusive use is covered by the "
                   "POSIX backend's test and by SpPrevodWin32.ChybyOtevreni";
        case TSchopnostLinky::slOdmitnutiRychlosti:
            return "Wine takes any rate on a pseudo-terminal; a refused DCB is covered by "
                   "SpComPortCore.ARefusedDcbLeavesTheDevicesActualSettings";
        case TSchopnostLinky::slStavPripojeni:
            return "the relay holds the pseudo-terminal open itself, so no side sees who else "
                   "holds it";
        }
        return {};
    }

private:
    void Vycisti() {
        Vyprazdni(port_);
        PurgeComm(peer_, PURGE_RXABORT | PURGE_RXCLEAR);
    }

    size_t slot_ = 0;
    int port_ = 0;
    HANDLE peer_ = INVALID_HANDLE_VALUE;
    HANDLE readEvent_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE writeEvent_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::mutex readLock_;
    std::mutex writeLock_;
    bool zaveseno_ = false;
};

} // namespace

std::unique_ptr<TTestLinka> VytvorTestLinku() {
    return std::make_unique<TWineLinka>();
}
