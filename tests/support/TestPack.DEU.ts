<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A small German pack for the tests and the start-up benchmark: the main window and its boxes. -->
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
        <source>No Ethernet Connection</source>
        <translation>Keine Ethernet-Verbindung</translation>
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
    <name>TConnectionManager</name>
    <message>
        <source>%1 MANUALLY DISCONNECTED!</source>
        <translation>%1 MANUELL GETRENNT!</translation>
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
</context>
<context>
    <name>TImageTransferPlaceholder</name>
    <message>
        <source>IMAGE %1 EXISTS, OVERWRITE?</source>
        <translation>BILD %1 EXISTIERT, ÜBERSCHREIBEN?</translation>
    </message>
</context>
</TS>
