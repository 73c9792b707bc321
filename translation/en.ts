<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Release Date: %1</source>
        <translation>Release Date: %1</translation>
    </message>
    <message>
        <source>For more information,</source>
        <translation>For more information,</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quenmark. All rights reserved.</source>
        <translation>Copyright © 2026 Quenmark. All rights reserved.</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Send Feedback</translation>
    </message>
    <message>
        <source>Tarnwick is the strongest yet easy-to-use video processing software. It provides you ultimate solution to convert videos, audio and DVDs; edit, transcode, compress and adjust video files; download online media content; record screen and webcam.</source>
        <translation>Tarnwick is the strongest yet easy-to-use video processing software. It provides you ultimate solution to convert videos, audio and DVDs; edit, transcode, compress and adjust video files; download online media content; record screen and webcam.</translation>
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
        <translation>Please visit: </translation>
    </message>
    <message>
        <source>No mail client found on this machine.</source>
        <translation>No mail client found on this machine.</translation>
    </message>
</context>
<context>
    <name>AnalyseThread</name>
    <message>
        <source>Failed to analyze the input video link? Check possible causes and solutions &gt;</source>
        <translation>Failed to analyze the input video link? Check possible causes and solutions &gt;</translation>
    </message>
</context>
<context>
    <name>CNorVideoDlItem</name>
    <message>
        <source>Start Recording</source>
        <translation>Start Recording</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Stop Recording</translation>
    </message>
    <message>
        <source>Order Recording</source>
        <translation>Order Recording</translation>
    </message>
    <message>
        <source>Cancle order</source>
        <translation>Cancle order</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Current Time</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Convert to mp3</source>
        <translation>Convert to mp3</translation>
    </message>
    <message>
        <source>Marbleton</source>
        <translation>Marbleton</translation>
    </message>
    <message>
        <source>Can&apos;t reserve download. Only 5 are allowed at one time.</source>
        <translation>Can&apos;t reserve download. Only 5 are allowed at one time.</translation>
    </message>
    <message>
        <source>can&apos;t start to download,Only 5 are allowed at the same time.</source>
        <translation>can&apos;t start to download,Only 5 are allowed at the same time.</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>The media file is being downloaded.</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>Do you really want to end the current download?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Waring</source>
        <translation>Waring</translation>
    </message>
    <message>
        <source>Change track will loss current downloaded data.</source>
        <translation>Change track will loss current downloaded data.</translation>
    </message>
    <message>
        <source>continue to change?</source>
        <translation>continue to change?</translation>
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
        <translation>Insert</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Input Account</source>
        <translation>Input Account</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>Input password</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>error more than 20.</source>
        <translation>error more than 20.</translation>
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
        <translation>Resolution: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Size: %1</translation>
    </message>
</context>
<context>
    <name>CUxDlTracksListBox</name>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>The chosen track has been beyond the number limit!</translation>
    </message>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>Must choose at lest one track!</translation>
    </message>
</context>
<context>
    <name>CUxSpecialBtn</name>
    <message>
        <source>Sign out</source>
        <translation>Sign out</translation>
    </message>
</context>
<context>
    <name>CUxSubStreamTrackItem</name>
    <message>
        <source>Track</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Built-in</translation>
    </message>
    <message>
        <source>The built-in subtitle is fully loaded!</source>
        <translation>The built-in subtitle is fully loaded!</translation>
    </message>
    <message>
        <source>External subtitle is fully loaded!</source>
        <translation>External subtitle is fully loaded!</translation>
    </message>
    <message>
        <source>External picture subtitle is not supported!</source>
        <translation>External picture subtitle is not supported!</translation>
    </message>
</context>
<context>
    <name>CUxSubscribeDialog</name>
    <message>
        <source>Subscribe Urls</source>
        <translation>Subscribe Urls</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analysis</translation>
    </message>
</context>
<context>
    <name>CUxTimeEdit</name>
    <message>
        <source>Current Time</source>
        <translation>Current Time</translation>
    </message>
