// The waiting dialog and the window "Načtená data" on their own, offscreen.
#include "OddeleniTestu.h"
#include "SlozkaTestu.h"

#include "ZaznamZprav.h"
#include "common/Cp1250.h"
#include "common/IniFile.h"
#include "common/Slozky.h"
#include "conversion/TextyKonverze.h"
#include "conversion/qt/KonverzeOken.h"
#include "download/KonecNacteni.h"
#include "download/qt/AnimaceKopirovani.h"
#include "download/qt/CekamNaData.h"
#include "download/qt/NactenaData.h"
#include "link/DriverTestu.h"
#include "link/Komunikace.h"
#include "ui/DialogSouboru.h"
#include "ui/HlidaniOken.h"
#include "ui/TestovaniOken.h"
#include "ui/Texty.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <gmock/gmock.h>

namespace fs = std::filesystem;
using ::testing::ElementsAre;

namespace {

// The window reads only the driver's station type; a driver that never opens its port.
std::unique_ptr<TComDriver> NecinnyDriver() {
    static TZaznamZprav zpravy;
    static TStavCekani cekani;
    return std::make_unique<TComDriver>(ProstrediDriveru(zpravy, cekani));
}

QPushButton* Tlacitko(QWidget* okno, const char* jmeno) {
    auto* tlacitko = okno->findChild<QPushButton*>(jmeno);
    EXPECT_NE(tlacitko, nullptr) << jmeno;
    return tlacitko;
}

// A measurement as the station sends it: cp1250 text, CR LF, the end mark.
const std::string kData = Cz("Zakázka: ULICE 12  Měřil: TEAM1\r\nSTN 1,1.560\r\nSS 5,1.500,#\r\n"
                             "HV 300.0000,100.0000\r\n\x04\r\n");

class CekamNaDataTest : public ::testing::Test {
protected:
    TFormCekamNaData dialog_{nullptr};
};

class NactenaDataTest : public TSlozkaTestu {
protected:
    void SetUp() override {
        TSlozkaTestu::SetUp();
        PrepisCestuNastaveni(slozka_ / "Merivex.ini");
        okno_.NastavData(kData);
    }
    void TearDown() override {
        NastavVolbuSouboru({});
        PrepisCestuNastaveni(NastaveniTestu());
        TSlozkaTestu::TearDown();
    }
    // The save dialogs answered one by one with these names (empty = cancelled).
    void OdpovidejUlozeni(std::vector<fs::path> jmena) {
        NastavVolbuSouboru([this, jmena = std::move(jmena)](QFileDialog& dialog) mutable {
            dialogy_.push_back(&dialog);
            filtry_ = dialog.nameFilters();
            pripona_ = dialog.defaultSuffix();
            slozkaDialogu_ = dialog.directory().absolutePath();
            ++pocetDialogu_;
            if (jmena.empty()) {
                ADD_FAILURE() << "an unexpected save dialog";
                return QString();
            }
            const fs::path jmeno = jmena.front();
            jmena.erase(jmena.begin());
            return QString::fromStdString(jmeno.string());
        });
    }

    std::unique_ptr<TComDriver> driver_ = NecinnyDriver();
    TFormNactenaData okno_{nullptr, *driver_, &KonverzeUlozenehoSouboru};
    std::vector<QFileDialog*> dialogy_;
    QStringList filtry_;
    QString pripona_, slozkaDialogu_;
    int pocetDialogu_ = 0;
};

} // namespace

