#include "ui/SpellbookReport.h"

#include "ui/Database.h"
#include "ui/TwError.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <kainjow/mustache.hpp>

namespace {

const char* kSource = "SpellbookReport";

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

} // namespace

namespace SpellbookReport {

ReportBook readStagedBook(const QString& databasePath, const QString& password) {
    Database database(databasePath, QStringLiteral(";pwd=") + password);
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
    QFile file(templatePath);
    if (!file.open(QIODevice::ReadOnly))
        throw TwError(-1, QString::fromLatin1(kSource),
                      QStringLiteral("The report template \"%1\" cannot be read: %2.")
                          .arg(QFileInfo(templatePath).absoluteFilePath(), file.errorString()));
    kainjow::mustache::mustache report(file.readAll().toStdString());
    if (!report.is_valid())
        throw TwError(-1, QString::fromLatin1(kSource),
                      QStringLiteral("The report template \"%1\" is not a valid template: %2.")
                          .arg(QFileInfo(templatePath).absoluteFilePath(),
                               QString::fromStdString(report.error_message())));

    // Levels in increasing order; within a level the spells keep the book's order.
    QMap<int, QList<const ReportSpell*>> byLevel;
    for (const ReportSpell& spell : book.spells)
        byLevel[spell.level.toInt()].append(&spell);
    data levels{data::type::list};
    for (auto it = byLevel.cbegin(); it != byLevel.cend(); ++it) {
        data spells{data::type::list};
        for (const ReportSpell* spell : it.value()) {
            data row;
            row.set("name", utf8(spell->name));
            row.set("level", utf8(spell->level));
            row.set("frequency", utf8(spell->frequency));
            row.set("schools", utf8(spell->schools));
            row.set("book", utf8(spell->book));
            row.set("page", utf8(spell->page));
            row.set("description", utf8(spell->description));
            row.set("hasDescription",
                    spell->description.isEmpty() ? data::type::bool_false : data::type::bool_true);
            spells.push_back(row);
        }
        data level;
        level.set("level", utf8(it.value().first()->level));
        level.set("levelTitle", utf8(ordinalLevel(it.value().first()->level)));
        level.set("count", std::to_string(it.value().size()));
        level.set("spells", spells);
        levels.push_back(level);
    }
    data root;
    root.set("caster", utf8(book.caster));
    root.set("filterName", utf8(book.filterName));
    root.set("spellCount", std::to_string(book.spells.size()));
    root.set("seed", utf8(book.seed));
    root.set("hasSeed", book.seed.isEmpty() ? data::type::bool_false : data::type::bool_true);
    root.set("levelCount", std::to_string(byLevel.size()));
    root.set("levels", levels);

    std::string html;
    report.render(root, [&html](const std::string& part) { html += part; });
    if (!report.is_valid())
        throw TwError(-1, QString::fromLatin1(kSource),
                      QStringLiteral("The report template \"%1\" cannot be filled: %2.")
                          .arg(QFileInfo(templatePath).absoluteFilePath(),
                               QString::fromStdString(report.error_message())));
    return QString::fromStdString(html);
}

std::unique_ptr<QTextDocument> makeDocument(const QString& html) {
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(html);
    return document;
}

void printDocument(QTextDocument& document, QPagedPaintDevice* device) {
    // Without a page size of its own the document takes the device's pages and numbers them.
    document.print(device);
}

QByteArray pdfBytes(QTextDocument& document, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tomewright"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        printDocument(document, &writer);
    }
    return bytes;
}

} // namespace SpellbookReport
