#include "editor/margins_page.h"
#include "editor/typed_text.h"

#include "dialogs/artwork.h"
#include "editor/em_size.h"
#include "editor/first_shown.h"
#include "editor/stationery_document.h"
#include "platform/image_box.h"
#include <QLabel>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kMostPixels = 99999;

// Shows `pixels` unless the field means that already (an empty field while typing is 0).
void showNumber(QLineEdit* field, int pixels) {
    if (stationery::wholePixels(field->text().toStdString()).value_or(0) != pixels)
        field->setText(QString::number(pixels));
}

} // namespace

MarginsPage::MarginsPage(QWidget* page, PageContext context)
    : EditorPage(page), context_(std::move(context)) {
    auto* fields = new QGridLayout;
    using Settings = stationery::StationerySettings;
    const struct {
        QLineEdit*& field;
        const char* caption;
        const char* name;
        const char* spoken;
        int Settings::*value;
    } rows[] = {
        {width_, QT_TR_NOOP("Image Width"), "pictureWidth", QT_TR_NOOP("Image width in pixels"),
         &Settings::pictureWidth},
        {height_, QT_TR_NOOP("Image Height"), "pictureHeight", QT_TR_NOOP("Image height in pixels"),
         &Settings::pictureHeight},
        {top_, QT_TR_NOOP("Text Top Margin"), "topMargin", QT_TR_NOOP("Text top margin in pixels"),
         &Settings::topMargin},
        {left_, QT_TR_NOOP("Text Left Margin"), "leftMargin",
         QT_TR_NOOP("Text left margin in pixels"), &Settings::leftMargin},
    };
    int line = 0;
    for (const auto& row : rows) {
        auto* label = new QLabel(tr(row.caption), page);
        fields->addWidget(label, line, 0);
        label->setObjectName(QLatin1String(row.name) + QStringLiteral("Label"));
        label->setAccessibleName(tr(row.caption));
        row.field = new QLineEdit(QStringLiteral("0"), page);
        // Whole pixels only; a field left empty while typing counts as 0.
        row.field->setValidator(new QIntValidator(0, kMostPixels, row.field));
        fields->addWidget(row.field, line++, 1);
        row.field->setObjectName(QLatin1String(row.name) + QStringLiteral("Edit"));
        row.field->setAccessibleName(tr(row.spoken));
        using Edit = StationeryDocument::Edit;
        const auto what = row.value == &Settings::leftMargin     ? Edit::LeftMargin
                          : row.value == &Settings::topMargin    ? Edit::TopMargin
                          : row.value == &Settings::pictureWidth ? Edit::PictureWidth
                                                                 : Edit::PictureHeight;
        onTypedText(row.field, this, [this, what, value = row.value](const std::string& text) {
            const int pixels = stationery::wholePixels(text).value_or(0);
            context_.document.edit(what, [&](Settings& s) { s.*value = pixels; });
        });
    }
    fields->setRowStretch(line, 1);

    direction_ = new QLabel(QStringLiteral("Scroll Direction"), page);
    direction_->setAlignment(Qt::AlignCenter);
    direction_->setObjectName(QStringLiteral("scrollDirectionLabel"));
    direction_->setAccessibleName(tr("Scroll direction"));

    // Five arrows laid out as a cross under the direction.
    auto* cross = new QGridLayout;
    cross->setSpacing(0);
    const struct {
        const char* name;
        const char* caption;
        const char* spoken;
        int row, column;
        artwork::Arrow arrow;
        stationery::ScrollDirection direction;
        bool copiesWidth;
    } arrows[] = {
        {"scrollUpButton", QT_TR_NOOP("Up"), QT_TR_NOOP("Scroll up"), 0, 1, artwork::Arrow::Up,
         stationery::ScrollDirection::Up, true},
        {"scrollLeftButton", QT_TR_NOOP("Left"), QT_TR_NOOP("Scroll left"), 1, 0,
         artwork::Arrow::Left, stationery::ScrollDirection::Left, false},
        {"scrollDownButton", QT_TR_NOOP("Down"), QT_TR_NOOP("Scroll down"), 2, 1,
         artwork::Arrow::Down, stationery::ScrollDirection::Down, true},
        {"scrollRightButton", QT_TR_NOOP("Right"), QT_TR_NOOP("Scroll right"), 1, 2,
         artwork::Arrow::Right, stationery::ScrollDirection::Right, false},
        {"noScrollButton", QT_TR_NOOP("No Scroll"), QT_TR_NOOP("No scroll"), 1, 1,
         artwork::Arrow::None, stationery::ScrollDirection::NoScroll, false},
    };
    for (const auto& a : arrows) {
        // Push buttons: reached with Tab, pressed with Space or Enter, announced by name.
        auto* box = new QToolButton(page);
        box->setAutoRaise(true);
        box->setFixedSize(emSize(page, 1.5, 1.5));
        box->setIconSize(box->size());
        cross->addWidget(box, a.row, a.column);
        // Drawn when the tab is first shown: the arrows are most of what the page costs.
        whenFirstShown(page, [box, arrow = a.arrow] {
            box->setIcon(QIcon(artwork::directionArrow(arrow, box->iconSize())));
        });
        box->setToolTip(tr(a.caption));
        box->setCursor(Qt::PointingHandCursor);
        box->setObjectName(QLatin1String(a.name));
        box->setAccessibleName(tr(a.spoken));
        connect(box, &QToolButton::clicked, this,
                [this, direction = a.direction, copies = a.copiesWidth] {
                    chooseScrollDirection(direction, copies);
                });
    }
    auto* scrolling = new QVBoxLayout;
    scrolling->addWidget(direction_);
    scrolling->addLayout(cross);
    scrolling->setAlignment(cross, Qt::AlignHCenter);
    scrolling->addStretch();
    auto* row = new QHBoxLayout(page);
    row->addLayout(fields, 1);
    row->addLayout(scrolling);
}

