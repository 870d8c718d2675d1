// The placed points as GeoJSON (RFC 7946): WGS 84 longitude and latitude with 9 decimals (a
// tenth of a millimetre, so that nothing is lost to rounding), the Bpv height as measured as
// the third coordinate, and the S-JTSK coordinates as read among each point's properties.
#pragma once

#include "export/ZemepisneBody.h"

#include <string>

std::string ZapisGeoJson(const TZemepisneBody& body);
