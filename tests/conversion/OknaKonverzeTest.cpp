// The conversion's windows offscreen: the parameters dialog under a Czech locale, and the
// command from the file choice to the result window.
#include "OddeleniTestu.h"
#include "Soubory.h"

#include "common/IniFile.h"
#include "common/Slozky.h"
#include "conversion/NastaveniMAPA2.h"
#include "conversion/TextyKonverze.h"
#include "conversion/qt/KonverzeOken.h"
#include "conversion/qt/ParamMAPA2.h"
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
        d->findChild<QPushButton*>("B_Uloz")->click();
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
    Klikni(&dialog, "B_Uloz");
    EXPECT_EQ(dialog.MeritkovyFaktor(), 1.0L);
    EXPECT_EQ(dialog.Volby().MeritkovyFaktor, 1.0L);
}

TEST_F(OknaKonverzeTest, GoingBackStillWritesAllElevenSettings) {
    TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS350);
    dialog.show();
    Pole(&dialog, "E_X")->setText("1000000");
    Pole(&dialog, "E_OznaceniOrientBodu")->setText("*");
    Klikni(&dialog, "B_Zpet");
    const TNastaveniMAPA2 n = NactiNastaveniMAPA2(TIniFile(ini_));
    EXPECT_EQ(n.SouradniceX, "1000000");
    EXPECT_EQ(n.ZnakOrientace, "*");
    const std::string obsah = NactiSoubor(ini_);
    EXPECT_EQ(std::count(obsah.begin(), obsah.end(), '='), 11);
}

TEST_F(OknaKonverzeTest, EscapeAndTheCloseButtonWriteTheSettingsToo) {
    for (bool escape : {true, false}) {
        fs::remove(ini_);
        TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS660);
        dialog.show();
        Pole(&dialog, "E_Vyska")->setText("150");
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(NactiNastaveniMAPA2(TIniFile(ini_)).Vyska, "150") << escape;
    }
}

TEST_F(OknaKonverzeTest, FailedWriteIsReportedOnceAndTheDialogStillCloses) {
    PrepisCestuNastaveni(slozka_ / "chybi" / "Merivex.ini");
    TZaznamZprav zpravy;
    TFormParamMAPA2 dialog(nullptr, TTypStanice::tsNTS660);
    dialog.show();
    auto* faktor = Pole(&dialog, "E_MeritkovyFaktor");
    faktor->clear(); // unreadable: 1.0
    Klikni(&dialog, "B_Uloz");
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Chyba");
    EXPECT_EQ(dialog.MeritkovyFaktor(), 1.0L);
}

TEST_F(OknaKonverzeTest, LeavingAnEmptyMarkWarnsAndKeepsTheFocus) {
    TZaznamZprav zpravy;
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
         {std::tuple{"B_Uloz", false, QDialog::Accepted},
          {"B_Zpet", false, QDialog::Rejected},
          {"B_Uloz", true, QDialog::Accepted}}) {
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

TEST_F(OknaKonverzeTest, ConversionShowsTheOutputInTheResultWindow) {
    const fs::path vstup = slozka_ / "01-klicova-slova.sdt";
    fs::copy_file(DataKonverze("01-klicova-slova.sdt"), vstup);
    TZaznamZprav zpravy;
    TOdpovediDialogu dialogy;
    dialogy.OdpovezDalsimu([](QWidget* d) {
        auto* ok = d->findChild<QPushButton*>("B_Uloz");
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_EQ(ok->x(), 244);
        EXPECT_TRUE(ok->toolTip().isEmpty());
        EXPECT_TRUE(d->findChild<QPushButton*>("B_Zpet")->isHidden());
        PotvrdSFaktoremJedna(d);
    });
    QString text, titulek;
    dialogy.OdpovezDalsimu([&](QWidget* d) {
        titulek = d->windowTitle();
        text = d->findChild<QPlainTextEdit*>("M_Vysledek")->toPlainText();
        d->findChild<QPushButton*>("B_Zavri")->click();
    });
    Konvertuj(vstup);
    EXPECT_EQ(titulek, "Výstupní soubor konverze " +
                           QString::fromStdString((slozka_ / "01-klicova-slova.zap").string()));
    // The text field shows lines; the file ends them with CR LF.
    EXPECT_EQ(text,
              ZCp1250(NactiSoubor(DataKonverze("01-klicova-slova.zap"))).replace("\r\n", "\n"));
}

TEST_F(OknaKonverzeTest, DeclinedOverwriteKeepsTheOldOutputAndShowsNothing) {
    const fs::path vstup = slozka_ / "a.sdt";
    fs::copy_file(DataKonverze("01-klicova-slova.sdt"), vstup);
    ZapisSoubor(slozka_ / "a.zap", "stary\r\nobsah");
    TZaznamZprav zpravy;
    zpravy.OdpovezDalsi(QMessageBox::No);
    TOdpovediDialogu dialogy; // none expected
    Konvertuj(vstup);
    EXPECT_EQ(NactiSoubor(slozka_ / "a.zap"), "stary\r\nobsah");
    EXPECT_EQ(zpravy.Zpravy().size(), 1u);
}

TEST_F(OknaKonverzeTest, ACoordinateFileNamedAscIsNeverOverwrittenByItsOwnOutput) {
    const fs::path vstup = slozka_ / "body.asc";
    fs::copy_file(DataKonverze("08-souradnice.sdt"), vstup);
    TZaznamZprav zpravy;      // no overwrite question to answer "Ano" to
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
    TZaznamZprav zpravy;
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
        TZaznamZprav zpravy;
        TOdpovediDialogu dialogy;
        QString text;
        if (p.Prevod) {
            dialogy.OdpovezDalsimu(PotvrdSFaktoremJedna);
            dialogy.OdpovezDalsimu([&](QWidget* d) {
                text = d->findChild<QPlainTextEdit*>("M_Vysledek")->toPlainText();
                d->findChild<QPushButton*>("B_Zavri")->click();
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
    TZaznamZprav zpravy;
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
