#include "ui/ZpravyOken.h"
#include "ui/TestovaniOken.h"

#include "common/Cp1250.h"

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>

using ::testing::ElementsAre;

TEST(ZpravyOken, RealQuestionBoxSpeaksCzechAndReturnsTheButtonPressed) {
    TZpravyOken zpravy;
    TOdpovediDialogu dialogy;
    QStringList tlacitka;
    QString titulek;
    auto stiskni = [&](QMessageBox::StandardButton ktere) {
        return [&, ktere](QWidget* okno) {
            auto* box = qobject_cast<QMessageBox*>(okno);
            ASSERT_NE(box, nullptr);
            titulek = box->windowTitle();
            tlacitka.clear();
            for (auto* b : box->buttons())
                tlacitka << b->text().remove('&');
            box->button(ktere)->click();
        };
    };
    dialogy.OdpovezDalsimu(stiskni(QMessageBox::No));
    EXPECT_FALSE(zpravy.OtazkaAnoNe(Cz("Přepsat?"), Cz("Soubor už existuje.")));
    EXPECT_EQ(titulek, QString::fromUtf8("Přepsat?"));
    EXPECT_THAT(tlacitka, ::testing::UnorderedElementsAre("Ano", "Ne"));
    dialogy.OdpovezDalsimu(stiskni(QMessageBox::Yes));
    EXPECT_TRUE(zpravy.OtazkaAnoNe("Merivox", "?"));
}

TEST(ZpravyOken, EachKindOfMessageHasItsCaptionIconAndOneOkButton) {
    TZaznamZpravOken zaznam;
    TZpravyOken zpravy;
    zpravy.Zprava(TDruhZpravy::dzChyba, Cz("Chyba komunikace s totální stanicí!"));
    zpravy.Zprava(TDruhZpravy::dzInformace, "i");
    zpravy.Zprava(TDruhZpravy::dzVarovani, "v");
    zpravy.Zprava(TDruhZpravy::dzVyjimka, "e");
    const auto& z = zaznam.Zpravy();
    ASSERT_EQ(z.size(), 4u);
    EXPECT_EQ(z[0].titulek, "Chyba");
    EXPECT_EQ(z[0].text, QString::fromUtf8("Chyba komunikace s totální stanicí!"));
    EXPECT_EQ(z[0].ikona, QMessageBox::Critical);
    EXPECT_EQ(z[1].titulek, "Informace");
    EXPECT_EQ(z[1].ikona, QMessageBox::Information);
    EXPECT_EQ(z[2].titulek, QString::fromUtf8("Varování"));
    EXPECT_EQ(z[2].ikona, QMessageBox::Warning);
    EXPECT_EQ(z[3].titulek, "Merivox 2.0");
    EXPECT_EQ(z[3].ikona, QMessageBox::Critical);
    for (const auto& zprava : z)
        EXPECT_EQ(zprava.tlacitka, QMessageBox::Ok);
}

TEST(ZpravyOken, RecorderAnswersQuestionsInTheOrderQueuedAndFailsWithoutAnswer) {
    TZpravyOken zpravy;
    {
        TZaznamZpravOken zaznam;
        zaznam.OdpovezDalsi(QMessageBox::Yes);
        zaznam.OdpovezDalsi(QMessageBox::No);
        EXPECT_TRUE(zpravy.OtazkaAnoNe("T", "prvni"));
        EXPECT_FALSE(zpravy.OtazkaAnoNe("T", "druha"));
        EXPECT_THAT(zaznam.Texty(), ElementsAre("prvni", "druha"));
        EXPECT_EQ(zaznam.Zpravy()[0].tlacitka, QMessageBox::Yes | QMessageBox::No);
    }
    TZaznamZpravOken zaznam;
    bool odpoved = true;
    EXPECT_NONFATAL_FAILURE(odpoved = zpravy.OtazkaAnoNe("T", "bez odpovedi"),
                            "without a prepared answer");
    EXPECT_FALSE(odpoved) << "an unanswered question takes the safe answer";
}

TEST(ZpravyOken, UnusedAnswersFailTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            TZaznamZpravOken zaznam;
            zaznam.OdpovezDalsi(QMessageBox::Yes);
        },
        "never asked for");
    EXPECT_NONFATAL_FAILURE(
        {
            TOdpovediDialogu dialogy;
            dialogy.OdpovezDalsimu([](QWidget*) {});
        },
        "never used");
}

TEST(ZpravyOken, ForgottenModalWindowIsClosedAndFailsTheTest) {
    const auto limit = NastavLimitDialogu(std::chrono::milliseconds(50));
    int vysledek = -1;
    EXPECT_NONFATAL_FAILURE(
        {
            QDialog dialog;
            dialog.setWindowTitle("Zapomenuto");
            vysledek = dialog.exec();
        },
        "\"Zapomenuto\" left open");
    EXPECT_EQ(vysledek, QDialog::Rejected);
    NastavLimitDialogu(limit);
}
