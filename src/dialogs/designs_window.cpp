#include "dialogs/designs_window.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

DesignsWindow::DesignsWindow(const std::vector<Entry>& entries, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(tr("Designs"));
    setObjectName(QStringLiteral("Designs"));
    list_->setObjectName(QStringLiteral("DesignList"));
    list_->setAccessibleName(tr("Designs"));
    list_->setViewMode(QListView::IconMode);
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    list_->setSpacing(6);
    if (!entries.empty())
        list_->setIconSize(entries.front().thumbnail.size());
    for (const Entry& entry : entries) {
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(entry.thumbnail)), entry.name);
        item->setData(Qt::AccessibleTextRole, entry.name);
        list_->addItem(item);
    }
    list_->setCurrentRow(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(4 * (list_->iconSize().width() + 24) + 40, 4 * (list_->iconSize().height() + 40) + 60);

    connect(list_, &QListWidget::itemActivated, this, &DesignsWindow::choose);
    connect(buttons, &QDialogButtonBox::accepted, this, &DesignsWindow::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void DesignsWindow::choose() {
    const int row = list_->currentRow();
    accept();
    if (row >= 0)
        emit chosen(row);
}
