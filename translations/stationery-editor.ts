<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="32"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="60"/>
        <source>Varek&apos;s Stationery Program (Tovrin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="63"/>
        <source>Copyright © the Stationery Editor authors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="65"/>
        <source>Questions and fixes are welcome through the project&apos;s issue tracker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="115"/>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="116"/>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioDevice</name>
    <message>
        <location filename="../src/platform/audio_device.cpp" line="8"/>
        <source>No audio device is available.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserPreview</name>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="33"/>
        <source>Dear friend,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="34"/>
        <source>Greetings from here. This is how your message looks to the people who get it: your picture, colours, font and margins behind what you write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="37"/>
        <source>Best wishes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeColorOrFont</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="80"/>
        <source>Change Text Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="81"/>
        <source>Change Background Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="82"/>
        <source>Change Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="83"/>
        <source>Change Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="84"/>
        <source>Change Title</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeMargins</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="88"/>
        <source>Change Scroll Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="88"/>
        <source>Change Margin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangePicture</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="65"/>
        <source>Change Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="65"/>
        <source>Change Picture Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeSound</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="69"/>
        <source>Change No Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="70"/>
        <source>Change Sound Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="71"/>
        <source>Change Sound</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeTickerText</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="75"/>
        <source>Change Ticker Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="25"/>
        <source>What</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="25"/>
        <source>Shown by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="26"/>
        <source>Elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="27"/>
        <source>Source (read on)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="32"/>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="48"/>
        <source>What today&apos;s mail clients do with the exports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="55"/>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="61"/>
        <source>What recipients will meet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="64"/>
        <source>What today&apos;s mail clients do with the exports:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="76"/>
        <source>Nothing to worry about</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="81"/>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="83"/>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="85"/>
        <source>Advice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckWords</name>
    <message>
        <location filename="../src/platform/check_words.cpp" line="23"/>
        <source>Text on the background colour: %1; aim for %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="25"/>
        <source>Choose a text colour further from the background colour, darker on a light background or lighter on a dark one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="28"/>
        <source>Text on the picture: %1; aim for %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="30"/>
        <source>Choose a darker or calmer picture, or a text colour that stands out from all of it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="32"/>
        <source>Choose a paler or calmer picture, or a text colour that stands out from all of it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="35"/>
        <source>The picture &quot;%1&quot; no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="36"/>
        <source>Choose the picture again on the Image tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="38"/>
        <source>The sound &quot;%1&quot; no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="39"/>
        <source>Choose the sound again on the Sound tab, or tick &quot;No Sound&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="42"/>
        <source>Choose a smaller picture or sound, or save the picture smaller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="45"/>
        <source>Use File &gt; New Message in Mail Client, or Export&apos;s message template. The picture then travels inside the message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="48"/>
        <source>The picture scrolls by a script. Received mail never runs one, so recipients see it standing still.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="50"/>
        <source>The message template scrolls it by CSS instead, which %1 play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="53"/>
        <source>The ticker writes to a status bar by a script. No mail client of today runs one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="55"/>
        <source>Put anything recipients must read into the message itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="57"/>
        <source>The background sound plays only in old mail clients. The message template leaves it out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="59"/>
        <source>Expect recipients not to hear it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="66"/>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="67"/>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="73"/>
        <source>%1:1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="78"/>
        <source>The picture &quot;%1&quot; and the sound &quot;%2&quot; add %3 to every message sent with this stationery.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="82"/>
        <source>The picture &quot;%1&quot; adds %2 to every message sent with this stationery.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="84"/>
        <source>The sound &quot;%1&quot; adds %2 to every message sent with this stationery.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="90"/>
        <source>The picture &quot;%1&quot; and the sound &quot;%2&quot; are named by their place on this computer. Recipients do not have them unless the mail client sends them along.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="95"/>
        <source>The picture &quot;%1&quot; is named by its place on this computer. Recipients do not have it unless the mail client sends it along.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="98"/>
        <source>The sound &quot;%1&quot; is named by its place on this computer. Recipients do not have it unless the mail client sends it along.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClientSupport</name>
    <message>
        <location filename="../src/stationery/client_support.h" line="23"/>
        <source>caniemail.com: CSS background-image, the body&apos;s background attribute, CSS animations, the audio and script elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="29"/>
        <source>The background picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="30"/>
        <source>Apple Mail, Thunderbird, Gmail and Outlook on the web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="31"/>
        <source>Outlook for Windows shows it only from the body&apos;s background attribute, which the template writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="37"/>
        <source>A picture scrolled by CSS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="38"/>
        <source>Apple Mail and Samsung Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="39"/>
        <source>it stands still elsewhere, and for readers who ask for reduced motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="43"/>
        <source>Scripts (the scrolling script, the ticker)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="44"/>
        <source>no mail client of today runs them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="47"/>
        <source>A background sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="48"/>
        <source>no mail client of today plays one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="53"/>
        <source>A message template in a webmail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="54"/>
        <source>Roundcube 1.6, in its view and its editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="59"/>
        <source>this program&apos;s webmail test: Roundcube 1.6.5 from Debian 12 with Chromium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="63"/>
        <source>A message template handed to Evolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="64"/>
        <source>Evolution 3.46 opens no message file given to it (&quot;Cannot import any of the given URIs&quot;); a template in the account&apos;s Templates folder starts a new message there; its view shows 480 pixels of the picture, and its editor the whole stationery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="69"/>
        <source>tried with this program&apos;s template under Debian 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="72"/>
        <source>Thunderbird and Roundcube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="73"/>
        <source>Thunderbird takes a cid: name in CSS for remote content and shows its privacy bar; a picture over 128 KB is left off the wrapper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="79"/>
        <source>The look on a wrapper around the text as well as on the body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="81"/>
        <source>Gmail, on the web and in its apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="82"/>
        <source>replaces the body by a &lt;div&gt; with only the attributes it supports; the wrapper keeps the text colour, font and left margin there, and on today&apos;s page the picture and background colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="87"/>
        <source>caniemail.com, the &lt;body&gt; element, as the doiuse-email package quotes it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="90"/>
        <source>A message template opened in Thunderbird</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="91"/>
        <source>Thunderbird 153 ESR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="92"/>
        <source>opens it as a new message with the caret inside the wrapper; what it sends carries the body&apos;s picture but drops the scrolling rule, so the picture stands still</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="76"/>
        <location filename="../src/stationery/client_support.h" line="96"/>
        <source>tried with this program&apos;s template under Thunderbird 153.8 ESR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="55"/>
        <source>drops the body&apos;s look and shows the wrapper&apos;s, picture and all, over the whole message; what it sends keeps the colour, font, margins and the picture, given in a style sheet, where it is not rewritten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="71"/>
        <source>The wrapper&apos;s picture as a data: URL in a style sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="99"/>
        <source>The light colour scheme asked for (meta element)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="100"/>
        <source>Thunderbird and Apple Mail on macOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="101"/>
        <source>other clients ignore the meta element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="102"/>
        <source>html-email-guide.vercel.app, Dark mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="103"/>
        <source>The light colour scheme asked for (CSS color-scheme)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="104"/>
        <source>Apple Mail, Samsung Mail and Thunderbird</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="105"/>
        <source>Gmail&apos;s apps for iOS and Android invert colours in dark mode whatever a message asks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="108"/>
        <source>html-email-guide.vercel.app, Dark mode; mailviewr.com, Apple Mail dark mode preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="112"/>
        <source>Scrolling only for readers who accept motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="113"/>
        <source>clients that strip prefers-reduced-motion rules, Gmail among them, show the picture standing still, never moving for ever</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="117"/>
        <source>emailmarkup.org, Email clients are stripping out accessibility (2025)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="120"/>
        <source>A generic family after every font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="121"/>
        <source>every client that shows HTML mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="122"/>
        <source>a reader without the font sees the nearest serif, sans-serif, monospace or cursive font instead of the client&apos;s default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="126"/>
        <source>CSS Fonts Module Level 4, generic font families (W3C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorFontPage</name>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="39"/>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="39"/>
        <source>Text colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="43"/>
        <source>BackGround Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="43"/>
        <source>Background colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="48"/>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="60"/>
        <location filename="../src/editor/color_font_page.cpp" line="81"/>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="62"/>
        <location filename="../src/editor/color_font_page.cpp" line="83"/>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="77"/>
        <source>Author, in the chosen colours and font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="79"/>
        <source>Title, in the chosen colours and font</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignPicker</name>
    <message>
        <location filename="../src/editor/design_picker.cpp" line="50"/>
        <source>The design&apos;s picture could not be written to &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/design_picker.cpp" line="53"/>
        <source>Design Not Applied</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Designs</name>
    <message>
        <location filename="../src/editor/designs.cpp" line="23"/>
        <source>Linen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="25"/>
        <source>Blue Sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="27"/>
        <source>Graph Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="29"/>
        <source>Ruled Notebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="32"/>
        <source>Starry Night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="34"/>
        <source>Autumn Leaves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="36"/>
        <source>Winter Snow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="38"/>
        <source>Spring Dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="40"/>
        <source>Parchment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="42"/>
        <source>Ocean Waves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="44"/>
        <source>Rose Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="46"/>
        <source>Chalkboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="48"/>
        <source>Candy Stripes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="111"/>
        <source>Dear friend, greetings from here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignsWindow</name>
    <message>
        <location filename="../src/dialogs/designs_window.cpp" line="11"/>
        <location filename="../src/dialogs/designs_window.cpp" line="14"/>
        <source>Designs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DroppedFiles</name>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="77"/>
        <source>&quot;%1&quot; is neither a picture, a sound nor a stationery file, so it was not used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="80"/>
        <source>&quot;%1&quot; is no longer there, so it was not used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="83"/>
        <source>&quot;%1&quot; is not a file but a folder, a pipe or a device, so it was not used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="87"/>
        <source>&quot;%1&quot; could not be read (%2), so it was not used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorWords</name>
    <message>
        <location filename="../src/platform/error_words.cpp" line="21"/>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="28"/>
        <source>Could not open &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="35"/>
        <source>Could not export &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="49"/>
        <location filename="../src/platform/error_words.cpp" line="127"/>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="51"/>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="53"/>
        <source>it is larger than 16 MB, and a stationery file is about 5 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="55"/>
        <source>it holds bytes that are not text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="58"/>
        <source>it is %1, not a stationery, a page for today&apos;s mail clients or a message template made by this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="63"/>
        <source>its font size &quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="65"/>
        <source>its margin &quot;%1&quot; is not a number of pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="67"/>
        <source>its picture size &quot;%1&quot; is not a number of pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="70"/>
        <source>its picture could not be written to the program&apos;s pictures folder (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="73"/>
        <source>it is a message template made by this program, but cut off before its end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="76"/>
        <source>it is not a stationery file made by this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="80"/>
        <source> (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="91"/>
        <source>the picture &quot;%1&quot; could not be copied: it does not exist or is no file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="94"/>
        <source>the sound &quot;%1&quot; could not be copied: it does not exist or is no file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="97"/>
        <source>the picture &quot;%1&quot; would be written over by the export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="99"/>
        <source>the sound &quot;%1&quot; would be written over by the export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="114"/>
        <source>the sound &quot;%1&quot; is not a MIDI, WAV or MP3 sound%2, so it is not carried</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="117"/>
        <source>the picture &quot;%1&quot; is in a hidden or system folder, and such a file is carried only when you agree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="121"/>
        <source>the sound &quot;%1&quot; is in a hidden or system folder, and such a file is carried only when you agree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="125"/>
        <source>that is the stationery being exported, which would be written over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="129"/>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="101"/>
        <source>the picture &quot;%1&quot; could not be copied: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="12"/>
        <source>a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="12"/>
        <source>a sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="13"/>
        <source>an e-mail message not made by this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="14"/>
        <source>a web page not made by this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="103"/>
        <source>the sound &quot;%1&quot; could not be copied: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="107"/>
        <source>the picture &quot;%1&quot; could not be read: it changed while it was read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="110"/>
        <source>the picture &quot;%1&quot; is not a JPEG, GIF, PNG or BMP picture%2, so it is not carried</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="131"/>
        <source>the picture &quot;%1&quot; could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportForm</name>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="54"/>
        <source>Exported to %1. Open it with your mail client for a new message on this stationery, or use File &gt; New Message in Mail Client.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="57"/>
        <source>Exported to %1 with its picture beside it. Choose it as stationery in your mail client, or open it in a browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="60"/>
        <source>Exported to %1 with its picture and sound beside it, for mail clients that still run stationery scripts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="63"/>
        <source>Message template, opens as a new message in Thunderbird, Outlook, Apple Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="66"/>
        <source>Web page for today&apos;s mail clients, with its picture beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="68"/>
        <source>Classic stationery with script, ticker and sound, for old mail clients</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="94"/>
        <source>Not Opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="101"/>
        <source>&quot;%1&quot; was made for today&apos;s mail clients, which carry no sound and no ticker: the Sound and Ticker tabs stay empty. Everything else is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="104"/>
        <source>Opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="121"/>
        <source>&quot;%1&quot; names files in hidden or system folders, where private files are kept:
%2

Export asks before it copies any of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="124"/>
        <source>Private Files Named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="128"/>
        <source>&quot;%1&quot; is open, but not everything it names can be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="131"/>
        <source>These files can&apos;t be found:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="133"/>
        <source>This file is there but cannot be read as a picture:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="135"/>
        <source>The paths are kept, so saving writes them as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="137"/>
        <source>These are in hidden or system folders, where private files are kept; Export asks before it copies them:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="141"/>
        <source>Picture Not Shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="142"/>
        <source>Files Missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="153"/>
        <source>Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="160"/>
        <source>the new stationery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="162"/>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="163"/>
        <source>Unsaved Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="178"/>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="213"/>
        <source>The stationery names a file in a hidden or system folder, where private files are kept:
%1

The export would copy it where others can read it. Copy it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="217"/>
        <source>Private File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="193"/>
        <location filename="../src/editor/file_commands.cpp" line="202"/>
        <source>Not Exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="33"/>
        <source>Stationery Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="83"/>
        <source>Stationery and message templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="85"/>
        <source>Stationery and pages for today&apos;s mail clients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="87"/>
        <source>Message templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="231"/>
        <source>No web browser could be started to show the preview (%1). Nothing was saved; File &gt; Save writes the stationery as usual.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="234"/>
        <source>The preview could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="235"/>
        <source>No Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="235"/>
        <source>No Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImagePage</name>
    <message>
        <location filename="../src/editor/image_page.cpp" line="32"/>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="41"/>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.webp *.avif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="42"/>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="45"/>
        <source>Browse for a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="57"/>
        <source>Click to see the picture at its own size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Picture drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Picture folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="68"/>
        <source>Picture files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="68"/>
        <source>Picture preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="140"/>
        <source>Picture Too Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="144"/>
        <source>This is a %1 picture, a kind phones and cameras make that this program cannot read yet. Save it as JPEG or PNG (most photo programs do this under Export or Save As), then choose that file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="148"/>
        <source>Picture Kind Not Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="222"/>
        <source>Invalid Picture Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="223"/>
        <source>Corrupt Picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadedMailService</name>
    <message>
        <location filename="../src/mail_account/loaded_mail_service.cpp" line="64"/>
        <source>the mail module could not be loaded (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/loaded_mail_service.cpp" line="77"/>
        <source>the keyring&apos;s module could not be loaded (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailAccountCommand</name>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="38"/>
        <source>The stationery is still being put in the mail account. Quitting now cancels it. Quit anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="40"/>
        <location filename="../src/editor/mail_account_command.cpp" line="182"/>
        <source>Put in Mail Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="70"/>
        <source>Fill in the server and the user name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="75"/>
        <source>Type the password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="102"/>
        <source>Putting the stationery in %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="148"/>
        <source>Put in the folder &quot;%1&quot; of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="152"/>
        <source> The earlier copy was taken out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="154"/>
        <source> The password was not remembered: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="164"/>
        <source>%1&apos;s certificate is not one this computer trusts. Its SHA-256 fingerprint is:

%2

Compare it with the one your mail provider or administrator gives. Trust this certificate for %1 from now on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="168"/>
        <source>%1 sent a different certificate from the one you trusted.

Trusted:  %2
Now:      %3

Unless your provider says the certificate changed, someone may be listening in. Trust the new certificate instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="173"/>
        <source>Certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="179"/>
        <source>An earlier copy of this stationery is in the folder &quot;%1&quot;. Replace it with this one? (No puts this one beside it.)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailAccountDialog</name>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="22"/>
        <source>Remember in the system keyring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="26"/>
        <source>Put in Mail Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="28"/>
        <source>imap.example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="33"/>
        <source>SSL/TLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="33"/>
        <source>STARTTLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="39"/>
        <source>Templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="39"/>
        <source>Drafts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="55"/>
        <source>&amp;Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="56"/>
        <source>&amp;Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="57"/>
        <source>S&amp;ecurity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="58"/>
        <source>&amp;User name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="59"/>
        <source>Pass&amp;word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="61"/>
        <source>&amp;Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="63"/>
        <source>Put in Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="90"/>
        <source>A mail client deletes a draft once it is sent: the stationery is then gone from Drafts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="92"/>
        <source>Start a new message from the template in your mail client; the template stays for the next one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/editor/main_window.cpp" line="43"/>
        <source>Varek&apos;s Outlook Express Stationery Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="59"/>
        <source>Stationery parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="105"/>
        <source>Put in &amp;Outlook Stationery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="155"/>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="159"/>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="164"/>
        <source>Ticker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="168"/>
        <source>Color-Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="172"/>
        <source>Margins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="224"/>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="98"/>
        <source>New &amp;Message in Mail Client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="100"/>
        <source>P&amp;ut in Mail Account...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="229"/>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="230"/>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="134"/>
        <source>File Not Used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="28"/>
        <source>New from &amp;Design...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="33"/>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="38"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="42"/>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="47"/>
        <source>&amp;Preview in Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="52"/>
        <source>&amp;Check...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="56"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="83"/>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="86"/>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="90"/>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MarginsPage</name>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="41"/>
        <source>Image Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="41"/>
        <source>Image width in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="43"/>
        <source>Image Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="43"/>
        <source>Image height in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="45"/>
        <source>Text Top Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="45"/>
        <source>Text top margin in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="47"/>
        <source>Text Left Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="48"/>
        <source>Text left margin in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="77"/>
        <source>Scroll direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="91"/>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="91"/>
        <source>Scroll up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="93"/>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="93"/>
        <source>Scroll left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="95"/>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="95"/>
        <source>Scroll down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="97"/>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="97"/>
        <source>Scroll right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="99"/>
        <source>No Scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="99"/>
        <source>No scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="157"/>
        <source>Change Scroll Direction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewFromDesign</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="94"/>
        <source>New from Design</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewMessageCommand</name>
    <message>
        <location filename="../src/editor/new_message.cpp" line="36"/>
        <source>The message could not be written: the folder %1 could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="37"/>
        <source>No New Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="44"/>
        <source>Starting the mail client…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="51"/>
        <source>The stationery is open as a new message in %1: address it and send it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="62"/>
        <source>No mail client opened the message: %1.

Save the message template somewhere else, to open it from your mail client or attach it yourself?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="65"/>
        <source>No Mail Client</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenStationery</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="91"/>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutlookStationeryCommand</name>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="22"/>
        <source>Outlook&apos;s stationery folder &quot;%1&quot; could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="24"/>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="37"/>
        <source>Not Exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="43"/>
        <source>Put into Outlook&apos;s personal stationery as &quot;%1&quot;. Outlook offers it under File &gt; Options &gt; Mail &gt; Stationery and Fonts &gt; Personal Stationery.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <location filename="../src/platform/picture_loader.cpp" line="76"/>
        <source>This picture is %1 × %2 pixels, too large to show.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/editor/browse_button.cpp" line="15"/>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SdlAudioDevice</name>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="34"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="42"/>
        <source>No audio device is available (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="79"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="102"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="106"/>
        <source>The file cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="88"/>
        <source>This file is not the %1 sound its name says it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="91"/>
        <source>MIDI files need a General MIDI soundfont, and none is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="97"/>
        <source>This MP3 file&apos;s tag is damaged, so it cannot be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="113"/>
        <source>This sound cannot be played: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundContent</name>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="15"/>
        <source>This WAV file&apos;s format cannot be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="46"/>
        <source>This file is not a MIDI, WAV or MP3 sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="53"/>
        <source>The file cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="26"/>
        <location filename="../src/editor/sound_page.cpp" line="67"/>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="29"/>
        <location filename="../src/editor/sound_page.cpp" line="68"/>
        <source>Outlook Express 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="30"/>
        <location filename="../src/editor/sound_page.cpp" line="68"/>
        <source>No Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="41"/>
        <source>Sounds (*.mid *.midi *.wav *.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="41"/>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="44"/>
        <source>Browse for a sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="67"/>
        <source>Sound drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="67"/>
        <source>Sound folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="68"/>
        <source>Sound files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="69"/>
        <source>Sound player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="152"/>
        <source>Change Sound</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationeryName</name>
    <message>
        <location filename="../src/editor/stationery_name.cpp" line="21"/>
        <source>Stationery</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TickerPage</name>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="13"/>
        <source>Ticker 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="13"/>
        <source>Ticker 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="14"/>
        <source>Ticker 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="15"/>
        <source>Ticker 1 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="15"/>
        <source>Ticker 2 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="16"/>
        <source>Ticker 3 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="20"/>
        <source>Ticker #%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WinmmAudioDevice</name>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="35"/>
        <source>Device Not Avaible... Put a Disk in and Try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="52"/>
        <source>error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="63"/>
        <source>The file cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="70"/>
        <source>This file is not a sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="72"/>
        <source>This file is not the %1 sound its name says it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="79"/>
        <source>This sound cannot be played: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>command_line</name>
    <message>
        <location filename="../src/app/command_line.cpp" line="54"/>
        <source>Try &quot;%1 --help&quot; for the usage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="110"/>
        <source>Makes mail stationery. Without options it opens the editor, showing FILE when one is given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="117"/>
        <source>Writes FILE&apos;s stationery to OUT without opening a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="122"/>
        <source>With --export: classic, todays (for today&apos;s mail clients) or message (a message template). By default OUT&apos;s extension decides: .eml a message template, .htm or .html the classic file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="129"/>
        <source>Puts FILE&apos;s message template into FOLDER of the account, without a window: imaps://USER@HOST[:PORT]/FOLDER, or imap:// for STARTTLS. No FOLDER: the drafts folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="136"/>
        <source>With --upload: the password is the first line of standard input; the keyring is not asked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="141"/>
        <source>With --upload: accepts a certificate the system does not trust when its SHA-256 fingerprint is this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="151"/>
        <source>A stationery file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="168"/>
        <location filename="../src/app/command_line.cpp" line="190"/>
        <source>--%1 is given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="173"/>
        <source>--upload and --export go separately.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="177"/>
        <source>--upload takes one stationery FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="182"/>
        <source>--password-stdin and --trust-certificate go with --upload URL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="186"/>
        <source>--form goes with --export OUT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="196"/>
        <source>--export takes one stationery FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="201"/>
        <source>No file is named &quot;&quot;: %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="208"/>
        <source>--form is classic, todays or message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="210"/>
        <source>&quot;%1&quot; ends in neither .eml, .htm nor .html; say which form with --form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="88"/>
        <source>&quot;%1&quot; is not an account: write imaps://USER@HOST[:PORT]/FOLDER.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="91"/>
        <source>A password never goes on the command line: the keyring or --password-stdin gives it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="110"/>
        <source>--trust-certificate takes a SHA-256 fingerprint: 64 hexadecimal digits, colons optional.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="154"/>
        <source>The keyring could not be asked for the password of %1: its module could not be loaded (%2). Give the password on standard input with --password-stdin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="159"/>
        <source>No password for %1: save it from the window (File &gt; Put in Mail Account, &quot;Remember in the system keyring&quot;), or give it on standard input with --password-stdin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="169"/>
        <source>Put in the folder &quot;%1&quot; of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="177"/>
        <source> If it is your server&apos;s, give --trust-certificate %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mail_account</name>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="24"/>
        <source>server name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="26"/>
        <source>user name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="28"/>
        <source>password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="29"/>
        <source>folder name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="37"/>
        <source> The server said: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="38"/>
        <source> (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="41"/>
        <source>%1 refused the user name or the password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="42"/>
        <source> Gmail accepts only an app password here (made under Security in your Google account, with 2-Step Verification on). Outlook.com accounts need a sign-in method this program does not offer yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="46"/>
        <source>The server &quot;%1&quot; was not found: check its name and your connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="49"/>
        <source>%1 refused the connection on port %2: check the port and the security.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="55"/>
        <source>%1 said nothing on port %2. If this port expects SSL/TLS (as port 993 does), choose SSL/TLS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="60"/>
        <source>%1 did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="62"/>
        <source>Port %1 of %2 does not start with encryption: it expects STARTTLS. Choose STARTTLS, or port 993 with SSL/TLS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="68"/>
        <source>%1&apos;s certificate is not one this computer trusts (SHA-256 fingerprint %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="71"/>
        <source>%1 sent a different certificate from the one you trusted: its SHA-256 fingerprint is %2. Nothing was sent. Unless your provider says the certificate changed, someone may be listening in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="76"/>
        <source>%1 does not offer an encrypted connection on port %2, so nothing was sent, the password least of all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="81"/>
        <source>The folder is not on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="83"/>
        <source>The folder could not be made on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="85"/>
        <source>The account on %1 is full: delete some mail and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="87"/>
        <source>The connection to %1 was lost before the message was whole, so the server kept none of it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="92"/>
        <source>Cancelled: the server kept nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="94"/>
        <source>An earlier copy of this stationery is in the folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="100"/>
        <source>The %1 holds a line break or another control character, which cannot be sent to a mail server: type it again. Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="104"/>
        <source>The message could not be made, so the server kept nothing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="108"/>
        <source>The message could not be put on %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="123"/>
        <source>The connection to %1 was lost after the whole message was sent, before the server said whether it kept it. Look in the folder &quot;%2&quot; before you try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="131"/>
        <source>Too late to cancel: the stationery is already in the folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="134"/>
        <source>The stationery is in the folder &quot;%1&quot;, but the earlier copy could not be taken out: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="137"/>
        <source>The stationery is in the folder &quot;%1&quot;, but could not be marked as a draft: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::DesktopMailClient</name>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="57"/>
        <source>%1 could not be started (%2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="71"/>
        <source>it ended with status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="74"/>
        <source>it crashed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="76"/>
        <source>%1 did not open the message: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="106"/>
        <source>%1&apos;s desktop file (%2) has no command line that can be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="109"/>
        <source>%1 cannot open a message file given to it. File &gt; Put in Mail Account puts the stationery in your account&apos;s Templates folder, which %1 shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="117"/>
        <source>no application is set to open e-mail messages (message/rfc822) on this desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="122"/>
        <source>the desktop&apos;s mail program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="125"/>
        <source>the mail program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="127"/>
        <source>the system has no program for e-mail messages (.eml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client_windows.cpp" line="48"/>
        <source>no program is set to open e-mail messages (.eml) on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client_windows.cpp" line="65"/>
        <source>%1 could not be started (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::DesktopUrlOpener</name>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="21"/>
        <source>%1 could not be started: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="33"/>
        <source>the opener ended with status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="43"/>
        <source>the system has no program for web pages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::FileBrowser</name>
    <message>
        <location filename="../src/platform/file_browser.cpp" line="30"/>
        <source>Device Not Avaible... Put a Disk in and Try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/file_browser.cpp" line="31"/>
        <source>No Disk</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::LoadedAudioDevice</name>
    <message>
        <location filename="../src/platform/loaded_audio_device.cpp" line="28"/>
        <source>The sound module could not be loaded (%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::MediaControl</name>
    <message>
        <location filename="../src/platform/media_control.cpp" line="26"/>
        <location filename="../src/platform/media_control.cpp" line="82"/>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/media_control.cpp" line="27"/>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/media_control.cpp" line="28"/>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
