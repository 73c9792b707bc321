<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>버전: %1</translation>
    </message>
    <message>
        <source>Release Date: %1</source>
        <translation>출시일: %1</translation>
    </message>
    <message>
        <source>For more information,</source>
        <translation>자세한 내용은</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quenmark. All rights reserved.</source>
        <translation>Copyright © 2026 Quenmark. 모든 권리 보유.</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>의견 보내기</translation>
    </message>
    <message>
        <source>Tarnwick is the strongest yet easy-to-use video processing software. It provides you ultimate solution to convert videos, audio and DVDs; edit, transcode, compress and adjust video files; download online media content; record screen and webcam.</source>
        <translation>Tarnwick은 강력하면서도 사용하기 쉬운 동영상 처리 소프트웨어입니다. 동영상, 오디오, DVD 변환, 동영상 파일 편집·트랜스코딩·압축·조정, 온라인 미디어 콘텐츠 다운로드, 화면 및 웹캠 녹화까지 모든 작업을 위한 최고의 솔루션을 제공합니다.</translation>
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
        <translation>다음 사이트를 방문하세요: </translation>
    </message>
    <message>
        <source>No mail client found on this machine.</source>
        <translation>이 컴퓨터에서 메일 클라이언트를 찾을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>AnalyseThread</name>
    <message>
        <source>Failed to analyze the input video link? Check possible causes and solutions &gt;</source>
        <translation>동영상 링크를 분석하지 못했나요? 가능한 원인과 해결 방법 보기 &gt;</translation>
    </message>
</context>
<context>
    <name>CNorVideoDlItem</name>
    <message>
        <source>Start Recording</source>
        <translation>녹화 시작</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>녹화 중지</translation>
    </message>
    <message>
        <source>Order Recording</source>
        <translation>녹화 예약</translation>
    </message>
    <message>
        <source>Cancle order</source>
        <translation>예약 취소</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>현재 시간</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>Convert to mp3</source>
        <translation>MP3로 변환</translation>
    </message>
    <message>
        <source>Marbleton</source>
        <translation>Marbleton</translation>
    </message>
    <message>
        <source>Can&apos;t reserve download. Only 5 are allowed at one time.</source>
        <translation>다운로드를 예약할 수 없습니다. 한 번에 5개까지만 허용됩니다.</translation>
    </message>
    <message>
        <source>can&apos;t start to download,Only 5 are allowed at the same time.</source>
        <translation>다운로드를 시작할 수 없습니다. 동시에 5개까지만 허용됩니다.</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>미디어 파일을 다운로드하는 중입니다.</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>현재 다운로드를 정말 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Waring</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Change track will loss current downloaded data.</source>
        <translation>트랙을 변경하면 현재까지 다운로드한 데이터가 손실됩니다.</translation>
    </message>
    <message>
        <source>continue to change?</source>
        <translation>계속 변경하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>CUxDlLog</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>수정</translation>
    </message>
    <message>
        <source>Input Account</source>
        <translation>계정 입력</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>계정:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>비밀번호 입력</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>error more than 20.</source>
        <translation>오류가 20개를 초과했습니다.</translation>
    </message>
</context>
<context>
    <name>CUxDlTrackItem</name>
    <message>
        <source>Format: %1</source>
        <translation>형식: %1</translation>
    </message>
    <message>
        <source>Resolution: %1</source>
        <translation>해상도: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>크기: %1</translation>
    </message>
</context>
<context>
    <name>CUxDlTracksListBox</name>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>선택한 트랙이 최대 개수를 초과했습니다!</translation>
    </message>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>트랙을 하나 이상 선택해야 합니다!</translation>
    </message>
</context>
<context>
    <name>CUxSpecialBtn</name>
    <message>
        <source>Sign out</source>
        <translation>로그아웃</translation>
    </message>
</context>
<context>
    <name>CUxSubStreamTrackItem</name>
    <message>
        <source>Track</source>
        <translation>트랙</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>내장</translation>
    </message>
    <message>
        <source>The built-in subtitle is fully loaded!</source>
        <translation>내장 자막이 이미 최대 개수입니다!</translation>
    </message>
    <message>
        <source>External subtitle is fully loaded!</source>
        <translation>외부 자막이 이미 최대 개수입니다!</translation>
    </message>
    <message>
        <source>External picture subtitle is not supported!</source>
        <translation>외부 이미지 자막은 지원되지 않습니다!</translation>
    </message>
