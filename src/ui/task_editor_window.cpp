#include "ui/task_editor_window.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "solver/explanations.h"
#include "ui/fonts.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

constexpr int kTypedName = 15;   // characters the name field takes from the keyboard
constexpr int kTypedNumber = 5;  // and the number field

}  // namespace

TaskEditorWindow::TaskEditorWindow(Game& game, std::function<void()> changed)
    : QWidget(nullptr, Qt::Window), game_(game), changed_(std::move(changed)) {
    setObjectName(QStringLiteral("taskEditorWindow"));
    setWindowTitle(caption());
    setFont(baseFont());
    // Every cell shows a clue of two two-digit sums whole, and every button
    // its caption with a margin, whatever the font's real widths.
    const QFontMetrics metrics(font());
    const int column = std::max(40, metrics.horizontalAdvance(QStringLiteral("29/10")) + 12);
    const int gridWidth = kEditorSize * column + 4;
    int buttonWidth = 121;
    for (const char* caption :
         {"vymaž formulář", " generuj strukturu", " generuj vše", "načti úlohu", "dokonči úlohu",
          "ulož úlohu", " generuj jedinečnou"})
        buttonWidth =
            std::max(buttonWidth, metrics.horizontalAdvance(QString::fromUtf8(caption)) + 20);
    const int leftButtons = 264, rightButtons = leftButtons + buttonWidth;
    const int lastColumn = rightButtons + buttonWidth + 23;
    // The row of " generuj jedinečnou" and its grade below the buttons of old.
    setFixedSize(std::max(gridWidth, lastColumn + 121), 405 + 24);

    createGrid(column);
    auto label = [this](const QString& text, int left, int top) {
        auto* shown = new QLabel(text, this);
        shown->move(left, top);
        shown->adjustSize();
        return shown;
    };
    label(QStringLiteral("název úlohy:"), 8, 328)->setObjectName(QStringLiteral("nameTitle"));
    label(QStringLiteral("číslo úlohy:"), 136, 328)->setObjectName(QStringLiteral("numberTitle"));

    nameField_ = new QLineEdit(this);
    nameField_->setObjectName(QStringLiteral("nameField"));
    nameField_->setGeometry(8, 344, 113, 24);
    connect(nameField_, &QLineEdit::textEdited, this, &TaskEditorWindow::changeName);
    connect(nameField_, &QLineEdit::editingFinished, this, &TaskEditorWindow::changeName);

    numberField_ = new QLineEdit(this);
    numberField_->setObjectName(QStringLiteral("numberField"));
    numberField_->setGeometry(136, 344, 73, 24);
    connect(numberField_, &QLineEdit::textEdited, this, &TaskEditorWindow::changeTaskNumber);

    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("verdict"));
    verdict_->setGeometry(lastColumn, 328, width() - lastColumn - 8, 44);
    verdict_->setWordWrap(true);
    verdict_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    createButtons(buttonWidth, leftButtons, rightButtons, lastColumn);
}

