#include "serial/qt/SpKurzorOtevirani.h"

#include "serial/SpComPort.h"

#include <QCursor>
#include <QGuiApplication>

TSpKurzorOtevirani::TSpKurzorOtevirani() {
    TSpCustomSerialPort::HourglassHook = [](bool busy) {
        if (busy)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QGuiApplication::restoreOverrideCursor();
    };
}

TSpKurzorOtevirani::~TSpKurzorOtevirani() {
    TSpCustomSerialPort::HourglassHook = nullptr;
}
