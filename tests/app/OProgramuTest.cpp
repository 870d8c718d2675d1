#include "app/OProgramu.h"
#include "app/Zaklad.h"

#include "common/VerzeSouboru.h"
#include "ui/TestovaniOken.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
const fs::path kSouborProgramu = MERIVOX_PROGRAM;

// The file's date worked out apart from DatumSouboru: the UTC calendar day of its last write.
QDate DenZapisu(const fs::path& soubor) {
    const auto cas = std::chrono::file_clock::to_sys(fs::last_write_time(soubor));
    const auto den = std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(cas));
    return QDate(int(den.year()), int(unsigned(den.month())), int(unsigned(den.day())));
}
} // namespace

TEST(OProgramu, VersionRecordOfTheBuiltProgramIsReadBack) {
    EXPECT_EQ(VerzeSouboru(kSouborProgramu), "2.0.0.4");
}

TEST(OProgramu, BoxShowsVersionAndShortDateOfTheProgramFileInBold) {
    TFormOProgramu box(nullptr, kSouborProgramu);
    auto* verze = box.findChild<QLabel*>("L_Verze");
    auto* datum = box.findChild<QLabel*>("L_Datum");
    auto* ok = box.findChild<QPushButton*>("Tl_OK");
    ASSERT_TRUE(verze && datum && ok);
    EXPECT_EQ(box.windowTitle(), "O programu");
    EXPECT_EQ(box.size(), QSize(250, 180));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_EQ(verze->text(), "Verze programu 2.0.0.4");
    const QDate den = DenZapisu(kSouborProgramu);
    EXPECT_TRUE(datum->text().contains(QString::number(den.day())));
    EXPECT_TRUE(datum->text().endsWith(QString::number(den.year()))) << "a four-digit year";
    EXPECT_TRUE(verze->font().bold());
    EXPECT_TRUE(datum->font().bold());
    EXPECT_EQ(ok->text(), "&OK");
}

TEST(OProgramu, FileWithoutRecordOrDateLeavesTheLinesShort) {
    TFormOProgramu box(nullptr, fs::path(MERIVOX_TEST_DATA) / "neexistuje.exe");
    EXPECT_EQ(box.findChild<QLabel*>("L_Verze")->text(), "Verze programu ");
    EXPECT_EQ(box.findChild<QLabel*>("L_Datum")->text(), "");
}

TEST(OProgramu, DateUsesTheDayScaleAndTheLocalesShortFormatWithAFourDigitYear) {
    EXPECT_EQ(KratkeDatum(45366.75, QLocale(QLocale::Czech, QLocale::Czechia)), "15.03.2024");
    EXPECT_EQ(KratkeDatum(0.0, QLocale(QLocale::German, QLocale::Germany)), "30.12.1899");
}

TEST(OProgramu, AboutActionShowsTheBoxModallyOverTheMainWindow) {
    TFormZaklad okno;
    okno.show();
    TOdpovediDialogu dialogy;
    QString titulek;
    QWidget* rodic = nullptr;
    dialogy.OdpovezDalsimu([&](QWidget* box) {
        titulek = box->windowTitle();
        rodic = box->parentWidget();
        box->findChild<QPushButton*>("Tl_OK")->click();
    });
    okno.findChild<QAction*>("A_OProgramu")->trigger();
    EXPECT_EQ(titulek, "O programu");
    EXPECT_EQ(rodic, &okno);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