void MarginsPage::load(const stationery::StationerySettings& s) {
    showNumber(width_, s.pictureWidth);
    showNumber(height_, s.pictureHeight);
    showNumber(top_, s.topMargin);
    showNumber(left_, s.leftMargin);
    // No scroll reads "No Scroll" once the middle arrow was pressed, else the label's
    // own "Scroll Direction".
    static const QString captions[] = {QStringLiteral("Scroll Direction"), QStringLiteral("Up"),
                                       QStringLiteral("Left"), QStringLiteral("Down"),
                                       QStringLiteral("Right")};
    const bool still = s.direction == stationery::ScrollDirection::NoScroll;
    direction_->setText(still && noScrollPressed_ ? QStringLiteral("No Scroll")
                                                  : captions[static_cast<int>(s.direction)]);
}

void MarginsPage::setCurrent(bool) {
    const bool pictureChosen = !stationery::picturePath(context_.document.settings()).empty();
    for (QLineEdit* field : {width_, height_, top_, left_})
        field->setEnabled(pictureChosen);
}

void MarginsPage::chooseScrollDirection(stationery::ScrollDirection direction,
                                        bool copyWidthToLeftMargin) {
    noScrollPressed_ = direction == stationery::ScrollDirection::NoScroll;
    // The direction and the margin it brings are one step.
    context_.document.history().beginMacro(tr("Change Scroll Direction"));
    context_.document.edit(StationeryDocument::Edit::Direction,
                           [&](stationery::StationerySettings& s) { s.direction = direction; });
    load(context_.document.settings()); // the caption, also when the direction stays
    emit touched();
    // Tiled in one column, the picture is as wide as the text's left margin should be.
    if (copyWidthToLeftMargin && width_->isEnabled())
        context_.document.edit(
            StationeryDocument::Edit::LeftMargin,
            [](stationery::StationerySettings& s) { s.leftMargin = s.pictureWidth; });
    context_.document.history().endMacro();
}
