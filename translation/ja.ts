<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>バージョン：%1</translation>
    </message>
    <message>
        <source>Release Date: %1</source>
        <translation>リリース日：%1</translation>
    </message>
    <message>
        <source>For more information,</source>
        <translation>詳細については、</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quenmark. All rights reserved.</source>
        <translation>Copyright © 2026 Quenmark. All rights reserved.</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>フィードバックを送信</translation>
    </message>
    <message>
        <source>Tarnwick is the strongest yet easy-to-use video processing software. It provides you ultimate solution to convert videos, audio and DVDs; edit, transcode, compress and adjust video files; download online media content; record screen and webcam.</source>
        <translation>Tarnwick は、強力で使いやすい動画処理ソフトウェアです。動画・音声・DVD の変換、動画ファイルの編集・トランスコード・圧縮・調整、オンラインメディアのダウンロード、画面や Web カメラの録画まで、あらゆる作業をこれ一つで行えます。</translation>
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
        <translation>次のサイトをご覧ください：</translation>
    </message>
    <message>
        <source>No mail client found on this machine.</source>
        <translation>このコンピューターにメールクライアントが見つかりません。</translation>
    </message>
</context>
<context>
    <name>AnalyseThread</name>
    <message>
        <source>Failed to analyze the input video link? Check possible causes and solutions &gt;</source>
        <translation>動画リンクの解析に失敗しましたか？考えられる原因と解決方法を確認 &gt;</translation>
    </message>
</context>
<context>
    <name>CNorVideoDlItem</name>
    <message>
        <source>Start Recording</source>
        <translation>録画開始</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>録画停止</translation>
    </message>
    <message>
        <source>Order Recording</source>
        <translation>録画予約</translation>
    </message>
    <message>
        <source>Cancle order</source>
        <translation>予約取消</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>現在時刻</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Convert to mp3</source>
        <translation>MP3 に変換</translation>
    </message>
    <message>
        <source>Marbleton</source>
        <translation>Marbleton</translation>
    </message>
    <message>
        <source>Can&apos;t reserve download. Only 5 are allowed at one time.</source>
        <translation>ダウンロードを予約できません。同時に予約できるのは 5 件までです。</translation>
    </message>
    <message>
        <source>can&apos;t start to download,Only 5 are allowed at the same time.</source>
        <translation>ダウンロードを開始できません。同時にダウンロードできるのは 5 件までです。</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>メディアファイルをダウンロード中です。</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>現在のダウンロードを終了しますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
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
        <translation>トラックを変更すると、ダウンロード済みのデータは失われます。</translation>
    </message>
    <message>
        <source>continue to change?</source>
        <translation>変更を続けますか？</translation>
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
        <translation>追加</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Input Account</source>
        <translation>アカウントを入力</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>アカウント：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード：</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>パスワードを入力</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>error more than 20.</source>
        <translation>エラーが 20 件を超えました。</translation>
    </message>
</context>
<context>
    <name>CUxDlTrackItem</name>
    <message>
        <source>Format: %1</source>
        <translation>形式：%1</translation>
    </message>
    <message>
        <source>Resolution: %1</source>
        <translation>解像度：%1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>サイズ：%1</translation>
    </message>
</context>
<context>
    <name>CUxDlTracksListBox</name>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>選択したトラック数が上限を超えています！</translation>
    </message>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>トラックを 1 つ以上選択してください！</translation>
    </message>
</context>
<context>
    <name>CUxSpecialBtn</name>
    <message>
        <source>Sign out</source>
        <translation>ログアウト</translation>
    </message>
</context>
<context>
    <name>CUxSubStreamTrackItem</name>
    <message>
        <source>Track</source>
        <translation>トラック</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>内蔵</translation>
    </message>
    <message>
        <source>The built-in subtitle is fully loaded!</source>
        <translation>内蔵字幕の数が上限に達しています！</translation>
    </message>
    <message>
        <source>External subtitle is fully loaded!</source>
        <translation>外部字幕の数が上限に達しています！</translation>
    </message>
    <message>
        <source>External picture subtitle is not supported!</source>
        <translation>画像形式の外部字幕には対応していません！</translation>
    </message>
</context>
<context>
    <name>CUxSubscribeDialog</name>
    <message>
        <source>Subscribe Urls</source>
        <translation>URL を購読</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>現在時刻</translation>
    </message>