</context>
<context>
    <name>CUxSubscribeDialog</name>
    <message>
        <source>Subscribe Urls</source>
        <translation>구독 URL</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>분석</translation>
    </message>
</context>
<context>
    <name>CUxTimeEdit</name>
    <message>
        <source>Current Time</source>
        <translation>현재 시간</translation>
    </message>
</context>
<context>
    <name>CUxTracksListBox</name>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>트랙을 하나 이상 선택해야 합니다!</translation>
    </message>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>선택한 트랙이 최대 개수를 초과했습니다!</translation>
    </message>
    <message>
        <source>The chosen embedded subtitle has been beyond the number limit!</source>
        <translation>선택한 내장 자막이 최대 개수를 초과했습니다!</translation>
    </message>
    <message>
        <source>The chosen external subtitle has been beyond the number limit!</source>
        <translation>선택한 외부 자막이 최대 개수를 초과했습니다!</translation>
    </message>
    <message>
        <source>Can not choose an unknown track!</source>
        <translation>알 수 없는 트랙은 선택할 수 없습니다!</translation>
    </message>
    <message>
        <source>Not support the external picture subtitle!</source>
        <translation>외부 이미지 자막은 지원되지 않습니다!</translation>
    </message>
    <message>
        <source>Cannot switch to unselected item!</source>
        <translation>선택하지 않은 항목으로 전환할 수 없습니다!</translation>
    </message>
</context>
<context>
    <name>CUxUpdate</name>
    <message>
        <source>Canceling check update</source>
        <translation>업데이트 확인 취소 중</translation>
    </message>
    <message>
        <source>Check failed!</source>
        <translation>확인하지 못했습니다!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>지금 업데이트</translation>
    </message>
</context>
<context>
    <name>CYtbFirstLevelItem</name>
    <message>
        <source>[PRIVATE]</source>
        <translation>[비공개]</translation>
    </message>
    <message>
        <source>[INVALID]</source>
        <translation>[잘못됨]</translation>
    </message>
</context>
<context>
    <name>CYtbSecVideoLinkItem</name>
    <message>
        <source>loading...</source>
        <translation>불러오는 중...</translation>
    </message>
</context>
<context>
    <name>CYtbVideoInfoItem</name>
    <message>
        <source>Quality: %1 (%2)</source>
        <translation>화질: %1 (%2)</translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <translation>화질: %1</translation>
    </message>
    <message>
        <source>Extention: %1</source>
        <translation>확장자: %1</translation>
    </message>
    <message>
        <source>Frame Rate: %1</source>
        <translation>프레임 속도: %1</translation>
    </message>
    <message>
        <source>Bit Rate: %1</source>
        <translation>비트 전송률: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>크기: %1</translation>
    </message>
