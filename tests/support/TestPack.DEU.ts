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
            <source>Preview</source>
            <translation>Vorschau</translation>
        </message>
        <message>
            <source>%1% %2 - %3</source>
            <translation>%1 % %2 - %3</translation>
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
            <translation>Das Etikett hat keine Strichcodes.</translation>
        </message>
        <message>
            <source>Barcodes that read back: %1 of %2</source>
            <translation>Lesbare Strichcodes: %1 von %2</translation>
        </message>
    </context>
    <context>
        <name>TLabelPreview</name>
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
            <source>not drawn</source>
            <translation>nicht gezeichnet</translation>
        </message>
        <message>
            <source>reads back</source>
            <translation>wird gelesen</translation>
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
            <source>the picture, dot for dot</source>
            <translation>das Bild, Punkt für Punkt</translation>
        </message>
        <message>
            <source>bars of the symbol characters the station sends; the printer adds the digits</source>
            <translation>Striche der Symbolzeichen, die die Station sendet; der Drucker ergänzt die Ziffern</translation>
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
            <translation>umrahmt: dieses Programm hat keine Schrift dafür</translation>
        </message>
        <message>
            <source>the printer fills it in</source>
            <translation>der Drucker setzt ihn ein</translation>
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
            <source>checksum error</source>
            <translation>Prüfsummenfehler</translation>
        </message>
        <message>
            <source>no barcode found</source>
            <translation>kein Strichcode gefunden</translation>
        </message>
        <message>
            <source>reads %1</source>
            <translation>liest %1</translation>
        </message>
        <message>
            <source>LABEL OF %1 X %2 DOTS IS TOO LARGE TO PREVIEW</source>
            <translation>ETIKETT VON %1 X %2 PUNKTEN IST ZU GROSS FÜR DIE VORSCHAU</translation>
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
            <source>The printer cannot take the character "%1" in a value.</source>
            <translation>Der Drucker kann das Zeichen „%1“ in einem Wert nicht annehmen.</translation>
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
            <source>Rotate print</source>
            <translation>Druck drehen</translation>
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
            <source>Print request (edge)</source>
            <translation>Druckanforderung (Flanke)</translation>
        </message>
        <message>
            <source>Print debounce</source>
            <translation>Entprellzeit der Druckanforderung</translation>
        </message>
        <message>
            <source>Print delay</source>
            <translation>Druckverzögerung</translation>
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
            <translation>Ausschaltverzögerung der Sperre</translation>
        </message>
        <message>
            <source>Print direction</source>
            <translation>Druckrichtung</translation>
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
            <source>Speed</source>
            <translation>Geschwindigkeit</translation>
        </message>
        <message>
            <source>Stretch</source>
            <translation>Streckung</translation>
        </message>
        <message>
            <source>Encoder strobe source</source>
            <translation>Taktquelle des Drehgebers</translation>
        </message>
        <message>
            <source>Alignment</source>
            <translation>Ausrichtung</translation>
        </message>
        <message>
            <source>Head cap interval</source>
            <translation>Intervall der Kopfabdeckung</translation>
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
            <source>Print delay A</source>
            <translation>Druckverzögerung A</translation>
        </message>
        <message>
            <source>Print delay B</source>
            <translation>Druckverzögerung B</translation>
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
            <translation>Externer Geschwindigkeitsgeber</translation>
        </message>
        <message>
            <source>Internal Pulse Generator</source>
            <translation>Interner Impulsgenerator</translation>
        </message>
        <message>
            <source>Incompatible printer type</source>
            <translation>Inkompatibler Druckertyp</translation>
        </message>
        <message>
            <source>Parameter Files (*.prm)</source>
            <translation>Parameterdateien (*.prm)</translation>
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
        <name>TFlashWriteForm</name>
        <message>
            <source>Writing to flash, please wait.</source>
            <translation>Der Flash-Speicher wird beschrieben, bitte warten.</translation>
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
        <name>TNumericRequest</name>
        <message>
            <source>Enter a number.</source>
            <translation>Bitte eine Zahl eingeben.</translation>
        </message>
        <message>
            <source>"%1" is not a number.</source>
            <translation>„%1“ ist keine Zahl.</translation>
        </message>
    </context>
</TS>
