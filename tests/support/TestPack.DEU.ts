<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A small German pack for the tests and the start-up benchmark: the main window, its boxes and the windows the tests check in German. -->
<TS version="2.1" language="de_DE">
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
        <source> Bytes.</source>
        <translation> Bytes.</translation>
    </message>
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
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
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
    <name>TTransferBatch</name>
    <message>
        <source>Insufficient Memory to Store Image. Transfer Aborted</source>
        <translation>Nicht genug Speicher für das Bild. Übertragung abgebrochen</translation>
    </message>
    <message>
        <source>Image Transfer Failed. Operation Aborted.</source>
        <translation>Bildübertragung fehlgeschlagen. Vorgang abgebrochen.</translation>
    </message>
</context>
<context>
    <name>TCoder</name>
    <message>
        <source> Bytes.</source>
        <translation> Bytes.</translation>
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
</context>
<context>
    <name>TImageTransferPlaceholder</name>
    <message>
        <source>IMAGE %1 EXISTS, OVERWRITE?</source>
        <translation>BILD %1 EXISTIERT, ÜBERSCHREIBEN?</translation>
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
        <source>Current image:</source>
        <translation>Aktuelles Bild:</translation>
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
    <name>TOperatorDateForm</name>
    <message>
        <source>Operator date</source>
        <translation>Bedienerdatum</translation>
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
    <name>TConnectionManager</name>
    <message>
        <source>%1 MANUALLY DISCONNECTED!</source>
        <translation>%1 MANUELL GETRENNT!</translation>
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
</TS>
