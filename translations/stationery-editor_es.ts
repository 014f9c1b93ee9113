<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>Copyright © los autores de Stationery Editor</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="65"/>
        <source>Questions and fixes are welcome through the project&apos;s issue tracker.</source>
        <translation>Las preguntas y correcciones son bienvenidas en el gestor de incidencias del proyecto.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="115"/>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="116"/>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>AudioDevice</name>
    <message>
        <location filename="../src/platform/audio_device.cpp" line="8"/>
        <source>No audio device is available.</source>
        <translation>No hay ningún dispositivo de audio disponible.</translation>
    </message>
</context>
<context>
    <name>BrowserPreview</name>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="33"/>
        <source>Dear friend,</source>
        <translation>Querida amiga, querido amigo:</translation>
    </message>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="34"/>
        <source>Greetings from here. This is how your message looks to the people who get it: your picture, colours, font and margins behind what you write.</source>
        <translation>Saludos desde aquí. Así ven su mensaje quienes lo reciben: su imagen, sus colores, su tipo de letra y sus márgenes detrás de lo que escribe.</translation>
    </message>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="37"/>
        <source>Best wishes</source>
        <translation>Un abrazo</translation>
    </message>
</context>
<context>
    <name>ChangeColorOrFont</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="80"/>
        <source>Change Text Colour</source>
        <translation>Cambiar el color del texto</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="81"/>
        <source>Change Background Colour</source>
        <translation>Cambiar el color de fondo</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="82"/>
        <source>Change Font</source>
        <translation>Cambiar el tipo de letra</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="83"/>
        <source>Change Author</source>
        <translation>Cambiar el autor</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="84"/>
        <source>Change Title</source>
        <translation>Cambiar el título</translation>
    </message>
</context>
<context>
    <name>ChangeMargins</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="88"/>
        <source>Change Scroll Direction</source>
        <translation>Cambiar la dirección del desplazamiento</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="88"/>
        <source>Change Margin</source>
        <translation>Cambiar el margen</translation>
    </message>
</context>
<context>
    <name>ChangePicture</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="65"/>
        <source>Change Picture</source>
        <translation>Cambiar la imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="65"/>
        <source>Change Picture Size</source>
        <translation>Cambiar el tamaño de la imagen</translation>
    </message>
</context>
<context>
    <name>ChangeSound</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="69"/>
        <source>Change No Sound</source>
        <translation>Cambiar «Sin sonido»</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="70"/>
        <source>Change Sound Form</source>
        <translation>Cambiar la forma del sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="71"/>
        <source>Change Sound</source>
        <translation>Cambiar el sonido</translation>
    </message>
</context>
<context>
    <name>ChangeTickerText</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="75"/>
        <source>Change Ticker Text</source>
        <translation>Cambiar el texto deslizante</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="25"/>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="25"/>
        <source>Shown by</source>
        <translation>Lo muestra</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="26"/>
        <source>Elsewhere</source>
        <translation>En los demás</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="27"/>
        <source>Source (read on)</source>
        <translation>Fuente (leída el)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="32"/>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="48"/>
        <source>What today&apos;s mail clients do with the exports</source>
        <translation>Qué hacen los programas de correo actuales con las exportaciones</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="55"/>
        <source>Check</source>
        <translation>Revisar</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="61"/>
        <source>What recipients will meet</source>
        <translation>Lo que verán los destinatarios</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="64"/>
        <source>What today&apos;s mail clients do with the exports:</source>
        <translation>Qué hacen los programas de correo actuales con las exportaciones:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="76"/>
        <source>Nothing to worry about</source>
        <translation>Nada de qué preocuparse</translation>
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
        <translation>Consejo</translation>
    </message>
</context>
<context>
    <name>CheckWords</name>
    <message>
        <location filename="../src/platform/check_words.cpp" line="23"/>
        <source>Text on the background colour: %1; aim for %2.</source>
        <translation>Texto sobre el color de fondo: %1; procure llegar a %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="25"/>
        <source>Choose a text colour further from the background colour, darker on a light background or lighter on a dark one.</source>
        <translation>Elija un color de texto más alejado del color de fondo: más oscuro sobre un fondo claro o más claro sobre uno oscuro.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="28"/>
        <source>Text on the picture: %1; aim for %2.</source>
        <translation>Texto sobre la imagen: %1; procure llegar a %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="30"/>
        <source>Choose a darker or calmer picture, or a text colour that stands out from all of it.</source>
        <translation>Elija una imagen más oscura o más tranquila, o un color de texto que destaque sobre toda ella.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="32"/>
        <source>Choose a paler or calmer picture, or a text colour that stands out from all of it.</source>
        <translation>Elija una imagen más pálida o más tranquila, o un color de texto que destaque sobre toda ella.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="35"/>
        <source>The picture &quot;%1&quot; no longer exists.</source>
        <translation>La imagen «%1» ya no existe.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="36"/>
        <source>Choose the picture again on the Image tab.</source>
        <translation>Vuelva a elegir la imagen en la pestaña «Imagen».</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="38"/>
        <source>The sound &quot;%1&quot; no longer exists.</source>
        <translation>El sonido «%1» ya no existe.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="39"/>
        <source>Choose the sound again on the Sound tab, or tick &quot;No Sound&quot;.</source>
        <translation>Vuelva a elegir el sonido en la pestaña «Sonido» o marque «Sin sonido».</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="42"/>
        <source>Choose a smaller picture or sound, or save the picture smaller.</source>
        <translation>Elija una imagen o un sonido más pequeño, o guarde la imagen más pequeña.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="45"/>
        <source>Use File &gt; New Message in Mail Client, or Export&apos;s message template. The picture then travels inside the message.</source>
        <translation>Use Archivo &gt; Mensaje nuevo en el programa de correo, o la plantilla de mensaje de Exportar. Así la imagen viaja dentro del mensaje.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="48"/>
        <source>The picture scrolls by a script. Received mail never runs one, so recipients see it standing still.</source>
        <translation>La imagen se desplaza mediante un script. El correo recibido nunca ejecuta ninguno, así que los destinatarios la ven quieta.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="50"/>
        <source>The message template scrolls it by CSS instead, which %1 play.</source>
        <translation>La plantilla de mensaje la desplaza con CSS en su lugar, que %1 reproducen.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="53"/>
        <source>The ticker writes to a status bar by a script. No mail client of today runs one.</source>
        <translation>El texto deslizante escribe en una barra de estado mediante un script. Ningún programa de correo actual ejecuta ninguno.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="55"/>
        <source>Put anything recipients must read into the message itself.</source>
        <translation>Ponga todo lo que los destinatarios deban leer en el propio mensaje.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="57"/>
        <source>The background sound plays only in old mail clients. The message template leaves it out.</source>
        <translation>El sonido de fondo solo suena en programas de correo antiguos. La plantilla de mensaje lo omite.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="59"/>
        <source>Expect recipients not to hear it.</source>
        <translation>Cuente con que los destinatarios no lo oigan.</translation>
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
        <translation>La imagen «%1» y el sonido «%2» añaden %3 a cada mensaje enviado con este papel de carta.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="82"/>
        <source>The picture &quot;%1&quot; adds %2 to every message sent with this stationery.</source>
        <translation>La imagen «%1» añade %2 a cada mensaje enviado con este papel de carta.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="84"/>
        <source>The sound &quot;%1&quot; adds %2 to every message sent with this stationery.</source>
        <translation>El sonido «%1» añade %2 a cada mensaje enviado con este papel de carta.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="90"/>
        <source>The picture &quot;%1&quot; and the sound &quot;%2&quot; are named by their place on this computer. Recipients do not have them unless the mail client sends them along.</source>
        <translation>La imagen «%1» y el sonido «%2» se nombran por su ubicación en este equipo. Los destinatarios no los tienen salvo que el programa de correo los adjunte.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="95"/>
        <source>The picture &quot;%1&quot; is named by its place on this computer. Recipients do not have it unless the mail client sends it along.</source>
        <translation>La imagen «%1» se nombra por su ubicación en este equipo. Los destinatarios no la tienen salvo que el programa de correo la adjunte.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="98"/>
        <source>The sound &quot;%1&quot; is named by its place on this computer. Recipients do not have it unless the mail client sends it along.</source>
        <translation>El sonido «%1» se nombra por su ubicación en este equipo. Los destinatarios no lo tienen salvo que el programa de correo lo adjunte.</translation>
    </message>