TEST_F(CekamNaDataTest, IsAFixedAlwaysOnTopDialogWithoutATitleBarClose) {
    EXPECT_EQ(dialog_.windowTitle(), "Čekám na data");
    EXPECT_EQ(dialog_.size(), QSize(305, 152));
    EXPECT_EQ(dialog_.minimumSize(), dialog_.maximumSize());
    const Qt::WindowFlags f = dialog_.windowFlags();
    EXPECT_TRUE(f.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(f.testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(f.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(f.testFlag(Qt::WindowSystemMenuHint));
    auto* popis = dialog_.findChild<QLabel*>("L_Popis");
    ASSERT_NE(popis, nullptr);
    EXPECT_EQ(popis->text(), "Čekám na data z totální stanice");
    EXPECT_TRUE(popis->font().bold());
    EXPECT_EQ(Tlacitko(&dialog_, "Tl_Prerusit")->text(), "&Přerušit");
    EXPECT_EQ(Tlacitko(&dialog_, "Tl_Prerusit")->toolTip(),
              "Přerušení načítání dat z totální stanice");
}

// A window manager that keeps a minimise button on the dialog takes the program with it: the
// minimise is undone (by the watch the main window installs over every modal dialog), so the
// download never goes on out of sight.
TEST(CekamNaDataMinimalizace, BringsTheDialogAndTheProgramBack) {
    THlidaniOken hlidani;
    qApp->installEventFilter(&hlidani);
    QWidget program;
    program.show();
    TFormCekamNaData dialog(&program);
    dialog.setWindowModality(Qt::ApplicationModal); // as the link shows it
    dialog.show();
    program.setWindowState(Qt::WindowMinimized);
    dialog.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !(dialog.windowState() & Qt::WindowMinimized); }));
    EXPECT_FALSE(program.windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(dialog.isVisible());
    dialog.Zavri();
    qApp->removeEventFilter(&hlidani);
}

TEST_F(CekamNaDataTest, AbortEndsTheShowingWithTrueAndTheLinkEndsItWithFalse) {
    auto* animace = dialog_.findChild<TAnimaceKopirovani*>("Animace");
    ASSERT_NE(animace, nullptr);
    int kroku = 0;
    QTimer::singleShot(0, &dialog_, [&] {
        // Escape, Alt+F4 and the window manager's close leave the dialog open.
        QTest::keyClick(&dialog_, Qt::Key_Escape);
        dialog_.close();
        EXPECT_TRUE(dialog_.isVisible());
        const int prvni = animace->Krok();
        EXPECT_TRUE(QTest::qWaitFor([&] { return animace->Krok() != prvni; }, 10000))
            << "the animation runs";
        kroku = 1;
        Tlacitko(&dialog_, "Tl_Prerusit")->click();
    });
    EXPECT_TRUE(dialog_.UkazModalne());
    EXPECT_EQ(kroku, 1);
    EXPECT_FALSE(dialog_.isVisible());

    // A second showing ended by the link: a new text line, then the close.
    QTimer::singleShot(0, &dialog_, [&] {
        dialog_.NastavText(Cz("Přijímám data z totální stanice"));
        EXPECT_EQ(dialog_.findChild<QLabel*>("L_Popis")->text(), "Přijímám data z totální stanice");
        dialog_.Zavri();
    });
    EXPECT_FALSE(dialog_.UkazModalne());
    EXPECT_FALSE(dialog_.isVisible());
}

TEST_F(NactenaDataTest, ShowsTheDataReadOnlyInBoldWithItsButtons) {
    EXPECT_EQ(okno_.windowTitle(), "Načtená data");
    EXPECT_EQ(okno_.size(), QSize(750, 500));
    EXPECT_EQ(okno_.findChild<QLabel*>("L_NactenaData")->text(), "Načtená data :");
    EXPECT_TRUE(okno_.findChild<QLabel*>("L_NactenaData")->font().bold());
    auto* text = okno_.findChild<QPlainTextEdit*>("M_NactenaData");
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_TRUE(text->font().bold());
    EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // The four data lines; the end mark (EOT) would be drawn as a box on a fifth line.
    EXPECT_EQ(text->document()->blockCount(), 4);
    EXPECT_EQ(text->document()->lastBlock().text(), "HV 300.0000,100.0000");
    EXPECT_EQ(text->document()->firstBlock().text(), "Zakázka: ULICE 12  Měřil: TEAM1");

    struct TOcekavani {
        const char *jmeno, *titulek, *napoveda;
    };
    for (const TOcekavani& o :
         {TOcekavani{"Tl_Uloz", "&Ulož", " Uložení načtených dat do souboru"},
          TOcekavani{"Tl_Konverze", "&Konverze", " Konverze načtených dat do formátu MAPA2 "},
          TOcekavani{"Tl_Nahled", "Ná&hled",
                     " Vypočtené souřadnice, plán a orientace načteného měření "},
          TOcekavani{"Tl_Zavrit", "&Zavřít", " Zavření okna "}}) {
        EXPECT_EQ(Tlacitko(&okno_, o.jmeno)->text(), QString::fromUtf8(o.titulek));
        EXPECT_EQ(Tlacitko(&okno_, o.jmeno)->toolTip(), QString::fromUtf8(o.napoveda));
    }
    EXPECT_TRUE(Tlacitko(&okno_, "Tl_Uloz")->isDefault());

    TZaznamZpravOken zpravy;
    zpravy.OdpovezDalsi(QMessageBox::Discard); // the data are not saved
    QTimer::singleShot(0, &okno_, [this] { Tlacitko(&okno_, "Tl_Zavrit")->click(); });
    EXPECT_EQ(okno_.exec(), QDialog::Rejected);
}

TEST_F(NactenaDataTest, SaveWritesTheBytesAsReceivedAndCanBeRepeated) {
    OdpovidejUlozeni({slozka_ / "prvni.sdt", slozka_ / "druhy.sdt", {}});
    Tlacitko(&okno_, "Tl_Uloz")->click();
    EXPECT_THAT(filtry_, ElementsAre("Soubor meřených dat (*.sdt)", "Všechny soubory (*.*)"));
    EXPECT_EQ(pripona_, "sdt");
    EXPECT_EQ(fs::path(slozkaDialogu_.toStdString()), VychoziSlozkaDat());
    EXPECT_EQ(NactiSoubor(slozka_ / "prvni.sdt"), kData);
    EXPECT_EQ(okno_.UlozenySoubor(), slozka_ / "prvni.sdt");

    Tlacitko(&okno_, "Tl_Uloz")->click();
    EXPECT_EQ(NactiSoubor(slozka_ / "druhy.sdt"), kData);
    EXPECT_EQ(okno_.UlozenySoubor(), slozka_ / "druhy.sdt");
    // A cancelled dialog changes nothing.
    Tlacitko(&okno_, "Tl_Uloz")->click();
    EXPECT_EQ(okno_.UlozenySoubor(), slozka_ / "druhy.sdt");
    EXPECT_EQ(pocetDialogu_, 3);
}

TEST_F(NactenaDataTest, SaveDialogAsksForAFileToWriteWithTheSdtExtension) {
    // The real dialog, answered by typing a name without extension.
    const QString slozka = QString::fromStdString(slozka_.string());
    NastavVolbuSouboru([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        dialog.setDirectory(slozka);
        QTimer::singleShot(0, &dialog, [&dialog] {
            auto* jmeno = dialog.findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(jmeno, nullptr);
            jmeno->setText("mereni");
            static_cast<QDialog&>(dialog).accept(); // QFileDialog makes it protected
        });
        if (dialog.exec() != QDialog::Accepted)
            return QString();
        return dialog.selectedFiles().value(0);
    });
    Tlacitko(&okno_, "Tl_Uloz")->click();
    EXPECT_EQ(NactiSoubor(slozka_ / "mereni.sdt"), kData);
}

TEST_F(NactenaDataTest, FailedSaveIsReportedAndLeavesTheDataUnsaved) {
    TZaznamZpravOken zpravy;
    OdpovidejUlozeni({slozka_ / "chybi" / "a.sdt"});
    Tlacitko(&okno_, "Tl_Uloz")->click();
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_TRUE(zpravy.Zpravy()[0].text.contains("a.sdt"));
    EXPECT_TRUE(okno_.UlozenySoubor().empty());
}

TEST_F(NactenaDataTest, KonverzeBeforeSaveAsksForTheFileAndCancellingKeepsTheWindowOpen) {
    OdpovidejUlozeni({{}});
    okno_.show();
    Tlacitko(&okno_, "Tl_Konverze")->click();
    EXPECT_TRUE(okno_.isVisible()) << "the data are still there to save";
    EXPECT_EQ(pocetDialogu_, 1);
    EXPECT_TRUE(okno_.VystupKonverze().empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka_), fs::directory_iterator{}), 0);
}

