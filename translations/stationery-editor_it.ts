<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="32"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="60"/>
        <source>Varek&apos;s Stationery Program (Tovrin)</source>
        <translation>Varek&apos;s Stationery Program (Tovrin)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="63"/>
        <source>Copyright © the Stationery Editor authors</source>
        <translation>Copyright © gli autori di Stationery Editor</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="65"/>
        <source>Questions and fixes are welcome through the project&apos;s issue tracker.</source>
        <translation>Domande e correzioni sono benvenute nel sistema di segnalazioni del progetto.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="115"/>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="116"/>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>AudioDevice</name>
    <message>
        <location filename="../src/platform/audio_device.cpp" line="8"/>
        <source>No audio device is available.</source>
        <translation>Nessun dispositivo audio disponibile.</translation>
    </message>
</context>
<context>
    <name>BrowserPreview</name>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="33"/>
        <source>Dear friend,</source>
        <translation>Cara amica, caro amico,</translation>
    </message>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="34"/>
        <source>Greetings from here. This is how your message looks to the people who get it: your picture, colours, font and margins behind what you write.</source>
        <translation>Tanti saluti da qui. Ecco come vede il messaggio chi lo riceve: la tua immagine, i colori, il carattere e i margini dietro a ciò che scrivi.</translation>
    </message>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="37"/>
        <source>Best wishes</source>
        <translation>Un caro saluto</translation>
    </message>
</context>
<context>
    <name>ChangeColorOrFont</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="80"/>
        <source>Change Text Colour</source>
        <translation>Cambia colore del testo</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="81"/>
        <source>Change Background Colour</source>
        <translation>Cambia colore di sfondo</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="82"/>
        <source>Change Font</source>
        <translation>Cambia carattere</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="83"/>
        <source>Change Author</source>
        <translation>Cambia autore</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="84"/>
        <source>Change Title</source>
        <translation>Cambia titolo</translation>
    </message>
</context>
<context>
    <name>ChangeMargins</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="88"/>
        <source>Change Scroll Direction</source>
        <translation>Cambia direzione di scorrimento</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="88"/>
        <source>Change Margin</source>
        <translation>Cambia margine</translation>
    </message>
</context>
<context>
    <name>ChangePicture</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="65"/>
        <source>Change Picture</source>
        <translation>Cambia immagine</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="65"/>
        <source>Change Picture Size</source>
        <translation>Cambia dimensioni dell’immagine</translation>
    </message>
</context>
<context>
    <name>ChangeSound</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="69"/>
        <source>Change No Sound</source>
        <translation>Cambia «Nessun suono»</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="70"/>
        <source>Change Sound Form</source>
        <translation>Cambia forma del suono</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="71"/>
        <source>Change Sound</source>
        <translation>Cambia suono</translation>
    </message>
</context>
<context>
    <name>ChangeTickerText</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="75"/>
        <source>Change Ticker Text</source>
        <translation>Cambia testo scorrevole</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="25"/>
        <source>What</source>
        <translation>Cosa</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="25"/>
        <source>Shown by</source>
        <translation>Mostrato da</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="26"/>
        <source>Elsewhere</source>
        <translation>Altrove</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="27"/>
        <source>Source (read on)</source>
        <translation>Fonte (letta il)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="32"/>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="48"/>
        <source>What today&apos;s mail clients do with the exports</source>
        <translation>Cosa fanno i programmi di posta attuali con le esportazioni</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="55"/>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="61"/>
        <source>What recipients will meet</source>
        <translation>Cosa troveranno i destinatari</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="64"/>
        <source>What today&apos;s mail clients do with the exports:</source>
        <translation>Cosa fanno i programmi di posta attuali con le esportazioni:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="76"/>
        <source>Nothing to worry about</source>
        <translation>Niente di cui preoccuparsi</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="81"/>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="83"/>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="85"/>
        <source>Advice</source>
        <translation>Consiglio</translation>
    </message>
</context>
<context>
    <name>CheckWords</name>
    <message>
        <location filename="../src/platform/check_words.cpp" line="23"/>
        <source>Text on the background colour: %1; aim for %2.</source>
        <translation>Testo sul colore di sfondo: %1; puntare a %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="25"/>
        <source>Choose a text colour further from the background colour, darker on a light background or lighter on a dark one.</source>
        <translation>Scegliere un colore del testo più lontano dal colore di sfondo, più scuro su uno sfondo chiaro o più chiaro su uno scuro.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="28"/>
        <source>Text on the picture: %1; aim for %2.</source>
        <translation>Testo sull&apos;immagine: %1; puntare a %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="30"/>
        <source>Choose a darker or calmer picture, or a text colour that stands out from all of it.</source>
        <translation>Scegliere un&apos;immagine più scura o più calma, o un colore del testo che risalti su tutta l&apos;immagine.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="32"/>
        <source>Choose a paler or calmer picture, or a text colour that stands out from all of it.</source>
        <translation>Scegliere un&apos;immagine più chiara o più calma, o un colore del testo che risalti su tutta l&apos;immagine.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="35"/>
        <source>The picture &quot;%1&quot; no longer exists.</source>
        <translation>L&apos;immagine «%1» non esiste più.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="36"/>
        <source>Choose the picture again on the Image tab.</source>
        <translation>Scegliere di nuovo l&apos;immagine nella scheda «Immagine».</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="38"/>
        <source>The sound &quot;%1&quot; no longer exists.</source>
        <translation>Il suono «%1» non esiste più.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="39"/>
        <source>Choose the sound again on the Sound tab, or tick &quot;No Sound&quot;.</source>
        <translation>Scegliere di nuovo il suono nella scheda «Suono», o spuntare «Nessun suono».</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="42"/>
        <source>Choose a smaller picture or sound, or save the picture smaller.</source>
        <translation>Scegliere un&apos;immagine o un suono più piccolo, o salvare l&apos;immagine più piccola.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="45"/>
        <source>Use File &gt; New Message in Mail Client, or Export&apos;s message template. The picture then travels inside the message.</source>
        <translation>Usare File &gt; Nuovo messaggio nel programma di posta, o il modello di messaggio di Esporta. L&apos;immagine viaggia allora dentro il messaggio.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="48"/>
        <source>The picture scrolls by a script. Received mail never runs one, so recipients see it standing still.</source>
        <translation>L&apos;immagine scorre tramite uno script. La posta ricevuta non ne esegue mai, quindi i destinatari la vedono ferma.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="50"/>
        <source>The message template scrolls it by CSS instead, which %1 play.</source>
        <translation>Il modello di messaggio la fa scorrere invece con CSS, che %1 riproducono.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="53"/>
        <source>The ticker writes to a status bar by a script. No mail client of today runs one.</source>
        <translation>Il testo scorrevole scrive in una barra di stato tramite uno script. Nessun programma di posta di oggi ne esegue.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="55"/>
        <source>Put anything recipients must read into the message itself.</source>
        <translation>Mettere tutto ciò che i destinatari devono leggere nel messaggio stesso.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="57"/>
        <source>The background sound plays only in old mail clients. The message template leaves it out.</source>
        <translation>Il suono di sottofondo suona solo nei vecchi programmi di posta. Il modello di messaggio lo omette.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="59"/>
        <source>Expect recipients not to hear it.</source>
        <translation>Aspettarsi che i destinatari non lo sentano.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="66"/>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="67"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="73"/>
        <source>%1:1</source>
        <translation>%1:1</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="78"/>
        <source>The picture &quot;%1&quot; and the sound &quot;%2&quot; add %3 to every message sent with this stationery.</source>
        <translation>L&apos;immagine «%1» e il suono «%2» aggiungono %3 a ogni messaggio inviato con questa carta da lettere.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="82"/>
        <source>The picture &quot;%1&quot; adds %2 to every message sent with this stationery.</source>
        <translation>L&apos;immagine «%1» aggiunge %2 a ogni messaggio inviato con questa carta da lettere.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="84"/>
        <source>The sound &quot;%1&quot; adds %2 to every message sent with this stationery.</source>
        <translation>Il suono «%1» aggiunge %2 a ogni messaggio inviato con questa carta da lettere.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="90"/>
        <source>The picture &quot;%1&quot; and the sound &quot;%2&quot; are named by their place on this computer. Recipients do not have them unless the mail client sends them along.</source>
        <translation>L&apos;immagine «%1» e il suono «%2» sono indicati dalla loro posizione su questo computer. I destinatari non li hanno, a meno che il programma di posta non li alleghi.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="95"/>
        <source>The picture &quot;%1&quot; is named by its place on this computer. Recipients do not have it unless the mail client sends it along.</source>
        <translation>L&apos;immagine «%1» è indicata dalla sua posizione su questo computer. I destinatari non la hanno, a meno che il programma di posta non la alleghi.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="98"/>
        <source>The sound &quot;%1&quot; is named by its place on this computer. Recipients do not have it unless the mail client sends it along.</source>
        <translation>Il suono «%1» è indicato dalla sua posizione su questo computer. I destinatari non lo hanno, a meno che il programma di posta non lo alleghi.</translation>
    </message>
