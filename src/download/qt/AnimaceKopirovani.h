// The "file-copy" busy animation: a sheet of paper flying from one folder to another, over
// and over, while the waiting dialog waits for the station.
#pragma once

#include <QTimer>
#include <QWidget>

class TAnimaceKopirovani : public QWidget {
    Q_OBJECT
public:
    explicit TAnimaceKopirovani(QWidget* rodic);

    QSize sizeHint() const override { return {272, 60}; }
    // The step of the flight shown now, 0 .. PocetKroku-1 (the tests see it move).
    int Krok() const { return krok_; }
    // Puts the sheet at a step of its flight (pictures of the dialog show it mid-way).
    void NastavKrok(int krok) {
        krok_ = krok % PocetKroku;
        update();
    }
    static constexpr int PocetKroku = 24;

protected:
    void paintEvent(QPaintEvent* udalost) override;
    void showEvent(QShowEvent* udalost) override;
    void hideEvent(QHideEvent* udalost) override;

private:
    QTimer casovac_;
    int krok_ = 0;
};
