// Playing the small example task through the window: the mouse on the
// squares, the pop-up menu, the buttons, the swatches and the menu "&Volby".

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "ui/square_widget.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

const QColor kAquaSquare(0, 255, 255);
const QColor kOliveSquare(128, 128, 0);
const QColor kGraySquare(128, 128, 128);

class PlayTest : public ExampleGameTest {
  protected:
    QString memo(const char* name) {
        return control<QPlainTextEdit>(mainWindow(), name)->toPlainText();
    }
    bool shown(const char* name) { return control<QWidget>(mainWindow(), name)->isVisible(); }
    QPushButton* button(const char* name) { return control<QPushButton>(mainWindow(), name); }
    QAction* item(const char* name) { return mainWindow().findChild<QAction*>(name); }
    QStringList boxTexts() {
        QStringList texts;
        for (const ShownBox& box : script.boxes)
            texts << box.text;
        return texts;
    }

    // The mouse goes through the window system, as the player's does: it
    // turns a right press into the context menu event and a second press into
    // a double click.
    void mouse(QWidget* widget, Qt::MouseButton button, bool twice = false) {
        const QPoint at = widget->mapTo(&mainWindow(), widget->rect().center());
        if (twice)
            QTest::mouseDClick(mainWindow().windowHandle(), button, {}, at);
        else
            QTest::mouseClick(mainWindow().windowHandle(), button, {}, at);
    }
    void click(int row, int column) { mouse(square(row, column), Qt::LeftButton); }
    void doubleClick(int row, int column) { mouse(square(row, column), Qt::LeftButton, true); }

    // A right click on the square and, in the menu that opens, a click on the
    // item named; the captions of the items the menu offered (enabled). A
    // disabled item is not clicked and the menu is closed instead.
    QStringList popUp(int row, int column, const char* itemName) {
        QStringList offered;
        bool opened = false;
        QTimer menuOpen;  // fires inside the menu's own event loop
        menuOpen.setSingleShot(true);
        QObject::connect(&menuOpen, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) return;
            opened = true;
            for (QAction* action : menu->actions())
                if (action->isEnabled()) offered << action->text();
            QAction* chosen = menu->findChild<QAction*>(itemName);
            if (chosen != nullptr && chosen->isEnabled())
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
            else
                menu->close();
        });
        menuOpen.start(0);
        mouse(square(row, column), Qt::RightButton);
        EXPECT_TRUE(opened) << "no pop-up menu on " << row << "," << column;
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        return offered;
    }
};

TEST_F(PlayTest, SolvedThroughThePopUpMenuAndADoubleClick) {
    trigger("autoFillAction");  // "&Doplňovat" off: every digit is the player's own
    click(2, 2);
    EXPECT_EQ(square(2, 2)->background(), kRedSquare);
    ASSERT_TRUE(shown("acrossPanel") && shown("downPanel") && shown("allowedPanel"));
    EXPECT_EQ(memo("acrossHints"), QStringLiteral("17"));
    EXPECT_EQ(memo("downHints"), QStringLiteral("79"));
    EXPECT_EQ(memo("allowedDigits"), QStringLiteral(" 7"));
    EXPECT_FALSE(shown("markButton") || shown("undoButton"));

    // At IQ 100 the menu offers exactly the allowed digits.
    EXPECT_EQ(popUp(2, 2, "digit7Item"), (QStringList{"vymaž", "7", "poznámka"}));
    EXPECT_EQ(square(2, 2)->caption(), QStringLiteral("7"));
    EXPECT_TRUE(shown("markButton") && shown("undoButton"));

    doubleClick(2, 3);  // 1 is the only digit left for it
    EXPECT_EQ(square(2, 3)->caption(), QStringLiteral("1"));
    EXPECT_EQ(square(2, 3)->background(), kRedSquare);
    popUp(3, 2, "digit9Item");
    EXPECT_TRUE(script.boxes.empty()) << boxTexts().join(" | ").toStdString();

    popUp(3, 3, "digit2Item");
    EXPECT_EQ(digits(), QStringLiteral("7192"));
    EXPECT_EQ(boxTexts(), QStringList{"Celou křížovku jste úspěšně vyřešil, gratuluji!"});
    EXPECT_EQ(script.boxes[0].caption, QStringLiteral("součtové křížovky"));
}

