// The code window offscreen: the tree beside the grid, rebuilt after key releases, deletions
// and opened files, in the locale's order; the files and the send's refusals.
#include "OknaZapisu.h"

#include "common/Cp1250.h"
#include "upload/StromKoduReference.h"
#include "upload/qt/ZapisKodu.h"

#include <QAction>
#include <QApplication>
#include <QCollator>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <random>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// The tree in display order: one "depth picture TEXT" per item, e.g. "1 1 ROH".
std::vector<std::string> Strom(const QTreeWidget& strom) {
    std::vector<std::string> polozky;
    std::function<void(const QTreeWidgetItem*, int)> projdi = [&](const QTreeWidgetItem* p,
                                                                  int uroven) {
        EXPECT_TRUE(p->childCount() == 0 || p->isExpanded()) << p->text(0).toStdString();
        polozky.push_back(std::to_string(uroven) + " " +
                          p->data(0, Qt::UserRole).toString().toStdString() + " " +
                          p->text(0).toStdString());
        for (int i = 0; i < p->childCount(); ++i)
            projdi(p->child(i), uroven + 1);
    };
    for (int i = 0; i < strom.topLevelItemCount(); ++i)
        projdi(strom.topLevelItem(i), 0);
    return polozky;
}

class OknoKoduTest : public OknoZapisuTest<TFormZapisKodu> {
protected:
    void Vypln(const std::vector<std::pair<const char*, const char*>>& radky) {
        for (std::size_t r = 0; r < radky.size(); ++r) {
            if (r > 0)
                okno_->A_PridejExecute();
            Napis(Mrizka(), int(r), 0, radky[r].first);
            Napis(Mrizka(), int(r), 1, radky[r].second);
        }
    }
    std::vector<std::string> Strom() const { return ::Strom(*okno_->TreeView); }
};

TEST_F(OknoKoduTest, WindowTreeAndToolBarAreLaidOutAsGiven) {
    EXPECT_EQ(okno_->windowTitle(), QString::fromUtf8("Zápis kódů"));
    EXPECT_EQ(okno_->size(), QSize(638, 453));
    EXPECT_EQ(Mrizka().size(), QSize(317, 378));
    EXPECT_EQ(okno_->TreeView->size(), QSize(273, 377));
    EXPECT_EQ(okno_->TreeView->indentation(), 19);
    EXPECT_FALSE(okno_->TreeView->rootIsDecorated());
    EXPECT_TRUE(okno_->TreeView->font().bold());
    EXPECT_EQ(Mrizka().horizontalHeaderItem(0)->text(), QString::fromUtf8("  Adresář"));
    EXPECT_EQ(Mrizka().columnWidth(0), 138);
    EXPECT_EQ(Mrizka().horizontalHeaderItem(1)->text(), QString::fromUtf8("  Kód"));
    EXPECT_EQ(Mrizka().columnWidth(1), 146);
    EXPECT_EQ(okno_->A_Pridej->objectName(), "A_PridejKod");
    EXPECT_EQ(okno_->A_Pridej->toolTip(), QString::fromUtf8("Přídání dalšího kódu"));
    EXPECT_EQ(okno_->A_Vymaz->objectName(), "A_VymazKod");
    EXPECT_EQ(okno_->A_Vymaz->toolTip(), QString::fromUtf8("Vymazání vybraného kódu"));
    EXPECT_EQ(okno_->A_OtevriSoubor->toolTip(), QString::fromUtf8("Otevření souboru s kódy"));
}

