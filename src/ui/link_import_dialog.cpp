#include "ui/link_import_dialog.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/board_picture.h"
#include "ui/board_painter.h"
#include "ui/fonts.h"
#include "ui/text_convert.h"

namespace krizovky::ui {

// The board a link stands for, drawn as on paper; empty without one.
class BoardPreview : public QWidget {
  public:
    explicit BoardPreview(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("boardPreview"));
        setFixedSize(300, 300);
    }
    void setPicture(std::optional<BoardPicture> picture) {
        picture_ = std::move(picture);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        if (picture_)
            paintBoard(painter, QRectF(rect()).adjusted(4, 4, -4, -4), *picture_, BoardStyle{});
    }

  private:
    std::optional<BoardPicture> picture_;
};

LinkImportDialog::LinkImportDialog(Game& game, std::function<void()> changed, QWidget* parent)
    : QDialog(parent), game_(game), changed_(std::move(changed)) {
    setObjectName(QStringLiteral("linkImportDialog"));
    setWindowTitle(caption());
    setFont(baseFont());
    setWindowModality(Qt::ApplicationModal);

    QLabel* linkTitle = createLinkField();
    auto* fileButton = new QPushButton(QStringLiteral("ze souboru…"), this);
    fileButton->setObjectName(QStringLiteral("fileButton"));
    connect(fileButton, &QPushButton::clicked, this, &LinkImportDialog::chooseFile);

    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("refusal"));
    refusal_->setWordWrap(true);
    QPalette red = refusal_->palette();
    red.setColor(QPalette::WindowText, QColor(176, 0, 0));
    refusal_->setPalette(red);

    preview_ = new BoardPreview(this);

    nameField_ = new QLineEdit(this);
    nameField_->setObjectName(QStringLiteral("nameField"));
    nameField_->setMaxLength(kImportNameLength);
    connect(nameField_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const std::string name = toCp1250(text);
        run([this, name] { game_.newTasks().setImportName(name); });
    });
    auto* name = new QFormLayout;
    name->addRow(QStringLiteral("název úlohy:"), nameField_);

    importButton_ = new QPushButton(QStringLiteral("vlož"), this);
    importButton_->setObjectName(QStringLiteral("importButton"));
    importButton_->setDefault(true);
    connect(importButton_, &QPushButton::clicked, this, &LinkImportDialog::importTask);
    auto* cancelButton = new QPushButton(QStringLiteral("zruš"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(cancelButton, &QPushButton::clicked, this, &LinkImportDialog::cancel);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(refusal_, 1);
    fileRow->addWidget(fileButton, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(importButton_);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(linkTitle);
    layout->addWidget(linkField_);
    layout->addLayout(fileRow);
    layout->addWidget(preview_, 0, Qt::AlignHCenter);
    layout->addLayout(name);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLabel* LinkImportDialog::createLinkField() {
    auto* linkTitle =
        new QLabel(QStringLiteral("odkaz na součtovou křížovku (https://puzz.link/p?kakuro/…)\n"
                                  "nebo obsah souboru pzprv3:"),
                   this);
    linkField_ = new QPlainTextEdit(this);
    linkField_->setObjectName(QStringLiteral("linkField"));
    linkField_->setFixedHeight(4 * linkField_->fontMetrics().lineSpacing());
    connect(linkField_, &QPlainTextEdit::textChanged, this, [this] {
        if (drawing_) return;
        const std::string text = linkField_->toPlainText().toStdString();
        run([this, text] { game_.newTasks().setLinkText(text); });
    });
    return linkTitle;
}

QString LinkImportDialog::caption() {
    return QStringLiteral("vložení úlohy z odkazu");
}

void LinkImportDialog::showScreen() {
    const LinkImportScreen& screen = game_.newTasks().linkImportScreen();
    drawing_ = true;
    const QString text = fromUtf8(screen.text);
    if (linkField_->toPlainText() != text) linkField_->setPlainText(text);
    const QString name = fromCp1250(screen.nameField);
    if (nameField_->text() != name) nameField_->setText(name);
    drawing_ = false;
    refusal_->setText(fromUtf8(screen.refusal));
    preview_->setPicture(screen.puzzle ? std::optional(pictureOfTask(screen.puzzle->board))
                                       : std::nullopt);
    importButton_->setEnabled(screen.puzzle.has_value());
    if (screen.visible != isVisible()) {
        setVisible(screen.visible);
        if (screen.visible) {
            raise();
            activateWindow();
            linkField_->setFocus();
        }
    }
}

void LinkImportDialog::run(const std::function<void()>& handler) {
    handler();
    changed_();
}

void LinkImportDialog::importTask() {
    run([this] { game_.newTasks().importLinkedTask(); });
}

void LinkImportDialog::chooseFile() {
    run([this] { game_.newTasks().chooseLinkFile(); });
}

void LinkImportDialog::cancel() {
    run([this] { game_.newTasks().cancelLinkImport(); });
}

void LinkImportDialog::closeEvent(QCloseEvent* event) {
    cancel();
    event->accept();
}

}  // namespace krizovky::ui
