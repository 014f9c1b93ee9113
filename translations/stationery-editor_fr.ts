<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Copyright © les auteurs de Stationery Editor</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="65"/>
        <source>Questions and fixes are welcome through the project&apos;s issue tracker.</source>
        <translation>Questions et corrections sont les bienvenues dans le suivi des tickets du projet.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/about_window.cpp" line="115"/>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Aucun périphérique audio n’est disponible.</translation>
    </message>
</context>
<context>
    <name>BrowserPreview</name>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="33"/>
        <source>Dear friend,</source>
        <translation>Chère amie, cher ami,</translation>
    </message>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="34"/>
        <source>Greetings from here. This is how your message looks to the people who get it: your picture, colours, font and margins behind what you write.</source>
        <translation>Bien le bonjour d’ici. Voici votre message tel que le voient ses destinataires : votre image, vos couleurs, votre police et vos marges derrière ce que vous écrivez.</translation>
    </message>
    <message>
        <location filename="../src/editor/browser_preview.cpp" line="37"/>
        <source>Best wishes</source>
        <translation>Amitiés</translation>
    </message>
</context>
<context>
    <name>ChangeColorOrFont</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="80"/>
        <source>Change Text Colour</source>
        <translation>Modifier la couleur du texte</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="81"/>
        <source>Change Background Colour</source>
        <translation>Modifier la couleur de fond</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="82"/>
        <source>Change Font</source>
        <translation>Modifier la police</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="83"/>
        <source>Change Author</source>
        <translation>Modifier l’auteur</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="84"/>
        <source>Change Title</source>
        <translation>Modifier le titre</translation>
    </message>
</context>
<context>
    <name>ChangeMargins</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="88"/>
        <source>Change Scroll Direction</source>
        <translation>Modifier le sens du défilement</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="88"/>
        <source>Change Margin</source>
        <translation>Modifier la marge</translation>
    </message>
</context>
<context>
    <name>ChangePicture</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="65"/>
        <source>Change Picture</source>
        <translation>Modifier l’image</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="65"/>
        <source>Change Picture Size</source>
        <translation>Modifier la taille de l’image</translation>
    </message>
</context>
<context>
    <name>ChangeSound</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="69"/>
        <source>Change No Sound</source>
        <translation>Modifier « Sans son »</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="70"/>
        <source>Change Sound Form</source>
        <translation>Modifier la forme du son</translation>
    </message>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="71"/>
        <source>Change Sound</source>
        <translation>Modifier le son</translation>
    </message>
</context>
<context>
    <name>ChangeTickerText</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="75"/>
        <source>Change Ticker Text</source>
        <translation>Modifier le texte défilant</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="25"/>
        <source>What</source>
        <translation>Quoi</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="25"/>
        <source>Shown by</source>
        <translation>Affiché par</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="26"/>
        <source>Elsewhere</source>
        <translation>Ailleurs</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="27"/>
        <source>Source (read on)</source>
        <translation>Source (lue le)</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="32"/>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="48"/>
        <source>What today&apos;s mail clients do with the exports</source>
        <translation>Ce que font les logiciels de messagerie actuels des exports</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="55"/>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="61"/>
        <source>What recipients will meet</source>
        <translation>Ce que verront les destinataires</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="64"/>
        <source>What today&apos;s mail clients do with the exports:</source>
        <translation>Ce que font les logiciels de messagerie actuels des exports :</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="76"/>
        <source>Nothing to worry about</source>
        <translation>Rien d’inquiétant</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="81"/>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="83"/>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <location filename="../src/dialogs/check_window.cpp" line="85"/>
        <source>Advice</source>
        <translation>Conseil</translation>
    </message>
</context>
<context>
    <name>CheckWords</name>
    <message>
        <location filename="../src/platform/check_words.cpp" line="23"/>
        <source>Text on the background colour: %1; aim for %2.</source>
        <translation>Texte sur la couleur de fond : %1 ; visez %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="25"/>
        <source>Choose a text colour further from the background colour, darker on a light background or lighter on a dark one.</source>
        <translation>Choisissez une couleur de texte plus éloignée de la couleur de fond, plus foncée sur un fond clair ou plus claire sur un fond foncé.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="28"/>
        <source>Text on the picture: %1; aim for %2.</source>
        <translation>Texte sur l&apos;image : %1 ; visez %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="30"/>
        <source>Choose a darker or calmer picture, or a text colour that stands out from all of it.</source>
        <translation>Choisissez une image plus foncée ou plus calme, ou une couleur de texte qui se détache de toute l&apos;image.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="32"/>
        <source>Choose a paler or calmer picture, or a text colour that stands out from all of it.</source>
        <translation>Choisissez une image plus pâle ou plus calme, ou une couleur de texte qui se détache de toute l&apos;image.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="35"/>
        <source>The picture &quot;%1&quot; no longer exists.</source>
        <translation>L&apos;image « %1 » n&apos;existe plus.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="36"/>
        <source>Choose the picture again on the Image tab.</source>
        <translation>Choisissez à nouveau l&apos;image dans l&apos;onglet « Image ».</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="38"/>
        <source>The sound &quot;%1&quot; no longer exists.</source>
        <translation>Le son « %1 » n&apos;existe plus.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="39"/>
        <source>Choose the sound again on the Sound tab, or tick &quot;No Sound&quot;.</source>
        <translation>Choisissez à nouveau le son dans l&apos;onglet « Son », ou cochez « Sans son ».</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="42"/>
        <source>Choose a smaller picture or sound, or save the picture smaller.</source>
        <translation>Choisissez une image ou un son plus léger, ou enregistrez l&apos;image en plus petit.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="45"/>
        <source>Use File &gt; New Message in Mail Client, or Export&apos;s message template. The picture then travels inside the message.</source>
        <translation>Utilisez Fichier &gt; Nouveau message dans la messagerie, ou le modèle de message de l&apos;export. L&apos;image voyage alors dans le message.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="48"/>
        <source>The picture scrolls by a script. Received mail never runs one, so recipients see it standing still.</source>
        <translation>L&apos;image défile par un script. Le courrier reçu n&apos;en exécute jamais, les destinataires la voient donc immobile.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="50"/>
        <source>The message template scrolls it by CSS instead, which %1 play.</source>
        <translation>Le modèle de message la fait défiler en CSS à la place, ce que %1 jouent.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="53"/>
        <source>The ticker writes to a status bar by a script. No mail client of today runs one.</source>
        <translation>Le texte défilant écrit dans une barre d&apos;état par un script. Aucun logiciel de messagerie actuel n&apos;en exécute.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="55"/>
        <source>Put anything recipients must read into the message itself.</source>
        <translation>Mettez tout ce que les destinataires doivent lire dans le message lui-même.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="57"/>
        <source>The background sound plays only in old mail clients. The message template leaves it out.</source>
        <translation>Le son de fond ne joue que dans d&apos;anciens logiciels de messagerie. Le modèle de message l&apos;omet.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="59"/>
        <source>Expect recipients not to hear it.</source>
        <translation>Attendez-vous à ce que les destinataires ne l&apos;entendent pas.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="66"/>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="67"/>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="73"/>
        <source>%1:1</source>
        <translation>%1:1</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="78"/>
        <source>The picture &quot;%1&quot; and the sound &quot;%2&quot; add %3 to every message sent with this stationery.</source>
        <translation>L&apos;image « %1 » et le son « %2 » ajoutent %3 à chaque message envoyé avec ce papier à lettres.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="82"/>
        <source>The picture &quot;%1&quot; adds %2 to every message sent with this stationery.</source>
        <translation>L&apos;image « %1 » ajoute %2 à chaque message envoyé avec ce papier à lettres.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="84"/>
        <source>The sound &quot;%1&quot; adds %2 to every message sent with this stationery.</source>
        <translation>Le son « %1 » ajoute %2 à chaque message envoyé avec ce papier à lettres.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="90"/>
        <source>The picture &quot;%1&quot; and the sound &quot;%2&quot; are named by their place on this computer. Recipients do not have them unless the mail client sends them along.</source>
        <translation>L&apos;image « %1 » et le son « %2 » sont désignés par leur emplacement sur cet ordinateur. Les destinataires ne les ont que si le logiciel de messagerie les joint.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="95"/>
        <source>The picture &quot;%1&quot; is named by its place on this computer. Recipients do not have it unless the mail client sends it along.</source>
        <translation>L&apos;image « %1 » est désignée par son emplacement sur cet ordinateur. Les destinataires ne l&apos;ont que si le logiciel de messagerie la joint.</translation>
    </message>
    <message>
        <location filename="../src/platform/check_words.cpp" line="98"/>
        <source>The sound &quot;%1&quot; is named by its place on this computer. Recipients do not have it unless the mail client sends it along.</source>
        <translation>Le son « %1 » est désigné par son emplacement sur cet ordinateur. Les destinataires ne l&apos;ont que si le logiciel de messagerie le joint.</translation>
    </message>
