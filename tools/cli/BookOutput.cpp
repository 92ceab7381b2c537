#include "tools/cli/BookOutput.h"

#include "tools/cli/BookPdf.h"
#include "ui/PaperSize.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <cstdio>

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
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        std::fflush(stdout);
        return 0;
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
