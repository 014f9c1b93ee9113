#pragma once

#include "editor/editor_page.h"
#include "editor/page_context.h"

#include <QObject>

class QLineEdit;
class QLabel;
namespace stationery {
struct StationerySettings;
}

// The Ticker tab: three texts that run through the status bar one after another.
class TickerPage : public EditorPage {
    Q_OBJECT
public:
    TickerPage(QWidget* page, PageContext context);
    StationeryDocument::Parts shows() const override { return StationeryDocument::Part::Ticker; }
    void load(const stationery::StationerySettings& settings) override;

    // A ticker field's text changed.
    void textChanged(int number);

private:
    PageContext context_;
    QLabel* labels_[3] = {};
    QLineEdit* fields_[3] = {};
};
