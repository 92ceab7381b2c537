#include "ui/SpellbookReport.h"

#include "ui/BoundedRead.h"
#include "ui/Database.h"
#include "ui/GlyphCoverage.h"
#include "ui/ReportPages.h"
#include "ui/TemplateDocument.h"
#include "ui/TwError.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QHashFunctions>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <kainjow/mustache.hpp>

namespace {

const char* kSource = "SpellbookReport";

// The white margin around the text of every page, on paper and in the preview alike.
const qreal kMarginCm = 2.0;
// A template is a page of HTML; anything far larger is another kind of file.
const qint64 kLargestTemplate = 4 * 1024 * 1024;

// The resolution every book is laid out at, whatever it is printed on.
const qreal kLayoutDpi = 1200;

// Qt writes a PDF's fonts in the order of a hash table, and that order follows the process's
// random hash seed. A fixed seed while the file is written gives the same bytes in every run;
// the random seed comes back afterwards (unless QT_HASH_SEED=0 asked for the fixed one).
class FixedHashSeed {
public:
    FixedHashSeed() : m_wasRandom(QHashSeed::globalSeed() != 0) {
        if (m_wasRandom)
            QHashSeed::setDeterministicGlobalSeed();
    }
    ~FixedHashSeed() {
        if (m_wasRandom)
            QHashSeed::resetRandomGlobalSeed();
    }
    FixedHashSeed(const FixedHashSeed&) = delete;
    FixedHashSeed& operator=(const FixedHashSeed&) = delete;

private:
    bool m_wasRandom;
};

std::string utf8(const QString& text) {
    return text.toStdString();
}

QString ordinalLevel(const QString& level) {
    const int n = level.toInt();
    switch (n) {
    case 1:
        return QStringLiteral("1st Level");
    case 2:
        return QStringLiteral("2nd Level");
    case 3:
        return QStringLiteral("3rd Level");
    default:
        return n > 0 ? QStringLiteral("%1th Level").arg(n) : QStringLiteral("Level %1").arg(level);
    }
}

// A text as the report lays it out: a run of more than kLongestRun characters with no place to
// break a line (a "word" of thousands of letters) gets an invisible break opportunity, U+200B,
// every kLongestRun characters. Qt measures such a run afresh for every line it wraps, so
// without them the time to print a text grows with the square of its length.
QString breakable(const QString& text) {
    // Longer than any text the catalogue lets a spell have, so a name or description is never
    // changed; short enough to keep the cost of each run small.
    const qsizetype kLongestRun = 500;
    if (text.size() <= kLongestRun)
        return text;
    QString out;
    QTextBoundaryFinder lines(QTextBoundaryFinder::Line, text);
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype next = lines.toNextBoundary();
        if (next < 0)
            next = text.size();
        // Within [from, next): a break after every kLongestRun characters, between graphemes.
        qsizetype start = from;
        while (next - start > kLongestRun) {
            characters.setPosition(start + kLongestRun);
            const qsizetype cut =
                characters.isAtBoundary() ? start + kLongestRun : characters.toNextBoundary();
            if (cut < 0 || cut >= next)
                break;
            out += QStringView(text).sliced(start, cut - start);
            out += QChar(0x200B);
            start = cut;
        }
        out += QStringView(text).sliced(start, next - start);
        from = next;
    }
    return out;
}

kainjow::mustache::data spellData(const ReportSpell& spell) {
    using kainjow::mustache::data;
    data row;
    row.set("name", utf8(breakable(spell.name)));
    row.set("level", utf8(spell.level));
    row.set("levelTitle", utf8(ordinalLevel(spell.level)));
    row.set("frequency", utf8(breakable(spell.frequency)));
    row.set("schools", utf8(breakable(spell.schools)));
    row.set("book", utf8(breakable(spell.book)));
    row.set("page", utf8(breakable(spell.page)));
    row.set("description", utf8(breakable(spell.description)));
    row.set("hasDescription",
            spell.description.isEmpty() ? data::type::bool_false : data::type::bool_true);
    row.set("blank", data::type::bool_false);
    return row;
}

// The spells as cards, in rows of three, the last row filled with blank cards.
kainjow::mustache::data cardRows(const QList<const ReportSpell*>& spells) {
    using kainjow::mustache::data;
    const qsizetype perRow = 3;
    data rows{data::type::list};
    for (qsizetype first = 0; first < spells.size(); first += perRow) {
        data cards{data::type::list};
        for (qsizetype i = first; i < first + perRow; ++i) {
            if (i < spells.size()) {
                cards.push_back(spellData(*spells[i]));
            } else {
                data blank;
                blank.set("blank", data::type::bool_true);
                cards.push_back(blank);
            }
        }
        data row;
        row.set("cards", cards);
        rows.push_back(row);
    }
    return rows;
}

} // namespace

