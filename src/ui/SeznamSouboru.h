// The file list of the open and save dialogs in Czech whatever the system's locale: Qt's file
// model writes sizes, types and dates by the system locale ("495 bytes", "plain text
// document", "12/8/26 11:34 PM"), while the rest of the dialog speaks Czech.
#pragma once

#include <QIdentityProxyModel>

class TCeskySeznamSouboru : public QIdentityProxyModel {
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    // Columns 1 to 3 (size, type, date) of a QFileSystemModel; all else as the model has it.
    QVariant data(const QModelIndex& index, int role) const override;
};
