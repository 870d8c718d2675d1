// merivox-cli download and send against the simulated station on a pseudo-terminal, through
// the real station link driver: in-process (the station played on a thread) and, for Ctrl+C
// and the sim binary, as processes.
#include "SlozkaTestu.h"
#include "ZaznamZprav.h"
#include "serial/SimProces.h"
#include "serial/SpBackend.h"
#include "serial/posix/FalesnaSlozkaZarizeni.h"

#include "Cli.h"
#include "Linka.h"
#include "PocitadloBajtu.h"
#include "SimStanice.h"

#include "common/Cp1250.h"
#include "common/IniFile.h"
#include "common/NahradaSouboru.h"
#include "link/ProtokolStanice.h"
#include "serial/SpSlovnikLinky.h"
#include "serial/SpSyncCall.h"
#include "upload/TextyZapisu.h"
#include "upload/ZapisZeSouboru.h"

#include <gmock/gmock.h>

#include <csignal>
#include <fcntl.h>
#include <future>
#include <memory>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

struct TBeh {
    int Status;
    std::string Vystup;
    std::string Chyby; // UTF-8
};

TSimNastaveni Rychla() {
    TSimNastaveni n;
    n.Baud = 0;
    n.ZpozdeniPotvrzeni = 0ms;
    // Bytes sent while the program is still opening the port may be purged by the opening, as
    // on a real line: a station starts only once the user pressed its send key.
    n.ZpozdeniStartu = 100ms;
    return n;
}

// The station's side of a send: acknowledges each line at once, answers EOT, and returns
// every byte the program wrote, up to its final CR LF (or until nothing came for `ticho`).
std::string PrijmiZapis(TSimStanice& stanice, std::chrono::milliseconds ticho = 3000ms) {
    std::string vse, radek;
    bool poEot = false, bylPripojen = false;
    auto posledni = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - posledni < ticho) {
        const std::string b = stanice.Prijmi(20ms, 1);
        bylPripojen = bylPripojen || stanice.Pripojeno();
        if (b.empty()) {
            if (bylPripojen && !stanice.Pripojeno()) {
                vse += stanice.Prijmi(100ms); // what was written just before the close
                break;
            }
            continue;
        }
        posledni = std::chrono::steady_clock::now();
        vse += b;
        if (poEot) {
            if (vse.size() >= 2 && vse.compare(vse.size() - 2, 2, "\r\n") == 0)
                break;
        } else if (b[0] == EOT && radek.empty()) {
            stanice.Posli("OK\x13");
            poEot = true;
        } else {
            radek += b;
            if (radek.size() >= 2 && radek.compare(radek.size() - 2, 2, "\r\n") == 0) {
                radek.clear();
                stanice.Posli("\x13\x11");
            }
        }
    }
    return vse;
}

// What a send of `text` puts on the wire: its lines, each with CR LF, then EOT and CR LF.
std::string DratZapisu(const std::string& text) {
    std::string drat;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t konec = text.find_first_of("\r\n", i);
        if (konec == std::string::npos)
            konec = text.size();
        drat += text.substr(i, konec - i) + "\r\n";
        i = konec;
        if (i < text.size() && text[i] == '\r')
            ++i;
        if (i < text.size() && text[i] == '\n')
            ++i;
    }
    return drat + EOT + "\r\n";
}

// Barriers for a station thread beside merivox-cli run in-process. The CLI's loop runs posted
// calls only while its download waits, after the port has been opened and its input purged:
// a call posted to it has run once the station may send.
bool CekejNaSmyckuCli() {
    TSpSyncUi* smycka = TSpSyncCallTable::Global().Ui();
    if (!smycka)
        return false;
    auto bezi = std::make_shared<std::promise<void>>();
    std::future<void> probehlo = bezi->get_future();
    smycka->Post([bezi] { bezi->set_value(); });
    return probehlo.wait_for(10s) == std::future_status::ready;
}

// Polls the CLI's count of the bytes its driver has taken from the port: the CLI has no event
// a thread beside it could wait on.
bool CekejNaPrecteni(int64_t pocet) {
    const auto konec = std::chrono::steady_clock::now() + 10s;
    while (PrectenoBajtu() < pocet)
        if (std::chrono::steady_clock::now() > konec)
            return false;
        else
            std::this_thread::sleep_for(1ms);
    return true;
}

