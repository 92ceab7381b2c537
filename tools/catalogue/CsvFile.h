#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A CSV file read with libcsv (RFC 4180 quoting, UTF-8): its records, each with the line it
// starts on, and every problem found, as "FILE:LINE: what is wrong".
struct CsvRecord {
    int line = 0;
    QStringList fields;
};

struct CsvContent {
    QList<CsvRecord> records;
    QStringList errors;
};

// Parses bytes; fileName only names the source in error texts.
CsvContent parseCsv(const QByteArray& bytes, const QString& fileName);
// Reads and parses a file; a file that cannot be read is one error.
CsvContent readCsvFile(const QString& path);

// One record as a CSV line (with its "\n"): a field is quoted only when it must be (it holds a
// comma, a quote or a line break), the way the shipped sources are written.
QByteArray csvLine(const QStringList& fields);
