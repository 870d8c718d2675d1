// An icon drawn from an SVG picture, rendered at the usual sizes on screens of 1 to 4 device
// pixels per point; it does not depend on Qt's SVG icon plugin being installed.
#pragma once

#include <QIcon>
#include <QString>

QIcon IkonaSvg(const QString& cesta);