// Escape, the title bar and "&Zavřít" ask before unsaved data go; going back, or a save that
// is cancelled, keeps the window open.
TEST_F(NactenaDataTest, UnsavedDataAreNotDroppedWithoutAsking) {
    const QString otazka =
        QString::fromUtf8("Načtená data nejsou uložena v souboru. Uložit je před zavřením okna?");
    const std::function<void(QDialog&)> escape = [](QDialog& o) {
        QTest::keyClick(&o, Qt::Key_Escape);
    };
    const std::function<void(QDialog&)> titulek = [](QDialog& o) {
        o.close();
    };
    const std::function<void(QDialog&)> zavrit = [](QDialog& o) {
        Tlacitko(&o, "Tl_Zavrit")->click();
    };
    struct TPripad {
        const char* jmeno;
        std::function<void(QDialog&)> zavri;
        QMessageBox::StandardButton odpoved;
        fs::path ulozit; // the save dialog's answer after Save (empty: cancelled)
        bool otevreno;
    } pripady[] = {
        {"EscapeGoBack", escape, QMessageBox::Cancel, {}, true},
        {"TitleBarGoBack", titulek, QMessageBox::Cancel, {}, true},
        {"CloseButtonSaveCancelled", zavrit, QMessageBox::Save, {}, true},
        {"EscapeDiscard", escape, QMessageBox::Discard, {}, false},
        {"TitleBarSave", titulek, QMessageBox::Save, slozka_ / "a.sdt", false},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.jmeno);
        TFormNactenaData okno(nullptr, *driver_, &KonverzeUlozenehoSouboru);
        okno.NastavData(kData);
        okno.show();
        TZaznamZpravOken zpravy;
        zpravy.OdpovezDalsi(p.odpoved);
        if (p.odpoved == QMessageBox::Save)
            OdpovidejUlozeni({p.ulozit});
        p.zavri(okno);
        EXPECT_EQ(okno.isVisible(), p.otevreno);
        ASSERT_EQ(zpravy.Zpravy().size(), 1u);
        EXPECT_EQ(zpravy.Zpravy()[0].text, otazka);
        EXPECT_EQ(zpravy.Zpravy()[0].tlacitka,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        if (!p.ulozit.empty()) {
            EXPECT_EQ(NactiSoubor(p.ulozit), kData);
        }
    }
    // Saved data close at once.
    OdpovidejUlozeni({slozka_ / "b.sdt"});
    okno_.show();
    Tlacitko(&okno_, "Tl_Uloz")->click();
    TZaznamZpravOken zpravy;
    QTest::keyClick(&okno_, Qt::Key_Escape);
    EXPECT_FALSE(okno_.isVisible());
    EXPECT_TRUE(zpravy.Zpravy().empty());
}

