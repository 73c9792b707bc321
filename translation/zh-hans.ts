<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>Release Date: %1</source>
        <translation>发布日期：%1</translation>
    </message>
    <message>
        <source>For more information,</source>
        <translation>如需了解更多信息，</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quenmark. All rights reserved.</source>
        <translation>Copyright © 2026 Quenmark. 保留所有权利。</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>发送反馈</translation>
    </message>
    <message>
        <source>Tarnwick is the strongest yet easy-to-use video processing software. It provides you ultimate solution to convert videos, audio and DVDs; edit, transcode, compress and adjust video files; download online media content; record screen and webcam.</source>
        <translation>Tarnwick 是一款功能强大又简单易用的视频处理软件，为您提供一站式解决方案：转换视频、音频和 DVD；编辑、转码、压缩和调整视频文件；下载在线媒体内容；录制屏幕和摄像头。</translation>
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
        <translation>请访问：</translation>
    </message>
    <message>
        <source>No mail client found on this machine.</source>
        <translation>未在本机上找到邮件客户端。</translation>
    </message>
</context>
<context>
    <name>AnalyseThread</name>
    <message>
        <source>Failed to analyze the input video link? Check possible causes and solutions &gt;</source>
        <translation>视频链接解析失败？查看可能的原因和解决方法 &gt;</translation>
    </message>
</context>
<context>
    <name>CNorVideoDlItem</name>
    <message>
        <source>Start Recording</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>Order Recording</source>
        <translation>预约录制</translation>
    </message>
    <message>
        <source>Cancle order</source>
        <translation>取消预约</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>当前时间</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Convert to mp3</source>
        <translation>转换为 MP3</translation>
    </message>
    <message>
        <source>Marbleton</source>
        <translation>Marbleton</translation>
    </message>
    <message>
        <source>Can&apos;t reserve download. Only 5 are allowed at one time.</source>
        <translation>无法预约下载，同时最多只能预约 5 个。</translation>
    </message>
    <message>
        <source>can&apos;t start to download,Only 5 are allowed at the same time.</source>
        <translation>无法开始下载，同时最多只能下载 5 个。</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>正在下载媒体文件。</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>确定要结束当前下载吗？</translation>
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
        <translation>更换轨道将丢失当前已下载的数据。</translation>
    </message>
    <message>
        <source>continue to change?</source>
        <translation>是否继续更换？</translation>
    </message>
</context>
<context>
    <name>CUxDlLog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Input Account</source>
        <translation>输入账号</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>账号：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>输入密码</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>error more than 20.</source>
        <translation>错误超过 20 个。</translation>
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
        <translation>分辨率：%1</translation>
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
        <translation>所选轨道数量已超出上限！</translation>
    </message>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>请至少选择一个轨道！</translation>
    </message>
</context>
<context>
    <name>CUxSpecialBtn</name>
    <message>
        <source>Sign out</source>
        <translation>退出登录</translation>
    </message>
</context>
<context>
    <name>CUxSubStreamTrackItem</name>
    <message>
        <source>Track</source>
        <translation>轨道</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>内嵌</translation>
    </message>
    <message>
        <source>The built-in subtitle is fully loaded!</source>
        <translation>内嵌字幕已达上限！</translation>
    </message>
    <message>
        <source>External subtitle is fully loaded!</source>
        <translation>外挂字幕已达上限！</translation>
    </message>
    <message>
        <source>External picture subtitle is not supported!</source>
        <translation>不支持图形外挂字幕！</translation>
    </message>
</context>
<context>
    <name>CUxSubscribeDialog</name>
    <message>
        <source>Subscribe Urls</source>
        <translation>订阅网址</translation>
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
        <translation>当前时间</translation>
    </message>
