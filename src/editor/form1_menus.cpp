#include "editor/form1.h"

#include "platform/menu_item.h"

#include <QMenuBar>

void Form1::buildMenus() {
    const auto item = [this](QMenu* menu, const char* caption, QKeyCombination key,
                             void (Form1::*handler)()) {
        auto* entry = new platform::MenuItem(tr(caption), QKeySequence(key), this);
        menu->addAction(entry);
        connect(entry, &platform::MenuItem::Click, this, handler);
        return entry;
    };

    mnuFile = menuBar()->addMenu(tr("File"));
    mnuOpen = item(mnuFile, QT_TR_NOOP("&Open..."), Qt::CTRL | Qt::SHIFT | Qt::Key_O,
                   &Form1::Form1_mnuOpen_Click);
    mnuSave = item(mnuFile, QT_TR_NOOP("&Save"), Qt::CTRL | Qt::Key_S, &Form1::Form1_mnuSave_Click);
    mnuExport = item(mnuFile, QT_TR_NOOP("&Export..."), Qt::CTRL | Qt::Key_E,
                     &Form1::Form1_mnuExport_Click);
    mnuPreview = item(mnuFile, QT_TR_NOOP("&Preview in Browser"), QKeyCombination(Qt::Key_F5),
                      &Form1::Form1_mnuPreview_Click);
    mnuCheck =
        item(mnuFile, QT_TR_NOOP("&Check..."), Qt::CTRL | Qt::Key_K, &Form1::Form1_mnuCheck_Click);
    mnuExit = item(mnuFile, QT_TR_NOOP("E&xit"), Qt::CTRL | Qt::Key_X, &Form1::Form1_mnuExit_Click);

    mnuItems = menuBar()->addMenu(tr("Items"));
    mnuImage =
        item(mnuItems, QT_TR_NOOP("Image"), Qt::CTRL | Qt::Key_I, &Form1::Form1_mnuImage_Click);
    mnuSound =
        item(mnuItems, QT_TR_NOOP("Sound"), Qt::CTRL | Qt::Key_O, &Form1::Form1_mnuSound_Click);
    mnuTicker =
        item(mnuItems, QT_TR_NOOP("Ticker"), Qt::CTRL | Qt::Key_T, &Form1::Form1_mnuTicker_Click);
    mnucolorfont = item(mnuItems, QT_TR_NOOP("Color-Font"), Qt::CTRL | Qt::Key_F,
                        &Form1::Form1_mnucolorfont_Click);
    mnuMargins =
        item(mnuItems, QT_TR_NOOP("Margins"), Qt::CTRL | Qt::Key_M, &Form1::Form1_mnuMargins_Click);
    for (platform::MenuItem* entry : {mnuImage, mnuSound, mnuTicker, mnucolorfont, mnuMargins})
        entry->setCheckable(true);

    mnuAbout = new platform::MenuItem(tr("&About"), QKeySequence(), this);
    menuBar()->addAction(mnuAbout);
    connect(mnuAbout, &platform::MenuItem::Click, this, &Form1::Form1_mnuAbout_Click);
}
