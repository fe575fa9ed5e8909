<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BusRefusal</name>
    <message>
        <source>this Tessaly has no %1 property; it may be an older version</source>
        <translation>dieses Tessaly hat keine Eigenschaft %1; vielleicht ist es eine ältere Version</translation>
    </message>
    <message>
        <source>%1 MHz is outside the band in use, %2 MHz</source>
        <translation>%1 MHz liegt außerhalb des eingestellten Frequenzbands, %2 MHz</translation>
    </message>
    <message>
        <source>the session bus did not answer within %1 s; it may be stuck, so Tessaly cannot be reached (see --timeout)</source>
        <translation>der Sitzungsbus hat nicht innerhalb von %1 s geantwortet; er hängt vielleicht, daher ist Tessaly nicht erreichbar (siehe --timeout)</translation>
    </message>
    <message>
        <source>Tessaly is not running and could not be started (%1); start it with &apos;tessaly --background&apos;, or &apos;tessaly --headless&apos; without a display</source>
        <translation>Tessaly läuft nicht und konnte nicht gestartet werden (%1); starten Sie es mit &apos;tessaly --background&apos; oder ohne Bildschirm mit &apos;tessaly --headless&apos;</translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s; it may be busy or stopped, and the command may still take effect (see --timeout)</source>
        <translation>Tessaly hat nicht innerhalb von %1 s geantwortet; es ist vielleicht beschäftigt oder angehalten, und der Befehl kann noch wirken (siehe --timeout)</translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s; it may be busy or stopped (see --timeout)</source>
        <translation>Tessaly hat nicht innerhalb von %1 s geantwortet; es ist vielleicht beschäftigt oder angehalten (siehe --timeout)</translation>
    </message>
    <message>
        <source>this Tessaly has no %1 method; it may be an older version</source>
        <translation>dieses Tessaly hat keine Methode %1; vielleicht ist es eine ältere Version</translation>
    </message>
    <message>
        <source>the transmitter did not take the change</source>
        <translation>der Sender hat die Änderung nicht übernommen</translation>
    </message>
    <message>
        <source>the transmitter did not take the change (%1)</source>
        <translation>der Sender hat die Änderung nicht übernommen (%1)</translation>
    </message>
    <message>
        <source>this Tessaly runs without windows (headless), so there is none to show</source>
        <translation>dieses Tessaly läuft ohne Fenster (headless), es gibt also keines zu zeigen</translation>
    </message>
    <message>
        <source>the favourites are full; remove one first</source>
        <translation>die Favoriten sind voll; entfernen Sie zuerst einen</translation>
    </message>
    <message>
        <source>the favourites are full; remove one first (%1)</source>
        <translation>die Favoriten sind voll; entfernen Sie zuerst einen (%1)</translation>
    </message>
    <message>
        <source>%1 MHz is not a favourite</source>
        <translation>%1 MHz ist kein Favorit</translation>
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
        <translation>Tasten:
Frequenz eintippen, z. B. 88,1, dann Eingabetaste: darauf abstimmen
Leertaste: die fokussierte Schaltfläche drücken; auf einem Pfeil halten: weiter abstimmen
Tab, Umschalt+Tab: zwischen den Bedienelementen wechseln
Pfeiltasten, Bild auf, Bild ab, Pos1, Ende: einen fokussierten Regler bewegen
Alt+Leertaste oder Rechtsklick: das Fenstermenü
Eingabetaste, Esc: das Fenster schließen</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>Über Corvane</translation>
    </message>
    <message>
        <source>Corvane Beta 1.1.1</source>
        <extracomment>The program&apos;s name and version</extracomment>
        <translation>Corvane Beta 1.1.1</translation>
    </message>
    <message>
        <source>Sends your computer&apos;s sound to a nearby FM radio.</source>
        <translation>Überträgt den Ton Ihres Computers an ein UKW-Radio in der Nähe.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CFrequencyReadout</name>
    <message>
        <source>NO TRANSMITTER</source>
        <extracomment>On the display above the frequency, in capitals where the language has them; keep it short</extracomment>
        <translation>KEIN SENDER</translation>
    </message>
    <message>
        <source>NO PERMISSION</source>
        <extracomment>On the display above the frequency, in capitals where the language has them; keep it short</extracomment>
        <translation>KEIN ZUGRIFF</translation>
    </message>
    <message>
        <source>install 70-tessaly.rules, then replug</source>
        <extracomment>On the display below the frequency: the fix for NO PERMISSION; keep it short</extracomment>
        <translation>70-tessaly.rules installieren, neu einstecken</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency: %1 is its number in MHz, with two decimals</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>The transmitter did not take the last change (write failed at %1).</source>
        <extracomment>%1 is the time of day</extracomment>
        <translation>Der Sender hat die letzte Änderung nicht übernommen (Schreibfehler um %1).</translation>
    </message>
    <message>
        <source>Off air</source>
        <translation>Sendung aus</translation>
    </message>
    <message>
        <source>Plug the transmitter in; %1 goes out once it is connected.</source>
        <extracomment>%1 is a frequency, such as 88.10 MHz</extracomment>
        <translation>Schließen Sie den Sender an; %1 wird gesendet, sobald er verbunden ist.</translation>
    </message>
    <message>
        <source>No transmitter</source>
        <translation>Kein Sender</translation>
    </message>
    <message>
        <source>No permission for the transmitter</source>
        <translation>Kein Zugriff auf den Sender</translation>
    </message>
    <message>
        <source>The transmitter is plugged in, but this user may not use it. Install the udev rule 70-tessaly.rules into /usr/lib/udev/rules.d/ (the package does), then unplug the transmitter and plug it in again.</source>
        <translation>Der Sender ist eingesteckt, aber dieser Benutzer darf ihn nicht verwenden. Installieren Sie die udev-Regel 70-tessaly.rules in /usr/lib/udev/rules.d/ (das Paket erledigt das), ziehen Sie dann den Sender ab und stecken Sie ihn wieder ein.</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <extracomment>What a screen reader says while a frequency is typed: %1 is what was typed so far, such as 88.1</extracomment>
        <translation>Eingabe %1</translation>
    </message>
</context>
<context>
    <name>CHearingDlg</name>
    <message>
        <source>Check again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Why can&apos;t I hear it?</source>
        <translation>Warum höre ich nichts?</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>From the transmitter to the sound, in order</source>
        <translation>Vom Sender bis zum Ton, der Reihe nach</translation>
    </message>
    <message>
        <source>Checks every link and measures the sound going into the transmitter for up to 2 seconds</source>
        <translation>Prüft jeden Punkt und misst bis zu 2 Sekunden lang den Ton, der in den Sender geht</translation>
    </message>
    <message>
        <source>Checking, and listening to the sound for up to 2 seconds…</source>
        <translation>Prüfung läuft; der Ton wird bis zu 2 Sekunden lang abgehört…</translation>
    </message>
    <message>
        <source>Mend this first: %1</source>
        <translation>Zuerst beheben: %1</translation>
    </message>
    <message>
        <source>Every link holds: tune the radio to the transmitter&apos;s frequency.</source>
        <translation>Alles in Ordnung: Stellen Sie das Radio auf die Frequenz des Senders ein.</translation>
    </message>
    <message>
        <source>Every link checked holds; &quot;Check again&quot; measures the sound too.</source>
        <translation>Alle geprüften Punkte sind in Ordnung; „Erneut prüfen“ misst auch den Ton.</translation>
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
        <translation>FERTIG</translation>
    </message>
