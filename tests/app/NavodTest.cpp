#include "app/Navod.h"

#include "app/Zaklad.h"
#include "common/Slozky.h"
#include "ui/TestovaniOken.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using ::testing::HasSubstr;

namespace {

// Records the pages handed to the browser instead of starting one.
class ProhlizecNavodu {
public:
    explicit ProhlizecNavodu(bool uspech = true) {
        predchozi_ = NastavOtevreniStranky([this, uspech](const QUrl& adresa) {
            stranky.push_back(adresa);
            return uspech;
        });
    }
    ~ProhlizecNavodu() { NastavOtevreniStranky(predchozi_); }
    std::vector<QUrl> stranky;

private:
    TOtevreniStranky predchozi_;
};

void Vytvor(const fs::path& soubor) {
    fs::create_directories(soubor.parent_path());
    std::ofstream(soubor) << "<html></html>";
}

} // namespace

TEST(Navod, FoundBesideTheProgramOrInTheInstalledDocumentation) {
    QTemporaryDir koren;
    const fs::path prefix = koren.path().toStdString();
    const fs::path bin = prefix / "bin";
    fs::create_directories(bin);
    EXPECT_TRUE(CestaNavodu(bin).empty());
    const fs::path instalovany = prefix / "share/doc/merivox/navod/index.html";
    Vytvor(instalovany);
    EXPECT_EQ(CestaNavodu(bin), instalovany);
    const fs::path vedle = bin / "navod/index.html";
    Vytvor(vedle);
    EXPECT_EQ(CestaNavodu(bin), vedle);
}

TEST(Navod, OpensTheFoundPageOrSaysInCzechWhyNot) {
    QTemporaryDir koren;
    const fs::path bin = fs::path(koren.path().toStdString()) / "bin";
    fs::create_directories(bin);
    {
        ProhlizecNavodu prohlizec;
        TZaznamZpravOken zpravy;
        OtevriNavod(nullptr, bin);
        EXPECT_TRUE(prohlizec.stranky.empty());
        ASSERT_EQ(zpravy.Zpravy().size(), 1u);
        EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Informace");
        EXPECT_THAT(zpravy.Zpravy()[0].text.toStdString(),
                    HasSubstr("Návod k programu nebyl nalezen."));
    }
    Vytvor(bin / "navod/index.html");
    {
        ProhlizecNavodu prohlizec;
        TZaznamZpravOken zpravy;
        OtevriNavod(nullptr, bin);
        ASSERT_EQ(prohlizec.stranky.size(), 1u);
        EXPECT_EQ(fs::path(prohlizec.stranky[0].toLocalFile().toStdU16String()).lexically_normal(),
                  (bin / "navod/index.html").lexically_normal());
        EXPECT_TRUE(zpravy.Zpravy().empty());
    }
    {
        ProhlizecNavodu prohlizec(false); // no browser to start
        TZaznamZpravOken zpravy;
        OtevriNavod(nullptr, bin);
        ASSERT_EQ(zpravy.Zpravy().size(), 1u);
        EXPECT_EQ(zpravy.Zpravy()[0].titulek, "Chyba");
        EXPECT_THAT(zpravy.Zpravy()[0].text.toStdString(),
                    HasSubstr(QDir::toNativeSeparators("navod/index.html").toStdString()));
    }
}

TEST(Navod, F1InTheMainWindowOpensTheGuideOfThisProgram) {
    QTemporaryDir slozka;
    PrepisCestuNastaveni(slozka.filePath("Merivex.ini").toStdString());
    {
        TFormZaklad okno;
        okno.show();
        okno.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
        const std::size_t pocetAkci = okno.findChildren<QAction*>().size();
        ProhlizecNavodu prohlizec;
        TZaznamZpravOken zpravy;
        QTest::keyClick(&okno, Qt::Key_F1);
        // The guide of the test program's folder: opened when a build put it there, else the
        // message; either way exactly one answer, and no new action in the menus.
        const bool otevreno = prohlizec.stranky.size() == 1 && zpravy.Zpravy().empty();
        const bool ohlaseno = prohlizec.stranky.empty() && zpravy.Zpravy().size() == 1 &&
                              zpravy.Zpravy()[0].text.contains(QString::fromUtf8("Návod"));
        EXPECT_TRUE(otevreno != ohlaseno);
        EXPECT_EQ(CestaNavodu(SlozkaProgramu()).empty(), ohlaseno);
        EXPECT_EQ(okno.findChildren<QAction*>().size(), pocetAkci);
        okno.close();
    }
    PrepisCestuNastaveni({});
}

// F1 anywhere in a window, a field of it or a message box over it, opens that window's page of
// the guide; the pages and their places exist in the guide the build renders.
TEST(Navod, F1InEveryWindowOpensItsPage) {
    const struct {
        const char* okno;
        const char* stranka;
    } radky[] = {
        {"FormZaklad", "index.html#hlavni-okno"},
        {"FormOProgramu", "index.html"},
        {"FormComConfig", "pripojeni.html#parametry-komunikace"},
        {"FormCekamNaData", "nacteni.html"},
        {"FormNactenaData", "nacteni.html"},
        {"FormParamMAPA2", "konverze.html#okno-parametru-pro-export-do-formatu-mapa2"},
        {"FormVysledekKonverze", "konverze.html#jak-vypada-soubor-zap"},
        {"FormZapisSouradnicBodu", "zapis.html#zapis-souradnic-bodu"},
        {"FormZapisKodu", "zapis.html#zapis-kodu"},
    };
    QTemporaryDir koren;
    const fs::path bin = fs::path(koren.path().toStdString()) / "bin";
    for (const char* stranka : {"index", "pripojeni", "nacteni", "konverze", "zapis"})
        Vytvor(bin / "navod" / (std::string(stranka) + ".html"));
    TNapovedaOken napoveda(nullptr, [&] { return bin; });
    qApp->installEventFilter(&napoveda);
    const fs::path vykresleny = CestaNavodu(SlozkaProgramu());
    for (const auto& r : radky) {
        SCOPED_TRACE(r.okno);
        QDialog okno;
        okno.setObjectName(r.okno);
        auto* pole = new QLineEdit(&okno);
        QMessageBox box(&okno);
        ProhlizecNavodu prohlizec;
        QTest::keyClick(pole, Qt::Key_F1);
        QTest::keyClick(&box, Qt::Key_F1);
        ASSERT_EQ(prohlizec.stranky.size(), 2u);
        for (const QUrl& adresa : prohlizec.stranky) {
            const QString kotva = adresa.hasFragment() ? "#" + adresa.fragment() : QString();
            EXPECT_EQ(adresa.fileName() + kotva, r.stranka);
        }
        if (vykresleny.empty())
            continue;
        const std::string stranka = r.stranka;
        const auto mriz = stranka.find('#');
        std::ifstream soubor(vykresleny.parent_path() / stranka.substr(0, mriz));
        const std::string text{std::istreambuf_iterator<char>(soubor), {}};
        EXPECT_FALSE(text.empty());
        if (mriz != std::string::npos) {
            EXPECT_THAT(text, HasSubstr("id=\"" + stranka.substr(mriz + 1) + "\""));
        }
    }
    qApp->removeEventFilter(&napoveda);
}
