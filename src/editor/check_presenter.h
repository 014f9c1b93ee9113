#pragma once

#include "stationery/check.h"

#include <QObject>
#include <QPointer>

class CheckWindow;
class StationeryDocument;
class QWidget;
namespace platform {
class ImageBox;
}

// The Check window's side of the editor: it opens the window beside the editor and
// keeps its findings up to date with the document, measuring the files on disk and
// the colours of the preview already shown (once for each picture).
class CheckPresenter : public QObject {
    Q_OBJECT
public:
    CheckPresenter(const StationeryDocument& document, const platform::ImageBox& preview,
                   QWidget* editor);

    void show();
    CheckWindow* window() const;
    void refresh();

private:
    stationery::CheckFacts facts(const stationery::StationerySettings& settings);

    const StationeryDocument& document_;
    const platform::ImageBox& preview_;
    QWidget* editor_;
    QPointer<CheckWindow> window_;
    qint64 coloursKey_ = 0;
    stationery::PictureColours colours_;
};
