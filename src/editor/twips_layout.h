#pragma once

#include "platform/twips.h"

class QWidget;

// Places controls by the twips their design gives: on the window, inside a frame, or
// on a tab page, whose coordinates (as the tab control's) include the row of tabs.
class TwipsLayout {
public:
    TwipsLayout(platform::Twips twips, int tabStripHeight)
        : twips_(twips), tabStripHeight_(tabStripHeight) {}

    const platform::Twips& twips() const { return twips_; }
    void place(QWidget* widget, int left, int top, int width, int height) const;
    void placeOnPage(QWidget* widget, int left, int top, int width, int height) const;

private:
    platform::Twips twips_;
    int tabStripHeight_;
};
