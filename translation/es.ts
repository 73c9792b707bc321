<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>Release Date: %1</source>
        <translation>Fecha de publicación: %1</translation>
    </message>
    <message>
        <source>For more information,</source>
        <translation>Para más información,</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quenmark. All rights reserved.</source>
        <translation>Copyright © 2026 Quenmark. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message>
        <source>Tarnwick is the strongest yet easy-to-use video processing software. It provides you ultimate solution to convert videos, audio and DVDs; edit, transcode, compress and adjust video files; download online media content; record screen and webcam.</source>
        <translation>Tarnwick es un software de vídeo potente y a la vez fácil de usar. Le ofrece una solución completa para convertir vídeos, audio y DVD; editar, transcodificar, comprimir y ajustar archivos de vídeo; descargar contenido multimedia en línea, y grabar la pantalla y la webcam.</translation>
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
        <translation>No se ha encontrado ningún cliente de correo en este equipo.</translation>
    </message>
</context>
<context>
    <name>AnalyseThread</name>
    <message>
        <source>Failed to analyze the input video link? Check possible causes and solutions &gt;</source>
        <translation>¿No se pudo analizar el enlace del vídeo? Consulte las posibles causas y soluciones &gt;</translation>
    </message>
</context>
<context>
    <name>CNorVideoDlItem</name>
    <message>
        <source>Start Recording</source>
        <translation>Iniciar grabación</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>Order Recording</source>
        <translation>Programar grabación</translation>
    </message>
    <message>
        <source>Cancle order</source>
        <translation>Cancelar programación</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Hora actual</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Convert to mp3</source>
        <translation>Convertir a mp3</translation>
    </message>
    <message>
        <source>Marbleton</source>
        <translation>Marbleton</translation>
    </message>
    <message>
        <source>Can&apos;t reserve download. Only 5 are allowed at one time.</source>
        <translation>No se puede programar la descarga. Solo se permiten 5 a la vez.</translation>
    </message>
    <message>
        <source>can&apos;t start to download,Only 5 are allowed at the same time.</source>
        <translation>No se puede iniciar la descarga. Solo se permiten 5 a la vez.</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>El archivo multimedia se está descargando.</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>¿Seguro que desea finalizar la descarga actual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Waring</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Change track will loss current downloaded data.</source>
        <translation>Al cambiar de pista se perderán los datos ya descargados.</translation>
    </message>
    <message>
        <source>continue to change?</source>
        <translation>¿Desea cambiarla de todos modos?</translation>
    </message>
</context>
<context>
    <name>CUxDlLog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Input Account</source>
        <translation>Introducir cuenta</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>Introduzca la contraseña</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>error more than 20.</source>
        <translation>Más de 20 errores.</translation>
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
        <translation>Resolución: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Tamaño: %1</translation>
    </message>
</context>
<context>
    <name>CUxDlTracksListBox</name>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>¡Se ha superado el número máximo de pistas!</translation>
    </message>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>¡Debe elegir al menos una pista!</translation>
    </message>
</context>
<context>
    <name>CUxSpecialBtn</name>
    <message>
        <source>Sign out</source>
        <translation>Cerrar sesión</translation>
    </message>
</context>
<context>
    <name>CUxSubStreamTrackItem</name>
    <message>
        <source>Track</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Integrado</translation>
    </message>
    <message>
        <source>The built-in subtitle is fully loaded!</source>
        <translation>¡Se ha alcanzado el máximo de subtítulos integrados!</translation>
    </message>
    <message>
        <source>External subtitle is fully loaded!</source>
        <translation>¡Se ha alcanzado el máximo de subtítulos externos!</translation>
    </message>
    <message>
        <source>External picture subtitle is not supported!</source>
        <translation>¡No se admiten subtítulos de imagen externos!</translation>
    </message>
</context>
<context>
    <name>CUxSubscribeDialog</name>
    <message>
        <source>Subscribe Urls</source>
        <translation>Suscribirse a URL</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analizar</translation>
    </message>
</context>
<context>
    <name>CUxTimeEdit</name>
    <message>
        <source>Current Time</source>
        <translation>Hora actual</translation>
    </message>
