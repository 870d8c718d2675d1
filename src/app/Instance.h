// One running Merivox per user: a second start hands over to the first and ends.
//
// The first start takes the named lock "mutex aplikace Merivox" and holds it until the process
// ends; its main window listens for the message "Obnoveni aplikace Merivox". A later start
// finds the lock taken, sends that message and waits (at most kCekaniNaObnoveni) until the
// first instance has come to the front. Platform half, one file per system.
#pragma once

#include <QObject>

#include <chrono>

class QWidget;

inline constexpr char kJmenoMutexu[] = "mutex aplikace Merivox";
inline constexpr char kJmenoZpravyObnoveni[] = "Obnoveni aplikace Merivox";
inline constexpr std::chrono::milliseconds kCekaniNaObnoveni{2000};

// True when another instance runs; it has then been asked to come to the front. False for
// the first instance, which from now on holds the lock. When the lock cannot be examined at
// all, the program rather starts than refuses to.
bool JizBezi();

// Sends the restore message to the running instance and waits for it; true when it
// confirmed that it has come to the front.
bool PozadejObnoveni();

// Receives the restore message for the main window.
class TPosluchacObnoveni : public QObject {
    Q_OBJECT
public:
    explicit TPosluchacObnoveni(QObject* rodic);

signals:
    // Emitted on the user-interface thread; the sender waits until the handlers return.
    void Obnovit();
};

// Brings a window that has just been restored to the foreground, also past the system's
// rules against windows of background processes taking the focus.
void PrivedDoPopredi(QWidget* okno);
