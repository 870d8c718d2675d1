// The conversion's windows offscreen: the parameters dialog under a Czech locale, and the
// command from the file choice to the result window.
#include "OddeleniTestu.h"
#include "SlozkaTestu.h"

#include "common/IniFile.h"
#include "common/Slozky.h"
#include "conversion/NastaveniMAPA2.h"
#include "conversion/TextyKonverze.h"
#include "conversion/qt/KonverzeOken.h"
#include "conversion/qt/ParamMAPA2.h"
#include "conversion/qt/VysledekKonverze.h"
#include "ui/DialogSouboru.h"
#include "ui/TestovaniOken.h"
#include "ui/Texty.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>

namespace fs = std::filesystem;
using ::testing::Contains;

namespace {

class OknaKonverzeTest : public TSlozkaTestu {
protected:
    void SetUp() override {
        TSlozkaTestu::SetUp();
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        ini_ = slozka_ / "Merivex.ini";
        PrepisCestuNastaveni(ini_);
    }
    void TearDown() override {
        NastavVolbuSouboru({});
        PrepisCestuNastaveni(NastaveniTestu());
        QLocale::setDefault(QLocale::c());
        TSlozkaTestu::TearDown();
    }
    static QLineEdit* Pole(QWidget* okno, const char* jmeno) {
        auto* pole = okno->findChild<QLineEdit*>(jmeno);
        EXPECT_NE(pole, nullptr) << jmeno;
        return pole;
    }
    static void Klikni(QWidget* okno, const char* tlacitko) {
        okno->findChild<QPushButton*>(tlacitko)->click();
    }
    // Converts `vstup` through the command, the file dialog answered with it.
    void Konvertuj(const fs::path& vstup, TTypStanice typ = TTypStanice::tsNTS660) {
        NastavVolbuSouboru(
            [vstup](QFileDialog&) { return QString::fromStdString(vstup.string()); });
        KonverzeSouboruOken(nullptr, typ);
    }
    // Answers the parameters dialog with the factor "1" typed in, as the expected outputs
    // were worked out with 1.0.
    static void PotvrdSFaktoremJedna(QWidget* d) {
        auto* faktor = Pole(d, "E_MeritkovyFaktor");
        faktor->clear();
        QTest::keyClicks(faktor, "1");
        d->findChild<QPushButton*>("Tl_Uloz")->click();
    }
    fs::path ini_;
};

TEST_F(OknaKonverzeTest, DefaultsShowTheReductionsWithTheLocaleSeparator) {
    TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS660);
    dialog.show();
    EXPECT_EQ(Pole(&dialog, "E_RedukceJTSK")->text(), "-2,8 mm/km");
    EXPECT_EQ(Pole(&dialog, "E_RedukceHorizont")->text(), "-50,2 mm/km");
    EXPECT_EQ(Pole(&dialog, "E_Redukce")->text(), "-52,9 mm/km");
    EXPECT_EQ(Pole(&dialog, "E_MeritkovyFaktor")->text(), "0,9999471");
    EXPECT_TRUE(Pole(&dialog, "E_RedukceJTSK")->isReadOnly());
    EXPECT_FALSE(Pole(&dialog, "E_Hlavicka")->isEnabled()); // NTS-660

    // Just outside the projection's bounds, and a typed factor replaced by the next change.
    Pole(&dialog, "E_MeritkovyFaktor")->setText("1");
    Pole(&dialog, "E_X")->setText("889999");
    EXPECT_EQ(Pole(&dialog, "E_RedukceJTSK")->text(), "0,0 mm/km");
    EXPECT_EQ(Pole(&dialog, "E_Redukce")->text(), "-50,2 mm/km");
    EXPECT_EQ(Pole(&dialog, "E_MeritkovyFaktor")->text(), "0,9999498");
    dialog.reject();
}