</context>
<context>
    <name>CUxTracksListBox</name>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>¡Debe elegir al menos una pista!</translation>
    </message>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>¡Se ha superado el número máximo de pistas!</translation>
    </message>
    <message>
        <source>The chosen embedded subtitle has been beyond the number limit!</source>
        <translation>¡Se ha superado el número máximo de subtítulos integrados!</translation>
    </message>
    <message>
        <source>The chosen external subtitle has been beyond the number limit!</source>
        <translation>¡Se ha superado el número máximo de subtítulos externos!</translation>
    </message>
    <message>
        <source>Can not choose an unknown track!</source>
        <translation>¡No se puede elegir una pista desconocida!</translation>
    </message>
    <message>
        <source>Not support the external picture subtitle!</source>
        <translation>¡No se admiten subtítulos de imagen externos!</translation>
    </message>
    <message>
        <source>Cannot switch to unselected item!</source>
        <translation>¡No se puede cambiar a un elemento no seleccionado!</translation>
    </message>
</context>
<context>
    <name>CUxUpdate</name>
    <message>
        <source>Canceling check update</source>
        <translation>Cancelando la búsqueda de actualizaciones</translation>
    </message>
    <message>
        <source>Check failed!</source>
        <translation>¡Error en la comprobación!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Actualizar ahora</translation>
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
        <translation>[NO VÁLIDO]</translation>
    </message>
</context>
<context>
    <name>CYtbSecVideoLinkItem</name>
    <message>
        <source>loading...</source>
        <translation>cargando...</translation>
    </message>
</context>
<context>
    <name>CYtbVideoInfoItem</name>
    <message>
        <source>Quality: %1 (%2)</source>
        <translation>Calidad: %1 (%2)</translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <translation>Calidad: %1</translation>
    </message>
    <message>
        <source>Extention: %1</source>
        <translation>Extensión: %1</translation>
    </message>
    <message>
        <source>Frame Rate: %1</source>
        <translation>Velocidad de fotogramas: %1</translation>
    </message>
    <message>
        <source>Bit Rate: %1</source>
        <translation>Tasa de bits: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Tamaño: %1</translation>
    </message>
</context>
<context>
    <name>DownloaderForm</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Add Url</source>
        <translation>Añadir URL</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Añadir audio</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Clean Succeed</source>
        <translation>Lista vaciada</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>Mi lista de YouTube</translation>
    </message>
    <message>
        <source>Supported online video websites</source>
        <translation>Sitios de vídeo compatibles</translation>
    </message>
    <message>
        <source>Step 1. Click </source>
        <translation>Paso 1. Haga clic en </translation>
    </message>
    <message>
        <source>to add Video by url.</source>
        <translation>para añadir un vídeo por URL.</translation>
    </message>
    <message>
        <source>Step2.Check and make setting for the added video files.</source>
        <translation>Paso 2. Revise y configure los vídeos añadidos.</translation>
    </message>
    <message>
        <source>Additional Tools:</source>
        <translation>Otras herramientas:</translation>
    </message>
    <message>
        <source>Marbleto:</source>
        <translation>Marbleto:</translation>
    </message>
    <message>
        <source>Convert and process your video to mp3.</source>
        <translation>Convierta y procese sus vídeos a mp3.</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Descargar ahora</translation>
    </message>
    <message>
        <source>Drovik:</source>
        <translation>Drovik:</translation>
    </message>
    <message>
        <source>Transfor video &amp; Music betweren computer and iPhone.</source>
        <translation>Transfiera vídeos y música entre el equipo y el iPhone.</translation>
    </message>
    <message>
        <source>For private,Watch Later list</source>
        <translation>Para listas privadas y Ver más tarde</translation>
    </message>
    <message>
        <source>My YouTube Account</source>
        <translation>Mi cuenta de YouTube</translation>
    </message>
    <message>
        <source>Log in to download</source>
        <translation>Inicie sesión para descargar</translation>
    </message>
    <message>
        <source>Subscribe Urls</source>
        <translation>Suscribirse a URL</translation>
    </message>
    <message>
        <source>Output Folder: </source>
        <translation>Carpeta de salida: </translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>600+website</source>
        <translation>600+ sitios</translation>
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
        <translation>Volver al inicio</translation>
    </message>
    <message>
        <source>Add video</source>
        <translation>Añadir vídeo</translation>
    </message>
    <message>
        <source>Clean all</source>
        <translation>Vaciar todo</translation>
    </message>
    <message>
        <source>Clean succeeded</source>
        <translation>Lista vaciada</translation>
    </message>
    <message>
        <source>Check for Upgrade</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Info!</source>
        <translation>¡Información!</translation>
    </message>
    <message>
        <source>There is no files available to download.</source>
        <translation>No hay archivos disponibles para descargar.</translation>
    </message>
    <message>
        <source>you can click the button &apos;Add&apos; to add some files.</source>
        <translation>Puede hacer clic en el botón «Añadir» para añadir archivos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>El archivo multimedia se está descargando.</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>¿Seguro que desea finalizar la descarga actual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Do you still want to end the download and clear the list?</source>
        <translation>¿Desea finalizar la descarga y vaciar la lista de todos modos?</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>No se pudieron descargar los siguientes archivos</translation>
    </message>
    <message>
        <source>Something wrong with the download line, it may be the network problem or the chosen media track was no longer existed on website. Please check and try it one more time.</source>
        <translation>Se ha producido un error en la descarga. Puede deberse a un problema de red o a que la pista elegida ya no existe en el sitio web. Compruébelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>There&apos;re more than %1 downloading tasks!</source>
        <translation>¡Hay más de %1 descargas en curso!</translation>
    </message>
    <message>
        <source>We will try add as many tasks as possible, or clear the completed tasks and then add new ones.</source>
        <translation>Se añadirán tantas tareas como sea posible; también puede quitar las tareas completadas y luego añadir otras nuevas.</translation>
    </message>
    <message>
        <source>Clean Completed And Add</source>
        <translation>Quitar completadas y añadir</translation>
    </message>
    <message>
        <source>Add directly</source>
        <translation>Añadir directamente</translation>
    </message>
    <message>
        <source>Connections Conflicted</source>
        <translation>Conflicto de enlaces</translation>
    </message>
    <message>
        <source>You can only choose to add live connections file or non live connections.</source>
        <translation>Solo puede añadir enlaces en directo o enlaces que no sean en directo, no ambos.</translation>
    </message>
    <message>
        <source>which one would you want to add?</source>
        <translation>¿Cuáles desea añadir?</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En directo</translation>
    </message>
    <message>
        <source>Non Live</source>
        <translation>No en directo</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Seleccionar carpeta de salida</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>This video was not successfully loaded.</source>
        <translation>No se pudo cargar este vídeo.</translation>
    </message>
