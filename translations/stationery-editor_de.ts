<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Copyright © die Autoren des Stationery Editor</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="65"/>
        <source>Questions and fixes are welcome through the project&apos;s issue tracker.</source>
        <translation>Fragen und Korrekturen sind über den Issue-Tracker des Projekts willkommen.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="115"/>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="116"/>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>AudioDevice</name>
    <message>
        <location filename="../src/platform/audio_device.cpp" line="8"/>
        <source>No audio device is available.</source>
        <translation>Kein Audiogerät verfügbar.</translation>
    </message>
</context>
<context>
    <name>BrowserPreview</name>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="33"/>
        <source>Dear friend,</source>
        <translation>Liebe Freundin, lieber Freund,</translation>
    </message>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="34"/>
        <source>Greetings from here. This is how your message looks to the people who get it: your picture, colours, font and margins behind what you write.</source>
        <translation>Viele Grüße von hier. So sieht Ihre Nachricht bei den Empfängern aus: Ihr Bild, Ihre Farben, Ihre Schrift und Ihre Ränder hinter dem, was Sie schreiben.</translation>
    </message>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="37"/>
        <source>Best wishes</source>
        <translation>Herzliche Grüße</translation>
    </message>
</context>
<context>
    <name>ChangeColorOrFont</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="80"/>
        <source>Change Text Colour</source>
        <translation>Textfarbe ändern</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="81"/>
        <source>Change Background Colour</source>
        <translation>Hintergrundfarbe ändern</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="82"/>
        <source>Change Font</source>
        <translation>Schrift ändern</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="83"/>
        <source>Change Author</source>
        <translation>Autor ändern</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="84"/>
        <source>Change Title</source>
        <translation>Titel ändern</translation>
    </message>
</context>
<context>
    <name>ChangeMargins</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="88"/>
        <source>Change Scroll Direction</source>
        <translation>Laufrichtung ändern</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="88"/>
        <source>Change Margin</source>
        <translation>Rand ändern</translation>
    </message>
</context>
<context>
    <name>ChangePicture</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="65"/>
        <source>Change Picture</source>
        <translation>Bild ändern</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="65"/>
        <source>Change Picture Size</source>
        <translation>Bildgröße ändern</translation>
    </message>
</context>
<context>
    <name>ChangeSound</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="69"/>
        <source>Change No Sound</source>
        <translation>„Kein Klang“ ändern</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="70"/>
        <source>Change Sound Form</source>
        <translation>Klangform ändern</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="71"/>
        <source>Change Sound</source>
        <translation>Klang ändern</translation>
    </message>
</context>
<context>
    <name>ChangeTickerText</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="75"/>
        <source>Change Ticker Text</source>
        <translation>Laufschrift ändern</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="25"/>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="25"/>
        <source>Shown by</source>
        <translation>Angezeigt von</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="26"/>
        <source>Elsewhere</source>
        <translation>Anderswo</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="27"/>
        <source>Source (read on)</source>
        <translation>Quelle (gelesen am)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="32"/>
        <source>none</source>
        <translation>keinem</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="48"/>
        <source>What today&apos;s mail clients do with the exports</source>
        <translation>Was heutige E-Mail-Programme mit den Exporten machen</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="55"/>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="61"/>
        <source>What recipients will meet</source>
        <translation>Was die Empfänger erwartet</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="64"/>
        <source>What today&apos;s mail clients do with the exports:</source>
        <translation>Was heutige E-Mail-Programme mit den Exporten machen:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="76"/>
        <source>Nothing to worry about</source>
        <translation>Alles in Ordnung</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="81"/>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="83"/>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="85"/>
        <source>Advice</source>
        <translation>Rat</translation>
    </message>
</context>
<context>
    <name>CheckWords</name>
    <message>
        <location filename="../src/platform/check_words.cpp" line="23"/>
        <source>Text on the background colour: %1; aim for %2.</source>
        <translation>Text auf der Hintergrundfarbe: %1; anzustreben ist %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="25"/>
        <source>Choose a text colour further from the background colour, darker on a light background or lighter on a dark one.</source>
        <translation>Wählen Sie eine Textfarbe, die sich stärker von der Hintergrundfarbe abhebt: dunkler auf hellem, heller auf dunklem Hintergrund.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="28"/>
        <source>Text on the picture: %1; aim for %2.</source>
        <translation>Text auf dem Bild: %1; anzustreben ist %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="30"/>
        <source>Choose a darker or calmer picture, or a text colour that stands out from all of it.</source>
        <translation>Wählen Sie ein dunkleres oder ruhigeres Bild oder eine Textfarbe, die sich vom ganzen Bild abhebt.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="32"/>
        <source>Choose a paler or calmer picture, or a text colour that stands out from all of it.</source>
        <translation>Wählen Sie ein helleres oder ruhigeres Bild oder eine Textfarbe, die sich vom ganzen Bild abhebt.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="35"/>
        <source>The picture &quot;%1&quot; no longer exists.</source>
        <translation>Das Bild „%1“ existiert nicht mehr.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="36"/>
        <source>Choose the picture again on the Image tab.</source>
        <translation>Wählen Sie das Bild auf der Registerkarte „Bild“ erneut.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="38"/>
        <source>The sound &quot;%1&quot; no longer exists.</source>
        <translation>Der Klang „%1“ existiert nicht mehr.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="39"/>
        <source>Choose the sound again on the Sound tab, or tick &quot;No Sound&quot;.</source>
        <translation>Wählen Sie den Klang auf der Registerkarte „Klang“ erneut oder kreuzen Sie „Kein Klang“ an.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="42"/>
        <source>Choose a smaller picture or sound, or save the picture smaller.</source>
        <translation>Wählen Sie ein kleineres Bild oder einen kleineren Klang oder speichern Sie das Bild kleiner.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="45"/>
        <source>Use File &gt; New Message in Mail Client, or Export&apos;s message template. The picture then travels inside the message.</source>
        <translation>Verwenden Sie Datei &gt; Neue Nachricht im E-Mail-Programm oder die Nachrichtenvorlage beim Exportieren. Dann reist das Bild in der Nachricht mit.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="48"/>
        <source>The picture scrolls by a script. Received mail never runs one, so recipients see it standing still.</source>
        <translation>Das Bild läuft durch ein Skript. Empfangene Post führt nie eines aus, Empfänger sehen es also stillstehen.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="50"/>
        <source>The message template scrolls it by CSS instead, which %1 play.</source>
        <translation>Die Nachrichtenvorlage lässt es stattdessen per CSS laufen, was %1 abspielen.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="53"/>
        <source>The ticker writes to a status bar by a script. No mail client of today runs one.</source>
        <translation>Die Laufschrift schreibt per Skript in eine Statusleiste. Kein heutiges E-Mail-Programm führt ein Skript aus.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="55"/>
        <source>Put anything recipients must read into the message itself.</source>
        <translation>Schreiben Sie alles, was Empfänger lesen müssen, in die Nachricht selbst.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="57"/>
        <source>The background sound plays only in old mail clients. The message template leaves it out.</source>
        <translation>Der Hintergrundklang spielt nur in alten E-Mail-Programmen. Die Nachrichtenvorlage lässt ihn weg.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="59"/>
        <source>Expect recipients not to hear it.</source>
        <translation>Rechnen Sie damit, dass Empfänger ihn nicht hören.</translation>
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
        <translation>Das Bild „%1“ und der Klang „%2“ machen jede Nachricht auf diesem Briefpapier um %3 größer.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="82"/>
        <source>The picture &quot;%1&quot; adds %2 to every message sent with this stationery.</source>
        <translation>Das Bild „%1“ macht jede Nachricht auf diesem Briefpapier um %2 größer.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="84"/>
        <source>The sound &quot;%1&quot; adds %2 to every message sent with this stationery.</source>
        <translation>Der Klang „%1“ macht jede Nachricht auf diesem Briefpapier um %2 größer.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="90"/>
        <source>The picture &quot;%1&quot; and the sound &quot;%2&quot; are named by their place on this computer. Recipients do not have them unless the mail client sends them along.</source>
        <translation>Das Bild „%1“ und der Klang „%2“ sind über ihren Ort auf diesem Computer angegeben. Empfänger haben sie nur, wenn das E-Mail-Programm sie mitschickt.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="95"/>
        <source>The picture &quot;%1&quot; is named by its place on this computer. Recipients do not have it unless the mail client sends it along.</source>
        <translation>Das Bild „%1“ ist über seinen Ort auf diesem Computer angegeben. Empfänger haben es nur, wenn das E-Mail-Programm es mitschickt.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="98"/>
        <source>The sound &quot;%1&quot; is named by its place on this computer. Recipients do not have it unless the mail client sends it along.</source>
        <translation>Der Klang „%1“ ist über seinen Ort auf diesem Computer angegeben. Empfänger haben ihn nur, wenn das E-Mail-Programm ihn mitschickt.</translation>
    </message>
