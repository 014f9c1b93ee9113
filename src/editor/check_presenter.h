#pragma once

#include "stationery/check.h"

#include <QObject>
#include <QPointer>

class CheckWindow;
class StationeryDocument;
class QWidget;

// The Check window's side of the editor: it opens the window beside the editor and
// keeps its findings up to date with the document, measuring the files on disk and
// the colours of the picture the document holds decoded (once for each picture).
class CheckPresenter : public QObject {
    Q_OBJECT
public:
    CheckPresenter(const StationeryDocument& document, QWidget* editor);

    void show();
    CheckWindow* window() const;
    void refresh();

private:
    stationery::CheckFacts facts(const stationery::StationerySettings& settings);

    const StationeryDocument& document_;
    QWidget* editor_;
    QPointer<CheckWindow> window_;
    qint64 coloursKey_ = 0;
    stationery::PictureColours colours_;
};
