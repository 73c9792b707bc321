<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>Release Date: %1</source>
        <translation>Date de sortie : %1</translation>
    </message>
    <message>
        <source>For more information,</source>
        <translation>Pour plus d&apos;informations,</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quenmark. All rights reserved.</source>
        <translation>Copyright © 2026 Quenmark. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Envoyer un avis</translation>
    </message>
    <message>
        <source>Tarnwick is the strongest yet easy-to-use video processing software. It provides you ultimate solution to convert videos, audio and DVDs; edit, transcode, compress and adjust video files; download online media content; record screen and webcam.</source>
        <translation>Tarnwick est un logiciel vidéo à la fois puissant et simple d&apos;utilisation. Il vous offre une solution complète pour convertir vidéos, audio et DVD ; éditer, transcoder, compresser et ajuster des fichiers vidéo ; télécharger des contenus multimédias en ligne ; enregistrer l&apos;écran et la webcam.</translation>
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
        <translation>consultez : </translation>
    </message>
    <message>
        <source>No mail client found on this machine.</source>
        <translation>Aucun client de messagerie trouvé sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>AnalyseThread</name>
    <message>
        <source>Failed to analyze the input video link? Check possible causes and solutions &gt;</source>
        <translation>Échec de l&apos;analyse du lien vidéo ? Causes possibles et solutions &gt;</translation>
    </message>
</context>
<context>
    <name>CNorVideoDlItem</name>
    <message>
        <source>Start Recording</source>
        <translation>Démarrer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Order Recording</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Cancle order</source>
        <translation>Annuler la programmation</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Heure actuelle</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Convert to mp3</source>
        <translation>Convertir en mp3</translation>
    </message>
    <message>
        <source>Marbleton</source>
        <translation>Marbleton</translation>
    </message>
    <message>
        <source>Can&apos;t reserve download. Only 5 are allowed at one time.</source>
        <translation>Impossible de programmer le téléchargement. 5 au maximum à la fois.</translation>
    </message>
    <message>
        <source>can&apos;t start to download,Only 5 are allowed at the same time.</source>
        <translation>Impossible de démarrer le téléchargement. 5 au maximum à la fois.</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>Le fichier multimédia est en cours de téléchargement.</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>Voulez-vous vraiment arrêter le téléchargement en cours ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Waring</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Change track will loss current downloaded data.</source>
        <translation>Changer de piste fera perdre les données déjà téléchargées.</translation>
    </message>
    <message>
        <source>continue to change?</source>
        <translation>Changer quand même ?</translation>
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
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Input Account</source>
        <translation>Saisir le compte</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>error more than 20.</source>
        <translation>Plus de 20 erreurs.</translation>
    </message>
</context>
<context>
    <name>CUxDlTrackItem</name>
    <message>
        <source>Format: %1</source>
        <translation>Format : %1</translation>
    </message>
    <message>
        <source>Resolution: %1</source>
        <translation>Résolution : %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Taille : %1</translation>
    </message>
</context>
<context>
    <name>CUxDlTracksListBox</name>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>Le nombre maximal de pistes est dépassé !</translation>
    </message>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>Choisissez au moins une piste !</translation>
    </message>
</context>
<context>
    <name>CUxSpecialBtn</name>
    <message>
        <source>Sign out</source>
        <translation>Se déconnecter</translation>
    </message>
</context>
<context>
    <name>CUxSubStreamTrackItem</name>
    <message>
        <source>Track</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Intégré</translation>
    </message>
    <message>
        <source>The built-in subtitle is fully loaded!</source>
        <translation>Nombre maximal de sous-titres intégrés atteint !</translation>
    </message>
    <message>
        <source>External subtitle is fully loaded!</source>
        <translation>Nombre maximal de sous-titres externes atteint !</translation>
    </message>
    <message>
        <source>External picture subtitle is not supported!</source>
        <translation>Les sous-titres image externes ne sont pas pris en charge !</translation>
    </message>