</context>
<context>
    <name>CTransmitterDlg</name>
    <message>
        <source>Play &amp;sound through the transmitter</source>
        <translation>&amp;Ton über den Sender ausgeben</translation>
    </message>
    <message>
        <source>&amp;Control from a phone…</source>
        <translation>Mit dem &amp;Handy steuern…</translation>
    </message>
    <message>
        <source>&amp;Why can&apos;t I hear it?</source>
        <translation>&amp;Warum höre ich nichts?</translation>
    </message>
    <message>
        <source>Tessaly</source>
        <extracomment>The program&apos;s name, as its windows&apos; title</extracomment>
        <translation>Tessaly</translation>
    </message>
    <message>
        <source>Play &amp;sound through the transmitter (on, but %1; choose to put it back)</source>
        <extracomment>%1 says where the sound plays instead, as the sound settings have it</extracomment>
        <translation>&amp;Ton über den Sender ausgeben (an, aber %1; wählen, um ihn zurückzuholen)</translation>
    </message>
    <message>
        <source>The transmitter&apos;s sound card was not found: the computer&apos;s sound keeps playing where it did.</source>
        <translation>Die Soundkarte des Senders wurde nicht gefunden: Der Ton des Computers läuft weiter über die bisherige Ausgabe.</translation>
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
        <translation>%1: nur %2 bis %3 in Schritten von %4 MHz</translation>
    </message>
</context>
<context>
    <name>CWebControlDlg</name>
    <message>
        <source>Serve the page</source>
        <translation>Seite bereitstellen</translation>
    </message>
    <message>
        <source>Let other devices on the network reach it</source>
        <translation>Für andere Geräte im Netzwerk erreichbar</translation>
    </message>
    <message>
        <source>Let my phone reach it</source>
        <translation>Für mein Handy freigeben</translation>
    </message>
    <message>
        <source>Control from a phone</source>
        <translation>Mit dem Handy steuern</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>The network port the page is served on</extracomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>The page&apos;s web address</extracomment>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Anyone on the same network who has the code can then control the transmitter</source>
        <translation>Dann kann jeder im selben Netzwerk, der den Code hat, den Sender steuern</translation>
    </message>
    <message>
        <source>QR code of the address</source>
        <translation>QR-Code der Adresse</translation>
    </message>
    <message>
        <source>Renew the token</source>
        <translation>Token erneuern</translation>
    </message>
    <message>
        <source>A new address: pages opened with the old one stop working</source>
        <translation>Eine neue Adresse: Seiten, die mit der alten geöffnet wurden, funktionieren nicht mehr</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>The page is off.</source>
        <translation>Die Seite ist aus.</translation>
    </message>
    <message>
        <source>Only this computer may open the page: a phone cannot reach this address. Once you let it, anyone on the same network who has the code can control the transmitter.</source>
        <translation>Nur dieser Computer darf die Seite öffnen: Ein Handy erreicht diese Adresse nicht. Sobald Sie die Seite freigeben, kann jeder im selben Netzwerk, der den Code hat, den Sender steuern.</translation>
    </message>
    <message>
        <source>This computer has no network a phone could share: connect it to the phone&apos;s network (for example its Wi-Fi) first.</source>
        <translation>Dieser Computer hat kein Netzwerk, das ein Handy mitnutzen könnte: Verbinden Sie ihn zuerst mit dem Netzwerk des Handys (zum Beispiel seinem WLAN).</translation>
    </message>
    <message>
        <source>Scan the code with a phone on the same network as this computer.</source>
        <translation>Scannen Sie den Code mit einem Handy im selben Netzwerk wie dieser Computer.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two addresses in a list</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Also reachable at: %1</source>
        <translation>Auch erreichbar unter: %1</translation>
    </message>
</context>
<context>
    <name>CheckText</name>
    <message>
        <source>Tessaly answers</source>
        <extracomment>tessalyctl check&apos;s first line: the program answered over the session bus</extracomment>
        <translation>Tessaly antwortet</translation>
    </message>
</context>
<context>
    <name>CtlClient</name>
    <message>
        <source>the web page is not served; &apos;tessalyctl web on&apos; serves it</source>
        <translation>die Webseite wird nicht bereitgestellt; &apos;tessalyctl web on&apos; stellt sie bereit</translation>
    </message>
    <message>
        <source>there are no favourites; &apos;tessalyctl favourite add&apos; adds one</source>
        <translation>es gibt keine Favoriten; &apos;tessalyctl favourite add&apos; fügt einen hinzu</translation>
    </message>
    <message>
        <source>no favourite in the band in use</source>
        <translation>kein Favorit im eingestellten Frequenzband</translation>
    </message>
    <message>
        <source>Tessaly is not running: start it with &apos;tessaly&apos;, or &apos;tessaly --headless&apos; where there is no desktop</source>
        <translation>Tessaly läuft nicht: starten Sie es mit &apos;tessaly&apos; oder, wo es keinen Desktop gibt, mit &apos;tessaly --headless&apos;</translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s (see --timeout)</source>
        <translation>Tessaly hat nicht innerhalb von %1 s geantwortet (siehe --timeout)</translation>
    </message>
    <message>
        <source>Tessaly could not check: %1</source>
        <translation>Tessaly konnte nicht prüfen: %1</translation>
    </message>
    <message>
        <source>no session bus to reach Tessaly on (%1): run this inside the desktop session, or start a bus and &apos;tessaly --headless&apos; on it</source>
        <translation>kein Sitzungsbus, über den Tessaly erreichbar ist (%1): führen Sie dies in der Desktop-Sitzung aus, oder starten Sie einen Bus und darauf &apos;tessaly --headless&apos;</translation>
    </message>
    <message>
        <source>no session bus to reach Tessaly on (%1); run this inside the desktop session, or start a bus and &apos;tessaly --headless&apos; on it</source>
        <translation>kein Sitzungsbus, über den Tessaly erreichbar ist (%1); führen Sie dies in der Desktop-Sitzung aus, oder starten Sie einen Bus und darauf &apos;tessaly --headless&apos;</translation>
    </message>
    <message>
        <source>no transmitter is connected: the change is stored and goes out when one is plugged in</source>
        <translation>kein Sender angeschlossen: die Änderung ist gespeichert und wird gesendet, sobald einer eingesteckt wird</translation>
    </message>
    <message>
        <source>no sound server is running: the choice is stored and the sound is routed once one is</source>
        <translation>kein Soundserver läuft: die Wahl ist gespeichert, und der Ton wird umgeleitet, sobald einer läuft</translation>
    </message>
