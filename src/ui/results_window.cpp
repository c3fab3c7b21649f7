#include "ui/results_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/fonts.h"
#include "ui/text_convert.h"
#include "ui/times_plot.h"

namespace krizovky::ui {
namespace {

QTableWidget* newTable(QWidget* parent, const char* name) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(20);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void fill(QTableWidget* table, const ResultsTable& data) {
    table->clear();
    table->setColumnCount(static_cast<int>(data.columns.size()));
    table->setRowCount(static_cast<int>(data.rows.size()));
    QStringList titles;
    for (const std::string& title : data.columns)
        titles << fromUtf8(title);
    table->setHorizontalHeaderLabels(titles);
    for (int r = 0; r < table->rowCount(); ++r) {
        const auto& row = data.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < table->columnCount() && c < static_cast<int>(row.size()); ++c) {
            const auto column = static_cast<std::size_t>(c);
            auto* item = new QTableWidgetItem(fromUtf8(row[column]));
            const bool numeric = column < data.numeric.size() && data.numeric[column];
            item->setTextAlignment(Qt::AlignVCenter | (numeric ? Qt::AlignRight : Qt::AlignLeft));
            table->setItem(r, c, item);
        }
    }
}

}  // namespace

ResultsWindow::ResultsWindow(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("resultsWindow"));
    setWindowTitle(caption());
    setModal(false);
    setFont(baseFont());
    resize(720, 760);

    auto* layout = new QVBoxLayout(this);
    empty_ = new QLabel(QStringLiteral("Zatím jste nevyřešil žádnou úlohu."), this);
    empty_->setObjectName(QStringLiteral("noResults"));
    layout->addWidget(empty_);
    layout->addWidget(new QLabel(QStringLiteral("podle obtížnosti:"), this));
    grades_ = newTable(this, "gradesTable");
    // Columns as wide as their titles, the last one taking the rest.
    grades_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grades_->setMaximumHeight(6 * 20 + 28);
    layout->addWidget(grades_);
    streaks_ = new QLabel(this);
    streaks_->setObjectName(QStringLiteral("streaks"));
    layout->addWidget(streaks_);
    layout->addWidget(new QLabel(
        QStringLiteral("časy posledních %1 výsledků podle obtížnosti:").arg(kPlottedResults),
        this));
    plot_ = new TimesPlot(this);
    layout->addWidget(plot_, 2);
    layout->addWidget(
        new QLabel(QStringLiteral("posledních %1 výsledků:").arg(kLatestResultsShown), this));
    latest_ = newTable(this, "latestTable");
    layout->addWidget(latest_, 2);
    auto* close = new QPushButton(QStringLiteral("zavřít"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    layout->addWidget(close, 0, Qt::AlignRight);
}

QString ResultsWindow::caption() {
    return QStringLiteral("moje výsledky");
}

void ResultsWindow::showResults() {
    const ResultsScreen screen = game_.persistence().resultsScreen(localToday());
    fill(grades_, screen.grades);
    streaks_->setText(fromUtf8(screen.streaks));
    std::vector<TimesPlot::Series> series;
    for (std::size_t g = 0; g < screen.statistics.grades.size(); ++g)
        series.push_back({screen.statistics.grades[g].grade, screen.statistics.recentTimes[g]});
    plot_->setSeries(std::move(series));
    fill(latest_, screen.latest);
    empty_->setVisible(screen.latest.rows.empty());
}

void ResultsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) showResults();
}

}  // namespace krizovky::ui
