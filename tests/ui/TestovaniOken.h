// Window tests: record and answer the program's message boxes, answer modal windows, and
// make sure no test ever waits for a person. Window test binaries link
// merivox_ui_test_main, whose main() sets all of this up offscreen.
#pragma once

#include "ui/ZpravyOken.h"

#include <QString>

#include <chrono>
#include <deque>
#include <functional>
#include <iosfwd>
#include <vector>

// gtest prints QStrings as text in failure messages.
void PrintTo(const QString& text, std::ostream* os);

// While alive, every message box shown through UkazZpravu is recorded instead of shown and
// answered from the queue: a queued answer goes to the next box, whatever it is; a box with
// only OK needs none; a question without a queued answer fails the test and gets its escape
// answer (No). Answers left over when the recorder ends fail the test too.
class TZaznamZpravOken {
public:
    struct TZaznam {
        QString titulek;
        QString text;
        QMessageBox::Icon ikona;
        QMessageBox::StandardButtons tlacitka;
    };

    TZaznamZpravOken();
    ~TZaznamZpravOken();
    TZaznamZpravOken(const TZaznamZpravOken&) = delete;
    TZaznamZpravOken& operator=(const TZaznamZpravOken&) = delete;

    void OdpovezDalsi(QMessageBox::StandardButton odpoved);
    const std::vector<TZaznam>& Zpravy() const { return zpravy_; }
    std::vector<QString> Texty() const;

private:
    QMessageBox::StandardButton Odpovez(const TZpravaOkna& zprava);

    std::vector<TZaznam> zpravy_;
    std::deque<QMessageBox::StandardButton> odpovedi_;
    TObsluhaZprav predchozi_;
};

// Answers the modal windows a test opens (QDialog::exec, real message boxes): each modal
// window that appears is handed to the next queued callback, which closes it (accept(),
// reject(), a click). Callbacks left over when this ends fail the test.
class TOdpovediDialogu {
public:
    using TOdpoved = std::function<void(QWidget* dialog)>;
    TOdpovediDialogu();
    ~TOdpovediDialogu();
    TOdpovediDialogu(const TOdpovediDialogu&) = delete;
    TOdpovediDialogu& operator=(const TOdpovediDialogu&) = delete;

    void OdpovezDalsimu(TOdpoved odpoved);
};

// Started once by the test main: watches for modal windows, hands them to the queued
// answers, and closes any modal window left open longer than the limit, failing the test.
void SpustHlidaniDialogu();
// The limit after which an unanswered modal window is closed; returns the previous one.
std::chrono::milliseconds NastavLimitDialogu(std::chrono::milliseconds limit);
