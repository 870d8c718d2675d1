#include "serial/posix/SpChybaOtevreniPosix.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace {

struct TChyba {
    const char* Jmeno;
    int Errno;
    TSpOpenError Vysledek;
};

class ChybaOtevreniPosix : public ::testing::TestWithParam<TChyba> {};

} // namespace

// EACCES and EPERM (not in group dialout) say the device is there.
TEST_P(ChybaOtevreniPosix, EveryErrnoOfOpenIsAMissingOrAnUnavailableDevice) {
    EXPECT_EQ(SpChybaOtevreniPosix(GetParam().Errno), GetParam().Vysledek);
}

INSTANTIATE_TEST_SUITE_P(Errno, ChybaOtevreniPosix,
                         ::testing::Values(TChyba{"Zadna", 0, TSpOpenError::None},
                                           TChyba{"ENOENT", ENOENT, TSpOpenError::NotFound},
                                           TChyba{"ENODEV", ENODEV, TSpOpenError::NotFound},
                                           TChyba{"ENXIO", ENXIO, TSpOpenError::NotFound},
                                           TChyba{"ENOTDIR", ENOTDIR, TSpOpenError::NotFound},
                                           TChyba{"EIO", EIO, TSpOpenError::NotFound},
                                           TChyba{"EACCES", EACCES, TSpOpenError::NoAccess},
                                           TChyba{"EPERM", EPERM, TSpOpenError::NoAccess},
                                           TChyba{"EBUSY", EBUSY, TSpOpenError::Busy},
                                           TChyba{"EAGAIN", EAGAIN, TSpOpenError::Busy},
                                           TChyba{"EMFILE", EMFILE, TSpOpenError::Busy}),
                         [](const auto& radek) { return std::string(radek.param.Jmeno); });