</context>
<context>
    <name>ClientSupport</name>
    <message>
        <location filename="../src/stationery/client_support.h" line="23"/>
        <source>caniemail.com: CSS background-image, the body&apos;s background attribute, CSS animations, the audio and script elements</source>
        <translation>caniemail.com : CSS background-image, l&apos;attribut background de body, les animations CSS, les éléments audio et script</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="29"/>
        <source>The background picture</source>
        <translation>L&apos;image de fond</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="30"/>
        <source>Apple Mail, Thunderbird, Gmail and Outlook on the web</source>
        <translation>Apple Mail, Thunderbird, Gmail et Outlook sur le web</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="31"/>
        <source>Outlook for Windows shows it only from the body&apos;s background attribute, which the template writes</source>
        <translation>Outlook pour Windows ne l&apos;affiche que par l&apos;attribut background de body, que le modèle écrit</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="37"/>
        <source>A picture scrolled by CSS</source>
        <translation>Une image qui défile en CSS</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="38"/>
        <source>Apple Mail and Samsung Mail</source>
        <translation>Apple Mail et Samsung Mail</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="39"/>
        <source>it stands still elsewhere, and for readers who ask for reduced motion</source>
        <translation>elle reste immobile ailleurs, et pour les lecteurs qui demandent moins de mouvement</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="43"/>
        <source>Scripts (the scrolling script, the ticker)</source>
        <translation>Les scripts (le défilement, le texte défilant)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="44"/>
        <source>no mail client of today runs them</source>
        <translation>aucun logiciel de messagerie actuel ne les exécute</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="47"/>
        <source>A background sound</source>
        <translation>Un son de fond</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="48"/>
        <source>no mail client of today plays one</source>
        <translation>aucun logiciel de messagerie actuel n&apos;en joue</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="53"/>
        <source>A message template in a webmail</source>
        <translation>Un modèle de message dans un webmail</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="54"/>
        <source>Roundcube 1.6, in its view and its editor</source>
        <translation>Roundcube 1.6, en lecture et dans son éditeur</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="59"/>
        <source>this program&apos;s webmail test: Roundcube 1.6.5 from Debian 12 with Chromium</source>
        <translation>le test webmail de ce programme : Roundcube 1.6.5 de Debian 12 avec Chromium</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="63"/>
        <source>A message template handed to Evolution</source>
        <translation>Un modèle de message passé à Evolution</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="69"/>
        <source>tried with this program&apos;s template under Debian 12</source>
        <translation>essayé avec le modèle de ce programme sous Debian 12</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="72"/>
        <source>Thunderbird and Roundcube</source>
        <translation>Thunderbird et Roundcube</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="73"/>
        <source>Thunderbird takes a cid: name in CSS for remote content and shows its privacy bar; a picture over 128 KB is left off the wrapper</source>
        <translation>Thunderbird prend un nom cid: dans le CSS pour du contenu distant et affiche sa barre de confidentialité ; une image de plus de 128 Ko reste hors de l&apos;enveloppe</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="79"/>
        <source>The look on a wrapper around the text as well as on the body</source>
        <translation>L&apos;apparence sur une enveloppe autour du texte comme sur body</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="81"/>
        <source>Gmail, on the web and in its apps</source>
        <translation>Gmail, sur le web et dans ses applications</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="82"/>
        <source>replaces the body by a &lt;div&gt; with only the attributes it supports; the wrapper keeps the text colour, font and left margin there, and on today&apos;s page the picture and background colour</source>
        <translation>remplace body par un &lt;div&gt; avec les seuls attributs qu&apos;il accepte ; l&apos;enveloppe y garde la couleur du texte, la police et la marge gauche, et sur la page actuelle l&apos;image et la couleur de fond</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="87"/>
        <source>caniemail.com, the &lt;body&gt; element, as the doiuse-email package quotes it</source>
        <translation>caniemail.com, l&apos;élément &lt;body&gt;, tel que le cite le paquet doiuse-email</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="90"/>
        <source>A message template opened in Thunderbird</source>
        <translation>Un modèle de message ouvert dans Thunderbird</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="91"/>
        <source>Thunderbird 153 ESR</source>
        <translation>Thunderbird 153 ESR</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="92"/>
        <source>opens it as a new message with the caret inside the wrapper; what it sends carries the body&apos;s picture but drops the scrolling rule, so the picture stands still</source>
        <translation>l&apos;ouvre comme nouveau message, le curseur dans l&apos;enveloppe ; ce qu&apos;il envoie garde l&apos;image de body mais perd la règle de défilement, l&apos;image reste donc immobile</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="76"/>
        <location filename="../src/stationery/client_support.h" line="96"/>
        <source>tried with this program&apos;s template under Thunderbird 153.8 ESR</source>
        <translation>essayé avec le modèle de ce programme sous Thunderbird 153.8 ESR</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="55"/>
        <source>drops the body&apos;s look and shows the wrapper&apos;s, picture and all, over the whole message; what it sends keeps the colour, font, margins and the picture, given in a style sheet, where it is not rewritten</source>
        <translation>abandonne l&apos;apparence de body et montre celle de l&apos;enveloppe, image comprise, sur tout le message ; ce qu&apos;il envoie garde la couleur, la police, les marges et l&apos;image, donnée dans une feuille de style, où il ne la réécrit pas</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="64"/>
        <source>Evolution 3.46 opens no message file given to it (&quot;Cannot import any of the given URIs&quot;); a template in the account&apos;s Templates folder starts a new message there; its view shows 480 pixels of the picture, and its editor the whole stationery</source>
        <translation>Evolution 3.46 n&apos;ouvre aucun fichier de message qu&apos;on lui passe (« Cannot import any of the given URIs ») ; un modèle dans le dossier « Modèles » du compte y commence un nouveau message ; son affichage montre 480 pixels de l&apos;image, et son éditeur tout le papier à lettres</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="71"/>
        <source>The wrapper&apos;s picture as a data: URL in a style sheet</source>
        <translation>L&apos;image de l&apos;enveloppe en URL data: dans une feuille de style</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="99"/>
        <source>The light colour scheme asked for (meta element)</source>
        <translation>Le jeu de couleurs clair demandé (élément meta)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="100"/>
        <source>Thunderbird and Apple Mail on macOS</source>
        <translation>Thunderbird et Apple Mail sous macOS</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="101"/>
        <source>other clients ignore the meta element</source>
        <translation>les autres logiciels de messagerie ignorent l&apos;élément meta</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="102"/>
        <source>html-email-guide.vercel.app, Dark mode</source>
        <translation>html-email-guide.vercel.app, Dark mode</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="103"/>
        <source>The light colour scheme asked for (CSS color-scheme)</source>
        <translation>Le jeu de couleurs clair demandé (CSS color-scheme)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="104"/>
        <source>Apple Mail, Samsung Mail and Thunderbird</source>
        <translation>Apple Mail, Samsung Mail et Thunderbird</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="105"/>
        <source>Gmail&apos;s apps for iOS and Android invert colours in dark mode whatever a message asks</source>
        <translation>les applications Gmail pour iOS et Android inversent les couleurs en mode sombre, quoi que demande le message</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="108"/>
        <source>html-email-guide.vercel.app, Dark mode; mailviewr.com, Apple Mail dark mode preview</source>
        <translation>html-email-guide.vercel.app, Dark mode ; mailviewr.com, Apple Mail dark mode preview</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="112"/>
        <source>Scrolling only for readers who accept motion</source>
        <translation>Le défilement seulement pour les lecteurs qui acceptent le mouvement</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="113"/>
        <source>clients that strip prefers-reduced-motion rules, Gmail among them, show the picture standing still, never moving for ever</source>
        <translation>les logiciels de messagerie qui retirent les règles prefers-reduced-motion, dont Gmail, montrent l&apos;image immobile, jamais en mouvement sans fin</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="117"/>
        <source>emailmarkup.org, Email clients are stripping out accessibility (2025)</source>
        <translation>emailmarkup.org, Email clients are stripping out accessibility (2025)</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="120"/>
        <source>A generic family after every font</source>
        <translation>Une famille générique après chaque police</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="121"/>
        <source>every client that shows HTML mail</source>
        <translation>tout logiciel de messagerie qui affiche le courrier HTML</translation>
    </message>
    <message>
        <location filename="../src/stationery/client_support.h" line="122"/>
        <source>a reader without the font sees the nearest serif, sans-serif, monospace or cursive font instead of the client&apos;s default</source>
        <translation>un lecteur sans la police voit la police serif, sans serif, à chasse fixe ou cursive la plus proche au lieu de celle par défaut</translation>
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
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="39"/>
        <source>Text colour</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="43"/>
        <source>BackGround Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="43"/>
        <source>Background colour</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="48"/>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="60"/>
        <location filename="../src/editor/color_font_page.cpp" line="81"/>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="62"/>
        <location filename="../src/editor/color_font_page.cpp" line="83"/>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="77"/>
        <source>Author, in the chosen colours and font</source>
        <translation>Auteur, dans les couleurs et la police choisies</translation>
    </message>
    <message>
        <location filename="../src/editor/color_font_page.cpp" line="79"/>
        <source>Title, in the chosen colours and font</source>
        <translation>Titre, dans les couleurs et la police choisies</translation>
    </message>
