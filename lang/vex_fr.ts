<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>NumberMaskUtils</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icône du programme</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>TChangeover</name>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>the whole description</source>
        <translation>la description entière</translation>
    </message>
    <message>
        <source>the printer described another image</source>
        <translation>l&apos;imprimante a décrit une autre image</translation>
    </message>
    <message>
        <source>the printer&apos;s description goes on in a way the station does not read</source>
        <translation>la description de l&apos;imprimante continue d&apos;une manière que la station ne lit pas</translation>
    </message>
    <message>
        <source>the printer describes more rows than an image can have</source>
        <translation>l&apos;imprimante décrit plus de lignes qu&apos;une image ne peut en avoir</translation>
    </message>
    <message>
        <source>item %1: expected %2, found %3</source>
        <translation>élément %1 : attendu %2, trouvé %3</translation>
    </message>
    <message>
        <source>No printer is selected.</source>
        <translation>Aucune imprimante n&apos;est sélectionnée.</translation>
    </message>
    <message>
        <source>The job is not for printer %1 (%2): it is for %3.</source>
        <translation>Le travail n&apos;est pas prévu pour l&apos;imprimante %1 (%2) : il est prévu pour %3.</translation>
    </message>
    <message>
        <source>models %1</source>
        <translation>les modèles %1</translation>
    </message>
    <message>
        <source>printers named %1</source>
        <translation>les imprimantes nommées %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Printer %1 is printing: stop it before a changeover.</source>
        <translation>L&apos;imprimante %1 imprime : arrêtez-la avant un changement de production.</translation>
    </message>
    <message>
        <source>A transfer of images is under way: wait until it has ended.</source>
        <translation>Un transfert d&apos;images est en cours : attendez qu&apos;il soit terminé.</translation>
    </message>
    <message>
        <source>The design file now holds image %1, not %2: read the job again.</source>
        <translation>Le fichier de conception contient maintenant l&apos;image %1, et non %2 : relisez le travail.</translation>
    </message>
    <message>
        <source>The job has no entry named %1.</source>
        <translation>Le travail n&apos;a pas de saisie nommée %1.</translation>
    </message>
    <message>
        <source>the printer does not hold it</source>
        <translation>l&apos;imprimante ne la contient pas</translation>
    </message>
    <message>
        <source>The image was not sent: %1</source>
        <translation>L&apos;image n&apos;a pas été envoyée : %1</translation>
    </message>
    <message>
        <source>The printer could not write its memory after the image was sent.</source>
        <translation>L&apos;imprimante n&apos;a pas pu écrire sa mémoire après l&apos;envoi de l&apos;image.</translation>
    </message>
    <message>
        <source>The printer does not show the image it was sent: %1</source>
        <translation>L&apos;imprimante ne montre pas l&apos;image qui lui a été envoyée : %1</translation>
    </message>
    <message>
        <source>The printer went away.</source>
        <translation>L&apos;imprimante n&apos;est plus connectée.</translation>
    </message>
    <message>
        <source>Another printer was selected.</source>
        <translation>Une autre imprimante a été sélectionnée.</translation>
    </message>
