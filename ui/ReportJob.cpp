#include "ui/ReportJob.h"

#include "ui/SpellbookReport.h"
#include "ui/TwError.h"

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

void ReportJob::run(QWidget* parent) const {
    if (currentRunner()) {
        currentRunner()(*this);
        return;
    }
    const ReportBook book = SpellbookReport::readStagedBook(databasePath, plainPassword());
    const std::unique_ptr<QTextDocument> document =
        SpellbookReport::makeDocument(SpellbookReport::renderHtml(book, templatePath));
    document->setMetaInformation(QTextDocument::DocumentTitle, windowTitle);

    switch (destination) {
    case Destination::PreviewWindow: {
        QPrintPreviewDialog preview(parent);
        preview.setWindowTitle(windowTitle);
        preview.resize(900, 1000);
        QObject::connect(
            &preview, &QPrintPreviewDialog::paintRequested,
            [&document](QPrinter* printer) { SpellbookReport::printDocument(*document, printer); });
        preview.exec();
        return;
    }
    case Destination::Printer: {
        // With no printer installed the dialog still offers printing to a PDF file.
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(windowTitle);
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(windowTitle);
        if (dialog.exec() != QDialog::Accepted)
            return;
        SpellbookReport::printDocument(*document, &printer);
        return;
    }
    case Destination::PdfFile: {
        const QByteArray bytes = SpellbookReport::pdfBytes(*document, windowTitle);
        QSaveFile file(outputPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            throw TwError(-1, QStringLiteral("ReportJob"),
                          QStringLiteral("The spellbook cannot be saved as \"%1\": %2.")
                              .arg(QFileInfo(outputPath).absoluteFilePath(), file.errorString()));
        return;
    }
    }
}
