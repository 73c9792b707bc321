<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>Versão: %1</translation>
    </message>
    <message>
        <source>Release Date: %1</source>
        <translation>Data de lançamento: %1</translation>
    </message>
    <message>
        <source>For more information,</source>
        <translation>Para mais informações,</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quenmark. All rights reserved.</source>
        <translation>Copyright © 2026 Quenmark. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar comentários</translation>
    </message>
    <message>
        <source>Tarnwick is the strongest yet easy-to-use video processing software. It provides you ultimate solution to convert videos, audio and DVDs; edit, transcode, compress and adjust video files; download online media content; record screen and webcam.</source>
        <translation>O Tarnwick é o software de processamento de vídeo mais potente e, ao mesmo tempo, fácil de utilizar. Oferece a solução definitiva para converter vídeos, áudio e DVDs; editar, transcodificar, comprimir e ajustar ficheiros de vídeo; transferir conteúdos multimédia da Internet; gravar o ecrã e a webcam.</translation>
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
        <translation>visite: </translation>
    </message>
    <message>
        <source>No mail client found on this machine.</source>
        <translation>Não foi encontrado nenhum cliente de correio neste computador.</translation>
    </message>
</context>
<context>
    <name>AnalyseThread</name>
    <message>
        <source>Failed to analyze the input video link? Check possible causes and solutions &gt;</source>
        <translation>Não foi possível analisar a ligação do vídeo? Veja as possíveis causas e soluções &gt;</translation>
    </message>
</context>
<context>
    <name>CNorVideoDlItem</name>
    <message>
        <source>Start Recording</source>
        <translation>Iniciar gravação</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>Order Recording</source>
        <translation>Agendar gravação</translation>
    </message>
    <message>
        <source>Cancle order</source>
        <translation>Desmarcar</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Hora atual</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Convert to mp3</source>
        <translation>Converter para MP3</translation>
    </message>
    <message>
        <source>Marbleton</source>
        <translation>Marbleton</translation>
    </message>
    <message>
        <source>Can&apos;t reserve download. Only 5 are allowed at one time.</source>
        <translation>Não é possível agendar a transferência. Só são permitidas 5 de cada vez.</translation>
    </message>
    <message>
        <source>can&apos;t start to download,Only 5 are allowed at the same time.</source>
        <translation>Não é possível iniciar a transferência. Só são permitidas 5 em simultâneo.</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>O ficheiro multimédia está a ser transferido.</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>Pretende mesmo terminar a transferência atual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Waring</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Change track will loss current downloaded data.</source>
        <translation>Mudar de faixa fará perder os dados já transferidos.</translation>
    </message>
    <message>
        <source>continue to change?</source>
        <translation>Continuar a mudar?</translation>
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
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Input Account</source>
        <translation>Introduzir conta</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Conta:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>Introduza a palavra-passe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>error more than 20.</source>
        <translation>Mais de 20 erros.</translation>
    </message>
</context>
<context>
    <name>CUxDlTrackItem</name>
    <message>
        <source>Format: %1</source>
        <translation>Formato: %1</translation>
    </message>
    <message>
        <source>Resolution: %1</source>
        <translation>Resolução: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Tamanho: %1</translation>
    </message>
</context>
<context>
    <name>CUxDlTracksListBox</name>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>As faixas escolhidas excedem o número máximo!</translation>
    </message>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>Tem de escolher pelo menos uma faixa!</translation>
    </message>
</context>
<context>
    <name>CUxSpecialBtn</name>
    <message>
        <source>Sign out</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>CUxSubStreamTrackItem</name>
    <message>
        <source>Track</source>
        <translation>Faixa</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Incorporadas</translation>
    </message>
    <message>
        <source>The built-in subtitle is fully loaded!</source>
        <translation>As legendas incorporadas já estão no máximo!</translation>
    </message>
    <message>
        <source>External subtitle is fully loaded!</source>
        <translation>As legendas externas já estão no máximo!</translation>
    </message>
    <message>
        <source>External picture subtitle is not supported!</source>
        <translation>As legendas externas em imagem não são suportadas!</translation>
    </message>
