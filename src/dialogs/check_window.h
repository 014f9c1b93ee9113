#pragma once

#include "stationery/check.h"

#include <QDialog>

#include <vector>

class QListWidget;

// "Check": what the people who receive mail on this stationery will meet, most
// serious first, each finding with an icon, what it means and what to do. It stays
// open beside the editor (not modal) and closes with Escape.
class CheckWindow : public QDialog {
    Q_OBJECT
public:
    explicit CheckWindow(QWidget* parent = nullptr);

    void showFindings(const std::vector<stationery::Finding>& findings);
    // The list as shown, one row a finding, for tests and tools.
    QListWidget* list() const { return list_; }

private:
    QListWidget* list_;
};
