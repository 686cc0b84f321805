<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>NumberMaskUtils</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
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
        <translation>(keins)</translation>
    </message>
    <message>
        <source>the whole description</source>
        <translation>die ganze Beschreibung</translation>
    </message>
    <message>
        <source>the printer described another image</source>
        <translation>der Drucker hat ein anderes Bild beschrieben</translation>
    </message>
    <message>
        <source>the printer&apos;s description goes on in a way the station does not read</source>
        <translation>die Beschreibung des Druckers geht in einer Weise weiter, die die Station nicht liest</translation>
    </message>
    <message>
        <source>the printer describes more rows than an image can have</source>
        <translation>der Drucker beschreibt mehr Zeilen, als ein Bild haben kann</translation>
    </message>
    <message>
        <source>item %1: expected %2, found %3</source>
        <translation>Element %1: erwartet %2, vorgefunden %3</translation>
    </message>
    <message>
        <source>No printer is selected.</source>
        <translation>Es ist kein Drucker ausgewählt.</translation>
    </message>
    <message>
        <source>The job is not for printer %1 (%2): it is for %3.</source>
        <translation>Der Auftrag ist nicht für den Drucker %1 (%2): er ist für %3.</translation>
    </message>
    <message>
        <source>models %1</source>
        <translation>die Modelle %1</translation>
    </message>
    <message>
        <source>printers named %1</source>
        <translation>die Drucker namens %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Printer %1 is printing: stop it before a changeover.</source>
        <translation>Der Drucker %1 druckt: halten Sie ihn vor einer Produktumstellung an.</translation>
    </message>
    <message>
        <source>A transfer of images is under way: wait until it has ended.</source>
        <translation>Eine Bildübertragung läuft: warten Sie, bis sie beendet ist.</translation>
    </message>
    <message>
        <source>The design file now holds image %1, not %2: read the job again.</source>
        <translation>Die Entwurfsdatei enthält jetzt das Bild %1, nicht %2: lesen Sie den Auftrag erneut.</translation>
    </message>
    <message>
        <source>The job has no entry named %1.</source>
        <translation>Der Auftrag hat keine Eingabe namens %1.</translation>
    </message>
    <message>
        <source>the printer does not hold it</source>
        <translation>der Drucker hat es nicht</translation>
    </message>
    <message>
        <source>The image was not sent: %1</source>
        <translation>Das Bild wurde nicht gesendet: %1</translation>
    </message>
    <message>
        <source>The printer could not write its memory after the image was sent.</source>
        <translation>Der Drucker konnte seinen Speicher nach dem Senden des Bildes nicht schreiben.</translation>
    </message>
    <message>
        <source>The printer does not show the image it was sent: %1</source>
        <translation>Der Drucker zeigt nicht das Bild, das ihm gesendet wurde: %1</translation>
    </message>
    <message>
        <source>The printer went away.</source>
        <translation>Der Drucker ist nicht mehr verbunden.</translation>
    </message>
    <message>
        <source>Another printer was selected.</source>
        <translation>Ein anderer Drucker wurde ausgewählt.</translation>
    </message>