</context>
<context>
    <name>CUxTracksListBox</name>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>请至少选择一个轨道！</translation>
    </message>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>所选轨道数量已超出上限！</translation>
    </message>
    <message>
        <source>The chosen embedded subtitle has been beyond the number limit!</source>
        <translation>所选内嵌字幕数量已超出上限！</translation>
    </message>
    <message>
        <source>The chosen external subtitle has been beyond the number limit!</source>
        <translation>所选外挂字幕数量已超出上限！</translation>
    </message>
    <message>
        <source>Can not choose an unknown track!</source>
        <translation>不能选择未知轨道！</translation>
    </message>
    <message>
        <source>Not support the external picture subtitle!</source>
        <translation>不支持图形外挂字幕！</translation>
    </message>
    <message>
        <source>Cannot switch to unselected item!</source>
        <translation>无法切换到未选中的项目！</translation>
    </message>
</context>
<context>
    <name>CUxUpdate</name>
    <message>
        <source>Canceling check update</source>
        <translation>正在取消检查更新</translation>
    </message>
    <message>
        <source>Check failed!</source>
        <translation>检查失败！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>[私密]</translation>
    </message>
    <message>
        <source>[INVALID]</source>
        <translation>[无效]</translation>
    </message>
</context>
<context>
    <name>CYtbSecVideoLinkItem</name>
    <message>
        <source>loading...</source>
        <translation>正在加载...</translation>
    </message>
