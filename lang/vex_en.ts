<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>NumberMaskUtils</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Program icon</translation>
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
        <translation>(none)</translation>
    </message>
    <message>
        <source>the whole description</source>
        <translation>the whole description</translation>
    </message>
    <message>
        <source>the printer described another image</source>
        <translation>the printer described another image</translation>
    </message>
    <message>
        <source>the printer&apos;s description goes on in a way the station does not read</source>
        <translation>the printer&apos;s description goes on in a way the station does not read</translation>
    </message>
    <message>
        <source>the printer describes more rows than an image can have</source>
        <translation>the printer describes more rows than an image can have</translation>
    </message>
    <message>
        <source>item %1: expected %2, found %3</source>
        <translation>item %1: expected %2, found %3</translation>
    </message>
    <message>
        <source>No printer is selected.</source>
        <translation>No printer is selected.</translation>
    </message>
    <message>
        <source>The job is not for printer %1 (%2): it is for %3.</source>
        <translation>The job is not for printer %1 (%2): it is for %3.</translation>
    </message>
    <message>
        <source>models %1</source>
        <translation>models %1</translation>
    </message>
    <message>
        <source>printers named %1</source>
        <translation>printers named %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Printer %1 is printing: stop it before a changeover.</source>
        <translation>Printer %1 is printing: stop it before a changeover.</translation>
    </message>
    <message>
        <source>A transfer of images is under way: wait until it has ended.</source>
        <translation>A transfer of images is under way: wait until it has ended.</translation>
    </message>
    <message>
        <source>The design file now holds image %1, not %2: read the job again.</source>
        <translation>The design file now holds image %1, not %2: read the job again.</translation>
    </message>
    <message>
        <source>The job has no entry named %1.</source>
        <translation>The job has no entry named %1.</translation>
    </message>
    <message>
        <source>the printer does not hold it</source>
        <translation>the printer does not hold it</translation>
    </message>
    <message>
        <source>The image was not sent: %1</source>
        <translation>The image was not sent: %1</translation>
    </message>
    <message>
        <source>The printer could not write its memory after the image was sent.</source>
        <translation>The printer could not write its memory after the image was sent.</translation>
    </message>
    <message>
        <source>The printer does not show the image it was sent: %1</source>
        <translation>The printer does not show the image it was sent: %1</translation>
    </message>
    <message>
        <source>The printer went away.</source>
        <translation>The printer went away.</translation>
    </message>
    <message>
        <source>Another printer was selected.</source>
        <translation>Another printer was selected.</translation>
    </message>