</context>
<context>
    <name>CUxSubscribeDialog</name>
    <message>
        <source>Subscribe Urls</source>
        <translation>URLs subscritos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analisar</translation>
    </message>
</context>
<context>
    <name>CUxTimeEdit</name>
    <message>
        <source>Current Time</source>
        <translation>Hora atual</translation>
    </message>
</context>
<context>
    <name>CUxTracksListBox</name>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>Tem de escolher pelo menos uma faixa!</translation>
    </message>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>As faixas escolhidas excedem o número máximo!</translation>
    </message>
    <message>
        <source>The chosen embedded subtitle has been beyond the number limit!</source>
        <translation>As legendas incorporadas escolhidas excedem o número máximo!</translation>
    </message>
    <message>
        <source>The chosen external subtitle has been beyond the number limit!</source>
        <translation>As legendas externas escolhidas excedem o número máximo!</translation>
    </message>
    <message>
        <source>Can not choose an unknown track!</source>
        <translation>Não é possível escolher uma faixa desconhecida!</translation>
    </message>
    <message>
        <source>Not support the external picture subtitle!</source>
        <translation>As legendas externas em imagem não são suportadas!</translation>
    </message>
    <message>
        <source>Cannot switch to unselected item!</source>
        <translation>Não é possível mudar para um item não selecionado!</translation>
    </message>
</context>
<context>
    <name>CUxUpdate</name>
    <message>
        <source>Canceling check update</source>
        <translation>A cancelar a verificação de atualizações</translation>
    </message>
    <message>
        <source>Check failed!</source>
        <translation>Falha na verificação!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Atualizar agora</translation>
    </message>
</context>
<context>
    <name>CYtbFirstLevelItem</name>
    <message>
        <source>[PRIVATE]</source>
        <translation>[PRIVADO]</translation>
    </message>
    <message>
        <source>[INVALID]</source>
        <translation>[INVÁLIDO]</translation>
    </message>
</context>
<context>
    <name>CYtbSecVideoLinkItem</name>
    <message>
        <source>loading...</source>
        <translation>a carregar...</translation>
    </message>
</context>
<context>
    <name>CYtbVideoInfoItem</name>
    <message>
        <source>Quality: %1 (%2)</source>
        <translation>Qualidade: %1 (%2)</translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <translation>Qualidade: %1</translation>
    </message>
    <message>
        <source>Extention: %1</source>
        <translation>Extensão: %1</translation>
    </message>
    <message>
        <source>Frame Rate: %1</source>
        <translation>Fotogramas/s: %1</translation>
    </message>
    <message>
        <source>Bit Rate: %1</source>
        <translation>Taxa de bits: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Tamanho: %1</translation>
    </message>
