#include "ui/main_window.h"

#include <algorithm>
#include <chrono>

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/board_view.h"
#include "ui/click_tracker.h"
#include "ui/digital_clock.h"
#include "ui/fonts.h"
#include "ui/keys.h"
#include "ui/pie_gauge.h"
#include "ui/square_widget.h"
#include "ui/state_label.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

// The lines of a list as the text of its box.
QString joinLines(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines)
        texts << fromUtf8(line);
    return texts.join(QLatin1Char('\n'));
}

void showLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    // Redrawn after every handler: setting the same text again would scroll
    // a long list back to its top.
    const QString text = joinLines(lines);
    if (memo->toPlainText() != text) memo->setPlainText(text);
}

}  // namespace

MainWindow::MainWindow(Game& game, std::function<void()> changed, const std::string& executablePath)
    : game_(game), changed_(std::move(changed)), display_(rememberedDisplay()) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(caption());
    setFont(baseFont());
    resize(826, 578);
    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    createMenu();
    auto* form = new QWidget(this);
    setCentralWidget(form);
    createBoardPanel(form);
    createHintPanels(form);
    createStepPanel(form);
    createButtons(form);
    createSquareMenu();

    loadGauge_ = new PieGauge(form);
    loadGauge_->setObjectName(QStringLiteral("loadGauge"));
    loadGauge_->setGeometry(664, 352, 121, 121);
    loadGauge_->hide();

    createStartPanel(form);
    createBoardView();
    createPauseCover();
    createSolverTimer();

    game_.start(executablePath);
    qApp->installEventFilter(this);
}

QString MainWindow::caption() {
    return QStringLiteral("součtové křížovky");
}

void MainWindow::createStartPanel(QWidget* form) {
    startPanel_ = new QFrame(form);
    startPanel_->setObjectName(QStringLiteral("startPanel"));
    startPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* layout = new QVBoxLayout(startPanel_);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(10);
    auto* prompt = new QLabel(QStringLiteral("Čím začnete?"), startPanel_);
    prompt->setAlignment(Qt::AlignCenter);
    layout->addWidget(prompt);
    QFont large = font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    auto addButton = [&](const char* name, const QString& text, void (MainWindow::*slot)()) {
        auto* button = new QPushButton(text, startPanel_);
        button->setObjectName(QString::fromLatin1(name));
        button->setFont(large);
        button->setMinimumSize(260, 52);
        connect(button, &QPushButton::clicked, this, slot);
        layout->addWidget(button);
    };
    addButton("startDailyButton", QStringLiteral("Úloha dne"), &MainWindow::openDailyTask);
    addButton("startNewTaskButton", QStringLiteral("Nová úloha…"), &MainWindow::openNewTask);
    addButton("startChooseButton", QStringLiteral("Výběr úlohy"), &MainWindow::showTaskList);
    // The look's switch, as "&Vzhled" of "&Volby" has it.
    auto* looks = new QHBoxLayout;
    looks->addWidget(new QLabel(QStringLiteral("vzhled:"), startPanel_));
    classicLookChoice_ = new QRadioButton(QStringLiteral("klasický"), startPanel_);
    classicLookChoice_->setObjectName(QStringLiteral("startClassicLook"));
    modernLookChoice_ = new QRadioButton(QStringLiteral("moderní"), startPanel_);
    modernLookChoice_->setObjectName(QStringLiteral("startModernLook"));
    connect(classicLookChoice_, &QRadioButton::clicked, this,
            [this] { chooseLook(WindowLook::kClassic); });
    connect(modernLookChoice_, &QRadioButton::clicked, this,
            [this] { chooseLook(WindowLook::kModern); });
    looks->addWidget(classicLookChoice_);
    looks->addWidget(modernLookChoice_);
    looks->addStretch();
    layout->addLayout(looks);
    startPanel_->adjustSize();
    startPanel_->hide();
}

