#include "common/TypStanice.h"

#include <gtest/gtest.h>

// The names stand for the types both ways; the settings file never gets a third name, and a
// name it does not know picks no type.
TEST(TypStanice, NamesBothWaysAndNothingElse) {
    for (const TTypStanice typ : {TTypStanice::tsNTS350, TTypStanice::tsNTS660})
        EXPECT_EQ(TypStaniceZTextu(TextTypuStanice(typ)), typ);
    EXPECT_STREQ(TextTypuStanice(TTypStanice::tsNTS350), "NTS-350");
    EXPECT_STREQ(TextTypuStanice(TTypStanice::tsNTS660), "NTS-660");
    EXPECT_STREQ(TextTypuStanice(static_cast<TTypStanice>(7)), "NTS-660");
    for (const char* jiny : {"", "nts-350", "NTS-350 ", "NTS-660\r", "1", "2"})
        EXPECT_EQ(TypStaniceZTextu(jiny), std::nullopt) << jiny;
}
