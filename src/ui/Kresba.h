// A picture of the program drawn at any size: the SVG itself where Qt has its SVG module, else
// the PNG drawing of it that the build made under the same resource name
// (cmake/MerivoxKresby.cmake). One file per kind of Qt.
#pragma once

#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class QRectF;

class TKresba {
public:
    explicit TKresba(const QString& cesta);
    ~TKresba();
    TKresba(const TKresba&) = delete;
    TKresba& operator=(const TKresba&) = delete;

    // The picture's own size, as its SVG gives it.
    QSize Velikost() const;
    void Nakresli(QPainter& kreslic, const QRectF& kam) const;

private:
    struct TObsah;
    std::unique_ptr<TObsah> obsah_;
};
