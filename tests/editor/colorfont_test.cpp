#include "editor_fixture.h"
#include "platform/label.h"
#include "platform/menu_item.h"

using namespace Qt::StringLiterals;

namespace {

using ColorFontTest = EditorTest;

TEST_F(ColorFontTest, ColoursBecomeHexInTheLabelTags) {
    const std::pair<QColor, const char*> examples[] = {
        {QColor(255, 0, 0), "FF0000"},     {QColor(0, 255, 0), "00FF00"},
        {QColor(0, 0, 255), "0000FF"},     {QColor(0, 0, 0), "000000"},
        {QColor(255, 255, 255), "FFFFFF"}, {QColor(255, 128, 64), "FF8040"},
    };
    for (const auto& [color, hex] : examples) {
        dialogs.answerColor(color);
        QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
        EXPECT_EQ(control<platform::Label>("Label4")->Tag, QLatin1String(hex));
        EXPECT_EQ(control<platform::Label>("Label4")->palette().color(QPalette::WindowText), color);
        EXPECT_EQ(control<platform::Label>("Label5")->palette().color(QPalette::WindowText), color);
    }
    EXPECT_TRUE(control<platform::MenuItem>("mnucolorfont")->Checked());
    EXPECT_EQ(control<platform::Label>("Label5")->Tag,
              u""_s); // the text colour leaves the background alone

    dialogs.answerColor(QColor(0, 0, 255));
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(control<platform::Label>("Label5")->Tag, u"0000FF"_s);
    EXPECT_EQ(control<platform::Label>("Label4")->palette().color(QPalette::Window),
              QColor(0, 0, 255));
    EXPECT_EQ(control<platform::Label>("Label4")->Tag, u"FF8040"_s);
}

TEST_F(ColorFontTest, CancelledDialogsChangeNothing) {
    const QPalette before = control<platform::Label>("Label4")->palette();
    const QFont fontBefore = control<platform::Label>("Label5")->font();
    dialogs.cancelNext();
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    dialogs.cancelNext();
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    dialogs.cancelNext();
    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(control<platform::Label>("Label4")->Tag, u""_s);
    EXPECT_TRUE(control<platform::Label>("Label5")->Tag.isEmpty());
    EXPECT_EQ(control<platform::Label>("Label4")->palette(), before);
    EXPECT_EQ(control<platform::Label>("Label5")->font(), fontBefore);
    EXPECT_FALSE(control<platform::MenuItem>("mnucolorfont")->Checked());
    EXPECT_EQ(form->document().settings(), stationery::StationerySettings{});
}

TEST_F(ColorFontTest, FontChoiceReachesPreviewAndRecord) {
    QFont bold(QStringLiteral("DejaVu Serif"));
    bold.setPointSizeF(14);
    bold.setBold(true);
    bold.setItalic(true);
    dialogs.answerFont(bold);
    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
    for (platform::Label* preview :
         {control<platform::Label>("Label4"), control<platform::Label>("Label5")}) {
        EXPECT_EQ(preview->font().family(), u"DejaVu Serif"_s);
        EXPECT_EQ(preview->font().pointSizeF(), 14);
        EXPECT_TRUE(preview->font().bold());
        EXPECT_TRUE(preview->font().italic());
    }
    EXPECT_TRUE(control<platform::MenuItem>("mnucolorfont")->Checked());
    EXPECT_TRUE(control<platform::Label>("Label4")->Tag.isEmpty()); // a font changes no colour

    QFont regular(QStringLiteral("DejaVu Sans"));
    regular.setPointSizeF(9);
    dialogs.answerFont(regular);
    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_FALSE(control<platform::Label>("Label5")->font().bold());
    EXPECT_FALSE(control<platform::Label>("Label5")->font().italic());
    // The dialog opens on the font chosen before.
    EXPECT_EQ(dialogs.lastInitialFont().family(), u"DejaVu Serif"_s);

    const stationery::StationerySettings s = form->document().settings();
    EXPECT_EQ(s.FontName, "DejaVu Sans");
    EXPECT_EQ(s.FontSize, 9.0f);
    EXPECT_FALSE(s.FontBold);
}

} // namespace
