#include "app/Zaklad.h"
#include "OddeleniTestu.h"

#include "common/IniFile.h"
#include "common/Slozky.h"
#include "ui/TestovaniOken.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gmock/gmock.h>

#include <fstream>
#include <map>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class ZakladTest : public ::testing::Test {
protected:
    void SetUp() override { PrepisCestuNastaveni(slozka_.filePath("Merivex.ini").toStdString()); }
    void TearDown() override { PrepisCestuNastaveni(NastaveniTestu()); }

    QAction* Akce(const char* jmeno) {
        auto* akce = okno_.findChild<QAction*>(jmeno);
        EXPECT_NE(akce, nullptr) << jmeno;
        return akce;
    }
    void UkazAktivni() {
        okno_.show();
        okno_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&okno_));
    }

    QTemporaryDir slozka_;
    TFormZaklad okno_;
};

// What a menu bar shows, item by item: a submenu as its caption followed by its items'
// action names in brackets, a command as its caption, a separator as "|".
std::vector<std::string> Polozky(QMenuBar* lista) {
    std::vector<std::string> polozky;
    for (QAction* a : lista->actions()) {
        if (a->isSeparator()) {
            polozky.push_back("|");
        } else if (QMenu* menu = a->menu()) {
            std::string s = a->text().toStdString() + " [";
            for (QAction* b : menu->actions())
                s += b->objectName().toStdString() + ' ';
            polozky.push_back(s + ']');
        } else {
            polozky.push_back(a->text().toStdString());
        }
    }
    return polozky;
}

} // namespace

TEST_F(ZakladTest, ActionsCarryTheirCaptionsHintsPicturesAndShortcut) {
    struct TOcekavani {
        const char* jmeno;
        const char* titulek;
        const char* napoveda;
    };
    const TOcekavani ocekavane[] = {
        {"A_NacteniDat", "&Načtení dat ...", " Načtení dat z totální stanice"},
        {"A_ZapisSouradnicBodu", "&Zápis souřadnic bodů ... ",
         " Zápis souřadnic bodů do totální stanice"},
        {"A_ZapisKodu", "Zápis &kódů ... ", " Zápis kódů do totální stanice"},
        {"A_Konverze", "Konverze &souboru ...", " Konverze souboru do formátu MAPA2"},
        {"A_NahledMereni", "Náhled &měření ...", " Vypočtené souřadnice, plán a orientace měření"},
        {"A_ParametryKomunikace", "Parametry &komunikace s totální stanicí...",
         " Nastavení parametrů komunikace s totální stanicí"},
        {"A_ParametryProFormatMapa2", "&Parametry pro export do formátu MAPA2 ...",
         " Parametry pro export do formátu MAPA2"},
        {"A_OProgramu", "&O programu...", " Informace o programu"},
        {"A_Konec", "&Konec", " Ukončení programu"},
    };
    for (const auto& o : ocekavane) {
        QAction* akce = Akce(o.jmeno);
        ASSERT_NE(akce, nullptr);
        EXPECT_EQ(akce->text(), U(o.titulek)) << o.jmeno;
        EXPECT_EQ(akce->statusTip(), U(o.napoveda)) << o.jmeno;
        EXPECT_EQ(akce->toolTip(), U(o.napoveda)) << o.jmeno;
        EXPECT_FALSE(akce->icon().isNull()) << o.jmeno;
        const QKeySequence zkratka = akce->shortcut();
        EXPECT_EQ(zkratka,
                  std::string(o.jmeno) == "A_Konec" ? QKeySequence("Alt+X") : QKeySequence())
            << o.jmeno;
    }
}

TEST_F(ZakladTest, MenuBarHoldsTheCommandsInOrderWithAboutAtTheRightEnd) {
    QMenuBar* lista = okno_.menuBar();
    EXPECT_THAT(Polozky(lista),
                ElementsAre("Kom&unikace [A_NacteniDat A_ZapisSouradnicBodu A_ZapisKodu ]",
                            "Konverze &souboru ...", "Náhled &měření ...",
                            "&Nastavení [A_ParametryKomunikace A_ParametryProFormatMapa2 ]",
                            "&Konec", "|", "&O programu..."));
    okno_.show();
    QApplication::processEvents();
    const QRect konec = lista->actionGeometry(okno_.findChild<QAction*>("M_Konec"));
    const QRect oProgramu = lista->actionGeometry(okno_.findChild<QAction*>("M_OProgramu"));
    EXPECT_GE(oProgramu.right(), lista->width() - 12) << "at the right end";
    EXPECT_GT(oProgramu.left(), konec.right() + 100) << "apart from the other commands";
}

