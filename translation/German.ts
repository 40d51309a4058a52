<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CTavrixXML</name>
    <message>
        <source>The file %1 does not exist</source>
        <translation>Die Datei %1 existiert nicht</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Die Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: the disk is full</source>
        <translation>Die Datei %1 kann nicht gespeichert werden: Der Datenträger ist voll</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2)</source>
        <translation>Die Datei %1 ist beschädigt (Zeile %2)</translation>
    </message>
    <message>
        <source>The file %1 is damaged</source>
        <translation>Die Datei %1 ist beschädigt</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</source>
        <translation>Die Datei %1 ist beschädigt (Zeile %2): Sie enthält einen Text von mehr als %3 KiB, mehr als jede Einstellungsdatei enthält</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</source>
        <translation>Die Datei %1 ist beschädigt: Sie ist größer als %2 MiB, größer als jede Einstellungsdatei</translation>
    </message>
    <message>
        <source>its text is not well-formed XML</source>
        <translation>Ihr Text ist kein wohlgeformtes XML</translation>
    </message>
    <message>
        <source>it ends too early, as if its writing was cut short</source>
        <translation>Sie endet zu früh, als wäre ihr Schreiben abgebrochen worden</translation>
    </message>
    <message>
        <source>it holds a document type declaration, which no settings file of this program holds</source>
        <translation>Sie enthält eine Dokumenttyp-Deklaration, die keine Einstellungsdatei dieses Programms enthält</translation>
    </message>
    <message>
        <source>it holds NUL bytes, as binary data does, not text</source>
        <translation>Sie enthält NUL-Bytes wie Binärdaten, keinen Text</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>Sie enthält Bytes, die kein UTF-8-Text sind</translation>
    </message>
    <message>
        <source>it is no settings file of this program</source>
        <translation>Sie ist keine Einstellungsdatei dieses Programms</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>Sie wurde von einer neueren Version dieses Programms geschrieben</translation>
    </message>
    <message>
        <source>it holds an element this program does not know, or one nested where it does not belong</source>
        <translation>Sie enthält ein Element, das dieses Programm nicht kennt, oder eines, das an falscher Stelle verschachtelt ist</translation>
    </message>
    <message>
        <source>a value is missing or cannot be read</source>
        <translation>Ein Wert fehlt oder kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>a value is not a number or is out of its range</source>
        <translation>Ein Wert ist keine Zahl oder liegt außerhalb seines Bereichs</translation>
    </message>
    <message>
        <source>an entry that must be unique appears twice</source>
        <translation>Ein Eintrag, der eindeutig sein muss, kommt zweimal vor</translation>
    </message>
    <message>
        <source>it holds more profiles or advanced keys than this program allows</source>
        <translation>Sie enthält mehr Profile oder erweiterte Tasten, als dieses Programm zulässt</translation>
    </message>
    <message>
        <source>you have no permission for it or its folder</source>
        <translation>Sie haben keine Berechtigung für die Datei oder ihren Ordner</translation>
    </message>
    <message>
        <source>it is on a read-only disk</source>
        <translation>Sie liegt auf einem schreibgeschützten Datenträger</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>Sie ist ein Ordner</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>Sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>a part of its path is no folder</source>
        <translation>Ein Teil ihres Pfades ist kein Ordner</translation>
    </message>
    <message>
        <source>the file-size limit of the program is reached</source>
        <translation>Die Dateigrößenbegrenzung des Programms ist erreicht</translation>
    </message>
    <message>
        <source>the disk reports an input/output error</source>
        <translation>Der Datenträger meldet einen Ein-/Ausgabefehler</translation>
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
        <source>The file %1 cannot be saved: %2</source>
        <translation>Die Datei %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): %3</source>
        <translation>Die Datei %1 ist beschädigt (Zeile %2): %3</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>Die Datei %1 ist beschädigt: %2</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Normale Tasten</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Sondertasten</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funktion:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Standardebene</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN-Ebene</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Übertragen</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Eigene Beleuchtung</translation>
    </message>
    <message>
        <source>Use this custom light</source>
        <translation>Diese eigene Beleuchtung verwenden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Renaming the custom light failed</source>
        <translation>Die benutzerdefinierte Beleuchtung konnte nicht umbenannt werden</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>Der Text liegt in der Zwischenablage: Drücken Sie Strg+V, um ihn einzufügen</translation>
    </message>
    <message>
        <source>The keyboard's settings could not be saved</source>
        <translation>Die Einstellungen der Tastatur konnten nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>产品列表</source>
        <translation>Produktliste</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Testtaste</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Hauptmodus wechseln</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Akkuanzeige</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Gerät nicht verbunden</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Geräteliste</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Auslöseeinstellungen</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Erweiterte Tasten</translation>
    </message>
    <message>
        <source>The device is not ready</source>
        <translation>Das Gerät ist noch nicht bereit</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Das Gerät ist offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Das Gerät ist bereits geöffnet</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Bitte zuerst eine Taste auswählen</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Aktuelles Profil zurücksetzen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Bitte zuerst in den Tastenkalibrierungsmodus wechseln</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Tastenkalibrierung erfolgreich</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Tastenkalibrierung läuft</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Tastenkalibrierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</source>
        <translation>Die Tastatur wurde gefunden, kann aber nicht geöffnet werden.
