#include "ui/new_task_dialog.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "solver/explanations.h"
#include "ui/fonts.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

// How often the dialog looks at the making under way.
constexpr int kLookEveryMs = 40;

const char* const kGradeNames[] = {"easyGrade", "mediumGrade", "hardGrade", "veryHardGrade"};

// The maker's sizes as the player knows them, the clue row and column counted.
const char* const kSizeTexts[] = {"malá (8 × 8)", "střední (11 × 11)", "velká (15 × 15)"};

}  // namespace

NewTaskDialog::NewTaskDialog(Game& game, std::function<void()> changed, QWidget* parent)
    : QDialog(parent), game_(game), changed_(std::move(changed)) {
    setObjectName(QStringLiteral("newTaskDialog"));
    setWindowTitle(caption());
    setFont(baseFont());
    setWindowModality(Qt::ApplicationModal);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(createChoices());
    createWorkingSigns();
    layout->addWidget(working_);
    layout->addWidget(workingBar_);
    layout->addLayout(createButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    timer_ = new QTimer(this);
    timer_->setInterval(kLookEveryMs);
    connect(timer_, &QTimer::timeout, this, &NewTaskDialog::lookAtMaking);
}

QFormLayout* NewTaskDialog::createChoices() {
    auto* gradeBox = new QVBoxLayout;
    auto* gradeGroup = new QButtonGroup(this);
    for (std::size_t i = 0; i < grades_.size(); ++i) {
        grades_[i] = new QRadioButton(fromUtf8(difficultyName(kOfferedGrades[i])), this);
        grades_[i]->setObjectName(QString::fromLatin1(kGradeNames[i]));
        gradeGroup->addButton(grades_[i], static_cast<int>(i));
        gradeBox->addWidget(grades_[i]);
    }
    connect(gradeGroup, &QButtonGroup::idClicked, this, [this](int index) {
        game_.newTasks().newTask().setGrade(index);
        changed_();
    });

    sizes_ = new QComboBox(this);
    sizes_->setObjectName(QStringLiteral("sizeChoice"));
    connect(sizes_, &QComboBox::activated, this, [this](int item) {
        game_.newTasks().newTask().setSize(sizeOfItem(item));
        changed_();
    });

    number_ = new QSpinBox(this);
    number_->setObjectName(QStringLiteral("numberField"));
    number_->setRange(0, kMaxTaskNumber);
    number_->setToolTip(
        QStringLiteral("Stejné číslo dá se stejnou obtížností a velikostí vždy "
                       "stejnou úlohu, i u přítele."));
    connect(number_, &QSpinBox::valueChanged, this, [this](int number) {
        game_.newTasks().newTask().setNumber(number);
        changed_();
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("obtížnost:"), gradeBox);
    form->addRow(QStringLiteral("velikost:"), sizes_);
    form->addRow(QStringLiteral("číslo úlohy:"), number_);
    return form;
}

void NewTaskDialog::createWorkingSigns() {
    working_ = new QLabel(this);
    working_->setObjectName(QStringLiteral("workingLabel"));
    workingBar_ = new QProgressBar(this);
    workingBar_->setObjectName(QStringLiteral("workingBar"));
    workingBar_->setTextVisible(false);
    workingBar_->setMaximumHeight(12);
    // The label and the bar keep their room while hidden: the dialog does
    // not jump when they come.
    for (QWidget* shown : {static_cast<QWidget*>(working_), static_cast<QWidget*>(workingBar_)}) {
        QSizePolicy policy = shown->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        shown->setSizePolicy(policy);
        shown->hide();
    }
}

QHBoxLayout* NewTaskDialog::createButtons() {
    createButton_ = new QPushButton(QStringLiteral("vytvoř"), this);
    createButton_->setObjectName(QStringLiteral("createButton"));
    createButton_->setDefault(true);
    connect(createButton_, &QPushButton::clicked, this, &NewTaskDialog::create);
    cancelButton_ = new QPushButton(QStringLiteral("zruš"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    connect(cancelButton_, &QPushButton::clicked, this, &NewTaskDialog::cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(createButton_);
    buttons->addWidget(cancelButton_);
    return buttons;
}

QString NewTaskDialog::caption() {
    return QStringLiteral("nová úloha");
}

void NewTaskDialog::fillSizes(const NewTaskScreen& screen) {
    QStringList items;
    for (const char* text : kSizeTexts)
        items << fromUtf8(text);
    // The structures by their names, told apart from the sizes of the same
    // words ("velká 15 na 15").
    for (const std::string& name : screen.structures)
        items << QStringLiteral("tvar „%1“").arg(fromUtf8(name));
    QStringList shown;
    for (int i = 0; i < sizes_->count(); ++i)
        if (!sizes_->itemText(i).isEmpty()) shown << sizes_->itemText(i);
    if (shown == items) return;
    sizes_->clear();
    sizes_->addItems(items);
    if (!screen.structures.empty()) sizes_->insertSeparator(kOfferedSizeCount);
}

int NewTaskDialog::sizeOfItem(int item) const {
    return item > kOfferedSizeCount ? item - 1 : item;
}

int NewTaskDialog::itemOfSize(int size) const {
    return size >= kOfferedSizeCount ? size + 1 : size;
}

void NewTaskDialog::showScreen() {
    const NewTaskScreen& screen = game_.newTasks().newTaskScreen();
    {
        // Drawing is no choice of the player's.
        const QSignalBlocker blockSizes(sizes_), blockNumber(number_);
        for (std::size_t i = 0; i < grades_.size(); ++i)
            grades_[i]->setChecked(static_cast<int>(i) == screen.grade);
        fillSizes(screen);
        sizes_->setCurrentIndex(itemOfSize(screen.size));
        if (number_->value() != screen.number) number_->setValue(screen.number);
    }
    for (QWidget* choice : {static_cast<QWidget*>(sizes_), static_cast<QWidget*>(number_),
                            static_cast<QWidget*>(createButton_)})
        choice->setEnabled(!screen.working);
    for (QRadioButton* grade : grades_)
        grade->setEnabled(!screen.working);

    if (screen.maxAttempts > 0)
        working_->setText(QStringLiteral("Vytvářím úlohu… (pokus %1 z %2)")
                              .arg(screen.attempt)
                              .arg(screen.maxAttempts));
    else
        working_->setText(QStringLiteral("Vytvářím úlohu…"));
    // A bar without a range moves to and fro: a making cannot tell how long
    // it takes.
    workingBar_->setRange(0, 0);
    working_->setVisible(screen.workingShown);
    workingBar_->setVisible(screen.workingShown);

    if (screen.working && !timer_->isActive()) timer_->start();
    if (!screen.working) timer_->stop();
    if (screen.visible != isVisible()) {
        setVisible(screen.visible);
        if (screen.visible) {
            raise();
            activateWindow();
            createButton_->setFocus();
        }
    }
}

void NewTaskDialog::create() {
    game_.newTasks().createNewTask();
    changed_();
}

void NewTaskDialog::cancel() {
    game_.newTasks().cancelNewTask();
    changed_();
}

void NewTaskDialog::lookAtMaking() {
    game_.newTasks().pollNewTask();
    changed_();
}

void NewTaskDialog::closeEvent(QCloseEvent* event) {
    cancel();
    event->accept();
}

}  // namespace krizovky::ui
