<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>Quoriam icon</source>
        <translation>Quoriam-Symbol</translation>
    </message>
    <message>
        <source>: </source>
        <comment>between a heading and its value: &quot;Fax From: Ann&quot;</comment>
        <translation>: </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Unzulässiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Object required</source>
        <translation>Objekt erforderlich</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Objekt unterstützt diese Eigenschaft oder Methode nicht</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Quoriam</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Incoming Fax</source>
        <translation>&amp;Eingehendes Fax</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Quoriam-The Only Fake Fax Creator Program</source>
        <translation>Quoriam – das einzige Programm für gefälschte Faxe</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Incoming Fax</source>
        <translation>Eingehendes Fax</translation>
    </message>
    <message>
        <source>Time Sent:</source>
        <translation>Gesendet:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message>
        <source>Fax To:</source>
        <translation>Fax an:</translation>
    </message>
    <message>
        <source>Fax From:</source>
        <translation>Fax von:</translation>
    </message>
</context>
<context>
    <name>FormAbout</name>
    <message>
        <source>Quoriam sends a fax that never was.  Say who it is from, who it is for and what it says, pick a delay, and watch it arrive.  Fool your friends kindly!</source>
        <translation>Quoriam schickt ein Fax, das es nie gab.  Absender, Empfänger und Text eingeben, Wartezeit wählen, zusehen, wie es ankommt.  Foppen Sie Ihre Freunde nett!</translation>
    </message>
    <message>
        <source>Quoriam-The Only Fake Fax Creator Program</source>
        <translation>Quoriam – das einzige Programm für gefälschte Faxe</translation>
    </message>
    <message>
        <source>Quoriam About</source>
        <translation>Über Quoriam</translation>
    </message>
</context>
<context>
    <name>FormNew</name>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Fake Person</source>
        <translation>Max Mustermann</translation>
    </message>
    <message>
        <source>Fake Fax Setup</source>
        <translation>Gefälschtes Fax einrichten</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Main Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Most Likely You</source>
        <translation>Vermutlich Sie</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Receive Fax In</source>
        <translation>Fax empfangen in</translation>
    </message>
    <message>
        <source>Fake Sent Time:</source>
        <translation>Falsche Sendezeit:</translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation>Aktuelle Zeit:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>An:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>Quoriam-Fake Fax Creator</source>
        <translation>Quoriam – Fax-Fälscher</translation>
    </message>
    <message>
        <source>Must be 0 or more</source>
        <translation>Muss 0 oder mehr sein</translation>
    </message>
    <message>
        <source>Yaaaaa hooooooo, yup, he does!!!</source>
        <translation>Jaaaaa huuuuuu, jawoll, das tut er!!!</translation>
    </message>
    <message>
        <source>Delay must be at most %1 seconds</source>
        <translation>Die Wartezeit darf höchstens %1 Sekunden betragen</translation>
    </message>
    <message>
        <source>Delay must be at least %1 seconds</source>
        <translation>Die Wartezeit muss mindestens %1 Sekunden betragen</translation>
    </message>
    <message>
        <source>Delay must be a number of seconds</source>
        <translation>Die Wartezeit muss eine Zahl von Sekunden sein</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>cannot start on the X display &quot;%1&quot; named by -display; name a running X server that this user may use.</source>
        <translation>Start auf dem X-Display &quot;%1&quot; (mit -display angegeben) nicht möglich; geben Sie einen laufenden X-Server an, den dieser Benutzer verwenden darf.</translation>
    </message>
    <message>
        <source>cannot start on an X display (DISPLAY is not set); start it in a desktop session, or set DISPLAY to a running X server that this user may use.</source>
        <translation>Start auf einem X-Display nicht möglich (DISPLAY ist nicht gesetzt); starten Sie das Programm in einer Desktop-Sitzung oder setzen Sie DISPLAY auf einen laufenden X-Server, den dieser Benutzer verwenden darf.</translation>
    </message>
    <message>
        <source>cannot start on the X display &quot;%1&quot;; start it in a desktop session, or set DISPLAY to a running X server that this user may use.</source>
        <translation>Start auf dem X-Display &quot;%1&quot; nicht möglich; starten Sie das Programm in einer Desktop-Sitzung oder setzen Sie DISPLAY auf einen laufenden X-Server, den dieser Benutzer verwenden darf.</translation>
    </message>
    <message>
        <source>cannot start on the Wayland display &quot;%1&quot;; start it in a desktop session, or set WAYLAND_DISPLAY to a running Wayland compositor.</source>
        <translation>Start auf dem Wayland-Display &quot;%1&quot; nicht möglich; starten Sie das Programm in einer Desktop-Sitzung oder setzen Sie WAYLAND_DISPLAY auf einen laufenden Wayland-Compositor.</translation>
    </message>
    <message>
        <source>cannot start on the X display &quot;%1&quot; or the Wayland display &quot;%2&quot;; start it in a desktop session, or set DISPLAY to a running X server that this user may use.</source>
        <translation>Start auf dem X-Display &quot;%1&quot; oder dem Wayland-Display &quot;%2&quot; nicht möglich; starten Sie das Programm in einer Desktop-Sitzung oder setzen Sie DISPLAY auf einen laufenden X-Server, den dieser Benutzer verwenden darf.</translation>
    </message>
    <message>
        <source>cannot start: Qt has no platform &quot;%1&quot; here (named by %2); name xcb (X11) or wayland instead, or none.</source>
        <translation>Start nicht möglich: Qt hat hier keine Plattform &quot;%1&quot; (angegeben mit %2); geben Sie stattdessen xcb (X11) oder wayland an, oder keine.</translation>
    </message>
    <message>
        <source>cannot start on the Qt platform &quot;%1&quot;: it could not be initialised (QT_DEBUG_PLUGINS=1 shows Qt&apos;s reasons).</source>
        <translation>Start auf der Qt-Plattform &quot;%1&quot; nicht möglich: Sie ließ sich nicht initialisieren (QT_DEBUG_PLUGINS=1 zeigt die Gründe von Qt).</translation>
    </message>
    <message>
        <source>cannot start on the Qt platform &quot;%1&quot;: %2.</source>
        <translation>Start auf der Qt-Plattform &quot;%1&quot; nicht möglich: %2.</translation>
    </message>
    <message>
        <source>cannot start on the Qt platform &quot;%1&quot;: it finds no screen (QT_DEBUG_PLUGINS=1 shows Qt&apos;s reasons).</source>
        <translation>Start auf der Qt-Plattform &quot;%1&quot; nicht möglich: Sie findet keinen Bildschirm (QT_DEBUG_PLUGINS=1 zeigt die Gründe von Qt).</translation>
    </message>
    <message>
        <source>cannot start: Qt&apos;s platform plugin could not be loaded; reinstall Quoriam, or its Qt libraries.</source>
        <translation>Start nicht möglich: Das Plattform-Plugin von Qt ließ sich nicht laden; installieren Sie Quoriam oder seine Qt-Bibliotheken neu.</translation>
    </message>
</context>
<context>
    <name>TextBoxes</name>
    <message>
        <source>1 character did not fit and was left out: a box holds at most %1 characters.</source>
        <translation>1 Zeichen passte nicht hinein und wurde weggelassen: Ein Feld fasst höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>%1 characters did not fit and were left out: a box holds at most %2 characters.</source>
        <translation>%1 Zeichen passten nicht hinein und wurden weggelassen: Ein Feld fasst höchstens %2 Zeichen.</translation>
    </message>
</context>
</TS>
