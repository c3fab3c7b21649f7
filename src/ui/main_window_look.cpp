// The main window's two looks of the board: the classic squares in a window
// of fixed size, and the modern drawing that grows with the window.
#include <QActionGroup>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QResizeEvent>
#include <algorithm>

#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui/square_widget.h"

namespace krizovky::ui {
namespace {

constexpr QSize kClassicSize(826, 578);
constexpr int kBoardPanelWidth = 521;
constexpr int kBoardPanelHeight = 505;
// The controls of the board panel from this height down stand under the
// board: the Mark swatches and the legends of the check.
constexpr int kUnderTheBoard = 476;
// Above the modern board the clock and the task's name, under it the
// swatches and legends.
constexpr int kBand = 30;
constexpr int kMargin = 4;

}  // namespace

MainWindow::~MainWindow() {
    if (look_ == WindowLook::kModern) rememberGeometry(saveGeometry());
}

void MainWindow::createBoardView() {
    createDigitPad();
    boardView_ = new BoardView(boardPanel_);
    boardView_->hide();
    connect(boardView_, &BoardView::clicked, this,
            [this](int row, int column) { selectSquare(row, column); });
    connect(boardView_, &BoardView::doubleClicked, this,
            [this](int row, int column) { writeSingleDigit(row, column); });
    connect(boardView_, &BoardView::popupRequested, this,
            [this](int row, int column, const QPoint& at) { openSquareMenu(row, column, at); });
    // The classic places are taken before anything moves.
    layOutBoard();
    setLook(rememberedLook());
    if (look_ == WindowLook::kModern) restoreGeometry(rememberedGeometry());
}

void MainWindow::createLookMenu(QMenu* options) {
    QMenu* looks = addMenu(options, "lookMenu", QStringLiteral("&Vzhled"));
    auto* group = new QActionGroup(looks);
    auto add = [&](const char* name, const QString& text, WindowLook look) {
        QAction* item = looks->addAction(text);
        item->setObjectName(QString::fromLatin1(name));
        item->setCheckable(true);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, look] { chooseLook(look); });
        return item;
    };
    classicLookItem_ = add("classicLookAction", QStringLiteral("klasický"), WindowLook::kClassic);
    modernLookItem_ = add("modernLookAction", QStringLiteral("moderní"), WindowLook::kModern);
}

void MainWindow::chooseLook(WindowLook look) {
    setLook(look);
    rememberLook(look);
}

void MainWindow::setLook(WindowLook look) {
    look_ = look;
    const bool modern = look == WindowLook::kModern;
    classicLookItem_->setChecked(!modern);
    modernLookItem_->setChecked(modern);
    classicLookChoice_->setChecked(!modern);
    modernLookChoice_->setChecked(modern);
    if (modern) {
        // The digit pad takes its width beside the board, not from it.
        setMinimumSize(kClassicSize + QSize(digitPadWidth(), 0));
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // The classic squares come back with their looks from the screen
        // state when the classic look returns.
        for (int r = 1; r <= kBoardSize; ++r)
            for (int c = 1; c <= kBoardSize; ++c)
                squares_[r][c]->hide();
    } else {
        setFixedSize(kClassicSize);
    }
    boardView_->setVisible(modern);
    layOutBoard();
    showBoard();
    // The pad stands beside the board just shown.
    showDisplay();
    showSquareNumbers();
}

void MainWindow::showBoard() {
    const MainScreen& screen = game_.screen();
    for (QAction* item : boardOutputItems_)
        item->setEnabled(screen.boardPanel);
    copyLinkItem_->setEnabled(screen.boardPanel);
    saveGameItem_->setEnabled(screen.boardPanel);
    const BoardPicture picture = pictureOfGame(game_.board(), &screen);
    if (look_ == WindowLook::kModern) {
        boardView_->setPicture(picture);
        return;
    }
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            squares_[r][c]->setLook(picture.at(r, c),
                                    classicSquarePlace(r, c, picture.squaresBuild));
}

void MainWindow::layOutBoard() {
    QWidget* form = centralWidget();
    const bool modern = look_ == WindowLook::kModern;
    const int wider = modern ? std::max(0, form->width() - kClassicSize.width()) : 0;
    // The classic numbers under a tall board push the swatches and legends
    // down while they are shown.
    const int panelHeight =
        modern ? std::max(kBoardPanelHeight, form->height() - 2 * kMargin)
               : kBoardPanelHeight + std::max(0, squareNumbersBottom_ - kUnderTheBoard);
    // Every control keeps its classic place, moved by the panel's growth.
    auto classicPlace = [this](QWidget* widget) {
        auto known = classicPlaces_.constFind(widget);
        if (known == classicPlaces_.constEnd())
            known = classicPlaces_.insert(widget, widget->geometry());
        return *known;
    };
    for (QWidget* child : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child == boardPanel_ || child == startPanel_) continue;
        const QRect place = classicPlace(child);
        child->setGeometry(place.translated(place.left() >= kBoardPanelWidth ? wider : 0, 0));
    }
    boardPanel_->setGeometry(0, 0, kBoardPanelWidth + wider, panelHeight);
    for (QWidget* child :
         boardPanel_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child == taskName_ || child == boardView_ || child == squareNumbers_ ||
            child == pauseCover_ || child == digitPad_ || qobject_cast<SquareWidget*>(child))
            continue;
        const QRect place = classicPlace(child);
        // The time of play keeps to the panel's right edge, clear of the
        // task name centred over the wider board.
        child->setGeometry(
            place.translated(child == playClock_ ? wider : 0,
                             place.top() >= kUnderTheBoard ? panelHeight - kBoardPanelHeight : 0));
    }
    boardView_->setGeometry(kMargin, kBand, boardPanel_->width() - 2 * kMargin - digitPadWidth(),
                            panelHeight - 2 * kBand);
    placeDigitPad();
    squareNumbers_->setGeometry(boardPanel_->rect());
    if (pauseCover_) pauseCover_->setGeometry(boardPanel_->rect());
    startPanel_->move((form->width() - startPanel_->width()) / 2,
                      (form->height() - startPanel_->height()) / 2);
    fitTaskName();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (boardView_) layOutBoard();
}

}  // namespace krizovky::ui