</context>
<context>
    <name>ClientSupport</name>
    <message>
        <location filename="../src/stationery/client_support.h" line="23"/>
        <source>caniemail.com: CSS background-image, the body&apos;s background attribute, CSS animations, the audio and script elements</source>
        <translation>caniemail.com: CSS background-image, el atributo background de body, las animaciones CSS, los elementos audio y script</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="29"/>
        <source>The background picture</source>
        <translation>La imagen de fondo</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="30"/>
        <source>Apple Mail, Thunderbird, Gmail and Outlook on the web</source>
        <translation>Apple Mail, Thunderbird, Gmail y Outlook en la web</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="31"/>
        <source>Outlook for Windows shows it only from the body&apos;s background attribute, which the template writes</source>
        <translation>Outlook para Windows solo la muestra desde el atributo background de body, que la plantilla escribe</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="37"/>
        <source>A picture scrolled by CSS</source>
        <translation>Una imagen desplazada con CSS</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="38"/>
        <source>Apple Mail and Samsung Mail</source>
        <translation>Apple Mail y Samsung Mail</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="39"/>
        <source>it stands still elsewhere, and for readers who ask for reduced motion</source>
        <translation>en los demás queda quieta, y también para quien pide menos movimiento</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="43"/>
        <source>Scripts (the scrolling script, the ticker)</source>
        <translation>Scripts (el de desplazamiento, el texto deslizante)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="44"/>
        <source>no mail client of today runs them</source>
        <translation>ningún programa de correo actual los ejecuta</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="47"/>
        <source>A background sound</source>
        <translation>Un sonido de fondo</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="48"/>
        <source>no mail client of today plays one</source>
        <translation>ningún programa de correo actual lo reproduce</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="53"/>
        <source>A message template in a webmail</source>
        <translation>Una plantilla de mensaje en un webmail</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="54"/>
        <source>Roundcube 1.6, in its view and its editor</source>
        <translation>Roundcube 1.6, en su vista y su editor</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="59"/>
        <source>this program&apos;s webmail test: Roundcube 1.6.5 from Debian 12 with Chromium</source>
        <translation>la prueba de webmail de este programa: Roundcube 1.6.5 de Debian 12 con Chromium</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="63"/>
        <source>A message template handed to Evolution</source>
        <translation>Una plantilla de mensaje entregada a Evolution</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="69"/>
        <source>tried with this program&apos;s template under Debian 12</source>
        <translation>probado con la plantilla de este programa en Debian 12</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="72"/>
        <source>Thunderbird and Roundcube</source>
        <translation>Thunderbird y Roundcube</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="73"/>
        <source>Thunderbird takes a cid: name in CSS for remote content and shows its privacy bar; a picture over 128 KB is left off the wrapper</source>
        <translation>Thunderbird toma un nombre cid: en CSS por contenido remoto y muestra su barra de privacidad; una imagen de más de 128 KB queda fuera del envoltorio</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="79"/>
        <source>The look on a wrapper around the text as well as on the body</source>
        <translation>El aspecto en un envoltorio alrededor del texto además de en body</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="81"/>
        <source>Gmail, on the web and in its apps</source>
        <translation>Gmail, en la web y en sus aplicaciones</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="82"/>
        <source>replaces the body by a &lt;div&gt; with only the attributes it supports; the wrapper keeps the text colour, font and left margin there, and on today&apos;s page the picture and background colour</source>
        <translation>sustituye body por un &lt;div&gt; con solo los atributos que admite; el envoltorio conserva ahí el color del texto, la fuente y el margen izquierdo, y en la página actual la imagen y el color de fondo</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="87"/>
        <source>caniemail.com, the &lt;body&gt; element, as the doiuse-email package quotes it</source>
        <translation>caniemail.com, el elemento &lt;body&gt;, según lo cita el paquete doiuse-email</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="90"/>
        <source>A message template opened in Thunderbird</source>
        <translation>Una plantilla de mensaje abierta en Thunderbird</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="91"/>
        <source>Thunderbird 153 ESR</source>
        <translation>Thunderbird 153 ESR</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="92"/>
        <source>opens it as a new message with the caret inside the wrapper; what it sends carries the body&apos;s picture but drops the scrolling rule, so the picture stands still</source>
        <translation>la abre como mensaje nuevo con el cursor dentro del envoltorio; lo que envía lleva la imagen de body pero pierde la regla de desplazamiento, así que la imagen queda quieta</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="76"/>
        <location filename="../src/stationery/client_support.h" line="96"/>
        <source>tried with this program&apos;s template under Thunderbird 153.8 ESR</source>
        <translation>probado con la plantilla de este programa en Thunderbird 153.8 ESR</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="55"/>
        <source>drops the body&apos;s look and shows the wrapper&apos;s, picture and all, over the whole message; what it sends keeps the colour, font, margins and the picture, given in a style sheet, where it is not rewritten</source>
        <translation>descarta el aspecto de body y muestra el del envoltorio, imagen incluida, sobre todo el mensaje; lo que envía conserva el color, la fuente, los márgenes y la imagen, dada en una hoja de estilo, donde no la reescribe</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="64"/>
        <source>Evolution 3.46 opens no message file given to it (&quot;Cannot import any of the given URIs&quot;); a template in the account&apos;s Templates folder starts a new message there; its view shows 480 pixels of the picture, and its editor the whole stationery</source>
        <translation>Evolution 3.46 no abre ningún archivo de mensaje que se le pase («Cannot import any of the given URIs»); una plantilla en la carpeta «Plantillas» de la cuenta empieza allí un mensaje nuevo; su vista muestra 480 píxeles de la imagen, y su editor todo el papel de carta</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="71"/>
        <source>The wrapper&apos;s picture as a data: URL in a style sheet</source>
        <translation>La imagen del envoltorio como URL data: en una hoja de estilo</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="99"/>
        <source>The light colour scheme asked for (meta element)</source>
        <translation>El esquema de colores claro pedido (elemento meta)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="100"/>
        <source>Thunderbird and Apple Mail on macOS</source>
        <translation>Thunderbird y Apple Mail en macOS</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="101"/>
        <source>other clients ignore the meta element</source>
        <translation>los demás programas ignoran el elemento meta</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="102"/>
        <source>html-email-guide.vercel.app, Dark mode</source>
        <translation>html-email-guide.vercel.app, Dark mode</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="103"/>
        <source>The light colour scheme asked for (CSS color-scheme)</source>
        <translation>El esquema de colores claro pedido (CSS color-scheme)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="104"/>
        <source>Apple Mail, Samsung Mail and Thunderbird</source>
        <translation>Apple Mail, Samsung Mail y Thunderbird</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="105"/>
        <source>Gmail&apos;s apps for iOS and Android invert colours in dark mode whatever a message asks</source>
        <translation>las aplicaciones de Gmail para iOS y Android invierten los colores en modo oscuro, pida lo que pida el mensaje</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="108"/>
        <source>html-email-guide.vercel.app, Dark mode; mailviewr.com, Apple Mail dark mode preview</source>
        <translation>html-email-guide.vercel.app, Dark mode; mailviewr.com, Apple Mail dark mode preview</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="112"/>
        <source>Scrolling only for readers who accept motion</source>
        <translation>Desplazamiento solo para quien acepta movimiento</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="113"/>
        <source>clients that strip prefers-reduced-motion rules, Gmail among them, show the picture standing still, never moving for ever</source>
        <translation>los programas que quitan las reglas prefers-reduced-motion, Gmail entre ellos, muestran la imagen quieta, nunca moviéndose sin fin</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="117"/>
        <source>emailmarkup.org, Email clients are stripping out accessibility (2025)</source>
        <translation>emailmarkup.org, Email clients are stripping out accessibility (2025)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="120"/>
        <source>A generic family after every font</source>
        <translation>Una familia genérica tras cada fuente</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="121"/>
        <source>every client that shows HTML mail</source>
        <translation>todo programa que muestra correo HTML</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="122"/>
        <source>a reader without the font sees the nearest serif, sans-serif, monospace or cursive font instead of the client&apos;s default</source>
        <translation>quien no tiene la fuente ve la serif, sans-serif, monoespaciada o cursiva más cercana en lugar de la predeterminada del programa</translation>
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
        <translation>Color del texto</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="39"/>
        <source>Text colour</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="43"/>
        <source>BackGround Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="43"/>
        <source>Background colour</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="48"/>
        <source>Font</source>
        <translation>Tipo de letra</translation>
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
        <translation>Título</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="77"/>
        <source>Author, in the chosen colours and font</source>
        <translation>Autor, con los colores y el tipo de letra elegidos</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="79"/>
        <source>Title, in the chosen colours and font</source>
        <translation>Título, con los colores y el tipo de letra elegidos</translation>
    </message>
