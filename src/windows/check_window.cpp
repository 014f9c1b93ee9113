#include "windows/check_window.h"

#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

CheckWindow::CheckWindow(QWidget* parent) : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(tr("Check"));
    setModal(false);
    list_->setWordWrap(true);
    list_->setSpacing(4);
    list_->setIconSize(QSize(32, 32));
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setAccessibleName(tr("What recipients will meet"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    resize(520, 360);
}

void CheckWindow::showFindings(const std::vector<stationery::Finding>& findings) {
    list_->clear();
    if (findings.empty()) {
        list_->addItem(new QListWidgetItem(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                           tr("Nothing to worry about")));
        return;
    }
    for (const stationery::Finding& finding : findings) {
        QStyle::StandardPixmap icon = QStyle::SP_MessageBoxInformation;
        QString kind = tr("Note");
        if (finding.severity == stationery::Severity::Problem)
            icon = QStyle::SP_MessageBoxCritical, kind = tr("Problem");
        else if (finding.severity == stationery::Severity::Advice)
            icon = QStyle::SP_MessageBoxWarning, kind = tr("Advice");
        auto* item =
            new QListWidgetItem(style()->standardIcon(icon),
                                QString::fromStdString(finding.meaning) + QLatin1Char('\n') +
                                    QString::fromStdString(finding.action));
        item->setToolTip(kind);
        item->setData(Qt::AccessibleDescriptionRole, kind);
        list_->addItem(item);
    }
}
