// The signals of Windows that end a transfer in order (Ctrl+Break comes as SIGBREAK).
#include "Preruseni.h"

#include <csignal>

const std::vector<int>& SignalyUkonceni() {
    static const std::vector<int> signaly{SIGINT, SIGTERM, SIGBREAK};
    return signaly;
}

std::string NazevSignalu(int signal) {
    switch (signal) {
    case SIGINT:
        return "SIGINT (Ctrl+C)";
    case SIGBREAK:
        return "Ctrl+Break";
    case SIGTERM:
        return "SIGTERM";
    default:
        return "signal " + std::to_string(signal);
    }
}

// Windows has no SIGPIPE: a write into a closed pipe fails with an error already.
void IgnorujZavrenouRouru() {}
