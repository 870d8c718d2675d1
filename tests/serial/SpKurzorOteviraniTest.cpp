#include "serial/qt/SpKurzorOtevirani.h"
#include "serial/SpComPort.h"

#include <QCursor>
#include <QGuiApplication>

#include <gtest/gtest.h>

TEST(SpKurzorOtevirani, TheHourglassIsTheWaitCursorWhileTheObjectLives) {
    {
        const TSpKurzorOtevirani kurzor;
        ASSERT_TRUE(TSpCustomSerialPort::HourglassHook);
        TSpCustomSerialPort::HourglassHook(true);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        TSpCustomSerialPort::HourglassHook(false);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_FALSE(TSpCustomSerialPort::HourglassHook);
}