</context>
<context>
    <name>CUxSubscribeDialog</name>
    <message>
        <source>Subscribe Urls</source>
        <translation>S&apos;abonner à des URL</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyser</translation>
    </message>
</context>
<context>
    <name>CUxTimeEdit</name>
    <message>
        <source>Current Time</source>
        <translation>Heure actuelle</translation>
    </message>
</context>
<context>
    <name>CUxTracksListBox</name>
    <message>
        <source>Must choose at lest one track!</source>
        <translation>Choisissez au moins une piste !</translation>
    </message>
    <message>
        <source>The chosen track has been beyond the number limit!</source>
        <translation>Le nombre maximal de pistes est dépassé !</translation>
    </message>
    <message>
        <source>The chosen embedded subtitle has been beyond the number limit!</source>
        <translation>Le nombre maximal de sous-titres intégrés est dépassé !</translation>
    </message>
    <message>
        <source>The chosen external subtitle has been beyond the number limit!</source>
        <translation>Le nombre maximal de sous-titres externes est dépassé !</translation>
    </message>
    <message>
        <source>Can not choose an unknown track!</source>
        <translation>Impossible de choisir une piste inconnue !</translation>
    </message>
    <message>
        <source>Not support the external picture subtitle!</source>
        <translation>Sous-titres image externes non pris en charge !</translation>
    </message>
    <message>
        <source>Cannot switch to unselected item!</source>
        <translation>Impossible de passer à un élément non sélectionné !</translation>
    </message>
</context>
<context>
    <name>CUxUpdate</name>
    <message>
        <source>Canceling check update</source>
        <translation>Annulation de la recherche de mises à jour</translation>
    </message>
    <message>
        <source>Check failed!</source>
        <translation>Échec de la vérification !</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Mettre à jour</translation>
    </message>
</context>
<context>
    <name>CYtbFirstLevelItem</name>
    <message>
        <source>[PRIVATE]</source>
        <translation>[PRIVÉ]</translation>
    </message>
    <message>
        <source>[INVALID]</source>
        <translation>[NON VALIDE]</translation>
    </message>
</context>
<context>
    <name>CYtbSecVideoLinkItem</name>
    <message>
        <source>loading...</source>
        <translation>chargement...</translation>
    </message>
</context>
<context>
    <name>CYtbVideoInfoItem</name>
    <message>
        <source>Quality: %1 (%2)</source>
        <translation>Qualité : %1 (%2)</translation>
    </message>
    <message>
        <source>Quality: %1</source>
        <translation>Qualité : %1</translation>
    </message>
    <message>
        <source>Extention: %1</source>
        <translation>Extension : %1</translation>
    </message>
    <message>
        <source>Frame Rate: %1</source>
        <translation>Fréquence d&apos;images : %1</translation>
    </message>
    <message>
        <source>Bit Rate: %1</source>
        <translation>Débit : %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Taille : %1</translation>
    </message>