</context>
<context>
    <name>DesignPicker</name>
    <message>
        <location filename="../src/editor/design_picker.cpp" line="50"/>
        <source>The design&apos;s picture could not be written to &quot;%1&quot;: %2.</source>
        <translation>No se pudo escribir la imagen del diseño en «%1»: %2.</translation>
    </message>
    <message>
        <location filename="../src/editor/design_picker.cpp" line="53"/>
        <source>Design Not Applied</source>
        <translation>Diseño no aplicado</translation>
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
        <translation>Cielo azul</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="27"/>
        <source>Graph Paper</source>
        <translation>Papel cuadriculado</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="29"/>
        <source>Ruled Notebook</source>
        <translation>Cuaderno rayado</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="32"/>
        <source>Starry Night</source>
        <translation>Noche estrellada</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="34"/>
        <source>Autumn Leaves</source>
        <translation>Hojas de otoño</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="36"/>
        <source>Winter Snow</source>
        <translation>Nieve de invierno</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="38"/>
        <source>Spring Dots</source>
        <translation>Lunares de primavera</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="40"/>
        <source>Parchment</source>
        <translation>Pergamino</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="42"/>
        <source>Ocean Waves</source>
        <translation>Olas</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="44"/>
        <source>Rose Border</source>
        <translation>Borde de rosas</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="46"/>
        <source>Chalkboard</source>
        <translation>Pizarra</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="48"/>
        <source>Candy Stripes</source>
        <translation>Rayas de caramelo</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="111"/>
        <source>Dear friend, greetings from here.</source>
        <translation>Saludos desde aquí.</translation>
    </message>
</context>
<context>
    <name>DesignsWindow</name>
    <message>
        <location filename="../src/dialogs/designs_window.cpp" line="11"/>
        <location filename="../src/dialogs/designs_window.cpp" line="14"/>
        <source>Designs</source>
        <translation>Diseños</translation>
    </message>
</context>
<context>
    <name>DroppedFiles</name>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="77"/>
        <source>&quot;%1&quot; is neither a picture, a sound nor a stationery file, so it was not used.</source>
        <translation>«%1» no es una imagen, ni un sonido, ni un papel de carta, así que no se usó.</translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="80"/>
        <source>&quot;%1&quot; is no longer there, so it was not used.</source>
        <translation>«%1» ya no existe, así que no se usó.</translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="83"/>
        <source>&quot;%1&quot; is not a file but a folder, a pipe or a device, so it was not used.</source>
        <translation>«%1» no es un archivo sino una carpeta, una tubería o un dispositivo, así que no se usó.</translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="87"/>
        <source>&quot;%1&quot; could not be read (%2), so it was not used.</source>
        <translation>No se pudo leer «%1» (%2), así que no se usó.</translation>
    </message>
