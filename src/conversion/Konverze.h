// The conversion to MAPA2 as a whole: everything a caller of the engine needs.
#pragma once

#include "conversion/KonverzeRozhrani.h"
#include "conversion/KonverzeSouboru.h"
#include "conversion/NastaveniMAPA2.h"
#include "conversion/ParametryKonverze.h"
#include "conversion/TextyKonverze.h"
#include "conversion/Varianta.h"
#include "conversion/VypocetRedukci.h"
#include "conversion/ZapisMAPA2.h"
