<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BusRefusal</name>
    <message>
        <source>this Tessaly has no %1 property; it may be an older version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz is outside the band in use, %2 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the session bus did not answer within %1 s; it may be stuck, so Tessaly cannot be reached (see --timeout)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly is not running and could not be started (%1); start it with &apos;tessaly --background&apos;, or &apos;tessaly --headless&apos; without a display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s; it may be busy or stopped, and the command may still take effect (see --timeout)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s; it may be busy or stopped (see --timeout)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this Tessaly has no %1 method; it may be an older version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmitter did not take the change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmitter did not take the change (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this Tessaly runs without windows (headless), so there is none to show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the favourites are full; remove one first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the favourites are full; remove one first (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz is not a favourite</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane Beta 1.1.1</source>
        <extracomment>The program&apos;s name and version</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends your computer&apos;s sound to a nearby FM radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFrequencyReadout</name>
    <message>
        <source>NO TRANSMITTER</source>
        <extracomment>On the display above the frequency, in capitals where the language has them; keep it short</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO PERMISSION</source>
        <extracomment>On the display above the frequency, in capitals where the language has them; keep it short</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install 70-tessaly.rules, then replug</source>
        <extracomment>On the display below the frequency: the fix for NO PERMISSION; keep it short</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency: %1 is its number in MHz, with two decimals</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transmitter did not take the last change (write failed at %1).</source>
        <extracomment>%1 is the time of day</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plug the transmitter in; %1 goes out once it is connected.</source>
        <extracomment>%1 is a frequency, such as 88.10 MHz</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No permission for the transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transmitter is plugged in, but this user may not use it. Install the udev rule 70-tessaly.rules into /usr/lib/udev/rules.d/ (the package does), then unplug the transmitter and plug it in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry %1</source>
        <extracomment>What a screen reader says while a frequency is typed: %1 is what was typed so far, such as 88.1</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHearingDlg</name>
    <message>
        <source>Check again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why can&apos;t I hear it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the transmitter to the sound, in order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks every link and measures the sound going into the transmitter for up to 2 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking, and listening to the sound for up to 2 seconds…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mend this first: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every link holds: tune the radio to the transmitter&apos;s frequency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every link checked holds; &quot;Check again&quot; measures the sound too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the hearing check: its verdict (%1, as &quot;OK&quot;), then what it found (%2)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainPanel</name>
    <message>
        <source>PA-VALUE</source>
        <extracomment>The transmit power, as the slider&apos;s label reads</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>TX-GAIN</source>
        <extracomment>The transmitter&apos;s input gain, as the slider&apos;s label reads</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>The button that closes the settings window</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTransmitterDlg</name>
    <message>
        <source>Play &amp;sound through the transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Control from a phone…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Why can&apos;t I hear it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly</source>
        <extracomment>The program&apos;s name, as its windows&apos; title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play &amp;sound through the transmitter (on, but %1; choose to put it back)</source>
        <extracomment>%1 says where the sound plays instead, as the sound settings have it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transmitter&apos;s sound card was not found: the computer&apos;s sound keeps playing where it did.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>Tessaly</source>
        <extracomment>The program&apos;s name, the tray icon&apos;s tip until it has the transmitter&apos;s state</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTypedEntry</name>
    <message>
        <source>%1: only %2 to %3 in %4 MHz steps</source>
        <extracomment>%1 is the frequency typed, %2 and %3 the band&apos;s ends, %4 the step in MHz, such as 0.05</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWebControlDlg</name>
    <message>
        <source>Serve the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let other devices on the network reach it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let my phone reach it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control from a phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>The network port the page is served on</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>The page&apos;s web address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anyone on the same network who has the code can then control the transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR code of the address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renew the token</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new address: pages opened with the old one stop working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page is off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only this computer may open the page: a phone cannot reach this address. Once you let it, anyone on the same network who has the code can control the transmitter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer has no network a phone could share: connect it to the phone&apos;s network (for example its Wi-Fi) first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan the code with a phone on the same network as this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two addresses in a list</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also reachable at: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckText</name>
    <message>
        <source>Tessaly answers</source>
        <extracomment>tessalyctl check&apos;s first line: the program answered over the session bus</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CtlClient</name>
    <message>
        <source>the web page is not served; &apos;tessalyctl web on&apos; serves it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there are no favourites; &apos;tessalyctl favourite add&apos; adds one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no favourite in the band in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly is not running: start it with &apos;tessaly&apos;, or &apos;tessaly --headless&apos; where there is no desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s (see --timeout)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly could not check: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no session bus to reach Tessaly on (%1): run this inside the desktop session, or start a bus and &apos;tessaly --headless&apos; on it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no session bus to reach Tessaly on (%1); run this inside the desktop session, or start a bus and &apos;tessaly --headless&apos; on it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no transmitter is connected: the change is stored and goes out when one is plugged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sound server is running: the choice is stored and the sound is routed once one is</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CtlCommand</name>
    <message>
        <source>Try &apos;tessalyctl --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no value, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes only --json, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes one value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json goes with status and check only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controls the running Tessaly over the session bus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With status: one JSON object keyed by property name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long to wait for the session bus and for Tessaly to answer (default 5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>The value --timeout takes, shown as &lt;seconds&gt;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command</source>
        <extracomment>The first word after tessalyctl, in its --help; the command words themselves stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to do; see Commands below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[command [value]]</source>
        <extracomment>The synopsis; the command words themselves stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--timeout takes seconds above 0, such as 5 or 0.5, not &apos;%1&apos;</source>
        <extracomment>5 and 0.5 are what to type: keep the decimal point, which --timeout takes alone</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CtlCommands</name>
    <message>
        <source>show every setting (the default command)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>why the radio may be silent: each link from the transmitter to
the sound, ok or broken with what to do; measures the sound 2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>go on air, off air, or the other way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mute or unmute the transmitted audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tune to MHZ, e.g. 88.5, on the 50 kHz grid</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one tuning step up or down (on air only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmit power, the PA-VALUE slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>audio input gain, the TX-GAIN slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stereo or mono transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the frequency band in MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tuning step in kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the de-emphasis in microseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>route the desktop&apos;s sound to the transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the favourite frequencies, one a line in MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add MHZ, or the frequency in use, to the favourites</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remove MHZ from the favourites</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tune to the next favourite above or below, round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>go on air once a transmitter is connected after the start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start Tessaly, in the tray, when you log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serve the web page for phones, or stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the page&apos;s address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a new address; the old one stops working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>let other devices on the network reach the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the page&apos;s port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show and raise the main window</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FavouritesFile</name>
    <message>
        <source>longer than 64 KiB, so it is never rewritten; shorten it by hand</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FavouritesNotice</name>
    <message>
        <source>Line %1, “%2”: no frequency in kHz on the 50 kHz grid of either band</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1, “%2”: the same frequency as an earlier line</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1, “%2”: only the lowest %3 frequencies are used</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text, %3 how many favourites are used</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some lines of %1 give no favourite frequency.</source>
        <extracomment>%1 is the file&apos;s path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <extracomment>After the lines named: how many more were left out</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The file is longer than 64 KiB: only its beginning is read, and it is never rewritten. Shorten it by hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file stays as it is, and is kept as Favourites.ini.bak once the favourites change.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>not a regular file, left alone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HearingCheck</name>
    <message>
        <source>ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>broken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A broken link of the hearing check: the problem (%1), then what mends it (%2)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on air</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked (also: the state &quot;on air&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmitter plugged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmitter taking the changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mute</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked: whether the sound is muted</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked: the transmit power</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmitter&apos;s sound card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>where the sound goes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>something playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmitter&apos;s output in the sound settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound&apos;s level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmitter is not plugged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no permission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install 70-tessaly.rules, then plug it in again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmitter is plugged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmitter took every change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmitter did not take the last change (at %1)</source>
        <extracomment>%1 is the time of day the write failed, as 14:03:07</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unplug it and plug it in again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>press the on-air button (&quot;%1&quot;, read aloud as &quot;%2&quot;)</source>
        <extracomment>The fix in the main window: %1 is the on-air button&apos;s tooltip, %2 the name a screen reader says for it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tap &quot;Go on air&quot;</source>
        <extracomment>The fix on the phone page: &quot;Go on air&quot; is what the page&apos;s on-air button reads while off air</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not muted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>muted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>press %1</source>
        <extracomment>The fix in the main window: %1 is the name of the button to press (its tooltip), as &quot;Mute&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tap Mute</source>
        <extracomment>The fix on the phone page: &quot;Mute&quot; is what the page&apos;s mute button reads</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power %1 of %2</source>
        <extracomment>The transmit power: %1 of at most %2</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power is 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move the %1 slider up</source>
        <extracomment>The fix in the main window: %1 is the power slider&apos;s name, as printed beside it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move the Power slider up</source>
        <extracomment>The fix on the phone page: &quot;Power&quot; is the label of the page&apos;s power slider</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sound server is running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start PipeWire or PulseAudio, or log in again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restart it, or log in again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PipeWire&apos;s pulse server answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound server answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound server has the transmitter&apos;s sound card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound server does not have the transmitter&apos;s sound card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unplug the transmitter and plug it in again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound goes to the transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound goes to %1, not to the transmitter</source>
        <extracomment>%1 is the output the sound goes to, as the sound settings name it (or &quot;no output&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose &quot;Play sound through the transmitter&quot; in the window menu</source>
        <extracomment>The fix in the main window: the quoted words are its menu&apos;s item &quot;Play &amp;sound through the transmitter&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose &quot;Play sound through the transmitter&quot; in the program&apos;s window menu</source>
        <extracomment>The fix on the phone page: the quoted words are the program window menu&apos;s item of that name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>something is playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 plays to %2, not to the transmitter</source>
        <extracomment>%1 is a program (or its stream) as the sound settings name it, %2 the output it plays to</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing is playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmitter&apos;s output is not muted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmitter&apos;s output is muted in the sound settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unmute it there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound reaches %1 dBFS</source>
        <extracomment>For scripts and tessalyctl: %1 is the loudest level measured, in decibels below full scale</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound is loud enough to hear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound is silent (below %1 dBFS for %2 s)</source>
        <extracomment>For scripts and tessalyctl: %1 is the silence level in decibels below full scale, %2 the seconds measured</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound is silent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turn the player up</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelButtons</name>
    <message>
        <source>Stop</source>
        <extracomment>Tooltip of the main window&apos;s on-air (play/stop) button, in either state</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit</source>
        <extracomment>Name a screen reader says for the main window&apos;s on-air button (a check box, checked while on air)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <extracomment>Tooltip and screen reader name of the main window&apos;s mute button</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency add</source>
        <extracomment>Tooltip of the button that raises the frequency by one step</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency up</source>
        <extracomment>Screen reader name of the button that raises the frequency by one step</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency dec</source>
        <extracomment>Tooltip of the button that lowers the frequency by one step</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency down</source>
        <extracomment>Screen reader name of the button that lowers the frequency by one step</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Tooltip of the button that opens the settings window</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Screen reader name of the button that opens the settings window</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PA-VALUE</source>
        <extracomment>Name of the main window&apos;s transmit power slider, as printed beside it</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PulseConnection</name>
    <message>
        <source>the event loop is not GLib&apos;s; the sound is not routed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sound server (%1); the sound is routed once one is running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PulsePeakStream</name>
    <message>
        <source>Level</source>
        <extracomment>The name of the program&apos;s stream that measures the sound&apos;s level, listed in the sound settings</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Corvane...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoutingRecord</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A file (%1) and what is wrong with it (%2)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a readable regular file, left alone; the sound is not given back from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file of ours, left alone; the sound is not given back from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not understood, removed; the sound is not given back from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no private runtime directory: a killed run will not give the sound back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; a killed run will not give the sound back</source>
        <extracomment>%1 is why the file could not be written: the file and the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunningInstance</name>
    <message>
        <source>already running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already running: its window was raised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already running headless: use tessalyctl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already running; its window could not be raised: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>libHIDApi.so could not be loaded: running without the transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the option stays off</source>
        <extracomment>%1 says that going on air at start was not stored, and why</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>settings will not be saved: %1: %2</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file: using the default settings and saving none</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Settings not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Stereo/Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>87.5 - 108MHz(USA,Europe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>76 - 90MHz(Japan)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spacing</source>
        <extracomment>The tuning step: how far apart the frequencies an arrow steps to are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200KHz(USA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100KHz(Europe,Japan)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50KHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50us(Europe,Australia)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>75us(USB,Japan)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleInstanceLock</name>
    <message>
        <source>no single-instance lock: %1: %2; the session bus&apos;s name decides which copy runs</source>
        <extracomment>%1 is the lock file, %2 why it cannot be used</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a private directory of ours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a file of ours</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkinFrame</name>
    <message>
        <source>Tessaly Ver1.2.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max</source>
        <extracomment>The caption button that would make the window as large as the screen</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly Set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmallTextFile</name>
    <message>
        <source>not a readable regular file, the sound option stays on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not understood, the sound option stays on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file (%1) and what is wrong with it (%2)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a readable regular file, the program starts off air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not understood, the program starts off air</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundElsewhereText</name>
    <message>
        <source>the sound settings now send it to %1</source>
        <extracomment>Why the sound is not on the transmitter although routed: %1 is the output the sound settings now use</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound settings now send %1 to %2</source>
        <extracomment>Why the sound is not on the transmitter although routed: %1 is a program as the sound settings name it, %2 the output they now send it to</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundRouting</name>
    <message>
        <source>Playing sound through the transmitter not stored: %1; it stays on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing sound through the transmitter not stored: %1; it stays off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sound server (no socket in %1); the sound is routed once one is running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound is not routed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Run without windows or tray, needing no display: the transmitter, its settings and the session bus only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start with the window hidden in the tray (headless when there is no display).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the web page for phones on and keep that choice (see WebAddress on the bus).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go on air as soon as a transmitter is connected after the start, from now on: the choice is kept (&apos;tessalyctl start-on-air off&apos; or the window&apos;s menu switches it off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell on stderr, besides warnings, what the transmitter, the sound server, the session bus and the web page are doing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controls a USB FM transmitter. While it runs, tessalyctl and the session bus (org.tessaly.Tessaly) control it too; a second start shows the running one&apos;s window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Try &apos;tessaly --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency: %1 is the number of MHz, as 88.10</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not routed, no sound server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not routed, looking for the transmitter&apos;s sound card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not routed, the transmitter&apos;s sound card was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>through %1 (the transmitter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on, but %1</source>
        <extracomment>Sound routing is switched on, but %1 (why the sound is not on the transmitter)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (no permission for the transmitter: install 70-tessaly.rules, then plug it in again)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (no transmitter connected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — the transmitter did not take the last change (write failed at %1)</source>
        <extracomment>%1 is the time of day the write failed, as 14:03:07</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No favourite frequencies</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on, but not served</source>
        <extracomment>The web page is switched on, but no address serves it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2, PA-VALUE %3</source>
        <extracomment>The transmit power: the level %1 of at most %2, and the value %3 the transmitter receives</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A level: %1 of at most %2</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A line of tessalyctl status: the property&apos;s label, then a colon (the value follows after spaces)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound routing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On air at start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransmitterBusObject</name>
    <message>
        <source>no session bus, no scripted control: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not export %1 on the session bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not take the bus name %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bus name %1 belongs to another process: waiting until it is free</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransmitterCore</name>
    <message>
        <source>Going on air at start not stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting at login not stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourites not stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmitter did not take its reports within a second: ending with its off-air report queued but not taken, so it may still be on air</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayControl</name>
    <message>
        <source>&amp;Mute</source>
        <extracomment>The tray menu&apos;s item that silences what the transmitter sends</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Off air</source>
        <extracomment>The tray menu&apos;s item while on air: choosing it goes off air</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;On air</source>
        <extracomment>The tray menu&apos;s item while off air: choosing it goes on air</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly — no transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly — no permission for the transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly — off air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly — muted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly — on air, %1, nothing playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly — on air, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — the transmitter did not take the last change</source>
        <extracomment>%1 is the tip as it would be: the program&apos;s name and the transmitter&apos;s state</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnattendedMenu</name>
    <message>
        <source>&amp;Add %1</source>
        <extracomment>%1 is the frequency in use, such as 88.10 MHz</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove %1</source>
        <extracomment>%1 is the frequency in use, such as 88.10 MHz</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Favourite frequencies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go on air at start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ValueParsers</name>
    <message>
        <source>%1 takes megahertz from %2 to %3 (e.g. %4), not &apos;%5&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz is off the transmitter&apos;s %2 kHz grid; the nearest are %3 and %4 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes %2 (%3), not &apos;%4&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins one more to a list of alternatives: &quot;list, add&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Joins the last of the alternatives: &quot;list, add or remove&quot;, &quot;50 or 75&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebControl</name>
    <message>
        <source>The web page&apos;s choice not stored: %1; the page stays as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new token not stored: %1; the old one still opens the page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteErrorLog</name>
    <message>
        <source>USB Data Write Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB Data Write Error! (%1 more in the last minute)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteErrorMessage</name>
    <message>
        <source>USB Data Write Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transmitter did not take the last change: unplug it and plug it in again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>no display to show the window on (DISPLAY or WAYLAND_DISPLAY cannot be opened); &apos;tessaly --headless&apos; runs without one</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
