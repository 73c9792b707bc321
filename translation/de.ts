<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Release Date: %1</source>
        <translation>Erscheinungsdatum: %1</translation>
    </message>
    <message>
        <source>For more information,</source>
        <translation>Für weitere Informationen</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quenmark. All rights reserved.</source>
        <translation>Copyright © 2026 Quenmark. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Feedback senden</translation>
    </message>
    <message>
        <source>Tarnwick is the strongest yet easy-to-use video processing software. It provides you ultimate solution to convert videos, audio and DVDs; edit, transcode, compress and adjust video files; download online media content; record screen and webcam.</source>
        <translation>Tarnwick ist eine leistungsstarke und dennoch einfach zu bedienende Videosoftware. Sie bietet Ihnen eine Komplettlösung, um Videos, Audio und DVDs zu konvertieren, Videodateien zu bearbeiten, zu transkodieren, zu komprimieren und anzupassen, Online-Medien herunterzuladen sowie Bildschirm und Webcam aufzunehmen.</translation>
    </message>
    <message>
        <source>support@pelodvd.example</source>
        <translation>support@pelodvd.example</translation>
    </message>
    <message>
        <source>support@marbleton.example</source>
        <translation>support@marbleton.example</translation>
    </message>
    <message>
        <source>support4k@marbleton.example</source>
        <translation>support4k@marbleton.example</translation>
    </message>
    <message>
        <source>support@quenmark.example</source>
        <translation>support@quenmark.example</translation>
    </message>
    <message>
        <source>https://www.pelodvd.example/tarnwick/</source>
        <translation>https://www.pelodvd.example/tarnwick/</translation>
    </message>
    <message>
        <source>https://www.marbleton.example/tarnwick/</source>
        <translation>https://www.marbleton.example/tarnwick/</translation>
    </message>
    <message>
        <source>https://www.marbleton.example/tarnwick-4k/</source>
        <translation>https://www.marbleton.example/tarnwick-4k/</translation>
    </message>
    <message>
        <source>https://www.quenmark.example/tarnwick/</source>
        <translation>https://www.quenmark.example/tarnwick/</translation>
    </message>
    <message>
        <source>Please visit: </source>
        <translation>besuchen Sie bitte: </translation>
    </message>
    <message>
        <source>No mail client found on this machine.</source>
        <translation>Auf diesem Computer wurde kein E-Mail-Programm gefunden.</translation>
    </message>
</context>
<context>
    <name>AnalyseThread</name>
    <message>
        <source>Failed to analyze the input video link? Check possible causes and solutions &gt;</source>
        <translation>Analyse des Videolinks fehlgeschlagen? Mögliche Ursachen und Lösungen &gt;</translation>
    </message>
</context>
<context>
    <name>CNorVideoDlItem</name>
    <message>
        <source>Start Recording</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Order Recording</source>
        <translation>Aufnahme planen</translation>
    </message>
    <message>
        <source>Cancle order</source>
        <translation>Planung aufheben</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Aktuelle Zeit</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Convert to mp3</source>
        <translation>In mp3 umwandeln</translation>
    </message>
    <message>
        <source>Marbleton</source>
        <translation>Marbleton</translation>
    </message>
    <message>
        <source>Can&apos;t reserve download. Only 5 are allowed at one time.</source>
        <translation>Download kann nicht vorgemerkt werden. Es sind nur 5 gleichzeitig möglich.</translation>
    </message>
    <message>
        <source>can&apos;t start to download,Only 5 are allowed at the same time.</source>
        <translation>Download kann nicht gestartet werden. Es sind nur 5 gleichzeitig möglich.</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>Die Mediendatei wird gerade heruntergeladen.</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>Möchten Sie den aktuellen Download wirklich beenden?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Waring</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Change track will loss current downloaded data.</source>
        <translation>Beim Wechsel der Spur gehen die bereits heruntergeladenen Daten verloren.</translation>
    </message>
    <message>
        <source>continue to change?</source>
        <translation>Trotzdem wechseln?</translation>
    </message>
</context>
<context>
    <name>CUxDlLog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Input Account</source>
        <translation>Konto eingeben</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>error more than 20.</source>
        <translation>Mehr als 20 Fehler.</translation>
    </message>
</context>
<context>
    <name>CUxDlTrackItem</name>
    <message>
        <source>Format: %1</source>
        <translation>Format: %1</translation>
    </message>
    <message>
        <source>Resolution: %1</source>
        <translation>Auflösung: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Größe: %1</translation>
    </message>
