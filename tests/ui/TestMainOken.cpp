// main() of every window test binary: an offscreen QApplication that speaks Czech, a private
// settings file and a private runtime folder (so a test never talks to a Merivox the
// developer has open), and the watch that closes forgotten modal windows.
#include "common/Slozky.h"
#include "ui/Cestina.h"
#include "ui/TestovaniOken.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gmock/gmock.h>

namespace {
// The offscreen platform says so for every window it shows; nothing a test can act on.
QtMessageHandler gVychoziHlaseni = nullptr;
void FiltrHlaseni(QtMsgType druh, const QMessageLogContext& kontext, const QString& text) {
    if (!text.contains("propagateSizeHints"))
        gVychoziHlaseni(druh, kontext, text);
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir slozka; // created with owner-only access, as a runtime folder must be
    qputenv("XDG_RUNTIME_DIR", slozka.path().toLocal8Bit());
    PrepisCestuNastaveni(slozka.filePath("Merivex.ini").toStdString());

    gVychoziHlaseni = qInstallMessageHandler(FiltrHlaseni);
    QApplication aplikace(argc, argv);
    NastavCestinu(aplikace);
    ::testing::InitGoogleMock(&argc, argv);
    SpustHlidaniDialogu();
    return RUN_ALL_TESTS();
}
