#include "editor/error_words.h"

QString errorWords(const std::exception& error) {
    return QString::fromStdString(error.what());
}