</context>
<context>
    <name>ErrorWords</name>
    <message>
        <location filename="../src/platform/error_words.cpp" line="21"/>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation>No se pudo guardar «%1»: %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="28"/>
        <source>Could not open &quot;%1&quot;: %2.</source>
        <translation>No se pudo abrir «%1»: %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="35"/>
        <source>Could not export &quot;%1&quot;: %2.</source>
        <translation>No se pudo exportar «%1»: %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="49"/>
        <location filename="../src/platform/error_words.cpp" line="127"/>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="51"/>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="53"/>
        <source>it is larger than 16 MB, and a stationery file is about 5 KB</source>
        <translation>ocupa más de 16 MB, y un papel de carta ocupa unos 5 KB</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="55"/>
        <source>it holds bytes that are not text</source>
        <translation>contiene bytes que no son texto</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="58"/>
        <source>it is %1, not a stationery, a page for today&apos;s mail clients or a message template made by this program</source>
        <translation>es %1, no un papel de carta, ni una página para los programas de correo actuales, ni una plantilla de mensaje hecha con este programa</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="63"/>
        <source>its font size &quot;%1&quot; is not a number</source>
        <translation>su tamaño de letra «%1» no es un número</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="65"/>
        <source>its margin &quot;%1&quot; is not a number of pixels</source>
        <translation>su margen «%1» no es un número de píxeles</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="67"/>
        <source>its picture size &quot;%1&quot; is not a number of pixels</source>
        <translation>su tamaño de imagen «%1» no es un número de píxeles</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="70"/>
        <source>its picture could not be written to the program&apos;s pictures folder (%1)</source>
        <translation>no se pudo escribir su imagen en la carpeta de imágenes del programa (%1)</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="73"/>
        <source>it is a message template made by this program, but cut off before its end</source>
        <translation>es una plantilla de mensaje hecha con este programa, pero cortada antes del final</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="76"/>
        <source>it is not a stationery file made by this program</source>
        <translation>no es un papel de carta hecho con este programa</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="80"/>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="91"/>
        <source>the picture &quot;%1&quot; could not be copied: it does not exist or is no file</source>
        <translation>no se pudo copiar la imagen «%1»: no existe o no es un archivo</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="94"/>
        <source>the sound &quot;%1&quot; could not be copied: it does not exist or is no file</source>
        <translation>no se pudo copiar el sonido «%1»: no existe o no es un archivo</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="97"/>
        <source>the picture &quot;%1&quot; would be written over by the export</source>
        <translation>la exportación sobrescribiría la imagen «%1»</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="99"/>
        <source>the sound &quot;%1&quot; would be written over by the export</source>
        <translation>la exportación sobrescribiría el sonido «%1»</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="114"/>
        <source>the sound &quot;%1&quot; is not a MIDI, WAV or MP3 sound%2, so it is not carried</source>
        <translation>el sonido «%1» no es un sonido MIDI, WAV ni MP3%2, así que no se incluye</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="117"/>
        <source>the picture &quot;%1&quot; is in a hidden or system folder, and such a file is carried only when you agree</source>
        <translation>la imagen «%1» está en una carpeta oculta o del sistema; un archivo así solo se incluye si usted lo acepta</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="121"/>
        <source>the sound &quot;%1&quot; is in a hidden or system folder, and such a file is carried only when you agree</source>
        <translation>el sonido «%1» está en una carpeta oculta o del sistema; un archivo así solo se incluye si usted lo acepta</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="125"/>
        <source>that is the stationery being exported, which would be written over</source>
        <translation>es el papel de carta que se está exportando, y se sobrescribiría</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="129"/>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>la carpeta «%1» no existe</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="101"/>
        <source>the picture &quot;%1&quot; could not be copied: %2</source>
        <translation>no se pudo copiar la imagen «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="12"/>
        <source>a picture</source>
        <translation>una imagen</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="12"/>
        <source>a sound</source>
        <translation>un sonido</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="13"/>
        <source>an e-mail message not made by this program</source>
        <translation>un mensaje de correo que no se hizo con este programa</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="14"/>
        <source>a web page not made by this program</source>
        <translation>una página web que no se hizo con este programa</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="103"/>
        <source>the sound &quot;%1&quot; could not be copied: %2</source>
        <translation>no se pudo copiar el sonido «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="107"/>
        <source>the picture &quot;%1&quot; could not be read: it changed while it was read</source>
        <translation>no se pudo leer la imagen «%1»: cambió mientras se leía</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="110"/>
        <source>the picture &quot;%1&quot; is not a JPEG, GIF, PNG or BMP picture%2, so it is not carried</source>
        <translation>la imagen «%1» no es una imagen JPEG, GIF, PNG ni BMP%2, así que no se incluye</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="131"/>
        <source>the picture &quot;%1&quot; could not be read: %2</source>
        <translation>no se pudo leer la imagen «%1»: %2</translation>
    </message>
</context>
<context>
    <name>ExportForm</name>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="54"/>
        <source>Exported to %1. Open it with your mail client for a new message on this stationery, or use File &gt; New Message in Mail Client.</source>
        <translation>Exportado a %1. Ábralo con su programa de correo para un mensaje nuevo con este papel de carta, o use Archivo &gt; Mensaje nuevo en el programa de correo.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="57"/>
        <source>Exported to %1 with its picture beside it. Choose it as stationery in your mail client, or open it in a browser.</source>
        <translation>Exportado a %1, con la imagen al lado. Elíjalo como papel de carta en su programa de correo o ábralo en un navegador.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="60"/>
        <source>Exported to %1 with its picture and sound beside it, for mail clients that still run stationery scripts.</source>
        <translation>Exportado a %1, con la imagen y el sonido al lado, para los programas de correo que aún ejecutan los scripts del papel de carta.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="63"/>
        <source>Message template, opens as a new message in Thunderbird, Outlook, Apple Mail</source>
        <translation>Plantilla de mensaje, se abre como mensaje nuevo en Thunderbird, Outlook, Apple Mail</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="66"/>
        <source>Web page for today&apos;s mail clients, with its picture beside it</source>
        <translation>Página web para los programas de correo actuales, con la imagen al lado</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="68"/>
        <source>Classic stationery with script, ticker and sound, for old mail clients</source>
        <translation>Papel de carta clásico con script, texto deslizante y sonido, para programas de correo antiguos</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="94"/>
        <source>Not Opened</source>
        <translation>No abierto</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="101"/>
        <source>&quot;%1&quot; was made for today&apos;s mail clients, which carry no sound and no ticker: the Sound and Ticker tabs stay empty. Everything else is as it was.</source>
        <translation>«%1» se hizo para los programas de correo actuales, que no llevan sonido ni texto deslizante: las pestañas Sonido y Texto deslizante quedan vacías. Todo lo demás está como estaba.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="104"/>
        <source>Opened</source>
        <translation>Abierto</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="121"/>
        <source>&quot;%1&quot; names files in hidden or system folders, where private files are kept:
%2

Export asks before it copies any of them.</source>
        <translation>«%1» nombra archivos de carpetas ocultas o del sistema, donde se guardan archivos privados:
%2

La exportación pregunta antes de copiar cualquiera de ellos.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="124"/>
        <source>Private Files Named</source>
        <translation>Archivos privados nombrados</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="128"/>
        <source>&quot;%1&quot; is open, but not everything it names can be used.</source>
        <translation>«%1» está abierto, pero no todo lo que nombra se puede usar.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="131"/>
        <source>These files can&apos;t be found:
%1</source>
        <translation>No se encuentran estos archivos:
%1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="133"/>
        <source>This file is there but cannot be read as a picture:
%1</source>
        <translation>Este archivo existe, pero no se puede leer como imagen:
%1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="135"/>
        <source>The paths are kept, so saving writes them as they were.</source>
        <translation>Las rutas se conservan, así que al guardar se escriben tal como estaban.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="137"/>
        <source>These are in hidden or system folders, where private files are kept; Export asks before it copies them:
%1</source>
        <translation>Estos están en carpetas ocultas o del sistema, donde se guardan archivos privados; la exportación pregunta antes de copiarlos:
%1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="141"/>
        <source>Picture Not Shown</source>
        <translation>Imagen no mostrada</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="142"/>
        <source>Files Missing</source>
        <translation>Faltan archivos</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="153"/>
        <source>Not Saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="160"/>
        <source>the new stationery</source>
        <translation>el papel de carta nuevo</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="162"/>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="163"/>
        <source>Unsaved Changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="178"/>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="213"/>
        <source>The stationery names a file in a hidden or system folder, where private files are kept:
%1

The export would copy it where others can read it. Copy it anyway?</source>
        <translation>El papel de carta nombra un archivo de una carpeta oculta o del sistema, donde se guardan archivos privados:
%1

