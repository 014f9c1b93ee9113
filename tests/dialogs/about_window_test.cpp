#include "dialogs/about_window.h"
#include "editor_fixture.h"
#include <QTest>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

using AboutTest = EditorTest;

template <typename T> T* part(QObject* window, const char* name) {
    T* found = window->findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << "no part named " << name;
    return found;
}

QList<QWidget*> elements(AboutWindow* about) {
    return about->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

bool laidOut(AboutWindow* about) {
    return QTest::qWaitFor([&] { return !part<QTimer>(about, "showTimer")->isActive(); });
}

TEST_F(AboutTest, OpensEmptyThenShowsEveryElementCentred) {
    trigger("aboutAction");
    AboutWindow* about = form->findChild<AboutWindow*>();
    ASSERT_NE(about, nullptr);
    const QString version = u"%1.%2.%3"_s.arg(STATIONERY_VERSION_MAJOR)
                                .arg(STATIONERY_VERSION_MINOR)
                                .arg(STATIONERY_VERSION_PATCH);
    EXPECT_TRUE(part<QLabel>(about, "versionLabel")->text().endsWith(version));
    ASSERT_EQ(elements(about).size(), 7);
    for (QWidget* element : elements(about))
        EXPECT_TRUE(element->isHidden());

    ASSERT_TRUE(laidOut(about));
    const double centre = about->width() / 2.0;
    const QList<QWidget*> shown = elements(about);
    for (QWidget* element : shown) {
        EXPECT_FALSE(element->isHidden());
        EXPECT_NEAR(element->x() + element->width() / 2.0, centre, 1.5)
            << element->objectName().toStdString();
        EXPECT_TRUE(about->rect().contains(element->geometry()))
            << element->objectName().toStdString();
        for (QWidget* other : shown)
            EXPECT_TRUE(other == element || !other->geometry().intersects(element->geometry()))
                << element->objectName().toStdString() << " covers "
                << other->objectName().toStdString();
    }

    // Readable: the button's caption stands out from its face, and the disabled
    // disclaimer draws greyed, not in the window's white.
    const QPalette button = part<QPushButton>(about, "okButton")->palette();
    EXPECT_GT(qAbs(qGray(button.color(QPalette::ButtonText).rgb()) -
                   qGray(button.color(QPalette::Button).rgb())),
              100);
    auto* disclaimer = part<QLabel>(about, "licenceLabel");
    EXPECT_NE(disclaimer->palette().color(QPalette::Disabled, QPalette::WindowText),
              QColor(Qt::white));
    EXPECT_GT(disclaimer->font().pointSizeF() + disclaimer->font().pixelSize(), 0);

    // Asking again brings the same window forward.
    trigger("aboutAction");
    EXPECT_EQ(form->findChild<AboutWindow*>(), about);
}

TEST_F(AboutTest, OkEnterAndEscapeCloseIt) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_unknown}) {
        trigger("aboutAction");
        QPointer<AboutWindow> about = form->findChild<AboutWindow*>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
        ASSERT_TRUE(laidOut(about));
        if (key == Qt::Key_unknown)
            part<QPushButton>(about, "okButton")->click();
        else
            QTest::keyClick(about->focusWidget() ? about->focusWidget() : about.data(), key);
        EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); })) << key; // unloaded, not hidden
    }
}

} // namespace
