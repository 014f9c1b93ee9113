#include "stationery/writer.h"

namespace stationery {

namespace {

std::string_view writtenSound(const StationerySettings& settings) {
    return settings.sound ? std::string_view(*settings.sound) : StationeryWriter::kNoSoundChosen;
}

} // namespace

void StationeryWriter::writeBackgroundSound(StationeryOutput& out,
                                            const StationerySettings& settings) {
    out.blankLine();
    if (settings.noSound)
        return;

    if (!settings.soundAsHiddenPicture) {
        out.text("<BGSOUND balance=0 loop=infinite src=\"").attribute(writtenSound(settings));
        out.line("\"volume=0>");
        out.blankLine();
        return;
    }

    // Outlook Express 4 plays a background sound only when a script hands it the
    // source, so a hidden image carries the file name.
    out.text("<IMG height=10 id=music src=\"").attribute(writtenSound(settings));
    out.line("\"style=\"DISPLAY: none\"  width=10 >");
    out.line("<BGSOUND id=sound src=\"\"'+' loop=\"infinite\">");
    out.blankLine();
    out.line("<SCRIPT language=VBScript>");
    out.blankLine();
    out.line("sound.src=music.src");
    out.blankLine();
    out.line("</SCRIPT>");
    out.blankLine();
    out.blankLine();
}

} // namespace stationery
