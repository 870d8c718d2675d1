// Opened without blocking: a FIFO without a reader refuses at once (ENXIO), and one whose
// reader does not read is given the limit to take the text.
#include "link/PripojeniZaznamu.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

bool PripojBezCekani(const std::filesystem::path& soubor, const std::string& text, bool znovu,
                     std::chrono::milliseconds limit) {
    const int fd = open(soubor.c_str(),
                        O_WRONLY | O_CREAT | O_APPEND | O_NONBLOCK | O_CLOEXEC | O_NOCTTY |
                            (znovu ? O_TRUNC : 0),
                        0644);
    if (fd < 0)
        return false;
    const auto konec = std::chrono::steady_clock::now() + limit;
    std::size_t zapsano = 0;
    while (zapsano < text.size()) {
        const ssize_t n = write(fd, text.data() + zapsano, text.size() - zapsano);
        if (n > 0) {
            zapsano += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            break;
        const auto zbyva = std::chrono::duration_cast<std::chrono::milliseconds>(
            konec - std::chrono::steady_clock::now());
        pollfd p{fd, POLLOUT, 0};
        if (zbyva.count() <= 0 || poll(&p, 1, static_cast<int>(zbyva.count())) <= 0)
            break;
    }
    close(fd);
    return zapsano == text.size();
}
