<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BusRefusal</name>
    <message>
        <source>this Tessaly has no %1 property; it may be an older version</source>
        <translation>este Tessaly no tiene la propiedad %1; puede que sea una versión anterior</translation>
    </message>
    <message>
        <source>%1 MHz is outside the band in use, %2 MHz</source>
        <translation>%1 MHz está fuera de la banda en uso, %2 MHz</translation>
    </message>
    <message>
        <source>the session bus did not answer within %1 s; it may be stuck, so Tessaly cannot be reached (see --timeout)</source>
        <translation>el bus de sesión no respondió en %1 s; puede estar bloqueado, así que no se puede llegar a Tessaly (vea --timeout)</translation>
    </message>
    <message>
        <source>Tessaly is not running and could not be started (%1); start it with &apos;tessaly --background&apos;, or &apos;tessaly --headless&apos; without a display</source>
        <translation>Tessaly no se está ejecutando y no se pudo iniciar (%1); inícielo con &apos;tessaly --background&apos;, o con &apos;tessaly --headless&apos; si no hay pantalla</translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s; it may be busy or stopped, and the command may still take effect (see --timeout)</source>
        <translation>Tessaly no respondió en %1 s; puede estar ocupado o detenido, y el comando aún puede surtir efecto (vea --timeout)</translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s; it may be busy or stopped (see --timeout)</source>
        <translation>Tessaly no respondió en %1 s; puede estar ocupado o detenido (vea --timeout)</translation>
    </message>
    <message>
        <source>this Tessaly has no %1 method; it may be an older version</source>
        <translation>este Tessaly no tiene el método %1; puede que sea una versión anterior</translation>
    </message>
    <message>
        <source>the transmitter did not take the change</source>
        <translation>el transmisor no aceptó el cambio</translation>
    </message>
    <message>
        <source>the transmitter did not take the change (%1)</source>
        <translation>el transmisor no aceptó el cambio (%1)</translation>
    </message>
    <message>
        <source>this Tessaly runs without windows (headless), so there is none to show</source>
        <translation>este Tessaly se ejecuta sin ventanas (headless), así que no hay ninguna que mostrar</translation>
    </message>
    <message>
        <source>the favourites are full; remove one first</source>
        <translation>no caben más favoritas; quite una primero</translation>
    </message>
    <message>
        <source>the favourites are full; remove one first (%1)</source>
        <translation>no caben más favoritas; quite una primero (%1)</translation>
    </message>
    <message>
        <source>%1 MHz is not a favourite</source>
        <translation>%1 MHz no es una favorita</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Keys:
Type a frequency, such as 88.1, then Enter: tune to it
Space: press the focused button; held on an arrow, keep stepping
Tab, Shift+Tab: move between the controls
Arrows, Page Up, Page Down, Home, End: move a focused slider
Alt+Space or a right click: the window&apos;s menu
Enter, Escape: close the window</source>
        <translation>Teclas:
Escribir una frecuencia, como 88.1, y luego Intro: sintonizarla
Espacio: pulsar el botón con el foco; mantenido sobre una flecha, seguir avanzando
Tab, Mayús+Tab: pasar de un control a otro
Flechas, Re Pág, Av Pág, Inicio, Fin: mover el control deslizante con el foco
Alt+Espacio o clic derecho: menú de la ventana
Intro, Esc: cerrar la ventana</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>Acerca de Corvane</translation>
    </message>
    <message>
        <source>Corvane Beta 1.1.1</source>
        <extracomment>The program&apos;s name and version</extracomment>
        <translation>Corvane Beta 1.1.1</translation>
    </message>
    <message>
        <source>Sends your computer&apos;s sound to a nearby FM radio.</source>
        <translation>Envía el sonido de su equipo a una radio FM cercana.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CFrequencyReadout</name>
    <message>
        <source>NO TRANSMITTER</source>
        <extracomment>On the display above the frequency, in capitals where the language has them; keep it short</extracomment>
        <translation>SIN TRANSMISOR</translation>
    </message>
    <message>
        <source>NO PERMISSION</source>
        <extracomment>On the display above the frequency, in capitals where the language has them; keep it short</extracomment>
        <translation>SIN PERMISO</translation>
    </message>
    <message>
        <source>install 70-tessaly.rules, then replug</source>
        <extracomment>On the display below the frequency: the fix for NO PERMISSION; keep it short</extracomment>
        <translation>instale 70-tessaly.rules y reconecte</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency: %1 is its number in MHz, with two decimals</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>The transmitter did not take the last change (write failed at %1).</source>
        <extracomment>%1 is the time of day</extracomment>
        <translation>El transmisor no aceptó el último cambio (fallo de escritura a las %1).</translation>
    </message>
    <message>
        <source>Off air</source>
        <translation>Fuera del aire</translation>
    </message>
    <message>
        <source>Plug the transmitter in; %1 goes out once it is connected.</source>
        <extracomment>%1 is a frequency, such as 88.10 MHz</extracomment>
        <translation>Conecte el transmisor; %1 se emitirá en cuanto esté conectado.</translation>
    </message>
    <message>
        <source>No transmitter</source>
        <translation>Sin transmisor</translation>
    </message>
    <message>
        <source>No permission for the transmitter</source>
        <translation>Sin permiso para el transmisor</translation>
    </message>
    <message>
        <source>The transmitter is plugged in, but this user may not use it. Install the udev rule 70-tessaly.rules into /usr/lib/udev/rules.d/ (the package does), then unplug the transmitter and plug it in again.</source>
        <translation>El transmisor está conectado, pero este usuario no puede usarlo. Instale la regla udev 70-tessaly.rules en /usr/lib/udev/rules.d/ (el paquete ya lo hace), luego desconecte el transmisor y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <extracomment>What a screen reader says while a frequency is typed: %1 is what was typed so far, such as 88.1</extracomment>
        <translation>Entrada %1</translation>
    </message>
</context>
<context>
    <name>CHearingDlg</name>
    <message>
        <source>Check again</source>
        <translation>Volver a comprobar</translation>
    </message>
    <message>
        <source>Why can&apos;t I hear it?</source>
        <translation>¿Por qué no se oye?</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>From the transmitter to the sound, in order</source>
        <translation>Del transmisor al sonido, en orden</translation>
    </message>
    <message>
        <source>Checks every link and measures the sound going into the transmitter for up to 2 seconds</source>
        <translation>Comprueba cada punto y mide el sonido que entra al transmisor durante hasta 2 segundos</translation>
    </message>
    <message>
        <source>Checking, and listening to the sound for up to 2 seconds…</source>
        <translation>Comprobando y escuchando el sonido durante hasta 2 segundos…</translation>
    </message>
    <message>
        <source>Mend this first: %1</source>
        <translation>Corrija esto primero: %1</translation>
    </message>
    <message>
        <source>Every link holds: tune the radio to the transmitter&apos;s frequency.</source>
        <translation>Todo está en orden: sintonice la radio en la frecuencia del transmisor.</translation>
    </message>
    <message>
        <source>Every link checked holds; &quot;Check again&quot; measures the sound too.</source>
        <translation>Todo lo comprobado está en orden; &quot;Volver a comprobar&quot; también mide el sonido.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the hearing check: its verdict (%1, as &quot;OK&quot;), then what it found (%2)</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CMainPanel</name>
    <message>
        <source>PA-VALUE</source>
        <extracomment>The transmit power, as the slider&apos;s label reads</extracomment>
        <translation>PA-VALUE</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>TX-GAIN</source>
        <extracomment>The transmitter&apos;s input gain, as the slider&apos;s label reads</extracomment>
        <translation>TX-GAIN</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>The button that closes the settings window</extracomment>
        <translation>LISTO</translation>
    </message>
