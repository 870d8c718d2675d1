// The coordinate list as an ASCII DXF drawing of AutoCAD 2000 (AC1015) in metres, in cp1250
// ($DWGCODEPAGE ANSI_1250): a POINT per point with its height, the point number as a TEXT
// beside it on the point's layer (one layer per code) and the height as a TEXT on the layer
// "VYSKY".
#pragma once

#include "survey/SeznamSouradnic.h"

#include <string>

// How S-JTSK's Y and X become the drawing's x and y.
enum class TOsyDxf : std::uint8_t {
    // x = -Y, y = -X: EPSG:5514's east and north, so the drawing lies over other S-JTSK data
    // in a GIS.
    odEpsg5514,
    // x = +Y, y = +X: the drawing turned by 200 gon (not mirrored), as many Czech CAD users
    // draw S-JTSK.
    odOtocene,
};

// The file's bytes. Every point needs Y and X (the caller refuses points without them); a point
// without a height lies at height 0 and has no height text.
std::string ZapisDxf(const TSeznamSouradnic& body, TOsyDxf osy);