TEST_F(PlayTest, CompletedBoardIsShownBehindTheEndMessage) {
    QString behindTheBox;
    script.whileBoxShown = [&] { behindTheBox = digits(); };
    popUp(2, 2, "digit7Item");  // the completion of runs fills the other three squares
    EXPECT_EQ(boxTexts(), QStringList{"Celou křížovku jste úspěšně vyřešil, gratuluji!"});
    EXPECT_EQ(behindTheBox, QStringLiteral("7192"));
}

TEST_F(PlayTest, RefusedDigitIsReportedAndErasingTakesADigitOut) {
    trigger("level130Action");  // IQ 130: every digit is offered, none is filtered
    EXPECT_FALSE(item("level100Action")->isChecked());
    EXPECT_TRUE(item("level130Action")->isChecked());
    const QStringList offered = popUp(2, 2, "digit8Item");
    EXPECT_EQ(offered.size(), 11) << offered.join(" ").toStdString();  // with "poznámka"
    EXPECT_FALSE(shown("allowedPanel"));
    EXPECT_EQ(boxTexts(), QStringList{"Při vložení čísla 8 by v řádku součet nesouhlasil!"});
    EXPECT_EQ(square(2, 2)->caption(), QStringLiteral(" "));
    EXPECT_FALSE(shown("undoButton"));

    trigger("autoFillAction");
    popUp(2, 2, "digit6Item");
    EXPECT_EQ(square(2, 2)->caption(), QStringLiteral("6"));
    popUp(2, 2, "eraseItem");
    EXPECT_EQ(square(2, 2)->caption(), QStringLiteral(" "));
    EXPECT_EQ(script.boxes.size(), 1u);
}

TEST_F(PlayTest, CheckButtonPaintsFailingRunsUntilTheNextClick) {
    EXPECT_FALSE(shown("checkButton"));
    trigger("checkingAction");  // "&Kontrolovat" off: the check is the player's to ask for
    trigger("autoFillAction");
    trigger("level130Action");
    ASSERT_TRUE(shown("checkButton"));
    EXPECT_EQ(button("checkButton")->text(), QStringLiteral(" proveď kontroly"));

    popUp(2, 2, "digit5Item");
    button("checkButton")->click();
    EXPECT_EQ(boxTexts(), QStringList{"Vše je zatím v pořádku!"});

    // Row 2 repeats the 5; column 3 already passes its sum 3.
    popUp(2, 3, "digit5Item");
    EXPECT_EQ(script.boxes.size(), 1u) << "no immediate check";
    button("checkButton")->click();
    EXPECT_EQ(script.boxes.size(), 1u) << "a failure is shown by colour only";
    EXPECT_EQ(square(2, 2)->background(), kOliveSquare);
    EXPECT_EQ(square(2, 3)->background(), kOliveSquare);
    EXPECT_EQ(square(3, 3)->background(), kGraySquare);
    EXPECT_EQ(square(3, 2)->background(), kYellowSquare);
    ASSERT_TRUE(shown("duplicateLegend") && shown("wrongSumLegend"));
    auto* legend = control<QLabel>(mainWindow(), "duplicateLegend");
    EXPECT_EQ(legend->text(), QStringLiteral(" duplikátní číslo"));
    EXPECT_EQ(legend->palette().color(QPalette::Window), kOliveSquare);
    EXPECT_GE(legend->width(), legend->fontMetrics().horizontalAdvance(legend->text()));
    EXPECT_EQ(control<QLabel>(mainWindow(), "wrongSumLegend")->text(),
              QStringLiteral(" chybný součet"));

    click(3, 2);
    EXPECT_FALSE(shown("duplicateLegend") || shown("wrongSumLegend"));
    EXPECT_EQ(square(2, 2)->background(), kYellowSquare);
    EXPECT_EQ(square(3, 3)->background(), kYellowSquare);
    EXPECT_EQ(square(3, 2)->background(), kRedSquare);
}

