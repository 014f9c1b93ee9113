<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="32" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="60" />
        <source>Varek's Stationery Program (Tovrin)</source>
        <translation>Varek's Stationery Program (Tovrin)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="63" />
        <source>Copyright © the Stationery Editor authors</source>
        <translation>Copyright © los autores de Stationery Editor</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="65" />
        <source>Questions and fixes are welcome through the project's issue tracker.</source>
        <translation>Las preguntas y correcciones son bienvenidas en el gestor de incidencias del proyecto.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="115" />
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="116" />
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>AudioDevice</name>
    <message>
        <location filename="../src/platform/audio_device.cpp" line="8" />
        <source>No audio device is available.</source>
        <translation>No hay ningún dispositivo de audio disponible.</translation>
    </message>
</context>
<context>
    <name>BrowserPreview</name>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="33" />
        <source>Dear friend,</source>
        <translation>Querida amiga, querido amigo:</translation>
    </message>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="34" />
        <source>Greetings from here. This is how your message looks to the people who get it: your picture, colours, font and margins behind what you write.</source>
        <translation>Saludos desde aquí. Así ven su mensaje quienes lo reciben: su imagen, sus colores, su tipo de letra y sus márgenes detrás de lo que escribe.</translation>
    </message>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="37" />
        <source>Best wishes</source>
        <translation>Un abrazo</translation>
    </message>
</context>
<context>
    <name>ChangeColorOrFont</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="80" />
        <source>Change Text Colour</source>
        <translation>Cambiar el color del texto</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="81" />
        <source>Change Background Colour</source>
        <translation>Cambiar el color de fondo</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="82" />
        <source>Change Font</source>
        <translation>Cambiar el tipo de letra</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="83" />
        <source>Change Author</source>
        <translation>Cambiar el autor</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="84" />
        <source>Change Title</source>
        <translation>Cambiar el título</translation>
    </message>
</context>
<context>
    <name>ChangeMargins</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="88" />
        <source>Change Scroll Direction</source>
        <translation>Cambiar la dirección del desplazamiento</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="88" />
        <source>Change Margin</source>
        <translation>Cambiar el margen</translation>
    </message>
</context>
<context>
    <name>ChangePicture</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="65" />
        <source>Change Picture</source>
        <translation>Cambiar la imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="65" />
        <source>Change Picture Size</source>
        <translation>Cambiar el tamaño de la imagen</translation>
    </message>
</context>
<context>
    <name>ChangeSound</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="69" />
        <source>Change No Sound</source>
        <translation>Cambiar «Sin sonido»</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="70" />
        <source>Change Sound Form</source>
        <translation>Cambiar la forma del sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="71" />
        <source>Change Sound</source>
        <translation>Cambiar el sonido</translation>
    </message>
</context>
<context>
    <name>ChangeTickerText</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="75" />
        <source>Change Ticker Text</source>
        <translation>Cambiar el texto deslizante</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="24" />
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="24" />
        <source>Shown by</source>
        <translation>Lo muestra</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="25" />
        <source>Elsewhere</source>
        <translation>En los demás</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="26" />
        <source>Source (read on)</source>
        <translation>Fuente (leída el)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="33" />
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="47" />
        <source>What today's mail clients do with the exports</source>
        <translation>Qué hacen los programas de correo actuales con las exportaciones</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="54" />
        <source>Check</source>
        <translation>Revisar</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="60" />
        <source>What recipients will meet</source>
        <translation>Lo que verán los destinatarios</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="63" />
        <source>What today's mail clients do with the exports:</source>
        <translation>Qué hacen los programas de correo actuales con las exportaciones:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="75" />
        <source>Nothing to worry about</source>
        <translation>Nada de qué preocuparse</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="80" />
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="82" />
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="84" />
        <source>Advice</source>
        <translation>Consejo</translation>
    </message>
</context>
<context>
    <name>ColorFontPage</name>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="39" />
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="39" />
        <source>Text colour</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="43" />
        <source>BackGround Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="43" />
        <source>Background colour</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="48" />
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="60" />
        <location filename="../src/editor/color_font_page.cpp" line="81" />
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="62" />
        <location filename="../src/editor/color_font_page.cpp" line="83" />
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="77" />
        <source>Author, in the chosen colours and font</source>
        <translation>Autor, con los colores y el tipo de letra elegidos</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="79" />
        <source>Title, in the chosen colours and font</source>
        <translation>Título, con los colores y el tipo de letra elegidos</translation>
    </message>
</context>
<context>
    <name>DesignPicker</name>
    <message>
        <location filename="../src/editor/design_picker.cpp" line="50" />
        <source>The design's picture could not be written to "%1": %2.</source>
        <translation>No se pudo escribir la imagen del diseño en «%1»: %2.</translation>
    </message>
    <message>
        <location filename="../src/editor/design_picker.cpp" line="53" />
        <source>Design Not Applied</source>
        <translation>Diseño no aplicado</translation>
    </message>
</context>
<context>
    <name>Designs</name>
    <message>
        <location filename="../src/editor/designs.cpp" line="21" />
        <source>Linen</source>
        <translation>Lino</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="23" />
        <source>Blue Sky</source>
        <translation>Cielo azul</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="25" />
        <source>Graph Paper</source>
        <translation>Papel cuadriculado</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="27" />
        <source>Ruled Notebook</source>
        <translation>Cuaderno rayado</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="30" />
        <source>Starry Night</source>
        <translation>Noche estrellada</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="32" />
        <source>Autumn Leaves</source>
        <translation>Hojas de otoño</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="34" />
        <source>Winter Snow</source>
        <translation>Nieve de invierno</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="36" />
        <source>Spring Dots</source>
        <translation>Lunares de primavera</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="38" />
        <source>Parchment</source>
        <translation>Pergamino</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="40" />
        <source>Ocean Waves</source>
        <translation>Olas</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="42" />
        <source>Rose Border</source>
        <translation>Borde de rosas</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="44" />
        <source>Chalkboard</source>
        <translation>Pizarra</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="46" />
        <source>Candy Stripes</source>
        <translation>Rayas de caramelo</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="109" />
        <source>Dear friend, greetings from here.</source>
        <translation>Saludos desde aquí.</translation>
    </message>
