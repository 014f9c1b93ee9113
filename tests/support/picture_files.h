#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

// Picture files made on the spot, so the tests ship no binaries.
namespace picture_files {

// A picture with some detail in it (gradients and stripes), not a flat colour.
QImage detailed(int width, int height);
// `image` encoded as "jpeg", "bmp" or "gif" (the last by our own small encoder).
QByteArray encode(const QImage& image, const char* format);
void write(const QString& path, const QByteArray& bytes);
// A looping GIF of `frames` copies of `image`.
QByteArray animatedGif(const QImage& image, int frames);
QByteArray progressiveJpeg(const QImage& image);
// A JPEG of that size in a temporary folder, made once per test run: large pictures
// take a while to encode.
QString largeJpeg(int width, int height);

} // namespace picture_files
