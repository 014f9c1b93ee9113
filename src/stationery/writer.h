#pragma once

#include "stationery/errors.h"
#include "stationery/output.h"
#include "stationery/settings.h"

#include <filesystem>
#include <stdexcept>
#include <string>

namespace stationery {

// Turns a settings record into the stationery file: the head and body style, the
// scrolling background script, the background sound and the status-bar ticker, in
// that order.
class StationeryWriter {
public:
    // What the file names as its sound when none is chosen and "No Sound" is not ticked.
    static constexpr std::string_view kNoSoundChosen = "null";

    static void writeHeadAndBodyStyle(StationeryOutput& out, const StationerySettings& settings);
    static void writeScrollingScript(StationeryOutput& out, const StationerySettings& settings);
    static void writeBackgroundSound(StationeryOutput& out, const StationerySettings& settings);
    static void writeTickerScript(StationeryOutput& out, const StationerySettings& settings);

    // The whole file, byte for byte.
    static std::string render(const StationerySettings& settings);

    // Writes render(settings) as the file at `path`, replacing it whole or not at all.
    static void save(const std::filesystem::path& path, const StationerySettings& settings);

    // A point size as CSS needs it: "." as separator, no decimals for whole sizes.
    static std::string formatFontSize(float size);
};

} // namespace stationery