Ziehen Sie sie ab und stecken Sie sie wieder ein, oder laden Sie die Geräteregeln neu:</translation>
    </message>
</context>
<context>
    <name>DDksShowWidget</name>
    <message>
        <source>Dynamic keystroke actions</source>
        <translation>Aktionen des dynamischen Tastenanschlags</translation>
    </message>
</context>
<context>
    <name>DFirmwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware-Informationen</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>DKeyCalibrationExplainDia</source>
        <translation>DKeyCalibrationExplainDia</translation>
    </message>
    <message>
        <source>1.Explain</source>
        <translation>1.Erklärung</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Erklärung</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Erklärung</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Erklärung</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Erklärung</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Erklärung</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
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
    <name>DLightsConfigPage</name>
    <message>
        <source>DLightsConfigPage</source>
        <translation>DLightsConfigPage</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Richtung:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Lichtmodus</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Obere Farbe</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Untere Farbe</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>255</source>
        <translation>255</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Eigene Beleuchtung</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Binding</source>
        <translation>Zugewiesen</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Makroaufnahme</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Aufgenommene Verzögerung</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Keine Verzögerung</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Standardverzögerung</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Keine Aufnahme</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Ereignis einfügen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Danach einfügen</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Davor einfügen</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Tastaturereignis</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mausereignis</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Bitte eine Taste drücken</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Verzögerung eingeben</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>Geräteliste ausblenden</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>Geräteliste einblenden</translation>
    </message>
    <message>
        <source>The program ended unexpectedly last time. A report was saved in %1</source>
        <translation>Das Programm wurde beim letzten Mal unerwartet beendet. Ein Bericht wurde in %1 gespeichert</translation>
    </message>
    <message>
        <source>The device library could not be started: no keyboard can be found.</source>
        <translation>Die Gerätebibliothek konnte nicht gestartet werden: Es kann keine Tastatur gefunden werden.</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Leichter Druck</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Starker Druck</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
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
    <name>DSeniorKeyEventListItem</name>
    <message>
        <source>DSeniorKeyEventListItem</source>
        <translation>DSeniorKeyEventListItem</translation>
    </message>
    <message>
        <source>DKS</source>
        <translation>DKS</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>DSeniorKeysPage</source>
        <translation>DSeniorKeysPage</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Erweiterte Tasten</translation>
    </message>
    <message>
        <source>DKS</source>
        <translation>DKS</translation>
    </message>
    <message>
        <source>MT</source>
        <translation>MT</translation>
    </message>
    <message>
        <source>TGL</source>
        <translation>TGL</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>1.0mm</source>
        <translation>1.0mm</translation>
    </message>
    <message>
        <source>2.0mm</source>
        <translation>2.0mm</translation>
    </message>
    <message>
        <source>3.0mm</source>
        <translation>3.0mm</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Haltedauer</translation>
    </message>
    <message>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Keine erweiterten Tasten</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>%1ms</source>
        <translation>%1 ms</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>DSeniorKeysRecordExplainDia</source>
        <translation>DSeniorKeysRecordExplainDia</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration; 