</context>
<context>
    <name>TChangeoverForm</name>
    <message>
        <source>Changeover</source>
        <translation>Changeover</translation>
    </message>
    <message>
        <source>Product code:</source>
        <translation>Product code:</translation>
    </message>
    <message>
        <source>Scan the product&apos;s barcode, or type its code and press Enter</source>
        <translation>Scan the product&apos;s barcode, or type its code and press Enter</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>Job:</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Image:</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entries</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Label picture</source>
        <translation>Label picture</translation>
    </message>
    <message>
        <source>Zoom with the mouse wheel or +, - and 0; drag to move</source>
        <translation>Zoom with the mouse wheel or +, - and 0; drag to move</translation>
    </message>
    <message>
        <source>Barcodes read back</source>
        <translation>Barcodes read back</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Differences</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Found</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Choose a job</source>
        <translation>Choose a job</translation>
    </message>
    <message>
        <source>Scan the product&apos;s barcode, or choose its job.</source>
        <translation>Scan the product&apos;s barcode, or choose its job.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (refused)</source>
        <translation>%1 (refused)</translation>
    </message>
    <message>
        <source>There are no job files in %1.</source>
        <translation>There are no job files in %1.</translation>
    </message>
    <message>
        <source>%1 from %2, for %3</source>
        <translation>%1 from %2, for %3</translation>
    </message>
    <message>
        <source>Press Check: the station checks the printer against the job.</source>
        <translation>Press Check: the station checks the printer against the job.</translation>
    </message>
    <message>
        <source>Fill in the entries, then press Check.</source>
        <translation>Fill in the entries, then press Check.</translation>
    </message>
    <message>
        <source>Comparing the printer&apos;s image %1 with the job&apos;s...</source>
        <translation>Comparing the printer&apos;s image %1 with the job&apos;s...</translation>
    </message>
    <message>
        <source>Sending the image %1 to the printer...</source>
        <translation>Sending the image %1 to the printer...</translation>
    </message>
    <message>
        <source>Reading the printer&apos;s items...</source>
        <translation>Reading the printer&apos;s items...</translation>
    </message>
    <message>
        <source>Reading the items back from the printer...</source>
        <translation>Reading the items back from the printer...</translation>
    </message>
    <message>
        <source>Every item matches the job: press Start to print.</source>
        <translation>Every item matches the job: press Start to print.</translation>
    </message>
    <message>
        <source>Items differ from the job (%1): Start is blocked. Correct the entries and check again, or cancel.</source>
        <translation>Items differ from the job (%1): Start is blocked. Correct the entries and check again, or cancel.</translation>
    </message>
    <message>
        <source>Reading the items once more before printing...</source>
        <translation>Reading the items once more before printing...</translation>
    </message>
    <message>
        <source>Starting the printer...</source>
        <translation>Starting the printer...</translation>
    </message>
    <message>
        <source>Printing %1 for %2 (%3).</source>
        <translation>Printing %1 for %2 (%3).</translation>
    </message>
    <message>
        <source>The changeover was cancelled.</source>
        <translation>The changeover was cancelled.</translation>
    </message>
    <message>
        <source>The label with the values the printer holds:</source>
        <translation>The label with the values the printer holds:</translation>
    </message>
    <message>
        <source>The label as its design file gives it:</source>
        <translation>The label as its design file gives it:</translation>
    </message>
    <message>
        <source>Item %1 (%2): %3 %4</source>
        <translation>Item %1 (%2): %3 %4</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TBrokerSettings</name>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 must be a whole number from %2 to %3.</translation>
    </message>
    <message>
        <source>MQTT_BROKER is not a broker&apos;s address such as mqtt://HOST:PORT or mqtts://HOST:PORT.</source>
        <translation>MQTT_BROKER is not a broker&apos;s address such as mqtt://HOST:PORT or mqtts://HOST:PORT.</translation>
    </message>
    <message>
        <source>%1 names a file that cannot be read: %2</source>
        <translation>%1 names a file that cannot be read: %2</translation>
    </message>
    <message>
        <source>MQTT_CERT_FILE and MQTT_KEY_FILE go together: set both or neither.</source>
        <translation>MQTT_CERT_FILE and MQTT_KEY_FILE go together: set both or neither.</translation>
    </message>
    <message>
        <source>TLS files are set, but MQTT_BROKER is not an mqtts:// address: the password would go unencrypted.</source>
        <translation>TLS files are set, but MQTT_BROKER is not an mqtts:// address: the password would go unencrypted.</translation>
    </message>
    <message>
        <source>MQTT_PASSWORD is set without MQTT_USERNAME.</source>
        <translation>MQTT_PASSWORD is set without MQTT_USERNAME.</translation>
    </message>
    <message>
        <source>STATION_NAME is longer than %1 letters.</source>
        <translation>STATION_NAME is longer than %1 letters.</translation>
    </message>
    <message>
        <source>REMOTE_TRANSFER_DIRECTORY is not a folder: %1</source>
        <translation>REMOTE_TRANSFER_DIRECTORY is not a folder: %1</translation>
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
        <translation>%1 - PRINT CYCLE TIMEOUT!</translation>
    </message>
    <message>
        <source>%1 - PRINTHEAD POSITIONING ERROR!</source>
        <translation>%1 - PRINTHEAD POSITIONING ERROR!</translation>
    </message>
    <message>
        <source>MEMORY WRITE ERROR!</source>
        <translation>MEMORY WRITE ERROR!</translation>
    </message>
    <message>
        <source>%1 - RIBBON FAULT!</source>
        <translation>%1 - RIBBON FAULT!</translation>
    </message>
    <message>
        <source>Unknown Printer</source>
        <translation>Unknown Printer</translation>
    </message>
    <message>
        <source>%1 - REPORT TOO LARGE, REFUSED!</source>
        <translation>%1 - REPORT TOO LARGE, REFUSED!</translation>
    </message>
</context>
<context>
    <name>TConnectionManager</name>
    <message>
        <source>%1 MANUALLY DISCONNECTED!</source>
        <translation>%1 MANUALLY DISCONNECTED!</translation>
    </message>
    <message>
        <source>%1 - CONNECTION LOST!</source>
        <translation>%1 - CONNECTION LOST!</translation>
    </message>
</context>
<context>
    <name>TConnectionsForm</name>
    <message>
        <source>Connections</source>
        <translation>Connections</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Printers</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>printer, state</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>not printing, no ink</source>
        <translation>not printing, no ink</translation>
    </message>
    <message>
        <source>not printing, ink</source>
        <translation>not printing, ink</translation>
    </message>
    <message>
        <source>printing, no ink</source>
        <translation>printing, no ink</translation>
    </message>
    <message>
        <source>printing, ink</source>
        <translation>printing, ink</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>not connected</translation>
    </message>
    <message>
        <source>No Ethernet Connection</source>
        <translation>No Ethernet Connection</translation>
    </message>
    <message>
        <source>reconnecting since %1</source>
        <translation>reconnecting since %1</translation>
    </message>
