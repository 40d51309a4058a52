<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CTavrixXML</name>
    <message>
        <source>The file %1 does not exist</source>
        <translation>Il file %1 non esiste</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened</source>
        <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Impossibile scrivere il file %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: the disk is full</source>
        <translation>Impossibile salvare il file %1: il disco è pieno</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2)</source>
        <translation>Il file %1 è danneggiato (riga %2)</translation>
    </message>
    <message>
        <source>The file %1 is damaged</source>
        <translation>Il file %1 è danneggiato</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</source>
        <translation>Il file %1 è danneggiato (riga %2): contiene un testo più lungo di %3 KiB, più di quanto contenga qualsiasi file di impostazioni</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</source>
        <translation>Il file %1 è danneggiato: è più grande di %2 MiB, più di qualsiasi file di impostazioni</translation>
    </message>
    <message>
        <source>its text is not well-formed XML</source>
        <translation>il suo testo non è XML ben formato</translation>
    </message>
    <message>
        <source>it ends too early, as if its writing was cut short</source>
        <translation>finisce troppo presto, come se la sua scrittura fosse stata interrotta</translation>
    </message>
    <message>
        <source>it holds a document type declaration, which no settings file of this program holds</source>
        <translation>contiene una dichiarazione del tipo di documento, che nessun file di impostazioni di questo programma contiene</translation>
    </message>
    <message>
        <source>it holds NUL bytes, as binary data does, not text</source>
        <translation>contiene byte NUL, come i dati binari, non testo</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>contiene byte che non sono testo UTF-8</translation>
    </message>
    <message>
        <source>it is no settings file of this program</source>
        <translation>non è un file di impostazioni di questo programma</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>è stato scritto da una versione più recente di questo programma</translation>
    </message>
    <message>
        <source>it holds an element this program does not know, or one nested where it does not belong</source>
        <translation>contiene un elemento che questo programma non conosce, o uno annidato dove non dovrebbe stare</translation>
    </message>
    <message>
        <source>a value is missing or cannot be read</source>
        <translation>un valore manca o non può essere letto</translation>
    </message>
    <message>
        <source>a value is not a number or is out of its range</source>
        <translation>un valore non è un numero o è fuori dal suo intervallo</translation>
    </message>
    <message>
        <source>an entry that must be unique appears twice</source>
        <translation>una voce che deve essere unica compare due volte</translation>
    </message>
    <message>
        <source>it holds more profiles or advanced keys than this program allows</source>
        <translation>contiene più profili o tasti avanzati di quanti ne consenta questo programma</translation>
    </message>
    <message>
        <source>you have no permission for it or its folder</source>
        <translation>non hai i permessi per il file o la sua cartella</translation>
    </message>
    <message>
        <source>it is on a read-only disk</source>
        <translation>si trova su un disco di sola lettura</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>a part of its path is no folder</source>
        <translation>una parte del suo percorso non è una cartella</translation>
    </message>
    <message>
        <source>the file-size limit of the program is reached</source>
        <translation>è stato raggiunto il limite di dimensione dei file del programma</translation>
    </message>
    <message>
        <source>the disk reports an input/output error</source>
        <translation>il disco segnala un errore di input/output</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Impossibile leggere il file %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Impossibile scrivere il file %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2</source>
        <translation>Impossibile salvare il file %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): %3</source>
        <translation>Il file %1 è danneggiato (riga %2): %3</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>Il file %1 è danneggiato: %2</translation>
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
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Tasti normali</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Tasti speciali</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funzione:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Livello predefinito</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Livello FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Illuminazione personalizzata</translation>
    </message>
    <message>
        <source>Use this custom light</source>
        <translation>Usa questa illuminazione personalizzata</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Renaming the custom light failed</source>
        <translation>Impossibile rinominare la luce personalizzata</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>Il testo è negli appunti: premi Ctrl+V per incollarlo</translation>
    </message>
    <message>
        <source>The keyboard's settings could not be saved</source>
        <translation>Impossibile salvare le impostazioni della tastiera</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>产品列表</source>
        <translation>Elenco prodotti</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Pulsante di prova</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Cambia modalità principale</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Livello batteria</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo non collegato</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Elenco dispositivi</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizza tasti</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Impostazioni luci</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Prestazioni</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Impostazioni di attivazione</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Tasti avanzati</translation>
    </message>
    <message>
        <source>The device is not ready</source>
        <translation>Il dispositivo non è ancora pronto</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Il dispositivo è offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Il dispositivo è già aperto</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Selezionare prima un tasto</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Ripristinare il profilo corrente?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Passare prima alla modalità di calibrazione dei tasti</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibrazione del tasto riuscita</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibrazione del tasto in corso</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Calibrazione del tasto non riuscita</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</source>
        <translation>La tastiera è stata trovata ma non può essere aperta.
