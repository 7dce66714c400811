<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>Quoriam icon</source>
        <translation>Icono de Quoriam</translation>
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
        <translation>Llamada a procedimiento o argumento no válidos</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>Object required</source>
        <translation>Se requiere un objeto</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>El objeto no admite esta propiedad o método</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Se ha producido el error &apos;%1&apos; en tiempo de ejecución:

%2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Quoriam</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Incoming Fax</source>
        <translation>Fax &amp;entrante</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Quoriam-The Only Fake Fax Creator Program</source>
        <translation>Quoriam: el único creador de faxes falsos</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Incoming Fax</source>
        <translation>Fax entrante</translation>
    </message>
    <message>
        <source>Time Sent:</source>
        <translation>Enviado:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Mensaje:</translation>
    </message>
    <message>
        <source>Fax To:</source>
        <translation>Para:</translation>
    </message>
    <message>
        <source>Fax From:</source>
        <translation>De:</translation>
    </message>
</context>
<context>
    <name>FormAbout</name>
    <message>
        <source>Quoriam sends a fax that never was.  Say who it is from, who it is for and what it says, pick a delay, and watch it arrive.  Fool your friends kindly!</source>
        <translation>Quoriam envía un fax que nunca existió.  Di de quién es, para quién es y qué dice, elige una espera y míralo llegar.  ¡Gasta bromas a tus amigos con cariño!</translation>
    </message>
    <message>
        <source>Quoriam-The Only Fake Fax Creator Program</source>
        <translation>Quoriam: el único creador de faxes falsos</translation>
    </message>
    <message>
        <source>Quoriam About</source>
        <translation>Acerca de Quoriam</translation>
    </message>
</context>
<context>
    <name>FormNew</name>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Fake Person</source>
        <translation>Fulano de Tal</translation>
    </message>
    <message>
        <source>Fake Fax Setup</source>
        <translation>Preparar un fax falso</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Main Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Most Likely You</source>
        <translation>Seguramente tú</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Receive Fax In</source>
        <translation>Recibir fax en</translation>
    </message>
    <message>
        <source>Fake Sent Time:</source>
        <translation>Hora de envío:</translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation>Hora actual:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Mensaje:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
    </message>
    <message>
        <source>Quoriam-Fake Fax Creator</source>
        <translation>Quoriam: creador de faxes falsos</translation>
    </message>
    <message>
        <source>Must be 0 or more</source>
        <translation>Debe ser 0 o más</translation>
    </message>
    <message>
        <source>Yaaaaa hooooooo, yup, he does!!!</source>
        <translation>¡¡¡Yujuuuuu, síííí, así es!!!</translation>
    </message>
    <message>
        <source>Delay must be at most %1 seconds</source>
        <translation>La espera debe ser de %1 segundos como máximo</translation>
    </message>
    <message>
        <source>Delay must be at least %1 seconds</source>
        <translation>La espera debe ser de %1 segundos como mínimo</translation>
    </message>
    <message>
        <source>Delay must be a number of seconds</source>
        <translation>La espera debe ser un número de segundos</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>cannot start on the X display &quot;%1&quot; named by -display; name a running X server that this user may use.</source>
        <translation>no se puede iniciar en la pantalla X &quot;%1&quot; indicada con -display; indica un servidor X en marcha que este usuario pueda usar.</translation>
    </message>
    <message>
        <source>cannot start on an X display (DISPLAY is not set); start it in a desktop session, or set DISPLAY to a running X server that this user may use.</source>
        <translation>no se puede iniciar en una pantalla X (DISPLAY no está definida); inícialo en una sesión de escritorio o define DISPLAY con un servidor X en marcha que este usuario pueda usar.</translation>
    </message>
    <message>
        <source>cannot start on the X display &quot;%1&quot;; start it in a desktop session, or set DISPLAY to a running X server that this user may use.</source>
        <translation>no se puede iniciar en la pantalla X &quot;%1&quot;; inícialo en una sesión de escritorio o define DISPLAY con un servidor X en marcha que este usuario pueda usar.</translation>
    </message>
    <message>
        <source>cannot start on the Wayland display &quot;%1&quot;; start it in a desktop session, or set WAYLAND_DISPLAY to a running Wayland compositor.</source>
        <translation>no se puede iniciar en la pantalla Wayland &quot;%1&quot;; inícialo en una sesión de escritorio o define WAYLAND_DISPLAY con un compositor Wayland en marcha.</translation>
    </message>
    <message>
        <source>cannot start on the X display &quot;%1&quot; or the Wayland display &quot;%2&quot;; start it in a desktop session, or set DISPLAY to a running X server that this user may use.</source>
        <translation>no se puede iniciar en la pantalla X &quot;%1&quot; ni en la pantalla Wayland &quot;%2&quot;; inícialo en una sesión de escritorio o define DISPLAY con un servidor X en marcha que este usuario pueda usar.</translation>
    </message>
    <message>
        <source>cannot start: Qt has no platform &quot;%1&quot; here (named by %2); name xcb (X11) or wayland instead, or none.</source>
        <translation>no se puede iniciar: Qt no tiene aquí la plataforma &quot;%1&quot; (indicada con %2); indica xcb (X11) o wayland en su lugar, o ninguna.</translation>
    </message>
    <message>
        <source>cannot start on the Qt platform &quot;%1&quot;: it could not be initialised (QT_DEBUG_PLUGINS=1 shows Qt&apos;s reasons).</source>
        <translation>no se puede iniciar en la plataforma Qt &quot;%1&quot;: no se pudo inicializar (QT_DEBUG_PLUGINS=1 muestra los motivos de Qt).</translation>
    </message>
    <message>
        <source>cannot start on the Qt platform &quot;%1&quot;: %2.</source>
        <translation>no se puede iniciar en la plataforma Qt &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>cannot start on the Qt platform &quot;%1&quot;: it finds no screen (QT_DEBUG_PLUGINS=1 shows Qt&apos;s reasons).</source>
        <translation>no se puede iniciar en la plataforma Qt &quot;%1&quot;: no encuentra ninguna pantalla (QT_DEBUG_PLUGINS=1 muestra los motivos de Qt).</translation>
    </message>
    <message>
        <source>cannot start: Qt&apos;s platform plugin could not be loaded; reinstall Quoriam, or its Qt libraries.</source>
        <translation>no se puede iniciar: no se pudo cargar el complemento de plataforma de Qt; reinstala Quoriam o sus bibliotecas Qt.</translation>
    </message>
</context>
<context>
    <name>TextBoxes</name>
    <message>
        <source>1 character did not fit and was left out: a box holds at most %1 characters.</source>
        <translation>1 carácter no cabía y se ha omitido: un cuadro de texto admite como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>%1 characters did not fit and were left out: a box holds at most %2 characters.</source>
        <translation>%1 caracteres no cabían y se han omitido: un cuadro de texto admite como máximo %2 caracteres.</translation>
    </message>
</context>
</TS>
