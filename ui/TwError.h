#pragma once

#include <QString>
#include <exception>

// The one failure type of the program: a number, the operation it came from and a text a user
// can read. Engine failures carry the engine's result code; failed checks carry -1.
class TwError : public std::exception {
public:
    TwError(int number, QString source, QString description);

    int number() const { return m_number; }
    const QString& source() const { return m_source; }
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

    // The same failure raised again by another operation: its name as source, the
    // description trimmed. keepNumber=false gives the check number -1.
    TwError raisedBy(const QString& source, bool keepNumber = true) const;

private:
    int m_number;
    QString m_source;
    QString m_description;
    QByteArray m_what;
};