Scollegala e ricollegala, oppure ricarica le regole dei dispositivi:</translation>
    </message>
</context>
<context>
    <name>DDksShowWidget</name>
    <message>
        <source>Dynamic keystroke actions</source>
        <translation>Azioni della pressione dinamica</translation>
    </message>
</context>
<context>
    <name>DFirmwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informazioni firmware</translation>
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
        <translation>1.Spiegazione</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Spiegazione</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Spiegazione</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Spiegazione</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Spiegazione</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Spiegazione</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosità:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direzione:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Modalità luce</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Tutti i colori</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Colore superiore</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Colore inferiore</translation>
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
        <translation>Illuminazione personalizzata</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Binding</source>
        <translation>Assegnata</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Registrazione macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Ritardo registrato</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Nessun ritardo</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Ritardo predefinito</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Eventi</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Registrazione vuota</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Inserisci evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserisci dopo</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserisci prima</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Evento tastiera</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Evento mouse</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Inserisci un tasto</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Inserisci il ritardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>Nascondi elenco dispositivi</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>Mostra elenco dispositivi</translation>
    </message>
    <message>
        <source>The program ended unexpectedly last time. A report was saved in %1</source>
        <translation>L'ultima volta il programma è terminato in modo imprevisto. È stato salvato un rapporto in %1</translation>
    </message>
    <message>
        <source>The device library could not be started: no keyboard can be found.</source>
        <translation>Impossibile avviare la libreria dei dispositivi: nessuna tastiera può essere trovata.</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Pressione leggera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressione forte</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Elimina</translation>
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
        <translation>Tasti avanzati</translation>
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
        <translation>Crea</translation>
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
        <translation>Tenere</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Tocco</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Durata della pressione</translation>
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
        <translation>Nessun tasto avanzato</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tasto singolo</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinazione di tasti</translation>
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
        <translation>Con "Tasto singolo" selezionato, basta fare clic su un tasto per completare la configurazione; 
Con "Combinazione di tasti" selezionata, occorre scegliere almeno un tasto modificatore e un altro tasto per completare la combinazione, ad esempio L_Shift+A o L_Shift+L_Ctrl+A;</translation>
    </message>
</context>
<context>
    <name>DSensitivityShowWidget</name>
    <message>
        <source>Key travel</source>
        <translation>Corsa del tasto</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Avvio automatico</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Avvia l'applicazione all'avvio del sistema (ridotta a icona)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Riduci nell'area di notifica alla chiusura</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Verifica aggiornamento firmware</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software applicativo</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
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
        <translation>Modulo</translation>
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
        <translation>Punti di attivazione delle azioni DKS</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>Attivazione rapida</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Personalizza la corsa di attivazione e quella di ripristino in base all'intenzione di premere o rilasciare il tasto.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilità secondaria</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Puoi impostare separatamente la corsa dell'attivazione rapida alla pressione (attivazione) e al rilascio (ripristino).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Pressione/rilascio</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Rilascio</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Antirimbalzo tasti</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Ripristina sensibilità</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Frequenza di polling</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Entra in modalità calibrazione</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Avvia calibrazione</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Rilevamento dell'intensità</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>Frequenza di polling</translation>
    </message>
    <message>
        <source>Key calibration steps</source>
        <translation>Passaggi della calibrazione dei tasti</translation>
    </message>
    <message>
        <source>About the travel scale</source>
        <translation>Informazioni sulla scala della corsa</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Aggiorna firmware</translation>
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
        <translation>Tastiera virtuale</translation>
    </message>
