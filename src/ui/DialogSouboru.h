// The open and save dialogs of every window, starting in the Data folder. The patterns must
// match regardless of case, so that "*.sdt" also finds the "*.SDT" files the station writes:
// Windows' own dialog does that, so Windows gets it; elsewhere Qt's own dialog (a desktop's
// GTK dialog would not). Both ask before replacing a file and take only existing folders. Qt's
// dialog opens wide enough for its columns, with sizes, types and dates in Czech whatever the
// locale.
#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>

class QFileDialog;
class QWidget;

enum class TDruhDialogu { dgOtevreni, dgUlozeni };

// True where the system's own dialog is used (one file per system).
bool SystemovyDialogSouboru();

// Asks for a file in the dialog named `jmeno` (OD_..., SD_...): the chosen file by its UTF-16
// name (so a Czech name means the same file on every system), or empty when cancelled.
// `zvolenyFiltr`, when given, receives the filter chosen last (a format chosen by its filter).
std::filesystem::path ZvolenySoubor(QWidget* rodic, TDruhDialogu druh, const QString& jmeno,
                                    const QString& pripona, const QStringList& filtry,
                                    QString* zvolenyFiltr = nullptr);

// How every window's file dialog is answered once prepared: by default it is shown modally;
// the tests look at it and answer it themselves. An empty function restores the default.
// Returns the previous way.
using TVolbaSouboru = std::function<QString(QFileDialog& dialog)>;
TVolbaSouboru NastavVolbuSouboru(TVolbaSouboru volba);

// The filters for measured-data files, shared by the conversion's and the download's dialogs.
QStringList FiltryMereni();