</context>
<context>
    <name>DownloaderForm</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Add Url</source>
        <translation>Ajouter URL</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Clean Succeed</source>
        <translation>Liste vidée</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>Ma playlist YouTube</translation>
    </message>
    <message>
        <source>Supported online video websites</source>
        <translation>Sites vidéo pris en charge</translation>
    </message>
    <message>
        <source>Step 1. Click </source>
        <translation>Étape 1. Cliquez sur </translation>
    </message>
    <message>
        <source>to add Video by url.</source>
        <translation>pour ajouter une vidéo par URL.</translation>
    </message>
    <message>
        <source>Step2.Check and make setting for the added video files.</source>
        <translation>Étape 2. Vérifiez et réglez les vidéos ajoutées.</translation>
    </message>
    <message>
        <source>Additional Tools:</source>
        <translation>Autres outils :</translation>
    </message>
    <message>
        <source>Marbleto:</source>
        <translation>Marbleto:</translation>
    </message>
    <message>
        <source>Convert and process your video to mp3.</source>
        <translation>Convertissez et traitez vos vidéos en mp3.</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Drovik:</source>
        <translation>Drovik:</translation>
    </message>
    <message>
        <source>Transfor video &amp; Music betweren computer and iPhone.</source>
        <translation>Transférez vidéos &amp; musique entre ordinateur et iPhone.</translation>
    </message>
    <message>
        <source>For private,Watch Later list</source>
        <translation>Pour les listes privées et À regarder plus tard</translation>
    </message>
    <message>
        <source>My YouTube Account</source>
        <translation>Mon compte YouTube</translation>
    </message>
    <message>
        <source>Log in to download</source>
        <translation>Connectez-vous pour télécharger</translation>
    </message>
    <message>
        <source>Subscribe Urls</source>
        <translation>S&apos;abonner à des URL</translation>
    </message>
    <message>
        <source>Output Folder: </source>
        <translation>Dossier de sortie : </translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>600+website</source>
        <translation>600+ sites</translation>
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
        <translation>Retour à l&apos;accueil</translation>
    </message>
    <message>
        <source>Add video</source>
        <translation>Ajouter une vidéo</translation>
    </message>
    <message>
        <source>Clean all</source>
        <translation>Tout vider</translation>
    </message>
    <message>
        <source>Clean succeeded</source>
        <translation>Liste vidée</translation>
    </message>
    <message>
        <source>Check for Upgrade</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Info!</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>There is no files available to download.</source>
        <translation>Aucun fichier à télécharger.</translation>
    </message>
    <message>
        <source>you can click the button &apos;Add&apos; to add some files.</source>
        <translation>Cliquez sur le bouton « Ajouter » pour ajouter des fichiers.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The media file is being downloaded.</source>
        <translation>Le fichier multimédia est en cours de téléchargement.</translation>
    </message>
    <message>
        <source>Do you really want to end the current download?</source>
        <translation>Voulez-vous vraiment arrêter le téléchargement en cours ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Do you still want to end the download and clear the list?</source>
        <translation>Voulez-vous quand même arrêter le téléchargement et vider la liste ?</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>Échec du téléchargement des fichiers suivants</translation>
    </message>
    <message>
        <source>Something wrong with the download line, it may be the network problem or the chosen media track was no longer existed on website. Please check and try it one more time.</source>
        <translation>Un problème est survenu pendant le téléchargement : problème de réseau, ou la piste choisie n&apos;existe plus sur le site. Vérifiez et réessayez.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>There&apos;re more than %1 downloading tasks!</source>
        <translation>Plus de %1 téléchargements en cours !</translation>
    </message>
    <message>
        <source>We will try add as many tasks as possible, or clear the completed tasks and then add new ones.</source>
        <translation>Nous ajouterons autant de tâches que possible ; vous pouvez aussi retirer les tâches terminées puis en ajouter de nouvelles.</translation>
    </message>
    <message>
        <source>Clean Completed And Add</source>
        <translation>Retirer les terminées et ajouter</translation>
    </message>
    <message>
        <source>Add directly</source>
        <translation>Ajouter directement</translation>
    </message>
    <message>
        <source>Connections Conflicted</source>
        <translation>Conflit de liens</translation>
    </message>
    <message>
        <source>You can only choose to add live connections file or non live connections.</source>
        <translation>Vous ne pouvez ajouter que des liens en direct ou que des liens normaux.</translation>
    </message>
    <message>
        <source>which one would you want to add?</source>
        <translation>Lesquels voulez-vous ajouter ?</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En direct</translation>
    </message>
    <message>
        <source>Non Live</source>
        <translation>Normaux</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>This video was not successfully loaded.</source>
        <translation>Cette vidéo n&apos;a pas pu être chargée.</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error!</source>
        <translation>Erreur !</translation>
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
        <translation>Astuce :</translation>
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
        <translation>Tarnwick n&apos;a pas fonctionné correctement. Les fichiers ci-dessous contiennent les informations sur l&apos;erreur. Veuillez les envoyer à notre équipe d&apos;assistance. Votre aide nous permet d&apos;améliorer notre produit. Merci !</translation>
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
        <translation>1. Veuillez envoyer les fichiers à </translation>
    </message>
    <message>
        <source>2. You can push the button &amp;quot;Open Mailbox&amp;quot; to open your mail client on this computer, if you don&apos;t have a mail client, please send the files manually.</source>
        <translation>2. Le bouton « Ouvrir la messagerie » ouvre le client de messagerie de cet ordinateur. Si vous n&apos;en avez pas, envoyez les fichiers manuellement.</translation>
    </message>
    <message>
        <source>Tips: please add attachment %1%2%3to us.</source>
        <translation>Astuce : veuillez joindre %1%2%3à votre message.</translation>
    </message>
    <message>
        <source>Program didn&apos;t work properly</source>
        <translation>Le programme n&apos;a pas fonctionné correctement</translation>
    </message>