void TaskEditorWindow::createGrid(int column) {
    grid_ = new QTableWidget(kEditorSize, kEditorSize, this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setGeometry(0, 0, width(), 321);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setMinimumSectionSize(1);
    grid_->verticalHeader()->setMinimumSectionSize(1);
    grid_->horizontalHeader()->setDefaultSectionSize(column);
    grid_->verticalHeader()->setDefaultSectionSize(18);
    grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid_->setTabKeyNavigation(true);
    grid_->setStyleSheet(QStringLiteral("QTableWidget { gridline-color: #808080; }"));
    for (int r = 0; r < kEditorSize; ++r)
        for (int c = 0; c < kEditorSize; ++c)
            grid_->setItem(r, c, new QTableWidgetItem);
    connect(grid_, &QTableWidget::itemChanged, this, &TaskEditorWindow::editCell);
}

void TaskEditorWindow::createButtons(int buttonWidth, int left, int right, int last) {
    auto button = [this, buttonWidth](const char* name, const QString& text, int x, int y,
                                      void (TaskEditorWindow::*handler)()) {
        auto* made = new QPushButton(text, this);
        made->setObjectName(QString::fromLatin1(name));
        made->setGeometry(x, y, buttonWidth, 25);
        connect(made, &QPushButton::clicked, this, handler);
        return made;
    };
    QPushButton* save = button("saveTaskButton", QStringLiteral("ulož úlohu"), right, 376,
                               &TaskEditorWindow::saveTask);
    QPushButton* back =
        button("backButton", QStringLiteral("zpět"), last, 376, &TaskEditorWindow::goBack);
    back->setFixedWidth(113);
    QPushButton* clear = button("clearButton", QStringLiteral("vymaž formulář"), left, 328,
                                &TaskEditorWindow::clearGrid);
    QPushButton* structure = button("generateStructureButton", QStringLiteral(" generuj strukturu"),
                                    left, 352, &TaskEditorWindow::generateStructure);
    QPushButton* whole = button("generateAllButton", QStringLiteral(" generuj vše"), left, 376,
                                &TaskEditorWindow::generateWholeTask);
    QPushButton* complete = button("completeButton", QStringLiteral("dokonči úlohu"), right, 352,
                                   &TaskEditorWindow::completeTask);
    QPushButton* load = button("loadTaskButton", QStringLiteral("načti úlohu"), right, 328,
                               &TaskEditorWindow::chooseTaskToLoad);
    QPushButton* unique = button("generateUniqueButton", QStringLiteral(" generuj jedinečnou"),
                                 left, 400, &TaskEditorWindow::generateUniqueTask);
    uniqueGrade_ = new QComboBox(this);
    uniqueGrade_->setObjectName(QStringLiteral("uniqueGrade"));
    for (Difficulty grade : kOfferedGrades)
        uniqueGrade_->addItem(fromUtf8(difficultyName(grade)));
    uniqueGrade_->setGeometry(right, 400, buttonWidth, 25);
    connect(uniqueGrade_, &QComboBox::activated, this, &TaskEditorWindow::chooseUniqueGrade);

    const QWidget* order[] = {grid_, nameField_, save,         back, clear,  structure,
                              whole, complete,   numberField_, load, unique, uniqueGrade_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
}

QString TaskEditorWindow::caption() {
    return QStringLiteral("definice úlohy");
}

void TaskEditorWindow::showScreen() {
    const TaskEditorScreen& screen = game_.tasks().editor().screen();
    drawing_ = true;
    for (int r = 1; r <= kEditorSize; ++r) {
        for (int c = 1; c <= kEditorSize; ++c) {
            QTableWidgetItem* item = grid_->item(r - 1, c - 1);
            const QString text = fromCp1250(screen.grid.at(c, r));
            if (item->text() != text) item->setText(text);
        }
    }
    const QString name = fromCp1250(screen.nameField);
    if (nameField_->text() != name) nameField_->setText(name);
    const QString number = fromCp1250(screen.numberField);
    if (numberField_->text() != number) numberField_->setText(number);
    numberShown_ = number;
    verdict_->setText(fromUtf8(screen.verdict));
    verdict_->setToolTip(fromNativePath(screen.savedTo));
    uniqueGrade_->setCurrentIndex(screen.uniqueGrade);
    drawing_ = false;
    setVisible(screen.visible);
}

void TaskEditorWindow::run(const std::function<void()>& handler) {
    handler();
    changed_();
}

void TaskEditorWindow::saveTask() {
    run([this] { editor().saveTask(); });
}

void TaskEditorWindow::goBack() {
    run([this] { editor().hide(); });
}

void TaskEditorWindow::clearGrid() {
    run([this] { editor().clearGrid(); });
}

void TaskEditorWindow::generateStructure() {
    run([this] { editor().generateStructure(); });
}

void TaskEditorWindow::generateWholeTask() {
    run([this] { editor().generateWholeTask(); });
}

void TaskEditorWindow::generateUniqueTask() {
    // The maker takes well under a second, longer only for a structure that
    // suits the grade badly.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    run([this] { editor().generateUniqueTask(); });
    QApplication::restoreOverrideCursor();
}

void TaskEditorWindow::chooseUniqueGrade(int index) {
    run([this, index] { editor().setUniqueGrade(index); });
}

void TaskEditorWindow::completeTask() {
    run([this] { editor().completeTask(); });
}

void TaskEditorWindow::chooseTaskToLoad() {
    run([this] { editor().chooseTaskToLoad(); });
}

void TaskEditorWindow::changeName() {
    // The keyboard gives the name at most 15 characters; a longer name the
    // program set (a loaded task's) stays as it is until it is edited.
    QString text = nameField_->text();
    if (nameField_->isModified() && text.size() > kTypedName &&
        text.size() > fromCp1250(editor().screen().nameField).size())
        text.truncate(kTypedName);
    run([this, text] { editor().changeName(toCp1250(text)); });
}

void TaskEditorWindow::changeTaskNumber() {
    // At most five characters typed; the number the field starts with is
    // longer and stays until the user edits it.
    const QString text = numberField_->text();
    if (text.size() > kTypedNumber && text.size() > numberShown_.size()) {
        numberField_->setText(numberShown_);
        return;
    }
    run([this, text] { editor().changeTaskNumber(toCp1250(text)); });
}

void TaskEditorWindow::editCell(QTableWidgetItem* item) {
    if (drawing_) return;
    const int row = item->row() + 1, column = item->column() + 1;
    const std::string text = toCp1250(item->text());
    run([this, row, column, text] { editor().setCell(column, row, text); });
}

void TaskEditorWindow::closeEvent(QCloseEvent* event) {
    editor().hide();
    changed_();
    event->accept();
}

}  // namespace krizovky::ui