</context>
<context>
    <name>MagneticReport</name>
    <message>
        <source>Operate successful</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Operate failed: the keyboard is not connected</source>
        <translation>Operazione non riuscita: la tastiera non è collegata</translation>
    </message>
</context>
<context>
    <name>ProfileController</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>È stato raggiunto il numero massimo di profili</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Creazione non riuscita: esiste già un profilo con questo indice, verificare</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Creazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profilo creato correttamente</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>È necessario mantenere almeno un profilo</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Eliminazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profilo eliminato correttamente</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Selezionare prima la cartella di destinazione</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Non esiste alcun profilo con questo indice</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name</source>
        <translation>Il nome del profilo non può essere usato come nome di file</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profilo esportato correttamente</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Esportazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Selezionare prima il file da importare</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Importazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profilo importato correttamente</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>Il nome del profilo non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Modifica del profilo non riuscita</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profilo modificato correttamente</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Ripristino del profilo corrente non riuscito</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Profilo corrente ripristinato correttamente</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Il tempo di sospensione dell'illuminazione non può superare quello della tastiera</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Il tempo di sospensione della tastiera è troppo breve</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Impostazione del tempo di sospensione non riuscita</translation>
    </message>
    <message>
        <source>Saving the sleep time failed</source>
        <translation>Salvataggio del tempo di sospensione non riuscito</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Il tempo di sospensione è stato impostato</translation>
    </message>
    <message>
        <source>Import profile successful, as "%1": the name "%2" is taken</source>
        <translation>Profilo importato come "%1": il nome "%2" è già in uso</translation>
    </message>
    <message>
        <source>The profile name is unchanged</source>
        <translation>Il nome del profilo non è cambiato</translation>
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
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Riduci a icona(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Ingrandisci(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Ripristina(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Esci(&amp;Q)</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Rimappa tasto</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Cambia profilo</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Avvia applicazione</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configurazione tasti</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Luce tastiera</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luce d'atmosfera</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Tasti avanzati</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Traccia successiva</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Traccia precedente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lettore</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calcolatrice</translation>
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
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosità schermo+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosità schermo-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Tasto sinistro</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Tasto centrale</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Tasto destro</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scorri su</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scorri giù</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tasto cecchino</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Cambia finestra</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostra desktop</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Risorse del computer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Blocca computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Blocca tastiera</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Blocca/sblocca Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Blocca Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Sblocca Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Livello predefinito</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Livello FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Livello FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Verifica batteria</translation>
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
        <translation>Passa a 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Passa a USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Luce generale</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luce interattiva</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tutte le luci</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statico</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosità +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosità -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocità +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocità -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direzione +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direzione -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Ciclo direzione</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passa a colori completi</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambia colore superiore</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambia colore inferiore</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizzato 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizzato 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Spegni tutto</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Spegni retroilluminazione</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Ferma retroilluminazione</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Registrazione luci</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Spegni luce laterale</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Ferma luce laterale</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nessun dispositivo aggiornabile trovato</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Coreano/inglese</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
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
        <translation>Tastiera virtuale</translation>
    </message>
    <message>
        <source>The key layout of %1 could not be read</source>
        <translation>Impossibile leggere il layout dei tasti di %1</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>Non rimappabile</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Rilascio</translation>
    </message>
    <message>
        <source>Key triggered</source>
        <translation>Attivazione tasto</translation>
    </message>
    <message>
        <source>Side light %1</source>
        <translation>Luce laterale %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Avvio automatico</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Avvia l'applicazione all'avvio del sistema (ridotta a icona)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Riduci nell'area di notifica alla chiusura</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Verifica aggiornamento firmware</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Impostazione salvata</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Impostazione non riuscita</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Informazioni firmware</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Rimappare su quale tasto?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Inserire i tasti?</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Seleziona app</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Selezionare il percorso in cui si trova l'app</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleziona applicazione</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Applicazioni (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Inserire il testo...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Tasti del mouse</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funzione:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Seleziona prima un tasto</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Operate failed, the profile could not be saved</source>
        <translation>Operazione non riuscita, impossibile salvare il profilo</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Impostazione non riuscita: il testo è vuoto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pressione leggera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressione forte</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Con il blocco Win attivo:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Disattiva il tasto Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Disattiva SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Disattiva ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Disattiva ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Sospensione illuminazione:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Sospensione tastiera:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Ripristina il profilo corrente</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Proprietà della tastiera</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Impedisci la sospensione</translation>
    </message>
    <message>
        <source>Saving the Win lock choices failed</source>
        <translation>Salvataggio delle opzioni del blocco Win non riuscito</translation>
    </message>
    <message>
        <source>The desktop's keyboard settings could not be opened</source>
        <translation>Impossibile aprire le impostazioni della tastiera del desktop</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Apri file del profilo</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>File di profilo(*.xml)</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Ripristinare il profilo corrente?</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configurazione scaricata correttamente</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Download della configurazione non riuscito, riprova</translation>
    </message>
    <message>
        <source>Download refused: %1 keys play macros, the keyboard holds %2 macros</source>
        <translation>Download rifiutato: %1 tasti eseguono macro, la tastiera ne contiene al massimo %2</translation>
    </message>
    <message>
        <source>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</source>
        <translation>Download rifiutato: %1 tasti sono associati a tasti avanzati, la tastiera ne contiene al massimo %2</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Avvia registrazione</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Ferma registrazione</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro aggiunta</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminata</translation>
    </message>
    <message>
        <source>Macro name can't be empty</source>
        <translation>Il nome della macro non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nome della macro modificato</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Seleziona prima una posizione</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Inserisci un tasto</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>È stato raggiunto il limite di eventi</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Inserimento riuscito</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modifica riuscita</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Seleziona prima una macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Registrazione della macro svuotata</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleziona prima una cartella di destinazione</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro esportata</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Apri file macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>File macro(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed: the file is damaged</source>
        <translation>Importazione non riuscita: il file è danneggiato</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importata</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Registrazione della macro avviata</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Registrazione della macro fermata</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Assegna macro</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Assegna profilo</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Riproduzione continua on/off</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Numero di riproduzioni</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Numero di riproduzioni 1,2,3...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Modalità di riproduzione</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Riproduci più volte</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Riproduci una volta</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Riproduci finché il tasto assegnato è premuto</translation>
    </message>
    <message>
        <source>There is no macro to assign, please record a macro first</source>
        <translation>Nessuna macro da assegnare, registra prima una macro</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosità:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direzione:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Tutti i colori</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Colore superiore</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Colore inferiore</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Illuminazione personalizzata</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Tastiera/ambiente</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Il dispositivo non ha luci d'ambiente</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Custom light name can't be empty</source>
        <translation>Il nome dell'illuminazione personalizzata non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nome dell'illuminazione personalizzata modificato</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiro</translation>
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
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reattivo</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Increspatura</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillio</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croce</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Risposta alla velocità</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Increspatura automatica</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Striature</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuochi d'artificio</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musicale</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collisione</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.Entra prima nella modalità calibrazione tasti;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.Seleziona un tasto;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.Fai clic su "Avvia calibrazione";</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.Premi il tasto selezionato;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.Viene mostrato il risultato della calibrazione;</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Imposta la corsa di pressione necessaria per l'attivazione.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Attivazione rapida</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Sensibilità di pressione e rilascio</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Ripristina sensibilità</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Frequenza di polling</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Modalità calibrazione tasti</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Avvia calibrazione</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Attivazione</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristino</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Personalizza la corsa di attivazione e quella di ripristino in base all'intenzione di premere o rilasciare il tasto.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Puoi impostare separatamente la corsa dell'attivazione rapida alla pressione (attivazione) e al rilascio (ripristino).</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Con "Tasto singolo" selezionato, basta fare clic su un tasto per completare la configurazione;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Con "Combinazione di tasti" selezionata, occorre scegliere almeno un tasto modificatore e un altro tasto per completare la combinazione, ad esempio L_Shift+A o L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Punti di attivazione delle azioni DKS</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Tasti normali</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Tasti speciali</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tasto singolo</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Tenere</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Tocco</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Durata della pressione</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Nessun tasto avanzato</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>È stato raggiunto il numero massimo di tasti avanzati</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Tasto avanzato creato</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Tasto avanzato eliminato</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Aggiorna firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Non scollegare il dispositivo durante l'aggiornamento del firmware!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aggiornamento riuscito</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aggiornamento non riuscito</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Nome prodotto:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Avanzamento:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versione attuale:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nuova versione:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Profile menu</source>
        <translation>Menu profilo</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Colore %1</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Disperse</source>
        <translation>Disperdi</translation>
    </message>
    <message>
        <source>Gather</source>
        <translation>Raccogli</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Senso orario</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Senso antiorario</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tasto %1</translation>
    </message>
    <message>
        <source>Close startup to tray (no system tray found)</source>
        <translation>Riduci nell'area di notifica alla chiusura (area di notifica non trovata)</translation>
    </message>
    <message>
        <source>The firmware image is not valid for this keyboard</source>
        <translation>L'immagine del firmware non è valida per questa tastiera</translation>
    </message>
    <message>
        <source>Reconnect the keyboard</source>
        <translation>Ricollega la tastiera</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>Copyright © %1. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Saving the macro failed</source>
        <translation>Impossibile salvare la macro</translation>
    </message>
    <message>
        <source>The macro name cannot be used as a file name</source>
        <translation>Il nome della macro non può essere usato come nome di file</translation>
    </message>
    <message>
        <source>Export macro failed: the file %1 cannot be written</source>
        <translation>Esportazione della macro non riuscita: impossibile scrivere il file %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file %1 cannot be opened</source>
        <translation>Importazione della macro non riuscita: impossibile aprire il file %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file is larger than %1 KiB</source>
        <translation>Importazione della macro non riuscita: il file supera %1 KiB</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than %1 events</source>
        <translation>Importazione della macro non riuscita: il file contiene più di %1 eventi</translation>
    </message>
    <message>
        <source>Import macro failed: the store already holds %1 macros</source>
        <translation>Importazione della macro non riuscita: sono già salvate %1 macro</translation>
    </message>
    <message>
        <source>Saving the advanced key failed</source>
        <translation>Impossibile salvare il tasto avanzato</translation>
    </message>
    <message>
        <source>Saving the light settings failed</source>
        <translation>Salvataggio delle impostazioni luci non riuscito</translation>
    </message>
    <message>
        <source>Key %1, point %2</source>
        <translation>Tasto %1, punto %2</translation>
    </message>
    <message>
        <source>Hold, as a new press</source>
        <translation>Tieni premuto, come nuova pressione</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Nessuna azione</translation>
    </message>
    <message>
        <source>Another keyboard is in update mode: finish or unplug it, then try again</source>
        <translation>Un'altra tastiera è in modalità aggiornamento: completala o scollegala, poi riprova</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Seleziona una macro</translation>
    </message>
    <message>
        <source>Select an advanced key</source>
        <translation>Seleziona un tasto avanzato</translation>
    </message>
    <message>
        <source>Please create or select a macro first</source>
        <translation>Crea o seleziona prima una macro</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>Colour picker</source>
        <translation>Selettore colore</translation>
    </message>
</context>
<context>
    <name>StoreFileQuestion</name>
    <message>
        <source>Tip</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Move aside and start anew</source>
        <translation>Spostarlo da parte e ricominciare</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Conservalo</translation>
    </message>
    <message>
        <source>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</source>
        <translation>%1.
Il contenuto non può essere mostrato. Conservare il file così com'è (la pagina resta vuota) o spostarlo da parte con la data nel nome e iniziarne uno nuovo?</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved aside</source>
        <translation>Impossibile spostare da parte il file %1</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Nome prodotto:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versione attuale:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Avanzamento:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nuova versione:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
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
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>lightDealMain</name>
    <message>
        <source>Musical Rhythm cannot hear the sound output: no sound server answers</source>
        <translation>Ritmo musicale non riesce a sentire l'uscita audio: nessun server audio risponde</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Rinomina</translation>
    </message>
</context>
</TS>