</context>
<context>
    <name>ClientSupport</name>
    <message>
        <location filename="../src/stationery/client_support.h" line="23"/>
        <source>caniemail.com: CSS background-image, the body&apos;s background attribute, CSS animations, the audio and script elements</source>
        <translation>caniemail.com: CSS background-image, das background-Attribut von body, CSS-Animationen, die Elemente audio und script</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="29"/>
        <source>The background picture</source>
        <translation>Das Hintergrundbild</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="30"/>
        <source>Apple Mail, Thunderbird, Gmail and Outlook on the web</source>
        <translation>Apple Mail, Thunderbird, Gmail und Outlook im Web</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="31"/>
        <source>Outlook for Windows shows it only from the body&apos;s background attribute, which the template writes</source>
        <translation>Outlook für Windows zeigt es nur über das background-Attribut von body, das die Vorlage schreibt</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="37"/>
        <source>A picture scrolled by CSS</source>
        <translation>Ein per CSS laufendes Bild</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="38"/>
        <source>Apple Mail and Samsung Mail</source>
        <translation>Apple Mail und Samsung Mail</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="39"/>
        <source>it stands still elsewhere, and for readers who ask for reduced motion</source>
        <translation>anderswo steht es still, ebenso für Leser, die weniger Bewegung wünschen</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="43"/>
        <source>Scripts (the scrolling script, the ticker)</source>
        <translation>Skripte (das Laufskript, die Laufschrift)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="44"/>
        <source>no mail client of today runs them</source>
        <translation>kein heutiges E-Mail-Programm führt sie aus</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="47"/>
        <source>A background sound</source>
        <translation>Ein Hintergrundklang</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="48"/>
        <source>no mail client of today plays one</source>
        <translation>kein heutiges E-Mail-Programm spielt ihn ab</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="53"/>
        <source>A message template in a webmail</source>
        <translation>Eine Nachrichtenvorlage in einem Webmailer</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="54"/>
        <source>Roundcube 1.6, in its view and its editor</source>
        <translation>Roundcube 1.6, in Ansicht und Editor</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="59"/>
        <source>this program&apos;s webmail test: Roundcube 1.6.5 from Debian 12 with Chromium</source>
        <translation>der Webmail-Test dieses Programms: Roundcube 1.6.5 aus Debian 12 mit Chromium</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="63"/>
        <source>A message template handed to Evolution</source>
        <translation>Eine an Evolution übergebene Nachrichtenvorlage</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="69"/>
        <source>tried with this program&apos;s template under Debian 12</source>
        <translation>mit der Vorlage dieses Programms unter Debian 12 ausprobiert</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="72"/>
        <source>Thunderbird and Roundcube</source>
        <translation>Thunderbird und Roundcube</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="73"/>
        <source>Thunderbird takes a cid: name in CSS for remote content and shows its privacy bar; a picture over 128 KB is left off the wrapper</source>
        <translation>Thunderbird hält einen cid:-Namen in CSS für entfernte Inhalte und zeigt seine Datenschutzleiste; ein Bild über 128 KB bleibt von der Hülle weg</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="79"/>
        <source>The look on a wrapper around the text as well as on the body</source>
        <translation>Das Aussehen auf einer Hülle um den Text wie auch auf body</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="81"/>
        <source>Gmail, on the web and in its apps</source>
        <translation>Gmail, im Web und in seinen Apps</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="82"/>
        <source>replaces the body by a &lt;div&gt; with only the attributes it supports; the wrapper keeps the text colour, font and left margin there, and on today&apos;s page the picture and background colour</source>
        <translation>ersetzt body durch ein &lt;div&gt; mit nur den Attributen, die es kennt; die Hülle bewahrt dort Textfarbe, Schrift und linken Rand, auf der Seite für heutige Programme auch Bild und Hintergrundfarbe</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="87"/>
        <source>caniemail.com, the &lt;body&gt; element, as the doiuse-email package quotes it</source>
        <translation>caniemail.com, das Element &lt;body&gt;, wie das Paket doiuse-email es zitiert</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="90"/>
        <source>A message template opened in Thunderbird</source>
        <translation>Eine in Thunderbird geöffnete Nachrichtenvorlage</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="91"/>
        <source>Thunderbird 153 ESR</source>
        <translation>Thunderbird 153 ESR</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="92"/>
        <source>opens it as a new message with the caret inside the wrapper; what it sends carries the body&apos;s picture but drops the scrolling rule, so the picture stands still</source>
        <translation>öffnet sie als neue Nachricht mit der Schreibmarke in der Hülle; was es sendet, trägt das Bild von body, aber ohne die Laufregel, das Bild steht also still</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="76"/>
        <location filename="../src/stationery/client_support.h" line="96"/>
        <source>tried with this program&apos;s template under Thunderbird 153.8 ESR</source>
        <translation>mit der Vorlage dieses Programms unter Thunderbird 153.8 ESR ausprobiert</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="55"/>
        <source>drops the body&apos;s look and shows the wrapper&apos;s, picture and all, over the whole message; what it sends keeps the colour, font, margins and the picture, given in a style sheet, where it is not rewritten</source>
        <translation>verwirft das Aussehen von body und zeigt das der Hülle samt Bild über die ganze Nachricht; was es sendet, behält Farbe, Schrift, Ränder und das Bild, das ein Stylesheet angibt, wo es nicht umgeschrieben wird</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="64"/>
        <source>Evolution 3.46 opens no message file given to it (&quot;Cannot import any of the given URIs&quot;); a template in the account&apos;s Templates folder starts a new message there; its view shows 480 pixels of the picture, and its editor the whole stationery</source>
        <translation>Evolution 3.46 öffnet keine ihm übergebene Nachrichtendatei („Cannot import any of the given URIs“); eine Vorlage im Ordner „Vorlagen“ des Kontos beginnt dort eine neue Nachricht; seine Ansicht zeigt 480 Pixel des Bildes und sein Editor das ganze Briefpapier</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="71"/>
        <source>The wrapper&apos;s picture as a data: URL in a style sheet</source>
        <translation>Das Bild der Hülle als data:-URL in einem Stylesheet</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="99"/>
        <source>The light colour scheme asked for (meta element)</source>
        <translation>Das helle Farbschema erbeten (meta-Element)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="100"/>
        <source>Thunderbird and Apple Mail on macOS</source>
        <translation>Thunderbird und Apple Mail unter macOS</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="101"/>
        <source>other clients ignore the meta element</source>
        <translation>andere Programme übergehen das meta-Element</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="102"/>
        <source>html-email-guide.vercel.app, Dark mode</source>
        <translation>html-email-guide.vercel.app, Dark mode</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="103"/>
        <source>The light colour scheme asked for (CSS color-scheme)</source>
        <translation>Das helle Farbschema erbeten (CSS color-scheme)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="104"/>
        <source>Apple Mail, Samsung Mail and Thunderbird</source>
        <translation>Apple Mail, Samsung Mail und Thunderbird</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="105"/>
        <source>Gmail&apos;s apps for iOS and Android invert colours in dark mode whatever a message asks</source>
        <translation>die Gmail-Apps für iOS und Android kehren im dunklen Modus die Farben um, was eine Nachricht auch erbittet</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="108"/>
        <source>html-email-guide.vercel.app, Dark mode; mailviewr.com, Apple Mail dark mode preview</source>
        <translation>html-email-guide.vercel.app, Dark mode; mailviewr.com, Apple Mail dark mode preview</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="112"/>
        <source>Scrolling only for readers who accept motion</source>
        <translation>Laufen nur für Leser, die Bewegung zulassen</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="113"/>
        <source>clients that strip prefers-reduced-motion rules, Gmail among them, show the picture standing still, never moving for ever</source>
        <translation>Programme, die prefers-reduced-motion-Regeln entfernen, darunter Gmail, zeigen das Bild stillstehend, nie endlos laufend</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="117"/>
        <source>emailmarkup.org, Email clients are stripping out accessibility (2025)</source>
        <translation>emailmarkup.org, Email clients are stripping out accessibility (2025)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="120"/>
        <source>A generic family after every font</source>
        <translation>Eine generische Familie nach jeder Schrift</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="121"/>
        <source>every client that shows HTML mail</source>
        <translation>jedes Programm, das HTML-Post zeigt</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="122"/>
        <source>a reader without the font sees the nearest serif, sans-serif, monospace or cursive font instead of the client&apos;s default</source>
        <translation>wer die Schrift nicht hat, sieht die nächste Serifen-, serifenlose, dicktengleiche oder Schreibschrift statt der Standardschrift des Programms</translation>
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
        <translation>Textfarbe</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="39"/>
        <source>Text colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="43"/>
        <source>BackGround Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="43"/>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="48"/>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="60"/>
        <location filename="../src/editor/color_font_page.cpp" line="81"/>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="62"/>
        <location filename="../src/editor/color_font_page.cpp" line="83"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="77"/>
        <source>Author, in the chosen colours and font</source>
        <translation>Autor, in den gewählten Farben und der gewählten Schrift</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="79"/>
        <source>Title, in the chosen colours and font</source>
        <translation>Titel, in den gewählten Farben und der gewählten Schrift</translation>
    </message>