</context>
<context>
    <name>DesignPicker</name>
    <message>
        <location filename="../src/editor/design_picker.cpp" line="50"/>
        <source>The design&apos;s picture could not be written to &quot;%1&quot;: %2.</source>
        <translation>L’image du motif n’a pas pu être écrite dans « %1 » : %2.</translation>
    </message>
    <message>
        <location filename="../src/editor/design_picker.cpp" line="53"/>
        <source>Design Not Applied</source>
        <translation>Motif non appliqué</translation>
    </message>
</context>
<context>
    <name>Designs</name>
    <message>
        <location filename="../src/editor/designs.cpp" line="23"/>
        <source>Linen</source>
        <translation>Lin</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="25"/>
        <source>Blue Sky</source>
        <translation>Ciel bleu</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="27"/>
        <source>Graph Paper</source>
        <translation>Papier millimétré</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="29"/>
        <source>Ruled Notebook</source>
        <translation>Cahier ligné</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="32"/>
        <source>Starry Night</source>
        <translation>Nuit étoilée</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="34"/>
        <source>Autumn Leaves</source>
        <translation>Feuilles d’automne</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="36"/>
        <source>Winter Snow</source>
        <translation>Neige d’hiver</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="38"/>
        <source>Spring Dots</source>
        <translation>Pois de printemps</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="40"/>
        <source>Parchment</source>
        <translation>Parchemin</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="42"/>
        <source>Ocean Waves</source>
        <translation>Vagues</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="44"/>
        <source>Rose Border</source>
        <translation>Bordure de roses</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="46"/>
        <source>Chalkboard</source>
        <translation>Tableau noir</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="48"/>
        <source>Candy Stripes</source>
        <translation>Rayures bonbon</translation>
    </message>
    <message>
        <location filename="../src/editor/designs.cpp" line="111"/>
        <source>Dear friend, greetings from here.</source>
        <translation>Bien le bonjour d’ici.</translation>
    </message>
</context>
<context>
    <name>DesignsWindow</name>
    <message>
        <location filename="../src/dialogs/designs_window.cpp" line="11"/>
        <location filename="../src/dialogs/designs_window.cpp" line="14"/>
        <source>Designs</source>
        <translation>Motifs</translation>
    </message>
</context>
<context>
    <name>DroppedFiles</name>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="77"/>
        <source>&quot;%1&quot; is neither a picture, a sound nor a stationery file, so it was not used.</source>
        <translation>« %1 » n’est ni une image, ni un son, ni un fichier de papier à lettres : il n’a pas été utilisé.</translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="80"/>
        <source>&quot;%1&quot; is no longer there, so it was not used.</source>
        <translation>« %1 » n’existe plus : il n’a pas été utilisé.</translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="83"/>
        <source>&quot;%1&quot; is not a file but a folder, a pipe or a device, so it was not used.</source>
        <translation>« %1 » n’est pas un fichier mais un dossier, un tube ou un périphérique : il n’a pas été utilisé.</translation>
    </message>
    <message>
        <location filename="../src/editor/dropped_file.cpp" line="87"/>
        <source>&quot;%1&quot; could not be read (%2), so it was not used.</source>
        <translation>« %1 » n’a pas pu être lu (%2) : il n’a pas été utilisé.</translation>
    </message>
