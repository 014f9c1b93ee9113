#include "dialogs/artwork.h"
#include "editor_fixture.h"
#include "platform/check_box.h"
#include "platform/dir_list_box.h"
#include "platform/drive_list_box.h"
#include "platform/file_list_box.h"
#include "platform/image_box.h"
#include "platform/media_control.h"
#include "platform/menu_item.h"
#include <QLabel>
#include <QTabWidget>

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
    ASSERT_EQ(control<QTabWidget>("partTabs")->count(), 5);
    const QStringList captions = {u"Image"_s, u"Sound"_s, u"Ticker"_s, u"Color-Font"_s,
                                  u"Margins"_s};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(control<QTabWidget>("partTabs")->tabText(i), captions[i]);
    EXPECT_EQ(control<QTabWidget>("partTabs")->currentIndex(), MainWindow::TabImage);

    EXPECT_EQ(form->startFolder(), QDir::toNativeSeparators(QDir::currentPath()));
    EXPECT_EQ(form->document().settings(), stationery::StationerySettings{});
    EXPECT_EQ(control<QLabel>("scrollDirectionLabel")->text(), u"Scroll Direction"_s);
    EXPECT_EQ(control<platform::FileListBox>("pictureFileList")->pattern(),
              u"*.jpg;*.jpeg;*.gif;*.png;*.bmp"_s);
    EXPECT_EQ(control<platform::FileListBox>("soundFileList")->pattern(), u"*.mid;*.wav;*.mp3"_s);
    EXPECT_EQ(control<platform::CheckBox>("noSoundCheck")->isChecked(), false);
    EXPECT_EQ(control<platform::CheckBox>("oldClientCheck")->isChecked(), false);
    EXPECT_EQ(control<platform::CheckBox>("oldClientCheck")->text(), u"Outlook Express 4"_s);
    for (QLineEdit* field :
         {control<QLineEdit>("pictureWidthEdit"), control<QLineEdit>("pictureHeightEdit"),
          control<QLineEdit>("topMarginEdit"), control<QLineEdit>("leftMarginEdit")}) {
        EXPECT_FALSE(field->isEnabled());
        EXPECT_EQ(field->text(), u"0"_s);
    }
    EXPECT_FALSE(control<platform::MediaControl>("soundPlayer")->isVisibleTo(form.get()));
    for (platform::MenuItem* item :
         {control<platform::MenuItem>("imageItem"), control<platform::MenuItem>("soundItem"),
          control<platform::MenuItem>("tickerItem"), control<platform::MenuItem>("colorFontItem"),
          control<platform::MenuItem>("marginsItem")})
        EXPECT_FALSE(item->isTicked());
    EXPECT_EQ(form->document().settings(), stationery::StationerySettings{});
    EXPECT_FALSE(busy(form.get()));
}

TEST_F(WindowTest, MenusHaveTheirCaptionsAndShortcuts) {
    EXPECT_EQ(control<QMenu>("fileMenu")->title(), u"File"_s);
    EXPECT_EQ(control<QMenu>("itemsMenu")->title(), u"Items"_s);
    struct Entry {
        platform::MenuItem* item;
        const char* caption;
        const char* shortcut;
    };
    const Entry entries[] = {
        {control<platform::MenuItem>("saveAction"), "&Save", "Ctrl+S"},
        {control<platform::MenuItem>("exitAction"), "E&xit", "Ctrl+X"},
        {control<platform::MenuItem>("imageItem"), "Image", "Ctrl+I"},
        {control<platform::MenuItem>("soundItem"), "Sound", "Ctrl+O"},
        {control<platform::MenuItem>("tickerItem"), "Ticker", "Ctrl+T"},
        {control<platform::MenuItem>("colorFontItem"), "Color-Font", "Ctrl+F"},
        {control<platform::MenuItem>("marginsItem"), "Margins", "Ctrl+M"},
        {control<platform::MenuItem>("aboutAction"), "&About", ""},
    };
    for (const Entry& e : entries) {
        EXPECT_EQ(e.item->text(), QLatin1String(e.caption));
        EXPECT_EQ(e.item->shortcut().toString(), QLatin1String(e.shortcut)) << e.caption;
    }
    // Choosing an Items entry selects its tab and leaves its mark alone.
    control<platform::MenuItem>("marginsItem")->trigger();
    EXPECT_EQ(control<QTabWidget>("partTabs")->currentIndex(), MainWindow::TabMargins);
    EXPECT_FALSE(control<platform::MenuItem>("marginsItem")->isTicked());
    EXPECT_FALSE(control<platform::MenuItem>("marginsItem")->isChecked());
}

