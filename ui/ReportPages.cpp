#include "ui/ReportPages.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <optional>

namespace {

using Slice = ReportPages::Slice;

// How fine the positions found by halving are, in device pixels (at 1200 dpi, a fiftieth of a
// millimetre).
const qreal kPrecision = 0.5;
// How far past a cut a line must reach to be drawn on that side of it, in device pixels. The
// layout draws a table from a position rounded to a whole pixel, so its lines may stand half a
// pixel off the positions it reports.
const qreal kEdge = 1.5;
// Characters of a paragraph long enough to run over several pages.
const int kLongParagraph = 4000;

// The resolution Qt's text layout takes a CSS pixel to be, as it scales lengths to a device.
qreal layoutDpi() {
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return qRound(screen->logicalDotsPerInchY());
    return 100;
}

// Where the tables of a laid-out document stand. The layout keeps its row positions to itself,
// and its bounding rectangle of a table starts at the first cell's text rather than at the
// table's edge, so edges are found by asking the layout what lies at a point, halving the
// distance between a point outside and one inside.
class TableGeometry {
public:
    // deviceScale: device pixels to a CSS pixel, as the layout scales lengths.
    TableGeometry(QTextDocument& document, qreal deviceScale)
        : m_document(document), m_layout(*document.documentLayout()), m_scale(deviceScale) {}

    // The first line of a cell, in the document's coordinates.
    QRectF firstLine(const QTextTableCell& cell) const {
        const QTextBlock block = cell.firstCursorPosition().block();
        const QTextLayout* layout = block.layout();
        const QRectF rect = m_layout.blockBoundingRect(block);
        if (!layout || layout->lineCount() == 0)
            return rect;
        return layout->lineAt(0).rect().translated(rect.topLeft() -
                                                   layout->boundingRect().topLeft());
    }

    // The top edge of a table (its margin and border included), given a place above it.
    qreal top(QTextTable* table, qreal above) const {
        const QRectF first = firstLine(table->cellAt(0, 0));
        const qreal x = first.center().x();
        auto inside = [&](qreal y) {
            const int position = m_layout.hitTest(QPointF(x, y), Qt::FuzzyHit);
            return position >= table->firstPosition() && position <= table->lastPosition();
        };
        qreal in = first.center().y();
        qreal out = std::min(above, in);
        if (inside(out) || !inside(in))
            return out;
        while (in - out > kPrecision) {
            const qreal middle = (in + out) / 2;
            (inside(middle) ? in : out) = middle;
        }
        return in;
    }

    qreal height(QTextTable* table) const { return m_layout.frameBoundingRect(table).height(); }

    // Where a row begins, its cells' borders and padding included. The row must have no cell
    // reaching into it from above.
    qreal rowTop(QTextTable* table, int row) const {
        const QTextTableCell cell = table->cellAt(row, 0);
        const QRectF below = firstLine(cell);
        const qreal x = below.center().x();
        auto rowAt = [&](qreal y) {
            const QTextTableCell hit = table->cellAt(m_layout.hitTest(QPointF(x, y), Qt::FuzzyHit));
            return hit.isValid() ? hit.row() : -1;
        };
        // Most rows begin the cell's top padding and its first paragraph's top margin above the
        // text: two questions to the layout confirm it.
        const QTextTableCellFormat format = cell.format().toTableCellFormat();
        const qreal padding = format.hasProperty(QTextFormat::TableCellTopPadding)
                                  ? format.topPadding()
                                  : table->format().cellPadding();
        const qreal margin = cell.firstCursorPosition().block().blockFormat().topMargin();
        const qreal guess = below.top() - (padding + margin) * m_scale;
        if (rowAt(guess - kPrecision) < row && rowAt(guess + kPrecision) == row)
            return guess + kPrecision;
        // Otherwise (a border, text set lower in its cell): halve the distance between a line of
        // the row above and the first line of this row.
        qreal in = below.center().y();
        qreal out = firstLine(table->cellAt(row - 1, 0)).center().y();
        if (!(out < in) || rowAt(out) >= row || rowAt(in) != row)
            return below.top();
        while (in - out > kPrecision) {
            const qreal middle = (in + out) / 2;
            (rowAt(middle) == row ? in : out) = middle;
        }
        return in;
    }

    // Whether a row can begin a piece of its own: no cell reaches into it from the rows above.
    static bool standsAlone(QTextTable* table, int row) {
        for (int column = 0; column < table->columns(); ++column) {
            if (table->cellAt(row, column).row() < row)
                return false;
        }
        return true;
    }

