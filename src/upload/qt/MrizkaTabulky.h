// The grid of the point and code windows (StringGrid): it shows a TTabulkaTextu and forwards
// what the user does to it. Every edit reaches the table at each keystroke, so that what runs
// after a key release (the code tree) sees the text as it stands in the cell editor.
#pragma once

#include "upload/KlavesyTabulky.h"
#include "upload/TabulkaTextu.h"

#include <QTableWidget>

class TMrizkaTabulky : public QTableWidget {
    Q_OBJECT
public:
    // Column widths in pixels, one per column of the table.
    TMrizkaTabulky(QWidget* rodic, TTabulkaTextu& tabulka, const std::vector<int>& sirky);
    ~TMrizkaTabulky() override;

    // From now on nothing the grid does reaches the table. The owner of the table calls it
    // before the table goes: an open cell editor commits its text when it loses focus, and
    // that happens while the window around the grid is being torn down.
    void OdpojTabulku();

    // Shows the whole table again (after a reset, a file read or a deletion).
    void ZobrazTabulku();
    // Shows a row appended to the table.
    void ZobrazPridanyRadek();
    // Selects the table's cell (row from 1), scrolls it into view and takes the focus, so
    // that the user can mend it at once; the table remembers the selection as any other.
    void UkazBunku(int radek, int sloupec);

signals:
    // A key was released in the grid or in its cell editor (autorepeat excluded): the key as
    // the table logic knows it (kKlavesaInsert, kKlavesaDelete, else 0) and the modifiers.
    void KlavesaUvolnena(int klavesa, unsigned modifikatory);

protected:
    void keyPressEvent(QKeyEvent* udalost) override;
    void keyReleaseEvent(QKeyEvent* udalost) override;
    void focusInEvent(QFocusEvent* udalost) override;
    QModelIndex moveCursor(CursorAction akce, Qt::KeyboardModifiers modifikatory) override;
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void PrevezmiBunky(const QModelIndex& od, const QModelIndex& po);
    void ZobrazBunku(int radek, int sloupec);

    TTabulkaTextu& tabulka_;
    bool zobrazuji_ = false;     // the grid is being filled from the table
    bool prijimamFokus_ = false; // Qt picks a current cell on focus; the user did not
    bool ctrlDelete_ = false;    // the last press of Delete had Ctrl alone
};