</context>
<context>
    <name>CYtbVideoInfoItem</name>
    <message>
        <source>Quality: %1 (%2)</source>
        <translation>画质：%1（%2）</translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <translation>画质：%1</translation>
    </message>
    <message>
        <source>Extention: %1</source>
        <translation>扩展名：%1</translation>
    </message>
    <message>
        <source>Frame Rate: %1</source>
        <translation>帧率：%1</translation>
    </message>
    <message>
        <source>Bit Rate: %1</source>
        <translation>比特率：%1</translation>
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
        <translation>添加网址</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>添加音乐</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Clean Succeed</source>
        <translation>清空成功</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>我的 YouTube 播放列表</translation>
    </message>
    <message>
        <source>Supported online video websites</source>
        <translation>支持的在线视频网站</translation>
    </message>
    <message>
        <source>Step 1. Click </source>
        <translation>第 1 步：点击 </translation>
    </message>
    <message>
        <source>to add Video by url.</source>
        <translation> 按网址添加视频。</translation>
    </message>
    <message>
        <source>Step2.Check and make setting for the added video files.</source>
        <translation>第 2 步：检查已添加的视频文件并进行设置。</translation>
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
        <translation>将视频转换处理为 MP3。</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>立即下载</translation>
    </message>
    <message>
        <source>Drovik:</source>
        <translation>Drovik：</translation>
    </message>
    <message>
        <source>Transfor video &amp; Music betweren computer and iPhone.</source>
        <translation>在电脑和 iPhone 之间传输视频和音乐。</translation>
    </message>
    <message>
        <source>For private,Watch Later list</source>
        <translation>用于私密视频和稍后观看列表</translation>
    </message>
    <message>
        <source>My YouTube Account</source>
        <translation>我的 YouTube 账号</translation>
    </message>
    <message>
        <source>Log in to download</source>
        <translation>登录后下载</translation>
    </message>
    <message>
        <source>Subscribe Urls</source>
        <translation>订阅网址</translation>
    </message>
    <message>
        <source>Output Folder: </source>
        <translation>输出文件夹：</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>600+website</source>
        <translation>600+ 网站</translation>
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
        <translation>返回主页</translation>
    </message>
    <message>
        <source>Add video</source>
        <translation>添加视频</translation>
    </message>
    <message>
        <source>Clean all</source>
        <translation>全部清空</translation>
    </message>
    <message>
        <source>Clean succeeded</source>
        <translation>清空成功</translation>
    </message>
    <message>
        <source>Check for Upgrade</source>
        <translation>检查升级</translation>
    </message>
    <message>
        <source>Info!</source>
        <translation>提示！</translation>
    </message>
    <message>
        <source>There is no files available to download.</source>
        <translation>没有可下载的文件。</translation>
    </message>
    <message>
        <source>you can click the button &apos;Add&apos; to add some files.</source>
        <translation>您可以点击“添加”按钮添加文件。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>正在下载媒体文件。</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>确定要结束当前下载吗？</translation>
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
        <translation>仍要结束下载并清空列表吗？</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>以下文件下载失败</translation>
    </message>
    <message>
        <source>Something wrong with the download line, it may be the network problem or the chosen media track was no longer existed on website. Please check and try it one more time.</source>
        <translation>下载线路出现问题，可能是网络故障，或所选媒体轨道在网站上已不存在。请检查后重试。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>There&apos;re more than %1 downloading tasks!</source>
        <translation>下载任务已超过 %1 个！</translation>
    </message>
    <message>
        <source>We will try add as many tasks as possible, or clear the completed tasks and then add new ones.</source>
        <translation>我们将尽可能多地添加任务，您也可以先清空已完成的任务，再添加新任务。</translation>
    </message>
    <message>
        <source>Clean Completed And Add</source>
        <translation>清空已完成并添加</translation>
    </message>
    <message>
        <source>Add directly</source>
        <translation>直接添加</translation>
    </message>
    <message>
        <source>Connections Conflicted</source>
        <translation>连接冲突</translation>
    </message>
    <message>
        <source>You can only choose to add live connections file or non live connections.</source>
        <translation>只能选择添加直播连接文件或非直播连接文件。</translation>
    </message>
    <message>
        <source>which one would you want to add?</source>
        <translation>您要添加哪一种？</translation>
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
        <translation>选择输出目录</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>提醒</translation>
    </message>
    <message>
        <source>This video was not successfully loaded.</source>
        <translation>该视频未能成功加载。</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error!</source>
        <translation>错误！</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>复制路径</translation>
    </message>
    <message>
        <source>Copy File</source>
        <translation>复制文件</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Tip:</source>
        <translation>提示：</translation>
    </message>
    <message>
        <source>Open Mailbox</source>
        <translation>打开邮箱</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Tarnwick didn&apos;t work properly, files below contains the error infomation.Please send the files to our Support Team. Your help will make our product better, Thank you!</source>
        <translation>Tarnwick 未能正常运行，以下文件包含错误信息。请将这些文件发送给我们的技术支持团队。您的帮助将使我们的产品更好，谢谢！</translation>
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
        <translation>1. 请将文件发送至 </translation>
    </message>
    <message>
        <source>2. You can push the button &amp;quot;Open Mailbox&amp;quot; to open your mail client on this computer, if you don&apos;t have a mail client, please send the files manually.</source>
        <translation>2. 您可以点击“打开邮箱”按钮打开本机的邮件客户端；如果没有邮件客户端，请手动发送文件。</translation>
    </message>
    <message>
        <source>Tips: please add attachment %1%2%3to us.</source>
        <translation>提示：请将附件 %1%2%3发送给我们。</translation>
    </message>
    <message>
        <source>Program didn&apos;t work properly</source>
        <translation>程序未能正常运行</translation>
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
        <translation>以下文件下载失败</translation>
    </message>
    <message>
        <source>Encrypted video can&apos;t be converted, but you can still convert other videos.</source>
        <translation>加密视频无法转换，但您仍可以转换其他视频。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
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
        <translation>Quenmark - 下载器</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>更改语言</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>更改语言后程序将重新启动。如果确定要更改，请点击“继续”按钮。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
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
        <translation>任务已完成。计算机将在 &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; 秒后关机。</translation>
    </message>
</context>
<context>
    <name>PNLabel</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Automatic shutdown</source>
        <translation>自动关机</translation>
    </message>
    <message>
        <source>Shutdown Now</source>
        <translation>立即关机</translation>
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
        <translation>文件格式：</translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation>视频编码：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Same as Source</source>
        <translation>与源相同</translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation>音频编码：</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <source>Audio BitRate:</source>
        <translation>音频比特率：</translation>
    </message>
    <message>
        <source>Highest Resolution</source>
        <translation>最高分辨率</translation>
    </message>
