#pragma once

#include "editor/page_context.h"

#include <QObject>

class QLineEdit;
namespace platform {
class ImageBox;
class Label;
} // namespace platform
namespace stationery {
struct StationerySettings;
}

// The Margins tab: the picture's size, the text's margins, and the five arrows that
// choose the scroll direction.
class MarginsPage : public QObject {
    Q_OBJECT
public:
    MarginsPage(QWidget* page, PageContext context);
    void load(const stationery::StationerySettings& settings);

    // The size and margin fields take input only while a picture is chosen.
    void setSizeFieldsEnabled(bool enabled);

    // The arrows: Up and Down also make the left margin the picture's width, so the
    // text starts beside the column of pictures.
    void chooseScrollDirection(const QString& caption, bool copyWidthToLeftMargin);

signals:
    void touched();

private:
    PageContext context_;
    QLineEdit* width_ = nullptr;           // Text6
    QLineEdit* height_ = nullptr;          // Text7
    QLineEdit* top_ = nullptr;             // Text8
    QLineEdit* left_ = nullptr;            // Text9
    platform::Label* direction_ = nullptr; // Label13
};
