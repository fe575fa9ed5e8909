<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
</context>
<context>
    <name>FavouritesFile</name>
    <message>
        <source>longer than 64 KiB, so it is never rewritten; shorten it by hand</source>
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
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Settings not saved: %1</source>
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
</context>
<context>
    <name>TrayControl</name>
    <message>
        <source>&amp;Mute</source>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;On air</source>
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
</TS>