</context>
<context>
    <name>ErrorWords</name>
    <message>
        <location filename="../src/platform/error_words.cpp" line="21"/>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation>Impossible d’enregistrer « %1 » : %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="28"/>
        <source>Could not open &quot;%1&quot;: %2.</source>
        <translation>Impossible d’ouvrir « %1 » : %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="35"/>
        <source>Could not export &quot;%1&quot;: %2.</source>
        <translation>Impossible d’exporter « %1 » : %2.</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="49"/>
        <location filename="../src/platform/error_words.cpp" line="127"/>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="51"/>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="53"/>
        <source>it is larger than 16 MB, and a stationery file is about 5 KB</source>
        <translation>il dépasse 16 Mo, alors qu’un papier à lettres fait environ 5 Ko</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="55"/>
        <source>it holds bytes that are not text</source>
        <translation>il contient des octets qui ne sont pas du texte</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="58"/>
        <source>it is %1, not a stationery, a page for today&apos;s mail clients or a message template made by this program</source>
        <translation>c’est %1, et non un papier à lettres, une page pour les logiciels de messagerie actuels ou un modèle de message créé par ce programme</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="63"/>
        <source>its font size &quot;%1&quot; is not a number</source>
        <translation>sa taille de police « %1 » n’est pas un nombre</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="65"/>
        <source>its margin &quot;%1&quot; is not a number of pixels</source>
        <translation>sa marge « %1 » n’est pas un nombre de pixels</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="67"/>
        <source>its picture size &quot;%1&quot; is not a number of pixels</source>
        <translation>sa taille d’image « %1 » n’est pas un nombre de pixels</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="70"/>
        <source>its picture could not be written to the program&apos;s pictures folder (%1)</source>
        <translation>son image n’a pas pu être écrite dans le dossier d’images du programme (%1)</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="73"/>
        <source>it is a message template made by this program, but cut off before its end</source>
        <translation>c’est un modèle de message créé par ce programme, mais tronqué avant sa fin</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="76"/>
        <source>it is not a stationery file made by this program</source>
        <translation>ce n’est pas un papier à lettres créé par ce programme</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="80"/>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="91"/>
        <source>the picture &quot;%1&quot; could not be copied: it does not exist or is no file</source>
        <translation>l’image « %1 » n’a pas pu être copiée : elle n’existe pas ou n’est pas un fichier</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="94"/>
        <source>the sound &quot;%1&quot; could not be copied: it does not exist or is no file</source>
        <translation>le son « %1 » n’a pas pu être copié : il n’existe pas ou n’est pas un fichier</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="97"/>
        <source>the picture &quot;%1&quot; would be written over by the export</source>
        <translation>l’export écraserait l’image « %1 »</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="99"/>
        <source>the sound &quot;%1&quot; would be written over by the export</source>
        <translation>l’export écraserait le son « %1 »</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="114"/>
        <source>the sound &quot;%1&quot; is not a MIDI, WAV or MP3 sound%2, so it is not carried</source>
        <translation>le son « %1 » n’est pas un son MIDI, WAV ou MP3%2 : il n’est pas emporté</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="117"/>
        <source>the picture &quot;%1&quot; is in a hidden or system folder, and such a file is carried only when you agree</source>
        <translation>l’image « %1 » est dans un dossier caché ou système ; un tel fichier n’est emporté qu’avec votre accord</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="121"/>
        <source>the sound &quot;%1&quot; is in a hidden or system folder, and such a file is carried only when you agree</source>
        <translation>le son « %1 » est dans un dossier caché ou système ; un tel fichier n’est emporté qu’avec votre accord</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="125"/>
        <source>that is the stationery being exported, which would be written over</source>
        <translation>c’est le papier à lettres en cours d’export, qui serait écrasé</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="129"/>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>le dossier « %1 » n’existe pas</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="101"/>
        <source>the picture &quot;%1&quot; could not be copied: %2</source>
        <translation>l’image « %1 » n’a pas pu être copiée : %2</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="12"/>
        <source>a picture</source>
        <translation>une image</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="12"/>
        <source>a sound</source>
        <translation>un son</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="13"/>
        <source>an e-mail message not made by this program</source>
        <translation>un courriel qui ne vient pas de ce programme</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="14"/>
        <source>a web page not made by this program</source>
        <translation>une page web qui ne vient pas de ce programme</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="103"/>
        <source>the sound &quot;%1&quot; could not be copied: %2</source>
        <translation>le son « %1 » n’a pas pu être copié : %2</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="107"/>
        <source>the picture &quot;%1&quot; could not be read: it changed while it was read</source>
        <translation>l’image « %1 » n’a pas pu être lue : elle a changé pendant la lecture</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="110"/>
        <source>the picture &quot;%1&quot; is not a JPEG, GIF, PNG or BMP picture%2, so it is not carried</source>
        <translation>l’image « %1 » n’est pas une image JPEG, GIF, PNG ou BMP%2 : elle n’est pas emportée</translation>
    </message>
    <message>
        <location filename="../src/platform/error_words.cpp" line="131"/>
        <source>the picture &quot;%1&quot; could not be read: %2</source>
        <translation>l’image « %1 » n’a pas pu être lue : %2</translation>
    </message>
</context>
<context>
    <name>ExportForm</name>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="54"/>
        <source>Exported to %1. Open it with your mail client for a new message on this stationery, or use File &gt; New Message in Mail Client.</source>
        <translation>Exporté vers %1. Ouvrez-le avec votre logiciel de messagerie pour un nouveau message sur ce papier à lettres, ou utilisez Fichier &gt; Nouveau message dans la messagerie.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="57"/>
        <source>Exported to %1 with its picture beside it. Choose it as stationery in your mail client, or open it in a browser.</source>
        <translation>Exporté vers %1, l’image à côté. Choisissez-le comme papier à lettres dans votre logiciel de messagerie, ou ouvrez-le dans un navigateur.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="60"/>
        <source>Exported to %1 with its picture and sound beside it, for mail clients that still run stationery scripts.</source>
        <translation>Exporté vers %1, l’image et le son à côté, pour les logiciels de messagerie qui exécutent encore les scripts des papiers à lettres.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="63"/>
        <source>Message template, opens as a new message in Thunderbird, Outlook, Apple Mail</source>
        <translation>Modèle de message, s’ouvre en nouveau message dans Thunderbird, Outlook, Apple Mail</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="66"/>
        <source>Web page for today&apos;s mail clients, with its picture beside it</source>
        <translation>Page web pour les logiciels de messagerie actuels, l’image à côté</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="68"/>
        <source>Classic stationery with script, ticker and sound, for old mail clients</source>
        <translation>Papier à lettres classique avec script, texte défilant et son, pour les anciens logiciels de messagerie</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="94"/>
        <source>Not Opened</source>
        <translation>Non ouvert</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="101"/>
        <source>&quot;%1&quot; was made for today&apos;s mail clients, which carry no sound and no ticker: the Sound and Ticker tabs stay empty. Everything else is as it was.</source>
        <translation>« %1 » a été fait pour les logiciels de messagerie actuels, sans son ni texte défilant : les onglets Son et Texte défilant restent vides. Tout le reste est comme avant.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="104"/>
        <source>Opened</source>
        <translation>Ouvert</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="121"/>
        <source>&quot;%1&quot; names files in hidden or system folders, where private files are kept:
%2

Export asks before it copies any of them.</source>
        <translation>« %1 » désigne des fichiers dans des dossiers cachés ou système, où sont gardés les fichiers privés :
%2

L’export demande avant de copier l’un d’eux.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="124"/>
        <source>Private Files Named</source>
        <translation>Fichiers privés désignés</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="128"/>
        <source>&quot;%1&quot; is open, but not everything it names can be used.</source>
        <translation>« %1 » est ouvert, mais tout ce qu’il désigne n’est pas utilisable.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="131"/>
        <source>These files can&apos;t be found:
%1</source>
        <translation>Ces fichiers sont introuvables :
%1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="133"/>
        <source>This file is there but cannot be read as a picture:
%1</source>
        <translation>Ce fichier existe mais ne peut pas être lu comme une image :
%1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="135"/>
        <source>The paths are kept, so saving writes them as they were.</source>
        <translation>Les chemins sont conservés ; l’enregistrement les écrit tels quels.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="137"/>
        <source>These are in hidden or system folders, where private files are kept; Export asks before it copies them:
%1</source>
        <translation>Ceux-ci sont dans des dossiers cachés ou système, où sont gardés les fichiers privés ; l’export demande avant de les copier :
%1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="141"/>
        <source>Picture Not Shown</source>
        <translation>Image non affichée</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="142"/>
        <source>Files Missing</source>
        <translation>Fichiers manquants</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="153"/>
        <source>Not Saved</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="160"/>
        <source>the new stationery</source>
        <translation>le nouveau papier à lettres</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="162"/>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="163"/>
        <source>Unsaved Changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="178"/>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="213"/>
        <source>The stationery names a file in a hidden or system folder, where private files are kept:
%1

The export would copy it where others can read it. Copy it anyway?</source>
        <translation>Le papier à lettres désigne un fichier dans un dossier caché ou système, où sont gardés les fichiers privés :
%1

L’export le copierait là où d’autres peuvent le lire. Le copier quand même ?</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="217"/>
        <source>Private File</source>
        <translation>Fichier privé</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="193"/>
        <location filename="../src/editor/file_commands.cpp" line="202"/>
        <source>Not Exported</source>
        <translation>Non exporté</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="33"/>
        <source>Stationery Files</source>
        <translation>Fichiers de papier à lettres</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="83"/>
        <source>Stationery and message templates</source>
        <translation>Papiers à lettres et modèles de message</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="85"/>
        <source>Stationery and pages for today&apos;s mail clients</source>
        <translation>Papiers à lettres et pages pour les logiciels de messagerie actuels</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="87"/>
        <source>Message templates</source>
        <translation>Modèles de message</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="231"/>
        <source>No web browser could be started to show the preview (%1). Nothing was saved; File &gt; Save writes the stationery as usual.</source>
        <translation>Aucun navigateur n’a pu être lancé pour l’aperçu (%1). Rien n’a été enregistré ; Fichier &gt; Enregistrer écrit le papier à lettres comme d’habitude.</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="234"/>
        <source>The preview could not be written: %1</source>
        <translation>L’aperçu n’a pas pu être écrit : %1</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="235"/>
        <source>No Browser</source>
        <translation>Aucun navigateur</translation>
    </message>
    <message>
        <location filename="../src/editor/file_commands.cpp" line="235"/>
        <source>No Preview</source>
        <translation>Aucun aperçu</translation>
    </message>
