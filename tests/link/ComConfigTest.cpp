// The communication settings dialog offscreen, on a real driver whose ports lead to
// pseudo-terminals the test controls (or to nothing): what it shows, what "&Ulož" applies and
// in which cases it tells the user the port cannot be opened.
#include "link/qt/ComConfig.h"

#include "common/Slozky.h"
#include "link/DriverTestu.h"
#include "link/Komunikace.h"
#include "link/qt/CasovacQt.h"
#include "serial/TestLinka.h"
#include "serial/TestNastaveni.h"
#include "serial/qt/SpPortControls.h"
#include "serial/qt/SpQtSyncUi.h"
#include "ui/TestovaniOken.h"
#include "ui/Texty.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;

// No command runs here; the port's timer is the program's.
TProstrediKomunikace Prostredi(TZpravy& zpravy, TStavCekani& cekani) {
    TProstrediKomunikace p = ProstrediDriveru(zpravy, cekani);
    p.VytvorCasovac = [] {
        return std::make_unique<TCasovacQt>();
    };
    return p;
}

// COM1 and COM3 lead to free pseudo-terminals, COM2 to one another program holds, COM4 to a
// device that does not exist, the others to missing files.
class ComConfigTest : public ::testing::Test {
protected:
    ComConfigTest() {
        prostredi_.nastaveni.Mapuj(1, com1_->Zarizeni());
        prostredi_.nastaveni.Mapuj(2, com2_->Zarizeni());
        prostredi_.nastaveni.Mapuj(3, com3_->Zarizeni());
        prostredi_.nastaveni.Mapuj(4, com1_->ChybejiciZarizeni());
        EXPECT_EQ(jinyProgram_->Open(com2_->Zarizeni()), TSpOpenError::oeNone);
        // What a start with no settings file gives, whatever the driver's own defaults.
        driver_.SetComNumber(1);
        driver_.SetBaudRate(br9600);
        driver_.SetParity(paNone);
        driver_.SetDataBits(db8);
        driver_.SetStopBits(sbOne);
        driver_.StationType = TTypStanice::tsNTS660;
    }
    ~ComConfigTest() override {
        if (driver_.Port().Active())
            driver_.Port().SetActive(false);
        jinyProgram_->Close();
    }

    template <class T> static T* Prvek(QWidget* okno, const char* jmeno) {
        auto* prvek = okno->findChild<T*>(jmeno);
        EXPECT_NE(prvek, nullptr) << jmeno;
        return prvek;
    }
    static TSkupinaVoleb* Skupina(QWidget* okno, const char* jmeno) {
        return Prvek<TSkupinaVoleb>(okno, jmeno);
    }
    static void Vyber(QWidget* okno, const char* skupina, int polozka) {
        Skupina(okno, skupina)->Tlacitko(polozka)->click();
    }
    static void Stiskni(QWidget* okno, const char* tlacitko) {
        Prvek<QPushButton>(okno, tlacitko)->click();
    }
    static void NapisDatoveBity(QWidget* okno, const QString& text) {
        auto* pole = Prvek<TPoleKroku>(okno, "E_DatoveBity")->findChild<QLineEdit*>();
        pole->selectAll();
        pole->del();
        QTest::keyClicks(pole, text);
    }
    // Runs the command; `odpoved` works the dialog and closes it.
    void Spust(std::function<void(QWidget*)> odpoved) {
        odpovedi_.OdpovezDalsimu(std::move(odpoved));
        ParametryKomunikaceOken(nullptr, driver_);
    }
    static QStringList Texty(TSkupinaVoleb* skupina) {
        QStringList texty;
        for (int i = 0; i < skupina->Pocet(); ++i)
            texty << skupina->Tlacitko(i)->text();
        return texty;
    }

    TProstrediPortu<TSpQtSyncUi> prostredi_;
    std::unique_ptr<TTestLinka> com1_ = VytvorTestLinku();
    std::unique_ptr<TTestLinka> com2_ = VytvorTestLinku();
    std::unique_ptr<TTestLinka> com3_ = VytvorTestLinku();
    std::unique_ptr<TSpBackend> jinyProgram_ = SpCreateBackend();
    TZaznamZpravOken zaznam_;
    TOdpovediDialogu odpovedi_;
    TZpravyOken zpravy_;
    TStavCekani cekani_;
    TComDriver driver_{Prostredi(zpravy_, cekani_)};
};