</context>
<context>
    <name>DownloaderForm</name>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Add Url</source>
        <translation>URL 추가</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>음악 추가</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Clean Succeed</source>
        <translation>완료 항목 지우기</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>내 YouTube 재생목록</translation>
    </message>
    <message>
        <source>Supported online video websites</source>
        <translation>지원되는 온라인 동영상 사이트</translation>
    </message>
    <message>
        <source>Step 1. Click </source>
        <translation>1단계. </translation>
    </message>
    <message>
        <source>to add Video by url.</source>
        <translation>버튼을 클릭해 URL로 동영상을 추가하세요.</translation>
    </message>
    <message>
        <source>Step2.Check and make setting for the added video files.</source>
        <translation>2단계. 추가한 동영상 파일을 확인하고 설정하세요.</translation>
    </message>
    <message>
        <source>Additional Tools:</source>
        <translation>추가 도구:</translation>
    </message>
    <message>
        <source>Marbleto:</source>
        <translation>Marbleto:</translation>
    </message>
    <message>
        <source>Convert and process your video to mp3.</source>
        <translation>동영상을 MP3로 변환하고 처리하세요.</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>지금 다운로드</translation>
    </message>
    <message>
        <source>Drovik:</source>
        <translation>Drovik:</translation>
    </message>
    <message>
        <source>Transfor video &amp; Music betweren computer and iPhone.</source>
        <translation>컴퓨터와 iPhone 간에 동영상과 음악을 전송하세요.</translation>
    </message>
    <message>
        <source>For private,Watch Later list</source>
        <translation>비공개, 나중에 볼 동영상 목록</translation>
    </message>
    <message>
        <source>My YouTube Account</source>
        <translation>내 YouTube 계정</translation>
    </message>
    <message>
        <source>Log in to download</source>
        <translation>로그인하여 다운로드</translation>
    </message>
    <message>
        <source>Subscribe Urls</source>
        <translation>구독 URL</translation>
    </message>
    <message>
        <source>Output Folder: </source>
        <translation>출력 폴더: </translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>찾아보기</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>600+website</source>
        <translation>600개 이상 사이트</translation>
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
        <translation>홈으로 돌아가기</translation>
    </message>
    <message>
        <source>Add video</source>
        <translation>동영상 추가</translation>
    </message>
    <message>
        <source>Clean all</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Clean succeeded</source>
        <translation>완료 항목 지우기</translation>
    </message>
    <message>
        <source>Check for Upgrade</source>
        <translation>업그레이드 확인</translation>
    </message>
    <message>
        <source>Info!</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>There is no files available to download.</source>
        <translation>다운로드할 수 있는 파일이 없습니다.</translation>
    </message>
    <message>
        <source>you can click the button &apos;Add&apos; to add some files.</source>
        <translation>&apos;추가&apos; 버튼을 클릭해 파일을 추가할 수 있습니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>미디어 파일을 다운로드하는 중입니다.</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>현재 다운로드를 정말 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Do you still want to end the download and clear the list?</source>
        <translation>그래도 다운로드를 종료하고 목록을 지우시겠습니까?</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>다음 파일을 다운로드하지 못했습니다</translation>
    </message>
    <message>
        <source>Something wrong with the download line, it may be the network problem or the chosen media track was no longer existed on website. Please check and try it one more time.</source>
        <translation>다운로드 회선에 문제가 있습니다. 네트워크 문제이거나 선택한 미디어 트랙이 웹사이트에 더 이상 없을 수 있습니다. 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>There&apos;re more than %1 downloading tasks!</source>
        <translation>다운로드 작업이 %1개를 넘습니다!</translation>
    </message>
    <message>
        <source>We will try add as many tasks as possible, or clear the completed tasks and then add new ones.</source>
        <translation>가능한 한 많은 작업을 추가하겠습니다. 또는 완료된 작업을 지운 후 새 작업을 추가하세요.</translation>
    </message>
    <message>
        <source>Clean Completed And Add</source>
        <translation>완료 항목 지우고 추가</translation>
    </message>
    <message>
        <source>Add directly</source>
        <translation>바로 추가</translation>
    </message>
    <message>
        <source>Connections Conflicted</source>
        <translation>연결 충돌</translation>
    </message>
    <message>
        <source>You can only choose to add live connections file or non live connections.</source>
        <translation>라이브 연결 파일 또는 라이브가 아닌 연결 중 하나만 추가할 수 있습니다.</translation>
    </message>
    <message>
        <source>which one would you want to add?</source>
        <translation>어느 쪽을 추가하시겠습니까?</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>라이브</translation>
    </message>
    <message>
        <source>Non Live</source>
        <translation>라이브 아님</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>출력 폴더 선택</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>This video was not successfully loaded.</source>
        <translation>이 동영상을 제대로 불러오지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error!</source>
        <translation>오류!</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>경로 복사</translation>
    </message>
    <message>
        <source>Copy File</source>
        <translation>파일 복사</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Tip:</source>
        <translation>팁:</translation>
    </message>
    <message>
        <source>Open Mailbox</source>
        <translation>메일 열기</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Tarnwick didn&apos;t work properly, files below contains the error infomation.Please send the files to our Support Team. Your help will make our product better, Thank you!</source>
        <translation>Tarnwick이 제대로 작동하지 않았습니다. 아래 파일에 오류 정보가 들어 있습니다. 이 파일을 지원팀으로 보내 주세요. 여러분의 도움이 제품을 더 좋게 만듭니다. 감사합니다!</translation>
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
        <translation>1. 파일을 다음 주소로 보내 주세요: </translation>
    </message>
    <message>
        <source>2. You can push the button &amp;quot;Open Mailbox&amp;quot; to open your mail client on this computer, if you don&apos;t have a mail client, please send the files manually.</source>
        <translation>2. &amp;quot;메일 열기&amp;quot; 버튼을 누르면 이 컴퓨터의 메일 클라이언트가 열립니다. 메일 클라이언트가 없으면 파일을 직접 보내 주세요.</translation>
    </message>
    <message>
        <source>Tips: please add attachment %1%2%3to us.</source>
        <translation>팁: 다음 첨부 파일을 추가해 보내 주세요. %1%2%3</translation>
    </message>
    <message>
        <source>Program didn&apos;t work properly</source>
        <translation>프로그램이 제대로 작동하지 않았습니다</translation>
    </message>