</context>
<context>
    <name>FileListDialog</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Failed to download the files below</source>
        <translation>Échec du téléchargement des fichiers suivants</translation>
    </message>
    <message>
        <source>Encrypted video can&apos;t be converted, but you can still convert other videos.</source>
        <translation>Les vidéos chiffrées ne peuvent pas être converties, mais les autres vidéos peuvent l&apos;être.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
</context>
<context>
    <name>LoadingWidget</name>
    <message>
        <source>Stop
Analyzing</source>
        <translation>Arrêter
l&apos;analyse</translation>
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
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Vérifier les mises à jour</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>Changement de langue</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>Le programme redémarrera après le changement de langue. Pour confirmer, cliquez sur « Continuer ».</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
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
        <source>%1/help.html</source>
        <translation>%1/help.html</translation>
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
        <translation>Formulaire</translation>
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
        <translation>Format de fichier :</translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation>Codec vidéo :</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Résolution :</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Fréquence d&apos;images :</translation>
    </message>
    <message>
        <source>Same as Source</source>
        <translation>Identique à la source</translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation>Codec audio :</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Échantillonnage :</translation>
    </message>
    <message>
        <source>Audio BitRate:</source>
        <translation>Débit audio :</translation>
    </message>
    <message>
        <source>Highest Resolution</source>
        <translation>Résolution maximale</translation>
    </message>
</context>
<context>
    <name>SettingDialog_Downloader</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Changing Language</source>
        <translation>Changement de langue</translation>
    </message>
    <message>
        <source>Program will restart after changing language, If you are sure to change, please click &quot;Continue&quot; button.</source>
        <translation>Le programme redémarrera après le changement de langue. Pour confirmer, cliquez sur « Continuer ».</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
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
        <source>Select Output Directory</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
</context>
<context>
    <name>SettingPage_Downloader</name>
    <message>
        <source>language:   </source>
        <translation>Langue :   </translation>
    </message>
    <message>
        <source>Open the output folder when the job is completed.</source>
        <translation>Ouvrir le dossier de sortie à la fin de la tâche.</translation>
    </message>
    <message>
        <source>Shut down computer when the job is completed.</source>
        <translation>Éteindre l&apos;ordinateur à la fin de la tâche.</translation>
    </message>
    <message>
        <source>Notify me when new version is available.</source>
        <translation>M&apos;avertir quand une nouvelle version est disponible.</translation>
    </message>
    <message>
        <source>Analyse items which are once donwloaded in subscribe list</source>
        <translation>Analyser les éléments téléchargés une fois dans les abonnements</translation>
    </message>
    <message>
        <source>Analyse items which are already donwloaded in subscribe list</source>
        <translation>Analyser les éléments déjà téléchargés dans les abonnements</translation>
    </message>
    <message>
        <source>Output Folder:   </source>
        <translation>Dossier de sortie :   </translation>
    </message>
    <message>
        <source>Default Movie Format:   </source>
        <translation>Format par défaut :   </translation>
    </message>
    <message>
        <source>Default Resolution:   </source>
        <translation>Résolution par défaut :   </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Proxy Server:</source>
        <translation>Serveur proxy :</translation>
    </message>
    <message>
        <source>Proxy Port:</source>
        <translation>Port proxy :</translation>
    </message>
    <message>
        <source>Enable Proxy</source>
        <translation>Activer le proxy</translation>
    </message>
