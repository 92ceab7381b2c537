#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class Database;
class QWidget;

// A report run: the settings a print request gives before it runs the report, then run().
// The report reads the staged book from the database itself, with the password it is given.
class ReportJob {
public:
    enum class Destination {
        PreviewWindow = 0,
        Printer = 1,
        PdfFile = 2, // written to outputPath, whole or not at all
    };

    QString windowTitle;
    Destination destination = Destination::PreviewWindow;
    QString templatePath;
    QString databasePath;
    // The password as the print request gives it: a line feed, then the password.
    QString password;
    // The database already open at databasePath (the window's), read instead of opening the
    // file again; nullptr to open it with the password.
    const Database* database = nullptr;
    QString outputPath;

    // Runs the report: a preview window, the print dialog then the printer, or the PDF file,
    // on the user's paper (PaperSize::userDefault) unless the print dialog changes it.
    // Cancelling the print dialog prints nothing and is no failure. Returns notes for the
    // user: the text of the book the installed fonts cannot show. Throws TwError.
    QStringList run(QWidget* parent) const;

    // Tests replace the run (nullptr restores it); returns the previous one.
    using Runner = std::function<void(const ReportJob& job)>;
    static Runner setRunner(Runner runner);

    // The password without its leading line feed.
    QString plainPassword() const;
};