// A key that two items of one bar or menu share only moves between them: each opens one.
TEST_F(ZakladTest, EachItemOfTheBarAndOfEachMenuHasAKeyOfItsOwn) {
    std::vector<QList<QAction*>> skupiny{okno_.menuBar()->actions()};
    for (QAction* polozka : okno_.menuBar()->actions())
        if (polozka->menu())
            skupiny.push_back(polozka->menu()->actions());
    for (const auto& skupina : skupiny) {
        std::map<QKeySequence, QString> klavesy;
        for (QAction* polozka : skupina) {
            const QKeySequence klavesa = QKeySequence::mnemonic(polozka->text());
            if (klavesa.isEmpty())
                continue;
            const auto [kde, nova] = klavesy.emplace(klavesa, polozka->text());
            EXPECT_TRUE(nova) << polozka->text().toStdString() << " and "
                              << kde->second.toStdString();
        }
    }
}

TEST_F(ZakladTest, CommandsInTheMenuBarRunTheirActions) {
    for (const char* jmeno : {"Konverze", "NahledMereni", "OProgramu", "Konec"}) {
        QAction* akce = Akce(("A_" + std::string(jmeno)).c_str());
        auto* polozka = okno_.findChild<QAction*>(QString("M_") + jmeno);
        ASSERT_NE(polozka, nullptr) << jmeno;
        EXPECT_EQ(polozka->statusTip(), akce->statusTip());
        // The about box opens modally; the spy is enough, the box is closed at once.
        TOdpovediDialogu dialogy;
        if (std::string(jmeno) == "OProgramu")
            dialogy.OdpovezDalsimu([](QWidget* box) { static_cast<QDialog*>(box)->accept(); });
        if (std::string(jmeno) == "Konverze" || std::string(jmeno) == "NahledMereni")
            // its file dialog, cancelled
            dialogy.OdpovezDalsimu([](QWidget* box) { static_cast<QDialog*>(box)->reject(); });
        QSignalSpy spustena(akce, &QAction::triggered);
        polozka->trigger();
        EXPECT_EQ(spustena.count(), 1) << jmeno;
    }
}

TEST_F(ZakladTest, ToolBarButtonsStandInGroupsDividedBySeparators) {
    auto* lista = okno_.findChild<QToolBar*>("ToolBar");
    ASSERT_NE(lista, nullptr);
    std::string poradi;
    for (QAction* a : lista->actions())
        poradi += a->isSeparator() ? "| " : a->objectName().toStdString() + ' ';
    EXPECT_EQ(poradi,
              "A_NacteniDat | A_ZapisSouradnicBodu A_ZapisKodu | A_Konverze A_NahledMereni | "
              "A_ParametryProFormatMapa2 A_ParametryKomunikace | A_Konec ");
    okno_.show();
    EXPECT_EQ(lista->height(), 34);
    for (QAction* a : lista->actions()) {
        if (a->isSeparator())
            continue;
        auto* tlacitko = qobject_cast<QToolButton*>(lista->widgetForAction(a));
        ASSERT_NE(tlacitko, nullptr);
        EXPECT_EQ(tlacitko->size(), QSize(30, 30)) << a->objectName().toStdString();
        EXPECT_TRUE(tlacitko->autoRaise());
        EXPECT_EQ(tlacitko->objectName(), "SB_" + a->objectName().mid(2));
    }
}

TEST_F(ZakladTest, WindowHasItsCaptionFixedClientAreaAndStandsCentred) {
    okno_.show();
    QApplication::processEvents(); // lets the layout settle
    EXPECT_EQ(okno_.windowTitle(), "Merivox 2.0");
    EXPECT_FALSE(okno_.windowIcon().isNull());
    EXPECT_EQ(okno_.minimumSize(), okno_.maximumSize()) << "not resizable";
    EXPECT_EQ(okno_.width(), 742);
    EXPECT_EQ(okno_.height() - okno_.menuBar()->height(), 454);
    EXPECT_EQ(okno_.statusBar()->height(), 25);
    EXPECT_EQ(okno_.statusBar()->geometry().bottom(), okno_.height() - 1);
    const QRect obrazovka = okno_.screen()->availableGeometry();
    // Placed before the frame is known: within the frame's own margins of the centre.
    EXPECT_TRUE(obrazovka.contains(okno_.frameGeometry()));
    EXPECT_LE((okno_.frameGeometry().center() - obrazovka.center()).manhattanLength(), 8);
}

