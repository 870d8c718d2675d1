// Replacing a file on POSIX systems: open(O_EXCL), write, fsync, fchmod to the old mode,
// rename, then fsync of the folder so that the new name survives a power cut.
#include "common/NahradaSouboru.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::error_code Errno() {
    return {errno, std::generic_category()};
}

// Temporary files to remove when a signal ends the program: fixed slots that the handler can
// read without allocating.
constexpr int kSlotu = 8;
constexpr std::size_t kDelkaCesty = 4096;
char g_cesty[kSlotu][kDelkaCesty];
std::atomic<bool> g_zabrano[kSlotu];  // taken by Hlidej
std::atomic<bool> g_obsazeno[kSlotu]; // holding a path the handler may remove
struct sigaction g_predchozi[3];
constexpr int kSignaly[3] = {SIGINT, SIGTERM, SIGHUP};

void PriSignalu(int cislo) {
    for (int i = 0; i < kSlotu; ++i)
        if (g_obsazeno[i].load())
            unlink(g_cesty[i]);
    // Then whatever was to happen before: the default (the program ends as the signal says)
    // or the handler that stood there.
    for (int i = 0; i < 3; ++i) {
        if (kSignaly[i] != cislo)
            continue;
        sigaction(cislo, &g_predchozi[i], nullptr);
        if (g_predchozi[i].sa_handler == SIG_DFL)
            raise(cislo);
        else if (g_predchozi[i].sa_handler != SIG_IGN && !(g_predchozi[i].sa_flags & SA_SIGINFO))
            g_predchozi[i].sa_handler(cislo);
    }
}

void InstalujObsluhu() {
    static std::atomic<bool> hotovo{false};
    if (hotovo.exchange(true))
        return;
    for (int i = 0; i < 3; ++i) {
        sigaction(kSignaly[i], nullptr, &g_predchozi[i]);
        // An ignored signal stays ignored; a handler of the program's own is chained.
        if (g_predchozi[i].sa_handler == SIG_IGN)
            continue;
        struct sigaction nova {};
        nova.sa_handler = PriSignalu;
        sigemptyset(&nova.sa_mask);
        nova.sa_flags = SA_RESETHAND;
        sigaction(kSignaly[i], &nova, nullptr);
    }
}

// A temporary file to remove should a signal end the program while it exists.
void Hlidej(const fs::path& docasny) {
    InstalujObsluhu();
    const std::string& text = docasny.native();
    if (text.size() >= kDelkaCesty)
        return;
    for (int i = 0; i < kSlotu; ++i) {
        if (g_zabrano[i].exchange(true))
            continue;
        std::memcpy(g_cesty[i], text.c_str(), text.size() + 1);
        g_obsazeno[i].store(true);
        return;
    }
}

} // namespace

namespace platforma {

TDruhCile DruhCile(const fs::path& cesta) {
    struct stat st {};
    if (stat(cesta.c_str(), &st) != 0)
        return TDruhCile::dcZadny;
    if (S_ISREG(st.st_mode))
        return TDruhCile::dcSoubor;
    if (S_ISDIR(st.st_mode))
        return TDruhCile::dcSlozka;
    if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode))
        return TDruhCile::dcZarizeni;
    return TDruhCile::dcJiny;
}

std::intptr_t VytvorDocasny(const fs::path& docasny, std::error_code& chyba) {
    // Guarded before it is created: a signal right after the creation must find it. Should the
    // name be taken after all, what stands there is an earlier save's leftover (no user's
    // file has such a name), so a signal removing it in the meantime does no harm.
    Hlidej(docasny);
    // 0666 less the umask: the mode a new file gets; an old file's mode is applied later.
    const int fd = open(docasny.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        chyba = Errno();
        Pust(docasny);
        return fd;
    }
    PoVytvoreni();
    return fd;
}

int CisloPopisovace(const fs::path& cesta) {
    // This process's descriptor folder as the system names it (/proc/<pid>/fd); /dev/fd and
    // /proc/self/fd lead there. Without /proc no name leads to a descriptor.
    std::error_code ec;
    const fs::path vlastni = fs::canonical("/proc/self/fd", ec);
    if (ec)
        return -1;
    fs::path krok = cesta;
    for (int i = 0; i < 40; ++i) {
        const fs::path slozka = krok.parent_path().empty() ? fs::path(".") : krok.parent_path();
        if (fs::canonical(slozka, ec) == vlastni && !ec) {
            const std::string jmeno = krok.filename().string();
            int cislo = -1;
            const auto [konec, chyba] =
                std::from_chars(jmeno.data(), jmeno.data() + jmeno.size(), cislo);
            return chyba == std::errc() && konec == jmeno.data() + jmeno.size() ? cislo : -1;
        }
        if (!fs::is_symlink(krok, ec))
            return -1;
        const fs::path dalsi = fs::read_symlink(krok, ec);
        if (ec)
            return -1;
        krok = dalsi.is_absolute() ? dalsi : krok.parent_path() / dalsi;
    }
    return -1;
}

std::intptr_t PrevezmiPopisovac(int cislo, std::error_code& chyba) {
    const int fd = fcntl(cislo, F_DUPFD_CLOEXEC, 0);
    if (fd < 0)
        chyba = Errno();
    return fd;
}

std::intptr_t OtevriZarizeni(const fs::path& cesta, std::error_code& chyba) {
    const int fd = open(cesta.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        chyba = Errno();
    return fd;
}

std::error_code ZapisBlok(std::intptr_t rukojet, std::string_view blok) {
    const char* p = blok.data();
    std::size_t zbyva = blok.size();
    while (zbyva > 0) {
        const ssize_t n = write(int(rukojet), p, zbyva);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Errno();
        }
        p += n;
        zbyva -= std::size_t(n);
    }
    return {};
}

std::error_code Splachni(std::intptr_t rukojet) {
    return fsync(int(rukojet)) == 0 ? std::error_code() : Errno();
}

std::error_code Zavri(std::intptr_t rukojet) {
    return close(int(rukojet)) == 0 ? std::error_code() : Errno();
}

std::error_code Nahrad(const fs::path& docasny, const fs::path& cil) {
    struct stat stary {};
    if (stat(cil.c_str(), &stary) == 0) {
        // The owner can only be kept by root; the mode always.
        [[maybe_unused]] const int vlastnik = chown(docasny.c_str(), stary.st_uid, stary.st_gid);
        if (chmod(docasny.c_str(), stary.st_mode & 07777) != 0)
            return Errno();
    }
    if (rename(docasny.c_str(), cil.c_str()) != 0)
        return Errno();
    const fs::path slozka = cil.parent_path().empty() ? fs::path(".") : cil.parent_path();
    const int fd = open(slozka.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd); // some file systems cannot flush a folder; the rename stands anyway
        close(fd);
    }
    return {};
}

void Smaz(const fs::path& cesta) {
    unlink(cesta.c_str());
}

void Pust(const fs::path& docasny) {
    for (int i = 0; i < kSlotu; ++i)
        if (g_obsazeno[i].load() && docasny.native() == g_cesty[i]) {
            g_obsazeno[i].store(false);
            g_zabrano[i].store(false);
            return;
        }
}

} // namespace platforma