</context>
<context>
    <name>DownloaderForm</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Add Url</source>
        <translation>Adicionar URL</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Clean Succeed</source>
        <translation>Limpar concluídos</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>A minha lista do YouTube</translation>
    </message>
    <message>
        <source>Supported online video websites</source>
        <translation>Sites de vídeo suportados</translation>
    </message>
    <message>
        <source>Step 1. Click </source>
        <translation>Passo 1. Clique em </translation>
    </message>
    <message>
        <source>to add Video by url.</source>
        <translation>para adicionar vídeos por URL.</translation>
    </message>
    <message>
        <source>Step2.Check and make setting for the added video files.</source>
        <translation>Passo 2. Verifique e configure os vídeos adicionados.</translation>
    </message>
    <message>
        <source>Additional Tools:</source>
        <translation>Ferramentas adicionais:</translation>
    </message>
    <message>
        <source>Marbleto:</source>
        <translation>Marbleto:</translation>
    </message>
    <message>
        <source>Convert and process your video to mp3.</source>
        <translation>Converta e processe os seus vídeos para MP3.</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Transferir agora</translation>
    </message>
    <message>
        <source>Drovik:</source>
        <translation>Drovik:</translation>
    </message>
    <message>
        <source>Transfor video &amp; Music betweren computer and iPhone.</source>
        <translation>Transfira vídeos e música entre o computador e o iPhone.</translation>
    </message>
    <message>
        <source>For private,Watch Later list</source>
        <translation>Para vídeos privados e Ver mais tarde</translation>
    </message>
    <message>
        <source>My YouTube Account</source>
        <translation>A minha conta do YouTube</translation>
    </message>
    <message>
        <source>Log in to download</source>
        <translation>Inicie sessão para transferir</translation>
    </message>
    <message>
        <source>Subscribe Urls</source>
        <translation>URLs subscritos</translation>
    </message>
    <message>
        <source>Output Folder: </source>
        <translation>Pasta de destino: </translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>600+website</source>
        <translation>Mais de 600 sites</translation>
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
        <translation>Voltar ao início</translation>
    </message>
    <message>
        <source>Add video</source>
        <translation>Adicionar vídeo</translation>
    </message>
    <message>
        <source>Clean all</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>Clean succeeded</source>
        <translation>Limpar concluídos</translation>
    </message>
    <message>
        <source>Check for Upgrade</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>Info!</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>There is no files available to download.</source>
        <translation>Não há ficheiros disponíveis para transferir.</translation>
    </message>
    <message>
        <source>you can click the button &apos;Add&apos; to add some files.</source>
        <translation>Pode clicar no botão &apos;Adicionar&apos; para adicionar ficheiros.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>O ficheiro multimédia está a ser transferido.</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>Pretende mesmo terminar a transferência atual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Do you still want to end the download and clear the list?</source>
        <translation>Pretende mesmo assim terminar a transferência e limpar a lista?</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>Falha ao transferir os ficheiros abaixo</translation>
    </message>
    <message>
        <source>Something wrong with the download line, it may be the network problem or the chosen media track was no longer existed on website. Please check and try it one more time.</source>
        <translation>Ocorreu um problema na linha de transferência: pode ser um problema de rede ou a faixa escolhida já não existe no site. Verifique e tente novamente.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>There&apos;re more than %1 downloading tasks!</source>
        <translation>Há mais de %1 transferências em curso!</translation>
    </message>
    <message>
        <source>We will try add as many tasks as possible, or clear the completed tasks and then add new ones.</source>
        <translation>Vamos tentar adicionar o máximo de transferências possível; em alternativa, limpe as concluídas e depois adicione as novas.</translation>
    </message>
    <message>
        <source>Clean Completed And Add</source>
        <translation>Limpar concluídas e adicionar</translation>
    </message>
    <message>
        <source>Add directly</source>
        <translation>Adicionar diretamente</translation>
    </message>
    <message>
        <source>Connections Conflicted</source>
        <translation>Ligações em conflito</translation>
    </message>
    <message>
        <source>You can only choose to add live connections file or non live connections.</source>
        <translation>Só pode adicionar ligações em direto ou ligações que não sejam em direto.</translation>
    </message>
    <message>
        <source>which one would you want to add?</source>
        <translation>Quais pretende adicionar?</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Em direto</translation>
    </message>
    <message>
        <source>Non Live</source>
        <translation>Não em direto</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Selecionar pasta de destino</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>This video was not successfully loaded.</source>
        <translation>Este vídeo não foi carregado com êxito.</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error!</source>
        <translation>Erro!</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copiar caminho</translation>
    </message>
    <message>
        <source>Copy File</source>
        <translation>Copiar ficheiro</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Tip:</source>
        <translation>Sugestão:</translation>
    </message>
    <message>
        <source>Open Mailbox</source>
        <translation>Abrir correio</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Tarnwick didn&apos;t work properly, files below contains the error infomation.Please send the files to our Support Team. Your help will make our product better, Thank you!</source>
        <translation>O Tarnwick não funcionou corretamente; os ficheiros abaixo contêm as informações do erro. Envie os ficheiros à nossa equipa de suporte. A sua ajuda vai tornar o nosso produto melhor. Obrigado!</translation>
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
        <translation>1. Envie os ficheiros para </translation>
    </message>
    <message>
        <source>2. You can push the button &amp;quot;Open Mailbox&amp;quot; to open your mail client on this computer, if you don&apos;t have a mail client, please send the files manually.</source>
        <translation>2. Pode premir o botão &amp;quot;Abrir correio&amp;quot; para abrir o cliente de correio deste computador; se não tiver um cliente de correio, envie os ficheiros manualmente.</translation>
    </message>
    <message>
        <source>Tips: please add attachment %1%2%3to us.</source>
        <translation>Sugestão: anexe %1%2%3e envie-nos.</translation>
    </message>
    <message>
        <source>Program didn&apos;t work properly</source>
        <translation>O programa não funcionou corretamente</translation>
    </message>
