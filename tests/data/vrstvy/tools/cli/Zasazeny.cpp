// A tool that includes a window header of a qt/ folder is Qt too.
#include "link/qt/ComConfig.h"
