// A lower layer that reaches up into a wing: the layer check must refuse it.
#include "upload/TabulkaBodu.h"
