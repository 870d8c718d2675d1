// A COM port has no owning group on Windows: a refused port is one another program holds.
#include "serial/SpVlastnikZarizeni.h"

TSpVlastnikZarizeni SpVlastnikZarizeni(const std::string&) {
    return {};
}
