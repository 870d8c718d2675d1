// The single instance on Linux and other POSIX systems: a lock file and a local socket in the
// user's runtime folder, both named after the names of the program's named mutex and message.
#include "app/Instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QWidget>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kPotvrzeni[] = "obnoveno\n";

// Per user, so that two users of one machine each have their own Merivox.
QString SlozkaBehu() {
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && QFileInfo(xdg).isDir())
        return xdg;
    const QString vlastni = QDir::tempPath() + "/merivox-" + QString::number(::getuid());
    const QByteArray cesta = QFile::encodeName(vlastni);
    ::mkdir(cesta.constData(), 0700);
    struct stat stav {};
    // A folder of that name that someone else made is not ours to trust.
    if (::lstat(cesta.constData(), &stav) == 0 && S_ISDIR(stav.st_mode) &&
        stav.st_uid == ::getuid())
        return vlastni;
    return QDir::homePath();
}

QString CestaZpravy() {
    return SlozkaBehu() + '/' + kJmenoZpravyObnoveni;
}

} // namespace

bool PozadejObnoveni() {
    const QDeadlineTimer termin(kCekaniNaObnoveni);
    QLocalSocket spojeni;
    // The first instance may still be starting: it listens once its main window exists.
    for (;;) {
        spojeni.connectToServer(CestaZpravy());
        if (spojeni.waitForConnected(int(termin.remainingTime())))
            break;
        if (termin.hasExpired())
            return false;
        QThread::msleep(50);
    }
    spojeni.write(QByteArray(kJmenoZpravyObnoveni) + '\n');
    spojeni.waitForBytesWritten(int(termin.remainingTime()));
    while (!spojeni.canReadLine() && spojeni.waitForReadyRead(int(termin.remainingTime()))) {
    }
    return spojeni.canReadLine() && spojeni.readLine() == kPotvrzeni;
}

bool JizBezi() {
    // Held until the process ends; the object's destruction at exit releases the lock.
    static QLockFile zamek(SlozkaBehu() + '/' + kJmenoMutexu + ".lock");
    zamek.setStaleLockTime(0); // a lock counts while its process lives, however old
    if (zamek.tryLock(0))
        return false;
    if (zamek.error() != QLockFile::LockFailedError)
        return false;
    PozadejObnoveni();
    return true;
}

TPosluchacObnoveni::TPosluchacObnoveni(QObject* rodic) : QObject(rodic) {
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString cesta = CestaZpravy();
    QLocalServer::removeServer(cesta); // left behind by an instance that did not end cleanly
    if (!server->listen(cesta))
        return; // the program runs on; a second start then just ends
    connect(server, &QLocalServer::newConnection, this, [this, server] {
        while (QLocalSocket* spojeni = server->nextPendingConnection()) {
            connect(spojeni, &QLocalSocket::disconnected, spojeni, &QObject::deleteLater);
            connect(spojeni, &QLocalSocket::readyRead, this, [this, spojeni] {
                if (!spojeni->canReadLine())
                    return;
                if (spojeni->readLine().trimmed() == kJmenoZpravyObnoveni) {
                    emit Obnovit();
                    spojeni->write(kPotvrzeni);
                    spojeni->flush();
                }
                spojeni->disconnectFromServer();
            });
        }
    });
}

void PrivedDoPopredi(QWidget* okno) {
    okno->raise();
    okno->activateWindow();
}
