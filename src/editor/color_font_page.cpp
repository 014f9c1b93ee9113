#include "editor/color_font_page.h"
#include "editor/typed_text.h"
#include "stationery/window_texts.h"

#include "editor/em_size.h"
#include "editor/stationery_document.h"
#include "platform/dialog_prompter.h"
#include "stationery/hex_color.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace {

std::optional<QColor> colourOf(const std::optional<stationery::Rgb>& rgb) {
    if (rgb)
        return QColor(rgb->red, rgb->green, rgb->blue);
    return std::nullopt;
}

} // namespace

ColorFontPage::ColorFontPage(QWidget* page, PageContext context, platform::DialogPrompter& dialogs)
    : EditorPage(page), context_(std::move(context)), dialogs_(dialogs) {
    // The buttons on the left, each beside what it sets: the colours beside the author's
    // and the title's samples, the font beside the title's field.
    auto* grid = new QGridLayout(page);
    const struct {
        const char* caption;
        const char* spoken;
        const char* name;
        int row;
        std::function<void()> click;
    } buttons[] = {
        {QT_TR_NOOP("Text Color"), QT_TR_NOOP("Text colour"), "textColorButton", 0,
         [this] {
             chooseColor(true);
         }},
        {QT_TR_NOOP("BackGround Color"), QT_TR_NOOP("Background colour"), "backgroundColorButton",
         2,
         [this] {
             chooseColor(false);
         }},
        {QT_TR_NOOP("Font"), QT_TR_NOOP("Font"), "fontButton", 3,
         [this] {
             chooseFont();
         }},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(tr(b.caption), page);
        grid->addWidget(button, b.row, 0, Qt::AlignTop);
        button->setObjectName(QLatin1String(b.name));
        button->setAccessibleName(tr(b.spoken));
        connect(button, &QPushButton::clicked, this, b.click);
    }
    author_ = new QLabel(tr("Author"), page);
    authorField_ = new QLineEdit(shownText({}, stationery::kAuthorPlaceholder), page);
    title_ = new QLabel(tr("Title"), page);
    titleField_ = new QLineEdit(shownText({}, stationery::kTitlePlaceholder), page);
    grid->addWidget(author_, 0, 1);
    grid->addWidget(authorField_, 1, 1);
    grid->addWidget(title_, 2, 1);
    grid->addWidget(titleField_, 3, 1);
    grid->setColumnStretch(1, 1);
    for (QLabel* sample : {author_, title_}) {
        sample->setMinimumSize(emSize(page, 12, 3.5));
        sample->setAutoFillBackground(true);
        sample->setFrameShape(QFrame::Panel);
        sample->setFrameShadow(QFrame::Sunken);
        sample->setAlignment(Qt::AlignCenter);
    }
    author_->setObjectName(QStringLiteral("authorSample"));
    author_->setAccessibleName(tr("Author, in the chosen colours and font"));
    title_->setObjectName(QStringLiteral("titleSample"));
    title_->setAccessibleName(tr("Title, in the chosen colours and font"));
    authorField_->setObjectName(QStringLiteral("authorEdit"));
    authorField_->setAccessibleName(tr("Author"));
    titleField_->setObjectName(QStringLiteral("titleEdit"));
    titleField_->setAccessibleName(tr("Title"));
    using Settings = stationery::StationerySettings;
    onTypedText(authorField_, this, [this](const std::string& text) {
        context_.document.edit(StationeryDocument::Edit::Author, [&](Settings& s) {
            s.author = givenText(text, stationery::kAuthorPlaceholder);
        });
    });
    onTypedText(titleField_, this, [this](const std::string& text) {
        context_.document.edit(StationeryDocument::Edit::Title, [&](Settings& s) {
            s.title = givenText(text, stationery::kTitlePlaceholder);
        });
    });
}

void ColorFontPage::load(const stationery::StationerySettings& s) {
    showText(authorField_, shownText(s.author, stationery::kAuthorPlaceholder));
    showText(titleField_, shownText(s.title, stationery::kTitlePlaceholder));
    // The samples show the author and title in the chosen colours and font.
    const QFont font = fontOf(s);
    for (QLabel* sample : {author_, title_}) {
        QPalette palette = QLabel().palette();
        if (const auto text = colourOf(s.textColor))
            palette.setColor(QPalette::WindowText, *text);
        if (const auto background = colourOf(s.backgroundColor))
            palette.setColor(QPalette::Window, *background);
        sample->setPalette(palette);
        sample->setFont(font);
    }
}

QFont ColorFontPage::fontOf(const stationery::StationerySettings& s) {
    QFont font;
    if (!s.fontName.empty())
        font.setFamily(QString::fromStdString(s.fontName));
    font.setPointSizeF(s.fontSize > 0 ? s.fontSize : 8.0);
    font.setBold(s.bold);
    font.setItalic(s.italic);
    return font;
}

void ColorFontPage::chooseColor(bool textColor) {
    const stationery::StationerySettings& s = context_.document.settings();
    const QColor current = colourOf(textColor ? s.textColor : s.backgroundColor)
                               .value_or(textColor ? Qt::black : Qt::white);
    const std::optional<QColor> chosen = dialogs_.color(context_.window, current);
    if (!chosen)
        return; // cancelled: the colours stay as they were
    const stationery::Rgb rgb{std::uint8_t(chosen->red()), std::uint8_t(chosen->green()),
                              std::uint8_t(chosen->blue())};
    context_.document.edit(textColor ? StationeryDocument::Edit::TextColor
                                     : StationeryDocument::Edit::BackgroundColor,
                           [&](stationery::StationerySettings& settings) {
                               (textColor ? settings.textColor : settings.backgroundColor) = rgb;
                           });
    emit touched();
}

void ColorFontPage::chooseFont() {
    const std::optional<QFont> chosen =
        dialogs_.font(context_.window, fontOf(context_.document.settings()));
    if (!chosen)
        return; // cancelled: the samples keep their font
    context_.document.edit(StationeryDocument::Edit::Font, [&](stationery::StationerySettings& s) {
        s.fontName = chosen->family().toStdString();
        s.fontSize = static_cast<float>(chosen->pointSizeF());
        s.bold = chosen->bold();
        s.italic = chosen->italic();
    });
    emit touched();
}
