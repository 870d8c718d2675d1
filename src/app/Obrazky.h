// The program's pictures: the program icon, the tool-bar pictures and the picture of the main
// window, all drawn as SVG and rendered at the size and pixel density they are shown at.
#pragma once

#include <QIcon>
#include <QString>

// The SVG of a picture of the program by name, e.g. "konverze" (":/obrazky/konverze.svg").
QString CestaObrazku(const QString& jmeno);

// An icon of the picture, crisp at the usual sizes on screens of 1 to 4 device pixels per
// point; it does not depend on Qt's SVG icon plugin being installed.
QIcon IkonaObrazku(const QString& jmeno);

QIcon IkonaProgramu();
