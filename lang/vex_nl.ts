<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>NumberMaskUtils</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is geen geldig geheel getal</translation>
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
        <translation>Programmapictogram</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
</context>
<context>
    <name>TChangeover</name>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>the whole description</source>
        <translation>de hele beschrijving</translation>
    </message>
    <message>
        <source>the printer described another image</source>
        <translation>de printer heeft een ander beeld beschreven</translation>
    </message>
    <message>
        <source>the printer&apos;s description goes on in a way the station does not read</source>
        <translation>de beschrijving van de printer gaat verder op een manier die het station niet leest</translation>
    </message>
    <message>
        <source>the printer describes more rows than an image can have</source>
        <translation>de printer beschrijft meer regels dan een beeld kan hebben</translation>
    </message>
    <message>
        <source>item %1: expected %2, found %3</source>
        <translation>element %1: verwacht %2, gevonden %3</translation>
    </message>
    <message>
        <source>No printer is selected.</source>
        <translation>Er is geen printer geselecteerd.</translation>
    </message>
    <message>
        <source>The job is not for printer %1 (%2): it is for %3.</source>
        <translation>De opdracht is niet voor printer %1 (%2): hij is voor %3.</translation>
    </message>
    <message>
        <source>models %1</source>
        <translation>de modellen %1</translation>
    </message>
    <message>
        <source>printers named %1</source>
        <translation>de printers met de naam %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Printer %1 is printing: stop it before a changeover.</source>
        <translation>Printer %1 drukt: stop hem voor een productwissel.</translation>
    </message>
    <message>
        <source>A transfer of images is under way: wait until it has ended.</source>
        <translation>Er loopt een beeldoverdracht: wacht tot die klaar is.</translation>
    </message>
    <message>
        <source>The design file now holds image %1, not %2: read the job again.</source>
        <translation>Het ontwerpbestand bevat nu beeld %1, niet %2: lees de opdracht opnieuw.</translation>
    </message>
    <message>
        <source>The job has no entry named %1.</source>
        <translation>De opdracht heeft geen invoer met de naam %1.</translation>
    </message>
    <message>
        <source>the printer does not hold it</source>
        <translation>de printer heeft het niet</translation>
    </message>
    <message>
        <source>The image was not sent: %1</source>
        <translation>Het beeld is niet verzonden: %1</translation>
    </message>
    <message>
        <source>The printer could not write its memory after the image was sent.</source>
        <translation>De printer kon zijn geheugen na het verzenden van het beeld niet schrijven.</translation>
    </message>
    <message>
        <source>The printer does not show the image it was sent: %1</source>
        <translation>De printer toont niet het beeld dat hem is verzonden: %1</translation>
    </message>
    <message>
        <source>The printer went away.</source>
        <translation>De printer is niet meer verbonden.</translation>
    </message>
    <message>
        <source>Another printer was selected.</source>
        <translation>Er is een andere printer geselecteerd.</translation>
    </message>