TEST_F(OknaKonverzeTest, FiltersSwallowTypedAndPastedCharacters) {
    TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS660);
    dialog.show();
    auto* x = Pole(&dialog, "E_X");
    x->clear();
    QTest::keyClicks(x, "12a,3.4");
    EXPECT_EQ(x->text(), "1234");
    x->clear();
    QApplication::clipboard()->setText("9x8 7");
    x->paste();
    EXPECT_EQ(x->text(), "987");

    auto* faktor = Pole(&dialog, "E_MeritkovyFaktor");
    faktor->clear();
    QTest::keyClicks(faktor, "1,2,3e");
    EXPECT_EQ(faktor->text(), "1,23");
    faktor->clear();
    QApplication::clipboard()->setText("0,99b9,1");
    faktor->paste();
    EXPECT_EQ(faktor->text(), "0,9991");
    dialog.reject();
}

TEST_F(OknaKonverzeTest, TypedFactorIsTakenAtClosing) {
    TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS660);
    dialog.show();
    auto* faktor = Pole(&dialog, "E_MeritkovyFaktor");
    faktor->clear();
    QTest::keyClicks(faktor, "1");
    Klikni(&dialog, "Tl_Uloz");
    EXPECT_EQ(dialog.MeritkovyFaktor(), 1.0L);
    EXPECT_EQ(dialog.Volby().MeritkovyFaktor, 1.0L);
}

TEST_F(OknaKonverzeTest, GoingBackLeavesTheSettingsAsTheyWereAndSavingWritesAllEleven) {
    TNastaveniMAPA2 ulozene;
    ulozene.SouradniceX = "1050000";
    {
        TIniFile ini(ini_);
        ZapisNastaveniMAPA2(ini, ulozene);
    }
    const std::string pred = NactiSoubor(ini_);
    for (const char* tlacitko : {"Tl_Zpet", "Tl_Uloz"}) {
        SCOPED_TRACE(tlacitko);
        TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS350);
        dialog.show();
        Pole(&dialog, "E_X")->setText("1000000");
        Pole(&dialog, "E_OznaceniOrientBodu")->setText("*");
        Klikni(&dialog, tlacitko);
        EXPECT_FALSE(dialog.isVisible());
    }
    // Only "&Ulož" wrote: with what the second dialog held, all eleven keys.
    const TNastaveniMAPA2 n = NactiNastaveniMAPA2(TIniFile(ini_));
    EXPECT_NE(NactiSoubor(ini_), pred);
    EXPECT_EQ(n.SouradniceX, "1000000");
    EXPECT_EQ(n.ZnakOrientace, "*");
    const std::string obsah = NactiSoubor(ini_);
    EXPECT_EQ(std::count(obsah.begin(), obsah.end(), '='), 11);
}

TEST_F(OknaKonverzeTest, EscapeAndTheCloseButtonLeaveTheSettingsAsTheyWere) {
    for (bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Escape" : "CloseButton");
        fs::remove(ini_);
        TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS660);
        dialog.show();
        Pole(&dialog, "E_Vyska")->setText("150");
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_FALSE(fs::exists(ini_));
    }
}

TEST_F(OknaKonverzeTest, FailedWriteIsReportedOnceAndTheDialogStillCloses) {
    PrepisCestuNastaveni(slozka_ / "chybi" / "Merivex.ini");
    TZaznamZpravOken zpravy;
    TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS660);
    dialog.show();
    auto* faktor = Pole(&dialog, "E_MeritkovyFaktor");
    faktor->clear(); // unreadable: 1.0
    Klikni(&dialog, "Tl_Uloz");
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Chyba");
    EXPECT_EQ(dialog.MeritkovyFaktor(), 1.0L);
}

TEST_F(OknaKonverzeTest, LeavingAnEmptyMarkWarnsAndKeepsTheFocus) {
    TZaznamZpravOken zpravy;
    TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS660);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    auto* znak = Pole(&dialog, "E_OznaceniOrientBodu");
    znak->clear();
    znak->setFocus();
    QFocusEvent odchod(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(znak, &odchod);
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Varování");
    EXPECT_EQ(zpravy.Zpravy()[0].text, "Není zadán znak pro orientační body!");
    dialog.reject();
}