TEST_F(ComConfigTest, OpensOnTheDriversSettingsWithThePortClosedAndFree) {
    driver_.Port().SetActive(true); // left open by the last command's owner
    TFormComConfig dialog(nullptr, driver_);
    EXPECT_FALSE(driver_.Port().Active());
    EXPECT_EQ(dialog.windowTitle(), "Nastavení parametrů komunikace");
    EXPECT_EQ(dialog.size(), QSize(481, 481)) << "wide enough for the devices behind the numbers";

    auto* port = Prvek<TSpPortRadioGroup>(&dialog, "G_Port");
    EXPECT_EQ(port->ComPort(), &driver_.Port());
    EXPECT_EQ(port->Pocet(), 10);
    EXPECT_TRUE(port->Tlacitko(0)->isChecked());
    // The own port was closed before the probes, so it counts as free.
    EXPECT_TRUE(port->Tlacitko(0)->isEnabled());
    EXPECT_FALSE(port->Tlacitko(1)->isEnabled()); // held by another program
    EXPECT_TRUE(port->Tlacitko(2)->isEnabled());
    EXPECT_FALSE(port->Tlacitko(3)->isEnabled()); // no such device

    auto* rychlost = Skupina(&dialog, "G_Rychlost");
    EXPECT_THAT(Texty(rychlost), ElementsAre(" 300", " 600", " 1200", " 2400", " 4800", " 9600",
                                             " 19200", " 38400", " 57600", " 115200"));
    EXPECT_EQ(rychlost->ItemIndex(), 5);
    auto* parita = Skupina(&dialog, "G_Parita");
    EXPECT_THAT(Texty(parita), ElementsAre(" Žádná", " Sudá", " Lichá"));
    EXPECT_EQ(parita->ItemIndex(), 0);
    auto* stopBity = Skupina(&dialog, "G_StopBity");
    EXPECT_THAT(Texty(stopBity), ElementsAre(" 1", " 2"));
    EXPECT_EQ(stopBity->ItemIndex(), 0);
    EXPECT_EQ(stopBity->Sloupce(), 2);
    EXPECT_EQ(Prvek<TPoleKroku>(&dialog, "E_DatoveBity")->Text(), "8");
    auto* typ = Prvek<QComboBox>(&dialog, "CB_TypStanice");
    EXPECT_EQ(typ->count(), 2);
    EXPECT_EQ(typ->currentText(), "NTS-660");
    EXPECT_TRUE(Prvek<QPushButton>(&dialog, "Tl_Uloz")->isDefault());
}

TEST_F(ComConfigTest, ParityItemsMapByMeaningBothWays) {
    for (auto [parita, polozka] : {std::pair{paEven, 1}, {paOdd, 2}}) {
        driver_.SetParity(parita);
        TFormComConfig dialog(nullptr, driver_);
        EXPECT_EQ(Skupina(&dialog, "G_Parita")->ItemIndex(), polozka) << int(parita);
    }
    Spust([](QWidget* d) {
        Vyber(d, "G_Parita", 2); // " Lichá"
        Stiskni(d, "Tl_Uloz");
    });
    EXPECT_EQ(driver_.Parity(), paOdd);
    EXPECT_EQ(driver_.Port().Parity(), paOdd);
    Spust([](QWidget* d) {
        Vyber(d, "G_Parita", 1); // " Sudá"
        Stiskni(d, "Tl_Uloz");
    });
    EXPECT_EQ(driver_.Parity(), paEven);
    EXPECT_TRUE(zaznam_.Zpravy().empty());
}

