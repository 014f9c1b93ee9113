#include "platform/file_list_box.h"

#include "platform/folder_scan.h"

#include <QKeyEvent>
#include <QStringListModel>

namespace platform {

FileListBox::FileListBox(const QString& pattern, QWidget* parent)
    : QListView(parent), model_(new QStringListModel(this)) {
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true); // lets huge folders list quickly
    pattern_ = pattern;
    nameFilters_ = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    connect(this, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit fileClicked();
    });
}

void FileListBox::setPath(const QString& path) {
    path_ = path;
    fill();
}

QString FileListBox::fileName() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isSelected(current))
        return QString();
    return current.data().toString();
}

int FileListBox::count() const {
    return model_->rowCount();
}

void FileListBox::choose(int row) {
    const QModelIndex index = model_->index(row);
    setCurrentIndex(index);
    if (index.isValid())
        emit fileClicked();
}

void FileListBox::showChosen(const QString& fileName) {
    const qsizetype row = model_->stringList().indexOf(fileName);
    if (row < 0) {
        clearSelection();
        setCurrentIndex(QModelIndex());
        return;
    }
    setCurrentIndex(model_->index(int(row)));
    scrollTo(currentIndex());
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    const QModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    if (currentIndex() != before && currentIndex().isValid())
        emit fileClicked();
}

void FileListBox::fill() {
    model_->setStringList(path_.isEmpty() ? QStringList()
                                          : listFolder(path_, FolderEntries::Files, nameFilters_));
}

} // namespace platform
