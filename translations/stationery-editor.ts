<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
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
        <location filename="../src/windows/check_window.cpp" line="8"/>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="14"/>
        <source>What recipients will meet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="24"/>
        <source>Nothing to worry about</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="29"/>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="31"/>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/check_window.cpp" line="33"/>
        <source>Advice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../src/editor/form1.cpp" line="34"/>
        <source>Varek&apos;s Outlook Express Stationery Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1.cpp" line="44"/>
        <location filename="../src/editor/form1_menus.cpp" line="30"/>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1.cpp" line="45"/>
        <location filename="../src/editor/form1_menus.cpp" line="32"/>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1.cpp" line="46"/>
        <location filename="../src/editor/form1_menus.cpp" line="34"/>
        <source>Ticker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1.cpp" line="47"/>
        <location filename="../src/editor/form1_menus.cpp" line="35"/>
        <source>Color-Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1.cpp" line="48"/>
        <location filename="../src/editor/form1_menus.cpp" line="38"/>
        <source>Margins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1.cpp" line="195"/>
        <source>Device Not Avaible... Put a Disk in and Try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1.cpp" line="195"/>
        <source>No Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_check.cpp" line="26"/>
        <source>The preview could not be written: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_check.cpp" line="27"/>
        <location filename="../src/editor/form1_check.cpp" line="37"/>
        <source>No Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_check.cpp" line="43"/>
        <source>No web browser could be started to show the preview. Nothing was saved; File &gt; Save writes the stationery as usual.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_check.cpp" line="45"/>
        <source>No Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_colorfont_tab.cpp" line="11"/>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_colorfont_tab.cpp" line="13"/>
        <source>BackGround Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_colorfont_tab.cpp" line="15"/>
        <location filename="../src/editor/form1_names.cpp" line="53"/>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_colorfont_tab.cpp" line="17"/>
        <location filename="../src/editor/form1_names.cpp" line="56"/>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_colorfont_tab.cpp" line="21"/>
        <location filename="../src/editor/form1_names.cpp" line="57"/>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_export.cpp" line="13"/>
        <source>Stationery|*.htm;*.html|Stationery for today&apos;s mail clients|*.htm;*.html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_export.cpp" line="35"/>
        <source>Not Exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_image_tab.cpp" line="43"/>
        <location filename="../src/editor/form1_names.cpp" line="28"/>
        <source>Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_image_tab.cpp" line="92"/>
        <source>Picture Too Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_image_tab.cpp" line="124"/>
        <source>Invalid Picture Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_image_tab.cpp" line="124"/>
        <source>Corrupt Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_margins_tab.cpp" line="17"/>
        <location filename="../src/editor/form1_names.cpp" line="58"/>
        <source>Image Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_margins_tab.cpp" line="18"/>
        <location filename="../src/editor/form1_names.cpp" line="59"/>
        <source>Image Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_margins_tab.cpp" line="19"/>
        <location filename="../src/editor/form1_names.cpp" line="60"/>
        <source>Text Top Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_margins_tab.cpp" line="20"/>
        <location filename="../src/editor/form1_names.cpp" line="61"/>
        <source>Text Left Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_margins_tab.cpp" line="39"/>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_margins_tab.cpp" line="41"/>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_margins_tab.cpp" line="43"/>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_margins_tab.cpp" line="45"/>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_margins_tab.cpp" line="47"/>
        <source>No Scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_menus.cpp" line="16"/>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_menus.cpp" line="17"/>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_menus.cpp" line="19"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_menus.cpp" line="20"/>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_menus.cpp" line="22"/>
        <source>&amp;Preview in Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_menus.cpp" line="25"/>
        <source>&amp;Check...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_menus.cpp" line="26"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_menus.cpp" line="28"/>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_menus.cpp" line="42"/>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="27"/>
        <source>Stationery parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="29"/>
        <source>Picture drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="30"/>
        <source>Picture folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="31"/>
        <source>Picture files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="32"/>
        <source>Picture preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="33"/>
        <source>Picture at its own size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="34"/>
        <source>Chosen picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="35"/>
        <source>Picture width in twips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="36"/>
        <source>Picture height in twips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="37"/>
        <location filename="../src/editor/form1_sound_tab.cpp" line="18"/>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="38"/>
        <source>Sound drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="39"/>
        <source>Sound folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="40"/>
        <source>Sound files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="41"/>
        <location filename="../src/editor/form1_sound_tab.cpp" line="29"/>
        <source>No Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="42"/>
        <location filename="../src/editor/form1_sound_tab.cpp" line="27"/>
        <source>Outlook Express 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="43"/>
        <source>Sound player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="44"/>
        <source>Chosen sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="45"/>
        <source>Ticker 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="46"/>
        <source>Ticker 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="47"/>
        <source>Ticker 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="48"/>
        <source>Ticker 1 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="49"/>
        <source>Ticker 2 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="50"/>
        <source>Ticker 3 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="51"/>
        <source>Text colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="52"/>
        <source>Background colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="54"/>
        <source>Author, in the chosen colours and font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="55"/>
        <source>Title, in the chosen colours and font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="62"/>
        <source>Image width in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="63"/>
        <source>Image height in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="64"/>
        <source>Text top margin in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="65"/>
        <source>Text left margin in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="66"/>
        <source>Scroll direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="67"/>
        <source>Scroll up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="68"/>
        <source>Scroll left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="69"/>
        <source>Scroll down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="70"/>
        <source>Scroll right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="71"/>
        <source>No scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_names.cpp" line="79"/>
        <source>Click to see the picture at its own size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_open.cpp" line="60"/>
        <source>Not Opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_open.cpp" line="69"/>
        <source>&quot;%1&quot; is open, but not everything it names can be found:

%2

The paths are kept, so saving writes them as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_open.cpp" line="72"/>
        <source>Files Missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_open.cpp" line="92"/>
        <source>%1 (the picture cannot be shown)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_open.cpp" line="95"/>
        <source>%1 (the picture no longer exists)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_open.cpp" line="112"/>
        <source>%1 (the sound no longer exists)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_save.cpp" line="58"/>
        <source>Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editor/form1_ticker_tab.cpp" line="10"/>
        <source>Ticker #%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <location filename="../src/platform/picture_loader.cpp" line="47"/>
        <source>This picture is %1 × %2 pixels, too large to show.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SdlAudioDevice</name>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="29"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="37"/>
        <source>No audio device is available (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="79"/>
        <source>This WAV file&apos;s format cannot be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="113"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="131"/>
        <source>The file cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="118"/>
        <source>This file is not a MIDI, WAV or MP3 sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="125"/>
        <source>This file cannot be played by the %1 device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="127"/>
        <source>MIDI files need a General MIDI soundfont, and none is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="137"/>
        <source>This sound cannot be played: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../src/windows/frm_about.cpp" line="35"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/frm_about.cpp" line="49"/>
        <source>Varek&apos;s Stationery Program (Tovrin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/frm_about.cpp" line="53"/>
        <source>Copyright © the Stationery Editor authors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/frm_about.cpp" line="55"/>
        <source>Questions and fixes are welcome through the project&apos;s issue tracker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/frm_about.cpp" line="90"/>
        <source>About </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/windows/frm_about.cpp" line="91"/>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::MediaControl</name>
    <message>
        <location filename="../src/platform/media_control.cpp" line="26"/>
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