</context>
<context>
    <name>TCustomNumberEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
</context>
<context>
    <name>TDateTimeForm</name>
    <message>
        <source>Set Date and Time</source>
        <translation>Set Date and Time</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Use PC time</source>
        <translation>Use PC time</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Invalid argument to date encode</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Invalid argument to time encode</translation>
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
        <translation>Writing to flash, please wait.</translation>
    </message>
</context>
<context>
    <name>THistoryForm</name>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Event:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Events, newest first</source>
        <translation>Events, newest first</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>All printers</source>
        <translation>All printers</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>All events</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>The history cannot be read: %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Exporting the history...</source>
        <translation>Exporting the history...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>The export was cancelled.</translation>
    </message>
    <message>
        <source>%1 rows exported to %2.</source>
        <translation>%1 rows exported to %2.</translation>
    </message>
</context>
<context>
    <name>THistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
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
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>the file is locked by another program</source>
        <translation>the file is locked by another program</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>the file was written by a newer version of the station</source>
        <translation>the file was written by a newer version of the station</translation>
    </message>
    <message>
        <source>the database reports an error</source>
        <translation>the database reports an error</translation>
    </message>
    <message>
        <source>The history cannot be written to %1: %2. The station goes on working and records the gap once it can write again.</source>
        <translation>The history cannot be written to %1: %2. The station goes on working and records the gap once it can write again.</translation>
    </message>
</context>
<context>
    <name>TImageDeleteDlg</name>
    <message>
        <source>Delete Images</source>
        <translation>Delete Images</translation>
    </message>
    <message>
        <source>Source list:</source>
        <translation>Source list:</translation>
    </message>
    <message>
        <source>Add the selected images</source>
        <translation>Add the selected images</translation>
    </message>
    <message>
        <source>Add all images</source>
        <translation>Add all images</translation>
    </message>
    <message>
        <source>Remove the selected images</source>
        <translation>Remove the selected images</translation>
    </message>
    <message>
        <source>Remove all images</source>
        <translation>Remove all images</translation>
    </message>
    <message>
        <source>Images to delete:</source>
        <translation>Images to delete:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TImageDownloadForm</name>
    <message>
        <source>Image transfer</source>
        <translation>Image transfer</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Filename:</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Image:</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Transfer progress</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>IMAGE %1 EXISTS, OVERWRITE?</source>
        <translation>IMAGE %1 EXISTS, OVERWRITE?</translation>
    </message>
    <message>
        <source>INVALID FILE TYPE, TRANSFER OF IMAGE ABORTED</source>
        <translation>INVALID FILE TYPE, TRANSFER OF IMAGE ABORTED</translation>
    </message>
    <message>
        <source>IMAGE %1 CONTAINS INVALID ITEM TYPE, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1 CONTAINS INVALID ITEM TYPE, TRANSFER OF IMAGE ABORTED</translation>
    </message>
    <message>
        <source>FILE %1 IS DAMAGED OR INCOMPLETE, TRANSFER OF IMAGE ABORTED</source>
        <translation>FILE %1 IS DAMAGED OR INCOMPLETE, TRANSFER OF IMAGE ABORTED</translation>
    </message>
    <message>
        <source>FILE %1 CANNOT BE OPENED (%2), TRANSFER OF IMAGE ABORTED</source>
        <translation>FILE %1 CANNOT BE OPENED (%2), TRANSFER OF IMAGE ABORTED</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): &apos;%4&apos; IS NOT A VALID NUMBER, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1, ITEM %2 (%3): &apos;%4&apos; IS NOT A VALID NUMBER, TRANSFER OF IMAGE ABORTED</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): BARCODE CANNOT BE ENCODED, %4, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1, ITEM %2 (%3): BARCODE CANNOT BE ENCODED, %4, TRANSFER OF IMAGE ABORTED</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): GRAPHIC OF %4 PIXELS IS LARGER THAN 65535 X 65535, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1, ITEM %2 (%3): GRAPHIC OF %4 PIXELS IS LARGER THAN 65535 X 65535, TRANSFER OF IMAGE ABORTED</translation>
    </message>
    <message>
        <source>IMAGE %1 HAS %2 ITEMS, MORE THAN 255, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1 HAS %2 ITEMS, MORE THAN 255, TRANSFER OF IMAGE ABORTED</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): %4 CONTAINS A ZERO BYTE, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1, ITEM %2 (%3): %4 CONTAINS A ZERO BYTE, TRANSFER OF IMAGE ABORTED</translation>
    </message>
    <message>
        <source>IMAGE %1: %2 CONTAINS A ZERO BYTE, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1: %2 CONTAINS A ZERO BYTE, TRANSFER OF IMAGE ABORTED</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): DATA HAS %4 CHARACTERS, MORE THAN 255, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1, ITEM %2 (%3): DATA HAS %4 CHARACTERS, MORE THAN 255, TRANSFER OF IMAGE ABORTED</translation>
    </message>
    <message>
        <source>IMAGE %1, ITEM %2 (%3): BARCODE HAS %4 ELEMENTS, MORE THAN 255, TRANSFER OF IMAGE ABORTED</source>
        <translation>IMAGE %1, ITEM %2 (%3): BARCODE HAS %4 ELEMENTS, MORE THAN 255, TRANSFER OF IMAGE ABORTED</translation>
    </message>
    <message>
        <source>ElementText%1 of element %2</source>
        <translation>ElementText%1 of element %2</translation>
    </message>
    <message>
        <source>%1 MODULE WIDTH %2 IS NOT 2 TO 6</source>
        <translation>%1 MODULE WIDTH %2 IS NOT 2 TO 6</translation>
    </message>
    <message>
        <source>%1 DATA &apos;%2&apos; HOLDS A CHARACTER OTHER THAN 0 TO 9</source>
        <translation>%1 DATA &apos;%2&apos; HOLDS A CHARACTER OTHER THAN 0 TO 9</translation>
    </message>
    <message>
        <source>%1 DATA &apos;%2&apos; HAS FEWER THAN %3 DIGITS</source>
        <translation>%1 DATA &apos;%2&apos; HAS FEWER THAN %3 DIGITS</translation>
    </message>
