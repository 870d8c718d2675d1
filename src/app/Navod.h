// The user guide: F1 in any window of the program opens that window's page of it in the
// user's browser.
#pragma once

#include <QObject>
#include <QUrl>

#include <filesystem>
#include <functional>
#include <string>

class QWidget;

// The guide's first page for a program in `slozkaProgramu`: the one beside the program
// (navod/index.html, a build or an unpacked copy) or the installed one
// (<prefix>/share/doc/merivox/navod/index.html beside <prefix>/bin); empty when neither exists.
std::filesystem::path CestaNavodu(const std::filesystem::path& slozkaProgramu);

// How a page reaches the browser (QDesktopServices by default); tests put their own in place.
// An empty function restores the browser. Returns the previous one.
using TOtevreniStranky = std::function<bool(const QUrl&)>;
TOtevreniStranky NastavOtevreniStranky(TOtevreniStranky otevreni);

// Opens the guide of the program in `slozkaProgramu` at `stranka` ("zapis.html#zapis-kodu";
// empty, or a page the guide lacks: its first page); a Czech message box over `rodic` says so
// when there is none or the browser cannot be started.
void OtevriNavod(QWidget* rodic, const std::filesystem::path& slozkaProgramu,
                 const std::string& stranka = {});

// The guide's page for the window `okno` (a message box: the window it stands over); the
// first page for a window the guide does not describe.
std::string StrankaNavodu(const QWidget* okno);

// F1 in every window of the program, a cell being edited included: that window's page of the
// guide of the program in the folder `slozkaProgramu` gives.
class TNapovedaOken : public QObject {
    Q_OBJECT
public:
    TNapovedaOken(QObject* rodic, std::function<std::filesystem::path()> slozkaProgramu)
        : QObject(rodic), slozkaProgramu_(std::move(slozkaProgramu)) {}

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    std::function<std::filesystem::path()> slozkaProgramu_;
};