</context>
<context>
    <name>SettingDialog_Downloader</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>更改语言</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>更改语言后程序将重新启动。如果确定要更改，请点击“继续”按钮。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
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
        <translation>选择输出目录</translation>
    </message>
</context>
<context>
    <name>SettingPage_Downloader</name>
    <message>
        <source>language:   </source>
        <translation>语言：   </translation>
    </message>
    <message>
        <source>Open the output folder when the job is completed.</source>
        <translation>任务完成后打开输出文件夹</translation>
    </message>
    <message>
        <source>Shut down computer when the job is completed.</source>
        <translation>任务完成后关闭计算机</translation>
    </message>
    <message>
        <source>Notify me when new version is available.</source>
        <translation>有新版本时通知我</translation>
    </message>
    <message>
        <source>Analyse items which are once donwloaded in subscribe list</source>
        <translation>解析订阅列表中曾经下载过的项目</translation>
    </message>
    <message>
        <source>Analyse items which are already donwloaded in subscribe list</source>
        <translation>解析订阅列表中已经下载过的项目</translation>
    </message>
    <message>
        <source>Output Folder:   </source>
        <translation>输出文件夹：   </translation>
    </message>
    <message>
        <source>Default Movie Format:   </source>
        <translation>默认视频格式：   </translation>
    </message>
    <message>
        <source>Default Resolution:   </source>
        <translation>默认分辨率：   </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Proxy Server:</source>
        <translation>代理服务器：</translation>
    </message>
    <message>
        <source>Proxy Port:</source>
        <translation>代理端口：</translation>
    </message>
    <message>
        <source>Enable Proxy</source>
        <translation>启用代理</translation>
    </message>