</context>
<context>
    <name>ImagePage</name>
    <message>
        <location filename="../src/editor/image_page.cpp" line="32"/>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="41"/>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.webp *.avif)</source>
        <translation>Images (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.webp *.avif)</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="42"/>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="45"/>
        <source>Browse for a picture</source>
        <translation>Chercher une image</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="57"/>
        <source>Click to see the picture at its own size</source>
        <translation>Cliquez pour voir l’image à sa taille réelle</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Picture drive</source>
        <translation>Lecteur de l’image</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="67"/>
        <source>Picture folder</source>
        <translation>Dossier de l’image</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="68"/>
        <source>Picture files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="68"/>
        <source>Picture preview</source>
        <translation>Aperçu de l’image</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="140"/>
        <source>Picture Too Large</source>
        <translation>Image trop grande</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="144"/>
        <source>This is a %1 picture, a kind phones and cameras make that this program cannot read yet. Save it as JPEG or PNG (most photo programs do this under Export or Save As), then choose that file.</source>
        <translation>C’est une image %1, un format des téléphones et appareils photo que ce programme ne sait pas encore lire. Enregistrez-la en JPEG ou PNG (la plupart des logiciels photo le font via Exporter ou Enregistrer sous), puis choisissez ce fichier.</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="148"/>
        <source>Picture Kind Not Read</source>
        <translation>Format d’image illisible</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="222"/>
        <source>Invalid Picture Type</source>
        <translation>Type d’image non valide</translation>
    </message>
    <message>
        <location filename="../src/editor/image_page.cpp" line="223"/>
        <source>Corrupt Picture</source>
        <translation>Image endommagée</translation>
    </message>
</context>
<context>
    <name>LoadedMailService</name>
    <message>
        <location filename="../src/mail_account/loaded_mail_service.cpp" line="64"/>
        <source>the mail module could not be loaded (%1)</source>
        <translation>le module de messagerie n’a pas pu être chargé (%1)</translation>
    </message>
    <message>
        <location filename="../src/mail_account/loaded_mail_service.cpp" line="77"/>
        <source>the keyring&apos;s module could not be loaded (%1)</source>
        <translation>le module du trousseau n’a pas pu être chargé (%1)</translation>
    </message>
</context>
<context>
    <name>MailAccountCommand</name>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="38"/>
        <source>The stationery is still being put in the mail account. Quitting now cancels it. Quit anyway?</source>
        <translation>Le papier à lettres est encore en cours de dépôt dans le compte de messagerie. Quitter maintenant l’annule. Quitter quand même ?</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="40"/>
        <location filename="../src/editor/mail_account_command.cpp" line="182"/>
        <source>Put in Mail Account</source>
        <translation>Déposer dans le compte de messagerie</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="70"/>
        <source>Fill in the server and the user name.</source>
        <translation>Indiquez le serveur et le nom d’utilisateur.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="75"/>
        <source>Type the password.</source>
        <translation>Saisissez le mot de passe.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="102"/>
        <source>Putting the stationery in %1…</source>
        <translation>Dépôt du papier à lettres dans %1…</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="148"/>
        <source>Put in the folder &quot;%1&quot; of %2.</source>
        <translation>Déposé dans le dossier « %1 » de %2.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="152"/>
        <source> The earlier copy was taken out.</source>
        <translation> La copie précédente a été retirée.</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="154"/>
        <source> The password was not remembered: %1</source>
        <translation> Le mot de passe n’a pas été mémorisé : %1</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="164"/>
        <source>%1&apos;s certificate is not one this computer trusts. Its SHA-256 fingerprint is:

%2

Compare it with the one your mail provider or administrator gives. Trust this certificate for %1 from now on?</source>
        <translation>Cet ordinateur ne fait pas confiance au certificat de %1. Son empreinte SHA-256 est :

%2

Comparez-la avec celle que donne votre fournisseur de messagerie ou votre administrateur. Faire désormais confiance à ce certificat pour %1 ?</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="168"/>
        <source>%1 sent a different certificate from the one you trusted.

Trusted:  %2
Now:      %3

Unless your provider says the certificate changed, someone may be listening in. Trust the new certificate instead?</source>
        <translation>%1 a envoyé un autre certificat que celui auquel vous faites confiance.

Approuvé :  %2
Actuel :    %3

Sauf si votre fournisseur annonce un changement de certificat, quelqu’un écoute peut-être. Faire confiance au nouveau certificat à la place ?</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="173"/>
        <source>Certificate</source>
        <translation>Certificat</translation>
    </message>
    <message>
        <location filename="../src/editor/mail_account_command.cpp" line="179"/>
        <source>An earlier copy of this stationery is in the folder &quot;%1&quot;. Replace it with this one? (No puts this one beside it.)</source>
        <translation>Une copie précédente de ce papier à lettres est dans le dossier « %1 ». La remplacer par celle-ci ? (Non la dépose à côté.)</translation>
    </message>
</context>
<context>
    <name>MailAccountDialog</name>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="22"/>
        <source>Remember in the system keyring</source>
        <translation>Mémoriser dans le trousseau du système</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="26"/>
        <source>Put in Mail Account</source>
        <translation>Déposer dans le compte de messagerie</translation>
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
        <translation>Modèles</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="39"/>
        <source>Drafts</source>
        <translation>Brouillons</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="55"/>
        <source>&amp;Server:</source>
        <translation>&amp;Serveur :</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="56"/>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="57"/>
        <source>S&amp;ecurity:</source>
        <translation>S&amp;écurité :</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="58"/>
        <source>&amp;User name:</source>
        <translation>&amp;Nom d’utilisateur :</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="59"/>
        <source>Pass&amp;word:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="61"/>
        <source>&amp;Folder:</source>
        <translation>&amp;Dossier :</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="63"/>
        <source>Put in Account</source>
        <translation>Déposer dans le compte</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="90"/>
        <source>A mail client deletes a draft once it is sent: the stationery is then gone from Drafts.</source>
        <translation>Un logiciel de messagerie supprime un brouillon une fois envoyé : le papier à lettres disparaît alors des Brouillons.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/mail_account_dialog.cpp" line="92"/>
        <source>Start a new message from the template in your mail client; the template stays for the next one.</source>
        <translation>Commencez un nouveau message à partir du modèle dans votre logiciel de messagerie ; le modèle reste pour le suivant.</translation>
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
        <translation>Parties du papier à lettres</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="105"/>
        <source>Put in &amp;Outlook Stationery</source>
        <translation>Déposer dans les papiers à lettres d’&amp;Outlook</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="155"/>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="159"/>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="164"/>
        <source>Ticker</source>
        <translation>Texte défilant</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="168"/>
        <source>Color-Font</source>
        <translation>Couleur-Police</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="172"/>
        <source>Margins</source>
        <translation>Marges</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="224"/>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="98"/>
        <source>New &amp;Message in Mail Client</source>
        <translation>Nouveau &amp;message dans la messagerie</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="100"/>
        <source>P&amp;ut in Mail Account...</source>
        <translation>Déposer dans le &amp;compte de messagerie…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="229"/>
        <source>Items</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="230"/>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <location filename="../src/editor/main_window.cpp" line="134"/>
        <source>File Not Used</source>
        <translation>Fichier non utilisé</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="28"/>
        <source>New from &amp;Design...</source>
        <translation>Nouveau d’après un &amp;motif…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="33"/>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="38"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="42"/>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="47"/>
        <source>&amp;Preview in Browser</source>
        <translation>&amp;Aperçu dans le navigateur</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="52"/>
        <source>&amp;Check...</source>
        <translation>&amp;Vérifier…</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="56"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="83"/>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="86"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location filename="../src/editor/main_menus.cpp" line="90"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
