<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>Release Date: %1</source>
        <translation>發行日期：%1</translation>
    </message>
    <message>
        <source>For more information,</source>
        <translation>如需更多資訊，</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quenmark. All rights reserved.</source>
        <translation>Copyright © 2026 Quenmark. 保留所有權利。</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>傳送意見回饋</translation>
    </message>
    <message>
        <source>Tarnwick is the strongest yet easy-to-use video processing software. It provides you ultimate solution to convert videos, audio and DVDs; edit, transcode, compress and adjust video files; download online media content; record screen and webcam.</source>
        <translation>Tarnwick 是一款功能強大又簡單易用的影片處理軟體，為您提供一站式解決方案：轉換影片、音訊和 DVD；編輯、轉碼、壓縮和調整影片檔案；下載線上媒體內容；錄製螢幕和網路攝影機。</translation>
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
        <translation>請造訪：</translation>
    </message>
    <message>
        <source>No mail client found on this machine.</source>
        <translation>在這部電腦上找不到郵件用戶端。</translation>
    </message>
</context>
<context>
    <name>AnalyseThread</name>
    <message>
        <source>Failed to analyze the input video link? Check possible causes and solutions &gt;</source>
        <translation>影片連結解析失敗？查看可能的原因和解決方法 &gt;</translation>
    </message>
</context>
<context>
    <name>CNorVideoDlItem</name>
    <message>
        <source>Start Recording</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>停止錄製</translation>
    </message>
    <message>
        <source>Order Recording</source>
        <translation>預約錄製</translation>
    </message>
    <message>
        <source>Cancle order</source>
        <translation>取消預約</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>目前時間</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Convert to mp3</source>
        <translation>轉換為 MP3</translation>
    </message>
    <message>
        <source>Marbleton</source>
        <translation>Marbleton</translation>
    </message>
    <message>
        <source>Can&apos;t reserve download. Only 5 are allowed at one time.</source>
        <translation>無法預約下載，同時最多只能預約 5 個。</translation>
    </message>
    <message>
        <source>can&apos;t start to download,Only 5 are allowed at the same time.</source>
        <translation>無法開始下載，同時最多只能下載 5 個。</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>正在下載媒體檔案。</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>確定要結束目前的下載嗎？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Waring</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Change track will loss current downloaded data.</source>
        <translation>變更軌道將會遺失目前已下載的資料。</translation>
    </message>
    <message>
        <source>continue to change?</source>
        <translation>是否繼續變更？</translation>
    </message>
</context>
<context>
    <name>CUxDlLog</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Input Account</source>
        <translation>輸入帳號</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>帳號：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>輸入密碼</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>error more than 20.</source>
        <translation>錯誤超過 20 個。</translation>
    </message>
</context>
<context>
    <name>CUxDlTrackItem</name>
    <message>
        <source>Format: %1</source>
        <translation>格式：%1</translation>
    </message>
    <message>
        <source>Resolution: %1</source>
        <translation>解析度：%1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>大小：%1</translation>
    </message>
</context>
<context>
    <name>CUxDlTracksListBox</name>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>所選軌道數量已超出上限！</translation>
    </message>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>請至少選擇一個軌道！</translation>
    </message>
</context>
<context>
    <name>CUxSpecialBtn</name>
    <message>
        <source>Sign out</source>
        <translation>登出</translation>
    </message>
</context>
<context>
    <name>CUxSubStreamTrackItem</name>
    <message>
        <source>Track</source>
        <translation>軌道</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>內嵌</translation>
    </message>
    <message>
        <source>The built-in subtitle is fully loaded!</source>
        <translation>內嵌字幕已達上限！</translation>
    </message>
    <message>
        <source>External subtitle is fully loaded!</source>
        <translation>外掛字幕已達上限！</translation>
    </message>
    <message>
        <source>External picture subtitle is not supported!</source>
        <translation>不支援圖形外掛字幕！</translation>
    </message>
</context>
<context>
    <name>CUxSubscribeDialog</name>
    <message>
        <source>Subscribe Urls</source>
        <translation>訂閱網址</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>解析</translation>
    </message>
</context>
<context>
    <name>CUxTimeEdit</name>
    <message>
        <source>Current Time</source>
        <translation>目前時間</translation>
    </message>