</context>
<context>
    <name>ClientSupport</name>
    <message>
        <location filename="../src/stationery/client_support.h" line="23"/>
        <source>caniemail.com: CSS background-image, the body&apos;s background attribute, CSS animations, the audio and script elements</source>
        <translation>caniemail.com: CSS background-image, l&apos;attributo background di body, le animazioni CSS, gli elementi audio e script</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="29"/>
        <source>The background picture</source>
        <translation>L&apos;immagine di sfondo</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="30"/>
        <source>Apple Mail, Thunderbird, Gmail and Outlook on the web</source>
        <translation>Apple Mail, Thunderbird, Gmail e Outlook sul web</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="31"/>
        <source>Outlook for Windows shows it only from the body&apos;s background attribute, which the template writes</source>
        <translation>Outlook per Windows la mostra solo dall&apos;attributo background di body, che il modello scrive</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="37"/>
        <source>A picture scrolled by CSS</source>
        <translation>Un&apos;immagine che scorre con CSS</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="38"/>
        <source>Apple Mail and Samsung Mail</source>
        <translation>Apple Mail e Samsung Mail</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="39"/>
        <source>it stands still elsewhere, and for readers who ask for reduced motion</source>
        <translation>altrove resta ferma, e anche per chi chiede meno movimento</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="43"/>
        <source>Scripts (the scrolling script, the ticker)</source>
        <translation>Script (lo scorrimento, il testo scorrevole)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="44"/>
        <source>no mail client of today runs them</source>
        <translation>nessun programma di posta di oggi li esegue</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="47"/>
        <source>A background sound</source>
        <translation>Un suono di sottofondo</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="48"/>
        <source>no mail client of today plays one</source>
        <translation>nessun programma di posta di oggi lo riproduce</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="53"/>
        <source>A message template in a webmail</source>
        <translation>Un modello di messaggio in una webmail</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="54"/>
        <source>Roundcube 1.6, in its view and its editor</source>
        <translation>Roundcube 1.6, nella vista e nel suo editor</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="59"/>
        <source>this program&apos;s webmail test: Roundcube 1.6.5 from Debian 12 with Chromium</source>
        <translation>il test webmail di questo programma: Roundcube 1.6.5 da Debian 12 con Chromium</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="63"/>
        <source>A message template handed to Evolution</source>
        <translation>Un modello di messaggio passato a Evolution</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="69"/>
        <source>tried with this program&apos;s template under Debian 12</source>
        <translation>provato con il modello di questo programma su Debian 12</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="72"/>
        <source>Thunderbird and Roundcube</source>
        <translation>Thunderbird e Roundcube</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="73"/>
        <source>Thunderbird takes a cid: name in CSS for remote content and shows its privacy bar; a picture over 128 KB is left off the wrapper</source>
        <translation>Thunderbird considera un nome cid: nel CSS contenuto remoto e mostra la sua barra della privacy; un&apos;immagine oltre 128 KB resta fuori dall&apos;involucro</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="79"/>
        <source>The look on a wrapper around the text as well as on the body</source>
        <translation>L&apos;aspetto su un involucro attorno al testo oltre che su body</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="81"/>
        <source>Gmail, on the web and in its apps</source>
        <translation>Gmail, sul web e nelle sue app</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="82"/>
        <source>replaces the body by a &lt;div&gt; with only the attributes it supports; the wrapper keeps the text colour, font and left margin there, and on today&apos;s page the picture and background colour</source>
        <translation>sostituisce body con un &lt;div&gt; con i soli attributi che accetta; l&apos;involucro vi conserva colore del testo, carattere e margine sinistro, e nella pagina attuale l&apos;immagine e il colore di sfondo</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="87"/>
        <source>caniemail.com, the &lt;body&gt; element, as the doiuse-email package quotes it</source>
        <translation>caniemail.com, l&apos;elemento &lt;body&gt;, come lo cita il pacchetto doiuse-email</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="90"/>
        <source>A message template opened in Thunderbird</source>
        <translation>Un modello di messaggio aperto in Thunderbird</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="91"/>
        <source>Thunderbird 153 ESR</source>
        <translation>Thunderbird 153 ESR</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="92"/>
        <source>opens it as a new message with the caret inside the wrapper; what it sends carries the body&apos;s picture but drops the scrolling rule, so the picture stands still</source>
        <translation>lo apre come nuovo messaggio con il cursore nell&apos;involucro; ciò che invia porta l&apos;immagine di body ma perde la regola di scorrimento, quindi l&apos;immagine resta ferma</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="76"/>
        <location filename="../src/stationery/client_support.h" line="96"/>
        <source>tried with this program&apos;s template under Thunderbird 153.8 ESR</source>
        <translation>provato con il modello di questo programma in Thunderbird 153.8 ESR</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="55"/>
        <source>drops the body&apos;s look and shows the wrapper&apos;s, picture and all, over the whole message; what it sends keeps the colour, font, margins and the picture, given in a style sheet, where it is not rewritten</source>
        <translation>scarta l&apos;aspetto di body e mostra quello dell&apos;involucro, immagine compresa, su tutto il messaggio; ciò che invia conserva colore, carattere, margini e l&apos;immagine, data in un foglio di stile, dove non la riscrive</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="64"/>
        <source>Evolution 3.46 opens no message file given to it (&quot;Cannot import any of the given URIs&quot;); a template in the account&apos;s Templates folder starts a new message there; its view shows 480 pixels of the picture, and its editor the whole stationery</source>
        <translation>Evolution 3.46 non apre alcun file di messaggio che gli viene passato («Cannot import any of the given URIs»); un modello nella cartella «Modelli» dell&apos;account vi avvia un nuovo messaggio; la sua vista mostra 480 pixel dell&apos;immagine, e il suo editor tutta la carta da lettere</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="71"/>
        <source>The wrapper&apos;s picture as a data: URL in a style sheet</source>
        <translation>L&apos;immagine dell&apos;involucro come URL data: in un foglio di stile</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="99"/>
        <source>The light colour scheme asked for (meta element)</source>
        <translation>Lo schema di colori chiaro richiesto (elemento meta)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="100"/>
        <source>Thunderbird and Apple Mail on macOS</source>
        <translation>Thunderbird e Apple Mail su macOS</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="101"/>
        <source>other clients ignore the meta element</source>
        <translation>gli altri programmi ignorano l&apos;elemento meta</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="102"/>
        <source>html-email-guide.vercel.app, Dark mode</source>
        <translation>html-email-guide.vercel.app, Dark mode</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="103"/>
        <source>The light colour scheme asked for (CSS color-scheme)</source>
        <translation>Lo schema di colori chiaro richiesto (CSS color-scheme)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="104"/>
        <source>Apple Mail, Samsung Mail and Thunderbird</source>
        <translation>Apple Mail, Samsung Mail e Thunderbird</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="105"/>
        <source>Gmail&apos;s apps for iOS and Android invert colours in dark mode whatever a message asks</source>
        <translation>le app di Gmail per iOS e Android invertono i colori in modalità scura, qualunque cosa chieda il messaggio</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="108"/>
        <source>html-email-guide.vercel.app, Dark mode; mailviewr.com, Apple Mail dark mode preview</source>
        <translation>html-email-guide.vercel.app, Dark mode; mailviewr.com, Apple Mail dark mode preview</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="112"/>
        <source>Scrolling only for readers who accept motion</source>
        <translation>Scorrimento solo per chi accetta il movimento</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="113"/>
        <source>clients that strip prefers-reduced-motion rules, Gmail among them, show the picture standing still, never moving for ever</source>
        <translation>i programmi che tolgono le regole prefers-reduced-motion, Gmail tra questi, mostrano l&apos;immagine ferma, mai in movimento senza fine</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="117"/>
        <source>emailmarkup.org, Email clients are stripping out accessibility (2025)</source>
        <translation>emailmarkup.org, Email clients are stripping out accessibility (2025)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="120"/>
        <source>A generic family after every font</source>
        <translation>Una famiglia generica dopo ogni carattere</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="121"/>
        <source>every client that shows HTML mail</source>
        <translation>ogni programma che mostra la posta HTML</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="122"/>
        <source>a reader without the font sees the nearest serif, sans-serif, monospace or cursive font instead of the client&apos;s default</source>
        <translation>chi non ha il carattere vede il serif, sans-serif, a spaziatura fissa o corsivo più vicino invece di quello predefinito del programma</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="126"/>
        <source>CSS Fonts Module Level 4, generic font families (W3C)</source>
        <translation>CSS Fonts Module Level 4, generic font families (W3C)</translation>
    </message>