namespace SpellbookReport {

ReportBook readStagedBook(const QString& databasePath, const QString& password) {
    const Database database(databasePath, QStringLiteral(";pwd=") + password);
    return readStagedBook(database);
}

ReportBook readStagedBook(const Database& database) {
    ReportBook book;
    RecordSet hold =
        database.snapshot(QStringLiteral("SELECT Caster, CasterFilter FROM CasterHold ORDER BY "
                                         "rowid LIMIT 1"));
    if (!hold.eof()) {
        book.caster = hold.text(QStringLiteral("Caster"));
        book.filterName = hold.text(QStringLiteral("CasterFilter"));
    }
    // One row per staged spell and school, the schools in the order they were stored.
    RecordSet rows = database.snapshot(QStringLiteral(
        "SELECT SpellbookFiltered.rowid AS Staged, SpellbookFiltered.SpellName, "
        "SpellbookFiltered.SpellLevel, Spells.Frequency, Spells.Book, Spells.Page, "
        "Spells.Description, SpellandSphere.Sphere "
        "FROM SpellbookFiltered LEFT JOIN Spells ON Spells.Name = SpellbookFiltered.SpellName "
        "LEFT JOIN SpellandSphere ON SpellandSphere.Name = SpellbookFiltered.SpellName "
        "ORDER BY SpellbookFiltered.rowid, SpellandSphere.rowid"));
    qlonglong current = -1;
    for (; !rows.eof(); rows.moveNext()) {
        const qlonglong staged = rows.value(QStringLiteral("Staged")).toLongLong();
        const QString school = rows.text(QStringLiteral("Sphere"));
        if (staged != current) {
            current = staged;
            book.spells.append(
                {rows.text(QStringLiteral("SpellName")), rows.text(QStringLiteral("SpellLevel")),
                 rows.text(QStringLiteral("Frequency")), school, rows.text(QStringLiteral("Book")),
                 rows.text(QStringLiteral("Page")), rows.text(QStringLiteral("Description"))});
        } else if (!school.isEmpty()) {
            book.spells.last().schools += QStringLiteral(", ") + school;
        }
    }
    return book;
}

QString renderHtml(const ReportBook& book, const QString& templatePath) {
    using kainjow::mustache::data;
    const BoundedRead file = readBounded(templatePath, kLargestTemplate);
    if (file.tooLarge)
        throw TwError(
            -1, QString::fromLatin1(kSource),
            QCoreApplication::translate("SpellbookReport",
                                        "The report template \"%1\" cannot be read: "
                                        "it holds more than the %2 a template may.")
                .arg(QFileInfo(templatePath).absoluteFilePath(), sizeText(kLargestTemplate)));
    if (!file.error.isEmpty())
        throw TwError(-1, QString::fromLatin1(kSource),
                      QCoreApplication::translate("SpellbookReport",
                                                  "The report template \"%1\" cannot be read: %2.")
                          .arg(QFileInfo(templatePath).absoluteFilePath(), file.error));
    kainjow::mustache::mustache report(file.bytes.toStdString());
    if (!report.is_valid())
        throw TwError(
            -1, QString::fromLatin1(kSource),
            QCoreApplication::translate("SpellbookReport",
                                        "The report template \"%1\" is not a valid template: %2.")
                .arg(QFileInfo(templatePath).absoluteFilePath(),
                     QString::fromStdString(report.error_message())));

    // Levels in increasing order; within a level the spells keep the book's order.
    QMap<int, QList<const ReportSpell*>> byLevel;
    for (const ReportSpell& spell : book.spells)
        byLevel[spell.level.toInt()].append(&spell);
    data levels{data::type::list};
    QList<const ReportSpell*> inOrder;
    for (auto it = byLevel.cbegin(); it != byLevel.cend(); ++it) {
        data spells{data::type::list};
        for (const ReportSpell* spell : it.value()) {
            spells.push_back(spellData(*spell));
            inOrder.append(spell);
        }
        data level;
        level.set("level", utf8(it.value().first()->level));
        level.set("levelTitle", utf8(ordinalLevel(it.value().first()->level)));
        level.set("count", std::to_string(it.value().size()));
        level.set("spells", spells);
        levels.push_back(level);
    }
    data root;
    root.set("caster", utf8(breakable(book.caster)));
    root.set("filterName", utf8(book.filterName));
    root.set("spellCount", std::to_string(book.spells.size()));
    root.set("seed", utf8(book.seed));
    root.set("hasSeed", book.seed.isEmpty() ? data::type::bool_false : data::type::bool_true);
    root.set("levelCount", std::to_string(byLevel.size()));
    root.set("levels", levels);
    root.set("cardRows", cardRows(inOrder));

    std::string html;
    report.render(root, [&html](const std::string& part) { html += part; });
    if (!report.is_valid())
        throw TwError(-1, QString::fromLatin1(kSource),
                      QCoreApplication::translate(
                          "SpellbookReport", "The report template \"%1\" cannot be filled: %2.")
                          .arg(QFileInfo(templatePath).absoluteFilePath(),
                               QString::fromStdString(report.error_message())));
    return QString::fromStdString(html);
}

std::unique_ptr<QTextDocument> makeDocument(const QString& html, const QString& templatePath) {
    auto document = std::make_unique<TemplateDocument>(templatePath);
    // Printing changes formats for a while and puts them back: nothing for the user to undo.
    document->setUndoRedoEnabled(false);
    // No layout until the page width is known: printing lays it out once, for its device.
    document->setPageSize(QSizeF(0, 0));
    document->setHtml(html);
    return document;
}

void printDocument(QTextDocument& document, QPagedPaintDevice* device,
                   const std::function<void(qsizetype page, qsizetype pages)>& pageDrawn) {
    QPainter painter(device);
    if (!painter.isActive())
        throw TwError(
            -1, QString::fromLatin1(kSource),
            QCoreApplication::translate(
                "SpellbookReport", "The spellbook cannot be printed: the printer is not ready."));
    // The text stands 2 cm from the paper's edges, or at the printer's own margin where that is
    // wider; in points, from the corner of the printable area (the painter's origin).
    const QPageLayout pageLayout = device->pageLayout();
    const QRectF printable = pageLayout.paintRect(QPageLayout::Point);
    const qreal margin = kMarginCm / 2.54 * 72;
    const QRectF body = pageLayout.fullRect(QPageLayout::Point)
                            .adjusted(margin, margin, -margin, -margin)
                            .intersected(printable)
                            .translated(-printable.topLeft());

    // Every device gets the same layout, made at one resolution and drawn scaled to the
    // device's own: the preview, the printer and the PDF file show the same pages, line for line.
    QImage layoutDevice(1, 1, QImage::Format_Mono);
    layoutDevice.setDotsPerMeterX(qRound(kLayoutDpi / 0.0254));
    layoutDevice.setDotsPerMeterY(qRound(kLayoutDpi / 0.0254));
    const qreal pointToLayout = kLayoutDpi / 72;
    const ReportPages pages(document, &layoutDevice, body.size() * pointToLayout);

    const qreal pointToDeviceX = device->logicalDpiX() / 72.0;
    const qreal pointToDeviceY = device->logicalDpiY() / 72.0;
    const QFont numberFont(document.defaultFont(), device);
    const QFontMetricsF numberMetrics(numberFont);
    for (qsizetype index = 0; index < pages.pages().size(); ++index) {
        if (index > 0)
            device->newPage();
        painter.save();
        painter.scale(pointToDeviceX, pointToDeviceY);
        painter.translate(body.topLeft());
        painter.scale(1 / pointToLayout, 1 / pointToLayout);
        pages.drawPage(painter, index);
        painter.restore();
        // The page number at the right, 5 points under the text.
        const QString number = QString::number(index + 1);
        painter.setFont(numberFont);
        painter.setPen(Qt::black);
        const qreal baseline =
            std::min((body.bottom() + 5) * pointToDeviceY + numberMetrics.ascent(),
                     printable.height() * pointToDeviceY - numberMetrics.descent());
        painter.drawText(
            QPointF(body.right() * pointToDeviceX - numberMetrics.horizontalAdvance(number),
                    baseline),
            number);
        if (pageDrawn)
            pageDrawn(index + 1, pages.pages().size());
    }
}

QByteArray pdfBytes(QTextDocument& document, const QString& title, const QPageSize& paper,
                    const std::function<void(qsizetype page, qsizetype pages)>& pageDrawn) {
    const FixedHashSeed sameBytesInEveryRun;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tomewright"));
        writer.setPageSize(paper);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(int(kLayoutDpi));
        printDocument(document, &writer, pageDrawn);
    }
    return bytes;
}

