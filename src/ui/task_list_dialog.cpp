#include "ui/task_list_dialog.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>

#include "ui/fonts.h"
#include "ui/keys.h"
#include "ui/text_convert.h"

namespace krizovky::ui {

TForm2::TForm2(Game& game, std::function<void()> changed)
    : game_(game), changed_(std::move(changed)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(caption());
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    setFont(baseFont());
    setFixedSize(302, 216);

    listBox1_ = new QListWidget(this);
    listBox1_->setObjectName(QStringLiteral("ListBox1"));
    listBox1_->setGeometry(24, 8, 89, 169);
    // The game hands the names over in the Czech order; the list keeps it.
    listBox1_->setSortingEnabled(false);
    // Names longer than the narrow list scroll instead of losing their ends,
    // where names of a series differ.
    listBox1_->setTextElideMode(Qt::ElideNone);
    listBox1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    listBox1_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(listBox1_, &QListWidget::itemClicked, this, &TForm2::ListBox1Click);
    // The keys move the selection too. Not the current row: the list takes one
    // by itself when it gets the focus, which is no choice of the player.
    connect(listBox1_, &QListWidget::itemSelectionChanged, this, &TForm2::ListBox1Click);
    connect(listBox1_, &QListWidget::itemDoubleClicked, this, &TForm2::ListBox1DblClick);
    listBox1_->viewport()->installEventFilter(this);

    label2_ = new QLabel(QStringLiteral("název vybrané úlohy:"), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setGeometry(144, 40, 121, 34);
    label2_->setAlignment(Qt::AlignCenter);
    label2_->setWordWrap(true);

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(136, 88, 137, 16);
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setAutoFillBackground(true);
    QPalette yellow = label1_->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    yellow.setColor(QPalette::WindowText, Qt::black);
    label1_->setPalette(yellow);
    label1_->installEventFilter(this);

    button1_ = new QPushButton(QStringLiteral(" vybráno"), this);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setGeometry(136, 144, 65, 25);
    connect(button1_, &QPushButton::clicked, this, &TForm2::Button1Click);

    button2_ = new QPushButton(QStringLiteral("zruš"), this);
    button2_->setObjectName(QStringLiteral("Button2"));
    button2_->setGeometry(208, 144, 65, 25);
    connect(button2_, &QPushButton::clicked, this, &TForm2::Button2Click);

    FormCreate();
}

QString TForm2::caption() {
    return QStringLiteral("výběr úlohy");
}

void TForm2::FormCreate() {
    game_.fillTaskList(true);
    changed_();
}

void TForm2::showScreen() {
    const TaskListScreen& screen = game_.taskListScreen();
    QStringList names;
    names.reserve(static_cast<qsizetype>(screen.items.size()));
    for (const auto& item : screen.items)
        names << fromCp1250(item);

    // Redrawing the list must not read as the player's click.
    const QSignalBlocker blocker(listBox1_);
    bool same = listBox1_->count() == names.size();
    for (int i = 0; same && i < listBox1_->count(); ++i)
        same = listBox1_->item(i)->text() == names[i];
    if (!same) {
        listBox1_->clear();
        const QFontMetrics metrics(listBox1_->font());
        for (const QString& name : names) {
            auto* item = new QListWidgetItem(name, listBox1_);
            item->setSizeHint(QSize(metrics.horizontalAdvance(name) + 6, 16));
        }
    }
    if (screen.selected < 0)
        listBox1_->clearSelection();
    else if (selectedRow() != screen.selected)
        listBox1_->setCurrentRow(screen.selected);
    label1_->setText(fromCp1250(screen.label1));

    if (screen.visible != isVisible()) setVisible(screen.visible);
}

int TForm2::selectedRow() const {
    const QList<QListWidgetItem*> selected = listBox1_->selectedItems();
    return selected.isEmpty() ? -1 : listBox1_->row(selected.first());
}

void TForm2::ListBox1Click() {
    const int row = selectedRow();
    if (row < 0) return;
    game_.selectListedTask(row);
    changed_();
}

void TForm2::ListBox1DblClick() {
    game_.chooseListedTask();
    changed_();
}

void TForm2::Button1Click() {
    ListBox1DblClick();
}

void TForm2::Label1Click() {
    Button1Click();
}

void TForm2::Button2Click() {
    game_.cancelTaskList();
    changed_();
}

void TForm2::FormShow() {
    game_.fillTaskList(true);
    changed_();
}

void TForm2::FormActivate() {
    // Silent: a report here would come back each time its box closes and the
    // window becomes active again.
    game_.fillTaskList(false);
    changed_();
}

void TForm2::FormClose() {
    game_.closeTaskList();
    changed_();
}

bool TForm2::event(QEvent* event) {
    const bool result = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return result;
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TForm2::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TForm2::reject() {
    FormClose();
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    if (gameKey(*event) == Key::kEscape) {
        game_.taskListKeyPress(Key::kEscape);
        changed_();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm2::showNameTip(const QHelpEvent& help) {
    // Each row is as wide as its name needs (see showScreen); the tip shows
    // only for a row the visible part of the list cuts off.
    const QListWidgetItem* item = listBox1_->itemAt(help.pos());
    if (item == nullptr || item->sizeHint().width() <= listBox1_->viewport()->width()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(help.globalPos(), item->text(), listBox1_->viewport(),
                       listBox1_->visualItemRect(item));
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == listBox1_->viewport() && event->type() == QEvent::ToolTip) {
        showNameTip(*static_cast<QHelpEvent*>(event));
        return true;
    }
    if (watched == label1_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        label1_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        Label1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace krizovky::ui
