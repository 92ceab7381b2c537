#include "ui/SaveFileDialog.h"

#include <QFileDialog>
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
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.constFirst();
}
