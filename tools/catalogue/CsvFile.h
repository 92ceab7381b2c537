#pragma once

#include "tools/catalogue/TextDecoding.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A CSV file read with libcsv (RFC 4180 quoting): its records, each with the line it starts on,
// and every problem found, with its line. The fields are separated by what the
// first line uses: commas, or semicolons or tabs (what spreadsheets save in many languages).
// A record with a syntax error is left out and reading carries on at the next line, so one
// stray quote does not hide the problems of the rows after it.
struct CsvRecord {
    int line = 0;
    QStringList fields;
};

struct CsvContent {
    QList<CsvRecord> records;
    QList<LineProblem> errors;
    char separator = ',';
};

CsvContent parseCsv(const QByteArray& bytes, TextEncoding encoding = TextEncoding::Utf8);
// A CSV file's bytes, read up to kLargestCsvFile; or why they cannot be read, as a problem of
// the whole file (line 0).
struct CsvBytes {
    QByteArray bytes;
    std::optional<LineProblem> problem;
};
// The largest CSV file read: some hundred thousand spells. A larger file, a device or a pipe
// that never ends is refused once this much is read.
inline constexpr qint64 kLargestCsvFile = 64 * 1024 * 1024;
CsvBytes readCsvBytes(const QString& path);
// Reads and parses a file; a file that cannot be read is one error.
CsvContent readCsvFile(const QString& path, TextEncoding encoding = TextEncoding::Utf8);

// One record as a CSV line (with its "\n"): a field is quoted only when it must be (it holds a
// comma, a quote or a line break), the way the shipped sources are written.
QByteArray csvLine(const QStringList& fields);
