#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

#include <vector>

class QListWidget;

// Shows ready-made designs as thumbnails of how the stationery will look, the first
// one selected. Enter, a double-click or OK chooses the selected design.
class DesignsWindow : public QDialog {
    Q_OBJECT
public:
    struct Entry {
        QString name;
        QImage thumbnail;
    };
    explicit DesignsWindow(const std::vector<Entry>& entries, QWidget* parent = nullptr);

signals:
    void chosen(int index);

private:
    void choose();

    QListWidget* list_;
};