La exportación lo copiaría donde otros pueden leerlo. ¿Copiarlo de todos modos?</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="217"/>
        <source>Private File</source>
        <translation>Archivo privado</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="193"/>
        <location filename="../src/editor/file_commands.cpp" line="202"/>
        <source>Not Exported</source>
        <translation>No exportado</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="33"/>
        <source>Stationery Files</source>
        <translation>Archivos de papel de carta</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="83"/>
        <source>Stationery and message templates</source>
        <translation>Papeles de carta y plantillas de mensaje</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="85"/>
        <source>Stationery and pages for today&apos;s mail clients</source>
        <translation>Papeles de carta y páginas para los programas de correo actuales</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="87"/>
        <source>Message templates</source>
        <translation>Plantillas de mensaje</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="231"/>
        <source>No web browser could be started to show the preview (%1). Nothing was saved; File &gt; Save writes the stationery as usual.</source>
        <translation>No se pudo abrir ningún navegador para la vista previa (%1). No se guardó nada; Archivo &gt; Guardar escribe el papel de carta como siempre.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="234"/>
        <source>The preview could not be written: %1</source>
        <translation>No se pudo escribir la vista previa: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="235"/>
        <source>No Browser</source>
        <translation>Sin navegador</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="235"/>
        <source>No Preview</source>
        <translation>Sin vista previa</translation>
    </message>
</context>
<context>
    <name>ImagePage</name>
    <message>
        <location filename="../src/editor/image_page.cpp" line="32"/>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="41"/>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.webp *.avif)</source>
        <translation>Imágenes (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.webp *.avif)</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="42"/>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="45"/>
        <source>Browse for a picture</source>
        <translation>Buscar una imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="57"/>
        <source>Click to see the picture at its own size</source>
        <translation>Haga clic para ver la imagen a su tamaño real</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Picture drive</source>
        <translation>Unidad de la imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Picture folder</source>
        <translation>Carpeta de la imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="68"/>
        <source>Picture files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="68"/>
        <source>Picture preview</source>
        <translation>Vista previa de la imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="140"/>
        <source>Picture Too Large</source>
        <translation>Imagen demasiado grande</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="144"/>
        <source>This is a %1 picture, a kind phones and cameras make that this program cannot read yet. Save it as JPEG or PNG (most photo programs do this under Export or Save As), then choose that file.</source>
        <translation>Es una imagen %1, un formato de teléfonos y cámaras que este programa aún no sabe leer. Guárdela como JPEG o PNG (la mayoría de los programas de fotos lo hacen en Exportar o Guardar como) y elija ese archivo.</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="148"/>
        <source>Picture Kind Not Read</source>
        <translation>Formato de imagen no legible</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="222"/>
        <source>Invalid Picture Type</source>
        <translation>Tipo de imagen no válido</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="223"/>
        <source>Corrupt Picture</source>
        <translation>Imagen dañada</translation>
    </message>
</context>
<context>
    <name>LoadedMailService</name>
    <message>
        <location filename="../src/mail_account/loaded_mail_service.cpp" line="64"/>
        <source>the mail module could not be loaded (%1)</source>
        <translation>no se pudo cargar el módulo de correo (%1)</translation>
    </message>
    <message>
        <location filename="../src/mail_account/loaded_mail_service.cpp" line="77"/>
        <source>the keyring&apos;s module could not be loaded (%1)</source>
        <translation>no se pudo cargar el módulo del llavero (%1)</translation>
    </message>
</context>
<context>
    <name>MailAccountCommand</name>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="38"/>
        <source>The stationery is still being put in the mail account. Quitting now cancels it. Quit anyway?</source>
        <translation>El papel de carta aún se está guardando en la cuenta de correo. Salir ahora lo cancela. ¿Salir de todos modos?</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="40"/>
        <location filename="../src/editor/mail_account_command.cpp" line="182"/>
        <source>Put in Mail Account</source>
        <translation>Guardar en la cuenta de correo</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="70"/>
        <source>Fill in the server and the user name.</source>
        <translation>Indique el servidor y el nombre de usuario.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="75"/>
        <source>Type the password.</source>
        <translation>Escriba la contraseña.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="102"/>
        <source>Putting the stationery in %1…</source>
        <translation>Guardando el papel de carta en %1…</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="148"/>
        <source>Put in the folder &quot;%1&quot; of %2.</source>
        <translation>Guardado en la carpeta «%1» de %2.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="152"/>
        <source> The earlier copy was taken out.</source>
        <translation> Se quitó la copia anterior.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="154"/>
        <source> The password was not remembered: %1</source>
        <translation> No se recordó la contraseña: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="164"/>
        <source>%1&apos;s certificate is not one this computer trusts. Its SHA-256 fingerprint is:

%2

Compare it with the one your mail provider or administrator gives. Trust this certificate for %1 from now on?</source>
        <translation>Este equipo no confía en el certificado de %1. Su huella SHA-256 es:

%2

Compárela con la que le da su proveedor de correo o su administrador. ¿Confiar en este certificado para %1 a partir de ahora?</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="168"/>
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
        <location filename="../src/editor/mail_account_command.cpp" line="173"/>
        <source>Certificate</source>
        <translation>Certificado</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="179"/>
        <source>An earlier copy of this stationery is in the folder &quot;%1&quot;. Replace it with this one? (No puts this one beside it.)</source>
        <translation>Hay una copia anterior de este papel de carta en la carpeta «%1». ¿Reemplazarla por esta? (No la pone al lado.)</translation>
    </message>
</context>
<context>
    <name>MailAccountDialog</name>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="22"/>
        <source>Remember in the system keyring</source>
        <translation>Recordar en el llavero del sistema</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="26"/>
        <source>Put in Mail Account</source>
        <translation>Guardar en la cuenta de correo</translation>
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
        <translation>Plantillas</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="39"/>
        <source>Drafts</source>
        <translation>Borradores</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="55"/>
        <source>&amp;Server:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="56"/>
        <source>&amp;Port:</source>
        <translation>&amp;Puerto:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="57"/>
        <source>S&amp;ecurity:</source>
        <translation>S&amp;eguridad:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="58"/>
        <source>&amp;User name:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="59"/>
        <source>Pass&amp;word:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="61"/>
        <source>&amp;Folder:</source>
        <translation>Ca&amp;rpeta:</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="63"/>
        <source>Put in Account</source>
        <translation>Guardar en la cuenta</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="90"/>
        <source>A mail client deletes a draft once it is sent: the stationery is then gone from Drafts.</source>
        <translation>Un programa de correo borra un borrador cuando se envía: entonces el papel de carta desaparece de Borradores.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="92"/>
        <source>Start a new message from the template in your mail client; the template stays for the next one.</source>
        <translation>Empiece un mensaje nuevo desde la plantilla en su programa de correo; la plantilla queda para el siguiente.</translation>
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
        <translation>Partes del papel de carta</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="105"/>
        <source>Put in &amp;Outlook Stationery</source>
        <translation>Guardar en los papeles de carta de &amp;Outlook</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="155"/>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="159"/>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="164"/>
        <source>Ticker</source>
        <translation>Texto deslizante</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="168"/>
        <source>Color-Font</source>
        <translation>Color-Letra</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="172"/>
        <source>Margins</source>
        <translation>Márgenes</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="224"/>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="98"/>
        <source>New &amp;Message in Mail Client</source>
        <translation>&amp;Mensaje nuevo en el programa de correo</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="100"/>
        <source>P&amp;ut in Mail Account...</source>
        <translation>Guardar en la &amp;cuenta de correo…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="229"/>
        <source>Items</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="230"/>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="134"/>
        <source>File Not Used</source>
        <translation>Archivo no usado</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="28"/>
        <source>New from &amp;Design...</source>
        <translation>Nuevo desde un &amp;diseño…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="33"/>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="38"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="42"/>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="47"/>
        <source>&amp;Preview in Browser</source>
        <translation>&amp;Vista previa en el navegador</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="52"/>
        <source>&amp;Check...</source>
        <translation>&amp;Revisar…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="56"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="83"/>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="86"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="90"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