</context>
<context>
    <name>TChangeoverForm</name>
    <message>
        <source>Changeover</source>
        <translation>Productwissel</translation>
    </message>
    <message>
        <source>Product code:</source>
        <translation>Productcode:</translation>
    </message>
    <message>
        <source>Scan the product&apos;s barcode, or type its code and press Enter</source>
        <translation>Scan de barcode van het product, of typ de code en druk op Enter</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>Opdracht:</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Beeld:</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Invoer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Label picture</source>
        <translation>Afbeelding van het etiket</translation>
    </message>
    <message>
        <source>Zoom with the mouse wheel or +, - and 0; drag to move</source>
        <translation>Zoom met het muiswiel of +, - en 0; sleep om te verplaatsen</translation>
    </message>
    <message>
        <source>Barcodes read back</source>
        <translation>Teruggelezen barcodes</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Verschillen</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Verwacht</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gevonden</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Controleren</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Choose a job</source>
        <translation>Kies een opdracht</translation>
    </message>
    <message>
        <source>Scan the product&apos;s barcode, or choose its job.</source>
        <translation>Scan de barcode van het product, of kies de opdracht.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (refused)</source>
        <translation>%1 (geweigerd)</translation>
    </message>
    <message>
        <source>There are no job files in %1.</source>
        <translation>Er zijn geen opdrachtbestanden in %1.</translation>
    </message>
    <message>
        <source>%1 from %2, for %3</source>
        <translation>%1 uit %2, voor %3</translation>
    </message>
    <message>
        <source>Press Check: the station checks the printer against the job.</source>
        <translation>Druk op Controleren: het station controleert de printer aan de hand van de opdracht.</translation>
    </message>
    <message>
        <source>Fill in the entries, then press Check.</source>
        <translation>Vul de invoer in en druk dan op Controleren.</translation>
    </message>
    <message>
        <source>Comparing the printer&apos;s image %1 with the job&apos;s...</source>
        <translation>Beeld %1 van de printer wordt vergeleken met dat van de opdracht...</translation>
    </message>
    <message>
        <source>Sending the image %1 to the printer...</source>
        <translation>Beeld %1 wordt naar de printer verzonden...</translation>
    </message>
    <message>
        <source>Reading the printer&apos;s items...</source>
        <translation>De elementen van de printer worden gelezen...</translation>
    </message>
    <message>
        <source>Reading the items back from the printer...</source>
        <translation>De elementen worden van de printer teruggelezen...</translation>
    </message>
    <message>
        <source>Every item matches the job: press Start to print.</source>
        <translation>Alle elementen komen overeen met de opdracht: druk op Start om te printen.</translation>
    </message>
    <message>
        <source>Items differ from the job (%1): Start is blocked. Correct the entries and check again, or cancel.</source>
        <translation>Elementen wijken af van de opdracht (%1): Start is geblokkeerd. Corrigeer de invoer en controleer opnieuw, of annuleer.</translation>
    </message>
    <message>
        <source>Reading the items once more before printing...</source>
        <translation>De elementen worden voor het printen nog eens gelezen...</translation>
    </message>
    <message>
        <source>Starting the printer...</source>
        <translation>De printer wordt gestart...</translation>
    </message>
    <message>
        <source>Printing %1 for %2 (%3).</source>
        <translation>Print %1 voor %2 (%3).</translation>
    </message>
    <message>
        <source>The changeover was cancelled.</source>
        <translation>De productwissel is geannuleerd.</translation>
    </message>
    <message>
        <source>The label with the values the printer holds:</source>
        <translation>Het etiket met de waarden die de printer heeft:</translation>
    </message>
    <message>
        <source>The label as its design file gives it:</source>
        <translation>Het etiket zoals het ontwerpbestand het geeft:</translation>
    </message>
    <message>
        <source>Item %1 (%2): %3 %4</source>
        <translation>Element %1 (%2): %3 %4</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>TBrokerSettings</name>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 moet een geheel getal van %2 tot %3 zijn.</translation>
    </message>
    <message>
        <source>MQTT_BROKER is not a broker&apos;s address such as mqtt://HOST:PORT or mqtts://HOST:PORT.</source>
        <translation>MQTT_BROKER is geen brokeradres zoals mqtt://HOST:PORT of mqtts://HOST:PORT.</translation>
    </message>
    <message>
        <source>%1 names a file that cannot be read: %2</source>
        <translation>%1 noemt een bestand dat niet gelezen kan worden: %2</translation>
    </message>
    <message>
        <source>MQTT_CERT_FILE and MQTT_KEY_FILE go together: set both or neither.</source>
        <translation>MQTT_CERT_FILE en MQTT_KEY_FILE horen bij elkaar: stel beide in of geen van beide.</translation>
    </message>
    <message>
        <source>TLS files are set, but MQTT_BROKER is not an mqtts:// address: the password would go unencrypted.</source>
        <translation>Er zijn TLS-bestanden ingesteld, maar MQTT_BROKER is geen mqtts://-adres: het wachtwoord zou onversleuteld gaan.</translation>
    </message>
    <message>
        <source>MQTT_PASSWORD is set without MQTT_USERNAME.</source>
        <translation>MQTT_PASSWORD is ingesteld zonder MQTT_USERNAME.</translation>
    </message>
    <message>
        <source>STATION_NAME is longer than %1 letters.</source>
        <translation>STATION_NAME is langer dan %1 tekens.</translation>
    </message>
    <message>
        <source>REMOTE_TRANSFER_DIRECTORY is not a folder: %1</source>
        <translation>REMOTE_TRANSFER_DIRECTORY is geen map: %1</translation>
    </message>
</context>
<context>
    <name>TCoder</name>
    <message>
        <source>%1 Bytes.</source>
        <translation>%1 bytes.</translation>
    </message>
    <message>
        <source>%1 - PRINT CYCLE TIMEOUT!</source>
        <translation>%1 - TIME-OUT VAN DE PRINTCYCLUS!</translation>
    </message>
    <message>
        <source>%1 - PRINTHEAD POSITIONING ERROR!</source>
        <translation>%1 - POSITIONERINGSFOUT VAN DE PRINTKOP!</translation>
    </message>
    <message>
        <source>MEMORY WRITE ERROR!</source>
        <translation>FOUT BIJ HET SCHRIJVEN NAAR HET GEHEUGEN!</translation>
    </message>
    <message>
        <source>%1 - RIBBON FAULT!</source>
        <translation>%1 - LINTSTORING!</translation>
    </message>
    <message>
        <source>Unknown Printer</source>
        <translation>Onbekende printer</translation>
    </message>
    <message>
        <source>%1 - REPORT TOO LARGE, REFUSED!</source>
        <translation>%1 - RAPPORT TE GROOT, GEWEIGERD!</translation>
    </message>
</context>
<context>
    <name>TConnectionManager</name>
    <message>
        <source>%1 MANUALLY DISCONNECTED!</source>
        <translation>%1 HANDMATIG LOSGEKOPPELD!</translation>
    </message>
    <message>
        <source>%1 - CONNECTION LOST!</source>
        <translation>%1 - VERBINDING VERLOREN!</translation>
    </message>
</context>
<context>
    <name>TConnectionsForm</name>
    <message>
        <source>Connections</source>
        <translation>Verbindingen</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Printers</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbreken</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschappen</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>printer, state</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>not printing, no ink</source>
        <translation>print niet, geen inkt</translation>
    </message>
    <message>
        <source>not printing, ink</source>
        <translation>print niet, inkt</translation>
    </message>
    <message>
        <source>printing, no ink</source>
        <translation>print, geen inkt</translation>
    </message>
    <message>
        <source>printing, ink</source>
        <translation>print, inkt</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>niet verbonden</translation>
    </message>
    <message>
        <source>No Ethernet Connection</source>
        <translation>Geen Ethernet-verbinding</translation>
    </message>
    <message>
        <source>reconnecting since %1</source>
        <translation>opnieuw verbinden sinds %1</translation>
    </message>
</context>
<context>
    <name>TCustomNumberEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