</context>
<context>
    <name>TChangeoverForm</name>
    <message>
        <source>Changeover</source>
        <translation>Produktumstellung</translation>
    </message>
    <message>
        <source>Product code:</source>
        <translation>Produktcode:</translation>
    </message>
    <message>
        <source>Scan the product&apos;s barcode, or type its code and press Enter</source>
        <translation>Scannen Sie den Barcode des Produkts, oder tippen Sie seinen Code und drücken Sie die Eingabetaste</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>Auftrag:</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Eingaben</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Label picture</source>
        <translation>Etikettenbild</translation>
    </message>
    <message>
        <source>Zoom with the mouse wheel or +, - and 0; drag to move</source>
        <translation>Zoomen mit dem Mausrad oder +, - und 0; zum Verschieben ziehen</translation>
    </message>
    <message>
        <source>Barcodes read back</source>
        <translation>Zurückgelesene Barcodes</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Abweichungen</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Vorgefunden</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Choose a job</source>
        <translation>Auftrag wählen</translation>
    </message>
    <message>
        <source>Scan the product&apos;s barcode, or choose its job.</source>
        <translation>Scannen Sie den Barcode des Produkts, oder wählen Sie seinen Auftrag.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (refused)</source>
        <translation>%1 (abgelehnt)</translation>
    </message>
    <message>
        <source>There are no job files in %1.</source>
        <translation>In %1 gibt es keine Auftragsdateien.</translation>
    </message>
    <message>
        <source>%1 from %2, for %3</source>
        <translation>%1 aus %2, für %3</translation>
    </message>
    <message>
        <source>Press Check: the station checks the printer against the job.</source>
        <translation>Drücken Sie Prüfen: die Station prüft den Drucker gegen den Auftrag.</translation>
    </message>
    <message>
        <source>Fill in the entries, then press Check.</source>
        <translation>Füllen Sie die Eingaben aus, dann drücken Sie Prüfen.</translation>
    </message>
    <message>
        <source>Comparing the printer&apos;s image %1 with the job&apos;s...</source>
        <translation>Das Bild %1 des Druckers wird mit dem des Auftrags verglichen...</translation>
    </message>
    <message>
        <source>Sending the image %1 to the printer...</source>
        <translation>Das Bild %1 wird an den Drucker gesendet...</translation>
    </message>
    <message>
        <source>Reading the printer&apos;s items...</source>
        <translation>Die Elemente des Druckers werden gelesen...</translation>
    </message>
    <message>
        <source>Reading the items back from the printer...</source>
        <translation>Die Elemente werden vom Drucker zurückgelesen...</translation>
    </message>
    <message>
        <source>Every item matches the job: press Start to print.</source>
        <translation>Alle Elemente stimmen mit dem Auftrag überein: drücken Sie Start zum Drucken.</translation>
    </message>
    <message>
        <source>Items differ from the job (%1): Start is blocked. Correct the entries and check again, or cancel.</source>
        <translation>Elemente weichen vom Auftrag ab (%1): Start ist gesperrt. Korrigieren Sie die Eingaben und prüfen Sie erneut, oder brechen Sie ab.</translation>
    </message>
    <message>
        <source>Reading the items once more before printing...</source>
        <translation>Die Elemente werden vor dem Drucken noch einmal gelesen...</translation>
    </message>
    <message>
        <source>Starting the printer...</source>
        <translation>Der Drucker wird gestartet...</translation>
    </message>
    <message>
        <source>Printing %1 for %2 (%3).</source>
        <translation>Druckt %1 für %2 (%3).</translation>
    </message>
    <message>
        <source>The changeover was cancelled.</source>
        <translation>Die Produktumstellung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The label with the values the printer holds:</source>
        <translation>Das Etikett mit den Werten, die der Drucker hat:</translation>
    </message>
    <message>
        <source>The label as its design file gives it:</source>
        <translation>Das Etikett, wie seine Entwurfsdatei es angibt:</translation>
    </message>
    <message>
        <source>Item %1 (%2): %3 %4</source>
        <translation>Element %1 (%2): %3 %4</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TBrokerSettings</name>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 muss eine ganze Zahl von %2 bis %3 sein.</translation>
    </message>
    <message>
        <source>MQTT_BROKER is not a broker&apos;s address such as mqtt://HOST:PORT or mqtts://HOST:PORT.</source>
        <translation>MQTT_BROKER ist keine Broker-Adresse wie mqtt://HOST:PORT oder mqtts://HOST:PORT.</translation>
    </message>
    <message>
        <source>%1 names a file that cannot be read: %2</source>
        <translation>%1 nennt eine Datei, die nicht gelesen werden kann: %2</translation>
    </message>
    <message>
        <source>MQTT_CERT_FILE and MQTT_KEY_FILE go together: set both or neither.</source>
        <translation>MQTT_CERT_FILE und MQTT_KEY_FILE gehören zusammen: beide setzen oder keines.</translation>
    </message>
    <message>
        <source>TLS files are set, but MQTT_BROKER is not an mqtts:// address: the password would go unencrypted.</source>
        <translation>TLS-Dateien sind gesetzt, aber MQTT_BROKER ist keine mqtts://-Adresse: das Passwort ginge unverschlüsselt.</translation>
    </message>
    <message>
        <source>MQTT_PASSWORD is set without MQTT_USERNAME.</source>
        <translation>MQTT_PASSWORD ist ohne MQTT_USERNAME gesetzt.</translation>
    </message>
    <message>
        <source>STATION_NAME is longer than %1 letters.</source>
        <translation>STATION_NAME ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>REMOTE_TRANSFER_DIRECTORY is not a folder: %1</source>
        <translation>REMOTE_TRANSFER_DIRECTORY ist kein Ordner: %1</translation>
    </message>
</context>
<context>
    <name>TCoder</name>
    <message>
        <source>%1 Bytes.</source>
        <translation>%1 Bytes.</translation>
    </message>
    <message>
        <source>%1 - PRINT CYCLE TIMEOUT!</source>
        <translation>%1 - ZEITÜBERSCHREITUNG IM DRUCKZYKLUS!</translation>
    </message>
    <message>
        <source>%1 - PRINTHEAD POSITIONING ERROR!</source>
        <translation>%1 - POSITIONIERFEHLER DES DRUCKKOPFS!</translation>
    </message>
    <message>
        <source>MEMORY WRITE ERROR!</source>
        <translation>FEHLER BEIM SCHREIBEN DES SPEICHERS!</translation>
    </message>
    <message>
        <source>%1 - RIBBON FAULT!</source>
        <translation>%1 - FARBBANDFEHLER!</translation>
    </message>
    <message>
        <source>Unknown Printer</source>
        <translation>Unbekannter Drucker</translation>
    </message>
    <message>
        <source>%1 - REPORT TOO LARGE, REFUSED!</source>
        <translation>%1 - MELDUNG ZU GROSS, ABGEWIESEN!</translation>
    </message>
</context>
<context>
    <name>TConnectionManager</name>
    <message>
        <source>%1 MANUALLY DISCONNECTED!</source>
        <translation>%1 MANUELL GETRENNT!</translation>
    </message>
    <message>
        <source>%1 - CONNECTION LOST!</source>
        <translation>%1 - VERBINDUNG VERLOREN!</translation>
    </message>
</context>
<context>
    <name>TConnectionsForm</name>
    <message>
        <source>Connections</source>
        <translation>Verbindungen</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>printer, state</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>not printing, no ink</source>
        <translation>druckt nicht, keine Tinte</translation>
    </message>
    <message>
        <source>not printing, ink</source>
        <translation>druckt nicht, Tinte</translation>
    </message>
    <message>
        <source>printing, no ink</source>
        <translation>druckt, keine Tinte</translation>
    </message>
    <message>
        <source>printing, ink</source>
        <translation>druckt, Tinte</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>No Ethernet Connection</source>
        <translation>Keine Ethernet-Verbindung</translation>
    </message>
    <message>
        <source>reconnecting since %1</source>
        <translation>Neuverbindung seit %1</translation>
    </message>
