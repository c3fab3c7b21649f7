#include "ui/board_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <map>
#include <utility>

#include "app/square_description.h"
#include "ui/board_view.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

// One square of the board, asked for by the table as a screen reader walks it.
class SquareAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    SquareAccessible(BoardView* view, int row, int column)
        : view_(view), row_(row), column_(column) {}

    bool isValid() const override {
        return view_ && row_ <= view_->picture().rows && column_ <= view_->picture().columns;
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return fromUtf8(squareDescription(square(), row_, column_));
        // Where the player is, a check's result is heard.
        if (t == QAccessible::Description && square().selected)
            return view_->accessibleDescription();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect place = view_->squareRect(row_, column_).toAlignedRect();
        return QRect(view_->mapToGlobal(place.topLeft()), place.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const PictureSquare& here = square();
        const bool entry = here.kind == PictureKind::kEntry;
        state.disabled = !view_->isEnabled();
        state.invisible = !view_->isVisible();
        state.readOnly = !entry;
        state.focusable = entry;
        state.selectable = entry;
        state.selected = here.selected;
        state.focused = here.selected && view_->hasFocus();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return isValid() && square().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_ - 1; }
    int rowIndex() const override { return row_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }

    int row() const { return row_; }
    int column() const { return column_; }
    const BoardView* view() const { return view_.data(); }

  private:
    const PictureSquare& square() const { return view_->picture().at(row_, column_); }

    QPointer<BoardView> view_;
    int row_;
    int column_;
};

// The board view as a table of its squares. Qt keeps it while the view
// lives; the squares' interfaces, made as they are asked for, go with it.
class BoardViewAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit BoardViewAccessible(BoardView* view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~BoardViewAccessible() override {
        for (const auto& [place, id] : squares_)
            QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        const int columns = columnCount();
        if (index < 0 || index >= childCount()) return nullptr;
        return square(index / columns + 1, index % columns + 1);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* square = dynamic_cast<const SquareAccessible*>(child);
        if (!square || square->view() != view() || !square->isValid()) return -1;
        return boardChildIndex(view()->picture(), square->row(), square->column());
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const auto place = view()->squareAt(QPointF(view()->mapFromGlobal(QPoint(x, y))));
        return place ? square(place->row, place->column) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!view()->hasFocus()) return nullptr;
        const QList<QAccessibleInterface*> selected = selectedCells();
        return selected.isEmpty() ? nullptr : selected.first();
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
        return square(row + 1, column + 1);
    }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        const auto selected = selectedChild(view()->picture());
        if (!selected) return {};
        return {child(*selected)};
    }
    QString columnDescription(int column) const override {
        return QStringLiteral("sloupec %1").arg(column + 1);
    }
    QString rowDescription(int row) const override {
        return QStringLiteral("řádek %1").arg(row + 1);
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return view()->picture().columns; }
    int rowCount() const override { return view()->picture().rows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // A whole row or column is never selected: one square is, by the game.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // The squares are asked for by row and column: a new shape keeps them.
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    BoardView* view() const { return static_cast<BoardView*>(widget()); }

    QAccessibleInterface* square(int row, int column) const {
        auto [found, made] = squares_.try_emplace({row, column}, 0);
        if (made)
            found->second =
                QAccessible::registerAccessibleInterface(new SquareAccessible(view(), row, column));
        return QAccessible::accessibleInterface(found->second);
    }

    mutable std::map<std::pair<int, int>, QAccessible::Id> squares_;
};

QAccessibleInterface* boardAccessible(const QString& className, QObject* object) {
    auto* view = qobject_cast<BoardView*>(object);
    if (!view || className != QLatin1String(BoardView::staticMetaObject.className()))
        return nullptr;
    return new BoardViewAccessible(view);
}

}  // namespace

std::optional<int> selectedChild(const BoardPicture& picture) {
    for (int r = 1; r <= picture.rows; ++r)
        for (int c = 1; c <= picture.columns; ++c)
            if (picture.at(r, c).selected) return boardChildIndex(picture, r, c);
    return std::nullopt;
}

BoardNews boardNews(const BoardPicture& before, const BoardPicture& after) {
    BoardNews news;
    news.reshaped = after.rows != before.rows || after.columns != before.columns;
    if (!news.reshaped) {
        for (int r = 1; r <= after.rows; ++r)
            for (int c = 1; c <= after.columns; ++c)
                // Most squares stay as they were: no description is made of them.
                if (!(after.at(r, c) == before.at(r, c)) &&
                    squareDescription(after.at(r, c), r, c) !=
                        squareDescription(before.at(r, c), r, c))
                    news.renamed.push_back(boardChildIndex(after, r, c));
    }
    const auto selected = selectedChild(after);
    if (selected && (news.reshaped || selected != selectedChild(before))) news.selected = selected;
    return news;
}

void installBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(boardAccessible);
        return true;
    }();
    (void)installed;
}

}  // namespace krizovky::ui