</context>
<context>
    <name>TChangeoverForm</name>
    <message>
        <source>Changeover</source>
        <translation>Changement de production</translation>
    </message>
    <message>
        <source>Product code:</source>
        <translation>Code produit :</translation>
    </message>
    <message>
        <source>Scan the product&apos;s barcode, or type its code and press Enter</source>
        <translation>Scannez le code-barres du produit, ou tapez son code et appuyez sur Entrée</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>Travail :</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Image :</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Saisies</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Label picture</source>
        <translation>Image de l&apos;étiquette</translation>
    </message>
    <message>
        <source>Zoom with the mouse wheel or +, - and 0; drag to move</source>
        <translation>Zoomez avec la molette ou +, - et 0 ; faites glisser pour déplacer</translation>
    </message>
    <message>
        <source>Barcodes read back</source>
        <translation>Codes-barres relus</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Écarts</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendu</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trouvé</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Choose a job</source>
        <translation>Choisir un travail</translation>
    </message>
    <message>
        <source>Scan the product&apos;s barcode, or choose its job.</source>
        <translation>Scannez le code-barres du produit, ou choisissez son travail.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (refused)</source>
        <translation>%1 (refusé)</translation>
    </message>
    <message>
        <source>There are no job files in %1.</source>
        <translation>Il n&apos;y a pas de fichiers de travail dans %1.</translation>
    </message>
    <message>
        <source>%1 from %2, for %3</source>
        <translation>%1 de %2, pour %3</translation>
    </message>
    <message>
        <source>Press Check: the station checks the printer against the job.</source>
        <translation>Appuyez sur Vérifier : la station vérifie l&apos;imprimante par rapport au travail.</translation>
    </message>
    <message>
        <source>Fill in the entries, then press Check.</source>
        <translation>Remplissez les saisies, puis appuyez sur Vérifier.</translation>
    </message>
    <message>
        <source>Comparing the printer&apos;s image %1 with the job&apos;s...</source>
        <translation>Comparaison de l&apos;image %1 de l&apos;imprimante avec celle du travail...</translation>
    </message>
    <message>
        <source>Sending the image %1 to the printer...</source>
        <translation>Envoi de l&apos;image %1 à l&apos;imprimante...</translation>
    </message>
    <message>
        <source>Reading the printer&apos;s items...</source>
        <translation>Lecture des éléments de l&apos;imprimante...</translation>
    </message>
    <message>
        <source>Reading the items back from the printer...</source>
        <translation>Relecture des éléments depuis l&apos;imprimante...</translation>
    </message>
    <message>
        <source>Every item matches the job: press Start to print.</source>
        <translation>Tous les éléments correspondent au travail : appuyez sur Démarrer pour imprimer.</translation>
    </message>
    <message>
        <source>Items differ from the job (%1): Start is blocked. Correct the entries and check again, or cancel.</source>
        <translation>Des éléments diffèrent du travail (%1) : Démarrer est bloqué. Corrigez les saisies et vérifiez à nouveau, ou annulez.</translation>
    </message>
    <message>
        <source>Reading the items once more before printing...</source>
        <translation>Relecture des éléments avant l&apos;impression...</translation>
    </message>
    <message>
        <source>Starting the printer...</source>
        <translation>Démarrage de l&apos;imprimante...</translation>
    </message>
    <message>
        <source>Printing %1 for %2 (%3).</source>
        <translation>Impression de %1 pour %2 (%3).</translation>
    </message>
    <message>
        <source>The changeover was cancelled.</source>
        <translation>Le changement de production a été annulé.</translation>
    </message>
    <message>
        <source>The label with the values the printer holds:</source>
        <translation>L&apos;étiquette avec les valeurs que contient l&apos;imprimante :</translation>
    </message>
    <message>
        <source>The label as its design file gives it:</source>
        <translation>L&apos;étiquette telle que la donne son fichier de conception :</translation>
    </message>
    <message>
        <source>Item %1 (%2): %3 %4</source>
        <translation>Élément %1 (%2) : %3 %4</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TBrokerSettings</name>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 doit être un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>MQTT_BROKER is not a broker&apos;s address such as mqtt://HOST:PORT or mqtts://HOST:PORT.</source>
        <translation>MQTT_BROKER n&apos;est pas une adresse de broker telle que mqtt://HOST:PORT ou mqtts://HOST:PORT.</translation>
    </message>
    <message>
        <source>%1 names a file that cannot be read: %2</source>
        <translation>%1 désigne un fichier illisible : %2</translation>
    </message>
    <message>
        <source>MQTT_CERT_FILE and MQTT_KEY_FILE go together: set both or neither.</source>
        <translation>MQTT_CERT_FILE et MQTT_KEY_FILE vont ensemble : définissez les deux ou aucun.</translation>
    </message>
    <message>
        <source>TLS files are set, but MQTT_BROKER is not an mqtts:// address: the password would go unencrypted.</source>
        <translation>Des fichiers TLS sont définis, mais MQTT_BROKER n&apos;est pas une adresse mqtts:// : le mot de passe passerait en clair.</translation>
    </message>
    <message>
        <source>MQTT_PASSWORD is set without MQTT_USERNAME.</source>
        <translation>MQTT_PASSWORD est défini sans MQTT_USERNAME.</translation>
    </message>
    <message>
        <source>STATION_NAME is longer than %1 letters.</source>
        <translation>STATION_NAME dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>REMOTE_TRANSFER_DIRECTORY is not a folder: %1</source>
        <translation>REMOTE_TRANSFER_DIRECTORY n&apos;est pas un dossier : %1</translation>
    </message>
</context>
<context>
    <name>TCoder</name>
    <message>
        <source>%1 Bytes.</source>
        <translation>%1 octets.</translation>
    </message>
    <message>
        <source>%1 - PRINT CYCLE TIMEOUT!</source>
        <translation>%1 - DÉPASSEMENT DU TEMPS DE CYCLE D&apos;IMPRESSION&#xa0;!</translation>
    </message>
    <message>
        <source>%1 - PRINTHEAD POSITIONING ERROR!</source>
        <translation>%1 - ERREUR DE POSITIONNEMENT DE LA TÊTE D&apos;IMPRESSION&#xa0;!</translation>
    </message>
    <message>
        <source>MEMORY WRITE ERROR!</source>
        <translation>ERREUR D&apos;ÉCRITURE EN MÉMOIRE&#xa0;!</translation>
    </message>
    <message>
        <source>%1 - RIBBON FAULT!</source>
        <translation>%1 - DÉFAUT DU RUBAN&#xa0;!</translation>
    </message>
    <message>
        <source>Unknown Printer</source>
        <translation>Imprimante inconnue</translation>
    </message>
    <message>
        <source>%1 - REPORT TOO LARGE, REFUSED!</source>
        <translation>%1 - RAPPORT TROP VOLUMINEUX, REFUSÉ&#xa0;!</translation>
    </message>
</context>
<context>
    <name>TConnectionManager</name>
    <message>
        <source>%1 MANUALLY DISCONNECTED!</source>
        <translation>%1&#xa0;: DÉCONNEXION MANUELLE&#xa0;!</translation>
    </message>
    <message>
        <source>%1 - CONNECTION LOST!</source>
        <translation>%1 - CONNEXION PERDUE&#xa0;!</translation>
    </message>
</context>
<context>
    <name>TConnectionsForm</name>
    <message>
        <source>Connections</source>
        <translation>Connexions</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Imprimantes</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>printer, state</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>not printing, no ink</source>
        <translation>n&apos;imprime pas, pas d&apos;encre</translation>
    </message>
    <message>
        <source>not printing, ink</source>
        <translation>n&apos;imprime pas, encre</translation>
    </message>
    <message>
        <source>printing, no ink</source>
        <translation>imprime, pas d&apos;encre</translation>
    </message>
    <message>
        <source>printing, ink</source>
        <translation>imprime, encre</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non connectée</translation>
    </message>
    <message>
        <source>No Ethernet Connection</source>
        <translation>Pas de connexion Ethernet</translation>
    </message>
    <message>
        <source>reconnecting since %1</source>
        <translation>reconnexion depuis %1</translation>
    </message>
