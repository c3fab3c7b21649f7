#include "ui/board_output_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace krizovky::ui {

BoardOutputDialog::BoardOutputDialog(QWidget* parent, const QString& title, bool solutionOffered,
                                     bool forFile)
    : QDialog(parent) {
    setObjectName(QStringLiteral("boardOutputDialog"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);

    auto* contents = new QGroupBox(QStringLiteral("Na stránku přijde"), this);
    auto* choices = new QVBoxLayout(contents);
    auto addChoice = [&](const char* name, const QString& text) {
        auto* choice = new QRadioButton(text, contents);
        choice->setObjectName(QString::fromLatin1(name));
        choices->addWidget(choice);
        return choice;
    };
    taskChoice_ = addChoice("taskChoice", QStringLiteral("úloha k řešení"));
    gameChoice_ = addChoice("gameChoice", QStringLiteral("hra, jak právě stojí"));
    if (solutionOffered) solutionChoice_ = addChoice("solutionChoice", QStringLiteral("řešení"));
    taskChoice_->setChecked(true);
    layout->addWidget(contents);

    if (forFile) {
        auto* form = new QFormLayout;
        paperBox_ = new QComboBox(this);
        paperBox_->setObjectName(QStringLiteral("paperBox"));
        paperBox_->addItem(QStringLiteral("A4"));
        paperBox_->addItem(QStringLiteral("Letter"));
        form->addRow(QStringLiteral("papír:"), paperBox_);
        dpiBox_ = new QSpinBox(this);
        dpiBox_->setObjectName(QStringLiteral("dpiBox"));
        dpiBox_->setRange(kMinimumDpi, kMaximumDpi);
        dpiBox_->setValue(PageStyle{}.dpi);
        dpiBox_->setSuffix(QStringLiteral(" dpi"));
        form->addRow(QStringLiteral("rozlišení obrázku PNG:"), dpiBox_);
        layout->addLayout(form);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

PrintedContent BoardOutputDialog::content() const {
    if (gameChoice_->isChecked()) return PrintedContent::kGame;
    if (solutionChoice_ && solutionChoice_->isChecked()) return PrintedContent::kSolution;
    return PrintedContent::kTask;
}

Paper BoardOutputDialog::paper() const {
    return paperBox_ && paperBox_->currentIndex() == 1 ? Paper::kLetter : Paper::kA4;
}

int BoardOutputDialog::dpi() const {
    return dpiBox_ ? dpiBox_->value() : PageStyle{}.dpi;
}

}  // namespace krizovky::ui