</context>
<context>
    <name>CUxTracksListBox</name>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>Must choose at lest one track!</translation>
    </message>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>The chosen track has been beyond the number limit!</translation>
    </message>
    <message>
        <source>The chosen embedded subtitle has been beyond the number limit!</source>
        <translation>The chosen embedded subtitle has been beyond the number limit!</translation>
    </message>
    <message>
        <source>The chosen external subtitle has been beyond the number limit!</source>
        <translation>The chosen external subtitle has been beyond the number limit!</translation>
    </message>
    <message>
        <source>Can not choose an unknown track!</source>
        <translation>Can not choose an unknown track!</translation>
    </message>
    <message>
        <source>Not support the external picture subtitle!</source>
        <translation>Not support the external picture subtitle!</translation>
    </message>
    <message>
        <source>Cannot switch to unselected item!</source>
        <translation>Cannot switch to unselected item!</translation>
    </message>
</context>
<context>
    <name>CUxUpdate</name>
    <message>
        <source>Canceling check update</source>
        <translation>Canceling check update</translation>
    </message>
    <message>
        <source>Check failed!</source>
        <translation>Check failed!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Update Now</translation>
    </message>
</context>
<context>
    <name>CYtbFirstLevelItem</name>
    <message>
        <source>[PRIVATE]</source>
        <translation>[PRIVATE]</translation>
    </message>
    <message>
        <source>[INVALID]</source>
        <translation>[INVALID]</translation>
    </message>
</context>
<context>
    <name>CYtbSecVideoLinkItem</name>
    <message>
        <source>loading...</source>
        <translation>loading...</translation>
    </message>
</context>
<context>
    <name>CYtbVideoInfoItem</name>
    <message>
        <source>Quality: %1 (%2)</source>
        <translation>Quality: %1 (%2)</translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <translation>Quality: %1</translation>
    </message>
    <message>
        <source>Extention: %1</source>
        <translation>Extention: %1</translation>
    </message>
    <message>
        <source>Frame Rate: %1</source>
        <translation>Frame Rate: %1</translation>
    </message>
    <message>
        <source>Bit Rate: %1</source>
        <translation>Bit Rate: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Size: %1</translation>
    </message>
