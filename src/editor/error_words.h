#pragma once

#include <QString>

#include <exception>

// A failure of the stationery core (a save, an open, an export) in words for the
// person at the window, translatable; any other error by its own message.
QString errorWords(const std::exception& error);
