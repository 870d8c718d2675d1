#include "serial/posix/SpChybaOtevreniPosix.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <utility>

TEST(SpChybaOtevreniPosix, EveryErrnoOfOpenIsAMissingOrAnUnavailableDevice) {
    const std::pair<int, TSpOpenError> tabulka[] = {
        {0, TSpOpenError::None},           {ENOENT, TSpOpenError::NotFound},
        {ENODEV, TSpOpenError::NotFound},  {ENXIO, TSpOpenError::NotFound},
        {ENOTDIR, TSpOpenError::NotFound}, {EIO, TSpOpenError::NotFound},
        {EACCES, TSpOpenError::NoAccess}, // not in group dialout: the device is there
        {EPERM, TSpOpenError::NoAccess},   {EBUSY, TSpOpenError::Busy},
        {EAGAIN, TSpOpenError::Busy},      {EMFILE, TSpOpenError::Busy},
    };
    for (const auto& [chyba, vysledek] : tabulka)
        EXPECT_EQ(SpChybaOtevreniPosix(chyba), vysledek) << "errno " << chyba;
}
