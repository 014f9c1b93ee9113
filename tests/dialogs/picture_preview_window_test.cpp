#include "busy_pointer.h"
#include "dialogs/picture_preview_window.h"
#include "picture_files.h"
#include "platform/image_box.h"
#include <QTest>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Shown {
    double width;
    double height;
    bool stretched;
};

Shown shown(double w, double h, double windowWidth = 1000, double windowHeight = 800) {
    const PicturePreviewWindow::Layout l =
        PicturePreviewWindow::layout(w, h, windowWidth, windowHeight);
    EXPECT_DOUBLE_EQ(l.left + l.width / 2, 500);
    EXPECT_DOUBLE_EQ(l.top + l.height / 2, 400);
    return {l.width, l.height, l.stretched};
}

TEST(PicturePreviewWindowLayout, OnlyTheLongerSideStrictlyLongerThanTheWindowScales) {
    const Shown small = shown(300, 200);
    EXPECT_EQ(small.width, 300);
    EXPECT_FALSE(small.stretched);

    const Shown wide = shown(2000, 500); // wider than the window: to its width
    EXPECT_EQ(wide.width, 1000);
    EXPECT_EQ(wide.height, 250);
    EXPECT_TRUE(wide.stretched);

    const Shown tall = shown(400, 1600); // taller than the window: to its height
    EXPECT_EQ(tall.height, 800);
    EXPECT_EQ(tall.width, 200);

    const Shown square = shown(1200, 1200); // neither side is longer: cut off
    EXPECT_EQ(square.width, 1200);
    EXPECT_FALSE(square.stretched);

    const Shown onlyTooTall = shown(950, 900); // wider than tall, fits the width
    EXPECT_EQ(onlyTooTall.height, 900);
    EXPECT_FALSE(onlyTooTall.stretched);

    const Shown bothTooBig = shown(3000, 2700); // scaled to the width only
    EXPECT_EQ(bothTooBig.width, 1000);
    EXPECT_EQ(bothTooBig.height, 900);

    EXPECT_FALSE(shown(1000, 500).stretched); // exactly the window's width is not wider
}

class PicturePreviewWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = folder.filePath(u"p.jpg"_s);
        picture_files::write(path, picture_files::encode(picture_files::detailed(120, 80), "jpeg"));
        window = std::make_unique<PicturePreviewWindow>([this] { return chosen; });
    }
    bool laidOut() {
        return QTest::qWaitFor(
                   [&] { return !window->findChild<QTimer*>(u"fitTimer"_s)->isActive(); }) &&
               !busy(window.get());
    }
    platform::ImageBox* picture() const {
        return window->findChild<platform::ImageBox*>(u"picture"_s);
    }

    QTemporaryDir folder;
    QString path;
    QString chosen;
    std::unique_ptr<PicturePreviewWindow> window;
};

TEST_F(PicturePreviewWindowTest, ShowsThePictureCentredAndHidesOnAClick) {
    chosen = path;
    EXPECT_TRUE(busy(window.get())); // the busy pointer until laid out
    window->showMaximized();
    ASSERT_TRUE(laidOut());
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Form2"));
    EXPECT_FALSE(picture()->isHidden());
    EXPECT_EQ(picture()->size(), QSize(120, 80));
    EXPECT_NEAR(picture()->geometry().center().x(), window->frameGeometry().width() / 2, 1);

    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(1, 1)); // the black background
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(picture(), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(PicturePreviewWindowTest, EveryActivationLaysOutTheCurrentPictureAgain) {
    chosen = path;
    window->show();
    ASSERT_TRUE(laidOut());
    const QString other = folder.filePath(u"other.bmp"_s);
    picture_files::write(other, picture_files::encode(picture_files::detailed(60, 90), "bmp"));
    chosen = other;
    window->gotFocus();
    EXPECT_TRUE(picture()->isHidden());
    EXPECT_TRUE(busy(window.get()));
    ASSERT_TRUE(laidOut());
    EXPECT_EQ(picture()->size(), QSize(60, 90));
}

TEST_F(PicturePreviewWindowTest, APictureSpoiltSinceItWasChosenLeavesTheWindowBlack) {
    chosen = path;
    window->show();
    ASSERT_TRUE(laidOut());
    picture_files::write(path, "not a picture any more");
    window->gotFocus();
    ASSERT_TRUE(laidOut());
    EXPECT_TRUE(picture()->isHidden());
    QFile::remove(path);
    window->gotFocus();
    ASSERT_TRUE(laidOut());
    EXPECT_TRUE(picture()->isHidden());
}

TEST_F(PicturePreviewWindowTest, ALargePictureIsDecodedOnlyAsFarAsItIsShown) {
    // Square and larger than the window: shown at its own size and cut off, so only
    // the part inside the window is decoded.
    const QString big = folder.filePath(u"big.jpg"_s);
    picture_files::write(big, picture_files::encode(picture_files::detailed(2000, 2000), "jpeg"));
    chosen = big;
    window->resize(400, 300);
    window->showNormal();
    ASSERT_TRUE(laidOut());
    EXPECT_EQ(picture()->size(), QSize(2000, 2000));
    const QSize decoded = picture()->picture().size();
    EXPECT_LE(decoded.width(), window->width());
    EXPECT_LE(decoded.height(), window->height());
}

} // namespace
