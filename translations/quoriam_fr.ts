<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>Quoriam icon</source>
        <translation>Icône de Quoriam</translation>
    </message>
    <message>
        <source>: </source>
        <comment>between a heading and its value: &quot;Fax From: Ann&quot;</comment>
        <translation>&#xa0;: </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>Object required</source>
        <translation>Objet requis</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Cet objet ne gère pas cette propriété ou cette méthode</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Erreur d’exécution &apos;%1&apos;&#xa0;:

%2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Quoriam</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Incoming Fax</source>
        <translation>Fax &amp;entrant</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Quoriam-The Only Fake Fax Creator Program</source>
        <translation>Quoriam – le seul créateur de faux fax</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Incoming Fax</source>
        <translation>Fax entrant</translation>
    </message>
    <message>
        <source>Time Sent:</source>
        <translation>Envoyé&#xa0;:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Message&#xa0;:</translation>
    </message>
    <message>
        <source>Fax To:</source>
        <translation>Pour&#xa0;:</translation>
    </message>
    <message>
        <source>Fax From:</source>
        <translation>De&#xa0;:</translation>
    </message>
</context>
<context>
    <name>FormAbout</name>
    <message>
        <source>Quoriam sends a fax that never was.  Say who it is from, who it is for and what it says, pick a delay, and watch it arrive.  Fool your friends kindly!</source>
        <translation>Quoriam envoie un fax qui n’a jamais existé.  Dites de qui il vient, pour qui il est et ce qu’il dit, choisissez un délai et regardez-le arriver.  Piégez vos amis gentiment&#xa0;!</translation>
    </message>
    <message>
        <source>Quoriam-The Only Fake Fax Creator Program</source>
        <translation>Quoriam – le seul créateur de faux fax</translation>
    </message>
    <message>
        <source>Quoriam About</source>
        <translation>À propos de Quoriam</translation>
    </message>
