// The roads into the window "Náhled měření": from a measured-data file chosen as the
// conversion chooses it, and from the text of the window "Načtená data" (the main window hands
// NahledDat to that window, which does not see this wing).
#pragma once

#include "common/TypStanice.h"
#include "survey/qt/NahledMereni.h"

#include <string>

class QWidget;

// "Náhled měření ...": asks for a measured-data file and shows the view of it.
void NahledMereniOken(QWidget* rodic, TTypStanice typStanice,
                      TFormNahledMereni::TExport exportovat = {});

// The view of data in memory (cp1250 bytes, as downloaded), saved or not.
void NahledDat(QWidget* rodic, const std::string& data, TTypStanice typStanice,
               TFormNahledMereni::TExport exportovat = {});