    // The lines of the text between two positions, as stretches of the document.
    QList<Slice> lines(int firstPosition, int lastPosition) const {
        QList<Slice> found;
        for (QTextBlock block = m_document.findBlock(firstPosition);
             block.isValid() && block.position() <= lastPosition; block = block.next()) {
            const QTextLayout* layout = block.layout();
            if (!block.isVisible() || !layout)
                continue;
            const qreal offset =
                m_layout.blockBoundingRect(block).top() - layout->boundingRect().top();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                found.append({offset + line.y(), offset + line.y() + line.height()});
            }
        }
        return found;
    }

private:
    QTextDocument& m_document;
    QAbstractTextDocumentLayout& m_layout;
    qreal m_scale;
};

// A stretch of the document no page edge may cross, unless it is taller than a page.
struct Piece {
    qreal top = 0;
    qreal bottom = 0;
    int firstPosition = 0; // the document positions it holds, to find its lines
    int lastPosition = 0;
    bool keepWithNext = false;
    bool breakBefore = false;
    bool breakAfter = false;
    // For a body row of a table with header rows: the header to draw above it on a new page.
    std::optional<Slice> header;
    // The table it is a row of (counted from 1), or 0.
    int table = 0;
};

// The pieces of a laid-out document, top to bottom.
class PieceFinder {
public:
    PieceFinder(QTextDocument& document, const TableGeometry& geometry)
        : m_document(document), m_layout(*document.documentLayout()), m_geometry(geometry) {}

    QList<Piece> find() {
        QTextFrame* root = m_document.rootFrame();
        for (auto it = root->begin(); !it.atEnd(); ++it) {
            if (auto* table = qobject_cast<QTextTable*>(it.currentFrame()))
                addTable(table);
            else if (QTextFrame* frame = it.currentFrame())
                addFrame(frame);
            else
                addBlock(it.currentBlock());
        }
        return m_pieces;
    }

private:
    static bool breaksBefore(QTextFormat::PageBreakFlags flags) {
        return flags.testFlag(QTextFormat::PageBreak_AlwaysBefore);
    }
    static bool breaksAfter(QTextFormat::PageBreakFlags flags) {
        return flags.testFlag(QTextFormat::PageBreak_AlwaysAfter);
    }

    void append(Piece piece) {
        piece.breakBefore = piece.breakBefore || m_pendingBreak;
        m_pendingBreak = false;
        m_pieces.append(piece);
    }

    qreal bottomSoFar() const { return m_pieces.isEmpty() ? 0 : m_pieces.last().bottom; }

    void addBlock(const QTextBlock& block) {
        if (!block.isVisible())
            return;
        const QTextBlockFormat format = block.blockFormat();
        if (block.length() <= 1) {
            // An empty paragraph (Qt keeps one around every table, and one may carry only a
            // page break) has nothing to keep whole, but its page break counts.
            m_pendingBreak = m_pendingBreak || breaksBefore(format.pageBreakPolicy()) ||
                             breaksAfter(format.pageBreakPolicy());
            return;
        }
        const QRectF rect = m_layout.blockBoundingRect(block);
        Piece piece;
        piece.top = rect.top();
        piece.bottom = rect.bottom();
        piece.firstPosition = block.position();
        piece.lastPosition = block.position() + block.length() - 1;
        piece.keepWithNext = format.headingLevel() > 0;
        piece.breakBefore = breaksBefore(format.pageBreakPolicy());
        piece.breakAfter = breaksAfter(format.pageBreakPolicy());
        append(piece);
    }

    void addFrame(QTextFrame* frame) {
        const QRectF rect = m_layout.frameBoundingRect(frame);
        Piece piece;
        piece.top = rect.top();
        piece.bottom = rect.bottom();
        piece.firstPosition = frame->firstPosition();
        piece.lastPosition = frame->lastPosition();
        piece.breakBefore = breaksBefore(frame->frameFormat().pageBreakPolicy());
        piece.breakAfter = breaksAfter(frame->frameFormat().pageBreakPolicy());
        append(piece);
    }

    // A row that starts a new piece of its table: it stands alone and is not a single cell
    // across the whole table (a description under its spell).
    static bool startsPiece(QTextTable* table, int row) {
        return TableGeometry::standsAlone(table, row) &&
               (table->columns() < 2 || table->cellAt(row, 0).columnSpan() < table->columns());
    }

