// The main window's menus: the menu bar, the options with their ticks read
// from the game, and the pop-up menu of a square.
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>

#include "ui/main_window.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

// The Levels of "&IQ" in the order of their items.
constexpr struct {
    const char* name;
    const char* text;
    Level level;
} kLevels[] = {{"level100Action", "100", Level::k100},
               {"level130Action", "130", Level::k130},
               {"level160Action", "160", Level::k160}};

// The speeds of "&Rychlost řešení" in the order of their items.
constexpr struct {
    const char* name;
    const char* text;
    SolverSpeed speed;
} kSpeeds[] = {{"stepSpeedAction", "krokovat", SolverSpeed::kStep},
               {"smoothSpeedAction", "plynule", SolverSpeed::kSmooth},
               {"fastestSpeedAction", "co nejrychleji", SolverSpeed::kFastest}};

}  // namespace

QAction* MainWindow::addItem(QMenu* menu, const char* name, const QString& text,
                             void (MainWindow::*handler)()) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
    return action;
}

QMenu* MainWindow::addMenu(QMenu* parent, const char* name, const QString& text) {
    QMenu* menu = parent ? parent->addMenu(text) : menuBar()->addMenu(text);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void MainWindow::createMenu() {
    QMenu* game = addMenu(nullptr, "gameMenu", QStringLiteral("&Hra"));
    addNewTaskItem(game);
    addItem(game, "chooseTaskAction", QStringLiteral("&Výběr úlohy"), &MainWindow::showTaskList)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    addItem(game, "reloadAction", QStringLiteral("&Znovu"), &MainWindow::reloadTask)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_R), QKeySequence(Qt::Key_F5)});
    pauseItem_ = addItem(game, "pauseAction", QStringLiteral("Pau&za"), &MainWindow::togglePause);
    pauseItem_->setShortcut(QKeySequence(Qt::Key_P));
    pauseItem_->setCheckable(true);
    addUndoAndRedoItems(game);
    saveGameItem_ = addItem(game, "saveGameAction", QStringLiteral("&Ulož"), &MainWindow::saveGame);
    addItem(game, "loadGameAction", QStringLiteral("&Načti"), &MainWindow::loadGame);
    addLinkItems(game);
    game->addSeparator()->setObjectName(QStringLiteral("gameSeparator"));
    createOutputItems(game);
    addItem(game, "taskFileAction", QStringLiteral("&Soubor úloh"), &MainWindow::chooseTaskFile);
    QMenu* editing = addMenu(game, "editMenu", QStringLiteral("&Editace"));
    addItem(editing, "textEditorAction", QStringLiteral("&Text"), &MainWindow::showTextEditor);
    addItem(editing, "taskEditorAction", QStringLiteral("&Formulář"), &MainWindow::showTaskEditor);
    game->addSeparator()->setObjectName(QStringLiteral("quitSeparator"));
    addItem(game, "quitAction", QStringLiteral("&Konec"), &MainWindow::quit);

    createOptionsMenu();

    QMenu* information = addMenu(nullptr, "informationMenu", QStringLiteral("&Informace"));
    addItem(information, "rulesAction", QStringLiteral("&Pravidla"), &MainWindow::showRules);
    addItem(information, "resultsAction", QStringLiteral("&Moje výsledky"),
            &MainWindow::showResults);
    addItem(information, "aboutAction", QStringLiteral("&O hře"), &MainWindow::showAbout);

    QMenu* help = addMenu(nullptr, "helpMenu", QStringLiteral("&Pomoc"));
    addItem(help, "nextStepAction", QStringLiteral("&Další krok"), &MainWindow::showNextStep)
        ->setShortcut(QKeySequence(Qt::Key_F1));
    addItem(help, "verifyAction", QStringLiteral("&Je to zatím správně?"),
            &MainWindow::verifyBoard);
    addItem(help, "showErrorsAction", QStringLiteral("&Ukaž chyby"), &MainWindow::showErrors);
    addItem(help, "fillNotesAction", QStringLiteral("&Vyplň poznámky"), &MainWindow::fillNotes);
    addItem(help, "combinationsAction", QStringLiteral("Tabulka kombinací"),
            &MainWindow::showCombinations);
}

void MainWindow::addUndoAndRedoItems(QMenu* game) {
    undoItem_ = addItem(game, "undoAction", QStringLiteral("Zpět o tah"), &MainWindow::undoMove);
    undoItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoItem_ = addItem(game, "redoAction", QStringLiteral("Vpřed o tah"), &MainWindow::redoMove);
    redoItem_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
}

void MainWindow::addNewTaskItem(QMenu* game) {
    addItem(game, "dailyTaskAction", QStringLiteral("Úloha &dne"), &MainWindow::openDailyTask);
    addItem(game, "newTaskAction", QStringLiteral("&Nová úloha…"), &MainWindow::openNewTask)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
}

void MainWindow::openDailyTask() {
    game_.newTasks().openDailyTask(localToday());
    changed_();
}