</context>
<context>
    <name>CtlCommand</name>
    <message>
        <source>Try &apos;tessalyctl --help&apos;.</source>
        <translation>Weitere Informationen: &apos;tessalyctl --help&apos;.</translation>
    </message>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 erwartet %2, nicht &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 takes no value, not &apos;%2&apos;</source>
        <translation>%1 erwartet keinen Wert, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 takes only --json, not &apos;%2&apos;</source>
        <translation>%1 erwartet nur --json, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 takes one value</source>
        <translation>%1 erwartet einen Wert</translation>
    </message>
    <message>
        <source>--json goes with status and check only</source>
        <translation>--json gibt es nur zu status und check</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Controls the running Tessaly over the session bus.</source>
        <translation>Steuert das laufende Tessaly über den Sitzungsbus.</translation>
    </message>
    <message>
        <source>With status: one JSON object keyed by property name.</source>
        <translation>Mit status: ein JSON-Objekt mit den Eigenschaftsnamen als Schlüsseln.</translation>
    </message>
    <message>
        <source>How long to wait for the session bus and for Tessaly to answer (default 5).</source>
        <translation>Wie lange auf den Sitzungsbus und die Antwort von Tessaly gewartet wird (Standard 5).</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>The value --timeout takes, shown as &lt;seconds&gt;</extracomment>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>command</source>
        <extracomment>The first word after tessalyctl, in its --help; the command words themselves stay as they are</extracomment>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>What to do; see Commands below.</source>
        <translation>Was zu tun ist; siehe Befehle unten.</translation>
    </message>
    <message>
        <source>[command [value]]</source>
        <extracomment>The synopsis; the command words themselves stay as they are</extracomment>
        <translation>[Befehl [Wert]]</translation>
    </message>
    <message>
        <source>--timeout takes seconds above 0, such as 5 or 0.5, not &apos;%1&apos;</source>
        <extracomment>5 and 0.5 are what to type: keep the decimal point, which --timeout takes alone</extracomment>
        <translation>--timeout erwartet Sekunden über 0, z. B. 5 oder 0.5, nicht &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CtlCommands</name>
    <message>
        <source>show every setting (the default command)</source>
        <translation>alle Einstellungen zeigen (der Standardbefehl)</translation>
    </message>
    <message>
        <source>why the radio may be silent: each link from the transmitter to
the sound, ok or broken with what to do; measures the sound 2 s</source>
        <translation>warum das Radio stumm sein kann: jeder Punkt vom Sender bis zum
Ton, ok oder Fehler mit Abhilfe; misst den Ton 2 s lang</translation>
    </message>
    <message>
        <source>go on air, off air, or the other way</source>
        <translation>auf Sendung gehen, Sendung beenden oder umschalten</translation>
    </message>
    <message>
        <source>mute or unmute the transmitted audio</source>
        <translation>den gesendeten Ton stummschalten oder wieder einschalten</translation>
    </message>
    <message>
        <source>tune to MHZ, e.g. 88.5, on the 50 kHz grid</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation>auf MHZ abstimmen, z. B. 88,5, im 50-kHz-Raster</translation>
    </message>
    <message>
        <source>one tuning step up or down (on air only)</source>
        <translation>einen Abstimmschritt höher oder tiefer (nur auf Sendung)</translation>
    </message>
    <message>
        <source>transmit power, the PA-VALUE slider</source>
        <translation>Sendeleistung, der Regler PA-VALUE</translation>
    </message>
    <message>
        <source>audio input gain, the TX-GAIN slider</source>
        <translation>Eingangsverstärkung, der Regler TX-GAIN</translation>
    </message>
    <message>
        <source>stereo or mono transmission</source>
        <translation>Stereo- oder Mono-Übertragung</translation>
    </message>
    <message>
        <source>the frequency band in MHz</source>
        <translation>das Frequenzband in MHz</translation>
    </message>
    <message>
        <source>the tuning step in kHz</source>
        <translation>das Kanalraster in kHz</translation>
    </message>
    <message>
        <source>the de-emphasis in microseconds</source>
        <translation>die Deemphasis in Mikrosekunden</translation>
    </message>
    <message>
        <source>route the desktop&apos;s sound to the transmitter</source>
        <translation>den Ton des Desktops zum Sender leiten</translation>
    </message>
    <message>
        <source>the favourite frequencies, one a line in MHz</source>
        <translation>die Favoriten, einer pro Zeile in MHz</translation>
    </message>
    <message>
        <source>add MHZ, or the frequency in use, to the favourites</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation>MHZ oder die eingestellte Frequenz zu den Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>remove MHZ from the favourites</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation>MHZ aus den Favoriten entfernen</translation>
    </message>
    <message>
        <source>tune to the next favourite above or below, round</source>
        <translation>auf den nächsten Favoriten darüber oder darunter abstimmen, im Kreis</translation>
    </message>
    <message>
        <source>go on air once a transmitter is connected after the start</source>
        <translation>auf Sendung gehen, sobald nach dem Start ein Sender angeschlossen ist</translation>
    </message>
    <message>
        <source>start Tessaly, in the tray, when you log in</source>
        <translation>Tessaly beim Anmelden im Infobereich starten</translation>
    </message>
    <message>
        <source>serve the web page for phones, or stop</source>
        <translation>die Webseite für Handys bereitstellen oder abschalten</translation>
    </message>
    <message>
        <source>print the page&apos;s address</source>
        <translation>die Adresse der Seite ausgeben</translation>
    </message>
    <message>
        <source>a new address; the old one stops working</source>
        <translation>eine neue Adresse; die alte funktioniert nicht mehr</translation>
    </message>
    <message>
        <source>let other devices on the network reach the page</source>
        <translation>andere Geräte im Netzwerk die Seite erreichen lassen</translation>
    </message>
    <message>
        <source>the page&apos;s port</source>
        <translation>der Port der Seite</translation>
    </message>
    <message>
        <source>show and raise the main window</source>
        <translation>das Hauptfenster zeigen und nach vorn holen</translation>
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
        <translation>Exit-Status:
  0  erledigt
  1  Tessaly hat die Anfrage abgelehnt oder konnte sie nicht ausführen
  2  Aufruffehler oder ungültiger Wert; nichts wurde gesendet
  3  Tessaly läuft nicht und konnte nicht gestartet werden, oder der Sitzungsbus hat nicht geantwortet
  4  Tessaly hat nicht rechtzeitig geantwortet (siehe --timeout); der Befehl kann noch wirken
  check: 0, wenn alle Punkte in Ordnung sind, 1 bei einem Fehler, auch wenn Tessaly nicht läuft
  oder nicht innerhalb von %1 s (bzw. --timeout) antwortet
</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
</context>
<context>
    <name>FavouritesFile</name>
    <message>
        <source>longer than 64 KiB, so it is never rewritten; shorten it by hand</source>
        <translation>länger als 64 KiB, wird daher nie neu geschrieben; kürzen Sie die Datei von Hand</translation>
    </message>
