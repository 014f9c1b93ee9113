<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../src/windows/about_window.cpp" line="32"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/about_window.cpp" line="60"/>
        <source>Varek&apos;s Stationery Program (Tovrin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/about_window.cpp" line="63"/>
        <source>Copyright © the Stationery Editor authors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/about_window.cpp" line="65"/>
        <source>Questions and fixes are welcome through the project&apos;s issue tracker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/about_window.cpp" line="115"/>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/about_window.cpp" line="116"/>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioDevice</name>
    <message>
        <location filename="../src/platform/audio_device.cpp" line="6"/>
        <source>No audio device is available.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <location filename="../src/windows/check_window.cpp" line="24"/>
        <source>What</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="24"/>
        <source>Shown by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="25"/>
        <source>Elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="26"/>
        <source>Source (read on)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="33"/>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="47"/>
        <source>What today&apos;s mail clients do with the exports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="54"/>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="60"/>
        <source>What recipients will meet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="63"/>
        <source>What today&apos;s mail clients do with the exports:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="75"/>
        <source>Nothing to worry about</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="80"/>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="82"/>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="84"/>
        <source>Advice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorFontPage</name>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="38"/>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="38"/>
        <source>Text colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="42"/>
        <source>BackGround Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="42"/>
        <source>Background colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="47"/>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="59"/>
        <location filename="../src/editor/color_font_page.cpp" line="80"/>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="61"/>
        <location filename="../src/editor/color_font_page.cpp" line="82"/>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="76"/>
        <source>Author, in the chosen colours and font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="78"/>
        <source>Title, in the chosen colours and font</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignPicker</name>
    <message>
        <location filename="../src/editor/design_picker.cpp" line="47"/>
        <source>The design&apos;s picture could not be written to &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/design_picker.cpp" line="50"/>
        <source>Design Not Applied</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Designs</name>
    <message>
        <location filename="../src/editor/designs.cpp" line="21"/>
        <source>Linen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="23"/>
        <source>Blue Sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="25"/>
        <source>Graph Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="27"/>
        <source>Ruled Notebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="30"/>
        <source>Starry Night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="32"/>
        <source>Autumn Leaves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="34"/>
        <source>Winter Snow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="36"/>
        <source>Spring Dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="38"/>
        <source>Parchment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="40"/>
        <source>Ocean Waves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="42"/>
        <source>Rose Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="44"/>
        <source>Chalkboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="46"/>
        <source>Candy Stripes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="109"/>
        <source>Dear friend, greetings from here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignsWindow</name>
    <message>
        <location filename="../src/windows/designs_window.cpp" line="11"/>
        <location filename="../src/windows/designs_window.cpp" line="14"/>
        <source>Designs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorWords</name>
    <message>
        <location filename="../src/editor/error_words.cpp" line="15"/>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="22"/>
        <source>Could not open &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="29"/>
        <source>Could not export &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="43"/>
        <location filename="../src/editor/error_words.cpp" line="106"/>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="45"/>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="47"/>
        <source>it is larger than 16 MB, and a stationery file is about 5 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="49"/>
        <source>it holds bytes that are not text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="53"/>
        <source>its font size &quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="55"/>
        <source>it is not a stationery file made by this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="59"/>
        <source> (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="70"/>
        <source>the picture &quot;%1&quot; could not be copied: it does not exist or is no file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="73"/>
        <source>the sound &quot;%1&quot; could not be copied: it does not exist or is no file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="76"/>
        <source>the picture &quot;%1&quot; would be written over by the export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="78"/>
        <source>the sound &quot;%1&quot; would be written over by the export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="89"/>
        <source>the picture &quot;%1&quot; is not a JPEG, GIF or BMP picture%2, so it is not carried</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="93"/>
        <source>the sound &quot;%1&quot; is not a MIDI, WAV or MP3 sound%2, so it is not carried</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="96"/>
        <source>the picture &quot;%1&quot; is in a hidden or system folder, and such a file is carried only when you agree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="100"/>
        <source>the sound &quot;%1&quot; is in a hidden or system folder, and such a file is carried only when you agree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="104"/>
        <source>that is the stationery being exported, which would be written over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="108"/>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="80"/>
        <source>the picture &quot;%1&quot; could not be copied: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="82"/>
        <source>the sound &quot;%1&quot; could not be copied: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="86"/>
        <source>the picture &quot;%1&quot; could not be read: it changed while it was read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/error_words.cpp" line="110"/>
        <source>the picture &quot;%1&quot; could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportForm</name>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="46"/>
        <source>Message template, opens as a new message in Thunderbird, Outlook, Apple Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="49"/>
        <source>Web page for today&apos;s mail clients, with its picture beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="51"/>
        <source>Classic stationery with script, ticker and sound, for old mail clients</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="68"/>
        <source>Not Opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="87"/>
        <source>&quot;%1&quot; names files in hidden or system folders, where private files are kept:
%2

Export asks before it copies any of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="90"/>
        <source>Private Files Named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="94"/>
        <source>&quot;%1&quot; is open, but not everything it names can be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="97"/>
        <source>These files can&apos;t be found:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="99"/>
        <source>This file is there but cannot be read as a picture:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="101"/>
        <source>The paths are kept, so saving writes them as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="103"/>
        <source>These are in hidden or system folders, where private files are kept; Export asks before it copies them:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="107"/>
        <source>Picture Not Shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="108"/>
        <source>Files Missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="124"/>
        <source>Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="131"/>
        <source>the new stationery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="133"/>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="134"/>
        <source>Unsaved Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="150"/>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="169"/>
        <source>Exported to %1. Open it with your mail client for a new message on this stationery, or use File &gt; New Message in Mail Client.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="174"/>
        <source>Exported to %1 with its picture beside it. Choose it as stationery in your mail client, or open it in a browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="179"/>
        <source>Exported to %1 with its picture and sound beside it, for mail clients that still run stationery scripts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="192"/>
        <source>The stationery names a file in a hidden or system folder, where private files are kept:
%1

The export would copy it where others can read it. Copy it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="196"/>
        <source>Private File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="200"/>
        <source>Not Exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="213"/>
        <source>No web browser could be started to show the preview (%1). Nothing was saved; File &gt; Save writes the stationery as usual.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="216"/>
        <source>The preview could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="217"/>
        <source>No Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="217"/>
        <source>No Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImagePage</name>
    <message>
        <location filename="../src/editor/image_page.cpp" line="50"/>
        <location filename="../src/editor/image_page.cpp" line="77"/>
        <source>Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Click to see the picture at its own size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="77"/>
        <source>Picture drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="77"/>
        <source>Picture folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="78"/>
        <source>Picture files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="78"/>
        <source>Picture preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="137"/>
        <source>Picture Too Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="206"/>
        <source>Invalid Picture Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="207"/>
        <source>Corrupt Picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailAccountCommand</name>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="82"/>
        <source>Fill in the server and the user name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="87"/>
        <source>Type the password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="110"/>
        <source>Putting the stationery in %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="175"/>
        <source>Put in the folder &quot;%1&quot; of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="179"/>
        <source> The password was not remembered: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="189"/>
        <source>%1&apos;s certificate is not one this computer trusts. Its SHA-256 fingerprint is:

%2

Compare it with the one your mail provider or administrator gives. Trust this certificate for %1 from now on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="193"/>
        <source>%1 sent a different certificate from the one you trusted.

Trusted:  %2
Now:      %3

Unless your provider says the certificate changed, someone may be listening in. Trust the new certificate instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="198"/>
        <source>Certificate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailAccountDialog</name>
    <message>
        <location filename="../src/windows/mail_account_dialog.cpp" line="20"/>
        <source>Remember in the system keyring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/mail_account_dialog.cpp" line="23"/>
        <source>Put in Mail Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/mail_account_dialog.cpp" line="25"/>
        <source>imap.example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/mail_account_dialog.cpp" line="30"/>
        <source>SSL/TLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/mail_account_dialog.cpp" line="30"/>
        <source>STARTTLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/mail_account_dialog.cpp" line="36"/>
        <source>Templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/mail_account_dialog.cpp" line="36"/>
        <source>Drafts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/mail_account_dialog.cpp" line="47"/>
        <source>&amp;Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/mail_account_dialog.cpp" line="48"/>
        <source>&amp;Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/mail_account_dialog.cpp" line="49"/>
        <source>S&amp;ecurity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/mail_account_dialog.cpp" line="50"/>
        <source>&amp;User name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/mail_account_dialog.cpp" line="51"/>
        <source>Pass&amp;word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/mail_account_dialog.cpp" line="53"/>
        <source>&amp;Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/mail_account_dialog.cpp" line="54"/>
        <source>Put in Account</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/editor/main_window.cpp" line="34"/>
        <source>Varek&apos;s Outlook Express Stationery Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="43"/>
        <source>Stationery parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="107"/>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="111"/>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="115"/>
        <source>Ticker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="119"/>
        <source>Color-Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="123"/>
        <source>Margins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="174"/>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="182"/>
        <source>New from &amp;Design...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="186"/>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="190"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="194"/>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="198"/>
        <source>New &amp;Message in Mail Client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="203"/>
        <source>P&amp;ut in Mail Account...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="208"/>
        <source>&amp;Preview in Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="212"/>
        <source>&amp;Check...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="216"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="231"/>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="232"/>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MarginsPage</name>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="38"/>
        <source>Image Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="38"/>
        <source>Image width in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="40"/>
        <source>Image Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="40"/>
        <source>Image height in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="42"/>
        <source>Text Top Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="42"/>
        <source>Text top margin in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="44"/>
        <source>Text Left Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="45"/>
        <source>Text left margin in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="66"/>
        <source>Scroll direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="80"/>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="80"/>
        <source>Scroll up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="82"/>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="82"/>
        <source>Scroll left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="84"/>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="84"/>
        <source>Scroll down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="86"/>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="86"/>
        <source>Scroll right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="88"/>
        <source>No Scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="88"/>
        <source>No scroll</source>
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
    <name>PictureLoader</name>
    <message>
        <location filename="../src/platform/picture_loader.cpp" line="59"/>
        <source>This picture is %1 × %2 pixels, too large to show.</source>
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
        <location filename="../src/platform/sdl_audio_device.cpp" line="78"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="93"/>
        <source>The file cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="87"/>
        <source>This file cannot be played by the %1 device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="89"/>
        <source>MIDI files need a General MIDI soundfont, and none is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="99"/>
        <source>This sound cannot be played: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundContent</name>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="27"/>
        <source>This WAV file&apos;s format cannot be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="58"/>
        <source>This file is not a MIDI, WAV or MP3 sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="65"/>
        <source>The file cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="22"/>
        <location filename="../src/editor/sound_page.cpp" line="56"/>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="25"/>
        <location filename="../src/editor/sound_page.cpp" line="57"/>
        <source>Outlook Express 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="26"/>
        <location filename="../src/editor/sound_page.cpp" line="57"/>
        <source>No Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="56"/>
        <source>Sound drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="56"/>
        <source>Sound folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="57"/>
        <source>Sound files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="58"/>
        <source>Sound player</source>
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
        <location filename="../src/editor/ticker_page.cpp" line="20"/>
        <source>Ticker 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="20"/>
        <source>Ticker 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="21"/>
        <source>Ticker 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="22"/>
        <source>Ticker 1 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="22"/>
        <source>Ticker 2 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="23"/>
        <source>Ticker 3 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="27"/>
        <source>Ticker #%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="55"/>
        <source>%1 could not be started (%2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="68"/>
        <source>it ended with status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="69"/>
        <source>it crashed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="70"/>
        <source>%1 did not open the message: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::DesktopMailClient</name>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="89"/>
        <source>%1&apos;s desktop file (%2) has no command line that can be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="95"/>
        <source>no application is set to open e-mail messages (message/rfc822) on this desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="100"/>
        <source>the desktop&apos;s mail program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="103"/>
        <source>the mail program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="105"/>
        <source>the system has no program for e-mail messages (.eml)</source>
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