// A real warning box is modal: the mouse release that arrives while it stands is lost, so a
// warning raised by the press itself would swallow every click on a closing button.
TEST_F(OknaKonverzeTest, AClickOnAClosingButtonClosesTheDialogWithAnEmptyMark) {
    for (const auto& [tlacitko, formaKonverze, vysledek] :
         {std::tuple{"Tl_Uloz", false, QDialog::Accepted},
          {"Tl_Zpet", false, QDialog::Rejected},
          {"Tl_Uloz", true, QDialog::Accepted}}) {
        SCOPED_TRACE(std::string(tlacitko) + (formaKonverze ? " OK" : ""));
        TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS660);
        if (formaKonverze)
            dialog.NastavFormuKonverze();
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        auto* znak = Pole(&dialog, "E_OznaceniOrientBodu");
        znak->clear();
        znak->setFocus();
        auto* b = dialog.findChild<QPushButton*>(tlacitko);
        QStringList varovani;
        bool uvolneno = false;
        TOdpovediDialogu dialogy;
        dialogy.OdpovezDalsimu([&](QWidget* box) {
            varovani << box->findChild<QLabel*>("qt_msgbox_label")->text();
            if (!uvolneno) { // a box raised by the press: the user lets go while it stands
                QTest::mouseRelease(b, Qt::LeftButton);
                uvolneno = true;
            }
            static_cast<QDialog*>(box)->accept();
        });
        QTest::mousePress(b, Qt::LeftButton);
        if (!uvolneno) {
            uvolneno = true;
            QTest::mouseRelease(b, Qt::LeftButton);
        }
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), vysledek);
        EXPECT_EQ(varovani, QStringList{"Není zadán znak pro orientační body!"});
    }
}

// An altitude of 1200 m is typed whole, and no stored value is ever cut, in range or not.
TEST_F(OknaKonverzeTest, StoredValuesShowWholeAndTheAltitudeTakesFourDigits) {
    ZapisSoubor(ini_, "[S-JTSK]\r\nCoordinate X=12345678\r\nAltitude=1200\r\n");
    TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS660);
    dialog.show();
    EXPECT_EQ(Pole(&dialog, "E_X")->text(), "12345678");
    EXPECT_EQ(Pole(&dialog, "E_Vyska")->text(), "1200");
    EXPECT_EQ(Pole(&dialog, "E_RedukceHorizont")->text(), "-188,1 mm/km");
    auto* vyska = Pole(&dialog, "E_Vyska");
    vyska->clear();
    QTest::keyClicks(vyska, "27001");
    EXPECT_EQ(vyska->text(), "2700");
    dialog.reject();
}