</context>
<context>
    <name>DesignPicker</name>
    <message>
        <location filename="../src/editor/design_picker.cpp" line="50"/>
        <source>The design&apos;s picture could not be written to &quot;%1&quot;: %2.</source>
        <translation>Das Bild des Musters konnte nicht nach „%1“ geschrieben werden: %2.</translation>
    </message>
    <message>
        <location filename="../src/editor/design_picker.cpp" line="53"/>
        <source>Design Not Applied</source>
        <translation>Muster nicht angewendet</translation>
    </message>
</context>
<context>
    <name>Designs</name>
    <message>
        <location filename="../src/editor/designs.cpp" line="23"/>
        <source>Linen</source>
        <translation>Leinen</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="25"/>
        <source>Blue Sky</source>
        <translation>Blauer Himmel</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="27"/>
        <source>Graph Paper</source>
        <translation>Millimeterpapier</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="29"/>
        <source>Ruled Notebook</source>
        <translation>Liniertes Heft</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="32"/>
        <source>Starry Night</source>
        <translation>Sternennacht</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="34"/>
        <source>Autumn Leaves</source>
        <translation>Herbstlaub</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="36"/>
        <source>Winter Snow</source>
        <translation>Winterschnee</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="38"/>
        <source>Spring Dots</source>
        <translation>Frühlingstupfen</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="40"/>
        <source>Parchment</source>
        <translation>Pergament</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="42"/>
        <source>Ocean Waves</source>
        <translation>Meereswellen</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="44"/>
        <source>Rose Border</source>
        <translation>Rosenrand</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="46"/>
        <source>Chalkboard</source>
        <translation>Schultafel</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="48"/>
        <source>Candy Stripes</source>
        <translation>Zuckerstreifen</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="111"/>
        <source>Dear friend, greetings from here.</source>
        <translation>Liebe Grüße von hier.</translation>
    </message>
</context>
<context>
    <name>DesignsWindow</name>
    <message>
        <location filename="../src/dialogs/designs_window.cpp" line="11"/>
        <location filename="../src/dialogs/designs_window.cpp" line="14"/>
        <source>Designs</source>
        <translation>Muster</translation>
    </message>
</context>
<context>
    <name>DroppedFiles</name>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="77"/>
        <source>&quot;%1&quot; is neither a picture, a sound nor a stationery file, so it was not used.</source>
        <translation>„%1“ ist weder ein Bild noch ein Klang noch eine Briefpapierdatei und wurde daher nicht verwendet.</translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="80"/>
        <source>&quot;%1&quot; is no longer there, so it was not used.</source>
        <translation>„%1“ ist nicht mehr vorhanden und wurde daher nicht verwendet.</translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="83"/>
        <source>&quot;%1&quot; is not a file but a folder, a pipe or a device, so it was not used.</source>
        <translation>„%1“ ist keine Datei, sondern ein Ordner, eine Pipe oder ein Gerät, und wurde daher nicht verwendet.</translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="87"/>
        <source>&quot;%1&quot; could not be read (%2), so it was not used.</source>
        <translation>„%1“ konnte nicht gelesen werden (%2) und wurde daher nicht verwendet.</translation>
    </message>
