#include "ui/MessageBox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>

namespace {
MessageBox::Handler& currentHandler() {
    static MessageBox::Handler handler;
    return handler;
}
} // namespace

MessageBox::Handler MessageBox::setHandler(Handler handler) {
    Handler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

void MessageBox::show(QWidget* parent, const QString& text, const QString& title) {
    const QString caption = title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
    if (currentHandler()) {
        currentHandler()(caption, text);
        return;
    }
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(text));
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}
