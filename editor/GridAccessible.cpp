#include "GridAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <bitset>
#include <unordered_map>
#include <unordered_set>

#include "EditorCommands.h"
#include "GridGeometry.h"
#include "PixelGrid.h"

namespace vexilor {

namespace {

constexpr int kCellCount = grid::kCells * grid::kCells;

int indexOf(QPoint cell) {
    return cell.y() * grid::kCells + cell.x();
}

QPoint cellOf(int index) {
    return QPoint(index % grid::kCells, index / grid::kCells);
}

// The grids whose table has been asked for, by a screen reader or anything else: the
// cells of the others have never been heard of, so there is nothing to tell of them.
std::unordered_set<const QWidget*>& gridsWithTables() {
    static std::unordered_set<const QWidget*> grids;
    return grids;
}

bool isSet(const PixelGrid& grid, QPoint cell) {
    return grid.commands().shownPixels()[SpriteStore::pixelIndex(cell.x(), cell.y())];
}

// One cell of the table. It has no object of its own: the table registers it with Qt's
// accessibility, which gives it the id that screen readers know it by, and removes it
// again when the grid goes.
class GridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCell(PixelGrid& grid, QPoint cell) : grid_(&grid), cell_(cell) {}

    bool isValid() const override { return !grid_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(grid_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text text) const override {
        if (!grid_)
            return QString();
        if (text == QAccessible::Name)
            return cellName(cell_);
        if (text == QAccessible::Description)
            return pixelDescription(grid_->commands(), cell_);
        return QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!grid_)
            return QRect();
        const QRect cell = grid::cellRect(cell_);
        return QRect(grid_->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!grid_)
            return state;
        state.disabled = !grid_->isEnabled();
        state.invisible = !grid_->isVisible();
        state.focusable = true;
        state.focused = cell_ == grid_->cursor().current() && grid_->hasFocus();
        state.selectable = true;
        state.selected = isSelected();
        state.checkable = true;
        state.checked = isSet(*grid_, cell_);
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override {
        return grid_ && grid_->cursor().selection().contains(cell_);
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_.x(); }
    int rowIndex() const override { return cell_.y(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<PixelGrid> grid_;
    QPoint cell_;
};

// The grid as a table of its cells, rows from the top and columns from the left.
class GridTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridTable(PixelGrid& grid)
        : QAccessibleWidget(&grid, QAccessible::Table), gridWidget_(&grid) {
        for (int index = 0; index < kCellCount; ++index)
            heard_[index] = isSet(grid, cellOf(index));
        gridsWithTables().insert(gridWidget_);
    }
    ~GridTable() override {
        gridsWithTables().erase(gridWidget_);
        for (const auto& [index, id] : cells_)
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text text) const override {
        const QString own = QAccessibleWidget::text(text);
        if (text == QAccessible::Name && own.isEmpty())
            return QStringLiteral("Пиксели спрайта");
        return own;
    }
    int childCount() const override { return kCellCount; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < kCellCount ? cell(cellOf(index)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        if (cell == nullptr || cell->table() != this)
            return -1;
        return indexOf(QPoint(cell->columnIndex(), cell->rowIndex()));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const auto at = grid::cellAt(grid().mapFromGlobal(QPoint(x, y)));
        return at ? cell(*at) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return grid().hasFocus() ? cell(grid().cursor().current()) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        const bool inside = row >= 0 && row < grid::kCells && column >= 0 && column < grid::kCells;
        return inside ? cell(QPoint(column, row)) : nullptr;
    }
    int selectedCellCount() const override {
        const QRect selection = grid().cursor().selection();
        return selection.width() * selection.height();
    }
    QList<QAccessibleInterface*> selectedCells() const override {
        const QRect selection = grid().cursor().selection();
        QList<QAccessibleInterface*> selected;
        for (int row = selection.top(); row <= selection.bottom(); ++row)
            for (int column = selection.left(); column <= selection.right(); ++column)
                selected.append(cell(QPoint(column, row)));
        return selected;
    }
    // The columns are named as the letters over the grid name them, the rows as the
    // numbers beside it.
    QString columnDescription(int column) const override {
        return QStringLiteral("%1, столбец %2").arg(QChar(u'A' + column / 8)).arg(column % 8 + 1);
    }
    QString rowDescription(int row) const override {
        return QStringLiteral("%1, строка %2").arg(row / 8 + 1).arg(row % 8 + 1);
    }
    // A row or column is selected when the selection spans the whole of it.
    int selectedColumnCount() const override { return int(selectedColumns().size()); }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int columnCount() const override { return grid::kCells; }
    int rowCount() const override { return grid::kCells; }
    QList<int> selectedColumns() const override {
        QList<int> columns;
        for (int column = 0; column < grid::kCells; ++column)
            if (isColumnSelected(column))
                columns.append(column);
        return columns;
    }
    QList<int> selectedRows() const override {
        QList<int> rows;
        for (int row = 0; row < grid::kCells; ++row)
            if (isRowSelected(row))
                rows.append(row);
        return rows;
    }
    bool isColumnSelected(int column) const override {
        const QRect selection = grid().cursor().selection();
        return selection.height() == grid::kCells && column >= selection.left() &&
               column <= selection.right();
    }
    bool isRowSelected(int row) const override {
        const QRect selection = grid().cursor().selection();
        return selection.width() == grid::kCells && row >= selection.top() &&
               row <= selection.bottom();
    }
    // The selection follows the grid's own cursor alone.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // Qt tells of the grid's own focus only after the grid's focus event, so the current
    // cell is told of once control is back in the event loop, to be heard last, and once
    // for all the moves until then.
    void announceCurrentCell() {
        if (focusPending_)
            return;
        focusPending_ = true;
        QMetaObject::invokeMethod(
            &grid(),
            [this] {
                focusPending_ = false;
                if (!grid().hasFocus())
                    return;
                QAccessibleEvent focus(cell(grid().cursor().current()), QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
            },
            Qt::QueuedConnection);
    }

    void announcePixels(const QRect& cells) {
        const QRect field = cells.intersected(QRect(0, 0, grid::kCells, grid::kCells));
        for (int row = field.top(); row <= field.bottom(); ++row) {
            for (int column = field.left(); column <= field.right(); ++column) {
                const QPoint at(column, row);
                const bool set = isSet(grid(), at);
                if (heard_[indexOf(at)] == set)
                    continue;
                heard_[indexOf(at)] = set;
                QAccessible::State changed;
                changed.checked = true;
                QAccessibleStateChangeEvent event(cell(at), changed);
                QAccessible::updateAccessibility(&event);
            }
        }
    }

private:
    PixelGrid& grid() const { return *static_cast<PixelGrid*>(widget()); }

    // The cell's interface, made and registered the first time it is asked for.
    QAccessibleInterface* cell(QPoint at) const {
        const auto known = cells_.find(indexOf(at));
        if (known != cells_.end())
            return QAccessible::accessibleInterface(known->second);
        auto* made = new GridCell(grid(), at);
        cells_.emplace(indexOf(at), QAccessible::registerAccessibleInterface(made));
        return made;
    }

    const QWidget* gridWidget_;
    mutable std::unordered_map<int, QAccessible::Id> cells_;
    // The pixels as the screen reader last heard of them: set or clear.
    std::bitset<kCellCount> heard_;
    bool focusPending_ = false;
};

QAccessibleInterface* gridTableFactory(const QString&, QObject* object) {
    if (auto* grid = qobject_cast<PixelGrid*>(object))
        return new GridTable(*grid);
    return nullptr;
}

// The grid's table, once it has been asked for; null before.
GridTable* tableOf(PixelGrid& grid) {
    if (!gridsWithTables().contains(&grid))
        return nullptr;
    return dynamic_cast<GridTable*>(QAccessible::queryAccessibleInterface(&grid));
}

}  // namespace

void installGridAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(gridTableFactory);
        return true;
    }();
    (void)installed;
}

void announceCurrentCell(PixelGrid& grid) {
    if (GridTable* table = tableOf(grid))
        table->announceCurrentCell();
}

void announcePixels(PixelGrid& grid, const QRect& cells) {
    if (GridTable* table = tableOf(grid))
        table->announcePixels(cells);
}

QString cellName(QPoint cell) {
    return QStringLiteral("%1%2, столбец %3, строка %4")
        .arg(QChar(u'A' + cell.x() / 8))
        .arg(cell.y() / 8 + 1)
        .arg(cell.x() % 8 + 1)
        .arg(cell.y() % 8 + 1);
}

QString pixelDescription(const EditorCommands& commands, QPoint cell) {
    const std::optional<PixelField>& mask = commands.shownContent().mask;
    if (mask && (*mask)[SpriteStore::pixelIndex(cell.x(), cell.y())])
        return QStringLiteral("прозрачный");
    return QString();
}

}  // namespace vexilor