</context>
<context>
    <name>CTransmitterDlg</name>
    <message>
        <source>Play &amp;sound through the transmitter</source>
        <translation>Enviar el sonido al &amp;transmisor</translation>
    </message>
    <message>
        <source>&amp;Control from a phone…</source>
        <translation>&amp;Controlar desde un teléfono…</translation>
    </message>
    <message>
        <source>&amp;Why can&apos;t I hear it?</source>
        <translation>¿&amp;Por qué no se oye?</translation>
    </message>
    <message>
        <source>Tessaly</source>
        <extracomment>The program&apos;s name, as its windows&apos; title</extracomment>
        <translation>Tessaly</translation>
    </message>
    <message>
        <source>Play &amp;sound through the transmitter (on, but %1; choose to put it back)</source>
        <extracomment>%1 says where the sound plays instead, as the sound settings have it</extracomment>
        <translation>Enviar el sonido al &amp;transmisor (activado, pero %1; elíjalo para restablecerlo)</translation>
    </message>
    <message>
        <source>The transmitter&apos;s sound card was not found: the computer&apos;s sound keeps playing where it did.</source>
        <translation>No se encontró la tarjeta de sonido del transmisor: el sonido del equipo sigue saliendo por donde salía.</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>Tessaly</source>
        <extracomment>The program&apos;s name, the tray icon&apos;s tip until it has the transmitter&apos;s state</extracomment>
        <translation>Tessaly</translation>
    </message>
</context>
<context>
    <name>CTypedEntry</name>
    <message>
        <source>%1: only %2 to %3 in %4 MHz steps</source>
        <extracomment>%1 is the frequency typed, %2 and %3 the band&apos;s ends, %4 the step in MHz, such as 0.05</extracomment>
        <translation>%1: solo de %2 a %3 en pasos de %4 MHz</translation>
    </message>
</context>
<context>
    <name>CWebControlDlg</name>
    <message>
        <source>Serve the page</source>
        <translation>Activar la página</translation>
    </message>
    <message>
        <source>Let other devices on the network reach it</source>
        <translation>Permitir el acceso desde otros dispositivos de la red</translation>
    </message>
    <message>
        <source>Let my phone reach it</source>
        <translation>Dar acceso a mi teléfono</translation>
    </message>
    <message>
        <source>Control from a phone</source>
        <translation>Controlar desde un teléfono</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>The network port the page is served on</extracomment>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>The page&apos;s web address</extracomment>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Anyone on the same network who has the code can then control the transmitter</source>
        <translation>Así, cualquiera en la misma red que tenga el código podrá controlar el transmisor</translation>
    </message>
    <message>
        <source>QR code of the address</source>
        <translation>Código QR de la dirección</translation>
    </message>
    <message>
        <source>Renew the token</source>
        <translation>Renovar el token</translation>
    </message>
    <message>
        <source>A new address: pages opened with the old one stop working</source>
        <translation>Una dirección nueva: las páginas abiertas con la anterior dejan de funcionar</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>The page is off.</source>
        <translation>La página está desactivada.</translation>
    </message>
    <message>
        <source>Only this computer may open the page: a phone cannot reach this address. Once you let it, anyone on the same network who has the code can control the transmitter.</source>
        <translation>Solo este equipo puede abrir la página: un teléfono no puede llegar a esta dirección. Si lo permite, cualquiera en la misma red que tenga el código podrá controlar el transmisor.</translation>
    </message>
    <message>
        <source>This computer has no network a phone could share: connect it to the phone&apos;s network (for example its Wi-Fi) first.</source>
        <translation>Este equipo no está en ninguna red que pueda compartir un teléfono: conéctelo primero a la red del teléfono (por ejemplo, su Wi-Fi).</translation>
    </message>
    <message>
        <source>Scan the code with a phone on the same network as this computer.</source>
        <translation>Escanee el código con un teléfono conectado a la misma red que este equipo.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two addresses in a list</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Also reachable at: %1</source>
        <translation>También accesible en: %1</translation>
    </message>
</context>
<context>
    <name>CheckText</name>
    <message>
        <source>Tessaly answers</source>
        <extracomment>tessalyctl check&apos;s first line: the program answered over the session bus</extracomment>
        <translation>Tessaly responde</translation>
    </message>
</context>
<context>
    <name>CtlClient</name>
    <message>
        <source>the web page is not served; &apos;tessalyctl web on&apos; serves it</source>
        <translation>la página web no está activa; &apos;tessalyctl web on&apos; la activa</translation>
    </message>
    <message>
        <source>there are no favourites; &apos;tessalyctl favourite add&apos; adds one</source>
        <translation>no hay favoritas; &apos;tessalyctl favourite add&apos; añade una</translation>
    </message>
    <message>
        <source>no favourite in the band in use</source>
        <translation>no hay ninguna favorita en la banda en uso</translation>
    </message>
    <message>
        <source>Tessaly is not running: start it with &apos;tessaly&apos;, or &apos;tessaly --headless&apos; where there is no desktop</source>
        <translation>Tessaly no se está ejecutando: inícielo con &apos;tessaly&apos;, o con &apos;tessaly --headless&apos; si no hay escritorio</translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s (see --timeout)</source>
        <translation>Tessaly no respondió en %1 s (vea --timeout)</translation>
    </message>
    <message>
        <source>Tessaly could not check: %1</source>
        <translation>Tessaly no pudo hacer la comprobación: %1</translation>
    </message>
    <message>
        <source>no session bus to reach Tessaly on (%1): run this inside the desktop session, or start a bus and &apos;tessaly --headless&apos; on it</source>
        <translation>no hay bus de sesión por el que llegar a Tessaly (%1): ejecute esto dentro de la sesión de escritorio, o inicie un bus y &apos;tessaly --headless&apos; en él</translation>
    </message>
    <message>
        <source>no session bus to reach Tessaly on (%1); run this inside the desktop session, or start a bus and &apos;tessaly --headless&apos; on it</source>
        <translation>no hay bus de sesión por el que llegar a Tessaly (%1); ejecute esto dentro de la sesión de escritorio, o inicie un bus y &apos;tessaly --headless&apos; en él</translation>
    </message>
    <message>
        <source>no transmitter is connected: the change is stored and goes out when one is plugged in</source>
        <translation>no hay ningún transmisor conectado: el cambio se guarda y se aplicará cuando se conecte uno</translation>
    </message>
    <message>
        <source>no sound server is running: the choice is stored and the sound is routed once one is</source>
        <translation>no hay ningún servidor de sonido en marcha: la opción se guarda y el sonido se redirigirá cuando haya uno</translation>
    </message>
