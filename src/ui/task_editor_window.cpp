#include "ui/task_editor_window.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "ui/fonts.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

constexpr int kTypedName = 15;   // characters the name field takes from the keyboard
constexpr int kTypedNumber = 5;  // and the number field

}  // namespace

TForm5::TForm5(Game& game, std::function<void()> changed)
    : QWidget(nullptr, Qt::Window), game_(game), changed_(std::move(changed)) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(caption());
    setFont(baseFont());
    // Every cell shows a clue of two two-digit sums whole, and every button
    // its caption with a margin, whatever the font's real widths.
    const QFontMetrics metrics(font());
    const int column = std::max(40, metrics.horizontalAdvance(QStringLiteral("29/10")) + 12);
    const int gridWidth = kEditorSize * column + 4;
    int buttonWidth = 121;
    for (const char* caption : {"vymaž formulář", " generuj strukturu", " generuj vše",
                                "načti úlohu", "dokonči úlohu", "ulož úlohu"})
        buttonWidth =
            std::max(buttonWidth, metrics.horizontalAdvance(QString::fromUtf8(caption)) + 20);
    const int leftButtons = 264, rightButtons = leftButtons + buttonWidth;
    const int lastColumn = rightButtons + buttonWidth + 23;
    setFixedSize(std::max(gridWidth, lastColumn + 121), 405);

    stringGrid1_ = new QTableWidget(kEditorSize, kEditorSize, this);
    stringGrid1_->setObjectName(QStringLiteral("StringGrid1"));
    stringGrid1_->setGeometry(0, 0, width(), 321);
    stringGrid1_->horizontalHeader()->hide();
    stringGrid1_->verticalHeader()->hide();
    stringGrid1_->horizontalHeader()->setMinimumSectionSize(1);
    stringGrid1_->verticalHeader()->setMinimumSectionSize(1);
    stringGrid1_->horizontalHeader()->setDefaultSectionSize(column);
    stringGrid1_->verticalHeader()->setDefaultSectionSize(18);
    stringGrid1_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    stringGrid1_->setTabKeyNavigation(true);
    stringGrid1_->setStyleSheet(QStringLiteral("QTableWidget { gridline-color: #808080; }"));
    for (int r = 0; r < kEditorSize; ++r)
        for (int c = 0; c < kEditorSize; ++c)
            stringGrid1_->setItem(r, c, new QTableWidgetItem);
    connect(stringGrid1_, &QTableWidget::itemChanged, this, &TForm5::StringGrid1Edited);

    auto label = [this](const QString& text, int left, int top) {
        auto* shown = new QLabel(text, this);
        shown->move(left, top);
        shown->adjustSize();
        return shown;
    };
    label(QStringLiteral("název úlohy:"), 8, 328)->setObjectName(QStringLiteral("Label1"));
    label(QStringLiteral("číslo úlohy:"), 136, 328)->setObjectName(QStringLiteral("Label2"));

    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setGeometry(8, 344, 113, 24);
    connect(edit1_, &QLineEdit::textEdited, this, &TForm5::Edit1Change);
    connect(edit1_, &QLineEdit::editingFinished, this, &TForm5::Edit1Change);

    edit2_ = new QLineEdit(this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->setGeometry(136, 344, 73, 24);
    connect(edit2_, &QLineEdit::textEdited, this, &TForm5::Edit2Change);

    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("Verdict"));
    verdict_->setGeometry(lastColumn, 328, width() - lastColumn - 8, 44);
    verdict_->setWordWrap(true);
    verdict_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    auto button = [this, buttonWidth](const char* name, const QString& text, int left, int top,
                                      void (TForm5::*handler)()) {
        auto* made = new QPushButton(text, this);
        made->setObjectName(QString::fromLatin1(name));
        made->setGeometry(left, top, buttonWidth, 25);
        connect(made, &QPushButton::clicked, this, handler);
        return made;
    };
    QPushButton* button1 =
        button("Button1", QStringLiteral("ulož úlohu"), rightButtons, 376, &TForm5::Button1Click);
    QPushButton* button2 =
        button("Button2", QStringLiteral("zpět"), lastColumn, 376, &TForm5::Button2Click);
    button2->setFixedWidth(113);
    QPushButton* button3 = button("Button3", QStringLiteral("vymaž formulář"), leftButtons, 328,
                                  &TForm5::Button3Click);
    QPushButton* button4 = button("Button4", QStringLiteral(" generuj strukturu"), leftButtons, 352,
                                  &TForm5::Button4Click);
    QPushButton* button5 =
        button("Button5", QStringLiteral(" generuj vše"), leftButtons, 376, &TForm5::Button5Click);
    QPushButton* button6 = button("Button6", QStringLiteral("dokonči úlohu"), rightButtons, 352,
                                  &TForm5::Button6Click);
    QPushButton* button7 =
        button("Button7", QStringLiteral("načti úlohu"), rightButtons, 328, &TForm5::Button7Click);

    const QWidget* order[] = {stringGrid1_, edit1_,  button1, button2, button3,
                              button4,      button5, button6, edit2_,  button7};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
}