</context>
<context>
    <name>TCustomNumberEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
</context>
<context>
    <name>TDateTimeForm</name>
    <message>
        <source>Set Date and Time</source>
        <translation>Régler la date et l&apos;heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Use PC time</source>
        <translation>Heure du PC</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Argument non valide pour le codage de la date</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Argument non valide pour le codage de l&apos;heure</translation>
    </message>
</context>
<context>
    <name>TElidingLabel</name>
    <message>
        <source>%1: %2</source>
        <comment>caption, value</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TFlashWriteForm</name>
    <message>
        <source>Writing to flash, please wait.</source>
        <translation>Écriture en mémoire flash, veuillez patienter.</translation>
    </message>
</context>
<context>
    <name>THistoryForm</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Imprimante&#xa0;:</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Événement&#xa0;:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du&#xa0;:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au&#xa0;:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Events, newest first</source>
        <translation>Événements, les plus récents d&apos;abord</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>All printers</source>
        <translation>Toutes les imprimantes</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Tous les événements</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>L&apos;historique ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Exporting the history...</source>
        <translation>Exportation de l&apos;historique...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>L&apos;exportation a été annulée.</translation>
    </message>
    <message>
        <source>%1 rows exported to %2.</source>
        <translation>%1 lignes exportées vers %2.</translation>
    </message>
</context>
<context>
    <name>THistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
</context>
<context>
    <name>THistoryStore</name>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>le fichier est endommagé</translation>
    </message>
    <message>
        <source>the file is locked by another program</source>
        <translation>le fichier est verrouillé par un autre programme</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the file was written by a newer version of the station</source>
        <translation>le fichier a été écrit par une version plus récente de la station</translation>
    </message>
    <message>
        <source>the database reports an error</source>
        <translation>la base de données signale une erreur</translation>
    </message>
    <message>
        <source>The history cannot be written to %1: %2. The station goes on working and records the gap once it can write again.</source>
        <translation>L&apos;historique ne peut pas être écrit dans %1&#xa0;: %2. La station continue de fonctionner et consignera la lacune dès qu&apos;elle pourra écrire à nouveau.</translation>
    </message>
</context>
<context>
    <name>TImageDeleteDlg</name>
    <message>
        <source>Delete Images</source>
        <translation>Supprimer des images</translation>
    </message>
    <message>
        <source>Source list:</source>
        <translation>Images de l&apos;imprimante&#xa0;:</translation>
    </message>
    <message>
        <source>Add the selected images</source>
        <translation>Ajouter les images sélectionnées</translation>
    </message>
    <message>
        <source>Add all images</source>
        <translation>Ajouter toutes les images</translation>
    </message>
    <message>
        <source>Remove the selected images</source>
        <translation>Retirer les images sélectionnées</translation>
    </message>
    <message>
        <source>Remove all images</source>
        <translation>Retirer toutes les images</translation>
    </message>
    <message>
        <source>Images to delete:</source>
        <translation>Images à supprimer&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TImageDownloadForm</name>
    <message>
        <source>Image transfer</source>
        <translation>Transfert d&apos;image</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Image&#xa0;:</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Progression du transfert</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>IMAGE %1 EXISTS, OVERWRITE?</source>
        <translation>L&apos;IMAGE %1 EXISTE DÉJÀ, L&apos;ÉCRASER&#xa0;?</translation>
    </message>
    <message>
        <source>INVALID FILE TYPE, TRANSFER OF IMAGE ABORTED</source>
        <translation>TYPE DE FICHIER NON VALIDE, TRANSFERT DE L&apos;IMAGE ANNULÉ</translation>
    </message>
    <message>
        <source>IMAGE %1 CONTAINS INVALID ITEM TYPE, TRANSFER OF IMAGE ABORTED</source>
        <translation>L&apos;IMAGE %1 CONTIENT UN TYPE D&apos;ÉLÉMENT NON VALIDE, TRANSFERT DE L&apos;IMAGE ANNULÉ</translation>
    </message>
    <message>
        <source>FILE %1 IS DAMAGED OR INCOMPLETE, TRANSFER OF IMAGE ABORTED</source>
        <translation>LE FICHIER %1 EST ENDOMMAGÉ OU INCOMPLET, TRANSFERT DE L&apos;IMAGE ANNULÉ</translation>
    </message>
    <message>
        <source>FILE %1 CANNOT BE OPENED (%2), TRANSFER OF IMAGE ABORTED</source>
        <translation>IMPOSSIBLE D&apos;OUVRIR LE FICHIER %1 (%2), TRANSFERT DE L&apos;IMAGE ANNULÉ</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): &apos;%4&apos; IS NOT A VALID NUMBER, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1, ÉLÉMENT %2 (%3)&#xa0;: «&#xa0;%4&#xa0;» N&apos;EST PAS UN NOMBRE VALIDE, TRANSFERT DE L&apos;IMAGE ANNULÉ</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): BARCODE CANNOT BE ENCODED, %4, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1, ÉLÉMENT %2 (%3)&#xa0;: CODE-BARRES IMPOSSIBLE À CODER, %4, TRANSFERT DE L&apos;IMAGE ANNULÉ</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): GRAPHIC OF %4 PIXELS IS LARGER THAN 65535 X 65535, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1, ÉLÉMENT %2 (%3)&#xa0;: GRAPHIQUE DE %4 PIXELS PLUS GRAND QUE 65535 X 65535, TRANSFERT DE L&apos;IMAGE ANNULÉ</translation>
    </message>
    <message>
        <source>IMAGE %1 HAS %2 ITEMS, MORE THAN 255, TRANSFER OF IMAGE ABORTED</source>
        <translation>L&apos;IMAGE %1 A %2 ÉLÉMENTS, PLUS DE 255, TRANSFERT DE L&apos;IMAGE ANNULÉ</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): %4 CONTAINS A ZERO BYTE, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1, ÉLÉMENT %2 (%3)&#xa0;: %4 CONTIENT UN OCTET NUL, TRANSFERT DE L&apos;IMAGE ANNULÉ</translation>
    </message>
    <message>
        <source>IMAGE %1: %2 CONTAINS A ZERO BYTE, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1&#xa0;: %2 CONTIENT UN OCTET NUL, TRANSFERT DE L&apos;IMAGE ANNULÉ</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): DATA HAS %4 CHARACTERS, MORE THAN 255, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1, ÉLÉMENT %2 (%3)&#xa0;: LES DONNÉES ONT %4 CARACTÈRES, PLUS DE 255, TRANSFERT DE L&apos;IMAGE ANNULÉ</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): BARCODE HAS %4 ELEMENTS, MORE THAN 255, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1, ÉLÉMENT %2 (%3)&#xa0;: LE CODE-BARRES A %4 CHAMPS, PLUS DE 255, TRANSFERT DE L&apos;IMAGE ANNULÉ</translation>
    </message>
    <message>
        <source>ElementText%1 of element %2</source>
        <translation>ElementText%1 du champ %2</translation>
    </message>
    <message>
        <source>%1 MODULE WIDTH %2 IS NOT 2 TO 6</source>
        <translation>%1&#xa0;: LARGEUR DE MODULE %2 HORS DE LA PLAGE 2 À 6</translation>
    </message>
    <message>
        <source>%1 DATA &apos;%2&apos; HOLDS A CHARACTER OTHER THAN 0 TO 9</source>
        <translation>%1&#xa0;: LES DONNÉES «&#xa0;%2&#xa0;» CONTIENNENT UN CARACTÈRE AUTRE QUE 0 À 9</translation>
    </message>
    <message>
        <source>%1 DATA &apos;%2&apos; HAS FEWER THAN %3 DIGITS</source>
        <translation>%1&#xa0;: LES DONNÉES «&#xa0;%2&#xa0;» ONT MOINS DE %3 CHIFFRES</translation>
    </message>
