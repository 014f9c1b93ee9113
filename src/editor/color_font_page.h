#pragma once

#include "editor/editor_page.h"
#include "editor/page_context.h"

#include <QFont>

class QLabel;
class QLineEdit;
namespace platform {
class DialogPrompter;
}
namespace stationery {
struct StationerySettings;
}

// The Color-Font tab: the text and background colours and the font, shown on the two
// sample labels, and the author and title.
class ColorFontPage : public EditorPage {
    Q_OBJECT
public:
    ColorFontPage(QWidget* page, PageContext context, platform::DialogPrompter& dialogs);
    StationeryDocument::Parts shows() const override { return StationeryDocument::Part::ColorFont; }
    void load(const stationery::StationerySettings& settings) override;

    // The colour dialog opens at the colour being chosen, the font dialog at the font.
    void chooseColor(bool textColor); // the text colour, else the background colour
    void chooseFont();

private:
    static QFont fontOf(const stationery::StationerySettings& settings);

    PageContext context_;
    platform::DialogPrompter& dialogs_;
    QLabel* author_ = nullptr; // samples of the author and title in the chosen look
    QLabel* title_ = nullptr;
    QLineEdit* authorField_ = nullptr;
    QLineEdit* titleField_ = nullptr;
};
