#pragma once

#include "editor/stationery_document.h"

#include <QObject>

class QWidget;

// One tab of the editor window: it shows its parts of the document, loaded again
// whenever they change, and makes its own edits.
class EditorPage : public QObject {
    Q_OBJECT
public:
    explicit EditorPage(QWidget* tab);

    // The parts of the document this page shows.
    virtual StationeryDocument::Parts shows() const = 0;
    virtual void load(const stationery::StationerySettings& settings) = 0;
    // Another tab or this one became the current one; `current` says which.
    virtual void setCurrent(bool current);

signals:
    // The part was dealt with (true), or is untouched again (false): the Items mark.
    void touched(bool dealtWith = true);
};