</context>
<context>
    <name>TImageFileDialog</name>
    <message>
        <source>Vega/Deneb Images (*.Vega)</source>
        <translation>Images Vega/Deneb (*.Vega)</translation>
    </message>
    <message>
        <source>Rigel Images (*.Rigel)</source>
        <translation>Images Rigel (*.Rigel)</translation>
    </message>
    <message>
        <source>Altair Images (*.Altair)</source>
        <translation>Images Altair (*.Altair)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>TJobFile</name>
    <message>
        <source>Job file %1, %2: %3</source>
        <translation>Fichier de travail %1, %2 : %3</translation>
    </message>
    <message>
        <source>Job file %1: %2</source>
        <translation>Fichier de travail %1 : %2</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <translation>dépasse %1 octets</translation>
    </message>
    <message>
        <source>is not JSON: %1 at character %2</source>
        <translation>n&apos;est pas du JSON : %1 au caractère %2</translation>
    </message>
    <message>
        <source>must be a JSON object</source>
        <translation>doit être un objet JSON</translation>
    </message>
    <message>
        <source>is not a field a job has</source>
        <translation>n&apos;est pas un champ d&apos;un travail</translation>
    </message>
    <message>
        <source>is given twice</source>
        <translation>est donné deux fois</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>manque</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>doit être un texte</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>doit être un nombre entier</translation>
    </message>
    <message>
        <source>must be a list</source>
        <translation>doit être une liste</translation>
    </message>
    <message>
        <source>must not be empty</source>
        <translation>ne doit pas être vide</translation>
    </message>
    <message>
        <source>must be at most %1 characters long</source>
        <translation>doit faire au plus %1 caractères</translation>
    </message>
    <message>
        <source>must hold at most %1 entries</source>
        <translation>doit contenir au plus %1 entrées</translation>
    </message>
    <message>
        <source>must be from %1 to %2</source>
        <translation>doit être compris entre %1 et %2</translation>
    </message>
    <message>
        <source>must be one of: %1</source>
        <translation>doit être l&apos;un de : %1</translation>
    </message>
    <message>
        <source>holds a character a printer message cannot carry</source>
        <translation>contient un caractère qu&apos;un message d&apos;imprimante ne peut pas transporter</translation>
    </message>
    <message>
        <source>may hold only letters, digits, &apos;-&apos;, &apos;.&apos; and &apos;_&apos;</source>
        <translation>ne peut contenir que des lettres, des chiffres, &apos;-&apos;, &apos;.&apos; et &apos;_&apos;</translation>
    </message>
    <message>
        <source>must start with a letter and hold only letters, digits, &apos;-&apos; and &apos;_&apos;</source>
        <translation>doit commencer par une lettre et ne contenir que des lettres, des chiffres, &apos;-&apos; et &apos;_&apos;</translation>
    </message>
    <message>
        <source>must name at least one printer model or printer name</source>
        <translation>doit nommer au moins un modèle ou un nom d&apos;imprimante</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>il n&apos;y a pas de fichier %1</translation>
    </message>
    <message>
        <source>the station would not send %1: %2</source>
        <translation>la station n&apos;enverrait pas %1 : %2</translation>
    </message>
    <message>
        <source>the image %1 has no item %2 (it has %3)</source>
        <translation>l&apos;image %1 n&apos;a pas d&apos;élément %2 (elle en a %3)</translation>
    </message>
    <message>
        <source>a %1 rule does not fit item %2, a %3 item</source>
        <translation>une règle %1 ne convient pas à l&apos;élément %2, un élément %3</translation>
    </message>
    <message>
        <source>item %1 has a rule already</source>
        <translation>l&apos;élément %1 a déjà une règle</translation>
    </message>
    <message>
        <source>an entry named %1 is there already</source>
        <translation>une saisie nommée %1 existe déjà</translation>
    </message>
    <message>
        <source>is not a valid pattern: %1</source>
        <translation>n&apos;est pas un motif valide : %1</translation>
    </message>
    <message>
        <source>No job in %1 has the product code or name %2</source>
        <translation>Aucun travail dans %1 n&apos;a le code produit ou le nom %2</translation>
    </message>
    <message>
        <source>Several jobs in %1 have the product code %2: %3</source>
        <translation>Plusieurs travaux dans %1 ont le code produit %2 : %3</translation>
    </message>
    <message>
        <source>an %1 value holds only the digits 0 to 9</source>
        <translation>une valeur %1 ne contient que les chiffres 0 à 9</translation>
    </message>
    <message>
        <source>an %1 value has %2 digits, its check digit included</source>
        <translation>une valeur %1 a %2 chiffres, chiffre de contrôle compris</translation>
    </message>
    <message>
        <source>the check digit of %1 is %2</source>
        <translation>le chiffre de contrôle de %1 est %2</translation>
    </message>
    <message>
        <source>a value of item %1 has at most %2 characters</source>
        <translation>une valeur de l&apos;élément %1 a au plus %2 caractères</translation>
    </message>
    <message>
        <source>Entry %1 (%2): %3</source>
        <translation>Saisie %1 (%2) : %3</translation>
    </message>
    <message>
        <source>no value given</source>
        <translation>aucune valeur donnée</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not match %2</source>
        <translation>&apos;%1&apos; ne correspond pas à %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is longer than %2 characters</source>
        <translation>&apos;%1&apos; dépasse %2 caractères</translation>
    </message>