When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Bei „Einzeltaste“ genügt ein Klick auf eine Taste, um die Belegung abzuschließen; 
Bei „Tastenkombination“ müssen mindestens eine Zusatztaste und eine weitere Taste gewählt werden, um die Kombination einzugeben, etwa L_Shift+A oder L_Shift+L_Ctrl+A;</translation>
    </message>
</context>
<context>
    <name>DSensitivityShowWidget</name>
    <message>
        <source>Key travel</source>
        <translation>Tastenweg</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Anwendung beim Systemstart starten (minimiert)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Beim Schließen in den Infobereich minimieren</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Firmware-Aktualisierung prüfen</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Anwendungssoftware</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>&lt;span style=" font-family:'%3'; font-size:12pt; color:#ff6666;"&gt;&lt;/span&gt;&lt;a href="Company|%1|"&gt;&lt;span style=" font-size:12pt; text-decoration: underline; color:rgb(%2);"&gt;%1&lt;/span&gt;&lt;/a&gt;</source>
        <translation>&lt;span style=" font-family:'%3'; font-size:12pt; color:#ff6666;"&gt;&lt;/span&gt;&lt;a href="Company|%1|"&gt;&lt;span style=" font-size:12pt; text-decoration: underline; color:rgb(%2);"&gt;%1&lt;/span&gt;&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>DStrokeConfigView</source>
        <translation>DStrokeConfigView</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Auslösepunkte der DKS-Aktionen</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>DTriggerSettingPage</source>
        <translation>DTriggerSettingPage</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Schnellauslösung</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Passen Sie Auslöse- und Rücksetzweg daran an, ob Sie die Taste drücken oder loslassen wollen.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sekundäre Empfindlichkeit</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Sie können die Wege der Schnellauslösung für Drücken (Auslösen) und Loslassen (Zurücksetzen) getrennt einstellen.</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Drücken/Loslassen</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Loslassen</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Tastenentprellung</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Empfindlichkeit zurücksetzen</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Kalibriermodus starten</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Kalibrierung starten</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Druckstärkeverfolgung</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>Key calibration steps</source>
        <translation>Schritte der Tastenkalibrierung</translation>
    </message>
    <message>
        <source>About the travel scale</source>
        <translation>Über die Wegskala</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>DVirtualKeyboardTool</source>
        <translation>DVirtualKeyboardTool</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Virtuelle Tastatur</translation>
    </message>
</context>
<context>
    <name>MagneticReport</name>
    <message>
        <source>Operate successful</source>
        <translation>Vorgang erfolgreich</translation>
    </message>
    <message>
        <source>Operate failed: the keyboard is not connected</source>
        <translation>Vorgang fehlgeschlagen: Die Tastatur ist nicht verbunden</translation>
    </message>
