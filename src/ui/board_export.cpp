#include "ui/board_export.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "model/text.h"
#include "ui/board_painter.h"

namespace krizovky::ui {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kLargestSquare = 20;  // mm: a small task is not blown up to the page
constexpr double kCaptionHeight = 5;   // mm, the font of the caption of a single board
constexpr double kFooterHeight = 3;    // mm, the page numbers of a booklet
constexpr double kCellGap = 4;         // mm between the cells of a booklet page
const QColor kFooterInk(0x60, 0x60, 0x60);

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRectF pageRect(const PageStyle& style) {
    return QRectF(QPointF(0, 0), paperSize(style.paper));
}

QRectF contentRect(const PageStyle& style) {
    const double m = style.margin;
    return pageRect(style).adjusted(m, m, -m, -m);
}

QPageSize qtPageSize(Paper paper) {
    return QPageSize(paper == Paper::kLetter ? QPageSize::Letter : QPageSize::A4);
}

// One line of text at the given font height, shortened with "…" when longer
// than the rectangle is wide.
void drawLine(QPainter& painter, const QRectF& rect, int flags, const QString& text,
              double height) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    const double scale = height / 100.0;
    const QString shown =
        QFontMetricsF(font).elidedText(text, Qt::ElideRight, rect.width() / scale);
    drawTextSized(painter, rect, flags | Qt::TextSingleLine, shown, height);
}

// The side of the board's squares in a cell of a page: as large as the board
// fits above its caption, up to maxSquare.
double squareInCell(const QSizeF& cell, const BoardPicture& picture, const BoardStyle& style,
                    double captionHeight, double maxSquare) {
    const double band = 1.6 * captionHeight;
    const QSizeF unit = BoardGeometry::sizeFor(picture, style, 1.0);
    if (unit.width() <= 0 || unit.height() <= 0) return maxSquare;
    return std::max(0.0, std::min({maxSquare, cell.width() / unit.width(),
                                   (cell.height() - band) / unit.height()}));
}

// A board and its caption in a cell of a page: the board as large as fits
// above the caption, up to squares of maxSquare, centred across the cell.
void paintBoardInCell(QPainter& painter, const QRectF& cell, const BoardPicture& picture,
                      const BoardStyle& style, const QString& caption, double captionHeight,
                      double maxSquare) {
    const double square = squareInCell(cell.size(), picture, style, captionHeight, maxSquare);
    const QSizeF size = BoardGeometry::sizeFor(picture, style, square);
    const QRectF board(cell.left() + (cell.width() - size.width()) / 2, cell.top(), size.width(),
                       size.height());
    paintBoard(painter, board, picture, style);
    painter.setPen(Qt::black);
    drawLine(painter,
             QRectF(cell.left(), board.bottom() + 0.4 * captionHeight, cell.width(),
                    1.3 * captionHeight),
             Qt::AlignHCenter | Qt::AlignTop, caption, captionHeight);
}

// Paints on a paged device page by page in millimetres from each page's
// corner, whatever margins and resolution the device has.
template <typename PaintPage>
void paintPages(QPagedPaintDevice& device, Paper paper, int pageCount, PaintPage paintPage) {
    device.setPageSize(qtPageSize(paper));
    device.setPageOrientation(QPageLayout::Portrait);
    QPainter painter(&device);
    const double dpi = device.logicalDpiX();
    const QRect paintRect = device.pageLayout().paintRectPixels(static_cast<int>(dpi));
    painter.translate(-paintRect.topLeft());
    painter.scale(dpi / kMillimetresPerInch, dpi / kMillimetresPerInch);
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0) device.newPage();
        paintPage(painter, page);
    }
}

// The grid of a booklet page: columns and rows of cells.
struct CellGrid {
    int columns = 1;
    int rows = 1;
};

CellGrid gridFor(int perPage) {
    switch (perPage) {
        case 2:
            return {1, 2};
        case 4:
            return {2, 2};
        case 6:
            return {2, 3};
        case kSolutionsPerPage:
            return {3, 4};
        default:
            return {1, 1};
    }
}

QRectF cellRect(const QRectF& area, const CellGrid& grid, int index, double gap) {
    const double width = (area.width() - (grid.columns - 1) * gap) / grid.columns;
    const double height = (area.height() - (grid.rows - 1) * gap) / grid.rows;
    const int column = index % grid.columns;
    const int row = index / grid.columns;
    return QRectF(area.left() + column * (width + gap), area.top() + row * (height + gap), width,
                  height);
}

int pagesFor(int count, int perPage) {
    return (count + perPage - 1) / perPage;
}

int validPerPage(const BookletStyle& style) {
    return validTasksPerPage(style.perPage) ? style.perPage : 1;
}

// The caption of a task shrinks with the cells, but stays readable.
double taskCaptionHeight(int perPage) {
    return std::clamp(4.5 - 0.25 * perPage, 3.0, 4.5);
}

}  // namespace

