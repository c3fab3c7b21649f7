#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QTest>
#include <QTime>
#include <cmath>

#include "model/board.h"
#include "model/text.h"
#include "ui/digital_clock.h"
#include "ui/fonts.h"
#include "ui/pie_gauge.h"
#include "ui/square_widget.h"
#include "ui/text_convert.h"
#include "ui_harness.h"

namespace krizovky::testing {
namespace {

using ui::SquareWidget;

QImage picture(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The rows and columns where a colour other than the background was drawn.
struct Ink {
    QRect bounds;
    std::vector<bool> rows;  // per image row: anything drawn in it
};

Ink inkOf(const QImage& image, QRgb background) {
    Ink ink;
    ink.rows.assign(static_cast<std::size_t>(image.height()), false);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) {
                ink.bounds |= QRect(x, y, 1, 1);
                ink.rows[static_cast<std::size_t>(y)] = true;
            }
    return ink;
}

PictureSquare clueLook(int across, int down) {
    Cell cell;
    cell.kind = kClue;
    cell.acrossSum = static_cast<std::uint8_t>(across);
    cell.downSum = static_cast<std::uint8_t>(down);
    PictureSquare look;
    look.exists = look.visible = true;
    look.caption = clueCaption(cell);
    look.background = 0x000000;
    look.textColour = 0xFFFFFF;
    look.font = FontRole::kClue;
    look.wordWrap = true;
    return look;
}

TEST(SquareWidgetTest, ClassicSquaresStandThirtyPixelsApartAndARestoredBoardFurtherLeft) {
    EXPECT_EQ(ui::classicSquarePlace(1, 1, SquaresBuild::kTask), QRect(38, 30, 25, 25));
    EXPECT_EQ(ui::classicSquarePlace(2, 2, SquaresBuild::kTask), QRect(68, 60, 25, 25));
    EXPECT_EQ(ui::classicSquarePlace(15, 15, SquaresBuild::kTask), QRect(458, 450, 25, 25));
    EXPECT_EQ(ui::classicSquarePlace(2, 2, SquaresBuild::kSavedGame), QRect(60, 60, 25, 25));
    EXPECT_EQ(ui::classicSquarePlace(15, 1, SquaresBuild::kSavedGame), QRect(30, 450, 25, 25));
}

TEST(SquareWidgetTest, ClueSumsFitTheSquareOnTwoSeparateLines) {
    ASSERT_EQ(QFontInfo(ui::clueFont()).family(), QStringLiteral("DejaVu Sans Mono"));
    ASSERT_TRUE(QFontInfo(ui::clueFont()).fixedPitch());
    for (auto [across, down] : {std::pair{45, 38}, {88, 0}, {0, 7}, {9, 35}}) {
        SCOPED_TRACE(std::to_string(across) + "/" + std::to_string(down));
        SquareWidget square;
        square.setLook(clueLook(across, down), QRect(0, 0, 25, 25));
        const QImage image = picture(square);
        ASSERT_EQ(image.size(), QSize(25, 25));
        const Ink ink = inkOf(image, qRgb(0, 0, 0));
        EXPECT_TRUE(QRect(1, 1, 23, 23).contains(ink.bounds)) << "drawn up to the edge";

        // Two bands of ink with empty rows between them.
        int bands = 0;
        for (std::size_t y = 0; y < ink.rows.size(); ++y)
            if (ink.rows[y] && (y == 0 || !ink.rows[y - 1])) ++bands;
        EXPECT_EQ(bands, 2);
    }
}

TEST(SquareWidgetTest, AcrossSumStandsTopRightAndDownSumBottomLeft) {
    // Only one sum each: apart from the backslashes of the diagonal the ink
    // lies where that sum belongs.
    auto inkInQuarter = [](const QImage& image, int left, int top) {
        int count = 0;
        for (int y = top; y < top + 12; ++y)
            for (int x = left; x < left + 12; ++x)
                count += image.pixel(x, y) != qRgb(0, 0, 0);
        return count;
    };
    SquareWidget acrossOnly, downOnly, none;
    acrossOnly.setLook(clueLook(88, 0), QRect(0, 0, 25, 25));
    downOnly.setLook(clueLook(0, 88), QRect(0, 0, 25, 25));
    none.setLook(clueLook(0, 0), QRect(0, 0, 25, 25));
    const QImage diagonal = picture(none);
    EXPECT_GT(inkInQuarter(picture(acrossOnly), 13, 0), inkInQuarter(diagonal, 13, 0) + 20);
    EXPECT_EQ(inkInQuarter(picture(acrossOnly), 0, 13), inkInQuarter(diagonal, 0, 13));
    EXPECT_GT(inkInQuarter(picture(downOnly), 0, 13), inkInQuarter(diagonal, 0, 13) + 20);
    EXPECT_EQ(inkInQuarter(picture(downOnly), 13, 0), inkInQuarter(diagonal, 13, 0));
}

TEST(SquareWidgetTest, EntryDigitIsLargeAndCentred) {
    PictureSquare look;
    look.exists = look.visible = true;
    look.caption = "8";
    look.background = 0xFFFF00;
    look.font = FontRole::kEntry;
    look.centred = true;
    SquareWidget square;
    square.setLook(look, QRect(0, 0, 25, 25));
    const QRect ink = inkOf(picture(square), qRgb(255, 255, 0)).bounds;
    EXPECT_GE(ink.height(), 13);
    EXPECT_LE(std::abs(ink.center().x() - 12), 2);
    EXPECT_LE(std::abs(ink.center().y() - 12), 2);
}

TEST(PieGaugeTest, FillsClockwiseFromTheTop) {
    ui::PieGauge gauge;
    gauge.resize(121, 121);
    gauge.setProgress(4, 15);
    EXPECT_EQ(gauge.text(), QStringLiteral("26%"));

    const QImage image = picture(gauge);
    const double radius = 40;  // between the text and the rim
    auto at = [&](double degreesFromTop) {
        const double a = degreesFromTop * M_PI / 180;
        return image.pixel(static_cast<int>(60 + radius * std::sin(a)),
                           static_cast<int>(60 - radius * std::cos(a)));
    };
    EXPECT_EQ(at(45), qRgb(0, 0, 0));
    EXPECT_EQ(at(300), qRgb(255, 255, 0));
    EXPECT_EQ(at(135), qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 255, 0));

