#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class QTimer;

namespace platform {
class ImageBox;
} // namespace platform

// Shows the chosen picture by itself, centred on black, in a maximised window: at
// its own size when it fits, scaled down when its longer side is longer than the
// window. Each time the window becomes active it loads and lays the picture out
// again; a click on the picture hides the window.
class PicturePreviewWindow : public QWidget {
    Q_OBJECT
public:
    // `chosenImagePath` names the picture to show at each layout; empty shows none.
    explicit PicturePreviewWindow(std::function<QString()> chosenImagePath,
                                  QWidget* parent = nullptr);
    ~PicturePreviewWindow() override;

    void load();
    void gotFocus();
    void fitAfterActivation();
    void pictureClicked();

    // Shows the busy pointer until the picture is laid out.
    void setBusy(bool busy);

    // The layout for a picture of `picture` pixels in a window of `window` outer
    // pixels: the picture's shown rectangle, in pixels, and whether it is stretched.
    struct Layout {
        double left;
        double top;
        double width;
        double height;
        bool stretched;
    };
    static Layout layout(double pictureWidth, double pictureHeight, double windowWidth,
                         double windowHeight);

protected:
    bool event(QEvent* event) override;

private:
    void prepareLayout();

    platform::ImageBox* picture_;
    QTimer* fitTimer_;

    std::function<QString()> chosenImagePath_;
};