</context>
<context>
    <name>TCustomNumberEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
</context>
<context>
    <name>TDateTimeForm</name>
    <message>
        <source>Set Date and Time</source>
        <translation>Datum und Uhrzeit einstellen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Use PC time</source>
        <translation>PC-Zeit übernehmen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Ungültiges Argument für die Datumskodierung</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Ungültiges Argument für die Zeitkodierung</translation>
    </message>
</context>
<context>
    <name>TElidingLabel</name>
    <message>
        <source>%1: %2</source>
        <comment>caption, value</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TFlashWriteForm</name>
    <message>
        <source>Writing to flash, please wait.</source>
        <translation>Flash-Speicher wird beschrieben, bitte warten.</translation>
    </message>
</context>
<context>
    <name>THistoryForm</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Ereignis:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Events, newest first</source>
        <translation>Ereignisse, neueste zuerst</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>All printers</source>
        <translation>Alle Drucker</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Alle Ereignisse</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Der Verlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Exporting the history...</source>
        <translation>Der Verlauf wird exportiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>Der Export wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1 rows exported to %2.</source>
        <translation>%1 Zeilen nach %2 exportiert.</translation>
    </message>
</context>
<context>
    <name>THistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>THistoryStore</name>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>the file is locked by another program</source>
        <translation>die Datei ist von einem anderen Programm gesperrt</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the file was written by a newer version of the station</source>
        <translation>die Datei wurde von einer neueren Version der Station geschrieben</translation>
    </message>
    <message>
        <source>the database reports an error</source>
        <translation>die Datenbank meldet einen Fehler</translation>
    </message>
    <message>
        <source>The history cannot be written to %1: %2. The station goes on working and records the gap once it can write again.</source>
        <translation>Der Verlauf kann nicht in %1 geschrieben werden: %2. Die Station arbeitet weiter und verzeichnet die Lücke, sobald sie wieder schreiben kann.</translation>
    </message>
</context>
<context>
    <name>TImageDeleteDlg</name>
    <message>
        <source>Delete Images</source>
        <translation>Bilder löschen</translation>
    </message>
    <message>
        <source>Source list:</source>
        <translation>Bilder im Drucker:</translation>
    </message>
    <message>
        <source>Add the selected images</source>
        <translation>Ausgewählte Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Add all images</source>
        <translation>Alle Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Remove the selected images</source>
        <translation>Ausgewählte Bilder entfernen</translation>
    </message>
    <message>
        <source>Remove all images</source>
        <translation>Alle Bilder entfernen</translation>
    </message>
    <message>
        <source>Images to delete:</source>
        <translation>Zu löschende Bilder:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TImageDownloadForm</name>
    <message>
        <source>Image transfer</source>
        <translation>Bildübertragung</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Übertragungsfortschritt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>IMAGE %1 EXISTS, OVERWRITE?</source>
        <translation>BILD %1 IST BEREITS VORHANDEN, ÜBERSCHREIBEN?</translation>
    </message>
    <message>
        <source>INVALID FILE TYPE, TRANSFER OF IMAGE ABORTED</source>
        <translation>UNGÜLTIGER DATEITYP, BILDÜBERTRAGUNG ABGEBROCHEN</translation>
    </message>
    <message>
        <source>IMAGE %1 CONTAINS INVALID ITEM TYPE, TRANSFER OF IMAGE ABORTED</source>
        <translation>BILD %1 ENTHÄLT EINEN UNGÜLTIGEN ELEMENTTYP, BILDÜBERTRAGUNG ABGEBROCHEN</translation>
    </message>
    <message>
        <source>FILE %1 IS DAMAGED OR INCOMPLETE, TRANSFER OF IMAGE ABORTED</source>
        <translation>DATEI %1 IST BESCHÄDIGT ODER UNVOLLSTÄNDIG, BILDÜBERTRAGUNG ABGEBROCHEN</translation>
    </message>
    <message>
        <source>FILE %1 CANNOT BE OPENED (%2), TRANSFER OF IMAGE ABORTED</source>
        <translation>DATEI %1 KANN NICHT GEÖFFNET WERDEN (%2), BILDÜBERTRAGUNG ABGEBROCHEN</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): &apos;%4&apos; IS NOT A VALID NUMBER, TRANSFER OF IMAGE ABORTED</source>
        <translation>BILD %1, ELEMENT %2 (%3): &apos;%4&apos; IST KEINE GÜLTIGE ZAHL, BILDÜBERTRAGUNG ABGEBROCHEN</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): BARCODE CANNOT BE ENCODED, %4, TRANSFER OF IMAGE ABORTED</source>
        <translation>BILD %1, ELEMENT %2 (%3): BARCODE KANN NICHT KODIERT WERDEN, %4, BILDÜBERTRAGUNG ABGEBROCHEN</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): GRAPHIC OF %4 PIXELS IS LARGER THAN 65535 X 65535, TRANSFER OF IMAGE ABORTED</source>
        <translation>BILD %1, ELEMENT %2 (%3): GRAFIK MIT %4 PIXEL IST GRÖSSER ALS 65535 X 65535, BILDÜBERTRAGUNG ABGEBROCHEN</translation>
    </message>
    <message>
        <source>IMAGE %1 HAS %2 ITEMS, MORE THAN 255, TRANSFER OF IMAGE ABORTED</source>
        <translation>BILD %1 HAT %2 ELEMENTE, MEHR ALS 255, BILDÜBERTRAGUNG ABGEBROCHEN</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): %4 CONTAINS A ZERO BYTE, TRANSFER OF IMAGE ABORTED</source>
        <translation>BILD %1, ELEMENT %2 (%3): %4 ENTHÄLT EIN NULLBYTE, BILDÜBERTRAGUNG ABGEBROCHEN</translation>
    </message>
    <message>
        <source>IMAGE %1: %2 CONTAINS A ZERO BYTE, TRANSFER OF IMAGE ABORTED</source>
        <translation>BILD %1: %2 ENTHÄLT EIN NULLBYTE, BILDÜBERTRAGUNG ABGEBROCHEN</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): DATA HAS %4 CHARACTERS, MORE THAN 255, TRANSFER OF IMAGE ABORTED</source>
        <translation>BILD %1, ELEMENT %2 (%3): DATEN HABEN %4 ZEICHEN, MEHR ALS 255, BILDÜBERTRAGUNG ABGEBROCHEN</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): BARCODE HAS %4 ELEMENTS, MORE THAN 255, TRANSFER OF IMAGE ABORTED</source>
        <translation>BILD %1, ELEMENT %2 (%3): BARCODE HAT %4 DATENELEMENTE, MEHR ALS 255, BILDÜBERTRAGUNG ABGEBROCHEN</translation>
    </message>
    <message>
        <source>ElementText%1 of element %2</source>
        <translation>ElementText%1 von Datenelement %2</translation>
    </message>
    <message>
        <source>%1 MODULE WIDTH %2 IS NOT 2 TO 6</source>
        <translation>%1: MODULBREITE %2 LIEGT NICHT ZWISCHEN 2 UND 6</translation>
    </message>
    <message>
        <source>%1 DATA &apos;%2&apos; HOLDS A CHARACTER OTHER THAN 0 TO 9</source>
        <translation>%1: DATEN &apos;%2&apos; ENTHALTEN EIN ANDERES ZEICHEN ALS 0 BIS 9</translation>
    </message>
    <message>
        <source>%1 DATA &apos;%2&apos; HAS FEWER THAN %3 DIGITS</source>
        <translation>%1: DATEN &apos;%2&apos; HABEN WENIGER ALS %3 ZIFFERN</translation>
    </message>
