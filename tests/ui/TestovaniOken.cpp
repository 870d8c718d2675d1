#include "ui/TestovaniOken.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// --- message boxes ---------------------------------------------------------------------

TZaznamZpravOken::TZaznamZpravOken() {
    predchozi_ =
        NastavObsluhuZprav([this](QWidget*, const TZpravaOkna& zprava) { return Odpovez(zprava); });
}

TZaznamZpravOken::~TZaznamZpravOken() {
    NastavObsluhuZprav(std::move(predchozi_));
    EXPECT_TRUE(odpovedi_.empty()) << odpovedi_.size() << " prepared answer(s) never asked for";
}

void TZaznamZpravOken::OdpovezDalsi(QMessageBox::StandardButton odpoved) {
    odpovedi_.push_back(odpoved);
}

std::vector<QString> TZaznamZpravOken::Texty() const {
    std::vector<QString> texty;
    for (const auto& z : zpravy_)
        texty.push_back(z.text);
    return texty;
}

QMessageBox::StandardButton TZaznamZpravOken::Odpovez(const TZpravaOkna& zprava) {
    zpravy_.push_back({zprava.titulek, zprava.text, zprava.ikona, zprava.tlacitka});
    const auto unik = zprava.tlacitka.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    if (odpovedi_.empty()) {
        if (zprava.tlacitka == QMessageBox::Ok)
            return QMessageBox::Ok;
        ADD_FAILURE() << "question without a prepared answer: " << zprava.text.toStdString();
        return unik;
    }
    const auto odpoved = odpovedi_.front();
    odpovedi_.pop_front();
    if (!zprava.tlacitka.testFlag(odpoved)) {
        ADD_FAILURE() << "the prepared answer is not a button of: " << zprava.text.toStdString();
        return unik;
    }
    return odpoved;
}

// --- modal windows -----------------------------------------------------------------------

namespace {

class THlidacDialogu : public QObject {
public:
    THlidacDialogu() {
        casovac_.setInterval(10);
        connect(&casovac_, &QTimer::timeout, this, [this] { Zkontroluj(); });
        casovac_.start();
    }

    std::deque<TOdpovediDialogu::TOdpoved> odpovedi;
    std::chrono::milliseconds limit{5000};

private:
    void Zkontroluj() {
        QWidget* modalni = QApplication::activeModalWidget();
        if (!modalni) {
            sledovany_ = nullptr;
            return;
        }
        if (modalni != sledovany_) {
            sledovany_ = modalni;
            od_.start();
            if (!odpovedi.empty()) {
                // Called from its own event, so that the answer may open further modal
                // windows of its own without blocking this watch.
                QTimer::singleShot(
                    0, modalni,
                    [odpoved = std::move(odpovedi.front()), dialog = QPointer<QWidget>(modalni)] {
                        if (dialog)
                            odpoved(dialog);
                    });
                odpovedi.pop_front();
            }
            return;
        }
        if (od_.elapsed() < limit.count())
            return;
        ADD_FAILURE() << "modal window \"" << modalni->windowTitle().toStdString()
                      << "\" left open without an answer; closed by the test";
        sledovany_ = nullptr;
        if (auto* dialog = qobject_cast<QDialog*>(modalni))
            dialog->reject();
        else
            modalni->close();
    }

    QTimer casovac_;
    QPointer<QWidget> sledovany_;
    QElapsedTimer od_;
};

THlidacDialogu*& Hlidac() {
    static THlidacDialogu* hlidac = nullptr;
    return hlidac;
}

} // namespace

void SpustHlidaniDialogu() {
    if (!Hlidac())
        Hlidac() = new THlidacDialogu; // lives as long as the process
}

std::chrono::milliseconds NastavLimitDialogu(std::chrono::milliseconds limit) {
    SpustHlidaniDialogu();
    std::swap(Hlidac()->limit, limit);
    return limit;
}

TOdpovediDialogu::TOdpovediDialogu() {
    SpustHlidaniDialogu();
}

TOdpovediDialogu::~TOdpovediDialogu() {
    EXPECT_TRUE(Hlidac()->odpovedi.empty())
        << Hlidac()->odpovedi.size() << " prepared answer(s) for modal windows never used";
    Hlidac()->odpovedi.clear();
}

void TOdpovediDialogu::OdpovezDalsimu(TOdpoved odpoved) {
    Hlidac()->odpovedi.push_back(std::move(odpoved));
}