TEST_F(NactenaDataTest, KonverzeConvertsTheFileSavedLast) {
    okno_.NastavData(NactiSoubor(DataKonverze("09-redukce.sdt")) + "\x04\r\n");
    OdpovidejUlozeni({slozka_ / "a.sdt", slozka_ / "b.sdt"});
    Tlacitko(&okno_, "Tl_Uloz")->click();
    Tlacitko(&okno_, "Tl_Uloz")->click();
    TOdpovediDialogu dialogy;
    // The answer is readied only once the window runs modally itself, so that the dialog
    // watch cannot hand it to the window instead of the MAPA2 dialog.
    QTimer::singleShot(0, &okno_, [this, &dialogy] {
        dialogy.OdpovezDalsimu([](QWidget* d) { Tlacitko(d, "Tl_Uloz")->click(); }); // MAPA2
        Tlacitko(&okno_, "Tl_Konverze")->click();
    });
    EXPECT_EQ(okno_.exec(), TFormNactenaData::VysledekAno);
    EXPECT_EQ(pocetDialogu_, 2) << "no further save dialog";
    EXPECT_EQ(okno_.VystupKonverze(), slozka_ / "b.zap");
    EXPECT_TRUE(fs::exists(slozka_ / "b.zap"));
    EXPECT_FALSE(fs::exists(slozka_ / "a.zap"));
}