</context>
<context>
    <name>CUxDlTracksListBox</name>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>Die maximale Anzahl an Spuren ist überschritten!</translation>
    </message>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>Wählen Sie mindestens eine Spur aus!</translation>
    </message>
</context>
<context>
    <name>CUxSpecialBtn</name>
    <message>
        <source>Sign out</source>
        <translation>Abmelden</translation>
    </message>
</context>
<context>
    <name>CUxSubStreamTrackItem</name>
    <message>
        <source>Track</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Eingebettet</translation>
    </message>
    <message>
        <source>The built-in subtitle is fully loaded!</source>
        <translation>Maximale Anzahl eingebetteter Untertitel erreicht!</translation>
    </message>
    <message>
        <source>External subtitle is fully loaded!</source>
        <translation>Maximale Anzahl externer Untertitel erreicht!</translation>
    </message>
    <message>
        <source>External picture subtitle is not supported!</source>
        <translation>Externe Bilduntertitel werden nicht unterstützt!</translation>
    </message>
</context>
<context>
    <name>CUxSubscribeDialog</name>
    <message>
        <source>Subscribe Urls</source>
        <translation>URLs abonnieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analysieren</translation>
    </message>
</context>
<context>
    <name>CUxTimeEdit</name>
    <message>
        <source>Current Time</source>
        <translation>Aktuelle Zeit</translation>
    </message>
</context>
<context>
    <name>CUxTracksListBox</name>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>Wählen Sie mindestens eine Spur aus!</translation>
    </message>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>Die maximale Anzahl an Spuren ist überschritten!</translation>
    </message>
    <message>
        <source>The chosen embedded subtitle has been beyond the number limit!</source>
        <translation>Die maximale Anzahl eingebetteter Untertitel ist überschritten!</translation>
    </message>
    <message>
        <source>The chosen external subtitle has been beyond the number limit!</source>
        <translation>Die maximale Anzahl externer Untertitel ist überschritten!</translation>
    </message>
    <message>
        <source>Can not choose an unknown track!</source>
        <translation>Eine unbekannte Spur kann nicht ausgewählt werden!</translation>
    </message>
    <message>
        <source>Not support the external picture subtitle!</source>
        <translation>Externe Bilduntertitel werden nicht unterstützt!</translation>
    </message>
    <message>
        <source>Cannot switch to unselected item!</source>
        <translation>Wechsel zu nicht ausgewähltem Eintrag nicht möglich!</translation>
    </message>
</context>
<context>
    <name>CUxUpdate</name>
    <message>
        <source>Canceling check update</source>
        <translation>Update-Prüfung wird abgebrochen</translation>
    </message>
    <message>
        <source>Check failed!</source>
        <translation>Prüfung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
</context>
<context>
    <name>CYtbFirstLevelItem</name>
    <message>
        <source>[PRIVATE]</source>
        <translation>[PRIVAT]</translation>
    </message>
    <message>
        <source>[INVALID]</source>
        <translation>[UNGÜLTIG]</translation>
    </message>
</context>
<context>
    <name>CYtbSecVideoLinkItem</name>
    <message>
        <source>loading...</source>
        <translation>Wird geladen...</translation>
    </message>
</context>
<context>
    <name>CYtbVideoInfoItem</name>
    <message>
        <source>Quality: %1 (%2)</source>
        <translation>Qualität: %1 (%2)</translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <translation>Qualität: %1</translation>
    </message>
    <message>
        <source>Extention: %1</source>
        <translation>Endung: %1</translation>
    </message>
    <message>
        <source>Frame Rate: %1</source>
        <translation>Bildrate: %1</translation>
    </message>
    <message>
        <source>Bit Rate: %1</source>
        <translation>Bitrate: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Größe: %1</translation>
    </message>
