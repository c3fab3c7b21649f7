#include "ui/solver_question_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "ui/fonts.h"

namespace krizovky::ui {

SolverQuestionDialog::SolverQuestionDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("solverQuestionDialog"));
    setWindowTitle(caption());
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);
    setFont(pixelFont("DejaVu Sans", 12, true));
    setFixedSize(306, 117);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("bevel"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(8, 8, 289, 57);

    auto* label = new QLabel(
        QStringLiteral("Tuto úroveň jste stiskl(a) omylem, nebo jste skutečně takový(á) trouba?"),
        this);
    label->setObjectName(QStringLiteral("question"));
    // The question fills the bevel in three lines at most.
    label->setGeometry(16, 12, 273, 49);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFont(pixelFont("DejaVu Sans", 12, true));

    solveButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                   QStringLiteral(" jsem trouba"), this);
    solveButton_->setObjectName(QStringLiteral("solveButton"));
    solveButton_->setGeometry(32, 76, 105, 27);
    solveButton_->setAutoDefault(false);
    connect(solveButton_, &QPushButton::clicked, this, &SolverQuestionDialog::accept);

    mistakeButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                     QStringLiteral("byl to omyl"), this);
    mistakeButton_->setObjectName(QStringLiteral("mistakeButton"));
    mistakeButton_->setGeometry(172, 76, 101, 27);
    mistakeButton_->setDefault(true);
    connect(mistakeButton_, &QPushButton::clicked, this, &SolverQuestionDialog::reject);
}

QString SolverQuestionDialog::caption() {
    return QStringLiteral("Mám dotaz!");
}

void SolverQuestionDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    mistakeButton_->setFocus();
}

}  // namespace krizovky::ui
