// The about box: the program's version and date, read from the program file itself.
#pragma once

#include <QDialog>

#include <filesystem>

class QLabel;
class QLocale;
class QPushButton;

// The date of a file (DatumSouboru's day scale) in the locale's short date format, with the
// year in four digits.
QString KratkeDatum(double datum, const QLocale& mistni);

class TFormOProgramu : public QDialog {
public:
    // Reads the version record and the date of `souborProgramu`; a date that cannot be read
    // leaves its line empty.
    TFormOProgramu(QWidget* rodic, const std::filesystem::path& souborProgramu);

private:
    QLabel* L_Verze;
    QLabel* L_Datum;
    QPushButton* Tl_OK;
};
