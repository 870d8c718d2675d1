#include "upload/qt/MrizkaTabulky.h"

#include "ui/Texty.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include <utility>

namespace {

// The cell editor hands its text to the grid at every keystroke, not only when it closes.
class TEditorBunky : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* rodic, const QStyleOptionViewItem& volby,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(rodic, volby, index);
        // Key releases in the editor are the grid's key releases (the editor needs none).
        if (auto* mrizka = qobject_cast<QObject*>(parent()))
            editor->installEventFilter(mrizka);
        if (auto* pole = qobject_cast<QLineEdit*>(editor)) {
            auto* self = const_cast<TEditorBunky*>(this);
            connect(pole, &QLineEdit::textEdited, self,
                    [self, pole] { emit self->commitData(pole); });
        }
        return editor;
    }
};

int KlavesaTabulky(int klavesa) {
    switch (klavesa) {
    case Qt::Key_Insert:
        return kKlavesaInsert;
    case Qt::Key_Delete:
        return kKlavesaDelete;
    default:
        return 0;
    }
}

unsigned Modifikatory(Qt::KeyboardModifiers m) {
    unsigned vysledek = 0;
    if (m & Qt::ShiftModifier)
        vysledek |= mdShift;
    if (m & Qt::ControlModifier)
        vysledek |= mdCtrl;
    if (m & Qt::AltModifier)
        vysledek |= mdAlt;
    if (m & Qt::MetaModifier)
        vysledek |= mdMeta;
    return vysledek;
}

} // namespace

TMrizkaTabulky::TMrizkaTabulky(QWidget* rodic, TTabulkaTextu& tabulka,
                               const std::vector<int>& sirky)
    : QTableWidget(rodic), tabulka_(tabulka) {
    setObjectName("StringGrid");
    setItemDelegate(new TEditorBunky(this));
    QFont tucne = font();
    tucne.setBold(true);
    setFont(tucne);
    setColumnCount(tabulka.PocetSloupcu());
    QStringList hlavicka;
    for (int s = 0; s < tabulka.PocetSloupcu(); ++s)
        hlavicka << ZCp1250(tabulka.Hlavicka(s));
    setHorizontalHeaderLabels(hlavicka);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    for (int s = 0; s < int(sirky.size()); ++s)
        setColumnWidth(s, sirky[std::size_t(s)]);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(8);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setShowGrid(true);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(model(), &QAbstractItemModel::dataChanged, this, &TMrizkaTabulky::PrevezmiBunky);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int radek, int sloupec) {
        if (!zobrazuji_ && !prijimamFokus_ && radek >= 0 && sloupec >= 0)
            tabulka_.VyberBunku(radek + 1, sloupec);
    });
    ZobrazTabulku();
}

TMrizkaTabulky::~TMrizkaTabulky() {
    OdpojTabulku(); // the model and the editor outlive this part of the grid
}

void TMrizkaTabulky::OdpojTabulku() {
    disconnect(model(), nullptr, this, nullptr);
    disconnect(this, &QTableWidget::currentCellChanged, this, nullptr);
}

void TMrizkaTabulky::ZobrazBunku(int radek, int sloupec) {
    const std::string& text = tabulka_.Bunka(radek + 1, sloupec);
    QTableWidgetItem* polozka = item(radek, sloupec);
    if (polozka != nullptr)
        polozka->setText(ZCp1250(text));
    else if (!text.empty()) // an empty cell needs no item: editing it makes one
        setItem(radek, sloupec, new QTableWidgetItem(ZCp1250(text)));
}

void TMrizkaTabulky::ZobrazTabulku() {
    zobrazuji_ = true;
    const int radku = tabulka_.PocetRadku();
    // A row the grid drops makes its current cell move: that move is a selection like any
    // other, so it is passed on after the grid is filled.
    const int predtim = currentRow();
    setUpdatesEnabled(false);
    if (rowCount() > radku)
        setRowCount(radku);
    for (int r = 0; r < rowCount(); ++r)
        for (int s = 0; s < columnCount(); ++s)
            ZobrazBunku(r, s);
    if (rowCount() < radku) {
        const int od = rowCount();
        setRowCount(radku);
        for (int r = od; r < radku; ++r)
            for (int s = 0; s < columnCount(); ++s)
                ZobrazBunku(r, s);
    }
    setUpdatesEnabled(true);
    zobrazuji_ = false;
    if (currentRow() >= 0 && currentRow() != predtim)
        tabulka_.VyberBunku(currentRow() + 1, currentColumn());
}