</context>
<context>
    <name>DownloaderForm</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Add Url</source>
        <translation>URL hinzufügen</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Musik laden</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clean Succeed</source>
        <translation>Geleert</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>Meine YouTube-Playlist</translation>
    </message>
    <message>
        <source>Supported online video websites</source>
        <translation>Unterstützte Videowebsites</translation>
    </message>
    <message>
        <source>Step 1. Click </source>
        <translation>Schritt 1: Klicken Sie auf </translation>
    </message>
    <message>
        <source>to add Video by url.</source>
        <translation>, um ein Video per URL hinzuzufügen.</translation>
    </message>
    <message>
        <source>Step2.Check and make setting for the added video files.</source>
        <translation>Schritt 2: Prüfen und konfigurieren Sie die hinzugefügten Videos.</translation>
    </message>
    <message>
        <source>Additional Tools:</source>
        <translation>Weitere Tools:</translation>
    </message>
    <message>
        <source>Marbleto:</source>
        <translation>Marbleto:</translation>
    </message>
    <message>
        <source>Convert and process your video to mp3.</source>
        <translation>Videos bearbeiten und in mp3 umwandeln.</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Jetzt herunterladen</translation>
    </message>
    <message>
        <source>Drovik:</source>
        <translation>Drovik:</translation>
    </message>
    <message>
        <source>Transfor video &amp; Music betweren computer and iPhone.</source>
        <translation>Videos &amp; Musik zwischen Computer und iPhone übertragen.</translation>
    </message>
    <message>
        <source>For private,Watch Later list</source>
        <translation>Für private und „Später ansehen“-Listen</translation>
    </message>
    <message>
        <source>My YouTube Account</source>
        <translation>Mein YouTube-Konto</translation>
    </message>
    <message>
        <source>Log in to download</source>
        <translation>Zum Herunterladen anmelden</translation>
    </message>
    <message>
        <source>Subscribe Urls</source>
        <translation>URLs abonnieren</translation>
    </message>
    <message>
        <source>Output Folder: </source>
        <translation>Ausgabeordner: </translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>600+website</source>
        <translation>600+ Websites</translation>
    </message>
    <message>
        <source>https://www.marbleto.example/mp3-converter.html</source>
        <translation>https://www.marbleto.example/mp3-converter.html</translation>
    </message>
    <message>
        <source>https://www.drovik.example/iphone-transfer.html</source>
        <translation>https://www.drovik.example/iphone-transfer.html</translation>
    </message>
    <message>
        <source>Back to home page</source>
        <translation>Zurück zur Startseite</translation>
    </message>
    <message>
        <source>Add video</source>
        <translation>Video hinzufügen</translation>
    </message>
    <message>
        <source>Clean all</source>
        <translation>Alles leeren</translation>
    </message>
    <message>
        <source>Clean succeeded</source>
        <translation>Erfolgreich geleert</translation>
    </message>
    <message>
        <source>Check for Upgrade</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Info!</source>
        <translation>Hinweis!</translation>
    </message>
    <message>
        <source>There is no files available to download.</source>
        <translation>Es sind keine Dateien zum Herunterladen vorhanden.</translation>
    </message>
    <message>
        <source>you can click the button &apos;Add&apos; to add some files.</source>
        <translation>Klicken Sie auf „Hinzufügen“, um Dateien hinzuzufügen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>Die Mediendatei wird gerade heruntergeladen.</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>Möchten Sie den aktuellen Download wirklich beenden?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Do you still want to end the download and clear the list?</source>
        <translation>Möchten Sie den Download trotzdem beenden und die Liste leeren?</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>Folgende Dateien konnten nicht heruntergeladen werden</translation>
    </message>
    <message>
        <source>Something wrong with the download line, it may be the network problem or the chosen media track was no longer existed on website. Please check and try it one more time.</source>
        <translation>Beim Herunterladen ist ein Fehler aufgetreten. Möglicherweise liegt ein Netzwerkproblem vor oder die gewählte Medienspur ist auf der Website nicht mehr vorhanden. Bitte prüfen Sie dies und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>There&apos;re more than %1 downloading tasks!</source>
        <translation>Es laufen mehr als %1 Downloads!</translation>
    </message>
    <message>
        <source>We will try add as many tasks as possible, or clear the completed tasks and then add new ones.</source>
        <translation>Es werden so viele Aufträge wie möglich hinzugefügt. Sie können auch zuerst die abgeschlossenen Aufträge entfernen und dann neue hinzufügen.</translation>
    </message>
    <message>
        <source>Clean Completed And Add</source>
        <translation>Abgeschlossene entfernen und hinzufügen</translation>
    </message>
    <message>
        <source>Add directly</source>
        <translation>Direkt hinzufügen</translation>
    </message>
    <message>
        <source>Connections Conflicted</source>
        <translation>Link-Konflikt</translation>
    </message>
    <message>
        <source>You can only choose to add live connections file or non live connections.</source>
        <translation>Sie können entweder nur Live-Links oder nur Nicht-Live-Links hinzufügen.</translation>
    </message>
    <message>
        <source>which one would you want to add?</source>
        <translation>Welche möchten Sie hinzufügen?</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live-Links</translation>
    </message>
    <message>
        <source>Non Live</source>
        <translation>Andere Links</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Ausgabeordner auswählen</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>This video was not successfully loaded.</source>
        <translation>Dieses Video konnte nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Pfad kopieren</translation>
    </message>
    <message>
        <source>Copy File</source>
        <translation>Datei kopieren</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Tip:</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>Open Mailbox</source>
        <translation>E-Mail öffnen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Tarnwick didn&apos;t work properly, files below contains the error infomation.Please send the files to our Support Team. Your help will make our product better, Thank you!</source>
        <translation>Tarnwick hat nicht richtig funktioniert. Die folgenden Dateien enthalten die Fehlerinformationen. Bitte senden Sie diese Dateien an unser Support-Team. Ihre Hilfe macht unser Produkt besser – vielen Dank!</translation>
    </message>
    <message>
        <source>support@pelodvd.example</source>
        <translation>support@pelodvd.example</translation>
    </message>
    <message>
        <source>support@marbleton.example</source>
        <translation>support@marbleton.example</translation>
    </message>
    <message>
        <source>support4k@marbleton.example</source>
        <translation>support4k@marbleton.example</translation>
    </message>
    <message>
        <source>support@quenmark.example</source>
        <translation>support@quenmark.example</translation>
    </message>
    <message>
        <source>1. Please send the files to </source>
        <translation>1. Bitte senden Sie die Dateien an </translation>
    </message>
    <message>
        <source>2. You can push the button &amp;quot;Open Mailbox&amp;quot; to open your mail client on this computer, if you don&apos;t have a mail client, please send the files manually.</source>
        <translation>2. Mit der Schaltfläche &amp;quot;E-Mail öffnen&amp;quot; öffnen Sie das E-Mail-Programm dieses Computers. Falls Sie keines haben, senden Sie die Dateien bitte manuell.</translation>
    </message>
    <message>
        <source>Tips: please add attachment %1%2%3to us.</source>
        <translation>Hinweis: Bitte senden Sie uns die Anhänge %1%2%3zu.</translation>
    </message>
    <message>
        <source>Program didn&apos;t work properly</source>
        <translation>Das Programm hat nicht richtig funktioniert</translation>
    </message>
