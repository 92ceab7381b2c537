#include "ui/SaveChangesQuestion.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>

namespace {
SaveChangesQuestion::Handler& currentHandler() {
    static SaveChangesQuestion::Handler handler;
    return handler;
}
} // namespace

SaveChangesQuestion::Handler SaveChangesQuestion::setHandler(Handler handler) {
    Handler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

SaveChangesQuestion::Answer SaveChangesQuestion::ask(QWidget* parent, const QString& text) {
    if (currentHandler())
        return currentHandler()(text);
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        std::fprintf(stderr, "%s (kept: no one can answer without a display)\n",
                     qUtf8Printable(text));
        return Answer::Cancel;
    }
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText); // a caster's name is shown as written, never as markup
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}
