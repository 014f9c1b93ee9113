// Exports the pages the browser check loads: one folder per form and direction, each
// with the page and its picture beside it; and two message templates.
//   export_samples OUTPUT_FOLDER
#include "picture_files.h"
#include "stationery/export.h"

#include <QDir>
#include <QGuiApplication>

int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("source"));
    const QString picture = out.filePath(QStringLiteral("source/sky & sea #1.jpg"));
    picture_files::write(picture, picture_files::encode(picture_files::detailed(300, 200), "jpeg"));

    stationery::StationerySettings s;
    s.picture = picture.toStdString();
    s.pictureWidth = 300;
    s.pictureHeight = 200;
    s.textColor = stationery::Rgb{0, 0, 128};
    s.fontName = "DejaVu Sans";
    s.leftMargin = 25;
    s.backgroundColor = stationery::Rgb{255, 255, 224};
    const struct {
        const char* folder;
        stationery::ScrollDirection direction;
        stationery::ExportForm form;
    } pages[] = {
        {"today-up", stationery::ScrollDirection::Up, stationery::ExportForm::TodaysClients},
        {"today-down", stationery::ScrollDirection::Down, stationery::ExportForm::TodaysClients},
        {"today-left", stationery::ScrollDirection::Left, stationery::ExportForm::TodaysClients},
        {"today-right", stationery::ScrollDirection::Right, stationery::ExportForm::TodaysClients},
        {"today-still", stationery::ScrollDirection::NoScroll,
         stationery::ExportForm::TodaysClients},
        {"classic", stationery::ScrollDirection::Up, stationery::ExportForm::Classic},
    };
    for (const auto& page : pages) {
        out.mkpath(QString::fromLatin1(page.folder));
        s.direction = page.direction;
        stationery::exportStationery(
            out.filePath(QString::fromLatin1(page.folder) + QStringLiteral("/page.htm"))
                .toStdString(),
            s, page.form);
    }

    // Message templates: one with a picture and texts that try to break out of their
    // places, one with no picture at all.
    s.direction = stationery::ScrollDirection::Up;
    s.title = "</title><script>alert(1)</script> Caf\u00E9";
    s.author = "\"><img src=x onerror=alert(1)>";
    s.fontName = "Sans\f; background: url(http://127.0.0.1:9/pixel.gif)";
    s.sound = out.filePath(QStringLiteral("source/chime.wav")).toStdString();
    out.mkpath(QStringLiteral("message"));
    stationery::exportStationery(out.filePath(QStringLiteral("message/page.eml")).toStdString(), s,
                                 stationery::ExportForm::Message);
    s.picture = std::nullopt;
    out.mkpath(QStringLiteral("message-plain"));
    stationery::exportStationery(
        out.filePath(QStringLiteral("message-plain/page.eml")).toStdString(), s,
        stationery::ExportForm::Message);
    return 0;
}