</context>
<context>
    <name>UrlAnalyserDialog</name>
    <message>
        <source>Video URL: </source>
        <translation>视频网址：</translation>
    </message>
    <message>
        <source>My watch later playlist</source>
        <translation>我的稍后观看列表</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>我的 YouTube 播放列表</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>解析</translation>
    </message>
    <message>
        <source>Download the playlist if the URL refers to a video and a playlist</source>
        <translation>如果网址同时指向视频和播放列表，则下载播放列表</translation>
    </message>
    <message>
        <source>Step 1. Open browser to get the video URL.</source>
        <translation>第 1 步：打开浏览器，获取视频网址。</translation>
    </message>
    <message>
        <source>Step 2. Click Paste URL &amp; Analyze button.</source>
        <translation>第 2 步：点击“粘贴网址并解析”按钮。</translation>
    </message>
    <message>
        <source>Step 3. Choose output resolution and format,then hit &quot;Download&quot;.</source>
        <translation>第 3 步：选择输出分辨率和格式，然后点击“下载”。</translation>
    </message>
    <message>
        <source>My Social Media Account</source>
        <translation>我的社交媒体账号</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账号</translation>
    </message>
    <message>
        <source>TIP:If your input is a live video, you can continue to set Start Time,Duration and record.</source>
        <translation>提示：如果输入的是直播视频，您可以继续设置开始时间、时长并录制。</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Audio Language:</source>
        <translation>音频语言：</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source> Searching subtitle...</source>
        <translation> 正在搜索字幕...</translation>
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
        <translation>该视频已下载，您可以打开文件夹查找视频，或重新解析以再次下载。</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>not get media data.</source>
        <translation>未获取到媒体数据。</translation>
    </message>
    <message>
        <source>This video link is being analyzed.</source>
        <translation>正在解析此视频链接。</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>请稍候...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Download Full Playlist</source>
        <translation>下载整个播放列表</translation>
    </message>
    <message>
        <source>there is invaild url</source>
        <translation>存在无效网址</translation>
    </message>
    <message>
        <source>Apply Change to All</source>
        <translation>全部应用</translation>
    </message>
    <message>
        <source>Download Selected Videoes</source>
        <translation>下载所选视频</translation>
    </message>
    <message>
        <source>No subtitle</source>
        <translation>无字幕</translation>
    </message>
    <message>
        <source>Download Selected Videos</source>
        <translation>下载所选视频</translation>
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
        <translation>解析失败</translation>
    </message>
    <message>
        <source>Would you like to analyze again?</source>
        <translation>是否重新解析？</translation>
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
        <translation>%1 的播放列表</translation>
    </message>
    <message>
        <source>Incorrect account / password or authentication error!(logining on the website may solve the authentication error)!</source>
        <translation>账号/密码错误或身份验证出错！（在网站上登录一次可能会解决身份验证错误）</translation>
    </message>
    <message>
        <source>This video is private. If your account has authority to watch, please login.</source>
        <translation>该视频为私密视频。如果您的账号有观看权限，请登录。</translation>
    </message>
    <message>
        <source>This playlist is private. If your account has authority to watch, please login.</source>
        <translation>该播放列表为私密列表。如果您的账号有观看权限，请登录。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>There is an invalid url in the list.</source>
        <translation>列表中有一个无效网址。</translation>
    </message>
    <message>
        <source>There are %1 invalid urls in the list.</source>
        <translation>列表中有 %1 个无效网址。</translation>
    </message>
    <message>
        <source>The analyzed item is a live video.</source>
        <translation>解析的项目是直播视频。</translation>
    </message>
    <message>
        <source>The analysis result will change to video mode.</source>
        <translation>解析结果将切换为视频模式。</translation>
    </message>
    <message>
        <source>%1 &apos;s %2 watch later playlist</source>
        <translation>%1 的 %2 稍后观看列表</translation>
    </message>
    <message>
        <source>%1&apos;s %2 watch later playlist</source>
        <translation>%1 的 %2 稍后观看列表</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>No video/audio is selected. Would you like to continue to quit?</source>
        <translation>未选择任何视频/音频。仍要退出吗？</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>This video analyse failed,click &apos;analyse&apos; to redownload.</source>
        <translation>该视频解析失败，请点击“解析”重新下载。</translation>
    </message>
    <message>
        <source>This video has been downloaded before,but not found, clicked &apos;analyse&apos; to redownload.</source>
        <translation>该视频之前已下载，但未找到文件，请点击“解析”重新下载。</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>显示全部</translation>
    </message>
    <message>
        <source>Searching subtitle...</source>
        <translation>正在搜索字幕...</translation>
    </message>
    <message>
        <source>/support/youtube-downloader-troubleshooting.html</source>
        <translation>/support/youtube-downloader-troubleshooting.html</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Paste URL &amp; Analyse</source>
        <translation>粘贴网址并解析</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>订阅</translation>
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
        <translation>DVD 播放错误或媒体文件过短。</translation>
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
        <translation>账号：</translation>
    </message>
    <message>
        <source>YouTube Account</source>
        <translation>YouTube 账号</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>输入密码</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>记住密码</translation>
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
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>YoutubePrivate</name>
    <message>
        <source>Loading...</source>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>无标题</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>无效</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>个视频</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>个视频</translation>
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
        <translation>继续</translation>
    </message>
    <message>
        <source>Updating the URL analysis engine is needed if you want to download the latest videos from YouTube or other video sites. Please wait until the update finished.</source>
        <translation>如果要从 YouTube 或其他视频网站下载最新视频，需要更新网址解析引擎。请耐心等待更新完成。</translation>
    </message>
    <message>
        <source>Program update is needed for the new downloader engine. Please click &quot;Update&quot; to download the newest version or you can click &quot;Continue&quot; to work with the current engine.</source>
        <translation>新的下载引擎需要更新程序。请点击“更新”下载最新版本，或点击“继续”使用当前引擎。</translation>
    </message>
</context>
<context>
    <name>checkUpdate</name>
    <message>
        <source>Checking for updates</source>
        <translation>正在检查更新</translation>
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
        <translation>选择输出格式</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>开始时间：</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>当前时间</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>时长：</translation>
    </message>
</context>
<context>
    <name>mediadlitemform</name>
    <message>
        <source>Select output format</source>
        <translation>选择输出格式</translation>
    </message>
</context>
</TS>