TEST_F(PlayTest, HistoryButtonsAndTheMarkSwatch) {
    trigger("autoFillAction");
    popUp(2, 2, "digit7Item");
    button("markButton")->click();  // "nastav značku" on the 7
    auto* swatch = control<QLabel>(mainWindow(), "markSwatch1");
    ASSERT_TRUE(swatch->isVisible());
    EXPECT_EQ(swatch->palette().color(QPalette::Window), kAquaSquare);
    EXPECT_FALSE(shown("markSwatch2"));
    EXPECT_TRUE(shown("undoToMarkButton"));
    EXPECT_EQ(square(2, 2)->background(), kAquaSquare);

    doubleClick(2, 3);
    popUp(3, 2, "digit9Item");
    EXPECT_EQ(digits(), QStringLiteral("719 "));
    button("undoButton")->click();  // "zpět o 1 tah"
    EXPECT_EQ(digits(), QStringLiteral("71  "));

    mouse(swatch, Qt::LeftButton);  // what was done since the Mark
    EXPECT_EQ(square(2, 3)->background(), kAquaSquare);
    mouse(swatch, Qt::LeftButton, true);  // the Mark goes, and its colours
    EXPECT_FALSE(swatch->isVisible());
    EXPECT_FALSE(shown("undoToMarkButton"));
    EXPECT_EQ(square(2, 2)->background(), kYellowSquare);
    EXPECT_EQ(square(2, 3)->background(), kYellowSquare);

    button("markButton")->click();  // the undo allows a new Mark, on the 1
    ASSERT_TRUE(swatch->isVisible());
    EXPECT_EQ(square(2, 3)->background(), kAquaSquare);
    button("undoToMarkButton")->click();  // "zpět ke značce"
    EXPECT_EQ(digits(), QStringLiteral("7   "));
    EXPECT_FALSE(swatch->isVisible());
    EXPECT_FALSE(shown("undoToMarkButton"));
    button("undoButton")->click();
    EXPECT_EQ(digits(), QStringLiteral("    "));
    EXPECT_FALSE(shown("markButton") || shown("undoButton"));
    EXPECT_TRUE(script.boxes.empty()) << boxTexts().join(" | ").toStdString();
}

TEST_F(PlayTest, VolbyCheckMarksFollowTheGame) {
    auto checked = [this] {
        QString marks;
        for (const char* name : {"level100Action", "level130Action", "level160Action",
                                 "autoFillAction", "checkingAction"})
            marks += item(name)->isChecked() ? '+' : '-';
        return marks;
    };
    EXPECT_EQ(checked(), QStringLiteral("+--++"));
    trigger("level100Action");  // a checked Level stays checked
    EXPECT_EQ(checked(), QStringLiteral("+--++"));

    click(2, 2);
    ASSERT_TRUE(shown("acrossPanel") && shown("downPanel") && shown("allowedPanel"));
    trigger("level160Action");  // IQ 160: the hints go, and the red square with them
    EXPECT_FALSE(shown("acrossPanel") || shown("downPanel") || shown("allowedPanel"));
    EXPECT_EQ(square(2, 2)->background(), kYellowSquare);
    click(3, 3);
    EXPECT_FALSE(shown("acrossPanel") || shown("downPanel") || shown("allowedPanel"));
    EXPECT_EQ(square(3, 3)->background(), kRedSquare);

    trigger("checkingAction");
    EXPECT_EQ(checked(), QStringLiteral("--++-"));
    EXPECT_TRUE(shown("checkButton"));
    trigger("autoFillAction");
    trigger("level100Action");
    trigger("checkingAction");
    EXPECT_EQ(checked(), QStringLiteral("+---+"));
    EXPECT_FALSE(shown("checkButton"));
}

