#include "platform/picture_colours.h"

#include <array>

namespace platform {

namespace {

// Sums of the pixels that fall into one luminance bin.
struct Bin {
    qint64 count = 0, red = 0, green = 0, blue = 0;
    void add(QRgb p) {
        ++count;
        red += qRed(p), green += qGreen(p), blue += qBlue(p);
    }
    stationery::Rgb average() const {
        if (count == 0)
            return {};
        return {static_cast<std::uint8_t>(red / count), static_cast<std::uint8_t>(green / count),
                static_cast<std::uint8_t>(blue / count)};
    }
};

} // namespace

stationery::PictureColours pictureColours(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    // Pixels are sorted into bins by luminance (the relative luminance of their
    // colour, on a fine scale); the bins that hold the 10th and 90th percentiles give
    // the dark and light tenth's colours.
    constexpr int kBins = 1024;
    static const std::array<double, 256> linear = [] {
        std::array<double, 256> table{};
        for (int c = 0; c < 256; ++c)
            table[c] = stationery::relativeLuminance({std::uint8_t(c), 0, 0}) / 0.2126;
        return table;
    }();
    std::array<Bin, kBins> bins{};
    Bin all;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const double luminance =
                0.2126 * linear[qRed(p)] + 0.7152 * linear[qGreen(p)] + 0.0722 * linear[qBlue(p)];
            bins[std::min(kBins - 1, int(luminance * kBins))].add(p);
            all.add(p);
        }
    }
    const auto percentile = [&](double fraction) {
        const qint64 wanted = qint64(fraction * double(all.count));
        qint64 seen = 0;
        for (const Bin& bin : bins) {
            seen += bin.count;
            if (bin.count > 0 && seen > wanted)
                return bin.average();
        }
        return all.average();
    };
    if (all.count == 0)
        return {};
    return {all.average(), percentile(0.1), percentile(0.9)};
}

} // namespace platform