</context>
<context>
    <name>FormNew</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Fake Person</source>
        <translation>Jean Dupont</translation>
    </message>
    <message>
        <source>Fake Fax Setup</source>
        <translation>Préparation du faux fax</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Main Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Most Likely You</source>
        <translation>Sans doute vous</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Receive Fax In</source>
        <translation>Recevoir dans</translation>
    </message>
    <message>
        <source>Fake Sent Time:</source>
        <translation>Heure d’envoi&#xa0;:</translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation>Heure actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Message&#xa0;:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À&#xa0;:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De&#xa0;:</translation>
    </message>
    <message>
        <source>Quoriam-Fake Fax Creator</source>
        <translation>Quoriam – Créateur de faux fax</translation>
    </message>
    <message>
        <source>Must be 0 or more</source>
        <translation>Doit être 0 ou plus</translation>
    </message>
    <message>
        <source>Yaaaaa hooooooo, yup, he does!!!</source>
        <translation>Ouaaaais youhouuuuu, eh oui, c’est lui&#xa0;!!!</translation>
    </message>
    <message>
        <source>Delay must be at most %1 seconds</source>
        <translation>Le délai doit être d’au plus %1 secondes</translation>
    </message>
    <message>
        <source>Delay must be at least %1 seconds</source>
        <translation>Le délai doit être d’au moins %1 secondes</translation>
    </message>
    <message>
        <source>Delay must be a number of seconds</source>
        <translation>Le délai doit être un nombre de secondes</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>cannot start on the X display &quot;%1&quot; named by -display; name a running X server that this user may use.</source>
        <translation>impossible de démarrer sur l’écran X &quot;%1&quot; indiqué par -display&#xa0;; indiquez un serveur X en marche que cet utilisateur peut utiliser.</translation>
    </message>
    <message>
        <source>cannot start on an X display (DISPLAY is not set); start it in a desktop session, or set DISPLAY to a running X server that this user may use.</source>
        <translation>impossible de démarrer sur un écran X (DISPLAY n’est pas défini)&#xa0;; lancez le programme dans une session de bureau, ou donnez à DISPLAY un serveur X en marche que cet utilisateur peut utiliser.</translation>
    </message>
    <message>
        <source>cannot start on the X display &quot;%1&quot;; start it in a desktop session, or set DISPLAY to a running X server that this user may use.</source>
        <translation>impossible de démarrer sur l’écran X &quot;%1&quot;&#xa0;; lancez le programme dans une session de bureau, ou donnez à DISPLAY un serveur X en marche que cet utilisateur peut utiliser.</translation>
    </message>
    <message>
        <source>cannot start on the Wayland display &quot;%1&quot;; start it in a desktop session, or set WAYLAND_DISPLAY to a running Wayland compositor.</source>
        <translation>impossible de démarrer sur l’écran Wayland &quot;%1&quot;&#xa0;; lancez le programme dans une session de bureau, ou donnez à WAYLAND_DISPLAY un compositeur Wayland en marche.</translation>
    </message>
    <message>
        <source>cannot start on the X display &quot;%1&quot; or the Wayland display &quot;%2&quot;; start it in a desktop session, or set DISPLAY to a running X server that this user may use.</source>
        <translation>impossible de démarrer sur l’écran X &quot;%1&quot; ni sur l’écran Wayland &quot;%2&quot;&#xa0;; lancez le programme dans une session de bureau, ou donnez à DISPLAY un serveur X en marche que cet utilisateur peut utiliser.</translation>
    </message>
    <message>
        <source>cannot start: Qt has no platform &quot;%1&quot; here (named by %2); name xcb (X11) or wayland instead, or none.</source>
        <translation>impossible de démarrer&#xa0;: Qt n’a pas de plateforme &quot;%1&quot; ici (indiquée par %2)&#xa0;; indiquez plutôt xcb (X11) ou wayland, ou aucune.</translation>
    </message>
    <message>
        <source>cannot start on the Qt platform &quot;%1&quot;: it could not be initialised (QT_DEBUG_PLUGINS=1 shows Qt&apos;s reasons).</source>
        <translation>impossible de démarrer sur la plateforme Qt &quot;%1&quot;&#xa0;: elle n’a pas pu être initialisée (QT_DEBUG_PLUGINS=1 montre les raisons de Qt).</translation>
    </message>
    <message>
        <source>cannot start on the Qt platform &quot;%1&quot;: %2.</source>
        <translation>impossible de démarrer sur la plateforme Qt &quot;%1&quot;&#xa0;: %2.</translation>
    </message>
    <message>
        <source>cannot start on the Qt platform &quot;%1&quot;: it finds no screen (QT_DEBUG_PLUGINS=1 shows Qt&apos;s reasons).</source>
        <translation>impossible de démarrer sur la plateforme Qt &quot;%1&quot;&#xa0;: elle ne trouve aucun écran (QT_DEBUG_PLUGINS=1 montre les raisons de Qt).</translation>
    </message>
    <message>
        <source>cannot start: Qt&apos;s platform plugin could not be loaded; reinstall Quoriam, or its Qt libraries.</source>
        <translation>impossible de démarrer&#xa0;: le module de plateforme de Qt n’a pas pu être chargé&#xa0;; réinstallez Quoriam, ou ses bibliothèques Qt.</translation>
    </message>
</context>
<context>
    <name>TextBoxes</name>
    <message>
        <source>1 character did not fit and was left out: a box holds at most %1 characters.</source>
        <translation>1 caractère ne tenait pas et a été omis&#xa0;: une zone de texte contient au plus %1 caractères.</translation>
    </message>
    <message>
        <source>%1 characters did not fit and were left out: a box holds at most %2 characters.</source>
        <translation>%1 caractères ne tenaient pas et ont été omis&#xa0;: une zone de texte contient au plus %2 caractères.</translation>
    </message>
</context>
</TS>