</context>
<context>
    <name>DesignsWindow</name>
    <message>
        <location filename="../src/dialogs/designs_window.cpp" line="11" />
        <location filename="../src/dialogs/designs_window.cpp" line="14" />
        <source>Designs</source>
        <translation>Diseños</translation>
    </message>
</context>
<context>
    <name>DroppedFiles</name>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="77" />
        <source>"%1" is neither a picture, a sound nor a stationery file, so it was not used.</source>
        <translation>«%1» no es una imagen, ni un sonido, ni un papel de carta, así que no se usó.</translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="80" />
        <source>"%1" is no longer there, so it was not used.</source>
        <translation>«%1» ya no existe, así que no se usó.</translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="83" />
        <source>"%1" is not a file but a folder, a pipe or a device, so it was not used.</source>
        <translation>«%1» no es un archivo sino una carpeta, una tubería o un dispositivo, así que no se usó.</translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="87" />
        <source>"%1" could not be read (%2), so it was not used.</source>
        <translation>No se pudo leer «%1» (%2), así que no se usó.</translation>
    </message>
</context>
<context>
    <name>ErrorWords</name>
    <message>
        <location filename="../src/platform/error_words.cpp" line="21" />
        <source>Could not save "%1": %2.</source>
        <translation>No se pudo guardar «%1»: %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="28" />
        <source>Could not open "%1": %2.</source>
        <translation>No se pudo abrir «%1»: %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="35" />
        <source>Could not export "%1": %2.</source>
        <translation>No se pudo exportar «%1»: %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="49" />
        <location filename="../src/platform/error_words.cpp" line="127" />
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="51" />
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="53" />
        <source>it is larger than 16 MB, and a stationery file is about 5 KB</source>
        <translation>ocupa más de 16 MB, y un papel de carta ocupa unos 5 KB</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="55" />
        <source>it holds bytes that are not text</source>
        <translation>contiene bytes que no son texto</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="58" />
        <source>it is %1, not a stationery, a page for today's mail clients or a message template made by this program</source>
        <translation>es %1, no un papel de carta, ni una página para los programas de correo actuales, ni una plantilla de mensaje hecha con este programa</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="63" />
        <source>its font size "%1" is not a number</source>
        <translation>su tamaño de letra «%1» no es un número</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="65" />
        <source>its margin "%1" is not a number of pixels</source>
        <translation>su margen «%1» no es un número de píxeles</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="67" />
        <source>its picture size "%1" is not a number of pixels</source>
        <translation>su tamaño de imagen «%1» no es un número de píxeles</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="70" />
        <source>its picture could not be written to the program's pictures folder (%1)</source>
        <translation>no se pudo escribir su imagen en la carpeta de imágenes del programa (%1)</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="73" />
        <source>it is a message template made by this program, but cut off before its end</source>
        <translation>es una plantilla de mensaje hecha con este programa, pero cortada antes del final</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="76" />
        <source>it is not a stationery file made by this program</source>
        <translation>no es un papel de carta hecho con este programa</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="80" />
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="91" />
        <source>the picture "%1" could not be copied: it does not exist or is no file</source>
        <translation>no se pudo copiar la imagen «%1»: no existe o no es un archivo</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="94" />
        <source>the sound "%1" could not be copied: it does not exist or is no file</source>
        <translation>no se pudo copiar el sonido «%1»: no existe o no es un archivo</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="97" />
        <source>the picture "%1" would be written over by the export</source>
        <translation>la exportación sobrescribiría la imagen «%1»</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="99" />
        <source>the sound "%1" would be written over by the export</source>
        <translation>la exportación sobrescribiría el sonido «%1»</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="114" />
        <source>the sound "%1" is not a MIDI, WAV or MP3 sound%2, so it is not carried</source>
        <translation>el sonido «%1» no es un sonido MIDI, WAV ni MP3%2, así que no se incluye</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="117" />
        <source>the picture "%1" is in a hidden or system folder, and such a file is carried only when you agree</source>
        <translation>la imagen «%1» está en una carpeta oculta o del sistema; un archivo así solo se incluye si usted lo acepta</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="121" />
        <source>the sound "%1" is in a hidden or system folder, and such a file is carried only when you agree</source>
        <translation>el sonido «%1» está en una carpeta oculta o del sistema; un archivo así solo se incluye si usted lo acepta</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="125" />
        <source>that is the stationery being exported, which would be written over</source>
        <translation>es el papel de carta que se está exportando, y se sobrescribiría</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="129" />
        <source>the folder "%1" does not exist</source>
        <translation>la carpeta «%1» no existe</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="101" />
        <source>the picture "%1" could not be copied: %2</source>
        <translation>no se pudo copiar la imagen «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="12" />
        <source>a picture</source>
        <translation>una imagen</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="12" />
        <source>a sound</source>
        <translation>un sonido</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="13" />
        <source>an e-mail message not made by this program</source>
        <translation>un mensaje de correo que no se hizo con este programa</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="14" />
        <source>a web page not made by this program</source>
        <translation>una página web que no se hizo con este programa</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="103" />
        <source>the sound "%1" could not be copied: %2</source>
        <translation>no se pudo copiar el sonido «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="107" />
        <source>the picture "%1" could not be read: it changed while it was read</source>
        <translation>no se pudo leer la imagen «%1»: cambió mientras se leía</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="110" />
        <source>the picture "%1" is not a JPEG, GIF, PNG or BMP picture%2, so it is not carried</source>
        <translation>la imagen «%1» no es una imagen JPEG, GIF, PNG ni BMP%2, así que no se incluye</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="131" />
        <source>the picture "%1" could not be read: %2</source>
        <translation>no se pudo leer la imagen «%1»: %2</translation>
    </message>
