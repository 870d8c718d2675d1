#include "ui/Texty.h"

#include "common/Cp1250.h"

#include <gtest/gtest.h>

TEST(Texty, EveryCp1250ByteCrossesTheWindowBoundaryAndBack) {
    std::string vsechny;
    for (int b = 0; b < 256; ++b)
        vsechny += char(b);
    const QString text = ZCp1250(vsechny);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(DoCp1250(text), vsechny);
    EXPECT_EQ(ZCp1250(Cz("Příliš žluťoučký kůň")), QString::fromUtf8("Příliš žluťoučký kůň"));
}

TEST(Texty, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(DoCp1250(QString::fromUtf8("Žluť ж 😀 €")), Cz("Žluť ? ? €"));
}