</context>
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
        <translation>Tarnwick no ha funcionado correctamente. Los archivos siguientes contienen la información del error. Envíelos a nuestro equipo de soporte. Su ayuda nos permite mejorar el producto. ¡Gracias!</translation>
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
        <translation>1. Envíe los archivos a </translation>
    </message>
    <message>
        <source>2. You can push the button &amp;quot;Open Mailbox&amp;quot; to open your mail client on this computer, if you don&apos;t have a mail client, please send the files manually.</source>
        <translation>2. Pulse el botón «Abrir correo» para abrir el cliente de correo de este equipo. Si no tiene ninguno, envíe los archivos manualmente.</translation>
    </message>
    <message>
        <source>Tips: please add attachment %1%2%3to us.</source>
        <translation>Consejo: adjunte %1%2%3a su mensaje.</translation>
    </message>
    <message>
        <source>Program didn&apos;t work properly</source>
        <translation>El programa no ha funcionado correctamente</translation>
    </message>
</context>
<context>
    <name>FileListDialog</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>No se pudieron descargar los siguientes archivos</translation>
    </message>
    <message>
        <source>Encrypted video can&apos;t be converted, but you can still convert other videos.</source>
        <translation>Los vídeos cifrados no se pueden convertir, pero sí los demás vídeos.</translation>
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
        <translation>Detener
análisis</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quenmark - Downloader</source>
        <translation>Quenmark - Descargador</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>Cambio de idioma</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>El programa se reiniciará tras cambiar el idioma. Si está seguro, haga clic en «Continuar».</translation>
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
        <translation>Advertencia</translation>
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
    <name>PNLabel</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
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
    <message>
        <source>File Format:</source>
        <translation>Formato de archivo:</translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation>Códec de vídeo:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolución:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Velocidad de fotogramas:</translation>
    </message>
    <message>
        <source>Same as Source</source>
        <translation>Igual que el origen</translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation>Códec de audio:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Frecuencia de muestreo:</translation>
    </message>
    <message>
        <source>Audio BitRate:</source>
        <translation>Tasa de bits de audio:</translation>
    </message>
    <message>
        <source>Highest Resolution</source>
        <translation>Resolución máxima</translation>
    </message>