</context>
<context>
    <name>CUxTracksListBox</name>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>トラックを 1 つ以上選択してください！</translation>
    </message>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>選択したトラック数が上限を超えています！</translation>
    </message>
    <message>
        <source>The chosen embedded subtitle has been beyond the number limit!</source>
        <translation>選択した内蔵字幕の数が上限を超えています！</translation>
    </message>
    <message>
        <source>The chosen external subtitle has been beyond the number limit!</source>
        <translation>選択した外部字幕の数が上限を超えています！</translation>
    </message>
    <message>
        <source>Can not choose an unknown track!</source>
        <translation>不明なトラックは選択できません！</translation>
    </message>
    <message>
        <source>Not support the external picture subtitle!</source>
        <translation>画像形式の外部字幕には対応していません！</translation>
    </message>
    <message>
        <source>Cannot switch to unselected item!</source>
        <translation>選択されていない項目には切り替えられません！</translation>
    </message>
</context>
<context>
    <name>CUxUpdate</name>
    <message>
        <source>Canceling check update</source>
        <translation>更新の確認を取り消し中</translation>
    </message>
    <message>
        <source>Check failed!</source>
        <translation>確認に失敗しました！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>今すぐ更新</translation>
    </message>
</context>
<context>
    <name>CYtbFirstLevelItem</name>
    <message>
        <source>[PRIVATE]</source>
        <translation>[非公開]</translation>
    </message>
    <message>
        <source>[INVALID]</source>
        <translation>[無効]</translation>
    </message>
</context>
<context>
    <name>CYtbSecVideoLinkItem</name>
    <message>
        <source>loading...</source>
        <translation>読み込み中...</translation>
    </message>
</context>
<context>
    <name>CYtbVideoInfoItem</name>
    <message>
        <source>Quality: %1 (%2)</source>
        <translation>画質：%1（%2）</translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <translation>画質：%1</translation>
    </message>
    <message>
        <source>Extention: %1</source>
        <translation>拡張子：%1</translation>
    </message>
    <message>
        <source>Frame Rate: %1</source>
        <translation>フレームレート：%1</translation>
    </message>
    <message>
        <source>Bit Rate: %1</source>
        <translation>ビットレート：%1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>サイズ：%1</translation>
    </message>
