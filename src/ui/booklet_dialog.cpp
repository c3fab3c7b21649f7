#include "ui/booklet_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/board_export.h"
#include "ui/text_convert.h"

namespace krizovky::ui {

BookletDialog::BookletDialog(QWidget* parent, const std::vector<TaskOfFile>& tasks,
                             const QString& fileName)
    : QDialog(parent) {
    setObjectName(QStringLiteral("bookletDialog"));
    setWindowTitle(QStringLiteral("Sešit úloh"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("úlohy souboru %1:").arg(fileName), this));

    taskList_ = new QListWidget(this);
    taskList_->setObjectName(QStringLiteral("bookletTasks"));
    for (const TaskOfFile& task : tasks) {
        auto* item = new QListWidgetItem(fromCp1250(task.name), taskList_);
        if (task.error.empty()) {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Checked);
        } else {
            item->setText(item->text() + QStringLiteral(" – ") + fromUtf8(task.error));
            item->setFlags(Qt::NoItemFlags);
        }
    }
    layout->addWidget(taskList_);

    auto* allOrNone = new QHBoxLayout;
    auto* all = new QPushButton(QStringLiteral("všechny"), this);
    all->setObjectName(QStringLiteral("allTasksButton"));
    auto* none = new QPushButton(QStringLiteral("žádnou"), this);
    none->setObjectName(QStringLiteral("noTaskButton"));
    connect(all, &QPushButton::clicked, this, [this] { chooseAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { chooseAll(false); });
    allOrNone->addWidget(all);
    allOrNone->addWidget(none);
    allOrNone->addStretch();
    layout->addLayout(allOrNone);

    auto* form = new QFormLayout;
    perPageBox_ = new QComboBox(this);
    perPageBox_->setObjectName(QStringLiteral("perPageBox"));
    for (int count : {1, 2, 4, 6})
        perPageBox_->addItem(QString::number(count), count);
    perPageBox_->setCurrentIndex(perPageBox_->findData(BookletStyle{}.perPage));
    form->addRow(QStringLiteral("úloh na stránku:"), perPageBox_);
    solutionsBox_ = new QCheckBox(QStringLiteral("řešení na stránkách za úlohami"), this);
    solutionsBox_->setObjectName(QStringLiteral("solutionsBox"));
    solutionsBox_->setChecked(true);
    form->addRow(solutionsBox_);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(taskList_, &QListWidget::itemChanged, this, [this] { showChosenCount(); });
    showChosenCount();
}

void BookletDialog::chooseAll(bool all) {
    for (int i = 0; i < taskList_->count(); ++i) {
        QListWidgetItem* item = taskList_->item(i);
        if (item->flags() & Qt::ItemIsUserCheckable)
            item->setCheckState(all ? Qt::Checked : Qt::Unchecked);
    }
}

void BookletDialog::showChosenCount() {
    // A booklet of no task is no booklet.
    okButton_->setEnabled(!chosen().empty());
}

std::vector<int> BookletDialog::chosen() const {
    std::vector<int> places;
    for (int i = 0; i < taskList_->count(); ++i)
        if (taskList_->item(i)->checkState() == Qt::Checked) places.push_back(i);
    return places;
}

int BookletDialog::perPage() const {
    return perPageBox_->currentData().toInt();
}

bool BookletDialog::solutions() const {
    return solutionsBox_->isChecked();
}

}  // namespace krizovky::ui
