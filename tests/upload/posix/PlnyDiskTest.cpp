// A save that the system cuts short (here by the file-size limit, as a full disk would) must
// leave the user's earlier file as it was.
#include "../DocasnaSlozka.h"
#include "../Pomucky.h"
#include "upload/SouborBodu.h"

#include <gmock/gmock.h>

#include <csignal>
#include <sys/resource.h>

namespace {
// Lowers the file-size limit for the test's lifetime; writes past it fail with EFBIG.
class OmezeniVelikosti {
public:
    explicit OmezeniVelikosti(rlim_t bajtu) {
        getrlimit(RLIMIT_FSIZE, &puvodni_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit nove = puvodni_;
        nove.rlim_cur = bajtu;
        setrlimit(RLIMIT_FSIZE, &nove);
    }
    ~OmezeniVelikosti() {
        setrlimit(RLIMIT_FSIZE, &puvodni_);
        std::signal(SIGXFSZ, signal_);
    }
    OmezeniVelikosti(const OmezeniVelikosti&) = delete;
    OmezeniVelikosti& operator=(const OmezeniVelikosti&) = delete;

private:
    rlimit puvodni_{};
    void (*signal_)(int) = nullptr;
};
} // namespace

class PlnyDisk : public DocasnaSlozka {};

TEST_F(PlnyDisk, SaveCutShortKeepsTheOldFileAndSaysWhy) {
    const auto soubor = slozka_ / "body.asc";
    Zapis(soubor, "1,2,3,4\r\n");
    TRadky radky;
    for (int i = 0; i < 2000; ++i)
        radky.push_back({std::to_string(i), "1000.000", "2000.000", "300.000", "poznamka"});
    const auto body = TabulkaZRadku<TTabulkaBodu>(radky);

    std::optional<TChybaSouboru> chyba;
    {
        OmezeniVelikosti omezeni(4096);
        chyba = UlozSouborBodu(soubor, body);
    }
    ASSERT_TRUE(chyba);
    EXPECT_EQ(chyba->Zprava, "Cannot create file " + soubor.string() + ".");
    EXPECT_EQ(chyba->Duvod, std::error_code(EFBIG, std::generic_category()).message());
    EXPECT_EQ(Precti(soubor), "1,2,3,4\r\n");
    EXPECT_THAT(Soubory(), ::testing::ElementsAre("body.asc"));
}