</context>
<context>
    <name>ExportForm</name>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="54" />
        <source>Exported to %1. Open it with your mail client for a new message on this stationery, or use File &gt; New Message in Mail Client.</source>
        <translation>Exportado a %1. Ábralo con su programa de correo para un mensaje nuevo con este papel de carta, o use Archivo &gt; Mensaje nuevo en el programa de correo.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="57" />
        <source>Exported to %1 with its picture beside it. Choose it as stationery in your mail client, or open it in a browser.</source>
        <translation>Exportado a %1, con la imagen al lado. Elíjalo como papel de carta en su programa de correo o ábralo en un navegador.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="60" />
        <source>Exported to %1 with its picture and sound beside it, for mail clients that still run stationery scripts.</source>
        <translation>Exportado a %1, con la imagen y el sonido al lado, para los programas de correo que aún ejecutan los scripts del papel de carta.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="63" />
        <source>Message template, opens as a new message in Thunderbird, Outlook, Apple Mail</source>
        <translation>Plantilla de mensaje, se abre como mensaje nuevo en Thunderbird, Outlook, Apple Mail</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="66" />
        <source>Web page for today's mail clients, with its picture beside it</source>
        <translation>Página web para los programas de correo actuales, con la imagen al lado</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="68" />
        <source>Classic stationery with script, ticker and sound, for old mail clients</source>
        <translation>Papel de carta clásico con script, texto deslizante y sonido, para programas de correo antiguos</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="94" />
        <source>Not Opened</source>
        <translation>No abierto</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="101" />
        <source>"%1" was made for today's mail clients, which carry no sound and no ticker: the Sound and Ticker tabs stay empty. Everything else is as it was.</source>
        <translation>«%1» se hizo para los programas de correo actuales, que no llevan sonido ni texto deslizante: las pestañas Sonido y Texto deslizante quedan vacías. Todo lo demás está como estaba.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="104" />
        <source>Opened</source>
        <translation>Abierto</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="121" />
        <source>"%1" names files in hidden or system folders, where private files are kept:
%2

Export asks before it copies any of them.</source>
        <translation>«%1» nombra archivos de carpetas ocultas o del sistema, donde se guardan archivos privados:
%2

La exportación pregunta antes de copiar cualquiera de ellos.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="124" />
        <source>Private Files Named</source>
        <translation>Archivos privados nombrados</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="128" />
        <source>"%1" is open, but not everything it names can be used.</source>
        <translation>«%1» está abierto, pero no todo lo que nombra se puede usar.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="131" />
        <source>These files can't be found:
%1</source>
        <translation>No se encuentran estos archivos:
%1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="133" />
        <source>This file is there but cannot be read as a picture:
%1</source>
        <translation>Este archivo existe, pero no se puede leer como imagen:
%1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="135" />
        <source>The paths are kept, so saving writes them as they were.</source>
        <translation>Las rutas se conservan, así que al guardar se escriben tal como estaban.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="137" />
        <source>These are in hidden or system folders, where private files are kept; Export asks before it copies them:
%1</source>
        <translation>Estos están en carpetas ocultas o del sistema, donde se guardan archivos privados; la exportación pregunta antes de copiarlos:
%1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="141" />
        <source>Picture Not Shown</source>
        <translation>Imagen no mostrada</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="142" />
        <source>Files Missing</source>
        <translation>Faltan archivos</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="153" />
        <source>Not Saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="160" />
        <source>the new stationery</source>
        <translation>el papel de carta nuevo</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="162" />
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="163" />
        <source>Unsaved Changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="178" />
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="213" />
        <source>The stationery names a file in a hidden or system folder, where private files are kept:
%1

The export would copy it where others can read it. Copy it anyway?</source>
        <translation>El papel de carta nombra un archivo de una carpeta oculta o del sistema, donde se guardan archivos privados:
%1

La exportación lo copiaría donde otros pueden leerlo. ¿Copiarlo de todos modos?</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="217" />
        <source>Private File</source>
        <translation>Archivo privado</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="193" />
        <location filename="../src/editor/file_commands.cpp" line="202" />
        <source>Not Exported</source>
        <translation>No exportado</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="33" />
        <source>Stationery Files</source>
        <translation>Archivos de papel de carta</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="83" />
        <source>Stationery and message templates</source>
        <translation>Papeles de carta y plantillas de mensaje</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="85" />
        <source>Stationery and pages for today's mail clients</source>
        <translation>Papeles de carta y páginas para los programas de correo actuales</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="87" />
        <source>Message templates</source>
        <translation>Plantillas de mensaje</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="231" />
        <source>No web browser could be started to show the preview (%1). Nothing was saved; File &gt; Save writes the stationery as usual.</source>
        <translation>No se pudo abrir ningún navegador para la vista previa (%1). No se guardó nada; Archivo &gt; Guardar escribe el papel de carta como siempre.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="234" />
        <source>The preview could not be written: %1</source>
        <translation>No se pudo escribir la vista previa: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="235" />
        <source>No Browser</source>
        <translation>Sin navegador</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="235" />
        <source>No Preview</source>
        <translation>Sin vista previa</translation>
    </message>
