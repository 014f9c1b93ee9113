#pragma once

#include "stationery/settings.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

class QPainter;

// A ready-made stationery: a background picture drawn in code, with colours, a font,
// margins and a scroll direction chosen to go with it and to stay readable on it.
struct Design {
    const char* name; // translated for showing
    const char* fileStem;
    QSize pictureSize;
    void (*draw)(QPainter& painter, QSize size);
    const char* textColor; // six hexadecimal digits, as the file carries them
    const char* backgroundColor;
    const char* fontName;
    float fontSize;
    bool bold;
    bool italic;
    int leftMargin;
    int topMargin;
    stationery::ScrollDirection direction;
};

const std::vector<Design>& designs();

// The design's picture as a JPEG file's bytes: the same bytes on every run.
QByteArray designPicture(const Design& design);
// What choosing the design sets; the picture and the sound are left to the caller.
void applyDesign(const Design& design, stationery::StationerySettings& settings);
// How the design looks: its picture tiled, under a line of sample text in its font
// and colour.
QImage designThumbnail(const Design& design, QSize size);