</context>
<context>
    <name>DownloaderForm</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Add Url</source>
        <translation>URL を追加</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>音楽を追加</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Clean Succeed</source>
        <translation>クリアしました</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>YouTube 再生リスト</translation>
    </message>
    <message>
        <source>Supported online video websites</source>
        <translation>対応している動画サイト</translation>
    </message>
    <message>
        <source>Step 1. Click </source>
        <translation>手順 1：</translation>
    </message>
    <message>
        <source>to add Video by url.</source>
        <translation>をクリックして URL から動画を追加します。</translation>
    </message>
    <message>
        <source>Step2.Check and make setting for the added video files.</source>
        <translation>手順 2：追加した動画ファイルを確認し、設定を行います。</translation>
    </message>
    <message>
        <source>Additional Tools:</source>
        <translation>その他のツール：</translation>
    </message>
    <message>
        <source>Marbleto:</source>
        <translation>Marbleto：</translation>
    </message>
    <message>
        <source>Convert and process your video to mp3.</source>
        <translation>動画を MP3 に変換・処理します。</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Drovik:</source>
        <translation>Drovik：</translation>
    </message>
    <message>
        <source>Transfor video &amp; Music betweren computer and iPhone.</source>
        <translation>パソコンと iPhone の間で動画や音楽を転送します。</translation>
    </message>
    <message>
        <source>For private,Watch Later list</source>
        <translation>非公開・後で見るリスト用</translation>
    </message>
    <message>
        <source>My YouTube Account</source>
        <translation>YouTube アカウント</translation>
    </message>
    <message>
        <source>Log in to download</source>
        <translation>ログインしてダウンロード</translation>
    </message>
    <message>
        <source>Subscribe Urls</source>
        <translation>URL を購読</translation>
    </message>
    <message>
        <source>Output Folder: </source>
        <translation>出力フォルダー：</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>600+website</source>
        <translation>600 以上のサイト</translation>
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
        <translation>ホームに戻る</translation>
    </message>
    <message>
        <source>Add video</source>
        <translation>動画を追加</translation>
    </message>
    <message>
        <source>Clean all</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>Clean succeeded</source>
        <translation>クリアしました</translation>
    </message>
    <message>
        <source>Check for Upgrade</source>
        <translation>アップグレードを確認</translation>
    </message>
    <message>
        <source>Info!</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>There is no files available to download.</source>
        <translation>ダウンロードできるファイルがありません。</translation>
    </message>
    <message>
        <source>you can click the button &apos;Add&apos; to add some files.</source>
        <translation>「追加」ボタンをクリックしてファイルを追加してください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>メディアファイルをダウンロード中です。</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>現在のダウンロードを終了しますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Do you still want to end the download and clear the list?</source>
        <translation>ダウンロードを終了してリストをクリアしますか？</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>次のファイルのダウンロードに失敗しました</translation>
    </message>
    <message>
        <source>Something wrong with the download line, it may be the network problem or the chosen media track was no longer existed on website. Please check and try it one more time.</source>
        <translation>ダウンロード回線に問題が発生しました。ネットワークの問題か、選択したメディアトラックがサイト上に存在しなくなった可能性があります。確認してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>There&apos;re more than %1 downloading tasks!</source>
        <translation>ダウンロードタスクが %1 件を超えています！</translation>
    </message>
    <message>
        <source>We will try add as many tasks as possible, or clear the completed tasks and then add new ones.</source>
        <translation>できるだけ多くのタスクを追加します。または、完了したタスクをクリアしてから新しいタスクを追加してください。</translation>
    </message>
    <message>
        <source>Clean Completed And Add</source>
        <translation>完了分をクリアして追加</translation>
    </message>
    <message>
        <source>Add directly</source>
        <translation>そのまま追加</translation>
    </message>
    <message>
        <source>Connections Conflicted</source>
        <translation>接続の競合</translation>
    </message>
    <message>
        <source>You can only choose to add live connections file or non live connections.</source>
        <translation>ライブ接続とライブ以外の接続は、どちらか一方しか追加できません。</translation>
    </message>
    <message>
        <source>which one would you want to add?</source>
        <translation>どちらを追加しますか？</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>ライブ</translation>
    </message>
    <message>
        <source>Non Live</source>
        <translation>ライブ以外</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>出力フォルダーを選択</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>This video was not successfully loaded.</source>
        <translation>この動画は正しく読み込まれませんでした。</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error!</source>
        <translation>エラー！</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>パスをコピー</translation>
    </message>
    <message>
        <source>Copy File</source>
        <translation>ファイルをコピー</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Tip:</source>
        <translation>ヒント：</translation>
    </message>
    <message>
        <source>Open Mailbox</source>
        <translation>メールを開く</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Tarnwick didn&apos;t work properly, files below contains the error infomation.Please send the files to our Support Team. Your help will make our product better, Thank you!</source>
        <translation>Tarnwick が正常に動作しませんでした。以下のファイルにエラー情報が含まれています。これらのファイルをサポートチームまでお送りください。製品改善へのご協力をお願いいたします。</translation>
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
        <translation>1. ファイルを次の宛先に送信してください：</translation>
    </message>
    <message>
        <source>2. You can push the button &amp;quot;Open Mailbox&amp;quot; to open your mail client on this computer, if you don&apos;t have a mail client, please send the files manually.</source>
        <translation>2. 「メールを開く」ボタンを押すと、このコンピューターのメールクライアントが開きます。メールクライアントがない場合は、手動でファイルを送信してください。</translation>
    </message>
    <message>
        <source>Tips: please add attachment %1%2%3to us.</source>
        <translation>ヒント：添付ファイル %1%2%3をお送りください。</translation>
    </message>
    <message>
        <source>Program didn&apos;t work properly</source>
        <translation>プログラムが正常に動作しませんでした</translation>
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
        <translation>次のファイルのダウンロードに失敗しました</translation>
    </message>
    <message>
        <source>Encrypted video can&apos;t be converted, but you can still convert other videos.</source>
        <translation>暗号化された動画は変換できませんが、ほかの動画は変換できます。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
</context>
<context>
    <name>LoadingWidget</name>
    <message>
        <source>Stop
Analyzing</source>
        <translation>解析を
停止</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quenmark - Downloader</source>
        <translation>Quenmark - ダウンローダー</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>言語の変更</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>言語を変更するとプログラムが再起動します。変更する場合は「続行」ボタンをクリックしてください。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Job has been completed. The computer will be shut down after &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; sec.</source>
        <translation>ジョブが完了しました。&lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; 秒後にコンピューターをシャットダウンします。</translation>
    </message>
</context>
<context>
    <name>PNLabel</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Automatic shutdown</source>
        <translation>自動シャットダウン</translation>
    </message>
    <message>
        <source>Shutdown Now</source>
        <translation>今すぐシャットダウン</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>File Format:</source>
        <translation>ファイル形式：</translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation>映像コーデック：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解像度：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>フレームレート：</translation>
    </message>
    <message>
        <source>Same as Source</source>
        <translation>元と同じ</translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation>音声コーデック：</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>サンプルレート：</translation>
    </message>
    <message>
        <source>Audio BitRate:</source>
        <translation>音声ビットレート：</translation>
    </message>
    <message>
        <source>Highest Resolution</source>
        <translation>最高解像度</translation>
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
        <translation>言語の変更</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>言語を変更するとプログラムが再起動します。変更する場合は「続行」ボタンをクリックしてください。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>出力フォルダーを選択</translation>
    </message>