TEST_F(OknoKoduTest, TheTreeFollowsEveryKeyReleaseInTheLocalesOrder) {
    Vypln({{"body", "roh"}, {"Body", "plot"}, {"", "stromek"}, {"kóta", "x"}, {"čára", "a"}});
    EXPECT_THAT(Strom(), IsEmpty()); // typing alone does not rebuild it; the key release does
    QTest::keyClick(&Mrizka(), Qt::Key_Shift);
    // Czech order: č after c and before d, so čáRA stands after BODY; only a to z are
    // upper-cased.
    EXPECT_THAT(Strom(), ElementsAre("0 0 BODY", "1 1 PLOT", "1 1 ROH", "0 0 čáRA", "1 1 A",
                                     "0 0 KóTA", "1 1 X", "0 1 STROMEK"));

    // Typing into a code cell: the tree shows the text at each release.
    okno_->show();
    QApplication::setActiveWindow(okno_.get());
    Mrizka().setFocus();
    Mrizka().setCurrentCell(2, 1);
    QTest::keyClick(&Mrizka(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClick(editor, 'y');
    EXPECT_EQ(Strom().back(), "0 1 STROMEKY");
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(Strom().back(), "0 1 STROME");

    // Insert from inside the editor appends a row and the tree is rebuilt after it.
    QTest::keyClick(editor, Qt::Key_Insert);
    EXPECT_EQ(okno_->Kody().PocetRadku(), 6);
}

TEST_F(OknoKoduTest, DeletingBeforeAnySelectionChangesNothingButRebuildsTheTree) {
    okno_->Kody().NastavBunku(1, 0, "vrstva");
    okno_->Kody().PridejRadek();
    okno_->Kody().NastavBunku(2, 1, "kod");
    okno_->Mrizka()->ZobrazTabulku();
    okno_->A_Vymaz->trigger();
    EXPECT_EQ(okno_->Kody().PocetRadku(), 2);
    EXPECT_THAT(Strom(), ElementsAre("0 1 KOD", "0 0 VRSTVA"));

    Mrizka().setCurrentCell(0, 0);
    TZaznamZpravOken zpravy;
    zpravy.OdpovezDalsi(QMessageBox::Yes);
    QTest::keyClick(&Mrizka(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(okno_->Kody().PocetRadku(), 1);
    EXPECT_THAT(Strom(), ElementsAre("0 1 KOD"));
    // Adding does not rebuild it.
    okno_->A_Pridej->trigger();
    Napis(Mrizka(), 1, 1, "novy");
    EXPECT_THAT(Strom(), ElementsAre("0 1 KOD"));
}

// A deleted row has no undo: Ctrl+Delete and "&Vymaž kód" ask first when the row holds anything.
TEST_F(OknoKoduTest, DeletingARowThatHoldsAnythingAsksFirst) {
    Vypln({{"vrstva", "kod"}, {"", ""}, {"", "x"}});
    const struct {
        const char* jmeno;
        int radek;
        QMessageBox::StandardButton odpoved; // NoButton: no question
        int zbyva;
    } pripady[] = {
        {"FilledRowNo", 1, QMessageBox::No, 3},
        {"EmptyRowWithoutQuestion", 2, QMessageBox::NoButton, 2},
        {"FilledRowYes", 1, QMessageBox::Yes, 1},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.jmeno);
        TZaznamZpravOken zpravy;
        if (p.odpoved != QMessageBox::NoButton)
            zpravy.OdpovezDalsi(p.odpoved);
        Mrizka().setCurrentCell(p.radek - 1, 1);
        QTest::keyClick(&Mrizka(), Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(okno_->Kody().PocetRadku(), p.zbyva);
        EXPECT_EQ(zpravy.Zpravy().size(), p.odpoved != QMessageBox::NoButton ? 1u : 0u);
    }
    TZaznamZpravOken zpravy;
    zpravy.OdpovezDalsi(QMessageBox::No);
    okno_->A_Vymaz->trigger();
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_EQ(zpravy.Zpravy()[0].text, QString::fromUtf8("Vymazat řádek 1 tabulky (x)?"));
    EXPECT_EQ(zpravy.Zpravy()[0].tlacitka, QMessageBox::Yes | QMessageBox::No);
}

TEST_F(OknoKoduTest, FilesAreReadAndWrittenAndTheTreeIsRebuiltAfterEveryOpen) {
    const QStringList filtry{QString::fromUtf8("Soubor kódů (*.cod)"),
                             QString::fromUtf8("Všechny soubory (*.*)")};
    Vypln({{"body", "roh"}, {"Body", "plot"}, {"", ""}, {"", "stromek"}});
    const auto soubor = slozka_ / "kody.cod";
    TZaznamZpravOken zpravy;
    VyberSoubor(soubor, filtry);
    okno_->A_UlozDoSouboru->trigger();
    EXPECT_EQ(NactiSoubor(soubor), "BODY,roh\r\nBODY,plot\r\n,stromek\r\n");

    ZapisSoubor(soubor, "vrstva,kod,navic\r\nBODY;roh\r\n");
    VyberSoubor(soubor, filtry);
    okno_->A_OtevriSoubor->trigger();
    EXPECT_EQ(okno_->Kody().PocetRadku(), 2);
    EXPECT_EQ(okno_->Kody().Bunka(1, 0), "vrstva");
    EXPECT_EQ(okno_->Kody().Bunka(1, 1), "kod");
    EXPECT_EQ(okno_->Kody().Bunka(2, 0), "BODY;roh");
    EXPECT_THAT(Strom(), ElementsAre("0 0 BODY;ROH", "0 0 VRSTVA", "1 1 KOD"));

    // Cancelled: the table stays, and the tree is rebuilt from it all the same.
    okno_->TreeView->clear();
    VyberSoubor({}, filtry);
    okno_->A_OtevriSoubor->trigger();
    EXPECT_EQ(okno_->Kody().PocetRadku(), 2);
    EXPECT_THAT(Strom(), ElementsAre("0 0 BODY;ROH", "0 0 VRSTVA", "1 1 KOD"));

    // A file that cannot be read: named, table reset, tree empty.
    VyberSoubor(slozka_ / "chybi.cod", filtry);
    okno_->A_OtevriSoubor->trigger();
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_TRUE(zpravy.Zpravy()[0].text.contains(QString::fromUtf8("\" nelze přečíst (")));
    EXPECT_EQ(okno_->Kody().PocetRadku(), 1);
    EXPECT_THAT(Strom(), IsEmpty());
}

// A file split at another character than the comma says so beside the tool bar, until the
// table is saved (with commas).
TEST_F(OknoKoduTest, AnOpenedFileNamesItsSeparatorUnlessItIsTheComma) {
    const QStringList filtry{QString::fromUtf8("Soubor kódů (*.cod)"),
                             QString::fromUtf8("Všechny soubory (*.*)")};
    const auto soubor = slozka_ / "kody.cod";
    struct TPripad {
        const char *jmeno, *obsah, *text;
    } pripady[] = {
        {"Blank", "ZELEN strom\r\n", "Oddělovač polí v souboru: mezera"},
        {"CommaAfterBlankAndCzechLetters", "ŽIVOTNÍ PROSTŘEDÍ,kóta\r\n", ""},
        {"Semicolon", "body;roh\r\n", "Oddělovač polí v souboru: středník (;)"},
        {"Empty", "", ""},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.jmeno);
        ZapisSoubor(soubor, Cz(p.obsah));
        VyberSoubor(soubor, filtry);
        okno_->A_OtevriSoubor->trigger();
        EXPECT_EQ(okno_->TextOddelovace(), QString::fromUtf8(p.text));
    }
    ZapisSoubor(soubor, "body;roh\r\n");
    okno_->A_OtevriSoubor->trigger();
    okno_->A_UlozDoSouboru->trigger();
    EXPECT_EQ(NactiSoubor(soubor), "BODY,roh\r\n");
    EXPECT_EQ(okno_->TextOddelovace(), "");
}

TEST_F(OknoKoduTest, AnEmptyTableSaysThereIsNothingToSendAndClosingWritesNoSettings) {
    // The handlers found at the first press are the ones given back, however many presses.
    int zakladu = 0;
    driver_->OnKomunikaceOK = [&](TComDriver&, TMnozinaPrikazu, bool, const std::string&) {
        ++zakladu;
    };
    okno_->A_Pridej->trigger();
    TZaznamZpravOken zpravy;
    okno_->A_ZapisDat->trigger();
    okno_->A_ZapisDat->trigger();
    EXPECT_THAT(zpravy.Texty(), ElementsAre(QString::fromUtf8("Nejsou zadána žádná data!"),
                                            QString::fromUtf8("Nejsou zadána žádná data!")));
    EXPECT_EQ(driver_->PocetPrikazu(), 0);
    okno_->show();
    okno_->close();
    EXPECT_FALSE(std::filesystem::exists(CestaNastaveni()));
    driver_->OnKomunikaceOK(*driver_, PrikazZapis, false, {});
    EXPECT_EQ(zakladu, 1);
    EXPECT_EQ(zpravy.Zpravy().size(), 2u);
}

// The window's tree against the plain build, word for word as the rule reads, under the
// same Czech collation, for random tables with diacritics, mixed case and codes that
// double as directories.
TEST_F(OknoKoduTest, TreeIsThePlainBuildForRandomTables) {
    const char* slova[] = {"body", "Body", "roh", "čára", "CARA", "kóta", "kota", "d",
                           "Ď",    "plot", "",    "ch",   "h",    "i",    "á",    "a"};
    std::mt19937 nahoda(2026u);
    std::uniform_int_distribution<std::size_t> slovo(0, std::size(slova) - 1);
    QCollator kolator{QLocale()};
    const TPorovnaniTextu mensi = [&](const std::string& a, const std::string& b) {
        return kolator.compare(QString::fromUtf8(Cp1250NaUtf8(a)),
                               QString::fromUtf8(Cp1250NaUtf8(b))) < 0;
    };
    for (int pokus = 0; pokus < 200; ++pokus) {
        TTabulkaKodu& kody = okno_->Kody();
        kody.InicializujTabulku();
        const int radku = 1 + int(nahoda() % 12);
        for (int r = 1; r <= radku; ++r) {
            if (r > 1)
                kody.PridejRadek();
            kody.NastavBunku(r, 0, Cz(slova[slovo(nahoda)]));
            kody.NastavBunku(r, 1, Cz(slova[slovo(nahoda)]));
        }
        okno_->ObnovStrom();
        std::vector<std::string> ocekavany;
        for (const auto& p : reference::ObnovStrom(kody, mensi))
            ocekavany.push_back(std::to_string(p.Uroven) + " " + std::to_string(p.Obrazek) + " " +
                                Cp1250NaUtf8(p.Text));
        ASSERT_EQ(Strom(), ocekavany) << "attempt " << pokus;
    }
}

} // namespace