</context>
<context>
    <name>MarginsPage</name>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="41"/>
        <source>Image Width</source>
        <translation>Ancho de la imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="41"/>
        <source>Image width in pixels</source>
        <translation>Ancho de la imagen en píxeles</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="43"/>
        <source>Image Height</source>
        <translation>Alto de la imagen</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="43"/>
        <source>Image height in pixels</source>
        <translation>Alto de la imagen en píxeles</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="45"/>
        <source>Text Top Margin</source>
        <translation>Margen superior del texto</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="45"/>
        <source>Text top margin in pixels</source>
        <translation>Margen superior del texto en píxeles</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="47"/>
        <source>Text Left Margin</source>
        <translation>Margen izquierdo del texto</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="48"/>
        <source>Text left margin in pixels</source>
        <translation>Margen izquierdo del texto en píxeles</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="77"/>
        <source>Scroll direction</source>
        <translation>Dirección del desplazamiento</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="91"/>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="91"/>
        <source>Scroll up</source>
        <translation>Desplazar hacia arriba</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="93"/>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="93"/>
        <source>Scroll left</source>
        <translation>Desplazar hacia la izquierda</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="95"/>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="95"/>
        <source>Scroll down</source>
        <translation>Desplazar hacia abajo</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="97"/>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="97"/>
        <source>Scroll right</source>
        <translation>Desplazar hacia la derecha</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="99"/>
        <source>No Scroll</source>
        <translation>Sin desplazamiento</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="99"/>
        <source>No scroll</source>
        <translation>Sin desplazamiento</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="157"/>
        <source>Change Scroll Direction</source>
        <translation>Cambiar la dirección del desplazamiento</translation>
    </message>
</context>
<context>
    <name>NewFromDesign</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="94"/>
        <source>New from Design</source>
        <translation>Nuevo desde un diseño</translation>
    </message>
</context>
<context>
    <name>NewMessageCommand</name>
    <message>
        <location filename="../src/editor/new_message.cpp" line="36"/>
        <source>The message could not be written: the folder %1 could not be made.</source>
        <translation>No se pudo escribir el mensaje: no se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="37"/>
        <source>No New Message</source>
        <translation>Ningún mensaje nuevo</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="44"/>
        <source>Starting the mail client…</source>
        <translation>Abriendo el programa de correo…</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="51"/>
        <source>The stationery is open as a new message in %1: address it and send it.</source>
        <translation>El papel de carta está abierto como mensaje nuevo en %1: póngale destinatario y envíelo.</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="62"/>
        <source>No mail client opened the message: %1.

Save the message template somewhere else, to open it from your mail client or attach it yourself?</source>
        <translation>Ningún programa de correo abrió el mensaje: %1.

¿Guardar la plantilla de mensaje en otro lugar, para abrirla desde su programa de correo o adjuntarla usted?</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="65"/>
        <source>No Mail Client</source>
        <translation>Sin programa de correo</translation>
    </message>
</context>
<context>
    <name>OpenStationery</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="91"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>OutlookStationeryCommand</name>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="22"/>
        <source>Outlook&apos;s stationery folder &quot;%1&quot; could not be made.</source>
        <translation>No se pudo crear la carpeta de papeles de carta de Outlook «%1».</translation>
    </message>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="24"/>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="37"/>
        <source>Not Exported</source>
        <translation>No exportado</translation>
    </message>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="43"/>
        <source>Put into Outlook&apos;s personal stationery as &quot;%1&quot;. Outlook offers it under File &gt; Options &gt; Mail &gt; Stationery and Fonts &gt; Personal Stationery.</source>
        <translation>Guardado en los papeles de carta personales de Outlook como «%1». Outlook lo ofrece en Archivo &gt; Opciones &gt; Correo &gt; Diseño de fondo y fuentes &gt; Diseño de fondo personal.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <location filename="../src/platform/picture_loader.cpp" line="76"/>
        <source>This picture is %1 × %2 pixels, too large to show.</source>
        <translation>Esta imagen mide %1 × %2 píxeles, demasiado grande para mostrarla.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/editor/browse_button.cpp" line="15"/>
        <source>Browse...</source>
        <translation>Examinar…</translation>
    </message>
</context>
<context>
    <name>SdlAudioDevice</name>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="34"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="42"/>
        <source>No audio device is available (%1).</source>
        <translation>No hay ningún dispositivo de audio disponible (%1).</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="79"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="102"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="106"/>
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="88"/>
        <source>This file is not the %1 sound its name says it is.</source>
        <translation>Este archivo no es el sonido %1 que indica su nombre.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="91"/>
        <source>MIDI files need a General MIDI soundfont, and none is installed.</source>
        <translation>Los archivos MIDI necesitan una fuente de sonido General MIDI, y no hay ninguna instalada.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="97"/>
        <source>This MP3 file&apos;s tag is damaged, so it cannot be played.</source>
        <translation>La etiqueta de este archivo MP3 está dañada, así que no se puede reproducir.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="113"/>
        <source>This sound cannot be played: %1.</source>
        <translation>Este sonido no se puede reproducir: %1.</translation>
    </message>
</context>
<context>
    <name>SoundContent</name>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="15"/>
        <source>This WAV file&apos;s format cannot be played.</source>
        <translation>El formato de este archivo WAV no se puede reproducir.</translation>
    </message>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="46"/>
        <source>This file is not a MIDI, WAV or MP3 sound.</source>
        <translation>Este archivo no es un sonido MIDI, WAV ni MP3.</translation>
    </message>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="53"/>
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="26"/>
        <location filename="../src/editor/sound_page.cpp" line="67"/>
        <source>Sounds</source>
        <translation>Sonidos</translation>
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
        <translation>Sin sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="41"/>
        <source>Sounds (*.mid *.midi *.wav *.mp3)</source>
        <translation>Sonidos (*.mid *.midi *.wav *.mp3)</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="41"/>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="44"/>
        <source>Browse for a sound</source>
        <translation>Buscar un sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="67"/>
        <source>Sound drive</source>
        <translation>Unidad del sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="67"/>
        <source>Sound folder</source>
        <translation>Carpeta del sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="68"/>
        <source>Sound files</source>
        <translation>Archivos de sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="69"/>
        <source>Sound player</source>
        <translation>Reproductor de sonido</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="152"/>
        <source>Change Sound</source>
        <translation>Cambiar el sonido</translation>
    </message>
</context>
<context>
    <name>StationeryName</name>
    <message>
        <location filename="../src/editor/stationery_name.cpp" line="21"/>
        <source>Stationery</source>
        <translation>Papel de carta</translation>
    </message>
