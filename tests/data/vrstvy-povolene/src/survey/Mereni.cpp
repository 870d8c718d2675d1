// The arrows meant between wings, and the layers below: the layer check must let them pass.
#include "common/IniFile.h"
#include "conversion/CteckaMereni.h"
#include "link/Komunikace.h"
#include "serial/SpComPort.h"
#include "survey/Mereni.h"
#include "upload/TabulkaBodu.h"
