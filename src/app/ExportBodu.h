// The point window's "Exportovat…": the table read as a coordinate list and handed to the
// export dialog. Here, because the point window's wing does not see the export wing.
#pragma once

class TFormZapisSouradnicBodu;

void ExportTabulkyBodu(TFormZapisSouradnicBodu& okno);