</context>
<context>
    <name>ImagePage</name>
    <message>
        <location filename="../src/editor/image_page.cpp" line="32" />
        <location filename="../src/editor/image_page.cpp" line="67" />
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="41" />
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.webp *.avif)</source>
        <translation>Imágenes (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.webp *.avif)</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="42" />
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="45" />
        <source>Browse for a picture</source>
        <translation>Buscar una imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="57" />
        <source>Click to see the picture at its own size</source>
        <translation>Haga clic para ver la imagen a su tamaño real</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="67" />
        <source>Picture drive</source>
        <translation>Unidad de la imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="67" />
        <source>Picture folder</source>
        <translation>Carpeta de la imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="68" />
        <source>Picture files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="68" />
        <source>Picture preview</source>
        <translation>Vista previa de la imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="140" />
        <source>Picture Too Large</source>
        <translation>Imagen demasiado grande</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="144" />
        <source>This is a %1 picture, a kind phones and cameras make that this program cannot read yet. Save it as JPEG or PNG (most photo programs do this under Export or Save As), then choose that file.</source>
        <translation>Es una imagen %1, un formato de teléfonos y cámaras que este programa aún no sabe leer. Guárdela como JPEG o PNG (la mayoría de los programas de fotos lo hacen en Exportar o Guardar como) y elija ese archivo.</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="148" />
        <source>Picture Kind Not Read</source>
        <translation>Formato de imagen no legible</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="222" />
        <source>Invalid Picture Type</source>
        <translation>Tipo de imagen no válido</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="223" />
        <source>Corrupt Picture</source>
        <translation>Imagen dañada</translation>
    </message>
</context>
<context>
    <name>LoadedMailService</name>
    <message>
        <location filename="../src/mail_account/loaded_mail_service.cpp" line="54" />
        <location filename="../src/mail_account/loaded_mail_service.cpp" line="67" />
        <source>the mail module could not be loaded (%1)</source>
        <translation>no se pudo cargar el módulo de correo (%1)</translation>
    </message>
</context>
<context>
    <name>MailAccountCommand</name>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="38" />
        <source>The stationery is still being put in the mail account. Quitting now cancels it. Quit anyway?</source>
        <translation>El papel de carta aún se está guardando en la cuenta de correo. Salir ahora lo cancela. ¿Salir de todos modos?</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="40" />
        <location filename="../src/editor/mail_account_command.cpp" line="182" />
        <source>Put in Mail Account</source>
        <translation>Guardar en la cuenta de correo</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="70" />
        <source>Fill in the server and the user name.</source>
        <translation>Indique el servidor y el nombre de usuario.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="75" />
        <source>Type the password.</source>
        <translation>Escriba la contraseña.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="102" />
        <source>Putting the stationery in %1…</source>
        <translation>Guardando el papel de carta en %1…</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="148" />
        <source>Put in the folder "%1" of %2.</source>
        <translation>Guardado en la carpeta «%1» de %2.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="152" />
        <source> The earlier copy was taken out.</source>
        <translation> Se quitó la copia anterior.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="154" />
        <source> The password was not remembered: %1</source>
        <translation> No se recordó la contraseña: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="164" />
        <source>%1's certificate is not one this computer trusts. Its SHA-256 fingerprint is:

%2

Compare it with the one your mail provider or administrator gives. Trust this certificate for %1 from now on?</source>
        <translation>Este equipo no confía en el certificado de %1. Su huella SHA-256 es:

%2

Compárela con la que le da su proveedor de correo o su administrador. ¿Confiar en este certificado para %1 a partir de ahora?</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="168" />
        <source>%1 sent a different certificate from the one you trusted.

Trusted:  %2
Now:      %3

Unless your provider says the certificate changed, someone may be listening in. Trust the new certificate instead?</source>
        <translation>%1 envió un certificado distinto del que usted aceptó.

Aceptado:  %2
Ahora:     %3

Si su proveedor no anunció un cambio de certificado, puede que alguien esté escuchando. ¿Confiar en el certificado nuevo en su lugar?</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="173" />
        <source>Certificate</source>
        <translation>Certificado</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="179" />
        <source>An earlier copy of this stationery is in the folder "%1". Replace it with this one? (No puts this one beside it.)</source>
        <translation>Hay una copia anterior de este papel de carta en la carpeta «%1». ¿Reemplazarla por esta? (No la pone al lado.)</translation>
    </message>
