// Who may open a device file: the group that owns it and whether that group may read and write
// it. A user refused a port is told which group to join; where the system has no such notion
// (Windows), or the file cannot be examined, the group is empty.
#pragma once

#include <string>

struct TSpVlastnikZarizeni {
    std::string Skupina;
    bool SkupinaSmi = false; // the group has read and write permission
};

TSpVlastnikZarizeni SpVlastnikZarizeni(const std::string& path);
