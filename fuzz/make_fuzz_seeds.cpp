// Writes the fuzzers' seed corpora: small valid pictures, sounds and records.
//   make_fuzz_seeds OUTPUT_FOLDER
#include "picture_files.h"
#include "sound_files.h"
#include "stationery/writer.h"

#include <QDir>
#include <QGuiApplication>

int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const char* folder :
         {"picture_loader", "sound_open", "writer", "reader", "server_answers"})
        out.mkpath(QLatin1String(folder));

    const QImage picture = picture_files::detailed(24, 16);
    picture_files::write(out.filePath(QStringLiteral("picture_loader/small.jpg")),
                         picture_files::encode(picture, "jpeg"));
    picture_files::write(out.filePath(QStringLiteral("picture_loader/small.bmp")),
                         picture_files::encode(picture, "bmp"));
    picture_files::write(out.filePath(QStringLiteral("picture_loader/small.gif")),
                         picture_files::encode(picture, "gif"));
    picture_files::write(out.filePath(QStringLiteral("picture_loader/small.png")),
                         picture_files::encode(picture, "png"));
    // The headers of kinds the loader names but does not read.
    picture_files::write(out.filePath(QStringLiteral("picture_loader/start.heic")),
                         QByteArray("\0\0\0\x18"
                                    "ftypheic\0\0\0\0mif1heic",
                                    24));
    picture_files::write(out.filePath(QStringLiteral("picture_loader/start.webp")),
                         QByteArray("RIFF\x24\0\0\0WEBPVP8 \x18\0\0\0", 20));
    picture_files::write(out.filePath(QStringLiteral("server_answers/list")),
                         QByteArray("* LIST (\\HasNoChildren \\Drafts) \"/\" \"Entw&APw-rfe\"\r\n"
                                    "* LIST () NIL INBOX\r\nA5 OK [APPENDUID 17 4] done\r\n"
                                    "A6 NO \x1b[31m<b>Quota</b>\x07\r\n"));
    picture_files::write(
        out.filePath(QStringLiteral("picture_loader/eight-bit.bmp")),
        picture_files::encode(picture.convertToFormat(QImage::Format_Indexed8), "bmp"));

    picture_files::write(out.filePath(QStringLiteral("sound_open/tone.wav")),
                         sound_files::sineWav(0.02));
    picture_files::write(out.filePath(QStringLiteral("sound_open/note.mid")),
                         sound_files::oneNoteMidi(0.1));
    // The start of an MPEG audio stream: an ID3 tag and one frame header.
    picture_files::write(out.filePath(QStringLiteral("sound_open/start.mp3")),
                         QByteArray("ID3\x03\x00\x00\x00\x00\x00\x00", 10) +
                             QByteArray("\xFF\xFB\x90\x64", 4) + QByteArray(413, '\0'));

    picture_files::write(out.filePath(QStringLiteral("writer/plain")), QByteArray("\x01\x02"
                                                                                  "Ann\x00Title",
                                                                                  12));
    picture_files::write(
        out.filePath(QStringLiteral("writer/quotes")),
        QByteArray("\x01\x05Say \"hi\" C:\\new </script> caf\xC3\xA9 \xF0\x9F\x98\x80"));

    // Whole stationery files, untouched and with every section.
    stationery::StationerySettings full;
    full.picture = "C:\\Pics\\Tom&copy.jpg";
    full.backgroundColor = stationery::Rgb{255, 255, 204};
    full.direction = stationery::ScrollDirection::Up;
    full.soundAsHiddenPicture = 1;
    full.tickers[0] = "Say \"hi\" </script> \xE2\x82\xAC \xF0\x9F\x98\x80";
    for (const auto& [name, settings] :
         {std::pair{"reader/untouched.htm", stationery::StationerySettings{}},
          std::pair{"reader/full.htm", full}}) {
        const std::string bytes = stationery::StationeryWriter::render(settings);
        picture_files::write(out.filePath(QString::fromLatin1(name)),
                             QByteArray(bytes.data(), qsizetype(bytes.size())));
    }
    return 0;
}