QString TForm5::caption() {
    return QStringLiteral("definice úlohy");
}

void TForm5::showScreen() {
    const TaskEditorScreen& screen = game_.editor().screen();
    drawing_ = true;
    for (int r = 1; r <= kEditorSize; ++r) {
        for (int c = 1; c <= kEditorSize; ++c) {
            QTableWidgetItem* item = stringGrid1_->item(r - 1, c - 1);
            const QString text = fromCp1250(screen.grid.at(c, r));
            if (item->text() != text) item->setText(text);
        }
    }
    const QString name = fromCp1250(screen.edit1);
    if (edit1_->text() != name) edit1_->setText(name);
    const QString number = fromCp1250(screen.edit2);
    if (edit2_->text() != number) edit2_->setText(number);
    edit2Shown_ = number;
    verdict_->setText(fromCp1250(screen.verdict));
    drawing_ = false;
    setVisible(screen.visible);
}

void TForm5::run(const std::function<void()>& handler) {
    handler();
    changed_();
}

void TForm5::Button1Click() {
    run([this] { editor().Button1Click(); });
}

void TForm5::Button2Click() {
    run([this] { editor().Button2Click(); });
}

void TForm5::Button3Click() {
    run([this] { editor().Button3Click(); });
}

void TForm5::Button4Click() {
    run([this] { editor().Button4Click(); });
}

void TForm5::Button5Click() {
    run([this] { editor().Button5Click(); });
}

void TForm5::Button6Click() {
    run([this] { editor().Button6Click(); });
}

void TForm5::Button7Click() {
    run([this] { editor().Button7Click(); });
}

void TForm5::Edit1Change() {
    // The keyboard gives the name at most 15 characters; a longer name the
    // program set (a loaded task's) stays as it is until it is edited.
    QString text = edit1_->text();
    if (edit1_->isModified() && text.size() > kTypedName &&
        text.size() > fromCp1250(editor().screen().edit1).size())
        text.truncate(kTypedName);
    run([this, text] { editor().Edit1Change(toCp1250(text)); });
}

void TForm5::Edit2Change() {
    // At most five characters typed; the number the field starts with is
    // longer and stays until the user edits it.
    const QString text = edit2_->text();
    if (text.size() > kTypedNumber && text.size() > edit2Shown_.size()) {
        edit2_->setText(edit2Shown_);
        return;
    }
    run([this, text] { editor().Edit2Change(toCp1250(text)); });
}

void TForm5::StringGrid1Edited(QTableWidgetItem* item) {
    if (drawing_) return;
    const int row = item->row() + 1, column = item->column() + 1;
    const std::string text = toCp1250(item->text());
    run([this, row, column, text] { editor().setCell(column, row, text); });
}

void TForm5::closeEvent(QCloseEvent* event) {
    editor().FormClose();
    changed_();
    event->accept();
}

}  // namespace krizovky::ui
