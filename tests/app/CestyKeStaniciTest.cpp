// The program's roads to the station from the main window, offscreen, over the test line of the
// system it runs on (a pseudo-terminal here, a Wine COM port of a null-modem pair on Windows):
// a download saved and converted into the hand-worked MAPA2 file, and a point table sent from
// its window as the station acknowledges each line.
#include "SlozkaTestu.h"
#include "serial/TestLinka.h"
#include "serial/TestNastaveni.h"

#include "app/Zaklad.h"
#include "common/Cp1250.h"
#include "link/Komunikace.h"
#include "serial/SpSyncCall.h"
#include "serial/qt/SpQtSyncUi.h"
#include "ui/DialogSouboru.h"
#include "ui/TestovaniOken.h"
#include "ui/Texty.h"
#include "upload/ZaznamBodu.h"
#include "upload/qt/ZapisSouradnicBodu.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>

#include <future>

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using ::testing::ElementsAre;

namespace {

// Serves the windows until the condition holds; the limit only keeps a broken build from
// hanging, it is not what the test checks.
bool CekejNa(const std::function<bool()>& podminka) {
    QElapsedTimer od;
    od.start();
    while (!podminka() && od.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return podminka();
}

void Klikni(QWidget* okno, const char* jmeno) {
    auto* tlacitko = okno->findChild<QPushButton*>(jmeno);
    ASSERT_NE(tlacitko, nullptr) << jmeno;
    tlacitko->click();
}

// The station's side of a send: each line acknowledged with DC3 DC1, the end mark answered,
// the program's closing CR LF taken. Returns the lines as the station stored them.
std::vector<std::string> PrijmiZapis(TTestLinka& linka) {
    std::vector<std::string> radky;
    std::string radek;
    for (;;) {
        const std::string znak = linka.Prijmi(20s, 1);
        if (znak.empty())
            return radky; // the program went silent: the test fails on what arrived
        if (znak == "\x04" && radek.empty()) {
            linka.Posli("OK\x13");
            linka.Prijmi(20s, 2);
            return radky;
        }
        radek += znak;
        if (radek.size() >= 2 && radek.compare(radek.size() - 2, 2, "\r\n") == 0) {
            radky.push_back(radek.substr(0, radek.size() - 2));
            radek.clear();
            linka.Posli("\x13\x11");
        }
    }
}

class CestyKeStaniciTest : public ::testing::Test {
protected:
    CestyKeStaniciTest() {
        prostredi_.nastaveni.Mapuj(1, linka_->Zarizeni());
        predchoziLimit_ = NastavLimitDialogu(20s);
    }
    ~CestyKeStaniciTest() override {
        okno_.reset();
        NastavVolbuSouboru({});
        NastavLimitDialogu(predchoziLimit_);
    }
    fs::path Soubor(const std::string& jmeno) const {
        return prostredi_.nastaveni.Slozka() / jmeno;
    }

    TProstrediPortu<TSpQtSyncUi> prostredi_;
    std::unique_ptr<TTestLinka> linka_ = VytvorTestLinku();
    std::chrono::milliseconds predchoziLimit_{};
    std::unique_ptr<TFormZaklad> okno_ = std::make_unique<TFormZaklad>();
};

TEST_F(CestyKeStaniciTest, DownloadIsSavedAsReceivedAndConvertsIntoTheHandWorkedFile) {
    const std::string mereni = NactiSoubor(DataKonverze("01-klicova-slova.sdt"));
    const fs::path sdt = Soubor("MERENI.sdt");
    NastavVolbuSouboru([&](QFileDialog&) { return QString::fromStdString(sdt.string()); });
    okno_->show();
    TZaznamZpravOken zpravy;
    TOdpovediDialogu dialogy;
    dialogy.OdpovezDalsimu([&](QWidget* cekani) {
        EXPECT_EQ(cekani->objectName(), "FormCekamNaData");
        ASSERT_TRUE(linka_->Posli(mereni + "\x04\r\n"));
    });
    QString vysledek;
    dialogy.OdpovezDalsimu([&](QWidget* nactena) {
        EXPECT_EQ(nactena->windowTitle(), "Načtená data");
        Klikni(nactena, "Tl_Uloz");
        Klikni(nactena, "Tl_Konverze");
        dialogy.OdpovezDalsimu([&](QWidget* okno) {
            vysledek = okno->findChild<QPlainTextEdit*>("M_Vysledek")->toPlainText();
            Klikni(okno, "Tl_Zavri");
        });
    });
    dialogy.OdpovezDalsimu([](QWidget* parametry) { // MAPA2, scale factor 1
        auto* faktor = parametry->findChild<QLineEdit*>("E_MeritkovyFaktor");
        faktor->clear();
        QTest::keyClicks(faktor, "1");
        Klikni(parametry, "Tl_Uloz");
    });
    okno_->findChild<QAction*>("A_NacteniDat")->trigger();

    EXPECT_EQ(NactiSoubor(sdt), mereni + "\x04\r\n");
    const std::string ocekavany = NactiSoubor(DataKonverze("01-klicova-slova.zap"));
    EXPECT_EQ(NactiSoubor(Soubor("MERENI.zap")), ocekavany);
    EXPECT_EQ(vysledek, ZCp1250(ocekavany).replace("\r\n", "\n"));
    EXPECT_TRUE(zpravy.Zpravy().empty()) << zpravy.Zpravy()[0].text.toStdString();
}

TEST_F(CestyKeStaniciTest, PointsReachTheStationAsTheUploadText) {
    TFormZapisSouradnicBodu okno(nullptr, okno_->ComDriver());
    TTabulkaBodu& body = okno.Body();
    for (int r = 1; r <= 20; ++r) {
        if (r > 1)
            body.PridejRadek();
        body.NastavBunku(r, 0, std::to_string(r));
        body.NastavBunku(r, 1, std::to_string(600000 + r) + ",25");
        body.NastavBunku(r, 2, std::to_string(1100000 + 2 * r) + ".5");
        body.NastavBunku(r, 3, "250.3");
        body.NastavBunku(r, 4, Cz("roh č.") + std::to_string(r));
    }
    okno.Mrizka()->ZobrazTabulku();
    TZpravyOken bezOken(nullptr);
    const std::string ocekavany = *PripravZapisBodu(body, false, bezOken);

    TZaznamZpravOken zpravy;
    auto stanice = std::async(std::launch::async, [&] { return PrijmiZapis(*linka_); });
    okno.A_ZapisDat->trigger();
    ASSERT_TRUE(CekejNa([&] { return zpravy.Zpravy().size() >= 2; }));
    std::string prijato;
    for (const auto& radek : stanice.get())
        prijato += radek + "\r\n";
    EXPECT_EQ(prijato, ocekavany);
    EXPECT_EQ(zpravy.Zpravy()[1].text, "Data byla uspěšně zapsána do totální stanice.");
    EXPECT_EQ(okno.TextPrubehu(), "20 / 20");
}

} // namespace