</context>
<context>
    <name>FavouritesNotice</name>
    <message>
        <source>Line %1, “%2”: no frequency in kHz on the 50 kHz grid of either band</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text</extracomment>
        <translation>Zeile %1, „%2“: keine Frequenz in kHz im 50-kHz-Raster eines der beiden Frequenzbänder</translation>
    </message>
    <message>
        <source>Line %1, “%2”: the same frequency as an earlier line</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text</extracomment>
        <translation>Zeile %1, „%2“: dieselbe Frequenz wie in einer früheren Zeile</translation>
    </message>
    <message>
        <source>Line %1, “%2”: only the lowest %3 frequencies are used</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text, %3 how many favourites are used</extracomment>
        <translation>Zeile %1, „%2“: nur die %3 niedrigsten Frequenzen werden verwendet</translation>
    </message>
    <message>
        <source>Some lines of %1 give no favourite frequency.</source>
        <extracomment>%1 is the file&apos;s path</extracomment>
        <translation>Einige Zeilen in %1 enthalten keine gültige Favoritenfrequenz.</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <extracomment>After the lines named: how many more were left out</extracomment>
        <translation>
            <numerusform>…und %n weitere</numerusform>
            <numerusform>…und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is longer than 64 KiB: only its beginning is read, and it is never rewritten. Shorten it by hand.</source>
        <translation>Die Datei ist größer als 64 KiB: Nur ihr Anfang wird gelesen, und sie wird nie neu geschrieben. Kürzen Sie sie von Hand.</translation>
    </message>
    <message>
        <source>The file stays as it is, and is kept as Favourites.ini.bak once the favourites change.</source>
        <translation>Die Datei bleibt, wie sie ist, und wird als Favourites.ini.bak aufbewahrt, sobald sich die Favoriten ändern.</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>not a regular file, left alone</source>
        <translation>keine reguläre Datei, bleibt unverändert</translation>
    </message>
</context>
<context>
    <name>HearingCheck</name>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>broken</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Broken</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Nicht geprüft</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A broken link of the hearing check: the problem (%1), then what mends it (%2)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>on air</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked (also: the state &quot;on air&quot;)</extracomment>
        <translation>auf Sendung</translation>
    </message>
    <message>
        <source>the transmitter plugged in</source>
        <translation>Sender eingesteckt</translation>
    </message>
    <message>
        <source>the transmitter taking the changes</source>
        <translation>Sender übernimmt die Änderungen</translation>
    </message>
    <message>
        <source>mute</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked: whether the sound is muted</extracomment>
        <translation>Stummschaltung</translation>
    </message>
    <message>
        <source>power</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked: the transmit power</extracomment>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>the sound server</source>
        <translation>Soundserver</translation>
    </message>
    <message>
        <source>the transmitter&apos;s sound card</source>
        <translation>Soundkarte des Senders</translation>
    </message>
    <message>
        <source>where the sound goes</source>
        <translation>Tonausgabe</translation>
    </message>
    <message>
        <source>something playing</source>
        <translation>laufende Wiedergabe</translation>
    </message>
    <message>
        <source>the transmitter&apos;s output in the sound settings</source>
        <translation>Ausgang des Senders in den Audioeinstellungen</translation>
    </message>
    <message>
        <source>the sound&apos;s level</source>
        <translation>Tonpegel</translation>
    </message>
    <message>
        <source>the transmitter is not plugged in</source>
        <translation>der Sender ist nicht eingesteckt</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>kein Zugriff</translation>
    </message>
    <message>
        <source>install 70-tessaly.rules, then plug it in again</source>
        <translation>installieren Sie 70-tessaly.rules und stecken Sie den Sender neu ein</translation>
    </message>
    <message>
        <source>the transmitter is plugged in</source>
        <translation>der Sender ist eingesteckt</translation>
    </message>
    <message>
        <source>the transmitter took every change</source>
        <translation>der Sender hat jede Änderung übernommen</translation>
    </message>
    <message>
        <source>the transmitter did not take the last change (at %1)</source>
        <extracomment>%1 is the time of day the write failed, as 14:03:07</extracomment>
        <translation>der Sender hat die letzte Änderung nicht übernommen (um %1)</translation>
    </message>
    <message>
        <source>unplug it and plug it in again</source>
        <translation>ziehen Sie ihn ab und stecken Sie ihn wieder ein</translation>
    </message>
    <message>
        <source>off air</source>
        <translation>Sendung aus</translation>
    </message>
    <message>
        <source>press the on-air button (&quot;%1&quot;, read aloud as &quot;%2&quot;)</source>
        <extracomment>The fix in the main window: %1 is the on-air button&apos;s tooltip, %2 the name a screen reader says for it</extracomment>
        <translation>drücken Sie die Sendetaste („%1“, vorgelesen als „%2“)</translation>
    </message>
    <message>
        <source>not muted</source>
        <translation>nicht stummgeschaltet</translation>
    </message>
    <message>
        <source>muted</source>
        <translation>stummgeschaltet</translation>
    </message>
    <message>
        <source>press %1</source>
        <extracomment>The fix in the main window: %1 is the name of the button to press (its tooltip), as &quot;Mute&quot;</extracomment>
        <translation>drücken Sie „%1“</translation>
    </message>
    <message>
        <source>power %1 of %2</source>
        <extracomment>The transmit power: %1 of at most %2</extracomment>
        <translation>Sendeleistung %1 von %2</translation>
    </message>
    <message>
        <source>power is 0</source>
        <translation>Sendeleistung ist 0</translation>
    </message>
    <message>
        <source>move the %1 slider up</source>
        <extracomment>A fix: %1 is the power slider&apos;s name, as the window or the page prints it beside the slider</extracomment>
        <translation>schieben Sie den Regler „%1“ nach oben</translation>
    </message>
    <message>
        <source>no sound server is running</source>
        <translation>kein Soundserver läuft</translation>
    </message>
    <message>
        <source>start PipeWire or PulseAudio, or log in again</source>
        <translation>starten Sie PipeWire oder PulseAudio, oder melden Sie sich neu an</translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>der Soundserver antwortet nicht</translation>
    </message>
    <message>
        <source>restart it, or log in again</source>
        <translation>starten Sie ihn neu, oder melden Sie sich neu an</translation>
    </message>
    <message>
        <source>PipeWire&apos;s pulse server answers</source>
        <translation>der Pulse-Server von PipeWire antwortet</translation>
    </message>
    <message>
        <source>the sound server answers</source>
        <translation>der Soundserver antwortet</translation>
    </message>
    <message>
        <source>the sound server has the transmitter&apos;s sound card</source>
        <translation>der Soundserver hat die Soundkarte des Senders</translation>
    </message>
    <message>
        <source>the sound server does not have the transmitter&apos;s sound card</source>
        <translation>der Soundserver hat die Soundkarte des Senders nicht</translation>
    </message>
    <message>
        <source>unplug the transmitter and plug it in again</source>
        <translation>ziehen Sie den Sender ab und stecken Sie ihn wieder ein</translation>
    </message>
    <message>
        <source>the sound goes to the transmitter</source>
        <translation>der Ton geht an den Sender</translation>
    </message>
    <message>
        <source>the sound goes to %1, not to the transmitter</source>
        <extracomment>%1 is the output the sound goes to, as the sound settings name it (or &quot;no output&quot;)</extracomment>
        <translation>der Ton geht an %1 statt an den Sender</translation>
    </message>
    <message>
        <source>no output</source>
        <translation>kein Ausgabegerät</translation>
    </message>
    <message>
        <source>choose &quot;Play sound through the transmitter&quot; in the window menu</source>
        <extracomment>The fix in the main window: the quoted words are its menu&apos;s item &quot;Play &amp;sound through the transmitter&quot;</extracomment>
        <translation>wählen Sie im Fenstermenü „Ton über den Sender ausgeben“</translation>
    </message>
    <message>
        <source>choose &quot;Play sound through the transmitter&quot; in the program&apos;s window menu</source>
        <extracomment>The fix on the phone page: the quoted words are the program window menu&apos;s item of that name</extracomment>
        <translation>wählen Sie im Fenstermenü des Programms „Ton über den Sender ausgeben“</translation>
    </message>
    <message>
        <source>something is playing</source>
        <translation>es wird etwas abgespielt</translation>
    </message>
    <message>
        <source>%1 plays to %2, not to the transmitter</source>
        <extracomment>%1 is a program (or its stream) as the sound settings name it, %2 the output it plays to</extracomment>
        <translation>%1 spielt über %2 statt über den Sender</translation>
    </message>
    <message>
        <source>nothing is playing</source>
        <translation>es wird nichts abgespielt</translation>
    </message>
    <message>
        <source>the transmitter&apos;s output is not muted</source>
        <translation>der Ausgang des Senders ist nicht stummgeschaltet</translation>
    </message>
    <message>
        <source>the transmitter&apos;s output is muted in the sound settings</source>
        <translation>der Ausgang des Senders ist in den Audioeinstellungen stummgeschaltet</translation>
    </message>
    <message>
        <source>unmute it there</source>
        <translation>heben Sie die Stummschaltung dort auf</translation>
    </message>
    <message>
        <source>the sound reaches %1 dBFS</source>
        <extracomment>For scripts and tessalyctl: %1 is the loudest level measured, in decibels below full scale</extracomment>
        <translation>der Ton erreicht %1 dBFS</translation>
    </message>
    <message>
        <source>the sound is loud enough to hear</source>
        <translation>der Ton ist laut genug</translation>
    </message>
    <message>
        <source>the sound is silent (below %1 dBFS for %2 s)</source>
        <extracomment>For scripts and tessalyctl: %1 is the silence level in decibels below full scale, %2 the seconds measured</extracomment>
        <translation>nur Stille (unter %1 dBFS, %2 s lang)</translation>
    </message>
    <message>
        <source>the sound is silent</source>
        <translation>nur Stille</translation>
    </message>
    <message>
        <source>turn the player up</source>
        <translation>stellen Sie den Player lauter</translation>
    </message>
    <message>
        <source>tap &quot;%1&quot;</source>
        <extracomment>A fix on the phone page: %1 is the words on the page&apos;s button to tap, as &quot;Go on air&quot;</extracomment>
        <translation>tippen Sie auf „%1“</translation>
    </message>
