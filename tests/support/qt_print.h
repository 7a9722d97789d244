#pragma once

// Lets test failures print Qt strings as text.
#include <QString>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(QChar c, std::ostream* os)
{
    *os << '\'' << QString(c).toStdString() << '\'';
}
QT_END_NAMESPACE