</context>
<context>
    <name>SettingPage_Downloader</name>
    <message>
        <source>language:   </source>
        <translation>言語：   </translation>
    </message>
    <message>
        <source>Open the output folder when the job is completed.</source>
        <translation>完了したら出力フォルダーを開く</translation>
    </message>
    <message>
        <source>Shut down computer when the job is completed.</source>
        <translation>完了したらコンピューターをシャットダウン</translation>
    </message>
    <message>
        <source>Notify me when new version is available.</source>
        <translation>新しいバージョンがあれば通知する</translation>
    </message>
    <message>
        <source>Analyse items which are once donwloaded in subscribe list</source>
        <translation>購読リストでダウンロード済みの項目も解析する</translation>
    </message>
    <message>
        <source>Analyse items which are already donwloaded in subscribe list</source>
        <translation>購読リストでダウンロード済みの項目も解析する</translation>
    </message>
    <message>
        <source>Output Folder:   </source>
        <translation>出力フォルダー：   </translation>
    </message>
    <message>
        <source>Default Movie Format:   </source>
        <translation>既定の動画形式：   </translation>
    </message>
    <message>
        <source>Default Resolution:   </source>
        <translation>既定の解像度：   </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Proxy Server:</source>
        <translation>プロキシサーバー：</translation>
    </message>
    <message>
        <source>Proxy Port:</source>
        <translation>プロキシポート：</translation>
    </message>
    <message>
        <source>Enable Proxy</source>
        <translation>プロキシを使用</translation>
    </message>