void MainWindow::createPauseCover() {
    pauseCover_ = new QFrame(boardPanel_);
    pauseCover_->setObjectName(QStringLiteral("pauseCover"));
    pauseCover_->setAutoFillBackground(true);
    QPalette palette = pauseCover_->palette();
    palette.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    palette.setColor(QPalette::WindowText, Qt::white);
    pauseCover_->setPalette(palette);
    auto* layout = new QVBoxLayout(pauseCover_);
    layout->addStretch();
    auto* label = new QLabel(QStringLiteral("Pauza"), pauseCover_);
    QFont large = label->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    large.setBold(true);
    label->setFont(large);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    auto* resume = new QPushButton(QStringLiteral("pokračovat"), pauseCover_);
    resume->setObjectName(QStringLiteral("resumeButton"));
    connect(resume, &QPushButton::clicked, this, &MainWindow::togglePause);
    layout->addWidget(resume, 0, Qt::AlignCenter);
    layout->addStretch();
    pauseCover_->setGeometry(boardPanel_->rect());
    pauseCover_->hide();
}

void MainWindow::createBoardPanel(QWidget* form) {
    boardPanel_ = new QFrame(form);
    boardPanel_->setObjectName(QStringLiteral("boardPanel"));
    boardPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    boardPanel_->setGeometry(0, 0, 521, 505);
    boardPanel_->hide();

    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c) {
            squares_[r][c] = new SquareWidget(r, c, boardPanel_);
            connectSquare(squares_[r][c]);
        }

    taskName_ = new QLabel(boardPanel_);
    taskName_->setObjectName(QStringLiteral("taskName"));
    taskName_->setGeometry(184, 8, 137, 15);
    taskName_->setAlignment(Qt::AlignCenter);
    taskName_->setFont(pixelFont("DejaVu Sans", 13, true));
    taskName_->setAutoFillBackground(true);
    QPalette palette = taskName_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    taskName_->setPalette(palette);

    clock_ = new DigitalClock(boardPanel_);
    clock_->setObjectName(QStringLiteral("clock"));
    clock_->setGeometry(4, 4, 73, 25);

    createMarkSwatches();
    createLegends();
    createPlayClock();

    // The solver's time since its search began: yellow bold on olive.
    solverClock_ = new QLabel(boardPanel_);
    solverClock_->setObjectName(QStringLiteral("solverClock"));
    solverClock_->setGeometry(96, 8, 57, 16);
    solverClock_->setAlignment(Qt::AlignCenter);
    solverClock_->setFont(pixelFont("DejaVu Sans", 12, true));
    solverClock_->setAutoFillBackground(true);
    QPalette olive = solverClock_->palette();
    olive.setColor(QPalette::Window, toQColor(kOlive));
    olive.setColor(QPalette::WindowText, toQColor(kYellow));
    solverClock_->setPalette(olive);
    solverClock_->hide();
}

void MainWindow::createPlayClock() {
    // Across from the clock of the day, right of where the widest task name
    // ends (kClockRight in fitTaskName, mirrored) and far from the solver's
    // time left of the name.
    playClock_ = new QLabel(boardPanel_);
    playClock_->setObjectName(QStringLiteral("playClock"));
    playClock_->setGeometry(444, 4, 73, 25);
    playClock_->setAlignment(Qt::AlignCenter);
    playClock_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    playClock_->setFont(pixelFont("DejaVu Sans", 13, true));
    playClock_->setToolTip(QStringLiteral("čas hry"));
    playClock_->setAutoFillBackground(true);
    QPalette palette = playClock_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    playClock_->setPalette(palette);
    playClock_->hide();

    playClockTimer_ = new QTimer(this);
    connect(playClockTimer_, &QTimer::timeout, this, [this] {
        if (game_.persistence().updatePlayClock()) showPlayClock();
    });
    playClockTimer_->start(250);
}

void MainWindow::showPlayClock() {
    playClock_->setText(fromUtf8(game_.screen().playClockCaption));
    playClock_->setVisible(game_.screen().playClock);
}

