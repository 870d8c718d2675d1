// merivox-ptypair: the Linux side of the COM ports that the Windows build's tests open under Wine.
//
//   merivox-ptypair start PIDFILE [--pair LINK_A LINK_B]... [--hangup LINK_C]...
//   merivox-ptypair stop PIDFILE
//
// start makes pseudo-terminals and puts links to them at the LINK paths, which the Wine prefix
// maps to COM ports. The two of a --pair are joined like a null-modem cable (what one side
// writes, the other reads). A --hangup line hangs up (its master side closes) as soon as anything
// is written to it. It returns once the links exist and relays in the background until stop.
//
// A test hangs up one side of a pair by creating the file LINK.hangup: the relay closes that
// pseudo-terminal, as a pulled cable, and plugs a fresh one in at the same link for the next
// open. The relay keeps each slave side open itself and in raw mode, so that a Windows program
// may open and close its port as often as it likes without the line hanging up in between.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/syscall.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

volatile std::sig_atomic_t gStop = 0;
void OnSignal(int) {
    gStop = 1;
}

struct TPty {
    int master = -1;
    int slave = -1;   // held open by the relay
    int partner = -1; // index of the other side of the pair; -1 for a hang-up line
    std::string link;
    std::string pending; // bytes read from the other side not yet written here
};

[[noreturn]] void Die(const char* what) {
    std::fprintf(stderr, "merivox-ptypair: %s: %s\n", what, std::strerror(errno));
    std::exit(1);
}

void OpenPty(TPty& pty) {
    pty.master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (pty.master < 0 || grantpt(pty.master) != 0 || unlockpt(pty.master) != 0)
        Die("posix_openpt");
    const char* name = ptsname(pty.master);
    if (!name)
        Die("ptsname");
    pty.slave = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (pty.slave < 0)
        Die(name);
    termios tio{};
    if (tcgetattr(pty.slave, &tio) != 0)
        Die("tcgetattr");
    cfmakeraw(&tio);
    cfsetspeed(&tio, B9600);
    if (tcsetattr(pty.slave, TCSANOW, &tio) != 0)
        Die("tcsetattr");
    unlink(pty.link.c_str());
    if (symlink(name, pty.link.c_str()) != 0)
        Die(pty.link.c_str());
}

void Close(TPty& pty) {
    if (pty.master >= 0)
        close(pty.master);
    if (pty.slave >= 0)
        close(pty.slave);
    pty.master = pty.slave = -1;
    pty.pending.clear();
    if (!pty.link.empty())
        unlink(pty.link.c_str());
}

// Bytes that wait for the other side are bounded: past this the relay stops reading, so a
// writer that outruns its reader fills the queues as on a real line.
constexpr std::size_t kMaxPending = 64 * 1024;

// A hang-up the test asked for: the line goes away, and a fresh one is plugged in.
void HangUpOnRequest(TPty& pty) {
    const std::string request = pty.link + ".hangup";
    if (pty.partner < 0 || access(request.c_str(), F_OK) != 0)
        return;
    Close(pty);
    OpenPty(pty);
    unlink(request.c_str());
}

void Relay(std::vector<TPty>& ptys) {
    char buffer[4096];
    while (!gStop) {
        std::vector<pollfd> fds;
        for (TPty& self : ptys) {
            short events = 0;
            if (self.master >= 0) {
                if (self.partner < 0 || ptys[self.partner].pending.size() < kMaxPending)
                    events |= POLLIN;
                if (!self.pending.empty())
                    events |= POLLOUT;
            }
            fds.push_back({self.master, events, 0});
        }
        // The timeout is also how soon a hang-up request is seen.
        if (poll(fds.data(), fds.size(), 50) < 0) {
            if (errno == EINTR)
                continue;
            Die("poll");
        }
        for (std::size_t i = 0; i < ptys.size(); ++i) {
            TPty& self = ptys[i];
            if (self.master < 0)
                continue;
            if (self.partner < 0) {
                if (fds[i].revents)
                    Close(self); // a hang-up line: written to, it goes away
                continue;
            }
            TPty& other = ptys[self.partner];
            if (fds[i].revents & POLLIN) {
                const ssize_t n = read(self.master, buffer, sizeof buffer);
                if (n > 0)
                    other.pending.append(buffer, std::size_t(n));
            }
            if ((fds[i].revents & POLLOUT) && !self.pending.empty()) {
                const ssize_t n = write(self.master, self.pending.data(), self.pending.size());
                if (n > 0)
                    self.pending.erase(0, std::size_t(n));
            }
        }
        for (TPty& pty : ptys)
            HangUpOnRequest(pty);
    }
}

int Start(int argc, char** argv) {
    if (argc < 3)
        return 2;
    const std::string pidFile = argv[2];
    std::vector<TPty> ptys;
    for (int i = 3; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--pair" && i + 2 < argc) {
            const int a = static_cast<int>(ptys.size());
            ptys.push_back({-1, -1, a + 1, argv[i + 1], {}});
            ptys.push_back({-1, -1, a, argv[i + 2], {}});
            i += 2;
        } else if (option == "--hangup" && i + 1 < argc) {
            ptys.push_back({-1, -1, -1, argv[i + 1], {}});
            i += 1;
        } else {
            return 2;
        }
    }
    if (ptys.empty())
        return 2;
    int ready[2];
    if (pipe(ready) != 0)
        Die("pipe");
    const pid_t child = fork();
    if (child < 0)
        Die("fork");
    if (child > 0) {
        close(ready[1]);
        char ok = 0;
        const bool started = read(ready[0], &ok, 1) == 1 && ok == 1;
        return started ? 0 : 1;
    }
    close(ready[0]);
    setsid();
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGHUP, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    for (TPty& pty : ptys) {
        unlink((pty.link + ".hangup").c_str());
        OpenPty(pty);
    }
    std::ofstream(pidFile) << getpid() << "\n";
    const int devNull = open("/dev/null", O_RDWR);
    // Nothing of the caller's may stay open here: ctest waits for its output pipe to close.
    dup2(devNull, 0);
    dup2(devNull, 1);
    dup2(devNull, 2);
    const char ok = 1;
    if (write(ready[1], &ok, 1) != 1)
        return 1;
    close(ready[1]);
    Relay(ptys);
    for (TPty& pty : ptys)
        Close(pty);
    unlink(pidFile.c_str());
    return 0;
}

int Stop(int argc, char** argv) {
    if (argc != 3)
        return 2;
    std::ifstream in(argv[2]);
    pid_t pid = 0;
    if (!(in >> pid) || pid <= 0)
        return 0; // not running
    // Not our child, so not for waitpid: its process descriptor becomes readable when it ends.
    const int proces = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (kill(pid, SIGTERM) != 0) {
        if (proces >= 0)
            close(proces);
        return 0;
    }
    if (proces >= 0) {
        pollfd p{proces, POLLIN, 0};
        poll(&p, 1, 5000);
        close(proces);
    }
    unlink(argv[2]);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    int result = 2;
    if (command == "start")
        result = Start(argc, argv);
    else if (command == "stop")
        result = Stop(argc, argv);
    if (result == 2)
        std::fprintf(
            stderr,
            "usage: merivox-ptypair start PIDFILE [--pair LINK_A LINK_B]... [--hangup LINK_C]...\n"
            "       merivox-ptypair stop PIDFILE\n");
    return result;
}
