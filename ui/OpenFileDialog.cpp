#include "ui/OpenFileDialog.h"

#include <QFileDialog>

namespace {
OpenFileDialog::Handler& currentHandler() {
    static OpenFileDialog::Handler handler;
    return handler;
}
} // namespace

OpenFileDialog::Handler OpenFileDialog::setHandler(Handler handler) {
    Handler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

QString OpenFileDialog::choose(QWidget* parent, const QString& title, const QString& folder,
                               const QString& filter) {
    if (currentHandler())
        return currentHandler()(title, folder);
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}
