// The port list as a window offscreen: items, accelerators, looks, the selection a bound port
// gives it, and a click on a bound, open port (through pseudo-terminals the test controls).
#include "serial/qt/SpPortControls.h"

#include "common/Cp1250.h"
#include "common/Slozky.h"
#include "serial/SpComPort.h"
#include "serial/TestLinka.h"
#include "serial/TestNastaveni.h"
#include "serial/qt/SpQtSyncUi.h"
#include "ui/TestovaniOken.h"
#include "ui/Texty.h"

#include <QApplication>
#include <QKeySequence>
#include <QRadioButton>
#include <QTest>

#include <gmock/gmock.h>

#include <map>

namespace {

using enum TSpPortState;

class SpPortControlsTest : public ::testing::Test {
protected:
    // Ports not named are free.
    TSpPortProbe Sonda() {
        return [this](int n) {
            ++pocetSond_;
            const auto i = stavy_.find(n);
            return i == stavy_.end() ? psFree : i->second;
        };
    }
    static std::vector<bool> Povolene(const TSpPortRadioGroup& g) {
        std::vector<bool> v;
        for (int i = 0; i < g.Pocet(); ++i)
            v.push_back(g.Tlacitko(i)->isEnabled());
        return v;
    }
    static bool Seda(const TSpPortRadioGroup& g, int i) {
        const QPalette& p = g.Tlacitko(i)->palette();
        return p.color(QPalette::Active, QPalette::WindowText) ==
               p.color(QPalette::Disabled, QPalette::WindowText);
    }