void MainWindow::addLinkItems(QMenu* game) {
    game->addSeparator()->setObjectName(QStringLiteral("linkSeparator"));
    addItem(game, "importLinkAction", QStringLiteral("Vložit úlohu z &odkazu…"),
            &MainWindow::openLinkImport);
    copyLinkItem_ = addItem(game, "copyLinkAction", QStringLiteral("Kopírovat &odkaz na úlohu"),
                            &MainWindow::copyTaskLink);
}

void MainWindow::openLinkImport() {
    game_.newTasks().openLinkImport(QGuiApplication::clipboard()->text().toStdString());
    changed_();
}

void MainWindow::createOptionsMenu() {
    QMenu* options = addMenu(nullptr, "optionsMenu", QStringLiteral("&Volby"));
    QMenu* iq = addMenu(options, "levelMenu", QStringLiteral("&IQ"));
    // "70" starts the solver; it is no Level to keep and never checked.
    addItem(iq, "solveAction", QStringLiteral("70"), &MainWindow::askToSolve);
    // The check marks are the game's: Qt's own toggling on a click is
    // overwritten by the redraw that follows. One Level at a time: drawn as
    // radio items. The group need not enforce it, the game does.
    auto* levels = new QActionGroup(iq);
    levels->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (std::size_t i = 0; i < levelItems_.size(); ++i) {
        QAction* item = iq->addAction(QString::fromLatin1(kLevels[i].text));
        item->setObjectName(QString::fromLatin1(kLevels[i].name));
        item->setCheckable(true);
        const Level level = kLevels[i].level;
        connect(item, &QAction::triggered, this, [this, level] { setLevel(level); });
        levels->addAction(item);
        levelItems_[i] = item;
    }
    autoFillItem_ = addItem(options, "autoFillAction", QStringLiteral("&Doplňovat"),
                            &MainWindow::toggleAutoFill);
    checkingItem_ = addItem(options, "checkingAction", QStringLiteral("&Kontrolovat"),
                            &MainWindow::toggleChecking);
    autoFillItem_->setCheckable(true);
    checkingItem_->setCheckable(true);
    createLookMenu(options);
    createDisplayMenu(options);
    createSpeedMenu(options);
    eraseNotesItem_ = addItem(options, "eraseNotesAction", QStringLiteral("&Mazat poznámky"),
                              &MainWindow::toggleEraseNotes);
    eraseNotesItem_->setCheckable(true);
}

void MainWindow::createSpeedMenu(QMenu* options) {
    QMenu* speeds = addMenu(options, "speedMenu", QStringLiteral("&Rychlost řešení"));
    // Ticked by the game, one at a time, as the Levels are.
    auto* group = new QActionGroup(speeds);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (std::size_t i = 0; i < speedItems_.size(); ++i) {
        QAction* item = speeds->addAction(fromUtf8(kSpeeds[i].text));
        item->setObjectName(QString::fromLatin1(kSpeeds[i].name));
        item->setCheckable(true);
        const SolverSpeed speed = kSpeeds[i].speed;
        connect(item, &QAction::triggered, this, [this, speed] { setSolverSpeed(speed); });
        group->addAction(item);
        speedItems_[i] = item;
    }
}

void MainWindow::createSquareMenu() {
    squareMenu_ = new QMenu(this);
    squareMenu_->setObjectName(QStringLiteral("squareMenu"));
    addItem(squareMenu_, "eraseItem", QStringLiteral("vymaž"), &MainWindow::eraseSquare);
    for (int digit = 1; digit <= 9; ++digit) {
        QAction* item = squareMenu_->addAction(QString::number(digit));
        item->setObjectName(QStringLiteral("digit%1Item").arg(digit));
        connect(item, &QAction::triggered, this, [this, digit] { chooseDigit(digit); });
        digitItems_[digit] = item;
    }
    createNoteSubmenu();
}

void MainWindow::createNoteSubmenu() {
    // The ticks are the game's, as those of "&Volby" are.
    noteMenu_ = addMenu(squareMenu_, "noteMenu", QStringLiteral("poznámka"));
    for (int digit = 1; digit <= 9; ++digit) {
        QAction* item = noteMenu_->addAction(QString::number(digit));
        item->setObjectName(QStringLiteral("note%1Item").arg(digit));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, digit] { chooseNote(digit); });
        noteItems_[digit] = item;
    }
}

void MainWindow::showMenus() {
    const MainScreen& screen = game_.screen();
    for (int digit = 1; digit <= 9; ++digit)
        digitItems_[digit]->setEnabled(screen.digitItemEnabled[digit]);
    // While the solver runs, "&Kontrolovat" shows the checking it forces on.
    const Options& options = game_.options();
    for (std::size_t i = 0; i < levelItems_.size(); ++i)
        levelItems_[i]->setChecked(options.level == kLevels[i].level);
    autoFillItem_->setChecked(options.autoFill);
    checkingItem_->setChecked(game_.play().checkingOn());
    showSpeedMenu();
}

void MainWindow::showSpeedMenu() {
    for (std::size_t i = 0; i < speedItems_.size(); ++i)
        speedItems_[i]->setChecked(game_.options().solverSpeed == kSpeeds[i].speed);
}

}  // namespace krizovky::ui