</context>
<context>
    <name>TImageFileDialog</name>
    <message>
        <source>Vega/Deneb Images (*.Vega)</source>
        <translation>Vega/Deneb-Bilder (*.Vega)</translation>
    </message>
    <message>
        <source>Rigel Images (*.Rigel)</source>
        <translation>Rigel-Bilder (*.Rigel)</translation>
    </message>
    <message>
        <source>Altair Images (*.Altair)</source>
        <translation>Altair-Bilder (*.Altair)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>TJobFile</name>
    <message>
        <source>Job file %1, %2: %3</source>
        <translation>Auftragsdatei %1, %2: %3</translation>
    </message>
    <message>
        <source>Job file %1: %2</source>
        <translation>Auftragsdatei %1: %2</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <translation>ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>is not JSON: %1 at character %2</source>
        <translation>ist kein JSON: %1 bei Zeichen %2</translation>
    </message>
    <message>
        <source>must be a JSON object</source>
        <translation>muss ein JSON-Objekt sein</translation>
    </message>
    <message>
        <source>is not a field a job has</source>
        <translation>ist kein Feld eines Auftrags</translation>
    </message>
    <message>
        <source>is given twice</source>
        <translation>ist zweimal angegeben</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>muss ein Text sein</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>must be a list</source>
        <translation>muss eine Liste sein</translation>
    </message>
    <message>
        <source>must not be empty</source>
        <translation>darf nicht leer sein</translation>
    </message>
    <message>
        <source>must be at most %1 characters long</source>
        <translation>darf höchstens %1 Zeichen lang sein</translation>
    </message>
    <message>
        <source>must hold at most %1 entries</source>
        <translation>darf höchstens %1 Einträge haben</translation>
    </message>
    <message>
        <source>must be from %1 to %2</source>
        <translation>muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>must be one of: %1</source>
        <translation>muss eines davon sein: %1</translation>
    </message>
    <message>
        <source>holds a character a printer message cannot carry</source>
        <translation>enthält ein Zeichen, das eine Druckernachricht nicht übertragen kann</translation>
    </message>
    <message>
        <source>may hold only letters, digits, &apos;-&apos;, &apos;.&apos; and &apos;_&apos;</source>
        <translation>darf nur Buchstaben, Ziffern, &apos;-&apos;, &apos;.&apos; und &apos;_&apos; enthalten</translation>
    </message>
    <message>
        <source>must start with a letter and hold only letters, digits, &apos;-&apos; and &apos;_&apos;</source>
        <translation>muss mit einem Buchstaben beginnen und darf nur Buchstaben, Ziffern, &apos;-&apos; und &apos;_&apos; enthalten</translation>
    </message>
    <message>
        <source>must name at least one printer model or printer name</source>
        <translation>muss mindestens ein Druckermodell oder einen Druckernamen nennen</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>es gibt keine Datei %1</translation>
    </message>
    <message>
        <source>the station would not send %1: %2</source>
        <translation>die Station würde %1 nicht senden: %2</translation>
    </message>
    <message>
        <source>the image %1 has no item %2 (it has %3)</source>
        <translation>das Bild %1 hat kein Element %2 (es hat %3)</translation>
    </message>
    <message>
        <source>a %1 rule does not fit item %2, a %3 item</source>
        <translation>eine Regel %1 passt nicht zu Element %2, einem Element %3</translation>
    </message>
    <message>
        <source>item %1 has a rule already</source>
        <translation>Element %1 hat schon eine Regel</translation>
    </message>
    <message>
        <source>an entry named %1 is there already</source>
        <translation>eine Eingabe namens %1 gibt es schon</translation>
    </message>
    <message>
        <source>is not a valid pattern: %1</source>
        <translation>ist kein gültiges Muster: %1</translation>
    </message>
    <message>
        <source>No job in %1 has the product code or name %2</source>
        <translation>Kein Auftrag in %1 hat den Produktcode oder Namen %2</translation>
    </message>
    <message>
        <source>Several jobs in %1 have the product code %2: %3</source>
        <translation>Mehrere Aufträge in %1 haben den Produktcode %2: %3</translation>
    </message>
    <message>
        <source>an %1 value holds only the digits 0 to 9</source>
        <translation>ein Wert für %1 enthält nur die Ziffern 0 bis 9</translation>
    </message>
    <message>
        <source>an %1 value has %2 digits, its check digit included</source>
        <translation>ein Wert für %1 hat %2 Ziffern, die Prüfziffer eingeschlossen</translation>
    </message>
    <message>
        <source>the check digit of %1 is %2</source>
        <translation>die Prüfziffer von %1 ist %2</translation>
    </message>
    <message>
        <source>a value of item %1 has at most %2 characters</source>
        <translation>ein Wert von Element %1 hat höchstens %2 Zeichen</translation>
    </message>
    <message>
        <source>Entry %1 (%2): %3</source>
        <translation>Eingabe %1 (%2): %3</translation>
    </message>
    <message>
        <source>no value given</source>
        <translation>kein Wert angegeben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not match %2</source>
        <translation>&apos;%1&apos; passt nicht zu %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is longer than %2 characters</source>
        <translation>&apos;%1&apos; ist länger als %2 Zeichen</translation>
    </message>
