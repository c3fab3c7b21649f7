#include "ui/confirm_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "ui/fonts.h"

namespace krizovky::ui {

TBtnBottomDlg::TBtnBottomDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BtnBottomDlg"));
    setWindowTitle(caption());
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);
    setFont(pixelFont("DejaVu Sans", 12, true));
    setFixedSize(306, 117);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(8, 8, 289, 57);

    auto* label = new QLabel(
        QStringLiteral("Tuto úroveň jste stiskl(a) omylem, nebo jste skutečně takový(á) trouba?"),
        this);
    label->setObjectName(QStringLiteral("Label1"));
    // The question fills the bevel in three lines at most.
    label->setGeometry(16, 12, 273, 49);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFont(pixelFont("DejaVu Sans", 12, true));

    okBtn_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                             QStringLiteral(" jsem trouba"), this);
    okBtn_->setObjectName(QStringLiteral("OKBtn"));
    okBtn_->setGeometry(32, 76, 105, 27);
    okBtn_->setAutoDefault(false);
    connect(okBtn_, &QPushButton::clicked, this, &TBtnBottomDlg::OKBtnClick);

    cancelBtn_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                 QStringLiteral("byl to omyl"), this);
    cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
    cancelBtn_->setGeometry(172, 76, 101, 27);
    cancelBtn_->setDefault(true);
    connect(cancelBtn_, &QPushButton::clicked, this, &TBtnBottomDlg::CancelBtnClick);
}

QString TBtnBottomDlg::caption() {
    return QStringLiteral("Mám dotaz!");
}

void TBtnBottomDlg::OKBtnClick() {
    accept();
}

void TBtnBottomDlg::CancelBtnClick() {
    reject();
}

void TBtnBottomDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    cancelBtn_->setFocus();
}

}  // namespace krizovky::ui