// A value outside the extent is refused with the range, whether typed or stored, and nothing
// is written until it is mended.
TEST_F(OknaKonverzeTest, ValuesOutsideTheExtentAreRefusedOnSaving) {
    const struct {
        const char* Nazev;
        const char* Pole;
        const char* Text; // typed; none: as stored
        const char* Zprava;
    } pripady[] = {
        {"XBelowTheArea", "E_X", "889999",
         "Souřadnice X \"889999\" leží mimo oblast S-JTSK. Průměrná souřadnice X musí být od "
         "890\u00A0000 do 1\u00A0380\u00A0000\u00A0m."},
        {"YBeyondTheArea", "E_Y", "910001", "od 137\u00A0000 do 910\u00A0000\u00A0m."},
        {"AltitudeTooHigh", "E_Vyska", "2701", "od 0 do 2\u00A0700\u00A0m."},
        {"AltitudeEmpty", "E_Vyska", "", "Nadmořská výška není zadána."},
        {"StoredAltitudeTooHigh", "E_Vyska", nullptr, "\"9999\" je mimo možný rozsah"},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.Nazev);
        const std::string ulozeno = "[S-JTSK]\r\nAltitude=9999\r\n";
        if (p.Text)
            fs::remove(ini_);
        else
            ZapisSoubor(ini_, ulozeno);
        TZaznamZpravOken zpravy;
        TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS660);
        dialog.show();
        if (p.Text)
            Pole(&dialog, p.Pole)->setText(p.Text);
        Klikni(&dialog, "Tl_Uloz");
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(zpravy.Zpravy().size(), 1u);
        EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Chyba");
        EXPECT_TRUE(zpravy.Zpravy()[0].text.contains(p.Zprava))
            << zpravy.Zpravy()[0].text.toStdString();
        EXPECT_EQ(p.Text ? !fs::exists(ini_) : NactiSoubor(ini_) == ulozeno, true);
        // Mended, it saves.
        Pole(&dialog, p.Pole)->setText("1000000");
        Pole(&dialog, "E_Vyska")->setText("1200");
        Pole(&dialog, "E_Y")->setText("680000");
        Pole(&dialog, "E_X")->setText("1000000");
        Klikni(&dialog, "Tl_Uloz");
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(NactiNastaveniMAPA2(TIniFile(ini_)).Vyska, "1200");
    }
}

// In a conversion, a factor that no site of the extent gives is asked about; on its own the
// dialog stores no factor and asks nothing.
TEST_F(OknaKonverzeTest, AFactorOutsideItsRangeIsAskedAboutBeforeConverting) {
    const struct {
        const char* Nazev;
        bool FormaKonverze;
        const char* Faktor;
        QMessageBox::StandardButton Odpoved; // NoButton: no question expected
        bool Zavreno;
    } pripady[] = {
        {"InRange", true, "1", QMessageBox::NoButton, true},
        {"AbsurdAnsweredNo", true, "99999999999999999999", QMessageBox::No, false},
        {"OutsideAnsweredYes", true, "1,5", QMessageBox::Yes, true},
        {"OnItsOwn", false, "1,5", QMessageBox::NoButton, true},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.Nazev);
        TZaznamZpravOken zpravy;
        if (p.Odpoved != QMessageBox::NoButton)
            zpravy.OdpovezDalsi(p.Odpoved);
        TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS660);
        if (p.FormaKonverze)
            dialog.NastavFormuKonverze();
        dialog.show();
        Pole(&dialog, "E_MeritkovyFaktor")->setText(p.Faktor);
        Klikni(&dialog, "Tl_Uloz");
        EXPECT_EQ(dialog.isVisible(), !p.Zavreno);
        if (p.Odpoved == QMessageBox::NoButton) {
            EXPECT_TRUE(zpravy.Zpravy().empty());
            continue;
        }
        ASSERT_EQ(zpravy.Zpravy().size(), 1u);
        EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Varování");
        EXPECT_EQ(zpravy.Zpravy()[0].tlacitka, QMessageBox::Yes | QMessageBox::No);
        EXPECT_TRUE(zpravy.Zpravy()[0].text.startsWith(QString("Měřítkový faktor ") + p.Faktor +
                                                       " leží mimo rozsah 0,9994768 až 1,0021998"));
        if (p.Zavreno)
            EXPECT_EQ(dialog.Volby().MeritkovyFaktor, 1.5L);
        else
            dialog.reject();
    }
}