QStringList undrawableNotes(const ReportBook& book) {
    QStringList notes;
    auto check = [&notes](const QString& what, const QStringList& texts) {
        QStringList missing;
        for (const QString& text : texts) {
            for (const QString& character : GlyphCoverage::undrawable(text)) {
                if (!missing.contains(character))
                    missing << character;
            }
        }
        if (missing.isEmpty())
            return;
        QStringList shown;
        for (const QString& character : missing)
            shown << QStringLiteral("\"%1\" (%2)")
                         .arg(character, GlyphCoverage::codePoint(character));
        //: %1 names a caster or spell, %2 lists the characters; the number of characters decides
        //: between "it prints as an empty box" and "they print as empty boxes".
        notes << QCoreApplication::translate("SpellbookReport",
                                             "%1: no installed font can draw %2; it prints as an "
                                             "empty box(es).",
                                             nullptr, int(missing.size()))
                     .arg(what, shown.join(QStringLiteral(", ")));
    };
    check(QCoreApplication::translate("SpellbookReport", "Caster \"%1\"").arg(book.caster),
          {book.caster, book.filterName});
    for (const ReportSpell& spell : book.spells)
        check(QCoreApplication::translate("SpellbookReport", "Spell \"%1\"").arg(spell.name),
              {spell.name, spell.level, spell.frequency, spell.schools, spell.book, spell.page,
               spell.description});
    return notes;
}

} // namespace SpellbookReport
