// The window "Načtená data": the downloaded text, read-only, with saving as a measured-data
// file, the conversion of the saved file to MAPA2 and the measurement view of the text shown.
#pragma once

#include "common/TypStanice.h"

#include <QDialog>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QPlainTextEdit;
class QPushButton;
class TComDriver;

class TFormNactenaData : public QDialog {
    Q_OBJECT
public:
    // Results of the modal showing besides Rejected ("&Zavřít", Escape, the title bar): the
    // window closed after a conversion, with or without a result to show.
    static constexpr int VysledekAno = 6;
    static constexpr int VysledekNe = 7;

    // What "Konverze" does with the saved file: the output to show, or nothing. The main
    // window hands in the conversion's own (KonverzeUlozenehoSouboru), as the download wing
    // does not see the conversion wing.
    using TKonverze = std::function<std::optional<std::filesystem::path>(
        QWidget* okno, const std::filesystem::path& soubor, TTypStanice typStanice)>;

    // What "Náhled" does with the data shown: the main window hands in the measurement view
    // (which this wing does not see either); without it the button stays disabled.
    using TNahled =
        std::function<void(QWidget* okno, const std::string& data, TTypStanice typStanice)>;

    TFormNactenaData(QWidget* rodic, TComDriver& driver, TKonverze konverze, TNahled nahled = {});

    // The downloaded bytes, unchanged (cp1250, CR LF line ends, the end mark included); they
    // come from the driver's station type at this moment.
    void NastavData(const std::string& prijato);
    // Empty until the data were saved, then the name last saved.
    const std::filesystem::path& UlozenySoubor() const { return ulozenySoubor_; }
    // Empty until a conversion ran; the main window opens the result window for it.
    const std::filesystem::path& VystupKonverze() const { return vystupKonverze_; }

    // "&Zavřít", Escape and the title bar: data not saved yet are not dropped without asking.
    void reject() override;

private slots:
    void Tl_UlozClick();
    void Tl_KonverzeClick();
    void Tl_NahledClick();

private:
    // Save / discard / go back for data not saved yet; true when the window may close.
    bool MuzeZavrit();

    TComDriver& driver_;
    TKonverze konverze_;
    TNahled nahled_;
    std::string data_;
    TTypStanice typDat_ = TTypStanice::tsNTS660;
    std::filesystem::path ulozenySoubor_;
    std::filesystem::path vystupKonverze_;
    QPlainTextEdit* M_NactenaData;
    QPushButton* Tl_Uloz;
    QPushButton* Tl_Konverze;
    QPushButton* Tl_Nahled;
    QPushButton* Tl_Zavrit;
};
