#include "serial/qt/SpQtSyncUi.h"

#include <QMetaObject>
#include <QThread>
#include <QtDebug>

TSpQtSyncUi::TSpQtSyncUi(QObject* parent) : QObject(parent) {}

void TSpQtSyncUi::Post(std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

bool TSpQtSyncUi::IsUiThread() const {
    return QThread::currentThread() == thread();
}

void TSpQtSyncUi::ShowException(std::exception_ptr error) {
    if (OnException) {
        OnException(error);
        return;
    }
    qWarning() << SpTextVyjimky(error).c_str();
}
