#include "editor/browse_button.h"

#include "platform/dialog_prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

#include <memory>

QPushButton* makeBrowseButton(QWidget* parent, platform::DialogPrompter& dialogs,
                              QStandardPaths::StandardLocation place,
                              const QStringList& nameFilters,
                              std::function<void(const QString& file)> chosen) {
    auto* button = new QPushButton(QObject::tr("Browse..."), parent);
    auto lastFolder = std::make_shared<QString>();
    QObject::connect(button, &QPushButton::clicked, parent, [=, &dialogs] {
        QString folder = *lastFolder;
        if (folder.isEmpty()) {
            folder = QStandardPaths::writableLocation(place);
            if (!QFileInfo(folder).isDir())
                folder = QDir::homePath();
        }
        if (const std::optional<QString> file = dialogs.openFileName(parent, folder, nameFilters)) {
            *lastFolder = QFileInfo(*file).absolutePath();
            chosen(*file);
        }
    });
    return button;
}
