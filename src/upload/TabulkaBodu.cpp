#include "upload/TabulkaBodu.h"

#include "common/Cp1250.h"

TTabulkaBodu::TTabulkaBodu()
    : TTabulkaTextu({Cz("  Číslo"), "  Y (N)", "  X (E)", "  Z", Cz("  Poznámka")}) {}
