// On POSIX a port number stands for a device file; the port list's hint names it.
#include "serial/SpDevices.h"
#include "serial/SpPortStates.h"

#include "serial/TestNastaveni.h"

#include <gtest/gtest.h>

TEST(SpPortHintPosix, NamesTheMappedDeviceOrTheSystemsOwn) {
    TTestNastaveni nastaveni;
    nastaveni.Mapuj(2, "/dev/pts/77");
    nastaveni.Mapuj(1, ""); // an empty mapping leaves the system's rule
    nastaveni.Mapuj(5, "");
    EXPECT_EQ(SpPortHint(2), "/dev/pts/77");
    EXPECT_EQ(SpPortHint(1), SpSlozkaZarizeni() + "/ttyS0");
    EXPECT_EQ(SpPortHint(5), SpSlozkaZarizeni() + "/ttyUSB0");
    EXPECT_EQ(SpPortHint(11), "");
}