</context>
<context>
    <name>TickerPage</name>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="13"/>
        <source>Ticker 1</source>
        <translation>Texto deslizante 1</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="13"/>
        <source>Ticker 2</source>
        <translation>Texto deslizante 2</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="14"/>
        <source>Ticker 3</source>
        <translation>Texto deslizante 3</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="15"/>
        <source>Ticker 1 text</source>
        <translation>Contenido del texto deslizante 1</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="15"/>
        <source>Ticker 2 text</source>
        <translation>Contenido del texto deslizante 2</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="16"/>
        <source>Ticker 3 text</source>
        <translation>Contenido del texto deslizante 3</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="20"/>
        <source>Ticker #%1</source>
        <translation>Texto deslizante n.º %1</translation>
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
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="70"/>
        <source>This file is not a sound.</source>
        <translation>Este archivo no es un sonido.</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="72"/>
        <source>This file is not the %1 sound its name says it is.</source>
        <translation>Este archivo no es el sonido %1 que indica su nombre.</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="79"/>
        <source>This sound cannot be played: %1</source>
        <translation>Este sonido no se puede reproducir: %1</translation>
    </message>
</context>
<context>
    <name>command_line</name>
    <message>
        <location filename="../src/app/command_line.cpp" line="54"/>
        <source>Try &quot;%1 --help&quot; for the usage.</source>
        <translation>Pruebe «%1 --help» para ver el uso.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="110"/>
        <source>Makes mail stationery. Without options it opens the editor, showing FILE when one is given.</source>
        <translation>Crea papel de carta para el correo. Sin opciones abre el editor, con FILE si se indica.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="117"/>
        <source>Writes FILE&apos;s stationery to OUT without opening a window.</source>
        <translation>Escribe el papel de carta de FILE en OUT sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="122"/>
        <source>With --export: classic, todays (for today&apos;s mail clients) or message (a message template). By default OUT&apos;s extension decides: .eml a message template, .htm or .html the classic file.</source>
        <translation>Con --export: classic, todays (para los programas de correo actuales) o message (una plantilla de mensaje). Por omisión decide la extensión de OUT: .eml una plantilla de mensaje, .htm o .html el archivo clásico.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="129"/>
        <source>Puts FILE&apos;s message template into FOLDER of the account, without a window: imaps://USER@HOST[:PORT]/FOLDER, or imap:// for STARTTLS. No FOLDER: the drafts folder.</source>
        <translation>Guarda la plantilla de mensaje de FILE en la carpeta FOLDER de la cuenta, sin ventana: imaps://USER@HOST[:PORT]/FOLDER, o imap:// para STARTTLS. Sin FOLDER: la carpeta de borradores.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="136"/>
        <source>With --upload: the password is the first line of standard input; the keyring is not asked.</source>
        <translation>Con --upload: la contraseña es la primera línea de la entrada estándar; no se consulta el llavero.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="141"/>
        <source>With --upload: accepts a certificate the system does not trust when its SHA-256 fingerprint is this one.</source>
        <translation>Con --upload: acepta un certificado en el que el sistema no confía si su huella SHA-256 es esta.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="151"/>
        <source>A stationery file.</source>
        <translation>Un archivo de papel de carta.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="168"/>
        <location filename="../src/app/command_line.cpp" line="190"/>
        <source>--%1 is given more than once.</source>
        <translation>--%1 aparece más de una vez.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="173"/>
        <source>--upload and --export go separately.</source>
        <translation>--upload y --export van por separado.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="177"/>
        <source>--upload takes one stationery FILE.</source>
        <translation>--upload toma un archivo de papel de carta FILE.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="182"/>
        <source>--password-stdin and --trust-certificate go with --upload URL.</source>
        <translation>--password-stdin y --trust-certificate van con --upload URL.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="186"/>
        <source>--form goes with --export OUT.</source>
        <translation>--form va con --export OUT.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="196"/>
        <source>--export takes one stationery FILE.</source>
        <translation>--export toma un archivo de papel de carta FILE.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="201"/>
        <source>No file is named &quot;&quot;: %1 is empty.</source>
        <translation>Ningún archivo se llama «»: %1 está vacío.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="208"/>
        <source>--form is classic, todays or message.</source>
        <translation>--form es classic, todays o message.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="210"/>
        <source>&quot;%1&quot; ends in neither .eml, .htm nor .html; say which form with --form.</source>
        <translation>«%1» no termina en .eml, .htm ni .html; indique la forma con --form.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="88"/>
        <source>&quot;%1&quot; is not an account: write imaps://USER@HOST[:PORT]/FOLDER.</source>
        <translation>«%1» no es una cuenta: escriba imaps://USER@HOST[:PORT]/FOLDER.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="91"/>
        <source>A password never goes on the command line: the keyring or --password-stdin gives it.</source>
        <translation>Una contraseña nunca va en la línea de órdenes: la da el llavero o --password-stdin.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="110"/>
        <source>--trust-certificate takes a SHA-256 fingerprint: 64 hexadecimal digits, colons optional.</source>
        <translation>--trust-certificate toma una huella SHA-256: 64 dígitos hexadecimales, con o sin dos puntos.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="154"/>
        <source>The keyring could not be asked for the password of %1: its module could not be loaded (%2). Give the password on standard input with --password-stdin.</source>
        <translation>No se pudo pedir al llavero la contraseña de %1: su módulo no se pudo cargar (%2). Dé la contraseña por la entrada estándar con --password-stdin.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="159"/>
        <source>No password for %1: save it from the window (File &gt; Put in Mail Account, &quot;Remember in the system keyring&quot;), or give it on standard input with --password-stdin.</source>
        <translation>No hay contraseña para %1: guárdela desde la ventana (Archivo &gt; Guardar en la cuenta de correo, «Recordar en el llavero del sistema») o dela por la entrada estándar con --password-stdin.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="169"/>
        <source>Put in the folder &quot;%1&quot; of %2.</source>
        <translation>Guardado en la carpeta «%1» de %2.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="177"/>
        <source> If it is your server&apos;s, give --trust-certificate %1.</source>
        <translation> Si es el de su servidor, indique --trust-certificate %1.</translation>
    </message>
