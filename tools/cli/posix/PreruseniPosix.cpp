// The signals of a POSIX system that end a transfer in order.
#include "Preruseni.h"

#include <csignal>

const std::vector<int>& SignalyUkonceni() {
    static const std::vector<int> signaly{SIGINT, SIGTERM, SIGHUP};
    return signaly;
}

std::string NazevSignalu(int signal) {
    switch (signal) {
    case SIGINT:
        return "SIGINT (Ctrl+C)";
    case SIGTERM:
        return "SIGTERM";
    case SIGHUP:
        return "SIGHUP";
    default:
        return "signal " + std::to_string(signal);
    }
}

void IgnorujZavrenouRouru() {
    std::signal(SIGPIPE, SIG_IGN);
}