</context>
<context>
    <name>TImageFileDialog</name>
    <message>
        <source>Vega/Deneb Images (*.Vega)</source>
        <translation>Vega/Deneb Images (*.Vega)</translation>
    </message>
    <message>
        <source>Rigel Images (*.Rigel)</source>
        <translation>Rigel Images (*.Rigel)</translation>
    </message>
    <message>
        <source>Altair Images (*.Altair)</source>
        <translation>Altair Images (*.Altair)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>All Files (*)</translation>
    </message>
</context>
<context>
    <name>TJobFile</name>
    <message>
        <source>Job file %1, %2: %3</source>
        <translation>Job file %1, %2: %3</translation>
    </message>
    <message>
        <source>Job file %1: %2</source>
        <translation>Job file %1: %2</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>cannot be read (%1)</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <translation>is larger than %1 bytes</translation>
    </message>
    <message>
        <source>is not JSON: %1 at character %2</source>
        <translation>is not JSON: %1 at character %2</translation>
    </message>
    <message>
        <source>must be a JSON object</source>
        <translation>must be a JSON object</translation>
    </message>
    <message>
        <source>is not a field a job has</source>
        <translation>is not a field a job has</translation>
    </message>
    <message>
        <source>is given twice</source>
        <translation>is given twice</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>is missing</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>must be a text</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>must be a whole number</translation>
    </message>
    <message>
        <source>must be a list</source>
        <translation>must be a list</translation>
    </message>
    <message>
        <source>must not be empty</source>
        <translation>must not be empty</translation>
    </message>
    <message>
        <source>must be at most %1 characters long</source>
        <translation>must be at most %1 characters long</translation>
    </message>
    <message>
        <source>must hold at most %1 entries</source>
        <translation>must hold at most %1 entries</translation>
    </message>
    <message>
        <source>must be from %1 to %2</source>
        <translation>must be from %1 to %2</translation>
    </message>
    <message>
        <source>must be one of: %1</source>
        <translation>must be one of: %1</translation>
    </message>
    <message>
        <source>holds a character a printer message cannot carry</source>
        <translation>holds a character a printer message cannot carry</translation>
    </message>
    <message>
        <source>may hold only letters, digits, &apos;-&apos;, &apos;.&apos; and &apos;_&apos;</source>
        <translation>may hold only letters, digits, &apos;-&apos;, &apos;.&apos; and &apos;_&apos;</translation>
    </message>
    <message>
        <source>must start with a letter and hold only letters, digits, &apos;-&apos; and &apos;_&apos;</source>
        <translation>must start with a letter and hold only letters, digits, &apos;-&apos; and &apos;_&apos;</translation>
    </message>
    <message>
        <source>must name at least one printer model or printer name</source>
        <translation>must name at least one printer model or printer name</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>there is no file %1</translation>
    </message>
    <message>
        <source>the station would not send %1: %2</source>
        <translation>the station would not send %1: %2</translation>
    </message>
    <message>
        <source>the image %1 has no item %2 (it has %3)</source>
        <translation>the image %1 has no item %2 (it has %3)</translation>
    </message>
    <message>
        <source>a %1 rule does not fit item %2, a %3 item</source>
        <translation>a %1 rule does not fit item %2, a %3 item</translation>
    </message>
    <message>
        <source>item %1 has a rule already</source>
        <translation>item %1 has a rule already</translation>
    </message>
    <message>
        <source>an entry named %1 is there already</source>
        <translation>an entry named %1 is there already</translation>
    </message>
    <message>
        <source>is not a valid pattern: %1</source>
        <translation>is not a valid pattern: %1</translation>
    </message>
    <message>
        <source>No job in %1 has the product code or name %2</source>
        <translation>No job in %1 has the product code or name %2</translation>
    </message>
    <message>
        <source>Several jobs in %1 have the product code %2: %3</source>
        <translation>Several jobs in %1 have the product code %2: %3</translation>
    </message>
    <message>
        <source>an %1 value holds only the digits 0 to 9</source>
        <translation>an %1 value holds only the digits 0 to 9</translation>
    </message>
    <message>
        <source>an %1 value has %2 digits, its check digit included</source>
        <translation>an %1 value has %2 digits, its check digit included</translation>
    </message>
    <message>
        <source>the check digit of %1 is %2</source>
        <translation>the check digit of %1 is %2</translation>
    </message>
    <message>
        <source>a value of item %1 has at most %2 characters</source>
        <translation>a value of item %1 has at most %2 characters</translation>
    </message>
    <message>
        <source>Entry %1 (%2): %3</source>
        <translation>Entry %1 (%2): %3</translation>
    </message>
    <message>
        <source>no value given</source>
        <translation>no value given</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not match %2</source>
        <translation>&apos;%1&apos; does not match %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is longer than %2 characters</source>
        <translation>&apos;%1&apos; is longer than %2 characters</translation>
    </message>