</context>
<context>
    <name>ColorFontPage</name>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="39"/>
        <source>Text Color</source>
        <translation>Colore del testo</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="39"/>
        <source>Text colour</source>
        <translation>Colore del testo</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="43"/>
        <source>BackGround Color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="43"/>
        <source>Background colour</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="48"/>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="60"/>
        <location filename="../src/editor/color_font_page.cpp" line="81"/>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="62"/>
        <location filename="../src/editor/color_font_page.cpp" line="83"/>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="77"/>
        <source>Author, in the chosen colours and font</source>
        <translation>Autore, nei colori e nel carattere scelti</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="79"/>
        <source>Title, in the chosen colours and font</source>
        <translation>Titolo, nei colori e nel carattere scelti</translation>
    </message>
</context>
<context>
    <name>DesignPicker</name>
    <message>
        <location filename="../src/editor/design_picker.cpp" line="50"/>
        <source>The design&apos;s picture could not be written to &quot;%1&quot;: %2.</source>
        <translation>Impossibile scrivere l’immagine del motivo in «%1»: %2.</translation>
    </message>
    <message>
        <location filename="../src/editor/design_picker.cpp" line="53"/>
        <source>Design Not Applied</source>
        <translation>Motivo non applicato</translation>
    </message>
</context>
<context>
    <name>Designs</name>
    <message>
        <location filename="../src/editor/designs.cpp" line="23"/>
        <source>Linen</source>
        <translation>Lino</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="25"/>
        <source>Blue Sky</source>
        <translation>Cielo azzurro</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="27"/>
        <source>Graph Paper</source>
        <translation>Carta millimetrata</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="29"/>
        <source>Ruled Notebook</source>
        <translation>Quaderno a righe</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="32"/>
        <source>Starry Night</source>
        <translation>Notte stellata</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="34"/>
        <source>Autumn Leaves</source>
        <translation>Foglie d’autunno</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="36"/>
        <source>Winter Snow</source>
        <translation>Neve d’inverno</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="38"/>
        <source>Spring Dots</source>
        <translation>Pois di primavera</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="40"/>
        <source>Parchment</source>
        <translation>Pergamena</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="42"/>
        <source>Ocean Waves</source>
        <translation>Onde</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="44"/>
        <source>Rose Border</source>
        <translation>Bordo di rose</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="46"/>
        <source>Chalkboard</source>
        <translation>Lavagna</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="48"/>
        <source>Candy Stripes</source>
        <translation>Righe di caramella</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="111"/>
        <source>Dear friend, greetings from here.</source>
        <translation>Tanti saluti da qui.</translation>
    </message>
</context>
<context>
    <name>DesignsWindow</name>
    <message>
        <location filename="../src/dialogs/designs_window.cpp" line="11"/>
        <location filename="../src/dialogs/designs_window.cpp" line="14"/>
        <source>Designs</source>
        <translation>Motivi</translation>
    </message>
</context>
<context>
    <name>DroppedFiles</name>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="77"/>
        <source>&quot;%1&quot; is neither a picture, a sound nor a stationery file, so it was not used.</source>
        <translation>«%1» non è né un’immagine, né un suono, né un file di carta da lettere, quindi non è stato usato.</translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="80"/>
        <source>&quot;%1&quot; is no longer there, so it was not used.</source>
        <translation>«%1» non c’è più, quindi non è stato usato.</translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="83"/>
        <source>&quot;%1&quot; is not a file but a folder, a pipe or a device, so it was not used.</source>
        <translation>«%1» non è un file ma una cartella, una pipe o un dispositivo, quindi non è stato usato.</translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="87"/>
        <source>&quot;%1&quot; could not be read (%2), so it was not used.</source>
        <translation>Impossibile leggere «%1» (%2), quindi non è stato usato.</translation>
    </message>
