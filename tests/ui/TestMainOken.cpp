// main() of every window test binary: an offscreen QApplication that speaks Czech, a private
// settings file and device folder (OddeleniTestu.h), a private runtime folder (so a test never
// talks to a Merivox the developer has open), and the watch that closes forgotten modal windows.
#include "OddeleniTestu.h"
#include "ui/Cestina.h"
#include "ui/TestovaniOken.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gmock/gmock.h>

namespace {
// The offscreen platform names what it cannot do (raise, grab, size hints); nothing a test
// can act on.
QtMessageHandler gVychoziHlaseni = nullptr;
void FiltrHlaseni(QtMsgType druh, const QMessageLogContext& kontext, const QString& text) {
    if (!text.startsWith("This plugin does not support"))
        gVychoziHlaseni(druh, kontext, text);
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's messages on the test's output even where it would send them to the debugger (a
    // Windows program without a console window, as under Wine), so that a failure that ends in
    // qFatal says why.
    qputenv("QT_FORCE_STDERR_LOGGING", "1");
    // Owner-only access, as a runtime folder must have. Static, so that it outlives the
    // single-instance lock that a test may take in it.
    static QTemporaryDir slozka;
    qputenv("XDG_RUNTIME_DIR", slozka.path().toLocal8Bit());
    OddelTestyOdZarizeni();

    gVychoziHlaseni = qInstallMessageHandler(FiltrHlaseni);
    QApplication aplikace(argc, argv);
    NastavCestinu(aplikace);
    ::testing::InitGoogleMock(&argc, argv);
    SpustHlidaniDialogu();
    return RUN_ALL_TESTS();
}