</context>
<context>
    <name>FileListDialog</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>Folgende Dateien konnten nicht heruntergeladen werden</translation>
    </message>
    <message>
        <source>Encrypted video can&apos;t be converted, but you can still convert other videos.</source>
        <translation>Verschlüsselte Videos können nicht konvertiert werden, andere Videos jedoch schon.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>LoadingWidget</name>
    <message>
        <source>Stop
Analyzing</source>
        <translation>Analyse
stoppen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quenmark - Downloader</source>
        <translation>Quenmark - Downloader</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>Sprache ändern</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>Das Programm wird nach dem Sprachwechsel neu gestartet. Wenn Sie die Sprache wirklich ändern möchten, klicken Sie auf „Weiter“.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>%1/help.html</source>
        <translation>%1/help.html</translation>
    </message>
</context>
<context>
    <name>MsgDialog</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Job has been completed. The computer will be shut down after &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; sec.</source>
        <translation>Auftrag abgeschlossen. Der Computer wird in &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; s heruntergefahren.</translation>
    </message>
</context>
<context>
    <name>PNLabel</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Automatic shutdown</source>
        <translation>Automatisches Herunterfahren</translation>
    </message>
    <message>
        <source>Shutdown Now</source>
        <translation>Jetzt herunterfahren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>File Format:</source>
        <translation>Dateiformat:</translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation>Videocodec:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Same as Source</source>
        <translation>Wie Quelle</translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation>Audiocodec:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Audio BitRate:</source>
        <translation>Audiobitrate:</translation>
    </message>
    <message>
        <source>Highest Resolution</source>
        <translation>Höchste Auflösung</translation>
    </message>
</context>
<context>
    <name>SettingDialog_Downloader</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>Sprache ändern</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>Das Programm wird nach dem Sprachwechsel neu gestartet. Wenn Sie die Sprache wirklich ändern möchten, klicken Sie auf „Weiter“.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Ausgabeordner auswählen</translation>
    </message>
