// The result window: the output file of a conversion, read-only, in bold type.
#pragma once

#include <QDialog>

#include <filesystem>

class QPlainTextEdit;

class TFormVysledekKonverze : public QDialog {
    Q_OBJECT
public:
    // The file is read when the window is made; a missing file leaves the text empty, a file
    // that cannot be read gives the read-error box over `rodic` first.
    TFormVysledekKonverze(QWidget* rodic, const std::filesystem::path& soubor);

private:
    QPlainTextEdit* M_Vysledek;
};