</context>
<context>
    <name>ErrorWords</name>
    <message>
        <location filename="../src/platform/error_words.cpp" line="21"/>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="28"/>
        <source>Could not open &quot;%1&quot;: %2.</source>
        <translation>„%1“ konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="35"/>
        <source>Could not export &quot;%1&quot;: %2.</source>
        <translation>„%1“ konnte nicht exportiert werden: %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="49"/>
        <location filename="../src/platform/error_words.cpp" line="127"/>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="51"/>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="53"/>
        <source>it is larger than 16 MB, and a stationery file is about 5 KB</source>
        <translation>sie ist größer als 16 MB, eine Briefpapierdatei hat etwa 5 KB</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="55"/>
        <source>it holds bytes that are not text</source>
        <translation>sie enthält Bytes, die kein Text sind</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="58"/>
        <source>it is %1, not a stationery, a page for today&apos;s mail clients or a message template made by this program</source>
        <translation>es ist %1, kein Briefpapier, keine Seite für heutige E-Mail-Programme und keine Nachrichtenvorlage dieses Programms</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="63"/>
        <source>its font size &quot;%1&quot; is not a number</source>
        <translation>ihre Schriftgröße „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="65"/>
        <source>its margin &quot;%1&quot; is not a number of pixels</source>
        <translation>ihr Rand „%1“ ist keine Pixelzahl</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="67"/>
        <source>its picture size &quot;%1&quot; is not a number of pixels</source>
        <translation>ihre Bildgröße „%1“ ist keine Pixelzahl</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="70"/>
        <source>its picture could not be written to the program&apos;s pictures folder (%1)</source>
        <translation>ihr Bild konnte nicht in den Bilderordner des Programms geschrieben werden (%1)</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="73"/>
        <source>it is a message template made by this program, but cut off before its end</source>
        <translation>es ist eine Nachrichtenvorlage dieses Programms, aber vor ihrem Ende abgeschnitten</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="76"/>
        <source>it is not a stationery file made by this program</source>
        <translation>es ist keine Briefpapierdatei dieses Programms</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="80"/>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="91"/>
        <source>the picture &quot;%1&quot; could not be copied: it does not exist or is no file</source>
        <translation>das Bild „%1“ konnte nicht kopiert werden: es existiert nicht oder ist keine Datei</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="94"/>
        <source>the sound &quot;%1&quot; could not be copied: it does not exist or is no file</source>
        <translation>der Klang „%1“ konnte nicht kopiert werden: er existiert nicht oder ist keine Datei</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="97"/>
        <source>the picture &quot;%1&quot; would be written over by the export</source>
        <translation>das Bild „%1“ würde beim Export überschrieben</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="99"/>
        <source>the sound &quot;%1&quot; would be written over by the export</source>
        <translation>der Klang „%1“ würde beim Export überschrieben</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="114"/>
        <source>the sound &quot;%1&quot; is not a MIDI, WAV or MP3 sound%2, so it is not carried</source>
        <translation>der Klang „%1“ ist kein MIDI-, WAV- oder MP3-Klang%2 und wird daher nicht mitgenommen</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="117"/>
        <source>the picture &quot;%1&quot; is in a hidden or system folder, and such a file is carried only when you agree</source>
        <translation>das Bild „%1“ liegt in einem versteckten oder Systemordner; eine solche Datei wird nur mit Ihrer Zustimmung mitgenommen</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="121"/>
        <source>the sound &quot;%1&quot; is in a hidden or system folder, and such a file is carried only when you agree</source>
        <translation>der Klang „%1“ liegt in einem versteckten oder Systemordner; eine solche Datei wird nur mit Ihrer Zustimmung mitgenommen</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="125"/>
        <source>that is the stationery being exported, which would be written over</source>
        <translation>das ist das Briefpapier, das gerade exportiert wird, und würde überschrieben</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="129"/>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="101"/>
        <source>the picture &quot;%1&quot; could not be copied: %2</source>
        <translation>das Bild „%1“ konnte nicht kopiert werden: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="12"/>
        <source>a picture</source>
        <translation>ein Bild</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="12"/>
        <source>a sound</source>
        <translation>ein Klang</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="13"/>
        <source>an e-mail message not made by this program</source>
        <translation>eine E-Mail, die nicht von diesem Programm stammt</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="14"/>
        <source>a web page not made by this program</source>
        <translation>eine Webseite, die nicht von diesem Programm stammt</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="103"/>
        <source>the sound &quot;%1&quot; could not be copied: %2</source>
        <translation>der Klang „%1“ konnte nicht kopiert werden: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="107"/>
        <source>the picture &quot;%1&quot; could not be read: it changed while it was read</source>
        <translation>das Bild „%1“ konnte nicht gelesen werden: es hat sich beim Lesen geändert</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="110"/>
        <source>the picture &quot;%1&quot; is not a JPEG, GIF, PNG or BMP picture%2, so it is not carried</source>
        <translation>das Bild „%1“ ist kein JPEG-, GIF-, PNG- oder BMP-Bild%2 und wird daher nicht mitgenommen</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="131"/>
        <source>the picture &quot;%1&quot; could not be read: %2</source>
        <translation>das Bild „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>ExportForm</name>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="54"/>
        <source>Exported to %1. Open it with your mail client for a new message on this stationery, or use File &gt; New Message in Mail Client.</source>
        <translation>Nach %1 exportiert. Öffnen Sie die Datei mit Ihrem E-Mail-Programm für eine neue Nachricht auf diesem Briefpapier, oder wählen Sie Datei &gt; Neue Nachricht im E-Mail-Programm.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="57"/>
        <source>Exported to %1 with its picture beside it. Choose it as stationery in your mail client, or open it in a browser.</source>
        <translation>Nach %1 exportiert, das Bild daneben. Wählen Sie die Datei in Ihrem E-Mail-Programm als Briefpapier, oder öffnen Sie sie im Browser.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="60"/>
        <source>Exported to %1 with its picture and sound beside it, for mail clients that still run stationery scripts.</source>
        <translation>Nach %1 exportiert, Bild und Klang daneben, für E-Mail-Programme, die noch Briefpapier-Skripte ausführen.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="63"/>
        <source>Message template, opens as a new message in Thunderbird, Outlook, Apple Mail</source>
        <translation>Nachrichtenvorlage, öffnet sich als neue Nachricht in Thunderbird, Outlook, Apple Mail</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="66"/>
        <source>Web page for today&apos;s mail clients, with its picture beside it</source>
        <translation>Webseite für heutige E-Mail-Programme, das Bild daneben</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="68"/>
        <source>Classic stationery with script, ticker and sound, for old mail clients</source>
        <translation>Klassisches Briefpapier mit Skript, Laufschrift und Klang, für alte E-Mail-Programme</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="94"/>
        <source>Not Opened</source>
        <translation>Nicht geöffnet</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="101"/>
        <source>&quot;%1&quot; was made for today&apos;s mail clients, which carry no sound and no ticker: the Sound and Ticker tabs stay empty. Everything else is as it was.</source>
        <translation>„%1“ wurde für heutige E-Mail-Programme gemacht, die weder Klang noch Laufschrift kennen: Die Reiter Klang und Laufschrift bleiben leer. Alles andere ist wie zuvor.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="104"/>
        <source>Opened</source>
        <translation>Geöffnet</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="121"/>
        <source>&quot;%1&quot; names files in hidden or system folders, where private files are kept:
%2

Export asks before it copies any of them.</source>
        <translation>„%1“ nennt Dateien in versteckten oder Systemordnern, in denen private Dateien liegen:
%2

Der Export fragt, bevor er eine davon kopiert.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="124"/>
        <source>Private Files Named</source>
        <translation>Private Dateien genannt</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="128"/>
        <source>&quot;%1&quot; is open, but not everything it names can be used.</source>
        <translation>„%1“ ist geöffnet, aber nicht alles, was es nennt, ist verwendbar.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="131"/>
        <source>These files can&apos;t be found:
%1</source>
        <translation>Diese Dateien sind nicht zu finden:
%1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="133"/>
        <source>This file is there but cannot be read as a picture:
%1</source>
        <translation>Diese Datei ist vorhanden, lässt sich aber nicht als Bild lesen:
%1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="135"/>
        <source>The paths are kept, so saving writes them as they were.</source>
        <translation>Die Pfade bleiben erhalten; beim Speichern werden sie unverändert geschrieben.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="137"/>
        <source>These are in hidden or system folders, where private files are kept; Export asks before it copies them:
%1</source>
        <translation>Diese liegen in versteckten oder Systemordnern, in denen private Dateien liegen; der Export fragt, bevor er sie kopiert:
%1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="141"/>
        <source>Picture Not Shown</source>
        <translation>Bild nicht angezeigt</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="142"/>
        <source>Files Missing</source>
        <translation>Dateien fehlen</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="153"/>
        <source>Not Saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="160"/>
        <source>the new stationery</source>
        <translation>das neue Briefpapier</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="162"/>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="163"/>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="178"/>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="213"/>
        <source>The stationery names a file in a hidden or system folder, where private files are kept:
%1

The export would copy it where others can read it. Copy it anyway?</source>
        <translation>Das Briefpapier nennt eine Datei in einem versteckten oder Systemordner, in dem private Dateien liegen:
%1

