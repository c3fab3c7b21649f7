// How the main window draws the board: the colours of "&Barvy", the shading
// of the selected square's runs, and the digit pad beside the modern board.
// All three are kept between starts with the window's look.
#include <QActionGroup>
#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QMenu>
#include <QPushButton>

#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui/square_widget.h"
#include "ui/state_label.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

constexpr struct {
    const char* name;
    ColourScheme scheme;
} kSchemeItems[] = {{"classicColoursAction", ColourScheme::kClassic},
                    {"colourBlindColoursAction", ColourScheme::kColourBlind},
                    {"darkColoursAction", ColourScheme::kDark}};

// The window of the dark scheme, in the board's own greys.
QPalette darkWindowPalette() {
    QPalette palette;
    const QColor window(0x2B, 0x2B, 0x2B), base(0x1E, 0x1E, 0x1E), text(0xE6, 0xE6, 0xE6);
    const QColor button(0x3A, 0x3A, 0x3A), faint(0x80, 0x80, 0x80);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, button);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0x2F, 0x65, 0xCA));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, faint);
    palette.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    palette.setColor(QPalette::Midlight, QColor(0x44, 0x44, 0x44));
    palette.setColor(QPalette::Mid, QColor(0x33, 0x33, 0x33));
    palette.setColor(QPalette::Dark, QColor(0x18, 0x18, 0x18));
    palette.setColor(QPalette::Shadow, Qt::black);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, faint);
    return palette;
}

// The pad's width beside the board and its buttons' side.
constexpr int kPadWidth = 150;
constexpr int kPadKey = 46;

}  // namespace

bool MainWindow::systemDark() {
    return QGuiApplication::palette().color(QPalette::Window).lightnessF() < 0.5;
}

ColourScheme MainWindow::boardScheme() const {
    const ColourScheme scheme = schemeOf(display_, systemDark());
    // The dark scheme is the modern look's; the classic window keeps its colours.
    return scheme == ColourScheme::kDark && look_ == WindowLook::kClassic ? ColourScheme::kClassic
                                                                          : scheme;
}

void MainWindow::createDisplayMenu(QMenu* options) {
    QMenu* colours = addMenu(options, "coloursMenu", QStringLiteral("&Barvy"));
    auto* group = new QActionGroup(colours);
    for (std::size_t i = 0; i < colourItems_.size(); ++i) {
        const ColourScheme scheme = kSchemeItems[i].scheme;
        QAction* item = colours->addAction(fromUtf8(std::string(schemeName(scheme))));
        item->setObjectName(QString::fromLatin1(kSchemeItems[i].name));
        item->setCheckable(true);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, scheme] { chooseColours(scheme); });
        colourItems_[i] = item;
    }
    runHighlightItem_ = addItem(options, "runHighlightAction", QStringLiteral("&Zvýrazňovat úseky"),
                                &MainWindow::toggleRunHighlight);
    runHighlightItem_->setCheckable(true);
    runHighlightItem_->setToolTip(
        QStringLiteral("v moderním vzhledu podbarvit vodorovný a svislý úsek vybraného políčka"));
    digitPadItem_ = addItem(options, "digitPadAction", QStringLiteral("Čísel&ník"),
                            &MainWindow::toggleDigitPad);
    digitPadItem_->setCheckable(true);
    digitPadItem_->setToolTip(QStringLiteral("v moderním vzhledu cifry a příkazy vedle desky"));
    options->setToolTipsVisible(true);
}

void MainWindow::chooseColours(ColourScheme scheme) {
    display_.colours = scheme;
    rememberDisplay(display_);
    showDisplay();
}

void MainWindow::toggleRunHighlight() {
    display_.runHighlight = !display_.runHighlight;
    rememberDisplay(display_);
    showDisplay();
}

void MainWindow::toggleDigitPad() {
    display_.digitPad = !display_.digitPad;
    rememberDisplay(display_);
    setLook(look_);
}

