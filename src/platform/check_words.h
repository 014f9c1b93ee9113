#pragma once

#include "stationery/check.h"

#include <QString>

#include <cstdint>
#include <string_view>

// Check's findings and facts in the reader's language.
struct FindingWords {
    QString meaning; // what recipients will meet
    QString action;  // what to do about it
};
FindingWords findingWords(const stationery::Finding& finding);

// "640 KB", "1.2 MB": a size in plain units, with the locale's decimal point.
QString plainSize(std::uintmax_t bytes);

// A text of the table of what mail clients do, translated.
QString clientWords(std::string_view english);