Der Export würde sie dorthin kopieren, wo andere sie lesen können. Trotzdem kopieren?</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="217"/>
        <source>Private File</source>
        <translation>Private Datei</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="193"/>
        <location filename="../src/editor/file_commands.cpp" line="202"/>
        <source>Not Exported</source>
        <translation>Nicht exportiert</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="33"/>
        <source>Stationery Files</source>
        <translation>Briefpapierdateien</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="83"/>
        <source>Stationery and message templates</source>
        <translation>Briefpapier und Nachrichtenvorlagen</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="85"/>
        <source>Stationery and pages for today&apos;s mail clients</source>
        <translation>Briefpapier und Seiten für heutige E-Mail-Programme</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="87"/>
        <source>Message templates</source>
        <translation>Nachrichtenvorlagen</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="231"/>
        <source>No web browser could be started to show the preview (%1). Nothing was saved; File &gt; Save writes the stationery as usual.</source>
        <translation>Es ließ sich kein Webbrowser für die Vorschau starten (%1). Nichts wurde gespeichert; Datei &gt; Speichern schreibt das Briefpapier wie gewohnt.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="234"/>
        <source>The preview could not be written: %1</source>
        <translation>Die Vorschau konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="235"/>
        <source>No Browser</source>
        <translation>Kein Browser</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="235"/>
        <source>No Preview</source>
        <translation>Keine Vorschau</translation>
    </message>
</context>
<context>
    <name>ImagePage</name>
    <message>
        <location filename="../src/editor/image_page.cpp" line="32"/>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="41"/>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.webp *.avif)</source>
        <translation>Bilder (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.webp *.avif)</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="42"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="45"/>
        <source>Browse for a picture</source>
        <translation>Ein Bild suchen</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="57"/>
        <source>Click to see the picture at its own size</source>
        <translation>Klicken, um das Bild in Originalgröße zu sehen</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Picture drive</source>
        <translation>Bildlaufwerk</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Picture folder</source>
        <translation>Bildordner</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="68"/>
        <source>Picture files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="68"/>
        <source>Picture preview</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="140"/>
        <source>Picture Too Large</source>
        <translation>Bild zu groß</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="144"/>
        <source>This is a %1 picture, a kind phones and cameras make that this program cannot read yet. Save it as JPEG or PNG (most photo programs do this under Export or Save As), then choose that file.</source>
        <translation>Dies ist ein %1-Bild, wie es Telefone und Kameras erzeugen; dieses Programm kann es noch nicht lesen. Speichern Sie es als JPEG oder PNG (die meisten Fotoprogramme können das unter Exportieren oder Speichern unter) und wählen Sie dann diese Datei.</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="148"/>
        <source>Picture Kind Not Read</source>
        <translation>Bildart nicht lesbar</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="222"/>
        <source>Invalid Picture Type</source>
        <translation>Ungültige Bildart</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="223"/>
        <source>Corrupt Picture</source>
        <translation>Beschädigtes Bild</translation>
    </message>
</context>
<context>
    <name>LoadedMailService</name>
    <message>
        <location filename="../src/mail_account/loaded_mail_service.cpp" line="64"/>
        <source>the mail module could not be loaded (%1)</source>
        <translation>das E-Mail-Modul konnte nicht geladen werden (%1)</translation>
    </message>
    <message>
        <location filename="../src/mail_account/loaded_mail_service.cpp" line="77"/>
        <source>the keyring&apos;s module could not be loaded (%1)</source>
        <translation>das Modul des Schlüsselbunds konnte nicht geladen werden (%1)</translation>
    </message>
</context>
<context>
    <name>MailAccountCommand</name>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="38"/>
        <source>The stationery is still being put in the mail account. Quitting now cancels it. Quit anyway?</source>
        <translation>Das Briefpapier wird noch im E-Mail-Konto abgelegt. Beenden bricht das ab. Trotzdem beenden?</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="40"/>
        <location filename="../src/editor/mail_account_command.cpp" line="182"/>
        <source>Put in Mail Account</source>
        <translation>Im E-Mail-Konto ablegen</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="70"/>
        <source>Fill in the server and the user name.</source>
        <translation>Geben Sie Server und Benutzernamen an.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="75"/>
        <source>Type the password.</source>
        <translation>Geben Sie das Passwort ein.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="102"/>
        <source>Putting the stationery in %1…</source>
        <translation>Briefpapier wird in %1 abgelegt…</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="148"/>
        <source>Put in the folder &quot;%1&quot; of %2.</source>
        <translation>Im Ordner „%1“ von %2 abgelegt.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="152"/>
        <source> The earlier copy was taken out.</source>
        <translation> Die frühere Kopie wurde entfernt.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="154"/>
        <source> The password was not remembered: %1</source>
        <translation> Das Passwort wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="164"/>
        <source>%1&apos;s certificate is not one this computer trusts. Its SHA-256 fingerprint is:

%2

Compare it with the one your mail provider or administrator gives. Trust this certificate for %1 from now on?</source>
        <translation>Dieser Computer vertraut dem Zertifikat von %1 nicht. Sein SHA-256-Fingerabdruck ist:

%2

Vergleichen Sie ihn mit dem, den Ihr E-Mail-Anbieter oder Administrator nennt. Diesem Zertifikat für %1 künftig vertrauen?</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="168"/>
        <source>%1 sent a different certificate from the one you trusted.

Trusted:  %2
Now:      %3

Unless your provider says the certificate changed, someone may be listening in. Trust the new certificate instead?</source>
        <translation>%1 hat ein anderes Zertifikat gesendet als das, dem Sie vertrauen.

Vertraut:  %2
Jetzt:     %3

Wenn Ihr Anbieter keinen Zertifikatswechsel angekündigt hat, hört vielleicht jemand mit. Stattdessen dem neuen Zertifikat vertrauen?</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="173"/>
        <source>Certificate</source>
        <translation>Zertifikat</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="179"/>
        <source>An earlier copy of this stationery is in the folder &quot;%1&quot;. Replace it with this one? (No puts this one beside it.)</source>
        <translation>Im Ordner „%1“ liegt eine frühere Kopie dieses Briefpapiers. Durch diese ersetzen? (Nein legt diese daneben.)</translation>
    </message>