// merivox-cli as a process of its own, its streams in files (standard output into `vystup`
// when that is given).
class TCliProces {
public:
    TCliProces(const std::vector<std::string>& argumenty, const fs::path& slozka, int vystup = -1)
        : slozka_(slozka) {
        std::string program = std::string(MERIVOX_BIN_DIR) + "/merivox-cli";
        std::vector<std::string> kopie = argumenty;
        std::vector<char*> argv{program.data()};
        for (std::string& a : kopie)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t akce;
        posix_spawn_file_actions_init(&akce);
        if (vystup >= 0)
            posix_spawn_file_actions_adddup2(&akce, vystup, STDOUT_FILENO);
        else
            posix_spawn_file_actions_addopen(&akce, STDOUT_FILENO, (slozka_ / "out").c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&akce, STDERR_FILENO, (slozka_ / "err").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawn(&pid_, program.c_str(), &akce, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&akce);
    }
    ~TCliProces() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    void Signal(int signal) { kill(pid_, signal); }
    // The exit status; -1 for a death by signal, -2 when it has not ended within `limit`.
    int Cekej(std::chrono::milliseconds limit = std::chrono::minutes(2)) {
        int status = 0;
        const auto konec = std::chrono::steady_clock::now() + limit;
        while (waitpid(pid_, &status, WNOHANG) == 0)
            if (std::chrono::steady_clock::now() > konec)
                return -2;
            else
                std::this_thread::sleep_for(10ms);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Chyby() const { return NactiSoubor(slozka_ / "err"); }
    // The file a message names last ("... v souboru \"X\"."), the rescued data.
    fs::path JmenovanySoubor() const { return PosledniJmeno(Chyby()); }
    static fs::path PosledniJmeno(const std::string& chyby) {
        const auto konec = chyby.rfind('"');
        const auto zacatek = chyby.rfind('"', konec - 1);
        return konec == std::string::npos || zacatek == std::string::npos
                   ? fs::path()
                   : fs::path(chyby.substr(zacatek + 1, konec - zacatek - 1));
    }

private:
    fs::path slozka_;
    pid_t pid_ = -1;
};

} // namespace

class LinkaCli : public TSlozkaTestu {
protected:
    void SetUp() override {
        TSlozkaTestu::SetUp();
        ini_ = slozka_ / "Merivex.ini";
        // Ports the test does not map never reach a real device.
        for (int n = 1; n <= 10; ++n)
            Mapuj(n, (slozka_ / ("chybi-com" + std::to_string(n))).string());
    }
    void Mapuj(int cislo, const std::string& zarizeni) {
        TIniFile(ini_).WriteString("Devices", SpJmenoPortu(cislo), zarizeni);
    }
    TBeh Spust(const std::string& prikaz, TArgumenty argumenty) {
        argumenty.insert(argumenty.begin(), {prikaz, "--settings", ini_.string()});
        std::ostringstream vystup, chyby;
        const TTerminal terminal{vystup, chyby, true};
        const int status = SpustCli(argumenty, terminal);
        return {status, vystup.str(), chyby.str()};
    }
    fs::path ini_;
};

TEST_F(LinkaCli, DownloadIsWrittenByteExactWhateverTheSplitting) {
    std::string data;
    for (int i = 0; i < 400; ++i)
        data += "11=" + std::to_string(i) + " 81=1000.000 82=2000.000 \xE8\x9A\r\n";
    TSimNastaveni n = Rychla();
    n.RozdeleniSeed = 7;
    TSimStanice stanice(n);
    std::thread hra([&] { stanice.HrajDownload(data, 10s); });
    const TBeh beh =
        Spust("download", {"--device", stanice.Cesta(), "-o", (slozka_ / "d.sdt").string()});
    hra.join();
    EXPECT_EQ(beh.Status, 0) << beh.Chyby;
    EXPECT_EQ(NactiSoubor(slozka_ / "d.sdt"), data + KonecDat);
    // Only the settings, the conversation record and the output: no temporary file is left.
    EXPECT_THAT(Soubory(),
                ::testing::ElementsAre("Merivex.ini", "Merivox-komunikace.log", "d.sdt"));
}

TEST_F(LinkaCli, ATargetThatCannotBeWrittenStopsBeforeTheWaitAndDataAreNeverLost) {
    // A folder (with --force too) or a missing folder: named at once, the port not even tried.
    fs::create_directory(slozka_ / "slozka");
    for (const TArgumenty& a : std::vector<TArgumenty>{
             {"--device", (slozka_ / "bez").string(), "-o", (slozka_ / "slozka").string()},
             {"--device", (slozka_ / "bez").string(), "--force", "-o",
              (slozka_ / "slozka").string()},
             {"--device", (slozka_ / "bez").string(), "-o", (slozka_ / "chybi" / "d.sdt").string()},
         }) {
        const TBeh beh = Spust("download", a);
        EXPECT_EQ(beh.Status, 1);
        EXPECT_EQ(beh.Chyby.find("neexistuje nebo"), std::string::npos) << beh.Chyby;
        EXPECT_EQ(beh.Chyby.find("--force"), std::string::npos) << beh.Chyby;
    }
    EXPECT_NE(Spust("download", {"--device", "x", "-o", (slozka_ / "slozka").string()})
                  .Chyby.find("\" je složka"),
              std::string::npos);

    // The file still cannot be written after the transfer (here a full disk), or standard
    // output takes nothing: the data go to a file of their own, which the message names.
    const std::string data = "11=1 81=1000.000 82=2000.000\r\n"; // the station adds the end mark
    auto zachraneny = [](const std::string& chyby) {
        const auto konec = chyby.rfind('"');
        const auto zacatek = chyby.rfind('"', konec - 1);
        return fs::path(chyby.substr(zacatek + 1, konec - zacatek - 1));
    };
    for (const bool naVystup : {false, true}) {
        TSimStanice stanice(Rychla());
        std::thread hra([&] { stanice.HrajDownload(data, 10s); });
        int zapisu = 0;
        NastavPoruchuDisku([&](std::string_view) {
            return ++zapisu == 1 && !naVystup ? std::make_error_code(std::errc::no_space_on_device)
                                              : std::error_code();
        });
        std::ostringstream vystup;
        std::ostream zavreny(nullptr);
        std::ostringstream chyby;
        const int status =
            SpustCli({"download", "--settings", ini_.string(), "--device", stanice.Cesta(), "-o",
                      naVystup ? "-" : (slozka_ / "d.sdt").string()},
                     TTerminal{naVystup ? zavreny : vystup, chyby, true});
        NastavPoruchuDisku({});
        hra.join();
        EXPECT_EQ(status, 1);
        EXPECT_FALSE(fs::exists(slozka_ / "d.sdt"));
        const fs::path soubor = zachraneny(chyby.str());
        EXPECT_NE(chyby.str().find("Přijatá data jsou uložena v souboru"), std::string::npos)
            << chyby.str();
        EXPECT_EQ(NactiSoubor(soubor), data + KonecDat) << chyby.str();
        fs::remove(soubor);
        // The record is written after the saving, and tells how it went.
        const std::string log = NactiSoubor(slozka_ / "Merivox-komunikace.log");
        EXPECT_NE(log.find("Konec: dokončeno; "), std::string::npos) << log;
        EXPECT_NE(log.find(" nelze zapsat; data uložena do " + soubor.string()), std::string::npos)
            << log;
    }
}

TEST_F(LinkaCli, APortFromTheSettingsFileIsNamedBeforeTheWait) {
    const TBeh beh = Spust("download", {"-o", (slozka_ / "d.sdt").string()});
    EXPECT_EQ(beh.Status, 1);
    const auto cekam =
        beh.Chyby.find("Čekám na data na portu COM1 (" + (slozka_ / "chybi-com1").string() +
                       ") podle souboru nastavení");
    EXPECT_LT(cekam, beh.Chyby.find("neexistuje nebo")) << beh.Chyby;
}

TEST_F(LinkaCli, EndMarkSplitAcrossReceiptsAndPortByNumber) {
    // The end mark in two pieces at each place; the port chosen by number (section Devices).
    for (std::size_t rez = 1; rez < KonecDat.size(); ++rez) {
        TSimStanice stanice(Rychla());
        Mapuj(3, stanice.Cesta());
        const std::string data = "11=1 81=1.0\r\n";
        std::thread hra([&] {
            ASSERT_TRUE(stanice.CekejNaPripojeni(5s));
            ASSERT_TRUE(CekejNaSmyckuCli()) << "the download waits for data";
            const std::string prvni = data + KonecDat.substr(0, rez);
            stanice.PosliHned(prvni);
            ASSERT_TRUE(CekejNaPrecteni(static_cast<int64_t>(prvni.size())))
                << "two receipts, not one";
            stanice.PosliHned(KonecDat.substr(rez));
        });
        const TBeh beh = Spust("download", {"--port", "3", "-o", "-"});
        hra.join();
        EXPECT_EQ(beh.Status, 0) << rez << beh.Chyby;
        EXPECT_EQ(beh.Vystup, data + KonecDat) << rez;
    }
}

TEST_F(LinkaCli, PortsListsEveryNumberWithItsDeviceStateAndName) {
    TFalesnaSlozkaZarizeni dev;
    const std::string slozka = TFalesnaSlozkaZarizeni::Slozka().string();
    dev.Pripoj("ttyUSB0", "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    TSimStanice drzena;
    const auto jinyProgram = SpCreateBackend();
    ASSERT_EQ(jinyProgram->Open(drzena.Cesta()), TSpOpenError::oeNone);
    Mapuj(3, drzena.Cesta());
    for (int n = 5; n <= 10; ++n)
        Mapuj(n, "");

    const TBeh beh = Spust("ports", {});
    EXPECT_EQ(beh.Status, 0) << beh.Chyby;
    std::vector<std::string> radky;
    std::istringstream vystup(beh.Vystup);
    for (std::string radek; std::getline(vystup, radek);)
        radky.push_back(radek);
    ASSERT_EQ(radky.size(), 11u) << beh.Vystup;
    EXPECT_EQ(radky[0], "Port\tZařízení\tStav\tNázev");
    EXPECT_EQ(radky[1], "COM1\t" + (slozka_ / "chybi-com1").string() + "\tchybí\t");
    EXPECT_EQ(radky[3], "COM3\t" + drzena.Cesta() + "\tobsazený\t");
    EXPECT_EQ(radky[5], "COM5\t" + slozka + "/ttyUSB0\tvolný\tFTDI FT232R USB UART");
    EXPECT_EQ(radky[6], "COM6\t\tchybí\t");
    jinyProgram->Close();
}

TEST_F(LinkaCli, MissingPortsAndUsageErrors) {
    const std::string chybi = (slozka_ / "zadne-zarizeni").string();
    TBeh beh = Spust("download", {"--device", chybi, "-o", (slozka_ / "d.sdt").string()});
    EXPECT_EQ(beh.Status, 1);
    EXPECT_NE(beh.Chyby.find(chybi), std::string::npos) << beh.Chyby;
    EXPECT_NE(beh.Chyby.find("neexistuje nebo je používán jinou aplikací"), std::string::npos);
    EXPECT_FALSE(fs::exists(slozka_ / "d.sdt"));

    ZapisSoubor(slozka_ / "t.txt", "A\r\n");
    beh = Spust("send", {"--port", "7", (slozka_ / "t.txt").string()});
    EXPECT_EQ(beh.Status, 1);
    EXPECT_NE(beh.Chyby.find("Vybraný sériový port COM7 neexistuje"), std::string::npos)
        << beh.Chyby;

    // An existing output is kept unless --force; the port is not even opened.
    ZapisSoubor(slozka_ / "stary.sdt", "stary");
    beh = Spust("download", {"--device", chybi, "-o", (slozka_ / "stary.sdt").string()});
    EXPECT_EQ(beh.Status, 1);
    EXPECT_NE(beh.Chyby.find("--force"), std::string::npos);
    EXPECT_EQ(NactiSoubor(slozka_ / "stary.sdt"), "stary");

    for (const TArgumenty& spatne : std::vector<TArgumenty>{
             {"download", "--port", "1", "--device", "/dev/null", "-o", "x"},
             {"download", "--device", "/dev/null"},
             {"download", "--port", "0", "-o", "x"},
             {"download", "--baud", "1234", "-o", "x"},
             {"download", "--parity", "mark", "-o", "x"},
             {"download", "--data-bits", "9", "-o", "x"},
             {"download", "--stop-bits", "1.5", "-o", "x"},
             {"download", "--data-bits", "4", "-o", "x"},
             {"download", "--station", "NTS-999", "-o", "x"},
             {"download", "--quiet", "0", "-o", "x"},
             {"download", "--quiet", "abc", "-o", "x"},
             {"download", "-o"},
             {"send", "--port", "1"},
             {"send", "a.txt", "--codes", "b.cod"},
             {"send", "--swap-xy", "a.txt"},
             {"send", "--bogus", "a.txt"},
         }) {
        const TBeh b = Spust(spatne[0], TArgumenty(spatne.begin() + 1, spatne.end()));
        EXPECT_EQ(b.Status, 2) << ::testing::PrintToString(spatne);
        EXPECT_NE(b.Chyby.find("--help"), std::string::npos);
    }
    EXPECT_EQ(Spust("send", {"--help"}).Status, 0);
    EXPECT_NE(Spust("download", {"--help"}).Vystup.find("--stop-bits"), std::string::npos);
}

TEST_F(LinkaCli, EveryTransferAppendsItsRecordWhichNeverFailsIt) {
    const std::string data = "11=1 81=1.0\r\n";
    {
        TSimStanice stanice(Rychla());
        std::thread hra([&] {
            ASSERT_TRUE(stanice.CekejNaPripojeni(5s));
            ASSERT_TRUE(CekejNaSmyckuCli()) << "the download waits for data";
            stanice.PosliHned(data + KonecDat);
        });
        const TBeh beh = Spust("download", {"--device", stanice.Cesta(), "-o", "-"});
        hra.join();
        EXPECT_EQ(beh.Status, 0) << beh.Chyby;
        // Beside the settings file unless --log says otherwise.
        const std::string log = NactiSoubor(slozka_ / "Merivox-komunikace.log");
        EXPECT_NE(log.find("Příkaz: načtení dat\nTyp stanice: NTS-660\nPort: " + stanice.Cesta() +
                           "\nLinka: 9600 Bd, parita žádná, datové bity 8, stop bity 1"),
                  std::string::npos)
            << log;
        EXPECT_NE(log.find("->PC    16 B | 31 31 3D 31 20 38 31 3D 31 2E 30 0D 0A 04 0D 0A | "
                           "11=1 81=1.0....."),
                  std::string::npos)
            << log;
        EXPECT_NE(log.find("Konec: dokončeno; odesláno 0 B, přijato 16 B"), std::string::npos);
    }
    ZapisSoubor(slozka_ / "t.txt", "A\r\nB\r\nC\r\n");
    for (const fs::path& log : {slozka_ / "muj.log", slozka_ / "neni" / "muj.log"}) {
        TSimStanice stanice(Rychla());
        std::string prijato;
        std::thread hra([&] { prijato = PrijmiZapis(stanice); });
        const TBeh beh = Spust("send", {"--device", stanice.Cesta(), "--log", log.string(),
                                        (slozka_ / "t.txt").string()});
        hra.join();
        EXPECT_EQ(beh.Status, 0) << "a record that cannot be written fails nothing" << beh.Chyby;
        EXPECT_EQ(prijato, "A\r\nB\r\nC\r\n\x04\r\n");
    }
    const std::string log = NactiSoubor(slozka_ / "muj.log");
    EXPECT_NE(log.find("řádků: 3"), std::string::npos) << log;
    for (const char* radek :
         {"PC->     3 B | 41 0D 0A", "->PC     2 B | 13 11", "PC->     1 B | 04",
          "->PC     3 B | 4F 4B 13", "PC->     2 B | 0D 0A"})
        EXPECT_NE(log.find(radek), std::string::npos) << radek;
    EXPECT_NE(log.find("Konec: dokončeno; odesláno 12 B, přijato 9 B"), std::string::npos);
}

TEST_F(LinkaCli, SendsPointsAndCodesAsTheBuildersMakeThem) {
    std::string asc, cod;
    for (int i = 1; i <= 500; ++i)
        asc += std::to_string(i) + " " + std::to_string(1000 + i) + ".125 " +
               std::to_string(2000 + i) + ",5 3" + std::to_string(i % 10) + ".0 * KOD" +
               std::to_string(i % 7) + "\r\n";
    for (int i = 1; i <= 200; ++i)
        cod += "vrstva" + std::to_string(i % 9) + ",kod" + std::to_string(i) + "\r\n";
    ZapisSoubor(slozka_ / "body.asc", asc);
    ZapisSoubor(slozka_ / "kody.cod", cod);
    TZaznamZprav zaznam;
    const auto bodyXY = PripravZapisSouboruBodu(slozka_ / "body.asc", true, zaznam);
    const auto kody = PripravZapisSouboruKodu(slozka_ / "kody.cod", zaznam);
    ASSERT_TRUE(bodyXY && kody);
    // The point file is split at blanks, and says so.
    ASSERT_EQ(zaznam.zpravy.size(), 1u);
    EXPECT_EQ(zaznam.zpravy[0].Text, Cz("Oddělovač polí v souboru: mezera"));

    struct TPripad {
        TArgumenty Volby;
        std::string Text;
    };
    for (const TPripad& p :
         {TPripad{{"--points", (slozka_ / "body.asc").string(), "--swap-xy"}, *bodyXY},
          TPripad{{"--codes", (slozka_ / "kody.cod").string()}, *kody}}) {
        TSimStanice stanice(Rychla());
        std::string prijato;
        std::thread hra([&] { prijato = PrijmiZapis(stanice); });
        TArgumenty argumenty{"--device", stanice.Cesta()};
        argumenty.insert(argumenty.end(), p.Volby.begin(), p.Volby.end());
        const TBeh beh = Spust("send", argumenty);
        hra.join();
        EXPECT_EQ(beh.Status, 0) << beh.Chyby;
        EXPECT_EQ(prijato, DratZapisu(p.Text));
        EXPECT_NE(beh.Chyby.find(Cp1250NaUtf8(TextZapisUspesny())), std::string::npos);
    }
}

TEST_F(LinkaCli, BadRowOrMissingFileSendsNothing) {
    ZapisSoubor(slozka_ / "body.asc", "1 1000.0 2000.0 300.0\r\n2 1x00.0 2000.0 300.0\r\n");
    ZapisSoubor(slozka_ / "prazdny.txt", "\r\n\r\n");
    TSimStanice stanice(Rychla());
    for (const TArgumenty& volby : std::vector<TArgumenty>{
             {"--points", (slozka_ / "body.asc").string()},
             {"--codes", (slozka_ / "neni.cod").string()},
             {(slozka_ / "neni.txt").string()},
             {(slozka_ / "prazdny.txt").string()},
         }) {
        TArgumenty argumenty{"--device", stanice.Cesta()};
        argumenty.insert(argumenty.end(), volby.begin(), volby.end());
        const TBeh beh = Spust("send", argumenty);
        EXPECT_EQ(beh.Status, 1) << beh.Chyby;
        EXPECT_FALSE(beh.Chyby.empty());
    }
    // The row's message is the window's message.
    TZaznamZprav zaznam;
    EXPECT_FALSE(PripravZapisSouboruBodu(slozka_ / "body.asc", false, zaznam));
    ASSERT_EQ(zaznam.zpravy.size(), 2u); // the separator (blank), then the row
    EXPECT_NE(
        Spust("send", {"--device", stanice.Cesta(), "--points", (slozka_ / "body.asc").string()})
            .Chyby.find(Cp1250NaUtf8(zaznam.zpravy[1].Text)),
        std::string::npos);
    EXPECT_EQ(stanice.Prijmi(200ms), "");
}

TEST_F(LinkaCli, ALineLongerThanThePortTakesIsNamedBeforeAnythingIsSent) {
    // The port takes a line and its CR LF in one write of at most 2048 bytes.
    const std::string nejdelsi(2046, 'A');
    ZapisSoubor(slozka_ / "dlouhy.txt", "PRVNI\r\n" + nejdelsi + "B\r\nTRETI\r\n");
    ZapisSoubor(slozka_ / "body.asc", "1 10 20 30 " + std::string(3000, 'p') + "\r\n");
    TSimStanice stanice(Rychla());
    TBeh beh = Spust("send", {"--device", stanice.Cesta(), (slozka_ / "dlouhy.txt").string()});
    EXPECT_EQ(beh.Status, 1);
    EXPECT_NE(beh.Chyby.find("Řádek 2 souboru má 2047 znaků"), std::string::npos) << beh.Chyby;
    EXPECT_NE(beh.Chyby.find("nejvýše o 2046 znacích"), std::string::npos) << beh.Chyby;
    EXPECT_EQ(beh.Chyby.find("přerušeno"), std::string::npos) << beh.Chyby;
    beh = Spust("send", {"--device", stanice.Cesta(), "--points", (slozka_ / "body.asc").string()});
    EXPECT_EQ(beh.Status, 1);
    EXPECT_NE(beh.Chyby.find("Záznam 1 má"), std::string::npos) << beh.Chyby;
    EXPECT_EQ(stanice.Prijmi(200ms), "");

    // A line of exactly the longest length goes through.
    ZapisSoubor(slozka_ / "dlouhy.txt", "PRVNI\r\n" + nejdelsi + "\r\n");
    std::string prijato;
    std::thread hra([&] { prijato = PrijmiZapis(stanice); });
    beh = Spust("send", {"--device", stanice.Cesta(), (slozka_ / "dlouhy.txt").string()});
    hra.join();
    EXPECT_EQ(beh.Status, 0) << beh.Chyby;
    EXPECT_EQ(prijato, DratZapisu("PRVNI\r\n" + nejdelsi + "\r\n"));
}

TEST_F(LinkaCli, SilentStationGivesTheCommunicationError) {
    TSimNastaveni n = Rychla();
    n.Ticho = true;
    TSimStanice stanice(n);
    ZapisSoubor(slozka_ / "t.txt", "RADEK\r\n");
    const TBeh beh = Spust("send", {"--device", stanice.Cesta(), (slozka_ / "t.txt").string()});
    EXPECT_EQ(beh.Status, 1);
    EXPECT_NE(beh.Chyby.find("Chyba komunikace s totální stanicí!"), std::string::npos)
        << beh.Chyby;
    EXPECT_EQ(beh.Chyby.find("uspěšně"), std::string::npos);
}

TEST_F(LinkaCli, SimBinaryStoresWhatWasSent) {
    const std::string text = "PRVNI,1\r\nDRUHY,2\nTRETI,3\r\n";
    ZapisSoubor(slozka_ / "t.txt", text);
    TSimProces sim({"--baud", "0", "--ack-delay", "0", "--once", "upload", "--out",
                    (slozka_ / "ulozeno.txt").string()});
    ASSERT_FALSE(sim.Zarizeni().empty());
    const TBeh beh = Spust("send", {"--device", sim.Zarizeni(), (slozka_ / "t.txt").string()});
    EXPECT_EQ(beh.Status, 0) << beh.Chyby;
    EXPECT_EQ(sim.Cekej(5s), 0);
    EXPECT_EQ(NactiSoubor(slozka_ / "ulozeno.txt"), "PRVNI,1\r\nDRUHY,2\r\nTRETI,3\r\n");
}

// An NTS-350 marks no end of its data: its download ends after the quiet time or by Ctrl+C and
// keeps what came; Ctrl+C before any byte keeps nothing.
TEST_F(LinkaCli, Nts350DownloadEndsByQuietOrCtrlCAndKeepsWhatCame) {
    const std::string data = "NTS-350\r\n11=1 81=1000.000\r\n";
    struct TRadek {
        const char* jmeno;
        TArgumenty volby;
        bool poslat, ctrlC;
        int status;
    } radky[] = {
        {"quiet, the type from the settings file", {"--quiet", "0.3"}, true, false, 0},
        {"Ctrl+C", {"--station", "NTS-350", "--quiet", "3600"}, true, true, 0},
        {"Ctrl+C before any byte", {"--station", "NTS-350"}, false, true, kPreruseno},
    };
    TIniFile(ini_).WriteString("Station", "Type", "NTS-350");
    for (const TRadek& r : radky) {
        const fs::path cil = slozka_ / "d.sdt";
        fs::remove(cil);
        TSimStanice stanice(Rychla());
        std::thread hra([&] {
            ASSERT_TRUE(stanice.CekejNaPripojeni(5s));
            ASSERT_TRUE(CekejNaSmyckuCli()) << "the download waits for data";
            if (r.poslat) {
                stanice.PosliHned(data);
                ASSERT_TRUE(CekejNaPrecteni(static_cast<int64_t>(data.size())));
            }
            if (r.ctrlC)
                kill(getpid(), SIGINT);
        });
        TArgumenty a = {"--device", stanice.Cesta(), "-o", cil.string()};
        a.insert(a.end(), r.volby.begin(), r.volby.end());
        const TBeh beh = Spust("download", a);
        hra.join();
        EXPECT_EQ(beh.Status, r.status) << r.jmeno << beh.Chyby;
        if (r.poslat)
            EXPECT_EQ(NactiSoubor(cil), data) << r.jmeno;
        else
            EXPECT_FALSE(fs::exists(cil)) << r.jmeno;
    }
}

TEST_F(LinkaCli, CtrlCKeepsOnlyWhatCame) {
    // A download half way and a send that gets no answer, each ended by SIGINT.
    {
        TSimStanice stanice(Rychla());
        TCliProces cli({"download", "--settings", ini_.string(), "--device", stanice.Cesta(), "-o",
                        (slozka_ / "d.sdt").string()},
                       slozka_);
        ASSERT_TRUE(stanice.CekejNaPripojeni(10s));
        // The station's start, then Ctrl+C while its bytes are on their way or taken: what the
        // program has taken is kept exactly (status 3), and when it has none, nothing is.
        std::this_thread::sleep_for(100ms);
        const std::string data = "11=1 81=1.0\r\n";
        stanice.PosliHned(data);
        std::this_thread::sleep_for(200ms);
        cli.Signal(SIGINT);
        const int status = cli.Cekej();
        if (status == kNeuplnaData) {
            EXPECT_EQ(NactiSoubor(slozka_ / "d.sdt"), data);
            EXPECT_NE(cli.Chyby().find("nekončí značkou konce dat"), std::string::npos);
        } else {
            EXPECT_EQ(status, 130) << cli.Chyby();
            EXPECT_NE(cli.Chyby().find("nic nebylo"), std::string::npos) << cli.Chyby();
            EXPECT_FALSE(fs::exists(slozka_ / "d.sdt"));
        }
        EXPECT_TRUE(stanice.CekejNaOdpojeni(5s));
    }
    {
        TSimNastaveni n = Rychla();
        n.Ticho = true;
        TSimStanice stanice(n);
        ZapisSoubor(slozka_ / "t.txt", "A\r\nB\r\n");
        TCliProces cli({"send", "--settings", ini_.string(), "--device", stanice.Cesta(),
                        (slozka_ / "t.txt").string()},
                       slozka_);
        ASSERT_TRUE(stanice.CekejNaPripojeni(10s));
        EXPECT_EQ(stanice.Prijmi(5s, 3), "A\r\n");
        cli.Signal(SIGINT);
        EXPECT_EQ(cli.Cekej(), 130) << cli.Chyby();
        EXPECT_EQ(stanice.Prijmi(300ms), "");
        // The record says why it ended.
        const std::string log = NactiSoubor(slozka_ / "Merivox-komunikace.log");
        EXPECT_NE(log.find("Konec: přerušeno uživatelem; SIGINT (Ctrl+C); odesláno 3 B"),
                  std::string::npos)
            << log;
    }
}

// A download that ends without its end mark keeps what came, byte for byte, under the chosen
// name (with --require-end under a name of its own), says so and ends with status 3; its
// record gives the true reason. Nothing came: nothing is kept, and a signal gives 128 + it.
TEST_F(LinkaCli, ADownloadWithoutItsEndMarkKeepsWhatCame) {
    const std::string data = "NTS-660\r\n11=1 81=1000.000 \xE8\r\n11=2 81=2000.000\r\n";
    struct TRadek {
        const char* jmeno;
        int signal;  // sent once the data are taken (0: none)
        bool zaves;  // the line hangs up once the data are taken
        bool poslat; // the station sends the data
        TArgumenty volby;
        int status;
        const char* konec; // the record's end
    } radky[] = {
        {"hang-up",
         0,
         true,
         true,
         {},
         kNeuplnaData,
         "Konec: spojení přerušeno, port už není dostupný; bez značky konce dat; uloženo do "},
        {"Ctrl+C",
         SIGINT,
         false,
         true,
         {},
         kNeuplnaData,
         "Konec: přerušeno uživatelem; SIGINT (Ctrl+C); bez značky konce dat; uloženo do "},
        {"SIGTERM",
         SIGTERM,
         false,
         true,
         {},
         kNeuplnaData,
         "Konec: přerušeno uživatelem; SIGTERM; bez značky konce dat; uloženo do "},
        {"SIGHUP",
         SIGHUP,
         false,
         true,
         {},
         kNeuplnaData,
         "Konec: přerušeno uživatelem; SIGHUP; bez značky konce dat; uloženo do "},
        {"the cap", 0, false, true, {}, kNeuplnaData, "Konec: příjem ukončen po "},
        {"--require-end",
         0,
         true,
         true,
         {"--require-end"},
         kNeuplnaData,
         "bez značky konce dat, podle --require-end ne do cíle; data uložena do "},
        {"SIGTERM before any byte",
         SIGTERM,
         false,
         false,
         {},
         128 + SIGTERM,
         "Konec: přerušeno uživatelem; SIGTERM; odesláno 0 B, přijato 0 B"},
    };
    for (const TRadek& r : radky) {
        SCOPED_TRACE(r.jmeno);
        const fs::path cil = slozka_ / "d.sdt";
        fs::remove(cil);
        fs::remove(slozka_ / "Merivox-komunikace.log");
        const bool strop = std::string(r.jmeno) == "the cap";
        TLinkaCli::NejvetsiNacteni = strop ? data.size() : TComDriver::kNejvetsiNacteni;
        TSimStanice stanice(Rychla());
        std::thread hra([&] {
            ASSERT_TRUE(stanice.CekejNaPripojeni(5s));
            ASSERT_TRUE(CekejNaSmyckuCli()) << "the download waits for data";
            if (r.poslat) {
                stanice.PosliHned(data);
                ASSERT_TRUE(CekejNaPrecteni(static_cast<int64_t>(data.size())));
            }
            if (r.zaves)
                stanice.Zaves();
            if (r.signal)
                kill(getpid(), r.signal);
        });
        TArgumenty a = {"--device", stanice.Cesta(), "-o", cil.string()};
        a.insert(a.end(), r.volby.begin(), r.volby.end());
        const TBeh beh = Spust("download", a);
        hra.join();
        TLinkaCli::NejvetsiNacteni = TComDriver::kNejvetsiNacteni;
        EXPECT_EQ(beh.Status, r.status) << beh.Chyby;
        const fs::path ulozeno = TCliProces::PosledniJmeno(beh.Chyby);
        if (!r.poslat) {
            EXPECT_FALSE(fs::exists(cil));
        } else if (r.volby.empty()) {
            EXPECT_EQ(ulozeno, cil) << beh.Chyby;
            EXPECT_EQ(NactiSoubor(cil), data);
            EXPECT_NE(beh.Chyby.find("nekončí značkou konce dat"), std::string::npos);
        } else {
            EXPECT_FALSE(fs::exists(cil));
            EXPECT_NE(ulozeno, cil);
            EXPECT_EQ(NactiSoubor(ulozeno), data) << beh.Chyby;
            fs::remove(ulozeno);
        }
        EXPECT_EQ(beh.Chyby.find("Chyba komunikace"), std::string::npos)
            << "one failure, one message: " << beh.Chyby;
        const std::string log = NactiSoubor(slozka_ / "Merivox-komunikace.log");
        EXPECT_NE(log.find(r.konec), std::string::npos) << log;
    }
}

// Standard output whose reader has quit takes nothing: the data are rescued into a file of
// their own, as for any failed save, instead of the program dying of SIGPIPE.
TEST_F(LinkaCli, AReaderThatQuitsEarlyLosesNoData) {
    const std::string data = "11=1 81=1.0\r\n";
    TSimStanice stanice(Rychla());
    int roura[2];
    ASSERT_EQ(pipe(roura), 0);
    close(roura[0]); // the reader has quit
    TCliProces cli(
        {"download", "--settings", ini_.string(), "--device", stanice.Cesta(), "-o", "-"}, slozka_,
        roura[1]);
    close(roura[1]);
    std::thread hra([&] { stanice.HrajDownload(data, 10s); });
    EXPECT_EQ(cli.Cekej(), 1) << cli.Chyby();
    hra.join();
    EXPECT_NE(cli.Chyby().find("Standardní výstup nelze zapsat"), std::string::npos) << cli.Chyby();
    const fs::path zachraneno = cli.JmenovanySoubor();
    EXPECT_EQ(NactiSoubor(zachraneno), data + KonecDat) << cli.Chyby();
    fs::remove(zachraneno);
}

// A record file that blocks (a FIFO nobody reads) holds up neither the program nor the data.
TEST_F(LinkaCli, ARecordThatBlocksNeverHoldsTheDataUp) {
    const std::string data = "11=1 81=1.0\r\n";
    const fs::path fifo = slozka_ / "zaznam.fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    TSimStanice stanice(Rychla());
    TCliProces cli({"download", "--settings", ini_.string(), "--device", stanice.Cesta(), "--log",
                    fifo.string(), "-o", (slozka_ / "d.sdt").string()},
                   slozka_);
    std::thread hra([&] { stanice.HrajDownload(data, 10s); });
    // A generous limit, only so that a hang fails instead of stalling the run.
    EXPECT_EQ(cli.Cekej(60s), 0) << cli.Chyby();
    hra.join();
    EXPECT_EQ(NactiSoubor(slozka_ / "d.sdt"), data + KonecDat);
}

// A port another program holds is called busy, a folder mapped as a device is no device, and
// a missing one keeps its message; the port list says the same.
TEST_F(LinkaCli, APortThatCannotBeOpenedIsNamedForWhatItIs) {
    TSimStanice drzena;
    const auto jinyProgram = SpCreateBackend();
    ASSERT_EQ(jinyProgram->Open(drzena.Cesta()), TSpOpenError::oeNone);
    fs::create_directory(slozka_ / "slozka");
    ZapisSoubor(slozka_ / "soubor", "x");
    Mapuj(4, (slozka_ / "slozka").string());
    const struct {
        const char* jmeno;
        std::string zarizeni;
        const char* zprava;
    } radky[] = {
        {"busy", drzena.Cesta(), "je používán jinou aplikací"},
        {"a folder", (slozka_ / "slozka").string(), "není zařízení"},
        {"a plain file", (slozka_ / "soubor").string(), "není zařízení"},
        {"missing", (slozka_ / "neni").string(), "neexistuje nebo je používán jinou aplikací"},
    };
    for (const auto& r : radky) {
        const TBeh beh = Spust("download", {"--device", r.zarizeni, "-o", "-"});
        EXPECT_EQ(beh.Status, 1) << r.jmeno;
        EXPECT_NE(beh.Chyby.find(r.zprava), std::string::npos) << r.jmeno << beh.Chyby;
    }
    EXPECT_NE(Spust("ports", {})
                  .Vystup.find("COM4\t" + (slozka_ / "slozka").string() + "\tnení zařízení"),
              std::string::npos);
    jinyProgram->Close();
}
