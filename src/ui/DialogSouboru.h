// The open and save dialogs of every window: Qt's own dialog (not the desktop's), starting in
// the Data folder. Qt's own dialog matches the patterns regardless of case on every system, so
// "*.sdt" also finds the "*.SDT" files the station writes; a native desktop dialog (GTK) would
// not. It also asks before replacing a file and takes only names in existing folders. It opens
// wide enough for its columns, with sizes, types and dates in Czech whatever the locale.
#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>

class QFileDialog;
class QWidget;

enum class TDruhDialogu { Otevreni, Ulozeni };

// Asks for a file in the dialog named `jmeno` (OD_..., SD_...): the chosen file by its UTF-16
// name (so a Czech name means the same file on every system), or empty when cancelled.
std::filesystem::path ZvolenySoubor(QWidget* rodic, TDruhDialogu druh, const QString& jmeno,
                                    const QString& pripona, const QStringList& filtry);

// How every window's file dialog is answered once prepared: by default it is shown modally;
// the tests look at it and answer it themselves. An empty function restores the default.
// Returns the previous way.
using TVolbaSouboru = std::function<QString(QFileDialog& dialog)>;
TVolbaSouboru NastavVolbuSouboru(TVolbaSouboru volba);
