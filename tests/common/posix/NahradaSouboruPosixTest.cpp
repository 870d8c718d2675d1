// The file replacement where POSIX systems show what matters: permissions and links kept,
// devices and pipes written into rather than replaced, and no temporary file left by a
// signal that ends the program half way.
#include "SlozkaTestu.h"
#include "common/NahradaSouboru.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

class NahradaSouboruPosix : public TSlozkaTestu {};

TEST_F(NahradaSouboruPosix, KeepsPermissionsAndReplacesTheFileALinkLeadsTo) {
    const auto soubor = slozka_ / "a.asc";
    std::ofstream(soubor) << "stary";
    const auto prava = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(soubor, prava);
    fs::create_symlink("a.asc", slozka_ / "odkaz");
    fs::create_symlink(slozka_ / "odkaz", slozka_ / "odkaz2");
    EXPECT_FALSE(NahradSoubor(slozka_ / "odkaz2", "novy"));
    EXPECT_TRUE(fs::is_symlink(slozka_ / "odkaz2"));
    EXPECT_TRUE(fs::is_symlink(slozka_ / "odkaz"));
    EXPECT_EQ(NactiSoubor(soubor), "novy");
    EXPECT_EQ(fs::status(soubor).permissions(), prava);
}

TEST_F(NahradaSouboruPosix, DevicesAndPipesAreWrittenIntoAndStayWhatTheyAre) {
    EXPECT_FALSE(NahradSoubor("/dev/null", "data"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    const auto roura = slozka_ / "roura";
    ASSERT_EQ(mkfifo(roura.c_str(), 0600), 0);
    std::string prijato;
    std::thread ctenar([&] { prijato = NactiSoubor(roura); });
    EXPECT_FALSE(NahradSoubor(roura, "data rourou"));
    ctenar.join();
    EXPECT_EQ(prijato, "data rourou");
    EXPECT_TRUE(fs::is_fifo(roura));
}

TEST_F(NahradaSouboruPosix, SigtermInTheMiddleOfASaveLeavesOnlyTheOldFile) {
    const auto soubor = slozka_ / "a.zap";
    std::ofstream(soubor) << "stary";
    // The moment a signal comes: the instant the temporary file exists, or half way through.
    for (const bool hnedPoVytvoreni : {true, false})
        for (const int signal : {SIGTERM, SIGINT}) {
            SCOPED_TRACE((hnedPoVytvoreni ? "hned po vytvoreni, signal " : "v polovine, signal ") +
                         std::to_string(signal));
            const pid_t dite = fork();
            ASSERT_GE(dite, 0);
            if (dite == 0) {
                if (hnedPoVytvoreni)
                    NastavZasahPoVytvoreni([signal] { raise(signal); });
                TNahradaSouboru nahrada(soubor);
                nahrada.Zapis(std::string(1 << 19, 'x'));
                raise(signal);
                _exit(0); // not reached: the signal ends the program
            }
            int stav = 0;
            waitpid(dite, &stav, 0);
            EXPECT_TRUE(WIFSIGNALED(stav) && WTERMSIG(stav) == signal) << stav;
            std::vector<fs::path> soubory(fs::directory_iterator(slozka_), {});
            EXPECT_EQ(soubory, std::vector<fs::path>{soubor});
            EXPECT_EQ(NactiSoubor(soubor), "stary");
        }
}

TEST_F(NahradaSouboruPosix, AnOpenDescriptorIsWrittenIntoAndTheFileBehindItKept) {
    const auto soubor = slozka_ / "vse.zap";
    std::ofstream(soubor) << "drive;";
    const int fd = open(soubor.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    struct stat pred {};
    ASSERT_EQ(stat(soubor.c_str(), &pred), 0);
    const std::string n = std::to_string(fd);
    for (const fs::path& jmeno : {fs::path("/dev/fd/" + n), fs::path("/proc/self/fd/" + n)}) {
        SCOPED_TRACE(jmeno.string());
        EXPECT_TRUE(ZapisBezNahrady(jmeno));
        EXPECT_FALSE(NahradSoubor(jmeno, jmeno.string() + ";"));
    }
    close(fd);
    EXPECT_EQ(NactiSoubor(soubor), "drive;/dev/fd/" + n + ";/proc/self/fd/" + n + ";");
    struct stat po {};
    ASSERT_EQ(stat(soubor.c_str(), &po), 0);
    EXPECT_EQ(po.st_ino, pred.st_ino); // the same file, not a replacement
    EXPECT_EQ(SouboryVeSlozce(slozka_), std::vector<std::string>{"vse.zap"});
    EXPECT_FALSE(ZapisBezNahrady(soubor));
    EXPECT_TRUE(ZapisBezNahrady("/dev/null"));
}