</context>
<context>
    <name>TDateTimeForm</name>
    <message>
        <source>Set Date and Time</source>
        <translation>Datum en tijd instellen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Use PC time</source>
        <translation>PC-tijd gebruiken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Ongeldig argument voor de datumcodering</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Ongeldig argument voor de tijdcodering</translation>
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
        <translation>Flashgeheugen wordt beschreven, even geduld.</translation>
    </message>
</context>
<context>
    <name>THistoryForm</name>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Gebeurtenis:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Van:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Tot:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Events, newest first</source>
        <translation>Gebeurtenissen, nieuwste eerst</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporteren...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>All printers</source>
        <translation>Alle printers</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Alle gebeurtenissen</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>De geschiedenis kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Het bestand %1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>Exporting the history...</source>
        <translation>De geschiedenis wordt geëxporteerd...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>De export is geannuleerd.</translation>
    </message>
    <message>
        <source>%1 rows exported to %2.</source>
        <translation>%1 regels geëxporteerd naar %2.</translation>
    </message>
</context>
<context>
    <name>THistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Gebeurtenis</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Bron</translation>
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
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>het bestand is beschadigd</translation>
    </message>
    <message>
        <source>the file is locked by another program</source>
        <translation>het bestand is vergrendeld door een ander programma</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>het bestand kan niet worden geopend</translation>
    </message>
    <message>
        <source>the file was written by a newer version of the station</source>
        <translation>het bestand is geschreven door een nieuwere versie van het station</translation>
    </message>
    <message>
        <source>the database reports an error</source>
        <translation>de database meldt een fout</translation>
    </message>
    <message>
        <source>The history cannot be written to %1: %2. The station goes on working and records the gap once it can write again.</source>
        <translation>De geschiedenis kan niet naar %1 worden geschreven: %2. Het station blijft werken en legt het gat vast zodra het weer kan schrijven.</translation>
    </message>
</context>
<context>
    <name>TImageDeleteDlg</name>
    <message>
        <source>Delete Images</source>
        <translation>Afbeeldingen verwijderen</translation>
    </message>
    <message>
        <source>Source list:</source>
        <translation>Afbeeldingen in de printer:</translation>
    </message>
    <message>
        <source>Add the selected images</source>
        <translation>Geselecteerde afbeeldingen toevoegen</translation>
    </message>
    <message>
        <source>Add all images</source>
        <translation>Alle afbeeldingen toevoegen</translation>
    </message>
    <message>
        <source>Remove the selected images</source>
        <translation>Geselecteerde afbeeldingen uit de lijst halen</translation>
    </message>
    <message>
        <source>Remove all images</source>
        <translation>Alle afbeeldingen uit de lijst halen</translation>
    </message>
    <message>
        <source>Images to delete:</source>
        <translation>Te verwijderen afbeeldingen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>TImageDownloadForm</name>
    <message>
        <source>Image transfer</source>
        <translation>Afbeelding overdragen</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Bestandsnaam:</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Afbeelding:</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Voortgang van de overdracht</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>IMAGE %1 EXISTS, OVERWRITE?</source>
        <translation>AFBEELDING %1 BESTAAT AL, OVERSCHRIJVEN?</translation>
    </message>
    <message>
        <source>INVALID FILE TYPE, TRANSFER OF IMAGE ABORTED</source>
        <translation>ONGELDIG BESTANDSTYPE, OVERDRACHT VAN AFBEELDING AFGEBROKEN</translation>
    </message>
    <message>
        <source>IMAGE %1 CONTAINS INVALID ITEM TYPE, TRANSFER OF IMAGE ABORTED</source>
        <translation>AFBEELDING %1 BEVAT EEN ONGELDIG ELEMENTTYPE, OVERDRACHT VAN AFBEELDING AFGEBROKEN</translation>
    </message>
    <message>
        <source>FILE %1 IS DAMAGED OR INCOMPLETE, TRANSFER OF IMAGE ABORTED</source>
        <translation>BESTAND %1 IS BESCHADIGD OF ONVOLLEDIG, OVERDRACHT VAN AFBEELDING AFGEBROKEN</translation>
    </message>
    <message>
        <source>FILE %1 CANNOT BE OPENED (%2), TRANSFER OF IMAGE ABORTED</source>
        <translation>BESTAND %1 KAN NIET WORDEN GEOPEND (%2), OVERDRACHT VAN AFBEELDING AFGEBROKEN</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): &apos;%4&apos; IS NOT A VALID NUMBER, TRANSFER OF IMAGE ABORTED</source>
        <translation>AFBEELDING %1, ELEMENT %2 (%3): &apos;%4&apos; IS GEEN GELDIG GETAL, OVERDRACHT VAN AFBEELDING AFGEBROKEN</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): BARCODE CANNOT BE ENCODED, %4, TRANSFER OF IMAGE ABORTED</source>
        <translation>AFBEELDING %1, ELEMENT %2 (%3): BARCODE KAN NIET WORDEN GECODEERD, %4, OVERDRACHT VAN AFBEELDING AFGEBROKEN</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): GRAPHIC OF %4 PIXELS IS LARGER THAN 65535 X 65535, TRANSFER OF IMAGE ABORTED</source>
        <translation>AFBEELDING %1, ELEMENT %2 (%3): GRAFISCH ELEMENT VAN %4 PIXELS IS GROTER DAN 65535 X 65535, OVERDRACHT VAN AFBEELDING AFGEBROKEN</translation>
    </message>
    <message>
        <source>IMAGE %1 HAS %2 ITEMS, MORE THAN 255, TRANSFER OF IMAGE ABORTED</source>
        <translation>AFBEELDING %1 HEEFT %2 ELEMENTEN, MEER DAN 255, OVERDRACHT VAN AFBEELDING AFGEBROKEN</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): %4 CONTAINS A ZERO BYTE, TRANSFER OF IMAGE ABORTED</source>
        <translation>AFBEELDING %1, ELEMENT %2 (%3): %4 BEVAT EEN NULBYTE, OVERDRACHT VAN AFBEELDING AFGEBROKEN</translation>
    </message>
    <message>
        <source>IMAGE %1: %2 CONTAINS A ZERO BYTE, TRANSFER OF IMAGE ABORTED</source>
        <translation>AFBEELDING %1: %2 BEVAT EEN NULBYTE, OVERDRACHT VAN AFBEELDING AFGEBROKEN</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): DATA HAS %4 CHARACTERS, MORE THAN 255, TRANSFER OF IMAGE ABORTED</source>
        <translation>AFBEELDING %1, ELEMENT %2 (%3): GEGEVENS HEBBEN %4 TEKENS, MEER DAN 255, OVERDRACHT VAN AFBEELDING AFGEBROKEN</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): BARCODE HAS %4 ELEMENTS, MORE THAN 255, TRANSFER OF IMAGE ABORTED</source>
        <translation>AFBEELDING %1, ELEMENT %2 (%3): BARCODE HEEFT %4 GEGEVENSVELDEN, MEER DAN 255, OVERDRACHT VAN AFBEELDING AFGEBROKEN</translation>
    </message>
    <message>
        <source>ElementText%1 of element %2</source>
        <translation>ElementText%1 van gegevensveld %2</translation>
    </message>
    <message>
        <source>%1 MODULE WIDTH %2 IS NOT 2 TO 6</source>
        <translation>%1: MODULEBREEDTE %2 LIGT NIET TUSSEN 2 EN 6</translation>
    </message>
    <message>
        <source>%1 DATA &apos;%2&apos; HOLDS A CHARACTER OTHER THAN 0 TO 9</source>
        <translation>%1: GEGEVENS &apos;%2&apos; BEVATTEN EEN ANDER TEKEN DAN 0 TOT 9</translation>
    </message>
    <message>
        <source>%1 DATA &apos;%2&apos; HAS FEWER THAN %3 DIGITS</source>
        <translation>%1: GEGEVENS &apos;%2&apos; HEBBEN MINDER DAN %3 CIJFERS</translation>
    </message>