void TMrizkaTabulky::ZobrazPridanyRadek() {
    zobrazuji_ = true;
    const int radek = rowCount();
    insertRow(radek);
    for (int s = 0; s < columnCount(); ++s)
        ZobrazBunku(radek, s);
    zobrazuji_ = false;
}

void TMrizkaTabulky::UkazBunku(int radek, int sloupec) {
    setCurrentCell(radek - 1, sloupec);
    scrollTo(model()->index(radek - 1, sloupec));
    setFocus(Qt::OtherFocusReason);
}

void TMrizkaTabulky::PrevezmiBunky(const QModelIndex& od, const QModelIndex& po) {
    if (zobrazuji_)
        return;
    for (int r = od.row(); r <= po.row(); ++r)
        for (int s = od.column(); s <= po.column(); ++s) {
            if (r >= tabulka_.PocetRadku())
                continue;
            const QString text = model()->index(r, s).data(Qt::EditRole).toString();
            tabulka_.NastavBunku(r + 1, s, DoCp1250(text));
            // A character the code page lacks is stored as '?': the grid shows what is kept.
            if (ZCp1250(tabulka_.Bunka(r + 1, s)) != text) {
                zobrazuji_ = true;
                ZobrazBunku(r, s);
                zobrazuji_ = false;
            }
        }
}

namespace {
bool JeCtrlDelete(const QKeyEvent* udalost) {
    return udalost->key() == Qt::Key_Delete &&
           (udalost->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}
} // namespace

void TMrizkaTabulky::keyPressEvent(QKeyEvent* udalost) {
    if (udalost->key() == Qt::Key_Delete)
        ctrlDelete_ = JeCtrlDelete(udalost);
    QTableWidget::keyPressEvent(udalost);
}

void TMrizkaTabulky::keyReleaseEvent(QKeyEvent* udalost) {
    QTableWidget::keyReleaseEvent(udalost);
    if (udalost->isAutoRepeat())
        return;
    unsigned modifikatory = Modifikatory(udalost->modifiers());
    // A quick Ctrl+Delete lets go of Ctrl before Delete: the press had Ctrl alone, and that is
    // what the user meant.
    if (udalost->key() == Qt::Key_Delete && std::exchange(ctrlDelete_, false))
        modifikatory = mdCtrl;
    emit KlavesaUvolnena(KlavesaTabulky(udalost->key()), modifikatory);
}

bool TMrizkaTabulky::eventFilter(QObject* objekt, QEvent* udalost) {
    // Ctrl+Delete deletes the row at its release; the editor must not first take the press
    // for "delete word" and empty the cell.
    if (udalost->type() == QEvent::KeyPress && objekt != this) {
        const auto* klavesa = static_cast<QKeyEvent*>(udalost);
        if (klavesa->key() == Qt::Key_Delete) {
            ctrlDelete_ = JeCtrlDelete(klavesa);
            if (ctrlDelete_) {
                udalost->accept();
                return true;
            }
        }
    }
    if (udalost->type() == QEvent::KeyRelease && objekt != this) {
        keyReleaseEvent(static_cast<QKeyEvent*>(udalost));
        udalost->accept(); // an ignored release would travel on to the grid itself
        return true;
    }
    return QTableWidget::eventFilter(objekt, udalost);
}

QModelIndex TMrizkaTabulky::moveCursor(CursorAction akce, Qt::KeyboardModifiers modifikatory) {
    // Tab past the last cell would wrap to the first row, where typing replaces an old value
    // unawares. It adds a row instead, as Insert does, and goes on in its first cell; Shift+Tab
    // stops at the first cell rather than wrap to the last.
    const QModelIndex aktualni = currentIndex();
    if (akce == MovePrevious && aktualni.isValid() && aktualni.row() == 0 && aktualni.column() == 0)
        return aktualni;
    if (akce == MoveNext && aktualni.isValid() && aktualni.row() == rowCount() - 1 &&
        aktualni.column() == columnCount() - 1) {
        tabulka_.PridejRadek();
        ZobrazPridanyRadek();
        return model()->index(rowCount() - 1, 0);
    }
    return QTableWidget::moveCursor(akce, modifikatory);
}

void TMrizkaTabulky::focusInEvent(QFocusEvent* udalost) {
    prijimamFokus_ = true;
    QTableWidget::focusInEvent(udalost);
    prijimamFokus_ = false;
}