// 1024 x 768 at 200 % leaves 512 x 384 logical pixels, less than the window needs.
TEST_F(ZakladTest, OnAScreenSmallerThanTheWindowTheFrameStartsAtTheAreasTopLeft) {
    okno_.show();
    QApplication::processEvents();
    for (const QRect plocha : {QRect(0, 0, 512, 384), QRect(40, 30, 472, 354)}) {
        okno_.UmistiNaPlochu(plocha);
        EXPECT_EQ(okno_.frameGeometry().topLeft(), plocha.topLeft());
    }
    // Wide enough but too low: centred across, at the top.
    okno_.UmistiNaPlochu(QRect(0, 0, 1600, 400));
    EXPECT_EQ(okno_.frameGeometry().top(), 0);
    EXPECT_LE(std::abs(okno_.frameGeometry().center().x() - 800), 1);
    // A large area: centred and inside.
    const QRect velka(100, 50, 1600, 1000);
    okno_.UmistiNaPlochu(velka);
    EXPECT_TRUE(velka.contains(okno_.frameGeometry()));
    EXPECT_LE((okno_.frameGeometry().center() - velka.center()).manhattanLength(), 2);
}

TEST_F(ZakladTest, StatusBarShowsTheHintUnderThePointer) {
    okno_.show();
    auto* tlacitko = okno_.findChild<QToolButton*>("SB_Konverze");
    ASSERT_NE(tlacitko, nullptr);
    QEnterEvent vstup(QPointF(5, 5), QPointF(5, 5), tlacitko->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(tlacitko, &vstup);
    EXPECT_EQ(okno_.statusBar()->currentMessage(), U(" Konverze souboru do formátu MAPA2"));

    auto* nabidka = okno_.findChild<QMenu*>("M_Nastaveni");
    okno_.menuBar()->setActiveAction(nabidka->menuAction());
    nabidka->setActiveAction(Akce("A_ParametryKomunikace"));
    EXPECT_EQ(okno_.statusBar()->currentMessage(),
              U(" Nastavení parametrů komunikace s totální stanicí"));
    nabidka->hide();
}

TEST_F(ZakladTest, AltXClosesTheWindowAndTheCloseWritesTheStationType) {
    UkazAktivni();
    QTest::keyClick(&okno_, Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(okno_.isVisible());
    TIniFile nastaveni(slozka_.filePath("Merivex.ini").toStdString());
    EXPECT_EQ(nastaveni.ReadString("Station", "Type", ""), "NTS-660");
}

TEST_F(ZakladTest, SettingsThatCannotBeWrittenAreReportedOnceAndTheWindowStillCloses) {
    // A settings file inside an ordinary file cannot be written, whoever runs the test.
    const QString soubor = slozka_.filePath("soubor");
    std::ofstream(soubor.toStdString()) << "x";
    PrepisCestuNastaveni((soubor + "/Merivex.ini").toStdString());
    TZaznamZpravOken zpravy;
    okno_.show();
    EXPECT_TRUE(okno_.close());
    EXPECT_FALSE(okno_.isVisible());
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Chyba");
    EXPECT_THAT(zpravy.Zpravy()[0].text.toStdString(),
                HasSubstr((soubor + "/Merivex.ini").toStdString()));
}

TEST_F(ZakladTest, SettingsThatCannotBeReadAreNamedOnceAtTheStartAndNotAgainAtTheClose) {
    const QString nastaveni = slozka_.filePath("Merivex.ini");
    ASSERT_TRUE(QDir().mkpath(nastaveni)); // a folder: it cannot be read, whoever runs the test
    PrepisCestuNastaveni(nastaveni.toStdString());
    TZaznamZpravOken zpravy;
    {
        TFormZaklad okno;
        okno.show();
        okno.OhlasNastaveni();
        EXPECT_TRUE(okno.close());
    }
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_EQ(zpravy.Zpravy()[0].titulek, U("Varování"));
    EXPECT_THAT(zpravy.Zpravy()[0].text.toStdString(),
                HasSubstr((nastaveni + U("\" nelze přečíst (")).toStdString()));
    EXPECT_TRUE(QFileInfo(nastaveni).isDir());
}
