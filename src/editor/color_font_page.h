#pragma once

#include "editor/editor_page.h"
#include "editor/page_context.h"

#include <QObject>

class QLineEdit;
class QPushButton;
namespace platform {
class CommonDialog;
class Label;
} // namespace platform
namespace stationery {
struct StationerySettings;
}

// The Color-Font tab: the text and background colours and the font, shown on the two
// sample labels, and the author and title. The chosen font is kept by the common
// dialog, as its dialog leaves it.
class ColorFontPage : public EditorPage {
    Q_OBJECT
public:
    ColorFontPage(QWidget* page, PageContext context, platform::CommonDialog& dialog);
    StationeryDocument::Parts shows() const override { return StationeryDocument::Part::ColorFont; }
    void load(const stationery::StationerySettings& settings) override;

    void chooseColor(bool textColor); // Command1 (text) and Command2 (background)
    void chooseFont();                // Command3

private:
    void showFont();
    void showColors(const stationery::StationerySettings& settings);

    PageContext context_;
    platform::CommonDialog& dialog_;
    platform::Label* author_ = nullptr; // Label4: its tag holds the text colour
    platform::Label* title_ = nullptr;  // Label5: its tag holds the background colour
    QLineEdit* authorField_ = nullptr;  // Text4
    QLineEdit* titleField_ = nullptr;   // Text5
};