</context>
<context>
    <name>ErrorWords</name>
    <message>
        <location filename="../src/platform/error_words.cpp" line="21"/>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation>Impossibile salvare «%1»: %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="28"/>
        <source>Could not open &quot;%1&quot;: %2.</source>
        <translation>Impossibile aprire «%1»: %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="35"/>
        <source>Could not export &quot;%1&quot;: %2.</source>
        <translation>Impossibile esportare «%1»: %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="49"/>
        <location filename="../src/platform/error_words.cpp" line="127"/>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="51"/>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="53"/>
        <source>it is larger than 16 MB, and a stationery file is about 5 KB</source>
        <translation>supera i 16 MB, mentre una carta da lettere occupa circa 5 KB</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="55"/>
        <source>it holds bytes that are not text</source>
        <translation>contiene byte che non sono testo</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="58"/>
        <source>it is %1, not a stationery, a page for today&apos;s mail clients or a message template made by this program</source>
        <translation>è %1, non una carta da lettere, una pagina per i programmi di posta attuali o un modello di messaggio creato con questo programma</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="63"/>
        <source>its font size &quot;%1&quot; is not a number</source>
        <translation>la sua dimensione del carattere «%1» non è un numero</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="65"/>
        <source>its margin &quot;%1&quot; is not a number of pixels</source>
        <translation>il suo margine «%1» non è un numero di pixel</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="67"/>
        <source>its picture size &quot;%1&quot; is not a number of pixels</source>
        <translation>la sua dimensione dell’immagine «%1» non è un numero di pixel</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="70"/>
        <source>its picture could not be written to the program&apos;s pictures folder (%1)</source>
        <translation>impossibile scrivere la sua immagine nella cartella delle immagini del programma (%1)</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="73"/>
        <source>it is a message template made by this program, but cut off before its end</source>
        <translation>è un modello di messaggio creato con questo programma, ma troncato prima della fine</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="76"/>
        <source>it is not a stationery file made by this program</source>
        <translation>non è una carta da lettere creata con questo programma</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="80"/>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="91"/>
        <source>the picture &quot;%1&quot; could not be copied: it does not exist or is no file</source>
        <translation>impossibile copiare l’immagine «%1»: non esiste o non è un file</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="94"/>
        <source>the sound &quot;%1&quot; could not be copied: it does not exist or is no file</source>
        <translation>impossibile copiare il suono «%1»: non esiste o non è un file</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="97"/>
        <source>the picture &quot;%1&quot; would be written over by the export</source>
        <translation>l’esportazione sovrascriverebbe l’immagine «%1»</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="99"/>
        <source>the sound &quot;%1&quot; would be written over by the export</source>
        <translation>l’esportazione sovrascriverebbe il suono «%1»</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="114"/>
        <source>the sound &quot;%1&quot; is not a MIDI, WAV or MP3 sound%2, so it is not carried</source>
        <translation>il suono «%1» non è un suono MIDI, WAV o MP3%2, quindi non viene incluso</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="117"/>
        <source>the picture &quot;%1&quot; is in a hidden or system folder, and such a file is carried only when you agree</source>
        <translation>l’immagine «%1» è in una cartella nascosta o di sistema; un file così viene incluso solo con il tuo consenso</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="121"/>
        <source>the sound &quot;%1&quot; is in a hidden or system folder, and such a file is carried only when you agree</source>
        <translation>il suono «%1» è in una cartella nascosta o di sistema; un file così viene incluso solo con il tuo consenso</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="125"/>
        <source>that is the stationery being exported, which would be written over</source>
        <translation>è la carta da lettere che si sta esportando, e verrebbe sovrascritta</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="129"/>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>la cartella «%1» non esiste</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="101"/>
        <source>the picture &quot;%1&quot; could not be copied: %2</source>
        <translation>impossibile copiare l’immagine «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="12"/>
        <source>a picture</source>
        <translation>un’immagine</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="12"/>
        <source>a sound</source>
        <translation>un suono</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="13"/>
        <source>an e-mail message not made by this program</source>
        <translation>un messaggio di posta non creato con questo programma</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="14"/>
        <source>a web page not made by this program</source>
        <translation>una pagina web non creata con questo programma</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="103"/>
        <source>the sound &quot;%1&quot; could not be copied: %2</source>
        <translation>impossibile copiare il suono «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="107"/>
        <source>the picture &quot;%1&quot; could not be read: it changed while it was read</source>
        <translation>impossibile leggere l’immagine «%1»: è cambiata durante la lettura</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="110"/>
        <source>the picture &quot;%1&quot; is not a JPEG, GIF, PNG or BMP picture%2, so it is not carried</source>
        <translation>l’immagine «%1» non è un’immagine JPEG, GIF, PNG o BMP%2, quindi non viene inclusa</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="131"/>
        <source>the picture &quot;%1&quot; could not be read: %2</source>
        <translation>impossibile leggere l’immagine «%1»: %2</translation>
    </message>
</context>
<context>
    <name>ExportForm</name>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="54"/>
        <source>Exported to %1. Open it with your mail client for a new message on this stationery, or use File &gt; New Message in Mail Client.</source>
        <translation>Esportato in %1. Aprilo con il tuo programma di posta per un nuovo messaggio su questa carta da lettere, oppure usa File &gt; Nuovo messaggio nel programma di posta.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="57"/>
        <source>Exported to %1 with its picture beside it. Choose it as stationery in your mail client, or open it in a browser.</source>
        <translation>Esportato in %1, con l’immagine accanto. Sceglilo come carta da lettere nel tuo programma di posta o aprilo in un browser.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="60"/>
        <source>Exported to %1 with its picture and sound beside it, for mail clients that still run stationery scripts.</source>
        <translation>Esportato in %1, con immagine e suono accanto, per i programmi di posta che eseguono ancora gli script della carta da lettere.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="63"/>
        <source>Message template, opens as a new message in Thunderbird, Outlook, Apple Mail</source>
        <translation>Modello di messaggio, si apre come nuovo messaggio in Thunderbird, Outlook, Apple Mail</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="66"/>
        <source>Web page for today&apos;s mail clients, with its picture beside it</source>
        <translation>Pagina web per i programmi di posta attuali, con l’immagine accanto</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="68"/>
        <source>Classic stationery with script, ticker and sound, for old mail clients</source>
        <translation>Carta da lettere classica con script, testo scorrevole e suono, per i vecchi programmi di posta</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="94"/>
        <source>Not Opened</source>
        <translation>Non aperto</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="101"/>
        <source>&quot;%1&quot; was made for today&apos;s mail clients, which carry no sound and no ticker: the Sound and Ticker tabs stay empty. Everything else is as it was.</source>
        <translation>«%1» è stato creato per i programmi di posta attuali, che non portano suono né testo scorrevole: le schede Suono e Testo scorrevole restano vuote. Tutto il resto è come prima.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="104"/>
        <source>Opened</source>
        <translation>Aperto</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="121"/>
        <source>&quot;%1&quot; names files in hidden or system folders, where private files are kept:
%2

Export asks before it copies any of them.</source>
        <translation>«%1» indica file in cartelle nascoste o di sistema, dove si tengono file privati:
%2

L’esportazione chiede prima di copiarne uno.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="124"/>
        <source>Private Files Named</source>
        <translation>File privati indicati</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="128"/>
        <source>&quot;%1&quot; is open, but not everything it names can be used.</source>
        <translation>«%1» è aperto, ma non tutto ciò che indica si può usare.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="131"/>
        <source>These files can&apos;t be found:
%1</source>
        <translation>Questi file non si trovano:
%1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="133"/>
        <source>This file is there but cannot be read as a picture:
%1</source>
        <translation>Questo file c’è, ma non si può leggere come immagine:
%1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="135"/>
        <source>The paths are kept, so saving writes them as they were.</source>
        <translation>I percorsi restano, quindi il salvataggio li scrive com’erano.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="137"/>
        <source>These are in hidden or system folders, where private files are kept; Export asks before it copies them:
%1</source>
        <translation>Questi sono in cartelle nascoste o di sistema, dove si tengono file privati; l’esportazione chiede prima di copiarli:
%1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="141"/>
        <source>Picture Not Shown</source>
        <translation>Immagine non mostrata</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="142"/>
        <source>Files Missing</source>
        <translation>File mancanti</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="153"/>
        <source>Not Saved</source>
        <translation>Non salvato</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="160"/>
        <source>the new stationery</source>
        <translation>la nuova carta da lettere</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="162"/>
        <source>Save changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="163"/>
        <source>Unsaved Changes</source>
        <translation>Modifiche non salvate</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="178"/>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="213"/>
        <source>The stationery names a file in a hidden or system folder, where private files are kept:
%1

The export would copy it where others can read it. Copy it anyway?</source>
        <translation>La carta da lettere indica un file in una cartella nascosta o di sistema, dove si tengono file privati:
%1

L’esportazione lo copierebbe dove altri possono leggerlo. Copiarlo comunque?</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="217"/>
        <source>Private File</source>
        <translation>File privato</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="193"/>
        <location filename="../src/editor/file_commands.cpp" line="202"/>
        <source>Not Exported</source>
        <translation>Non esportato</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="33"/>
        <source>Stationery Files</source>
        <translation>File di carta da lettere</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="83"/>
        <source>Stationery and message templates</source>
        <translation>Carte da lettere e modelli di messaggio</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="85"/>
        <source>Stationery and pages for today&apos;s mail clients</source>
        <translation>Carte da lettere e pagine per i programmi di posta attuali</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="87"/>
        <source>Message templates</source>
        <translation>Modelli di messaggio</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="231"/>
        <source>No web browser could be started to show the preview (%1). Nothing was saved; File &gt; Save writes the stationery as usual.</source>
        <translation>Impossibile avviare un browser per l’anteprima (%1). Non è stato salvato nulla; File &gt; Salva scrive la carta da lettere come sempre.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="234"/>
        <source>The preview could not be written: %1</source>
        <translation>Impossibile scrivere l’anteprima: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="235"/>
        <source>No Browser</source>
        <translation>Nessun browser</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="235"/>
        <source>No Preview</source>
        <translation>Nessuna anteprima</translation>
    </message>
