#include "tools/catalogue/CsvFile.h"

#include <QFile>
#include <QFileInfo>
#include <csv.h>

namespace {

// Collects libcsv's fields and records and keeps track of the line each record starts on.
struct Collector {
    CsvContent content;
    QStringList fields;
    int recordStart = 0;
    bool betweenRecords = true;
};

void onField(void* data, size_t size, void* context) {
    auto* collector = static_cast<Collector*>(context);
    collector->fields << QString::fromUtf8(static_cast<const char*>(data), qsizetype(size));
}

void onRecordEnd(int /*terminator*/, void* context) {
    auto* collector = static_cast<Collector*>(context);
    collector->content.records.append({collector->recordStart, collector->fields});
    collector->fields.clear();
    collector->betweenRecords = true;
}

} // namespace

CsvContent parseCsv(const QByteArray& bytes, const QString& fileName) {
    Collector collector;
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_APPEND_NULL) != 0) {
        collector.content.errors
            << QStringLiteral("%1: the CSV reader could not start").arg(fileName);
        return collector.content;
    }

    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3); // a byte-order mark written by some spreadsheets
    if (!text.isEmpty() && !text.endsWith('\n'))
        text.append('\n');

    // Fed one physical line at a time, so a record knows the line it starts on.
    int line = 0;
    qsizetype start = 0;
    bool failed = false;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        end = end < 0 ? text.size() : end + 1;
        ++line;
        const QByteArray physical = text.mid(start, end - start);
        if (collector.betweenRecords && !physical.trimmed().isEmpty()) {
            collector.recordStart = line;
            collector.betweenRecords = false;
        }
        const size_t parsed = csv_parse(&parser, physical.constData(), size_t(physical.size()),
                                        onField, onRecordEnd, &collector);
        if (parsed != size_t(physical.size())) {
            collector.content.errors
                << QStringLiteral("%1:%2: %3")
                       .arg(fileName)
                       .arg(line)
                       .arg(QString::fromUtf8(csv_strerror(csv_error(&parser))));
            failed = true;
            break;
        }
        start = end;
    }
    if (!failed && csv_fini(&parser, onField, onRecordEnd, &collector) != 0)
        collector.content.errors
            << QStringLiteral("%1:%2: unterminated quote").arg(fileName).arg(collector.recordStart);
    csv_free(&parser);
    return collector.content;
}

CsvContent readCsvFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CsvContent content;
        content.errors << QStringLiteral("%1: cannot be read: %2")
                              .arg(QFileInfo(path).fileName(), file.errorString());
        return content;
    }
    return parseCsv(file.readAll(), QFileInfo(path).fileName());
}

QByteArray csvLine(const QStringList& fields) {
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        const QByteArray field = fields[i].toUtf8();
        const bool needsQuotes = field.contains(',') || field.contains('"') ||
                                 field.contains('\n') || field.contains('\r');
        if (!needsQuotes) {
            line += field;
            continue;
        }
        // csv_write quotes the field and doubles every quote inside it.
        QByteArray quoted(field.size() * 2 + 2, '\0');
        const size_t written = csv_write(quoted.data(), size_t(quoted.size()), field.constData(),
                                         size_t(field.size()));
        line += quoted.left(qsizetype(written));
    }
    return line + '\n';
}