    void addTable(QTextTable* table) {
        const int rows = table->rows();
        if (rows == 0 || table->columns() == 0) {
            addFrame(table);
            return;
        }
        // A table of nothing but header rows has nothing to repeat them over.
        int headerRows = table->format().headerRowCount();
        if (headerRows >= rows)
            headerRows = 0;

        QList<int> starts{0};
        for (int row = std::max(1, headerRows); row < rows; ++row) {
            if (row == headerRows || startsPiece(table, row))
                starts.append(row);
        }
        const qreal top = m_geometry.top(table, bottomSoFar());
        QList<qreal> tops{top};
        for (qsizetype i = 1; i < starts.size(); ++i)
            tops.append(m_geometry.rowTop(table, starts[i]));
        tops.append(top + m_geometry.height(table));

        std::optional<Slice> header;
        if (headerRows > 0)
            header = Slice{tops[0], tops[1]};
        const QTextFormat::PageBreakFlags flags = table->frameFormat().pageBreakPolicy();
        ++m_tables;
        for (qsizetype i = 0; i < starts.size(); ++i) {
            const bool last = i + 1 == starts.size();
            Piece piece;
            piece.top = tops[i];
            piece.bottom = tops[i + 1];
            piece.firstPosition = table->cellAt(starts[i], 0).firstPosition();
            piece.lastPosition =
                last ? table->lastPosition() : table->cellAt(starts[i + 1], 0).firstPosition() - 1;
            if (header && i == 0)
                piece.keepWithNext = true; // the header never ends a page
            else
                piece.header = header;
            piece.breakBefore = i == 0 && breaksBefore(flags);
            piece.breakAfter = last && breaksAfter(flags);
            piece.table = m_tables;
            append(piece);
        }
    }

    QTextDocument& m_document;
    QAbstractTextDocumentLayout& m_layout;
    const TableGeometry& m_geometry;
    QList<Piece> m_pieces;
    bool m_pendingBreak = false;
    int m_tables = 0;
};

// The lines and row edges of a group of pieces too tall for any page, found once for all the
// pages it runs over; lines are sorted by their tops, so each page looks only at its own.
struct TallGroup {
    qsizetype group = -1;
    QList<Slice> lines;
    QList<qreal> boundaries;
    qreal tallestLine = 0;
};

// The lowest place between from and limit where a cut crosses none of the group's lines: the
// end of a row or paragraph if one is there, else between two lines. Without one, the limit.
// Only the lines near the page are weighed, so a text of many pages is cut in time that grows
// with its length, not with its square.
qreal cutBetweenLines(const TallGroup& group, qreal from, qreal limit) {
    const auto byTop = [](const Slice& line, qreal y) { return line.top < y; };
    const auto first = std::lower_bound(group.lines.cbegin(), group.lines.cend(),
                                        from - group.tallestLine - kPrecision, byTop);
    const auto last = std::lower_bound(first, group.lines.cend(), limit + kPrecision, byTop);
    auto crossesNoLine = [&](qreal y) {
        for (auto line = first; line != last; ++line) {
            if (line->top + kPrecision < y && y < line->bottom - kPrecision)
                return false;
        }
        return true;
    };
    qreal best = from;
    auto consider = [&](qreal y) {
        if (y > best + kPrecision && y <= limit && crossesNoLine(y))
            best = y;
    };
    for (const qreal y : group.boundaries)
        consider(y);
    for (auto line = first; line != last; ++line) {
        consider(line->top);
        consider(line->bottom);
    }
    return best > from + kPrecision ? best : limit;
}