</context>
<context>
    <name>PanelButtons</name>
    <message>
        <source>Stop</source>
        <extracomment>Tooltip of the main window&apos;s on-air (play/stop) button, in either state</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Transmit</source>
        <extracomment>Name a screen reader says for the main window&apos;s on-air button (a check box, checked while on air)</extracomment>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Mute</source>
        <extracomment>Tooltip and screen reader name of the main window&apos;s mute button</extracomment>
        <translation>Stummschalten</translation>
    </message>
    <message>
        <source>Frequency add</source>
        <extracomment>Tooltip of the button that raises the frequency by one step</extracomment>
        <translation>Frequenz erhöhen</translation>
    </message>
    <message>
        <source>Frequency up</source>
        <extracomment>Screen reader name of the button that raises the frequency by one step</extracomment>
        <translation>Frequenz höher</translation>
    </message>
    <message>
        <source>Frequency dec</source>
        <extracomment>Tooltip of the button that lowers the frequency by one step</extracomment>
        <translation>Frequenz senken</translation>
    </message>
    <message>
        <source>Frequency down</source>
        <extracomment>Screen reader name of the button that lowers the frequency by one step</extracomment>
        <translation>Frequenz tiefer</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Tooltip of the button that opens the settings window</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Screen reader name of the button that opens the settings window</extracomment>
        <translation>Einstellungen</translation>
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
        <translation>die Ereignisschleife ist nicht die von GLib; der Ton wird nicht umgeleitet</translation>
    </message>
    <message>
        <source>no sound server (%1); the sound is routed once one is running</source>
        <translation>kein Soundserver (%1); der Ton wird umgeleitet, sobald einer läuft</translation>
    </message>
</context>
<context>
    <name>PulsePeakStream</name>
    <message>
        <source>Level</source>
        <extracomment>The name of the program&apos;s stream that measures the sound&apos;s level, listed in the sound settings</extracomment>
        <translation>Pegel</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Corvane...</source>
        <translation>&amp;Über Corvane...</translation>
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
        <translation>keine lesbare reguläre Datei, bleibt unverändert; die frühere Tonausgabe wird daraus nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>not a regular file of ours, left alone; the sound is not given back from it</source>
        <translation>keine reguläre Datei von uns, bleibt unverändert; die frühere Tonausgabe wird daraus nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>not understood, removed; the sound is not given back from it</source>
        <translation>nicht verständlich, entfernt; die frühere Tonausgabe wird daraus nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>no private runtime directory: a killed run will not give the sound back</source>
        <translation>kein privates Laufzeitverzeichnis: nach einem gewaltsamen Beenden wird die Tonausgabe nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>%1; a killed run will not give the sound back</source>
        <extracomment>%1 is why the file could not be written: the file and the system&apos;s reason</extracomment>
        <translation>%1; nach einem gewaltsamen Beenden wird die Tonausgabe nicht wiederhergestellt</translation>
    </message>
</context>
<context>
    <name>RunningInstance</name>
    <message>
        <source>already running</source>
        <translation>läuft bereits</translation>
    </message>
    <message>
        <source>already running: its window was raised</source>
        <translation>läuft bereits: sein Fenster wurde nach vorn geholt</translation>
    </message>
    <message>
        <source>already running headless: use tessalyctl</source>
        <translation>läuft bereits ohne Fenster (headless): verwenden Sie tessalyctl</translation>
    </message>
    <message>
        <source>already running; its window could not be raised: %1</source>
        <translation>läuft bereits; sein Fenster konnte nicht nach vorn geholt werden: %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>libHIDApi.so could not be loaded: running without the transmitter</source>
        <translation>libHIDApi.so konnte nicht geladen werden: läuft ohne Sender</translation>
    </message>
    <message>
        <source>%1; the option stays off</source>
        <extracomment>%1 says that going on air at start was not stored, and why</extracomment>
        <translation>%1; die Option bleibt aus</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>settings will not be saved: %1: %2</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>Einstellungen werden nicht gespeichert: %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file: using the default settings and saving none</source>
        <translation>%1 ist keine reguläre Datei: es gelten die Standardeinstellungen, und nichts wird gespeichert</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Settings not saved: %1</source>
        <translation>Einstellungen nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Stereo/Mono</source>
        <translation>Stereo/Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Frequenzband</translation>
    </message>
    <message>
        <source>87.5 - 108MHz(USA,Europe)</source>
        <translation>87,5 - 108MHz(USA,Europa)</translation>
    </message>
    <message>
        <source>76 - 90MHz(Japan)</source>
        <translation>76 - 90MHz(Japan)</translation>
    </message>
    <message>
        <source>Spacing</source>
        <extracomment>The tuning step: how far apart the frequencies an arrow steps to are</extracomment>
        <translation>Kanalraster</translation>
    </message>
    <message>
        <source>200KHz(USA)</source>
        <translation>200kHz(USA)</translation>
    </message>
    <message>
        <source>100KHz(Europe,Japan)</source>
        <translation>100kHz(Europa,Japan)</translation>
    </message>
    <message>
        <source>50KHz</source>
        <translation>50kHz</translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation>Deemphasis</translation>
    </message>
    <message>
        <source>50us(Europe,Australia)</source>
        <translation>50µs(Europa,Australien)</translation>
    </message>
    <message>
        <source>75us(USB,Japan)</source>
        <translation>75µs(USA,Japan)</translation>
    </message>