</context>
<context>
    <name>TImageFileDialog</name>
    <message>
        <source>Vega/Deneb Images (*.Vega)</source>
        <translation>Vega/Deneb-afbeeldingen (*.Vega)</translation>
    </message>
    <message>
        <source>Rigel Images (*.Rigel)</source>
        <translation>Rigel-afbeeldingen (*.Rigel)</translation>
    </message>
    <message>
        <source>Altair Images (*.Altair)</source>
        <translation>Altair-afbeeldingen (*.Altair)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>TJobFile</name>
    <message>
        <source>Job file %1, %2: %3</source>
        <translation>Opdrachtbestand %1, %2: %3</translation>
    </message>
    <message>
        <source>Job file %1: %2</source>
        <translation>Opdrachtbestand %1: %2</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <translation>is groter dan %1 bytes</translation>
    </message>
    <message>
        <source>is not JSON: %1 at character %2</source>
        <translation>is geen JSON: %1 bij teken %2</translation>
    </message>
    <message>
        <source>must be a JSON object</source>
        <translation>moet een JSON-object zijn</translation>
    </message>
    <message>
        <source>is not a field a job has</source>
        <translation>is geen veld van een opdracht</translation>
    </message>
    <message>
        <source>is given twice</source>
        <translation>is twee keer opgegeven</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>ontbreekt</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>moet een tekst zijn</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>moet een geheel getal zijn</translation>
    </message>
    <message>
        <source>must be a list</source>
        <translation>moet een lijst zijn</translation>
    </message>
    <message>
        <source>must not be empty</source>
        <translation>mag niet leeg zijn</translation>
    </message>
    <message>
        <source>must be at most %1 characters long</source>
        <translation>mag hoogstens %1 tekens lang zijn</translation>
    </message>
    <message>
        <source>must hold at most %1 entries</source>
        <translation>mag hoogstens %1 items bevatten</translation>
    </message>
    <message>
        <source>must be from %1 to %2</source>
        <translation>moet tussen %1 en %2 liggen</translation>
    </message>
    <message>
        <source>must be one of: %1</source>
        <translation>moet een van deze zijn: %1</translation>
    </message>
    <message>
        <source>holds a character a printer message cannot carry</source>
        <translation>bevat een teken dat een printerbericht niet kan overbrengen</translation>
    </message>
    <message>
        <source>may hold only letters, digits, &apos;-&apos;, &apos;.&apos; and &apos;_&apos;</source>
        <translation>mag alleen letters, cijfers, &apos;-&apos;, &apos;.&apos; en &apos;_&apos; bevatten</translation>
    </message>
    <message>
        <source>must start with a letter and hold only letters, digits, &apos;-&apos; and &apos;_&apos;</source>
        <translation>moet met een letter beginnen en mag alleen letters, cijfers, &apos;-&apos; en &apos;_&apos; bevatten</translation>
    </message>
    <message>
        <source>must name at least one printer model or printer name</source>
        <translation>moet ten minste één printermodel of printernaam noemen</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>er is geen bestand %1</translation>
    </message>
    <message>
        <source>the station would not send %1: %2</source>
        <translation>het station zou %1 niet verzenden: %2</translation>
    </message>
    <message>
        <source>the image %1 has no item %2 (it has %3)</source>
        <translation>beeld %1 heeft geen element %2 (het heeft er %3)</translation>
    </message>
    <message>
        <source>a %1 rule does not fit item %2, a %3 item</source>
        <translation>een regel %1 past niet bij element %2, een element %3</translation>
    </message>
    <message>
        <source>item %1 has a rule already</source>
        <translation>element %1 heeft al een regel</translation>
    </message>
    <message>
        <source>an entry named %1 is there already</source>
        <translation>er is al een invoer met de naam %1</translation>
    </message>
    <message>
        <source>is not a valid pattern: %1</source>
        <translation>is geen geldig patroon: %1</translation>
    </message>
    <message>
        <source>No job in %1 has the product code or name %2</source>
        <translation>Geen opdracht in %1 heeft de productcode of naam %2</translation>
    </message>
    <message>
        <source>Several jobs in %1 have the product code %2: %3</source>
        <translation>Meerdere opdrachten in %1 hebben productcode %2: %3</translation>
    </message>
    <message>
        <source>an %1 value holds only the digits 0 to 9</source>
        <translation>een waarde voor %1 bevat alleen de cijfers 0 tot 9</translation>
    </message>
    <message>
        <source>an %1 value has %2 digits, its check digit included</source>
        <translation>een waarde voor %1 heeft %2 cijfers, het controlecijfer inbegrepen</translation>
    </message>
    <message>
        <source>the check digit of %1 is %2</source>
        <translation>het controlecijfer van %1 is %2</translation>
    </message>
    <message>
        <source>a value of item %1 has at most %2 characters</source>
        <translation>een waarde van element %1 heeft hoogstens %2 tekens</translation>
    </message>
    <message>
        <source>Entry %1 (%2): %3</source>
        <translation>Invoer %1 (%2): %3</translation>
    </message>
    <message>
        <source>no value given</source>
        <translation>geen waarde opgegeven</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not match %2</source>
        <translation>&apos;%1&apos; past niet bij %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is longer than %2 characters</source>
        <translation>&apos;%1&apos; is langer dan %2 tekens</translation>
    </message>