// Without a mark every later conversion would put the orientation shots among the details:
// an empty mark is warned of (also when Enter saves from the field) and never stored.
TEST_F(OknaKonverzeTest, AnEmptyMarkIsNotSaved) {
    for (bool enter : {false, true}) {
        SCOPED_TRACE(enter ? "EnterInTheField" : "SaveButton");
        ZapisSoubor(ini_, "[OTHER]\r\nChar for dot=*\r\n");
        TZaznamZpravOken zpravy;
        TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS660);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        auto* znak = Pole(&dialog, "E_OznaceniOrientBodu");
        znak->clear();
        Pole(&dialog, "E_Vyska")->setText("1200");
        if (enter) {
            znak->setFocus();
            QTest::keyClick(znak, Qt::Key_Return);
            EXPECT_EQ(zpravy.Texty(), std::vector<QString>{"Není zadán znak pro orientační body!"});
        } else {
            Klikni(&dialog, "Tl_Uloz");
        }
        EXPECT_FALSE(dialog.isVisible());
        const TNastaveniMAPA2 n = NactiNastaveniMAPA2(TIniFile(ini_));
        EXPECT_EQ(n.ZnakOrientace, "*");
        EXPECT_EQ(n.Vyska, "1200");
    }
}

// Escape or the close button in the conversion's dialog ends the conversion: nothing is
// written and the output the user agreed to replace is still there.
TEST_F(OknaKonverzeTest, EscapeCancelsTheConversionAndKeepsTheOldOutput) {
    const fs::path vstup = slozka_ / "a.sdt";
    fs::copy_file(DataKonverze("01-klicova-slova.sdt"), vstup);
    for (bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Escape" : "CloseButton");
        ZapisSoubor(slozka_ / "a.zap", "stary\r\nobsah");
        TZaznamZpravOken zpravy;
        zpravy.OdpovezDalsi(QMessageBox::Yes); // overwrite
        TOdpovediDialogu dialogy;              // the dialog, and no result window
        dialogy.OdpovezDalsimu([escape](QWidget* d) {
            if (escape)
                QTest::keyClick(d, Qt::Key_Escape);
            else
                d->close();
        });
        Konvertuj(vstup);
        EXPECT_EQ(NactiSoubor(slozka_ / "a.zap"), "stary\r\nobsah");
        EXPECT_EQ(zpravy.Zpravy().size(), 1u);
    }
}

TEST_F(OknaKonverzeTest, ConversionShowsTheOutputInTheResultWindow) {
    const fs::path vstup = slozka_ / "01-klicova-slova.sdt";
    fs::copy_file(DataKonverze("01-klicova-slova.sdt"), vstup);
    TZaznamZpravOken zpravy;
    TOdpovediDialogu dialogy;
    dialogy.OdpovezDalsimu([](QWidget* d) {
        auto* ok = d->findChild<QPushButton*>("Tl_Uloz");
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_EQ(ok->x(), 244);
        EXPECT_TRUE(ok->toolTip().isEmpty());
        EXPECT_TRUE(d->findChild<QPushButton*>("Tl_Zpet")->isHidden());
        PotvrdSFaktoremJedna(d);
    });
    QString text, titulek;
    dialogy.OdpovezDalsimu([&](QWidget* d) {
        titulek = d->windowTitle();
        text = d->findChild<QPlainTextEdit*>("M_Vysledek")->toPlainText();
        d->findChild<QPushButton*>("Tl_Zavri")->click();
    });
    Konvertuj(vstup);
    EXPECT_EQ(titulek, "Výstupní soubor konverze " +
                           QString::fromStdString((slozka_ / "01-klicova-slova.zap").string()));
    // The text field shows lines; the file ends them with CR LF.
    EXPECT_EQ(text,
              ZCp1250(NactiSoubor(DataKonverze("01-klicova-slova.zap"))).replace("\r\n", "\n"));
}