</context>
<context>
    <name>mail_account</name>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="24"/>
        <source>server name</source>
        <translation>nombre del servidor</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="26"/>
        <source>user name</source>
        <translation>nombre de usuario</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="28"/>
        <source>password</source>
        <translation>contraseña</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="29"/>
        <source>folder name</source>
        <translation>nombre de la carpeta</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="37"/>
        <source> The server said: &quot;%1&quot;.</source>
        <translation> El servidor dijo: «%1».</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="38"/>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="41"/>
        <source>%1 refused the user name or the password.</source>
        <translation>%1 rechazó el nombre de usuario o la contraseña.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="42"/>
        <source> Gmail accepts only an app password here (made under Security in your Google account, with 2-Step Verification on). Outlook.com accounts need a sign-in method this program does not offer yet.</source>
        <translation> Gmail solo acepta aquí una contraseña de aplicación (creada en Seguridad de su cuenta de Google, con la verificación en dos pasos activada). Las cuentas de Outlook.com necesitan un método de inicio de sesión que este programa aún no ofrece.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="46"/>
        <source>The server &quot;%1&quot; was not found: check its name and your connection.</source>
        <translation>No se encontró el servidor «%1»: revise su nombre y su conexión.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="49"/>
        <source>%1 refused the connection on port %2: check the port and the security.</source>
        <translation>%1 rechazó la conexión en el puerto %2: revise el puerto y la seguridad.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="55"/>
        <source>%1 said nothing on port %2. If this port expects SSL/TLS (as port 993 does), choose SSL/TLS.</source>
        <translation>%1 no respondió nada en el puerto %2. Si este puerto espera SSL/TLS (como el 993), elija SSL/TLS.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="60"/>
        <source>%1 did not answer in time.</source>
        <translation>%1 no respondió a tiempo.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="62"/>
        <source>Port %1 of %2 does not start with encryption: it expects STARTTLS. Choose STARTTLS, or port 993 with SSL/TLS.</source>
        <translation>El puerto %1 de %2 no empieza cifrado: espera STARTTLS. Elija STARTTLS, o el puerto 993 con SSL/TLS.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="68"/>
        <source>%1&apos;s certificate is not one this computer trusts (SHA-256 fingerprint %2).</source>
        <translation>Este equipo no confía en el certificado de %1 (huella SHA-256 %2).</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="71"/>
        <source>%1 sent a different certificate from the one you trusted: its SHA-256 fingerprint is %2. Nothing was sent. Unless your provider says the certificate changed, someone may be listening in.</source>
        <translation>%1 envió un certificado distinto del que usted aceptó: su huella SHA-256 es %2. No se envió nada. Si su proveedor no anunció un cambio de certificado, puede que alguien esté escuchando.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="76"/>
        <source>%1 does not offer an encrypted connection on port %2, so nothing was sent, the password least of all.</source>
        <translation>%1 no ofrece una conexión cifrada en el puerto %2, así que no se envió nada, y menos la contraseña.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="81"/>
        <source>The folder is not on %1.</source>
        <translation>La carpeta no está en %1.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="83"/>
        <source>The folder could not be made on %1.</source>
        <translation>No se pudo crear la carpeta en %1.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="85"/>
        <source>The account on %1 is full: delete some mail and try again.</source>
        <translation>La cuenta en %1 está llena: borre algunos correos y vuelva a intentarlo.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="87"/>
        <source>The connection to %1 was lost before the message was whole, so the server kept none of it.</source>
        <translation>La conexión con %1 se perdió antes de que el mensaje estuviera completo, así que el servidor no guardó nada.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="92"/>
        <source>Cancelled: the server kept nothing.</source>
        <translation>Cancelado: el servidor no guardó nada.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="94"/>
        <source>An earlier copy of this stationery is in the folder &quot;%1&quot;.</source>
        <translation>Hay una copia anterior de este papel de carta en la carpeta «%1».</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="100"/>
        <source>The %1 holds a line break or another control character, which cannot be sent to a mail server: type it again. Nothing was sent.</source>
        <translation>El campo «%1» contiene un salto de línea u otro carácter de control, que no se puede enviar a un servidor de correo: escríbalo de nuevo. No se envió nada.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="104"/>
        <source>The message could not be made, so the server kept nothing: %1</source>
        <translation>No se pudo crear el mensaje, así que el servidor no guardó nada: %1</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="108"/>
        <source>The message could not be put on %1: %2</source>
        <translation>No se pudo guardar el mensaje en %1: %2</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="123"/>
        <source>The connection to %1 was lost after the whole message was sent, before the server said whether it kept it. Look in the folder &quot;%2&quot; before you try again.</source>
        <translation>La conexión con %1 se perdió después de enviar el mensaje entero y antes de que el servidor dijera si lo guardó. Mire en la carpeta «%2» antes de volver a intentarlo.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="131"/>
        <source>Too late to cancel: the stationery is already in the folder &quot;%1&quot;.</source>
        <translation>Demasiado tarde para cancelar: el papel de carta ya está en la carpeta «%1».</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="134"/>
        <source>The stationery is in the folder &quot;%1&quot;, but the earlier copy could not be taken out: %2</source>
        <translation>El papel de carta está en la carpeta «%1», pero no se pudo quitar la copia anterior: %2</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="137"/>
        <source>The stationery is in the folder &quot;%1&quot;, but could not be marked as a draft: %2</source>
        <translation>El papel de carta está en la carpeta «%1», pero no se pudo marcar como borrador: %2</translation>
    </message>
</context>
<context>
    <name>platform::DesktopMailClient</name>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="57"/>
        <source>%1 could not be started (%2): %3</source>
        <translation>No se pudo abrir %1 (%2): %3</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="71"/>
        <source>it ended with status %1</source>
        <translation>terminó con el estado %1</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="74"/>
        <source>it crashed</source>
        <translation>se bloqueó</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="76"/>
        <source>%1 did not open the message: %2</source>
        <translation>%1 no abrió el mensaje: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="106"/>
        <source>%1&apos;s desktop file (%2) has no command line that can be used</source>
        <translation>el archivo de escritorio de %1 (%2) no tiene una línea de órdenes utilizable</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="109"/>
        <source>%1 cannot open a message file given to it. File &gt; Put in Mail Account puts the stationery in your account&apos;s Templates folder, which %1 shows</source>
        <translation>%1 no puede abrir un archivo de mensaje que se le pase. Archivo &gt; Guardar en la cuenta de correo pone el papel de carta en la carpeta «Plantillas» de su cuenta, que %1 muestra</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="117"/>
        <source>no application is set to open e-mail messages (message/rfc822) on this desktop</source>
        <translation>ninguna aplicación está configurada para abrir mensajes de correo (message/rfc822) en este escritorio</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="122"/>
        <source>the desktop&apos;s mail program</source>
        <translation>el programa de correo del escritorio</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="125"/>
        <source>the mail program</source>
        <translation>el programa de correo</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="127"/>
        <source>the system has no program for e-mail messages (.eml)</source>
        <translation>el sistema no tiene ningún programa para mensajes de correo (.eml)</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client_windows.cpp" line="48"/>
        <source>no program is set to open e-mail messages (.eml) on this computer</source>
        <translation>ningún programa está configurado para abrir mensajes de correo (.eml) en este equipo</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client_windows.cpp" line="65"/>
        <source>%1 could not be started (%2)</source>
        <translation>No se pudo abrir %1 (%2)</translation>
    </message>
</context>
<context>
    <name>platform::DesktopUrlOpener</name>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="21"/>
        <source>%1 could not be started: %2</source>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="33"/>
        <source>the opener ended with status %1</source>
        <translation>el programa de apertura terminó con el estado %1</translation>
    </message>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="43"/>
        <source>the system has no program for web pages</source>
        <translation>el sistema no tiene ningún programa para páginas web</translation>
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
        <translation>Sin disco</translation>
    </message>
</context>
<context>
    <name>platform::LoadedAudioDevice</name>
    <message>
        <location filename="../src/platform/loaded_audio_device.cpp" line="28"/>
        <source>The sound module could not be loaded (%1).</source>
        <translation>No se pudo cargar el módulo de sonido (%1).</translation>
    </message>
</context>
<context>
    <name>platform::MediaControl</name>
    <message>
        <location filename="../src/platform/media_control.cpp" line="26"/>
        <location filename="../src/platform/media_control.cpp" line="82"/>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <location filename="../src/platform/media_control.cpp" line="27"/>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location filename="../src/platform/media_control.cpp" line="28"/>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
</TS>