</context>
<context>
    <name>ImagePage</name>
    <message>
        <location filename="../src/editor/image_page.cpp" line="32"/>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Images</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="41"/>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.webp *.avif)</source>
        <translation>Immagini (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.webp *.avif)</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="42"/>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="45"/>
        <source>Browse for a picture</source>
        <translation>Cerca un’immagine</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="57"/>
        <source>Click to see the picture at its own size</source>
        <translation>Fai clic per vedere l’immagine alle sue dimensioni reali</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Picture drive</source>
        <translation>Unità dell’immagine</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Picture folder</source>
        <translation>Cartella dell’immagine</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="68"/>
        <source>Picture files</source>
        <translation>File immagine</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="68"/>
        <source>Picture preview</source>
        <translation>Anteprima dell’immagine</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="140"/>
        <source>Picture Too Large</source>
        <translation>Immagine troppo grande</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="144"/>
        <source>This is a %1 picture, a kind phones and cameras make that this program cannot read yet. Save it as JPEG or PNG (most photo programs do this under Export or Save As), then choose that file.</source>
        <translation>È un’immagine %1, un formato di telefoni e fotocamere che questo programma non sa ancora leggere. Salvala come JPEG o PNG (quasi tutti i programmi di foto lo fanno con Esporta o Salva con nome), poi scegli quel file.</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="148"/>
        <source>Picture Kind Not Read</source>
        <translation>Formato dell’immagine non leggibile</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="222"/>
        <source>Invalid Picture Type</source>
        <translation>Tipo di immagine non valido</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="223"/>
        <source>Corrupt Picture</source>
        <translation>Immagine danneggiata</translation>
    </message>
</context>
<context>
    <name>LoadedMailService</name>
    <message>
        <location filename="../src/mail_account/loaded_mail_service.cpp" line="64"/>
        <source>the mail module could not be loaded (%1)</source>
        <translation>impossibile caricare il modulo di posta (%1)</translation>
    </message>
    <message>
        <location filename="../src/mail_account/loaded_mail_service.cpp" line="77"/>
        <source>the keyring&apos;s module could not be loaded (%1)</source>
        <translation>impossibile caricare il modulo del portachiavi (%1)</translation>
    </message>
</context>
<context>
    <name>MailAccountCommand</name>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="38"/>
        <source>The stationery is still being put in the mail account. Quitting now cancels it. Quit anyway?</source>
        <translation>La carta da lettere si sta ancora salvando nell’account di posta. Uscire ora lo annulla. Uscire comunque?</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="40"/>
        <location filename="../src/editor/mail_account_command.cpp" line="182"/>
        <source>Put in Mail Account</source>
        <translation>Salva nell’account di posta</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="70"/>
        <source>Fill in the server and the user name.</source>
        <translation>Indica il server e il nome utente.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="75"/>
        <source>Type the password.</source>
        <translation>Digita la password.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="102"/>
        <source>Putting the stationery in %1…</source>
        <translation>Salvataggio della carta da lettere in %1…</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="148"/>
        <source>Put in the folder &quot;%1&quot; of %2.</source>
        <translation>Salvato nella cartella «%1» di %2.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="152"/>
        <source> The earlier copy was taken out.</source>
        <translation> La copia precedente è stata tolta.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="154"/>
        <source> The password was not remembered: %1</source>
        <translation> La password non è stata memorizzata: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="164"/>
        <source>%1&apos;s certificate is not one this computer trusts. Its SHA-256 fingerprint is:

%2

Compare it with the one your mail provider or administrator gives. Trust this certificate for %1 from now on?</source>
        <translation>Questo computer non considera attendibile il certificato di %1. La sua impronta SHA-256 è:

%2

Confrontala con quella fornita dal tuo gestore di posta o dall’amministratore. Considerare attendibile questo certificato per %1 d’ora in poi?</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="168"/>
        <source>%1 sent a different certificate from the one you trusted.

Trusted:  %2
Now:      %3

Unless your provider says the certificate changed, someone may be listening in. Trust the new certificate instead?</source>
        <translation>%1 ha inviato un certificato diverso da quello che hai accettato.

Accettato:  %2
Ora:        %3

Se il tuo gestore non ha annunciato un cambio di certificato, qualcuno potrebbe essere in ascolto. Accettare invece il nuovo certificato?</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="173"/>
        <source>Certificate</source>
        <translation>Certificato</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="179"/>
        <source>An earlier copy of this stationery is in the folder &quot;%1&quot;. Replace it with this one? (No puts this one beside it.)</source>
        <translation>Nella cartella «%1» c’è una copia precedente di questa carta da lettere. Sostituirla con questa? (No la mette accanto.)</translation>
    </message>
</context>
<context>
    <name>MailAccountDialog</name>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="22"/>
        <source>Remember in the system keyring</source>
        <translation>Ricorda nel portachiavi di sistema</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="26"/>
        <source>Put in Mail Account</source>
        <translation>Salva nell’account di posta</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="28"/>
        <source>imap.example.com</source>
        <translation>imap.example.com</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="33"/>
        <source>SSL/TLS</source>
        <translation>SSL/TLS</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="33"/>
        <source>STARTTLS</source>
        <translation>STARTTLS</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="39"/>
        <source>Templates</source>
        <translation>Modelli</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="39"/>
        <source>Drafts</source>
        <translation>Bozze</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="55"/>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="56"/>
        <source>&amp;Port:</source>
        <translation>&amp;Porta:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="57"/>
        <source>S&amp;ecurity:</source>
        <translation>S&amp;icurezza:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="58"/>
        <source>&amp;User name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="59"/>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="61"/>
        <source>&amp;Folder:</source>
        <translation>&amp;Cartella:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="63"/>
        <source>Put in Account</source>
        <translation>Salva nell’account</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="90"/>
        <source>A mail client deletes a draft once it is sent: the stationery is then gone from Drafts.</source>
        <translation>Un programma di posta elimina una bozza dopo l’invio: la carta da lettere sparisce allora dalle Bozze.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="92"/>
        <source>Start a new message from the template in your mail client; the template stays for the next one.</source>
        <translation>Inizia un nuovo messaggio dal modello nel tuo programma di posta; il modello resta per il successivo.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/editor/main_window.cpp" line="43"/>
        <source>Varek&apos;s Outlook Express Stationery Creator</source>
        <translation>Varek&apos;s Outlook Express Stationery Creator</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="59"/>
        <source>Stationery parts</source>
        <translation>Parti della carta da lettere</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="105"/>
        <source>Put in &amp;Outlook Stationery</source>
        <translation>Salva nelle carte da lettere di &amp;Outlook</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="155"/>
        <source>Image</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="159"/>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="164"/>
        <source>Ticker</source>
        <translation>Testo scorrevole</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="168"/>
        <source>Color-Font</source>
        <translation>Colore-Carattere</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="172"/>
        <source>Margins</source>
        <translation>Margini</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="224"/>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="98"/>
        <source>New &amp;Message in Mail Client</source>
        <translation>Nuovo &amp;messaggio nel programma di posta</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="100"/>
        <source>P&amp;ut in Mail Account...</source>
        <translation>Salva nell’&amp;account di posta…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="229"/>
        <source>Items</source>
        <translation>Elementi</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="230"/>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="134"/>
        <source>File Not Used</source>
        <translation>File non usato</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="28"/>
        <source>New from &amp;Design...</source>
        <translation>Nuovo da un &amp;motivo…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="33"/>
        <source>&amp;Open...</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="38"/>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="42"/>
        <source>&amp;Export...</source>
        <translation>&amp;Esporta…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="47"/>
        <source>&amp;Preview in Browser</source>
        <translation>&amp;Anteprima nel browser</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="52"/>
        <source>&amp;Check...</source>
        <translation>&amp;Verifica…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="56"/>
        <source>E&amp;xit</source>
        <translation>E&amp;sci</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="83"/>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="86"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="90"/>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
