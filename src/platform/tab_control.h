#pragma once

#include <QTabWidget>

namespace platform {

// Tabs in one row. Selecting a tab, by a click or by setting Tab in code, raises
// Click at once with the tab that was selected before.
class TabControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);

    int Tab() const { return currentIndex(); }
    void setTab(int index) { setCurrentIndex(index); }

    // Height of the row of tabs, above the pages.
    int tabStripHeight() const;

signals:
    void Click(int previousTab);

private:
    int previous_ = 0;
};

} // namespace platform
