// "Exportovat…": the save dialog with one filter per format, then the export of the list into
// the chosen file. The measurement view and the point window (through the main window) call it.
#pragma once

#include "survey/SeznamSouradnic.h"

#include <QStringList>

class QWidget;

// The filters in the dialog's order: CSV, CSV for a Czech spreadsheet, DXF, DXF turned,
// GeoJSON, KML.
QStringList FiltryExportu();

// Asks for the file and writes it; every refusal or failure is told in a message box over
// `rodic`. Returns whether a file was written.
bool ExportujSouradnice(const TSeznamSouradnic& body, QWidget* rodic);
