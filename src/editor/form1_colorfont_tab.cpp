#include "editor/form1.h"

#include "platform/label.h"
#include "platform/menu_item.h"
#include "stationery/hex_color.h"

#include <QLineEdit>
#include <QPushButton>

void Form1::buildColorFontTab(QWidget* page) {
    Command1 = new QPushButton(tr("Text Color"), page);
    placeOnPage(Command1, 360, 600, 1692, 492);
    Command2 = new QPushButton(tr("BackGround Color"), page);
    placeOnPage(Command2, 360, 1800, 1692, 492);
    Command3 = new QPushButton(tr("Font"), page);
    placeOnPage(Command3, 360, 3120, 1692, 492);
    Label4 = new platform::Label(tr("Author"), page);
    placeOnPage(Label4, 2640, 480, 2892, 972);
    Text4 = new QLineEdit(QStringLiteral("Your Name"), page);
    placeOnPage(Text4, 2640, 1680, 2892, 288);
    Label5 = new platform::Label(tr("Title"), page);
    placeOnPage(Label5, 2640, 2160, 2892, 1092);
    Text5 = new QLineEdit(QStringLiteral("Title of Your Work"), page);
    placeOnPage(Text5, 2640, 3360, 2892, 288);
    for (platform::Label* preview : {Label4, Label5}) {
        preview->setFrameShape(QFrame::Panel);
        preview->setFrameShadow(QFrame::Sunken);
        preview->setAlignment(Qt::AlignCenter);
    }
    connect(Command1, &QPushButton::clicked, this, &Form1::Form1_Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Form1_Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Form1_Command3_Click);
}

void Form1::Form1_Command1_Click() {
    chooseColor(true);
}

void Form1::Form1_Command2_Click() {
    chooseColor(false);
}

void Form1::chooseColor(bool textColor) {
    if (!CommonDialog1.ShowColor())
        return; // cancelled: the colours stay as they were
    const qint32 color = CommonDialog1.Color;
    if (textColor) {
        Label4->setForeColor(color);
        Label5->setForeColor(color);
        Label4->Tag = QString::fromStdString(stationery::hexColor(Label4->ForeColor()));
    } else {
        Label4->setBackColor(color);
        Label5->setBackColor(color);
        Label5->Tag = QString::fromStdString(stationery::hexColor(Label5->BackColor()));
    }
    mnucolorfont->setChecked(true);
}

void Form1::Form1_Command3_Click() {
    CommonDialog1.Flags =
        platform::CommonDialog::ScreenFontsFlag | platform::CommonDialog::FontMustExistFlag;
    if (!CommonDialog1.ShowFont())
        return; // cancelled: the preview keeps its font
    showChosenFont();
    mnucolorfont->setChecked(true);
}

void Form1::showChosenFont() {
    for (platform::Label* preview : {Label4, Label5}) {
        QFont font = preview->font();
        font.setFamily(CommonDialog1.FontName);
        font.setPointSizeF(CommonDialog1.FontSize > 0 ? CommonDialog1.FontSize : 8.0);
        font.setBold(CommonDialog1.FontBold);
        font.setItalic(CommonDialog1.FontItalic);
        preview->setFont(font);
    }
}