</context>
<context>
    <name>ProfileController</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Die maximale Anzahl an Profilen ist erreicht</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Erstellen fehlgeschlagen: Ein Profil mit diesem Index existiert bereits, bitte prüfen</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Profil konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profil erfolgreich erstellt</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Mindestens ein Profil muss erhalten bleiben</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Profil konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil erfolgreich gelöscht</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Bitte zuerst einen Zielordner wählen</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Zu diesem Index gibt es kein Profil</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name</source>
        <translation>Der Profilname kann nicht als Dateiname verwendet werden</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil erfolgreich exportiert</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Profil konnte nicht exportiert werden</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Bitte zuerst eine Datei zum Importieren wählen</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Profil konnte nicht importiert werden</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil erfolgreich importiert</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>Der Profilname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Profil konnte nicht geändert werden</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profil erfolgreich geändert</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Aktuelles Profil konnte nicht zurückgesetzt werden</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Aktuelles Profil erfolgreich zurückgesetzt</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Die Ruhezeit der Beleuchtung darf nicht länger sein als die der Tastatur</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Die Ruhezeit der Tastatur ist zu kurz</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Ruhezeit konnte nicht eingestellt werden</translation>
    </message>
    <message>
        <source>Saving the sleep time failed</source>
        <translation>Ruhezeit konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Ruhezeit wurde eingestellt</translation>
    </message>
    <message>
        <source>Import profile successful, as "%1": the name "%2" is taken</source>
        <translation>Profil als „%1“ importiert: Der Name „%2“ ist schon vergeben</translation>
    </message>
    <message>
        <source>The profile name is unchanged</source>
        <translation>Der Profilname ist unverändert</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimieren(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximieren(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Wiederherstellen(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Beenden(&amp;Q)</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Taste neu belegen</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Profil wechseln</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Anwendung starten</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Tastenkonfiguration</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Tastaturbeleuchtung</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Ambientebeleuchtung</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Erweiterte Tasten</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Lautstärke +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Lautstärke -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Bildschirmhelligkeit+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Bildschirmhelligkeit-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mittlere Maustaste</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper-Taste</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Fenster wechseln</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Computer sperren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Finden</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Tastatur sperren</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win sperren/entsperren</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win sperren</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win entsperren</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Standardebene</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN-Ebene</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1-Ebene</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Akkustand abfragen</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Auf 2.4G umschalten</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Auf USB umschalten</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Gesamtbeleuchtung</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktive Beleuchtung</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Alle Beleuchtung</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Helligkeit +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Helligkeit -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Geschwindigkeit +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Geschwindigkeit -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Richtung +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Richtung -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Richtung durchlaufen</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Vollfarbmodus</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Obere Farbe wechseln</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Untere Farbe wechseln</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Benutzerdefiniert 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Benutzerdefiniert 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Alles aus</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Hintergrundlicht aus</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Hintergrundlicht anhalten</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Lichtaufnahme</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Seitenbeleuchtung aus</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Seitenbeleuchtung anhalten</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Keine aktualisierbaren Geräte gefunden</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Koreanisch/Englisch</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>K14</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>K45</translation>
    </message>
    <message>
        <source>K56</source>
        <translation>K56</translation>
    </message>
    <message>
        <source>K131</source>
        <translation>K131</translation>
    </message>
    <message>
        <source>K132</source>
        <translation>K132</translation>
    </message>
    <message>
        <source>K133</source>
        <translation>K133</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Virtuelle Tastatur</translation>
    </message>
    <message>
        <source>The key layout of %1 could not be read</source>
        <translation>Die Tastenbelegung von %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>Nicht neu belegbar</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Loslassen</translation>
    </message>
    <message>
        <source>Key triggered</source>
        <translation>Tastenauslösung</translation>
    </message>
    <message>
        <source>Side light %1</source>
        <translation>Seitenlicht %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Anwendung beim Systemstart starten (minimiert)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Beim Schließen in den Infobereich minimieren</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Firmware-Aktualisierung prüfen</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Einstellung gespeichert</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Einstellung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware-Informationen</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Auf welche Taste umbelegen?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Tasten eingeben?</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>App auswählen</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Bitte wählen Sie den Pfad, unter dem sich Ihre App befindet</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Anwendung auswählen</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Anwendungen (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Text eingeben ...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Maustasten</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funktion:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Bitte zuerst eine Taste auswählen</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Vorgang erfolgreich</translation>
    </message>
    <message>
        <source>Operate failed, the profile could not be saved</source>
        <translation>Vorgang fehlgeschlagen, das Profil konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Einstellung fehlgeschlagen, da der Text leer ist</translation>
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
        <source>Light Press</source>
        <translation>Leichter Druck</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Starker Druck</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Bei aktiver Win-Sperre:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows-Taste sperren</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB sperren</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB sperren</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 sperren</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Beleuchtung ruht nach:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Tastatur ruht nach:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Aktuelles Profil zurücksetzen</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Tastatureigenschaften</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Ruhezustand verhindern</translation>
    </message>
    <message>
        <source>Saving the Win lock choices failed</source>
        <translation>Einstellungen der Win-Sperre konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The desktop's keyboard settings could not be opened</source>
        <translation>Die Tastatureinstellungen des Desktops konnten nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Profildatei öffnen</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Profildateien(*.xml)</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Aktuelles Profil zurücksetzen?</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Konfiguration erfolgreich übertragen</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Übertragung der Konfiguration fehlgeschlagen, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Download refused: %1 keys play macros, the keyboard holds %2 macros</source>
        <translation>Übertragung abgelehnt: %1 Tasten spielen Makros ab, die Tastatur speichert höchstens %2 Makros</translation>
    </message>
    <message>
        <source>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</source>
        <translation>Übertragung abgelehnt: %1 Tasten sind an erweiterte Tasten gebunden, die Tastatur speichert höchstens %2 erweiterte Tasten</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Makro hinzugefügt</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Makro gelöscht</translation>
    </message>
    <message>
        <source>Macro name can't be empty</source>
        <translation>Der Makroname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Makroname geändert</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Bitte zuerst eine Position wählen</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Bitte eine Taste drücken</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Die Höchstzahl an Ereignissen ist erreicht</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Eingefügt</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Bitte zuerst ein Makro wählen</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Makroaufnahme geleert</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Bitte zuerst einen Zielordner wählen</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Makro exportiert</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Makrodatei öffnen</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Makrodateien(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed: the file is damaged</source>
        <translation>Import fehlgeschlagen: Die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Makro importiert</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Makroaufnahme gestartet</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Makroaufnahme beendet</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Makro zuweisen</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Profil zuweisen</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Dauerwiedergabe ein/aus</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Anzahl der Wiedergaben</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Anzahl der Wiedergaben 1,2,3...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Wiedergabeart</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Mehrmals abspielen</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Einmal abspielen</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Abspielen, solange die zugewiesene Taste gedrückt ist</translation>
    </message>
    <message>
        <source>There is no macro to assign, please record a macro first</source>
        <translation>Kein Makro zum Zuweisen vorhanden, bitte zuerst ein Makro aufnehmen</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Richtung:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Obere Farbe</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Untere Farbe</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Eigene Beleuchtung</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Tastatur/Umgebung</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Das Gerät hat keine Umgebungsbeleuchtung</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>Custom light name can't be empty</source>
        <translation>Der Name der eigenen Beleuchtung darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Name der eigenen Beleuchtung geändert</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Atmen</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reaktiv</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Polarlicht</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Kräuseln</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Funkeln</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Tempo-Reaktion</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Auto-Kräuseln</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feuerwerk</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Musikrhythmus</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Kollision</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.Zuerst den Tastenkalibriermodus einschalten;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.Eine Taste auswählen;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.Auf „Kalibrierung starten“ klicken;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.Die ausgewählte Taste drücken;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.Das Kalibrierergebnis wird gemeldet;</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Legen Sie fest, wie weit die Taste zum Auslösen gedrückt werden muss.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Schnellauslösung</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Empfindlichkeit für Drücken und Loslassen</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Empfindlichkeit zurücksetzen</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Tastenkalibriermodus</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Kalibrierung starten</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Auslösen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Passen Sie Auslöse- und Rücksetzweg daran an, ob Sie die Taste drücken oder loslassen wollen.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Sie können die Wege der Schnellauslösung für Drücken (Auslösen) und Loslassen (Zurücksetzen) getrennt einstellen.</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Bei „Einzeltaste“ genügt ein Klick auf eine Taste, um die Belegung abzuschließen;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Bei „Tastenkombination“ müssen mindestens eine Zusatztaste und eine weitere Taste gewählt werden, um die Kombination einzugeben, etwa L_Shift+A oder L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Auslösepunkte der DKS-Aktionen</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Normale Tasten</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Sondertasten</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Haltedauer</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Keine erweiterten Tasten</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Die Höchstzahl erweiterter Tasten ist erreicht</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Erweiterte Taste erstellt</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Erweiterte Taste gelöscht</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Trennen Sie das Gerät nicht, während die Firmware aktualisiert wird!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aktualisierung erfolgreich</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Produktname:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuelle Version:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Neue Version:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Profile menu</source>
        <translation>Profilmenü</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Farbe %1</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Disperse</source>
        <translation>Auseinander</translation>
    </message>
    <message>
        <source>Gather</source>
        <translation>Zusammen</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Close startup to tray (no system tray found)</source>
        <translation>Beim Schließen in den Infobereich minimieren (kein Infobereich gefunden)</translation>
    </message>
    <message>
        <source>The firmware image is not valid for this keyboard</source>
        <translation>Das Firmware-Abbild ist für diese Tastatur nicht gültig</translation>
    </message>
    <message>
        <source>Reconnect the keyboard</source>
        <translation>Tastatur erneut anschließen</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>Copyright © %1. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Saving the macro failed</source>
        <translation>Das Makro konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The macro name cannot be used as a file name</source>
        <translation>Der Makroname kann nicht als Dateiname verwendet werden</translation>
    </message>
    <message>
        <source>Export macro failed: the file %1 cannot be written</source>
        <translation>Export des Makros fehlgeschlagen: Die Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Import macro failed: the file %1 cannot be opened</source>
        <translation>Import des Makros fehlgeschlagen: Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Import macro failed: the file is larger than %1 KiB</source>
        <translation>Import des Makros fehlgeschlagen: Die Datei ist größer als %1 KiB</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than %1 events</source>
        <translation>Import des Makros fehlgeschlagen: Die Datei enthält mehr als %1 Ereignisse</translation>
    </message>
    <message>
        <source>Import macro failed: the store already holds %1 macros</source>
        <translation>Import des Makros fehlgeschlagen: Es sind bereits %1 Makros gespeichert</translation>
    </message>
    <message>
        <source>Saving the advanced key failed</source>
        <translation>Die erweiterte Taste konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Saving the light settings failed</source>
        <translation>Die Lichteinstellungen konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Key %1, point %2</source>
        <translation>Taste %1, Punkt %2</translation>
    </message>
    <message>
        <source>Hold, as a new press</source>
        <translation>Halten, als neuer Tastendruck</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Keine Aktion</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Makro wählen</translation>
    </message>
    <message>
        <source>Select an advanced key</source>
        <translation>Erweiterte Taste wählen</translation>
    </message>
    <message>
        <source>Please create or select a macro first</source>
        <translation>Bitte zuerst ein Makro anlegen oder wählen</translation>
    </message>
    <message>
        <source>Another keyboard is in update mode: finish or unplug it, then try again</source>
        <translation>Eine andere Tastatur ist im Update-Modus: Update abschließen oder sie trennen, dann erneut versuchen</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>Colour picker</source>
        <translation>Farbwähler</translation>
    </message>
</context>
<context>
    <name>StoreFileQuestion</name>
    <message>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Move aside and start anew</source>
        <translation>Beiseitelegen und neu beginnen</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</source>
        <translation>%1.
Sein Inhalt kann nicht angezeigt werden. Die Datei so behalten, wie sie ist (die Seite bleibt leer), oder sie mit dem Datum im Namen beiseitelegen und eine neue beginnen?</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved aside</source>
        <translation>Die Datei %1 kann nicht beiseitegelegt werden</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Produktname:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuelle Version:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Neue Version:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>keyColorRgbFrameItem</name>
    <message>
        <source>keyColorRgbFrameItem</source>
        <translation>keyColorRgbFrameItem</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>keySelectFrame</source>
        <translation>keySelectFrame</translation>
    </message>
</context>
<context>
    <name>keyboardImageFrameItem</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>lightDealMain</name>
    <message>
        <source>Musical Rhythm cannot hear the sound output: no sound server answers</source>
        <translation>Musikrhythmus kann die Tonausgabe nicht hören: kein Soundserver antwortet</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Umbenennen</translation>
    </message>
</context>
</TS>