</context>
<context>
    <name>MailAccountDialog</name>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="22"/>
        <source>Remember in the system keyring</source>
        <translation>Im Schlüsselbund des Systems merken</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="26"/>
        <source>Put in Mail Account</source>
        <translation>Im E-Mail-Konto ablegen</translation>
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
        <translation>Vorlagen</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="39"/>
        <source>Drafts</source>
        <translation>Entwürfe</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="55"/>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="56"/>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="57"/>
        <source>S&amp;ecurity:</source>
        <translation>S&amp;icherheit:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="58"/>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="59"/>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="61"/>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="63"/>
        <source>Put in Account</source>
        <translation>Im Konto ablegen</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="90"/>
        <source>A mail client deletes a draft once it is sent: the stationery is then gone from Drafts.</source>
        <translation>Ein E-Mail-Programm löscht einen Entwurf, sobald er gesendet ist: Das Briefpapier ist dann aus den Entwürfen verschwunden.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="92"/>
        <source>Start a new message from the template in your mail client; the template stays for the next one.</source>
        <translation>Beginnen Sie in Ihrem E-Mail-Programm eine neue Nachricht aus der Vorlage; die Vorlage bleibt für die nächste.</translation>
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
        <translation>Teile des Briefpapiers</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="105"/>
        <source>Put in &amp;Outlook Stationery</source>
        <translation>In &amp;Outlook-Briefpapier ablegen</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="155"/>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="159"/>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="164"/>
        <source>Ticker</source>
        <translation>Laufschrift</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="168"/>
        <source>Color-Font</source>
        <translation>Farbe-Schrift</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="172"/>
        <source>Margins</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="224"/>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="98"/>
        <source>New &amp;Message in Mail Client</source>
        <translation>Neue &amp;Nachricht im E-Mail-Programm</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="100"/>
        <source>P&amp;ut in Mail Account...</source>
        <translation>Im E-Mail-&amp;Konto ablegen…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="229"/>
        <source>Items</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="230"/>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="134"/>
        <source>File Not Used</source>
        <translation>Datei nicht verwendet</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="28"/>
        <source>New from &amp;Design...</source>
        <translation>Neu aus &amp;Muster…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="33"/>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="38"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="42"/>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="47"/>
        <source>&amp;Preview in Browser</source>
        <translation>&amp;Vorschau im Browser</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="52"/>
        <source>&amp;Check...</source>
        <translation>&amp;Prüfen…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="56"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="83"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="86"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="90"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>MarginsPage</name>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="41"/>
        <source>Image Width</source>
        <translation>Bildbreite</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="41"/>
        <source>Image width in pixels</source>
        <translation>Bildbreite in Pixeln</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="43"/>
        <source>Image Height</source>
        <translation>Bildhöhe</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="43"/>
        <source>Image height in pixels</source>
        <translation>Bildhöhe in Pixeln</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="45"/>
        <source>Text Top Margin</source>
        <translation>Oberer Textrand</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="45"/>
        <source>Text top margin in pixels</source>
        <translation>Oberer Textrand in Pixeln</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="47"/>
        <source>Text Left Margin</source>
        <translation>Linker Textrand</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="48"/>
        <source>Text left margin in pixels</source>
        <translation>Linker Textrand in Pixeln</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="77"/>
        <source>Scroll direction</source>
        <translation>Laufrichtung</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="91"/>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="91"/>
        <source>Scroll up</source>
        <translation>Nach oben laufen</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="93"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="93"/>
        <source>Scroll left</source>
        <translation>Nach links laufen</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="95"/>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="95"/>
        <source>Scroll down</source>
        <translation>Nach unten laufen</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="97"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="97"/>
        <source>Scroll right</source>
        <translation>Nach rechts laufen</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="99"/>
        <source>No Scroll</source>
        <translation>Kein Lauf</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="99"/>
        <source>No scroll</source>
        <translation>Kein Lauf</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="157"/>
        <source>Change Scroll Direction</source>
        <translation>Laufrichtung ändern</translation>
    </message>
</context>
<context>
    <name>NewFromDesign</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="94"/>
        <source>New from Design</source>
        <translation>Neu aus Muster</translation>
    </message>
</context>
<context>
    <name>NewMessageCommand</name>
    <message>
        <location filename="../src/editor/new_message.cpp" line="36"/>
        <source>The message could not be written: the folder %1 could not be made.</source>
        <translation>Die Nachricht konnte nicht geschrieben werden: Der Ordner %1 ließ sich nicht anlegen.</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="37"/>
        <source>No New Message</source>
        <translation>Keine neue Nachricht</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="44"/>
        <source>Starting the mail client…</source>
        <translation>E-Mail-Programm wird gestartet…</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="51"/>
        <source>The stationery is open as a new message in %1: address it and send it.</source>
        <translation>Das Briefpapier ist als neue Nachricht in %1 geöffnet: adressieren und senden.</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="62"/>
        <source>No mail client opened the message: %1.

Save the message template somewhere else, to open it from your mail client or attach it yourself?</source>
        <translation>Kein E-Mail-Programm hat die Nachricht geöffnet: %1.

Die Nachrichtenvorlage woanders speichern, um sie selbst im E-Mail-Programm zu öffnen oder anzuhängen?</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="65"/>
        <source>No Mail Client</source>
        <translation>Kein E-Mail-Programm</translation>
    </message>
</context>
<context>
    <name>OpenStationery</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="91"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>OutlookStationeryCommand</name>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="22"/>
        <source>Outlook&apos;s stationery folder &quot;%1&quot; could not be made.</source>
        <translation>Der Briefpapierordner von Outlook „%1“ ließ sich nicht anlegen.</translation>
    </message>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="24"/>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="37"/>
        <source>Not Exported</source>
        <translation>Nicht exportiert</translation>
    </message>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="43"/>
        <source>Put into Outlook&apos;s personal stationery as &quot;%1&quot;. Outlook offers it under File &gt; Options &gt; Mail &gt; Stationery and Fonts &gt; Personal Stationery.</source>
        <translation>Als „%1“ im persönlichen Briefpapier von Outlook abgelegt. Outlook bietet es unter Datei &gt; Optionen &gt; E-Mail &gt; Briefpapier und Schriftarten &gt; Persönliches Briefpapier an.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <location filename="../src/platform/picture_loader.cpp" line="76"/>
        <source>This picture is %1 × %2 pixels, too large to show.</source>
        <translation>Dieses Bild hat %1 × %2 Pixel und ist zu groß zum Anzeigen.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/editor/browse_button.cpp" line="15"/>
        <source>Browse...</source>
        <translation>Durchsuchen…</translation>
    </message>
</context>
<context>
    <name>SdlAudioDevice</name>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="34"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="42"/>
        <source>No audio device is available (%1).</source>
        <translation>Kein Audiogerät verfügbar (%1).</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="79"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="102"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="106"/>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="88"/>
        <source>This file is not the %1 sound its name says it is.</source>
        <translation>Diese Datei ist nicht der %1-Klang, den ihr Name angibt.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="91"/>
        <source>MIDI files need a General MIDI soundfont, and none is installed.</source>
        <translation>MIDI-Dateien brauchen einen General-MIDI-Soundfont, und keiner ist installiert.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="97"/>
        <source>This MP3 file&apos;s tag is damaged, so it cannot be played.</source>
        <translation>Das Tag dieser MP3-Datei ist beschädigt; sie kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="113"/>
        <source>This sound cannot be played: %1.</source>
        <translation>Dieser Klang kann nicht abgespielt werden: %1.</translation>
    </message>
</context>
<context>
    <name>SoundContent</name>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="15"/>
        <source>This WAV file&apos;s format cannot be played.</source>
        <translation>Das Format dieser WAV-Datei kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="46"/>
        <source>This file is not a MIDI, WAV or MP3 sound.</source>
        <translation>Diese Datei ist kein MIDI-, WAV- oder MP3-Klang.</translation>
    </message>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="53"/>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="26"/>
        <location filename="../src/editor/sound_page.cpp" line="67"/>
        <source>Sounds</source>
        <translation>Klänge</translation>
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
        <translation>Kein Klang</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="41"/>
        <source>Sounds (*.mid *.midi *.wav *.mp3)</source>
        <translation>Klänge (*.mid *.midi *.wav *.mp3)</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="41"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="44"/>
        <source>Browse for a sound</source>
        <translation>Einen Klang suchen</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="67"/>
        <source>Sound drive</source>
        <translation>Klanglaufwerk</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="67"/>
        <source>Sound folder</source>
        <translation>Klangordner</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="68"/>
        <source>Sound files</source>
        <translation>Klangdateien</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="69"/>
        <source>Sound player</source>
        <translation>Klangwiedergabe</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="152"/>
        <source>Change Sound</source>
        <translation>Klang ändern</translation>
    </message>
</context>
<context>
    <name>StationeryName</name>
    <message>
        <location filename="../src/editor/stationery_name.cpp" line="21"/>
        <source>Stationery</source>
        <translation>Briefpapier</translation>
    </message>
