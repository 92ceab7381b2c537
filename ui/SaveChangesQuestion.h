#pragma once

#include <QString>
#include <functional>

class QWidget;

// "Save changes to ...?" with Save, Discard and Cancel. Tests answer it instead. Without a
// display a user can see (the offscreen platform) the question goes to the error stream and
// the answer is Cancel, so nothing is lost and nothing waits for a click.
class SaveChangesQuestion {
public:
    enum class Answer { Save, Discard, Cancel };

    static Answer ask(QWidget* parent, const QString& text);

    using Handler = std::function<Answer(const QString& text)>;
    static Handler setHandler(Handler handler);
};
