#include "ui/YesNoQuestion.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>

namespace {
YesNoQuestion::Handler& currentHandler() {
    static YesNoQuestion::Handler handler;
    return handler;
}
} // namespace

YesNoQuestion::Handler YesNoQuestion::setHandler(Handler handler) {
    Handler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

bool YesNoQuestion::ask(QWidget* parent, const QString& text) {
    if (currentHandler())
        return currentHandler()(text);
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        std::fprintf(stderr, "%s (no: no one can answer without a display)\n",
                     qUtf8Printable(text));
        return false;
    }
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText); // names are shown as written, never as markup
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
