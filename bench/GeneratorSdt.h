// Measured-data files of any size for the benchmarks: what an NTS-660 sends for a long day
// of detail survey (stations with backsight and foresight, side shots with SD, HV and HD
// observations, notes), deterministic for a given seed.
#pragma once

#include <cstddef>
#include <string>

std::string GenerujSdt(std::size_t velikost, unsigned semeno = 1);
