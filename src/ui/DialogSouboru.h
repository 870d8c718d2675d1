// The open and save dialogs of every window: Qt's own dialog (not the desktop's), starting in
// the Data folder. Qt's own dialog matches the patterns regardless of case on every system, so
// "*.sdt" also finds the "*.SDT" files the station writes; a native desktop dialog (GTK) would
// not. It also asks before replacing a file and takes only names in existing folders. It opens
// wide enough for its columns, with sizes, types and dates in Czech whatever the locale.
#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;

enum class TDruhDialogu { Otevreni, Ulozeni };

void PripravDialogSouboru(QFileDialog& dialog, TDruhDialogu druh, const QString& jmeno,
                          const QString& pripona, const QStringList& filtry);