TEST_F(WindowTest, TabChangesShowThePreviewAndThePlayerWithTheirTabsOnly) {
    QSignalSpy clicks(control<QTabWidget>("partTabs"), &QTabWidget::currentChanged);
    const std::pair<const char*, int> menus[] = {
        {"soundItem", 1},   {"tickerItem", 2}, {"colorFontItem", 3},
        {"marginsItem", 4}, {"imageItem", 0},
    };
    for (const auto& [item, tab] : menus) {
        trigger(item);
        EXPECT_EQ(control<QTabWidget>("partTabs")->currentIndex(), tab);
        EXPECT_EQ(control<platform::MediaControl>("soundPlayer")->isVisibleTo(form.get()),
                  tab == MainWindow::TabSound)
            << tab;
        EXPECT_EQ(control<platform::ImageBox>("picturePreview")->isVisibleTo(form.get()),
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
    for (int tab = 0; tab < control<QTabWidget>("partTabs")->count(); ++tab) {
        control<QTabWidget>("partTabs")->setCurrentIndex(tab);
        QTest::qWait(10);
        check(form.get(), check);
    }
}

TEST_F(WindowTest, ExitClosesTheMediaDeviceAndEndsTheProgram) {
    trigger("exitAction");
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
    control<platform::FileListBox>("pictureFileList")->setFocus();
    QTest::keyClick(control<platform::FileListBox>("pictureFileList"), Qt::Key_M,
                    Qt::ControlModifier);
    EXPECT_EQ(control<QTabWidget>("partTabs")->currentIndex(), MainWindow::TabMargins);
    QTest::keyClick(form->focusWidget(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(control<QTabWidget>("partTabs")->currentIndex(), MainWindow::TabSound);

    // Inside a text field the tab shortcuts still act, but Ctrl+X cuts text.
    trigger("tickerItem");
    control<QLineEdit>("ticker1Edit")->setFocus();
    control<QLineEdit>("ticker1Edit")->selectAll();
    QTest::keyClick(control<QLineEdit>("ticker1Edit"), Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(control<QLineEdit>("ticker1Edit")->text().isEmpty());
    EXPECT_EQ(programEnds, 0);
    QTest::keyClick(control<QLineEdit>("ticker1Edit"), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(control<QTabWidget>("partTabs")->currentIndex(), MainWindow::TabColorFont);
    QTest::keyClick(form->focusWidget(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(control<QTabWidget>("partTabs")->currentIndex(), MainWindow::TabTicker);
    QTest::keyClick(form->focusWidget(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(control<QTabWidget>("partTabs")->currentIndex(), MainWindow::TabImage);

    control<platform::DriveListBox>("pictureDriveList")->setFocus();
    messages.answer = platform::MessageBox::SaveChoice::Discard; // the cut text is unsaved
    QTest::keyClick(control<platform::DriveListBox>("pictureDriveList"), Qt::Key_X,
                    Qt::ControlModifier);
    EXPECT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(programEnds, 1);
}

// Inside a text field every File command's shortcut acts as it does elsewhere (the
// field's own editing keys aside), and Ctrl+Q ends the program as Exit does.
TEST_F(WindowTest, FileShortcutsActInsideTextFields) {
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    trigger("colorFontItem");
    auto* field = control<QLineEdit>("titleEdit");
    const std::pair<QKeyCombination, const char*> keys[] = {
        {Qt::CTRL | Qt::Key_E, "Export"},
        {Qt::CTRL | Qt::Key_S, ""},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_O, ""},
    };
    for (const auto& [key, title] : keys) {
        field->setFocus();
        const int before = dialogs.shown();
        QTest::keyClick(field, key.key(), key.keyboardModifiers());
        EXPECT_EQ(dialogs.shown(), before + 1) << QKeySequence(key).toString().toStdString();
        EXPECT_EQ(dialogs.lastTitle(), QLatin1String(title));
    }
    // A key the field claims on every desktop (a word to the left), given to the
    // window, acts as the window's.
    auto* extra = new QAction(form.get());
    extra->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Left));
    form->addAction(extra);
    QSignalSpy extraActs(extra, &QAction::triggered);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(extraActs.count(), 1);
    field->setText(u"typed"_s); // unsaved: Exit asks first
    messages.answer = platform::MessageBox::SaveChoice::Discard;
    QTest::keyClick(field, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(programEnds, 1);
}

} // namespace

namespace {

// Every control the window places has a name tools can find and one a screen reader
// can speak; the picture-only ones also say what they are when pointed at.
TEST_F(EditorTest, EveryControlIsNamedAndSpeakable) {
    QList<QWidget*> containers = {form->centralWidget(), control<QWidget>("pictureFrame"),
                                  control<QWidget>("soundFrame")};
    auto* tabs = control<QTabWidget>("partTabs");
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
    for (const char* name : {"picturePreview", "scrollUpButton", "scrollLeftButton",
                             "scrollDownButton", "scrollRightButton", "noScrollButton"})
        EXPECT_FALSE(control<QWidget>(name)->toolTip().isEmpty()) << name;
    for (const char* name : {"playButton", "pauseButton", "stopButton"}) {
        EXPECT_FALSE(control<QWidget>(name)->toolTip().isEmpty()) << name;
        EXPECT_FALSE(control<QWidget>(name)->accessibleName().isEmpty()) << name;
    }
    for (const char* name :
         {"openAction", "saveAction", "exportAction", "previewAction", "checkAction", "exitAction"})
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

namespace {

// An edit says which part of the stationery changed, so that only the tabs showing
// that part are loaded again; an edit that changes nothing says nothing.
TEST(StationeryDocument, EditsNameThePartsTheyChange) {
    using Part = StationeryDocument::Part;
    using Settings = stationery::StationerySettings;
    const std::pair<std::function<void(Settings&)>, StationeryDocument::Parts> cases[] = {
        {[](Settings& s) { s.pictureWidth = 12; }, Part::Picture},
        {[](Settings& s) { s.noSound = true; }, Part::Sound},
        {[](Settings& s) { s.tickers[2] = "hi"; }, Part::Ticker},
        {[](Settings& s) {
             s.textColor = stationery::Rgb{1, 2, 3};
         },
         Part::ColorFont},
        {[](Settings& s) { s.italic = true; }, Part::ColorFont},
        {[](Settings& s) { s.direction = stationery::ScrollDirection::Left; }, Part::Margins},
        {[](Settings& s) { s.picture = "a.jpg", s.topMargin = 3; }, Part::Picture | Part::Margins},
        {[](Settings&) {}, StationeryDocument::Parts()},
    };
    for (const auto& [edit, parts] : cases) {
        StationeryDocument document;
        QSignalSpy changes(&document, &StationeryDocument::changed);
        document.edit(StationeryDocument::Edit::Picture, edit);
        ASSERT_EQ(changes.count(), parts ? 1 : 0);
        if (parts) {
            EXPECT_EQ(changes.at(0).at(0).value<StationeryDocument::Parts>(), parts);
        }
        EXPECT_EQ(document.isModified(), bool(parts));
    }
}

} // namespace