</context>
<context>
    <name>TickerPage</name>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="13"/>
        <source>Ticker 1</source>
        <translation>Laufschrift 1</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="13"/>
        <source>Ticker 2</source>
        <translation>Laufschrift 2</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="14"/>
        <source>Ticker 3</source>
        <translation>Laufschrift 3</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="15"/>
        <source>Ticker 1 text</source>
        <translation>Text der Laufschrift 1</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="15"/>
        <source>Ticker 2 text</source>
        <translation>Text der Laufschrift 2</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="16"/>
        <source>Ticker 3 text</source>
        <translation>Text der Laufschrift 3</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="20"/>
        <source>Ticker #%1</source>
        <translation>Laufschrift Nr. %1</translation>
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
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="70"/>
        <source>This file is not a sound.</source>
        <translation>Diese Datei ist kein Klang.</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="72"/>
        <source>This file is not the %1 sound its name says it is.</source>
        <translation>Diese Datei ist nicht der %1-Klang, den ihr Name angibt.</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="79"/>
        <source>This sound cannot be played: %1</source>
        <translation>Dieser Klang kann nicht abgespielt werden: %1</translation>
    </message>
</context>
<context>
    <name>command_line</name>
    <message>
        <location filename="../src/app/command_line.cpp" line="54"/>
        <source>Try &quot;%1 --help&quot; for the usage.</source>
        <translation>„%1 --help“ zeigt die Verwendung.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="110"/>
        <source>Makes mail stationery. Without options it opens the editor, showing FILE when one is given.</source>
        <translation>Erstellt E-Mail-Briefpapier. Ohne Optionen öffnet es den Editor und zeigt FILE, wenn angegeben.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="117"/>
        <source>Writes FILE&apos;s stationery to OUT without opening a window.</source>
        <translation>Schreibt das Briefpapier aus FILE nach OUT, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="122"/>
        <source>With --export: classic, todays (for today&apos;s mail clients) or message (a message template). By default OUT&apos;s extension decides: .eml a message template, .htm or .html the classic file.</source>
        <translation>Mit --export: classic, todays (für heutige E-Mail-Programme) oder message (eine Nachrichtenvorlage). Standardmäßig entscheidet die Endung von OUT: .eml eine Nachrichtenvorlage, .htm oder .html die klassische Datei.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="129"/>
        <source>Puts FILE&apos;s message template into FOLDER of the account, without a window: imaps://USER@HOST[:PORT]/FOLDER, or imap:// for STARTTLS. No FOLDER: the drafts folder.</source>
        <translation>Legt die Nachrichtenvorlage aus FILE ohne Fenster im Ordner FOLDER des Kontos ab: imaps://USER@HOST[:PORT]/FOLDER, oder imap:// für STARTTLS. Ohne FOLDER: der Entwurfsordner.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="136"/>
        <source>With --upload: the password is the first line of standard input; the keyring is not asked.</source>
        <translation>Mit --upload: Das Passwort ist die erste Zeile der Standardeingabe; der Schlüsselbund wird nicht gefragt.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="141"/>
        <source>With --upload: accepts a certificate the system does not trust when its SHA-256 fingerprint is this one.</source>
        <translation>Mit --upload: Nimmt ein Zertifikat an, dem das System nicht vertraut, wenn sein SHA-256-Fingerabdruck dieser ist.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="151"/>
        <source>A stationery file.</source>
        <translation>Eine Briefpapierdatei.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="168"/>
        <location filename="../src/app/command_line.cpp" line="190"/>
        <source>--%1 is given more than once.</source>
        <translation>--%1 ist mehr als einmal angegeben.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="173"/>
        <source>--upload and --export go separately.</source>
        <translation>--upload und --export gehen nur getrennt.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="177"/>
        <source>--upload takes one stationery FILE.</source>
        <translation>--upload nimmt eine Briefpapierdatei FILE.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="182"/>
        <source>--password-stdin and --trust-certificate go with --upload URL.</source>
        <translation>--password-stdin und --trust-certificate gehören zu --upload URL.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="186"/>
        <source>--form goes with --export OUT.</source>
        <translation>--form gehört zu --export OUT.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="196"/>
        <source>--export takes one stationery FILE.</source>
        <translation>--export nimmt eine Briefpapierdatei FILE.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="201"/>
        <source>No file is named &quot;&quot;: %1 is empty.</source>
        <translation>Keine Datei heißt „“: %1 ist leer.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="208"/>
        <source>--form is classic, todays or message.</source>
        <translation>--form ist classic, todays oder message.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="210"/>
        <source>&quot;%1&quot; ends in neither .eml, .htm nor .html; say which form with --form.</source>
        <translation>„%1“ endet weder auf .eml noch .htm noch .html; geben Sie die Form mit --form an.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="88"/>
        <source>&quot;%1&quot; is not an account: write imaps://USER@HOST[:PORT]/FOLDER.</source>
        <translation>„%1“ ist kein Konto: Schreiben Sie imaps://USER@HOST[:PORT]/FOLDER.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="91"/>
        <source>A password never goes on the command line: the keyring or --password-stdin gives it.</source>
        <translation>Ein Passwort gehört nie auf die Befehlszeile: Der Schlüsselbund oder --password-stdin liefert es.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="110"/>
        <source>--trust-certificate takes a SHA-256 fingerprint: 64 hexadecimal digits, colons optional.</source>
        <translation>--trust-certificate nimmt einen SHA-256-Fingerabdruck: 64 Hexadezimalziffern, Doppelpunkte nach Belieben.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="154"/>
        <source>The keyring could not be asked for the password of %1: its module could not be loaded (%2). Give the password on standard input with --password-stdin.</source>
        <translation>Der Schlüsselbund konnte nicht nach dem Passwort für %1 gefragt werden: Sein Modul ließ sich nicht laden (%2). Geben Sie das Passwort mit --password-stdin über die Standardeingabe an.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="159"/>
        <source>No password for %1: save it from the window (File &gt; Put in Mail Account, &quot;Remember in the system keyring&quot;), or give it on standard input with --password-stdin.</source>
        <translation>Kein Passwort für %1: Speichern Sie es im Fenster (Datei &gt; Im E-Mail-Konto ablegen, „Im Schlüsselbund des Systems merken“) oder geben Sie es mit --password-stdin über die Standardeingabe an.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="169"/>
        <source>Put in the folder &quot;%1&quot; of %2.</source>
        <translation>Im Ordner „%1“ von %2 abgelegt.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="177"/>
        <source> If it is your server&apos;s, give --trust-certificate %1.</source>
        <translation> Wenn es das Ihres Servers ist, geben Sie --trust-certificate %1 an.</translation>
    </message>
