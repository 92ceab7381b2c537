#pragma once

#include <QString>
#include <functional>

class QWidget;

// A question with Yes and No, No the default (the answer that keeps things as they are). Tests
// answer it instead. Without a display a user can see (the offscreen platform) the question goes
// to the error stream and the answer is No, so nothing is lost and nothing waits for a click.
class YesNoQuestion {
public:
    static bool ask(QWidget* parent, const QString& text);

    using Handler = std::function<bool(const QString& text)>;
    // Replaces the visible box (nullptr restores it); returns the previous handler.
    static Handler setHandler(Handler handler);
};