</context>
<context>
    <name>UrlAnalyserDialog</name>
    <message>
        <source>Video URL: </source>
        <translation>URL de la vidéo : </translation>
    </message>
    <message>
        <source>My watch later playlist</source>
        <translation>Ma liste À regarder plus tard</translation>
    </message>
    <message>
        <source>My YouTube playlist</source>
        <translation>Ma playlist YouTube</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>Download the playlist if the URL refers to a video and a playlist</source>
        <translation>Télécharger la playlist si l&apos;URL désigne une vidéo et une playlist</translation>
    </message>
    <message>
        <source>Step 1. Open browser to get the video URL.</source>
        <translation>Étape 1. Copiez l&apos;URL de la vidéo dans le navigateur.</translation>
    </message>
    <message>
        <source>Step 2. Click Paste URL &amp; Analyze button.</source>
        <translation>Étape 2. Cliquez sur « Coller l&apos;URL &amp; analyser ».</translation>
    </message>
    <message>
        <source>Step 3. Choose output resolution and format,then hit &quot;Download&quot;.</source>
        <translation>Étape 3. Choisissez la résolution et le format, puis cliquez sur « Télécharger ».</translation>
    </message>
    <message>
        <source>My Social Media Account</source>
        <translation>Mon compte de réseau social</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>TIP:If your input is a live video, you can continue to set Start Time,Duration and record.</source>
        <translation>ASTUCE : pour une vidéo en direct, vous pouvez ensuite définir l&apos;heure de début et la durée, puis enregistrer.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Audio Language:</source>
        <translation>Langue audio :</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source> Searching subtitle...</source>
        <translation> Recherche de sous-titres...</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Sous-titres :</translation>
    </message>
    <message>
        <source>Cannot find any subtitle.</source>
        <translation>Aucun sous-titre trouvé.</translation>
    </message>
    <message>
        <source>This video has been downloaded,you can open folder to find the video or analyse to redownload.</source>
        <translation>Cette vidéo a déjà été téléchargée : ouvrez le dossier pour la retrouver ou analysez-la pour la télécharger à nouveau.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>not get media data.</source>
        <translation>Aucune donnée multimédia obtenue.</translation>
    </message>
    <message>
        <source>This video link is being analyzed.</source>
        <translation>Ce lien vidéo est en cours d&apos;analyse.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Download Full Playlist</source>
        <translation>Télécharger toute la playlist</translation>
    </message>
    <message>
        <source>there is invaild url</source>
        <translation>URL non valide détectée</translation>
    </message>
    <message>
        <source>Apply Change to All</source>
        <translation>Appliquer à tout</translation>
    </message>
    <message>
        <source>Download Selected Videoes</source>
        <translation>Télécharger la sélection</translation>
    </message>
    <message>
        <source>No subtitle</source>
        <translation>Aucun sous-titre</translation>
    </message>
    <message>
        <source>Download Selected Videos</source>
        <translation>Télécharger les vidéos choisies</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Arrêt en cours</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initialisation</translation>
    </message>
    <message>
        <source>Analysis Failed</source>
        <translation>Échec de l&apos;analyse</translation>
    </message>
    <message>
        <source>Would you like to analyze again?</source>
        <translation>Voulez-vous relancer l&apos;analyse ?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>%1&apos;s playlist</source>
        <translation>Playlist de %1</translation>
    </message>
    <message>
        <source>Incorrect account / password or authentication error!(logining on the website may solve the authentication error)!</source>
        <translation>Compte ou mot de passe incorrect, ou erreur d&apos;authentification ! (Se connecter sur le site peut résoudre l&apos;erreur d&apos;authentification.)</translation>
    </message>
    <message>
        <source>This video is private. If your account has authority to watch, please login.</source>
        <translation>Cette vidéo est privée. Si votre compte est autorisé à la regarder, veuillez vous connecter.</translation>
    </message>
    <message>
        <source>This playlist is private. If your account has authority to watch, please login.</source>
        <translation>Cette playlist est privée. Si votre compte est autorisé à la regarder, veuillez vous connecter.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>There is an invalid url in the list.</source>
        <translation>La liste contient une URL non valide.</translation>
    </message>
    <message>
        <source>There are %1 invalid urls in the list.</source>
        <translation>La liste contient %1 URL non valides.</translation>
    </message>
    <message>
        <source>The analyzed item is a live video.</source>
        <translation>L&apos;élément analysé est une vidéo en direct.</translation>
    </message>
    <message>
        <source>The analysis result will change to video mode.</source>
        <translation>Le résultat de l&apos;analyse passera en mode vidéo.</translation>
    </message>
    <message>
        <source>%1 &apos;s %2 watch later playlist</source>
        <translation>À regarder plus tard (%2) de %1</translation>
    </message>
    <message>
        <source>%1&apos;s %2 watch later playlist</source>
        <translation>À regarder plus tard (%2) de %1</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Astuces</translation>
    </message>
    <message>
        <source>No video/audio is selected. Would you like to continue to quit?</source>
        <translation>Aucune vidéo ni piste audio sélectionnée. Voulez-vous quand même quitter ?</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>This video analyse failed,click &apos;analyse&apos; to redownload.</source>
        <translation>L&apos;analyse de cette vidéo a échoué. Cliquez sur « Analyser » pour la télécharger à nouveau.</translation>
    </message>
    <message>
        <source>This video has been downloaded before,but not found, clicked &apos;analyse&apos; to redownload.</source>
        <translation>Cette vidéo a déjà été téléchargée mais est introuvable. Cliquez sur « Analyser » pour la télécharger à nouveau.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Searching subtitle...</source>
        <translation>Recherche de sous-titres...</translation>
    </message>
    <message>
        <source>/support/youtube-downloader-troubleshooting.html</source>
        <translation>/support/youtube-downloader-troubleshooting.html</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Paste URL &amp; Analyse</source>
        <translation>Coller l&apos;URL &amp; analyser</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>S&apos;abonner</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>VideoPlay</name>
    <message>
        <source>DVD playback error or media file is too short.</source>
        <translation>Erreur de lecture du DVD ou fichier multimédia trop court.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>YoutubeAccount</name>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>YouTube Account</source>
        <translation>Compte YouTube</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>Mémoriser le mot de passe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analyser</translation>
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
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Non valide</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
</context>
<context>
    <name>YtbUpgradeDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Updating the URL analysis engine is needed if you want to download the latest videos from YouTube or other video sites. Please wait until the update finished.</source>
        <translation>Pour télécharger les dernières vidéos de YouTube ou d&apos;autres sites vidéo, le moteur d&apos;analyse d&apos;URL doit être mis à jour. Veuillez patienter jusqu&apos;à la fin de la mise à jour.</translation>
    </message>
    <message>
        <source>Program update is needed for the new downloader engine. Please click &quot;Update&quot; to download the newest version or you can click &quot;Continue&quot; to work with the current engine.</source>
        <translation>Le nouveau moteur de téléchargement nécessite une mise à jour du programme. Cliquez sur « Mettre à jour » pour télécharger la dernière version ou sur « Continuer » pour garder le moteur actuel.</translation>
    </message>
</context>
<context>
    <name>checkUpdate</name>
    <message>
        <source>Checking for updates</source>
        <translation>Recherche de mises à jour</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>livevideoform</name>
    <message>
        <source>Select output format</source>
        <translation>Choisir le format de sortie</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Heure de début :</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Heure actuelle</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durée :</translation>
    </message>
</context>
<context>
    <name>mediadlitemform</name>
    <message>
        <source>Select output format</source>
        <translation>Choisir le format de sortie</translation>
    </message>
</context>
</TS>
