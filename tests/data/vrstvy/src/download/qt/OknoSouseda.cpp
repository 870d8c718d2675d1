// A window that opens another wing's window itself instead of through src/app: refused.
#include "conversion/qt/KonverzeOken.h"
