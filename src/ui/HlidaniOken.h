// What every dialog of the program needs from the screen it stands on, watched for all of
// them at once: the main window installs it for the whole run.
//  - A dialog stays on the available area of its screen: one that would stand partly below
//    the edge is moved in, one too large for the area (a small screen at a large scaling) is
//    made smaller, a fixed-size one by putting its contents in a scrolled area, so that its
//    buttons stay reachable.
//  - A modal dialog is never left minimised: the window manager takes the main window (which
//    the dialog blocks) along with it, and on a desktop without a task bar the whole program
//    would be gone from the screen. Like a close that is not allowed, the minimise is undone.
#pragma once

#include <QObject>

class QRect;
class QWidget;

class THlidaniOken : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;
};

// Puts the window `okno` (not yet shown, or shown) within `plocha` as described above.
void VlozDoPlochy(QWidget* okno, const QRect& plocha);