<context>
    <name>MarginsPage</name>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="41"/>
        <source>Image Width</source>
        <translation>Largeur de l’image</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="41"/>
        <source>Image width in pixels</source>
        <translation>Largeur de l’image en pixels</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="43"/>
        <source>Image Height</source>
        <translation>Hauteur de l’image</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="43"/>
        <source>Image height in pixels</source>
        <translation>Hauteur de l’image en pixels</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="45"/>
        <source>Text Top Margin</source>
        <translation>Marge haute du texte</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="45"/>
        <source>Text top margin in pixels</source>
        <translation>Marge haute du texte en pixels</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="47"/>
        <source>Text Left Margin</source>
        <translation>Marge gauche du texte</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="48"/>
        <source>Text left margin in pixels</source>
        <translation>Marge gauche du texte en pixels</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="77"/>
        <source>Scroll direction</source>
        <translation>Sens du défilement</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="91"/>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="91"/>
        <source>Scroll up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="93"/>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="93"/>
        <source>Scroll left</source>
        <translation>Défiler vers la gauche</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="95"/>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="95"/>
        <source>Scroll down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="97"/>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="97"/>
        <source>Scroll right</source>
        <translation>Défiler vers la droite</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="99"/>
        <source>No Scroll</source>
        <translation>Sans défilement</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="99"/>
        <source>No scroll</source>
        <translation>Sans défilement</translation>
    </message>
    <message>
        <location filename="../src/editor/margins_page.cpp" line="157"/>
        <source>Change Scroll Direction</source>
        <translation>Modifier le sens du défilement</translation>
    </message>
</context>
<context>
    <name>NewFromDesign</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="94"/>
        <source>New from Design</source>
        <translation>Nouveau d’après un motif</translation>
    </message>
</context>
<context>
    <name>NewMessageCommand</name>
    <message>
        <location filename="../src/editor/new_message.cpp" line="36"/>
        <source>The message could not be written: the folder %1 could not be made.</source>
        <translation>Le message n’a pas pu être écrit : le dossier %1 n’a pas pu être créé.</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="37"/>
        <source>No New Message</source>
        <translation>Pas de nouveau message</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="44"/>
        <source>Starting the mail client…</source>
        <translation>Lancement du logiciel de messagerie…</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="51"/>
        <source>The stationery is open as a new message in %1: address it and send it.</source>
        <translation>Le papier à lettres est ouvert en nouveau message dans %1 : ajoutez l’adresse et envoyez-le.</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="62"/>
        <source>No mail client opened the message: %1.

Save the message template somewhere else, to open it from your mail client or attach it yourself?</source>
        <translation>Aucun logiciel de messagerie n’a ouvert le message : %1.

Enregistrer le modèle de message ailleurs, pour l’ouvrir depuis votre messagerie ou le joindre vous-même ?</translation>
    </message>
    <message>
        <location filename="../src/editor/new_message.cpp" line="65"/>
        <source>No Mail Client</source>
        <translation>Aucun logiciel de messagerie</translation>
    </message>
</context>
<context>
    <name>OpenStationery</name>
    <message>
        <location filename="../src/editor/edit_commands.cpp" line="91"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>OutlookStationeryCommand</name>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="22"/>
        <source>Outlook&apos;s stationery folder &quot;%1&quot; could not be made.</source>
        <translation>Le dossier des papiers à lettres d’Outlook « %1 » n’a pas pu être créé.</translation>
    </message>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="24"/>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="37"/>
        <source>Not Exported</source>
        <translation>Non exporté</translation>
    </message>
    <message>
        <location filename="../src/editor/outlook_stationery_command.cpp" line="43"/>
        <source>Put into Outlook&apos;s personal stationery as &quot;%1&quot;. Outlook offers it under File &gt; Options &gt; Mail &gt; Stationery and Fonts &gt; Personal Stationery.</source>
        <translation>Déposé dans les papiers à lettres personnels d’Outlook sous le nom « %1 ». Outlook le propose sous Fichier &gt; Options &gt; Courrier &gt; Papier à lettres et polices &gt; Papier à lettres personnel.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <location filename="../src/platform/picture_loader.cpp" line="76"/>
        <source>This picture is %1 × %2 pixels, too large to show.</source>
        <translation>Cette image fait %1 × %2 pixels, trop grande pour être affichée.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/editor/browse_button.cpp" line="15"/>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
</context>
<context>
    <name>SdlAudioDevice</name>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="34"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="42"/>
        <source>No audio device is available (%1).</source>
        <translation>Aucun périphérique audio n’est disponible (%1).</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="79"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="102"/>
        <location filename="../src/platform/sdl_audio_device.cpp" line="106"/>
        <source>The file cannot be read: %1.</source>
        <translation>Le fichier ne peut pas être lu : %1.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="88"/>
        <source>This file is not the %1 sound its name says it is.</source>
        <translation>Ce fichier n’est pas le son %1 qu’annonce son nom.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="91"/>
        <source>MIDI files need a General MIDI soundfont, and none is installed.</source>
        <translation>Les fichiers MIDI demandent une banque de sons General MIDI, et aucune n’est installée.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="97"/>
        <source>This MP3 file&apos;s tag is damaged, so it cannot be played.</source>
        <translation>L’étiquette de ce fichier MP3 est endommagée : il ne peut pas être lu.</translation>
    </message>
    <message>
        <location filename="../src/platform/sdl_audio_device.cpp" line="113"/>
        <source>This sound cannot be played: %1.</source>
        <translation>Ce son ne peut pas être lu : %1.</translation>
    </message>
</context>
<context>
    <name>SoundContent</name>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="15"/>
        <source>This WAV file&apos;s format cannot be played.</source>
        <translation>Le format de ce fichier WAV ne peut pas être lu.</translation>
    </message>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="46"/>
        <source>This file is not a MIDI, WAV or MP3 sound.</source>
        <translation>Ce fichier n’est pas un son MIDI, WAV ou MP3.</translation>
    </message>
    <message>
        <location filename="../src/platform/sound_content.cpp" line="53"/>
        <source>The file cannot be read: %1.</source>
        <translation>Le fichier ne peut pas être lu : %1.</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="26"/>
        <location filename="../src/editor/sound_page.cpp" line="67"/>
        <source>Sounds</source>
        <translation>Sons</translation>
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
        <translation>Sans son</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="41"/>
        <source>Sounds (*.mid *.midi *.wav *.mp3)</source>
        <translation>Sons (*.mid *.midi *.wav *.mp3)</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="41"/>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="44"/>
        <source>Browse for a sound</source>
        <translation>Chercher un son</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="67"/>
        <source>Sound drive</source>
        <translation>Lecteur du son</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="67"/>
        <source>Sound folder</source>
        <translation>Dossier du son</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="68"/>
        <source>Sound files</source>
        <translation>Fichiers son</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="69"/>
        <source>Sound player</source>
        <translation>Lecteur de son</translation>
    </message>
    <message>
        <location filename="../src/editor/sound_page.cpp" line="152"/>
        <source>Change Sound</source>
        <translation>Modifier le son</translation>
    </message>
</context>
<context>
    <name>StationeryName</name>
    <message>
        <location filename="../src/editor/stationery_name.cpp" line="21"/>
        <source>Stationery</source>
        <translation>Papier à lettres</translation>
    </message>
