// The download from the main window through the real driver to a simulated NTS-660 on a
// pseudo-terminal, offscreen: the waiting dialog, "Načtená data", saving, the conversion and
// its result; a download ended by the button; ports that cannot be opened; the link settings across
// a run.
#include "SlozkaTestu.h"
#include "common/Cp1250.h"
#include "serial/TestNastaveni.h"

#include "SimStanice.h"
#include "app/Zaklad.h"
#include "common/IniFile.h"
#include "download/qt/NactenaData.h"
#include "link/Komunikace.h"
#include "serial/SpSyncCall.h"
#include "serial/qt/SpQtSyncUi.h"
#include "ui/DialogSouboru.h"
#include "ui/TestovaniOken.h"
#include "ui/Texty.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <gmock/gmock.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <optional>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Serves the window's events until the condition holds or a generous limit passes; the
// caller asserts the condition, never the time it took.
bool Cekej(const std::function<bool()>& podminka) {
    return QTest::qWaitFor(podminka, 10000);
}

void Klikni(QWidget* okno, const char* jmeno) {
    auto* tlacitko = okno->findChild<QPushButton*>(jmeno);
    ASSERT_NE(tlacitko, nullptr) << jmeno;
    tlacitko->click();
}

class NacteniZakladTest : public ::testing::Test {
protected:
    void SetUp() override {
        prostredi_.nastaveni.Mapuj(1, sim_.Cesta());
        // Dialogs that wait for the station get more than the usual few seconds.
        predchoziLimit_ = NastavLimitDialogu(20s);
    }
    void TearDown() override {
        okno_.reset();
        NastavVolbuSouboru({});
        NastavLimitDialogu(predchoziLimit_);
    }
    // Created on first use, so that a test can prepare the settings file first.
    TFormZaklad& Okno() {
        if (!okno_)
            okno_ = std::make_unique<TFormZaklad>();
        return *okno_;
    }
    void NactiData() { Okno().findChild<QAction*>("A_NacteniDat")->trigger(); }
    fs::path Soubor(const std::string& jmeno) const {
        return prostredi_.nastaveni.Slozka() / jmeno;
    }
    TIniFile Nastaveni() const { return TIniFile(Soubor("Merivex.ini")); }

    TProstrediPortu<TSpQtSyncUi> prostredi_;
    TSimStanice sim_;
    std::unique_ptr<TFormZaklad> okno_;
    std::chrono::milliseconds predchoziLimit_{};
};

QLabel* Popis(QWidget* cekani) {
    return cekani->findChild<QLabel*>("L_Popis");
}

} // namespace

