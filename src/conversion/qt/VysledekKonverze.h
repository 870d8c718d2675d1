// The result window: the output file of a conversion, read-only, in bold type, and below it
// the conversion's protocol with a button that saves it beside the output.
#pragma once

#include <QDialog>

#include <filesystem>
#include <string>

class QPlainTextEdit;

class TFormVysledekKonverze : public QDialog {
    Q_OBJECT
public:
    // The file is read when the window is made; a missing file leaves the text empty, a file
    // that cannot be read gives the read-error box over `rodic` first.
    TFormVysledekKonverze(QWidget* rodic, const std::filesystem::path& soubor);

private:
    void Tl_UlozProtokolClick();

    std::filesystem::path soubor_;
    std::string protokol_;
    QPlainTextEdit* M_Vysledek;
    QPlainTextEdit* M_Protokol = nullptr;
};