</context>
<context>
    <name>MailAccountDialog</name>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="22" />
        <source>Remember in the system keyring</source>
        <translation>Recordar en el llavero del sistema</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="26" />
        <source>Put in Mail Account</source>
        <translation>Guardar en la cuenta de correo</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="28" />
        <source>imap.example.com</source>
        <translation>imap.example.com</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="33" />
        <source>SSL/TLS</source>
        <translation>SSL/TLS</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="33" />
        <source>STARTTLS</source>
        <translation>STARTTLS</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="39" />
        <source>Templates</source>
        <translation>Plantillas</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="39" />
        <source>Drafts</source>
        <translation>Borradores</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="55" />
        <source>&amp;Server:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="56" />
        <source>&amp;Port:</source>
        <translation>&amp;Puerto:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="57" />
        <source>S&amp;ecurity:</source>
        <translation>S&amp;eguridad:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="58" />
        <source>&amp;User name:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="59" />
        <source>Pass&amp;word:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="61" />
        <source>&amp;Folder:</source>
        <translation>Ca&amp;rpeta:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="63" />
        <source>Put in Account</source>
        <translation>Guardar en la cuenta</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="90" />
        <source>A mail client deletes a draft once it is sent: the stationery is then gone from Drafts.</source>
        <translation>Un programa de correo borra un borrador cuando se envía: entonces el papel de carta desaparece de Borradores.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="92" />
        <source>Start a new message from the template in your mail client; the template stays for the next one.</source>
        <translation>Empiece un mensaje nuevo desde la plantilla en su programa de correo; la plantilla queda para el siguiente.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/editor/main_window.cpp" line="43" />
        <source>Varek's Outlook Express Stationery Creator</source>
        <translation>Varek's Outlook Express Stationery Creator</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="59" />
        <source>Stationery parts</source>
        <translation>Partes del papel de carta</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="105" />
        <source>Put in &amp;Outlook Stationery</source>
        <translation>Guardar en los papeles de carta de &amp;Outlook</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="155" />
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="159" />
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="164" />
        <source>Ticker</source>
        <translation>Texto deslizante</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="168" />
        <source>Color-Font</source>
        <translation>Color-Letra</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="172" />
        <source>Margins</source>
        <translation>Márgenes</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="224" />
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="98" />
        <source>New &amp;Message in Mail Client</source>
        <translation>&amp;Mensaje nuevo en el programa de correo</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="100" />
        <source>P&amp;ut in Mail Account...</source>
        <translation>Guardar en la &amp;cuenta de correo…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="229" />
        <source>Items</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="230" />
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="134" />
        <source>File Not Used</source>
        <translation>Archivo no usado</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="28" />
        <source>New from &amp;Design...</source>
        <translation>Nuevo desde un &amp;diseño…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="33" />
        <source>&amp;Open...</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="38" />
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="42" />
        <source>&amp;Export...</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="47" />
        <source>&amp;Preview in Browser</source>
        <translation>&amp;Vista previa en el navegador</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="52" />
        <source>&amp;Check...</source>
        <translation>&amp;Revisar…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="56" />
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="83" />
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="86" />
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="90" />
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
</context>
<context>
    <name>MarginsPage</name>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="41" />
        <source>Image Width</source>
        <translation>Ancho de la imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="41" />
        <source>Image width in pixels</source>
        <translation>Ancho de la imagen en píxeles</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="43" />
        <source>Image Height</source>
        <translation>Alto de la imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="43" />
        <source>Image height in pixels</source>
        <translation>Alto de la imagen en píxeles</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="45" />
        <source>Text Top Margin</source>
        <translation>Margen superior del texto</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="45" />
        <source>Text top margin in pixels</source>
        <translation>Margen superior del texto en píxeles</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="47" />
        <source>Text Left Margin</source>
        <translation>Margen izquierdo del texto</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="48" />
        <source>Text left margin in pixels</source>
        <translation>Margen izquierdo del texto en píxeles</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="77" />
        <source>Scroll direction</source>
        <translation>Dirección del desplazamiento</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="91" />
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="91" />
        <source>Scroll up</source>
        <translation>Desplazar hacia arriba</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="93" />
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="93" />
        <source>Scroll left</source>
        <translation>Desplazar hacia la izquierda</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="95" />
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="95" />
        <source>Scroll down</source>
        <translation>Desplazar hacia abajo</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="97" />
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="97" />
        <source>Scroll right</source>
        <translation>Desplazar hacia la derecha</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="99" />
        <source>No Scroll</source>
        <translation>Sin desplazamiento</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="99" />
        <source>No scroll</source>
        <translation>Sin desplazamiento</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="157" />
        <source>Change Scroll Direction</source>
        <translation>Cambiar la dirección del desplazamiento</translation>
    </message>
</context>
<context>
    <name>NewFromDesign</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="94" />
        <source>New from Design</source>
        <translation>Nuevo desde un diseño</translation>
    </message>
</context>
<context>
    <name>NewMessageCommand</name>
    <message>
        <location filename="../src/editor/new_message.cpp" line="36" />
        <source>The message could not be written: the folder %1 could not be made.</source>
        <translation>No se pudo escribir el mensaje: no se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="37" />
        <source>No New Message</source>
        <translation>Ningún mensaje nuevo</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="44" />
        <source>Starting the mail client…</source>
        <translation>Abriendo el programa de correo…</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="51" />
        <source>The stationery is open as a new message in %1: address it and send it.</source>
        <translation>El papel de carta está abierto como mensaje nuevo en %1: póngale destinatario y envíelo.</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="62" />
        <source>No mail client opened the message: %1.

Save the message template somewhere else, to open it from your mail client or attach it yourself?</source>
        <translation>Ningún programa de correo abrió el mensaje: %1.

¿Guardar la plantilla de mensaje en otro lugar, para abrirla desde su programa de correo o adjuntarla usted?</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="65" />
        <source>No Mail Client</source>
        <translation>Sin programa de correo</translation>
    </message>
</context>
<context>
    <name>OpenStationery</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="91" />
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>OutlookStationeryCommand</name>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="22" />
        <source>Outlook's stationery folder "%1" could not be made.</source>
        <translation>No se pudo crear la carpeta de papeles de carta de Outlook «%1».</translation>
    </message>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="24" />
        <location filename="../src/editor/outlook_stationery_command.cpp" line="37" />
        <source>Not Exported</source>
        <translation>No exportado</translation>
    </message>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="43" />
        <source>Put into Outlook's personal stationery as "%1". Outlook offers it under File &gt; Options &gt; Mail &gt; Stationery and Fonts &gt; Personal Stationery.</source>
        <translation>Guardado en los papeles de carta personales de Outlook como «%1». Outlook lo ofrece en Archivo &gt; Opciones &gt; Correo &gt; Diseño de fondo y fuentes &gt; Diseño de fondo personal.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <location filename="../src/platform/picture_loader.cpp" line="76" />
        <source>This picture is %1 × %2 pixels, too large to show.</source>
        <translation>Esta imagen mide %1 × %2 píxeles, demasiado grande para mostrarla.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/editor/browse_button.cpp" line="15" />
        <source>Browse...</source>
        <translation>Examinar…</translation>
    </message>
