// The system's serial backend with a count of the bytes read from the device, so that
// merivox-cli can show how much of a download has come without looking inside the driver.
#pragma once

#include "serial/SpBackend.h"

#include <cstdint>
#include <memory>

// A backend factory for TProstrediKomunikace: the system's backend, counted.
std::unique_ptr<TSpBackend> VytvorPocitanyBackend();

// Bytes read by every counted backend since the last reset (any thread).
int64_t PrectenoBajtu();
void VynulujPocitadloBajtu();
