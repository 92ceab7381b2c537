#include "ui/ReportJob.h"

#include "ui/PaperSize.h"
#include "ui/SpellbookReport.h"
#include "ui/TwError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>

namespace {
ReportJob::Runner& currentRunner() {
    static ReportJob::Runner runner;
    return runner;
}
} // namespace

ReportJob::Runner ReportJob::setRunner(Runner runner) {
    Runner previous = std::move(currentRunner());
    currentRunner() = std::move(runner);
    return previous;
}

QString ReportJob::plainPassword() const {
    return password.startsWith(QLatin1Char('\n')) ? password.mid(1) : password;
}

QStringList ReportJob::run(QWidget* parent) const {
    if (currentRunner()) {
        currentRunner()(*this);
        return {};
    }
    const ReportBook book = database
                                ? SpellbookReport::readStagedBook(*database)
                                : SpellbookReport::readStagedBook(databasePath, plainPassword());
    const std::unique_ptr<QTextDocument> document = SpellbookReport::makeDocument(
        SpellbookReport::renderHtml(book, templatePath), templatePath);
    document->setMetaInformation(QTextDocument::DocumentTitle, windowTitle);
    const QStringList notes = SpellbookReport::undrawableNotes(book);

    switch (destination) {
    case Destination::PreviewWindow: {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(PaperSize::userDefault());
        printer.setDocName(windowTitle);
        QPrintPreviewDialog preview(&printer, parent);
        preview.setWindowTitle(windowTitle);
        preview.resize(900, 1000);
        QString failure;
        // The preview asks for the pages again whenever its page setup changes; a failure
        // is kept for after the window closes, never thrown into its event loop.
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                         [&document, &failure](QPrinter* pages) {
                             try {
                                 SpellbookReport::printDocument(*document, pages);
                             } catch (const TwError& error) {
                                 failure = error.description();
                             }
                         });
        preview.exec();
        if (!failure.isEmpty())
            throw TwError(-1, QStringLiteral("ReportJob"), failure);
        return notes;
    }
    case Destination::Printer: {
        // With no printer installed the dialog still offers printing to a PDF file.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(PaperSize::userDefault());
        printer.setDocName(windowTitle);
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(windowTitle);
        if (dialog.exec() != QDialog::Accepted)
            return notes;
        SpellbookReport::printDocument(*document, &printer);
        return notes;
    }
    case Destination::PdfFile: {
        const QByteArray bytes =
            SpellbookReport::pdfBytes(*document, windowTitle, PaperSize::userDefault());
        QSaveFile file(outputPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            throw TwError(-1, QStringLiteral("ReportJob"),
                          QCoreApplication::translate(
                              "ReportJob", "The spellbook cannot be saved as \"%1\": %2.")
                              .arg(QFileInfo(outputPath).absoluteFilePath(), file.errorString()));
        return notes;
    }
    }
    return notes;
}
