#pragma once

#include <QString>

class StationeryDocument;

// What a file made from the stationery is called when nobody has named it yet: the
// opened file's name, else its title, else "Stationery"; without an extension, and safe
// as a file name on every system (no folder separators, no characters Windows refuses).
QString stationeryName(const StationeryDocument& document);