void MainWindow::connectSquare(SquareWidget* square) {
    connect(square, &SquareWidget::clicked, this, [this, square] { selectSquare(*square); });
    connect(square, &SquareWidget::doubleClicked, this,
            [this, square] { writeSingleDigit(*square); });
    connect(square, &SquareWidget::popupRequested, this,
            [this, square](const QPoint& at) { openSquareMenu(*square, at); });
}

void MainWindow::createMarkSwatches() {
    for (int mark = 1; mark <= 4; ++mark) {
        auto* swatch = new StateLabel(QString(), boardPanel_);
        swatch->setObjectName(QStringLiteral("markSwatch%1").arg(mark));
        swatch->setProperty("tag", mark);
        swatch->setGeometry(24 + 40 * (mark - 1), 480, 25, 16);
        swatch->hide();
        auto* clicks = new ClickTracker(swatch);
        connect(clicks, &ClickTracker::clicked, this, [this, mark] { highlightMark(mark); });
        connect(clicks, &ClickTracker::doubleClicked, this, [this, mark] { removeMark(mark); });
        swatches_[mark] = swatch;
    }
}

void MainWindow::createLegends() {
    // Each legend may grow up to the next one (or the panel's edge) to keep
    // its caption whole.
    // The caption follows a square with the state's shape.
    auto legend = [this](const QString& text, const char* name, QRect place, int maxWidth) {
        auto* label = new StateLabel(text, boardPanel_);
        label->setObjectName(QString::fromLatin1(name));
        label->setIndent(place.height() + 2);
        const int needed = label->fontMetrics().horizontalAdvance(text) + place.height() + 6;
        place.setWidth(std::clamp(needed, place.width(), std::max(place.width(), maxWidth)));
        label->setGeometry(place);
        label->hide();
        return label;
    };
    duplicateLegend_ = legend(QStringLiteral(" duplikátní číslo"), "duplicateLegend",
                              QRect(216, 480, 105, 16), 352 - 8 - 216);
    wrongSumLegend_ = legend(QStringLiteral(" chybný součet"), "wrongSumLegend",
                             QRect(352, 480, 105, 16), 521 - 8 - 352);
    duplicateLegend_->setAccessibleName(QStringLiteral("duplikátní číslo"));
    wrongSumLegend_->setAccessibleName(QStringLiteral("chybný součet"));
}

void MainWindow::createHintPanels(QWidget* form) {
    auto panel = [form](const char* name, QRect place, const char* titleName, const QString& title,
                        const char* memoName, QRect memoPlace) {
        auto* frame = new QFrame(form);
        frame->setObjectName(QString::fromLatin1(name));
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setGeometry(place);
        frame->hide();
        auto* label = new QLabel(title, frame);
        label->setObjectName(QString::fromLatin1(titleName));
        label->move(8, 0);
        label->adjustSize();
        auto* memo = new QPlainTextEdit(frame);
        memo->setObjectName(QString::fromLatin1(memoName));
        memo->setReadOnly(true);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setGeometry(memoPlace);
        return std::pair{frame, memo};
    };
    std::tie(acrossPanel_, acrossHints_) =
        panel("acrossPanel", QRect(528, 8, 129, 289), "acrossTitle", QStringLiteral("vodorovně:"),
              "acrossHints", QRect(0, 16, 129, 273));
    std::tie(downPanel_, downHints_) =
        panel("downPanel", QRect(664, 8, 129, 289), "downTitle", QStringLiteral("svisle:"),
              "downHints", QRect(0, 16, 129, 273));
    std::tie(allowedPanel_, allowedDigits_) =
        panel("allowedPanel", QRect(528, 304, 265, 41), "allowedTitle",
              QStringLiteral("přípustné cifry:"), "allowedDigits", QRect(0, 16, 265, 25));
    // One line of digits: no room for scroll bars or a wide margin.
    allowedDigits_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    allowedDigits_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    allowedDigits_->document()->setDocumentMargin(2);
}

