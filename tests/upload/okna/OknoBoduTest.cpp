// The point window offscreen: the grid as a view of the point table, the keys, the files and
// everything a send does before the driver takes over.
#include "../Pomucky.h"
#include "OknaZapisu.h"

#include "common/Cp1250.h"
#include "common/IniFile.h"
#include "upload/qt/ZapisSouradnicBodu.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using TRadkyMrizky = std::vector<std::vector<std::string>>;

// What the grid shows and what the table holds, as UTF-8 rows: the two must always agree.
TRadkyMrizky RadkyMrizky(const QTableWidget& mrizka) {
    TRadkyMrizky radky;
    for (int r = 0; r < mrizka.rowCount(); ++r) {
        radky.emplace_back();
        for (int s = 0; s < mrizka.columnCount(); ++s)
            radky.back().push_back(mrizka.model()->index(r, s).data().toString().toStdString());
    }
    return radky;
}

class OknoBoduTest : public OknoZapisuTest<TFormZapisSouradnicBodu> {
protected:
    void OverZrcadlo() { EXPECT_EQ(RadkyMrizky(Mrizka()), RadkyTabulky(okno_->Body())); }
    // Rows typed into the grid, one row added per further row.
    void Vypln(const TRadkyMrizky& radky) {
        for (std::size_t r = 0; r < radky.size(); ++r) {
            if (r > 0)
                okno_->A_PridejExecute();
            for (std::size_t s = 0; s < radky[r].size(); ++s)
                Napis(Mrizka(), int(r), int(s), radky[r][s].c_str());
        }
    }
};

TEST_F(OknoBoduTest, ToolBarContextMenuAndGridAreLaidOutAsGiven) {
    EXPECT_EQ(okno_->windowTitle(), QString::fromUtf8("Zápis souřadnic bodů"));
    EXPECT_EQ(okno_->size(), QSize(742, 473));
    auto* lista = okno_->findChild<QToolBar*>("ToolBar");
    ASSERT_NE(lista, nullptr);
    std::vector<std::string> poradi;
    for (QAction* a : lista->actions())
        poradi.push_back(a->isSeparator()
                             ? "|"
                             : a->objectName().toStdString() + " " + a->toolTip().toStdString());
    EXPECT_THAT(poradi, ElementsAre("A_OtevriSoubor Otevření souboru se souřadnicemi bodů",
                                    "A_UlozDoSouboru Uložení dat do souboru", "|",
                                    "A_PridejBod Přídání dalšího bodu",
                                    "A_VymazBod Vymazání vybraného bodu", "|",
                                    "A_ZapisDat Zápis dat do totální stanice", "|",
                                    "A_Konec Zavření okna"));
    auto* tlacitko = okno_->findChild<QToolButton*>("SB_ZapisDat");
    ASSERT_NE(tlacitko, nullptr);
    EXPECT_EQ(tlacitko->size(), QSize(30, 30));
    EXPECT_TRUE(tlacitko->autoRaise());

    const auto menu = Mrizka().actions();
    ASSERT_EQ(menu.size(), 2);
    EXPECT_EQ(menu[0]->text(), QString::fromUtf8("&Přidej bod"));
    EXPECT_EQ(menu[1]->text(), QString::fromUtf8("&Vymaž bod"));
    EXPECT_EQ(Mrizka().contextMenuPolicy(), Qt::ActionsContextMenu);

    EXPECT_EQ(Mrizka().size(), QSize(712, 378));
    std::vector<std::string> hlavicka;
    for (int s = 0; s < Mrizka().columnCount(); ++s)
        hlavicka.push_back(Mrizka().horizontalHeaderItem(s)->text().toStdString() + "/" +
                           std::to_string(Mrizka().columnWidth(s)));
    EXPECT_THAT(hlavicka, ElementsAre("  Číslo/97", "  Y (N)/109", "  X (E)/99", "  Z/110",
                                      "  Poznámka/265"));
    EXPECT_EQ(Mrizka().rowHeight(0), 20);
    EXPECT_TRUE(Mrizka().font().bold());
    EXPECT_TRUE(Mrizka().tabKeyNavigation());
    EXPECT_EQ(okno_->CB_ProhozeniXY->text(),
              QString::fromUtf8("Prohození souřadnic &X a Y při zápisu"));
}

