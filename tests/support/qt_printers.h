#pragma once

#include <QFileInfo>
#include <QString>
#include <QUrl>

#include <ostream>

// Failed comparisons of texts, addresses and files show them, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QUrl& url, std::ostream* out) {
    *out << '<' << url.toString().toStdString() << '>';
}

inline void PrintTo(const QFileInfo& file, std::ostream* out) {
    *out << "file \"" << file.filePath().toStdString() << '"';
}
