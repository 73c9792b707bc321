<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>support@pelodvd.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>support@marbleton.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>support4k@marbleton.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>support@quenmark.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Please send the files to </source>
        <translation>1. Bitte senden Sie die Dateien an </translation>
    </message>
    <message>
        <source>2. You can push the button &amp;quot;Open Mailbox&amp;quot; to open your mail client on this computer, if you don&apos;t have a mail client, please send the files manually.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quenmark - Downloader</source>
        <translation>Quenmark - Downloader</translation>
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
</context>
</TS>
