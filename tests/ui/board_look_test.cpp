// The modern board played as the classic one, the look kept between starts,
// and the boards on paper and in files through the menu "&Hra".

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include "app/game_printout.h"
#include "ui/board_export.h"
#include "ui/board_view.h"
#include "ui/booklet_dialog.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

class BoardLookTest : public ExampleGameTest {
  protected:
    ui::BoardView& view() { return *mainWindow().boardView(); }
    // The mouse on square (row, column) of the look shown, through the window system.
    void mouse(int row, int column, Qt::MouseButton button, bool twice = false) {
        const QPoint at =
            mainWindow().look() == ui::WindowLook::kModern
                ? view().mapTo(&mainWindow(), view().squareRect(row, column).center().toPoint())
                : square(row, column)->mapTo(&mainWindow(), square(row, column)->rect().center());
        if (twice)
            QTest::mouseDClick(mainWindow().windowHandle(), button, {}, at);
        else
            QTest::mouseClick(mainWindow().windowHandle(), button, {}, at);
    }
    bool fixedSize() { return mainWindow().minimumSize() == mainWindow().maximumSize(); }
    QByteArray fileBytes(const std::string& path) {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(BoardLookTest, ModernBoardTakesTheClicksOfTheClassicOne) {
    const std::vector<BoardSquare> squares{{2, 3}, {3, 2}, {1, 2}, {3, 3}};  // (1, 2) a clue
    std::vector<BoardSquare> reached[2];
    for (const char* look : {"classicLookAction", "modernLookAction"}) {
        trigger(look);
        for (const BoardSquare& s : squares) {
            mouse(s.row, s.column, Qt::LeftButton);
            reached[look[0] == 'm'].push_back(application->game().play().currentSquare());
        }
    }
    EXPECT_EQ(reached[0], (std::vector<BoardSquare>{{2, 3}, {3, 2}, {3, 2}, {3, 3}}));
    EXPECT_EQ(reached[1], reached[0]);
    EXPECT_TRUE(view().isVisible());
    EXPECT_FALSE(square(2, 2)->isVisible());
    EXPECT_EQ(view().picture().at(3, 3).background, kRed);

    // A right click opens the pop-up menu of its square; a double click
    // writes the single allowed digit, as on the classic board.
    QTimer menuOpen;
    menuOpen.setSingleShot(true);
    bool opened = false;
    QObject::connect(&menuOpen, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            opened = true;
            menu->close();
        }
    });
    menuOpen.start(0);
    mouse(2, 2, Qt::RightButton);
    EXPECT_TRUE(opened);
    EXPECT_EQ(application->game().play().popupSquare(), (BoardSquare{2, 2}));
    mouse(2, 2, Qt::LeftButton, true);
    EXPECT_EQ(view().picture().at(2, 2).digit, 7);
}

TEST_F(BoardLookTest, LookIsKeptBetweenStarts) {
    EXPECT_TRUE(mainWindow().findChild<QAction*>("classicLookAction")->isChecked());
    EXPECT_TRUE(fixedSize());
    trigger("modernLookAction");
    EXPECT_FALSE(fixedSize());
    mainWindow().resize(1026, 778);
    QApplication::processEvents();
    // The board grows by what the window grew; the hint panels move with its edge.
    EXPECT_EQ(control<QWidget>(mainWindow(), "acrossPanel")->x(), 528 + 200);
    EXPECT_GE(view().height(), 505 + 200 - 60);

    application.reset();
    start();
    EXPECT_TRUE(std::filesystem::exists(dir.file("config/krizovky/krizovky.ini")));
    EXPECT_EQ(mainWindow().look(), ui::WindowLook::kModern);
    EXPECT_TRUE(mainWindow().findChild<QAction*>("modernLookAction")->isChecked());
    EXPECT_EQ(mainWindow().size(), QSize(1026, 778));
    trigger("classicLookAction");
    EXPECT_TRUE(fixedSize());
    EXPECT_EQ(mainWindow().size(), QSize(826, 578));
}

TEST_F(BoardLookTest, PrintExportAndBookletWriteTheirFiles) {
    application->game().play().enterDigit(2, 2, 7, true, true);
    const GamePrintout printout = *printoutOfGame(application->game());
    const struct {
        const char* action;
        const char* content;  // the choice of the first dialog
        std::string file;
        QByteArray expected;  // empty: a PDF
    } cases[] = {
        {"exportAction", "gameChoice", dir.file("hra.svg"),
         ui::boardFile(ui::FileKind::kSvg, printout.game, ui::PageStyle{})},
        {"exportAction", "solutionChoice", dir.file("řešení.png"),
         ui::boardFile(ui::FileKind::kPng, *printout.task.solution, ui::PageStyle{.dpi = 60})},
        {"printAction", "taskChoice", dir.file("tisk.pdf"), {}},
        {"bookletAction", nullptr, dir.file("sešit.pdf"), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        const QString path = QString::fromStdString(c.file);
        script.dialogChoices.push_back([&c](QDialog& dialog) {
            if (c.content) dialog.findChild<QRadioButton*>(c.content)->setChecked(true);
            if (auto* dpi = dialog.findChild<QSpinBox*>("dpiBox")) dpi->setValue(60);
            dialog.accept();
        });
        // The printer prints into a file instead of the print dialog's choice.
        script.dialogChoices.push_back([&path](QDialog& dialog) {
            auto* print = qobject_cast<QPrintDialog*>(&dialog);
            ASSERT_NE(print, nullptr);
            print->printer()->setOutputFileName(path);
            dialog.done(QDialog::Accepted);
        });
        script.fileChoices.push_back([&path](QFileDialog& dialog) {
            dialog.selectFile(path);
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        trigger(c.action);
        script.dialogChoices.clear();
        script.fileChoices.clear();
        const QByteArray bytes = fileBytes(c.file);
        if (c.expected.isEmpty())
            EXPECT_TRUE(bytes.startsWith("%PDF-")) << bytes.left(20).toStdString();
        else
            EXPECT_TRUE(bytes == c.expected) << bytes.size() << " bytes";
    }
    EXPECT_TRUE(script.boxes.empty());
}

TEST(BookletDialogTest, SaysWhatAPageHoldsOfTheChosenTasks) {
    const std::vector<TaskOfFile> tasks{
        {"priklad", boardOf({"0,0/16,0/3", "8/0,2,2", "11/0,2,2"}), ""},
        {"siroka", boardOf({"0,0/9*14", "45/0,2*14"}), ""},  // fifteen columns
    };
    ui::BookletDialog dialog(nullptr, tasks, QStringLiteral("t.kri"));
    auto* said = dialog.findChild<QLabel*>("pageContents");
    EXPECT_EQ(said->text(), QStringLiteral("na stránku se vejdou 4 úlohy, ale jen 2 úlohy 15 × 2; "
                                           "sešit bude mít 2 stránky"));
    dialog.findChild<QListWidget*>("bookletTasks")->item(0)->setCheckState(Qt::Unchecked);
    dialog.findChild<QCheckBox*>("solutionsBox")->setChecked(false);
    EXPECT_EQ(said->text(),
              QStringLiteral("na stránku se vejdou 2 úlohy 15 × 2; sešit bude mít 1 stránku"));
    auto* perPage = dialog.findChild<QComboBox*>("perPageBox");
    perPage->setCurrentIndex(perPage->findData(1));
    EXPECT_EQ(said->text(),
              QStringLiteral("na stránku se vejde 1 úloha; sešit bude mít 1 stránku"));
}

}  // namespace
}  // namespace krizovky::testing
