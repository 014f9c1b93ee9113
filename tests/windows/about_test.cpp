#include "editor_fixture.h"
#include "windows/frm_about.h"
#include <QTest>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

using AboutTest = EditorTest;

TEST_F(AboutTest, OpensEmptyThenShowsEveryElementCentred) {
    form->Form1_mnuAbout_Click();
    frmAbout* about = form->aboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), u"About Tovrin"_s);
    EXPECT_EQ(about->lblVersion->text(), u"Version 1.1.0"_s);
    EXPECT_EQ(about->lblTitle->text(), u"Varek's Stationery Program (Tovrin)"_s);
    EXPECT_EQ(about->picIcon->pixmap().size(), QSize(152, 190));
    EXPECT_TRUE(about->lblDisclaimer->text().contains(u"either version 2 of the License"_s));
    EXPECT_FALSE(about->lblDisclaimer->isEnabled());
    for (QWidget* element : about->elements())
        EXPECT_TRUE(element->isHidden());
    EXPECT_TRUE(about->Timer1->isActive());
    EXPECT_EQ(about->Timer1->interval(), 100);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !about->Timer1->isActive(); }));
    const int centre = about->frameGeometry().width() / 2;
    for (QWidget* element : about->elements()) {
        EXPECT_FALSE(element->isHidden());
        EXPECT_NEAR(element->x() + element->width() / 2.0, centre, 1.5)
            << element->metaObject()->className();
    }

    // Readable: the button's caption stands out from its face, and the disabled
    // disclaimer draws greyed, not in the window's white.
    const QPalette button = about->cmdOK->palette();
    EXPECT_GT(qAbs(qGray(button.color(QPalette::ButtonText).rgb()) -
                   qGray(button.color(QPalette::Button).rgb())),
              100);
    EXPECT_NE(about->lblDisclaimer->palette().color(QPalette::Disabled, QPalette::WindowText),
              QColor(Qt::white));
    EXPECT_GT(about->lblDisclaimer->font().pointSizeF() + about->lblDisclaimer->font().pixelSize(),
              0);

    // Asking again brings the same window forward.
    form->Form1_mnuAbout_Click();
    EXPECT_EQ(form->aboutWindow(), about);
}

TEST_F(AboutTest, OkEnterAndEscapeCloseIt) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_unknown}) {
        form->Form1_mnuAbout_Click();
        QPointer<frmAbout> about = form->aboutWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !about->Timer1->isActive(); }));
        if (key == Qt::Key_unknown)
            about->cmdOK->click();
        else
            QTest::keyClick(about->focusWidget() ? about->focusWidget() : about.data(), key);
        EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); })) << key; // unloaded, not hidden
    }
}

} // namespace