</context>
<context>
    <name>CUxTracksListBox</name>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>請至少選擇一個軌道！</translation>
    </message>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>所選軌道數量已超出上限！</translation>
    </message>
    <message>
        <source>The chosen embedded subtitle has been beyond the number limit!</source>
        <translation>所選內嵌字幕數量已超出上限！</translation>
    </message>
    <message>
        <source>The chosen external subtitle has been beyond the number limit!</source>
        <translation>所選外掛字幕數量已超出上限！</translation>
    </message>
    <message>
        <source>Can not choose an unknown track!</source>
        <translation>無法選擇未知的軌道！</translation>
    </message>
    <message>
        <source>Not support the external picture subtitle!</source>
        <translation>不支援圖形外掛字幕！</translation>
    </message>
    <message>
        <source>Cannot switch to unselected item!</source>
        <translation>無法切換到未選取的項目！</translation>
    </message>
</context>
<context>
    <name>CUxUpdate</name>
    <message>
        <source>Canceling check update</source>
        <translation>正在取消檢查更新</translation>
    </message>
    <message>
        <source>Check failed!</source>
        <translation>檢查失敗！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>立即更新</translation>
    </message>
</context>
<context>
    <name>CYtbFirstLevelItem</name>
    <message>
        <source>[PRIVATE]</source>
        <translation>[私人]</translation>
    </message>
    <message>
        <source>[INVALID]</source>
        <translation>[無效]</translation>
    </message>
</context>
<context>
    <name>CYtbSecVideoLinkItem</name>
    <message>
        <source>loading...</source>
        <translation>載入中...</translation>
    </message>
</context>
<context>
    <name>CYtbVideoInfoItem</name>
    <message>
        <source>Quality: %1 (%2)</source>
        <translation>畫質：%1（%2）</translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <translation>畫質：%1</translation>
    </message>
    <message>
        <source>Extention: %1</source>
        <translation>副檔名：%1</translation>
    </message>
    <message>
        <source>Frame Rate: %1</source>
        <translation>影格速率：%1</translation>
    </message>
    <message>
        <source>Bit Rate: %1</source>
        <translation>位元速率：%1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>大小：%1</translation>
    </message>