</context>
<context>
    <name>TLabelPreview</name>
    <message>
        <source>reads back</source>
        <translation>wordt correct gelezen</translation>
    </message>
    <message>
        <source>reads other data</source>
        <translation>leest andere gegevens</translation>
    </message>
    <message>
        <source>does not read back</source>
        <translation>niet leesbaar</translation>
    </message>
    <message>
        <source>not drawn</source>
        <translation>niet getekend</translation>
    </message>
    <message>
        <source>LABEL OF %1 X %2 DOTS IS TOO LARGE TO PREVIEW</source>
        <translation>LABEL VAN %1 X %2 PUNTEN IS TE GROOT VOOR HET VOORBEELD</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATUM</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>TIJD</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>PLOEG</translation>
    </message>
    <message>
        <source>COUNTER</source>
        <translation>TELLER</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>encoded</source>
        <translation>gecodeerd</translation>
    </message>
    <message>
        <source>substituted</source>
        <translation>vervangen</translation>
    </message>
    <message>
        <source>placeholder</source>
        <translation>plaatshouder</translation>
    </message>
    <message>
        <source>the picture, dot for dot</source>
        <translation>de afbeelding, punt voor punt</translation>
    </message>
    <message>
        <source>bars of the symbol characters the station sends; the printer adds the digits</source>
        <translation>strepen van de symbooltekens die het station verstuurt; de printer voegt de cijfers toe</translation>
    </message>
    <message>
        <source>encoded here from its data; the printer encodes it itself</source>
        <translation>hier uit de gegevens gecodeerd; de printer codeert hem zelf</translation>
    </message>
    <message>
        <source>in a substitute font</source>
        <translation>in een vervangend lettertype</translation>
    </message>
    <message>
        <source>framed: this program has no fonts to draw it</source>
        <translation>omkaderd: dit programma heeft niet het lettertype om het te tekenen</translation>
    </message>
    <message>
        <source>the printer fills it in</source>
        <translation>de printer vult de waarde in</translation>
    </message>
    <message>
        <source>reads %1</source>
        <translation>leest %1</translation>
    </message>
    <message>
        <source>no barcode found</source>
        <translation>geen barcode gevonden</translation>
    </message>
    <message>
        <source>checksum error</source>
        <translation>fout in controlecijfer</translation>
    </message>
    <message>
        <source>format error</source>
        <translation>formaatfout</translation>
    </message>
    <message>
        <source>no FNC1 first: not a GS1 symbol</source>
        <translation>geen FNC1 aan het begin: geen GS1-symbool</translation>
    </message>
    <message>
        <source>character &apos;%1&apos; cannot be encoded</source>
        <translation>teken &apos;%1&apos; kan niet worden gecodeerd</translation>
    </message>
    <message>
        <source>%1 dots wide, wider than the %2 dots the preview draws</source>
        <translation>%1 punten breed, breder dan de %2 punten van het voorbeeld</translation>
    </message>
    <message>
        <source>module or narrow width of 0 dots</source>
        <translation>module- of smalle breedte van 0 punten</translation>
    </message>
    <message>
        <source>wide element width of 0 dots</source>
        <translation>breedte van brede elementen van 0 punten</translation>
    </message>
    <message>
        <source>no elements</source>
        <translation>geen gegevensvelden</translation>
    </message>
    <message>
        <source>element %1 has no application identifier: &apos;%2&apos;</source>
        <translation>gegevensveld %1 heeft geen toepassingsidentificatie: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the station&apos;s symbol characters cannot be read</source>
        <translation>de symbooltekens van het station zijn onleesbaar</translation>
    </message>
