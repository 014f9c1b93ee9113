#include "editor/editor_page.h"

#include <QWidget>

EditorPage::EditorPage(QWidget* tab) : QObject(tab) {}

void EditorPage::setCurrent(bool) {}
