#include "tools/cli/BookOutput.h"

#include "tools/cli/BookPdf.h"
#include "tools/cli/StandardOutput.h"
#include "ui/PaperSize.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cstdio>
#include <sys/stat.h>

namespace BookOutput {

const QStringList& formats() {
    static const QStringList names = {"text", "csv", "json", "markdown", "pdf"};
    return names;
}

QByteArray render(const QList<GeneratedBook>& books, const QString& format,
                  const QString& templatePath, const QPageSize& paper, QStringList& notes) {
    if (format == QLatin1String("csv"))
        return BookExport::csv(books);
    if (format == QLatin1String("json"))
        return BookExport::json(books);
    if (format == QLatin1String("markdown"))
        return BookExport::markdown(books);
    if (format == QLatin1String("pdf"))
        return booksPdf(books, templatePath, paper, notes);
    return BookExport::text(books);
}

QList<QCommandLineOption> pdfOptions() {
    return {
        {QStringLiteral("template"),
         QCoreApplication::translate(
             "cli", "Report template for pdf (default: filteredspellbook.rpt beside the "
                    "program; filteredspellbook-compact.rpt and filteredspellbook-cards.rpt "
                    "lie there too)."),
         QStringLiteral("FILE")},
        {QStringLiteral("paper"),
         QCoreApplication::translate(
             "cli", "Paper for pdf: a4 or letter (default: the default printer's, else the "
                    "one of the user's locale)."),
         QStringLiteral("PAPER")},
    };
}

std::optional<QPageSize> paperFor(const QString& option) {
    return option.isEmpty() ? std::optional<QPageSize>(PaperSize::userDefault())
                            : PaperSize::fromName(option);
}

int write(const QByteArray& bytes, const QString& path) {
    if (path.isEmpty()) {
        return StandardOutput::write(bytes) ? 0 : 1;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(
            stderr, "%s\n",
            qUtf8Printable(QCoreApplication::translate("cli", "\"%1\" cannot be written: %2")
                               .arg(path, file.errorString())));
        return 1;
    }
    return 0;
}

QString inputAt(const QString& output, const QStringList& inputs) {
    struct stat target {};
    if (output.isEmpty() || ::stat(QFile::encodeName(output).constData(), &target) != 0)
        return QString();
    for (const QString& input : inputs) {
        struct stat status {};
        if (::stat(QFile::encodeName(input).constData(), &status) == 0 &&
            status.st_dev == target.st_dev && status.st_ino == target.st_ino)
            return input;
    }
    return QString();
}

QString outputIsInput(const QString& output, const QString& input) {
    return QCoreApplication::translate("cli",
                                       "--output \"%1\" names \"%2\", one of the files read to "
                                       "make the output; nothing was written. Choose another "
                                       "file for --output.")
        .arg(QDir::toNativeSeparators(output), QDir::toNativeSeparators(input));
}

QString fileNameFor(const QString& caster, const QString& suffix) {
    QString name = caster.trimmed();
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("Spellbook"));
    return name + QLatin1Char('.') + suffix;
}

} // namespace BookOutput