std::optional<FileKind> fileKindOf(std::string_view path) {
    const auto dot = path.find_last_of('.');
    if (dot == std::string_view::npos) return std::nullopt;
    const QString extension =
        QString::fromUtf8(path.data() + dot + 1, static_cast<qsizetype>(path.size() - dot - 1))
            .toLower();
    if (extension == QLatin1String("pdf")) return FileKind::kPdf;
    if (extension == QLatin1String("svg")) return FileKind::kSvg;
    if (extension == QLatin1String("png")) return FileKind::kPng;
    return std::nullopt;
}

QSizeF paperSize(Paper paper) {
    return qtPageSize(paper).size(QPageSize::Millimeter);
}

BoardPageLayout boardPageLayout(const BoardPicture& picture, const PageStyle& style) {
    const QRectF content = contentRect(style);
    const BoardStyle boardStyle{BoardLook::kPrint, style.numbers};
    const QSizeF unit = BoardGeometry::sizeFor(picture, boardStyle, 1.0);
    const double captionBand = 2.5 * kCaptionHeight;
    double square = 0;
    if (unit.width() > 0 && unit.height() > 0)
        square = std::min({kLargestSquare, content.width() / unit.width(),
                           (content.height() - captionBand) / unit.height()});
    const QSizeF size = unit * square;
    BoardPageLayout layout;
    layout.board = QRectF(content.left() + (content.width() - size.width()) / 2, content.top(),
                          size.width(), size.height());
    layout.caption = QRectF(content.left(), layout.board.bottom() + kCaptionHeight, content.width(),
                            content.bottom() - layout.board.bottom() - kCaptionHeight);
    return layout;
}

void paintBoardPage(QPainter& painter, const BoardPicture& picture, const PageStyle& style) {
    const BoardPageLayout layout = boardPageLayout(picture, style);
    paintBoard(painter, layout.board, picture, BoardStyle{BoardLook::kPrint, style.numbers});
    painter.setPen(Qt::black);
    drawTextSized(painter, layout.caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                  fromUtf8(picture.caption), kCaptionHeight);
}

void printBoard(QPagedPaintDevice& device, const BoardPicture& picture, const PageStyle& style) {
    paintPages(device, style.paper, 1,
               [&](QPainter& painter, int) { paintBoardPage(painter, picture, style); });
}

QByteArray boardFile(FileKind kind, const BoardPicture& picture, const PageStyle& style) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSizeF page = paperSize(style.paper);
    switch (kind) {
        case FileKind::kPdf: {
            QPdfWriter writer(&buffer);
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            writer.setTitle(fromUtf8(picture.caption));
            writer.setCreator(QStringLiteral("krizovky"));
            printBoard(writer, picture, style);
            break;
        }
        case FileKind::kSvg: {
            // 100 units an inch would round the page; 2540 make the size exact
            // in millimetres, and the view box puts the painter in them.
            constexpr int kSvgDpi = 2540;
            QSvgGenerator svg;
            svg.setOutputDevice(&buffer);
            svg.setResolution(kSvgDpi);
            svg.setSize(QSize(qRound(page.width() * 100), qRound(page.height() * 100)));
            svg.setViewBox(QRectF(QPointF(0, 0), page));
            svg.setTitle(fromUtf8(picture.caption));
            QPainter painter(&svg);
            painter.fillRect(QRectF(QPointF(0, 0), page), Qt::white);
            paintBoardPage(painter, picture, style);
            break;
        }
        case FileKind::kPng: {
            const double pixelsPerMm = style.dpi / kMillimetresPerInch;
            QImage image(qRound(page.width() * pixelsPerMm), qRound(page.height() * pixelsPerMm),
                         QImage::Format_RGB32);
            if (image.isNull()) return {};
            const int dotsPerMetre = qRound(style.dpi / 0.0254);
            image.setDotsPerMeterX(dotsPerMetre);
            image.setDotsPerMeterY(dotsPerMetre);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                painter.scale(pixelsPerMm, pixelsPerMm);
                paintBoardPage(painter, picture, style);
            }
            image.save(&buffer, "PNG");
            break;
        }
    }
    return bytes;
}

bool validTasksPerPage(int perPage) {
    return perPage == 1 || perPage == 2 || perPage == 4 || perPage == 6;
}

double bookletSquare(const BoardPicture& task, const PageStyle& page, int perPage) {
    const QRectF cell = cellRect(contentRect(page), gridFor(perPage), 0, kCellGap);
    return squareInCell(cell.size(), task, BoardStyle{BoardLook::kPrint, page.numbers},
                        taskCaptionHeight(perPage), kLargestSquare);
}