</context>
<context>
    <name>SettingDialog_Downloader</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>Cambio de idioma</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>El programa se reiniciará tras cambiar el idioma. Si está seguro, haga clic en «Continuar».</translation>
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
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Seleccionar carpeta de salida</translation>
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
        <translation>Abrir la carpeta de salida al terminar la tarea.</translation>
    </message>
    <message>
        <source>Shut down computer when the job is completed.</source>
        <translation>Apagar el equipo al terminar la tarea.</translation>
    </message>
    <message>
        <source>Notify me when new version is available.</source>
        <translation>Avisarme cuando haya una nueva versión.</translation>
    </message>
    <message>
        <source>Analyse items which are once donwloaded in subscribe list</source>
        <translation>Analizar elementos descargados alguna vez en las suscripciones</translation>
    </message>
    <message>
        <source>Analyse items which are already donwloaded in subscribe list</source>
        <translation>Analizar elementos ya descargados en las suscripciones</translation>
    </message>
    <message>
        <source>Output Folder:   </source>
        <translation>Carpeta de salida:   </translation>
    </message>
    <message>
        <source>Default Movie Format:   </source>
        <translation>Formato predeterminado:   </translation>
    </message>
    <message>
        <source>Default Resolution:   </source>
        <translation>Resolución predeterminada:   </translation>
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
        <translation>Puerto proxy:</translation>
    </message>
    <message>
        <source>Enable Proxy</source>
        <translation>Activar proxy</translation>
    </message>