</context>
<context>
    <name>TLabelPreview</name>
    <message>
        <source>reads back</source>
        <translation>reads back</translation>
    </message>
    <message>
        <source>reads other data</source>
        <translation>reads other data</translation>
    </message>
    <message>
        <source>does not read back</source>
        <translation>does not read back</translation>
    </message>
    <message>
        <source>not drawn</source>
        <translation>not drawn</translation>
    </message>
    <message>
        <source>LABEL OF %1 X %2 DOTS IS TOO LARGE TO PREVIEW</source>
        <translation>LABEL OF %1 X %2 DOTS IS TOO LARGE TO PREVIEW</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATE</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>TIME</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>SHIFT</translation>
    </message>
    <message>
        <source>COUNTER</source>
        <translation>COUNTER</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>encoded</source>
        <translation>encoded</translation>
    </message>
    <message>
        <source>substituted</source>
        <translation>substituted</translation>
    </message>
    <message>
        <source>placeholder</source>
        <translation>placeholder</translation>
    </message>
    <message>
        <source>the picture, dot for dot</source>
        <translation>the picture, dot for dot</translation>
    </message>
    <message>
        <source>bars of the symbol characters the station sends; the printer adds the digits</source>
        <translation>bars of the symbol characters the station sends; the printer adds the digits</translation>
    </message>
    <message>
        <source>encoded here from its data; the printer encodes it itself</source>
        <translation>encoded here from its data; the printer encodes it itself</translation>
    </message>
    <message>
        <source>in a substitute font</source>
        <translation>in a substitute font</translation>
    </message>
    <message>
        <source>framed: this program has no fonts to draw it</source>
        <translation>framed: this program has no fonts to draw it</translation>
    </message>
    <message>
        <source>the printer fills it in</source>
        <translation>the printer fills it in</translation>
    </message>
    <message>
        <source>reads %1</source>
        <translation>reads %1</translation>
    </message>
    <message>
        <source>no barcode found</source>
        <translation>no barcode found</translation>
    </message>
    <message>
        <source>checksum error</source>
        <translation>checksum error</translation>
    </message>
    <message>
        <source>format error</source>
        <translation>format error</translation>
    </message>
    <message>
        <source>no FNC1 first: not a GS1 symbol</source>
        <translation>no FNC1 first: not a GS1 symbol</translation>
    </message>
    <message>
        <source>character &apos;%1&apos; cannot be encoded</source>
        <translation>character &apos;%1&apos; cannot be encoded</translation>
    </message>
    <message>
        <source>%1 dots wide, wider than the %2 dots the preview draws</source>
        <translation>%1 dots wide, wider than the %2 dots the preview draws</translation>
    </message>
    <message>
        <source>module or narrow width of 0 dots</source>
        <translation>module or narrow width of 0 dots</translation>
    </message>
    <message>
        <source>wide element width of 0 dots</source>
        <translation>wide element width of 0 dots</translation>
    </message>
    <message>
        <source>no elements</source>
        <translation>no elements</translation>
    </message>
    <message>
        <source>element %1 has no application identifier: &apos;%2&apos;</source>
        <translation>element %1 has no application identifier: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the station&apos;s symbol characters cannot be read</source>
        <translation>the station&apos;s symbol characters cannot be read</translation>
    </message>