</context>
<context>
    <name>CtlCommand</name>
    <message>
        <source>Try &apos;tessalyctl --help&apos;.</source>
        <translation>Pruebe &apos;tessalyctl --help&apos;.</translation>
    </message>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 admite %2, no &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 takes no value, not &apos;%2&apos;</source>
        <translation>%1 no admite ningún valor; sobra &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 takes only --json, not &apos;%2&apos;</source>
        <translation>%1 solo admite --json, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 takes one value</source>
        <translation>%1 necesita exactamente un valor</translation>
    </message>
    <message>
        <source>--json goes with status and check only</source>
        <translation>--json solo va con status y check</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Controls the running Tessaly over the session bus.</source>
        <translation>Controla el Tessaly en ejecución a través del bus de sesión.</translation>
    </message>
    <message>
        <source>With status: one JSON object keyed by property name.</source>
        <translation>Con status: un objeto JSON cuyas claves son los nombres de las propiedades.</translation>
    </message>
    <message>
        <source>How long to wait for the session bus and for Tessaly to answer (default 5).</source>
        <translation>Cuánto esperar a que respondan el bus de sesión y Tessaly (predeterminado: 5).</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>The value --timeout takes, shown as &lt;seconds&gt;</extracomment>
        <translation>segundos</translation>
    </message>
    <message>
        <source>command</source>
        <extracomment>The first word after tessalyctl, in its --help; the command words themselves stay as they are</extracomment>
        <translation>comando</translation>
    </message>
    <message>
        <source>What to do; see Commands below.</source>
        <translation>Qué hacer; vea Comandos más abajo.</translation>
    </message>
    <message>
        <source>[command [value]]</source>
        <extracomment>The synopsis; the command words themselves stay as they are</extracomment>
        <translation>[comando [valor]]</translation>
    </message>
    <message>
        <source>--timeout takes seconds above 0, such as 5 or 0.5, not &apos;%1&apos;</source>
        <extracomment>5 and 0.5 are what to type: keep the decimal point, which --timeout takes alone</extracomment>
        <translation>--timeout admite segundos mayores que 0, como 5 o 0.5, no &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CtlCommands</name>
    <message>
        <source>show every setting (the default command)</source>
        <translation>mostrar todos los ajustes (el comando predeterminado)</translation>
    </message>
    <message>
        <source>why the radio may be silent: each link from the transmitter to
the sound, ok or broken with what to do; measures the sound 2 s</source>
        <translation>por qué la radio puede estar en silencio: cada punto del transmisor
al sonido, bien o fallo y qué hacer; mide el sonido 2 s</translation>
    </message>
    <message>
        <source>go on air, off air, or the other way</source>
        <translation>salir al aire, quedar fuera del aire o alternar</translation>
    </message>
    <message>
        <source>mute or unmute the transmitted audio</source>
        <translation>silenciar o quitar el silencio del audio transmitido</translation>
    </message>
    <message>
        <source>tune to MHZ, e.g. 88.5, on the 50 kHz grid</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation>sintonizar MHZ, p. ej. 88.5, en múltiplos de 50 kHz</translation>
    </message>
    <message>
        <source>one tuning step up or down (on air only)</source>
        <translation>subir o bajar un paso de sintonía (solo al aire)</translation>
    </message>
    <message>
        <source>transmit power, the PA-VALUE slider</source>
        <translation>potencia de transmisión, el control PA-VALUE</translation>
    </message>
    <message>
        <source>audio input gain, the TX-GAIN slider</source>
        <translation>ganancia de entrada de audio, el control TX-GAIN</translation>
    </message>
    <message>
        <source>stereo or mono transmission</source>
        <translation>transmisión en estéreo o mono</translation>
    </message>
    <message>
        <source>the frequency band in MHz</source>
        <translation>la banda de frecuencias en MHz</translation>
    </message>
    <message>
        <source>the tuning step in kHz</source>
        <translation>el paso de sintonía en kHz</translation>
    </message>
    <message>
        <source>the de-emphasis in microseconds</source>
        <translation>el de-énfasis en microsegundos</translation>
    </message>
    <message>
        <source>route the desktop&apos;s sound to the transmitter</source>
        <translation>enviar el sonido del escritorio al transmisor</translation>
    </message>
    <message>
        <source>the favourite frequencies, one a line in MHz</source>
        <translation>las frecuencias favoritas, una por línea, en MHz</translation>
    </message>
    <message>
        <source>add MHZ, or the frequency in use, to the favourites</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation>añadir MHZ, o la frecuencia en uso, a las favoritas</translation>
    </message>
    <message>
        <source>remove MHZ from the favourites</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation>quitar MHZ de las favoritas</translation>
    </message>
    <message>
        <source>tune to the next favourite above or below, round</source>
        <translation>sintonizar la siguiente favorita hacia arriba o hacia abajo, en ciclo</translation>
    </message>
    <message>
        <source>go on air once a transmitter is connected after the start</source>
        <translation>salir al aire en cuanto se conecte un transmisor tras el inicio</translation>
    </message>
    <message>
        <source>start Tessaly, in the tray, when you log in</source>
        <translation>iniciar Tessaly, en la bandeja, al iniciar sesión</translation>
    </message>
    <message>
        <source>serve the web page for phones, or stop</source>
        <translation>activar o desactivar la página web para teléfonos</translation>
    </message>
    <message>
        <source>print the page&apos;s address</source>
        <translation>mostrar la dirección de la página</translation>
    </message>
    <message>
        <source>a new address; the old one stops working</source>
        <translation>una dirección nueva; la anterior deja de funcionar</translation>
    </message>
    <message>
        <source>let other devices on the network reach the page</source>
        <translation>permitir que otros dispositivos de la red accedan a la página</translation>
    </message>
    <message>
        <source>the page&apos;s port</source>
        <translation>el puerto de la página</translation>
    </message>
    <message>
        <source>show and raise the main window</source>
        <translation>mostrar la ventana principal y traerla al frente</translation>
    </message>
    <message>
        <source>Exit status:
  0  done
  1  Tessaly refused the request or failed to carry it out
  2  usage error or bad value; nothing was sent
  3  Tessaly is not running and could not be started, or the session bus did not answer
  4  Tessaly did not answer in time (see --timeout); the command may still take effect
  check: 0 when every link holds, 1 when one is broken, also when Tessaly is not running or does
  not answer within %1 s (or --timeout)
</source>
        <translation>Códigos de salida:
  0  hecho
  1  Tessaly rechazó la petición o no pudo llevarla a cabo
  2  error de uso o valor incorrecto; no se envió nada
  3  Tessaly no se está ejecutando y no se pudo iniciar, o el bus de sesión no respondió
  4  Tessaly no respondió a tiempo (vea --timeout); el comando aún puede surtir efecto
  check: 0 si todo está en orden, 1 si algún punto falla, también si Tessaly no se está ejecutando
  o no responde en %1 s (o --timeout)
</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
</context>
<context>
    <name>FavouritesFile</name>
    <message>
        <source>longer than 64 KiB, so it is never rewritten; shorten it by hand</source>
        <translation>ocupa más de 64 KiB, así que nunca se reescribe; acórtelo a mano</translation>
    </message>