</context>
<context>
    <name>DownloaderForm</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Add Url</source>
        <translation>Add Url</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Add Music</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Clean</translation>
    </message>
    <message>
        <source>Clean Succeed</source>
        <translation>Clean Succeed</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>My YouTube playlist</translation>
    </message>
    <message>
        <source>Supported online video websites</source>
        <translation>Supported online video websites</translation>
    </message>
    <message>
        <source>Step 1. Click </source>
        <translation>Step 1. Click </translation>
    </message>
    <message>
        <source>to add Video by url.</source>
        <translation>to add Video by url.</translation>
    </message>
    <message>
        <source>Step2.Check and make setting for the added video files.</source>
        <translation>Step2.Check and make setting for the added video files.</translation>
    </message>
    <message>
        <source>Additional Tools:</source>
        <translation>Additional Tools:</translation>
    </message>
    <message>
        <source>Marbleto:</source>
        <translation>Marbleto:</translation>
    </message>
    <message>
        <source>Convert and process your video to mp3.</source>
        <translation>Convert and process your video to mp3.</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Download Now</translation>
    </message>
    <message>
        <source>Drovik:</source>
        <translation>Drovik:</translation>
    </message>
    <message>
        <source>Transfor video &amp; Music betweren computer and iPhone.</source>
        <translation>Transfor video &amp; Music betweren computer and iPhone.</translation>
    </message>
    <message>
        <source>For private,Watch Later list</source>
        <translation>For private,Watch Later list</translation>
    </message>
    <message>
        <source>My YouTube Account</source>
        <translation>My YouTube Account</translation>
    </message>
    <message>
        <source>Log in to download</source>
        <translation>Log in to download</translation>
    </message>
    <message>
        <source>Subscribe Urls</source>
        <translation>Subscribe Urls</translation>
    </message>
    <message>
        <source>Output Folder: </source>
        <translation>Output Folder: </translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>600+website</source>
        <translation>600+website</translation>
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
        <translation>Back to home page</translation>
    </message>
    <message>
        <source>Add video</source>
        <translation>Add video</translation>
    </message>
    <message>
        <source>Clean all</source>
        <translation>Clean all</translation>
    </message>
    <message>
        <source>Clean succeeded</source>
        <translation>Clean succeeded</translation>
    </message>
    <message>
        <source>Check for Upgrade</source>
        <translation>Check for Upgrade</translation>
    </message>
    <message>
        <source>Info!</source>
        <translation>Info!</translation>
    </message>
    <message>
        <source>There is no files available to download.</source>
        <translation>There is no files available to download.</translation>
    </message>
    <message>
        <source>you can click the button &apos;Add&apos; to add some files.</source>
        <translation>you can click the button &apos;Add&apos; to add some files.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>The media file is being downloaded.</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>Do you really want to end the current download?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Do you still want to end the download and clear the list?</source>
        <translation>Do you still want to end the download and clear the list?</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>Failed to download the files below</translation>
    </message>
    <message>
        <source>Something wrong with the download line, it may be the network problem or the chosen media track was no longer existed on website. Please check and try it one more time.</source>
        <translation>Something wrong with the download line, it may be the network problem or the chosen media track was no longer existed on website. Please check and try it one more time.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>There&apos;re more than %1 downloading tasks!</source>
        <translation>There&apos;re more than %1 downloading tasks!</translation>
    </message>
    <message>
        <source>We will try add as many tasks as possible, or clear the completed tasks and then add new ones.</source>
        <translation>We will try add as many tasks as possible, or clear the completed tasks and then add new ones.</translation>
    </message>
    <message>
        <source>Clean Completed And Add</source>
        <translation>Clean Completed And Add</translation>
    </message>
    <message>
        <source>Add directly</source>
        <translation>Add directly</translation>
    </message>
    <message>
        <source>Connections Conflicted</source>
        <translation>Connections Conflicted</translation>
    </message>
    <message>
        <source>You can only choose to add live connections file or non live connections.</source>
        <translation>You can only choose to add live connections file or non live connections.</translation>
    </message>
    <message>
        <source>which one would you want to add?</source>
        <translation>which one would you want to add?</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Non Live</source>
        <translation>Non Live</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Select Output Directory</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alert</translation>
    </message>
    <message>
        <source>This video was not successfully loaded.</source>
        <translation>This video was not successfully loaded.</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copy Path</translation>
    </message>
    <message>
        <source>Copy File</source>
        <translation>Copy File</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Tip:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>Open Mailbox</source>
        <translation>Open Mailbox</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Tarnwick didn&apos;t work properly, files below contains the error infomation.Please send the files to our Support Team. Your help will make our product better, Thank you!</source>
        <translation>Tarnwick didn&apos;t work properly, files below contains the error infomation.Please send the files to our Support Team. Your help will make our product better, Thank you!</translation>
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
        <translation>1. Please send the files to </translation>
    </message>
    <message>
        <source>2. You can push the button &amp;quot;Open Mailbox&amp;quot; to open your mail client on this computer, if you don&apos;t have a mail client, please send the files manually.</source>
        <translation>2. You can push the button &amp;quot;Open Mailbox&amp;quot; to open your mail client on this computer, if you don&apos;t have a mail client, please send the files manually.</translation>
    </message>
    <message>
        <source>Tips: please add attachment %1%2%3to us.</source>
        <translation>Tips: please add attachment %1%2%3to us.</translation>
    </message>
    <message>
        <source>Program didn&apos;t work properly</source>
        <translation>Program didn&apos;t work properly</translation>
    </message>
</context>
<context>
    <name>FileListDialog</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>Failed to download the files below</translation>
    </message>
    <message>
        <source>Encrypted video can&apos;t be converted, but you can still convert other videos.</source>
        <translation>Encrypted video can&apos;t be converted, but you can still convert other videos.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
</context>
<context>
    <name>LoadingWidget</name>
    <message>
        <source>Stop
Analyzing</source>
        <translation>Stop
Analyzing</translation>
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
        <translation>Settings</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Check Update</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>Changing Language</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
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
        <translation>Warning</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Job has been completed. The computer will be shut down after &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; sec.</source>
        <translation>Job has been completed. The computer will be shut down after &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; sec.</translation>
    </message>
