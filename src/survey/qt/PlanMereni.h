// The plan widget of the measurement view: wheel zoom around the pointer, drag to pan, a
// click selects the nearest point, and "fit all".
#pragma once

#include "survey/qt/KresbaPlanu.h"
#include "survey/qt/Plan.h"

#include <QWidget>

class TPlanMereni : public QWidget {
    Q_OBJECT
public:
    explicit TPlanMereni(QWidget* rodic = nullptr);

    // A new plan, shown whole.
    void NastavPlan(TPlan plan);
    const TPlan& Plan() const { return plan_; }

    // Highlights a point (-1: none) without announcing it; a point outside the view is brought
    // into its centre.
    void VyberBod(int index);
    int VybranyBod() const { return styl_.Vybrany; }

    // The whole plan in the widget ("fit all").
    void CelyPlan();

    const TPohledPlanu& Pohled() const { return pohled_; }
    // The point whose symbol lies within a few pixels of `misto`, the nearest one; -1 if none.
    int BodU(QPointF misto) const;

signals:
    // The user clicked a point (or beside all of them: -1).
    void BodVybran(int index);

protected:
    void paintEvent(QPaintEvent* udalost) override;
    void resizeEvent(QResizeEvent* udalost) override;
    void wheelEvent(QWheelEvent* udalost) override;
    void mousePressEvent(QMouseEvent* udalost) override;
    void mouseMoveEvent(QMouseEvent* udalost) override;
    void mouseReleaseEvent(QMouseEvent* udalost) override;

private:
    QRectF Plocha() const { return QRectF(rect()); }

    TPlan plan_;
    TPohledPlanu pohled_;
    TStylPlanu styl_;
    bool celyPlan_ = true; // keeps fitting on resize until the user zooms or pans
    QPointF stisk_;
    QPointF posledni_;
    bool tazeni_ = false;
};