TEST_F(NacteniZakladTest, DownloadSaveAndConversionGiveTheExpectedMapa2File) {
    const std::string mereni = NactiSoubor(DataKonverze("01-klicova-slova.sdt"));
    const fs::path sdt = Soubor("MERENI.sdt");
    NastavVolbuSouboru([&](QFileDialog&) { return QString::fromStdString(sdt.string()); });
    Okno().show();
    TZaznamZpravOken zpravy;
    TOdpovediDialogu dialogy;
    // The waiting dialog: the station sends in pieces, the end mark split across two.
    dialogy.OdpovezDalsimu([&](QWidget* cekani) {
        EXPECT_EQ(cekani->objectName(), "FormCekamNaData");
        EXPECT_EQ(Popis(cekani)->text(), "Čekám na data z totální stanice");
        ASSERT_TRUE(sim_.PosliHned(mereni.substr(0, 40)));
        EXPECT_TRUE(
            Cekej([&] { return Popis(cekani)->text() != "Čekám na data z totální stanice"; }));
        EXPECT_EQ(Popis(cekani)->text(), "Přijímám data z totální stanice");
        ASSERT_TRUE(sim_.PosliHned(mereni.substr(40) + "\x04\r"));
        ASSERT_TRUE(sim_.PosliHned("\n"));
    });
    QString zobrazeno, titulek, vysledek;
    const auto vysledekKonverze = [&](QWidget* okno) {
        titulek = okno->windowTitle();
        vysledek = okno->findChild<QPlainTextEdit*>("M_Vysledek")->toPlainText();
        Klikni(okno, "Tl_Zavri");
    };
    dialogy.OdpovezDalsimu([&](QWidget* nactena) {
        EXPECT_EQ(nactena->windowTitle(), "Načtená data");
        zobrazeno = nactena->findChild<QPlainTextEdit*>("M_NactenaData")->toPlainText();
        Klikni(nactena, "Tl_Uloz");
        Klikni(nactena, "Tl_Konverze");
        // Queued only now: while the parameters dialog closes, the watch of modal windows may
        // see this window again and would hand it the answer meant for the result window.
        dialogy.OdpovezDalsimu(vysledekKonverze);
    });
    dialogy.OdpovezDalsimu([](QWidget* parametry) { // MAPA2, scale factor 1
        auto* faktor = parametry->findChild<QLineEdit*>("E_MeritkovyFaktor");
        faktor->clear();
        QTest::keyClicks(faktor, "1");
        Klikni(parametry, "Tl_Uloz");
    });
    Okno().statusBar()->showMessage("hint");
    NactiData();

    EXPECT_EQ(NactiSoubor(sdt), mereni + "\x04\r\n") << "saved as received";
    EXPECT_EQ(zobrazeno + "\n", ZCp1250(mereni).replace("\r\n", "\n")) << "no end mark";
    const fs::path zap = Soubor("MERENI.zap");
    EXPECT_EQ(NactiSoubor(zap), NactiSoubor(DataKonverze("01-klicova-slova.zap")));
    EXPECT_EQ(titulek, "Výstupní soubor konverze " + QString::fromStdString(zap.string()));
    EXPECT_EQ(vysledek, ZCp1250(NactiSoubor(zap)).replace("\r\n", "\n"));
    EXPECT_TRUE(zpravy.Zpravy().empty()) << zpravy.Zpravy()[0].text.toStdString();
    EXPECT_TRUE(Okno().statusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(sim_.CekejNaOdpojeni(5s)) << "the port closes after the download";
}

// The end of a download without its end mark: an NTS-350 ended by the button shows what came;
// an aborted NTS-660 download asks, and shows it only when the user wants it.
TEST_F(NacteniZakladTest, ADownloadEndedByTheButtonShowsWhatCameOrAsksFirst) {
    NastavVolbuSouboru([](QFileDialog&) {
        ADD_FAILURE() << "no save dialog";
        return QString();
    });
    struct TRadek {
        const char* jmeno;
        TTypStanice typ;
        std::optional<QMessageBox::StandardButton> odpoved; // the question's, when one comes
        const char *tlacitko, *konec;
    } radky[] = {
        {"NTS-660 aborted, not kept", TTypStanice::tsNTS660, QMessageBox::No, "&Přerušit",
         "přerušeno uživatelem"},
        {"NTS-660 aborted, kept", TTypStanice::tsNTS660, QMessageBox::Yes, "&Přerušit",
         "přerušeno uživatelem"},
        {"NTS-350 ended", TTypStanice::tsNTS350, std::nullopt, "&Ukončit příjem",
         "ukončeno uživatelem"},
    };
    const std::string data = "STN 1,1.560\r\nSS 5,1.500";
    for (const TRadek& r : radky) {
        SCOPED_TRACE(r.jmeno);
        Okno().ComDriver().StationType = r.typ;
        TZaznamZpravOken zpravy;
        if (r.odpoved)
            zpravy.OdpovezDalsi(*r.odpoved);
        TOdpovediDialogu dialogy;
        QString tlacitko, zobrazeno;
        dialogy.OdpovezDalsimu([&](QWidget* cekani) {
            ASSERT_TRUE(sim_.PosliHned(data));
            EXPECT_TRUE(Cekej([&] { return Okno().ComDriver().PrijataData().size() == 23; }));
            EXPECT_EQ(Popis(cekani)->text(), "Přijímám data z totální stanice");
            tlacitko = cekani->findChild<QPushButton*>("Tl_Prerusit")->text();
            Klikni(cekani, "Tl_Prerusit");
        });
        const bool ukazat = !r.odpoved || *r.odpoved == QMessageBox::Yes;
        // Closing the shown data unsaved asks once more: they are dropped.
        if (ukazat)
            zpravy.OdpovezDalsi(QMessageBox::Discard);
        if (ukazat)
            dialogy.OdpovezDalsimu([&](QWidget* nactena) {
                zobrazeno = nactena->findChild<QPlainTextEdit*>("M_NactenaData")->toPlainText();
                Klikni(nactena, "Tl_Zavrit");
            });
        NactiData();
        EXPECT_EQ(tlacitko, QString::fromUtf8(r.tlacitko));
        EXPECT_EQ(zpravy.Zpravy().size(), (r.odpoved ? 1u : 0u) + (ukazat ? 1u : 0u));
        if (r.odpoved) {
            EXPECT_TRUE(zpravy.Zpravy()[0].text.contains("značku konce dat"));
        }
        EXPECT_EQ(zobrazeno, ukazat ? "STN 1,1.560\nSS 5,1.500" : "");
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(Okno().ComDriver().PocetPrikazu(), 0);
        EXPECT_TRUE(sim_.CekejNaOdpojeni(5s));
        std::ifstream log(prostredi_.nastaveni.Slozka() / "Merivox-komunikace.log",
                          std::ios::binary);
        const std::string zaznam{std::istreambuf_iterator<char>(log), {}};
        EXPECT_NE(zaznam.rfind(std::string("Konec: ") + r.konec + "; odesláno 0 B, přijato 23 B"),
                  std::string::npos)
            << zaznam;
    }
    // No data file: only the settings and the record of the conversation.
    for (const auto& polozka : fs::directory_iterator(prostredi_.nastaveni.Slozka()))
        EXPECT_TRUE(polozka.path().filename() == "Merivex.ini" ||
                    polozka.path().filename() == "Merivox-komunikace.log")
            << polozka.path();
}

TEST_F(NacteniZakladTest, PortThatCannotBeOpenedGivesTheMessageAndNoWindow) {
    const int drzitel = ::open(sim_.Cesta().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(drzitel, 0);
    ASSERT_EQ(::flock(drzitel, LOCK_EX | LOCK_NB), 0); // another program holds COM1
    TZaznamZpravOken zpravy;
    NactiData();
    Okno().ComDriver().SetComNumber(2); // mapped to a device that does not exist
    NactiData();
    ::close(drzitel);
    ASSERT_EQ(zpravy.Zpravy().size(), 2u);
    EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Chyba");
    EXPECT_EQ(zpravy.Zpravy()[0].text,
              QString::fromStdString("Sériový port COM1 (" + sim_.Cesta() +
                                     ") je používán jinou aplikací. Ukončete ji, nebo zvolte "
                                     "jiný port."));
    EXPECT_EQ(zpravy.Zpravy()[1].text,
              "Vybraný sériový port COM2 neexistuje nebo je používán jinou aplikací");
    EXPECT_EQ(Okno().ComDriver().PocetPrikazu(), 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A line that hangs up under a download is one failure: one message, naming the record.
TEST_F(NacteniZakladTest, AHangUpGivesOneMessage) {
    Okno().show();
    TZaznamZpravOken zpravy;
    TOdpovediDialogu dialogy;
    dialogy.OdpovezDalsimu([&](QWidget* cekani) {
        ASSERT_TRUE(sim_.PosliHned("11=1"));
        EXPECT_TRUE(
            Cekej([&] { return Popis(cekani)->text() == "Přijímám data z totální stanice"; }));
        sim_.Zaves();
    });
    NactiData();
    EXPECT_TRUE(Cekej([&] { return !zpravy.Zpravy().empty(); }));
    // A second message would have come in the same turn as the first.
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_TRUE(zpravy.Zpravy()[0].text.startsWith("Spojení s totální stanicí bylo přerušeno."));
    EXPECT_TRUE(zpravy.Zpravy()[0].text.contains("Merivox-komunikace.log"));
}

TEST_F(NacteniZakladTest, SendEndsWithTheMainWindowsMessages) {
    TZaznamZpravOken zpravy;
    std::vector<std::string> prijato;
    std::thread stanice([&] { prijato = sim_.HrajUpload(5s); });
    Okno().statusBar()->showMessage("hint");
    Okno().ComDriver().AddCommand(PrikazZapis, "1 2\r\n3 4\r\n");
    EXPECT_TRUE(Cekej([&] { return !zpravy.Zpravy().empty(); }));
    stanice.join();
    EXPECT_THAT(prijato, ::testing::ElementsAre("1 2", "3 4"));
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Informace");
    EXPECT_EQ(zpravy.Zpravy()[0].text, "Data byla uspěšně zapsána do totální stanice.");
    EXPECT_TRUE(Okno().statusBar()->currentMessage().isEmpty());

    // A station that never answers: the error after the time-outs, the queue emptied.
    ASSERT_TRUE(sim_.CekejNaOdpojeni(5s));
    Okno().ComDriver().SetIntervalCasovace(20ms);
    Okno().ComDriver().AddCommand(PrikazZapis, "5 6\r\n");
    Okno().ComDriver().AddCommand(PrikazZapis, "7 8\r\n");
    EXPECT_TRUE(Cekej([&] { return zpravy.Zpravy().size() == 2; }));
    ASSERT_EQ(zpravy.Zpravy().size(), 2u);
    EXPECT_EQ(zpravy.Zpravy()[1].titulek, "Chyba");
    EXPECT_EQ(zpravy.Zpravy()[1].text,
              QString::fromStdString("Chyba komunikace s totální stanicí!\nPrůběh komunikace je "
                                     "zaznamenán v souboru \"" +
                                     Soubor("Merivox-komunikace.log").string() + "\"."));
    EXPECT_EQ(Okno().ComDriver().PocetPrikazu(), 0) << "the second send is dropped too";
    // Nothing is left to report: the queue is empty and the port closed (that a later expiry
    // of the response timer says nothing more is the link tests' to show, on their clock).
    EXPECT_FALSE(Okno().ComDriver().Port().Active());
    EXPECT_EQ(zpravy.Zpravy().size(), 2u);
}

TEST_F(NacteniZakladTest, LinkSettingsAreReadAtStartAndWrittenAtCloseAlwaysStartingAsNts660) {
    {
        TIniFile ini = Nastaveni();
        ini.WriteInteger("Port", "Number", 3);
        ini.WriteString("Port", "Parity", "Even");
        ini.WriteString("Port", "StopBits", "Two");
        ini.WriteInteger("Port", "DataBits", 7);
        ini.WriteInteger("Port", "BaudRate", 19200);
        ini.WriteString("Station", "Type", "NTS-350");
    }
    TComDriver& driver = Okno().ComDriver();
    EXPECT_EQ(driver.ComNumber(), 3);
    EXPECT_EQ(driver.Parity(), paEven);
    EXPECT_EQ(driver.StopBits(), sbTwo);
    EXPECT_EQ(driver.DataBits(), db7);
    EXPECT_EQ(driver.BaudRate(), br19200);
    EXPECT_EQ(driver.StationType, TTypStanice::tsNTS660) << "every start is an NTS-660 start";
    driver.SetBaudRate(br4800);
    Okno().close();
    {
        TIniFile ini = Nastaveni();
        EXPECT_EQ(ini.ReadInteger("Port", "Number", 0), 3);
        EXPECT_EQ(ini.ReadInteger("Port", "BaudRate", 0), 4800);
        EXPECT_EQ(ini.ReadString("Port", "Parity", ""), "Even");
        EXPECT_EQ(ini.ReadString("Station", "Type", ""), "NTS-660");
    }

    // The next run starts as an NTS-660 again; a type chosen meanwhile is what is written.
    okno_.reset();
    EXPECT_EQ(Okno().ComDriver().StationType, TTypStanice::tsNTS660);
    Okno().ComDriver().StationType = TTypStanice::tsNTS350;
    Okno().close();
    EXPECT_EQ(Nastaveni().ReadString("Station", "Type", ""), "NTS-350");
    EXPECT_EQ(Nastaveni().ReadInteger("Port", "BaudRate", 0), 4800);
    Okno().close(); // a second close finds nothing more to do
}
