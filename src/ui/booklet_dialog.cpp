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
#include <functional>
#include <map>
#include <set>

#include "model/czech_plural.h"
#include "ui/board_export.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

QString countOf(int count, const char* one, const char* twoToFour, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(
        QString::fromUtf8(czechPlural(count, one, twoToFour, many)));
}

QString tasksText(int count) {
    return countOf(count, "úloha", "úlohy", "úloh");
}

// "na stránku se vejdou 4 úlohy, ale jen 2 úlohy 15 × 15 nebo 14 × 10" and
// the pages of the booklet: the chosen count a page, and fewer with the
// sizes of the tasks that take more room.
QString pageContentsText(const std::vector<BoardPicture>& chosen, const BookletStyle& style) {
    if (chosen.empty()) return {};
    // The sizes, columns by rows, of the tasks that fit each count a page.
    std::map<int, std::set<std::pair<int, int>>, std::greater<>> sizes;
    for (const BoardPicture& task : chosen)
        sizes[tasksPerPageOf(task, style)].insert({task.columns, task.rows});
    QString text = QStringLiteral("na stránku se ");
    int group = 0;
    for (const auto& [count, shapes] : sizes) {
        if (group == 0)
            text += QString::fromUtf8(count == 1 || count > 4 ? "vejde " : "vejdou ");
        else
            text += group == 1 ? QStringLiteral(", ale jen ") : QStringLiteral(" a jen ");
        ++group;
        text += tasksText(count);
        // Only the tasks that take more room than the chosen count gives are named.
        if (count < style.perPage) {
            QStringList named;
            for (auto it = shapes.rbegin(); it != shapes.rend(); ++it)
                named << QStringLiteral("%1 × %2").arg(it->first).arg(it->second);
            const QString last = named.takeLast();
            text += QLatin1Char(' ') + (named.isEmpty() ? last
                                                        : named.join(QStringLiteral(", ")) +
                                                              QStringLiteral(" nebo ") + last);
        }
    }
    return text + QStringLiteral("; sešit bude mít ") +
           countOf(bookletPageCount(chosen, style), "stránku", "stránky", "stránek");
}

}  // namespace

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
        pictures_.push_back(task.error.empty() ? pictureOfTask(task.board) : BoardPicture{});
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
    pageContents_ = new QLabel(this);
    pageContents_->setObjectName(QStringLiteral("pageContents"));
    pageContents_->setWordWrap(true);
    layout->addWidget(pageContents_);
    connect(perPageBox_, &QComboBox::currentIndexChanged, this, [this] { showChosenCount(); });
    connect(solutionsBox_, &QCheckBox::toggled, this, [this] { showChosenCount(); });

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
    const std::vector<int> places = chosen();
    // A booklet of no task is no booklet.
    okButton_->setEnabled(!places.empty());
    std::vector<BoardPicture> pictures;
    for (int place : places)
        pictures.push_back(pictures_[static_cast<std::size_t>(place)]);
    pageContents_->setText(
        pageContentsText(pictures, BookletStyle{PageStyle{}, perPage(), solutions()}));
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