</context>
<context>
    <name>mail_account</name>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="24"/>
        <source>server name</source>
        <translation>Servername</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="26"/>
        <source>user name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="28"/>
        <source>password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="29"/>
        <source>folder name</source>
        <translation>Ordnername</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="37"/>
        <source> The server said: &quot;%1&quot;.</source>
        <translation> Der Server sagte: „%1“.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="38"/>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="41"/>
        <source>%1 refused the user name or the password.</source>
        <translation>%1 hat Benutzernamen oder Passwort abgelehnt.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="42"/>
        <source> Gmail accepts only an app password here (made under Security in your Google account, with 2-Step Verification on). Outlook.com accounts need a sign-in method this program does not offer yet.</source>
        <translation> Gmail nimmt hier nur ein App-Passwort an (erstellt unter Sicherheit in Ihrem Google-Konto, mit aktivierter Bestätigung in zwei Schritten). Outlook.com-Konten brauchen eine Anmeldeart, die dieses Programm noch nicht bietet.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="46"/>
        <source>The server &quot;%1&quot; was not found: check its name and your connection.</source>
        <translation>Der Server „%1“ wurde nicht gefunden: Prüfen Sie seinen Namen und Ihre Verbindung.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="49"/>
        <source>%1 refused the connection on port %2: check the port and the security.</source>
        <translation>%1 hat die Verbindung auf Port %2 abgelehnt: Prüfen Sie Port und Sicherheit.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="55"/>
        <source>%1 said nothing on port %2. If this port expects SSL/TLS (as port 993 does), choose SSL/TLS.</source>
        <translation>%1 hat auf Port %2 nichts gesagt. Wenn dieser Port SSL/TLS erwartet (wie Port 993), wählen Sie SSL/TLS.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="60"/>
        <source>%1 did not answer in time.</source>
        <translation>%1 hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="62"/>
        <source>Port %1 of %2 does not start with encryption: it expects STARTTLS. Choose STARTTLS, or port 993 with SSL/TLS.</source>
        <translation>Port %1 von %2 beginnt nicht verschlüsselt: Er erwartet STARTTLS. Wählen Sie STARTTLS oder Port 993 mit SSL/TLS.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="68"/>
        <source>%1&apos;s certificate is not one this computer trusts (SHA-256 fingerprint %2).</source>
        <translation>Dieser Computer vertraut dem Zertifikat von %1 nicht (SHA-256-Fingerabdruck %2).</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="71"/>
        <source>%1 sent a different certificate from the one you trusted: its SHA-256 fingerprint is %2. Nothing was sent. Unless your provider says the certificate changed, someone may be listening in.</source>
        <translation>%1 hat ein anderes Zertifikat gesendet als das, dem Sie vertrauen: Sein SHA-256-Fingerabdruck ist %2. Nichts wurde gesendet. Wenn Ihr Anbieter keinen Zertifikatswechsel angekündigt hat, hört vielleicht jemand mit.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="76"/>
        <source>%1 does not offer an encrypted connection on port %2, so nothing was sent, the password least of all.</source>
        <translation>%1 bietet auf Port %2 keine verschlüsselte Verbindung; daher wurde nichts gesendet, schon gar nicht das Passwort.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="81"/>
        <source>The folder is not on %1.</source>
        <translation>Der Ordner ist nicht auf %1.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="83"/>
        <source>The folder could not be made on %1.</source>
        <translation>Der Ordner ließ sich auf %1 nicht anlegen.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="85"/>
        <source>The account on %1 is full: delete some mail and try again.</source>
        <translation>Das Konto auf %1 ist voll: Löschen Sie einige E-Mails und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="87"/>
        <source>The connection to %1 was lost before the message was whole, so the server kept none of it.</source>
        <translation>Die Verbindung zu %1 brach ab, bevor die Nachricht vollständig war; der Server hat nichts davon behalten.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="92"/>
        <source>Cancelled: the server kept nothing.</source>
        <translation>Abgebrochen: Der Server hat nichts behalten.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="94"/>
        <source>An earlier copy of this stationery is in the folder &quot;%1&quot;.</source>
        <translation>Im Ordner „%1“ liegt eine frühere Kopie dieses Briefpapiers.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="100"/>
        <source>The %1 holds a line break or another control character, which cannot be sent to a mail server: type it again. Nothing was sent.</source>
        <translation>Der %1 enthält einen Zeilenumbruch oder ein anderes Steuerzeichen, das sich nicht an einen Mailserver senden lässt: Geben Sie ihn neu ein. Nichts wurde gesendet.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="104"/>
        <source>The message could not be made, so the server kept nothing: %1</source>
        <translation>Die Nachricht ließ sich nicht erstellen; der Server hat nichts behalten: %1</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="108"/>
        <source>The message could not be put on %1: %2</source>
        <translation>Die Nachricht ließ sich nicht auf %1 ablegen: %2</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="123"/>
        <source>The connection to %1 was lost after the whole message was sent, before the server said whether it kept it. Look in the folder &quot;%2&quot; before you try again.</source>
        <translation>Die Verbindung zu %1 brach ab, nachdem die ganze Nachricht gesendet war, aber bevor der Server sagte, ob er sie behält. Sehen Sie im Ordner „%2“ nach, bevor Sie es erneut versuchen.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="131"/>
        <source>Too late to cancel: the stationery is already in the folder &quot;%1&quot;.</source>
        <translation>Zu spät zum Abbrechen: Das Briefpapier liegt bereits im Ordner „%1“.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="134"/>
        <source>The stationery is in the folder &quot;%1&quot;, but the earlier copy could not be taken out: %2</source>
        <translation>Das Briefpapier liegt im Ordner „%1“, aber die frühere Kopie ließ sich nicht entfernen: %2</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="137"/>
        <source>The stationery is in the folder &quot;%1&quot;, but could not be marked as a draft: %2</source>
        <translation>Das Briefpapier liegt im Ordner „%1“, ließ sich aber nicht als Entwurf markieren: %2</translation>
    </message>
</context>
<context>
    <name>platform::DesktopMailClient</name>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="57"/>
        <source>%1 could not be started (%2): %3</source>
        <translation>%1 ließ sich nicht starten (%2): %3</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="71"/>
        <source>it ended with status %1</source>
        <translation>es endete mit Status %1</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="74"/>
        <source>it crashed</source>
        <translation>es ist abgestürzt</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="76"/>
        <source>%1 did not open the message: %2</source>
        <translation>%1 hat die Nachricht nicht geöffnet: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="106"/>
        <source>%1&apos;s desktop file (%2) has no command line that can be used</source>
        <translation>die Desktop-Datei von %1 (%2) hat keine verwendbare Befehlszeile</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="109"/>
        <source>%1 cannot open a message file given to it. File &gt; Put in Mail Account puts the stationery in your account&apos;s Templates folder, which %1 shows</source>
        <translation>%1 kann keine ihm übergebene Nachrichtendatei öffnen. Datei &gt; Im E-Mail-Konto ablegen legt das Briefpapier in den Ordner „Vorlagen“ Ihres Kontos, den %1 anzeigt</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="117"/>
        <source>no application is set to open e-mail messages (message/rfc822) on this desktop</source>
        <translation>auf diesem Desktop ist kein Programm zum Öffnen von E-Mails (message/rfc822) eingestellt</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="122"/>
        <source>the desktop&apos;s mail program</source>
        <translation>dem E-Mail-Programm des Desktops</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="125"/>
        <source>the mail program</source>
        <translation>dem E-Mail-Programm</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="127"/>
        <source>the system has no program for e-mail messages (.eml)</source>
        <translation>das System hat kein Programm für E-Mails (.eml)</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client_windows.cpp" line="48"/>
        <source>no program is set to open e-mail messages (.eml) on this computer</source>
        <translation>auf diesem Computer ist kein Programm zum Öffnen von E-Mails (.eml) eingestellt</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client_windows.cpp" line="65"/>
        <source>%1 could not be started (%2)</source>
        <translation>%1 ließ sich nicht starten (%2)</translation>
    </message>
</context>
<context>
    <name>platform::DesktopUrlOpener</name>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="21"/>
        <source>%1 could not be started: %2</source>
        <translation>%1 ließ sich nicht starten: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="33"/>
        <source>the opener ended with status %1</source>
        <translation>das Öffnungsprogramm endete mit Status %1</translation>
    </message>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="43"/>
        <source>the system has no program for web pages</source>
        <translation>das System hat kein Programm für Webseiten</translation>
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
        <translation>Kein Datenträger</translation>
    </message>
</context>
<context>
    <name>platform::LoadedAudioDevice</name>
    <message>
        <location filename="../src/platform/loaded_audio_device.cpp" line="28"/>
        <source>The sound module could not be loaded (%1).</source>
        <translation>Das Klangmodul konnte nicht geladen werden (%1).</translation>
    </message>
</context>
<context>
    <name>platform::MediaControl</name>
    <message>
        <location filename="../src/platform/media_control.cpp" line="26"/>
        <location filename="../src/platform/media_control.cpp" line="82"/>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <location filename="../src/platform/media_control.cpp" line="27"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../src/platform/media_control.cpp" line="28"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
</TS>