</context>
<context>
    <name>TLabelPreviewForm</name>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Filename:</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Image:</translation>
    </message>
    <message>
        <source>Zoom out (-, mouse wheel)</source>
        <translation>Zoom out (-, mouse wheel)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Zoom in (+, mouse wheel)</source>
        <translation>Zoom in (+, mouse wheel)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Fit to window (0)</source>
        <translation>Fit to window (0)</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>Fit to window</translation>
    </message>
    <message>
        <source>Label picture</source>
        <translation>Label picture</translation>
    </message>
    <message>
        <source>Mouse wheel, + and - zoom; 0 fits the picture to the window; drag to move it.</source>
        <translation>Mouse wheel, + and - zoom; 0 fits the picture to the window; drag to move it.</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
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
        <translation>Drawn</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Read back</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Expected: %1
Read: %2</source>
        <translation>Expected: %1
Read: %2</translation>
    </message>
    <message>
        <source>The label has no barcodes.</source>
        <translation>The label has no barcodes.</translation>
    </message>
    <message>
        <source>Barcodes that read back: %1 of %2</source>
        <translation>Barcodes that read back: %1 of %2</translation>
    </message>
</context>
<context>
    <name>TLamp</name>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
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
        <translation>Line overview</translation>
    </message>
    <message>
        <source>Printers of the line</source>
        <translation>Printers of the line</translation>
    </message>
    <message>
        <source>A double click selects the printer</source>
        <translation>A double click selects the printer</translation>
    </message>
    <message>
        <source>A double click selects a connected printer.</source>
        <translation>A double click selects a connected printer.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 connected, %2 reconnecting</source>
        <translation>%1 connected, %2 reconnecting</translation>
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
        <translation>Reached at</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Print count</source>
        <translation>Print count</translation>
    </message>
    <message>
        <source>Ink or ribbon</source>
        <translation>Ink or ribbon</translation>
    </message>
    <message>
        <source>Newest fault</source>
        <translation>Newest fault</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Reconnecting since %1</source>
        <translation>Reconnecting since %1</translation>
    </message>
    <message>
        <source>%1; %2 answers there</source>
        <translation>%1; %2 answers there</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Not printing</source>
        <translation>Not printing</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Ribbon</translation>
    </message>
    <message>
        <source>No ribbon</source>
        <translation>No ribbon</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Ink</translation>
    </message>
    <message>
        <source>No ink</source>
        <translation>No ink</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>Modify image</translation>
    </message>
    <message>
        <source>Image name</source>
        <translation>Image name</translation>
    </message>
    <message>
        <source>Items of the image</source>
        <translation>Items of the image</translation>
    </message>
    <message>
        <source>Item no.</source>
        <translation>Item no.</translation>
    </message>
    <message>
        <source>Item type</source>
        <translation>Item type</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Multiline</source>
        <translation>Multiline</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Numeric</source>
        <translation>Numeric</translation>
    </message>
    <message>
        <source>Graphic</source>
        <translation>Graphic</translation>
    </message>
</context>
<context>
    <name>TModifyItemForm</name>
    <message>
        <source>Modify Item</source>
        <translation>Modify Item</translation>
    </message>
    <message>
        <source>Image name</source>
        <translation>Image name</translation>
    </message>
    <message>
        <source>Item No.</source>
        <translation>Item No.</translation>
    </message>
    <message>
        <source>Item Type</source>
        <translation>Item Type</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The printer cannot take the character &quot;%1&quot; in a value.</source>
        <translation>The printer cannot take the character &quot;%1&quot; in a value.</translation>
    </message>
</context>
<context>
    <name>TNumericRequest</name>
    <message>
        <source>Enter a number.</source>
        <translation>Enter a number.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; is not a number.</translation>
    </message>
</context>
<context>
    <name>TOperatorDateForm</name>
    <message>
        <source>Operator date</source>
        <translation>Operator date</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
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
        <translation>Current numeric value:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Numeric item #%1</source>
        <translation>Numeric item #%1</translation>
    </message>