</context>
<context>
    <name>DownloaderForm</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Add Url</source>
        <translation>新增網址</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>新增音樂</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Clean Succeed</source>
        <translation>清除成功</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>我的 YouTube 播放清單</translation>
    </message>
    <message>
        <source>Supported online video websites</source>
        <translation>支援的線上影片網站</translation>
    </message>
    <message>
        <source>Step 1. Click </source>
        <translation>步驟 1：按一下 </translation>
    </message>
    <message>
        <source>to add Video by url.</source>
        <translation> 以透過網址新增影片。</translation>
    </message>
    <message>
        <source>Step2.Check and make setting for the added video files.</source>
        <translation>步驟 2：檢查新增的影片檔案並進行設定。</translation>
    </message>
    <message>
        <source>Additional Tools:</source>
        <translation>其他工具：</translation>
    </message>
    <message>
        <source>Marbleto:</source>
        <translation>Marbleto：</translation>
    </message>
    <message>
        <source>Convert and process your video to mp3.</source>
        <translation>將影片轉換處理為 MP3。</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>立即下載</translation>
    </message>
    <message>
        <source>Drovik:</source>
        <translation>Drovik：</translation>
    </message>
    <message>
        <source>Transfor video &amp; Music betweren computer and iPhone.</source>
        <translation>在電腦與 iPhone 之間傳輸影片和音樂。</translation>
    </message>
    <message>
        <source>For private,Watch Later list</source>
        <translation>用於私人影片和稍後觀看清單</translation>
    </message>
    <message>
        <source>My YouTube Account</source>
        <translation>我的 YouTube 帳號</translation>
    </message>
    <message>
        <source>Log in to download</source>
        <translation>登入後下載</translation>
    </message>
    <message>
        <source>Subscribe Urls</source>
        <translation>訂閱網址</translation>
    </message>
    <message>
        <source>Output Folder: </source>
        <translation>輸出資料夾：</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>600+website</source>
        <translation>600+ 網站</translation>
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
        <translation>返回首頁</translation>
    </message>
    <message>
        <source>Add video</source>
        <translation>新增影片</translation>
    </message>
    <message>
        <source>Clean all</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Clean succeeded</source>
        <translation>清除成功</translation>
    </message>
    <message>
        <source>Check for Upgrade</source>
        <translation>檢查升級</translation>
    </message>
    <message>
        <source>Info!</source>
        <translation>提示！</translation>
    </message>
    <message>
        <source>There is no files available to download.</source>
        <translation>沒有可下載的檔案。</translation>
    </message>
    <message>
        <source>you can click the button &apos;Add&apos; to add some files.</source>
        <translation>您可以按一下「新增」按鈕來新增檔案。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>正在下載媒體檔案。</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>確定要結束目前的下載嗎？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Do you still want to end the download and clear the list?</source>
        <translation>仍要結束下載並清除清單嗎？</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>下列檔案下載失敗</translation>
    </message>
    <message>
        <source>Something wrong with the download line, it may be the network problem or the chosen media track was no longer existed on website. Please check and try it one more time.</source>
        <translation>下載線路發生問題，可能是網路問題，或所選的媒體軌道在網站上已不存在。請檢查後再試一次。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>There&apos;re more than %1 downloading tasks!</source>
        <translation>下載工作已超過 %1 個！</translation>
    </message>
    <message>
        <source>We will try add as many tasks as possible, or clear the completed tasks and then add new ones.</source>
        <translation>我們會盡量新增工作，您也可以先清除已完成的工作，再新增新的工作。</translation>
    </message>
    <message>
        <source>Clean Completed And Add</source>
        <translation>清除已完成並新增</translation>
    </message>
    <message>
        <source>Add directly</source>
        <translation>直接新增</translation>
    </message>
    <message>
        <source>Connections Conflicted</source>
        <translation>連線衝突</translation>
    </message>
    <message>
        <source>You can only choose to add live connections file or non live connections.</source>
        <translation>只能選擇新增直播連線檔案或非直播連線檔案。</translation>
    </message>
    <message>
        <source>which one would you want to add?</source>
        <translation>您要新增哪一種？</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>直播</translation>
    </message>
    <message>
        <source>Non Live</source>
        <translation>非直播</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>選擇輸出目錄</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>提醒</translation>
    </message>
    <message>
        <source>This video was not successfully loaded.</source>
        <translation>此影片未能成功載入。</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error!</source>
        <translation>錯誤！</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>複製路徑</translation>
    </message>
    <message>
        <source>Copy File</source>
        <translation>複製檔案</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>Tip:</source>
        <translation>提示：</translation>
    </message>
    <message>
        <source>Open Mailbox</source>
        <translation>開啟郵件</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Tarnwick didn&apos;t work properly, files below contains the error infomation.Please send the files to our Support Team. Your help will make our product better, Thank you!</source>
        <translation>Tarnwick 未能正常運作，下列檔案包含錯誤資訊。請將這些檔案傳送給我們的技術支援團隊。您的協助能讓我們的產品更好，謝謝！</translation>
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
        <translation>1. 請將檔案傳送至 </translation>
    </message>
    <message>
        <source>2. You can push the button &amp;quot;Open Mailbox&amp;quot; to open your mail client on this computer, if you don&apos;t have a mail client, please send the files manually.</source>
        <translation>2. 您可以按下「開啟郵件」按鈕，開啟這部電腦上的郵件用戶端；如果沒有郵件用戶端，請手動傳送檔案。</translation>
    </message>
    <message>
        <source>Tips: please add attachment %1%2%3to us.</source>
        <translation>提示：請將附件 %1%2%3傳送給我們。</translation>
    </message>
    <message>
        <source>Program didn&apos;t work properly</source>
        <translation>程式未能正常運作</translation>
    </message>
</context>
<context>
    <name>FileListDialog</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>下列檔案下載失敗</translation>
    </message>
    <message>
        <source>Encrypted video can&apos;t be converted, but you can still convert other videos.</source>
        <translation>加密的影片無法轉換，但您仍可轉換其他影片。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
</context>
<context>
    <name>LoadingWidget</name>
    <message>
        <source>Stop
Analyzing</source>
        <translation>停止
解析</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quenmark - Downloader</source>
        <translation>Quenmark - 下載器</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>變更語言</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>變更語言後程式將重新啟動。如果確定要變更，請按一下「繼續」按鈕。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
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
        <translation>警告</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Job has been completed. The computer will be shut down after &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; sec.</source>
        <translation>工作已完成。電腦將在 &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; 秒後關機。</translation>
    </message>
</context>
<context>
    <name>PNLabel</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Automatic shutdown</source>
        <translation>自動關機</translation>
    </message>
    <message>
        <source>Shutdown Now</source>
        <translation>立即關機</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>File Format:</source>
        <translation>檔案格式：</translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation>視訊編碼：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解析度：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>影格速率：</translation>
    </message>
    <message>
        <source>Same as Source</source>
        <translation>與來源相同</translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation>音訊編碼：</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>取樣率：</translation>
    </message>
    <message>
        <source>Audio BitRate:</source>
        <translation>音訊位元速率：</translation>
    </message>
    <message>
        <source>Highest Resolution</source>
        <translation>最高解析度</translation>
    </message>