</context>
<context>
    <name>MarginsPage</name>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="41"/>
        <source>Image Width</source>
        <translation>Larghezza dell’immagine</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="41"/>
        <source>Image width in pixels</source>
        <translation>Larghezza dell’immagine in pixel</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="43"/>
        <source>Image Height</source>
        <translation>Altezza dell’immagine</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="43"/>
        <source>Image height in pixels</source>
        <translation>Altezza dell’immagine in pixel</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="45"/>
        <source>Text Top Margin</source>
        <translation>Margine superiore del testo</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="45"/>
        <source>Text top margin in pixels</source>
        <translation>Margine superiore del testo in pixel</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="47"/>
        <source>Text Left Margin</source>
        <translation>Margine sinistro del testo</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="48"/>
        <source>Text left margin in pixels</source>
        <translation>Margine sinistro del testo in pixel</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="77"/>
        <source>Scroll direction</source>
        <translation>Direzione di scorrimento</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="91"/>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="91"/>
        <source>Scroll up</source>
        <translation>Scorri verso l’alto</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="93"/>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="93"/>
        <source>Scroll left</source>
        <translation>Scorri verso sinistra</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="95"/>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="95"/>
        <source>Scroll down</source>
        <translation>Scorri verso il basso</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="97"/>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="97"/>
        <source>Scroll right</source>
        <translation>Scorri verso destra</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="99"/>
        <source>No Scroll</source>
        <translation>Nessuno scorrimento</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="99"/>
        <source>No scroll</source>
        <translation>Nessuno scorrimento</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="157"/>
        <source>Change Scroll Direction</source>
        <translation>Cambia direzione di scorrimento</translation>
    </message>
</context>
<context>
    <name>NewFromDesign</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="94"/>
        <source>New from Design</source>
        <translation>Nuovo da un motivo</translation>
    </message>
</context>
<context>
    <name>NewMessageCommand</name>
    <message>
        <location filename="../src/editor/new_message.cpp" line="36"/>
        <source>The message could not be written: the folder %1 could not be made.</source>
        <translation>Impossibile scrivere il messaggio: impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="37"/>
        <source>No New Message</source>
        <translation>Nessun nuovo messaggio</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="44"/>
        <source>Starting the mail client…</source>
        <translation>Avvio del programma di posta…</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="51"/>
        <source>The stationery is open as a new message in %1: address it and send it.</source>
        <translation>La carta da lettere è aperta come nuovo messaggio in %1: indica il destinatario e inviala.</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="62"/>
        <source>No mail client opened the message: %1.

Save the message template somewhere else, to open it from your mail client or attach it yourself?</source>
        <translation>Nessun programma di posta ha aperto il messaggio: %1.

Salvare il modello di messaggio altrove, per aprirlo dal tuo programma di posta o allegarlo tu?</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="65"/>
        <source>No Mail Client</source>
        <translation>Nessun programma di posta</translation>
    </message>
</context>
<context>
    <name>OpenStationery</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="91"/>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>OutlookStationeryCommand</name>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="22"/>
        <source>Outlook&apos;s stationery folder &quot;%1&quot; could not be made.</source>
        <translation>Impossibile creare la cartella delle carte da lettere di Outlook «%1».</translation>
    </message>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="24"/>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="37"/>
        <source>Not Exported</source>
        <translation>Non esportato</translation>
    </message>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="43"/>
        <source>Put into Outlook&apos;s personal stationery as &quot;%1&quot;. Outlook offers it under File &gt; Options &gt; Mail &gt; Stationery and Fonts &gt; Personal Stationery.</source>
        <translation>Salvato tra le carte da lettere personali di Outlook come «%1». Outlook lo propone in File &gt; Opzioni &gt; Posta &gt; Carta da lettere e caratteri &gt; Carta da lettere personale.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <location filename="../src/platform/picture_loader.cpp" line="76"/>
        <source>This picture is %1 × %2 pixels, too large to show.</source>
        <translation>Questa immagine misura %1 × %2 pixel, troppo grande da mostrare.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/editor/browse_button.cpp" line="15"/>
        <source>Browse...</source>
        <translation>Sfoglia…</translation>
    </message>
</context>
<context>
    <name>SdlAudioDevice</name>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="34"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="42"/>
        <source>No audio device is available (%1).</source>
        <translation>Nessun dispositivo audio disponibile (%1).</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="79"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="102"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="106"/>
        <source>The file cannot be read: %1.</source>
        <translation>Impossibile leggere il file: %1.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="88"/>
        <source>This file is not the %1 sound its name says it is.</source>
        <translation>Questo file non è il suono %1 indicato dal suo nome.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="91"/>
        <source>MIDI files need a General MIDI soundfont, and none is installed.</source>
        <translation>I file MIDI richiedono un soundfont General MIDI, e non ne è installato nessuno.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="97"/>
        <source>This MP3 file&apos;s tag is damaged, so it cannot be played.</source>
        <translation>Il tag di questo file MP3 è danneggiato, quindi non si può riprodurre.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="113"/>
        <source>This sound cannot be played: %1.</source>
        <translation>Impossibile riprodurre questo suono: %1.</translation>
    </message>
</context>
<context>
    <name>SoundContent</name>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="15"/>
        <source>This WAV file&apos;s format cannot be played.</source>
        <translation>Il formato di questo file WAV non si può riprodurre.</translation>
    </message>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="46"/>
        <source>This file is not a MIDI, WAV or MP3 sound.</source>
        <translation>Questo file non è un suono MIDI, WAV o MP3.</translation>
    </message>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="53"/>
        <source>The file cannot be read: %1.</source>
        <translation>Impossibile leggere il file: %1.</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="26"/>
        <location filename="../src/editor/sound_page.cpp" line="67"/>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="29"/>
        <location filename="../src/editor/sound_page.cpp" line="68"/>
        <source>Outlook Express 4</source>
        <translation>Outlook Express 4</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="30"/>
        <location filename="../src/editor/sound_page.cpp" line="68"/>
        <source>No Sound</source>
        <translation>Nessun suono</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="41"/>
        <source>Sounds (*.mid *.midi *.wav *.mp3)</source>
        <translation>Suoni (*.mid *.midi *.wav *.mp3)</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="41"/>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="44"/>
        <source>Browse for a sound</source>
        <translation>Cerca un suono</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="67"/>
        <source>Sound drive</source>
        <translation>Unità del suono</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="67"/>
        <source>Sound folder</source>
        <translation>Cartella del suono</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="68"/>
        <source>Sound files</source>
        <translation>File audio</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="69"/>
        <source>Sound player</source>
        <translation>Riproduttore</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="152"/>
        <source>Change Sound</source>
        <translation>Cambia suono</translation>
    </message>
</context>
<context>
    <name>StationeryName</name>
    <message>
        <location filename="../src/editor/stationery_name.cpp" line="21"/>
        <source>Stationery</source>
        <translation>Carta da lettere</translation>
    </message>