// Fills pages from the top, each with as many whole groups of pieces as fit.
QList<ReportPages::Page> cutPages(const QList<Piece>& pieces, const TableGeometry& geometry,
                                  qreal bodyHeight) {
    QList<ReportPages::Page> pages;
    if (pieces.isEmpty()) {
        pages.append({{Slice{0, 0}}});
        return pages;
    }
    // The groups of pieces that stand on one page: [groupStart[g], groupStart[g + 1]).
    QList<qsizetype> groupStart{0};
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        if (!pieces[i - 1].keepWithNext)
            groupStart.append(i);
    }
    groupStart.append(pieces.size());
    const qsizetype groups = groupStart.size() - 1;
    auto groupTop = [&](qsizetype g) { return pieces[groupStart[g]].top; };
    auto groupBottom = [&](qsizetype g) { return pieces[groupStart[g + 1] - 1].bottom; };

    // The header to repeat on a page that starts at y within group g.
    auto headerAt = [&](qsizetype g, qreal y) -> std::optional<Slice> {
        for (qsizetype i = groupStart[g]; i < groupStart[g + 1]; ++i) {
            if (y < pieces[i].bottom) {
                const std::optional<Slice>& header = pieces[i].header;
                if (header && header->height() <= bodyHeight / 2)
                    return header;
                return std::nullopt;
            }
        }
        return std::nullopt;
    };

    // Whether a cut at the top of piece i falls between two rows of one table.
    auto betweenRows = [&](qsizetype i) {
        return i > 0 && i < pieces.size() && pieces[i].table > 0 &&
               pieces[i].table == pieces[i - 1].table;
    };

    TallGroup tall;
    qsizetype g = 0;
    qreal start = groupTop(0);
    bool startsBetweenRows = false;
    while (g < groups) {
        const std::optional<Slice> header = headerAt(g, start);
        const qreal room = bodyHeight - (header ? header->height() : 0);
        qreal end = start;
        bool placed = false;
        bool cutInside = false;
        while (g < groups) {
            if (placed && pieces[groupStart[g]].breakBefore)
                break;
            if (groupBottom(g) - start <= room + kPrecision) {
                end = groupBottom(g);
                placed = true;
                ++g;
                if (pieces[groupStart[g] - 1].breakAfter)
                    break;
                continue;
            }
            // What fits on a page of its own goes to the next page; what no page can hold
            // starts here and is cut between two of its lines.
            const std::optional<Slice> ownHeader = headerAt(g, groupTop(g));
            const qreal ownRoom = bodyHeight - (ownHeader ? ownHeader->height() : 0);
            if (placed && groupBottom(g) - groupTop(g) <= ownRoom + kPrecision)
                break;
            if (tall.group != g) {
                tall = TallGroup{g, {}, {}, 0};
                for (qsizetype i = groupStart[g]; i < groupStart[g + 1]; ++i) {
                    tall.lines += geometry.lines(pieces[i].firstPosition, pieces[i].lastPosition);
                    tall.boundaries.append(pieces[i].top);
                }
                std::sort(tall.lines.begin(), tall.lines.end(),
                          [](const Slice& a, const Slice& b) { return a.top < b.top; });
                for (const Slice& line : tall.lines)
                    tall.tallestLine = std::max(tall.tallestLine, line.height());
            }
            end = cutBetweenLines(tall, start, start + room);
            cutInside = true;
            break;
        }
        ReportPages::Page page;
        if (header)
            page.slices.append(*header);
        Slice body{start, end};
        body.rowEdgeAbove = startsBetweenRows;
        body.rowEdgeBelow = !cutInside && betweenRows(groupStart[g]);
        page.slices.append(body);
        pages.append(page);
        if (g < groups) {
            start = cutInside ? end : groupTop(g);
            startsBetweenRows = body.rowEdgeBelow;
        }
    }
    return pages;
}

} // namespace

ReportPages::ReportPages(QTextDocument& document, QPaintDevice* device, const QSizeF& bodySize)
    : m_document(document), m_pageSize(document.pageSize()), m_margin(document.documentMargin()) {
    const qreal deviceScale = device ? device->logicalDpiY() / layoutDpi() : 1;
    // How far a border along a cut between two rows is drawn past the cut: a CSS pixel.
    m_bleed = deviceScale;
    // A null page size keeps each change below from starting a layout of its own.
    m_document.setPageSize(QSizeF(0, 0));
    m_document.documentLayout()->setPaintDevice(device);
    m_document.setDocumentMargin(0);
    // A paragraph is drawn once for every page, and Qt forgets a paragraph's shaped text once it
    // is laid out: a paragraph of many pages would be shaped again, whole, for each of them.
    // Long ones keep it.
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        if (block.length() > kLongParagraph && block.layout())
            block.layout()->setCacheEnabled(true);
    }
    m_document.setTextWidth(bodySize.width());
    // One full layout, before any position is asked for.
    m_width = std::max(bodySize.width(), m_document.documentLayout()->documentSize().width());
    stretchRows(bodySize.height(), deviceScale);

    const TableGeometry geometry(m_document, deviceScale);
    m_pages = cutPages(PieceFinder(m_document, geometry).find(), geometry,
                       std::max<qreal>(bodySize.height(), 1));
}

ReportPages::~ReportPages() {
    m_document.setPageSize(QSizeF(0, 0));
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        if (block.length() > kLongParagraph && block.layout())
            block.layout()->setCacheEnabled(false);
    }
    for (const ChangedCell& cell : m_changedCells)
        cell.table->cellAt(cell.row, cell.column).setFormat(cell.format);
    m_document.documentLayout()->setPaintDevice(nullptr);
    m_document.setDocumentMargin(m_margin);
    m_document.setPageSize(m_pageSize);
}