int tasksPerPageOf(const BoardPicture& task, const BookletStyle& style) {
    // The counts a page can take, from the chosen one down.
    for (int perPage : {6, 4, 2})
        if (perPage <= validPerPage(style) &&
            bookletSquare(task, style.page, perPage) >= kSmallestBookletSquare)
            return perPage;
    return 1;
}

std::vector<BookletPage> bookletTaskPages(const std::vector<BoardPicture>& tasks,
                                          const BookletStyle& style) {
    std::vector<BookletPage> pages;
    const int count = static_cast<int>(tasks.size());
    for (int i = 0; i < count; ++i) {
        // A task joins the page before it while the page, with its cells
        // then as small as this task's, holds them all.
        const int fits = tasksPerPageOf(tasks[static_cast<std::size_t>(i)], style);
        if (pages.empty() || pages.back().count + 1 > std::min(pages.back().perPage, fits))
            pages.push_back(BookletPage{i, 0, fits});
        BookletPage& page = pages.back();
        ++page.count;
        page.perPage = std::min(page.perPage, fits);
    }
    return pages;
}

int bookletPageCount(const std::vector<BoardPicture>& tasks, const BookletStyle& style) {
    const int count = static_cast<int>(tasks.size());
    return static_cast<int>(bookletTaskPages(tasks, style).size()) +
           (style.solutions ? pagesFor(count, kSolutionsPerPage) : 0);
}

void printBooklet(QPagedPaintDevice& device, const std::vector<PrintedTask>& tasks,
                  const BookletStyle& style) {
    const int count = static_cast<int>(tasks.size());
    std::vector<BoardPicture> pictures;
    pictures.reserve(tasks.size());
    for (const PrintedTask& task : tasks)
        pictures.push_back(task.task);
    const std::vector<BookletPage> taskPages = bookletTaskPages(pictures, style);
    const int taskPageCount = static_cast<int>(taskPages.size());
    const int pageCount =
        taskPageCount + (style.solutions ? pagesFor(count, kSolutionsPerPage) : 0);
    const QRectF content = contentRect(style.page);
    // The page number stands in the bottom margin; the cells share the rest.
    const QRectF footer(content.left(), content.bottom() + kFooterHeight, content.width(),
                        1.5 * kFooterHeight);

    paintPages(device, style.page.paper, pageCount, [&](QPainter& painter, int page) {
        const bool solutions = page >= taskPageCount;
        QRectF area = content;
        int perThisPage = 0, first = 0, shown = 0;
        if (!solutions) {
            const BookletPage& tasksHere = taskPages[static_cast<std::size_t>(page)];
            perThisPage = tasksHere.perPage;
            first = tasksHere.first;
            shown = tasksHere.count;
        } else {
            perThisPage = kSolutionsPerPage;
            first = (page - taskPageCount) * kSolutionsPerPage;
            shown = std::min(kSolutionsPerPage, count - first);
            const QRectF heading(content.left(), content.top(), content.width(), 10);
            painter.setPen(Qt::black);
            drawTextSized(painter, heading, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Řešení"),
                          6, true);
            area.setTop(heading.bottom());
        }
        const CellGrid grid = gridFor(perThisPage);
        const double captionHeight = solutions ? 3 : taskCaptionHeight(perThisPage);
        for (int i = 0; i < shown; ++i) {
            const PrintedTask& task = tasks[static_cast<std::size_t>(first + i)];
            const QString number = QString::number(first + i + 1) + QStringLiteral(". ");
            const QRectF cell = cellRect(area, grid, i, kCellGap);
            if (!solutions) {
                paintBoardInCell(
                    painter, cell, task.task, BoardStyle{BoardLook::kPrint, style.page.numbers},
                    number + fromUtf8(task.task.caption), captionHeight, kLargestSquare);
            } else if (task.solution) {
                paintBoardInCell(painter, cell, *task.solution, BoardStyle{},
                                 number + fromUtf8(utf8FromCp1250(task.name)), captionHeight,
                                 kLargestSquare / 2);
            } else {
                painter.setPen(Qt::black);
                drawLine(painter, QRectF(cell.left(), cell.top(), cell.width(), 2 * captionHeight),
                         Qt::AlignHCenter | Qt::AlignTop,
                         number + fromUtf8(utf8FromCp1250(task.name)) + QStringLiteral(": ") +
                             fromUtf8(task.grade),
                         captionHeight);
            }
        }
        painter.setPen(kFooterInk);
        drawTextSized(painter, footer, Qt::AlignHCenter | Qt::AlignTop,
                      QStringLiteral("%1 / %2").arg(page + 1).arg(pageCount), kFooterHeight);
    });
}

QByteArray bookletPdf(const std::vector<PrintedTask>& tasks, const BookletStyle& style) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setCreator(QStringLiteral("krizovky"));
        printBooklet(writer, tasks, style);
    }
    return bytes;
}

}  // namespace krizovky::ui
