#include "SimStanice.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <stdlib.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

// The station's own copy of the protocol bytes, not the driver's header (link/ProtokolStanice.h)
// on purpose: the simulator is the independent counterpart the driver is tested against, so a
// fault in the driver's bytes must not be copied into the station that checks them.
constexpr char EOT = 0x04;
constexpr char DC1 = 0x11;
constexpr char DC3 = 0x13;

void NastavSurovyRezim(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return;
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    tcsetattr(fd, TCSANOW, &t);
}

} // namespace

TSimStanice::TSimStanice(TSimNastaveni nastaveni)
    : nastaveni_(std::move(nastaveni)),
      nahoda_(nastaveni_.RozdeleniSeed ? nastaveni_.RozdeleniSeed : 1) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        throw std::runtime_error("merivox-sim: no pseudo-terminal");
    cesta_ = ptsname(master_);
    // Raw from the start, so nothing the station sends is echoed back before the program has
    // applied its own settings. Opening and closing the slave once also makes "no program has
    // the port" visible as a hang-up on the master side.
    const int slave = open(cesta_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave >= 0) {
        NastavSurovyRezim(slave);
        close(slave);
    }
}

TSimStanice::~TSimStanice() {
    Zaves();
}

void TSimStanice::Zaves() {
    if (master_ >= 0)
        close(master_);
    master_ = -1;
}

bool TSimStanice::Pripojeno() const {
    if (master_ < 0)
        return false;
    pollfd p{master_, POLLIN, 0};
    poll(&p, 1, 0);
    return (p.revents & POLLHUP) == 0;
}