</context>
<context>
    <name>SingleInstanceLock</name>
    <message>
        <source>no single-instance lock: %1: %2; the session bus&apos;s name decides which copy runs</source>
        <extracomment>%1 is the lock file, %2 why it cannot be used</extracomment>
        <translation>keine Einzelinstanz-Sperre: %1: %2; der Name auf dem Sitzungsbus entscheidet, welche Kopie läuft</translation>
    </message>
    <message>
        <source>not a private directory of ours</source>
        <translation>kein privates Verzeichnis von uns</translation>
    </message>
    <message>
        <source>not a file of ours</source>
        <translation>keine Datei von uns</translation>
    </message>
</context>
<context>
    <name>SkinFrame</name>
    <message>
        <source>Tessaly Ver1.2.1</source>
        <translation>Tessaly Ver1.2.1</translation>
    </message>
    <message>
        <source>minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>max</source>
        <extracomment>The caption button that would make the window as large as the screen</extracomment>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Tessaly Set</source>
        <translation>Tessaly-Einstellungen</translation>
    </message>
</context>
<context>
    <name>SmallTextFile</name>
    <message>
        <source>not a readable regular file, the sound option stays on</source>
        <translation>keine lesbare reguläre Datei, die Option „Ton über den Sender ausgeben“ bleibt an</translation>
    </message>
    <message>
        <source>not understood, the sound option stays on</source>
        <translation>nicht verständlich, die Option „Ton über den Sender ausgeben“ bleibt an</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file (%1) and what is wrong with it (%2)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not a readable regular file, the program starts off air</source>
        <translation>keine lesbare reguläre Datei, das Programm startet nicht auf Sendung</translation>
    </message>
    <message>
        <source>not understood, the program starts off air</source>
        <translation>nicht verständlich, das Programm startet nicht auf Sendung</translation>
    </message>
</context>
<context>
    <name>SoundElsewhereText</name>
    <message>
        <source>the sound settings now send it to %1</source>
        <extracomment>Why the sound is not on the transmitter although routed: %1 is the output the sound settings now use</extracomment>
        <translation>die Audioeinstellungen leiten ihn jetzt an %1</translation>
    </message>
    <message>
        <source>the sound settings now send %1 to %2</source>
        <extracomment>Why the sound is not on the transmitter although routed: %1 is a program as the sound settings name it, %2 the output they now send it to</extracomment>
        <translation>die Audioeinstellungen leiten %1 jetzt an %2</translation>
    </message>
</context>
<context>
    <name>SoundRouting</name>
    <message>
        <source>Playing sound through the transmitter not stored: %1; it stays on</source>
        <translation>„Ton über den Sender ausgeben“ nicht gespeichert: %1; bleibt an</translation>
    </message>
    <message>
        <source>Playing sound through the transmitter not stored: %1; it stays off</source>
        <translation>„Ton über den Sender ausgeben“ nicht gespeichert: %1; bleibt aus</translation>
    </message>
    <message>
        <source>no sound server (no socket in %1); the sound is routed once one is running</source>
        <translation>kein Soundserver (kein Socket in %1); der Ton wird umgeleitet, sobald einer läuft</translation>
    </message>
    <message>
        <source>the sound is not routed: %1</source>
        <translation>der Ton wird nicht umgeleitet: %1</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Run without windows or tray, needing no display: the transmitter, its settings and the session bus only.</source>
        <translation>Ohne Fenster und Infobereich-Symbol laufen, ganz ohne Bildschirm: nur der Sender, seine Einstellungen und der Sitzungsbus.</translation>
    </message>
    <message>
        <source>Start with the window hidden in the tray (headless when there is no display).</source>
        <translation>Mit dem Fenster im Infobereich verborgen starten (headless, wenn es keinen Bildschirm gibt).</translation>
    </message>
    <message>
        <source>Switch the web page for phones on and keep that choice (see WebAddress on the bus).</source>
        <translation>Die Webseite für Handys einschalten und diese Wahl beibehalten (siehe WebAddress auf dem Bus).</translation>
    </message>
    <message>
        <source>Go on air as soon as a transmitter is connected after the start, from now on: the choice is kept (&apos;tessalyctl start-on-air off&apos; or the window&apos;s menu switches it off).</source>
        <translation>Ab jetzt auf Sendung gehen, sobald nach dem Start ein Sender angeschlossen ist: die Wahl bleibt erhalten (&apos;tessalyctl start-on-air off&apos; oder das Fenstermenü schaltet sie ab).</translation>
    </message>
    <message>
        <source>Tell on stderr, besides warnings, what the transmitter, the sound server, the session bus and the web page are doing.</source>
        <translation>Neben Warnungen auf stderr ausgeben, was Sender, Soundserver, Sitzungsbus und Webseite tun.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Controls a USB FM transmitter. While it runs, tessalyctl and the session bus (org.tessaly.Tessaly) control it too; a second start shows the running one&apos;s window.</source>
        <translation>Steuert einen USB-UKW-Sender. Solange Tessaly läuft, steuern ihn auch tessalyctl und der Sitzungsbus (org.tessaly.Tessaly); ein zweiter Start zeigt das Fenster des laufenden Programms.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1
Try &apos;tessaly --help&apos;.</source>
        <translation>%1
Weitere Informationen: &apos;tessaly --help&apos;.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency: %1 is the number of MHz, as 88.10</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>not routed, no sound server</source>
        <translation>nicht umgeleitet, kein Soundserver</translation>
    </message>
    <message>
        <source>not routed, looking for the transmitter&apos;s sound card</source>
        <translation>nicht umgeleitet, Soundkarte des Senders wird gesucht</translation>
    </message>
    <message>
        <source>not routed, the transmitter&apos;s sound card was not found</source>
        <translation>nicht umgeleitet, Soundkarte des Senders nicht gefunden</translation>
    </message>
    <message>
        <source>through %1 (the transmitter)</source>
        <translation>über %1 (der Sender)</translation>
    </message>
    <message>
        <source>on, but %1</source>
        <extracomment>Sound routing is switched on, but %1 (why the sound is not on the transmitter)</extracomment>
        <translation>an, aber %1</translation>
    </message>
    <message>
        <source> (no permission for the transmitter: install 70-tessaly.rules, then plug it in again)</source>
        <translation> (kein Zugriff auf den Sender: 70-tessaly.rules installieren, dann neu einstecken)</translation>
    </message>
    <message>
        <source> (no transmitter connected)</source>
        <translation> (kein Sender angeschlossen)</translation>
    </message>
    <message>
        <source> — the transmitter did not take the last change (write failed at %1)</source>
        <extracomment>%1 is the time of day the write failed, as 14:03:07</extracomment>
        <translation> — der Sender hat die letzte Änderung nicht übernommen (Schreibfehler um %1)</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No favourite frequencies</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>on, but not served</source>
        <extracomment>The web page is switched on, but no address serves it</extracomment>
        <translation>an, aber nicht bereitgestellt</translation>
    </message>
    <message>
        <source>%1 of %2, PA-VALUE %3</source>
        <extracomment>The transmit power: the level %1 of at most %2, and the value %3 the transmitter receives</extracomment>
        <translation>%1 von %2, PA-VALUE %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A level: %1 of at most %2</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A line of tessalyctl status: the property&apos;s label, then a colon (the value follows after spaces)</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>On air</source>
        <translation>Auf Sendung</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Stummgeschaltet</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Eingangsverstärkung</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Frequenzband</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Kanalraster</translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation>Deemphasis</translation>
    </message>
    <message>
        <source>Sound routing</source>
        <translation>Ton über Sender</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>On air at start</source>
        <translation>Beim Start auf Sendung</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
