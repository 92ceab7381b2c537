#pragma once

#include "library/BookExport.h"

#include <QByteArray>
#include <QString>

// The books as one PDF through the report template, each book from a new page. The file's
// creation date is fixed, so the same books give the same bytes.
QByteArray booksPdf(const QList<GeneratedBook>& books, const QString& templatePath);
