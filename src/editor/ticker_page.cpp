#include "editor/ticker_page.h"
#include "editor/typed_text.h"
#include "stationery/window_texts.h"

#include "editor/stationery_document.h"
#include <QLabel>

#include <QGridLayout>
#include <QLineEdit>

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
        fields_[i] =
            new QLineEdit(shownText({}, stationery::kTickerPlaceholders[std::size_t(i)]), page);
        rows->addWidget(fields_[i], i, 1);
        fields_[i]->setObjectName(QStringLiteral("ticker%1Edit").arg(number));
        fields_[i]->setAccessibleName(tr(fieldSpoken[i]));
        onTypedText(fields_[i], this, [this, number](const std::string&) { textChanged(number); });
    }
    rows->setColumnStretch(1, 1);
    rows->setRowStretch(3, 1);
}

void TickerPage::load(const stationery::StationerySettings& s) {
    for (std::size_t i = 0; i < s.tickers.size(); ++i)
        showText(fields_[i], shownText(s.tickers[i], stationery::kTickerPlaceholders[i]));
}

void TickerPage::textChanged(int number) {
    const std::string text = fields_[number - 1]->text().toStdString();
    const auto what =
        StationeryDocument::Edit(int(StationeryDocument::Edit::TickerText1) + number - 1);
    const auto index = std::size_t(number - 1);
    context_.document.edit(what, [&](stationery::StationerySettings& s) {
        s.tickers[index] = givenText(text, stationery::kTickerPlaceholders[index]);
    });
    emit touched();
}