    std::map<int, TSpPortState> stavy_;
    int pocetSond_ = 0;
};

TEST_F(SpPortControlsTest, TenPortsWithTheDigitAsAcceleratorUpToNine) {
    TSpPortRadioGroup g(nullptr, 10, {pcCheckExist}, Sonda());
    ASSERT_EQ(g.Pocet(), 10);
    EXPECT_EQ(pocetSond_, 10);
    // The device follows the caption ("COM &1   ttyS0"), never as an accelerator.
    EXPECT_TRUE(g.Tlacitko(0)->text().startsWith("COM &1   "))
        << g.Tlacitko(0)->text().toStdString();
    EXPECT_EQ(QKeySequence::mnemonic(g.Tlacitko(0)->text()), QKeySequence(Qt::ALT | Qt::Key_1));
    EXPECT_EQ(QKeySequence::mnemonic(g.Tlacitko(8)->text()), QKeySequence(Qt::ALT | Qt::Key_9));
    EXPECT_TRUE(g.Tlacitko(9)->text().startsWith("COM 10")) << g.Tlacitko(9)->text().toStdString();
    EXPECT_TRUE(QKeySequence::mnemonic(g.Tlacitko(9)->text()).isEmpty());
    EXPECT_EQ(g.ItemIndex(), -1); // nothing bound, nothing selected
}

TEST_F(SpPortControlsTest, DialogOptionsDisableMissingAndHeldPortsAllInTheNormalColour) {
    stavy_ = {{2, psInUse}, {3, psMissing}};
    TSpPortRadioGroup g(nullptr, 4, {pcCheckExist, pcDisableOpen}, Sonda());
    EXPECT_EQ(Povolene(g), (std::vector{true, false, false, true}));
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(Seda(g, i)) << i;
    EXPECT_EQ(g.ItemState(1), psInUse);
    EXPECT_EQ(g.ItemState(2), psMissing);

    // Other options restyle the stored states without probing again.
    pocetSond_ = 0;
    g.SetOptions({pcHighlightOpen});
    EXPECT_EQ(pocetSond_, 0);
    EXPECT_EQ(Povolene(g), (std::vector{true, true, true, true}));
    EXPECT_TRUE(Seda(g, 1));
    EXPECT_FALSE(Seda(g, 2));
}

TEST_F(SpPortControlsTest, ABoundPortSelectsItsItemWithinTheItemsThereAre) {
    TTestNastaveni nastaveni; // the port is never opened; its numbers must not lead anywhere
    TSpComPort port;
    TSpPortRadioGroup g(nullptr, 10, {pcCheckExist}, Sonda());

    port.SetComNumber(3);
    g.SetComPort(&port);
    EXPECT_EQ(g.ComNumber(), 3);
    EXPECT_EQ(g.ItemIndex(), 2);
    EXPECT_TRUE(g.Tlacitko(2)->isChecked());

    g.SetComNumber(12); // past the last item: the group stops at COM 10
    EXPECT_EQ(g.ComNumber(), 12);
    EXPECT_EQ(g.ItemIndex(), 9);

    g.SetComNumber(0);
    EXPECT_EQ(g.ItemIndex(), -1);
    for (int i = 0; i < g.Pocet(); ++i)
        EXPECT_FALSE(g.Tlacitko(i)->isChecked()) << i;
    g.SetComPort(nullptr);
}

TEST_F(SpPortControlsTest, NewItemCountOrFontRebuildsWithFreshProbesKeepingTheSelection) {
    TSpPortRadioGroup g(nullptr, 4, {pcCheckExist}, Sonda());
    g.SetComNumber(2);
    pocetSond_ = 0;
    stavy_ = {{2, psMissing}};
    g.SetMaxComPorts(6);
    EXPECT_EQ(g.Pocet(), 6);
    EXPECT_EQ(pocetSond_, 6);
    EXPECT_FALSE(g.Tlacitko(1)->isEnabled());
    EXPECT_EQ(g.ItemIndex(), 1);

    pocetSond_ = 0;
    QFont pismo = g.font();
    pismo.setPointSize(pismo.pointSize() + 3);
    g.setFont(pismo);
    EXPECT_EQ(pocetSond_, 6);
    EXPECT_EQ(g.ItemIndex(), 1);
    EXPECT_TRUE(g.Tlacitko(1)->isChecked());
}

// The timer's look each second: a port that became free, busy, permitted or present under
// the same mapping changes its item.
TEST_F(SpPortControlsTest, EachLookProbesTheStatesUnderAnUnchangedMapping) {
    TSpPortRadioGroup g(nullptr, 4, {pcCheckExist, pcDisableOpen}, Sonda(),
                        [](int pocet) { return std::vector<TSpPopisPortu>(size_t(pocet)); });
    stavy_ = {{1, psInUse}, {2, psMissing}, {3, psNoAccess}};
    g.Prohledej();
    EXPECT_EQ(Povolene(g), (std::vector<bool>{false, false, true, true}));
    stavy_ = {{4, psInUse}};
    g.Prohledej();
    EXPECT_EQ(Povolene(g), (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(g.ItemState(2), psFree);
}

// A long adapter name ends in an ellipsis within the list's width; the item keeps its text.
TEST_F(SpPortControlsTest, ALongNameEndsInAnEllipsisWithinTheWidth) {
    QWidget dialog; // the list placed in it as the settings dialog places it
    TSpPortRadioGroup g(&dialog, 2, {pcCheckExist}, Sonda(), [](int pocet) {
        std::vector<TSpPopisPortu> popisy(static_cast<size_t>(pocet));
        popisy[1].Nazev = std::string(80, 'W');
        return popisy;
    });
    g.setGeometry(8, 8, 200, 80);
    dialog.show();
    QApplication::processEvents();
    const auto* kratka = static_cast<TVolbaSkupiny*>(g.Tlacitko(0));
    const auto* dlouha = static_cast<TVolbaSkupiny*>(g.Tlacitko(1));
    EXPECT_EQ(kratka->ZobrazenyText(), kratka->text());
    EXPECT_TRUE(dlouha->text().endsWith(QString(80, 'W')));
    EXPECT_TRUE(dlouha->ZobrazenyText().endsWith(QString::fromUtf8("…")))
        << dlouha->ZobrazenyText().toStdString();
    EXPECT_LE(dlouha->geometry().right(), g.contentsRect().right());
}

TEST_F(SpPortControlsTest, ClickWithoutABoundPortOnlySelects) {
    TSpPortRadioGroup g(nullptr, 4, {pcCheckExist}, Sonda());
    std::vector<int> kliknuti;
    QObject::connect(&g, &TSkupinaVoleb::Kliknuti, [&](int i) { kliknuti.push_back(i); });
    pocetSond_ = 0;
    QTest::mouseClick(g.Tlacitko(3), Qt::LeftButton);
    EXPECT_EQ(kliknuti, std::vector{3});
    EXPECT_EQ(g.ComNumber(), 4);
    EXPECT_EQ(g.ItemIndex(), 3);
    EXPECT_EQ(pocetSond_, 0);
}

// Real probes: COM1 and COM3 lead to free pseudo-terminals, COM2 to one another program
// holds, the rest to nothing.
class SpPortControlsZarizeniTest : public ::testing::Test {
protected:
    SpPortControlsZarizeniTest() {
        prostredi_.nastaveni.Mapuj(1, linka1_->Zarizeni());
        prostredi_.nastaveni.Mapuj(2, linka2_->Zarizeni());
        prostredi_.nastaveni.Mapuj(3, linka3_->Zarizeni());
        EXPECT_EQ(jinyProgram_->Open(linka2_->Zarizeni()), TSpOpenError::oeNone);
    }
    ~SpPortControlsZarizeniTest() override { jinyProgram_->Close(); }
    // Both cases read the state of a port another program holds.
    void SetUp() override {
        if (const std::string proc = linka2_->Nelze(TSchopnostLinky::slVyhradniPouziti);
            !proc.empty())
            GTEST_SKIP() << proc;
    }

    TProstrediPortu<TSpQtSyncUi> prostredi_;
    std::unique_ptr<TTestLinka> linka1_ = VytvorTestLinku();
    std::unique_ptr<TTestLinka> linka2_ = VytvorTestLinku();
    std::unique_ptr<TTestLinka> linka3_ = VytvorTestLinku();
    std::unique_ptr<TSpBackend> jinyProgram_ = SpCreateBackend();
};

TEST_F(SpPortControlsZarizeniTest, ClickOnABoundOpenPortClosesItSwitchesItAndProbesAgain) {
    TSpComPort port;
    port.SetComNumber(1);
    port.SetActive(true);
    ASSERT_TRUE(port.Active());
    TSpPortRadioGroup g(nullptr, 10, {pcCheckExist, pcDisableOpen});
    g.SetComPort(&port);
    EXPECT_EQ(g.ItemState(0), psInUse); // the bound port itself holds COM1
    EXPECT_EQ(g.ItemState(1), psInUse);
    EXPECT_EQ(g.ItemState(2), psFree);
    EXPECT_EQ(g.ItemState(3), psMissing);
    EXPECT_EQ(g.ItemIndex(), 0);

    QTest::mouseClick(g.Tlacitko(2), Qt::LeftButton);
    EXPECT_FALSE(port.Active());
    EXPECT_EQ(port.ComNumber(), 3);
    EXPECT_EQ(g.ComNumber(), 3);
    EXPECT_EQ(g.ItemState(0), psFree); // the port just closed
    EXPECT_TRUE(g.Tlacitko(0)->isEnabled());
    EXPECT_EQ(g.ItemState(1), psInUse);
    EXPECT_FALSE(g.Tlacitko(1)->isEnabled());
    g.SetComPort(nullptr);
}

TEST_F(SpPortControlsZarizeniTest, EachItemNamesTheDeviceItStandsForAndItsState) {
    TSpPortRadioGroup g(nullptr, 10, {pcCheckExist});
    const auto popisy = SpPopisyPortu();
    // The hint: the whole text after the number (cut in the list when long), then the path.
    for (int i = 0; i < g.Pocet(); ++i)
        EXPECT_EQ(g.Tlacitko(i)->toolTip(),
                  ZCp1250(SpPopisekPortu(popisy[size_t(i)], g.ItemState(i))) + "\n" +
                      ZCp1250(SpPortHint(popisy[size_t(i)])))
            << i;
    const QString zarizeni3 = ZCp1250(SpPopisekPortu(popisy[2], psFree));
    EXPECT_TRUE(g.Tlacitko(2)->text().endsWith("   " + zarizeni3))
        << g.Tlacitko(2)->text().toStdString();
    EXPECT_TRUE(g.Tlacitko(1)->text().endsWith(ZCp1250(Cz(" (obsazený)"))));
    EXPECT_TRUE(g.Tlacitko(3)->text().endsWith(ZCp1250(Cz(" (chybí)"))));
    // A new mapping shows at the next update.
    prostredi_.nastaveni.Mapuj(5, linka3_->Zarizeni());
    g.UpdateItems(false, true);
    EXPECT_TRUE(g.Tlacitko(4)->toolTip().endsWith("\n" + ZCp1250(linka3_->Zarizeni())));
    EXPECT_EQ(g.ItemState(4), psFree);
}

} // namespace