</context>
<context>
    <name>TLabelPreview</name>
    <message>
        <source>reads back</source>
        <translation>wird korrekt gelesen</translation>
    </message>
    <message>
        <source>reads other data</source>
        <translation>liest andere Daten</translation>
    </message>
    <message>
        <source>does not read back</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>not drawn</source>
        <translation>nicht gezeichnet</translation>
    </message>
    <message>
        <source>LABEL OF %1 X %2 DOTS IS TOO LARGE TO PREVIEW</source>
        <translation>ETIKETT MIT %1 X %2 PUNKTEN IST ZU GROSS FÜR DIE VORSCHAU</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATUM</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>ZEIT</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>SCHICHT</translation>
    </message>
    <message>
        <source>COUNTER</source>
        <translation>ZÄHLER</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exakt</translation>
    </message>
    <message>
        <source>encoded</source>
        <translation>kodiert</translation>
    </message>
    <message>
        <source>substituted</source>
        <translation>ersetzt</translation>
    </message>
    <message>
        <source>placeholder</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>the picture, dot for dot</source>
        <translation>die Grafik, Punkt für Punkt</translation>
    </message>
    <message>
        <source>bars of the symbol characters the station sends; the printer adds the digits</source>
        <translation>Balken der Symbolzeichen, die die Station sendet; der Drucker ergänzt die Ziffern</translation>
    </message>
    <message>
        <source>encoded here from its data; the printer encodes it itself</source>
        <translation>hier aus seinen Daten kodiert; der Drucker kodiert ihn selbst</translation>
    </message>
    <message>
        <source>in a substitute font</source>
        <translation>in einer Ersatzschrift</translation>
    </message>
    <message>
        <source>framed: this program has no fonts to draw it</source>
        <translation>umrahmt: diesem Programm fehlt die Schrift, um es zu zeichnen</translation>
    </message>
    <message>
        <source>the printer fills it in</source>
        <translation>der Drucker setzt den Wert ein</translation>
    </message>
    <message>
        <source>reads %1</source>
        <translation>liest %1</translation>
    </message>
    <message>
        <source>no barcode found</source>
        <translation>kein Barcode gefunden</translation>
    </message>
    <message>
        <source>checksum error</source>
        <translation>Prüfziffernfehler</translation>
    </message>
    <message>
        <source>format error</source>
        <translation>Formatfehler</translation>
    </message>
    <message>
        <source>no FNC1 first: not a GS1 symbol</source>
        <translation>kein FNC1 am Anfang: kein GS1-Symbol</translation>
    </message>
    <message>
        <source>character &apos;%1&apos; cannot be encoded</source>
        <translation>Zeichen &apos;%1&apos; kann nicht kodiert werden</translation>
    </message>
    <message>
        <source>%1 dots wide, wider than the %2 dots the preview draws</source>
        <translation>%1 Punkte breit, breiter als die %2 Punkte der Vorschau</translation>
    </message>
    <message>
        <source>module or narrow width of 0 dots</source>
        <translation>Modul- oder Schmalbreite von 0 Punkten</translation>
    </message>
    <message>
        <source>wide element width of 0 dots</source>
        <translation>Breite der breiten Elemente von 0 Punkten</translation>
    </message>
    <message>
        <source>no elements</source>
        <translation>keine Datenelemente</translation>
    </message>
    <message>
        <source>element %1 has no application identifier: &apos;%2&apos;</source>
        <translation>Datenelement %1 hat keinen Datenbezeichner: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the station&apos;s symbol characters cannot be read</source>
        <translation>die Symbolzeichen der Station sind nicht lesbar</translation>
    </message>
