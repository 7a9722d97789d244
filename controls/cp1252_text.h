#pragma once

#include "common/cp1252.h"

#include <QString>

#include <string>
#include <string_view>

namespace dawnrule {

// The data files' Windows-1252 text to the windows' QString and back (common/cp1252.h
// does the converting).
inline QString FromCp1252(std::string_view bytes)
{
    return QString::fromStdString(Cp1252ToUtf8(bytes));
}

inline std::string ToCp1252(const QString& text)
{
    return Utf8ToCp1252(text.toStdString());
}

} // namespace dawnrule
