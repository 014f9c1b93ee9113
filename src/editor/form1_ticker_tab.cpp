#include "editor/form1.h"

#include "platform/label.h"
#include "platform/menu_item.h"

#include <QLineEdit>

void Form1::buildTickerTab(QWidget* page) {
    const auto row = [&](platform::Label*& label, QLineEdit*& field, int number, int top) {
        label = new platform::Label(tr("Ticker #%1").arg(number), page);
        placeOnPage(label, 240, top, 1692, 252);
        field = new QLineEdit(
            QStringLiteral("Ticker #%1's Text Goes Here...Or leave me Blank").arg(number), page);
        placeOnPage(field, 2160, top, 3972, 288);
    };
    row(Label1, Text1, 1, 840);
    row(Label2, Text2, 2, 1440);
    row(Label3, Text3, 3, 2040);
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Form1_Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form1::Form1_Text2_Change);
    connect(Text3, &QLineEdit::textChanged, this, &Form1::Form1_Text3_Change);
}

void Form1::Form1_Text1_Change() {
    mnuTicker->setChecked(true);
}
void Form1::Form1_Text2_Change() {
    mnuTicker->setChecked(true);
}
void Form1::Form1_Text3_Change() {
    mnuTicker->setChecked(true);
}
