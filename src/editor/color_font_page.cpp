#include "editor/color_font_page.h"
#include "editor/typed_text.h"

#include "editor/stationery_document.h"
#include "editor/twips_layout.h"
#include "platform/common_dialog.h"
#include "platform/label.h"
#include "stationery/hex_color.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

// "RRGGBB" as a colour number, or nothing for other text.
std::optional<qint32> colorNumber(const std::string& hex) {
    if (const auto rgb = stationery::parseHexColor(hex))
        return qint32(stationery::colorNumber(*rgb));
    return std::nullopt;
}

} // namespace

ColorFontPage::ColorFontPage(QWidget* page, PageContext context, platform::CommonDialog& dialog)
    : EditorPage(page), context_(std::move(context)), dialog_(dialog) {
    const TwipsLayout& layout = context_.layout;
    const struct {
        const char* caption;
        const char* spoken;
        int number, top;
        void (ColorFontPage::*click)();
    } buttons[] = {
        {QT_TR_NOOP("Text Color"), QT_TR_NOOP("Text colour"), 1, 600, nullptr},
        {QT_TR_NOOP("BackGround Color"), QT_TR_NOOP("Background colour"), 2, 1800, nullptr},
        {QT_TR_NOOP("Font"), QT_TR_NOOP("Font"), 3, 3120, &ColorFontPage::chooseFont},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(tr(b.caption), page);
        layout.placeOnPage(button, 360, b.top, 1692, 492);
        button->setObjectName(QStringLiteral("Command%1").arg(b.number));
        button->setAccessibleName(tr(b.spoken));
        if (b.click)
            connect(button, &QPushButton::clicked, this, b.click);
        else
            connect(button, &QPushButton::clicked, this,
                    [this, text = b.number == 1] { chooseColor(text); });
    }
    author_ = new platform::Label(tr("Author"), page);
    layout.placeOnPage(author_, 2640, 480, 2892, 972);
    authorField_ = new QLineEdit(QStringLiteral("Your Name"), page);
    layout.placeOnPage(authorField_, 2640, 1680, 2892, 288);
    title_ = new platform::Label(tr("Title"), page);
    layout.placeOnPage(title_, 2640, 2160, 2892, 1092);
    titleField_ = new QLineEdit(QStringLiteral("Title of Your Work"), page);
    layout.placeOnPage(titleField_, 2640, 3360, 2892, 288);
    for (platform::Label* sample : {author_, title_}) {
        sample->setFrameShape(QFrame::Panel);
        sample->setFrameShadow(QFrame::Sunken);
        sample->setAlignment(Qt::AlignCenter);
    }
    author_->setObjectName(QStringLiteral("Label4"));
    author_->setAccessibleName(tr("Author, in the chosen colours and font"));
    title_->setObjectName(QStringLiteral("Label5"));
    title_->setAccessibleName(tr("Title, in the chosen colours and font"));
    authorField_->setObjectName(QStringLiteral("Text4"));
    authorField_->setAccessibleName(tr("Author"));
    titleField_->setObjectName(QStringLiteral("Text5"));
    titleField_->setAccessibleName(tr("Title"));
    using Settings = stationery::StationerySettings;
    for (auto [field, value] :
         {std::pair{authorField_, &Settings::AuthorName}, {titleField_, &Settings::Title}})
        onTypedText(field, this, [this, value](const std::string& text) {
            context_.document.edit([&](Settings& s) { s.*value = text; });
        });
}

void ColorFontPage::load(const stationery::StationerySettings& s) {
    for (auto [field, text] : {std::pair{authorField_, &s.AuthorName}, {titleField_, &s.Title}}) {
        const QString value = QString::fromStdString(*text);
        if (field->text() != value)
            field->setText(value);
    }
    showColors(s);
    dialog_.FontName = QString::fromStdString(s.FontName);
    dialog_.FontSize = s.FontSize;
    dialog_.FontBold = s.FontBold;
    dialog_.FontItalic = s.FontItalic;
    showFont();
}

void ColorFontPage::chooseColor(bool textColor) {
    if (!dialog_.ShowColor())
        return; // cancelled: the colours stay as they were
    const qint32 color = dialog_.Color;
    if (textColor) {
        author_->setForeColor(color);
        title_->setForeColor(color);
        author_->Tag = QString::fromStdString(stationery::hexColor(author_->ForeColor()));
    } else {
        author_->setBackColor(color);
        title_->setBackColor(color);
        title_->Tag = QString::fromStdString(stationery::hexColor(title_->BackColor()));
    }
    context_.document.edit([&](stationery::StationerySettings& s) {
        (textColor ? s.TextColor : s.BackgroundColor) =
            (textColor ? author_ : title_)->Tag.toStdString();
    });
    emit touched();
}

void ColorFontPage::chooseFont() {
    dialog_.Flags =
        platform::CommonDialog::ScreenFontsFlag | platform::CommonDialog::FontMustExistFlag;
    if (!dialog_.ShowFont())
        return; // cancelled: the samples keep their font
    showFont();
    context_.document.edit([this](stationery::StationerySettings& s) {
        s.FontName = dialog_.FontName.toStdString();
        s.FontSize = dialog_.FontSize;
        s.FontBold = dialog_.FontBold;
        s.FontItalic = dialog_.FontItalic;
    });
    emit touched();
}

void ColorFontPage::showFont() {
    for (platform::Label* sample : {author_, title_}) {
        QFont font = sample->font();
        font.setFamily(dialog_.FontName);
        font.setPointSizeF(dialog_.FontSize > 0 ? dialog_.FontSize : 8.0);
        font.setBold(dialog_.FontBold);
        font.setItalic(dialog_.FontItalic);
        sample->setFont(font);
    }
}

// The samples as the dialogs would have left them for the document's colours.
void ColorFontPage::showColors(const stationery::StationerySettings& s) {
    const QString text = QString::fromStdString(s.TextColor);
    const QString background = QString::fromStdString(s.BackgroundColor);
    if (author_->Tag == text && title_->Tag == background)
        return;
    author_->Tag = text;
    title_->Tag = background;
    for (platform::Label* sample : {author_, title_})
        sample->resetColors();
    if (const auto number = colorNumber(s.TextColor)) {
        author_->setForeColor(*number);
        title_->setForeColor(*number);
    }
    if (const auto number = colorNumber(s.BackgroundColor)) {
        author_->setBackColor(*number);
        title_->setBackColor(*number);
    }
}
