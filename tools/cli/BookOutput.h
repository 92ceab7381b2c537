#pragma once

#include "library/BookExport.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QList>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <optional>

// What generate and render print: the books in one of the printed formats, to standard output
// or to a file.
namespace BookOutput {

// The printed formats, the first the default.
const QStringList& formats();

// The books' bytes in a format of formats(); pdf goes through the report template on the
// paper, and adds to notes what the installed fonts cannot show.
QByteArray render(const QList<GeneratedBook>& books, const QString& format,
                  const QString& templatePath, const QPageSize& paper, QStringList& notes);

// The options of the printed PDF, shared by generate and render: --template and --paper.
QList<QCommandLineOption> pdfOptions();

// The paper an option names ("a4", "letter"); the user's default when the option is empty;
// nothing for any other name.
std::optional<QPageSize> paperFor(const QString& option);

// To standard output when path is empty, else to the file (whole or not at all). Returns the
// exit status: 0, or 1 with a message on the error stream.
int write(const QByteArray& bytes, const QString& path);

// The first of inputs that is the file output names (the same file however it is spelled: a
// link, "./" and so on), or an empty text; an output that does not exist yet is none of them.
QString inputAt(const QString& output, const QStringList& inputs);
// The refusal of an output that is one of the inputs.
QString outputIsInput(const QString& output, const QString& input);

// A file name for a book's caster: the characters file systems refuse become "_".
QString fileNameFor(const QString& caster, const QString& suffix);

} // namespace BookOutput