// The protocol stands under the output and is saved beside it on request.
TEST_F(OknaKonverzeTest, ResultWindowShowsTheProtocolAndSavesItBesideTheOutput) {
    const fs::path vstup = slozka_ / "a.sdt";
    fs::copy_file(DataKonverze("03-poskozena.sdt"), vstup);
    TZaznamZpravOken zpravy;
    TOdpovediDialogu dialogy;
    dialogy.OdpovezDalsimu(PotvrdSFaktoremJedna);
    QString protokol;
    dialogy.OdpovezDalsimu([&](QWidget* d) {
        protokol = d->findChild<QPlainTextEdit*>("M_Protokol")->toPlainText();
        d->findChild<QPushButton*>("Tl_UlozProtokol")->click();
        d->findChild<QPushButton*>("Tl_Zavri")->click();
    });
    Konvertuj(vstup);
    EXPECT_TRUE(protokol.contains("Měřítkový faktor: 1.0000000 (zadán; z průměrných hodnot"))
        << protokol.toStdString();
    EXPECT_TRUE(protokol.contains("Poškozená měření: 8 (řádky počítané od 1: 3, 5, 7, 9, 11, "
                                  "13, 15, 17)"))
        << protokol.toStdString();
    EXPECT_EQ(ZCp1250(NactiSoubor(slozka_ / "a-protokol.txt")).replace("\r\n", "\n"), protokol);
}

// No output at all is an empty window; an output that is there but cannot be read (a folder on
// every system) says so first, as every other reader does.
TEST_F(OknaKonverzeTest, ResultWindowOfAMissingOutputIsEmptyAndOfAnUnreadableOneSaysWhy) {
    fs::create_directory(slozka_ / "slozka.zap");
    struct TPripad {
        const char* nazev;
        fs::path vystup;
        bool chyba;
    };
    for (const TPripad& p : {TPripad{"missing", slozka_ / "chybi.zap", false},
                             TPripad{"folder", slozka_ / "slozka.zap", true}}) {
        SCOPED_TRACE(p.nazev);
        TZaznamZpravOken zpravy;
        TFormVysledekKonverze okno(nullptr, p.vystup);
        EXPECT_TRUE(okno.findChild<QPlainTextEdit*>("M_Vysledek")->toPlainText().isEmpty());
        ASSERT_EQ(zpravy.Zpravy().size(), p.chyba ? 1u : 0u);
        if (p.chyba)
            EXPECT_EQ(
                zpravy.Zpravy()[0].text,
                ZCp1250(TextNelzeCist(p.vystup, std::make_error_code(std::errc::is_a_directory))));
    }
}

TEST_F(OknaKonverzeTest, DeclinedOverwriteKeepsTheOldOutputAndShowsNothing) {
    const fs::path vstup = slozka_ / "a.sdt";
    fs::copy_file(DataKonverze("01-klicova-slova.sdt"), vstup);
    ZapisSoubor(slozka_ / "a.zap", "stary\r\nobsah");
    TZaznamZpravOken zpravy;
    zpravy.OdpovezDalsi(QMessageBox::No);
    TOdpovediDialogu dialogy; // none expected
    Konvertuj(vstup);
    EXPECT_EQ(NactiSoubor(slozka_ / "a.zap"), "stary\r\nobsah");
    EXPECT_EQ(zpravy.Zpravy().size(), 1u);
}

TEST_F(OknaKonverzeTest, ACoordinateFileNamedAscIsNeverOverwrittenByItsOwnOutput) {
    const fs::path vstup = slozka_ / "body.asc";
    fs::copy_file(DataKonverze("08-souradnice.sdt"), vstup);
    TZaznamZpravOken zpravy;  // no overwrite question to answer "Ano" to
    TOdpovediDialogu dialogy; // and no result window
    Konvertuj(vstup);
    EXPECT_EQ(NactiSoubor(vstup), NactiSoubor(DataKonverze("08-souradnice.sdt")));
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Chyba");
    EXPECT_EQ(zpravy.Zpravy()[0].tlacitka, QMessageBox::Ok);
    EXPECT_EQ(zpravy.Zpravy()[0].text, ZCp1250(TextVystupJeVstup(vstup)));
}

