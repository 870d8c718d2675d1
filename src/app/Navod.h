// The user guide: F1 in the main window opens it in the user's browser.
#pragma once

#include <QUrl>

#include <filesystem>
#include <functional>

class QWidget;

// The guide's first page for a program in `slozkaProgramu`: the one beside the program
// (navod/index.html, a build or an unpacked copy) or the installed one
// (<prefix>/share/doc/merivox/navod/index.html beside <prefix>/bin); empty when neither exists.
std::filesystem::path CestaNavodu(const std::filesystem::path& slozkaProgramu);

// How a page reaches the browser (QDesktopServices by default); tests put their own in place.
// An empty function restores the browser. Returns the previous one.
using TOtevreniStranky = std::function<bool(const QUrl&)>;
TOtevreniStranky NastavOtevreniStranky(TOtevreniStranky otevreni);

// Opens the guide of the program in `slozkaProgramu`; a Czech message box over `rodic` says so
// when there is none or the browser cannot be started.
void OtevriNavod(QWidget* rodic, const std::filesystem::path& slozkaProgramu);