</context>
<context>
    <name>TickerPage</name>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="13"/>
        <source>Ticker 1</source>
        <translation>Testo scorrevole 1</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="13"/>
        <source>Ticker 2</source>
        <translation>Testo scorrevole 2</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="14"/>
        <source>Ticker 3</source>
        <translation>Testo scorrevole 3</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="15"/>
        <source>Ticker 1 text</source>
        <translation>Contenuto del testo scorrevole 1</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="15"/>
        <source>Ticker 2 text</source>
        <translation>Contenuto del testo scorrevole 2</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="16"/>
        <source>Ticker 3 text</source>
        <translation>Contenuto del testo scorrevole 3</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="20"/>
        <source>Ticker #%1</source>
        <translation>Testo scorrevole n. %1</translation>
    </message>
</context>
<context>
    <name>WinmmAudioDevice</name>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="35"/>
        <source>Device Not Avaible... Put a Disk in and Try again</source>
        <translation>Device Not Avaible... Put a Disk in and Try again</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="52"/>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="63"/>
        <source>The file cannot be read: %1.</source>
        <translation>Impossibile leggere il file: %1.</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="70"/>
        <source>This file is not a sound.</source>
        <translation>Questo file non è un suono.</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="72"/>
        <source>This file is not the %1 sound its name says it is.</source>
        <translation>Questo file non è il suono %1 indicato dal suo nome.</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="79"/>
        <source>This sound cannot be played: %1</source>
        <translation>Impossibile riprodurre questo suono: %1</translation>
    </message>
</context>
<context>
    <name>command_line</name>
    <message>
        <location filename="../src/app/command_line.cpp" line="54"/>
        <source>Try &quot;%1 --help&quot; for the usage.</source>
        <translation>Prova «%1 --help» per l’uso.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="110"/>
        <source>Makes mail stationery. Without options it opens the editor, showing FILE when one is given.</source>
        <translation>Crea carta da lettere per la posta. Senza opzioni apre l’editor, con FILE se indicato.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="117"/>
        <source>Writes FILE&apos;s stationery to OUT without opening a window.</source>
        <translation>Scrive la carta da lettere di FILE in OUT senza aprire finestre.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="122"/>
        <source>With --export: classic, todays (for today&apos;s mail clients) or message (a message template). By default OUT&apos;s extension decides: .eml a message template, .htm or .html the classic file.</source>
        <translation>Con --export: classic, todays (per i programmi di posta attuali) o message (un modello di messaggio). Per impostazione predefinita decide l’estensione di OUT: .eml un modello di messaggio, .htm o .html il file classico.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="129"/>
        <source>Puts FILE&apos;s message template into FOLDER of the account, without a window: imaps://USER@HOST[:PORT]/FOLDER, or imap:// for STARTTLS. No FOLDER: the drafts folder.</source>
        <translation>Salva il modello di messaggio di FILE nella cartella FOLDER dell’account, senza finestre: imaps://USER@HOST[:PORT]/FOLDER, o imap:// per STARTTLS. Senza FOLDER: la cartella delle bozze.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="136"/>
        <source>With --upload: the password is the first line of standard input; the keyring is not asked.</source>
        <translation>Con --upload: la password è la prima riga dell’input standard; il portachiavi non viene interpellato.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="141"/>
        <source>With --upload: accepts a certificate the system does not trust when its SHA-256 fingerprint is this one.</source>
        <translation>Con --upload: accetta un certificato non attendibile per il sistema se la sua impronta SHA-256 è questa.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="151"/>
        <source>A stationery file.</source>
        <translation>Un file di carta da lettere.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="168"/>
        <location filename="../src/app/command_line.cpp" line="190"/>
        <source>--%1 is given more than once.</source>
        <translation>--%1 è indicato più di una volta.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="173"/>
        <source>--upload and --export go separately.</source>
        <translation>--upload e --export vanno usati separatamente.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="177"/>
        <source>--upload takes one stationery FILE.</source>
        <translation>--upload richiede un file di carta da lettere FILE.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="182"/>
        <source>--password-stdin and --trust-certificate go with --upload URL.</source>
        <translation>--password-stdin e --trust-certificate vanno con --upload URL.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="186"/>
        <source>--form goes with --export OUT.</source>
        <translation>--form va con --export OUT.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="196"/>
        <source>--export takes one stationery FILE.</source>
        <translation>--export richiede un file di carta da lettere FILE.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="201"/>
        <source>No file is named &quot;&quot;: %1 is empty.</source>
        <translation>Nessun file si chiama «»: %1 è vuoto.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="208"/>
        <source>--form is classic, todays or message.</source>
        <translation>--form è classic, todays o message.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="210"/>
        <source>&quot;%1&quot; ends in neither .eml, .htm nor .html; say which form with --form.</source>
        <translation>«%1» non termina né con .eml, né con .htm, né con .html; indica la forma con --form.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="88"/>
        <source>&quot;%1&quot; is not an account: write imaps://USER@HOST[:PORT]/FOLDER.</source>
        <translation>«%1» non è un account: scrivi imaps://USER@HOST[:PORT]/FOLDER.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="91"/>
        <source>A password never goes on the command line: the keyring or --password-stdin gives it.</source>
        <translation>Una password non va mai sulla riga di comando: la fornisce il portachiavi o --password-stdin.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="110"/>
        <source>--trust-certificate takes a SHA-256 fingerprint: 64 hexadecimal digits, colons optional.</source>
        <translation>--trust-certificate richiede un’impronta SHA-256: 64 cifre esadecimali, due punti facoltativi.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="154"/>
        <source>The keyring could not be asked for the password of %1: its module could not be loaded (%2). Give the password on standard input with --password-stdin.</source>
        <translation>Non è stato possibile chiedere al portachiavi la password di %1: il suo modulo non si è potuto caricare (%2). Fornisci la password sull’input standard con --password-stdin.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="159"/>
        <source>No password for %1: save it from the window (File &gt; Put in Mail Account, &quot;Remember in the system keyring&quot;), or give it on standard input with --password-stdin.</source>
        <translation>Nessuna password per %1: salvala dalla finestra (File &gt; Salva nell’account di posta, «Ricorda nel portachiavi di sistema») o forniscila sull’input standard con --password-stdin.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="169"/>
        <source>Put in the folder &quot;%1&quot; of %2.</source>
        <translation>Salvato nella cartella «%1» di %2.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="177"/>
        <source> If it is your server&apos;s, give --trust-certificate %1.</source>
        <translation> Se è quello del tuo server, indica --trust-certificate %1.</translation>
    </message>
