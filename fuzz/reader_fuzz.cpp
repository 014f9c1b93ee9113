// The reader on arbitrary bytes: it either refuses them with a ReadError or returns a
// record, and a record it returns survives a save and a second open unchanged, unless
// the saved Windows-1252 bytes happen to be valid UTF-8, which a file saved again by a
// text editor is taken for.
#include "stationery/reader.h"
#include "stationery/text_decoding.h"
#include "stationery/writer.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace stationery;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StationerySettings settings;
    try {
        settings =
            StationeryReader::read(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const ReadError&) {
        return 0;
    }
    const std::string saved = StationeryWriter::render(settings);
    if (saved.find('\0') == std::string::npos && !looksLikeUtf8(saved) &&
        StationeryWriter::render(StationeryReader::read(saved)) != saved)
        std::abort();
    return 0;
}
