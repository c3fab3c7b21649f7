// Pages on paper and in files: where a board lands on the page of each kind
// of file, as other programs draw the file, and the pages of a booklet.
#include "ui/board_export.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "support/task_text.h"
#include "support/temp_dir.h"

namespace krizovky::ui {
namespace {

using testing::boardOf;
using testing::TempDir;

const std::vector<std::string> kExample{"0,0/16,0/3", "8/0,2,2", "11/0,2,2"};
// Two rows of fifteen squares: the page's width decides the squares.
const std::vector<std::string> kWide{"0,0/9*14", "45/0,2*14"};

std::string run(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

// The pages of a PDF file as poppler counts them.
int pageCount(const std::string& file) {
    const std::string info = run("pdfinfo " + file);
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

// The file as an image of 72 dots an inch, drawn by poppler, librsvg or Qt.
QImage drawnAt72Dpi(FileKind kind, const QByteArray& bytes, const TempDir& dir) {
    const std::string extension[] = {"pdf", "svg", "png"};
    const std::string file = dir.write("page." + extension[int(kind)], bytes.toStdString());
    const std::string image = dir.file("drawn.png");
    if (kind == FileKind::kPdf)
        std::system(("pdftoppm -r 72 -png -singlefile " + file + " " + dir.file("drawn")).c_str());
    if (kind == FileKind::kSvg)
        std::system(("rsvg-convert -d 72 -p 72 -b white -o " + image + " " + file).c_str());
    return QImage(QString::fromStdString(kind == FileKind::kPng ? file : image));
}

TEST(BoardExportTest, TheBoardLandsWhereThePageLayoutPutsIt) {
    const struct {
        std::vector<std::string> rows;
        Paper paper;
        FileKind kind;
        QRectF board;  // mm
    } cases[] = {
        // Squares of 20 mm at most, centred across the A4 page inside 15 mm margins.
        {kExample, Paper::kA4, FileKind::kPdf, {75, 15, 60, 60}},
        {kExample, Paper::kA4, FileKind::kSvg, {75, 15, 60, 60}},
        {kExample, Paper::kA4, FileKind::kPng, {75, 15, 60, 60}},
        // The width of a Letter page less its margins, 185.9 mm, over 15 squares.
        {kWide, Paper::kLetter, FileKind::kPdf, {15, 15, 185.9, 2 * 185.9 / 15}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.kind));
        BoardPicture picture = pictureOfTask(boardOf(c.rows));
        picture.caption = "priklad – lehká";
        const PageStyle style{c.paper, 15, false, 72};
        EXPECT_EQ(boardPageLayout(picture, style).board, c.board);

        TempDir dir;
        const QImage image = drawnAt72Dpi(c.kind, boardFile(c.kind, picture, style), dir);
        const QSizeF paper = paperSize(c.paper) * 72 / 25.4;
        ASSERT_NEAR(image.width(), paper.width(), 1);
        ASSERT_NEAR(image.height(), paper.height(), 1);
        // The dark pixels down to just above the caption: the board's frame.
        const double pixel = 25.4 / 72;
        const int bottom = int((c.board.bottom() + 2.5) / pixel);
        int left = image.width(), top = image.height(), right = -1, low = -1;
        for (int y = 0; y < bottom; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 100) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    low = std::max(low, y);
                }
        EXPECT_NEAR(left * pixel, c.board.left(), 1);
        EXPECT_NEAR((right + 1) * pixel, c.board.right(), 1);
        EXPECT_NEAR(top * pixel, c.board.top(), 1);
        EXPECT_NEAR((low + 1) * pixel, c.board.bottom(), 1);
    }
}

BoardPicture pictureOfSize(int columns, int rows) {
    BoardPicture picture;
    picture.columns = columns;
    picture.rows = rows;
    return picture;
}

TEST(BoardExportTest, EveryBookletSquareIsLargeEnoughToWriteIn) {
    // On A4 a page of four takes ten columns and fifteen rows, of six ten
    // and nine, of two fifteen by fifteen.
    const struct {
        int columns, rows, perPage, fits;
    } cases[] = {
        {15, 15, 4, 2}, {15, 15, 6, 2}, {15, 15, 1, 1}, {11, 11, 4, 2},
        {10, 15, 4, 4}, {10, 10, 6, 4}, {10, 9, 6, 6},  {3, 3, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.columns) + " x " + std::to_string(c.rows) + " by " +
                     std::to_string(c.perPage));
        const BookletStyle style{PageStyle{}, c.perPage, false};
        const BoardPicture task = pictureOfSize(c.columns, c.rows);
        EXPECT_EQ(tasksPerPageOf(task, style), c.fits);
        EXPECT_GE(bookletSquare(task, style.page, c.fits), kSmallestBookletSquare);
    }
    // The old page of four, squares of 5.7 mm, is what a large task leaves.
    EXPECT_LT(bookletSquare(pictureOfSize(15, 15), PageStyle{}, 4), 6);

    // A large task starts a page of its own count; small ones after it share it.
    const BoardPicture small = pictureOfSize(3, 3), large = pictureOfSize(15, 15);
    const std::vector<BoardPicture> tasks{small, small, small, large, small,
                                          small, large, large, small};
    const BookletStyle style{PageStyle{}, 4, true};
    const std::vector<BookletPage> pages = bookletTaskPages(tasks, style);
    EXPECT_EQ(pages, (std::vector<BookletPage>{{0, 3, 4}, {3, 2, 2}, {5, 2, 2}, {7, 2, 2}}));
    for (const BookletPage& page : pages)
        for (int i = page.first; i < page.first + page.count; ++i)
            EXPECT_GE(bookletSquare(tasks[std::size_t(i)], style.page, page.perPage),
                      kSmallestBookletSquare);
    EXPECT_EQ(bookletPageCount(tasks, style), 4 + 1);
}

TEST(BoardExportTest, ABookletHasItsTaskPagesAndThenItsSolutionPages) {
    const PrintedTask example =
        printedTask(boardOf(kExample), "priklad", completeCombinationTable());
    // Fifteen columns: two a page at most.
    const PrintedTask wide = printedTask(boardOf(kWide), "siroka", completeCombinationTable());
    const struct {
        int tasks, perPage;
        bool solutions;
        int pages;
        bool large = false;
    } cases[] = {
        {7, 1, false, 7}, {7, 2, true, 5},  {7, 4, true, 3},
        {13, 6, true, 5}, {12, 6, true, 3}, {7, 4, false, 4, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.tasks) + " by " + std::to_string(c.perPage));
        const BookletStyle style{PageStyle{}, c.perPage, c.solutions};
        const std::vector<PrintedTask> tasks(c.tasks, c.large ? wide : example);
        const std::vector<BoardPicture> pictures(c.tasks, (c.large ? wide : example).task);
        TempDir dir;
        const std::string file = dir.write("booklet.pdf", bookletPdf(tasks, style).toStdString());
        EXPECT_EQ(bookletPageCount(pictures, style), c.pages);
        EXPECT_EQ(pageCount(file), c.pages);
        if (c.tasks == 13) {
            // The last page holds the solution of the 13th task under its number.
            const std::string last = run("pdftotext -f 5 -l 5 " + file + " -");
            EXPECT_NE(last.find("Řešení"), std::string::npos) << last;
            EXPECT_NE(last.find("13. priklad"), std::string::npos) << last;
            EXPECT_NE(last.find("5/5"), std::string::npos) << last;  // "5 / 5" as poppler reads it
        }
    }
}

}  // namespace
}  // namespace krizovky::ui
