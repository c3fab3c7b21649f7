#include "ui/task_list_window.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTabBar>
#include <QToolTip>

#include "ui/fonts.h"
#include "ui/keys.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

// The tick of a solved task, drawn for the screen's pixel density so that it
// stays sharp at any scale; or an empty square of the same size.
constexpr int kTickSize = 9;

QIcon tickIcon(qreal pixelRatio, bool ticked) {
    QPixmap picture(QSize(kTickSize, kTickSize) * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::transparent);
    if (ticked) {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 128, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(1, 4.5);
        tick.lineTo(3.5, 7.5);
        tick.lineTo(8, 1.5);
        painter.drawPath(tick);
    }
    return QIcon(picture);
}

// A task in progress: a circle half filled, where a solved task has its tick.
QIcon inProgressIcon(qreal pixelRatio) {
    QPixmap picture(QSize(kTickSize, kTickSize) * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor blue(0, 80, 200);
    const QRectF circle(1, 1, kTickSize - 2, kTickSize - 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    painter.drawPie(circle, 90 * 16, 180 * 16);
    painter.setPen(QPen(blue, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(circle);
    return QIcon(picture);
}

// The width a name's row needs: the name, the room of the mark before it and
// their margins. A row gets no more than the list's width: a longer name is
// cut in its middle, where names of a series and the tasks of a link differ
// least, and shows whole in its tool tip.
constexpr int kNameWidthRole = Qt::UserRole + 1;

// The switch between the collection and the player's own tasks stands above
// the list; everything else lies this much lower.
constexpr int kSwitchHeight = 30;

}  // namespace

TaskListWindow::TaskListWindow(Game& game, std::function<void()> changed)
    : game_(game), changed_(std::move(changed)) {
    setObjectName(QStringLiteral("taskListWindow"));
    setWindowTitle(caption());
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    setFont(baseFont());
    setFixedSize(302, 216 + kSwitchHeight);

    fileSwitch_ = new QTabBar(this);
    fileSwitch_->setObjectName(QStringLiteral("fileSwitch"));
    fileSwitch_->addTab(QStringLiteral("sbírka"));
    fileSwitch_->addTab(QStringLiteral("moje úlohy"));
    fileSwitch_->setExpanding(true);
    fileSwitch_->setGeometry(24, 6, 249, kSwitchHeight - 6);
    connect(fileSwitch_, &QTabBar::currentChanged, this, &TaskListWindow::switchFile);

    createNameList();
    createChosenName();

    // Under the list: whether today's task of the day is solved.
    dailyStatus_ = new QLabel(this);
    dailyStatus_->setObjectName(QStringLiteral("dailyStatus"));
    dailyStatus_->setGeometry(8, 211 + kSwitchHeight - 30, 286, 30);
    dailyStatus_->setWordWrap(true);
    dailyStatus_->hide();

    chooseButton_ = new QPushButton(QStringLiteral(" vybráno"), this);
    chooseButton_->setObjectName(QStringLiteral("chooseButton"));
    chooseButton_->setGeometry(136, 144 + kSwitchHeight, 65, 25);
    connect(chooseButton_, &QPushButton::clicked, this, &TaskListWindow::chooseTask);

    cancelButton_ = new QPushButton(QStringLiteral("zruš"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setGeometry(208, 144 + kSwitchHeight, 65, 25);
    connect(cancelButton_, &QPushButton::clicked, this, &TaskListWindow::cancel);

    // The list is filled as the window is made, reporting a task file that
    // cannot be read.
    refill();
}

void TaskListWindow::createNameList() {
    nameList_ = new QListWidget(this);
    nameList_->setObjectName(QStringLiteral("nameList"));
    // Wide enough for every shipped name after the tick of a solved task
    // (the names' column of 89 pixels, widened to the left by the room the
    // tick takes).
    nameList_->setGeometry(8, 8 + kSwitchHeight, 105, 169);
    // The game hands the names over in the Czech order; the list keeps it.
    nameList_->setSortingEnabled(false);
    nameList_->setTextElideMode(Qt::ElideMiddle);
    nameList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    nameList_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The tick stands within the names' column, before the name.
    nameList_->setIconSize(QSize(kTickSize, kTickSize));
    tick_ = tickIcon(devicePixelRatioF(), true);
    noTick_ = tickIcon(devicePixelRatioF(), false);
    inProgress_ = inProgressIcon(devicePixelRatioF());
    connect(nameList_, &QListWidget::itemClicked, this, &TaskListWindow::selectTask);
    // The keys move the selection too. Not the current row: the list takes one
    // by itself when it gets the focus, which is no choice of the player.
    connect(nameList_, &QListWidget::itemSelectionChanged, this, &TaskListWindow::selectTask);
    connect(nameList_, &QListWidget::itemDoubleClicked, this, &TaskListWindow::chooseTask);
    nameList_->viewport()->installEventFilter(this);

    // Made after the list, the words lie on top of it.
    emptyListText_ = new QLabel(this);
    emptyListText_->setObjectName(QStringLiteral("emptyListText"));
    emptyListText_->setGeometry(nameList_->geometry().adjusted(6, 6, -6, -6));
    emptyListText_->setAlignment(Qt::AlignCenter);
    emptyListText_->setWordWrap(true);
    emptyListText_->hide();
}

void TaskListWindow::createChosenName() {
    chosenTitle_ = new QLabel(QStringLiteral("název vybrané úlohy:"), this);
    chosenTitle_->setObjectName(QStringLiteral("chosenNameTitle"));
    chosenTitle_->setGeometry(144, 40 + kSwitchHeight, 121, 34);
    chosenTitle_->setAlignment(Qt::AlignCenter);
    chosenTitle_->setWordWrap(true);

    chosenName_ = new QLabel(this);
    chosenName_->setObjectName(QStringLiteral("chosenName"));
    chosenName_->setGeometry(136, 88 + kSwitchHeight, 137, 16);
    chosenName_->setAlignment(Qt::AlignCenter);
    chosenName_->setAutoFillBackground(true);
    QPalette yellow = chosenName_->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    yellow.setColor(QPalette::WindowText, Qt::black);
    chosenName_->setPalette(yellow);
    chosenName_->installEventFilter(this);
}

QString TaskListWindow::caption() {
    return QStringLiteral("výběr úlohy");
}

void TaskListWindow::showScreen() {
    const TaskListScreen& screen = game_.tasks().taskListScreen();
    QStringList names;
    names.reserve(static_cast<qsizetype>(screen.items.size()));
    for (const auto& item : screen.items)
        names << fromUtf8(item);

    // Redrawing the list must not read as the player's click.
    const QSignalBlocker blocker(nameList_), switchBlocker(fileSwitch_);
    fileSwitch_->setVisible(screen.ownTasksSwitch);
    fileSwitch_->setCurrentIndex(screen.ownTasks ? 1 : 0);
    fileSwitch_->setTabToolTip(0, fromNativePath(screen.collectionFile));
    fileSwitch_->setTabToolTip(1, fromNativePath(game_.tasks().ownTaskFilePath()));
    bool same = nameList_->count() == names.size();
    for (int i = 0; same && i < nameList_->count(); ++i)
        same = nameList_->item(i)->text() == names[i];
    if (!same) {
        nameList_->clear();
        const QFontMetrics metrics(nameList_->font());
        for (const QString& name : names) {
            auto* item = new QListWidgetItem(name, nameList_);
            item->setData(kNameWidthRole, metrics.horizontalAdvance(name) + 6 + kTickSize + 6);
            // No wider than the list: every row takes the list's width.
            item->setSizeHint(QSize(0, 16));
        }
    }
    showSolved(screen, !same);
    for (int i = 0; i < nameList_->count(); ++i)
        nameList_->item(i)->setData(Qt::UserRole,
                                    i < static_cast<int>(screen.descriptions.size())
                                        ? fromUtf8(screen.descriptions[static_cast<std::size_t>(i)])
                                        : QString());
    if (screen.selected < 0)
        nameList_->clearSelection();
    else if (selectedRow() != screen.selected)
        nameList_->setCurrentRow(screen.selected);
    chosenName_->setText(fromUtf8(screen.chosenName));
    dailyStatus_->setText(fromUtf8(screen.dailyStatus));
    dailyStatus_->setVisible(!screen.dailyStatus.empty());
    emptyListText_->setText(fromUtf8(screen.emptyListText));
    emptyListText_->setVisible(!screen.emptyListText.empty());

    if (screen.visible != isVisible()) setVisible(screen.visible);
}

void TaskListWindow::showSolved(const TaskListScreen& screen, bool newList) {
    if (!newList && screen.solved == shownSolved_ && screen.inProgress == shownInProgress_) return;
    shownSolved_ = screen.solved;
    shownInProgress_ = screen.inProgress;
    // Every name has the tick's room, so the names stand in one line. A task
    // in progress shows that, solved before or not (the tip tells both).
    for (int i = 0; i < nameList_->count(); ++i) {
        const std::string& name = screen.items[static_cast<std::size_t>(i)];
        nameList_->item(i)->setIcon(screen.inProgress.contains(name) ? inProgress_
                                    : screen.solved.contains(name)   ? tick_
                                                                     : noTick_);
    }
}

int TaskListWindow::selectedRow() const {
    const QList<QListWidgetItem*> selected = nameList_->selectedItems();
    return selected.isEmpty() ? -1 : nameList_->row(selected.first());
}

void TaskListWindow::selectTask() {
    const int row = selectedRow();
    if (row < 0) return;
    game_.tasks().selectListedTask(row);
    changed_();
}

void TaskListWindow::chooseTask() {
    game_.tasks().chooseListedTask();
    changed_();
}

void TaskListWindow::cancel() {
    game_.tasks().cancelTaskList();
    changed_();
}

void TaskListWindow::switchFile(int tab) {
    game_.tasks().showOwnTasks(tab == 1);
    changed_();
}

void TaskListWindow::refill() {
    game_.tasks().fillTaskList(true);
    changed_();
}

void TaskListWindow::refillQuietly() {
    // Silent: a report here would come back each time its box closes and the
    // window becomes active again.
    game_.tasks().fillTaskList(false);
    changed_();
}

void TaskListWindow::closeList() {
    game_.tasks().closeTaskList();
    changed_();
}

bool TaskListWindow::event(QEvent* event) {
    const bool result = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) refillQuietly();
    return result;
}

void TaskListWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) refill();
}

void TaskListWindow::closeEvent(QCloseEvent* event) {
    closeList();
    event->accept();
}

void TaskListWindow::reject() {
    closeList();
}

void TaskListWindow::keyPressEvent(QKeyEvent* event) {
    if (gameKey(*event) == Key::kEscape) {
        game_.tasks().taskListKeyPress(Key::kEscape);
        changed_();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TaskListWindow::showNameTip(const QHelpEvent& help) {
    // The tip shows the whole name of a row the list cuts in its middle, what
    // a name of "Nová úloha" stands for, the best result of a solved task and
    // the time of a task in progress.
    const QListWidgetItem* item = nameList_->itemAt(help.pos());
    QStringList tip;
    if (item != nullptr) {
        if (item->data(kNameWidthRole).toInt() > nameList_->viewport()->width())
            tip << item->text();
        const QString description = item->data(Qt::UserRole).toString();
        if (!description.isEmpty()) tip << description;
        const TaskListScreen& screen = game_.tasks().taskListScreen();
        const auto row = static_cast<std::size_t>(nameList_->row(item));
        if (row < screen.items.size()) {
            const auto solved = screen.solved.find(screen.items[row]);
            if (solved != screen.solved.end()) tip << fromUtf8(solved->second);
            const auto inProgress = screen.inProgress.find(screen.items[row]);
            if (inProgress != screen.inProgress.end()) tip << fromUtf8(inProgress->second);
        }
    }
    if (tip.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(help.globalPos(), tip.join(QLatin1Char('\n')), nameList_->viewport(),
                       nameList_->visualItemRect(item));
}

bool TaskListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == nameList_->viewport() && event->type() == QEvent::ToolTip) {
        showNameTip(*static_cast<QHelpEvent*>(event));
        return true;
    }
    if (watched == chosenName_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        chosenName_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        chooseTask();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace krizovky::ui
