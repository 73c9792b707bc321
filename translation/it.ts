<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>Versione: %1</translation>
    </message>
    <message>
        <source>Release Date: %1</source>
        <translation>Data di rilascio: %1</translation>
    </message>
    <message>
        <source>For more information,</source>
        <translation>Per maggiori informazioni,</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quenmark. All rights reserved.</source>
        <translation>Copyright © 2026 Quenmark. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Invia feedback</translation>
    </message>
    <message>
        <source>Tarnwick is the strongest yet easy-to-use video processing software. It provides you ultimate solution to convert videos, audio and DVDs; edit, transcode, compress and adjust video files; download online media content; record screen and webcam.</source>
        <translation>Tarnwick è il software di elaborazione video più potente e allo stesso tempo facile da usare. Offre la soluzione definitiva per convertire video, audio e DVD; modificare, transcodificare, comprimere e regolare file video; scaricare contenuti multimediali online; registrare lo schermo e la webcam.</translation>
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
        <translation>visita: </translation>
    </message>
    <message>
        <source>No mail client found on this machine.</source>
        <translation>Nessun client di posta trovato su questo computer.</translation>
    </message>
</context>
<context>
    <name>AnalyseThread</name>
    <message>
        <source>Failed to analyze the input video link? Check possible causes and solutions &gt;</source>
        <translation>Analisi del link video non riuscita? Scopri le possibili cause e soluzioni &gt;</translation>
    </message>
</context>
<context>
    <name>CNorVideoDlItem</name>
    <message>
        <source>Start Recording</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Order Recording</source>
        <translation>Pianifica</translation>
    </message>
    <message>
        <source>Cancle order</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Ora attuale</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Convert to mp3</source>
        <translation>Converti in MP3</translation>
    </message>
    <message>
        <source>Marbleton</source>
        <translation>Marbleton</translation>
    </message>
    <message>
        <source>Can&apos;t reserve download. Only 5 are allowed at one time.</source>
        <translation>Impossibile pianificare il download. Sono consentiti solo 5 alla volta.</translation>
    </message>
    <message>
        <source>can&apos;t start to download,Only 5 are allowed at the same time.</source>
        <translation>Impossibile avviare il download. Sono consentiti solo 5 alla volta.</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>Il file multimediale è in fase di download.</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>Vuoi davvero interrompere il download in corso?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Waring</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Change track will loss current downloaded data.</source>
        <translation>Cambiando traccia andranno persi i dati già scaricati.</translation>
    </message>
    <message>
        <source>continue to change?</source>
        <translation>Continuare a cambiare?</translation>
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
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Input Account</source>
        <translation>Inserisci account</translation>
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
        <translation>Inserisci la password</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>error more than 20.</source>
        <translation>Più di 20 errori.</translation>
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
        <translation>Risoluzione: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Dimensione: %1</translation>
    </message>
</context>
<context>
    <name>CUxDlTracksListBox</name>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>Le tracce scelte superano il numero massimo!</translation>
    </message>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>Scegli almeno una traccia!</translation>
    </message>
</context>
<context>
    <name>CUxSpecialBtn</name>
    <message>
        <source>Sign out</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>CUxSubStreamTrackItem</name>
    <message>
        <source>Track</source>
        <translation>Traccia</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Incorporati</translation>
    </message>
    <message>
        <source>The built-in subtitle is fully loaded!</source>
        <translation>I sottotitoli incorporati sono già al completo!</translation>
    </message>
    <message>
        <source>External subtitle is fully loaded!</source>
        <translation>I sottotitoli esterni sono già al completo!</translation>
    </message>
    <message>
        <source>External picture subtitle is not supported!</source>
        <translation>I sottotitoli esterni in formato immagine non sono supportati!</translation>
    </message>
</context>
<context>
    <name>CUxSubscribeDialog</name>
    <message>
        <source>Subscribe Urls</source>
        <translation>URL iscritti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analizza</translation>
    </message>
</context>
<context>
    <name>CUxTimeEdit</name>
    <message>
        <source>Current Time</source>
        <translation>Ora attuale</translation>
    </message>
</context>
<context>
    <name>CUxTracksListBox</name>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>Scegli almeno una traccia!</translation>
    </message>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>Le tracce scelte superano il numero massimo!</translation>
    </message>
    <message>
        <source>The chosen embedded subtitle has been beyond the number limit!</source>
        <translation>I sottotitoli incorporati scelti superano il numero massimo!</translation>
    </message>
    <message>
        <source>The chosen external subtitle has been beyond the number limit!</source>
        <translation>I sottotitoli esterni scelti superano il numero massimo!</translation>
    </message>
    <message>
        <source>Can not choose an unknown track!</source>
        <translation>Impossibile scegliere una traccia sconosciuta!</translation>
    </message>
    <message>
        <source>Not support the external picture subtitle!</source>
        <translation>I sottotitoli esterni in formato immagine non sono supportati!</translation>
    </message>
    <message>
        <source>Cannot switch to unselected item!</source>
        <translation>Impossibile passare a un elemento non selezionato!</translation>
    </message>
