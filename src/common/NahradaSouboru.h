// The one way the program saves a file (settings, conversion output, downloaded data, point
// and code tables): the new content goes to a temporary file beside the old one under a name
// no user's file has, is flushed to the disk, and only then takes the old file's place in one
// step, keeping its permissions. A save that fails at any point leaves the old file as it was
// and no temporary file behind, also when the program is ended by Ctrl+C or SIGTERM.
//
// Through a symbolic link the linked file is replaced, not the link. A target that is a device
// or a pipe (/dev/null, a FIFO, Windows' NUL) is written into directly, as a shell redirection
// would; it is never replaced by a regular file. So is a name of one of the program's open
// descriptors (/dev/stdout, /dev/fd/N, /proc/self/fd/N): the data go where the descriptor
// writes, after what it has written (`>> all.zap` keeps the earlier content), and the file
// behind it is never replaced. A folder and the other kinds of non-regular files are refused.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

class TNahradaSouboru {
public:
    // Prepares the temporary file (or opens the device). Chyba() says when that failed.
    explicit TNahradaSouboru(std::filesystem::path soubor);
    // Without a successful Dokonci the temporary file is removed and the old file stays.
    ~TNahradaSouboru();
    TNahradaSouboru(const TNahradaSouboru&) = delete;
    TNahradaSouboru& operator=(const TNahradaSouboru&) = delete;

    // The first failure so far; empty while all is well.
    std::error_code Chyba() const { return chyba_; }
    // Appends to the new content; after a failure it does nothing.
    void Zapis(std::string_view data);
    // Whether ZacniZnovu can take back what was written: only a temporary file can, a device
    // or a descriptor has passed it on already.
    bool LzeZacitZnovu() const { return !docasny_.empty() && !chyba_; }
    // Drops everything written so far (a new empty temporary file); false when it cannot.
    bool ZacniZnovu();
    // Writes what is buffered, flushes it to the disk and puts the file in its place. Returns
    // the first failure of the whole save (then nothing was replaced).
    std::error_code Dokonci();

private:
    void VytvorDocasny();
    void Vyprazdni();
    void Zahod();

    std::filesystem::path cil_;
    std::filesystem::path docasny_; // empty when writing into a device directly
    std::intptr_t rukojet_ = -1;
    std::string buffer_;
    std::error_code chyba_;
    bool hotovo_ = false;
};

// Whether a save to this path writes into something that already exists and is not replaced
// (a device, a pipe, an open descriptor): nothing of the user's is overwritten there.
bool ZapisBezNahrady(const std::filesystem::path& soubor);

// The whole content at once.
std::error_code NahradSoubor(const std::filesystem::path& soubor, std::string_view obsah);

// Tests stand a failing disk in for the real one: while set, every block about to be written
// goes to `porucha` first, and an error it returns fails the write as the system's own would
// (a full disk: std::errc::no_space_on_device). An empty function restores the real disk.
using TPoruchaDisku = std::function<std::error_code(std::string_view blok)>;
void NastavPoruchuDisku(TPoruchaDisku porucha);

// Tests reach the moment right after the temporary file has been created: while set, the
// function runs there, before the save goes on (a signal raised in it must still find the
// file guarded). An empty function removes it.
void NastavZasahPoVytvoreni(std::function<void()> zasah);

// The error's text in the system's words, as cp1250.
std::string TextChyby(const std::error_code& chyba);

// Platform half, one file per system. Handles are file descriptors or HANDLEs.
namespace platforma {
enum class TDruhCile { dcZadny, dcSoubor, dcSlozka, dcZarizeni, dcJiny };
// What stands at the path, links followed.
TDruhCile DruhCile(const std::filesystem::path& cesta);
// The number of the program's open descriptor that the path names, itself or through links
// (/dev/stdout, /dev/fd/N, /proc/self/fd/N); -1 when it names none (always so on Windows).
int CisloPopisovace(const std::filesystem::path& cesta);
// A handle of its own to the open descriptor `cislo`, sharing its position.
std::intptr_t PrevezmiPopisovac(int cislo, std::error_code& chyba);
// Creates `docasny` exclusively (fails when anything stands there), guarded from before it
// exists: whenever it exists, a signal that ends the program (Ctrl+C, SIGTERM, SIGHUP, a
// closed console) removes it.
std::intptr_t VytvorDocasny(const std::filesystem::path& docasny, std::error_code& chyba);
// Runs the tests' hook (NastavZasahPoVytvoreni) once the temporary file exists.
void PoVytvoreni();
// Opens a device or pipe for writing.
std::intptr_t OtevriZarizeni(const std::filesystem::path& cesta, std::error_code& chyba);
std::error_code ZapisBlok(std::intptr_t rukojet, std::string_view blok);
// Forces the written data onto the disk.
std::error_code Splachni(std::intptr_t rukojet);
std::error_code Zavri(std::intptr_t rukojet);
// Gives the temporary file the permissions of `cil` when that exists, moves it over `cil` and
// makes the move itself lasting (the folder flushed).
std::error_code Nahrad(const std::filesystem::path& docasny, const std::filesystem::path& cil);
void Smaz(const std::filesystem::path& cesta);
// Forgets a temporary file that VytvorDocasny guards: it is gone or has taken the target's
// place.
void Pust(const std::filesystem::path& docasny);
} // namespace platforma