</context>
<context>
    <name>TLabelPreviewForm</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Zoom out (-, mouse wheel)</source>
        <translation>Verkleinern (-, Mausrad)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom in (+, mouse wheel)</source>
        <translation>Vergrößern (+, Mausrad)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Fit to window (0)</source>
        <translation>Ans Fenster anpassen (0)</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>Ans Fenster anpassen</translation>
    </message>
    <message>
        <source>Label picture</source>
        <translation>Etikettenbild</translation>
    </message>
    <message>
        <source>Mouse wheel, + and - zoom; 0 fits the picture to the window; drag to move it.</source>
        <translation>Mausrad, + und - zoomen; 0 passt das Bild ans Fenster an; Ziehen verschiebt es.</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Gezeichnet</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Rückgelesen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Expected: %1
Read: %2</source>
        <translation>Erwartet: %1
Gelesen: %2</translation>
    </message>
    <message>
        <source>The label has no barcodes.</source>
        <translation>Das Etikett enthält keine Barcodes.</translation>
    </message>
    <message>
        <source>Barcodes that read back: %1 of %2</source>
        <translation>Lesbare Barcodes: %1 von %2</translation>
    </message>
</context>
<context>
    <name>TLamp</name>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>lamp caption, state</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TLineForm</name>
    <message>
        <source>Line overview</source>
        <translation>Linienübersicht</translation>
    </message>
    <message>
        <source>Printers of the line</source>
        <translation>Drucker der Linie</translation>
    </message>
    <message>
        <source>A double click selects the printer</source>
        <translation>Ein Doppelklick wählt den Drucker</translation>
    </message>
    <message>
        <source>A double click selects a connected printer.</source>
        <translation>Ein Doppelklick wählt einen verbundenen Drucker.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 connected, %2 reconnecting</source>
        <translation>%1 verbunden, %2 in Neuverbindung</translation>
    </message>
    <message>
        <source>Printers: %1; %2</source>
        <translation>Drucker: %1; %2</translation>
    </message>
</context>
<context>
    <name>TLineModel</name>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Reached at</source>
        <translation>Erreichbar unter</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Druckt</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Print count</source>
        <translation>Druckzähler</translation>
    </message>
    <message>
        <source>Ink or ribbon</source>
        <translation>Tinte oder Farbband</translation>
    </message>
    <message>
        <source>Newest fault</source>
        <translation>Letzte Störung</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Reconnecting since %1</source>
        <translation>Neuverbindung seit %1</translation>
    </message>
    <message>
        <source>%1; %2 answers there</source>
        <translation>%1; dort antwortet %2</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Not printing</source>
        <translation>Druckt nicht</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Farbband</translation>
    </message>
    <message>
        <source>No ribbon</source>
        <translation>Kein Farbband</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Tinte</translation>
    </message>
    <message>
        <source>No ink</source>
        <translation>Keine Tinte</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
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
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>TModifyImageForm</name>
    <message>
        <source>Modify image</source>
        <translation>Bild ändern</translation>
    </message>
    <message>
        <source>Image name</source>
        <translation>Bildname</translation>
    </message>
    <message>
        <source>Items of the image</source>
        <translation>Elemente des Bildes</translation>
    </message>
    <message>
        <source>Item no.</source>
        <translation>Element-Nr.</translation>
    </message>
    <message>
        <source>Item type</source>
        <translation>Elementtyp</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Multiline</source>
        <translation>Mehrzeilig</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Schicht</translation>
    </message>
    <message>
        <source>Numeric</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Graphic</source>
        <translation>Grafik</translation>
    </message>
</context>
<context>
    <name>TModifyItemForm</name>
    <message>
        <source>Modify Item</source>
        <translation>Element ändern</translation>
    </message>
    <message>
        <source>Image name</source>
        <translation>Bildname</translation>
    </message>
    <message>
        <source>Item No.</source>
        <translation>Element-Nr.</translation>
    </message>
    <message>
        <source>Item Type</source>
        <translation>Elementtyp</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The printer cannot take the character &quot;%1&quot; in a value.</source>
        <translation>Der Drucker kann das Zeichen „%1“ in einem Wert nicht annehmen.</translation>
    </message>
</context>
<context>
    <name>TNumericRequest</name>
    <message>
        <source>Enter a number.</source>
        <translation>Bitte eine Zahl eingeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>TOperatorDateForm</name>
    <message>
        <source>Operator date</source>
        <translation>Datum eingeben</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
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
        <translation>Aktueller Zahlenwert:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Numeric item #%1</source>
        <translation>Zahlenfeld Nr. %1</translation>
    </message>
