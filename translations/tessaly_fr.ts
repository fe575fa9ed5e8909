<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BusRefusal</name>
    <message>
        <source>this Tessaly has no %1 property; it may be an older version</source>
        <translation>ce Tessaly n&apos;a pas de propriété %1&#xa0;; c&apos;est peut-être une version plus ancienne</translation>
    </message>
    <message>
        <source>%1 MHz is outside the band in use, %2 MHz</source>
        <translation>%1 MHz est hors de la bande utilisée, %2 MHz</translation>
    </message>
    <message>
        <source>the session bus did not answer within %1 s; it may be stuck, so Tessaly cannot be reached (see --timeout)</source>
        <translation>le bus de session n&apos;a pas répondu en %1 s&#xa0;; il est peut-être bloqué, Tessaly est donc injoignable (voir --timeout)</translation>
    </message>
    <message>
        <source>Tessaly is not running and could not be started (%1); start it with &apos;tessaly --background&apos;, or &apos;tessaly --headless&apos; without a display</source>
        <translation>Tessaly n&apos;est pas lancé et n&apos;a pas pu être démarré (%1)&#xa0;; démarrez-le avec &apos;tessaly --background&apos;, ou &apos;tessaly --headless&apos; sans écran</translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s; it may be busy or stopped, and the command may still take effect (see --timeout)</source>
        <translation>Tessaly n&apos;a pas répondu en %1 s&#xa0;; il est peut-être occupé ou arrêté, et la commande peut encore prendre effet (voir --timeout)</translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s; it may be busy or stopped (see --timeout)</source>
        <translation>Tessaly n&apos;a pas répondu en %1 s&#xa0;; il est peut-être occupé ou arrêté (voir --timeout)</translation>
    </message>
    <message>
        <source>this Tessaly has no %1 method; it may be an older version</source>
        <translation>ce Tessaly n&apos;a pas de méthode %1&#xa0;; c&apos;est peut-être une version plus ancienne</translation>
    </message>
    <message>
        <source>the transmitter did not take the change</source>
        <translation>l&apos;émetteur n&apos;a pas accepté la modification</translation>
    </message>
    <message>
        <source>the transmitter did not take the change (%1)</source>
        <translation>l&apos;émetteur n&apos;a pas accepté la modification (%1)</translation>
    </message>
    <message>
        <source>this Tessaly runs without windows (headless), so there is none to show</source>
        <translation>ce Tessaly fonctionne sans fenêtre (headless)&#xa0;: il n&apos;y a aucune fenêtre à afficher</translation>
    </message>
    <message>
        <source>the favourites are full; remove one first</source>
        <translation>la liste des favoris est pleine&#xa0;; retirez-en d&apos;abord un</translation>
    </message>
    <message>
        <source>the favourites are full; remove one first (%1)</source>
        <translation>la liste des favoris est pleine&#xa0;; retirez-en d&apos;abord un (%1)</translation>
    </message>
    <message>
        <source>%1 MHz is not a favourite</source>
        <translation>%1 MHz n&apos;est pas dans les favoris</translation>
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
        <translation>Touches&#xa0;:
Taper une fréquence, par exemple 88,1, puis Entrée&#xa0;: passer sur cette fréquence
Espace&#xa0;: appuyer sur le bouton sélectionné&#xa0;; maintenue sur une flèche, changer de fréquence en continu
Tab, Maj+Tab&#xa0;: passer d&apos;une commande à l&apos;autre
Flèches, Page préc., Page suiv., Origine, Fin&#xa0;: déplacer le curseur sélectionné
Alt+Espace ou clic droit&#xa0;: menu de la fenêtre
Entrée, Échap&#xa0;: fermer la fenêtre</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>À propos de Corvane</translation>
    </message>
    <message>
        <source>Corvane Beta 1.1.1</source>
        <extracomment>The program&apos;s name and version</extracomment>
        <translation>Corvane Bêta 1.1.1</translation>
    </message>
    <message>
        <source>Sends your computer&apos;s sound to a nearby FM radio.</source>
        <translation>Envoie le son de votre ordinateur vers une radio FM proche.</translation>
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
        <translation>PAS D&apos;ÉMETTEUR</translation>
    </message>
    <message>
        <source>NO PERMISSION</source>
        <extracomment>On the display above the frequency, in capitals where the language has them; keep it short</extracomment>
        <translation>ACCÈS REFUSÉ</translation>
    </message>
    <message>
        <source>install 70-tessaly.rules, then replug</source>
        <extracomment>On the display below the frequency: the fix for NO PERMISSION; keep it short</extracomment>
        <translation>installez 70-tessaly.rules, puis rebranchez</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency: %1 is its number in MHz, with two decimals</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>The transmitter did not take the last change (write failed at %1).</source>
        <extracomment>%1 is the time of day</extracomment>
        <translation>L&apos;émetteur n&apos;a pas accepté la dernière modification (échec d&apos;écriture à %1).</translation>
    </message>
    <message>
        <source>Off air</source>
        <translation>Hors antenne</translation>
    </message>
    <message>
        <source>Plug the transmitter in; %1 goes out once it is connected.</source>
        <extracomment>%1 is a frequency, such as 88.10 MHz</extracomment>
        <translation>Branchez l&apos;émetteur&#xa0;; l&apos;émission sur %1 commencera dès qu&apos;il sera connecté.</translation>
    </message>
    <message>
        <source>No transmitter</source>
        <translation>Aucun émetteur</translation>
    </message>
    <message>
        <source>No permission for the transmitter</source>
        <translation>Accès à l&apos;émetteur refusé</translation>
    </message>
    <message>
        <source>The transmitter is plugged in, but this user may not use it. Install the udev rule 70-tessaly.rules into /usr/lib/udev/rules.d/ (the package does), then unplug the transmitter and plug it in again.</source>
        <translation>L&apos;émetteur est branché, mais cet utilisateur n&apos;a pas le droit de l&apos;utiliser. Installez la règle udev 70-tessaly.rules dans /usr/lib/udev/rules.d/ (le paquet le fait), puis débranchez l&apos;émetteur et rebranchez-le.</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <extracomment>What a screen reader says while a frequency is typed: %1 is what was typed so far, such as 88.1</extracomment>
        <translation>Saisie %1</translation>
    </message>
</context>
<context>
    <name>CHearingDlg</name>
    <message>
        <source>Check again</source>
        <translation>Revérifier</translation>
    </message>
    <message>
        <source>Why can&apos;t I hear it?</source>
        <translation>Pourquoi je n&apos;entends rien&#xa0;?</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>From the transmitter to the sound, in order</source>
        <translation>De l&apos;émetteur jusqu&apos;au son, dans l&apos;ordre</translation>
    </message>
    <message>
        <source>Checks every link and measures the sound going into the transmitter for up to 2 seconds</source>
        <translation>Vérifie chaque maillon et mesure le son envoyé à l&apos;émetteur pendant 2 secondes au plus</translation>
    </message>
    <message>
        <source>Checking, and listening to the sound for up to 2 seconds…</source>
        <translation>Vérification et écoute du son pendant 2 secondes au plus…</translation>
    </message>
    <message>
        <source>Mend this first: %1</source>
        <translation>À corriger d&apos;abord&#xa0;: %1</translation>
    </message>
    <message>
        <source>Every link holds: tune the radio to the transmitter&apos;s frequency.</source>
        <translation>Tous les maillons fonctionnent&#xa0;: réglez la radio sur la fréquence de l&apos;émetteur.</translation>
    </message>
    <message>
        <source>Every link checked holds; &quot;Check again&quot; measures the sound too.</source>
        <translation>Tous les maillons vérifiés fonctionnent&#xa0;; «&#xa0;Revérifier&#xa0;» mesure aussi le son.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the hearing check: its verdict (%1, as &quot;OK&quot;), then what it found (%2)</extracomment>
        <translation>%1&#xa0;: %2</translation>
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
        <translation>TERMINÉ</translation>
    </message>
