#include "ui/main_window.h"

#include <algorithm>

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/click_tracker.h"
#include "ui/digital_clock.h"
#include "ui/fonts.h"
#include "ui/keys.h"
#include "ui/pie_gauge.h"
#include "ui/square_widget.h"
#include "ui/text_convert.h"

namespace krizovky::ui {
namespace {

void setBackground(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
}

// A label that only says something, at its place and never wider than
// maxWidth: the caption must stay whole in the window's own font.
QLabel* captionLabel(const QString& text, QWidget* parent, const char* name, QRect place,
                     int maxWidth) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    const int needed = label->fontMetrics().horizontalAdvance(text) + 4;
    place.setWidth(std::clamp(needed, place.width(), std::max(place.width(), maxWidth)));
    label->setGeometry(place);
    return label;
}

// The lines of a list as the text of its box.
QString joinLines(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines)
        texts << fromCp1250(line);
    return texts.join(QLatin1Char('\n'));
}

void showLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    // Redrawn after every handler: setting the same text again would scroll
    // a long list back to its top.
    const QString text = joinLines(lines);
    if (memo->toPlainText() != text) memo->setPlainText(text);
}

}  // namespace

TForm1::TForm1(Game& game, std::function<void()> changed, const std::string& executablePath)
    : game_(game), changed_(std::move(changed)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(caption());
    setFont(baseFont());
    resize(826, 578);
    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    createMenu();
    auto* form = new QWidget(this);
    setCentralWidget(form);
    createBoardPanel(form);
    createHintPanels(form);
    createButtons(form);
    createSquareMenu();

    gauge1_ = new PieGauge(form);
    gauge1_->setObjectName(QStringLiteral("Gauge1"));
    gauge1_->setGeometry(664, 352, 121, 121);
    gauge1_->hide();

    FormCreate(executablePath);
    qApp->installEventFilter(this);
}

QString TForm1::caption() {
    return QStringLiteral("součtové křížovky");
}

