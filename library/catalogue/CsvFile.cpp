#include "library/catalogue/CsvFile.h"

#include "ui/BoundedRead.h"

#include <QCoreApplication>
#include <csv.h>

namespace {

// libcsv's state between records (its ROW_NOT_BEGUN, which csv.h does not export).
constexpr int kRowNotBegun = 0;

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

// libcsv's parser, freed however the reading ends; reset() starts afresh after an error.
class Parser {
public:
    explicit Parser(char separator) : m_separator(separator) { start(); }
    ~Parser() { csv_free(&m_parser); }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    bool ready() const { return m_ready; }
    csv_parser* get() { return &m_parser; }
    void reset() {
        csv_free(&m_parser);
        start();
    }

private:
    void start() {
        m_ready = csv_init(&m_parser, CSV_STRICT | CSV_STRICT_FINI | CSV_APPEND_NULL) == 0;
        csv_set_delim(&m_parser, static_cast<unsigned char>(m_separator));
    }

    char m_separator;
    csv_parser m_parser{};
    bool m_ready = false;
};

// The separator of the first line that holds any text, outside quotes: a comma when there is
// one, else a semicolon, else a tab.
char separatorOf(const QByteArray& text) {
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype end = text.indexOf('\n', start);
        const QByteArray line = text.mid(start, end - start);
        if (!line.trimmed().isEmpty()) {
            bool quoted = false;
            bool semicolon = false;
            bool tab = false;
            for (const char c : line) {
                if (c == '"')
                    quoted = !quoted;
                else if (!quoted && c == ',')
                    return ',';
                else if (!quoted && c == ';')
                    semicolon = true;
                else if (!quoted && c == '\t')
                    tab = true;
            }
            return semicolon ? ';' : tab ? '\t' : ',';
        }
        start = end + 1;
    }
    return ',';
}

QString syntaxError(const QByteArray& line, qsizetype offset) {
    if (offset < line.size() && line[offset] == '"')
        return QCoreApplication::translate(
            "catalogue", "a quote inside a field that does not begin with one; a field "
                         "that holds quotes must be quoted as a whole, with each quote "
                         "inside it doubled (\"say \"\"hi\"\"\")");
    return QCoreApplication::translate(
        "catalogue", "text after the closing quote of a field; a field that holds quotes "
                     "must be quoted as a whole, with each quote inside it doubled "
                     "(\"say \"\"hi\"\"\")");
}

} // namespace

CsvContent parseCsv(const QByteArray& bytes, TextEncoding encoding) {
    Collector collector;
    const DecodedText decoded = decodeText(bytes, encoding);
    if (decoded.problem) {
        collector.content.errors << *decoded.problem;
        return collector.content;
    }
    const QByteArray& text = decoded.utf8;
    collector.content.separator = separatorOf(text);
    Parser parser(collector.content.separator);
    if (!parser.ready()) {
        collector.content.errors << LineProblem{
            1, QCoreApplication::translate("catalogue", "the CSV reader could not start")};
        return collector.content;
    }

    // Fed one line at a time, so a record knows the line it starts on and an error its line.
    int line = 0;
    // A quoted field that holds a line break: the line it began on (0 for none) and the number
    // of fields of its record before it. A quote that is never closed shows first where the
    // field runs on, but the fault is where it began.
    int fieldLine = 0;
    qsizetype fieldIndex = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype end = text.indexOf('\n', start) + 1;
        ++line;
        const QByteArray physical = text.mid(start, end - start);
        start = end;
        if (collector.betweenRecords && !physical.trimmed().isEmpty()) {
            collector.recordStart = line;
            collector.betweenRecords = false;
        }
        const bool inField = fieldLine > 0;
        const size_t parsed = csv_parse(parser.get(), physical.constData(), size_t(physical.size()),
                                        onField, onRecordEnd, &collector);
        if (parsed == size_t(physical.size())) {
            // Every line ends in "\n": a record still open after it is inside a quoted field.
            const bool open = parser.get()->pstate != kRowNotBegun;
            if (!open)
                fieldLine = 0;
            else if (!inField || collector.fields.size() != fieldIndex)
                fieldLine = line;
            fieldIndex = collector.fields.size();
            continue;
        }
        const QString problem = syntaxError(physical, qsizetype(parsed));
        if (inField && collector.fields.size() == fieldIndex)
            collector.content.errors << LineProblem{
                fieldLine,
                QCoreApplication::translate(
                    "catalogue", "the quoted field that begins here runs on to line %1: %2")
                    .arg(QString::number(line), problem)};
        else
            collector.content.errors << LineProblem{line, problem};
        // The broken record is left out; the next line starts a new one.
        parser.reset();
        collector.fields.clear();
        collector.betweenRecords = true;
        fieldLine = 0;
    }
    if (csv_fini(parser.get(), onField, onRecordEnd, &collector) != 0)
        collector.content.errors << LineProblem{
            fieldLine > 0 ? fieldLine : collector.recordStart,
            QCoreApplication::translate("catalogue",
                                        "a quote opens a field here that is never closed")};
    return collector.content;
}

CsvBytes readCsvBytes(const QString& path) {
    CsvBytes result;
    const BoundedRead file = readBounded(path, kLargestCsvFile);
    if (file.tooLarge)
        result.problem =
            LineProblem{0, QCoreApplication::translate(
                               "catalogue", "cannot be read: it holds more than the %1 a CSV "
                                            "file may")
                               .arg(sizeText(kLargestCsvFile))};
    else if (!file.error.isEmpty())
        result.problem = LineProblem{
            0, QCoreApplication::translate("catalogue", "cannot be read: %1").arg(file.error)};
    else
        result.bytes = file.bytes;
    return result;
}

CsvContent readCsvFile(const QString& path, TextEncoding encoding) {
    const CsvBytes file = readCsvBytes(path);
    if (file.problem) {
        CsvContent content;
        content.errors << *file.problem;
        return content;
    }
    return parseCsv(file.bytes, encoding);
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

QStringList describeProblems(const QString& fileName, QList<LineProblem> problems) {
    std::stable_sort(problems.begin(), problems.end(),
                     [](const LineProblem& a, const LineProblem& b) { return a.line < b.line; });
    QStringList texts;
    for (const LineProblem& problem : problems)
        texts << (problem.line > 0 ? QStringLiteral("%1:%2: %3")
                                         .arg(fileName, QString::number(problem.line), problem.text)
                                   : QStringLiteral("%1: %2").arg(fileName, problem.text));
    return texts;
}
