#pragma once

class QWidget;

namespace platform {

// Converts between twips (1/1440 inch), the unit window sizes are given in, and
// device-independent pixels at the display's resolution: 15 twips a pixel at 96 dpi.
class Twips {
public:
    explicit Twips(double dotsPerInch = 96.0);
    static Twips forWidget(const QWidget* widget);

    double perPixel() const { return twipsPerPixel_; }
    int toPixels(double twips) const;
    double fromPixels(int pixels) const { return pixels * twipsPerPixel_; }

private:
    double twipsPerPixel_;
};

} // namespace platform
