// The open and save dialogs of every window, starting in the Data folder. The patterns must
// match regardless of case, so that "*.sdt" also finds the "*.SDT" files the station writes:
// Windows' own dialog does that, so Windows gets it; elsewhere Qt's own dialog (a desktop's
// GTK dialog would not). Both ask before replacing a file and take only existing folders.
#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;

enum class TDruhDialogu { Otevreni, Ulozeni };

// True where the system's own dialog is used (one file per system).
bool SystemovyDialogSouboru();

void PripravDialogSouboru(QFileDialog& dialog, TDruhDialogu druh, const QString& jmeno,
                          const QString& pripona, const QStringList& filtry);