</context>
<context>
    <name>FileListDialog</name>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>다음 파일을 다운로드하지 못했습니다</translation>
    </message>
    <message>
        <source>Encrypted video can&apos;t be converted, but you can still convert other videos.</source>
        <translation>암호화된 동영상은 변환할 수 없지만 다른 동영상은 변환할 수 있습니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
</context>
<context>
    <name>LoadingWidget</name>
    <message>
        <source>Stop
Analyzing</source>
        <translation>분석
중지</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quenmark - Downloader</source>
        <translation>Quenmark - 다운로더</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>언어 변경</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>언어를 변경하면 프로그램이 다시 시작됩니다. 변경하려면 &quot;계속&quot; 버튼을 클릭하세요.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
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
        <translation>경고</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Job has been completed. The computer will be shut down after &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; sec.</source>
        <translation>작업이 완료되었습니다. &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt;초 후 컴퓨터가 종료됩니다.</translation>
    </message>
</context>
<context>
    <name>PNLabel</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Automatic shutdown</source>
        <translation>자동 종료</translation>
    </message>
    <message>
        <source>Shutdown Now</source>
        <translation>지금 종료</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>File Format:</source>
        <translation>파일 형식:</translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation>비디오 코덱:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>해상도:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>프레임 속도:</translation>
    </message>
    <message>
        <source>Same as Source</source>
        <translation>원본과 동일</translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation>오디오 코덱:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>샘플링 속도:</translation>
    </message>
    <message>
        <source>Audio BitRate:</source>
        <translation>오디오 비트 전송률:</translation>
    </message>
    <message>
        <source>Highest Resolution</source>
        <translation>최고 해상도</translation>
    </message>
</context>
<context>
    <name>SettingDialog_Downloader</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>언어 변경</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>언어를 변경하면 프로그램이 다시 시작됩니다. 변경하려면 &quot;계속&quot; 버튼을 클릭하세요.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>출력 폴더 선택</translation>
    </message>
</context>
<context>
    <name>SettingPage_Downloader</name>
    <message>
        <source>language:   </source>
        <translation>언어:   </translation>
    </message>
    <message>
        <source>Open the output folder when the job is completed.</source>
        <translation>작업이 완료되면 출력 폴더 열기</translation>
    </message>
    <message>
        <source>Shut down computer when the job is completed.</source>
        <translation>작업이 완료되면 컴퓨터 종료</translation>
    </message>
    <message>
        <source>Notify me when new version is available.</source>
        <translation>새 버전이 나오면 알림</translation>
    </message>
    <message>
        <source>Analyse items which are once donwloaded in subscribe list</source>
        <translation>구독 목록에서 한 번 다운로드한 항목도 분석</translation>
    </message>
    <message>
        <source>Analyse items which are already donwloaded in subscribe list</source>
        <translation>구독 목록에서 이미 다운로드한 항목도 분석</translation>
    </message>
    <message>
        <source>Output Folder:   </source>
        <translation>출력 폴더:   </translation>
    </message>
    <message>
        <source>Default Movie Format:   </source>
        <translation>기본 동영상 형식:   </translation>
    </message>
    <message>
        <source>Default Resolution:   </source>
        <translation>기본 해상도:   </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Proxy Server:</source>
        <translation>프록시 서버:</translation>
    </message>
    <message>
        <source>Proxy Port:</source>
        <translation>프록시 포트:</translation>
    </message>
    <message>
        <source>Enable Proxy</source>
        <translation>프록시 사용</translation>
    </message>
