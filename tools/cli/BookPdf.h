#pragma once

#include "library/BookExport.h"

#include <QByteArray>
#include <QPageSize>
#include <QString>
#include <QStringList>

// The books as one PDF through the report template on the given paper, each book from a new
// page. The file's creation date is fixed, so the same books give the same bytes. Adds to notes
// what the installed fonts cannot show, each note naming its book and spell.
QByteArray booksPdf(const QList<GeneratedBook>& books, const QString& templatePath,
                    const QPageSize& paper, QStringList& notes);