</context>
<context>
    <name>CUxUpdate</name>
    <message>
        <source>Canceling check update</source>
        <translation>Annullamento verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Check failed!</source>
        <translation>Verifica non riuscita!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Aggiorna ora</translation>
    </message>
</context>
<context>
    <name>CYtbFirstLevelItem</name>
    <message>
        <source>[PRIVATE]</source>
        <translation>[PRIVATO]</translation>
    </message>
    <message>
        <source>[INVALID]</source>
        <translation>[NON VALIDO]</translation>
    </message>
</context>
<context>
    <name>CYtbSecVideoLinkItem</name>
    <message>
        <source>loading...</source>
        <translation>caricamento...</translation>
    </message>
</context>
<context>
    <name>CYtbVideoInfoItem</name>
    <message>
        <source>Quality: %1 (%2)</source>
        <translation>Qualità: %1 (%2)</translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <translation>Qualità: %1</translation>
    </message>
    <message>
        <source>Extention: %1</source>
        <translation>Estensione: %1</translation>
    </message>
    <message>
        <source>Frame Rate: %1</source>
        <translation>Fotogrammi/s: %1</translation>
    </message>
    <message>
        <source>Bit Rate: %1</source>
        <translation>Bitrate: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Dimensione: %1</translation>
    </message>
</context>
<context>
    <name>DownloaderForm</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Add Url</source>
        <translation>Aggiungi URL</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Clean Succeed</source>
        <translation>Rimuovi completati</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>Le mie playlist YouTube</translation>
    </message>
    <message>
        <source>Supported online video websites</source>
        <translation>Siti di video online supportati</translation>
    </message>
    <message>
        <source>Step 1. Click </source>
        <translation>Passo 1. Fai clic su </translation>
    </message>
    <message>
        <source>to add Video by url.</source>
        <translation>per aggiungere video tramite URL.</translation>
    </message>
    <message>
        <source>Step2.Check and make setting for the added video files.</source>
        <translation>Passo 2. Controlla e imposta i video aggiunti.</translation>
    </message>
    <message>
        <source>Additional Tools:</source>
        <translation>Strumenti aggiuntivi:</translation>
    </message>
    <message>
        <source>Marbleto:</source>
        <translation>Marbleto:</translation>
    </message>
    <message>
        <source>Convert and process your video to mp3.</source>
        <translation>Converti ed elabora i tuoi video in MP3.</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Scarica ora</translation>
    </message>
    <message>
        <source>Drovik:</source>
        <translation>Drovik:</translation>
    </message>
    <message>
        <source>Transfor video &amp; Music betweren computer and iPhone.</source>
        <translation>Trasferisci video e musica tra computer e iPhone.</translation>
    </message>
    <message>
        <source>For private,Watch Later list</source>
        <translation>Per video privati e Guarda più tardi</translation>
    </message>
    <message>
        <source>My YouTube Account</source>
        <translation>Il mio account YouTube</translation>
    </message>
    <message>
        <source>Log in to download</source>
        <translation>Accedi per scaricare</translation>
    </message>
    <message>
        <source>Subscribe Urls</source>
        <translation>URL iscritti</translation>
    </message>
    <message>
        <source>Output Folder: </source>
        <translation>Cartella di output: </translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>600+website</source>
        <translation>Oltre 600 siti</translation>
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
        <translation>Torna alla home</translation>
    </message>
    <message>
        <source>Add video</source>
        <translation>Aggiungi video</translation>
    </message>
    <message>
        <source>Clean all</source>
        <translation>Svuota tutto</translation>
    </message>
    <message>
        <source>Clean succeeded</source>
        <translation>Rimuovi completati</translation>
    </message>
    <message>
        <source>Check for Upgrade</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Info!</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>There is no files available to download.</source>
        <translation>Non ci sono file disponibili da scaricare.</translation>
    </message>
    <message>
        <source>you can click the button &apos;Add&apos; to add some files.</source>
        <translation>Puoi fare clic sul pulsante &apos;Aggiungi&apos; per aggiungere dei file.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>Il file multimediale è in fase di download.</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>Vuoi davvero interrompere il download in corso?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Do you still want to end the download and clear the list?</source>
        <translation>Vuoi comunque interrompere il download e svuotare l&apos;elenco?</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>Download non riuscito per i file seguenti</translation>
    </message>
    <message>
        <source>Something wrong with the download line, it may be the network problem or the chosen media track was no longer existed on website. Please check and try it one more time.</source>
        <translation>Si è verificato un problema con la linea di download: potrebbe trattarsi di un problema di rete o la traccia scelta non esiste più sul sito. Controlla e riprova.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>There&apos;re more than %1 downloading tasks!</source>
        <translation>Ci sono più di %1 download in corso!</translation>
    </message>
    <message>
        <source>We will try add as many tasks as possible, or clear the completed tasks and then add new ones.</source>
        <translation>Proveremo ad aggiungere quanti più download possibile; in alternativa, rimuovi quelli completati e poi aggiungi i nuovi.</translation>
    </message>
    <message>
        <source>Clean Completed And Add</source>
        <translation>Rimuovi completati e aggiungi</translation>
    </message>
    <message>
        <source>Add directly</source>
        <translation>Aggiungi direttamente</translation>
    </message>
    <message>
        <source>Connections Conflicted</source>
        <translation>Collegamenti in conflitto</translation>
    </message>
    <message>
        <source>You can only choose to add live connections file or non live connections.</source>
        <translation>Puoi aggiungere solo collegamenti in diretta o solo collegamenti non in diretta.</translation>
    </message>
    <message>
        <source>which one would you want to add?</source>
        <translation>Quali vuoi aggiungere?</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>In diretta</translation>
    </message>
    <message>
        <source>Non Live</source>
        <translation>Non in diretta</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Seleziona cartella di output</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>This video was not successfully loaded.</source>
        <translation>Questo video non è stato caricato correttamente.</translation>
    </message>