</context>
<context>
    <name>TOpreqTextForm</name>
    <message>
        <source>Operator request</source>
        <translation>Bedieneranfrage</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Aufforderung</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>TParametersForm</name>
    <message>
        <source>Print parameters</source>
        <translation>Druckparameter</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>%1 is not between %2 and %3</source>
        <translation>%1 liegt nicht zwischen %2 und %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is none of %2</source>
        <translation>&apos;%1&apos; ist keiner der Werte %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of the form %2</source>
        <translation>&apos;%1&apos; ist keine Zahl im Format %2</translation>
    </message>
    <message>
        <source>read-only on this printer model</source>
        <translation>bei diesem Druckermodell schreibgeschützt</translation>
    </message>
    <message>
        <source>Incompatible printer type</source>
        <translation>Inkompatibler Druckertyp</translation>
    </message>
    <message>
        <source>The file %1 holds no parameters.</source>
        <translation>Die Datei %1 enthält keine Parameter.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>No parameters have been read.</source>
        <translation>Es wurden keine Parameter gelesen.</translation>
    </message>
    <message>
        <source>Parameter Files (*.prm)</source>
        <translation>Parameterdateien (*.prm)</translation>
    </message>
    <message>
        <source>0 degrees</source>
        <translation>0 Grad</translation>
    </message>
    <message>
        <source>180 degrees</source>
        <translation>180 Grad</translation>
    </message>
    <message>
        <source>From Left to Right</source>
        <translation>Von links nach rechts</translation>
    </message>
    <message>
        <source>From Right to Left</source>
        <translation>Von rechts nach links</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positiv</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Positive/Continuous</source>
        <translation>Positiv/Kontinuierlich</translation>
    </message>
    <message>
        <source>Negative Continuous</source>
        <translation>Negativ kontinuierlich</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>External Speed Encoder</source>
        <translation>Externer Drehgeber</translation>
    </message>
    <message>
        <source>Internal Pulse Generator</source>
        <translation>Interner Impulsgeber</translation>
    </message>
    <message>
        <source>Rotate print</source>
        <translation>Druck drehen</translation>
    </message>
    <message>
        <source>Print request (edge)</source>
        <translation>Druckanforderung (Flanke)</translation>
    </message>
    <message>
        <source>Print debounce</source>
        <translation>Entprellzeit Druckanforderung</translation>
    </message>
    <message>
        <source>Print delay</source>
        <translation>Druckverzögerung</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Streckung</translation>
    </message>
    <message>
        <source>Encoder strobe source</source>
        <translation>Taktquelle</translation>
    </message>
    <message>
        <source>### pixels</source>
        <extracomment>Keep the three # signs: each stands for one digit of the value.</extracomment>
        <translation>### Pixel</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>X offset</source>
        <translation>X-Versatz</translation>
    </message>
    <message>
        <source>Y offset</source>
        <translation>Y-Versatz</translation>
    </message>
    <message>
        <source>Ribbon gap</source>
        <translation>Farbbandabstand</translation>
    </message>
    <message>
        <source>Inhibit delay</source>
        <translation>Sperrverzögerung</translation>
    </message>
    <message>
        <source>Inhibit off delay</source>
        <translation>Verzögerung Sperre aus</translation>
    </message>
    <message>
        <source>Print direction</source>
        <translation>Druckrichtung</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Head cap interval</source>
        <translation>Intervall Kopfabdeckung</translation>
    </message>
    <message>
        <source>Spit Delay</source>
        <translation>Spülverzögerung</translation>
    </message>
    <message>
        <source>Spit Interval</source>
        <translation>Spülintervall</translation>
    </message>
    <message>
        <source>Print direction A</source>
        <translation>Druckrichtung A</translation>
    </message>
    <message>
        <source>Print direction B</source>
        <translation>Druckrichtung B</translation>
    </message>
    <message>
        <source>Print delay A</source>
        <translation>Druckverzögerung A</translation>
    </message>
    <message>
        <source>Print delay B</source>
        <translation>Druckverzögerung B</translation>
    </message>
</context>
<context>
    <name>TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Current image A:</source>
        <translation>Aktuelles Bild A:</translation>
    </message>
    <message>
        <source>Current image B:</source>
        <translation>Aktuelles Bild B:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Current image:</source>
        <translation>Aktuelles Bild:</translation>
    </message>
</context>
<context>
    <name>TPropertyForm</name>
    <message>
        <source>Firmware version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>Com Port</source>
        <translation>COM-Anschluss</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Nicht verbunden</translation>
    </message>
</context>
<context>
    <name>TStationBroker</name>
    <message>
        <source>No broker is set (MQTT_BROKER).</source>
        <translation>Kein Broker eingestellt (MQTT_BROKER).</translation>
    </message>
    <message>
        <source>The station does not publish on the broker: %1</source>
        <translation>Die Station veröffentlicht nicht beim Broker: %1</translation>
    </message>
    <message>
        <source>Remote control is off in the settings (REMOTE_CONTROL).</source>
        <translation>Fernsteuerung ist in den Einstellungen aus (REMOTE_CONTROL).</translation>
    </message>
    <message>
        <source>The broker %1 cannot be reached (%2).</source>
        <translation>Der Broker %1 ist nicht erreichbar (%2).</translation>
    </message>
    <message>
        <source>The broker %1 refuses the station&apos;s user name or password.</source>
        <translation>Der Broker %1 weist Benutzernamen oder Passwort der Station zurück.</translation>
    </message>
    <message>
        <source>The broker %1 does not let the station in (not authorised): check MQTT_USERNAME and MQTT_PASSWORD.</source>
        <translation>Der Broker %1 lässt die Station nicht zu (nicht berechtigt): MQTT_USERNAME und MQTT_PASSWORD prüfen.</translation>
    </message>
    <message>
        <source>The secure connection to the broker %1 failed (%2): check MQTT_CA_FILE, MQTT_CERT_FILE and MQTT_KEY_FILE, and the broker&apos;s certificate.</source>
        <translation>Die gesicherte Verbindung zum Broker %1 ist fehlgeschlagen (%2): MQTT_CA_FILE, MQTT_CERT_FILE und MQTT_KEY_FILE sowie das Zertifikat des Brokers prüfen.</translation>
    </message>
    <message>
        <source>The broker %1 refuses the connection (%2).</source>
        <translation>Der Broker %1 weist die Verbindung zurück (%2).</translation>
    </message>
    <message>
        <source>The station goes on working and tries again.</source>
        <translation>Die Station arbeitet weiter und versucht es erneut.</translation>
    </message>