</context>
<context>
    <name>SdlAudioDevice</name>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="34" />
        <location filename="../src/platform/sdl_audio_device.cpp" line="42" />
        <source>No audio device is available (%1).</source>
        <translation>No hay ningún dispositivo de audio disponible (%1).</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="79" />
        <location filename="../src/platform/sdl_audio_device.cpp" line="102" />
        <location filename="../src/platform/sdl_audio_device.cpp" line="106" />
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="88" />
        <source>This file is not the %1 sound its name says it is.</source>
        <translation>Este archivo no es el sonido %1 que indica su nombre.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="91" />
        <source>MIDI files need a General MIDI soundfont, and none is installed.</source>
        <translation>Los archivos MIDI necesitan una fuente de sonido General MIDI, y no hay ninguna instalada.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="97" />
        <source>This MP3 file's tag is damaged, so it cannot be played.</source>
        <translation>La etiqueta de este archivo MP3 está dañada, así que no se puede reproducir.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="113" />
        <source>This sound cannot be played: %1.</source>
        <translation>Este sonido no se puede reproducir: %1.</translation>
    </message>
</context>
<context>
    <name>SoundContent</name>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="15" />
        <source>This WAV file's format cannot be played.</source>
        <translation>El formato de este archivo WAV no se puede reproducir.</translation>
    </message>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="46" />
        <source>This file is not a MIDI, WAV or MP3 sound.</source>
        <translation>Este archivo no es un sonido MIDI, WAV ni MP3.</translation>
    </message>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="53" />
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="26" />
        <location filename="../src/editor/sound_page.cpp" line="67" />
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="29" />
        <location filename="../src/editor/sound_page.cpp" line="68" />
        <source>Outlook Express 4</source>
        <translation>Outlook Express 4</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="30" />
        <location filename="../src/editor/sound_page.cpp" line="68" />
        <source>No Sound</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="41" />
        <source>Sounds (*.mid *.midi *.wav *.mp3)</source>
        <translation>Sonidos (*.mid *.midi *.wav *.mp3)</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="41" />
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="44" />
        <source>Browse for a sound</source>
        <translation>Buscar un sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="67" />
        <source>Sound drive</source>
        <translation>Unidad del sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="67" />
        <source>Sound folder</source>
        <translation>Carpeta del sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="68" />
        <source>Sound files</source>
        <translation>Archivos de sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="69" />
        <source>Sound player</source>
        <translation>Reproductor de sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="152" />
        <source>Change Sound</source>
        <translation>Cambiar el sonido</translation>
    </message>
</context>
<context>
    <name>StationeryName</name>
    <message>
        <location filename="../src/editor/stationery_name.cpp" line="21" />
        <source>Stationery</source>
        <translation>Papel de carta</translation>
    </message>
</context>
<context>
    <name>TickerPage</name>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="13" />
        <source>Ticker 1</source>
        <translation>Texto deslizante 1</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="13" />
        <source>Ticker 2</source>
        <translation>Texto deslizante 2</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="14" />
        <source>Ticker 3</source>
        <translation>Texto deslizante 3</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="15" />
        <source>Ticker 1 text</source>
        <translation>Contenido del texto deslizante 1</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="15" />
        <source>Ticker 2 text</source>
        <translation>Contenido del texto deslizante 2</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="16" />
        <source>Ticker 3 text</source>
        <translation>Contenido del texto deslizante 3</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="20" />
        <source>Ticker #%1</source>
        <translation>Texto deslizante n.º %1</translation>
    </message>
</context>
<context>
    <name>WinmmAudioDevice</name>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="35" />
        <source>Device Not Avaible... Put a Disk in and Try again</source>
        <translation>Device Not Avaible... Put a Disk in and Try again</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="52" />
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="63" />
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="70" />
        <source>This file is not a sound.</source>
        <translation>Este archivo no es un sonido.</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="72" />
        <source>This file is not the %1 sound its name says it is.</source>
        <translation>Este archivo no es el sonido %1 que indica su nombre.</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="79" />
        <source>This sound cannot be played: %1</source>
        <translation>Este sonido no se puede reproducir: %1</translation>
    </message>