</context>
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
        <translation>Tarnwick non ha funzionato correttamente; i file seguenti contengono le informazioni sull&apos;errore. Invia i file al nostro team di assistenza. Il tuo aiuto renderà migliore il nostro prodotto. Grazie!</translation>
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
        <translation>1. Invia i file a </translation>
    </message>
    <message>
        <source>2. You can push the button &amp;quot;Open Mailbox&amp;quot; to open your mail client on this computer, if you don&apos;t have a mail client, please send the files manually.</source>
        <translation>2. Puoi premere il pulsante &amp;quot;Apri posta&amp;quot; per aprire il client di posta di questo computer; se non hai un client di posta, invia i file manualmente.</translation>
    </message>
    <message>
        <source>Tips: please add attachment %1%2%3to us.</source>
        <translation>Suggerimento: allega %1%2%3e inviali a noi.</translation>
    </message>
    <message>
        <source>Program didn&apos;t work properly</source>
        <translation>Il programma non ha funzionato correttamente</translation>
    </message>
</context>
<context>
    <name>FileListDialog</name>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>Download non riuscito per i file seguenti</translation>
    </message>
    <message>
        <source>Encrypted video can&apos;t be converted, but you can still convert other videos.</source>
        <translation>I video crittografati non possono essere convertiti, ma puoi comunque convertire gli altri video.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
</context>
<context>
    <name>LoadingWidget</name>
    <message>
        <source>Stop
Analyzing</source>
        <translation>Interrompi
analisi</translation>
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
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>Cambio lingua</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>Il programma verrà riavviato dopo il cambio di lingua. Se sei sicuro, fai clic sul pulsante &quot;Continua&quot;.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
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
        <translation>Operazione completata. Il computer si spegnerà tra &lt;span style=&quot;color:#ff0000&quot;&gt;%1&lt;/span&gt; s.</translation>
    </message>
</context>
<context>
    <name>PNLabel</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
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
    <message>
        <source>File Format:</source>
        <translation>Formato file:</translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation>Codec video:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Risoluzione:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Frequenza fotogrammi:</translation>
    </message>
    <message>
        <source>Same as Source</source>
        <translation>Come l&apos;originale</translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation>Codec audio:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Frequenza di campionamento:</translation>
    </message>
    <message>
        <source>Audio BitRate:</source>
        <translation>Bitrate audio:</translation>
    </message>
    <message>
        <source>Highest Resolution</source>
        <translation>Risoluzione massima</translation>
    </message>
</context>
<context>
    <name>SettingDialog_Downloader</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>Cambio lingua</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>Il programma verrà riavviato dopo il cambio di lingua. Se sei sicuro, fai clic sul pulsante &quot;Continua&quot;.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Seleziona cartella di output</translation>
    </message>