</context>
<context>
    <name>TLabelPreview</name>
    <message>
        <source>reads back</source>
        <translation>relu correctement</translation>
    </message>
    <message>
        <source>reads other data</source>
        <translation>relu avec d&apos;autres données</translation>
    </message>
    <message>
        <source>does not read back</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>not drawn</source>
        <translation>non dessiné</translation>
    </message>
    <message>
        <source>LABEL OF %1 X %2 DOTS IS TOO LARGE TO PREVIEW</source>
        <translation>L&apos;ÉTIQUETTE DE %1 X %2 POINTS EST TROP GRANDE POUR L&apos;APERÇU</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATE</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>HEURE</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>ÉQUIPE</translation>
    </message>
    <message>
        <source>COUNTER</source>
        <translation>COMPTEUR</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>encoded</source>
        <translation>codé</translation>
    </message>
    <message>
        <source>substituted</source>
        <translation>substitué</translation>
    </message>
    <message>
        <source>placeholder</source>
        <translation>espace réservé</translation>
    </message>
    <message>
        <source>the picture, dot for dot</source>
        <translation>le graphique, point par point</translation>
    </message>
    <message>
        <source>bars of the symbol characters the station sends; the printer adds the digits</source>
        <translation>barres des caractères de symbole envoyés par la station&#xa0;; l&apos;imprimante ajoute les chiffres</translation>
    </message>
    <message>
        <source>encoded here from its data; the printer encodes it itself</source>
        <translation>codé ici à partir de ses données&#xa0;; l&apos;imprimante le code elle-même</translation>
    </message>
    <message>
        <source>in a substitute font</source>
        <translation>dans une police de substitution</translation>
    </message>
    <message>
        <source>framed: this program has no fonts to draw it</source>
        <translation>encadré&#xa0;: ce programme n&apos;a pas la police pour le dessiner</translation>
    </message>
    <message>
        <source>the printer fills it in</source>
        <translation>l&apos;imprimante insère la valeur</translation>
    </message>
    <message>
        <source>reads %1</source>
        <translation>lit %1</translation>
    </message>
    <message>
        <source>no barcode found</source>
        <translation>aucun code-barres trouvé</translation>
    </message>
    <message>
        <source>checksum error</source>
        <translation>erreur de clé de contrôle</translation>
    </message>
    <message>
        <source>format error</source>
        <translation>erreur de format</translation>
    </message>
    <message>
        <source>no FNC1 first: not a GS1 symbol</source>
        <translation>pas de FNC1 en tête&#xa0;: ce n&apos;est pas un symbole GS1</translation>
    </message>
    <message>
        <source>character &apos;%1&apos; cannot be encoded</source>
        <translation>le caractère «&#xa0;%1&#xa0;» ne peut pas être codé</translation>
    </message>
    <message>
        <source>%1 dots wide, wider than the %2 dots the preview draws</source>
        <translation>%1 points de large, plus que les %2 points de l&apos;aperçu</translation>
    </message>
    <message>
        <source>module or narrow width of 0 dots</source>
        <translation>largeur de module ou d&apos;élément étroit de 0 point</translation>
    </message>
    <message>
        <source>wide element width of 0 dots</source>
        <translation>largeur d&apos;élément large de 0 point</translation>
    </message>
    <message>
        <source>no elements</source>
        <translation>aucun champ</translation>
    </message>
    <message>
        <source>element %1 has no application identifier: &apos;%2&apos;</source>
        <translation>le champ %1 n&apos;a pas d&apos;identifiant d&apos;application&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>the station&apos;s symbol characters cannot be read</source>
        <translation>les caractères de symbole de la station sont illisibles</translation>
    </message>
