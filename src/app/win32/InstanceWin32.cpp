// The single instance on Windows: the named mutex and the registered window message that is
// broadcast to all top-level windows.
#include "app/Instance.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWidget>

#include <windows.h>

bool JizBezi() {
    // The handle stays open until the process ends; that is what holds the mutex.
    const HANDLE mutex = CreateMutexA(nullptr, FALSE, kJmenoMutexu);
    if (!mutex || GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    PozadejObnoveni();
    return true;
}

bool PozadejObnoveni() {
    const UINT zprava = RegisterWindowMessageA(kJmenoZpravyObnoveni);
    DWORD_PTR vysledek = 0;
    // Synchronous like a plain send, but a hung window cannot keep this start waiting.
    return SendMessageTimeoutA(HWND_BROADCAST, zprava, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                               UINT(kCekaniNaObnoveni.count()), &vysledek) != 0;
}

namespace {
class TFiltrObnoveni : public QAbstractNativeEventFilter {
public:
    TFiltrObnoveni(TPosluchacObnoveni* posluchac)
        : posluchac_(posluchac), zprava_(RegisterWindowMessageA(kJmenoZpravyObnoveni)) {}
    ~TFiltrObnoveni() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& druh, void* udalost, qintptr* vysledek) override {
        if (druh != "windows_generic_MSG" || static_cast<MSG*>(udalost)->message != zprava_)
            return false;
        emit posluchac_->Obnovit();
        *vysledek = 0;
        return true;
    }

private:
    TPosluchacObnoveni* posluchac_;
    UINT zprava_;
};
} // namespace

TPosluchacObnoveni::TPosluchacObnoveni(QObject* rodic) : QObject(rodic) {
    auto* filtr = new TFiltrObnoveni(this);
    QCoreApplication::instance()->installNativeEventFilter(filtr);
    connect(this, &QObject::destroyed, [filtr] { delete filtr; });
}

void PrivedDoPopredi(QWidget* okno) {
    const HWND nase = reinterpret_cast<HWND>(okno->winId());
    const HWND popredi = GetForegroundWindow();
    if (popredi != nase) {
        // Windows lets only the thread that owns the foreground take it over: borrow its input.
        const DWORD jeho = GetWindowThreadProcessId(popredi, nullptr);
        const DWORD nasVlakno = GetCurrentThreadId();
        if (jeho != nasVlakno) {
            AttachThreadInput(jeho, nasVlakno, TRUE);
            SetForegroundWindow(nase);
            AttachThreadInput(jeho, nasVlakno, FALSE);
        } else {
            SetForegroundWindow(nase);
        }
    }
    okno->raise();
    okno->activateWindow();
}
