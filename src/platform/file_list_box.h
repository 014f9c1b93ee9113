#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;

namespace platform {

// Lists the files of one folder whose names match the pattern ("*.jpg;*.gif;*.bmp":
// any of them, letter case ignored). Choosing a file with the mouse or the keyboard
// raises Click, also when it is the file already chosen.
class FileListBox : public QListView {
    Q_OBJECT
public:
    explicit FileListBox(const QString& pattern, QWidget* parent = nullptr);

    QString pattern() const { return pattern_; }
    QString path() const { return path_; }
    // Lists `path`; a folder that cannot be read lists no files.
    void setPath(const QString& path);
    // The chosen file's name, empty when none is chosen.
    QString fileName() const;
    int count() const;

    // Chooses the file at `row` as a click would, raising Click.
    void choose(int row);
    // Shows `fileName` as the chosen file without raising Click; clears the choice
    // when the folder lists no such file.
    void showChosen(const QString& fileName);

signals:
    void fileClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fill();

    QStringListModel* model_;
    QString pattern_;
    QStringList nameFilters_;
    QString path_;
};

} // namespace platform