</context>
<context>
    <name>TickerPage</name>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="13"/>
        <source>Ticker 1</source>
        <translation>Texte défilant 1</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="13"/>
        <source>Ticker 2</source>
        <translation>Texte défilant 2</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="14"/>
        <source>Ticker 3</source>
        <translation>Texte défilant 3</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="15"/>
        <source>Ticker 1 text</source>
        <translation>Texte défilant 1, son texte</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="15"/>
        <source>Ticker 2 text</source>
        <translation>Texte défilant 2, son texte</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="16"/>
        <source>Ticker 3 text</source>
        <translation>Texte défilant 3, son texte</translation>
    </message>
    <message>
        <location filename="../src/editor/ticker_page.cpp" line="20"/>
        <source>Ticker #%1</source>
        <translation>Texte défilant nᵒ %1</translation>
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
        <translation>Le fichier ne peut pas être lu : %1.</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="70"/>
        <source>This file is not a sound.</source>
        <translation>Ce fichier n’est pas un son.</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="72"/>
        <source>This file is not the %1 sound its name says it is.</source>
        <translation>Ce fichier n’est pas le son %1 qu’annonce son nom.</translation>
    </message>
    <message>
        <location filename="../src/platform/winmm_audio_device.cpp" line="79"/>
        <source>This sound cannot be played: %1</source>
        <translation>Ce son ne peut pas être lu : %1</translation>
    </message>
</context>
<context>
    <name>command_line</name>
    <message>
        <location filename="../src/app/command_line.cpp" line="54"/>
        <source>Try &quot;%1 --help&quot; for the usage.</source>
        <translation>Essayez « %1 --help » pour l’utilisation.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="110"/>
        <source>Makes mail stationery. Without options it opens the editor, showing FILE when one is given.</source>
        <translation>Crée du papier à lettres pour courriels. Sans option, il ouvre l’éditeur, avec FILE s’il est donné.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="117"/>
        <source>Writes FILE&apos;s stationery to OUT without opening a window.</source>
        <translation>Écrit le papier à lettres de FILE dans OUT sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="122"/>
        <source>With --export: classic, todays (for today&apos;s mail clients) or message (a message template). By default OUT&apos;s extension decides: .eml a message template, .htm or .html the classic file.</source>
        <translation>Avec --export : classic, todays (pour les logiciels de messagerie actuels) ou message (un modèle de message). Par défaut, l’extension de OUT décide : .eml un modèle de message, .htm ou .html le fichier classique.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="129"/>
        <source>Puts FILE&apos;s message template into FOLDER of the account, without a window: imaps://USER@HOST[:PORT]/FOLDER, or imap:// for STARTTLS. No FOLDER: the drafts folder.</source>
        <translation>Dépose le modèle de message de FILE dans le dossier FOLDER du compte, sans fenêtre : imaps://USER@HOST[:PORT]/FOLDER, ou imap:// pour STARTTLS. Sans FOLDER : le dossier des brouillons.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="136"/>
        <source>With --upload: the password is the first line of standard input; the keyring is not asked.</source>
        <translation>Avec --upload : le mot de passe est la première ligne de l’entrée standard ; le trousseau n’est pas consulté.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="141"/>
        <source>With --upload: accepts a certificate the system does not trust when its SHA-256 fingerprint is this one.</source>
        <translation>Avec --upload : accepte un certificat auquel le système ne fait pas confiance si son empreinte SHA-256 est celle-ci.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="151"/>
        <source>A stationery file.</source>
        <translation>Un fichier de papier à lettres.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="168"/>
        <location filename="../src/app/command_line.cpp" line="190"/>
        <source>--%1 is given more than once.</source>
        <translation>--%1 est donné plus d’une fois.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="173"/>
        <source>--upload and --export go separately.</source>
        <translation>--upload et --export s’utilisent séparément.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="177"/>
        <source>--upload takes one stationery FILE.</source>
        <translation>--upload prend un fichier de papier à lettres FILE.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="182"/>
        <source>--password-stdin and --trust-certificate go with --upload URL.</source>
        <translation>--password-stdin et --trust-certificate vont avec --upload URL.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="186"/>
        <source>--form goes with --export OUT.</source>
        <translation>--form va avec --export OUT.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="196"/>
        <source>--export takes one stationery FILE.</source>
        <translation>--export prend un fichier de papier à lettres FILE.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="201"/>
        <source>No file is named &quot;&quot;: %1 is empty.</source>
        <translation>Aucun fichier ne s’appelle « » : %1 est vide.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="208"/>
        <source>--form is classic, todays or message.</source>
        <translation>--form vaut classic, todays ou message.</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="210"/>
        <source>&quot;%1&quot; ends in neither .eml, .htm nor .html; say which form with --form.</source>
        <translation>« %1 » ne finit ni par .eml, ni par .htm, ni par .html ; indiquez la forme avec --form.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="88"/>
        <source>&quot;%1&quot; is not an account: write imaps://USER@HOST[:PORT]/FOLDER.</source>
        <translation>« %1 » n’est pas un compte : écrivez imaps://USER@HOST[:PORT]/FOLDER.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="91"/>
        <source>A password never goes on the command line: the keyring or --password-stdin gives it.</source>
        <translation>Un mot de passe ne va jamais sur la ligne de commande : le trousseau ou --password-stdin le fournit.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="110"/>
        <source>--trust-certificate takes a SHA-256 fingerprint: 64 hexadecimal digits, colons optional.</source>
        <translation>--trust-certificate prend une empreinte SHA-256 : 64 chiffres hexadécimaux, deux-points facultatifs.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="154"/>
        <source>The keyring could not be asked for the password of %1: its module could not be loaded (%2). Give the password on standard input with --password-stdin.</source>
        <translation>Le trousseau n’a pas pu être interrogé sur le mot de passe de %1 : son module n’a pas pu être chargé (%2). Donnez le mot de passe sur l’entrée standard avec --password-stdin.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="159"/>
        <source>No password for %1: save it from the window (File &gt; Put in Mail Account, &quot;Remember in the system keyring&quot;), or give it on standard input with --password-stdin.</source>
        <translation>Aucun mot de passe pour %1 : enregistrez-le depuis la fenêtre (Fichier &gt; Déposer dans le compte de messagerie, « Mémoriser dans le trousseau du système »), ou donnez-le sur l’entrée standard avec --password-stdin.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="169"/>
        <source>Put in the folder &quot;%1&quot; of %2.</source>
        <translation>Déposé dans le dossier « %1 » de %2.</translation>
    </message>
    <message>
        <location filename="../src/app/upload_command.cpp" line="177"/>
        <source> If it is your server&apos;s, give --trust-certificate %1.</source>
        <translation> Si c’est celui de votre serveur, donnez --trust-certificate %1.</translation>
    </message>
