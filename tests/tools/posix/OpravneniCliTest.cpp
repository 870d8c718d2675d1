// A device the user may not open, as a user meets it: merivox-cli run as an unprivileged user
// against a pseudo-terminal that root keeps for itself, then for a group.
#include "SlozkaTestu.h"
#include "serial/posix/Pseudoterminal.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr const char* kSetpriv = "/usr/bin/setpriv";

class OpravneniCli : public TSlozkaTestu {
protected:
    // The program run as `nobody` from a folder it may read; its standard error (standard
    // output in file "out").
    std::string SpustJakoNobody(std::vector<std::string> argumenty) {
        std::vector<std::string> a = {kSetpriv,
                                      "--reuid=nobody",
                                      "--regid=" + std::to_string(getpwnam("nobody")->pw_gid),
                                      "--clear-groups",
                                      "--",
                                      (slozka_ / "merivox-cli").string()};
        a.insert(a.end(), argumenty.begin(), argumenty.end());
        std::vector<char*> argv;
        for (std::string& s : a)
            argv.push_back(s.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t akce;
        posix_spawn_file_actions_init(&akce);
        posix_spawn_file_actions_addopen(&akce, STDERR_FILENO, (slozka_ / "err").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&akce, STDOUT_FILENO, (slozka_ / "out").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = -1;
        const int spusteno = posix_spawn(&pid, kSetpriv, &akce, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&akce);
        int status = 0;
        if (spusteno != 0 || waitpid(pid, &status, 0) != pid)
            return "not started";
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return NactiSoubor(slozka_ / "err");
    }
    int status_ = -1;
};

TEST_F(OpravneniCli, ARefusedDeviceIsNamedWithWhatLetsTheUserIn) {
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can hand a device to another user and run as nobody";
    if (access(kSetpriv, X_OK) != 0)
        GTEST_SKIP() << kSetpriv << " is missing";
    const struct group* dialout = getgrnam("dialout");
    if (!getpwnam("nobody") || !dialout)
        GTEST_SKIP() << "no user nobody or no group dialout";

    fs::permissions(slozka_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                 fs::perms::others_read | fs::perms::others_exec);
    fs::copy_file(fs::path(MERIVOX_BIN_DIR) / "merivox-cli", slozka_ / "merivox-cli");
    const TPseudoterminal pty;
    const std::string& zarizeni = pty.Zarizeni();
    ASSERT_FALSE(zarizeni.empty());

    const std::vector<std::string> nacteni = {
        "download", "--device", zarizeni, "--settings", (slozka_ / "Merivex.ini").string(),
        "-o",       "-"};

    ASSERT_EQ(chown(zarizeni.c_str(), 0, 0), 0);
    ASSERT_EQ(chmod(zarizeni.c_str(), 0600), 0);
    std::string chyby = SpustJakoNobody(nacteni);
    EXPECT_EQ(status_, 1) << chyby;
    EXPECT_NE(chyby.find("K sériovému portu " + zarizeni + " nemáte oprávnění."), std::string::npos)
        << chyby;
    EXPECT_NE(chyby.find("jen jeho vlastník"), std::string::npos) << chyby;
    EXPECT_EQ(chyby.find("neexistuje"), std::string::npos) << chyby;

    // A device of group dialout, as serial adapters are: join the group, log in again.
    ASSERT_EQ(chown(zarizeni.c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(chmod(zarizeni.c_str(), 0660), 0);
    chyby = SpustJakoNobody(nacteni);
    EXPECT_EQ(status_, 1) << chyby;
    EXPECT_NE(chyby.find("členové skupiny dialout"), std::string::npos) << chyby;
    EXPECT_NE(chyby.find("usermod -aG dialout"), std::string::npos) << chyby;
    EXPECT_NE(chyby.find("odhlaste a znovu přihlaste"), std::string::npos) << chyby;

    // The port list says so too. Every number is mapped, so nothing real is probed.
    {
        std::ofstream ini(slozka_ / "Merivex.ini", std::ios::binary);
        ini << "[Devices]\r\nCOM1=" << zarizeni << "\r\n";
        for (int n = 2; n <= 10; ++n)
            ini << "COM" << n << "=" << (slozka_ / "chybi").string() << "\r\n";
    }
    chyby = SpustJakoNobody({"ports", "--settings", (slozka_ / "Merivex.ini").string()});
    EXPECT_EQ(status_, 0) << chyby;
    EXPECT_NE(NactiSoubor(slozka_ / "out").find("COM1\t" + zarizeni + "\tbez oprávnění\t\n"),
              std::string::npos)
        << NactiSoubor(slozka_ / "out");
}

} // namespace
