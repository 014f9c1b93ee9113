// Prints a stationery file for the end-to-end test: what an untouched editor window
// saves, or with "full" one with every section but the picture and sound.
#include "stationery/writer.h"

#include <cstdio>
#include <string_view>

int main(int argc, char* argv[]) {
    stationery::StationerySettings settings;
    if (argc > 1 && std::string_view(argv[1]) == "full") {
        settings.AuthorName = "Zoë";
        settings.Title = "Spring \"Notes\" --> Ω";
        settings.BackgroundColor = stationery::Rgb{255, 255, 204};
        settings.TextColor = stationery::Rgb{0, 0, 128};
        settings.FontName = "DejaVu Sans";
        settings.FontSize = 10.5f;
        settings.FontItalic = true;
        settings.Direction = stationery::ScrollDirection::Left;
        settings.ImageWidth = "120";
        settings.ImageHeight = "80";
        settings.LeftMargin = "12";
        settings.TopMargin = "8";
        settings.NoSound = 1;
        settings.TickerText1 = "Hello </script> \\ €";
        settings.TickerText2 = "";
    }
    const std::string file = stationery::StationeryWriter::render(settings);
    return std::fwrite(file.data(), 1, file.size(), stdout) == file.size() ? 0 : 1;
}
