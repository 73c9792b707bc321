<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
    <name>AnalyseThread</name>
    <message>
        <source>Failed to analyze the input video link? Check possible causes and solutions &gt;</source>
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
    <message>
        <source>Can&apos;t reserve download. Only 5 are allowed at one time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can&apos;t start to download,Only 5 are allowed at the same time.</source>
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
        <source>Warning</source>
        <translation type="unfinished">Avertissement</translation>
    </message>
    <message>
        <source>Waring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change track will loss current downloaded data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>continue to change?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUxDlLog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>error more than 20.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUxDlTrackItem</name>
    <message>
        <source>Format: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUxDlTracksListBox</name>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Must choose at lest one track!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUxSpecialBtn</name>
    <message>
        <source>Sign out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUxSubStreamTrackItem</name>
    <message>
        <source>Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The built-in subtitle is fully loaded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External subtitle is fully loaded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External picture subtitle is not supported!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUxSubscribeDialog</name>
    <message>
        <source>Subscribe Urls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUxTimeEdit</name>
    <message>
        <source>Current Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUxTracksListBox</name>
    <message>
        <source>Must choose at lest one track!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen embedded subtitle has been beyond the number limit!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen external subtitle has been beyond the number limit!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not choose an unknown track!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not support the external picture subtitle!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot switch to unselected item!</source>
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
    <name>CYtbFirstLevelItem</name>
    <message>
        <source>[PRIVATE]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[INVALID]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CYtbSecVideoLinkItem</name>
    <message>
        <source>loading...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CYtbVideoInfoItem</name>
    <message>
        <source>Quality: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extention: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Rate: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit Rate: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloaderForm</name>
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
    <message>
        <source>Warning</source>
        <translation type="unfinished">Avertissement</translation>
    </message>
    <message>
        <source>There&apos;re more than %1 downloading tasks!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We will try add as many tasks as possible, or clear the completed tasks and then add new ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean Completed And Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add directly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connections Conflicted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can only choose to add live connections file or non live connections.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>which one would you want to add?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non Live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This video was not successfully loaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error!</source>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copier le chemin</translation>
    </message>
    <message>
        <source>Copy File</source>
        <translation>Copier le fichier</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Tip:</source>
        <translation>Astuce :</translation>
    </message>
    <message>
        <source>Open Mailbox</source>
        <translation>Ouvrir la messagerie</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
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
        <translation>1. Veuillez envoyer les fichiers à </translation>
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
    <name>FileListDialog</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished">Avertissement</translation>
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
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadingWidget</name>
    <message>
        <source>Stop
Analyzing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quenmark - Downloader</source>
        <translation>Quenmark - Téléchargeur</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
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
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished">Avertissement</translation>
    </message>
    <message>
        <source>%1/help.html</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MsgDialog</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Job has been completed. The computer will be shut down after &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; sec.</source>
        <translation>Tâche terminée. L&apos;ordinateur s&apos;éteindra dans &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; s.</translation>
    </message>
</context>
<context>
    <name>PNLabel</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Automatic shutdown</source>
        <translation>Arrêt automatique</translation>
    </message>
    <message>
        <source>Shutdown Now</source>
        <translation>Arrêter maintenant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>File Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same as Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio BitRate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Resolution</source>
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
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished">Avertissement</translation>
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
    <name>UrlAnalyserDialog</name>
    <message>
        <source>Video URL: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My watch later playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download the playlist if the URL refers to a video and a playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 1. Open browser to get the video URL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 2. Click Paste URL &amp; Analyze button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 3. Choose output resolution and format,then hit &quot;Download&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Social Media Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIP:If your input is a live video, you can continue to set Start Time,Duration and record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Searching subtitle...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find any subtitle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This video has been downloaded,you can open folder to find the video or analyse to redownload.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not get media data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This video link is being analyzed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Download Full Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is invaild url</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Change to All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Selected Videoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No subtitle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Selected Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysis Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to analyze again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect account / password or authentication error!(logining on the website may solve the authentication error)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This video is private. If your account has authority to watch, please login.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This playlist is private. If your account has authority to watch, please login.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is an invalid url in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are %1 invalid urls in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The analyzed item is a live video.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The analysis result will change to video mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &apos;s %2 watch later playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s %2 watch later playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No video/audio is selected. Would you like to continue to quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This video analyse failed,click &apos;analyse&apos; to redownload.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This video has been downloaded before,but not found, clicked &apos;analyse&apos; to redownload.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching subtitle...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/support/youtube-downloader-troubleshooting.html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste URL &amp; Analyse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VideoPlay</name>
    <message>
        <source>DVD playback error or media file is too short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished">Avertissement</translation>
    </message>
</context>
<context>
    <name>YoutubeAccount</name>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YouTube Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>YoutubePrivate</name>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Videos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>YtbUpgradeDialog</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
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
    <name>checkUpdate</name>
    <message>
        <source>Checking for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
</context>
<context>
    <name>livevideoform</name>
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
        <source>Select output format</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
