// The version record of the program file (see common/VerzniZaznam.h). Compiled straight into
// each program so that it sits in the file and can be read back by path; the numbers come
// from the project version.
#include "common/VerzniZaznam.h"

[[gnu::used, gnu::retain]] const TVerzniZaznam gVerzniZaznamProgramu = VytvorVerzniZaznam(
    MERIVOX_VERZE_HLAVNI, MERIVOX_VERZE_VEDLEJSI, MERIVOX_VERZE_VYDANI, MERIVOX_VERZE_SESTAVENI);
