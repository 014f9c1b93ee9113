#include "platform/tab_control.h"

#include <QTabBar>

namespace platform {

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        const int before = previous_;
        previous_ = index;
        emit Click(before);
    });
}

int TabControl::tabStripHeight() const {
    return tabBar()->sizeHint().height();
}

} // namespace platform