</context>
<context>
    <name>SettingDialog_Downloader</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>變更語言</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>變更語言後程式將重新啟動。如果確定要變更，請按一下「繼續」按鈕。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>選擇輸出目錄</translation>
    </message>
</context>
<context>
    <name>SettingPage_Downloader</name>
    <message>
        <source>language:   </source>
        <translation>語言：   </translation>
    </message>
    <message>
        <source>Open the output folder when the job is completed.</source>
        <translation>工作完成後開啟輸出資料夾</translation>
    </message>
    <message>
        <source>Shut down computer when the job is completed.</source>
        <translation>工作完成後關閉電腦</translation>
    </message>
    <message>
        <source>Notify me when new version is available.</source>
        <translation>有新版本時通知我</translation>
    </message>
    <message>
        <source>Analyse items which are once donwloaded in subscribe list</source>
        <translation>解析訂閱清單中曾經下載過的項目</translation>
    </message>
    <message>
        <source>Analyse items which are already donwloaded in subscribe list</source>
        <translation>解析訂閱清單中已經下載過的項目</translation>
    </message>
    <message>
        <source>Output Folder:   </source>
        <translation>輸出資料夾：   </translation>
    </message>
    <message>
        <source>Default Movie Format:   </source>
        <translation>預設影片格式：   </translation>
    </message>
    <message>
        <source>Default Resolution:   </source>
        <translation>預設解析度：   </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Proxy Server:</source>
        <translation>代理伺服器：</translation>
    </message>
    <message>
        <source>Proxy Port:</source>
        <translation>代理連接埠：</translation>
    </message>
    <message>
        <source>Enable Proxy</source>
        <translation>啟用代理伺服器</translation>
    </message>
