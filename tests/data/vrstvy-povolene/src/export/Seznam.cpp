// Export writes the coordinate list of survey: allowed.
#include "export/Seznam.h"
#include "survey/Mereni.h"
