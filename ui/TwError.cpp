#include "ui/TwError.h"

TwError::TwError(int number, QString source, QString description)
    : m_number(number), m_source(std::move(source)), m_description(std::move(description)),
      m_what(m_description.toUtf8()) {}

TwError TwError::raisedBy(const QString& source, bool keepNumber) const {
    return TwError(keepNumber ? m_number : -1, source, m_description.trimmed());
}
