#pragma once

#include <QList>
#include <QSizeF>
#include <QTextCharFormat>

class QPaintDevice;
class QPainter;
class QTextDocument;
class QTextTable;

// The pages of a laid-out report, cut so that a page edge never parts what the reader needs
// whole. Qt's own page layout pushes single lines to the next page, so a spell's row can be
// split and its description can stand alone at the top of a page; here the document is laid
// out once as one long page of the body's width and the pages are cut from it, only where a
// cut is allowed:
//  - a table row stays whole; a row of one cell across every column (a spell's description)
//    stays with the row above it, and so do rows joined by a cell spanning them;
//  - a table's header rows (its <thead>) stay with the first row under them, and are drawn
//    again at the top of every further page the table runs on;
//  - a heading (<h1> to <h6>) stays with what follows it;
//  - page-break-before and page-break-after are kept.
// Something taller than a whole page is cut between two of its lines.
//
// A table whose height is given in percent (<table height="33%">) has each of its rows
// stretched to that share of the page's body height (spell cards of one size); a row whose
// content needs more keeps its own height.
class ReportPages {
public:
    // A stretch of the laid-out document, top to bottom, in the document's coordinates.
    struct Slice {
        qreal top = 0;
        qreal bottom = 0;
        // An edge that falls between two rows of a table: a border drawn along it (the line
        // between two cards) is drawn a little past the edge, so it shows whole on both pages.
        bool rowEdgeAbove = false;
        bool rowEdgeBelow = false;
        qreal height() const { return bottom - top; }
    };
    // What a page shows, from the top of its body down: the repeated table header if the page
    // continues a table, then its own stretch of the document.
    struct Page {
        QList<Slice> slices;
    };

    // Lays the document out for the device (at its resolution; nullptr for the screen's),
    // bodySize.width() wide in the device's pixels with no margin of its own, and cuts it into
    // pages bodySize.height() tall. The document stays laid out so while this object lives,
    // and is given back as it was when it goes.
    ReportPages(QTextDocument& document, QPaintDevice* device, const QSizeF& bodySize);
    ~ReportPages();
    ReportPages(const ReportPages&) = delete;
    ReportPages& operator=(const ReportPages&) = delete;

    const QList<Page>& pages() const { return m_pages; }

    // Draws a page with the top left corner of its body at the painter's origin.
    void drawPage(QPainter& painter, qsizetype index) const;

private:
    struct ChangedCell {
        QTextTable* table = nullptr;
        int row = 0;
        int column = 0;
        QTextCharFormat format; // as it was
    };

    void layOut();
    void stretchRows(qreal bodyHeight, qreal deviceScale);

    QTextDocument& m_document;
    QSizeF m_pageSize;
    qreal m_margin = 0;
    qreal m_width = 0;
    qreal m_bleed = 0;
    QList<ChangedCell> m_changedCells;
    QList<Page> m_pages;
};
