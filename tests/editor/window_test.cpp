#include "editor_fixture.h"
#include "platform/check_box.h"
#include "platform/dir_list_box.h"
#include "platform/drive_list_box.h"
#include "platform/file_list_box.h"
#include "platform/image_box.h"
#include "platform/media_control.h"
#include "platform/menu_item.h"
#include "platform/tab_control.h"
#include "windows/artwork.h"
#include <QLabel>

#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

using WindowTest = EditorTest;

TEST_F(WindowTest, StartsAsAnUntouchedWindow) {
    EXPECT_EQ(shownTitle(), u"Varek's Outlook Express Stationery Creator"_s);
    ASSERT_EQ(control<platform::TabControl>("SSTab1")->count(), 5);
    const QStringList captions = {u"Image"_s, u"Sound"_s, u"Ticker"_s, u"Color-Font"_s,
                                  u"Margins"_s};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(control<platform::TabControl>("SSTab1")->tabText(i), captions[i]);
    EXPECT_EQ(control<platform::TabControl>("SSTab1")->Tab(), MainWindow::TabImage);

    EXPECT_EQ(form->startFolder(), QDir::toNativeSeparators(QDir::currentPath()));
    EXPECT_EQ(form->document().settings(), stationery::StationerySettings{});
    EXPECT_EQ(control<QLabel>("Label13")->text(), u"Scroll Direction"_s);
    EXPECT_EQ(control<platform::FileListBox>("File1")->Pattern(), u"*.jpg;*.gif;*.bmp"_s);
    EXPECT_EQ(control<platform::FileListBox>("File2")->Pattern(), u"*.mid;*.wav;*.mp3"_s);
    EXPECT_EQ(control<platform::CheckBox>("Check1")->Value(), 0);
    EXPECT_EQ(control<platform::CheckBox>("Check2")->Value(), 0);
    EXPECT_EQ(control<platform::CheckBox>("Check2")->Caption(), u"Outlook Express 4"_s);
    for (QLineEdit* field : {control<QLineEdit>("Text6"), control<QLineEdit>("Text7"),
                             control<QLineEdit>("Text8"), control<QLineEdit>("Text9")}) {
        EXPECT_FALSE(field->isEnabled());
        EXPECT_EQ(field->text(), u"0"_s);
    }
    EXPECT_FALSE(control<platform::MediaControl>("MMControl1")->isVisibleTo(form.get()));
    for (platform::MenuItem* item :
         {control<platform::MenuItem>("mnuImage"), control<platform::MenuItem>("mnuSound"),
          control<platform::MenuItem>("mnuTicker"), control<platform::MenuItem>("mnucolorfont"),
          control<platform::MenuItem>("mnuMargins")})
        EXPECT_FALSE(item->Checked());
    EXPECT_EQ(form->document().settings(), stationery::StationerySettings{});
    EXPECT_FALSE(busy(form.get()));
}

TEST_F(WindowTest, MenusHaveTheirCaptionsAndShortcuts) {
    EXPECT_EQ(control<QMenu>("mnuFile")->title(), u"File"_s);
    EXPECT_EQ(control<QMenu>("mnuItems")->title(), u"Items"_s);
    struct Entry {
        platform::MenuItem* item;
        const char* caption;
        const char* shortcut;
    };
    const Entry entries[] = {
        {control<platform::MenuItem>("mnuSave"), "&Save", "Ctrl+S"},
        {control<platform::MenuItem>("mnuExit"), "E&xit", "Ctrl+X"},
        {control<platform::MenuItem>("mnuImage"), "Image", "Ctrl+I"},
        {control<platform::MenuItem>("mnuSound"), "Sound", "Ctrl+O"},
        {control<platform::MenuItem>("mnuTicker"), "Ticker", "Ctrl+T"},
        {control<platform::MenuItem>("mnucolorfont"), "Color-Font", "Ctrl+F"},
        {control<platform::MenuItem>("mnuMargins"), "Margins", "Ctrl+M"},
        {control<platform::MenuItem>("mnuAbout"), "&About", ""},
    };
    for (const Entry& e : entries) {
        EXPECT_EQ(e.item->text(), QLatin1String(e.caption));
        EXPECT_EQ(e.item->shortcut().toString(), QLatin1String(e.shortcut)) << e.caption;
    }
    // Choosing an Items entry selects its tab and leaves its mark alone.
    control<platform::MenuItem>("mnuMargins")->trigger();
    EXPECT_EQ(control<platform::TabControl>("SSTab1")->Tab(), MainWindow::TabMargins);
    EXPECT_FALSE(control<platform::MenuItem>("mnuMargins")->Checked());
    EXPECT_FALSE(control<platform::MenuItem>("mnuMargins")->isChecked());
}

TEST_F(WindowTest, TabChangesShowThePreviewAndThePlayerWithTheirTabsOnly) {
    QSignalSpy clicks(control<platform::TabControl>("SSTab1"), &platform::TabControl::Click);
    const std::pair<const char*, int> menus[] = {
        {"mnuSound", 1}, {"mnuTicker", 2}, {"mnucolorfont", 3}, {"mnuMargins", 4}, {"mnuImage", 0},
    };
    for (const auto& [item, tab] : menus) {
        trigger(item);
        EXPECT_EQ(control<platform::TabControl>("SSTab1")->Tab(), tab);
        EXPECT_EQ(control<platform::MediaControl>("MMControl1")->isVisibleTo(form.get()),
                  tab == MainWindow::TabSound)
            << tab;
        EXPECT_EQ(control<platform::ImageBox>("Image1")->isVisibleTo(form.get()),
                  tab == MainWindow::TabImage)
            << tab;
    }
    EXPECT_EQ(clicks.count(), 5);
}