</context>
<context>
    <name>TLabelPreviewForm</name>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Bestandsnaam:</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Openen...</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Afbeelding:</translation>
    </message>
    <message>
        <source>Zoom out (-, mouse wheel)</source>
        <translation>Uitzoomen (-, muiswiel)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Zoom in (+, mouse wheel)</source>
        <translation>Inzoomen (+, muiswiel)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Fit to window (0)</source>
        <translation>Aan venster aanpassen (0)</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>Aan venster aanpassen</translation>
    </message>
    <message>
        <source>Label picture</source>
        <translation>Etiketafbeelding</translation>
    </message>
    <message>
        <source>Mouse wheel, + and - zoom; 0 fits the picture to the window; drag to move it.</source>
        <translation>Muiswiel, + en - zoomen; 0 past de afbeelding aan het venster aan; sleep om haar te verschuiven.</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elementen</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Getekend</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Teruggelezen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Expected: %1
Read: %2</source>
        <translation>Verwacht: %1
Gelezen: %2</translation>
    </message>
    <message>
        <source>The label has no barcodes.</source>
        <translation>Het etiket bevat geen barcodes.</translation>
    </message>
    <message>
        <source>Barcodes that read back: %1 of %2</source>
        <translation>Leesbare barcodes: %1 van %2</translation>
    </message>
</context>
<context>
    <name>TLamp</name>
    <message>
        <source>on</source>
        <translation>aan</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
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
        <translation>Lijnoverzicht</translation>
    </message>
    <message>
        <source>Printers of the line</source>
        <translation>Printers van de lijn</translation>
    </message>
    <message>
        <source>A double click selects the printer</source>
        <translation>Dubbelklikken selecteert de printer</translation>
    </message>
    <message>
        <source>A double click selects a connected printer.</source>
        <translation>Dubbelklikken selecteert een verbonden printer.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>%1 connected, %2 reconnecting</source>
        <translation>%1 verbonden, %2 opnieuw verbinden</translation>
    </message>
    <message>
        <source>Printers: %1; %2</source>
        <translation>Printers: %1; %2</translation>
    </message>
</context>
<context>
    <name>TLineModel</name>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Reached at</source>
        <translation>Bereikbaar op</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Printen</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Print count</source>
        <translation>Aantal prints</translation>
    </message>
    <message>
        <source>Ink or ribbon</source>
        <translation>Inkt of lint</translation>
    </message>
    <message>
        <source>Newest fault</source>
        <translation>Laatste storing</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Reconnecting since %1</source>
        <translation>Opnieuw verbinden sinds %1</translation>
    </message>
    <message>
        <source>%1; %2 answers there</source>
        <translation>%1; daar antwoordt %2</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Not printing</source>
        <translation>Print niet</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Lint</translation>
    </message>
    <message>
        <source>No ribbon</source>
        <translation>Geen lint</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Inkt</translation>
    </message>
    <message>
        <source>No ink</source>
        <translation>Geen inkt</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
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
        <translation>Melding</translation>
    </message>
</context>
<context>
    <name>TModifyImageForm</name>
    <message>
        <source>Modify image</source>
        <translation>Afbeelding wijzigen</translation>
    </message>
    <message>
        <source>Image name</source>
        <translation>Afbeeldingsnaam</translation>
    </message>
    <message>
        <source>Items of the image</source>
        <translation>Elementen van de afbeelding</translation>
    </message>
    <message>
        <source>Item no.</source>
        <translation>Elementnr.</translation>
    </message>
    <message>
        <source>Item type</source>
        <translation>Elementtype</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Multiline</source>
        <translation>Meerregelig</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Ploeg</translation>
    </message>
    <message>
        <source>Numeric</source>
        <translation>Teller</translation>
    </message>
    <message>
        <source>Graphic</source>
        <translation>Grafisch</translation>
    </message>
</context>
<context>
    <name>TModifyItemForm</name>
    <message>
        <source>Modify Item</source>
        <translation>Element wijzigen</translation>
    </message>
    <message>
        <source>Image name</source>
        <translation>Afbeeldingsnaam</translation>
    </message>
    <message>
        <source>Item No.</source>
        <translation>Elementnr.</translation>
    </message>
    <message>
        <source>Item Type</source>
        <translation>Elementtype</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>The printer cannot take the character &quot;%1&quot; in a value.</source>
        <translation>De printer accepteert het teken &quot;%1&quot; niet in een waarde.</translation>
    </message>
</context>
<context>
    <name>TNumericRequest</name>
    <message>
        <source>Enter a number.</source>
        <translation>Voer een getal in.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; is geen getal.</translation>
    </message>
</context>
<context>
    <name>TOperatorDateForm</name>
    <message>
        <source>Operator date</source>
        <translation>Datum invoeren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
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
        <translation>Huidige numerieke waarde:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Numeric item #%1</source>
        <translation>Numeriek veld nr. %1</translation>
    </message>
</context>
<context>
    <name>TOpreqTextForm</name>
    <message>
        <source>Operator request</source>
        <translation>Operatorverzoek</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Vraag</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