</context>
<context>
    <name>TLabelPreviewForm</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Image :</translation>
    </message>
    <message>
        <source>Zoom out (-, mouse wheel)</source>
        <translation>Zoom arrière (-, molette)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom in (+, mouse wheel)</source>
        <translation>Zoom avant (+, molette)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Fit to window (0)</source>
        <translation>Ajuster à la fenêtre (0)</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>Label picture</source>
        <translation>Image de l&apos;étiquette</translation>
    </message>
    <message>
        <source>Mouse wheel, + and - zoom; 0 fits the picture to the window; drag to move it.</source>
        <translation>La molette, + et - zooment ; 0 ajuste l&apos;image à la fenêtre ; faites-la glisser pour la déplacer.</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Dessin</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Relecture</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Expected: %1
Read: %2</source>
        <translation>Attendu : %1
Lu : %2</translation>
    </message>
    <message>
        <source>The label has no barcodes.</source>
        <translation>L&apos;étiquette ne contient aucun code-barres.</translation>
    </message>
    <message>
        <source>Barcodes that read back: %1 of %2</source>
        <translation>Codes-barres relus correctement : %1 sur %2</translation>
    </message>
</context>
<context>
    <name>TLamp</name>
    <message>
        <source>on</source>
        <translation>allumé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>éteint</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>lamp caption, state</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TLineForm</name>
    <message>
        <source>Line overview</source>
        <translation>Vue de la ligne</translation>
    </message>
    <message>
        <source>Printers of the line</source>
        <translation>Imprimantes de la ligne</translation>
    </message>
    <message>
        <source>A double click selects the printer</source>
        <translation>Un double-clic sélectionne l&apos;imprimante</translation>
    </message>
    <message>
        <source>A double click selects a connected printer.</source>
        <translation>Un double-clic sélectionne une imprimante connectée.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 connected, %2 reconnecting</source>
        <translation>%1 connectées, %2 en reconnexion</translation>
    </message>
    <message>
        <source>Printers: %1; %2</source>
        <translation>Imprimantes : %1 ; %2</translation>
    </message>
</context>
<context>
    <name>TLineModel</name>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Reached at</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Print count</source>
        <translation>Nombre d&apos;impressions</translation>
    </message>
    <message>
        <source>Ink or ribbon</source>
        <translation>Encre ou ruban</translation>
    </message>
    <message>
        <source>Newest fault</source>
        <translation>Dernier défaut</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connectée</translation>
    </message>
    <message>
        <source>Reconnecting since %1</source>
        <translation>Reconnexion depuis %1</translation>
    </message>
    <message>
        <source>%1; %2 answers there</source>
        <translation>%1 ; %2 y répond</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnectée</translation>
    </message>
    <message>
        <source>Not printing</source>
        <translation>N&apos;imprime pas</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Ruban</translation>
    </message>
    <message>
        <source>No ribbon</source>
        <translation>Pas de ruban</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Encre</translation>
    </message>
    <message>
        <source>No ink</source>
        <translation>Pas d&apos;encre</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>time, fault</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>TMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>TMessageForm</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>TModifyImageForm</name>
    <message>
        <source>Modify image</source>
        <translation>Modifier l&apos;image</translation>
    </message>
    <message>
        <source>Image name</source>
        <translation>Nom de l&apos;image</translation>
    </message>
    <message>
        <source>Items of the image</source>
        <translation>Éléments de l&apos;image</translation>
    </message>
    <message>
        <source>Item no.</source>
        <translation>N° élément</translation>
    </message>
    <message>
        <source>Item type</source>
        <translation>Type d&apos;élément</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Multiline</source>
        <translation>Multiligne</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Numeric</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>Graphic</source>
        <translation>Graphique</translation>
    </message>
</context>
<context>
    <name>TModifyItemForm</name>
    <message>
        <source>Modify Item</source>
        <translation>Modifier l&apos;élément</translation>
    </message>
    <message>
        <source>Image name</source>
        <translation>Nom de l&apos;image</translation>
    </message>
    <message>
        <source>Item No.</source>
        <translation>N° élément</translation>
    </message>
    <message>
        <source>Item Type</source>
        <translation>Type d&apos;élément</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The printer cannot take the character &quot;%1&quot; in a value.</source>
        <translation>L&apos;imprimante n&apos;accepte pas le caractère «&#xa0;%1&#xa0;» dans une valeur.</translation>
    </message>
</context>
<context>
    <name>TNumericRequest</name>
    <message>
        <source>Enter a number.</source>
        <translation>Saisissez un nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>TOperatorDateForm</name>
    <message>
        <source>Operator date</source>
        <translation>Saisie de la date</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>TOperatorNumericForm</name>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Current numeric value:</source>
        <translation>Valeur numérique actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Numeric item #%1</source>
        <translation>Champ numérique n°&#xa0;%1</translation>
    </message>