TEST_F(OknaKonverzeTest, ShowFileOffShowsNoResultWindow) {
    TNastaveniMAPA2 n;
    n.ZobrazitSoubor = false;
    TIniFile ini(ini_);
    ZapisNastaveniMAPA2(ini, n);
    const fs::path vstup = slozka_ / "a.sdt";
    fs::copy_file(DataKonverze("01-klicova-slova.sdt"), vstup);
    TZaznamZpravOken zpravy;
    TOdpovediDialogu dialogy;
    dialogy.OdpovezDalsimu(PotvrdSFaktoremJedna);
    Konvertuj(vstup);
    EXPECT_EQ(NactiSoubor(slozka_ / "a.zap"), NactiSoubor(DataKonverze("01-klicova-slova.zap")));
}

// What the file holds is decided before anything is asked: NTS-350 data and an input that is
// no measured data show one box and leave the older output as it was; a file that names the
// NTS-660 is converted as one after an information box naming both types.
TEST_F(OknaKonverzeTest, TheInputDecidesBeforeAnythingIsAsked) {
    const struct {
        const char* Jmeno;
        std::string Vstup;
        TTypStanice Typ;
        QString Titulek;
        bool Prevod;
    } pripady[] = {
        {"Nts350Data", "NTS-350\r\nSTN 1\r\n", TTypStanice::tsNTS660, "Varování", false},
        {"NoText", std::string("\x89PNG\r\n\x1A\n", 8), TTypStanice::tsNTS660, "Chyba", false},
        {"Nts660FileWins", NactiSoubor(DataKonverze("01-klicova-slova.sdt")), TTypStanice::tsNTS350,
         "Informace", true},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.Jmeno);
        const fs::path vstup = slozka_ / "a.sdt";
        ZapisSoubor(vstup, p.Vstup);
        fs::remove(slozka_ / "a.zap");
        fs::remove(slozka_ / "a.asc");
        if (!p.Prevod)
            ZapisSoubor(slozka_ / "a.zap", "stary");
        TZaznamZpravOken zpravy;
        TOdpovediDialogu dialogy;
        QString text;
        if (p.Prevod) {
            dialogy.OdpovezDalsimu(PotvrdSFaktoremJedna);
            dialogy.OdpovezDalsimu([&](QWidget* d) {
                text = d->findChild<QPlainTextEdit*>("M_Vysledek")->toPlainText();
                d->findChild<QPushButton*>("Tl_Zavri")->click();
            });
        }
        Konvertuj(vstup, p.Typ);
        ASSERT_EQ(zpravy.Zpravy().size(), 1u);
        EXPECT_EQ(zpravy.Zpravy()[0].titulek, p.Titulek);
        EXPECT_TRUE(zpravy.Zpravy()[0].text.contains(QString::fromStdString(vstup.string())));
        if (p.Prevod) {
            EXPECT_EQ(NactiSoubor(slozka_ / "a.zap"),
                      NactiSoubor(DataKonverze("01-klicova-slova.zap")));
            EXPECT_FALSE(text.isEmpty());
        } else {
            EXPECT_EQ(NactiSoubor(slozka_ / "a.zap"), "stary");
            EXPECT_FALSE(fs::exists(slozka_ / "a.asc"));
        }
    }
}

TEST_F(OknaKonverzeTest, CancelledFileDialogDoesNothing) {
    TZaznamZpravOken zpravy;
    QString filtry;
    NastavVolbuSouboru([&](QFileDialog& d) {
        filtry = d.nameFilters().join("|");
        EXPECT_EQ(d.defaultSuffix(), "sdt");
        EXPECT_EQ(d.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(fs::path(d.directory().absolutePath().toStdString()),
                  fs::absolute(VychoziSlozkaDat()).lexically_normal());
        return QString();
    });
    KonverzeSouboruOken(nullptr, TTypStanice::tsNTS660);
    EXPECT_EQ(filtry, "Soubor meřených dat (*.sdt)|Všechny soubory (*.*)");
    EXPECT_TRUE(zpravy.Zpravy().empty());
}

} // namespace