</context>
<context>
    <name>FavouritesNotice</name>
    <message>
        <source>Line %1, “%2”: no frequency in kHz on the 50 kHz grid of either band</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text</extracomment>
        <translation>Línea %1, “%2”: no es una frecuencia en kHz múltiplo de 50 kHz de ninguna de las dos bandas</translation>
    </message>
    <message>
        <source>Line %1, “%2”: the same frequency as an earlier line</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text</extracomment>
        <translation>Línea %1, “%2”: la misma frecuencia que una línea anterior</translation>
    </message>
    <message>
        <source>Line %1, “%2”: only the lowest %3 frequencies are used</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text, %3 how many favourites are used</extracomment>
        <translation>Línea %1, “%2”: solo se usan las %3 frecuencias más bajas</translation>
    </message>
    <message>
        <source>Some lines of %1 give no favourite frequency.</source>
        <extracomment>%1 is the file&apos;s path</extracomment>
        <translation>Algunas líneas de %1 no dan ninguna frecuencia favorita.</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <extracomment>After the lines named: how many more were left out</extracomment>
        <translation>
            <numerusform>…y %n más</numerusform>
            <numerusform>…y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is longer than 64 KiB: only its beginning is read, and it is never rewritten. Shorten it by hand.</source>
        <translation>El archivo ocupa más de 64 KiB: solo se lee su principio y nunca se reescribe. Acórtelo a mano.</translation>
    </message>
    <message>
        <source>The file stays as it is, and is kept as Favourites.ini.bak once the favourites change.</source>
        <translation>El archivo se queda como está y se conservará como Favourites.ini.bak cuando cambien las favoritas.</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>not a regular file, left alone</source>
        <translation>no es un archivo normal; no se toca</translation>
    </message>