</context>
<context>
    <name>command_line</name>
    <message>
        <location filename="../src/app/command_line.cpp" line="53" />
        <source>Try "%1 --help" for the usage.</source>
        <translation>Pruebe «%1 --help» para ver el uso.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="97" />
        <source>Makes mail stationery. Without options it opens the editor, showing FILE when one is given.</source>
        <translation>Crea papel de carta para el correo. Sin opciones abre el editor, con FILE si se indica.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="104" />
        <source>Writes FILE's stationery to OUT without opening a window.</source>
        <translation>Escribe el papel de carta de FILE en OUT sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="109" />
        <source>With --export: classic, todays (for today's mail clients) or message (a message template). By default OUT's extension decides: .eml a message template, .htm or .html the classic file.</source>
        <translation>Con --export: classic, todays (para los programas de correo actuales) o message (una plantilla de mensaje). Por omisión decide la extensión de OUT: .eml una plantilla de mensaje, .htm o .html el archivo clásico.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="116" />
        <source>Puts FILE's message template into FOLDER of the account, without a window: imaps://USER@HOST[:PORT]/FOLDER, or imap:// for STARTTLS. No FOLDER: the drafts folder.</source>
        <translation>Guarda la plantilla de mensaje de FILE en la carpeta FOLDER de la cuenta, sin ventana: imaps://USER@HOST[:PORT]/FOLDER, o imap:// para STARTTLS. Sin FOLDER: la carpeta de borradores.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="123" />
        <source>With --upload: the password is the first line of standard input; the keyring is not asked.</source>
        <translation>Con --upload: la contraseña es la primera línea de la entrada estándar; no se consulta el llavero.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="128" />
        <source>With --upload: accepts a certificate the system does not trust when its SHA-256 fingerprint is this one.</source>
        <translation>Con --upload: acepta un certificado en el que el sistema no confía si su huella SHA-256 es esta.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="138" />
        <source>A stationery file.</source>
        <translation>Un archivo de papel de carta.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="155" />
        <location filename="../src/app/command_line.cpp" line="177" />
        <source>--%1 is given more than once.</source>
        <translation>--%1 aparece más de una vez.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="160" />
        <source>--upload and --export go separately.</source>
        <translation>--upload y --export van por separado.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="164" />
        <source>--upload takes one stationery FILE.</source>
        <translation>--upload toma un archivo de papel de carta FILE.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="169" />
        <source>--password-stdin and --trust-certificate go with --upload URL.</source>
        <translation>--password-stdin y --trust-certificate van con --upload URL.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="173" />
        <source>--form goes with --export OUT.</source>
        <translation>--form va con --export OUT.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="183" />
        <source>--export takes one stationery FILE.</source>
        <translation>--export toma un archivo de papel de carta FILE.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="188" />
        <source>No file is named "": %1 is empty.</source>
        <translation>Ningún archivo se llama «»: %1 está vacío.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="195" />
        <source>--form is classic, todays or message.</source>
        <translation>--form es classic, todays o message.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="197" />
        <source>"%1" ends in neither .eml, .htm nor .html; say which form with --form.</source>
        <translation>«%1» no termina en .eml, .htm ni .html; indique la forma con --form.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="87" />
        <source>"%1" is not an account: write imaps://USER@HOST[:PORT]/FOLDER.</source>
        <translation>«%1» no es una cuenta: escriba imaps://USER@HOST[:PORT]/FOLDER.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="90" />
        <source>A password never goes on the command line: the keyring or --password-stdin gives it.</source>
        <translation>Una contraseña nunca va en la línea de órdenes: la da el llavero o --password-stdin.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="109" />
        <source>--trust-certificate takes a SHA-256 fingerprint: 64 hexadecimal digits, colons optional.</source>
        <translation>--trust-certificate toma una huella SHA-256: 64 dígitos hexadecimales, con o sin dos puntos.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="144" />
        <source>No password for %1: save it from the window (File &gt; Put in Mail Account, "Remember in the system keyring"), or give it on standard input with --password-stdin.</source>
        <translation>No hay contraseña para %1: guárdela desde la ventana (Archivo &gt; Guardar en la cuenta de correo, «Recordar en el llavero del sistema») o dela por la entrada estándar con --password-stdin.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="154" />
        <source>Put in the folder "%1" of %2.</source>
        <translation>Guardado en la carpeta «%1» de %2.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="162" />
        <source> If it is your server's, give --trust-certificate %1.</source>
        <translation> Si es el de su servidor, indique --trust-certificate %1.</translation>
    </message>
</context>
<context>
    <name>mail_account</name>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="24" />
        <source>server name</source>
        <translation>nombre del servidor</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="26" />
        <source>user name</source>
        <translation>nombre de usuario</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="28" />
        <source>password</source>
        <translation>contraseña</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="29" />
        <source>folder name</source>
        <translation>nombre de la carpeta</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="37" />
        <source> The server said: "%1".</source>
        <translation> El servidor dijo: «%1».</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="38" />
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="41" />
        <source>%1 refused the user name or the password.</source>
        <translation>%1 rechazó el nombre de usuario o la contraseña.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="42" />
        <source> Gmail accepts only an app password here (made under Security in your Google account, with 2-Step Verification on). Outlook.com accounts need a sign-in method this program does not offer yet.</source>
        <translation> Gmail solo acepta aquí una contraseña de aplicación (creada en Seguridad de su cuenta de Google, con la verificación en dos pasos activada). Las cuentas de Outlook.com necesitan un método de inicio de sesión que este programa aún no ofrece.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="46" />
        <source>The server "%1" was not found: check its name and your connection.</source>
        <translation>No se encontró el servidor «%1»: revise su nombre y su conexión.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="49" />
        <source>%1 refused the connection on port %2: check the port and the security.</source>
        <translation>%1 rechazó la conexión en el puerto %2: revise el puerto y la seguridad.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="55" />
        <source>%1 said nothing on port %2. If this port expects SSL/TLS (as port 993 does), choose SSL/TLS.</source>
        <translation>%1 no respondió nada en el puerto %2. Si este puerto espera SSL/TLS (como el 993), elija SSL/TLS.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="60" />
        <source>%1 did not answer in time.</source>
        <translation>%1 no respondió a tiempo.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="62" />
        <source>Port %1 of %2 does not start with encryption: it expects STARTTLS. Choose STARTTLS, or port 993 with SSL/TLS.</source>
        <translation>El puerto %1 de %2 no empieza cifrado: espera STARTTLS. Elija STARTTLS, o el puerto 993 con SSL/TLS.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="68" />
        <source>%1's certificate is not one this computer trusts (SHA-256 fingerprint %2).</source>
        <translation>Este equipo no confía en el certificado de %1 (huella SHA-256 %2).</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="71" />
        <source>%1 sent a different certificate from the one you trusted: its SHA-256 fingerprint is %2. Nothing was sent. Unless your provider says the certificate changed, someone may be listening in.</source>
        <translation>%1 envió un certificado distinto del que usted aceptó: su huella SHA-256 es %2. No se envió nada. Si su proveedor no anunció un cambio de certificado, puede que alguien esté escuchando.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="76" />
        <source>%1 does not offer an encrypted connection on port %2, so nothing was sent, the password least of all.</source>
        <translation>%1 no ofrece una conexión cifrada en el puerto %2, así que no se envió nada, y menos la contraseña.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="81" />
        <source>The folder is not on %1.</source>
        <translation>La carpeta no está en %1.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="83" />
        <source>The folder could not be made on %1.</source>
        <translation>No se pudo crear la carpeta en %1.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="85" />
        <source>The account on %1 is full: delete some mail and try again.</source>
        <translation>La cuenta en %1 está llena: borre algunos correos y vuelva a intentarlo.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="87" />
        <source>The connection to %1 was lost before the message was whole, so the server kept none of it.</source>
        <translation>La conexión con %1 se perdió antes de que el mensaje estuviera completo, así que el servidor no guardó nada.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="92" />
        <source>Cancelled: the server kept nothing.</source>
        <translation>Cancelado: el servidor no guardó nada.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="94" />
        <source>An earlier copy of this stationery is in the folder "%1".</source>
        <translation>Hay una copia anterior de este papel de carta en la carpeta «%1».</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="100" />
        <source>The %1 holds a line break or another control character, which cannot be sent to a mail server: type it again. Nothing was sent.</source>
        <translation>El campo «%1» contiene un salto de línea u otro carácter de control, que no se puede enviar a un servidor de correo: escríbalo de nuevo. No se envió nada.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="104" />
        <source>The message could not be made, so the server kept nothing: %1</source>
        <translation>No se pudo crear el mensaje, así que el servidor no guardó nada: %1</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="108" />
        <source>The message could not be put on %1: %2</source>
        <translation>No se pudo guardar el mensaje en %1: %2</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="123" />
        <source>The connection to %1 was lost after the whole message was sent, before the server said whether it kept it. Look in the folder "%2" before you try again.</source>
        <translation>La conexión con %1 se perdió después de enviar el mensaje entero y antes de que el servidor dijera si lo guardó. Mire en la carpeta «%2» antes de volver a intentarlo.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="131" />
        <source>Too late to cancel: the stationery is already in the folder "%1".</source>
        <translation>Demasiado tarde para cancelar: el papel de carta ya está en la carpeta «%1».</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="134" />
        <source>The stationery is in the folder "%1", but the earlier copy could not be taken out: %2</source>
        <translation>El papel de carta está en la carpeta «%1», pero no se pudo quitar la copia anterior: %2</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="137" />
        <source>The stationery is in the folder "%1", but could not be marked as a draft: %2</source>
        <translation>El papel de carta está en la carpeta «%1», pero no se pudo marcar como borrador: %2</translation>
    </message>
</context>
<context>
    <name>platform::DesktopMailClient</name>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="55" />
        <source>%1 could not be started (%2): %3</source>
        <translation>No se pudo abrir %1 (%2): %3</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="69" />
        <source>it ended with status %1</source>
        <translation>terminó con el estado %1</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="72" />
        <source>it crashed</source>
        <translation>se bloqueó</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="74" />
        <source>%1 did not open the message: %2</source>
        <translation>%1 no abrió el mensaje: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="95" />
        <source>%1's desktop file (%2) has no command line that can be used</source>
        <translation>el archivo de escritorio de %1 (%2) no tiene una línea de órdenes utilizable</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="101" />
        <source>no application is set to open e-mail messages (message/rfc822) on this desktop</source>
        <translation>ninguna aplicación está configurada para abrir mensajes de correo (message/rfc822) en este escritorio</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="106" />
        <source>the desktop's mail program</source>
        <translation>el programa de correo del escritorio</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="109" />
        <source>the mail program</source>
        <translation>el programa de correo</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="111" />
        <source>the system has no program for e-mail messages (.eml)</source>
        <translation>el sistema no tiene ningún programa para mensajes de correo (.eml)</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client_windows.cpp" line="48" />
        <source>no program is set to open e-mail messages (.eml) on this computer</source>
        <translation>ningún programa está configurado para abrir mensajes de correo (.eml) en este equipo</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client_windows.cpp" line="65" />
        <source>%1 could not be started (%2)</source>
        <translation>No se pudo abrir %1 (%2)</translation>
    </message>
</context>
<context>
    <name>platform::DesktopUrlOpener</name>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="21" />
        <source>%1 could not be started: %2</source>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="33" />
        <source>the opener ended with status %1</source>
        <translation>el programa de apertura terminó con el estado %1</translation>
    </message>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="43" />
        <source>the system has no program for web pages</source>
        <translation>el sistema no tiene ningún programa para páginas web</translation>
    </message>
</context>
<context>
    <name>platform::FileBrowser</name>
    <message>
        <location filename="../src/platform/file_browser.cpp" line="30" />
        <source>Device Not Avaible... Put a Disk in and Try again</source>
        <translation>Device Not Avaible... Put a Disk in and Try again</translation>
    </message>
    <message>
        <location filename="../src/platform/file_browser.cpp" line="31" />
        <source>No Disk</source>
        <translation>Sin disco</translation>
    </message>
</context>
<context>
    <name>platform::LoadedAudioDevice</name>
    <message>
        <location filename="../src/platform/loaded_audio_device.cpp" line="28" />
        <source>The sound module could not be loaded (%1).</source>
        <translation>No se pudo cargar el módulo de sonido (%1).</translation>
    </message>
</context>
<context>
    <name>platform::MediaControl</name>
    <message>
        <location filename="../src/platform/media_control.cpp" line="26" />
        <location filename="../src/platform/media_control.cpp" line="82" />
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <location filename="../src/platform/media_control.cpp" line="27" />
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location filename="../src/platform/media_control.cpp" line="28" />
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
</TS>