</context>
<context>
    <name>UrlAnalyserDialog</name>
    <message>
        <source>Video URL: </source>
        <translation>動画 URL：</translation>
    </message>
    <message>
        <source>My watch later playlist</source>
        <translation>後で見る再生リスト</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>YouTube 再生リスト</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>解析</translation>
    </message>
    <message>
        <source>Download the playlist if the URL refers to a video and a playlist</source>
        <translation>URL が動画と再生リストの両方を指す場合は再生リストをダウンロード</translation>
    </message>
    <message>
        <source>Step 1. Open browser to get the video URL.</source>
        <translation>手順 1：ブラウザーを開いて動画の URL をコピーします。</translation>
    </message>
    <message>
        <source>Step 2. Click Paste URL &amp; Analyze button.</source>
        <translation>手順 2：「URL を貼り付けて解析」ボタンをクリックします。</translation>
    </message>
    <message>
        <source>Step 3. Choose output resolution and format,then hit &quot;Download&quot;.</source>
        <translation>手順 3：出力解像度と形式を選び、「ダウンロード」をクリックします。</translation>
    </message>
    <message>
        <source>My Social Media Account</source>
        <translation>SNS アカウント</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>TIP:If your input is a live video, you can continue to set Start Time,Duration and record.</source>
        <translation>ヒント：ライブ動画の場合は、開始時刻と録画時間を設定して録画できます。</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Audio Language:</source>
        <translation>音声言語：</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source> Searching subtitle...</source>
        <translation> 字幕を検索中...</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>字幕：</translation>
    </message>
    <message>
        <source>Cannot find any subtitle.</source>
        <translation>字幕が見つかりません。</translation>
    </message>
    <message>
        <source>This video has been downloaded,you can open folder to find the video or analyse to redownload.</source>
        <translation>この動画はダウンロード済みです。フォルダーを開いて確認するか、解析して再ダウンロードできます。</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>not get media data.</source>
        <translation>メディアデータを取得できません。</translation>
    </message>
    <message>
        <source>This video link is being analyzed.</source>
        <translation>この動画リンクを解析中です。</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>お待ちください...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Download Full Playlist</source>
        <translation>再生リストをすべてダウンロード</translation>
    </message>
    <message>
        <source>there is invaild url</source>
        <translation>無効な URL があります</translation>
    </message>
    <message>
        <source>Apply Change to All</source>
        <translation>すべてに適用</translation>
    </message>
    <message>
        <source>Download Selected Videoes</source>
        <translation>選択した動画をダウンロード</translation>
    </message>
    <message>
        <source>No subtitle</source>
        <translation>字幕なし</translation>
    </message>
    <message>
        <source>Download Selected Videos</source>
        <translation>選択した動画をダウンロード</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>停止中</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>初期化中</translation>
    </message>
    <message>
        <source>Analysis Failed</source>
        <translation>解析に失敗しました</translation>
    </message>
    <message>
        <source>Would you like to analyze again?</source>
        <translation>もう一度解析しますか？</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>%1&apos;s playlist</source>
        <translation>%1 の再生リスト</translation>
    </message>
    <message>
        <source>Incorrect account / password or authentication error!(logining on the website may solve the authentication error)!</source>
        <translation>アカウントまたはパスワードが正しくないか、認証エラーです。（サイトにログインすると認証エラーが解消する場合があります）</translation>
    </message>
    <message>
        <source>This video is private. If your account has authority to watch, please login.</source>
        <translation>この動画は非公開です。視聴権限のあるアカウントをお持ちの場合はログインしてください。</translation>
    </message>
    <message>
        <source>This playlist is private. If your account has authority to watch, please login.</source>
        <translation>この再生リストは非公開です。視聴権限のあるアカウントをお持ちの場合はログインしてください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>There is an invalid url in the list.</source>
        <translation>リストに無効な URL が 1 件あります。</translation>
    </message>
    <message>
        <source>There are %1 invalid urls in the list.</source>
        <translation>リストに無効な URL が %1 件あります。</translation>
    </message>
    <message>
        <source>The analyzed item is a live video.</source>
        <translation>解析した項目はライブ動画です。</translation>
    </message>
    <message>
        <source>The analysis result will change to video mode.</source>
        <translation>解析結果は動画モードに切り替わります。</translation>
    </message>
    <message>
        <source>%1 &apos;s %2 watch later playlist</source>
        <translation>%1 の %2「後で見る」リスト</translation>
    </message>
    <message>
        <source>%1&apos;s %2 watch later playlist</source>
        <translation>%1 の %2「後で見る」リスト</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>No video/audio is selected. Would you like to continue to quit?</source>
        <translation>動画・音声が選択されていません。このまま閉じますか？</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>This video analyse failed,click &apos;analyse&apos; to redownload.</source>
        <translation>この動画の解析に失敗しました。「解析」をクリックして再ダウンロードしてください。</translation>
    </message>
    <message>
        <source>This video has been downloaded before,but not found, clicked &apos;analyse&apos; to redownload.</source>
        <translation>この動画は以前ダウンロードしましたが、見つかりません。「解析」をクリックして再ダウンロードしてください。</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>非表示</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>すべて表示</translation>
    </message>
    <message>
        <source>Searching subtitle...</source>
        <translation>字幕を検索中...</translation>
    </message>
    <message>
        <source>/support/youtube-downloader-troubleshooting.html</source>
        <translation>/support/youtube-downloader-troubleshooting.html</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Paste URL &amp; Analyse</source>
        <translation>URL を貼り付けて解析</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>購読</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>VideoPlay</name>
    <message>
        <source>DVD playback error or media file is too short.</source>
        <translation>DVD の再生エラー、またはメディアファイルが短すぎます。</translation>
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
        <translation>アカウント：</translation>
    </message>
    <message>
        <source>YouTube Account</source>
        <translation>YouTube アカウント</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード：</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>パスワードを入力</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>パスワードを保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>解析</translation>
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
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>本の動画</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>本の動画</translation>
    </message>
</context>
<context>
    <name>YtbUpgradeDialog</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Updating the URL analysis engine is needed if you want to download the latest videos from YouTube or other video sites. Please wait until the update finished.</source>
        <translation>YouTube などの動画サイトから最新の動画をダウンロードするには、URL 解析エンジンの更新が必要です。更新が完了するまでお待ちください。</translation>
    </message>
    <message>
        <source>Program update is needed for the new downloader engine. Please click &quot;Update&quot; to download the newest version or you can click &quot;Continue&quot; to work with the current engine.</source>
        <translation>新しいダウンローダーエンジンを使うには、プログラムの更新が必要です。「更新」をクリックして最新版をダウンロードするか、「続行」をクリックして現在のエンジンで作業を続けてください。</translation>
    </message>
</context>
<context>
    <name>checkUpdate</name>
    <message>
        <source>Checking for updates</source>
        <translation>更新を確認中</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>livevideoform</name>
    <message>
        <source>Select output format</source>
        <translation>出力形式を選択</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>開始時刻：</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>現在時刻</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>録画時間：</translation>
    </message>
</context>
<context>
    <name>mediadlitemform</name>
    <message>
        <source>Select output format</source>
        <translation>出力形式を選択</translation>
    </message>
</context>
</TS>