</context>
<context>
    <name>FileListDialog</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>Falha ao transferir os ficheiros abaixo</translation>
    </message>
    <message>
        <source>Encrypted video can&apos;t be converted, but you can still convert other videos.</source>
        <translation>Os vídeos encriptados não podem ser convertidos, mas pode converter os outros vídeos.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
</context>
<context>
    <name>LoadingWidget</name>
    <message>
        <source>Stop
Analyzing</source>
        <translation>Parar
análise</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quenmark - Downloader</source>
        <translation>Quenmark - Transferidor</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>Mudar de idioma</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>O programa será reiniciado depois de mudar de idioma. Se tem a certeza, clique no botão &quot;Continuar&quot;.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
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
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Job has been completed. The computer will be shut down after &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; sec.</source>
        <translation>Tarefa concluída. O computador será encerrado dentro de &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; s.</translation>
    </message>
</context>
<context>
    <name>PNLabel</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Automatic shutdown</source>
        <translation>Encerramento automático</translation>
    </message>
    <message>
        <source>Shutdown Now</source>
        <translation>Encerrar agora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>File Format:</source>
        <translation>Formato do ficheiro:</translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation>Codec de vídeo:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolução:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Taxa de fotogramas:</translation>
    </message>
    <message>
        <source>Same as Source</source>
        <translation>Igual à origem</translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation>Codec de áudio:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Taxa de amostragem:</translation>
    </message>
    <message>
        <source>Audio BitRate:</source>
        <translation>Taxa de bits do áudio:</translation>
    </message>
    <message>
        <source>Highest Resolution</source>
        <translation>Resolução máxima</translation>
    </message>
</context>
<context>
    <name>SettingDialog_Downloader</name>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>Mudar de idioma</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>O programa será reiniciado depois de mudar de idioma. Se tem a certeza, clique no botão &quot;Continuar&quot;.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Selecionar pasta de destino</translation>
    </message>
</context>
<context>
    <name>SettingPage_Downloader</name>
    <message>
        <source>language:   </source>
        <translation>Idioma:   </translation>
    </message>
    <message>
        <source>Open the output folder when the job is completed.</source>
        <translation>Abrir a pasta de destino quando a tarefa terminar.</translation>
    </message>
    <message>
        <source>Shut down computer when the job is completed.</source>
        <translation>Encerrar o computador quando a tarefa terminar.</translation>
    </message>
    <message>
        <source>Notify me when new version is available.</source>
        <translation>Avisar-me quando houver uma nova versão.</translation>
    </message>
    <message>
        <source>Analyse items which are once donwloaded in subscribe list</source>
        <translation>Analisar itens já transferidos alguma vez na lista de subscrições</translation>
    </message>
    <message>
        <source>Analyse items which are already donwloaded in subscribe list</source>
        <translation>Analisar itens já transferidos na lista de subscrições</translation>
    </message>
    <message>
        <source>Output Folder:   </source>
        <translation>Pasta de destino:   </translation>
    </message>
    <message>
        <source>Default Movie Format:   </source>
        <translation>Formato de vídeo predefinido:   </translation>
    </message>
    <message>
        <source>Default Resolution:   </source>
        <translation>Resolução predefinida:   </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Proxy Server:</source>
        <translation>Servidor proxy:</translation>
    </message>
    <message>
        <source>Proxy Port:</source>
        <translation>Porta do proxy:</translation>
    </message>
    <message>
        <source>Enable Proxy</source>
        <translation>Ativar proxy</translation>
    </message>