</context>
<context>
    <name>UrlAnalyserDialog</name>
    <message>
        <source>Video URL: </source>
        <translation>동영상 URL: </translation>
    </message>
    <message>
        <source>My watch later playlist</source>
        <translation>내 나중에 볼 동영상 재생목록</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>내 YouTube 재생목록</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>분석</translation>
    </message>
    <message>
        <source>Download the playlist if the URL refers to a video and a playlist</source>
        <translation>URL이 동영상과 재생목록을 함께 가리키면 재생목록 다운로드</translation>
    </message>
    <message>
        <source>Step 1. Open browser to get the video URL.</source>
        <translation>1단계. 브라우저를 열어 동영상 URL을 복사하세요.</translation>
    </message>
    <message>
        <source>Step 2. Click Paste URL &amp; Analyze button.</source>
        <translation>2단계. URL 붙여넣기 및 분석 버튼을 클릭하세요.</translation>
    </message>
    <message>
        <source>Step 3. Choose output resolution and format,then hit &quot;Download&quot;.</source>
        <translation>3단계. 출력 해상도와 형식을 선택한 후 &quot;다운로드&quot;를 누르세요.</translation>
    </message>
    <message>
        <source>My Social Media Account</source>
        <translation>내 소셜 미디어 계정</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>TIP:If your input is a live video, you can continue to set Start Time,Duration and record.</source>
        <translation>팁: 라이브 동영상을 입력한 경우 시작 시간과 녹화 시간을 설정해 녹화할 수 있습니다.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Audio Language:</source>
        <translation>오디오 언어:</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>자막</translation>
    </message>
    <message>
        <source> Searching subtitle...</source>
        <translation> 자막 검색 중...</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>자막:</translation>
    </message>
    <message>
        <source>Cannot find any subtitle.</source>
        <translation>자막을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>This video has been downloaded,you can open folder to find the video or analyse to redownload.</source>
        <translation>이미 다운로드한 동영상입니다. 폴더를 열어 동영상을 찾거나 다시 분석해 다시 다운로드할 수 있습니다.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>not get media data.</source>
        <translation>미디어 데이터를 가져오지 못했습니다.</translation>
    </message>
    <message>
        <source>This video link is being analyzed.</source>
        <translation>이 동영상 링크를 분석하는 중입니다.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>잠시 기다려 주세요...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Download Full Playlist</source>
        <translation>전체 재생목록 다운로드</translation>
    </message>
    <message>
        <source>there is invaild url</source>
        <translation>잘못된 URL이 있습니다</translation>
    </message>
    <message>
        <source>Apply Change to All</source>
        <translation>모두에 적용</translation>
    </message>
    <message>
        <source>Download Selected Videoes</source>
        <translation>선택한 동영상 다운로드</translation>
    </message>
    <message>
        <source>No subtitle</source>
        <translation>자막 없음</translation>
    </message>
    <message>
        <source>Download Selected Videos</source>
        <translation>선택한 동영상 다운로드</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>중지하는 중</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>초기화 중</translation>
    </message>
    <message>
        <source>Analysis Failed</source>
        <translation>분석 실패</translation>
    </message>
    <message>
        <source>Would you like to analyze again?</source>
        <translation>다시 분석하시겠습니까?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>%1&apos;s playlist</source>
        <translation>%1의 재생목록</translation>
    </message>
    <message>
        <source>Incorrect account / password or authentication error!(logining on the website may solve the authentication error)!</source>
        <translation>계정 또는 비밀번호가 올바르지 않거나 인증 오류입니다! (웹사이트에 로그인하면 인증 오류가 해결될 수 있습니다.)</translation>
    </message>
    <message>
        <source>This video is private. If your account has authority to watch, please login.</source>
        <translation>비공개 동영상입니다. 계정에 시청 권한이 있으면 로그인하세요.</translation>
    </message>
    <message>
        <source>This playlist is private. If your account has authority to watch, please login.</source>
        <translation>비공개 재생목록입니다. 계정에 시청 권한이 있으면 로그인하세요.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>There is an invalid url in the list.</source>
        <translation>목록에 잘못된 URL이 있습니다.</translation>
    </message>
    <message>
        <source>There are %1 invalid urls in the list.</source>
        <translation>목록에 잘못된 URL이 %1개 있습니다.</translation>
    </message>
    <message>
        <source>The analyzed item is a live video.</source>
        <translation>분석한 항목은 라이브 동영상입니다.</translation>
    </message>
    <message>
        <source>The analysis result will change to video mode.</source>
        <translation>분석 결과가 동영상 모드로 바뀝니다.</translation>
    </message>
    <message>
        <source>%1 &apos;s %2 watch later playlist</source>
        <translation>%1의 %2 나중에 볼 동영상 재생목록</translation>
    </message>
    <message>
        <source>%1&apos;s %2 watch later playlist</source>
        <translation>%1의 %2 나중에 볼 동영상 재생목록</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>팁</translation>
    </message>
    <message>
        <source>No video/audio is selected. Would you like to continue to quit?</source>
        <translation>선택한 동영상/오디오가 없습니다. 그래도 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>This video analyse failed,click &apos;analyse&apos; to redownload.</source>
        <translation>이 동영상을 분석하지 못했습니다. &apos;분석&apos;을 클릭해 다시 다운로드하세요.</translation>
    </message>
    <message>
        <source>This video has been downloaded before,but not found, clicked &apos;analyse&apos; to redownload.</source>
        <translation>이전에 다운로드한 동영상이지만 찾을 수 없습니다. &apos;분석&apos;을 클릭해 다시 다운로드하세요.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>숨기기</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>모두 표시</translation>
    </message>
    <message>
        <source>Searching subtitle...</source>
        <translation>자막 검색 중...</translation>
    </message>
    <message>
        <source>/support/youtube-downloader-troubleshooting.html</source>
        <translation>/support/youtube-downloader-troubleshooting.html</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Paste URL &amp; Analyse</source>
        <translation>URL 붙여넣기 및 분석</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>구독</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