TEST_F(ComConfigTest, SaveAppliesEverythingTestsThePortAndClosesIt) {
    Spust([](QWidget* d) {
        Vyber(d, "G_Port", 2); // COM 3
        Vyber(d, "G_Rychlost", 9);
        Vyber(d, "G_StopBity", 1);
        NapisDatoveBity(d, "7");
        Prvek<QComboBox>(d, "CB_TypStanice")->setCurrentIndex(0);
        Stiskni(d, "Tl_Uloz");
    });
    EXPECT_EQ(driver_.ComNumber(), 3);
    EXPECT_EQ(driver_.BaudRate(), br115200);
    EXPECT_EQ(driver_.StopBits(), sbTwo);
    EXPECT_EQ(driver_.DataBits(), db7);
    EXPECT_EQ(driver_.StationType, TTypStanice::tsNTS350);
    EXPECT_EQ(driver_.Port().Databits(), db7);
    // Opened with the new settings to test them, and left free for other programs.
    EXPECT_FALSE(driver_.Port().Active());
    EXPECT_EQ(SpProbePort(3), TSpPortState::psFree);
    EXPECT_TRUE(zaznam_.Zpravy().empty());
}

TEST_F(ComConfigTest, DataBitsFieldSpinsFromFiveToEightAndOtherTextsChangeNothing) {
    driver_.SetDataBits(db4);
    {
        TFormComConfig dialog(nullptr, driver_);
        auto* pole = Prvek<TPoleKroku>(&dialog, "E_DatoveBity");
        EXPECT_EQ(pole->Text(), "4"); // shown as it is, though the arrows never reach it
        pole->stepBy(1);
        EXPECT_EQ(pole->Text(), "5");
        pole->stepBy(-1);
        EXPECT_EQ(pole->Text(), "5");
        pole->stepBy(5);
        EXPECT_EQ(pole->Text(), "8");
        NapisDatoveBity(&dialog, "67");
        EXPECT_EQ(pole->Text(), "6"); // one character
    }
    // Left with a text it will not use, the field shows the value in force.
    Spust([](QWidget* d) {
        QApplication::setActiveWindow(d);
        auto* pole = Prvek<TPoleKroku>(d, "E_DatoveBity");
        for (const char* text : {"9", "x"}) {
            pole->setFocus();
            NapisDatoveBity(d, text);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_NE(QApplication::focusWidget(), pole->findChild<QLineEdit*>());
            EXPECT_EQ(pole->Text(), "4") << text;
        }
        Stiskni(d, "Tl_Zpet");
    });
    for (const char* text : {"9", "x", "", "3"}) {
        Spust([text](QWidget* d) {
            NapisDatoveBity(d, text);
            Stiskni(d, "Tl_Uloz");
        });
        EXPECT_EQ(driver_.DataBits(), db4) << text;
    }
    Spust([](QWidget* d) {
        NapisDatoveBity(d, "5");
        Stiskni(d, "Tl_Uloz");
    });
    EXPECT_EQ(driver_.DataBits(), db5);
    // Four is no count a line takes: typed, it is not taken either.
    Spust([](QWidget* d) {
        NapisDatoveBity(d, "4");
        Stiskni(d, "Tl_Uloz");
    });
    EXPECT_EQ(driver_.DataBits(), db5);
}

// As on Windows: Tab and the caption's accelerator land on the checked item of a radio
// group, and the arrow keys select as they move.
TEST_F(ComConfigTest, RadioGroupsTakeTheFocusOnTheCheckedItemAndArrowsSelect) {
    Spust([](QWidget* d) {
        QApplication::setActiveWindow(d);
        auto* rychlost = Skupina(d, "G_Rychlost");
        auto* parita = Skupina(d, "G_Parita");
        Skupina(d, "G_Port")->Tlacitko(0)->setFocus(Qt::TabFocusReason); // COM1, checked
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), rychlost->Tlacitko(5)); // " 9600"
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), rychlost->Tlacitko(6));
        EXPECT_EQ(rychlost->ItemIndex(), 6);
        EXPECT_EQ(Skupina(d, "G_Port")->ItemIndex(), 0) << "Tab left the port list as it was";

        Prvek<QComboBox>(d, "CB_TypStanice")->setFocus();
        QTest::keyClick(d, Qt::Key_A, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), parita->Tlacitko(0)); // " Žádná"
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_EQ(parita->ItemIndex(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Skupina(d, "G_StopBity")->Tlacitko(0));
        Stiskni(d, "Tl_Uloz");
    });
    EXPECT_EQ(driver_.BaudRate(), br19200);
    EXPECT_EQ(driver_.Parity(), paEven);
}