</context>
<context>
    <name>SettingPage_Downloader</name>
    <message>
        <source>language:   </source>
        <translation>Lingua:   </translation>
    </message>
    <message>
        <source>Open the output folder when the job is completed.</source>
        <translation>Apri la cartella di output al termine dell&apos;operazione.</translation>
    </message>
    <message>
        <source>Shut down computer when the job is completed.</source>
        <translation>Spegni il computer al termine dell&apos;operazione.</translation>
    </message>
    <message>
        <source>Notify me when new version is available.</source>
        <translation>Avvisami quando è disponibile una nuova versione.</translation>
    </message>
    <message>
        <source>Analyse items which are once donwloaded in subscribe list</source>
        <translation>Analizza gli elementi già scaricati in passato nell&apos;elenco iscrizioni</translation>
    </message>
    <message>
        <source>Analyse items which are already donwloaded in subscribe list</source>
        <translation>Analizza gli elementi già scaricati nell&apos;elenco iscrizioni</translation>
    </message>
    <message>
        <source>Output Folder:   </source>
        <translation>Cartella di output:   </translation>
    </message>
    <message>
        <source>Default Movie Format:   </source>
        <translation>Formato video predefinito:   </translation>
    </message>
    <message>
        <source>Default Resolution:   </source>
        <translation>Risoluzione predefinita:   </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Proxy Server:</source>
        <translation>Server proxy:</translation>
    </message>
    <message>
        <source>Proxy Port:</source>
        <translation>Porta proxy:</translation>
    </message>
    <message>
        <source>Enable Proxy</source>
        <translation>Abilita proxy</translation>
    </message>
</context>
<context>
    <name>UrlAnalyserDialog</name>
    <message>
        <source>Video URL: </source>
        <translation>URL del video: </translation>
    </message>
    <message>
        <source>My watch later playlist</source>
        <translation>La mia playlist Guarda più tardi</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>Le mie playlist YouTube</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analizza</translation>
    </message>
    <message>
        <source>Download the playlist if the URL refers to a video and a playlist</source>
        <translation>Scarica la playlist se l&apos;URL si riferisce a un video e a una playlist</translation>
    </message>
    <message>
        <source>Step 1. Open browser to get the video URL.</source>
        <translation>Passo 1. Apri il browser e copia l&apos;URL del video.</translation>
    </message>
    <message>
        <source>Step 2. Click Paste URL &amp; Analyze button.</source>
        <translation>Passo 2. Fai clic sul pulsante Incolla URL e analizza.</translation>
    </message>
    <message>
        <source>Step 3. Choose output resolution and format,then hit &quot;Download&quot;.</source>
        <translation>Passo 3. Scegli risoluzione e formato di output, poi premi &quot;Scarica&quot;.</translation>
    </message>
    <message>
        <source>My Social Media Account</source>
        <translation>Il mio account social</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>TIP:If your input is a live video, you can continue to set Start Time,Duration and record.</source>
        <translation>SUGGERIMENTO: se hai inserito un video in diretta, puoi impostare ora di inizio e durata e registrarlo.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Audio Language:</source>
        <translation>Lingua audio:</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source> Searching subtitle...</source>
        <translation> Ricerca sottotitoli...</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Sottotitoli:</translation>
    </message>
    <message>
        <source>Cannot find any subtitle.</source>
        <translation>Nessun sottotitolo trovato.</translation>
    </message>
    <message>
        <source>This video has been downloaded,you can open folder to find the video or analyse to redownload.</source>
        <translation>Questo video è già stato scaricato: puoi aprire la cartella per trovarlo o analizzarlo di nuovo per riscaricarlo.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>not get media data.</source>
        <translation>Dati multimediali non ottenuti.</translation>
    </message>
    <message>
        <source>This video link is being analyzed.</source>
        <translation>Questo link video è in fase di analisi.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Download Full Playlist</source>
        <translation>Scarica l&apos;intera playlist</translation>
    </message>
    <message>
        <source>there is invaild url</source>
        <translation>C&apos;è un URL non valido</translation>
    </message>
    <message>
        <source>Apply Change to All</source>
        <translation>Applica a tutti</translation>
    </message>
    <message>
        <source>Download Selected Videoes</source>
        <translation>Scarica i video selezionati</translation>
    </message>
    <message>
        <source>No subtitle</source>
        <translation>Nessun sottotitolo</translation>
    </message>
    <message>
        <source>Download Selected Videos</source>
        <translation>Scarica i video selezionati</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Interruzione</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Inizializzazione</translation>
    </message>
    <message>
        <source>Analysis Failed</source>
        <translation>Analisi non riuscita</translation>
    </message>
    <message>
        <source>Would you like to analyze again?</source>
        <translation>Vuoi analizzare di nuovo?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>%1&apos;s playlist</source>
        <translation>Playlist di %1</translation>
    </message>
    <message>
        <source>Incorrect account / password or authentication error!(logining on the website may solve the authentication error)!</source>
        <translation>Account o password errati, oppure errore di autenticazione! (Accedere al sito web può risolvere l&apos;errore di autenticazione.)</translation>
    </message>
    <message>
        <source>This video is private. If your account has authority to watch, please login.</source>
        <translation>Questo video è privato. Se il tuo account ha l&apos;autorizzazione per guardarlo, accedi.</translation>
    </message>
    <message>
        <source>This playlist is private. If your account has authority to watch, please login.</source>
        <translation>Questa playlist è privata. Se il tuo account ha l&apos;autorizzazione per guardarla, accedi.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>There is an invalid url in the list.</source>
        <translation>C&apos;è un URL non valido nell&apos;elenco.</translation>
    </message>
    <message>
        <source>There are %1 invalid urls in the list.</source>
        <translation>Ci sono %1 URL non validi nell&apos;elenco.</translation>
    </message>
    <message>
        <source>The analyzed item is a live video.</source>
        <translation>L&apos;elemento analizzato è un video in diretta.</translation>
    </message>
    <message>
        <source>The analysis result will change to video mode.</source>
        <translation>Il risultato dell&apos;analisi passerà alla modalità video.</translation>
    </message>
    <message>
        <source>%1 &apos;s %2 watch later playlist</source>
        <translation>Playlist Guarda più tardi %2 di %1</translation>
    </message>
    <message>
        <source>%1&apos;s %2 watch later playlist</source>
        <translation>Playlist Guarda più tardi %2 di %1</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>No video/audio is selected. Would you like to continue to quit?</source>
        <translation>Nessun video/audio selezionato. Vuoi uscire comunque?</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>This video analyse failed,click &apos;analyse&apos; to redownload.</source>
        <translation>Analisi del video non riuscita: fai clic su &apos;Analizza&apos; per riscaricarlo.</translation>
    </message>
    <message>
        <source>This video has been downloaded before,but not found, clicked &apos;analyse&apos; to redownload.</source>
        <translation>Questo video è stato scaricato in precedenza ma non è stato trovato: fai clic su &apos;Analizza&apos; per riscaricarlo.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostra tutto</translation>
    </message>
    <message>
        <source>Searching subtitle...</source>
        <translation>Ricerca sottotitoli...</translation>
    </message>
    <message>
        <source>/support/youtube-downloader-troubleshooting.html</source>
        <translation>/support/youtube-downloader-troubleshooting.html</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Paste URL &amp; Analyse</source>
        <translation>Incolla URL e analizza</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Iscriviti</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