</context>
<context>
    <name>SettingPage_Downloader</name>
    <message>
        <source>language:   </source>
        <translation>Sprache:   </translation>
    </message>
    <message>
        <source>Open the output folder when the job is completed.</source>
        <translation>Ausgabeordner nach Abschluss öffnen.</translation>
    </message>
    <message>
        <source>Shut down computer when the job is completed.</source>
        <translation>Computer nach Abschluss herunterfahren.</translation>
    </message>
    <message>
        <source>Notify me when new version is available.</source>
        <translation>Benachrichtigen, wenn eine neue Version verfügbar ist.</translation>
    </message>
    <message>
        <source>Analyse items which are once donwloaded in subscribe list</source>
        <translation>Einmal heruntergeladene Einträge in Abos analysieren</translation>
    </message>
    <message>
        <source>Analyse items which are already donwloaded in subscribe list</source>
        <translation>Bereits heruntergeladene Einträge in Abos analysieren</translation>
    </message>
    <message>
        <source>Output Folder:   </source>
        <translation>Ausgabeordner:   </translation>
    </message>
    <message>
        <source>Default Movie Format:   </source>
        <translation>Standardformat:   </translation>
    </message>
    <message>
        <source>Default Resolution:   </source>
        <translation>Standardauflösung:   </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Proxy Server:</source>
        <translation>Proxyserver:</translation>
    </message>
    <message>
        <source>Proxy Port:</source>
        <translation>Proxyport:</translation>
    </message>
    <message>
        <source>Enable Proxy</source>
        <translation>Proxy aktivieren</translation>
    </message>
</context>
<context>
    <name>UrlAnalyserDialog</name>
    <message>
        <source>Video URL: </source>
        <translation>Video-URL: </translation>
    </message>
    <message>
        <source>My watch later playlist</source>
        <translation>Meine „Später ansehen“-Liste</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>Meine YouTube-Playlist</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analysieren</translation>
    </message>
    <message>
        <source>Download the playlist if the URL refers to a video and a playlist</source>
        <translation>Playlist herunterladen, wenn die URL auf ein Video und eine Playlist verweist</translation>
    </message>
    <message>
        <source>Step 1. Open browser to get the video URL.</source>
        <translation>Schritt 1: Kopieren Sie die Video-URL im Browser.</translation>
    </message>
    <message>
        <source>Step 2. Click Paste URL &amp; Analyze button.</source>
        <translation>Schritt 2: Klicken Sie auf „URL einfügen &amp; analysieren“.</translation>
    </message>
    <message>
        <source>Step 3. Choose output resolution and format,then hit &quot;Download&quot;.</source>
        <translation>Schritt 3: Wählen Sie Auflösung und Format und klicken Sie auf „Herunterladen“.</translation>
    </message>
    <message>
        <source>My Social Media Account</source>
        <translation>Mein Social-Media-Konto</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>TIP:If your input is a live video, you can continue to set Start Time,Duration and record.</source>
        <translation>TIPP: Bei einem Livevideo können Sie anschließend Startzeit und Dauer festlegen und aufnehmen.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Audio Language:</source>
        <translation>Audiosprache:</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source> Searching subtitle...</source>
        <translation> Untertitel werden gesucht...</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Untertitel:</translation>
    </message>
    <message>
        <source>Cannot find any subtitle.</source>
        <translation>Keine Untertitel gefunden.</translation>
    </message>
    <message>
        <source>This video has been downloaded,you can open folder to find the video or analyse to redownload.</source>
        <translation>Dieses Video wurde bereits heruntergeladen. Öffnen Sie den Ordner, um es zu finden, oder analysieren Sie es, um es erneut herunterzuladen.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>not get media data.</source>
        <translation>Keine Mediendaten erhalten.</translation>
    </message>
    <message>
        <source>This video link is being analyzed.</source>
        <translation>Dieser Videolink wird gerade analysiert.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Download Full Playlist</source>
        <translation>Ganze Playlist herunterladen</translation>
    </message>
    <message>
        <source>there is invaild url</source>
        <translation>Ungültige URL vorhanden</translation>
    </message>
    <message>
        <source>Apply Change to All</source>
        <translation>Auf alle anwenden</translation>
    </message>
    <message>
        <source>Download Selected Videoes</source>
        <translation>Ausgewählte herunterladen</translation>
    </message>
    <message>
        <source>No subtitle</source>
        <translation>Keine Untertitel</translation>
    </message>
    <message>
        <source>Download Selected Videos</source>
        <translation>Ausgewählte Videos herunterladen</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Wird gestoppt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initialisierung</translation>
    </message>
    <message>
        <source>Analysis Failed</source>
        <translation>Analyse fehlgeschlagen</translation>
    </message>
    <message>
        <source>Would you like to analyze again?</source>
        <translation>Möchten Sie erneut analysieren?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>%1&apos;s playlist</source>
        <translation>Playlist von %1</translation>
    </message>
    <message>
        <source>Incorrect account / password or authentication error!(logining on the website may solve the authentication error)!</source>
        <translation>Falsches Konto/Passwort oder Authentifizierungsfehler! (Eine Anmeldung auf der Website kann den Authentifizierungsfehler beheben.)</translation>
    </message>
    <message>
        <source>This video is private. If your account has authority to watch, please login.</source>
        <translation>Dieses Video ist privat. Wenn Ihr Konto zum Ansehen berechtigt ist, melden Sie sich bitte an.</translation>
    </message>
    <message>
        <source>This playlist is private. If your account has authority to watch, please login.</source>
        <translation>Diese Playlist ist privat. Wenn Ihr Konto zum Ansehen berechtigt ist, melden Sie sich bitte an.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>There is an invalid url in the list.</source>
        <translation>Die Liste enthält eine ungültige URL.</translation>
    </message>
    <message>
        <source>There are %1 invalid urls in the list.</source>
        <translation>Die Liste enthält %1 ungültige URLs.</translation>
    </message>
    <message>
        <source>The analyzed item is a live video.</source>
        <translation>Der analysierte Eintrag ist ein Livevideo.</translation>
    </message>
    <message>
        <source>The analysis result will change to video mode.</source>
        <translation>Das Analyseergebnis wechselt in den Videomodus.</translation>
    </message>
    <message>
        <source>%1 &apos;s %2 watch later playlist</source>
        <translation>„Später ansehen“ (%2) von %1</translation>
    </message>
    <message>
        <source>%1&apos;s %2 watch later playlist</source>
        <translation>„Später ansehen“ (%2) von %1</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>No video/audio is selected. Would you like to continue to quit?</source>
        <translation>Kein Video/Audio ausgewählt. Möchten Sie trotzdem beenden?</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>This video analyse failed,click &apos;analyse&apos; to redownload.</source>
        <translation>Die Analyse dieses Videos ist fehlgeschlagen. Klicken Sie auf „Analysieren“, um es erneut herunterzuladen.</translation>
    </message>
    <message>
        <source>This video has been downloaded before,but not found, clicked &apos;analyse&apos; to redownload.</source>
        <translation>Dieses Video wurde bereits heruntergeladen, aber nicht gefunden. Klicken Sie auf „Analysieren“, um es erneut herunterzuladen.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Searching subtitle...</source>
        <translation>Untertitel werden gesucht...</translation>
    </message>
    <message>
        <source>/support/youtube-downloader-troubleshooting.html</source>
        <translation>/support/youtube-downloader-troubleshooting.html</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Paste URL &amp; Analyse</source>
        <translation>URL einfügen &amp; analysieren</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Abonnieren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>VideoPlay</name>
    <message>
        <source>DVD playback error or media file is too short.</source>
        <translation>DVD-Wiedergabefehler oder Mediendatei zu kurz.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>YoutubeAccount</name>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>YouTube Account</source>
        <translation>YouTube-Konto</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>Passwort speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analysieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>YoutubePrivate</name>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Ohne Titel</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Ungültig</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