</context>
<context>
    <name>UrlAnalyserDialog</name>
    <message>
        <source>Video URL: </source>
        <translation>URL del vídeo: </translation>
    </message>
    <message>
        <source>My watch later playlist</source>
        <translation>Mi lista Ver más tarde</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>Mi lista de YouTube</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analizar</translation>
    </message>
    <message>
        <source>Download the playlist if the URL refers to a video and a playlist</source>
        <translation>Descargar la lista si la URL remite a un vídeo y a una lista de reproducción</translation>
    </message>
    <message>
        <source>Step 1. Open browser to get the video URL.</source>
        <translation>Paso 1. Copie la URL del vídeo en el navegador.</translation>
    </message>
    <message>
        <source>Step 2. Click Paste URL &amp; Analyze button.</source>
        <translation>Paso 2. Haga clic en «Pegar URL y analizar».</translation>
    </message>
    <message>
        <source>Step 3. Choose output resolution and format,then hit &quot;Download&quot;.</source>
        <translation>Paso 3. Elija la resolución y el formato, y pulse «Descargar».</translation>
    </message>
    <message>
        <source>My Social Media Account</source>
        <translation>Mi cuenta de redes sociales</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>TIP:If your input is a live video, you can continue to set Start Time,Duration and record.</source>
        <translation>CONSEJO: si se trata de un vídeo en directo, puede definir la hora de inicio y la duración, y grabarlo.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Audio Language:</source>
        <translation>Idioma del audio:</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source> Searching subtitle...</source>
        <translation> Buscando subtítulos...</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Subtítulos:</translation>
    </message>
    <message>
        <source>Cannot find any subtitle.</source>
        <translation>No se encontraron subtítulos.</translation>
    </message>
    <message>
        <source>This video has been downloaded,you can open folder to find the video or analyse to redownload.</source>
        <translation>Este vídeo ya se ha descargado. Abra la carpeta para encontrarlo o analícelo para volver a descargarlo.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>not get media data.</source>
        <translation>No se obtuvieron datos multimedia.</translation>
    </message>
    <message>
        <source>This video link is being analyzed.</source>
        <translation>Se está analizando este enlace de vídeo.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espere, por favor...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Download Full Playlist</source>
        <translation>Descargar toda la lista</translation>
    </message>
    <message>
        <source>there is invaild url</source>
        <translation>Hay una URL no válida</translation>
    </message>
    <message>
        <source>Apply Change to All</source>
        <translation>Aplicar a todos</translation>
    </message>
    <message>
        <source>Download Selected Videoes</source>
        <translation>Descargar selección</translation>
    </message>
    <message>
        <source>No subtitle</source>
        <translation>Sin subtítulos</translation>
    </message>
    <message>
        <source>Download Selected Videos</source>
        <translation>Descargar vídeos seleccionados</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Deteniendo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Inicializando</translation>
    </message>
    <message>
        <source>Analysis Failed</source>
        <translation>Error de análisis</translation>
    </message>
    <message>
        <source>Would you like to analyze again?</source>
        <translation>¿Desea volver a analizar?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>%1&apos;s playlist</source>
        <translation>Lista de %1</translation>
    </message>
    <message>
        <source>Incorrect account / password or authentication error!(logining on the website may solve the authentication error)!</source>
        <translation>¡Cuenta o contraseña incorrecta, o error de autenticación! (Iniciar sesión en el sitio web puede resolver el error de autenticación.)</translation>
    </message>
    <message>
        <source>This video is private. If your account has authority to watch, please login.</source>
        <translation>Este vídeo es privado. Si su cuenta tiene permiso para verlo, inicie sesión.</translation>
    </message>
    <message>
        <source>This playlist is private. If your account has authority to watch, please login.</source>
        <translation>Esta lista es privada. Si su cuenta tiene permiso para verla, inicie sesión.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>There is an invalid url in the list.</source>
        <translation>Hay una URL no válida en la lista.</translation>
    </message>
    <message>
        <source>There are %1 invalid urls in the list.</source>
        <translation>Hay %1 URL no válidas en la lista.</translation>
    </message>
    <message>
        <source>The analyzed item is a live video.</source>
        <translation>El elemento analizado es un vídeo en directo.</translation>
    </message>
    <message>
        <source>The analysis result will change to video mode.</source>
        <translation>El resultado del análisis pasará al modo vídeo.</translation>
    </message>
    <message>
        <source>%1 &apos;s %2 watch later playlist</source>
        <translation>Ver más tarde (%2) de %1</translation>
    </message>
    <message>
        <source>%1&apos;s %2 watch later playlist</source>
        <translation>Ver más tarde (%2) de %1</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Consejos</translation>
    </message>
    <message>
        <source>No video/audio is selected. Would you like to continue to quit?</source>
        <translation>No hay vídeo ni audio seleccionado. ¿Desea salir de todos modos?</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>This video analyse failed,click &apos;analyse&apos; to redownload.</source>
        <translation>El análisis de este vídeo ha fallado. Haga clic en «Analizar» para volver a descargarlo.</translation>
    </message>
    <message>
        <source>This video has been downloaded before,but not found, clicked &apos;analyse&apos; to redownload.</source>
        <translation>Este vídeo ya se descargó, pero no se encuentra. Haga clic en «Analizar» para volver a descargarlo.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>Searching subtitle...</source>
        <translation>Buscando subtítulos...</translation>
    </message>
    <message>
        <source>/support/youtube-downloader-troubleshooting.html</source>
        <translation>/support/youtube-downloader-troubleshooting.html</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Paste URL &amp; Analyse</source>
        <translation>Pegar URL y analizar</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Suscribirse</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>VideoPlay</name>
    <message>
        <source>DVD playback error or media file is too short.</source>
        <translation>Error de reproducción del DVD o archivo multimedia demasiado corto.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>YoutubeAccount</name>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>YouTube Account</source>
        <translation>Cuenta de YouTube</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>Introduzca la contraseña</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>Recordar contraseña</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analizar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>YoutubePrivate</name>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>No válido</translation>
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
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Updating the URL analysis engine is needed if you want to download the latest videos from YouTube or other video sites. Please wait until the update finished.</source>
        <translation>Para descargar los vídeos más recientes de YouTube u otros sitios de vídeo, es necesario actualizar el motor de análisis de URL. Espere hasta que termine la actualización.</translation>
    </message>
    <message>
        <source>Program update is needed for the new downloader engine. Please click &quot;Update&quot; to download the newest version or you can click &quot;Continue&quot; to work with the current engine.</source>
        <translation>El nuevo motor de descarga requiere actualizar el programa. Haga clic en «Actualizar» para descargar la versión más reciente o en «Continuar» para seguir con el motor actual.</translation>
    </message>
</context>
<context>
    <name>checkUpdate</name>
    <message>
        <source>Checking for updates</source>
        <translation>Buscando actualizaciones</translation>
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
        <translation>Elegir formato de salida</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Hora de inicio:</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Hora actual</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duración:</translation>
    </message>
</context>
<context>
    <name>mediadlitemform</name>
    <message>
        <source>Select output format</source>
        <translation>Elegir formato de salida</translation>
    </message>
</context>
</TS>
