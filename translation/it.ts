<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error!</source>
        <translation>Errore!</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copia percorso</translation>
    </message>
    <message>
        <source>Copy File</source>
        <translation>Copia file</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Tip:</source>
        <translation>Suggerimento:</translation>
    </message>
    <message>
        <source>Open Mailbox</source>
        <translation>Apri posta</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
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
        <translation>1. Invia i file a </translation>
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
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Job has been completed. The computer will be shut down after &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; sec.</source>
        <translation>Lavoro completato. Il computer si spegnerà tra &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; s.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Automatic shutdown</source>
        <translation>Spegnimento automatico</translation>
    </message>
    <message>
        <source>Shutdown Now</source>
        <translation>Spegni ora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
</context>
</TS>