    gauge.setProgress(15, 15);
    EXPECT_EQ(gauge.text(), QStringLiteral("100%"));
    EXPECT_EQ(picture(gauge).pixel(60, 20), qRgb(0, 0, 0));
}

TEST(DigitalClockTest, ShowsTheTimeOfDayAndMovesOn) {
    ui::DigitalClock clock;
    const QTime shown = QTime::fromString(clock.text(), QStringLiteral("hh:mm:ss"));
    ASSERT_TRUE(shown.isValid()) << clock.text().toStdString();
    EXPECT_LE(std::abs(shown.secsTo(QTime::currentTime())), 2);
    const QString before = clock.text();
    EXPECT_TRUE(QTest::qWaitFor([&] { return clock.text() != before; }, 2500));
}

TEST(QtHostTest, BoxesOfTheGameAndTheirAnswers) {
    ModalScript script;
    ui::QtHost host(script.runner());
    Requests requests(host);
    requests.message("Úloha je vyřešena.");
    requests.error("Chybný řádek");
    EXPECT_TRUE(host.answerRequests(requests));
    std::vector<bool> answers;
    requests.askYesNo("Smazat?", [&](bool yes) { answers.push_back(yes); });
    requests.askYesNo("Smazat?", [&](bool yes) { answers.push_back(yes); });
    script.answers = {QMessageBox::Yes, QMessageBox::No};
    EXPECT_TRUE(host.answerRequests(requests));
    EXPECT_EQ(answers, (std::vector<bool>{true, false}));
    EXPECT_EQ(requests.pending(), nullptr);

    ASSERT_EQ(script.boxes.size(), 4u);
    EXPECT_EQ(script.boxes[0].text, QStringLiteral("Úloha je vyřešena."));
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(script.boxes[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(script.boxes[1].caption, QStringLiteral("Error"));
    EXPECT_EQ(script.boxes[1].text, QStringLiteral("Chybný řádek"));
    EXPECT_EQ(script.boxes[1].icon, QMessageBox::Critical);
    EXPECT_EQ(script.boxes[2].buttons, QMessageBox::Yes | QMessageBox::No);
}

TEST(TextConvertTest, AgreesWithTheGamesOwnConversion) {
    ASSERT_TRUE(ui::cp1250Available());
    const std::string czech = "Příliš žluťoučký kůň úpěl ďábelské ódy";
    const std::string bytes = cp1250FromUtf8(czech);
    EXPECT_EQ(ui::fromCp1250(bytes), QString::fromUtf8(czech.c_str()));
    EXPECT_EQ(ui::toCp1250(QString::fromUtf8(czech.c_str())), bytes);
    EXPECT_EQ(ui::toCp1250(QStringLiteral("a✓b")), "a?b");
}

}  // namespace
}  // namespace krizovky::testing
