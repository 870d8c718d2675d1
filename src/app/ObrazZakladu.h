// The picture in the main window's sunken panel, drawn centred at its own size (smaller
// when the panel is smaller), sharp at any pixel density.
#pragma once

#include "ui/Kresba.h"

#include <QWidget>

class TObrazZakladu : public QWidget {
public:
    explicit TObrazZakladu(QWidget* rodic = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* udalost) override;

private:
    TKresba obraz_;
};
