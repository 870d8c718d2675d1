// The pictures of the upload windows: the tool-bar buttons and the two tree pictures, drawn
// as SVG and rendered at the sizes they are shown at.
#pragma once

#include <QIcon>
#include <QString>

// An icon of the picture ":/zapis/<jmeno>.svg", e.g. "uloz-soubor".
QIcon IkonaZapisu(const QString& jmeno);
