// The placed points as KML for Google Earth and web maps: a placemark per point named by its
// number, the code as its description, at its Bpv height above the sea (altitudeMode absolute).
#pragma once

#include "export/ZemepisneBody.h"

#include <string>

std::string ZapisKml(const TZemepisneBody& body, const std::string& nazevUtf8);