TEST_F(PlayTest, SavedGameComesBackThroughTheGameMenu) {
    const QString file = QString::fromStdString(dir.file("hra.ulo"));
    auto pick = [&file](QFileDialog& dialog) {
        dialog.selectFile(file);
        QMetaObject::invokeMethod(&dialog, "accept");
    };
    trigger("autoFillAction");  // no completion: one digit stays one digit
    popUp(2, 2, "digit7Item");
    button("markButton")->click();
    script.fileChoices.push_back(pick);
    trigger("saveGameAction");
    ASSERT_EQ(script.fileDialogs.size(), 1u);
    EXPECT_EQ(script.fileDialogs[0].title, QStringLiteral("uložené rozpracované úlohy"));
    EXPECT_EQ(script.fileDialogs[0].nameFilters, QStringList{QStringLiteral("uložené (*.ulo)")});

    popUp(3, 2, "digit9Item");
    // Saving over the file asks first; No keeps the file as it was.
    script.fileChoices.push_back(pick);
    script.answers = {QMessageBox::No};
    trigger("saveGameAction");
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text, QStringLiteral("Soubor hra.ulo již existuje. Přepsat jej?"));

    script.fileChoices.push_back(pick);
    trigger("loadGameAction");
    EXPECT_EQ(digits(), QStringLiteral("7   "));
    EXPECT_EQ(square(2, 2)->background(), kAquaSquare);
    EXPECT_EQ(square(2, 2)->x(), 60);  // a loaded board stands 8 pixels further left
    EXPECT_TRUE(shown("markSwatch1"));
    EXPECT_TRUE(shown("undoToMarkButton"));
}

// Qt's own texts come from its Czech catalogue, and no game is lost by
// "&Znovu" or by closing the window without a question; a game that cannot
// be kept for the next start is offered for saving.
TEST_F(PlayTest, QuestionsAndDialogsSpeakCzechBeforeAGameIsLost) {
    trigger("autoFillAction");  // no completion: one digit stays one digit
    popUp(2, 2, "digit7Item");
    script.answers = {QMessageBox::No};
    trigger("reloadAction");  // "&Znovu"
    EXPECT_EQ(digits(), QStringLiteral("7   "));
    // A folder where the kept game would go.
    std::filesystem::create_directories(dir.file("state/krizovky/rozehrana_hra.json/x"));
    script.answers = {QMessageBox::Ok, QMessageBox::Cancel};
    mainWindow().close();
    EXPECT_TRUE(mainWindow().isVisible());
    ASSERT_EQ(script.boxes.size(), 3u);
    EXPECT_EQ(script.boxes[0].text, QStringLiteral("Začít úlohu znovu? Rozehraná hra se ztratí."));
    EXPECT_EQ(script.boxes[1].text,
              QStringLiteral("Rozehranou hru se nepodařilo uschovat pro příští spuštění: "
                             "Is a directory"));
    script.boxes.erase(script.boxes.begin() + 1);
    auto buttons = [this](int box) {  // in alphabetical order, whatever the layout
        QStringList texts = script.boxes[box].buttonTexts;
        texts.sort();
        return texts.join(' ').remove('&');
    };
    EXPECT_EQ(buttons(0), QStringLiteral("Ano Ne"));
    EXPECT_EQ(script.boxes[1].text, QStringLiteral("Uložit rozehranou hru?"));
    EXPECT_EQ(buttons(1), QStringLiteral("Ano Ne Zrušit"));

    QStringList dialogButtons;
    script.fileChoices.push_back([&dialogButtons](QFileDialog& dialog) {
        for (auto* button : dialog.findChildren<QPushButton*>())
            dialogButtons << button->text().remove('&');
        dialog.reject();
    });
    trigger("loadGameAction");  // "&Načti"
    EXPECT_TRUE(dialogButtons.contains(QStringLiteral("Otevřít")));
    EXPECT_TRUE(dialogButtons.contains(QStringLiteral("Zrušit")));
}

}  // namespace
}  // namespace krizovky::testing