</context>
<context>
    <name>TOpreqTextForm</name>
    <message>
        <source>Operator request</source>
        <translation>Demande opérateur</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Invite</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>TParametersForm</name>
    <message>
        <source>Print parameters</source>
        <translation>Paramètres d&apos;impression</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/Heure</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>%1 is not between %2 and %3</source>
        <translation>%1 n&apos;est pas compris entre %2 et %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is none of %2</source>
        <translation>«&#xa0;%1&#xa0;» ne fait pas partie de %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of the form %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre au format %2</translation>
    </message>
    <message>
        <source>read-only on this printer model</source>
        <translation>en lecture seule sur ce modèle d&apos;imprimante</translation>
    </message>
    <message>
        <source>Incompatible printer type</source>
        <translation>Type d&apos;imprimante incompatible</translation>
    </message>
    <message>
        <source>The file %1 holds no parameters.</source>
        <translation>Le fichier %1 ne contient aucun paramètre.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Impossible de lire le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No parameters have been read.</source>
        <translation>Aucun paramètre n&apos;a été lu.</translation>
    </message>
    <message>
        <source>Parameter Files (*.prm)</source>
        <translation>Fichiers de paramètres (*.prm)</translation>
    </message>
    <message>
        <source>0 degrees</source>
        <translation>0 degré</translation>
    </message>
    <message>
        <source>180 degrees</source>
        <translation>180 degrés</translation>
    </message>
    <message>
        <source>From Left to Right</source>
        <translation>De gauche à droite</translation>
    </message>
    <message>
        <source>From Right to Left</source>
        <translation>De droite à gauche</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positif</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Négatif</translation>
    </message>
    <message>
        <source>Positive/Continuous</source>
        <translation>Positif/Continu</translation>
    </message>
    <message>
        <source>Negative Continuous</source>
        <translation>Négatif continu</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>External Speed Encoder</source>
        <translation>Codeur de vitesse externe</translation>
    </message>
    <message>
        <source>Internal Pulse Generator</source>
        <translation>Générateur d&apos;impulsions interne</translation>
    </message>
    <message>
        <source>Rotate print</source>
        <translation>Rotation de l&apos;impression</translation>
    </message>
    <message>
        <source>Print request (edge)</source>
        <translation>Demande d&apos;impression (front)</translation>
    </message>
    <message>
        <source>Print debounce</source>
        <translation>Anti-rebond impression</translation>
    </message>
    <message>
        <source>Print delay</source>
        <translation>Retard d&apos;impression</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Étirement</translation>
    </message>
    <message>
        <source>Encoder strobe source</source>
        <translation>Source des impulsions</translation>
    </message>
    <message>
        <source>### pixels</source>
        <extracomment>Keep the three # signs: each stands for one digit of the value.</extracomment>
        <translation>### pixels</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>X offset</source>
        <translation>Décalage X</translation>
    </message>
    <message>
        <source>Y offset</source>
        <translation>Décalage Y</translation>
    </message>
    <message>
        <source>Ribbon gap</source>
        <translation>Espacement du ruban</translation>
    </message>
    <message>
        <source>Inhibit delay</source>
        <translation>Délai d&apos;inhibition</translation>
    </message>
    <message>
        <source>Inhibit off delay</source>
        <translation>Délai de fin d&apos;inhibition</translation>
    </message>
    <message>
        <source>Print direction</source>
        <translation>Sens d&apos;impression</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>Head cap interval</source>
        <translation>Intervalle de bouchage tête</translation>
    </message>
    <message>
        <source>Spit Delay</source>
        <translation>Délai de purge</translation>
    </message>
    <message>
        <source>Spit Interval</source>
        <translation>Intervalle de purge</translation>
    </message>
    <message>
        <source>Print direction A</source>
        <translation>Sens d&apos;impression A</translation>
    </message>
    <message>
        <source>Print direction B</source>
        <translation>Sens d&apos;impression B</translation>
    </message>
    <message>
        <source>Print delay A</source>
        <translation>Retard d&apos;impression A</translation>
    </message>
    <message>
        <source>Print delay B</source>
        <translation>Retard d&apos;impression B</translation>
    </message>
</context>
<context>
    <name>TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Current image A:</source>
        <translation>Image courante A&#xa0;:</translation>
    </message>
    <message>
        <source>Current image B:</source>
        <translation>Image courante B&#xa0;:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Current image:</source>
        <translation>Image courante&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TPropertyForm</name>
    <message>
        <source>Firmware version</source>
        <translation>Version du micrologiciel</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Numéro de port</translation>
    </message>
    <message>
        <source>Com Port</source>
        <translation>Port COM</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnectée</translation>
    </message>
</context>
<context>
    <name>TStationBroker</name>
    <message>
        <source>No broker is set (MQTT_BROKER).</source>
        <translation>Aucun broker n&apos;est défini (MQTT_BROKER).</translation>
    </message>
    <message>
        <source>The station does not publish on the broker: %1</source>
        <translation>La station ne publie pas sur le broker : %1</translation>
    </message>
    <message>
        <source>Remote control is off in the settings (REMOTE_CONTROL).</source>
        <translation>La commande à distance est désactivée dans les réglages (REMOTE_CONTROL).</translation>
    </message>
    <message>
        <source>The broker %1 cannot be reached (%2).</source>
        <translation>Le broker %1 est injoignable (%2).</translation>
    </message>
    <message>
        <source>The broker %1 refuses the station&apos;s user name or password.</source>
        <translation>Le broker %1 refuse le nom d&apos;utilisateur ou le mot de passe de la station.</translation>
    </message>
    <message>
        <source>The broker %1 does not let the station in (not authorised): check MQTT_USERNAME and MQTT_PASSWORD.</source>
        <translation>Le broker %1 n&apos;admet pas la station (non autorisée) : vérifiez MQTT_USERNAME et MQTT_PASSWORD.</translation>
    </message>
    <message>
        <source>The secure connection to the broker %1 failed (%2): check MQTT_CA_FILE, MQTT_CERT_FILE and MQTT_KEY_FILE, and the broker&apos;s certificate.</source>
        <translation>La connexion sécurisée au broker %1 a échoué (%2) : vérifiez MQTT_CA_FILE, MQTT_CERT_FILE et MQTT_KEY_FILE, ainsi que le certificat du broker.</translation>
    </message>
    <message>
        <source>The broker %1 refuses the connection (%2).</source>
        <translation>Le broker %1 refuse la connexion (%2).</translation>
    </message>
    <message>
        <source>The station goes on working and tries again.</source>
        <translation>La station continue de fonctionner et réessaie.</translation>
    </message>
