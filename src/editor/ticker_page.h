#pragma once

#include "editor/page_context.h"

#include <QObject>

class QLineEdit;
namespace platform {
class Label;
}
namespace stationery {
struct StationerySettings;
}

// The Ticker tab: three texts that run through the status bar one after another.
class TickerPage : public QObject {
    Q_OBJECT
public:
    TickerPage(QWidget* page, PageContext context);
    void load(const stationery::StationerySettings& settings);

    // A ticker field's text changed.
    void textChanged(int number);

signals:
    void touched(); // the part was dealt with: the Items menu ticks it

private:
    PageContext context_;
    platform::Label* labels_[3] = {};
    QLineEdit* fields_[3] = {};
};
