// The one line rule of every text the program reads.
#include "common/Radky.h"

#include <gtest/gtest.h>

using R = std::vector<std::string_view>;

TEST(Radky, EndsAreCrLfLfOrCrAndAFinalEndOpensNoLine) {
    EXPECT_EQ(RadkyTextu(""), R{});
    EXPECT_EQ(RadkyTextu("a"), R{"a"});
    EXPECT_EQ(RadkyTextu("a\r\n"), R{"a"});
    EXPECT_EQ(RadkyTextu("\r\n"), R{""});
    EXPECT_EQ(RadkyTextu("a\r\nb\nc\rd"), (R{"a", "b", "c", "d"}));
    EXPECT_EQ(RadkyTextu("a\n\r\nb\r\r"), (R{"a", "", "b", ""}));
    EXPECT_EQ(RadkyTextu("a\r\r\nb\n\r"), (R{"a", "", "b", ""}));
    EXPECT_EQ(RadkyTextu(std::string_view("\x8E\0\xFF\r\n", 5)),
              R{std::string_view("\x8E\0\xFF", 3)});
}

// A reader with more to come waits for a line end seen whole.
TEST(Radky, PartOfATextGivesOnlyLinesWithTheirWholeEnd) {
    EXPECT_FALSE(PrvniRadek("ab", false));
    EXPECT_FALSE(PrvniRadek("ab\r", false)) << "the CR may be half of CR LF";
    const auto lf = PrvniRadek("ab\nc", false);
    ASSERT_TRUE(lf);
    EXPECT_EQ(lf->Text, "ab");
    EXPECT_EQ(lf->Dalsi, 3u);
    const auto cr = PrvniRadek("ab\rc", false);
    ASSERT_TRUE(cr);
    EXPECT_EQ(cr->Dalsi, 3u);
    const auto crLf = PrvniRadek("ab\r\n", false);
    ASSERT_TRUE(crLf);
    EXPECT_EQ(crLf->Dalsi, 4u);
    EXPECT_EQ(PrvniRadek("ab\r", true)->Dalsi, 3u);
}
