#include "ui/SaveFileDialog.h"

#include <QFileDialog>

namespace {
SaveFileDialog::Handler& currentHandler() {
    static SaveFileDialog::Handler handler;
    return handler;
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
    return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}