</context>
<context>
    <name>TransmitterBusObject</name>
    <message>
        <source>no session bus, no scripted control: %1</source>
        <translation>kein Sitzungsbus, keine Steuerung per Skript: %1</translation>
    </message>
    <message>
        <source>could not export %1 on the session bus</source>
        <translation>%1 konnte nicht auf dem Sitzungsbus bereitgestellt werden</translation>
    </message>
    <message>
        <source>could not take the bus name %1: %2</source>
        <translation>der Busname %1 konnte nicht belegt werden: %2</translation>
    </message>
    <message>
        <source>the bus name %1 belongs to another process: waiting until it is free</source>
        <translation>der Busname %1 gehört einem anderen Prozess: es wird gewartet, bis er frei ist</translation>
    </message>
</context>
<context>
    <name>TransmitterCore</name>
    <message>
        <source>Going on air at start not stored: %1</source>
        <translation>„Beim Start auf Sendung gehen“ nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Starting at login not stored: %1</source>
        <translation>„Beim Anmelden starten“ nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Favourites not stored: %1</source>
        <translation>Favoriten nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>the transmitter did not take its reports within a second: ending with its off-air report queued but not taken, so it may still be on air</source>
        <translation>der Sender hat seine Befehle nicht innerhalb einer Sekunde angenommen: das Programm endet, bevor er den Befehl zum Beenden der Sendung angenommen hat; er sendet also vielleicht noch</translation>
    </message>
</context>
<context>
    <name>TrayControl</name>
    <message>
        <source>&amp;Mute</source>
        <extracomment>The tray menu&apos;s item that silences what the transmitter sends</extracomment>
        <translation>&amp;Stummschalten</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>Beim An&amp;melden starten</translation>
    </message>
    <message>
        <source>&amp;Show window</source>
        <translation>&amp;Fenster anzeigen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Off air</source>
        <extracomment>The tray menu&apos;s item while on air: choosing it goes off air</extracomment>
        <translation>Sendung b&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;On air</source>
        <extracomment>The tray menu&apos;s item while off air: choosing it goes on air</extracomment>
        <translation>&amp;Auf Sendung gehen</translation>
    </message>
    <message>
        <source>Tessaly — no transmitter</source>
        <translation>Tessaly — kein Sender</translation>
    </message>
    <message>
        <source>Tessaly — no permission for the transmitter</source>
        <translation>Tessaly — kein Zugriff auf den Sender</translation>
    </message>
    <message>
        <source>Tessaly — off air</source>
        <translation>Tessaly — Sendung aus</translation>
    </message>
    <message>
        <source>Tessaly — muted</source>
        <translation>Tessaly — stummgeschaltet</translation>
    </message>
    <message>
        <source>Tessaly — on air, %1, nothing playing</source>
        <translation>Tessaly — auf Sendung, %1, keine Wiedergabe</translation>
    </message>
    <message>
        <source>Tessaly — on air, %1</source>
        <translation>Tessaly — auf Sendung, %1</translation>
    </message>
    <message>
        <source>%1 — the transmitter did not take the last change</source>
        <extracomment>%1 is the tip as it would be: the program&apos;s name and the transmitter&apos;s state</extracomment>
        <translation>%1 — der Sender hat die letzte Änderung nicht übernommen</translation>
    </message>
</context>
<context>
    <name>UnattendedMenu</name>
    <message>
        <source>&amp;Add %1</source>
        <extracomment>%1 is the frequency in use, such as 88.10 MHz</extracomment>
        <translation>%1 &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove %1</source>
        <extracomment>%1 is the frequency in use, such as 88.10 MHz</extracomment>
        <translation>%1 &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Favourite frequencies</source>
        <translation>&amp;Favoriten</translation>
    </message>
    <message>
        <source>&amp;Go on air at start</source>
        <translation>Beim Start auf &amp;Sendung gehen</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>Beim &amp;Anmelden starten</translation>
    </message>
</context>
<context>
    <name>ValueParsers</name>
    <message>
        <source>%1 takes megahertz from %2 to %3 (e.g. %4), not &apos;%5&apos;</source>
        <translation>%1 erwartet Megahertz von %2 bis %3 (z. B. %4), nicht &apos;%5&apos;</translation>
    </message>
    <message>
        <source>%1 MHz is off the transmitter&apos;s %2 kHz grid; the nearest are %3 and %4 MHz</source>
        <translation>%1 MHz liegt nicht im %2-kHz-Raster des Senders; am nächsten liegen %3 und %4 MHz</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 erwartet eine ganze Zahl von %2 bis %3, nicht &apos;%4&apos;</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 erwartet on oder off, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 takes %2 (%3), not &apos;%4&apos;</source>
        <translation>%1 erwartet %2 (%3), nicht &apos;%4&apos;</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins one more to a list of alternatives: &quot;list, add&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Joins the last of the alternatives: &quot;list, add or remove&quot;, &quot;50 or 75&quot;</extracomment>
        <translation>%1 oder %2</translation>
    </message>
</context>
<context>
    <name>WebControl</name>
    <message>
        <source>The web page&apos;s choice not stored: %1; the page stays as it was</source>
        <translation>Einstellung der Webseite nicht gespeichert: %1; die Seite bleibt, wie sie war</translation>
    </message>
    <message>
        <source>The new token not stored: %1; the old one still opens the page</source>
        <translation>Neues Token nicht gespeichert: %1; das alte öffnet die Seite weiterhin</translation>
    </message>
    <message>
        <source>the web page is not served: %1</source>
        <translation>die Webseite wird nicht bereitgestellt: %1</translation>
    </message>
    <message>
        <source>%1 could not be loaded: %2</source>
        <extracomment>The page&apos;s server module, then why the system could not load it</extracomment>
        <translation>%1 konnte nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>no token could be stored in %1</source>
        <translation>in %1 konnte kein Token gespeichert werden</translation>
    </message>