</context>
<context>
    <name>TParametersForm</name>
    <message>
        <source>Print parameters</source>
        <translation>Printparameters</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/tijd</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>%1 is not between %2 and %3</source>
        <translation>%1 ligt niet tussen %2 en %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is none of %2</source>
        <translation>&apos;%1&apos; is geen van %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of the form %2</source>
        <translation>&apos;%1&apos; is geen getal in de vorm %2</translation>
    </message>
    <message>
        <source>read-only on this printer model</source>
        <translation>alleen-lezen bij dit printermodel</translation>
    </message>
    <message>
        <source>Incompatible printer type</source>
        <translation>Incompatibel printertype</translation>
    </message>
    <message>
        <source>The file %1 holds no parameters.</source>
        <translation>Het bestand %1 bevat geen parameters.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Het bestand %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Het bestand %1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>No parameters have been read.</source>
        <translation>Er zijn geen parameters gelezen.</translation>
    </message>
    <message>
        <source>Parameter Files (*.prm)</source>
        <translation>Parameterbestanden (*.prm)</translation>
    </message>
    <message>
        <source>0 degrees</source>
        <translation>0 graden</translation>
    </message>
    <message>
        <source>180 degrees</source>
        <translation>180 graden</translation>
    </message>
    <message>
        <source>From Left to Right</source>
        <translation>Van links naar rechts</translation>
    </message>
    <message>
        <source>From Right to Left</source>
        <translation>Van rechts naar links</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positief</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negatief</translation>
    </message>
    <message>
        <source>Positive/Continuous</source>
        <translation>Positief/continu</translation>
    </message>
    <message>
        <source>Negative Continuous</source>
        <translation>Negatief continu</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Uitgeschakeld</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ingeschakeld</translation>
    </message>
    <message>
        <source>External Speed Encoder</source>
        <translation>Externe snelheidsencoder</translation>
    </message>
    <message>
        <source>Internal Pulse Generator</source>
        <translation>Interne pulsgenerator</translation>
    </message>
    <message>
        <source>Rotate print</source>
        <translation>Print draaien</translation>
    </message>
    <message>
        <source>Print request (edge)</source>
        <translation>Printverzoek (flank)</translation>
    </message>
    <message>
        <source>Print debounce</source>
        <translation>Ontdendering printverzoek</translation>
    </message>
    <message>
        <source>Print delay</source>
        <translation>Printvertraging</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Uitrekking</translation>
    </message>
    <message>
        <source>Encoder strobe source</source>
        <translation>Pulsbron</translation>
    </message>
    <message>
        <source>### pixels</source>
        <extracomment>Keep the three # signs: each stands for one digit of the value.</extracomment>
        <translation>### pixels</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>X offset</source>
        <translation>X-verschuiving</translation>
    </message>
    <message>
        <source>Y offset</source>
        <translation>Y-verschuiving</translation>
    </message>
    <message>
        <source>Ribbon gap</source>
        <translation>Lintafstand</translation>
    </message>
    <message>
        <source>Inhibit delay</source>
        <translation>Blokkeervertraging</translation>
    </message>
    <message>
        <source>Inhibit off delay</source>
        <translation>Vertraging einde blokkering</translation>
    </message>
    <message>
        <source>Print direction</source>
        <translation>Printrichting</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Uitlijning</translation>
    </message>
    <message>
        <source>Head cap interval</source>
        <translation>Interval printkopafdekking</translation>
    </message>
    <message>
        <source>Spit Delay</source>
        <translation>Spoelvertraging</translation>
    </message>
    <message>
        <source>Spit Interval</source>
        <translation>Spoelinterval</translation>
    </message>
    <message>
        <source>Print direction A</source>
        <translation>Printrichting A</translation>
    </message>
    <message>
        <source>Print direction B</source>
        <translation>Printrichting B</translation>
    </message>
    <message>
        <source>Print delay A</source>
        <translation>Printvertraging A</translation>
    </message>
    <message>
        <source>Print delay B</source>
        <translation>Printvertraging B</translation>
    </message>
</context>
<context>
    <name>TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Printen</translation>
    </message>
    <message>
        <source>Current image A:</source>
        <translation>Huidige afbeelding A:</translation>
    </message>
    <message>
        <source>Current image B:</source>
        <translation>Huidige afbeelding B:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Current image:</source>
        <translation>Huidige afbeelding:</translation>
    </message>
</context>
<context>
    <name>TPropertyForm</name>
    <message>
        <source>Firmware version</source>
        <translation>Firmwareversie</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Poortnummer</translation>
    </message>
    <message>
        <source>Com Port</source>
        <translation>COM-poort</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Niet verbonden</translation>
    </message>
</context>
<context>
    <name>TStationBroker</name>
    <message>
        <source>No broker is set (MQTT_BROKER).</source>
        <translation>Er is geen broker ingesteld (MQTT_BROKER).</translation>
    </message>
    <message>
        <source>The station does not publish on the broker: %1</source>
        <translation>Het station publiceert niet op de broker: %1</translation>
    </message>
    <message>
        <source>Remote control is off in the settings (REMOTE_CONTROL).</source>
        <translation>Afstandsbediening staat uit in de instellingen (REMOTE_CONTROL).</translation>
    </message>
    <message>
        <source>The broker %1 cannot be reached (%2).</source>
        <translation>De broker %1 is niet bereikbaar (%2).</translation>
    </message>
    <message>
        <source>The broker %1 refuses the station&apos;s user name or password.</source>
        <translation>De broker %1 weigert de gebruikersnaam of het wachtwoord van het station.</translation>
    </message>
    <message>
        <source>The broker %1 does not let the station in (not authorised): check MQTT_USERNAME and MQTT_PASSWORD.</source>
        <translation>De broker %1 laat het station niet toe (niet gemachtigd): controleer MQTT_USERNAME en MQTT_PASSWORD.</translation>
    </message>
    <message>
        <source>The secure connection to the broker %1 failed (%2): check MQTT_CA_FILE, MQTT_CERT_FILE and MQTT_KEY_FILE, and the broker&apos;s certificate.</source>
        <translation>De beveiligde verbinding met de broker %1 is mislukt (%2): controleer MQTT_CA_FILE, MQTT_CERT_FILE en MQTT_KEY_FILE, en het certificaat van de broker.</translation>
    </message>
    <message>
        <source>The broker %1 refuses the connection (%2).</source>
        <translation>De broker %1 weigert de verbinding (%2).</translation>
    </message>
    <message>
        <source>The station goes on working and tries again.</source>
        <translation>Het station werkt door en probeert het opnieuw.</translation>
    </message>
