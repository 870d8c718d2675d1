#include "common/Cp1250.h"

#include <gtest/gtest.h>

TEST(Cp1250, CzechLettersMapToUnicode) {
    EXPECT_EQ(Cp1250NaUnicode(0x8A), U'Š');
    EXPECT_EQ(Cp1250NaUnicode(0x9E), U'ž');
    EXPECT_EQ(Cp1250NaUnicode(0xE8), U'č');
    EXPECT_EQ(Cp1250NaUnicode(0xF8), U'ř');
    EXPECT_EQ(Cp1250NaUnicode(0xF9), U'ů');
    EXPECT_EQ(Cp1250NaUnicode(0x80), U'€');
    EXPECT_EQ(Cz("Načtená data jsou poškozena!!"), "Na\xE8ten\xE1 data jsou po\x9Akozena!!");
}

TEST(Cp1250, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(Utf8NaCp1250(Cp1250NaUtf8(all)), all);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(UnicodeNaCp1250(Cp1250NaUnicode(static_cast<unsigned char>(b))), b) << b;
}

TEST(Cp1250, UndefinedBytesBecomeC1Controls) {
    for (unsigned char b : {0x81, 0x83, 0x88, 0x90, 0x98})
        EXPECT_EQ(Cp1250NaUnicode(b), char32_t(b));
}

TEST(Cp1250, CharactersOutsideTheCodePageAreReplaced) {
    EXPECT_EQ(Utf8NaCp1250("a€ж😀b"), "a\x80??b");
    EXPECT_EQ(Utf8NaCp1250("x\xC3", '#'), "x#"); // cut sequence
    EXPECT_EQ(Utf8NaCp1250("\xFF"
                           "y",
                           '#'),
              "#y"); // invalid lead byte
    EXPECT_EQ(UnicodeNaCp1250(U'ж'), -1);
}
