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
</TS>