</context>
<context>
    <name>TStationEvent</name>
    <message>
        <source>Connected</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Verbroken</translation>
    </message>
    <message>
        <source>Link lost</source>
        <translation>Verbinding verloren</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Storing</translation>
    </message>
    <message>
        <source>State on</source>
        <translation>Toestand aan</translation>
    </message>
    <message>
        <source>State off</source>
        <translation>Toestand uit</translation>
    </message>
    <message>
        <source>Print started</source>
        <translation>Afdrukken gestart</translation>
    </message>
    <message>
        <source>Print stopped</source>
        <translation>Afdrukken gestopt</translation>
    </message>
    <message>
        <source>Image transfer</source>
        <translation>Afbeeldingsoverdracht</translation>
    </message>
    <message>
        <source>Image deleted</source>
        <translation>Afbeelding verwijderd</translation>
    </message>
    <message>
        <source>Item changed</source>
        <translation>Element gewijzigd</translation>
    </message>
    <message>
        <source>Flash write started</source>
        <translation>Flash-schrijven begonnen</translation>
    </message>
    <message>
        <source>Flash write ended</source>
        <translation>Flash-schrijven beëindigd</translation>
    </message>
    <message>
        <source>Parameter written</source>
        <translation>Parameter geschreven</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>Klok ingesteld</translation>
    </message>
    <message>
        <source>Operator request</source>
        <translation>Operatorverzoek</translation>
    </message>
    <message>
        <source>Operator answer</source>
        <translation>Operatorantwoord</translation>
    </message>
    <message>
        <source>History gap began</source>
        <translation>Gat in de geschiedenis begonnen</translation>
    </message>
    <message>
        <source>History gap ended</source>
        <translation>Gat in de geschiedenis beëindigd</translation>
    </message>
    <message>
        <source>History pruned</source>
        <translation>Geschiedenis ingekort</translation>
    </message>
    <message>
        <source>Changeover started</source>
        <translation>Productwissel begonnen</translation>
    </message>
    <message>
        <source>Changeover check</source>
        <translation>Productwissel gecontroleerd</translation>
    </message>
    <message>
        <source>Changeover values applied</source>
        <translation>Productwissel: waarden ingesteld</translation>
    </message>
    <message>
        <source>Changeover confirmed</source>
        <translation>Productwissel bevestigd</translation>
    </message>
    <message>
        <source>Changeover ended</source>
        <translation>Productwissel beëindigd</translation>
    </message>
    <message>
        <source>Reconnecting</source>
        <translation>Opnieuw verbinden</translation>
    </message>
    <message>
        <source>Reconnected</source>
        <translation>Opnieuw verbonden</translation>
    </message>
    <message>
        <source>Remote command</source>
        <translation>Opdracht op afstand</translation>
    </message>
</context>
<context>
    <name>TTransferBatch</name>
    <message>
        <source>Insufficient Memory to Store Image. Transfer Aborted</source>
        <translation>Onvoldoende geheugen om de afbeelding op te slaan. Overdracht afgebroken</translation>
    </message>
    <message>
        <source>Image Transfer Failed. Operation Aborted.</source>
        <translation>Overdracht van afbeelding mislukt. Bewerking afgebroken.</translation>
    </message>
    <message>
        <source>BARCODE OF ITEM %1 DOES NOT READ BACK (%2). TRANSFER ANYWAY?</source>
        <translation>BARCODE VAN ELEMENT %1 IS NIET LEESBAAR (%2). TOCH OVERDRAGEN?</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Transfer Aborted. Not transferred: %1</source>
        <translation>Overdracht afgebroken. Niet overgedragen: %1</translation>
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
        <translation>Printerstatus</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Printen</translation>
    </message>
    <message>
        <source>Print count:</source>
        <translation>Printteller:</translation>
    </message>
    <message>
        <source>Ink/Ribbon</source>
        <translation>Inkt/lint</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Vrij geheugen</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Com ports</source>
        <translation>COM-poorten</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Verbindingen</translation>
    </message>
    <message>
        <source>Disconnect all</source>
        <translation>Alles verbreken</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Overdragen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Printen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Lint</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Inkt</translation>
    </message>
    <message>
        <source>%1% %2 - %3</source>
        <translation>%1% %2 - %3</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>Changeover</source>
        <translation>Productwissel</translation>
    </message>
    <message>
        <source>Line overview</source>
        <translation>Lijnoverzicht</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>program, printers connected</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Remote control allowed: the plant&apos;s systems may start and stop printing.</source>
        <translation>Afstandsbediening toegestaan: de systemen van de fabriek mogen het afdrukken starten en stoppen.</translation>
    </message>
    <message>
        <source>Remote control allowed</source>
        <translation>Afstandsbediening toegestaan</translation>
    </message>
    <message>
        <source>Allow remote control</source>
        <translation>Afstandsbediening toestaan</translation>
    </message>
</context>
</TS>
