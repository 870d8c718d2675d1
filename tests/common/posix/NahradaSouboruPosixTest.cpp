// The file replacement where POSIX systems show what matters: permissions and links kept,
// devices and pipes written into rather than replaced, and no temporary file left by a
// signal that ends the program half way.
#include "SlozkaTestu.h"
#include "common/NahradaSouboru.h"

#include <gtest/gtest.h>

#include <csignal>
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
    for (const int signal : {SIGTERM, SIGINT}) {
        const pid_t dite = fork();
        ASSERT_GE(dite, 0);
        if (dite == 0) {
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
