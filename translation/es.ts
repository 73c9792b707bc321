<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copiar ruta</translation>
    </message>
    <message>
        <source>Copy File</source>
        <translation>Copiar archivo</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Tip:</source>
        <translation>Consejo:</translation>
    </message>
    <message>
        <source>Open Mailbox</source>
        <translation>Abrir correo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
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
        <translation>1. Envíe los archivos a </translation>
    </message>
    <message>
        <source>2. You can push the button &amp;quot;Open Mailbox&amp;quot; to open your mail client on this computer, if you don&apos;t have a mail client, please send the files manually.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tips: please add attachment %1%2%3to us.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program didn&apos;t work properly</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quenmark - Downloader</source>
        <translation>Quenmark - Descargador</translation>
    </message>
</context>
<context>
    <name>MsgDialog</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Job has been completed. The computer will be shut down after &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; sec.</source>
        <translation>Trabajo completado. El equipo se apagará en &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; s.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Automatic shutdown</source>
        <translation>Apagado automático</translation>
    </message>
    <message>
        <source>Shutdown Now</source>
        <translation>Apagar ahora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release Date: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For more information,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 Quenmark. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwick is the strongest yet easy-to-use video processing software. It provides you ultimate solution to convert videos, audio and DVDs; edit, transcode, compress and adjust video files; download online media content; record screen and webcam.</source>
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
        <source>https://www.pelodvd.example/tarnwick/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://www.marbleton.example/tarnwick/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://www.marbleton.example/tarnwick-4k/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://www.quenmark.example/tarnwick/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please visit: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail client found on this machine.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileListDialog</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypted video can&apos;t be converted, but you can still convert other videos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>YtbUpgradeDialog</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating the URL analysis engine is needed if you want to download the latest videos from YouTube or other video sites. Please wait until the update finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program update is needed for the new downloader engine. Please click &quot;Update&quot; to download the newest version or you can click &quot;Continue&quot; to work with the current engine.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUxUpdate</name>
    <message>
        <source>Canceling check update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>checkUpdate</name>
    <message>
        <source>Checking for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingDialog_Downloader</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingPage_Downloader</name>
    <message>
        <source>language:   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the output folder when the job is completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shut down computer when the job is completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify me when new version is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyse items which are once donwloaded in subscribe list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyse items which are already donwloaded in subscribe list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Folder:   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Movie Format:   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Resolution:   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Proxy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNorVideoDlItem</name>
    <message>
        <source>Start Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancle order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert to mp3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marbleton</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloaderForm</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Url</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean Succeed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supported online video websites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 1. Click </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to add Video by url.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step2.Check and make setting for the added video files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Tools:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marbleto:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert and process your video to mp3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drovik:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfor video &amp; Music betweren computer and iPhone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For private,Watch Later list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My YouTube Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log in to download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscribe Urls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Folder: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600+website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://www.marbleto.example/mp3-converter.html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://www.drovik.example/iphone-transfer.html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean succeeded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no files available to download.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you can click the button &apos;Add&apos; to add some files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you still want to end the download and clear the list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something wrong with the download line, it may be the network problem or the chosen media track was no longer existed on website. Please check and try it one more time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>livevideoform</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select output format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mediadlitemform</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select output format</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
