#include "dialogs/check_window.h"

#include "platform/check_words.h"
#include "stationery/client_support.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// What today's mail clients do with the exports, a row a fact, each with its source.
QTableWidget* clientFactsTable(QWidget* parent) {
    const stationery::ClientSupport* facts[] = {
        &stationery::kBackgroundPictureSupport, &stationery::kCssScrollingSupport,
        &stationery::kScriptSupport, &stationery::kBackgroundSoundSupport};
    std::vector<const stationery::ClientSupport*> rows(std::begin(facts), std::end(facts));
    for (const stationery::ClientSupport& fact : stationery::kClientFacts)
        rows.push_back(&fact);
    auto* table = new QTableWidget(int(rows.size()), 4, parent);
    table->setObjectName(QStringLiteral("clientFactsTable"));
    table->setHorizontalHeaderLabels({CheckWindow::tr("What"), CheckWindow::tr("Shown by"),
                                      CheckWindow::tr("Elsewhere"),
                                      CheckWindow::tr("Source (read on)")});
    for (int row = 0; row < int(rows.size()); ++row) {
        const stationery::ClientSupport& fact = *rows[std::size_t(row)];
        const QString columns[] = {
            clientWords(fact.part),
            fact.shownBy.empty() ? CheckWindow::tr("none") : clientWords(fact.shownBy),
            clientWords(fact.elsewhere),
            clientWords(fact.source) + QStringLiteral(" (") +
                QLatin1StringView(fact.read.data(), qsizetype(fact.read.size())) +
                QLatin1Char(')')};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(columns[column]);
            item->setToolTip(columns[column]);
            table->setItem(row, column, item);
        }
    }
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(true);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setAccessibleName(CheckWindow::tr("What today's mail clients do with the exports"));
    return table;
}

} // namespace

CheckWindow::CheckWindow(QWidget* parent) : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(tr("Check"));
    setModal(false);
    list_->setWordWrap(true);
    list_->setSpacing(4);
    list_->setIconSize(QSize(32, 32));
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setAccessibleName(tr("What recipients will meet"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    auto* factsTitle = new QLabel(tr("What today's mail clients do with the exports:"), this);
    layout->addWidget(factsTitle);
    QTableWidget* facts = clientFactsTable(this);
    factsTitle->setBuddy(facts);
    layout->addWidget(facts, 1);
    resize(720, 560);
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
        const FindingWords words = findingWords(finding);
        auto* item = new QListWidgetItem(style()->standardIcon(icon),
                                         words.meaning + QLatin1Char('\n') + words.action);
        item->setToolTip(kind);
        item->setData(Qt::AccessibleDescriptionRole, kind);
        list_->addItem(item);
    }
}
