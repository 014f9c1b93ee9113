// Prints a stationery file for the end-to-end test: what an untouched editor window
// saves, or with "full" one with every section but the picture and sound.
#include "stationery/writer.h"

#include <cstdio>
#include <string_view>

int main(int argc, char* argv[]) {
    stationery::StationerySettings settings;
    if (argc > 1 && std::string_view(argv[1]) == "full") {
        settings.author = "Zoë";
        settings.title = "Spring \"Notes\" --> Ω";
        settings.backgroundColor = stationery::Rgb{255, 255, 204};
        settings.textColor = stationery::Rgb{0, 0, 128};
        settings.fontName = "DejaVu Sans";
        settings.fontSize = 10.5f;
        settings.italic = true;
        settings.direction = stationery::ScrollDirection::Left;
        settings.pictureWidth = 120;
        settings.pictureHeight = 80;
        settings.leftMargin = 12;
        settings.topMargin = 8;
        settings.noSound = 1;
        settings.tickers[0] = "Hello </script> \\ €";
        settings.tickers[1] = "";
    }
    const std::string file = stationery::StationeryWriter::render(settings);
    return std::fwrite(file.data(), 1, file.size(), stdout) == file.size() ? 0 : 1;
}
