// merivox-sim: an NTS-660 total station on a pseudo-terminal. See --help.
#include "SimStanice.h"
#include "VolbySim.h"

#include "common/Cp1250.h"
#include "common/ObsahSouboru.h"

#include <csignal>
#include <cstring>
#include <fstream>
#include <iostream>
#include <unistd.h>

namespace {

const char* const napoveda = R"(merivox-sim - an NTS-660 total station on a pseudo-terminal

Usage:
  merivox-sim [options] download FILE
      Each time a program opens the port: wait --start-delay, send FILE and the end mark
      EOT CR LF.
  merivox-sim [options] upload --out FILE
      Each time a program opens the port: acknowledge every line that ends in CR LF with
      DC3 DC1 (after --ack-delay), answer EOT with --eot-answer (ending in DC3), take the
      final CR LF and write the lines received to FILE (one per line, CR LF).

The first line on standard output is the device to open (for example /dev/pts/5); give it to
Merivox in section [Devices] of Merivex.ini (COM1=/dev/pts/5) or to merivox-cli --device.

Options:
  --link PATH         also make PATH a symbolic link to the device (removed at exit)
  --baud N            pace the bytes sent at N baud, 10 bits a byte (default 9600; 0 = no pacing)
  --ack-delay MS      delay before each acknowledgement (default 20)
  --start-delay MS    delay before a download starts (default 300)
  --eot-answer TEXT   answer to EOT; C escapes \r \n \xHH allowed (default "OK\x13")
  --once              serve one conversation and exit
Faults:
  --silence           never send anything
  --ack-cut           acknowledgements end after DC3 (DC1 never comes)
  --noise N           send N random printable bytes before every answer and before the data
  --split SEED        send bytes in random pieces with short pauses (seeded, repeatable)
  --hangup-after N    hang up (close the line) after N bytes have passed, either way
  --help              this text
  --version           the version of merivox-sim

Exit status: 0 after --once or a hang-up, 1 on a usage error, 2 when a file cannot be read or
written. SIGINT and SIGTERM end the program.
)";

volatile std::sig_atomic_t konec = 0;
void NaSignal(int) {
    konec = 1;
}

int Chyba(const std::string& text) {
    std::cerr << "merivox-sim: " << text << "\n(see merivox-sim --help)\n";
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    TVolbySim volby;
    if (const auto chyba = CtiVolbySim(std::vector<std::string>(argv + 1, argv + argc), volby))
        return Chyba(*chyba);
    if (volby.Napoveda) {
        std::cout << napoveda;
        return 0;
    }
    if (volby.Verze) {
        std::cout << "merivox-sim " MERIVOX_VERZE_TEXT "\n";
        return 0;
    }
    const TSimNastaveni& nastaveni = volby.Nastaveni;
    const std::string &rezim = volby.Rezim, &soubor = volby.Soubor, &vystup = volby.Vystup,
                      &odkaz = volby.Odkaz;
    const bool jednou = volby.Jednou;

    std::string data;
    if (rezim == "download") {
        if (const auto chyba = NactiObsahSouboru(soubor, data)) {
            std::cerr << "merivox-sim: " << Cp1250NaUtf8(chyba->Text()) << '\n';
            return 2;
        }
    }

    std::signal(SIGINT, NaSignal);
    std::signal(SIGTERM, NaSignal);
    std::signal(SIGPIPE, SIG_IGN);

    TSimStanice stanice(nastaveni);
    std::cout << stanice.Cesta() << std::endl;
    if (!odkaz.empty()) {
        unlink(odkaz.c_str());
        if (symlink(stanice.Cesta().c_str(), odkaz.c_str()) != 0) {
            std::cerr << "merivox-sim: cannot link " << odkaz << ": " << std::strerror(errno)
                      << '\n';
            return 2;
        }
        std::cerr << "merivox-sim: " << odkaz << " -> " << stanice.Cesta() << '\n';
    }

    int stav = 0;
    const auto kratce = std::chrono::milliseconds(200);
    while (!konec && !stanice.Zaveseno()) {
        if (!stanice.CekejNaPripojeni(kratce))
            continue;
        if (rezim == "download") {
            stanice.HrajDownload(data, kratce);
            std::cerr << "merivox-sim: sent " << data.size() << " bytes and EOT CR LF\n";
        } else {
            const std::vector<std::string> radky = stanice.HrajUpload(std::chrono::hours(24));
            std::ofstream out(vystup, std::ios::binary | std::ios::trunc);
            for (const std::string& r : radky)
                out << r << "\r\n";
            if (!out) {
                std::cerr << "merivox-sim: cannot write " << vystup << '\n';
                stav = 2;
                break;
            }
            std::cerr << "merivox-sim: received " << radky.size() << " lines\n";
        }
        // One conversation per opening: wait until the program closes the port (closing the
        // line earlier would throw away what the program has not read yet).
        while (!konec && !stanice.Zaveseno() && !stanice.CekejNaOdpojeni(kratce)) {
        }
        if (jednou)
            break;
    }
    if (stanice.Zaveseno())
        std::cerr << "merivox-sim: hung up\n";
    if (!odkaz.empty())
        unlink(odkaz.c_str());
    return stav;
}
