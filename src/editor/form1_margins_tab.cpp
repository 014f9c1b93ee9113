#include "editor/form1.h"

#include "platform/image_box.h"
#include "platform/label.h"
#include "platform/menu_item.h"
#include "windows/artwork.h"

#include <QLineEdit>

void Form1::buildMarginsTab(QWidget* page) {
    const auto row = [&](platform::Label*& label, QLineEdit*& field, const char* caption, int top) {
        label = new platform::Label(tr(caption), page);
        placeOnPage(label, 240, top, 1572, 252);
        field = new QLineEdit(QStringLiteral("0"), page);
        placeOnPage(field, 2160, top, 1692, 288);
    };
    row(Label6, Text6, QT_TR_NOOP("Image Width"), 840);
    row(Label7, Text7, QT_TR_NOOP("Image Height"), 1320);
    row(Label8, Text8, QT_TR_NOOP("Text Top Margin"), 1800);
    row(Label9, Text9, QT_TR_NOOP("Text Left Margin"), 2280);

    Label13 = new platform::Label(QStringLiteral("Scroll Direction"), page);
    Label13->setAlignment(Qt::AlignCenter);
    placeOnPage(Label13, 4140, 600, 1824, 252);

    // Five buttons laid out as a cross, 360 twips from one position to the next.
    constexpr int centreLeft = 4860;
    constexpr int centreTop = 1440;
    constexpr int step = 360;
    struct Button {
        platform::ImageBox*& box;
        const char* tip;
        int left;
        int top;
        artwork::Arrow arrow;
        void (Form1::*handler)();
    };
    const Button buttons[] = {
        {Image3, QT_TR_NOOP("Up"), centreLeft, centreTop - step, artwork::Arrow::Up,
         &Form1::Form1_Image3_Click},
        {Image4, QT_TR_NOOP("Left"), centreLeft - step, centreTop, artwork::Arrow::Left,
         &Form1::Form1_Image4_Click},
        {Image5, QT_TR_NOOP("Down"), centreLeft, centreTop + step, artwork::Arrow::Down,
         &Form1::Form1_Image5_Click},
        {Image6, QT_TR_NOOP("Right"), centreLeft + step, centreTop, artwork::Arrow::Right,
         &Form1::Form1_Image6_Click},
        {Image7, QT_TR_NOOP("No Scroll"), centreLeft, centreTop, artwork::Arrow::None,
         &Form1::Form1_Image7_Click},
    };
    for (const Button& b : buttons) {
        b.box = new platform::ImageBox(page);
        b.box->setStretch(true);
        placeOnPage(b.box, b.left, b.top, 384, 384);
        b.box->setPicture(artwork::directionArrow(b.arrow, b.box->size()));
        b.box->setToolTip(tr(b.tip));
        b.box->setCursor(Qt::PointingHandCursor);
        connect(b.box, &platform::ImageBox::Click, this, b.handler);
    }
}

void Form1::chooseScrollDirection(const QString& caption, bool copyWidthToLeftMargin) {
    Label13->setCaption(caption);
    mnuMargins->setChecked(true);
    // Tiled in one column, the image is as wide as the text's left margin should be.
    if (copyWidthToLeftMargin && Text6->isEnabled())
        Text9->setText(Text6->text());
}

void Form1::Form1_Image3_Click() {
    chooseScrollDirection(QStringLiteral("Up"), true);
}
void Form1::Form1_Image4_Click() {
    chooseScrollDirection(QStringLiteral("Left"), false);
}
void Form1::Form1_Image5_Click() {
    chooseScrollDirection(QStringLiteral("Down"), true);
}
void Form1::Form1_Image6_Click() {
    chooseScrollDirection(QStringLiteral("Right"), false);
}
void Form1::Form1_Image7_Click() {
    chooseScrollDirection(QStringLiteral("No Scroll"), false);
}