</context>
<context>
    <name>UrlAnalyserDialog</name>
    <message>
        <source>Video URL: </source>
        <translation>影片網址：</translation>
    </message>
    <message>
        <source>My watch later playlist</source>
        <translation>我的稍後觀看清單</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>我的 YouTube 播放清單</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>解析</translation>
    </message>
    <message>
        <source>Download the playlist if the URL refers to a video and a playlist</source>
        <translation>如果網址同時指向影片和播放清單，則下載播放清單</translation>
    </message>
    <message>
        <source>Step 1. Open browser to get the video URL.</source>
        <translation>步驟 1：開啟瀏覽器，取得影片網址。</translation>
    </message>
    <message>
        <source>Step 2. Click Paste URL &amp; Analyze button.</source>
        <translation>步驟 2：按一下「貼上網址並解析」按鈕。</translation>
    </message>
    <message>
        <source>Step 3. Choose output resolution and format,then hit &quot;Download&quot;.</source>
        <translation>步驟 3：選擇輸出解析度和格式，然後按一下「下載」。</translation>
    </message>
    <message>
        <source>My Social Media Account</source>
        <translation>我的社群媒體帳號</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>帳號</translation>
    </message>
    <message>
        <source>TIP:If your input is a live video, you can continue to set Start Time,Duration and record.</source>
        <translation>提示：如果輸入的是直播影片，您可以繼續設定開始時間、時長並錄製。</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Audio Language:</source>
        <translation>音訊語言：</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source> Searching subtitle...</source>
        <translation> 正在搜尋字幕...</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>字幕：</translation>
    </message>
    <message>
        <source>Cannot find any subtitle.</source>
        <translation>找不到任何字幕。</translation>
    </message>
    <message>
        <source>This video has been downloaded,you can open folder to find the video or analyse to redownload.</source>
        <translation>此影片已下載，您可以開啟資料夾尋找影片，或重新解析以再次下載。</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>not get media data.</source>
        <translation>未取得媒體資料。</translation>
    </message>
    <message>
        <source>This video link is being analyzed.</source>
        <translation>正在解析此影片連結。</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>請稍候...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Download Full Playlist</source>
        <translation>下載整個播放清單</translation>
    </message>
    <message>
        <source>there is invaild url</source>
        <translation>有無效的網址</translation>
    </message>
    <message>
        <source>Apply Change to All</source>
        <translation>全部套用</translation>
    </message>
    <message>
        <source>Download Selected Videoes</source>
        <translation>下載所選影片</translation>
    </message>
    <message>
        <source>No subtitle</source>
        <translation>無字幕</translation>
    </message>
    <message>
        <source>Download Selected Videos</source>
        <translation>下載所選影片</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>正在停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>正在初始化</translation>
    </message>
    <message>
        <source>Analysis Failed</source>
        <translation>解析失敗</translation>
    </message>
    <message>
        <source>Would you like to analyze again?</source>
        <translation>是否要重新解析？</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>%1&apos;s playlist</source>
        <translation>%1 的播放清單</translation>
    </message>
    <message>
        <source>Incorrect account / password or authentication error!(logining on the website may solve the authentication error)!</source>
        <translation>帳號/密碼錯誤或身分驗證錯誤！（在網站上登入一次可能會解決身分驗證錯誤）</translation>
    </message>
    <message>
        <source>This video is private. If your account has authority to watch, please login.</source>
        <translation>此影片為私人影片。如果您的帳號有觀看權限，請登入。</translation>
    </message>
    <message>
        <source>This playlist is private. If your account has authority to watch, please login.</source>
        <translation>此播放清單為私人清單。如果您的帳號有觀看權限，請登入。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>There is an invalid url in the list.</source>
        <translation>清單中有一個無效的網址。</translation>
    </message>
    <message>
        <source>There are %1 invalid urls in the list.</source>
        <translation>清單中有 %1 個無效的網址。</translation>
    </message>
    <message>
        <source>The analyzed item is a live video.</source>
        <translation>解析的項目是直播影片。</translation>
    </message>
    <message>
        <source>The analysis result will change to video mode.</source>
        <translation>解析結果將切換為影片模式。</translation>
    </message>
    <message>
        <source>%1 &apos;s %2 watch later playlist</source>
        <translation>%1 的 %2 稍後觀看清單</translation>
    </message>
    <message>
        <source>%1&apos;s %2 watch later playlist</source>
        <translation>%1 的 %2 稍後觀看清單</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>No video/audio is selected. Would you like to continue to quit?</source>
        <translation>未選取任何影片/音訊。仍要結束嗎？</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>This video analyse failed,click &apos;analyse&apos; to redownload.</source>
        <translation>此影片解析失敗，請按一下「解析」重新下載。</translation>
    </message>
    <message>
        <source>This video has been downloaded before,but not found, clicked &apos;analyse&apos; to redownload.</source>
        <translation>此影片先前已下載，但找不到檔案，請按一下「解析」重新下載。</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隱藏</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>全部顯示</translation>
    </message>
    <message>
        <source>Searching subtitle...</source>
        <translation>正在搜尋字幕...</translation>
    </message>
    <message>
        <source>/support/youtube-downloader-troubleshooting.html</source>
        <translation>/support/youtube-downloader-troubleshooting.html</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Paste URL &amp; Analyse</source>
        <translation>貼上網址並解析</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>訂閱</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>VideoPlay</name>
    <message>
        <source>DVD playback error or media file is too short.</source>
        <translation>DVD 播放錯誤或媒體檔案過短。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>YoutubeAccount</name>
    <message>
        <source>Account:</source>
        <translation>帳號：</translation>
    </message>
    <message>
        <source>YouTube Account</source>
        <translation>YouTube 帳號</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>輸入密碼</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>記住密碼</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>解析</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>YoutubePrivate</name>
    <message>
        <source>Loading...</source>
        <translation>載入中...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>無效</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>部影片</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>部影片</translation>
    </message>
</context>
<context>
    <name>YtbUpgradeDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Updating the URL analysis engine is needed if you want to download the latest videos from YouTube or other video sites. Please wait until the update finished.</source>
        <translation>若要從 YouTube 或其他影片網站下載最新影片，需要更新網址解析引擎。請耐心等候更新完成。</translation>
    </message>
    <message>
        <source>Program update is needed for the new downloader engine. Please click &quot;Update&quot; to download the newest version or you can click &quot;Continue&quot; to work with the current engine.</source>
        <translation>新的下載引擎需要更新程式。請按一下「更新」下載最新版本，或按一下「繼續」使用目前的引擎。</translation>
    </message>
</context>
<context>
    <name>checkUpdate</name>
    <message>
        <source>Checking for updates</source>
        <translation>正在檢查更新</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>livevideoform</name>
    <message>
        <source>Select output format</source>
        <translation>選擇輸出格式</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>開始時間：</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>目前時間</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>時長：</translation>
    </message>
</context>
<context>
    <name>mediadlitemform</name>
    <message>
        <source>Select output format</source>
        <translation>選擇輸出格式</translation>
    </message>
</context>
</TS>
