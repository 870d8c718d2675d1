#include "serial/SimProces.h"

#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

TSimProces::TSimProces(const std::vector<std::string>& argumenty) {
    int roura[2];
    if (pipe(roura) != 0)
        return;
    std::string program = std::string(MERIVOX_BIN_DIR) + "/merivox-sim";
    std::vector<char*> argv{program.data()};
    std::vector<std::string> kopie = argumenty;
    for (std::string& a : kopie)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t akce;
    posix_spawn_file_actions_init(&akce);
    posix_spawn_file_actions_adddup2(&akce, roura[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&akce, roura[0]);
    if (posix_spawn(&pid_, program.c_str(), &akce, nullptr, argv.data(), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&akce);
    close(roura[1]);
    char c;
    while (pid_ > 0 && read(roura[0], &c, 1) == 1 && c != '\n')
        zarizeni_ += c;
    close(roura[0]);
}

int TSimProces::Cekej(std::chrono::milliseconds limit) {
    if (pid_ <= 0)
        return stav_;
    // The process's descriptor becomes readable when it ends.
    const int proces = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
    if (proces >= 0) {
        pollfd p{proces, POLLIN, 0};
        const int n = poll(&p, 1, static_cast<int>(limit.count()));
        close(proces);
        if (n == 0)
            return -1;
    }
    int status = 0;
    if (waitpid(pid_, &status, 0) != pid_)
        return -1;
    pid_ = -1;
    stav_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    return stav_;
}

TSimProces::~TSimProces() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
}