</context>
<context>
    <name>YtbUpgradeDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Updating the URL analysis engine is needed if you want to download the latest videos from YouTube or other video sites. Please wait until the update finished.</source>
        <translation>Um die neuesten Videos von YouTube oder anderen Videoseiten herunterzuladen, muss die URL-Analyse-Engine aktualisiert werden. Bitte warten Sie, bis die Aktualisierung abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Program update is needed for the new downloader engine. Please click &quot;Update&quot; to download the newest version or you can click &quot;Continue&quot; to work with the current engine.</source>
        <translation>Für die neue Download-Engine ist ein Programm-Update erforderlich. Klicken Sie auf „Aktualisieren“, um die neueste Version herunterzuladen, oder auf „Weiter“, um mit der aktuellen Engine fortzufahren.</translation>
    </message>
</context>
<context>
    <name>checkUpdate</name>
    <message>
        <source>Checking for updates</source>
        <translation>Suche nach Updates</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>livevideoform</name>
    <message>
        <source>Select output format</source>
        <translation>Ausgabeformat wählen</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Startzeit:</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Aktuelle Zeit</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Dauer:</translation>
    </message>
</context>
<context>
    <name>mediadlitemform</name>
    <message>
        <source>Select output format</source>
        <translation>Ausgabeformat wählen</translation>
    </message>
</context>
</TS>