</context>
<context>
    <name>VideoPlay</name>
    <message>
        <source>DVD playback error or media file is too short.</source>
        <translation>Errore di riproduzione del DVD o file multimediale troppo corto.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
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
        <translation>Account YouTube</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>Inserisci la password</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>Ricorda la password</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analizza</translation>
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
        <translation>Caricamento...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Non valido</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Video</translation>
    </message>
</context>
<context>
    <name>YtbUpgradeDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Updating the URL analysis engine is needed if you want to download the latest videos from YouTube or other video sites. Please wait until the update finished.</source>
        <translation>Per scaricare i video più recenti da YouTube o da altri siti video è necessario aggiornare il motore di analisi degli URL. Attendi il completamento dell&apos;aggiornamento.</translation>
    </message>
    <message>
        <source>Program update is needed for the new downloader engine. Please click &quot;Update&quot; to download the newest version or you can click &quot;Continue&quot; to work with the current engine.</source>
        <translation>Il nuovo motore di download richiede l&apos;aggiornamento del programma. Fai clic su &quot;Aggiorna&quot; per scaricare la versione più recente oppure su &quot;Continua&quot; per usare il motore attuale.</translation>
    </message>
</context>
<context>
    <name>checkUpdate</name>
    <message>
        <source>Checking for updates</source>
        <translation>Verifica aggiornamenti in corso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>livevideoform</name>
    <message>
        <source>Select output format</source>
        <translation>Seleziona il formato di output</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Ora di inizio:</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Ora attuale</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durata:</translation>
    </message>
</context>
<context>
    <name>mediadlitemform</name>
    <message>
        <source>Select output format</source>
        <translation>Seleziona il formato di output</translation>
    </message>
</context>
</TS>