TEST_F(NactenaDataTest, NahledHandsTheShownDataUnsavedToTheViewOnlyForNts660) {
    struct TRadek {
        const char* jmeno;
        TTypStanice typ;
        std::string data;
        bool povoleno;
    } radky[] = {
        {"NTS-660 data", TTypStanice::tsNTS660, kData, true},
        {"downloaded from an NTS-350", TTypStanice::tsNTS350, kData, false},
        {"the first line names the NTS-350", TTypStanice::tsNTS660, "NTS-350\r\n" + kData, false},
    };
    OdpovidejUlozeni({});
    std::vector<std::string> predano;
    TFormNactenaData okno(nullptr, *driver_, &KonverzeUlozenehoSouboru,
                          [&](QWidget* rodic, const std::string& data, TTypStanice typ) {
                              EXPECT_EQ(rodic, &okno);
                              EXPECT_EQ(typ, TTypStanice::tsNTS660);
                              predano.push_back(data);
                          });
    for (const TRadek& r : radky) {
        driver_->StationType = r.typ;
        okno.NastavData(r.data);
        EXPECT_EQ(Tlacitko(&okno, "Tl_Nahled")->isEnabled(), r.povoleno) << r.jmeno;
    }
    driver_->StationType = TTypStanice::tsNTS660;
    okno.NastavData(kData);
    Tlacitko(&okno, "Tl_Nahled")->click();
    EXPECT_THAT(predano, ElementsAre(kData));
    EXPECT_TRUE(okno.UlozenySoubor().empty()) << "no save needed";
    EXPECT_FALSE(Tlacitko(&okno_, "Tl_Nahled")->isEnabled()) << "without a view to hand to";
}

TEST_F(NactenaDataTest, KonverzeOfNts350DataSaysTheyCannotBeConvertedAndWritesNothing) {
    struct TRadek {
        const char* jmeno;
        TTypStanice typ;
        std::string data;
    } radky[] = {
        {"downloaded from an NTS-350", TTypStanice::tsNTS350, kData},
        {"the first line names the NTS-350", TTypStanice::tsNTS660, "NTS-350\r\n" + kData},
    };
    OdpovidejUlozeni({});
    for (const TRadek& r : radky) {
        driver_->StationType = r.typ;
        okno_.NastavData(r.data);
        TZaznamZpravOken zpravy;
        Tlacitko(&okno_, "Tl_Konverze")->click();
        ASSERT_EQ(zpravy.Zpravy().size(), 1u) << r.jmeno;
        EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Informace") << r.jmeno;
        EXPECT_EQ(zpravy.Zpravy()[0].text, ZCp1250(TextNelzePrevest(TTypStanice::tsNTS350)));
    }
    EXPECT_EQ(pocetDialogu_, 0) << "not even a save dialog";
    EXPECT_TRUE(okno_.VystupKonverze().empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka_), fs::directory_iterator{}), 0);
}
