// The window "Náhled měření" offscreen, fed by a computation of the test's own: what it shows,
// the plan and the table following each other, the user's changes computing again, and the
// protocol saved as a PDF; and the real computation turned into what the window shows.
#include "SlozkaTestu.h"

#include "common/IniFile.h"
#include "common/Slozky.h"
#include "conversion/NastaveniMAPA2.h"
#include "survey/qt/NahledMereni.h"
#include "survey/qt/NahledOken.h"
#include "survey/qt/NahledZVypoctu.h"
#include "survey/qt/PlanMereni.h"
#include "ui/DialogSouboru.h"
#include "ui/TestovaniOken.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <gmock/gmock.h>

namespace fs = std::filesystem;

namespace {

class NahledTest : public TSlozkaTestu {
protected:
    void SetUp() override {
        TSlozkaTestu::SetUp();
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        PrepisCestuNastaveni(slozka_ / "Merivex.ini");
        // After the locale: the window takes its decimal separator when it is made.
        okno_ = std::make_unique<TFormNahledMereni>(nullptr, Vypocet());
    }
    void TearDown() override {
        NastavVolbuSouboru({});
        PrepisCestuNastaveni(NastaveniTestu());
        QLocale::setDefault(QLocale::c());
        TSlozkaTestu::TearDown();
    }

    // Station 4001 with points 5001 (orienting) and 5002; every call is recorded.
    TFormNahledMereni::TVypocet Vypocet() {
        return [this](const TVolbyNahledu& volby) {
            volby_.push_back(volby);
            TModelNahledu m;
            m.Nadpis = "mereni.sdt";
            m.Plan.Body = {{"4001", 1000, 2000, true},
                           {"5001", 1100, 2000, false},
                           {"5002", 1000, 2100, false}};
            m.Plan.Cary = {{0, 1, true}, {0, 2, false}};
            TRadekNahledu stanice{
                {"4001", "", "", "", "", "", "", "1000,000", "2000,000", "", ""}, 0, {}};
            stanice.Deti.push_back({{"5001", "", "0,0000", "100,0000", "100,000", "100,000", "",
                                     "1100,000", "2000,000", "", "orientace"},
                                    1,
                                    {}});
            stanice.Deti.push_back({{"5002", "ZED", "100,0000", "100,0000", "100,000", "100,000",
                                     "", "1000,000", "2100,000", "", ""},
                                    2,
                                    {}});
            m.Mereni = {stanice};
            m.Orientace = {{{"4001", "0,0000", "", "", ""}, -1, {{{"5001", "", "0", "0", ""}}}}};
            m.Upozorneni = {"jedna", "dva"};
            m.Body = {{"5002", SouradniceVypoctena(1000), SouradniceVypoctena(2100), {}, "ZED"}};
            m.Faktor = volby.Faktor ? QLocale().toString(double(*volby.Faktor), 'f', 7)
                                    : QString("0,9999500");
            m.Protokol = {"Soubor: mereni.sdt", QString::fromUtf8("Měřítkový faktor: 0,9999500")};
            return m;
        };
    }
    template <class T> T* Prvek(const char* jmeno) {
        auto* p = okno_->findChild<T*>(jmeno);
        EXPECT_NE(p, nullptr) << jmeno;
        return p;
    }
    void ZadejFaktor(const QString& text) {
        Prvek<QLineEdit>("E_Faktor")->setText(text);
        emit Prvek<QLineEdit>("E_Faktor")->editingFinished();
    }

    std::vector<TVolbyNahledu> volby_;
    std::unique_ptr<TFormNahledMereni> okno_;
};

} // namespace