</context>
<context>
    <name>mail_account</name>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="24"/>
        <source>server name</source>
        <translation>nom du serveur</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="26"/>
        <source>user name</source>
        <translation>nom d’utilisateur</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="28"/>
        <source>password</source>
        <translation>mot de passe</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="29"/>
        <source>folder name</source>
        <translation>nom du dossier</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="37"/>
        <source> The server said: &quot;%1&quot;.</source>
        <translation> Le serveur a dit : « %1 ».</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="38"/>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="41"/>
        <source>%1 refused the user name or the password.</source>
        <translation>%1 a refusé le nom d’utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="42"/>
        <source> Gmail accepts only an app password here (made under Security in your Google account, with 2-Step Verification on). Outlook.com accounts need a sign-in method this program does not offer yet.</source>
        <translation> Gmail n’accepte ici qu’un mot de passe d’application (créé sous Sécurité dans votre compte Google, avec la validation en deux étapes activée). Les comptes Outlook.com demandent une méthode de connexion que ce programme n’offre pas encore.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="46"/>
        <source>The server &quot;%1&quot; was not found: check its name and your connection.</source>
        <translation>Le serveur « %1 » est introuvable : vérifiez son nom et votre connexion.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="49"/>
        <source>%1 refused the connection on port %2: check the port and the security.</source>
        <translation>%1 a refusé la connexion sur le port %2 : vérifiez le port et la sécurité.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="55"/>
        <source>%1 said nothing on port %2. If this port expects SSL/TLS (as port 993 does), choose SSL/TLS.</source>
        <translation>%1 n’a rien répondu sur le port %2. Si ce port attend SSL/TLS (comme le port 993), choisissez SSL/TLS.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="60"/>
        <source>%1 did not answer in time.</source>
        <translation>%1 n’a pas répondu à temps.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="62"/>
        <source>Port %1 of %2 does not start with encryption: it expects STARTTLS. Choose STARTTLS, or port 993 with SSL/TLS.</source>
        <translation>Le port %1 de %2 ne commence pas chiffré : il attend STARTTLS. Choisissez STARTTLS, ou le port 993 avec SSL/TLS.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="68"/>
        <source>%1&apos;s certificate is not one this computer trusts (SHA-256 fingerprint %2).</source>
        <translation>Cet ordinateur ne fait pas confiance au certificat de %1 (empreinte SHA-256 %2).</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="71"/>
        <source>%1 sent a different certificate from the one you trusted: its SHA-256 fingerprint is %2. Nothing was sent. Unless your provider says the certificate changed, someone may be listening in.</source>
        <translation>%1 a envoyé un autre certificat que celui auquel vous faites confiance : son empreinte SHA-256 est %2. Rien n’a été envoyé. Sauf si votre fournisseur annonce un changement de certificat, quelqu’un écoute peut-être.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="76"/>
        <source>%1 does not offer an encrypted connection on port %2, so nothing was sent, the password least of all.</source>
        <translation>%1 n’offre pas de connexion chiffrée sur le port %2 : rien n’a été envoyé, surtout pas le mot de passe.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="81"/>
        <source>The folder is not on %1.</source>
        <translation>Le dossier n’est pas sur %1.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="83"/>
        <source>The folder could not be made on %1.</source>
        <translation>Le dossier n’a pas pu être créé sur %1.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="85"/>
        <source>The account on %1 is full: delete some mail and try again.</source>
        <translation>Le compte sur %1 est plein : supprimez des courriels et réessayez.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="87"/>
        <source>The connection to %1 was lost before the message was whole, so the server kept none of it.</source>
        <translation>La connexion à %1 a été perdue avant que le message soit complet : le serveur n’en a rien gardé.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="92"/>
        <source>Cancelled: the server kept nothing.</source>
        <translation>Annulé : le serveur n’a rien gardé.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="94"/>
        <source>An earlier copy of this stationery is in the folder &quot;%1&quot;.</source>
        <translation>Une copie précédente de ce papier à lettres est dans le dossier « %1 ».</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="100"/>
        <source>The %1 holds a line break or another control character, which cannot be sent to a mail server: type it again. Nothing was sent.</source>
        <translation>Le champ « %1 » contient un saut de ligne ou un autre caractère de contrôle, qui ne peut pas être envoyé à un serveur de messagerie : saisissez-le à nouveau. Rien n’a été envoyé.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="104"/>
        <source>The message could not be made, so the server kept nothing: %1</source>
        <translation>Le message n’a pas pu être créé : le serveur n’a rien gardé : %1</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="108"/>
        <source>The message could not be put on %1: %2</source>
        <translation>Le message n’a pas pu être déposé sur %1 : %2</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="123"/>
        <source>The connection to %1 was lost after the whole message was sent, before the server said whether it kept it. Look in the folder &quot;%2&quot; before you try again.</source>
        <translation>La connexion à %1 a été perdue après l’envoi du message entier, avant que le serveur dise s’il l’a gardé. Regardez dans le dossier « %2 » avant de réessayer.</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="131"/>
        <source>Too late to cancel: the stationery is already in the folder &quot;%1&quot;.</source>
        <translation>Trop tard pour annuler : le papier à lettres est déjà dans le dossier « %1 ».</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="134"/>
        <source>The stationery is in the folder &quot;%1&quot;, but the earlier copy could not be taken out: %2</source>
        <translation>Le papier à lettres est dans le dossier « %1 », mais la copie précédente n’a pas pu être retirée : %2</translation>
    </message>
    <message>
        <location filename="../src/mail_account/failure_words.cpp" line="137"/>
        <source>The stationery is in the folder &quot;%1&quot;, but could not be marked as a draft: %2</source>
        <translation>Le papier à lettres est dans le dossier « %1 », mais n’a pas pu être marqué comme brouillon : %2</translation>
    </message>
</context>
<context>
    <name>platform::DesktopMailClient</name>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="57"/>
        <source>%1 could not be started (%2): %3</source>
        <translation>%1 n’a pas pu être lancé (%2) : %3</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="71"/>
        <source>it ended with status %1</source>
        <translation>il s’est terminé avec le code %1</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="74"/>
        <source>it crashed</source>
        <translation>il a planté</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="76"/>
        <source>%1 did not open the message: %2</source>
        <translation>%1 n’a pas ouvert le message : %2</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="106"/>
        <source>%1&apos;s desktop file (%2) has no command line that can be used</source>
        <translation>le fichier de bureau de %1 (%2) n’a pas de ligne de commande utilisable</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="109"/>
        <source>%1 cannot open a message file given to it. File &gt; Put in Mail Account puts the stationery in your account&apos;s Templates folder, which %1 shows</source>
        <translation>%1 ne peut pas ouvrir un fichier de message qu&apos;on lui passe. Fichier &gt; Déposer dans le compte de messagerie met le papier à lettres dans le dossier « Modèles » de votre compte, que %1 affiche</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="117"/>
        <source>no application is set to open e-mail messages (message/rfc822) on this desktop</source>
        <translation>aucune application n’est définie pour ouvrir les courriels (message/rfc822) sur ce bureau</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="122"/>
        <source>the desktop&apos;s mail program</source>
        <translation>le logiciel de messagerie du bureau</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="125"/>
        <source>the mail program</source>
        <translation>le logiciel de messagerie</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client.cpp" line="127"/>
        <source>the system has no program for e-mail messages (.eml)</source>
        <translation>le système n’a aucun programme pour les courriels (.eml)</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client_windows.cpp" line="48"/>
        <source>no program is set to open e-mail messages (.eml) on this computer</source>
        <translation>aucun programme n’est défini pour ouvrir les courriels (.eml) sur cet ordinateur</translation>
    </message>
    <message>
        <location filename="../src/platform/mail_client_windows.cpp" line="65"/>
        <source>%1 could not be started (%2)</source>
        <translation>%1 n’a pas pu être lancé (%2)</translation>
    </message>
</context>
<context>
    <name>platform::DesktopUrlOpener</name>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="21"/>
        <source>%1 could not be started: %2</source>
        <translation>%1 n’a pas pu être lancé : %2</translation>
    </message>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="33"/>
        <source>the opener ended with status %1</source>
        <translation>le programme d’ouverture s’est terminé avec le code %1</translation>
    </message>
    <message>
        <location filename="../src/platform/url_opener.cpp" line="43"/>
        <source>the system has no program for web pages</source>
        <translation>le système n’a aucun programme pour les pages web</translation>
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
        <translation>Aucun disque</translation>
    </message>
</context>
<context>
    <name>platform::LoadedAudioDevice</name>
    <message>
        <location filename="../src/platform/loaded_audio_device.cpp" line="28"/>
        <source>The sound module could not be loaded (%1).</source>
        <translation>Le module de son n’a pas pu être chargé (%1).</translation>
    </message>
</context>
<context>
    <name>platform::MediaControl</name>
    <message>
        <location filename="../src/platform/media_control.cpp" line="26"/>
        <location filename="../src/platform/media_control.cpp" line="82"/>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <location filename="../src/platform/media_control.cpp" line="27"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../src/platform/media_control.cpp" line="28"/>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
</context>
</TS>
