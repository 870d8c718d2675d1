// The system's backend behind a wrapper that passes every call on, so that a test can override
// the one call it wants to hide, record or count.
#pragma once

#include "serial/SpObalBackendu.h"

using TObalZarizeni = TSpObalBackendu;