</context>
<context>
    <name>UrlAnalyserDialog</name>
    <message>
        <source>Video URL: </source>
        <translation>URL do vídeo: </translation>
    </message>
    <message>
        <source>My watch later playlist</source>
        <translation>A minha lista Ver mais tarde</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>A minha lista do YouTube</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analisar</translation>
    </message>
    <message>
        <source>Download the playlist if the URL refers to a video and a playlist</source>
        <translation>Transferir a lista de reprodução se o URL indicar um vídeo e uma lista</translation>
    </message>
    <message>
        <source>Step 1. Open browser to get the video URL.</source>
        <translation>Passo 1. Abra o navegador para obter o URL do vídeo.</translation>
    </message>
    <message>
        <source>Step 2. Click Paste URL &amp; Analyze button.</source>
        <translation>Passo 2. Clique no botão Colar URL e analisar.</translation>
    </message>
    <message>
        <source>Step 3. Choose output resolution and format,then hit &quot;Download&quot;.</source>
        <translation>Passo 3. Escolha a resolução e o formato e clique em &quot;Transferir&quot;.</translation>
    </message>
    <message>
        <source>My Social Media Account</source>
        <translation>A minha conta de rede social</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>TIP:If your input is a live video, you can continue to set Start Time,Duration and record.</source>
        <translation>SUGESTÃO: se introduziu um vídeo em direto, pode definir a hora de início e a duração e gravá-lo.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Audio Language:</source>
        <translation>Idioma do áudio:</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source> Searching subtitle...</source>
        <translation> A procurar legendas...</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Legendas:</translation>
    </message>
    <message>
        <source>Cannot find any subtitle.</source>
        <translation>Não foram encontradas legendas.</translation>
    </message>
    <message>
        <source>This video has been downloaded,you can open folder to find the video or analyse to redownload.</source>
        <translation>Este vídeo já foi transferido: pode abrir a pasta para o encontrar ou analisá-lo para o transferir novamente.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>not get media data.</source>
        <translation>Não foi possível obter os dados multimédia.</translation>
    </message>
    <message>
        <source>This video link is being analyzed.</source>
        <translation>Esta ligação de vídeo está a ser analisada.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Download Full Playlist</source>
        <translation>Transferir lista completa</translation>
    </message>
    <message>
        <source>there is invaild url</source>
        <translation>Há um URL inválido</translation>
    </message>
    <message>
        <source>Apply Change to All</source>
        <translation>Aplicar a todos</translation>
    </message>
    <message>
        <source>Download Selected Videoes</source>
        <translation>Transferir vídeos selecionados</translation>
    </message>
    <message>
        <source>No subtitle</source>
        <translation>Sem legendas</translation>
    </message>
    <message>
        <source>Download Selected Videos</source>
        <translation>Transferir vídeos selecionados</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>A parar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>A iniciar</translation>
    </message>
    <message>
        <source>Analysis Failed</source>
        <translation>Falha na análise</translation>
    </message>
    <message>
        <source>Would you like to analyze again?</source>
        <translation>Pretende analisar novamente?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>%1&apos;s playlist</source>
        <translation>Lista de reprodução de %1</translation>
    </message>
    <message>
        <source>Incorrect account / password or authentication error!(logining on the website may solve the authentication error)!</source>
        <translation>Conta ou palavra-passe incorreta, ou erro de autenticação! (Iniciar sessão no site pode resolver o erro de autenticação.)</translation>
    </message>
    <message>
        <source>This video is private. If your account has authority to watch, please login.</source>
        <translation>Este vídeo é privado. Se a sua conta tiver permissão para o ver, inicie sessão.</translation>
    </message>
    <message>
        <source>This playlist is private. If your account has authority to watch, please login.</source>
        <translation>Esta lista de reprodução é privada. Se a sua conta tiver permissão para a ver, inicie sessão.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>There is an invalid url in the list.</source>
        <translation>Há um URL inválido na lista.</translation>
    </message>
    <message>
        <source>There are %1 invalid urls in the list.</source>
        <translation>Há %1 URLs inválidos na lista.</translation>
    </message>
    <message>
        <source>The analyzed item is a live video.</source>
        <translation>O item analisado é um vídeo em direto.</translation>
    </message>
    <message>
        <source>The analysis result will change to video mode.</source>
        <translation>O resultado da análise vai mudar para o modo de vídeo.</translation>
    </message>
    <message>
        <source>%1 &apos;s %2 watch later playlist</source>
        <translation>Lista Ver mais tarde %2 de %1</translation>
    </message>
    <message>
        <source>%1&apos;s %2 watch later playlist</source>
        <translation>Lista Ver mais tarde %2 de %1</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Sugestões</translation>
    </message>
    <message>
        <source>No video/audio is selected. Would you like to continue to quit?</source>
        <translation>Não selecionou nenhum vídeo/áudio. Pretende sair mesmo assim?</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>This video analyse failed,click &apos;analyse&apos; to redownload.</source>
        <translation>A análise deste vídeo falhou; clique em &apos;Analisar&apos; para o transferir novamente.</translation>
    </message>
    <message>
        <source>This video has been downloaded before,but not found, clicked &apos;analyse&apos; to redownload.</source>
        <translation>Este vídeo já foi transferido, mas não foi encontrado; clique em &apos;Analisar&apos; para o transferir novamente.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostrar tudo</translation>
    </message>
    <message>
        <source>Searching subtitle...</source>
        <translation>A procurar legendas...</translation>
    </message>
    <message>
        <source>/support/youtube-downloader-troubleshooting.html</source>
        <translation>/support/youtube-downloader-troubleshooting.html</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Paste URL &amp; Analyse</source>
        <translation>Colar URL e analisar</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Subscrever</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>VideoPlay</name>
    <message>
        <source>DVD playback error or media file is too short.</source>
        <translation>Erro de reprodução do DVD ou o ficheiro multimédia é demasiado curto.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>YoutubeAccount</name>
    <message>
        <source>Account:</source>
        <translation>Conta:</translation>
    </message>
    <message>
        <source>YouTube Account</source>
        <translation>Conta do YouTube</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>Introduza a palavra-passe</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>Memorizar a palavra-passe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analisar</translation>
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
        <translation>A carregar...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Inválido</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
