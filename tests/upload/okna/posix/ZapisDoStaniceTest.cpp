// Uploads through the windows to a simulated NTS-660 on a pseudo-terminal: what the station
// stores is exactly the upload text, the window reports the end and shows the progress, a
// silent station gives the error and frees the send action, and a window closed during a
// send leaves the end to the main window's handlers.
#include "../OknaZapisu.h"

#include "SimStanice.h"
#include "app/Zaklad.h"
#include "common/Cp1250.h"
#include "upload/ZaznamBodu.h"
#include "upload/ZaznamKodu.h"
#include "upload/qt/ZapisKodu.h"
#include "upload/qt/ZapisSouradnicBodu.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>

#include <thread>

using ::testing::ElementsAre;

namespace {

const QString kRezimPrijmu =
    QString::fromUtf8("Nastavte totální stanici do režimu příjmu dat.\r\nPoté stiskněte OK.");
const QString kUspech = QString::fromUtf8("Data byla uspěšně zapsána do totální stanice.");
const QString kChyba = QString::fromUtf8("Chyba komunikace s totální stanicí!");
// Sent is not saved: closing asks whether to save the table first.
const QString kNeulozeno = QString::fromUtf8(
    "Tabulka byla změněna a není uložena v souboru. Uložit ji před zavřením okna?");

// Serves the event loop until the condition holds; the limit only keeps a broken build from
// hanging, it is not what the test checks.
bool CekejNa(const std::function<bool()>& podminka) {
    QElapsedTimer od;
    od.start();
    while (!podminka() && od.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return podminka();
}

std::string Spoj(const std::vector<std::string>& radky) {
    std::string text;
    for (const auto& r : radky)
        text += r + "\r\n";
    return text;
}

// The station plays its part on a thread of its own while the test serves the windows.
class THraStanice {
public:
    explicit THraStanice(TSimStanice& stanice)
        : vlakno_([this, &stanice] { radky_ = stanice.HrajUpload(std::chrono::seconds(20)); }) {}
    ~THraStanice() {
        if (vlakno_.joinable())
            vlakno_.join();
    }
    const std::vector<std::string>& Radky() {
        vlakno_.join();
        return radky_;
    }

private:
    std::vector<std::string> radky_;
    std::thread vlakno_;
};

TSimNastaveni RychlaStanice() {
    TSimNastaveni nastaveni;
    nastaveni.Baud = 0;
    nastaveni.ZpozdeniPotvrzeni = std::chrono::milliseconds(0);
    return nastaveni;
}

class ZapisDoStaniceTest : public OknaZapisuTest {
protected:
    // The station's pty instead of the missing device of the other window tests.
    void Pripoj(TSimStanice& stanice) { driver_->Port().SetDevicePath(stanice.Cesta()); }
    // The main window's handlers, as far as these tests need them.
    void HandleryZakladu() {
        driver_->OnKomunikaceOK = [this](TComDriver&, TMnozinaPrikazu typ, bool,
                                         const std::string&) {
            konceZakladu_.push_back(typ);
        };
        driver_->OnKomunikaceErr = [this](TComDriver& d, TMnozinaPrikazu, bool,
                                          const std::string&) {
            d.ClearCommands();
            konceZakladu_.push_back(0);
        };
    }
    std::vector<int> konceZakladu_;
};

TEST_F(ZapisDoStaniceTest, FiveHundredPointsReachTheStationAsTheUploadTextWithTheProgress) {
    TSimStanice stanice(RychlaStanice());
    Pripoj(stanice);
    HandleryZakladu();
    TFormZapisSouradnicBodu okno(nullptr, *driver_);
    TTabulkaBodu& body = okno.Body();
    for (int r = 1; r <= 500; ++r) {
        if (r > 1)
            body.PridejRadek();
        body.NastavBunku(r, 0, std::to_string(r));
        body.NastavBunku(r, 1, std::to_string(600000 + r) + ",25");
        body.NastavBunku(r, 2, std::to_string(1100000 + 2 * r) + ".5");
        body.NastavBunku(r, 3, "250.3");
        if (r % 3 == 0)
            body.NastavBunku(r, 4, Cz("  roh č.") + std::to_string(r));
    }
    okno.Mrizka()->ZobrazTabulku();
    okno.CB_ProhozeniXY->setChecked(true);
    TZpravyOken bezOken(nullptr);
    const std::string ocekavany = *PripravZapisBodu(body, true, bezOken);

    TZaznamZpravOken zpravy;
    THraStanice hra(stanice);
    okno.A_ZapisDat->trigger();
    EXPECT_FALSE(okno.A_ZapisDat->isEnabled());
    ASSERT_TRUE(CekejNa([&] { return zpravy.Zpravy().size() >= 2; }));
    EXPECT_EQ(Spoj(hra.Radky()), ocekavany);
    EXPECT_THAT(zpravy.Texty(), ElementsAre(kRezimPrijmu, kUspech));
    EXPECT_EQ(zpravy.Zpravy()[1].titulek, "Informace");
    EXPECT_EQ(okno.TextPrubehu(), "500 / 500");
    const auto* popis = okno.findChild<QLabel*>("L_PopisPrubehu");
    ASSERT_NE(popis, nullptr);
    EXPECT_FALSE(popis->isHidden());
    EXPECT_EQ(popis->text(), "Zapsáno řádků:");
    EXPECT_TRUE(okno.A_ZapisDat->isEnabled());
    EXPECT_TRUE(konceZakladu_.empty()); // the window had the end, not the main window

    // Closed, the window gives the main window's handlers back.
    okno.show();
    zpravy.OdpovezDalsi(QMessageBox::Discard);
    okno.close();
    driver_->OnKomunikaceOK(*driver_, PrikazZapis, false, {});
    EXPECT_THAT(konceZakladu_, ElementsAre(PrikazZapis));
    EXPECT_FALSE(driver_->OnPrubehZapisu);
    EXPECT_FALSE(driver_->OnChybaOtevreni);
}

TEST_F(ZapisDoStaniceTest, TwoHundredCodesReachTheStationAsTheUploadText) {
    TSimStanice stanice(RychlaStanice());
    Pripoj(stanice);
    TFormZapisKodu okno(nullptr, *driver_);
    TTabulkaKodu& kody = okno.Kody();
    for (int r = 1; r <= 200; ++r) {
        if (r > 1)
            kody.PridejRadek();
        if (r % 7 != 0)
            kody.NastavBunku(r, 0, r % 2 ? Cz("kóta") : "Body");
        if (r % 11 != 0)
            kody.NastavBunku(r, 1, "kod" + std::to_string(r));
    }
    okno.Mrizka()->ZobrazTabulku();
    const std::string ocekavany = SestavZapisKodu(kody);

    TZaznamZpravOken zpravy;
    THraStanice hra(stanice);
    okno.A_ZapisDat->trigger();
    ASSERT_TRUE(CekejNa([&] { return zpravy.Zpravy().size() >= 2; }));
    EXPECT_EQ(Spoj(hra.Radky()), ocekavany);
    EXPECT_THAT(zpravy.Texty(), ElementsAre(kRezimPrijmu, kUspech));
    EXPECT_EQ(okno.TextPrubehu(), "198 / 198"); // rows 77 and 154 are empty and skipped
    EXPECT_TRUE(okno.A_ZapisDat->isEnabled());
}

TEST_F(ZapisDoStaniceTest, ASilentStationGivesTheErrorAndTheSendActionBack) {
    TSimNastaveni nastaveni;
    nastaveni.Ticho = true;
    TSimStanice stanice(nastaveni);
    Pripoj(stanice);
    driver_->SetIntervalCasovace(std::chrono::milliseconds(20));
    TFormZapisKodu okno(nullptr, *driver_);
    okno.Kody().NastavBunku(1, 1, "roh");
    okno.Mrizka()->ZobrazTabulku();

    TZaznamZpravOken zpravy;
    okno.A_ZapisDat->trigger();
    ASSERT_TRUE(CekejNa([&] { return zpravy.Zpravy().size() >= 2; }));
    EXPECT_THAT(zpravy.Texty(), ElementsAre(kRezimPrijmu, kChyba));
    EXPECT_EQ(zpravy.Zpravy()[1].titulek, "Chyba");
    EXPECT_TRUE(okno.A_ZapisDat->isEnabled());
    EXPECT_EQ(driver_->PocetPrikazu(), 0);
    // No count stands after a failure, nor its caption.
    EXPECT_EQ(okno.TextPrubehu(), "");
    const auto* popis = okno.findChild<QLabel*>("L_PopisPrubehu");
    ASSERT_NE(popis, nullptr);
    EXPECT_TRUE(popis->isHidden());
}

TEST_F(ZapisDoStaniceTest, AWindowClosedDuringASendLeavesTheEndToTheMainWindow) {
    TSimNastaveni nastaveni = RychlaStanice();
    nastaveni.ZpozdeniPotvrzeni = std::chrono::milliseconds(5);
    TSimStanice stanice(nastaveni);
    Pripoj(stanice);
    HandleryZakladu();
    auto okno = std::make_unique<TFormZapisKodu>(nullptr, *driver_);
    for (int r = 1; r <= 100; ++r) {
        if (r > 1)
            okno->Kody().PridejRadek();
        okno->Kody().NastavBunku(r, 1, "k" + std::to_string(r));
    }
    okno->Mrizka()->ZobrazTabulku();
    const std::string ocekavany = SestavZapisKodu(okno->Kody());

    TZaznamZpravOken zpravy;
    THraStanice hra(stanice);
    okno->show();
    okno->A_ZapisDat->trigger();
    ASSERT_TRUE(CekejNa([&] { return okno->TextPrubehu().startsWith("3 /"); }));
    zpravy.OdpovezDalsi(QMessageBox::Discard);
    okno->A_Konec->trigger();
    okno.reset();
    ASSERT_TRUE(CekejNa([&] { return !konceZakladu_.empty(); }));
    EXPECT_EQ(Spoj(hra.Radky()), ocekavany); // the transfer went on to its end
    EXPECT_THAT(konceZakladu_, ElementsAre(PrikazZapis));
    // Nothing from the closed window.
    EXPECT_THAT(zpravy.Texty(), ElementsAre(kRezimPrijmu, kNeulozeno));
}

// The program's own road: the main window opens the code window modally on its driver, the
// user sends and closes the window at once, and the main window reports the end.
TEST_F(ZapisDoStaniceTest, TheMainWindowOpensTheWindowOnItsDriverAndReportsTheEndAfterIt) {
    TSimNastaveni nastaveni = RychlaStanice();
    nastaveni.ZpozdeniPotvrzeni = std::chrono::milliseconds(5);
    TSimStanice stanice(nastaveni);
    TFormZaklad zaklad;
    zaklad.ComDriver().Port().SetDevicePath(stanice.Cesta());
    zaklad.show();

    TZaznamZpravOken zpravy;
    TOdpovediDialogu dialogy;
    THraStanice hra(stanice);
    std::string ocekavany;
    bool otevreno = false;
    dialogy.OdpovezDalsimu([&](QWidget* w) {
        auto* okno = qobject_cast<TFormZapisKodu*>(w);
        ASSERT_NE(okno, nullptr);
        otevreno = true;
        for (int r = 1; r <= 50; ++r) {
            if (r > 1)
                okno->Kody().PridejRadek();
            okno->Kody().NastavBunku(r, 0, "vrstva");
            okno->Kody().NastavBunku(r, 1, "k" + std::to_string(r));
        }
        okno->Mrizka()->ZobrazTabulku();
        ocekavany = SestavZapisKodu(okno->Kody());
        okno->A_ZapisDat->trigger();
        zpravy.OdpovezDalsi(QMessageBox::Discard);
        okno->A_Konec->trigger();
    });
    zaklad.findChild<QAction*>("A_ZapisKodu")->trigger();
    EXPECT_TRUE(otevreno);
    ASSERT_TRUE(CekejNa([&] { return zpravy.Zpravy().size() >= 3; }));
    EXPECT_EQ(Spoj(hra.Radky()), ocekavany);
    EXPECT_THAT(zpravy.Texty(), ElementsAre(kRezimPrijmu, kNeulozeno, kUspech));
    zaklad.hide();
}

} // namespace