// Every tab, shown as it opens: each visible control lies inside its parent, and no two
// visible siblings cover each other. Run again by CTest at twice the scale.
TEST_F(WindowTest, NothingIsCutOffOrCoveredOnAnyTab) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const auto check = [](QWidget* parent, const auto& self) -> void {
        QList<QWidget*> shown;
        for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisible() && !child->isWindow())
                shown << child;
        for (QWidget* child : shown) {
            EXPECT_TRUE(parent->rect().contains(child->geometry()))
                << child->objectName().toStdString() << " (" << child->metaObject()->className()
                << ") leaves " << parent->objectName().toStdString();
            self(child, self);
        }
        for (qsizetype i = 0; i < shown.size(); ++i)
            for (qsizetype j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                    << shown[i]->objectName().toStdString() << " covers "
                    << shown[j]->objectName().toStdString();
    };
    for (int tab = 0; tab < control<platform::TabControl>("SSTab1")->count(); ++tab) {
        control<platform::TabControl>("SSTab1")->setTab(tab);
        QTest::qWait(10);
        check(form.get(), check);
    }
}

TEST_F(WindowTest, ExitClosesTheMediaDeviceAndEndsTheProgram) {
    trigger("mnuExit");
    EXPECT_EQ(audio.calls.last(), u"close"_s);
    EXPECT_EQ(programEnds, 1);
}

TEST_F(WindowTest, ClosingTheWindowReleasesTheDeviceWhenTheProgramEnds) {
    form->close();
    form.reset();
    EXPECT_EQ(audio.calls.last(), u"close"_s);
    EXPECT_EQ(programEnds, 0);
}

TEST_F(WindowTest, ShortcutsWorkWhereverTheFocusIs) {
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));

    // From a list box: tabs, and Ctrl+X ends the program.
    control<platform::FileListBox>("File1")->setFocus();
    QTest::keyClick(control<platform::FileListBox>("File1"), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(control<platform::TabControl>("SSTab1")->Tab(), MainWindow::TabMargins);
    QTest::keyClick(form->focusWidget(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(control<platform::TabControl>("SSTab1")->Tab(), MainWindow::TabSound);

    // Inside a text field the tab shortcuts still act, but Ctrl+X cuts text.
    trigger("mnuTicker");
    control<QLineEdit>("Text1")->setFocus();
    control<QLineEdit>("Text1")->selectAll();
    QTest::keyClick(control<QLineEdit>("Text1"), Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(control<QLineEdit>("Text1")->text().isEmpty());
    EXPECT_EQ(programEnds, 0);
    QTest::keyClick(control<QLineEdit>("Text1"), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(control<platform::TabControl>("SSTab1")->Tab(), MainWindow::TabColorFont);
    QTest::keyClick(form->focusWidget(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(control<platform::TabControl>("SSTab1")->Tab(), MainWindow::TabTicker);
    QTest::keyClick(form->focusWidget(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(control<platform::TabControl>("SSTab1")->Tab(), MainWindow::TabImage);

    control<platform::DriveListBox>("Drive1")->setFocus();
    messages.answer = platform::MessageBox::SaveChoice::Discard; // the cut text is unsaved
    QTest::keyClick(control<platform::DriveListBox>("Drive1"), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(programEnds, 1);
}

} // namespace

namespace {

// Every control the window places has a name tools can find and one a screen reader
// can speak; the picture-only ones also say what they are when pointed at.
TEST_F(EditorTest, EveryControlIsNamedAndSpeakable) {
    QList<QWidget*> containers = {form->centralWidget(), control<QWidget>("Frame1"),
                                  control<QWidget>("Frame2")};
    auto* tabs = control<platform::TabControl>("SSTab1");
    for (int i = 0; i < tabs->count(); ++i)
        containers << tabs->widget(i);
    int controls = 0;
    for (QWidget* container : containers) {
        for (QWidget* widget : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (containers.contains(widget) || widget->objectName().startsWith(u"qt_"_s))
                continue;
            ++controls;
            EXPECT_FALSE(widget->objectName().isEmpty()) << widget->metaObject()->className();
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
        }
    }
    EXPECT_GT(controls, 0);
    // Whatever takes the keyboard focus is what a screen reader names on landing there.
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().startsWith(u"qt_"_s)) {
            EXPECT_FALSE(widget->accessibleName().isEmpty())
                << widget->metaObject()->className() << " in "
                << widget->parentWidget()->objectName().toStdString();
        }
    }
    for (const char* name : {"Image1", "Image3", "Image4", "Image5", "Image6", "Image7"})
        EXPECT_FALSE(control<QWidget>(name)->toolTip().isEmpty()) << name;
    for (const char* name : {"MMControl1Play", "MMControl1Pause", "MMControl1Stop"}) {
        EXPECT_FALSE(control<QWidget>(name)->toolTip().isEmpty()) << name;
        EXPECT_FALSE(control<QWidget>(name)->accessibleName().isEmpty()) << name;
    }
    for (const char* name :
         {"mnuOpen", "mnuSave", "mnuExport", "mnuPreview", "mnuCheck", "mnuExit"})
        EXPECT_NE(control<platform::MenuItem>(name), nullptr);
}

} // namespace

namespace {

// The window's icon, drawn at build time, is the program's drawing at every size the
// window system is given.
TEST_F(EditorTest, WindowIconIsTheProgramsDrawing) {
    const QIcon icon = form->windowIcon();
    for (int side : {16, 32, 48, 64}) {
        EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side))) << side;
        EXPECT_EQ(icon.pixmap(QSize(side, side), 1.0)
                      .toImage()
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  artwork::programPicture(side).toImage().convertToFormat(
                      QImage::Format_ARGB32_Premultiplied))
            << side;
    }
}

} // namespace