</context>
<context>
    <name>YtbUpgradeDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Updating the URL analysis engine is needed if you want to download the latest videos from YouTube or other video sites. Please wait until the update finished.</source>
        <translation>Para transferir os vídeos mais recentes do YouTube ou de outros sites de vídeo, é necessário atualizar o motor de análise de URLs. Aguarde até a atualização terminar.</translation>
    </message>
    <message>
        <source>Program update is needed for the new downloader engine. Please click &quot;Update&quot; to download the newest version or you can click &quot;Continue&quot; to work with the current engine.</source>
        <translation>O novo motor de transferência exige uma atualização do programa. Clique em &quot;Atualizar&quot; para transferir a versão mais recente ou em &quot;Continuar&quot; para trabalhar com o motor atual.</translation>
    </message>
</context>
<context>
    <name>checkUpdate</name>
    <message>
        <source>Checking for updates</source>
        <translation>A procurar atualizações</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>livevideoform</name>
    <message>
        <source>Select output format</source>
        <translation>Selecionar formato de saída</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Hora de início:</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Hora atual</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duração:</translation>
    </message>
</context>
<context>
    <name>mediadlitemform</name>
    <message>
        <source>Select output format</source>
        <translation>Selecionar formato de saída</translation>
    </message>
</context>
</TS>
