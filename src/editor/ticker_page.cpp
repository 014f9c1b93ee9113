#include "editor/ticker_page.h"
#include "editor/typed_text.h"

#include "editor/stationery_document.h"
#include <QLabel>

#include <QGridLayout>
#include <QLineEdit>

namespace {

std::string& tickerOf(stationery::StationerySettings& s, int number) {
    return number == 1 ? s.TickerText1 : number == 2 ? s.TickerText2 : s.TickerText3;
}

} // namespace

TickerPage::TickerPage(QWidget* page, PageContext context)
    : EditorPage(page), context_(std::move(context)) {
    const char* const spoken[] = {QT_TR_NOOP("Ticker 1"), QT_TR_NOOP("Ticker 2"),
                                  QT_TR_NOOP("Ticker 3")};
    const char* const fieldSpoken[] = {QT_TR_NOOP("Ticker 1 text"), QT_TR_NOOP("Ticker 2 text"),
                                       QT_TR_NOOP("Ticker 3 text")};
    auto* rows = new QGridLayout(page);
    for (int i = 0; i < 3; ++i) {
        const int number = i + 1;
        labels_[i] = new QLabel(tr("Ticker #%1").arg(number), page);
        rows->addWidget(labels_[i], i, 0);
        labels_[i]->setObjectName(QStringLiteral("ticker%1Label").arg(number));
        labels_[i]->setAccessibleName(tr(spoken[i]));
        fields_[i] = new QLineEdit(
            QStringLiteral("Ticker #%1's Text Goes Here...Or leave me Blank").arg(number), page);
        rows->addWidget(fields_[i], i, 1);
        fields_[i]->setObjectName(QStringLiteral("ticker%1Edit").arg(number));
        fields_[i]->setAccessibleName(tr(fieldSpoken[i]));
        onTypedText(fields_[i], this, [this, number](const std::string&) { textChanged(number); });
    }
    rows->setColumnStretch(1, 1);
    rows->setRowStretch(3, 1);
}

void TickerPage::load(const stationery::StationerySettings& s) {
    const std::string* texts[] = {&s.TickerText1, &s.TickerText2, &s.TickerText3};
    for (int i = 0; i < 3; ++i) {
        const QString text = QString::fromStdString(*texts[i]);
        if (fields_[i]->text() != text)
            fields_[i]->setText(text);
    }
}

void TickerPage::textChanged(int number) {
    const std::string text = fields_[number - 1]->text().toStdString();
    const auto what =
        StationeryDocument::Edit(int(StationeryDocument::Edit::TickerText1) + number - 1);
    context_.document.edit(what,
                           [&](stationery::StationerySettings& s) { tickerOf(s, number) = text; });
    emit touched();
}
