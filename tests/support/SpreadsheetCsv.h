#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// A CSV file read as a spreadsheet reads it: comma-separated, quoted fields with doubled quotes
// and line breaks inside them, blanks at a field's edges kept as part of it. Records in order;
// empty when the text is not well-formed CSV.
QList<QStringList> readSpreadsheetCsv(const QByteArray& bytes);
