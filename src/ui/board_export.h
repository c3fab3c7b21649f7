#pragma once

#include <QByteArray>
#include <QRectF>
#include <vector>

#include "app/board_picture.h"
#include "ui/page_style.h"

class QPagedPaintDevice;
class QPainter;

namespace krizovky::ui {

// Boards on paper and in files: a page with one board and its caption (a PDF,
// SVG or PNG file, or a printer), and a booklet of many tasks with their
// solutions after them. Everything is drawn by paintBoard in its print look;
// pages are laid out in millimetres from the page's top left corner.

QSizeF paperSize(Paper paper);  // mm, portrait

// Where a page with one board puts it: the board with its numbers, and the
// caption's line under it (mm from the page's corner).
struct BoardPageLayout {
    QRectF board;
    QRectF caption;
};
BoardPageLayout boardPageLayout(const BoardPicture& picture, const PageStyle& style);

// The page of one board; the painter's units are millimetres from the page's
// corner, and the page is white where nothing is drawn.
void paintBoardPage(QPainter& painter, const BoardPicture& picture, const PageStyle& style);

// The bytes of a file with the page of one board: vector in PDF and SVG, an
// image of style.dpi in PNG. Empty when the image cannot be had.
QByteArray boardFile(FileKind kind, const BoardPicture& picture, const PageStyle& style);

// The page of one board on a paged device, a PDF writer or a printer: the
// device takes the page size of the style and keeps its own margins, which the
// layout's larger ones cover.
void printBoard(QPagedPaintDevice& device, const BoardPicture& picture, const PageStyle& style);

// The smallest square of a task in a booklet, mm: room to write a digit in.
inline constexpr double kSmallestBookletSquare = 8;

// The side of the squares of a task on a booklet page of perPage tasks, mm.
double bookletSquare(const BoardPicture& task, const PageStyle& page, int perPage);

// The most tasks of this board's size that a page holds with squares of at
// least kSmallestBookletSquare, up to style.perPage: 1 when even a page of
// its own gives smaller ones.
int tasksPerPageOf(const BoardPicture& task, const BookletStyle& style);

// A page of tasks of a booklet: count tasks from first, in the cells of a
// page of perPage.
struct BookletPage {
    int first = 0;
    int count = 0;
    int perPage = 1;

    bool operator==(const BookletPage&) const = default;
};

// The task pages of a booklet in order. A page takes the tasks that follow
// while it holds them all with every square at least kSmallestBookletSquare:
// a large task starts a page of fewer, larger cells, and small tasks after it
// share that page until it is full.
std::vector<BookletPage> bookletTaskPages(const std::vector<BoardPicture>& tasks,
                                          const BookletStyle& style);
// The task pages and, with style.solutions, the solution pages after them.
int bookletPageCount(const std::vector<BoardPicture>& tasks, const BookletStyle& style);

// The tasks numbered in their order on the pages of bookletTaskPages, and
// their solutions on the pages after them, small, under the same numbers; a
// task without exactly one solution says so in place of its solution.
void printBooklet(QPagedPaintDevice& device, const std::vector<PrintedTask>& tasks,
                  const BookletStyle& style);
QByteArray bookletPdf(const std::vector<PrintedTask>& tasks, const BookletStyle& style);

}  // namespace krizovky::ui