</context>
<context>
    <name>mail_account</name>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="24"/>
        <source>server name</source>
        <translation>nome del server</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="26"/>
        <source>user name</source>
        <translation>nome utente</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="28"/>
        <source>password</source>
        <translation>password</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="29"/>
        <source>folder name</source>
        <translation>nome della cartella</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="37"/>
        <source> The server said: &quot;%1&quot;.</source>
        <translation> Il server ha detto: «%1».</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="38"/>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="41"/>
        <source>%1 refused the user name or the password.</source>
        <translation>%1 ha rifiutato il nome utente o la password.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="42"/>
        <source> Gmail accepts only an app password here (made under Security in your Google account, with 2-Step Verification on). Outlook.com accounts need a sign-in method this program does not offer yet.</source>
        <translation> Qui Gmail accetta solo una password per le app (creata in Sicurezza nel tuo account Google, con la verifica in due passaggi attiva). Gli account Outlook.com richiedono un metodo di accesso che questo programma non offre ancora.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="46"/>
        <source>The server &quot;%1&quot; was not found: check its name and your connection.</source>
        <translation>Server «%1» non trovato: controlla il nome e la connessione.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="49"/>
        <source>%1 refused the connection on port %2: check the port and the security.</source>
        <translation>%1 ha rifiutato la connessione sulla porta %2: controlla la porta e la sicurezza.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="55"/>
        <source>%1 said nothing on port %2. If this port expects SSL/TLS (as port 993 does), choose SSL/TLS.</source>
        <translation>%1 non ha risposto nulla sulla porta %2. Se questa porta si aspetta SSL/TLS (come la 993), scegli SSL/TLS.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="60"/>
        <source>%1 did not answer in time.</source>
        <translation>%1 non ha risposto in tempo.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="62"/>
        <source>Port %1 of %2 does not start with encryption: it expects STARTTLS. Choose STARTTLS, or port 993 with SSL/TLS.</source>
        <translation>La porta %1 di %2 non inizia cifrata: si aspetta STARTTLS. Scegli STARTTLS, o la porta 993 con SSL/TLS.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="68"/>
        <source>%1&apos;s certificate is not one this computer trusts (SHA-256 fingerprint %2).</source>
        <translation>Questo computer non considera attendibile il certificato di %1 (impronta SHA-256 %2).</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="71"/>
        <source>%1 sent a different certificate from the one you trusted: its SHA-256 fingerprint is %2. Nothing was sent. Unless your provider says the certificate changed, someone may be listening in.</source>
        <translation>%1 ha inviato un certificato diverso da quello che hai accettato: la sua impronta SHA-256 è %2. Non è stato inviato nulla. Se il tuo gestore non ha annunciato un cambio di certificato, qualcuno potrebbe essere in ascolto.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="76"/>
        <source>%1 does not offer an encrypted connection on port %2, so nothing was sent, the password least of all.</source>
        <translation>%1 non offre una connessione cifrata sulla porta %2, quindi non è stato inviato nulla, tanto meno la password.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="81"/>
        <source>The folder is not on %1.</source>
        <translation>La cartella non è su %1.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="83"/>
        <source>The folder could not be made on %1.</source>
        <translation>Impossibile creare la cartella su %1.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="85"/>
        <source>The account on %1 is full: delete some mail and try again.</source>
        <translation>L’account su %1 è pieno: elimina un po’ di posta e riprova.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="87"/>
        <source>The connection to %1 was lost before the message was whole, so the server kept none of it.</source>
        <translation>La connessione con %1 si è interrotta prima che il messaggio fosse completo, quindi il server non ne ha tenuto nulla.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="92"/>
        <source>Cancelled: the server kept nothing.</source>
        <translation>Annullato: il server non ha tenuto nulla.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="94"/>
        <source>An earlier copy of this stationery is in the folder &quot;%1&quot;.</source>
        <translation>Nella cartella «%1» c’è una copia precedente di questa carta da lettere.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="100"/>
        <source>The %1 holds a line break or another control character, which cannot be sent to a mail server: type it again. Nothing was sent.</source>
        <translation>Il campo «%1» contiene un a capo o un altro carattere di controllo, che non si può inviare a un server di posta: digitalo di nuovo. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="104"/>
        <source>The message could not be made, so the server kept nothing: %1</source>
        <translation>Impossibile creare il messaggio, quindi il server non ha tenuto nulla: %1</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="108"/>
        <source>The message could not be put on %1: %2</source>
        <translation>Impossibile salvare il messaggio su %1: %2</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="123"/>
        <source>The connection to %1 was lost after the whole message was sent, before the server said whether it kept it. Look in the folder &quot;%2&quot; before you try again.</source>
        <translation>La connessione con %1 si è interrotta dopo l’invio dell’intero messaggio, prima che il server dicesse se l’ha tenuto. Guarda nella cartella «%2» prima di riprovare.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="131"/>
        <source>Too late to cancel: the stationery is already in the folder &quot;%1&quot;.</source>
        <translation>Troppo tardi per annullare: la carta da lettere è già nella cartella «%1».</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="134"/>
        <source>The stationery is in the folder &quot;%1&quot;, but the earlier copy could not be taken out: %2</source>
        <translation>La carta da lettere è nella cartella «%1», ma non è stato possibile togliere la copia precedente: %2</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="137"/>
        <source>The stationery is in the folder &quot;%1&quot;, but could not be marked as a draft: %2</source>
        <translation>La carta da lettere è nella cartella «%1», ma non è stato possibile segnarla come bozza: %2</translation>
    </message>
</context>
<context>
    <name>platform::DesktopMailClient</name>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="57"/>
        <source>%1 could not be started (%2): %3</source>
        <translation>Impossibile avviare %1 (%2): %3</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="71"/>
        <source>it ended with status %1</source>
        <translation>è terminato con lo stato %1</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="74"/>
        <source>it crashed</source>
        <translation>si è bloccato</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="76"/>
        <source>%1 did not open the message: %2</source>
        <translation>%1 non ha aperto il messaggio: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="106"/>
        <source>%1&apos;s desktop file (%2) has no command line that can be used</source>
        <translation>il file desktop di %1 (%2) non ha una riga di comando utilizzabile</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="109"/>
        <source>%1 cannot open a message file given to it. File &gt; Put in Mail Account puts the stationery in your account&apos;s Templates folder, which %1 shows</source>
        <translation>%1 non può aprire un file di messaggio che gli viene passato. File &gt; Salva nell’account di posta mette la carta da lettere nella cartella «Modelli» del suo account, che %1 mostra</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="117"/>
        <source>no application is set to open e-mail messages (message/rfc822) on this desktop</source>
        <translation>nessuna applicazione è impostata per aprire i messaggi di posta (message/rfc822) su questo desktop</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="122"/>
        <source>the desktop&apos;s mail program</source>
        <translation>il programma di posta del desktop</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="125"/>
        <source>the mail program</source>
        <translation>il programma di posta</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="127"/>
        <source>the system has no program for e-mail messages (.eml)</source>
        <translation>il sistema non ha un programma per i messaggi di posta (.eml)</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client_windows.cpp" line="48"/>
        <source>no program is set to open e-mail messages (.eml) on this computer</source>
        <translation>nessun programma è impostato per aprire i messaggi di posta (.eml) su questo computer</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client_windows.cpp" line="65"/>
        <source>%1 could not be started (%2)</source>
        <translation>Impossibile avviare %1 (%2)</translation>
    </message>
</context>
<context>
    <name>platform::DesktopUrlOpener</name>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="21"/>
        <source>%1 could not be started: %2</source>
        <translation>Impossibile avviare %1: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="33"/>
        <source>the opener ended with status %1</source>
        <translation>il programma di apertura è terminato con lo stato %1</translation>
    </message>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="43"/>
        <source>the system has no program for web pages</source>
        <translation>il sistema non ha un programma per le pagine web</translation>
    </message>
</context>
<context>
    <name>platform::FileBrowser</name>
    <message>
        <location filename="../src/platform/file_browser.cpp" line="30"/>
        <source>Device Not Avaible... Put a Disk in and Try again</source>
        <translation>Device Not Avaible... Put a Disk in and Try again</translation>
    </message>
    <message>
        <location filename="../src/platform/file_browser.cpp" line="31"/>
        <source>No Disk</source>
        <translation>Nessun disco</translation>
    </message>
</context>
<context>
    <name>platform::LoadedAudioDevice</name>
    <message>
        <location filename="../src/platform/loaded_audio_device.cpp" line="28"/>
        <source>The sound module could not be loaded (%1).</source>
        <translation>Impossibile caricare il modulo audio (%1).</translation>
    </message>
</context>
<context>
    <name>platform::MediaControl</name>
    <message>
        <location filename="../src/platform/media_control.cpp" line="26"/>
        <location filename="../src/platform/media_control.cpp" line="82"/>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <location filename="../src/platform/media_control.cpp" line="27"/>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location filename="../src/platform/media_control.cpp" line="28"/>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
</context>
</TS>
