#include "gui/base/grid_control.h"

#include "core/platform/errors.h"

#include "gui/base/twips.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyledItemDelegate>

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

// Draws the fixed rows as headers whatever the view's state: never selected, focused or hovered.
class FixedRowsDelegate final : public QStyledItemDelegate {
public:
    explicit FixedRowsDelegate(FlexGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.row() < grid_->FixedRows())
            option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
    }

private:
    FlexGrid* grid_;
};

} // namespace

FlexGrid::FlexGrid(QWidget* parent, const QString& name) : QTableWidget(parent) {
    setObjectName(name);
    setItemDelegate(new FixedRowsDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(17);
    horizontalHeader()->setMinimumSectionSize(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setColumnCount(2);
    setRowCount(2);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (row >= fixedRows_)
            currentRow_ = row;
    });
}

void FlexGrid::Clear() {
    // Each cell is replaced by an empty copy: changing a cell in place makes the table look the cell up
    // among all cells once rows have been removed above it, which made clearing a large grid quadratic.
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (const QTableWidgetItem* it = item(r, c)) {
                QTableWidgetItem* empty = it->clone();
                empty->setText(QString());
                setItem(r, c, empty);
            }
        }
    }
}

void FlexGrid::setRows(int rows) {
    setRowCount(qMax(rows, 0));
    for (int r = 0; r < rowCount(); ++r)
        styleRow(r);
    if (currentRow_ >= rowCount())
        currentRow_ = qMax(qMin(fixedRows_, rowCount() - 1), 0);
}

void FlexGrid::setCols(int cols) {
    setColumnCount(qMax(cols, 0));
    for (int r = 0; r < rowCount(); ++r)
        styleRow(r);
}

void FlexGrid::setFixedRows(int rows) {
    if (rows < 0 || rows > rowCount())
        throw PlatformError(err::InvalidRow, u"Invalid Row value"_s);
    fixedRows_ = rows;
    for (int r = 0; r < rowCount(); ++r)
        styleRow(r);
    if (currentRow_ < fixedRows_)
        currentRow_ = qMin(fixedRows_, qMax(rowCount() - 1, 0));
}

void FlexGrid::setColWidth(int col, int twipsWidth) {
    if (col < 0 || col >= columnCount())
        throw PlatformError(err::InvalidCol, u"Invalid Col value"_s);
    colTwips_[col] = twipsWidth;
    setColumnWidth(col, twips(twipsWidth));
}

int FlexGrid::ColWidth(int col) const {
    return colTwips_.value(col, columnWidth(col) * 15);
}

void FlexGrid::setColAlignment(int col, int alignment) {
    if (col < 0 || col >= columnCount())
        throw PlatformError(err::InvalidCol, u"Invalid Col value"_s);
    Q_UNUSED(alignment); // every column is aligned left and top
}

void FlexGrid::AddItem(const QString& tabbed, int index) {
    AddCells(tabbed.split(u'\t'), index);
}

void FlexGrid::AddCells(const QStringList& cells, int index) {
    const int at = index < 0 ? rowCount() : index;
    if (at > rowCount())
        throw PlatformError(err::InvalidRow, u"Invalid Row value"_s);
    insertRow(at);
    // Each cell is styled before it enters the table: a change to a cell in the table is announced to the
    // view, and a row added this way is then a single announcement per cell.
    for (int c = 0; c < columnCount(); ++c) {
        auto* it = new QTableWidgetItem(c < cells.size() ? cells[c] : QString());
        styleItem(it, at < fixedRows_);
        setItem(at, c, it);
    }
    if (at <= currentRow_ && currentRow_ < rowCount() - 1 && rowCount() > 1)
        ++currentRow_;
}

void FlexGrid::RemoveItem(int index) {
    if (index < 0 || index >= rowCount())
        throw PlatformError(err::InvalidRow, u"Invalid Row value"_s);
    if (index < fixedRows_)
        throw PlatformError(err::CannotRemoveRow, u"Cannot remove a fixed row"_s);
    if (rowCount() - fixedRows_ <= 1)
        throw PlatformError(err::CannotRemoveRow, u"Cannot remove last non-fixed row"_s);
    removeRow(index);
    if (currentRow_ >= rowCount())
        currentRow_ = rowCount() - 1;
}

void FlexGrid::setRow(int row) {
    if (row < 0 || row >= rowCount())
        throw PlatformError(err::InvalidRow, u"Invalid Row value"_s);
    currentRow_ = row;
    setCurrentCell(row, 0);
}

QString FlexGrid::TextMatrix(int row, int col) const {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        throw PlatformError(err::InvalidPropertyIndex, u"Subscript out of range"_s);
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        throw PlatformError(err::InvalidPropertyIndex, u"Subscript out of range"_s);
    QTableWidgetItem* it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        setItem(row, col, it);
    }
    it->setText(text);
    styleRow(row);
}

void FlexGrid::styleRow(int row) {
    const bool fixed = row < fixedRows_;
    for (int c = 0; c < columnCount(); ++c) {
        QTableWidgetItem* it = item(row, c);
        if (!it) {
            it = new QTableWidgetItem;
            setItem(row, c, it);
        }
        styleItem(it, fixed);
    }
}

void FlexGrid::styleItem(QTableWidgetItem* it, bool fixed) const {
    it->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
    it->setFlags(fixed ? Qt::ItemIsEnabled : (Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    it->setBackground(fixed ? palette().button() : palette().base());
    QFont f = font();
    f.setBold(fixed);
    it->setFont(f);
}

QItemSelectionModel::SelectionFlags FlexGrid::selectionCommand(const QModelIndex& index,
                                                               const QEvent* event) const {
    if (index.isValid() && index.row() < fixedRows_)
        return QItemSelectionModel::NoUpdate;
    return QTableWidget::selectionCommand(index, event);
}

QModelIndex FlexGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const QModelIndex next = QTableWidget::moveCursor(cursorAction, modifiers);
    if (!next.isValid() || next.row() >= fixedRows_)
        return next;
    // Onto the first scrolling row instead; nowhere when there is none.
    return fixedRows_ < rowCount() ? model()->index(fixedRows_, next.column()) : QModelIndex();
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton:
        button = 1;
        break;
    case Qt::RightButton:
        button = 2;
        break;
    case Qt::MiddleButton:
        button = 4;
        break;
    default:
        break;
    }
    const auto mods = event->modifiers();
    const int shift = ((mods & Qt::ShiftModifier) ? 1 : 0) | ((mods & Qt::ControlModifier) ? 2 : 0) |
                      ((mods & Qt::AltModifier) ? 4 : 0);
    if (button == 1)
        QTableWidget::mousePressEvent(event);
    // A right press over a player's row makes that row current, so the menu it opens acts on the player
    // under the pointer; over no row (or the header) the current row stays.
    if (button == 2) {
        const QModelIndex at = indexAt(event->position().toPoint());
        if (at.isValid() && at.row() >= fixedRows_)
            setRow(at.row());
    }
    const QPointF p = event->position();
    emit mouseDown(button, shift, p.x() * 15, p.y() * 15);
}

} // namespace tvx