</context>
<context>
    <name>TOpreqTextForm</name>
    <message>
        <source>Operator request</source>
        <translation>Operator request</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Prompt</translation>
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
        <translation>Print parameters</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/Time</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>%1 is not between %2 and %3</source>
        <translation>%1 is not between %2 and %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is none of %2</source>
        <translation>&apos;%1&apos; is none of %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of the form %2</source>
        <translation>&apos;%1&apos; is not a number of the form %2</translation>
    </message>
    <message>
        <source>read-only on this printer model</source>
        <translation>read-only on this printer model</translation>
    </message>
    <message>
        <source>Incompatible printer type</source>
        <translation>Incompatible printer type</translation>
    </message>
    <message>
        <source>The file %1 holds no parameters.</source>
        <translation>The file %1 holds no parameters.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>No parameters have been read.</source>
        <translation>No parameters have been read.</translation>
    </message>
    <message>
        <source>Parameter Files (*.prm)</source>
        <translation>Parameter Files (*.prm)</translation>
    </message>
    <message>
        <source>0 degrees</source>
        <translation>0 degrees</translation>
    </message>
    <message>
        <source>180 degrees</source>
        <translation>180 degrees</translation>
    </message>
    <message>
        <source>From Left to Right</source>
        <translation>From Left to Right</translation>
    </message>
    <message>
        <source>From Right to Left</source>
        <translation>From Right to Left</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positive</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negative</translation>
    </message>
    <message>
        <source>Positive/Continuous</source>
        <translation>Positive/Continuous</translation>
    </message>
    <message>
        <source>Negative Continuous</source>
        <translation>Negative Continuous</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>External Speed Encoder</source>
        <translation>External Speed Encoder</translation>
    </message>
    <message>
        <source>Internal Pulse Generator</source>
        <translation>Internal Pulse Generator</translation>
    </message>
    <message>
        <source>Rotate print</source>
        <translation>Rotate print</translation>
    </message>
    <message>
        <source>Print request (edge)</source>
        <translation>Print request (edge)</translation>
    </message>
    <message>
        <source>Print debounce</source>
        <translation>Print debounce</translation>
    </message>
    <message>
        <source>Print delay</source>
        <translation>Print delay</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>Encoder strobe source</source>
        <translation>Encoder strobe source</translation>
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
        <translation>X offset</translation>
    </message>
    <message>
        <source>Y offset</source>
        <translation>Y offset</translation>
    </message>
    <message>
        <source>Ribbon gap</source>
        <translation>Ribbon gap</translation>
    </message>
    <message>
        <source>Inhibit delay</source>
        <translation>Inhibit delay</translation>
    </message>
    <message>
        <source>Inhibit off delay</source>
        <translation>Inhibit off delay</translation>
    </message>
    <message>
        <source>Print direction</source>
        <translation>Print direction</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignment</translation>
    </message>
    <message>
        <source>Head cap interval</source>
        <translation>Head cap interval</translation>
    </message>
    <message>
        <source>Spit Delay</source>
        <translation>Spit Delay</translation>
    </message>
    <message>
        <source>Spit Interval</source>
        <translation>Spit Interval</translation>
    </message>
    <message>
        <source>Print direction A</source>
        <translation>Print direction A</translation>
    </message>
    <message>
        <source>Print direction B</source>
        <translation>Print direction B</translation>
    </message>
    <message>
        <source>Print delay A</source>
        <translation>Print delay A</translation>
    </message>
    <message>
        <source>Print delay B</source>
        <translation>Print delay B</translation>
    </message>
</context>
<context>
    <name>TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Current image A:</source>
        <translation>Current image A:</translation>
    </message>
    <message>
        <source>Current image B:</source>
        <translation>Current image B:</translation>
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
        <translation>Close</translation>
    </message>
    <message>
        <source>Current image:</source>
        <translation>Current image:</translation>
    </message>
</context>
<context>
    <name>TPropertyForm</name>
    <message>
        <source>Firmware version</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Port Number</translation>
    </message>
    <message>
        <source>Com Port</source>
        <translation>Com Port</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
</context>
<context>
    <name>TStationBroker</name>
    <message>
        <source>No broker is set (MQTT_BROKER).</source>
        <translation>No broker is set (MQTT_BROKER).</translation>
    </message>
    <message>
        <source>The station does not publish on the broker: %1</source>
        <translation>The station does not publish on the broker: %1</translation>
    </message>
    <message>
        <source>Remote control is off in the settings (REMOTE_CONTROL).</source>
        <translation>Remote control is off in the settings (REMOTE_CONTROL).</translation>
    </message>
    <message>
        <source>The broker %1 cannot be reached (%2).</source>
        <translation>The broker %1 cannot be reached (%2).</translation>
    </message>
    <message>
        <source>The broker %1 refuses the station&apos;s user name or password.</source>
        <translation>The broker %1 refuses the station&apos;s user name or password.</translation>
    </message>
    <message>
        <source>The broker %1 does not let the station in (not authorised): check MQTT_USERNAME and MQTT_PASSWORD.</source>
        <translation>The broker %1 does not let the station in (not authorised): check MQTT_USERNAME and MQTT_PASSWORD.</translation>
    </message>
    <message>
        <source>The secure connection to the broker %1 failed (%2): check MQTT_CA_FILE, MQTT_CERT_FILE and MQTT_KEY_FILE, and the broker&apos;s certificate.</source>
        <translation>The secure connection to the broker %1 failed (%2): check MQTT_CA_FILE, MQTT_CERT_FILE and MQTT_KEY_FILE, and the broker&apos;s certificate.</translation>
    </message>
    <message>
        <source>The broker %1 refuses the connection (%2).</source>
        <translation>The broker %1 refuses the connection (%2).</translation>
    </message>
    <message>
        <source>The station goes on working and tries again.</source>
        <translation>The station goes on working and tries again.</translation>
    </message>
