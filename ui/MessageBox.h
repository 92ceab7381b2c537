#pragma once

#include <QString>
#include <functional>

class QWidget;

// The program's message box: an OK button only. Tests install a handler that records the
// message instead of blocking. Without a display that a user can see (the offscreen platform)
// the message goes to the error stream, so a program started there never waits for a click.
class MessageBox {
public:
    using Handler = std::function<void(const QString& title, const QString& text)>;

    // Shows text with an OK button; an empty title means the application's name.
    static void show(QWidget* parent, const QString& text, const QString& title = QString());

    // Replaces the visible box (nullptr restores it); returns the previous handler.
    static Handler setHandler(Handler handler);
};