</context>
<context>
    <name>PNLabel</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Automatic shutdown</source>
        <translation>Automatic shutdown</translation>
    </message>
    <message>
        <source>Shutdown Now</source>
        <translation>Shutdown Now</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>File Format:</source>
        <translation>File Format:</translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation>Video Codec:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolution:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Frame Rate:</translation>
    </message>
    <message>
        <source>Same as Source</source>
        <translation>Same as Source</translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation>Audio Codec:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Sample Rate:</translation>
    </message>
    <message>
        <source>Audio BitRate:</source>
        <translation>Audio BitRate:</translation>
    </message>
    <message>
        <source>Highest Resolution</source>
        <translation>Highest Resolution</translation>
    </message>
</context>
<context>
    <name>SettingDialog_Downloader</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>Changing Language</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Select Output Directory</translation>
    </message>
</context>
<context>
    <name>SettingPage_Downloader</name>
    <message>
        <source>language:   </source>
        <translation>language:   </translation>
    </message>
    <message>
        <source>Open the output folder when the job is completed.</source>
        <translation>Open the output folder when the job is completed.</translation>
    </message>
    <message>
        <source>Shut down computer when the job is completed.</source>
        <translation>Shut down computer when the job is completed.</translation>
    </message>
    <message>
        <source>Notify me when new version is available.</source>
        <translation>Notify me when new version is available.</translation>
    </message>
    <message>
        <source>Analyse items which are once donwloaded in subscribe list</source>
        <translation>Analyse items which are once donwloaded in subscribe list</translation>
    </message>
    <message>
        <source>Analyse items which are already donwloaded in subscribe list</source>
        <translation>Analyse items which are already donwloaded in subscribe list</translation>
    </message>
    <message>
        <source>Output Folder:   </source>
        <translation>Output Folder:   </translation>
    </message>
    <message>
        <source>Default Movie Format:   </source>
        <translation>Default Movie Format:   </translation>
    </message>
    <message>
        <source>Default Resolution:   </source>
        <translation>Default Resolution:   </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Proxy Server:</source>
        <translation>Proxy Server:</translation>
    </message>
    <message>
        <source>Proxy Port:</source>
        <translation>Proxy Port:</translation>
    </message>
    <message>
        <source>Enable Proxy</source>
        <translation>Enable Proxy</translation>
    </message>
