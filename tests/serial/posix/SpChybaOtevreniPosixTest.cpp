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
                         ::testing::Values(TChyba{"Zadna", 0, TSpOpenError::oeNone},
                                           TChyba{"ENOENT", ENOENT, TSpOpenError::oeNotFound},
                                           TChyba{"ENODEV", ENODEV, TSpOpenError::oeNotFound},
                                           TChyba{"ENXIO", ENXIO, TSpOpenError::oeNotFound},
                                           TChyba{"ENOTDIR", ENOTDIR, TSpOpenError::oeNotFound},
                                           TChyba{"EIO", EIO, TSpOpenError::oeNotFound},
                                           TChyba{"EACCES", EACCES, TSpOpenError::oeNoAccess},
                                           TChyba{"EPERM", EPERM, TSpOpenError::oeNoAccess},
                                           TChyba{"EISDIR", EISDIR, TSpOpenError::oeNotDevice},
                                           TChyba{"EBUSY", EBUSY, TSpOpenError::oeBusy},
                                           TChyba{"EAGAIN", EAGAIN, TSpOpenError::oeBusy},
                                           TChyba{"EMFILE", EMFILE, TSpOpenError::oeBusy}),
                         [](const auto& radek) { return std::string(radek.param.Jmeno); });
