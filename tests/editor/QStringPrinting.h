#pragma once

#include <QString>
#include <ostream>

// Lets GoogleTest print texts readably when an expectation fails.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