TEST_F(OknoBoduTest, InsertAndCtrlDeleteActOnTheKeyReleaseAndTheGridFollowsTheTable) {
    Vypln({{"1"}, {"2"}, {"3"}});

    // Nothing selected yet: Ctrl+Delete leaves the table alone.
    QTest::keyClick(&Mrizka(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(okno_->Body().PocetRadku(), 3);
    // Each row below that holds anything is deleted after a Yes.
    TZaznamZpravOken zpravy;
    for (int i = 0; i < 4; ++i)
        zpravy.OdpovezDalsi(QMessageBox::Yes);

    // Insert appends at the end wherever the selection is, whatever modifiers are held; the
    // press alone does nothing.
    Mrizka().setCurrentCell(0, 2);
    QTest::keyPress(&Mrizka(), Qt::Key_Insert);
    EXPECT_EQ(okno_->Body().PocetRadku(), 3);
    QTest::keyRelease(&Mrizka(), Qt::Key_Insert);
    EXPECT_EQ(okno_->Body().PocetRadku(), 4);
    QTest::keyClick(&Mrizka(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(okno_->Body().PocetRadku(), 5);
    Napis(Mrizka(), 4, 0, "5");
    OverZrcadlo();

    // Delete needs Ctrl alone; Minus and Period share the Windows codes of Insert and Delete
    // and must not act as them.
    Mrizka().setCurrentCell(1, 0);
    for (auto [klavesa, modifikatory] :
         {std::pair{Qt::Key_Delete, Qt::KeyboardModifiers()},
          std::pair{Qt::Key_Delete, Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier)},
          std::pair{Qt::Key_Minus, Qt::KeyboardModifiers()},
          std::pair{Qt::Key_Period, Qt::KeyboardModifiers(Qt::ControlModifier)}})
        QTest::keyClick(&Mrizka(), klavesa, modifikatory);
    EXPECT_EQ(okno_->Body().PocetRadku(), 5);

    QTest::keyClick(&Mrizka(), Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClick(&Mrizka(), Qt::Key_Delete, Qt::ControlModifier); // the row moved up
    EXPECT_THAT(RadkyMrizky(Mrizka()),
                ElementsAre(ElementsAre("1", "", "", "", ""), ElementsAre("", "", "", "", ""),
                            ElementsAre("5", "", "", "", "")));
    OverZrcadlo();

    // Deleting the last row moves the selection up, and that move is remembered.
    Mrizka().setCurrentCell(2, 0);
    okno_->A_Vymaz->trigger();
    EXPECT_EQ(okno_->Body().VybranyRadek(), 2);
    okno_->A_Vymaz->trigger();
    okno_->A_Vymaz->trigger();
    // The only row is emptied, not removed.
    EXPECT_THAT(RadkyMrizky(Mrizka()), ElementsAre(ElementsAre("", "", "", "", "")));
    OverZrcadlo();
}

TEST_F(OknoBoduTest, TypingReachesTheTableAtEveryKeystroke) {
    okno_->show();
    QApplication::setActiveWindow(okno_.get());
    Mrizka().setFocus();
    Mrizka().setCurrentCell(0, 2);
    QTest::keyClick(&Mrizka(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    std::vector<std::string> kroky;
    for (char znak : std::string("108,2")) {
        QTest::keyClick(editor, znak);
        kroky.push_back(Cp1250NaUtf8(okno_->Body().Bunka(1, TTabulkaBodu::sbX)));
    }
    EXPECT_THAT(kroky, ElementsAre("1", "10", "108", "108,", "108,2"));
    // Tab leaves the cell for the next one, and the text stays as typed.
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(Mrizka().currentColumn(), 3);
    EXPECT_EQ(okno_->Body().Bunka(1, TTabulkaBodu::sbX), "108,2");

    // A character cp1250 lacks is kept as '?', and the grid shows what is kept.
    Napis(Mrizka(), 0, 4, "roh €→");
    EXPECT_EQ(Cp1250NaUtf8(okno_->Body().Bunka(1, TTabulkaBodu::sbPoznamka)), "roh €?");
    OverZrcadlo();
}

// The window may be destroyed while shown with a cell in editing (the program quits with the
// window open). The dialog hides itself on the way and the editor, losing focus, commits its
// text; into an empty cell that makes a new item, which the grid passes on to the table. The
// table is gone by then: a memory checker (valgrind, AddressSanitizer) reported that use of
// freed memory on every run.
TEST_F(OknoBoduTest, DestroyedWhileACellIsEditedWritesIntoNoFreedTable) {
    okno_->show();
    QApplication::setActiveWindow(okno_.get());
    Mrizka().setFocus();
    Mrizka().setCurrentCell(0, 1);
    QTest::keyClick(&Mrizka(), Qt::Key_F2);
    QPointer<QWidget> editor = QApplication::focusWidget();
    ASSERT_TRUE(qobject_cast<QLineEdit*>(editor));
    okno_.reset();
    EXPECT_FALSE(editor);
}

TEST_F(OknoBoduTest, CtrlDeleteInTheCellEditorDeletesTheRowAndNeverItsText) {
    Vypln({{"ABC", "1"}, {"X", "2"}});
    okno_->show();
    QApplication::setActiveWindow(okno_.get());
    Mrizka().setFocus();
    Mrizka().setCurrentCell(1, 0);
    Mrizka().setCurrentCell(0, 0); // row 1 selected
    QTest::keyClick(&Mrizka(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Home);
    TZaznamZpravOken zpravy;
    zpravy.OdpovezDalsi(QMessageBox::Yes);
    QTest::keyPress(editor, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(editor->text(), "ABC") << "the press is no \"delete word\"";
    EXPECT_EQ(okno_->Body().Bunka(1, 0), "ABC");
    // A quick press lets go of Ctrl first: the row goes all the same.
    QTest::keyRelease(editor, Qt::Key_Delete, Qt::NoModifier);
    EXPECT_THAT(RadkyMrizky(Mrizka()), ElementsAre(ElementsAre("X", "2", "", "", "")));
    OverZrcadlo();
}

TEST_F(OknoBoduTest, TabAtTheLastCellAddsARowInsteadOfWrappingToTheFirst) {
    Vypln({{"1", "512"}});
    okno_->show();
    QApplication::setActiveWindow(okno_.get());
    Mrizka().setFocus();
    // Shift+Tab at the first cell does not wrap to the last one either.
    Mrizka().setCurrentCell(0, 0);
    QTest::keyClick(&Mrizka(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Mrizka().currentRow(), 0);
    EXPECT_EQ(Mrizka().currentColumn(), 0);

    Mrizka().setCurrentCell(0, 4);
    QTest::keyClick(&Mrizka(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(Mrizka().currentRow(), 1);
    EXPECT_EQ(Mrizka().currentColumn(), 0);
    QTest::keyClicks(QApplication::focusWidget(), "2");
    EXPECT_THAT(RadkyMrizky(Mrizka()),
                ElementsAre(ElementsAre("1", "512", "", "", ""), ElementsAre("2", "", "", "", "")));
    OverZrcadlo();
}

TEST_F(OknoBoduTest, OneMessageNamesEveryBadRowShowsTheFirstAndNothingIsSent) {
    Vypln({{"1", "512.34", "108.25", "250.3"},
           {"2", "abc", "x", "1"},
           {"3", "1", "2", ""},
           {"4", "1", "2", "3"},
           {"5", "1", "1e", "3"}});
    okno_->show();
    TZaznamZpravOken zpravy;
    okno_->A_ZapisDat->trigger();
    EXPECT_THAT(zpravy.Texty(),
                ElementsAre(QString::fromUtf8("Špatně zadané souřadnice u 3 bodů, nic nebylo "
                                              "zapsáno:\r\nX bodů \"2\", \"5\"\r\nZ bodu \"3\"")));
    EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Chyba");
    EXPECT_EQ(driver_->PocetPrikazu(), 0);
    EXPECT_TRUE(okno_->A_ZapisDat->isEnabled());
    // The first bad cell is selected, for Ctrl+Delete too.
    EXPECT_EQ(Mrizka().currentRow(), 1);
    EXPECT_EQ(Mrizka().currentColumn(), TTabulkaBodu::sbX);
    EXPECT_EQ(okno_->Body().VybranyRadek(), 2);

    // Ticked, Y is validated first.
    okno_->CB_ProhozeniXY->setChecked(true);
    okno_->A_ZapisDat->trigger();
    EXPECT_EQ(zpravy.Texty()[1], QString::fromUtf8("Špatně zadané souřadnice u 3 bodů, nic nebylo "
                                                   "zapsáno:\r\nY bodu \"2\"\r\nZ bodu "
                                                   "\"3\"\r\nX bodu \"5\""));
    EXPECT_EQ(Mrizka().currentColumn(), TTabulkaBodu::sbY);
}

TEST_F(OknoBoduTest, AnEmptyTableSaysThereIsNothingToSend) {
    Vypln({{}, {}, {}});
    TZaznamZpravOken zpravy;
    okno_->A_ZapisDat->trigger();
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Informace");
    EXPECT_EQ(zpravy.Zpravy()[0].text, QString::fromUtf8("Nejsou zadána žádná data!"));
    EXPECT_EQ(driver_->PocetPrikazu(), 0);
    EXPECT_TRUE(okno_->A_ZapisDat->isEnabled());
}

TEST_F(OknoBoduTest, SwapBoxIsReadAtCreationAndKeptInSectionUploadAtEveryClose) {
    EXPECT_FALSE(okno_->CB_ProhozeniXY->isChecked()); // no settings file
    okno_->show();
    okno_->CB_ProhozeniXY->setChecked(true);
    okno_->A_Konec->trigger();
    EXPECT_FALSE(okno_->isVisible());
    EXPECT_TRUE(TIniFile(CestaNastaveni()).ReadBool("UPLOAD", "Change XY", false));

    TFormZapisSouradnicBodu druhe(nullptr, *driver_);
    EXPECT_TRUE(druhe.CB_ProhozeniXY->isChecked());
    druhe.show();
    druhe.CB_ProhozeniXY->setChecked(false);
    druhe.close(); // the title bar's close button
    EXPECT_FALSE(TIniFile(CestaNastaveni()).ReadBool("UPLOAD", "Change XY", true));
}

// The commands from the keyboard, while a cell is being edited too; Alt+P, the key of
// "&Přidej bod" in the context menu, no longer flips the swap box unseen.
TEST_F(OknoBoduTest, CommandsHaveKeysAndOnlyAltXFlipsTheSwapBox) {
    okno_->show();
    okno_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(okno_.get()));
    Mrizka().setFocus();
    QTest::keyClick(&Mrizka(), Qt::Key_P, Qt::AltModifier);
    QTest::qWait(300); // a mnemonic clicks a button only after its press animation
    EXPECT_FALSE(okno_->CB_ProhozeniXY->isChecked());
    QTest::keyClick(&Mrizka(), Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return okno_->CB_ProhozeniXY->isChecked(); }, 1000));

    Mrizka().setCurrentCell(0, 0);
    QTest::keyClicks(&Mrizka(), "7"); // opens the cell editor
    NastavVolbuSouboru([](QFileDialog&) { return QString(); });
    TZaznamZpravOken zpravy;
    const struct {
        const char* jmeno;
        QAction* akce;
        QKeySequence klavesy;
        QMessageBox::StandardButton odpoved; // to the question about the changed table
    } pripady[] = {
        {"Open", okno_->A_OtevriSoubor, QKeySequence(Qt::CTRL | Qt::Key_O), QMessageBox::Cancel},
        {"Save", okno_->A_UlozDoSouboru, QKeySequence(Qt::CTRL | Qt::Key_S), QMessageBox::NoButton},
        {"Send", okno_->A_ZapisDat, QKeySequence(Qt::Key_F9), QMessageBox::NoButton},
        {"Close", okno_->A_Konec, QKeySequence(Qt::CTRL | Qt::Key_W), QMessageBox::Discard},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.jmeno);
        if (p.odpoved != QMessageBox::NoButton)
            zpravy.OdpovezDalsi(p.odpoved);
        QSignalSpy spusteno(p.akce, &QAction::triggered);
        QTest::keySequence(QApplication::focusWidget(), p.klavesy);
        EXPECT_EQ(spusteno.count(), 1);
    }
    EXPECT_FALSE(okno_->isVisible());
    EXPECT_EQ(zpravy.Zpravy().size(), 3u); // the two questions and the bad row of the send
}

TEST_F(OknoBoduTest, EscapeDoesNotCloseTheWindowAndThrowTheTableAway) {
    okno_->show();
    QTest::keyClick(okno_.get(), Qt::Key_Escape);
    EXPECT_TRUE(okno_->isVisible());
}

TEST_F(OknoBoduTest, FilesAreReadAndWrittenThroughTheDialogs) {
    const QStringList filtry{QString::fromUtf8("Soubor souřadnic bodů (*.asc)"),
                             QString::fromUtf8("Všechny soubory (*.*)")};
    const auto mapa2 = slozka_ / "MERENI.asc";
    // A line of the MAPA2 coordinate file: blanks, a lone asterisk before the code.
    ZapisSoubor(mapa2, "1 512.340 108.250 250.300 * KOD\r\n\r\n2,530,112,251,* roh\r\n");
    TZaznamZpravOken zpravy;
    VyberSoubor(mapa2, filtry);
    okno_->A_OtevriSoubor->trigger();
    EXPECT_THAT(RadkyMrizky(Mrizka()),
                ElementsAre(ElementsAre("1", "512.340", "108.250", "250.300", "KOD"),
                            // the first line's blank separates the whole file
                            ElementsAre("2,530,112,251,*", "roh", "", "", "")));
    OverZrcadlo();

    // Saved and read back: the note after ",* " comes back with its blank.
    Mrizka().clearContents();
    okno_->Body().InicializujTabulku();
    okno_->Mrizka()->ZobrazTabulku();
    Vypln({{"1", "512.34", "108.25", "250.3"}, {}, {"2", "530", "112", "251", "roh"}});
    const auto soubor = slozka_ / "body.asc";
    VyberSoubor(soubor, filtry);
    okno_->A_UlozDoSouboru->trigger();
    EXPECT_EQ(NactiSoubor(soubor), "1,512.34,108.25,250.3\r\n2,530,112,251,* roh\r\n");
    VyberSoubor(soubor, filtry);
    okno_->A_OtevriSoubor->trigger();
    EXPECT_THAT(RadkyMrizky(Mrizka()),
                ElementsAre(ElementsAre("1", "512.34", "108.25", "250.3", ""),
                            ElementsAre("2", "530", "112", "251", " roh")));

    // A cancelled dialog changes nothing.
    VyberSoubor({}, filtry);
    okno_->A_OtevriSoubor->trigger();
    EXPECT_EQ(okno_->Body().PocetRadku(), 2);
    EXPECT_THAT(zpravy.Zpravy(), IsEmpty());
}

TEST_F(OknoBoduTest, AFileThatCannotBeReadIsNamedAndLeavesTheTableReset) {
    Vypln({{"1", "2", "3", "4"}, {"5"}});
    const auto chybi = slozka_ / u8"chybí.asc"; // UTF-8 on every system
    TZaznamZpravOken zpravy;
    VyberSoubor(chybi, {QString::fromUtf8("Soubor souřadnic bodů (*.asc)"),
                        QString::fromUtf8("Všechny soubory (*.*)")});
    zpravy.OdpovezDalsi(QMessageBox::Discard); // the typed table may go
    okno_->A_OtevriSoubor->trigger();
    ASSERT_EQ(zpravy.Zpravy().size(), 2u);
    EXPECT_EQ(zpravy.Zpravy()[1].titulek, "Merivox 2.0");
    EXPECT_TRUE(zpravy.Zpravy()[1].text.startsWith(QString::fromUtf8("Soubor \"") +
                                                   QString::fromStdU16String(chybi.u16string()) +
                                                   QString::fromUtf8("\" nelze přečíst (")))
        << zpravy.Zpravy()[1].text.toStdString();
    EXPECT_THAT(RadkyMrizky(Mrizka()), ElementsAre(ElementsAre("", "", "", "", "")));
    OverZrcadlo();

    // The window goes on: a file that cannot be created (its folder is a file) is named too,
    // and the table stays.
    Vypln({{"1", "2", "3", "4"}});
    ZapisSoubor(slozka_ / "soubor", "x");
    VyberSoubor(slozka_ / "soubor" / "body.asc",
                {QString::fromUtf8("Soubor souřadnic bodů (*.asc)"),
                 QString::fromUtf8("Všechny soubory (*.*)")});
    okno_->A_UlozDoSouboru->trigger();
    ASSERT_EQ(zpravy.Zpravy().size(), 3u);
    EXPECT_TRUE(zpravy.Zpravy()[2].text.contains(QString::fromUtf8("\" nelze vytvořit (")));
    EXPECT_EQ(okno_->Body().Bunka(1, 0), "1");
}

TEST_F(OknoBoduTest, ARowTooLongForThePortIsNamedAndNothingIsSent) {
    Vypln({{"1", "10", "20", "30"}, {}, {"2", "10", "20", "30", std::string(3000, 'p')}});
    TZaznamZpravOken zpravy;
    okno_->A_ZapisDat->trigger();
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Chyba");
    EXPECT_TRUE(zpravy.Zpravy()[0].text.startsWith(QString::fromUtf8("Řádek 3 tabulky má ")))
        << zpravy.Zpravy()[0].text.toStdString();
    EXPECT_EQ(driver_->PocetPrikazu(), 0);
    EXPECT_TRUE(okno_->A_ZapisDat->isEnabled());
}

TEST_F(OknoBoduTest, AChangedTableIsNotThrownAwayWithoutAsking) {
    const QStringList filtry{QString::fromUtf8("Soubor souřadnic bodů (*.asc)"),
                             QString::fromUtf8("Všechny soubory (*.*)")};
    const QString otazka = QString::fromUtf8(
        "Tabulka byla změněna a není uložena v souboru. Uložit ji před zavřením okna?");
    TZaznamZpravOken zpravy;
    okno_->show();
    Napis(Mrizka(), 0, 0, "1");
    // Go back, from the close button and from the title bar (Alt+F4 comes the same way).
    zpravy.OdpovezDalsi(QMessageBox::Cancel);
    okno_->A_Konec->trigger();
    zpravy.OdpovezDalsi(QMessageBox::Cancel);
    okno_->close();
    EXPECT_TRUE(okno_->isVisible());
    ASSERT_EQ(zpravy.Zpravy().size(), 2u);
    EXPECT_EQ(zpravy.Zpravy()[0].text, otazka);
    EXPECT_EQ(zpravy.Zpravy()[0].tlacitka,
              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    // Before a file is loaded over it: going back shows no file dialog.
    NastavVolbuSouboru([](QFileDialog&) {
        ADD_FAILURE() << "no file dialog after going back";
        return QString();
    });
    zpravy.OdpovezDalsi(QMessageBox::Cancel);
    okno_->A_OtevriSoubor->trigger();
    EXPECT_EQ(okno_->Body().Bunka(1, 0), "1");
    EXPECT_TRUE(
        zpravy.Zpravy()[2].text.endsWith(QString::fromUtf8("před načtením jiného souboru?")));
    // Save: the file is written and the window closes.
    const auto soubor = slozka_ / "body.asc";
    VyberSoubor(soubor, filtry);
    zpravy.OdpovezDalsi(QMessageBox::Save);
    okno_->close();
    EXPECT_FALSE(okno_->isVisible());
    EXPECT_EQ(NactiSoubor(soubor), "1,,,\r\n");
    // Saved, or changed only in what a file does not keep (an empty row): no question.
    okno_->show();
    okno_->A_Pridej->trigger();
    okno_->close();
    EXPECT_FALSE(okno_->isVisible());
    // Discard closes with the table unsaved.
    okno_->show();
    Napis(Mrizka(), 0, 1, "5");
    zpravy.OdpovezDalsi(QMessageBox::Discard);
    okno_->close();
    EXPECT_FALSE(okno_->isVisible());
    EXPECT_EQ(NactiSoubor(soubor), "1,,,\r\n");
    EXPECT_EQ(zpravy.Zpravy().size(), 5u);
}

TEST_F(OknoBoduTest, APortThatCannotBeOpenedGivesTheSendActionBack) {
    Vypln({{"1", "512.34", "108,25", "250.3", "  roh"}});
    TZaznamZpravOken zpravy;
    okno_->A_ZapisDat->trigger();
    ASSERT_EQ(zpravy.Zpravy().size(), 2u);
    EXPECT_EQ(zpravy.Zpravy()[0].text, QString::fromUtf8("Nastavte totální stanici do režimu "
                                                         "příjmu dat.\r\nPoté stiskněte OK."));
    EXPECT_EQ(zpravy.Zpravy()[1].titulek, "Chyba");
    EXPECT_TRUE(zpravy.Zpravy()[1].text.endsWith(
        QString::fromUtf8(" neexistuje nebo je používán jinou aplikací")));
    EXPECT_EQ(driver_->PocetPrikazu(), 0);
    EXPECT_TRUE(okno_->A_ZapisDat->isEnabled());
}

} // namespace