</context>
<context>
    <name>VideoPlay</name>
    <message>
        <source>DVD playback error or media file is too short.</source>
        <translation>DVD 재생 오류이거나 미디어 파일이 너무 짧습니다.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
</context>
<context>
    <name>YoutubeAccount</name>
    <message>
        <source>Account:</source>
        <translation>계정:</translation>
    </message>
    <message>
        <source>YouTube Account</source>
        <translation>YouTube 계정</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>비밀번호 입력</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>비밀번호 저장</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>분석</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>YoutubePrivate</name>
    <message>
        <source>Loading...</source>
        <translation>불러오는 중...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>제목 없음</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>잘못됨</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>동영상</translation>
    </message>
</context>
<context>
    <name>YtbUpgradeDialog</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Updating the URL analysis engine is needed if you want to download the latest videos from YouTube or other video sites. Please wait until the update finished.</source>
        <translation>YouTube나 다른 동영상 사이트에서 최신 동영상을 다운로드하려면 URL 분석 엔진을 업데이트해야 합니다. 업데이트가 끝날 때까지 기다려 주세요.</translation>
    </message>
    <message>
        <source>Program update is needed for the new downloader engine. Please click &quot;Update&quot; to download the newest version or you can click &quot;Continue&quot; to work with the current engine.</source>
        <translation>새 다운로더 엔진을 사용하려면 프로그램을 업데이트해야 합니다. &quot;업데이트&quot;를 클릭해 최신 버전을 다운로드하거나 &quot;계속&quot;을 클릭해 현재 엔진으로 작업하세요.</translation>
    </message>
</context>
<context>
    <name>checkUpdate</name>
    <message>
        <source>Checking for updates</source>
        <translation>업데이트 확인 중</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>livevideoform</name>
    <message>
        <source>Select output format</source>
        <translation>출력 형식 선택</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>시작 시간:</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>현재 시간</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>녹화 시간:</translation>
    </message>
</context>
<context>
    <name>mediadlitemform</name>
    <message>
        <source>Select output format</source>
        <translation>출력 형식 선택</translation>
    </message>
</context>
</TS>