</context>
<context>
    <name>CTransmitterDlg</name>
    <message>
        <source>Play &amp;sound through the transmitter</source>
        <translation>Diffuser le &amp;son par l&apos;émetteur</translation>
    </message>
    <message>
        <source>&amp;Control from a phone…</source>
        <translation>Piloter depuis un &amp;téléphone…</translation>
    </message>
    <message>
        <source>&amp;Why can&apos;t I hear it?</source>
        <translation>Pourquoi je n&apos;entends &amp;rien&#xa0;?</translation>
    </message>
    <message>
        <source>Tessaly</source>
        <extracomment>The program&apos;s name, as its windows&apos; title</extracomment>
        <translation>Tessaly</translation>
    </message>
    <message>
        <source>Play &amp;sound through the transmitter (on, but %1; choose to put it back)</source>
        <extracomment>%1 says where the sound plays instead, as the sound settings have it</extracomment>
        <translation>Diffuser le &amp;son par l&apos;émetteur (activé, mais %1&#xa0;; choisissez pour le rétablir)</translation>
    </message>
    <message>
        <source>The transmitter&apos;s sound card was not found: the computer&apos;s sound keeps playing where it did.</source>
        <translation>La carte son de l&apos;émetteur est introuvable&#xa0;: le son de l&apos;ordinateur reste sur la même sortie.</translation>
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
        <translation>%1&#xa0;: seulement de %2 à %3 par pas de %4 MHz</translation>
    </message>
</context>
<context>
    <name>CWebControlDlg</name>
    <message>
        <source>Serve the page</source>
        <translation>Activer la page</translation>
    </message>
    <message>
        <source>Let other devices on the network reach it</source>
        <translation>Autoriser les autres appareils du réseau à y accéder</translation>
    </message>
    <message>
        <source>Let my phone reach it</source>
        <translation>Autoriser mon téléphone à y accéder</translation>
    </message>
    <message>
        <source>Control from a phone</source>
        <translation>Piloter depuis un téléphone</translation>
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
        <translation>Toute personne du même réseau qui a le code pourra alors piloter l&apos;émetteur</translation>
    </message>
    <message>
        <source>QR code of the address</source>
        <translation>Code QR de l&apos;adresse</translation>
    </message>
    <message>
        <source>Renew the token</source>
        <translation>Renouveler le jeton</translation>
    </message>
    <message>
        <source>A new address: pages opened with the old one stop working</source>
        <translation>Une nouvelle adresse&#xa0;: les pages ouvertes avec l&apos;ancienne cessent de fonctionner</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>The page is off.</source>
        <translation>La page est désactivée.</translation>
    </message>
    <message>
        <source>Only this computer may open the page: a phone cannot reach this address. Once you let it, anyone on the same network who has the code can control the transmitter.</source>
        <translation>Seul cet ordinateur peut ouvrir la page&#xa0;: un téléphone ne peut pas joindre cette adresse. Si vous l&apos;autorisez, toute personne du même réseau qui a le code pourra piloter l&apos;émetteur.</translation>
    </message>
    <message>
        <source>This computer has no network a phone could share: connect it to the phone&apos;s network (for example its Wi-Fi) first.</source>
        <translation>Cet ordinateur n&apos;est relié à aucun réseau qu&apos;un téléphone pourrait partager&#xa0;: connectez-le d&apos;abord au réseau du téléphone (par exemple son Wi-Fi).</translation>
    </message>
    <message>
        <source>Scan the code with a phone on the same network as this computer.</source>
        <translation>Scannez le code avec un téléphone connecté au même réseau que cet ordinateur.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two addresses in a list</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Also reachable at: %1</source>
        <translation>Également accessible à&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CheckText</name>
    <message>
        <source>Tessaly answers</source>
        <extracomment>tessalyctl check&apos;s first line: the program answered over the session bus</extracomment>
        <translation>Tessaly répond</translation>
    </message>
</context>
<context>
    <name>CtlClient</name>
    <message>
        <source>the web page is not served; &apos;tessalyctl web on&apos; serves it</source>
        <translation>la page web n&apos;est pas active&#xa0;; &apos;tessalyctl web on&apos; l&apos;active</translation>
    </message>
    <message>
        <source>there are no favourites; &apos;tessalyctl favourite add&apos; adds one</source>
        <translation>il n&apos;y a aucun favori&#xa0;; &apos;tessalyctl favourite add&apos; en ajoute un</translation>
    </message>
    <message>
        <source>no favourite in the band in use</source>
        <translation>aucun favori dans la bande utilisée</translation>
    </message>
    <message>
        <source>Tessaly is not running: start it with &apos;tessaly&apos;, or &apos;tessaly --headless&apos; where there is no desktop</source>
        <translation>Tessaly n&apos;est pas lancé&#xa0;: démarrez-le avec &apos;tessaly&apos;, ou &apos;tessaly --headless&apos; là où il n&apos;y a pas de bureau</translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s (see --timeout)</source>
        <translation>Tessaly n&apos;a pas répondu en %1 s (voir --timeout)</translation>
    </message>
    <message>
        <source>Tessaly could not check: %1</source>
        <translation>Tessaly n&apos;a pas pu vérifier&#xa0;: %1</translation>
    </message>
    <message>
        <source>no session bus to reach Tessaly on (%1): run this inside the desktop session, or start a bus and &apos;tessaly --headless&apos; on it</source>
        <translation>aucun bus de session pour joindre Tessaly (%1)&#xa0;: lancez cette commande dans la session du bureau, ou démarrez un bus et &apos;tessaly --headless&apos; sur celui-ci</translation>
    </message>
    <message>
        <source>no session bus to reach Tessaly on (%1); run this inside the desktop session, or start a bus and &apos;tessaly --headless&apos; on it</source>
        <translation>aucun bus de session pour joindre Tessaly (%1)&#xa0;; lancez cette commande dans la session du bureau, ou démarrez un bus et &apos;tessaly --headless&apos; sur celui-ci</translation>
    </message>
    <message>
        <source>no transmitter is connected: the change is stored and goes out when one is plugged in</source>
        <translation>aucun émetteur n&apos;est connecté&#xa0;: la modification est enregistrée et sera envoyée dès qu&apos;un émetteur sera branché</translation>
    </message>
    <message>
        <source>no sound server is running: the choice is stored and the sound is routed once one is</source>
        <translation>aucun serveur audio n&apos;est lancé&#xa0;: le choix est enregistré et le son sera redirigé dès qu&apos;il y en aura un</translation>
    </message>
</context>
<context>
    <name>CtlCommand</name>
    <message>
        <source>Try &apos;tessalyctl --help&apos;.</source>
        <translation>Essayez &apos;tessalyctl --help&apos;.</translation>
    </message>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 attend %2, pas &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 takes no value, not &apos;%2&apos;</source>
        <translation>%1 n&apos;attend aucune valeur, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 takes only --json, not &apos;%2&apos;</source>
        <translation>%1 n&apos;accepte que --json, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 takes one value</source>
        <translation>%1 attend une seule valeur</translation>
    </message>
    <message>
        <source>--json goes with status and check only</source>
        <translation>--json ne va qu&apos;avec status et check</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Controls the running Tessaly over the session bus.</source>
        <translation>Pilote le Tessaly en cours d&apos;exécution via le bus de session.</translation>
    </message>
    <message>
        <source>With status: one JSON object keyed by property name.</source>
        <translation>Avec status&#xa0;: un objet JSON indexé par nom de propriété.</translation>
    </message>
    <message>
        <source>How long to wait for the session bus and for Tessaly to answer (default 5).</source>
        <translation>Délai d&apos;attente de la réponse du bus de session et de Tessaly (5 par défaut).</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>The value --timeout takes, shown as &lt;seconds&gt;</extracomment>
        <translation>secondes</translation>
    </message>
    <message>
        <source>command</source>
        <extracomment>The first word after tessalyctl, in its --help; the command words themselves stay as they are</extracomment>
        <translation>commande</translation>
    </message>
    <message>
        <source>What to do; see Commands below.</source>
        <translation>Ce qu&apos;il faut faire&#xa0;; voir Commandes ci-dessous.</translation>
    </message>
    <message>
        <source>[command [value]]</source>
        <extracomment>The synopsis; the command words themselves stay as they are</extracomment>
        <translation>[commande [valeur]]</translation>
    </message>
    <message>
        <source>--timeout takes seconds above 0, such as 5 or 0.5, not &apos;%1&apos;</source>
        <extracomment>5 and 0.5 are what to type: keep the decimal point, which --timeout takes alone</extracomment>
        <translation>--timeout attend un nombre de secondes supérieur à 0, comme 5 ou 0.5, pas &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CtlCommands</name>
    <message>
        <source>show every setting (the default command)</source>
        <translation>afficher tous les réglages (commande par défaut)</translation>
    </message>
    <message>
        <source>why the radio may be silent: each link from the transmitter to
the sound, ok or broken with what to do; measures the sound 2 s</source>
        <translation>pourquoi la radio reste muette&#xa0;: chaque maillon, de l&apos;émetteur
au son, ok ou en défaut avec la solution&#xa0;; mesure le son 2 s</translation>
    </message>
    <message>
        <source>go on air, off air, or the other way</source>
        <translation>passer à l&apos;antenne, hors antenne, ou l&apos;inverse</translation>
    </message>
    <message>
        <source>mute or unmute the transmitted audio</source>
        <translation>couper ou rétablir le son émis</translation>
    </message>
    <message>
        <source>tune to MHZ, e.g. 88.5, on the 50 kHz grid</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation>régler la fréquence sur MHZ, p. ex. 88.5, sur la grille de 50 kHz</translation>
    </message>
    <message>
        <source>one tuning step up or down (on air only)</source>
        <translation>monter ou descendre d&apos;un pas (à l&apos;antenne seulement)</translation>
    </message>
    <message>
        <source>transmit power, the PA-VALUE slider</source>
        <translation>puissance d&apos;émission, le curseur PA-VALUE</translation>
    </message>
    <message>
        <source>audio input gain, the TX-GAIN slider</source>
        <translation>gain d&apos;entrée audio, le curseur TX-GAIN</translation>
    </message>
    <message>
        <source>stereo or mono transmission</source>
        <translation>émission en stéréo ou en mono</translation>
    </message>
    <message>
        <source>the frequency band in MHz</source>
        <translation>la bande de fréquences en MHz</translation>
    </message>
    <message>
        <source>the tuning step in kHz</source>
        <translation>le pas de canal en kHz</translation>
    </message>
    <message>
        <source>the de-emphasis in microseconds</source>
        <translation>la désaccentuation en microsecondes</translation>
    </message>
    <message>
        <source>route the desktop&apos;s sound to the transmitter</source>
        <translation>envoyer le son du bureau vers l&apos;émetteur</translation>
    </message>
    <message>
        <source>the favourite frequencies, one a line in MHz</source>
        <translation>les fréquences favorites, une par ligne, en MHz</translation>
    </message>
    <message>
        <source>add MHZ, or the frequency in use, to the favourites</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation>ajouter MHZ, ou la fréquence utilisée, aux favoris</translation>
    </message>
    <message>
        <source>remove MHZ from the favourites</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation>retirer MHZ des favoris</translation>
    </message>
    <message>
        <source>tune to the next favourite above or below, round</source>
        <translation>passer au favori suivant ou précédent, en boucle</translation>
    </message>
    <message>
        <source>go on air once a transmitter is connected after the start</source>
        <translation>passer à l&apos;antenne dès qu&apos;un émetteur est connecté après le lancement</translation>
    </message>
    <message>
        <source>start Tessaly, in the tray, when you log in</source>
        <translation>lancer Tessaly dans la zone de notification à la connexion</translation>
    </message>
    <message>
        <source>serve the web page for phones, or stop</source>
        <translation>activer ou désactiver la page web pour téléphones</translation>
    </message>
    <message>
        <source>print the page&apos;s address</source>
        <translation>afficher l&apos;adresse de la page</translation>
    </message>
    <message>
        <source>a new address; the old one stops working</source>
        <translation>nouvelle adresse&#xa0;; l&apos;ancienne cesse de fonctionner</translation>
    </message>
    <message>
        <source>let other devices on the network reach the page</source>
        <translation>autoriser les autres appareils du réseau à ouvrir la page</translation>
    </message>
    <message>
        <source>the page&apos;s port</source>
        <translation>le port de la page</translation>
    </message>
    <message>
        <source>show and raise the main window</source>
        <translation>afficher la fenêtre principale au premier plan</translation>
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
        <translation>Codes de sortie&#xa0;:
  0  réussi
  1  Tessaly a refusé la demande ou n&apos;a pas pu l&apos;exécuter
  2  erreur d&apos;utilisation ou valeur incorrecte&#xa0;; rien n&apos;a été envoyé
  3  Tessaly n&apos;est pas lancé et n&apos;a pas pu être démarré, ou le bus de session n&apos;a pas répondu
  4  Tessaly n&apos;a pas répondu à temps (voir --timeout)&#xa0;; la commande peut encore prendre effet
  check&#xa0;: 0 si tous les maillons fonctionnent, 1 si l&apos;un est en défaut, et aussi si Tessaly
  n&apos;est pas lancé ou ne répond pas en %1 s (ou --timeout)
</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes&#xa0;:</translation>
    </message>
</context>
<context>
    <name>FavouritesFile</name>
    <message>
        <source>longer than 64 KiB, so it is never rewritten; shorten it by hand</source>
        <translation>plus de 64 Kio, il n&apos;est donc jamais réécrit&#xa0;; raccourcissez-le à la main</translation>
    </message>
</context>
<context>
    <name>FavouritesNotice</name>
    <message>
        <source>Line %1, “%2”: no frequency in kHz on the 50 kHz grid of either band</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text</extracomment>
        <translation>Ligne %1, «&#xa0;%2&#xa0;»&#xa0;: aucune fréquence en kHz sur la grille de 50 kHz de l&apos;une ou l&apos;autre bande</translation>
    </message>
    <message>
        <source>Line %1, “%2”: the same frequency as an earlier line</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text</extracomment>
        <translation>Ligne %1, «&#xa0;%2&#xa0;»&#xa0;: même fréquence qu&apos;une ligne précédente</translation>
    </message>
    <message>
        <source>Line %1, “%2”: only the lowest %3 frequencies are used</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text, %3 how many favourites are used</extracomment>
        <translation>Ligne %1, «&#xa0;%2&#xa0;»&#xa0;: seules les %3 fréquences les plus basses sont utilisées</translation>
    </message>
    <message>
        <source>Some lines of %1 give no favourite frequency.</source>
        <extracomment>%1 is the file&apos;s path</extracomment>
        <translation>Certaines lignes de %1 ne donnent aucune fréquence favorite.</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <extracomment>After the lines named: how many more were left out</extracomment>
        <translation>
            <numerusform>…et %n autre</numerusform>
            <numerusform>…et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is longer than 64 KiB: only its beginning is read, and it is never rewritten. Shorten it by hand.</source>
        <translation>Le fichier dépasse 64 Kio&#xa0;: seul son début est lu, et il n&apos;est jamais réécrit. Raccourcissez-le à la main.</translation>
    </message>
    <message>
        <source>The file stays as it is, and is kept as Favourites.ini.bak once the favourites change.</source>
        <translation>Le fichier reste tel quel&#xa0;; il sera conservé sous le nom Favourites.ini.bak dès que les favoris changeront.</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>not a regular file, left alone</source>
        <translation>pas un fichier ordinaire, laissé tel quel</translation>
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
        <translation>en défaut</translation>
    </message>
    <message>
        <source>Broken</source>
        <translation>En défaut</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>non vérifié</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Non vérifié</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A broken link of the hearing check: the problem (%1), then what mends it (%2)</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>on air</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked (also: the state &quot;on air&quot;)</extracomment>
        <translation>à l&apos;antenne</translation>
    </message>
    <message>
        <source>the transmitter plugged in</source>
        <translation>l&apos;émetteur branché</translation>
    </message>
    <message>
        <source>the transmitter taking the changes</source>
        <translation>l&apos;émetteur qui accepte les modifications</translation>
    </message>
    <message>
        <source>mute</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked: whether the sound is muted</extracomment>
        <translation>coupure du son</translation>
    </message>
    <message>
        <source>power</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked: the transmit power</extracomment>
        <translation>puissance</translation>
    </message>
    <message>
        <source>the sound server</source>
        <translation>le serveur audio</translation>
    </message>
    <message>
        <source>the transmitter&apos;s sound card</source>
        <translation>la carte son de l&apos;émetteur</translation>
    </message>
    <message>
        <source>where the sound goes</source>
        <translation>où va le son</translation>
    </message>
    <message>
        <source>something playing</source>
        <translation>une lecture en cours</translation>
    </message>
    <message>
        <source>the transmitter&apos;s output in the sound settings</source>
        <translation>la sortie de l&apos;émetteur dans les réglages du son</translation>
    </message>
    <message>
        <source>the sound&apos;s level</source>
        <translation>le niveau du son</translation>
    </message>
    <message>
        <source>the transmitter is not plugged in</source>
        <translation>l&apos;émetteur n&apos;est pas branché</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>install 70-tessaly.rules, then plug it in again</source>
        <translation>installez 70-tessaly.rules, puis rebranchez-le</translation>
    </message>
    <message>
        <source>the transmitter is plugged in</source>
        <translation>l&apos;émetteur est branché</translation>
    </message>
    <message>
        <source>the transmitter took every change</source>
        <translation>l&apos;émetteur a accepté toutes les modifications</translation>
    </message>
    <message>
        <source>the transmitter did not take the last change (at %1)</source>
        <extracomment>%1 is the time of day the write failed, as 14:03:07</extracomment>
        <translation>l&apos;émetteur n&apos;a pas accepté la dernière modification (à %1)</translation>
    </message>
    <message>
        <source>unplug it and plug it in again</source>
        <translation>débranchez-le et rebranchez-le</translation>
    </message>
    <message>
        <source>off air</source>
        <translation>hors antenne</translation>
    </message>
    <message>
        <source>press the on-air button (&quot;%1&quot;, read aloud as &quot;%2&quot;)</source>
        <extracomment>The fix in the main window: %1 is the on-air button&apos;s tooltip, %2 the name a screen reader says for it</extracomment>
        <translation>appuyez sur le bouton d&apos;antenne («&#xa0;%1&#xa0;», lu «&#xa0;%2&#xa0;» par le lecteur d&apos;écran)</translation>
    </message>
    <message>
        <source>not muted</source>
        <translation>son actif</translation>
    </message>
    <message>
        <source>muted</source>
        <translation>son coupé</translation>
    </message>
    <message>
        <source>press %1</source>
        <extracomment>The fix in the main window: %1 is the name of the button to press (its tooltip), as &quot;Mute&quot;</extracomment>
        <translation>appuyez sur «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>power %1 of %2</source>
        <extracomment>The transmit power: %1 of at most %2</extracomment>
        <translation>puissance %1 sur %2</translation>
    </message>
    <message>
        <source>power is 0</source>
        <translation>puissance à 0</translation>
    </message>
    <message>
        <source>move the %1 slider up</source>
        <extracomment>A fix: %1 is the power slider&apos;s name, as the window or the page prints it beside the slider</extracomment>
        <translation>montez le curseur « %1 »</translation>
    </message>
    <message>
        <source>no sound server is running</source>
        <translation>aucun serveur audio n&apos;est lancé</translation>
    </message>
    <message>
        <source>start PipeWire or PulseAudio, or log in again</source>
        <translation>lancez PipeWire ou PulseAudio, ou reconnectez-vous</translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>le serveur audio ne répond pas</translation>
    </message>
    <message>
        <source>restart it, or log in again</source>
        <translation>relancez-le, ou reconnectez-vous</translation>
    </message>
    <message>
        <source>PipeWire&apos;s pulse server answers</source>
        <translation>le serveur pulse de PipeWire répond</translation>
    </message>
    <message>
        <source>the sound server answers</source>
        <translation>le serveur audio répond</translation>
    </message>
    <message>
        <source>the sound server has the transmitter&apos;s sound card</source>
        <translation>le serveur audio voit la carte son de l&apos;émetteur</translation>
    </message>
    <message>
        <source>the sound server does not have the transmitter&apos;s sound card</source>
        <translation>le serveur audio ne voit pas la carte son de l&apos;émetteur</translation>
    </message>
    <message>
        <source>unplug the transmitter and plug it in again</source>
        <translation>débranchez l&apos;émetteur et rebranchez-le</translation>
    </message>
    <message>
        <source>the sound goes to the transmitter</source>
        <translation>le son va vers l&apos;émetteur</translation>
    </message>
    <message>
        <source>the sound goes to %1, not to the transmitter</source>
        <extracomment>%1 is the output the sound goes to, as the sound settings name it (or &quot;no output&quot;)</extracomment>
        <translation>le son va vers %1, pas vers l&apos;émetteur</translation>
    </message>
    <message>
        <source>no output</source>
        <translation>aucune sortie</translation>
    </message>
    <message>
        <source>choose &quot;Play sound through the transmitter&quot; in the window menu</source>
        <extracomment>The fix in the main window: the quoted words are its menu&apos;s item &quot;Play &amp;sound through the transmitter&quot;</extracomment>
        <translation>choisissez «&#xa0;Diffuser le son par l&apos;émetteur&#xa0;» dans le menu de la fenêtre</translation>
    </message>
    <message>
        <source>choose &quot;Play sound through the transmitter&quot; in the program&apos;s window menu</source>
        <extracomment>The fix on the phone page: the quoted words are the program window menu&apos;s item of that name</extracomment>
        <translation>choisissez «&#xa0;Diffuser le son par l&apos;émetteur&#xa0;» dans le menu de la fenêtre du programme</translation>
    </message>
    <message>
        <source>something is playing</source>
        <translation>une lecture est en cours</translation>
    </message>
    <message>
        <source>%1 plays to %2, not to the transmitter</source>
        <extracomment>%1 is a program (or its stream) as the sound settings name it, %2 the output it plays to</extracomment>
        <translation>%1 est diffusé sur %2, pas sur l&apos;émetteur</translation>
    </message>
    <message>
        <source>nothing is playing</source>
        <translation>rien n&apos;est en lecture</translation>
    </message>
    <message>
        <source>the transmitter&apos;s output is not muted</source>
        <translation>la sortie de l&apos;émetteur n&apos;est pas coupée</translation>
    </message>
    <message>
        <source>the transmitter&apos;s output is muted in the sound settings</source>
        <translation>la sortie de l&apos;émetteur est coupée dans les réglages du son</translation>
    </message>
    <message>
        <source>unmute it there</source>
        <translation>rétablissez-y le son</translation>
    </message>
    <message>
        <source>the sound reaches %1 dBFS</source>
        <extracomment>For scripts and tessalyctl: %1 is the loudest level measured, in decibels below full scale</extracomment>
        <translation>le son atteint %1 dBFS</translation>
    </message>
    <message>
        <source>the sound is loud enough to hear</source>
        <translation>le son est assez fort pour être entendu</translation>
    </message>
    <message>
        <source>the sound is silent (below %1 dBFS for %2 s)</source>
        <extracomment>For scripts and tessalyctl: %1 is the silence level in decibels below full scale, %2 the seconds measured</extracomment>
        <translation>le son est inaudible (sous %1 dBFS pendant %2 s)</translation>
    </message>
    <message>
        <source>the sound is silent</source>
        <translation>le son est inaudible</translation>
    </message>
    <message>
        <source>turn the player up</source>
        <translation>montez le volume du lecteur</translation>
    </message>
    <message>
        <source>tap &quot;%1&quot;</source>
        <extracomment>A fix on the phone page: %1 is the words on the page&apos;s button to tap, as &quot;Go on air&quot;</extracomment>
        <translation>touchez « %1 »</translation>
    </message>
</context>
<context>
    <name>PanelButtons</name>
    <message>
        <source>Stop</source>
        <extracomment>Tooltip of the main window&apos;s on-air (play/stop) button, in either state</extracomment>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Transmit</source>
        <extracomment>Name a screen reader says for the main window&apos;s on-air button (a check box, checked while on air)</extracomment>
        <translation>Émettre</translation>
    </message>
    <message>
        <source>Mute</source>
        <extracomment>Tooltip and screen reader name of the main window&apos;s mute button</extracomment>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Frequency add</source>
        <extracomment>Tooltip of the button that raises the frequency by one step</extracomment>
        <translation>Fréquence +</translation>
    </message>
    <message>
        <source>Frequency up</source>
        <extracomment>Screen reader name of the button that raises the frequency by one step</extracomment>
        <translation>Monter la fréquence</translation>
    </message>
    <message>
        <source>Frequency dec</source>
        <extracomment>Tooltip of the button that lowers the frequency by one step</extracomment>
        <translation>Fréquence −</translation>
    </message>
    <message>
        <source>Frequency down</source>
        <extracomment>Screen reader name of the button that lowers the frequency by one step</extracomment>
        <translation>Baisser la fréquence</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Tooltip of the button that opens the settings window</extracomment>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Screen reader name of the button that opens the settings window</extracomment>
        <translation>Réglages</translation>
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
        <translation>la boucle d&apos;événements n&apos;est pas celle de GLib&#xa0;; le son n&apos;est pas redirigé</translation>
    </message>
    <message>
        <source>no sound server (%1); the sound is routed once one is running</source>
        <translation>aucun serveur audio (%1)&#xa0;; le son sera redirigé dès qu&apos;il y en aura un</translation>
    </message>
</context>
<context>
    <name>PulsePeakStream</name>
    <message>
        <source>Level</source>
        <extracomment>The name of the program&apos;s stream that measures the sound&apos;s level, listed in the sound settings</extracomment>
        <translation>Niveau</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Corvane...</source>
        <translation>À &amp;propos de Corvane...</translation>
    </message>
</context>
<context>
    <name>RoutingRecord</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A file (%1) and what is wrong with it (%2)</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not a readable regular file, left alone; the sound is not given back from it</source>
        <translation>pas un fichier ordinaire lisible, laissé tel quel&#xa0;; le son n&apos;est pas rétabli à partir de ce fichier</translation>
    </message>
    <message>
        <source>not a regular file of ours, left alone; the sound is not given back from it</source>
        <translation>pas un fichier ordinaire qui nous appartient, laissé tel quel&#xa0;; le son n&apos;est pas rétabli à partir de ce fichier</translation>
    </message>
    <message>
        <source>not understood, removed; the sound is not given back from it</source>
        <translation>incompréhensible, supprimé&#xa0;; le son n&apos;est pas rétabli à partir de ce fichier</translation>
    </message>
    <message>
        <source>no private runtime directory: a killed run will not give the sound back</source>
        <translation>aucun répertoire d&apos;exécution privé&#xa0;: si le programme est tué, le son ne sera pas rétabli</translation>
    </message>
    <message>
        <source>%1; a killed run will not give the sound back</source>
        <extracomment>%1 is why the file could not be written: the file and the system&apos;s reason</extracomment>
        <translation>%1&#xa0;; si le programme est tué, le son ne sera pas rétabli</translation>
    </message>
</context>
<context>
    <name>RunningInstance</name>
    <message>
        <source>already running</source>
        <translation>déjà lancé</translation>
    </message>
    <message>
        <source>already running: its window was raised</source>
        <translation>déjà lancé&#xa0;: sa fenêtre a été mise au premier plan</translation>
    </message>
    <message>
        <source>already running headless: use tessalyctl</source>
        <translation>déjà lancé sans fenêtre (headless)&#xa0;: utilisez tessalyctl</translation>
    </message>
    <message>
        <source>already running; its window could not be raised: %1</source>
        <translation>déjà lancé&#xa0;; sa fenêtre n&apos;a pas pu être mise au premier plan&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>libHIDApi.so could not be loaded: running without the transmitter</source>
        <translation>libHIDApi.so n&apos;a pas pu être chargée&#xa0;: fonctionnement sans l&apos;émetteur</translation>
    </message>
    <message>
        <source>%1; the option stays off</source>
        <extracomment>%1 says that going on air at start was not stored, and why</extracomment>
        <translation>%1&#xa0;; l&apos;option reste désactivée</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>settings will not be saved: %1: %2</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>les réglages ne seront pas enregistrés&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file: using the default settings and saving none</source>
        <translation>%1 n&apos;est pas un fichier ordinaire&#xa0;: réglages par défaut utilisés, aucun ne sera enregistré</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Settings not saved: %1</source>
        <translation>Réglages non enregistrés&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Stereo/Mono</source>
        <translation>Stéréo/Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>87.5 - 108MHz(USA,Europe)</source>
        <translation>87,5 - 108MHz(USA,Europe)</translation>
    </message>
    <message>
        <source>76 - 90MHz(Japan)</source>
        <translation>76 - 90MHz(Japon)</translation>
    </message>
    <message>
        <source>Spacing</source>
        <extracomment>The tuning step: how far apart the frequencies an arrow steps to are</extracomment>
        <translation>Pas</translation>
    </message>
    <message>
        <source>200KHz(USA)</source>
        <translation>200kHz(USA)</translation>
    </message>
    <message>
        <source>100KHz(Europe,Japan)</source>
        <translation>100kHz(Europe,Japon)</translation>
    </message>
    <message>
        <source>50KHz</source>
        <translation>50kHz</translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation>Désaccentuation</translation>
    </message>
    <message>
        <source>50us(Europe,Australia)</source>
        <translation>50µs(Europe,Australie)</translation>
    </message>
    <message>
        <source>75us(USB,Japan)</source>
        <translation>75µs(USA,Japon)</translation>
    </message>
</context>
<context>
    <name>SingleInstanceLock</name>
    <message>
        <source>no single-instance lock: %1: %2; the session bus&apos;s name decides which copy runs</source>
        <extracomment>%1 is the lock file, %2 why it cannot be used</extracomment>
        <translation>pas de verrou d&apos;instance unique&#xa0;: %1&#xa0;: %2&#xa0;; le nom sur le bus de session décide quelle instance s&apos;exécute</translation>
    </message>
    <message>
        <source>not a private directory of ours</source>
        <translation>pas un répertoire privé qui nous appartient</translation>
    </message>
    <message>
        <source>not a file of ours</source>
        <translation>pas un fichier qui nous appartient</translation>
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
        <translation>réduire</translation>
    </message>
    <message>
        <source>max</source>
        <extracomment>The caption button that would make the window as large as the screen</extracomment>
        <translation>agrandir</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fermer</translation>
    </message>
    <message>
        <source>Tessaly Set</source>
        <translation>Tessaly Réglages</translation>
    </message>
</context>
<context>
    <name>SmallTextFile</name>
    <message>
        <source>not a readable regular file, the sound option stays on</source>
        <translation>pas un fichier ordinaire lisible, l&apos;option son reste activée</translation>
    </message>
    <message>
        <source>not understood, the sound option stays on</source>
        <translation>incompréhensible, l&apos;option son reste activée</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file (%1) and what is wrong with it (%2)</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not a readable regular file, the program starts off air</source>
        <translation>pas un fichier ordinaire lisible, le programme démarre hors antenne</translation>
    </message>
    <message>
        <source>not understood, the program starts off air</source>
        <translation>incompréhensible, le programme démarre hors antenne</translation>
    </message>
</context>
<context>
    <name>SoundElsewhereText</name>
    <message>
        <source>the sound settings now send it to %1</source>
        <extracomment>Why the sound is not on the transmitter although routed: %1 is the output the sound settings now use</extracomment>
        <translation>les réglages du son l&apos;envoient désormais vers %1</translation>
    </message>
    <message>
        <source>the sound settings now send %1 to %2</source>
        <extracomment>Why the sound is not on the transmitter although routed: %1 is a program as the sound settings name it, %2 the output they now send it to</extracomment>
        <translation>les réglages du son envoient désormais %1 vers %2</translation>
    </message>
</context>
<context>
    <name>SoundRouting</name>
    <message>
        <source>Playing sound through the transmitter not stored: %1; it stays on</source>
        <translation>Diffusion du son par l&apos;émetteur non enregistrée&#xa0;: %1&#xa0;; elle reste activée</translation>
    </message>
    <message>
        <source>Playing sound through the transmitter not stored: %1; it stays off</source>
        <translation>Diffusion du son par l&apos;émetteur non enregistrée&#xa0;: %1&#xa0;; elle reste désactivée</translation>
    </message>
    <message>
        <source>no sound server (no socket in %1); the sound is routed once one is running</source>
        <translation>aucun serveur audio (pas de socket dans %1)&#xa0;; le son sera redirigé dès qu&apos;il y en aura un</translation>
    </message>
    <message>
        <source>the sound is not routed: %1</source>
        <translation>le son n&apos;est pas redirigé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Run without windows or tray, needing no display: the transmitter, its settings and the session bus only.</source>
        <translation>Fonctionner sans fenêtre ni icône de notification, sans besoin d&apos;écran&#xa0;: seulement l&apos;émetteur, ses réglages et le bus de session.</translation>
    </message>
    <message>
        <source>Start with the window hidden in the tray (headless when there is no display).</source>
        <translation>Démarrer avec la fenêtre cachée dans la zone de notification (sans fenêtre s&apos;il n&apos;y a pas d&apos;écran).</translation>
    </message>
    <message>
        <source>Switch the web page for phones on and keep that choice (see WebAddress on the bus).</source>
        <translation>Activer la page web pour téléphones et conserver ce choix (voir WebAddress sur le bus).</translation>
    </message>
    <message>
        <source>Go on air as soon as a transmitter is connected after the start, from now on: the choice is kept (&apos;tessalyctl start-on-air off&apos; or the window&apos;s menu switches it off).</source>
        <translation>Désormais, passer à l&apos;antenne dès qu&apos;un émetteur est connecté après le lancement&#xa0;: le choix est conservé (&apos;tessalyctl start-on-air off&apos; ou le menu de la fenêtre le désactive).</translation>
    </message>
    <message>
        <source>Tell on stderr, besides warnings, what the transmitter, the sound server, the session bus and the web page are doing.</source>
        <translation>Indiquer sur stderr, en plus des avertissements, ce que font l&apos;émetteur, le serveur audio, le bus de session et la page web.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Controls a USB FM transmitter. While it runs, tessalyctl and the session bus (org.tessaly.Tessaly) control it too; a second start shows the running one&apos;s window.</source>
        <translation>Pilote un émetteur FM USB. Pendant qu&apos;il fonctionne, tessalyctl et le bus de session (org.tessaly.Tessaly) le pilotent aussi&#xa0;; un deuxième lancement affiche la fenêtre de celui déjà en cours.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1
Try &apos;tessaly --help&apos;.</source>
        <translation>%1
Essayez &apos;tessaly --help&apos;.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency: %1 is the number of MHz, as 88.10</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>not routed, no sound server</source>
        <translation>non redirigé, aucun serveur audio</translation>
    </message>
    <message>
        <source>not routed, looking for the transmitter&apos;s sound card</source>
        <translation>non redirigé, recherche de la carte son de l&apos;émetteur</translation>
    </message>
    <message>
        <source>not routed, the transmitter&apos;s sound card was not found</source>
        <translation>non redirigé, carte son de l&apos;émetteur introuvable</translation>
    </message>
    <message>
        <source>through %1 (the transmitter)</source>
        <translation>par %1 (l&apos;émetteur)</translation>
    </message>
    <message>
        <source>on, but %1</source>
        <extracomment>Sound routing is switched on, but %1 (why the sound is not on the transmitter)</extracomment>
        <translation>activé, mais %1</translation>
    </message>
    <message>
        <source> (no permission for the transmitter: install 70-tessaly.rules, then plug it in again)</source>
        <translation> (accès à l&apos;émetteur refusé&#xa0;: installez 70-tessaly.rules, puis rebranchez-le)</translation>
    </message>
    <message>
        <source> (no transmitter connected)</source>
        <translation> (aucun émetteur connecté)</translation>
    </message>
    <message>
        <source> — the transmitter did not take the last change (write failed at %1)</source>
        <extracomment>%1 is the time of day the write failed, as 14:03:07</extracomment>
        <translation> — l&apos;émetteur n&apos;a pas accepté la dernière modification (échec d&apos;écriture à %1)</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No favourite frequencies</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>on, but not served</source>
        <extracomment>The web page is switched on, but no address serves it</extracomment>
        <translation>activé, mais page indisponible</translation>
    </message>
    <message>
        <source>%1 of %2, PA-VALUE %3</source>
        <extracomment>The transmit power: the level %1 of at most %2, and the value %3 the transmitter receives</extracomment>
        <translation>%1 sur %2, PA-VALUE %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A level: %1 of at most %2</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>stéréo</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A line of tessalyctl status: the property&apos;s label, then a colon (the value follows after spaces)</extracomment>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>On air</source>
        <translation>À l&apos;antenne</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation>Désaccentuation</translation>
    </message>
    <message>
        <source>Sound routing</source>
        <translation>Son vers l&apos;émetteur</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>On air at start</source>
        <translation>À l&apos;antenne au démarrage</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Pilotage web</translation>
    </message>
</context>
<context>
    <name>TransmitterBusObject</name>
    <message>
        <source>no session bus, no scripted control: %1</source>
        <translation>pas de bus de session, pas de pilotage par script&#xa0;: %1</translation>
    </message>
    <message>
        <source>could not export %1 on the session bus</source>
        <translation>impossible d&apos;exporter %1 sur le bus de session</translation>
    </message>
    <message>
        <source>could not take the bus name %1: %2</source>
        <translation>impossible de prendre le nom de bus %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the bus name %1 belongs to another process: waiting until it is free</source>
        <translation>le nom de bus %1 appartient à un autre processus&#xa0;: attente de sa libération</translation>
    </message>
</context>
<context>
    <name>TransmitterCore</name>
    <message>
        <source>Going on air at start not stored: %1</source>
        <translation>Passage à l&apos;antenne au démarrage non enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Starting at login not stored: %1</source>
        <translation>Lancement à la connexion non enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Favourites not stored: %1</source>
        <translation>Favoris non enregistrés&#xa0;: %1</translation>
    </message>
    <message>
        <source>the transmitter did not take its reports within a second: ending with its off-air report queued but not taken, so it may still be on air</source>
        <translation>l&apos;émetteur n&apos;a pas accepté ses commandes en une seconde&#xa0;: arrêt avec la commande de fin d&apos;émission en attente mais non acceptée, il est donc peut-être encore à l&apos;antenne</translation>
    </message>
</context>
<context>
    <name>TrayControl</name>
    <message>
        <source>&amp;Mute</source>
        <extracomment>The tray menu&apos;s item that silences what the transmitter sends</extracomment>
        <translation>&amp;Muet</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>Lancer à la &amp;connexion</translation>
    </message>
    <message>
        <source>&amp;Show window</source>
        <translation>Afficher la &amp;fenêtre</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Off air</source>
        <extracomment>The tray menu&apos;s item while on air: choosing it goes off air</extracomment>
        <translation>Passer &amp;hors antenne</translation>
    </message>
    <message>
        <source>&amp;On air</source>
        <extracomment>The tray menu&apos;s item while off air: choosing it goes on air</extracomment>
        <translation>Passer à l&apos;&amp;antenne</translation>
    </message>
    <message>
        <source>Tessaly — no transmitter</source>
        <translation>Tessaly — aucun émetteur</translation>
    </message>
    <message>
        <source>Tessaly — no permission for the transmitter</source>
        <translation>Tessaly — accès à l&apos;émetteur refusé</translation>
    </message>
    <message>
        <source>Tessaly — off air</source>
        <translation>Tessaly — hors antenne</translation>
    </message>
    <message>
        <source>Tessaly — muted</source>
        <translation>Tessaly — son coupé</translation>
    </message>
    <message>
        <source>Tessaly — on air, %1, nothing playing</source>
        <translation>Tessaly — à l&apos;antenne, %1, rien en lecture</translation>
    </message>
    <message>
        <source>Tessaly — on air, %1</source>
        <translation>Tessaly — à l&apos;antenne, %1</translation>
    </message>
    <message>
        <source>%1 — the transmitter did not take the last change</source>
        <extracomment>%1 is the tip as it would be: the program&apos;s name and the transmitter&apos;s state</extracomment>
        <translation>%1 — l&apos;émetteur n&apos;a pas accepté la dernière modification</translation>
    </message>
</context>
<context>
    <name>UnattendedMenu</name>
    <message>
        <source>&amp;Add %1</source>
        <extracomment>%1 is the frequency in use, such as 88.10 MHz</extracomment>
        <translation>&amp;Ajouter %1</translation>
    </message>
    <message>
        <source>&amp;Remove %1</source>
        <extracomment>%1 is the frequency in use, such as 88.10 MHz</extracomment>
        <translation>&amp;Retirer %1</translation>
    </message>
    <message>
        <source>&amp;Favourite frequencies</source>
        <translation>&amp;Fréquences favorites</translation>
    </message>
    <message>
        <source>&amp;Go on air at start</source>
        <translation>Passer à l&apos;antenne au &amp;démarrage</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>Lancer à la &amp;connexion</translation>
    </message>
</context>
<context>
    <name>ValueParsers</name>
    <message>
        <source>%1 takes megahertz from %2 to %3 (e.g. %4), not &apos;%5&apos;</source>
        <translation>%1 attend des mégahertz de %2 à %3 (p. ex. %4), pas &apos;%5&apos;</translation>
    </message>
    <message>
        <source>%1 MHz is off the transmitter&apos;s %2 kHz grid; the nearest are %3 and %4 MHz</source>
        <translation>%1 MHz est hors de la grille de %2 kHz de l&apos;émetteur&#xa0;; les plus proches sont %3 et %4 MHz</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 attend un nombre entier de %2 à %3, pas &apos;%4&apos;</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 attend on ou off, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 takes %2 (%3), not &apos;%4&apos;</source>
        <translation>%1 attend %2 (%3), pas &apos;%4&apos;</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins one more to a list of alternatives: &quot;list, add&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Joins the last of the alternatives: &quot;list, add or remove&quot;, &quot;50 or 75&quot;</extracomment>
        <translation>%1 ou %2</translation>
    </message>
</context>
<context>
    <name>WebControl</name>
    <message>
        <source>The web page&apos;s choice not stored: %1; the page stays as it was</source>
        <translation>Choix de la page web non enregistré&#xa0;: %1&#xa0;; la page reste inchangée</translation>
    </message>
    <message>
        <source>The new token not stored: %1; the old one still opens the page</source>
        <translation>Nouveau jeton non enregistré&#xa0;: %1&#xa0;; l&apos;ancien ouvre toujours la page</translation>
    </message>
    <message>
        <source>the web page is not served: %1</source>
        <translation>la page web n&apos;est pas active : %1</translation>
    </message>
    <message>
        <source>%1 could not be loaded: %2</source>
        <extracomment>The page&apos;s server module, then why the system could not load it</extracomment>
        <translation>impossible de charger %1 : %2</translation>
    </message>
    <message>
        <source>no token could be stored in %1</source>
        <translation>impossible d&apos;enregistrer un jeton dans %1</translation>
    </message>
</context>
<context>
    <name>WebServer</name>
    <message>
        <source>port %1 is in use by another program; choose another port</source>
        <translation>le port %1 est utilisé par un autre programme ; choisissez un autre port</translation>
    </message>
    <message>
        <source>port %1: %2</source>
        <extracomment>A port, then why the page cannot be served on it, as the system says it</extracomment>
        <translation>port %1 : %2</translation>
    </message>
    <message>
        <source>%1; the page could not be served again as it was</source>
        <translation>%1 ; la page n&apos;a pas pu être réactivée telle qu&apos;elle était</translation>
    </message>
    <message>
        <source>This page is reached by the machine&apos;s own name or address.</source>
        <translation>Cette page s&apos;ouvre avec le nom ou l&apos;adresse de la machine elle-même.</translation>
    </message>
    <message>
        <source>Too many wrong tokens: wait a little.</source>
        <translation>Trop de jetons erronés : patientez un peu.</translation>
    </message>
    <message>
        <source>Open the address with its token, as the program shows it (or its QR code).</source>
        <translation>Ouvrez l&apos;adresse avec son jeton, telle que le programme l&apos;affiche (ou son code QR).</translation>
    </message>
    <message>
        <source>Changes come only from the page itself.</source>
        <translation>Les modifications ne peuvent venir que de la page elle-même.</translation>
    </message>
    <message>
        <source>Not with this method.</source>
        <translation>Pas avec cette méthode.</translation>
    </message>
    <message>
        <source>Not here.</source>
        <translation>Rien ici.</translation>
    </message>
    <message>
        <source>Not a WebSocket this page opens.</source>
        <translation>Ce n&apos;est pas un WebSocket ouvert par cette page.</translation>
    </message>
</context>
<context>
    <name>WebToken</name>
    <message>
        <source>the web page&apos;s token not stored: %1</source>
        <translation>jeton de la page web non enregistré : %1</translation>
    </message>
</context>
<context>
    <name>WriteErrorLog</name>
    <message>
        <source>USB Data Write Error!</source>
        <translation>Erreur d&apos;écriture des données USB&#xa0;!</translation>
    </message>
    <message>
        <source>USB Data Write Error! (%1 more in the last minute)</source>
        <translation>Erreur d&apos;écriture des données USB&#xa0;! (%1 de plus dans la dernière minute)</translation>
    </message>
</context>
<context>
    <name>WriteErrorMessage</name>
    <message>
        <source>USB Data Write Error!</source>
        <translation>Erreur d&apos;écriture des données USB&#xa0;!</translation>
    </message>
    <message>
        <source>The transmitter did not take the last change: unplug it and plug it in again.</source>
        <translation>L&apos;émetteur n&apos;a pas accepté la dernière modification&#xa0;: débranchez-le et rebranchez-le.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>no display to show the window on (DISPLAY or WAYLAND_DISPLAY cannot be opened); &apos;tessaly --headless&apos; runs without one</source>
        <translation>aucun écran où afficher la fenêtre (DISPLAY ou WAYLAND_DISPLAY ne peut pas être ouvert)&#xa0;; &apos;tessaly --headless&apos; fonctionne sans écran</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>This address was renewed: open the new one, or scan its code</source>
        <translation>Cette adresse a été renouvelée : ouvrez la nouvelle ou scannez son code</translation>
    </message>
    <message>
        <source>routed</source>
        <translation>redirigé vers l&apos;émetteur</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>The sound, as in &quot;Sound: off&quot;</extracomment>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>aucun serveur audio</translation>
    </message>
    <message>
        <source>looking for the transmitter&apos;s sound card</source>
        <translation>recherche de la carte son de l&apos;émetteur</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>carte son de l&apos;émetteur introuvable</translation>
    </message>
    <message>
        <source>Not connected to the program.</source>
        <translation>Non connecté au programme.</translation>
    </message>
    <message>
        <source>Transmitter connected</source>
        <translation>Émetteur connecté</translation>
    </message>
    <message>
        <source>No permission for the transmitter: install 70-tessaly.rules, then plug it in again</source>
        <translation>Accès à l&apos;émetteur refusé : installez 70-tessaly.rules, puis rebranchez-le</translation>
    </message>
    <message>
        <source>No transmitter connected</source>
        <translation>Aucun émetteur connecté</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The status line&apos;s first sentence: whether the transmitter is connected, then whether it is on air</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>on air</source>
        <translation>à l&apos;antenne</translation>
    </message>
    <message>
        <source>off air</source>
        <translation>hors antenne</translation>
    </message>
    <message>
        <source>The transmitter did not take the last change (write failed at %1)</source>
        <translation>L&apos;émetteur n&apos;a pas accepté la dernière modification (échec d&apos;écriture à %1)</translation>
    </message>
    <message>
        <source>Sound: %1</source>
        <translation>Son : %1</translation>
    </message>
    <message>
        <source>on, but %1</source>
        <translation>activé, mais %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two sentences of the status line, one after the other</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Tune to %1 MHz</source>
        <translation>Régler sur %1 MHz</translation>
    </message>
    <message>
        <source>Outside the band in use: it waits for the other band</source>
        <translation>Hors de la bande utilisée : disponible avec l&apos;autre bande</translation>
    </message>
    <message>
        <source>%1 MHz, outside the band in use</source>
        <translation>%1 MHz, hors de la bande utilisée</translation>
    </message>
    <message>
        <source>Why the radio may be silent: %1</source>
        <translation>Pourquoi la radio peut rester silencieuse : %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The on-air button while the page cannot tell whether the transmitter is on air</extracomment>
        <translation>État inconnu</translation>
    </message>
    <message>
        <source>Go off air</source>
        <translation>Quitter l&apos;antenne</translation>
    </message>
    <message>
        <source>Go on air</source>
        <translation>Passer à l&apos;antenne</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>%1 of %2, PA-VALUE %3</source>
        <translation>%1 sur %2, PA-VALUE %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Not connected to the program; trying again…</source>
        <translation>Non connecté au programme ; nouvel essai…</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Frequency down</source>
        <translation>Baisser la fréquence</translation>
    </message>
    <message>
        <source>Frequency up</source>
        <translation>Monter la fréquence</translation>
    </message>
    <message>
        <source>Type MHz</source>
        <translation>Saisir en MHz</translation>
    </message>
    <message>
        <source>Tune</source>
        <extracomment>A button: tunes to the frequency typed</extracomment>
        <translation>Régler</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Mute</source>
        <extracomment>A button that mutes the transmitter&apos;s sound, pressed while muted</extracomment>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Above the choice of stereo or mono</extracomment>
        <translation>Son</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Power</source>
        <extracomment>The transmit power&apos;s slider</extracomment>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Gain</source>
        <extracomment>The audio input gain&apos;s slider</extracomment>
        <translation>Gain</translation>
    </message>
    <message>
        <source>No transmitter: stored for when it is plugged in</source>
        <translation>Aucun émetteur : réglage conservé jusqu&apos;à son branchement</translation>
    </message>
    <message>
        <source>Type a frequency in MHz, such as %1.</source>
        <translation>Saisissez une fréquence en MHz, par exemple %1.</translation>
    </message>
    <message>
        <source>Connecting to the program…</source>
        <translation>Connexion au programme…</translation>
    </message>
    <message>
        <source>%1: only %2 to %3 in %4 steps</source>
        <extracomment>A frequency typed on the page, refused: the band&apos;s lowest and highest, and its tuning step</extracomment>
        <translation>%1 : seulement de %2 à %3 par pas de %4</translation>
    </message>
    <message>
        <source>not JSON</source>
        <translation>JSON invalide</translation>
    </message>
    <message>
        <source>step is up or down</source>
        <translation>step doit valoir up ou down</translation>
    </message>
    <message>
        <source>off air: the frequency steps only on air</source>
        <translation>hors antenne : monter ou baisser la fréquence n&apos;est possible qu&apos;à l&apos;antenne</translation>
    </message>
    <message>
        <source>the page changes only %1</source>
        <translation>la page ne modifie que %1</translation>
    </message>
    <message>
        <source>%1 does not take this value</source>
        <translation>%1 n&apos;accepte pas cette valeur</translation>
    </message>
</context>
</TS>
