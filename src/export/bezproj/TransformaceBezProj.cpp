// A build without PROJ: CSV and DXF work, the exports that need WGS 84 say why they cannot.
#include "export/TransformaceJTSK.h"

#include "common/Cp1250.h"

std::unique_ptr<TTransformaceJTSK> VytvorTransformaciJTSK(std::string& chyba) {
    chyba = Cz("Export do GeoJSON a KML potřebuje knihovnu PROJ, se kterou tato sestava programu "
               "není sestavena. Export do CSV a DXF funguje.");
    return nullptr;
}