</context>
<context>
    <name>HearingCheck</name>
    <message>
        <source>ok</source>
        <translation>bien</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>broken</source>
        <translation>fallo</translation>
    </message>
    <message>
        <source>Broken</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>sin comprobar</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Sin comprobar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A broken link of the hearing check: the problem (%1), then what mends it (%2)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>on air</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked (also: the state &quot;on air&quot;)</extracomment>
        <translation>al aire</translation>
    </message>
    <message>
        <source>the transmitter plugged in</source>
        <translation>transmisor conectado</translation>
    </message>
    <message>
        <source>the transmitter taking the changes</source>
        <translation>cambios aceptados por el transmisor</translation>
    </message>
    <message>
        <source>mute</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked: whether the sound is muted</extracomment>
        <translation>silencio</translation>
    </message>
    <message>
        <source>power</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked: the transmit power</extracomment>
        <translation>potencia</translation>
    </message>
    <message>
        <source>the sound server</source>
        <translation>servidor de sonido</translation>
    </message>
    <message>
        <source>the transmitter&apos;s sound card</source>
        <translation>tarjeta de sonido del transmisor</translation>
    </message>
    <message>
        <source>where the sound goes</source>
        <translation>destino del sonido</translation>
    </message>
    <message>
        <source>something playing</source>
        <translation>algo en reproducción</translation>
    </message>
    <message>
        <source>the transmitter&apos;s output in the sound settings</source>
        <translation>salida del transmisor en la configuración de sonido</translation>
    </message>
    <message>
        <source>the sound&apos;s level</source>
        <translation>nivel del sonido</translation>
    </message>
    <message>
        <source>the transmitter is not plugged in</source>
        <translation>el transmisor no está conectado</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>sin permiso</translation>
    </message>
    <message>
        <source>install 70-tessaly.rules, then plug it in again</source>
        <translation>instale 70-tessaly.rules y vuelva a conectarlo</translation>
    </message>
    <message>
        <source>the transmitter is plugged in</source>
        <translation>el transmisor está conectado</translation>
    </message>
    <message>
        <source>the transmitter took every change</source>
        <translation>el transmisor aceptó todos los cambios</translation>
    </message>
    <message>
        <source>the transmitter did not take the last change (at %1)</source>
        <extracomment>%1 is the time of day the write failed, as 14:03:07</extracomment>
        <translation>el transmisor no aceptó el último cambio (a las %1)</translation>
    </message>
    <message>
        <source>unplug it and plug it in again</source>
        <translation>desconéctelo y vuelva a conectarlo</translation>
    </message>
    <message>
        <source>off air</source>
        <translation>fuera del aire</translation>
    </message>
    <message>
        <source>press the on-air button (&quot;%1&quot;, read aloud as &quot;%2&quot;)</source>
        <extracomment>The fix in the main window: %1 is the on-air button&apos;s tooltip, %2 the name a screen reader says for it</extracomment>
        <translation>pulse el botón de transmisión (&quot;%1&quot;; el lector de pantalla dice &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>not muted</source>
        <translation>sin silenciar</translation>
    </message>
    <message>
        <source>muted</source>
        <translation>silenciado</translation>
    </message>
    <message>
        <source>press %1</source>
        <extracomment>The fix in the main window: %1 is the name of the button to press (its tooltip), as &quot;Mute&quot;</extracomment>
        <translation>pulse &quot;%1&quot;</translation>
    </message>
    <message>
        <source>power %1 of %2</source>
        <extracomment>The transmit power: %1 of at most %2</extracomment>
        <translation>potencia %1 de %2</translation>
    </message>
    <message>
        <source>power is 0</source>
        <translation>la potencia es 0</translation>
    </message>
    <message>
        <source>move the %1 slider up</source>
        <extracomment>A fix: %1 is the power slider&apos;s name, as the window or the page prints it beside the slider</extracomment>
        <translation>suba el control deslizante &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no sound server is running</source>
        <translation>no hay ningún servidor de sonido en marcha</translation>
    </message>
    <message>
        <source>start PipeWire or PulseAudio, or log in again</source>
        <translation>inicie PipeWire o PulseAudio, o vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>el servidor de sonido no responde</translation>
    </message>
    <message>
        <source>restart it, or log in again</source>
        <translation>reinícielo, o vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>PipeWire&apos;s pulse server answers</source>
        <translation>el servidor pulse de PipeWire responde</translation>
    </message>
    <message>
        <source>the sound server answers</source>
        <translation>el servidor de sonido responde</translation>
    </message>
    <message>
        <source>the sound server has the transmitter&apos;s sound card</source>
        <translation>el servidor de sonido tiene la tarjeta de sonido del transmisor</translation>
    </message>
    <message>
        <source>the sound server does not have the transmitter&apos;s sound card</source>
        <translation>el servidor de sonido no tiene la tarjeta de sonido del transmisor</translation>
    </message>
    <message>
        <source>unplug the transmitter and plug it in again</source>
        <translation>desconecte el transmisor y vuelva a conectarlo</translation>
    </message>
    <message>
        <source>the sound goes to the transmitter</source>
        <translation>el sonido va al transmisor</translation>
    </message>
    <message>
        <source>the sound goes to %1, not to the transmitter</source>
        <extracomment>%1 is the output the sound goes to, as the sound settings name it (or &quot;no output&quot;)</extracomment>
        <translation>el sonido va a %1, no al transmisor</translation>
    </message>
    <message>
        <source>no output</source>
        <translation>ninguna salida</translation>
    </message>
    <message>
        <source>choose &quot;Play sound through the transmitter&quot; in the window menu</source>
        <extracomment>The fix in the main window: the quoted words are its menu&apos;s item &quot;Play &amp;sound through the transmitter&quot;</extracomment>
        <translation>elija &quot;Enviar el sonido al transmisor&quot; en el menú de la ventana</translation>
    </message>
    <message>
        <source>choose &quot;Play sound through the transmitter&quot; in the program&apos;s window menu</source>
        <extracomment>The fix on the phone page: the quoted words are the program window menu&apos;s item of that name</extracomment>
        <translation>elija &quot;Enviar el sonido al transmisor&quot; en el menú de la ventana del programa</translation>
    </message>
    <message>
        <source>something is playing</source>
        <translation>algo se está reproduciendo</translation>
    </message>
    <message>
        <source>%1 plays to %2, not to the transmitter</source>
        <extracomment>%1 is a program (or its stream) as the sound settings name it, %2 the output it plays to</extracomment>
        <translation>%1 suena por %2, no por el transmisor</translation>
    </message>
    <message>
        <source>nothing is playing</source>
        <translation>no se está reproduciendo nada</translation>
    </message>
    <message>
        <source>the transmitter&apos;s output is not muted</source>
        <translation>la salida del transmisor no está silenciada</translation>
    </message>
    <message>
        <source>the transmitter&apos;s output is muted in the sound settings</source>
        <translation>la salida del transmisor está silenciada en la configuración de sonido</translation>
    </message>
    <message>
        <source>unmute it there</source>
        <translation>quite el silencio allí</translation>
    </message>
    <message>
        <source>the sound reaches %1 dBFS</source>
        <extracomment>For scripts and tessalyctl: %1 is the loudest level measured, in decibels below full scale</extracomment>
        <translation>el sonido llega a %1 dBFS</translation>
    </message>
    <message>
        <source>the sound is loud enough to hear</source>
        <translation>el sonido es lo bastante fuerte para oírse</translation>
    </message>
    <message>
        <source>the sound is silent (below %1 dBFS for %2 s)</source>
        <extracomment>For scripts and tessalyctl: %1 is the silence level in decibels below full scale, %2 the seconds measured</extracomment>
        <translation>no hay sonido (por debajo de %1 dBFS durante %2 s)</translation>
    </message>
    <message>
        <source>the sound is silent</source>
        <translation>no hay sonido</translation>
    </message>
    <message>
        <source>turn the player up</source>
        <translation>suba el volumen del reproductor</translation>
    </message>
    <message>
        <source>tap &quot;%1&quot;</source>
        <extracomment>A fix on the phone page: %1 is the words on the page&apos;s button to tap, as &quot;Go on air&quot;</extracomment>
        <translation>toque &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>PanelButtons</name>
    <message>
        <source>Stop</source>
        <extracomment>Tooltip of the main window&apos;s on-air (play/stop) button, in either state</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Transmit</source>
        <extracomment>Name a screen reader says for the main window&apos;s on-air button (a check box, checked while on air)</extracomment>
        <translation>Transmitir</translation>
    </message>
    <message>
        <source>Mute</source>
        <extracomment>Tooltip and screen reader name of the main window&apos;s mute button</extracomment>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Frequency add</source>
        <extracomment>Tooltip of the button that raises the frequency by one step</extracomment>
        <translation>Aumentar frecuencia</translation>
    </message>
    <message>
        <source>Frequency up</source>
        <extracomment>Screen reader name of the button that raises the frequency by one step</extracomment>
        <translation>Subir frecuencia</translation>
    </message>
    <message>
        <source>Frequency dec</source>
        <extracomment>Tooltip of the button that lowers the frequency by one step</extracomment>
        <translation>Disminuir frecuencia</translation>
    </message>
    <message>
        <source>Frequency down</source>
        <extracomment>Screen reader name of the button that lowers the frequency by one step</extracomment>
        <translation>Bajar frecuencia</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Tooltip of the button that opens the settings window</extracomment>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Screen reader name of the button that opens the settings window</extracomment>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>PA-VALUE</source>
        <extracomment>Name of the main window&apos;s transmit power slider, as printed beside it</extracomment>
        <translation>PA-VALUE</translation>
    </message>
</context>
<context>
    <name>PulseConnection</name>
    <message>
        <source>the event loop is not GLib&apos;s; the sound is not routed</source>
        <translation>el bucle de eventos no es el de GLib; el sonido no se redirige</translation>
    </message>
    <message>
        <source>no sound server (%1); the sound is routed once one is running</source>
        <translation>no hay servidor de sonido (%1); el sonido se redirigirá cuando haya uno en marcha</translation>
    </message>
</context>
<context>
    <name>PulsePeakStream</name>
    <message>
        <source>Level</source>
        <extracomment>The name of the program&apos;s stream that measures the sound&apos;s level, listed in the sound settings</extracomment>
        <translation>Nivel</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Corvane...</source>
        <translation>&amp;Acerca de Corvane...</translation>
    </message>
</context>
<context>
    <name>RoutingRecord</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A file (%1) and what is wrong with it (%2)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not a readable regular file, left alone; the sound is not given back from it</source>
        <translation>no es un archivo normal legible; no se toca y no se usa para devolver el sonido a su sitio</translation>
    </message>
    <message>
        <source>not a regular file of ours, left alone; the sound is not given back from it</source>
        <translation>no es un archivo normal nuestro; no se toca y no se usa para devolver el sonido a su sitio</translation>
    </message>
    <message>
        <source>not understood, removed; the sound is not given back from it</source>
        <translation>no se entiende; se elimina y no se usa para devolver el sonido a su sitio</translation>
    </message>
    <message>
        <source>no private runtime directory: a killed run will not give the sound back</source>
        <translation>no hay directorio privado de ejecución: si el programa se cierra a la fuerza, el sonido no volverá a su sitio</translation>
    </message>
    <message>
        <source>%1; a killed run will not give the sound back</source>
        <extracomment>%1 is why the file could not be written: the file and the system&apos;s reason</extracomment>
        <translation>%1; si el programa se cierra a la fuerza, el sonido no volverá a su sitio</translation>
    </message>
</context>
<context>
    <name>RunningInstance</name>
    <message>
        <source>already running</source>
        <translation>ya se está ejecutando</translation>
    </message>
    <message>
        <source>already running: its window was raised</source>
        <translation>ya se está ejecutando: su ventana se ha traído al frente</translation>
    </message>
    <message>
        <source>already running headless: use tessalyctl</source>
        <translation>ya se está ejecutando sin ventanas (headless): use tessalyctl</translation>
    </message>
    <message>
        <source>already running; its window could not be raised: %1</source>
        <translation>ya se está ejecutando; no se pudo traer su ventana al frente: %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>libHIDApi.so could not be loaded: running without the transmitter</source>
        <translation>no se pudo cargar libHIDApi.so: se ejecuta sin el transmisor</translation>
    </message>
    <message>
        <source>%1; the option stays off</source>
        <extracomment>%1 says that going on air at start was not stored, and why</extracomment>
        <translation>%1; la opción sigue desactivada</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>settings will not be saved: %1: %2</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>los ajustes no se guardarán: %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file: using the default settings and saving none</source>
        <translation>%1 no es un archivo normal: se usan los ajustes predeterminados y no se guarda ninguno</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Settings not saved: %1</source>
        <translation>No se guardaron los ajustes: %1</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Stereo/Mono</source>
        <translation>Estéreo/Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>87.5 - 108MHz(USA,Europe)</source>
        <translation>87.5 - 108MHz(EE.UU.,Europa)</translation>
    </message>
    <message>
        <source>76 - 90MHz(Japan)</source>
        <translation>76 - 90MHz(Japón)</translation>
    </message>
    <message>
        <source>Spacing</source>
        <extracomment>The tuning step: how far apart the frequencies an arrow steps to are</extracomment>
        <translation>Paso</translation>
    </message>
    <message>
        <source>200KHz(USA)</source>
        <translation>200KHz(EE.UU.)</translation>
    </message>
    <message>
        <source>100KHz(Europe,Japan)</source>
        <translation>100KHz(Europa,Japón)</translation>
    </message>
    <message>
        <source>50KHz</source>
        <translation>50KHz</translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation>De-énfasis</translation>
    </message>
    <message>
        <source>50us(Europe,Australia)</source>
        <translation>50us(Europa,Australia)</translation>
    </message>
    <message>
        <source>75us(USB,Japan)</source>
        <translation>75us(EE.UU.,Japón)</translation>
    </message>
</context>
<context>
    <name>SingleInstanceLock</name>
    <message>
        <source>no single-instance lock: %1: %2; the session bus&apos;s name decides which copy runs</source>
        <extracomment>%1 is the lock file, %2 why it cannot be used</extracomment>
        <translation>sin bloqueo de instancia única: %1: %2; el nombre en el bus de sesión decide qué copia se ejecuta</translation>
    </message>
    <message>
        <source>not a private directory of ours</source>
        <translation>no es un directorio privado nuestro</translation>
    </message>
    <message>
        <source>not a file of ours</source>
        <translation>no es un archivo nuestro</translation>
    </message>
</context>
<context>
    <name>SkinFrame</name>
    <message>
        <source>Tessaly Ver1.2.1</source>
        <translation>Tessaly v1.2.1</translation>
    </message>
    <message>
        <source>minimize</source>
        <translation>minimizar</translation>
    </message>
    <message>
        <source>max</source>
        <extracomment>The caption button that would make the window as large as the screen</extracomment>
        <translation>maximizar</translation>
    </message>
    <message>
        <source>close</source>
        <translation>cerrar</translation>
    </message>
    <message>
        <source>Tessaly Set</source>
        <translation>Ajustes de Tessaly</translation>
    </message>
</context>
<context>
    <name>SmallTextFile</name>
    <message>
        <source>not a readable regular file, the sound option stays on</source>
        <translation>no es un archivo normal legible; la opción de sonido sigue activada</translation>
    </message>
    <message>
        <source>not understood, the sound option stays on</source>
        <translation>no se entiende; la opción de sonido sigue activada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file (%1) and what is wrong with it (%2)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not a readable regular file, the program starts off air</source>
        <translation>no es un archivo normal legible; el programa se inicia fuera del aire</translation>
    </message>
    <message>
        <source>not understood, the program starts off air</source>
        <translation>no se entiende; el programa se inicia fuera del aire</translation>
    </message>
</context>
<context>
    <name>SoundElsewhereText</name>
    <message>
        <source>the sound settings now send it to %1</source>
        <extracomment>Why the sound is not on the transmitter although routed: %1 is the output the sound settings now use</extracomment>
        <translation>la configuración de sonido ahora lo envía a %1</translation>
    </message>
    <message>
        <source>the sound settings now send %1 to %2</source>
        <extracomment>Why the sound is not on the transmitter although routed: %1 is a program as the sound settings name it, %2 the output they now send it to</extracomment>
        <translation>la configuración de sonido ahora envía %1 a %2</translation>
    </message>
</context>
<context>
    <name>SoundRouting</name>
    <message>
        <source>Playing sound through the transmitter not stored: %1; it stays on</source>
        <translation>No se guardó la opción de enviar el sonido al transmisor: %1; sigue activada</translation>
    </message>
    <message>
        <source>Playing sound through the transmitter not stored: %1; it stays off</source>
        <translation>No se guardó la opción de enviar el sonido al transmisor: %1; sigue desactivada</translation>
    </message>
    <message>
        <source>no sound server (no socket in %1); the sound is routed once one is running</source>
        <translation>no hay servidor de sonido (ningún socket en %1); el sonido se redirigirá cuando haya uno en marcha</translation>
    </message>
    <message>
        <source>the sound is not routed: %1</source>
        <translation>el sonido no se redirige: %1</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Run without windows or tray, needing no display: the transmitter, its settings and the session bus only.</source>
        <translation>Ejecutar sin ventanas ni bandeja, sin necesidad de pantalla: solo el transmisor, sus ajustes y el bus de sesión.</translation>
    </message>
    <message>
        <source>Start with the window hidden in the tray (headless when there is no display).</source>
        <translation>Iniciar con la ventana oculta en la bandeja (sin ventanas si no hay pantalla).</translation>
    </message>
    <message>
        <source>Switch the web page for phones on and keep that choice (see WebAddress on the bus).</source>
        <translation>Activar la página web para teléfonos y recordar esa opción (vea WebAddress en el bus).</translation>
    </message>
    <message>
        <source>Go on air as soon as a transmitter is connected after the start, from now on: the choice is kept (&apos;tessalyctl start-on-air off&apos; or the window&apos;s menu switches it off).</source>
        <translation>Salir al aire en cuanto se conecte un transmisor tras el inicio, a partir de ahora: la opción se recuerda (&apos;tessalyctl start-on-air off&apos; o el menú de la ventana la desactivan).</translation>
    </message>
    <message>
        <source>Tell on stderr, besides warnings, what the transmitter, the sound server, the session bus and the web page are doing.</source>
        <translation>Indicar en stderr, además de los avisos, qué hacen el transmisor, el servidor de sonido, el bus de sesión y la página web.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Controls a USB FM transmitter. While it runs, tessalyctl and the session bus (org.tessaly.Tessaly) control it too; a second start shows the running one&apos;s window.</source>
        <translation>Controla un transmisor FM USB. Mientras se ejecuta, tessalyctl y el bus de sesión (org.tessaly.Tessaly) también lo controlan; si se inicia otra vez, muestra la ventana del que ya está en marcha.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1
Try &apos;tessaly --help&apos;.</source>
        <translation>%1
Pruebe &apos;tessaly --help&apos;.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency: %1 is the number of MHz, as 88.10</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>not routed, no sound server</source>
        <translation>sin redirigir, no hay servidor de sonido</translation>
    </message>
    <message>
        <source>not routed, looking for the transmitter&apos;s sound card</source>
        <translation>sin redirigir, buscando la tarjeta de sonido del transmisor</translation>
    </message>
    <message>
        <source>not routed, the transmitter&apos;s sound card was not found</source>
        <translation>sin redirigir, no se encontró la tarjeta de sonido del transmisor</translation>
    </message>
    <message>
        <source>through %1 (the transmitter)</source>
        <translation>por %1 (el transmisor)</translation>
    </message>
    <message>
        <source>on, but %1</source>
        <extracomment>Sound routing is switched on, but %1 (why the sound is not on the transmitter)</extracomment>
        <translation>activado, pero %1</translation>
    </message>
    <message>
        <source> (no permission for the transmitter: install 70-tessaly.rules, then plug it in again)</source>
        <translation> (sin permiso para el transmisor: instale 70-tessaly.rules y vuelva a conectarlo)</translation>
    </message>
    <message>
        <source> (no transmitter connected)</source>
        <translation> (ningún transmisor conectado)</translation>
    </message>
    <message>
        <source> — the transmitter did not take the last change (write failed at %1)</source>
        <extracomment>%1 is the time of day the write failed, as 14:03:07</extracomment>
        <translation> — el transmisor no aceptó el último cambio (fallo de escritura a las %1)</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No favourite frequencies</extracomment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>on, but not served</source>
        <extracomment>The web page is switched on, but no address serves it</extracomment>
        <translation>activado, pero no disponible</translation>
    </message>
    <message>
        <source>%1 of %2, PA-VALUE %3</source>
        <extracomment>The transmit power: the level %1 of at most %2, and the value %3 the transmitter receives</extracomment>
        <translation>%1 de %2, PA-VALUE %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A level: %1 of at most %2</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>estéreo</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A line of tessalyctl status: the property&apos;s label, then a colon (the value follows after spaces)</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>On air</source>
        <translation>Al aire</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Silenciado</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation>De-énfasis</translation>
    </message>
    <message>
        <source>Sound routing</source>
        <translation>Envío de sonido</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoritas</translation>
    </message>
    <message>
        <source>On air at start</source>
        <translation>Al aire al iniciar</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Iniciar con la sesión</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
    </message>
</context>
<context>
    <name>TransmitterBusObject</name>
    <message>
        <source>no session bus, no scripted control: %1</source>
        <translation>no hay bus de sesión ni control por scripts: %1</translation>
    </message>
    <message>
        <source>could not export %1 on the session bus</source>
        <translation>no se pudo exportar %1 en el bus de sesión</translation>
    </message>
    <message>
        <source>could not take the bus name %1: %2</source>
        <translation>no se pudo obtener el nombre de bus %1: %2</translation>
    </message>
    <message>
        <source>the bus name %1 belongs to another process: waiting until it is free</source>
        <translation>el nombre de bus %1 pertenece a otro proceso: esperando a que quede libre</translation>
    </message>
</context>
<context>
    <name>TransmitterCore</name>
    <message>
        <source>Going on air at start not stored: %1</source>
        <translation>No se guardó la opción de salir al aire al iniciar: %1</translation>
    </message>
    <message>
        <source>Starting at login not stored: %1</source>
        <translation>No se guardó la opción de iniciar con la sesión: %1</translation>
    </message>
    <message>
        <source>Favourites not stored: %1</source>
        <translation>No se guardaron las favoritas: %1</translation>
    </message>
    <message>
        <source>the transmitter did not take its reports within a second: ending with its off-air report queued but not taken, so it may still be on air</source>
        <translation>el transmisor no aceptó los datos enviados en el plazo de un segundo: el programa termina con la orden de salir del aire en cola sin aceptar, así que puede que siga al aire</translation>
    </message>
</context>
<context>
    <name>TrayControl</name>
    <message>
        <source>&amp;Mute</source>
        <extracomment>The tray menu&apos;s item that silences what the transmitter sends</extracomment>
        <translation>&amp;Silenciar</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>&amp;Iniciar con la sesión</translation>
    </message>
    <message>
        <source>&amp;Show window</source>
        <translation>&amp;Mostrar ventana</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Off air</source>
        <extracomment>The tray menu&apos;s item while on air: choosing it goes off air</extracomment>
        <translation>&amp;Fuera del aire</translation>
    </message>
    <message>
        <source>&amp;On air</source>
        <extracomment>The tray menu&apos;s item while off air: choosing it goes on air</extracomment>
        <translation>&amp;Al aire</translation>
    </message>
    <message>
        <source>Tessaly — no transmitter</source>
        <translation>Tessaly — sin transmisor</translation>
    </message>
    <message>
        <source>Tessaly — no permission for the transmitter</source>
        <translation>Tessaly — sin permiso para el transmisor</translation>
    </message>
    <message>
        <source>Tessaly — off air</source>
        <translation>Tessaly — fuera del aire</translation>
    </message>
    <message>
        <source>Tessaly — muted</source>
        <translation>Tessaly — silenciado</translation>
    </message>
    <message>
        <source>Tessaly — on air, %1, nothing playing</source>
        <translation>Tessaly — al aire, %1, no suena nada</translation>
    </message>
    <message>
        <source>Tessaly — on air, %1</source>
        <translation>Tessaly — al aire, %1</translation>
    </message>
    <message>
        <source>%1 — the transmitter did not take the last change</source>
        <extracomment>%1 is the tip as it would be: the program&apos;s name and the transmitter&apos;s state</extracomment>
        <translation>%1 — el transmisor no aceptó el último cambio</translation>
    </message>
</context>
<context>
    <name>UnattendedMenu</name>
    <message>
        <source>&amp;Add %1</source>
        <extracomment>%1 is the frequency in use, such as 88.10 MHz</extracomment>
        <translation>&amp;Añadir %1</translation>
    </message>
    <message>
        <source>&amp;Remove %1</source>
        <extracomment>%1 is the frequency in use, such as 88.10 MHz</extracomment>
        <translation>&amp;Quitar %1</translation>
    </message>
    <message>
        <source>&amp;Favourite frequencies</source>
        <translation>&amp;Frecuencias favoritas</translation>
    </message>
    <message>
        <source>&amp;Go on air at start</source>
        <translation>&amp;Salir al aire al iniciar</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>&amp;Iniciar con la sesión</translation>
    </message>
</context>
<context>
    <name>ValueParsers</name>
    <message>
        <source>%1 takes megahertz from %2 to %3 (e.g. %4), not &apos;%5&apos;</source>
        <translation>%1 admite megahercios de %2 a %3 (p. ej. %4), no &apos;%5&apos;</translation>
    </message>
    <message>
        <source>%1 MHz is off the transmitter&apos;s %2 kHz grid; the nearest are %3 and %4 MHz</source>
        <translation>%1 MHz no es múltiplo de %2 kHz, como exige el transmisor; las más cercanas son %3 y %4 MHz</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 admite un número entero de %2 a %3, no &apos;%4&apos;</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 admite on u off, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 takes %2 (%3), not &apos;%4&apos;</source>
        <translation>%1 admite %2 (%3), no &apos;%4&apos;</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins one more to a list of alternatives: &quot;list, add&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Joins the last of the alternatives: &quot;list, add or remove&quot;, &quot;50 or 75&quot;</extracomment>
        <translation>%1 o %2</translation>
    </message>
</context>
<context>
    <name>WebControl</name>
    <message>
        <source>The web page&apos;s choice not stored: %1; the page stays as it was</source>
        <translation>No se guardó la opción de la página web: %1; la página sigue como estaba</translation>
    </message>
    <message>
        <source>The new token not stored: %1; the old one still opens the page</source>
        <translation>No se guardó el nuevo token: %1; el anterior sigue abriendo la página</translation>
    </message>
    <message>
        <source>the web page is not served: %1</source>
        <translation>la página web no está activa: %1</translation>
    </message>
    <message>
        <source>%1 could not be loaded: %2</source>
        <extracomment>The page&apos;s server module, then why the system could not load it</extracomment>
        <translation>no se pudo cargar %1: %2</translation>
    </message>
    <message>
        <source>no token could be stored in %1</source>
        <translation>no se pudo guardar ningún token en %1</translation>
    </message>
</context>
<context>
    <name>WebServer</name>
    <message>
        <source>port %1 is in use by another program; choose another port</source>
        <translation>otro programa está usando el puerto %1; elija otro puerto</translation>
    </message>
    <message>
        <source>port %1: %2</source>
        <extracomment>A port, then why the page cannot be served on it, as the system says it</extracomment>
        <translation>puerto %1: %2</translation>
    </message>
    <message>
        <source>%1; the page could not be served again as it was</source>
        <translation>%1; no se pudo volver a activar la página como estaba</translation>
    </message>
    <message>
        <source>This page is reached by the machine&apos;s own name or address.</source>
        <translation>A esta página se accede con el nombre o la dirección del propio equipo.</translation>
    </message>
    <message>
        <source>Too many wrong tokens: wait a little.</source>
        <translation>Demasiados tokens incorrectos: espere un poco.</translation>
    </message>
    <message>
        <source>Open the address with its token, as the program shows it (or its QR code).</source>
        <translation>Abra la dirección con su token, tal como la muestra el programa (o con su código QR).</translation>
    </message>
    <message>
        <source>Changes come only from the page itself.</source>
        <translation>Los cambios solo pueden venir de la propia página.</translation>
    </message>
    <message>
        <source>Not with this method.</source>
        <translation>Este método no está permitido aquí.</translation>
    </message>
    <message>
        <source>Not here.</source>
        <translation>Aquí no hay nada.</translation>
    </message>
    <message>
        <source>Not a WebSocket this page opens.</source>
        <translation>No es un WebSocket que abra esta página.</translation>
    </message>
</context>
<context>
    <name>WebToken</name>
    <message>
        <source>the web page&apos;s token not stored: %1</source>
        <translation>no se guardó el token de la página web: %1</translation>
    </message>
</context>
<context>
    <name>WriteErrorLog</name>
    <message>
        <source>USB Data Write Error!</source>
        <translation>¡Error de escritura de datos USB!</translation>
    </message>
    <message>
        <source>USB Data Write Error! (%1 more in the last minute)</source>
        <translation>¡Error de escritura de datos USB! (%1 más en el último minuto)</translation>
    </message>
</context>
<context>
    <name>WriteErrorMessage</name>
    <message>
        <source>USB Data Write Error!</source>
        <translation>¡Error de escritura de datos USB!</translation>
    </message>
    <message>
        <source>The transmitter did not take the last change: unplug it and plug it in again.</source>
        <translation>El transmisor no aceptó el último cambio: desconéctelo y vuelva a conectarlo.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>no display to show the window on (DISPLAY or WAYLAND_DISPLAY cannot be opened); &apos;tessaly --headless&apos; runs without one</source>
        <translation>no hay pantalla donde mostrar la ventana (no se puede abrir DISPLAY ni WAYLAND_DISPLAY); &apos;tessaly --headless&apos; funciona sin ella</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>This address was renewed: open the new one, or scan its code</source>
        <translation>Esta dirección se ha renovado: abra la nueva o escanee su código</translation>
    </message>
    <message>
        <source>routed</source>
        <translation>enviado al transmisor</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>The sound, as in &quot;Sound: off&quot;</extracomment>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>sin servidor de sonido</translation>
    </message>
    <message>
        <source>looking for the transmitter&apos;s sound card</source>
        <translation>buscando la tarjeta de sonido del transmisor</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no se encontró la tarjeta de sonido del transmisor</translation>
    </message>
    <message>
        <source>Not connected to the program.</source>
        <translation>Sin conexión con el programa.</translation>
    </message>
    <message>
        <source>Transmitter connected</source>
        <translation>Transmisor conectado</translation>
    </message>
    <message>
        <source>No permission for the transmitter: install 70-tessaly.rules, then plug it in again</source>
        <translation>Sin permiso para el transmisor: instale 70-tessaly.rules y vuelva a conectarlo</translation>
    </message>
    <message>
        <source>No transmitter connected</source>
        <translation>Ningún transmisor conectado</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The status line&apos;s first sentence: whether the transmitter is connected, then whether it is on air</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>on air</source>
        <translation>al aire</translation>
    </message>
    <message>
        <source>off air</source>
        <translation>fuera del aire</translation>
    </message>
    <message>
        <source>The transmitter did not take the last change (write failed at %1)</source>
        <translation>El transmisor no aceptó el último cambio (fallo de escritura a las %1)</translation>
    </message>
    <message>
        <source>Sound: %1</source>
        <translation>Sonido: %1</translation>
    </message>
    <message>
        <source>on, but %1</source>
        <translation>activado, pero %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two sentences of the status line, one after the other</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Tune to %1 MHz</source>
        <translation>Sintonizar %1 MHz</translation>
    </message>
    <message>
        <source>Outside the band in use: it waits for the other band</source>
        <translation>Fuera de la banda en uso: se podrá usar con la otra banda</translation>
    </message>
    <message>
        <source>%1 MHz, outside the band in use</source>
        <translation>%1 MHz, fuera de la banda en uso</translation>
    </message>
    <message>
        <source>Why the radio may be silent: %1</source>
        <translation>Por qué puede que la radio no suene: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The on-air button while the page cannot tell whether the transmitter is on air</extracomment>
        <translation>Estado desconocido</translation>
    </message>
    <message>
        <source>Go off air</source>
        <translation>Salir del aire</translation>
    </message>
    <message>
        <source>Go on air</source>
        <translation>Salir al aire</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>%1 of %2, PA-VALUE %3</source>
        <translation>%1 de %2, PA-VALUE %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Not connected to the program; trying again…</source>
        <translation>Sin conexión con el programa; reintentando…</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Frequency down</source>
        <translation>Bajar frecuencia</translation>
    </message>
    <message>
        <source>Frequency up</source>
        <translation>Subir frecuencia</translation>
    </message>
    <message>
        <source>Type MHz</source>
        <translation>Escriba MHz</translation>
    </message>
    <message>
        <source>Tune</source>
        <extracomment>A button: tunes to the frequency typed</extracomment>
        <translation>Sintonizar</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoritas</translation>
    </message>
    <message>
        <source>Mute</source>
        <extracomment>A button that mutes the transmitter&apos;s sound, pressed while muted</extracomment>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Above the choice of stereo or mono</extracomment>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Power</source>
        <extracomment>The transmit power&apos;s slider</extracomment>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Gain</source>
        <extracomment>The audio input gain&apos;s slider</extracomment>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>No transmitter: stored for when it is plugged in</source>
        <translation>Sin transmisor: se guarda para cuando se conecte</translation>
    </message>
    <message>
        <source>Type a frequency in MHz, such as %1.</source>
        <translation>Escriba una frecuencia en MHz, como %1.</translation>
    </message>
    <message>
        <source>Connecting to the program…</source>
        <translation>Conectando con el programa…</translation>
    </message>
    <message>
        <source>%1: only %2 to %3 in %4 steps</source>
        <extracomment>A frequency typed on the page, refused: the band&apos;s lowest and highest, and its tuning step</extracomment>
        <translation>%1: solo de %2 a %3 en pasos de %4</translation>
    </message>
    <message>
        <source>not JSON</source>
        <translation>no es JSON</translation>
    </message>
    <message>
        <source>step is up or down</source>
        <translation>step solo admite up o down</translation>
    </message>
    <message>
        <source>off air: the frequency steps only on air</source>
        <translation>fuera del aire: la frecuencia solo cambia por pasos al aire</translation>
    </message>
    <message>
        <source>the page changes only %1</source>
        <translation>la página solo puede cambiar %1</translation>
    </message>
    <message>
        <source>%1 does not take this value</source>
        <translation>%1 no admite este valor</translation>
    </message>
</context>
</TS>
