#pragma once
// The players grid: rows of text cells with fixed (header) rows at the top, filled from tab-separated
// row texts. Cells show plain text.
#include <QHash>
#include <QStringList>
#include <QTableWidget>

namespace tvx {

class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent, const QString& name);

    // Empties every cell, fixed rows included; the numbers of rows and columns stay.
    void Clear();
    int Rows() const { return rowCount(); }
    void setRows(int rows);
    int Cols() const { return columnCount(); }
    void setCols(int cols);
    int FixedRows() const { return fixedRows_; }
    void setFixedRows(int rows);
    void setColWidth(int col, int twipsWidth);
    int ColWidth(int col) const;
    // 0 = left and top.
    void setColAlignment(int col, int alignment);
    // Inserts a row at `index` (appends when index < 0) from tab-separated cell texts.
    void AddItem(const QString& tabbed, int index = -1);
    // The same from the cells themselves, one per column in order: a cell keeps whatever it holds, a TAB
    // included, and never spills into the next column.
    void AddCells(const QStringList& cells, int index = -1);
    // Raises PlatformError for a fixed row, the last non-fixed row, or a row out of range.
    void RemoveItem(int index);
    int Row() const { return currentRow_; }
    void setRow(int row);
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

signals:
    // Button: 1 left, 2 right, 4 middle; shift state 1 = Shift, 2 = Ctrl, 4 = Alt.
    void mouseDown(int button, int shift, double x, double y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // The fixed rows are never selected and the cursor never moves into them.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    void styleRow(int row);
    void styleItem(QTableWidgetItem* it, bool fixed) const;
    QHash<int, int> colTwips_;
    int fixedRows_ = 1;
    int currentRow_ = 1;
};

} // namespace tvx