void ReportPages::stretchRows(qreal bodyHeight, qreal deviceScale) {
    const TableGeometry geometry(m_document, deviceScale);
    // Each row to stretch, with the height its content gives it and the height it should have.
    struct Row {
        QTextTable* table;
        int row;
        qreal natural;
        qreal wanted;
    };
    QList<Row> rows;
    for (QTextFrame* frame : m_document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table || table->rows() == 0 || table->columns() == 0)
            continue;
        const QTextLength height = table->format().height();
        if (height.type() != QTextLength::PercentageLength || height.rawValue() <= 0)
            continue;
        const qreal wanted = bodyHeight * height.rawValue() / 100;
        const qreal top = geometry.top(table, 0);
        QList<int> starts;
        QList<qreal> tops;
        for (int row = 0; row < table->rows(); ++row) {
            if (row == 0 || TableGeometry::standsAlone(table, row)) {
                starts.append(row);
                tops.append(row == 0 ? top : geometry.rowTop(table, row));
            }
        }
        tops.append(top + geometry.height(table));
        for (qsizetype i = 0; i < starts.size(); ++i) {
            const qreal natural = tops[i + 1] - tops[i];
            if (wanted > natural + kPrecision)
                rows.append({table, starts[i], natural, wanted});
        }
    }
    if (rows.isEmpty())
        return;

    // The extra height goes under the cells' text, as bottom padding, which Qt scales from
    // CSS pixels to the device.
    const qreal textWidth = m_document.textWidth();
    auto stretch = [&](qreal scale) {
        m_document.setPageSize(QSizeF(0, 0));
        qsizetype changed = 0;
        for (const Row& row : rows) {
            for (int column = 0; column < row.table->columns(); ++column) {
                QTextTableCell cell = row.table->cellAt(row.row, column);
                if (cell.row() != row.row || cell.column() != column)
                    continue;
                if (changed == m_changedCells.size())
                    m_changedCells.append({row.table, row.row, column, cell.format()});
                QTextTableCellFormat format = m_changedCells[changed++].format.toTableCellFormat();
                const qreal padding = format.hasProperty(QTextFormat::TableCellBottomPadding)
                                          ? format.bottomPadding()
                                          : row.table->format().cellPadding();
                format.setBottomPadding(padding + (row.wanted - row.natural) / scale);
                cell.setFormat(format);
            }
        }
        m_document.setTextWidth(textWidth);
        m_document.documentLayout()->documentSize();
    };
    stretch(deviceScale);
    // Should Qt scale by another resolution than expected, the first row tells by how much.
    const Row& first = rows.first();
    const qreal top =
        first.row == 0 ? geometry.top(first.table, 0) : geometry.rowTop(first.table, first.row);
    const qreal bottom = first.row + 1 < first.table->rows()
                             ? geometry.rowTop(first.table, first.row + 1)
                             : geometry.top(first.table, 0) + geometry.height(first.table);
    const qreal grown = bottom - top - first.natural;
    if (std::abs(bottom - top - first.wanted) > 0.5 && grown > 0)
        stretch(deviceScale * grown / (first.wanted - first.natural));
}

void ReportPages::drawPage(QPainter& painter, qsizetype index) const {
    QAbstractTextDocumentLayout::PaintContext context;
    // Black ink whatever the desktop's colours are.
    context.palette.setColor(QPalette::Text, Qt::black);
    qreal y = 0;
    for (const Slice& slice : m_pages.at(index).slices) {
        painter.save();
        painter.translate(0, y - slice.top);
        const qreal above = slice.rowEdgeAbove ? m_bleed : 0;
        const qreal below = slice.rowEdgeBelow ? m_bleed : 0;
        painter.setClipRect(QRectF(-m_bleed, slice.top - above, m_width + 2 * m_bleed,
                                   slice.height() + above + below),
                            Qt::IntersectClip);
        // The layout draws every line that touches its clip, even one that only meets the cut:
        // hidden by the painter's clip, it would still be in the file, twice.
        context.clip =
            QRectF(-m_bleed, slice.top + kEdge, m_width + 2 * m_bleed, slice.height() - 2 * kEdge);
        m_document.documentLayout()->draw(&painter, context);
        painter.restore();
        y += slice.height();
    }
}