TEST_F(NahledTest, ShowsTheComputationAndThePlanAndTableFollowEachOther) {
    EXPECT_EQ(okno_->windowTitle(), QString::fromUtf8("Náhled měření"));
    EXPECT_EQ(Prvek<QLabel>("L_Soubor")->text(), "mereni.sdt");
    auto* tabulka = Prvek<QTreeWidget>("TV_Mereni");
    ASSERT_EQ(tabulka->topLevelItemCount(), 1);
    EXPECT_EQ(tabulka->topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(tabulka->headerItem()->text(7), "Y [m]");
    EXPECT_EQ(tabulka->topLevelItem(0)->child(1)->text(1), "ZED");
    EXPECT_EQ(Prvek<QTreeWidget>("TV_Orientace")->topLevelItem(0)->childCount(), 1);
    EXPECT_EQ(Prvek<QTabWidget>("PageControl")->tabText(1), QString::fromUtf8("Upozornění (2)"));
    EXPECT_EQ(Prvek<QLineEdit>("E_Faktor")->text(), "0,9999500");
    ASSERT_EQ(volby_.size(), 1u);
    EXPECT_FALSE(volby_[0].Faktor.has_value()) << "the factor of the mean values at first";
    EXPECT_TRUE(volby_[0].ZakriveniARefrakce);

    okno_->resize(900, 600);
    okno_->show();
    auto* plan = Prvek<TPlanMereni>("PB_Plan");
    tabulka->setCurrentItem(tabulka->topLevelItem(0)->child(1));
    EXPECT_EQ(plan->VybranyBod(), 2) << "row to plan";
    const TBodPlanu& b = plan->Plan().Body[1];
    QTest::mouseClick(plan, Qt::LeftButton, {},
                      plan->Pohled().NaPlochu(b.Y, b.X, QRectF(plan->rect())).toPoint());
    EXPECT_EQ(tabulka->currentItem(), tabulka->topLevelItem(0)->child(0)) << "plan to row";
    EXPECT_EQ(plan->VybranyBod(), 1);
}

TEST_F(NahledTest, ExportHandsOnTheComputedPointsAndIsOffWithoutAnExport) {
    EXPECT_FALSE(Prvek<QPushButton>("Tl_Export")->isEnabled()) << "no export handed in";
    TSeznamSouradnic predane;
    TFormNahledMereni sExportem(nullptr, Vypocet(),
                                [&](const TSeznamSouradnic& body, QWidget*) { predane = body; });
    auto* export_ = sExportem.findChild<QPushButton*>("Tl_Export");
    ASSERT_NE(export_, nullptr);
    ASSERT_TRUE(export_->isEnabled());
    export_->click();
    ASSERT_EQ(predane.size(), 1u);
    EXPECT_EQ(predane[0].Cislo, "5002");
    EXPECT_EQ(predane[0].X.Text, "2100.000");
}

TEST_F(NahledTest, FactorCurvatureAndKnownPointsComputeAgain) {
    ZadejFaktor("0,99995");
    ASSERT_EQ(volby_.size(), 2u);
    EXPECT_NEAR(double(*volby_.back().Faktor), 0.99995, 1e-12);
    EXPECT_EQ(Prvek<QLineEdit>("E_Faktor")->text(), "0,9999500");
    ZadejFaktor("");
    EXPECT_FALSE(volby_.back().Faktor.has_value()) << "empty: from the mean values again";

    {
        TZaznamZpravOken zpravy;
        for (const char* spatny : {"abc", "1,2,3", "0", "1,5" /* no site gives it */})
            ZadejFaktor(spatny);
        ASSERT_EQ(zpravy.Zpravy().size(), 4u);
        for (const auto& z : zpravy.Zpravy())
            EXPECT_EQ(z.titulek, "Chyba") << z.text.toStdString();
    }
    EXPECT_EQ(volby_.size(), 3u) << "refused values compute nothing";
    EXPECT_FALSE(volby_.back().Faktor.has_value());
    EXPECT_EQ(Prvek<QLineEdit>("E_Faktor")->text(), "0,9999500") << "the factor used, back";

    Prvek<QCheckBox>("CB_ZakriveniARefrakce")->setChecked(false);
    EXPECT_FALSE(volby_.back().ZakriveniARefrakce);

    const fs::path zname = slozka_ / "zname.asc";
    QStringList filtry;
    NastavVolbuSouboru([&](QFileDialog& dialog) {
        filtry = dialog.nameFilters();
        return QString::fromStdString(zname.string());
    });
    Prvek<QPushButton>("Tl_ZnameBody")->click();
    ASSERT_EQ(volby_.back().ZnameBody.size(), 1u);
    EXPECT_EQ(volby_.back().ZnameBody[0], zname);
    EXPECT_FALSE(volby_.back().ZakriveniARefrakce) << "earlier choices stay";
    EXPECT_EQ(filtry.value(0), QString::fromUtf8("Známé body (*.asc *.sdt)"));
    EXPECT_EQ(Prvek<QLabel>("L_ZnameBody")->text(), "zname.asc");
}

TEST_F(NahledTest, ProtocolIsAnA4PdfOfThePlanThenTheTablesAndAFailureIsReported) {
    const fs::path pdf = slozka_ / "protokol.pdf";
    NastavVolbuSouboru([&](QFileDialog&) { return QString::fromStdString(pdf.string()); });
    Prvek<QPushButton>("Tl_UlozProtokol")->click();
    const std::string obsah = NactiSoubor(pdf);
    EXPECT_EQ(obsah.substr(0, 5), "%PDF-");
    std::size_t stran = 0;
    for (std::size_t i = obsah.find("/Type /Page\n"); i != std::string::npos;
         i = obsah.find("/Type /Page\n", i + 1))
        ++stran;
    EXPECT_EQ(stran, 2u) << "the plan, then the protocol with the tables";
    EXPECT_NE(obsah.find("/MediaBox [0 0 595"), std::string::npos) << "A4";

    TZaznamZpravOken zpravy;
    NastavVolbuSouboru([&](QFileDialog&) {
        return QString::fromStdString((slozka_ / "neni" / "protokol.pdf").string());
    });
    Prvek<QPushButton>("Tl_UlozProtokol")->click();
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Chyba");
}

// The computation as the window gets it, on a backsight to a known point, a side shot and a
// station without coordinates, with the site's mean values stored.
TEST_F(NahledTest, MeasuredDataBecomeRowsPlanAndWarnings) {
    {
        TIniFile ini(CestaNastaveni());
        TNastaveniMAPA2 n = NactiNastaveniMAPA2(ini);
        n.SouradniceX = "1041400";
        n.SouradniceY = "744200";
        n.Vyska = "285";
        ZapisNastaveniMAPA2(ini, n);
    }
    const fs::path zname = slozka_ / "zname.asc";
    ZapisSoubor(zname, "4002,744150.000,1041420.000,286.100\r\n");
    const std::string mereni = "NTS-660\r\nSTN 4001,1.550\r\nXYZ 744210.000,1041350.000,285.400\r\n"
                               "BS 4002,1.600\r\nSD 231.4308,99.4826,92.211\r\n"
                               "SS 101,1.600,ROH\r\nSD 324.0515,98.9890,30.222\r\n"
                               "STN 9\r\nSS 201,1.500\r\nSD 0.0000,100.0000,10.000\r\n";
    TVolbyNahledu volby;
    volby.ZnameBody = {zname};
    const TModelNahledu m = VypocetNahledu(mereni, {}, "data", TTypStanice::tsNTS660)(volby);
    EXPECT_TRUE(m.Vypocteno);
    EXPECT_EQ(m.Faktor, "0,9998593");
    ASSERT_EQ(m.Mereni.size(), 2u);
    ASSERT_EQ(m.Mereni[0].Deti.size(), 2u);
    const QStringList& bod = m.Mereni[0].Deti[1].Bunky;
    const QLocale cesky;
    // Worked by hand: c = 123.4567 g, hd = 30.218, dh = 0.480 m.
    EXPECT_EQ(bod[7], cesky.toString(744230.512, 'f', 3));
    EXPECT_EQ(bod[8], cesky.toString(1041372.184, 'f', 3));
    EXPECT_EQ(bod[9], cesky.toString(285.830, 'f', 3));
    EXPECT_EQ(m.Orientace[0].Bunky[1], "123,4567");
    ASSERT_FALSE(m.Body.empty()) << "the computed points, for the export";
    EXPECT_EQ(m.Body[0].Cislo, "101");
    EXPECT_EQ(m.Body[0].Y.Text, "744230.512");
    // The plan: the station, the known point it sights and 101; the local station's system
    // lies elsewhere and stays out of it.
    QStringList vPlanu;
    for (const TBodPlanu& b : m.Plan.Body)
        vPlanu << b.Cislo;
    EXPECT_EQ(vPlanu, QStringList({"4001", "4002", "101"}));
    ASSERT_EQ(m.Plan.Cary.size(), 2u);
    EXPECT_TRUE(m.Plan.Cary[0].Orientacni);
    EXPECT_TRUE(m.Upozorneni.join('\n').contains(QString::fromUtf8("místní soustavu")))
        << m.Upozorneni.join('\n').toStdString();
    EXPECT_EQ(m.Protokol.value(0), QString::fromUtf8("Výpočet souřadnic (polární metoda)"))
        << "data in memory have no conversion protocol";

    const TModelNahledu nts350 =
        VypocetNahledu("NTS-350\r\n" + mereni, {}, "data", TTypStanice::tsNTS660)({});
    EXPECT_FALSE(nts350.Vypocteno);
    EXPECT_TRUE(nts350.Mereni.empty());
}

TEST_F(NahledTest, OpensOnAChosenFileOrOnDataInMemoryAndReportsAFileThatCannotBeRead) {
    const fs::path soubor = slozka_ / "mereni.sdt";
    ZapisSoubor(soubor, "NTS-660\r\nSTN 1\r\nSS 2,1.5\r\nSD 0.0000,100.0000,10.000\r\n");
    QStringList filtry;
    NastavVolbuSouboru([&](QFileDialog& dialog) {
        filtry = dialog.nameFilters();
        return QString::fromStdString(soubor.string());
    });
    QStringList nadpisy;
    TOdpovediDialogu dialogy;
    auto zavri = [&](QWidget* okno) {
        nadpisy << okno->windowTitle() + ": " + okno->findChild<QLabel*>("L_Soubor")->text();
        static_cast<QDialog*>(okno)->reject();
    };
    dialogy.OdpovezDalsimu(zavri);
    NahledMereniOken(nullptr, TTypStanice::tsNTS660);
    dialogy.OdpovezDalsimu(zavri);
    NahledDat(nullptr, NactiSoubor(soubor), TTypStanice::tsNTS660);
    EXPECT_EQ(nadpisy, QStringList({QString::fromUtf8("Náhled měření: ") +
                                        QString::fromStdString(soubor.string()),
                                    QString::fromUtf8("Náhled měření: Načtená data")}));
    EXPECT_EQ(filtry.value(0), QString::fromUtf8("Soubor meřených dat (*.sdt)"));

    TZaznamZpravOken zpravy;
    fs::remove(soubor);
    NahledMereniOken(nullptr, TTypStanice::tsNTS660);
    ASSERT_EQ(zpravy.Zpravy().size(), 1u);
    EXPECT_TRUE(zpravy.Zpravy()[0].text.contains("mereni.sdt")) << "the default error box";
}
