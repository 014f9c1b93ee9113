// Exports the pages the browser check loads: one folder per form and direction, each
// with the page and its picture beside it.
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
    s.ImagePath = picture.toStdString();
    s.ImageWidth = "300";
    s.ImageHeight = "200";
    s.TextColor = "000080";
    s.FontName = "DejaVu Sans";
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
        s.Direction = page.direction;
        stationery::exportStationery(
            out.filePath(QString::fromLatin1(page.folder) + QStringLiteral("/page.htm"))
                .toStdString(),
            s, page.form);
    }
    return 0;
}