void MainWindow::createDigitPad() {
    digitPad_ = new QFrame(boardPanel_);
    digitPad_->setObjectName(QStringLiteral("digitPad"));
    digitPad_->hide();
    auto* grid = new QGridLayout(digitPad_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    auto add = [this](const char* name, const QString& text, const QString& tip) {
        auto* button = new QPushButton(text, digitPad_);
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(tip);
        // The keys stay with the board.
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    QFont digitFont = font();
    digitFont.setPixelSize(22);
    digitFont.setBold(true);
    for (int digit = 1; digit <= 9; ++digit) {
        QPushButton* button =
            add(QStringLiteral("padDigit%1Button").arg(digit).toLatin1().constData(),
                QString::number(digit), QStringLiteral("cifra %1").arg(digit));
        button->setFont(digitFont);
        button->setFixedSize(kPadKey, kPadKey);
        connect(button, &QPushButton::clicked, this,
                [this, digit] { keyPress(static_cast<Key>(digit)); });
        grid->addWidget(button, (digit - 1) / 3, (digit - 1) % 3);
        padDigits_[digit] = button;
    }
    padErase_ = add("padEraseButton", QStringLiteral("vymaž"), QStringLiteral("vymaž"));
    connect(padErase_, &QPushButton::clicked, this, [this] { keyPress(Key::kDelete); });
    padNotes_ = add("padNotesButton", QStringLiteral("poznámky"), QStringLiteral("poznámky (N)"));
    padNotes_->setCheckable(true);
    connect(padNotes_, &QPushButton::clicked, this, &MainWindow::toggleNotesMode);
    padUndo_ = add("padUndoButton", QStringLiteral("zpět"), QStringLiteral("zpět o 1 tah"));
    connect(padUndo_, &QPushButton::clicked, this, &MainWindow::undoMove);
    grid->addWidget(padErase_, 3, 0, 1, 3);
    grid->addWidget(padNotes_, 4, 0, 1, 3);
    grid->addWidget(padUndo_, 5, 0, 1, 3);
    digitPad_->setFixedSize(kPadWidth, digitPad_->sizeHint().height());
}

int MainWindow::digitPadWidth() const {
    return look_ == WindowLook::kModern && display_.digitPad ? kPadWidth + 8 : 0;
}

void MainWindow::placeDigitPad() {
    // Beside the board's squares, which stand in the middle of the view.
    const BoardPicture& picture = boardView_->picture();
    QRect board = static_cast<const QWidget*>(boardView_)->geometry();
    if (picture.rows > 0 && picture.columns > 0)
        board = boardView_->squareRect(1, 1)
                    .united(boardView_->squareRect(picture.rows, picture.columns))
                    .toAlignedRect()
                    .translated(boardView_->pos());
    digitPad_->move(board.right() + 12, board.top() + (board.height() - digitPad_->height()) / 2);
}

void MainWindow::showDigitPad() {
    const MainScreen& screen = game_.screen();
    const bool shown = digitPadWidth() > 0 && screen.boardPanel;
    digitPad_->setVisible(shown);
    if (!shown) return;
    placeDigitPad();
    const bool idle = !game_.solver().solving();
    const bool selected = idle && screen.selectedRow != 0;
    const std::array<bool, 10> offered = game_.play().digitsOffered();
    for (int digit = 1; digit <= 9; ++digit)
        padDigits_[digit]->setEnabled(selected && offered[digit]);
    padErase_->setEnabled(selected);
    padNotes_->setEnabled(idle && screen.notesButton);
    padNotes_->setChecked(screen.notesMode);
    padUndo_->setEnabled(idle && screen.undoButton);
}

void MainWindow::showDisplay() {
    const ColourScheme scheme = boardScheme();
    const BoardPalette& palette = boardPalette(scheme);
    const ColourScheme chosen = schemeOf(display_, systemDark());
    for (std::size_t i = 0; i < colourItems_.size(); ++i)
        colourItems_[i]->setChecked(kSchemeItems[i].scheme == chosen);
    runHighlightItem_->setChecked(display_.runHighlight);
    digitPadItem_->setChecked(display_.digitPad);

    boardView_->setColours(palette, display_.runHighlight);
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            squares_[r][c]->setColours(palette);
    for (int mark = 1; mark <= 4; ++mark)
        swatches_[mark]->setState(SquareState::kMark, mark, palette);
    duplicateLegend_->setState(SquareState::kDuplicate, 0, palette);
    wrongSumLegend_->setState(SquareState::kWrongSum, 0, palette);

    const bool dark = scheme == ColourScheme::kDark;
    if (dark != darkWindow_) {
        darkWindow_ = dark;
        setPalette(dark ? darkWindowPalette() : QPalette());
    }
    showDigitPad();
}

}  // namespace krizovky::ui