void TForm1::createMenu() {
    QMenu* game = menuBar()->addMenu(QStringLiteral("&Hra"));
    game->setObjectName(QStringLiteral("H1"));
    auto add = [this, game](const char* name, const QString& text, void (TForm1::*handler)()) {
        QAction* action = game->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    add("H2", QStringLiteral("&Výběr úlohy"), &TForm1::N1Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    add("N1", QStringLiteral("&Znovu"), &TForm1::H1Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    add("N8", QStringLiteral("&Ulož"), &TForm1::N8Click);
    add("N9", QStringLiteral("&Načti"), &TForm1::N9Click);
    game->addSeparator()->setObjectName(QStringLiteral("N4"));
    add("S1", QStringLiteral("&Soubor úloh"), &TForm1::S1Click);
    QMenu* editing = game->addMenu(QStringLiteral("&Editace"));
    editing->setObjectName(QStringLiteral("E1"));
    QAction* text = editing->addAction(QStringLiteral("&Text"));
    text->setObjectName(QStringLiteral("T1"));
    connect(text, &QAction::triggered, this, &TForm1::T1Click);
    QAction* form = editing->addAction(QStringLiteral("&Formulář"));
    form->setObjectName(QStringLiteral("F1"));
    connect(form, &QAction::triggered, this, &TForm1::F1Click);
    game->addSeparator()->setObjectName(QStringLiteral("N5"));
    add("k2", QStringLiteral("&Konec"), &TForm1::FormDestroy);
    createOptionsMenu();
    QMenu* information = menuBar()->addMenu(QStringLiteral("&Informace"));
    information->setObjectName(QStringLiteral("I1"));
    QAction* rules = information->addAction(QStringLiteral("&Pravidla"));
    rules->setObjectName(QStringLiteral("O1"));
    connect(rules, &QAction::triggered, this, &TForm1::O1Click);
    QAction* about = information->addAction(QStringLiteral("&O hře"));
    about->setObjectName(QStringLiteral("N2"));
    connect(about, &QAction::triggered, this, &TForm1::I1Click);
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Pomoc"));
    help->setObjectName(QStringLiteral("P1"));
    auto addHelp = [this, help](const char* name, const QString& text, void (TForm1::*handler)()) {
        QAction* action = help->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    addHelp("D1", QStringLiteral("&Další krok"), &TForm1::nextStepClick)
        ->setShortcut(QKeySequence(Qt::Key_F1));
    addHelp("J1", QStringLiteral("&Je to zatím správně?"), &TForm1::verifyClick);
    addHelp("U1", QStringLiteral("&Ukaž chyby"), &TForm1::showErrorsClick);
}

void TForm1::createOptionsMenu() {
    QMenu* options = menuBar()->addMenu(QStringLiteral("&Volby"));
    options->setObjectName(QStringLiteral("V1"));
    QMenu* iq = options->addMenu(QStringLiteral("&IQ"));
    iq->setObjectName(QStringLiteral("O2"));
    // The check marks are the game's: Qt's own toggling on a click is
    // overwritten by the redraw that follows.
    auto add = [this](QMenu* menu, const char* name, const QString& text,
                      void (TForm1::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    // "70" starts the solver; it is no Level to keep and never checked.
    QAction* n71 = iq->addAction(QStringLiteral("70"));
    n71->setObjectName(QStringLiteral("N71"));
    connect(n71, &QAction::triggered, this, &TForm1::N71Click);
    z1_ = add(iq, "Z1", QStringLiteral("100"), &TForm1::Z1Click);
    n3_ = add(iq, "N3", QStringLiteral("130"), &TForm1::N3Click);
    n7_ = add(iq, "N7", QStringLiteral("160"), &TForm1::N7Click);
    // One Level at a time: drawn as radio items. The group need not enforce
    // it, the game does.
    auto* levels = new QActionGroup(iq);
    levels->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* level : {z1_, n3_, n7_})
        levels->addAction(level);
    i2_ = add(options, "I2", QStringLiteral("&Doplňovat"), &TForm1::I2Click);
    k1_ = add(options, "K1", QStringLiteral("&Kontrolovat"), &TForm1::K1Click);
}

void TForm1::createSquareMenu() {
    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* erase = popupMenu1_->addAction(QStringLiteral("vymaž"));
    erase->setObjectName(QStringLiteral("vyma1"));
    connect(erase, &QAction::triggered, this, &TForm1::vyma1Click);
    static constexpr const char* kNames[] = {"N11", "N21", "N31", "N41", "N51",
                                             "N61", "N72", "N81", "N91"};
    for (int digit = 1; digit <= 9; ++digit) {
        QAction* item = popupMenu1_->addAction(QString::number(digit));
        item->setObjectName(QString::fromLatin1(kNames[digit - 1]));
        item->setData(digit);
        connect(item, &QAction::triggered, this, [this, item] { N11Click(*item); });
        digitItems_[digit] = item;
    }
}

void TForm1::createBoardPanel(QWidget* form) {
    panel1_ = new QFrame(form);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel1_->setGeometry(0, 0, 521, 505);
    panel1_->hide();

    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c) {
            squares_[r][c] = new SquareWidget(panel1_);
            connectSquare(squares_[r][c]);
        }

    label20_ = new QLabel(panel1_);
    label20_->setObjectName(QStringLiteral("Label20"));
    label20_->setGeometry(184, 8, 137, 15);
    label20_->setAlignment(Qt::AlignCenter);
    label20_->setFont(pixelFont("DejaVu Sans", 13, true));
    label20_->setAutoFillBackground(true);
    QPalette palette = label20_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label20_->setPalette(palette);

    rxClock1_ = new DigitalClock(panel1_);
    rxClock1_->setObjectName(QStringLiteral("RxClock1"));
    rxClock1_->setGeometry(4, 4, 73, 25);

    createMarkSwatches();
    createLegends();

    // The solver's time since its search began: yellow bold on olive.
    label36_ = new QLabel(panel1_);
    label36_->setObjectName(QStringLiteral("Label36"));
    label36_->setGeometry(96, 8, 57, 16);
    label36_->setAlignment(Qt::AlignCenter);
    label36_->setFont(pixelFont("DejaVu Sans", 12, true));
    label36_->setAutoFillBackground(true);
    QPalette olive = label36_->palette();
    olive.setColor(QPalette::Window, toQColor(kOlive));
    olive.setColor(QPalette::WindowText, toQColor(kYellow));
    label36_->setPalette(olive);
    label36_->hide();
}

void TForm1::connectSquare(SquareWidget* square) {
    connect(square, &SquareWidget::clicked, this, [this, square] { Label1Click(*square); });
    connect(square, &SquareWidget::doubleClicked, this,
            [this, square] { Label1DblClick(*square); });
    connect(square, &SquareWidget::popupRequested, this,
            [this, square](const QPoint& at) { PopupMenu1Popup(*square, at); });
}

void TForm1::createMarkSwatches() {
    for (int mark = 1; mark <= 4; ++mark) {
        auto* swatch = new QLabel(panel1_);
        swatch->setObjectName(QStringLiteral("Label%1").arg(15 + mark));
        swatch->setProperty("tag", mark);
        swatch->setGeometry(24 + 40 * (mark - 1), 480, 25, 16);
        swatch->hide();
        auto* clicks = new ClickTracker(swatch);
        connect(clicks, &ClickTracker::clicked, this, [this, mark] { Label16Click(mark); });
        connect(clicks, &ClickTracker::doubleClicked, this,
                [this, mark] { Label16DblClick(mark); });
        swatches_[mark] = swatch;
    }
}

void TForm1::createLegends() {
    // Each legend may grow up to the next one (or the panel's edge) to keep
    // its caption whole.
    label21_ = captionLabel(QStringLiteral(" duplikátní číslo"), panel1_, "Label21",
                            QRect(216, 480, 105, 16), 352 - 8 - 216);
    setBackground(label21_, toQColor(kOlive));
    label21_->hide();
    label22_ = captionLabel(QStringLiteral(" chybný součet"), panel1_, "Label22",
                            QRect(352, 480, 105, 16), 521 - 8 - 352);
    setBackground(label22_, toQColor(kGray));
    label22_->hide();
}

void TForm1::createHintPanels(QWidget* form) {
    auto panel = [form](const char* name, QRect place, const char* titleName, const QString& title,
                        const char* memoName, QRect memoPlace) {
        auto* frame = new QFrame(form);
        frame->setObjectName(QString::fromLatin1(name));
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setGeometry(place);
        frame->hide();
        auto* label = new QLabel(title, frame);
        label->setObjectName(QString::fromLatin1(titleName));
        label->move(8, 0);
        label->adjustSize();
        auto* memo = new QPlainTextEdit(frame);
        memo->setObjectName(QString::fromLatin1(memoName));
        memo->setReadOnly(true);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setGeometry(memoPlace);
        return std::pair{frame, memo};
    };
    std::tie(panel2_, memo1_) =
        panel("Panel2", QRect(528, 8, 129, 289), "Label13", QStringLiteral("vodorovně:"), "Memo1",
              QRect(0, 16, 129, 273));
    std::tie(panel3_, memo2_) = panel("Panel3", QRect(664, 8, 129, 289), "Label14",
                                      QStringLiteral("svisle:"), "Memo2", QRect(0, 16, 129, 273));
    std::tie(panel4_, memo3_) =
        panel("Panel4", QRect(528, 304, 265, 41), "Label15", QStringLiteral("přípustné cifry:"),
              "Memo3", QRect(0, 16, 265, 25));
    // One line of digits: no room for scroll bars or a wide margin.
    memo3_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo3_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo3_->document()->setDocumentMargin(2);
}

void TForm1::createButtons(QWidget* form) {
    auto add = [this, form](const char* name, const QString& text, int top,
                            void (TForm1::*handler)()) {
        auto* button = new QPushButton(text, form);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(528, top, 121, 25);
        button->hide();
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    button2_ = add("Button2", QStringLiteral("zpět o 1 tah"), 352, &TForm1::Button2Click);
    button1_ = add("Button1", QStringLiteral("nastav značku"), 384, &TForm1::Button1Click);
    button3_ = add("Button3", QStringLiteral("zpět ke značce"), 416, &TForm1::Button3Click);
    button4_ = add("Button4", QStringLiteral(" proveď kontroly"), 448, &TForm1::Button4Click);
    button5_ = add("Button5", QStringLiteral("přeruš"), 480, &TForm1::Button5Click);
}

void TForm1::FormCreate(const std::string& executablePath) {
    game_.FormCreate(executablePath);
}

void TForm1::showScreen() {
    const MainScreen& screen = game_.screen();
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            squares_[r][c]->setLook(screen.square(r, c));
    label20_->setText(fromCp1250(screen.label20Caption));
    fitLabel20();
    label20_->setVisible(screen.label20);
    panel1_->setVisible(screen.panel1);
    showGauge();

    for (int mark = 1; mark <= 4; ++mark) {
        setBackground(swatches_[mark], toQColor(screen.swatchColour[mark]));
        swatches_[mark]->setVisible(screen.swatch[mark]);
    }
    label21_->setVisible(screen.label21);
    label22_->setVisible(screen.label22);
    button1_->setVisible(screen.button1);
    button2_->setVisible(screen.button2);
    button3_->setVisible(screen.button3);
    button4_->setVisible(screen.button4);
    showSolverProgress();
    showHintPanels();
    showMenus();
}

void TForm1::showSolverProgress() {
    const MainScreen& screen = game_.screen();
    label36_->setText(fromCp1250(screen.label36Caption));
    label36_->setVisible(screen.label36);
    button5_->setVisible(screen.button5);

    // While the solver searches, only "přeruš" answers; everything else waits.
    const bool idle = !screen.solverRunning;
    if (commandsEnabled_ == idle) return;
    commandsEnabled_ = idle;
    menuBar()->setEnabled(idle);
    for (QWidget* control : {button1_, button2_, button3_, button4_})
        control->setEnabled(idle);
    for (int mark = 1; mark <= 4; ++mark)
        swatches_[mark]->setEnabled(idle);
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            squares_[r][c]->setEnabled(idle);
}

void TForm1::showHintPanels() {
    const MainScreen& screen = game_.screen();
    showLines(memo1_, screen.memo1);
    showLines(memo2_, screen.memo2);
    showLines(memo3_, screen.memo3);
    panel2_->setVisible(screen.panel2);
    panel3_->setVisible(screen.panel3);
    panel4_->setVisible(screen.panel4);
}

void TForm1::showMenus() {
    const MainScreen& screen = game_.screen();
    for (int digit = 1; digit <= 9; ++digit)
        digitItems_[digit]->setEnabled(screen.digitItemEnabled[digit]);
    z1_->setChecked(screen.menu.z1);
    n3_->setChecked(screen.menu.n3);
    n7_->setChecked(screen.menu.n7);
    i2_->setChecked(screen.menu.i2);
    k1_->setChecked(screen.menu.k1);
}

void TForm1::fitLabel20() {
    // The name stays centred over the board; a name longer than the label's
    // 137 pixels widens it on both sides, up to the clock on the left.
    constexpr int kLeft = 184, kWidth = 137, kCentre = kLeft + kWidth / 2, kClockRight = 80;
    const int needed = label20_->fontMetrics().horizontalAdvance(label20_->text()) + 4;
    const int width = std::clamp(needed, kWidth, 2 * (kCentre - kClockRight));
    label20_->setGeometry(kCentre - width / 2, 8, width, 15);
}

void TForm1::showGauge() {
    const GaugeLook& look = game_.screen().gauge1;
    gauge1_->setProgress(look.position, look.maximum);
    gauge1_->setVisible(look.visible);
}

void TForm1::repaintSquare(int row, int column) {
    if (!Board::onBoard(row, column)) return;
    squares_[row][column]->setLook(game_.screen().square(row, column));
    squares_[row][column]->repaint();
}

void TForm1::repaintGauge() {
    showGauge();
    gauge1_->repaint();
}

void TForm1::N1Click() {
    game_.N1Click();
    changed_();
}

void TForm1::H1Click() {
    game_.H1Click();
    changed_();
}

void TForm1::N8Click() {
    game_.N8Click();
    changed_();
}

void TForm1::N9Click() {
    game_.N9Click();
    changed_();
}

void TForm1::F1Click() {
    game_.F1Click();
    changed_();
}

void TForm1::T1Click() {
    game_.T1Click();
    changed_();
}

void TForm1::O1Click() {
    emit rulesRequested();
}

void TForm1::I1Click() {
    emit aboutRequested();
}

void TForm1::nextStepClick() {
    game_.nextStepClick();
    changed_();
}

void TForm1::verifyClick() {
    game_.verifyClick();
    changed_();
}

void TForm1::showErrorsClick() {
    game_.showErrorsClick();
    changed_();
}

void TForm1::S1Click() {
    game_.S1Click();
    changed_();
}

void TForm1::Label1Click(const SquareWidget& square) {
    game_.Label1Click(tagRow(square.tag()), tagColumn(square.tag()));
    changed_();
}

void TForm1::Label1DblClick(const SquareWidget& square) {
    game_.Label1DblClick(tagRow(square.tag()), tagColumn(square.tag()));
    changed_();
}

void TForm1::PopupMenu1Popup(const SquareWidget& square, const QPoint& globalPos) {
    game_.PopupMenu1Popup(tagRow(square.tag()), tagColumn(square.tag()));
    changed_();
    popupMenu1_->exec(globalPos);
}

void TForm1::N11Click(const QAction& item) {
    game_.N11Click(item.data().toInt());
    changed_();
}

void TForm1::vyma1Click() {
    game_.vyma1Click();
    changed_();
}

void TForm1::Button1Click() {
    game_.Button1Click();
    changed_();
}

void TForm1::Button2Click() {
    game_.Button2Click();
    changed_();
}

void TForm1::Button3Click() {
    game_.Button3Click();
    changed_();
}

void TForm1::Button4Click() {
    game_.Button4Click();
    changed_();
}

void TForm1::Label16Click(int mark) {
    game_.Label16Click(mark);
    changed_();
}

void TForm1::Label16DblClick(int mark) {
    game_.Label16DblClick(mark);
    changed_();
}

void TForm1::N71Click() {
    game_.N71Click();
    changed_();
}

void TForm1::Button5Click() {
    game_.Button5Click();
    changed_();
}

void TForm1::Z1Click() {
    game_.Z1Click();
    changed_();
}

void TForm1::N3Click() {
    game_.N3Click();
    changed_();
}

void TForm1::N7Click() {
    game_.N7Click();
    changed_();
}

void TForm1::I2Click() {
    game_.I2Click();
    changed_();
}

void TForm1::K1Click() {
    game_.K1Click();
    changed_();
}

void TForm1::keyPress(Key key) {
    game_.keyPress(key);
    changed_();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // Every key press of the application passes here before its widget sees
    // it. Those of this window are the board's, whichever control has the
    // focus; only the menu bar, while the keyboard is in it, keeps its keys.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this && !qobject_cast<QMenuBar*>(watched)) {
        const std::optional<Key> key = gameKey(*static_cast<QKeyEvent*>(event));
        if (key && *key != Key::kEscape) {
            keyPress(*key);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormDestroy() {
    if (game_.terminateRequested()) return;
    const bool mayQuit = game_.confirmQuit();
    changed_();
    if (!mayQuit) return;
    game_.FormDestroy();
    changed_();
    close();
    QCoreApplication::exit(0);
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormDestroy();
    if (game_.terminateRequested())
        event->accept();
    else
        event->ignore();
}

}  // namespace krizovky::ui
