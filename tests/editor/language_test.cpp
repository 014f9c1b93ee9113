#include "dialogs/check_window.h"
#include "editor_fixture.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QTableWidget>
#include <QToolButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using LanguageTest = EditorTest;

// The window speaks the system's language (CTest runs this once per language, with
// LANG set): its menus, a message, and the texts kept as they are in every language.
TEST_F(LanguageTest, MenusAndMessagesAreInTheSystemsLanguage) {
    const struct {
        const char* language;
        QString fileMenu, open, notOpened, noScroll, tickerNote, pictureFact;
    } expected[] = {
        {"en", u"File"_s, u"&Open..."_s, u"Not Opened"_s, u"No Scroll"_s, u"The ticker writes"_s,
         u"The background picture"_s},
        {"de", u"Datei"_s, u"Ö&ffnen…"_s, u"Nicht geöffnet"_s, u"Kein Lauf"_s,
         u"Die Laufschrift schreibt"_s, u"Das Hintergrundbild"_s},
        {"fr", u"Fichier"_s, u"&Ouvrir…"_s, u"Non ouvert"_s, u"Sans défilement"_s,
         u"Le texte défilant écrit"_s, u"L'image de fond"_s},
        {"es", u"Archivo"_s, u"&Abrir…"_s, u"No abierto"_s, u"Sin desplazamiento"_s,
         u"El texto deslizante escribe"_s, u"La imagen de fondo"_s},
        {"it", u"File"_s, u"&Apri…"_s, u"Non aperto"_s, u"Nessuno scorrimento"_s,
         u"Il testo scorrevole scrive"_s, u"L'immagine di sfondo"_s},
        {"pt", u"Arquivo"_s, u"&Abrir…"_s, u"Não aberto"_s, u"Sem rolagem"_s,
         u"O letreiro escreve"_s, u"A imagem de fundo"_s},
    };
    QString language = QLocale().name().section(u'_', 0, 0);
    if (language == u"C"_s)
        language = u"en"_s;
    const auto* words = std::find_if(std::begin(expected), std::end(expected), [&](const auto& e) {
        return language == QLatin1String(e.language);
    });
    ASSERT_NE(words, std::end(expected)) << "no words for " << language.toStdString();
    EXPECT_EQ(form->menuBar()->actions().at(0)->text(), words->fileMenu);
    EXPECT_EQ(form->findChild<QAction*>(u"openAction"_s)->text(), words->open);
    EXPECT_EQ(control<QToolButton>("noScrollButton")->toolTip(), words->noScroll);

    QFile notStationery(scratchPath(u"notes.htm"_s));
    ASSERT_TRUE(notStationery.open(QIODevice::WriteOnly));
    notStationery.write("<html><body>Hello</body></html>");
    notStationery.close();
    dialogs.answerOpen(notStationery.fileName());
    trigger("openAction");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, words->notOpened);

    // Check's findings and its table of what mail clients do.
    control<QLineEdit>("ticker2Edit")->setText(u"News"_s);
    trigger("checkAction");
    auto* check = form->findChild<CheckWindow*>();
    ASSERT_NE(check, nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(check->list()->item(0)->text().startsWith(words->tickerNote))
        << check->list()->item(0)->text().toStdString();
    EXPECT_EQ(check->findChild<QTableWidget*>(u"clientFactsTable"_s)->item(0, 0)->text(),
              words->pictureFact);

    // Kept in every language: the caption, and the fields' first texts the file depends on.
    EXPECT_TRUE(form->windowTitle().isEmpty() ||
                form->windowTitle().contains(u"Varek's Outlook Express Stationery Creator"_s));
    EXPECT_EQ(control<QLineEdit>("authorEdit")->text(), u"Your Name"_s);
}

} // namespace