bool TSimStanice::CekejNaPripojeni(std::chrono::milliseconds limit) {
    const auto konec = std::chrono::steady_clock::now() + limit;
    while (!Pripojeno()) {
        if (zastaveno_ || master_ < 0 || std::chrono::steady_clock::now() >= konec)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool TSimStanice::CekejNaOdpojeni(std::chrono::milliseconds limit) {
    const auto konec = std::chrono::steady_clock::now() + limit;
    while (Pripojeno()) {
        if (zastaveno_ || std::chrono::steady_clock::now() >= konec)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void TSimStanice::Zapocti(size_t bytes) {
    prenesenoBajtu_ += static_cast<int64_t>(bytes);
    if (nastaveni_.ZaveseniPo >= 0 && prenesenoBajtu_ >= nastaveni_.ZaveseniPo) {
        // A pseudo-terminal throws away what the program has not read yet when the master
        // closes; give the bytes already "on the wire" a moment to arrive first.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        Zaves();
    }
}

bool TSimStanice::ZapisVse(const char* data, size_t length) {
    size_t hotovo = 0;
    while (hotovo < length) {
        if (master_ < 0 || zastaveno_)
            return false;
        const ssize_t n = write(master_, data + hotovo, length - hotovo);
        if (n > 0) {
            hotovo += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (!Pripojeno())
            return false; // nobody reads: the bytes are lost, as on a cable with no one on it
        pollfd p{master_, POLLOUT, 0};
        poll(&p, 1, 20);
    }
    return true;
}

bool TSimStanice::PosliHned(const std::string& bytes) {
    return ZapisVse(bytes.data(), bytes.size());
}

bool TSimStanice::Posli(const std::string& bytes) {
    if (nastaveni_.Ticho)
        return master_ >= 0;
    using namespace std::chrono;
    const auto start = steady_clock::now();
    size_t poslano = 0;
    while (poslano < bytes.size()) {
        size_t kus = bytes.size() - poslano;
        if (nastaveni_.RozdeleniSeed)
            kus = std::min<size_t>(kus, std::uniform_int_distribution<size_t>(1, 16)(nahoda_));
        else if (nastaveni_.Baud > 0)
            kus = std::min<size_t>(kus, static_cast<size_t>(std::max(1, nastaveni_.Baud / 1000)));
        if (nastaveni_.ZaveseniPo >= 0)
            kus = std::min<size_t>(kus, static_cast<size_t>(std::max<int64_t>(
                                            0, nastaveni_.ZaveseniPo - prenesenoBajtu_)));
        if (kus == 0) {
            Zaves();
            return false;
        }
        if (!ZapisVse(bytes.data() + poslano, kus))
            return false;
        poslano += kus;
        Zapocti(kus);
        if (nastaveni_.Baud > 0)
            std::this_thread::sleep_until(
                start + microseconds(static_cast<int64_t>(poslano) * 10'000'000 / nastaveni_.Baud));
        if (nastaveni_.RozdeleniSeed)
            std::this_thread::sleep_for(
                microseconds(std::uniform_int_distribution<int>(0, 3000)(nahoda_)));
        if (master_ < 0)
            return poslano == bytes.size();
    }
    return true;
}

std::string TSimStanice::Prijmi(std::chrono::milliseconds limit, size_t pocet) {
    std::string prijato;
    const auto konec = std::chrono::steady_clock::now() + limit;
    while (prijato.size() < pocet && master_ >= 0 && !zastaveno_) {
        const auto zbyva = std::chrono::duration_cast<std::chrono::milliseconds>(
            konec - std::chrono::steady_clock::now());
        if (zbyva.count() <= 0)
            break;
        pollfd p{master_, POLLIN, 0};
        poll(&p, 1, static_cast<int>(std::min<int64_t>(zbyva.count(), 20)));
        if (!(p.revents & POLLIN)) {
            if (p.revents & POLLHUP) // no program on the line: wait for one without spinning
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        char buf[4096];
        const size_t chci = std::min(sizeof buf, pocet - prijato.size());
        const ssize_t n = read(master_, buf, chci);
        if (n > 0) {
            prijato.append(buf, static_cast<size_t>(n));
            Zapocti(static_cast<size_t>(n));
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    return prijato;
}

std::string TSimStanice::NahodnySum() {
    std::string sum;
    std::uniform_int_distribution<int> bajt(0x20, 0x7E); // never EOT, DC1 or DC3
    for (int i = 0; i < nastaveni_.Sum; ++i)
        sum += static_cast<char>(bajt(nahoda_));
    return sum;
}

bool TSimStanice::HrajDownload(const std::string& data, std::chrono::milliseconds limit) {
    if (!CekejNaPripojeni(limit))
        return false;
    std::this_thread::sleep_for(nastaveni_.ZpozdeniStartu);
    return Posli(NahodnySum() + data + std::string{EOT, '\r', '\n'});
}

std::vector<std::string> TSimStanice::HrajUpload(std::chrono::milliseconds limit) {
    std::vector<std::string> radky;
    std::string radek;
    bool poEot = false;
    auto posledni = std::chrono::steady_clock::now();
    bool bylPripojen = false;
    while (master_ >= 0 && !zastaveno_) {
        const bool pripojen = Pripojeno();
        if (bylPripojen && !pripojen)
            break; // the program closed the port
        bylPripojen = bylPripojen || pripojen;
        if (std::chrono::steady_clock::now() - posledni > limit)
            break;
        const std::string prislo = Prijmi(std::chrono::milliseconds(20));
        if (prislo.empty())
            continue;
        posledni = std::chrono::steady_clock::now();
        for (char c : prislo) {
            if (poEot) {
                radek += c;
                if (radek.size() >= 2 && radek.compare(radek.size() - 2, 2, "\r\n") == 0)
                    return radky; // the program's final CR LF: the conversation is over
                continue;
            }
            if (c == EOT && radek.empty()) {
                std::this_thread::sleep_for(nastaveni_.ZpozdeniPotvrzeni);
                Posli(NahodnySum() + nastaveni_.OdpovedNaEot);
                poEot = true;
                continue;
            }
            radek += c;
            if (radek.size() >= 2 && radek.compare(radek.size() - 2, 2, "\r\n") == 0) {
                radky.push_back(radek.substr(0, radek.size() - 2));
                radek.clear();
                std::this_thread::sleep_for(nastaveni_.ZpozdeniPotvrzeni);
                std::string potvrzeni{DC3};
                if (!nastaveni_.UriznutePotvrzeni)
                    potvrzeni += DC1;
                Posli(NahodnySum() + potvrzeni);
            }
        }
    }
    return radky;
}
