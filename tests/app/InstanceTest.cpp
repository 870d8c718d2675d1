// The single instance across real processes: the built program against this test process
// (whose main window can be watched) and against a second copy of itself.
#include "app/Instance.h"
#include "app/Zaklad.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

const QString kMerivox = MERIVOX_PROGRAM;

// Every process started here uses `slozka` as its runtime folder.
void Spust(QProcess& proces, const QString& slozka) {
    auto prostredi = QProcessEnvironment::systemEnvironment();
    prostredi.insert("XDG_RUNTIME_DIR", slozka);
    prostredi.insert("QT_QPA_PLATFORM", "offscreen");
    proces.setProcessEnvironment(prostredi);
    proces.start(kMerivox, {});
}

bool DockejKonce(QProcess& proces) {
    QSignalSpy konec(&proces, &QProcess::finished);
    return proces.state() == QProcess::NotRunning || konec.wait(10000);
}

} // namespace

TEST(Instance, SecondStartBringsTheMinimisedFirstToTheFrontAndEnds) {
    // This process is the first instance (its runtime folder is private to it).
    ASSERT_FALSE(JizBezi());
    TFormZaklad okno;
    okno.show();
    okno.showMinimized();
    QWidget jine;
    jine.show();
    jine.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&jine));

    QProcess druhy;
    Spust(druhy, qEnvironmentVariable("XDG_RUNTIME_DIR"));
    ASSERT_TRUE(DockejKonce(druhy)) << "the second start must end on its own";
    EXPECT_EQ(druhy.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(druhy.exitCode(), 0);
    EXPECT_FALSE(okno.isMinimized());
    EXPECT_TRUE(okno.isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&okno));
}

TEST(Instance, TwoCopiesOfTheProgram) {
    QTemporaryDir slozka;
    QProcess prvni;
    Spust(prvni, slozka.path());
    // The first copy listens once its main window exists.
    const QString zprava = slozka.filePath(kJmenoZpravyObnoveni);
    (void)QTest::qWaitFor(
        [&] { return QFileInfo::exists(zprava) || prvni.state() == QProcess::NotRunning; }, 10000);
    ASSERT_TRUE(QFileInfo::exists(zprava)) << prvni.readAllStandardError().toStdString();

    QProcess druhy;
    Spust(druhy, slozka.path());
    ASSERT_TRUE(DockejKonce(druhy));
    EXPECT_EQ(druhy.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(druhy.exitCode(), 0);
    EXPECT_EQ(prvni.state(), QProcess::Running) << "the first copy runs on";

    // And it answers a restore request as a further start would send it.
    const QByteArray vlastni = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", slozka.path().toLocal8Bit());
    EXPECT_TRUE(PozadejObnoveni());
    qputenv("XDG_RUNTIME_DIR", vlastni);

    prvni.kill();
    prvni.waitForFinished();
}
