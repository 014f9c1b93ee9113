#include "stationery/writer.h"

#include "stationery/atomic_file.h"

namespace stationery {

std::string StationeryWriter::render(const StationerySettings& settings) {
    StationeryOutput out;
    writeHeadAndBodyStyle(out, settings);
    writeScrollingScript(out, settings);
    writeBackgroundSound(out, settings);
    writeTickerScript(out, settings);
    return out.take();
}

void StationeryWriter::save(const std::filesystem::path& path, const StationerySettings& settings) {
    try {
        replaceFileContents(path, render(settings));
    } catch (const FileWriteError& error) {
        throw SaveError(path, error.reason());
    }
}

} // namespace stationery
