#include "editor_fixture.h"
#include "platform/menu_item.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

using ColorFontTest = EditorTest;

// A chosen colour reaches the document as the file writes it and shows on both
// samples; the dialog opens at the colour being chosen.
TEST_F(ColorFontTest, ChosenColoursReachTheDocumentAndTheSamples) {
    const std::pair<QColor, const char*> examples[] = {
        {QColor(255, 0, 0), "FF0000"},     {QColor(0, 255, 0), "00FF00"},
        {QColor(0, 0, 255), "0000FF"},     {QColor(0, 0, 0), "000000"},
        {QColor(255, 255, 255), "FFFFFF"}, {QColor(255, 128, 64), "FF8040"},
    };
    for (const auto& [color, hex] : examples) {
        dialogs.answerColor(color);
        QTest::mouseClick(control<QPushButton>("textColorButton"), Qt::LeftButton);
        EXPECT_EQ(form->document().settings().textColor, stationery::parseHexColor(hex));
        EXPECT_EQ(control<QLabel>("authorSample")->palette().color(QPalette::WindowText), color);
        EXPECT_EQ(control<QLabel>("titleSample")->palette().color(QPalette::WindowText), color);
    }
    EXPECT_TRUE(control<platform::MenuItem>("colorFontItem")->isTicked());
    EXPECT_EQ(form->document().settings().backgroundColor,
              std::nullopt); // the text colour leaves the background alone

    dialogs.answerColor(QColor(0, 0, 255));
    QTest::mouseClick(control<QPushButton>("backgroundColorButton"), Qt::LeftButton);
    EXPECT_EQ(form->document().settings().backgroundColor, (stationery::Rgb{0, 0, 255}));
    EXPECT_EQ(dialogs.lastInitialColor(), QColor(Qt::white)); // none chosen before
    EXPECT_EQ(control<QLabel>("authorSample")->palette().color(QPalette::Window),
              QColor(0, 0, 255));
    EXPECT_EQ(form->document().settings().textColor, (stationery::Rgb{255, 128, 64}));
    dialogs.cancelNext();
    QTest::mouseClick(control<QPushButton>("textColorButton"), Qt::LeftButton);
    EXPECT_EQ(dialogs.lastInitialColor(), QColor(255, 128, 64));
}

TEST_F(ColorFontTest, CancelledDialogsChangeNothing) {
    const QPalette before = control<QLabel>("authorSample")->palette();
    const QFont fontBefore = control<QLabel>("titleSample")->font();
    dialogs.cancelNext();
    QTest::mouseClick(control<QPushButton>("textColorButton"), Qt::LeftButton);
    dialogs.cancelNext();
    QTest::mouseClick(control<QPushButton>("backgroundColorButton"), Qt::LeftButton);
    dialogs.cancelNext();
    QTest::mouseClick(control<QPushButton>("fontButton"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>("authorSample")->palette(), before);
    EXPECT_EQ(control<QLabel>("titleSample")->font(), fontBefore);
    EXPECT_FALSE(control<platform::MenuItem>("colorFontItem")->isTicked());
    EXPECT_EQ(form->document().settings(), stationery::StationerySettings{});
}

TEST_F(ColorFontTest, FontChoiceReachesPreviewAndRecord) {
    QFont bold(QStringLiteral("DejaVu Serif"));
    bold.setPointSizeF(14);
    bold.setBold(true);
    bold.setItalic(true);
    dialogs.answerFont(bold);
    QTest::mouseClick(control<QPushButton>("fontButton"), Qt::LeftButton);
    for (QLabel* preview : {control<QLabel>("authorSample"), control<QLabel>("titleSample")}) {
        EXPECT_EQ(preview->font().family(), u"DejaVu Serif"_s);
        EXPECT_EQ(preview->font().pointSizeF(), 14);
        EXPECT_TRUE(preview->font().bold());
        EXPECT_TRUE(preview->font().italic());
    }
    EXPECT_TRUE(control<platform::MenuItem>("colorFontItem")->isTicked());
    EXPECT_FALSE(form->document().settings().textColor); // a font changes no colour

    QFont regular(QStringLiteral("DejaVu Sans"));
    regular.setPointSizeF(9);
    dialogs.answerFont(regular);
    QTest::mouseClick(control<QPushButton>("fontButton"), Qt::LeftButton);
    EXPECT_FALSE(control<QLabel>("titleSample")->font().bold());
    EXPECT_FALSE(control<QLabel>("titleSample")->font().italic());
    // The dialog opens on the font chosen before.
    EXPECT_EQ(dialogs.lastInitialFont().family(), u"DejaVu Serif"_s);

    const stationery::StationerySettings s = form->document().settings();
    EXPECT_EQ(s.fontName, "DejaVu Sans");
    EXPECT_EQ(s.fontSize, 9.0f);
    EXPECT_FALSE(s.bold);
}

} // namespace
