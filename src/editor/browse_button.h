#pragma once

#include <QStandardPaths>
#include <QStringList>

#include <functional>

class QPushButton;
class QWidget;
namespace platform {
class DialogPrompter;
}

// "Browse…": the desktop's own file dialog, opening in the user's `place` (Pictures,
// Music) the first time and where the last choice was after that, for people who find
// files that way rather than through the lists.
QPushButton* makeBrowseButton(QWidget* parent, platform::DialogPrompter& dialogs,
                              QStandardPaths::StandardLocation place,
                              const QStringList& nameFilters,
                              std::function<void(const QString& file)> chosen);