</context>
<context>
    <name>TStationEvent</name>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Link lost</source>
        <translation>Link lost</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>State on</source>
        <translation>State on</translation>
    </message>
    <message>
        <source>State off</source>
        <translation>State off</translation>
    </message>
    <message>
        <source>Print started</source>
        <translation>Print started</translation>
    </message>
    <message>
        <source>Print stopped</source>
        <translation>Print stopped</translation>
    </message>
    <message>
        <source>Image transfer</source>
        <translation>Image transfer</translation>
    </message>
    <message>
        <source>Image deleted</source>
        <translation>Image deleted</translation>
    </message>
    <message>
        <source>Item changed</source>
        <translation>Item changed</translation>
    </message>
    <message>
        <source>Flash write started</source>
        <translation>Flash write started</translation>
    </message>
    <message>
        <source>Flash write ended</source>
        <translation>Flash write ended</translation>
    </message>
    <message>
        <source>Parameter written</source>
        <translation>Parameter written</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>Clock set</translation>
    </message>
    <message>
        <source>Operator request</source>
        <translation>Operator request</translation>
    </message>
    <message>
        <source>Operator answer</source>
        <translation>Operator answer</translation>
    </message>
    <message>
        <source>History gap began</source>
        <translation>History gap began</translation>
    </message>
    <message>
        <source>History gap ended</source>
        <translation>History gap ended</translation>
    </message>
    <message>
        <source>History pruned</source>
        <translation>History pruned</translation>
    </message>
    <message>
        <source>Changeover started</source>
        <translation>Changeover started</translation>
    </message>
    <message>
        <source>Changeover check</source>
        <translation>Changeover check</translation>
    </message>
    <message>
        <source>Changeover values applied</source>
        <translation>Changeover values applied</translation>
    </message>
    <message>
        <source>Changeover confirmed</source>
        <translation>Changeover confirmed</translation>
    </message>
    <message>
        <source>Changeover ended</source>
        <translation>Changeover ended</translation>
    </message>
    <message>
        <source>Reconnecting</source>
        <translation>Reconnecting</translation>
    </message>
    <message>
        <source>Reconnected</source>
        <translation>Reconnected</translation>
    </message>
    <message>
        <source>Remote command</source>
        <translation>Remote command</translation>
    </message>
</context>
<context>
    <name>TTransferBatch</name>
    <message>
        <source>Insufficient Memory to Store Image. Transfer Aborted</source>
        <translation>Insufficient Memory to Store Image. Transfer Aborted</translation>
    </message>
    <message>
        <source>Image Transfer Failed. Operation Aborted.</source>
        <translation>Image Transfer Failed. Operation Aborted.</translation>
    </message>
    <message>
        <source>BARCODE OF ITEM %1 DOES NOT READ BACK (%2). TRANSFER ANYWAY?</source>
        <translation>BARCODE OF ITEM %1 DOES NOT READ BACK (%2). TRANSFER ANYWAY?</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Transfer Aborted. Not transferred: %1</source>
        <translation>Transfer Aborted. Not transferred: %1</translation>
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
        <translation>Printer Status</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Print count:</source>
        <translation>Print count:</translation>
    </message>
    <message>
        <source>Ink/Ribbon</source>
        <translation>Ink/Ribbon</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Free space</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Com ports</source>
        <translation>Com ports</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Connections</translation>
    </message>
    <message>
        <source>Disconnect all</source>
        <translation>Disconnect all</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Ribbon</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Ink</translation>
    </message>
    <message>
        <source>%1% %2 - %3</source>
        <translation>%1% %2 - %3</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Changeover</source>
        <translation>Changeover</translation>
    </message>
    <message>
        <source>Line overview</source>
        <translation>Line overview</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>program, printers connected</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Remote control allowed: the plant&apos;s systems may start and stop printing.</source>
        <translation>Remote control allowed: the plant&apos;s systems may start and stop printing.</translation>
    </message>
    <message>
        <source>Remote control allowed</source>
        <translation>Remote control allowed</translation>
    </message>
    <message>
        <source>Allow remote control</source>
        <translation>Allow remote control</translation>
    </message>
</context>
</TS>
