#include "editor/first_shown.h"

#include <QEvent>
#include <QWidget>

namespace {

class FirstShowWatcher : public QObject {
public:
    FirstShowWatcher(QWidget* widget, std::function<void()> work)
        : QObject(widget), work_(std::move(work)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            work_();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> work_;
};

} // namespace

void whenFirstShown(QWidget* widget, std::function<void()> work) {
    if (widget->isVisible())
        work();
    else
        new FirstShowWatcher(widget, std::move(work));
}