QPushButton* MainWindow::addButton(QWidget* form, const char* name, const QString& text,
                                   QPoint place, void (MainWindow::*handler)()) {
    auto* button = new QPushButton(text, form);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place.x(), place.y(), 121, 25);
    button->hide();
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void MainWindow::createButtons(QWidget* form) {
    auto add = [this, form](const char* name, const QString& text, int top,
                            void (MainWindow::*handler)()) {
        return addButton(form, name, text, QPoint(528, top), handler);
    };
    undoButton_ = add("undoButton", QStringLiteral("zpět o 1 tah"), 352, &MainWindow::undoMove);
    markButton_ = add("markButton", QStringLiteral("nastav značku"), 384, &MainWindow::setMark);
    undoToMarkButton_ =
        add("undoToMarkButton", QStringLiteral("zpět ke značce"), 416, &MainWindow::undoToMark);
    checkButton_ =
        add("checkButton", QStringLiteral(" proveď kontroly"), 448, &MainWindow::checkWholeBoard);
    stopButton_ = add("stopButton", QStringLiteral("přeruš"), 480, &MainWindow::stopSolving);
    createNotesAndRedoButtons(form);
}

void MainWindow::createNotesAndRedoButtons(QWidget* form) {
    // Beside "zpět o 1 tah" and "nastav značku"; the load gauge covers them
    // while a load runs.
    auto add = [this, form](const char* name, const QString& text, int top,
                            void (MainWindow::*handler)()) {
        return addButton(form, name, text, QPoint(656, top), handler);
    };
    redoButton_ = add("redoButton", QStringLiteral("znovu o 1 tah"), 352, &MainWindow::redoMove);
    notesButton_ =
        add("notesButton", QStringLiteral("poznámky"), 384, &MainWindow::toggleNotesMode);
    // Pressed while the notes mode is on; the game says when.
    notesButton_->setCheckable(true);
}

void MainWindow::showScreen() {
    const MainScreen& screen = game_.screen();
    showBoard();
    fitTaskName();
    taskName_->setVisible(screen.taskName);
    game_.persistence().updatePlayClock();
    showPlayClock();
    boardPanel_->setVisible(screen.boardPanel);
    // The start's buttons until the first task is on the board.
    startPanel_->setVisible(!screen.boardPanel && !game_.solver().solving());
    pauseCover_->setVisible(screen.paused);
    if (screen.paused) pauseCover_->raise();
    pauseItem_->setChecked(screen.paused);
    showGauge();
    // The task of the day is made without a dialog: the pointer says that
    // the window works on it.
    const NewTaskScreen& making = game_.newTasks().newTaskScreen();
    if (making.working && making.daily)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();

    showDigitPad();
    for (int mark = 1; mark <= 4; ++mark)
        swatches_[mark]->setVisible(screen.swatch[mark]);
    duplicateLegend_->setVisible(screen.duplicateLegend);
    wrongSumLegend_->setVisible(screen.wrongSumLegend);
    showCheckResult();
    markButton_->setVisible(screen.markButton);
    undoButton_->setVisible(screen.undoButton);
    undoToMarkButton_->setVisible(screen.undoToMarkButton);
    checkButton_->setVisible(screen.checkButton);
    showNotesAndRedo();
    showSolverProgress();
    showHintPanels();
    showStep();
    showMenus();
    paceSolver();
}

void MainWindow::showSolverProgress() {
    const MainScreen& screen = game_.screen();
    solverClock_->setText(fromUtf8(screen.solverClockCaption));
    solverClock_->setVisible(screen.solverClock);
    stopButton_->setVisible(screen.stopButton);

    // While the solver searches, only "přeruš" answers; everything else waits.
    const bool idle = !game_.solver().solving();
    if (commandsEnabled_ == idle) return;
    commandsEnabled_ = idle;
    menuBar()->setEnabled(idle);
    for (QWidget* control :
         {markButton_, undoButton_, undoToMarkButton_, checkButton_, redoButton_, notesButton_})
        control->setEnabled(idle);
    for (int mark = 1; mark <= 4; ++mark)
        swatches_[mark]->setEnabled(idle);
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            squares_[r][c]->setEnabled(idle);
    boardView_->setEnabled(idle);
}

