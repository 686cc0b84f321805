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
    <message>
        <source>%1% %2 - %3</source>
        <translation>%1 % %2 - %3</translation>
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
    <name>TImageDeleteDlg</name>
    <message>
        <source>Delete Images</source>
        <translation>Bilder löschen</translation>
    </message>
    <message>
        <source>Source list:</source>
        <translation>Quellliste:</translation>
    </message>
    <message>
        <source>Images to delete:</source>
        <translation>Zu löschende Bilder:</translation>
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
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>BILD %1 EXISTIERT, ÜBERSCHREIBEN?</translation>
    </message>
</context>
</TS>
