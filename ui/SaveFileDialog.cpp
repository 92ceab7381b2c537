#include "ui/SaveFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

namespace {
SaveFileDialog::Handler& currentHandler() {
    static SaveFileDialog::Handler handler;
    return handler;
}

// The suffix of a file type's first pattern: "twbook" of "Spellbooks (*.twbook)".
QString suffixOf(const QString& nameFilter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^\\s;)]+)"));
    return pattern.match(nameFilter).captured(1);
}

// Every suffix the filter offers, in lower case: "csv", "json" and "md" of an export's types.
QStringList suffixesOf(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^\\s;)]+)"));
    QStringList suffixes;
    for (auto it = pattern.globalMatch(filter); it.hasNext();)
        suffixes << it.next().captured(1).toLower();
    return suffixes;
}
} // namespace

SaveFileDialog::Handler SaveFileDialog::setHandler(Handler handler) {
    Handler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

QString SaveFileDialog::choose(QWidget* parent, const QString& title, const QString& suggestedPath,
                               const QString& filter) {
    if (currentHandler())
        return currentHandler()(title, suggestedPath);
    QFileDialog dialog(parent, title, suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog adds the chosen type's suffix to a name typed without one, before it asks
    // whether to replace an existing file: the question is then about the file that will be
    // written, not about the name as typed.
    dialog.setDefaultSuffix(suffixOf(dialog.selectedNameFilter()));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& nameFilter) { dialog.setDefaultSuffix(suffixOf(nameFilter)); });
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return QString();
        const QStringList chosen = dialog.selectedFiles();
        if (chosen.isEmpty())
            return QString();
        QString path = chosen.constFirst();
        // The dialog adds a suffix only to a name without one: "Merlin.v2" comes back as typed,
        // and the file written is "Merlin.v2.twbook", which the dialog never asked about.
        if (suffixesOf(filter).contains(QFileInfo(path).suffix().toLower()))
            return path;
        path += QLatin1Char('.') + suffixOf(dialog.selectedNameFilter());
        if (!QFileInfo::exists(path))
            return path;
        const QString question = QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(QFileInfo(path).fileName());
        if (QMessageBox::warning(&dialog, title, question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes)
            return path;
        dialog.selectFile(path);
    }
}
