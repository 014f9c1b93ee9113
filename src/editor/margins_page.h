#pragma once

#include "editor/editor_page.h"
#include "editor/page_context.h"
#include "stationery/settings.h"

#include <QObject>

class QLineEdit;
class QLabel;
namespace platform {
class ImageBox;
} // namespace platform
namespace stationery {
struct StationerySettings;
}

// The Margins tab: the picture's size, the text's margins, and the five arrows that
// choose the scroll direction.
class MarginsPage : public EditorPage {
    Q_OBJECT
public:
    MarginsPage(QWidget* page, PageContext context);
    StationeryDocument::Parts shows() const override {
        return StationeryDocument::Part::Picture | StationeryDocument::Part::Margins;
    }
    void load(const stationery::StationerySettings& settings) override;

    // The size and margin fields take input only while a picture is chosen; that is
    // looked at whenever the current tab changes.
    void setCurrent(bool current) override;

    // The arrows: Up and Down also make the left margin the picture's width, so the
    // text starts beside the column of pictures.
    void chooseScrollDirection(stationery::ScrollDirection direction, bool copyWidthToLeftMargin);

private:
    PageContext context_;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QLineEdit* top_ = nullptr;
    QLineEdit* left_ = nullptr;
    QLabel* direction_ = nullptr; // shows the scroll direction
    bool noScrollPressed_ = false;
};