</context>
<context>
    <name>UrlAnalyserDialog</name>
    <message>
        <source>Video URL: </source>
        <translation>Video URL: </translation>
    </message>
    <message>
        <source>My watch later playlist</source>
        <translation>My watch later playlist</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>My YouTube playlist</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Download the playlist if the URL refers to a video and a playlist</source>
        <translation>Download the playlist if the URL refers to a video and a playlist</translation>
    </message>
    <message>
        <source>Step 1. Open browser to get the video URL.</source>
        <translation>Step 1. Open browser to get the video URL.</translation>
    </message>
    <message>
        <source>Step 2. Click Paste URL &amp; Analyze button.</source>
        <translation>Step 2. Click Paste URL &amp; Analyze button.</translation>
    </message>
    <message>
        <source>Step 3. Choose output resolution and format,then hit &quot;Download&quot;.</source>
        <translation>Step 3. Choose output resolution and format,then hit &quot;Download&quot;.</translation>
    </message>
    <message>
        <source>My Social Media Account</source>
        <translation>My Social Media Account</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>TIP:If your input is a live video, you can continue to set Start Time,Duration and record.</source>
        <translation>TIP:If your input is a live video, you can continue to set Start Time,Duration and record.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Audio Language:</source>
        <translation>Audio Language:</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtitles</translation>
    </message>
    <message>
        <source> Searching subtitle...</source>
        <translation> Searching subtitle...</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Subtitles:</translation>
    </message>
    <message>
        <source>Cannot find any subtitle.</source>
        <translation>Cannot find any subtitle.</translation>
    </message>
    <message>
        <source>This video has been downloaded,you can open folder to find the video or analyse to redownload.</source>
        <translation>This video has been downloaded,you can open folder to find the video or analyse to redownload.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>not get media data.</source>
        <translation>not get media data.</translation>
    </message>
    <message>
        <source>This video link is being analyzed.</source>
        <translation>This video link is being analyzed.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Download Full Playlist</source>
        <translation>Download Full Playlist</translation>
    </message>
    <message>
        <source>there is invaild url</source>
        <translation>there is invaild url</translation>
    </message>
    <message>
        <source>Apply Change to All</source>
        <translation>Apply Change to All</translation>
    </message>
    <message>
        <source>Download Selected Videoes</source>
        <translation>Download Selected Videoes</translation>
    </message>
    <message>
        <source>No subtitle</source>
        <translation>No subtitle</translation>
    </message>
    <message>
        <source>Download Selected Videos</source>
        <translation>Download Selected Videos</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Stopping</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initializing</translation>
    </message>
    <message>
        <source>Analysis Failed</source>
        <translation>Analysis Failed</translation>
    </message>
    <message>
        <source>Would you like to analyze again?</source>
        <translation>Would you like to analyze again?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>%1&apos;s playlist</source>
        <translation>%1&apos;s playlist</translation>
    </message>
    <message>
        <source>Incorrect account / password or authentication error!(logining on the website may solve the authentication error)!</source>
        <translation>Incorrect account / password or authentication error!(logining on the website may solve the authentication error)!</translation>
    </message>
    <message>
        <source>This video is private. If your account has authority to watch, please login.</source>
        <translation>This video is private. If your account has authority to watch, please login.</translation>
    </message>
    <message>
        <source>This playlist is private. If your account has authority to watch, please login.</source>
        <translation>This playlist is private. If your account has authority to watch, please login.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>There is an invalid url in the list.</source>
        <translation>There is an invalid url in the list.</translation>
    </message>
    <message>
        <source>There are %1 invalid urls in the list.</source>
        <translation>There are %1 invalid urls in the list.</translation>
    </message>
    <message>
        <source>The analyzed item is a live video.</source>
        <translation>The analyzed item is a live video.</translation>
    </message>
    <message>
        <source>The analysis result will change to video mode.</source>
        <translation>The analysis result will change to video mode.</translation>
    </message>
    <message>
        <source>%1 &apos;s %2 watch later playlist</source>
        <translation>%1 &apos;s %2 watch later playlist</translation>
    </message>
    <message>
        <source>%1&apos;s %2 watch later playlist</source>
        <translation>%1&apos;s %2 watch later playlist</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>No video/audio is selected. Would you like to continue to quit?</source>
        <translation>No video/audio is selected. Would you like to continue to quit?</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>This video analyse failed,click &apos;analyse&apos; to redownload.</source>
        <translation>This video analyse failed,click &apos;analyse&apos; to redownload.</translation>
    </message>
    <message>
        <source>This video has been downloaded before,but not found, clicked &apos;analyse&apos; to redownload.</source>
        <translation>This video has been downloaded before,but not found, clicked &apos;analyse&apos; to redownload.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Show All</translation>
    </message>
    <message>
        <source>Searching subtitle...</source>
        <translation>Searching subtitle...</translation>
    </message>
    <message>
        <source>/support/youtube-downloader-troubleshooting.html</source>
        <translation>/support/youtube-downloader-troubleshooting.html</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Paste URL &amp; Analyse</source>
        <translation>Paste URL &amp; Analyse</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Subscribe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>VideoPlay</name>
    <message>
        <source>DVD playback error or media file is too short.</source>
        <translation>DVD playback error or media file is too short.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>YoutubeAccount</name>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>YouTube Account</source>
        <translation>YouTube Account</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>Input password</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>Remember the password</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analyze</translation>
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
        <translation>Loading...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Invalid</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Updating the URL analysis engine is needed if you want to download the latest videos from YouTube or other video sites. Please wait until the update finished.</source>
        <translation>Updating the URL analysis engine is needed if you want to download the latest videos from YouTube or other video sites. Please wait until the update finished.</translation>
    </message>
    <message>
        <source>Program update is needed for the new downloader engine. Please click &quot;Update&quot; to download the newest version or you can click &quot;Continue&quot; to work with the current engine.</source>
        <translation>Program update is needed for the new downloader engine. Please click &quot;Update&quot; to download the newest version or you can click &quot;Continue&quot; to work with the current engine.</translation>
    </message>
</context>
<context>
    <name>checkUpdate</name>
    <message>
        <source>Checking for updates</source>
        <translation>Checking for updates</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>livevideoform</name>
    <message>
        <source>Select output format</source>
        <translation>Select output format</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Start Time:</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Current Time</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duration:</translation>
    </message>
</context>
<context>
    <name>mediadlitemform</name>
    <message>
        <source>Select output format</source>
        <translation>Select output format</translation>
    </message>
</context>
</TS>