TEST_F(ComConfigTest, StationTypeChosenOrTypedReachesTheDriverOnlyAsAnItem) {
    Spust([](QWidget* d) {
        Prvek<QComboBox>(d, "CB_TypStanice")->setCurrentIndex(0);
        Stiskni(d, "Tl_Uloz");
    });
    EXPECT_EQ(driver_.StationType, TTypStanice::tsNTS350);
    Spust([](QWidget* d) {
        auto* typ = Prvek<QComboBox>(d, "CB_TypStanice");
        EXPECT_EQ(typ->currentText(), "NTS-350");
        typ->setEditText("NTS-600");
        Stiskni(d, "Tl_Uloz");
    });
    EXPECT_EQ(driver_.StationType, TTypStanice::tsNTS350);
    Spust([](QWidget* d) {
        Prvek<QComboBox>(d, "CB_TypStanice")->setEditText("NTS-660");
        Stiskni(d, "Tl_Uloz");
    });
    EXPECT_EQ(driver_.StationType, TTypStanice::tsNTS660);
}

TEST_F(ComConfigTest, BackAndEscapeLeaveTheSettingsAndThePortAsTheyWere) {
    driver_.Port().SetActive(true);
    Spust([](QWidget* d) {
        Vyber(d, "G_Port", 2);
        Vyber(d, "G_Rychlost", 0);
        Vyber(d, "G_Parita", 2);
        Vyber(d, "G_StopBity", 1);
        NapisDatoveBity(d, "5");
        Prvek<QComboBox>(d, "CB_TypStanice")->setCurrentIndex(0);
        Stiskni(d, "Tl_Zpet");
    });
    EXPECT_EQ(driver_.BaudRate(), br9600);
    EXPECT_EQ(driver_.Parity(), paNone);
    EXPECT_EQ(driver_.DataBits(), db8);
    EXPECT_EQ(driver_.StopBits(), sbOne);
    EXPECT_EQ(driver_.StationType, TTypStanice::tsNTS660);
    EXPECT_EQ(driver_.Port().Parity(), paNone);
    // The click switched the port at once and going back took it back; the port stays
    // closed until the next command.
    EXPECT_EQ(driver_.Port().ComNumber(), 1);
    EXPECT_FALSE(driver_.Port().Active());
    Spust([](QWidget* d) {
        Vyber(d, "G_Port", 2);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(driver_.Port().ComNumber(), 1);
    EXPECT_TRUE(zaznam_.Zpravy().empty());
}

TEST_F(ComConfigTest, APortThatCannotBeOpenedIsReportedWithItsNumber) {
    // A port another program took after the list had probed it.
    Spust([this](QWidget* d) {
        Vyber(d, "G_Port", 2); // COM 3, free when probed
        Vyber(d, "G_Parita", 2);
        ASSERT_EQ(jinyProgram_->Open(com3_->Zarizeni()), TSpOpenError::oeNone);
        Stiskni(d, "Tl_Uloz");
    });
    // The settings file's port held by another program, and one that does not exist.
    for (uint16_t cislo : {2, 4}) {
        driver_.SetComNumber(cislo);
        Spust([](QWidget* d) { Stiskni(d, "Tl_Uloz"); });
    }
    ASSERT_EQ(zaznam_.Zpravy().size(), 3u);
    const auto obsazen = [](const char* port, const std::string& zarizeni) {
        return QString::fromStdString(std::string("Sériový port ") + port + " (" + zarizeni +
                                      ") je používán jinou aplikací. Ukončete ji, nebo zvolte "
                                      "jiný port.");
    };
    const QString texty[] = {
        obsazen("COM3", com3_->Zarizeni()), obsazen("COM2", com2_->Zarizeni()),
        "Vybraný sériový port COM4 neexistuje nebo je používán jinou aplikací"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(zaznam_.Zpravy()[i].titulek, "Chyba");
        EXPECT_EQ(zaznam_.Zpravy()[i].text, texty[i]);
        EXPECT_EQ(zaznam_.Zpravy()[i].tlacitka, QMessageBox::Ok);
    }
    // What was applied before the failed open stays applied.
    EXPECT_EQ(driver_.Parity(), paOdd);
    EXPECT_FALSE(driver_.Port().Active());
}

} // namespace