</context>
<context>
    <name>TStationEvent</name>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Link lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Störung</translation>
    </message>
    <message>
        <source>State on</source>
        <translation>Zustand ein</translation>
    </message>
    <message>
        <source>State off</source>
        <translation>Zustand aus</translation>
    </message>
    <message>
        <source>Print started</source>
        <translation>Druck gestartet</translation>
    </message>
    <message>
        <source>Print stopped</source>
        <translation>Druck gestoppt</translation>
    </message>
    <message>
        <source>Image transfer</source>
        <translation>Bildübertragung</translation>
    </message>
    <message>
        <source>Image deleted</source>
        <translation>Bild gelöscht</translation>
    </message>
    <message>
        <source>Item changed</source>
        <translation>Element geändert</translation>
    </message>
    <message>
        <source>Flash write started</source>
        <translation>Flash-Schreiben begonnen</translation>
    </message>
    <message>
        <source>Flash write ended</source>
        <translation>Flash-Schreiben beendet</translation>
    </message>
    <message>
        <source>Parameter written</source>
        <translation>Parameter geschrieben</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>Uhr gestellt</translation>
    </message>
    <message>
        <source>Operator request</source>
        <translation>Bedieneranfrage</translation>
    </message>
    <message>
        <source>Operator answer</source>
        <translation>Bedienerantwort</translation>
    </message>
    <message>
        <source>History gap began</source>
        <translation>Lücke im Verlauf begonnen</translation>
    </message>
    <message>
        <source>History gap ended</source>
        <translation>Lücke im Verlauf beendet</translation>
    </message>
    <message>
        <source>History pruned</source>
        <translation>Verlauf gekürzt</translation>
    </message>
    <message>
        <source>Changeover started</source>
        <translation>Produktumstellung begonnen</translation>
    </message>
    <message>
        <source>Changeover check</source>
        <translation>Produktumstellung geprüft</translation>
    </message>
    <message>
        <source>Changeover values applied</source>
        <translation>Produktumstellung: Werte gesetzt</translation>
    </message>
    <message>
        <source>Changeover confirmed</source>
        <translation>Produktumstellung bestätigt</translation>
    </message>
    <message>
        <source>Changeover ended</source>
        <translation>Produktumstellung beendet</translation>
    </message>
    <message>
        <source>Reconnecting</source>
        <translation>Neuverbindung</translation>
    </message>
    <message>
        <source>Reconnected</source>
        <translation>Wieder verbunden</translation>
    </message>
    <message>
        <source>Remote command</source>
        <translation>Fernbefehl</translation>
    </message>
</context>
<context>
    <name>TTransferBatch</name>
    <message>
        <source>Insufficient Memory to Store Image. Transfer Aborted</source>
        <translation>Nicht genügend Speicher für das Bild. Übertragung abgebrochen</translation>
    </message>
    <message>
        <source>Image Transfer Failed. Operation Aborted.</source>
        <translation>Bildübertragung fehlgeschlagen. Vorgang abgebrochen.</translation>
    </message>
    <message>
        <source>BARCODE OF ITEM %1 DOES NOT READ BACK (%2). TRANSFER ANYWAY?</source>
        <translation>BARCODE VON ELEMENT %1 IST NICHT LESBAR (%2). TROTZDEM ÜBERTRAGEN?</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Transfer Aborted. Not transferred: %1</source>
        <translation>Übertragung abgebrochen. Nicht übertragen: %1</translation>
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
        <translation>Druckerstatus</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Druckt</translation>
    </message>
    <message>
        <source>Print count:</source>
        <translation>Druckzähler:</translation>
    </message>
    <message>
        <source>Ink/Ribbon</source>
        <translation>Tinte/Farbband</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Freier Speicher</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Com ports</source>
        <translation>COM-Anschlüsse</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Verbindungen</translation>
    </message>
    <message>
        <source>Disconnect all</source>
        <translation>Alle trennen</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Farbband</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Tinte</translation>
    </message>
    <message>
        <source>%1% %2 - %3</source>
        <translation>%1 % %2 - %3</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Changeover</source>
        <translation>Produktumstellung</translation>
    </message>
    <message>
        <source>Line overview</source>
        <translation>Linienübersicht</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>program, printers connected</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Remote control allowed: the plant&apos;s systems may start and stop printing.</source>
        <translation>Fernsteuerung erlaubt: die Systeme des Werks dürfen den Druck starten und stoppen.</translation>
    </message>
    <message>
        <source>Remote control allowed</source>
        <translation>Fernsteuerung erlaubt</translation>
    </message>
    <message>
        <source>Allow remote control</source>
        <translation>Fernsteuerung erlauben</translation>
    </message>
</context>
</TS>