</context>
<context>
    <name>WebServer</name>
    <message>
        <source>port %1 is in use by another program; choose another port</source>
        <translation>Port %1 wird von einem anderen Programm verwendet; wählen Sie einen anderen Port</translation>
    </message>
    <message>
        <source>port %1: %2</source>
        <extracomment>A port, then why the page cannot be served on it, as the system says it</extracomment>
        <translation>Port %1: %2</translation>
    </message>
    <message>
        <source>%1; the page could not be served again as it was</source>
        <translation>%1; die Seite konnte nicht wie zuvor wieder bereitgestellt werden</translation>
    </message>
    <message>
        <source>This page is reached by the machine&apos;s own name or address.</source>
        <translation>Diese Seite ist nur über den Namen oder die Adresse des Computers selbst erreichbar.</translation>
    </message>
    <message>
        <source>Too many wrong tokens: wait a little.</source>
        <translation>Zu viele falsche Token: Warten Sie einen Moment.</translation>
    </message>
    <message>
        <source>Open the address with its token, as the program shows it (or its QR code).</source>
        <translation>Öffnen Sie die Adresse mit ihrem Token, so wie das Programm sie anzeigt (oder über ihren QR-Code).</translation>
    </message>
    <message>
        <source>Changes come only from the page itself.</source>
        <translation>Änderungen sind nur über die Seite selbst möglich.</translation>
    </message>
    <message>
        <source>Not with this method.</source>
        <translation>Nicht mit dieser Methode.</translation>
    </message>
    <message>
        <source>Not here.</source>
        <translation>Hier nicht vorhanden.</translation>
    </message>
    <message>
        <source>Not a WebSocket this page opens.</source>
        <translation>Kein WebSocket, den diese Seite öffnet.</translation>
    </message>
</context>
<context>
    <name>WebToken</name>
    <message>
        <source>the web page&apos;s token not stored: %1</source>
        <translation>Token der Webseite nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>WriteErrorLog</name>
    <message>
        <source>USB Data Write Error!</source>
        <translation>USB-Schreibfehler!</translation>
    </message>
    <message>
        <source>USB Data Write Error! (%1 more in the last minute)</source>
        <translation>USB-Schreibfehler! (%1 weitere in der letzten Minute)</translation>
    </message>
</context>
<context>
    <name>WriteErrorMessage</name>
    <message>
        <source>USB Data Write Error!</source>
        <translation>USB-Schreibfehler!</translation>
    </message>
    <message>
        <source>The transmitter did not take the last change: unplug it and plug it in again.</source>
        <translation>Der Sender hat die letzte Änderung nicht übernommen: Ziehen Sie ihn ab und stecken Sie ihn wieder ein.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>no display to show the window on (DISPLAY or WAYLAND_DISPLAY cannot be opened); &apos;tessaly --headless&apos; runs without one</source>
        <translation>kein Bildschirm, auf dem das Fenster erscheinen kann (DISPLAY oder WAYLAND_DISPLAY lässt sich nicht öffnen); &apos;tessaly --headless&apos; läuft ohne</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>This address was renewed: open the new one, or scan its code</source>
        <translation>Diese Adresse wurde erneuert: Öffnen Sie die neue oder scannen Sie ihren Code</translation>
    </message>
    <message>
        <source>routed</source>
        <translation>über den Sender</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>The sound, as in &quot;Sound: off&quot;</extracomment>
        <translation>aus</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>kein Soundserver</translation>
    </message>
    <message>
        <source>looking for the transmitter&apos;s sound card</source>
        <translation>Soundkarte des Senders wird gesucht</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>Soundkarte des Senders nicht gefunden</translation>
    </message>
    <message>
        <source>Not connected to the program.</source>
        <translation>Nicht mit dem Programm verbunden.</translation>
    </message>
    <message>
        <source>Transmitter connected</source>
        <translation>Sender verbunden</translation>
    </message>
    <message>
        <source>No permission for the transmitter: install 70-tessaly.rules, then plug it in again</source>
        <translation>Kein Zugriff auf den Sender: Installieren Sie 70-tessaly.rules und stecken Sie ihn neu ein</translation>
    </message>
    <message>
        <source>No transmitter connected</source>
        <translation>Kein Sender verbunden</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The status line&apos;s first sentence: whether the transmitter is connected, then whether it is on air</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>on air</source>
        <translation>auf Sendung</translation>
    </message>
    <message>
        <source>off air</source>
        <translation>Sendung aus</translation>
    </message>
    <message>
        <source>The transmitter did not take the last change (write failed at %1)</source>
        <translation>Der Sender hat die letzte Änderung nicht übernommen (Schreibfehler um %1)</translation>
    </message>
    <message>
        <source>Sound: %1</source>
        <translation>Ton: %1</translation>
    </message>
    <message>
        <source>on, but %1</source>
        <translation>an, aber %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two sentences of the status line, one after the other</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Tune to %1 MHz</source>
        <translation>Auf %1 MHz einstellen</translation>
    </message>
    <message>
        <source>Outside the band in use: it waits for the other band</source>
        <translation>Außerhalb des eingestellten Frequenzbands: erst im anderen Band wählbar</translation>
    </message>
    <message>
        <source>%1 MHz, outside the band in use</source>
        <translation>%1 MHz, außerhalb des eingestellten Frequenzbands</translation>
    </message>
    <message>
        <source>Why the radio may be silent: %1</source>
        <translation>Warum das Radio stumm sein könnte: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The on-air button while the page cannot tell whether the transmitter is on air</extracomment>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Go off air</source>
        <translation>Sendung beenden</translation>
    </message>
    <message>
        <source>Go on air</source>
        <translation>Auf Sendung gehen</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>%1 of %2, PA-VALUE %3</source>
        <translation>%1 von %2, PA-VALUE %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Not connected to the program; trying again…</source>
        <translation>Nicht mit dem Programm verbunden; neuer Versuch…</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Frequency down</source>
        <translation>Frequenz tiefer</translation>
    </message>
    <message>
        <source>Frequency up</source>
        <translation>Frequenz höher</translation>
    </message>
    <message>
        <source>Type MHz</source>
        <translation>MHz eingeben</translation>
    </message>
    <message>
        <source>Tune</source>
        <extracomment>A button: tunes to the frequency typed</extracomment>
        <translation>Einstellen</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Mute</source>
        <extracomment>A button that mutes the transmitter&apos;s sound, pressed while muted</extracomment>
        <translation>Stummschalten</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Above the choice of stereo or mono</extracomment>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Power</source>
        <extracomment>The transmit power&apos;s slider</extracomment>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>Gain</source>
        <extracomment>The audio input gain&apos;s slider</extracomment>
        <translation>Eingangsverstärkung</translation>
    </message>
    <message>
        <source>No transmitter: stored for when it is plugged in</source>
        <translation>Kein Sender: wird gespeichert, bis er eingesteckt ist</translation>
    </message>
    <message>
        <source>Type a frequency in MHz, such as %1.</source>
        <translation>Geben Sie eine Frequenz in MHz ein, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>Connecting to the program…</source>
        <translation>Verbindung zum Programm wird hergestellt…</translation>
    </message>
    <message>
        <source>%1: only %2 to %3 in %4 steps</source>
        <extracomment>A frequency typed on the page, refused: the band&apos;s lowest and highest, and its tuning step</extracomment>
        <translation>%1: nur %2 bis %3 in Schritten von %4</translation>
    </message>
    <message>
        <source>not JSON</source>
        <translation>kein JSON</translation>
    </message>
    <message>
        <source>step is up or down</source>
        <translation>step muss up oder down sein</translation>
    </message>
    <message>
        <source>off air: the frequency steps only on air</source>
        <translation>Sendung aus: Die Frequenz lässt sich nur auf Sendung schrittweise ändern</translation>
    </message>
    <message>
        <source>the page changes only %1</source>
        <translation>die Seite ändert nur %1</translation>
    </message>
    <message>
        <source>%1 does not take this value</source>
        <translation>%1 nimmt diesen Wert nicht an</translation>
    </message>
</context>
</TS>
