#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <string_view>

// A failure of the stationery core (a save, an open, an export) in words for the
// person at the window, translatable; any other error by its own message.
QString errorWords(const std::exception& error);

// A writer of pieces whose failures are thrown again as std::runtime_error in those
// words, for a message written where the core's failures are not known (an upload).
using PieceWriter = std::function<void(const std::function<void(std::string_view)>& take)>;
PieceWriter withFailuresInWords(PieceWriter produce);