void MainWindow::showHintPanels() {
    const MainScreen& screen = game_.screen();
    showLines(acrossHints_, screen.acrossHints);
    showLines(downHints_, screen.downHints);
    showLines(allowedDigits_, screen.allowedDigits);
    acrossPanel_->setVisible(screen.acrossPanel);
    downPanel_->setVisible(screen.downPanel);
    allowedPanel_->setVisible(screen.allowedPanel);
}

void MainWindow::showCheckResult() {
    const MainScreen& screen = game_.screen();
    QStringList shown;
    if (screen.duplicateLegend) shown << duplicateLegend_->accessibleName();
    if (screen.wrongSumLegend) shown << wrongSumLegend_->accessibleName();
    boardView_->setCheckResult(shown.join(QStringLiteral(", ")));
}

void MainWindow::showNotesAndRedo() {
    const MainScreen& screen = game_.screen();
    redoButton_->setVisible(screen.redoButton);
    notesButton_->setVisible(screen.notesButton);
    notesButton_->setChecked(screen.notesMode);
    // Pressed and in bold while on, so that the mode is seen at a glance.
    if (notesButton_->font().bold() != screen.notesMode) {
        QFont font = notesButton_->font();
        font.setBold(screen.notesMode);
        notesButton_->setFont(font);
    }
    undoItem_->setEnabled(screen.undoButton);
    redoItem_->setEnabled(screen.redoButton);
    eraseNotesItem_->setChecked(game_.options().eraseNotes);
    noteMenu_->menuAction()->setEnabled(screen.noteItemsEnabled);
    for (int digit = 1; digit <= 9; ++digit)
        noteItems_[digit]->setChecked(screen.noteItemChecked[digit]);
}

void MainWindow::fitTaskName() {
    // What is wrong with the task follows its name in the same label.
    const MainScreen& screen = game_.screen();
    QString text = fromUtf8(screen.taskNameCaption);
    if (!screen.taskProblem.empty()) {
        if (text.endsWith(QStringLiteral("  "))) text.chop(2);
        text += QStringLiteral(" – ") + fromUtf8(screen.taskProblem) + QStringLiteral("  ");
    }
    // The name stays centred over the board; a name longer than the label's
    // 137 pixels widens it on both sides, up to the clock on the left. What
    // still does not fit is cut short, whole in the tool tip.
    constexpr int kLeft = 184, kWidth = 137, kCentre = kLeft + kWidth / 2, kClockRight = 80;
    // The modern board lies in the middle of its panel.
    const int centre = look_ == WindowLook::kModern ? boardPanel_->width() / 2 : kCentre;
    const QFontMetrics metrics = taskName_->fontMetrics();
    const int widest = std::max(kWidth, 2 * (centre - kClockRight));
    const int needed = metrics.horizontalAdvance(text) + 4;
    const int width = std::clamp(needed, kWidth, widest);
    taskName_->setText(needed > widest ? metrics.elidedText(text, Qt::ElideRight, widest - 4)
                                       : text);
    taskName_->setToolTip(needed > widest ? text : QString());
    taskName_->setGeometry(centre - width / 2, 8, width, 15);
}

void MainWindow::showGauge() {
    const GaugeLook& look = game_.screen().loadGauge;
    loadGauge_->setProgress(look.position, look.maximum);
    loadGauge_->setVisible(look.visible);
}

void MainWindow::repaintSquare(int row, int column) {
    if (!Board::onBoard(row, column)) return;
    if (look_ == WindowLook::kModern) {
        showBoard();
        boardView_->repaintSquare(row, column);
        return;
    }
    const BoardPicture picture = pictureOfGame(game_.board(), &game_.screen());
    squares_[row][column]->setLook(picture.at(row, column),
                                   classicSquarePlace(row, column, picture.squaresBuild));
    squares_[row][column]->repaint();
}