</context>
<context>
    <name>TStationEvent</name>
    <message>
        <source>Connected</source>
        <translation>Connectée</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnectée</translation>
    </message>
    <message>
        <source>Link lost</source>
        <translation>Liaison perdue</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Défaut</translation>
    </message>
    <message>
        <source>State on</source>
        <translation>État activé</translation>
    </message>
    <message>
        <source>State off</source>
        <translation>État désactivé</translation>
    </message>
    <message>
        <source>Print started</source>
        <translation>Impression démarrée</translation>
    </message>
    <message>
        <source>Print stopped</source>
        <translation>Impression arrêtée</translation>
    </message>
    <message>
        <source>Image transfer</source>
        <translation>Transfert d&apos;image</translation>
    </message>
    <message>
        <source>Image deleted</source>
        <translation>Image supprimée</translation>
    </message>
    <message>
        <source>Item changed</source>
        <translation>Élément modifié</translation>
    </message>
    <message>
        <source>Flash write started</source>
        <translation>Écriture flash commencée</translation>
    </message>
    <message>
        <source>Flash write ended</source>
        <translation>Écriture flash terminée</translation>
    </message>
    <message>
        <source>Parameter written</source>
        <translation>Paramètre écrit</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>Horloge réglée</translation>
    </message>
    <message>
        <source>Operator request</source>
        <translation>Demande à l&apos;opérateur</translation>
    </message>
    <message>
        <source>Operator answer</source>
        <translation>Réponse de l&apos;opérateur</translation>
    </message>
    <message>
        <source>History gap began</source>
        <translation>Début d&apos;une lacune de l&apos;historique</translation>
    </message>
    <message>
        <source>History gap ended</source>
        <translation>Fin d&apos;une lacune de l&apos;historique</translation>
    </message>
    <message>
        <source>History pruned</source>
        <translation>Historique raccourci</translation>
    </message>
    <message>
        <source>Changeover started</source>
        <translation>Changement de production commencé</translation>
    </message>
    <message>
        <source>Changeover check</source>
        <translation>Changement de production vérifié</translation>
    </message>
    <message>
        <source>Changeover values applied</source>
        <translation>Changement de production : valeurs appliquées</translation>
    </message>
    <message>
        <source>Changeover confirmed</source>
        <translation>Changement de production confirmé</translation>
    </message>
    <message>
        <source>Changeover ended</source>
        <translation>Changement de production terminé</translation>
    </message>
    <message>
        <source>Reconnecting</source>
        <translation>Reconnexion</translation>
    </message>
    <message>
        <source>Reconnected</source>
        <translation>Reconnectée</translation>
    </message>
    <message>
        <source>Remote command</source>
        <translation>Commande à distance</translation>
    </message>
</context>
<context>
    <name>TTransferBatch</name>
    <message>
        <source>Insufficient Memory to Store Image. Transfer Aborted</source>
        <translation>Mémoire insuffisante pour enregistrer l&apos;image. Transfert annulé</translation>
    </message>
    <message>
        <source>Image Transfer Failed. Operation Aborted.</source>
        <translation>Échec du transfert de l&apos;image. Opération annulée.</translation>
    </message>
    <message>
        <source>BARCODE OF ITEM %1 DOES NOT READ BACK (%2). TRANSFER ANYWAY?</source>
        <translation>LE CODE-BARRES DE L&apos;ÉLÉMENT %1 EST ILLISIBLE (%2). TRANSFÉRER QUAND MÊME&#xa0;?</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Transfer Aborted. Not transferred: %1</source>
        <translation>Transfert annulé. Non transférés&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TVexMainForm</name>
    <message>
        <source>Telvos Vex</source>
        <translation>Telvos Vex</translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation>État de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnectée</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Print count:</source>
        <translation>Compteur&#xa0;:</translation>
    </message>
    <message>
        <source>Ink/Ribbon</source>
        <translation>Encre/Ruban</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Mémoire libre</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Com ports</source>
        <translation>Ports COM</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Connexions</translation>
    </message>
    <message>
        <source>Disconnect all</source>
        <translation>Tout déconnecter</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transférer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Ruban</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Encre</translation>
    </message>
    <message>
        <source>%1% %2 - %3</source>
        <translation>%1&#xa0;% %2 - %3</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Changeover</source>
        <translation>Changement de production</translation>
    </message>
    <message>
        <source>Line overview</source>
        <translation>Vue de la ligne</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>program, printers connected</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Remote control allowed: the plant&apos;s systems may start and stop printing.</source>
        <translation>Commande à distance autorisée : les systèmes de l&apos;usine peuvent lancer et arrêter l&apos;impression.</translation>
    </message>
    <message>
        <source>Remote control allowed</source>
        <translation>Commande à distance autorisée</translation>
    </message>
    <message>
        <source>Allow remote control</source>
        <translation>Autoriser la commande à distance</translation>
    </message>
</context>
</TS>
