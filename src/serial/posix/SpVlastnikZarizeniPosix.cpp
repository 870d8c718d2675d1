// The group of a device file by stat(), which follows a link such as /dev/serial/by-id/...
#include "serial/SpVlastnikZarizeni.h"

#include <grp.h>
#include <sys/stat.h>

#include <vector>

TSpVlastnikZarizeni SpVlastnikZarizeni(const std::string& path) {
    TSpVlastnikZarizeni vlastnik;
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return vlastnik;
    std::vector<char> pamet(16384);
    struct group skupina {};
    struct group* nalezena = nullptr;
    if (getgrgid_r(st.st_gid, &skupina, pamet.data(), pamet.size(), &nalezena) != 0 || !nalezena)
        return vlastnik;
    vlastnik.Skupina = nalezena->gr_name;
    vlastnik.SkupinaSmi = (st.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    return vlastnik;
}