void MainWindow::repaintGauge() {
    showGauge();
    loadGauge_->repaint();
}

void MainWindow::createSolverTimer() {
    solverTimer_ = new QTimer(this);
    solverTimer_->setSingleShot(true);
    solverTimer_->setTimerType(Qt::PreciseTimer);
    connect(solverTimer_, &QTimer::timeout, this, &MainWindow::advanceSolve);
}

void MainWindow::advanceSolve() {
    // While a box is open (the question of "přeruš") the search waits; the
    // redraw after it sets the timer again.
    if (QApplication::activeModalWidget() != nullptr) return;
    game_.solver().advanceSolve(std::chrono::steady_clock::now());
    changed_();
}

void MainWindow::paceSolver() {
    if (!game_.solver().solving()) {
        solverTimer_->stop();
        return;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(
        game_.solver().solverDue() - std::chrono::steady_clock::now());
    solverTimer_->start(std::max(wait, std::chrono::milliseconds::zero()));
}

void MainWindow::selectSquare(int row, int column) {
    game_.play().selectSquare(row, column);
    changed_();
}

void MainWindow::writeSingleDigit(int row, int column) {
    game_.play().writeSingleDigit(row, column);
    changed_();
}

void MainWindow::openSquareMenu(int row, int column, const QPoint& globalPos) {
    game_.play().openSquareMenu(row, column);
    changed_();
    squareMenu_->exec(globalPos);
}

void MainWindow::selectSquare(const SquareWidget& square) {
    selectSquare(tagRow(square.tag()), tagColumn(square.tag()));
}

void MainWindow::writeSingleDigit(const SquareWidget& square) {
    writeSingleDigit(tagRow(square.tag()), tagColumn(square.tag()));
}

void MainWindow::openSquareMenu(const SquareWidget& square, const QPoint& globalPos) {
    openSquareMenu(tagRow(square.tag()), tagColumn(square.tag()), globalPos);
}

void MainWindow::chooseDigit(int digit) {
    game_.play().chooseDigit(digit);
    changed_();
}

void MainWindow::chooseNote(int digit) {
    game_.moves().chooseNote(digit);
    changed_();
}

void MainWindow::highlightMark(int mark) {
    game_.moves().highlightMark(mark);
    changed_();
}

void MainWindow::removeMark(int mark) {
    game_.moves().removeMark(mark);
    changed_();
}

void MainWindow::setLevel(Level level) {
    game_.play().setLevel(level);
    changed_();
}

void MainWindow::setSolverSpeed(SolverSpeed speed) {
    game_.solver().setSolverSpeed(speed);
    changed_();
}

void MainWindow::keyPress(Key key) {
    game_.play().keyPress(key);
    changed_();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The system's palette changed: its dark mode is followed until the
    // player chooses a scheme.
    if (event->type() == QEvent::ApplicationPaletteChange && watched == qApp && boardView_)
        showDisplay();
    // Every key press of the application passes here before its widget sees
    // it. Those of this window are the board's, whichever control has the
    // focus; only the menu bar, while the keyboard is in it, keeps its keys.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this && !qobject_cast<QMenuBar*>(watched)) {
        const std::optional<Key> key = gameKey(*static_cast<QKeyEvent*>(event));
        if (key && *key != Key::kEscape) {
            // Under the pause's cover the board takes no key.
            if (!game_.screen().paused) keyPress(*key);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::quit() {
    if (game_.terminateRequested()) return;
    game_.persistence().confirmQuit();
    // The redraw answers the questions of the quitting.
    changed_();
    if (!game_.persistence().quitConfirmed()) return;
    game_.quit();
    changed_();
    close();
    QCoreApplication::exit(0);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        game_.persistence().playClock().setWindowActive(isActiveWindow());
    else if (event->type() == QEvent::WindowStateChange)
        game_.persistence().playClock().setMinimized(isMinimized());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    quit();
    if (game_.terminateRequested())
        event->accept();
    else
        event->ignore();
}

}  // namespace krizovky::ui
