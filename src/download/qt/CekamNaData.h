// The waiting dialog of a download: "Čekám na data" with a running file-copy animation and the
// button that aborts the download. The station link shows it modally while it waits for the
// station's data; it cannot be closed any other way than by the link or by "&Přerušit".
#pragma once

#include "link/CekaniNaData.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TAnimaceKopirovani;

class TFormCekamNaData : public QDialog, public TCekaniNaData {
    Q_OBJECT
public:
    explicit TFormCekamNaData(QWidget* rodic);

    bool UkazModalne() override;
    void NastavText(const std::string& text) override;
    void NastavTlacitko(const std::string& titulek, const std::string& napoveda) override;
    void Zavri() override;

    // The result of a modal showing ended by "&Přerušit".
    static constexpr int VysledekPreruseni = 3;

protected:
    // Neither Escape nor the title bar end the wait: only the link or "&Přerušit" do.
    void reject() override {}
    void closeEvent(QCloseEvent* udalost) override;

private:
    QLabel* L_Popis;
    TAnimaceKopirovani* Animace;
    QPushButton* Tl_Prerusit;
    bool zavira_ = false;
};
