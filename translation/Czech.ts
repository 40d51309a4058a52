<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>CTavrixXML</name>
    <message>
        <source>The file %1 does not exist</source>
        <translation>Soubor %1 neexistuje</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened</source>
        <translation>Soubor %1 nelze otevřít</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Do souboru %1 nelze zapisovat</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: the disk is full</source>
        <translation>Soubor %1 nelze uložit: disk je plný</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2)</source>
        <translation>Soubor %1 je poškozen (řádek %2)</translation>
    </message>
    <message>
        <source>The file %1 is damaged</source>
        <translation>Soubor %1 je poškozen</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</source>
        <translation>Soubor %1 je poškozený (řádek %2): obsahuje text delší než %3 KiB, víc, než obsahuje jakýkoli soubor nastavení</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</source>
        <translation>Soubor %1 je poškozený: je větší než %2 MiB, větší než jakýkoli soubor nastavení</translation>
    </message>
    <message>
        <source>its text is not well-formed XML</source>
        <translation>jeho text není správně utvořené XML</translation>
    </message>
    <message>
        <source>it ends too early, as if its writing was cut short</source>
        <translation>končí příliš brzy, jako by byl jeho zápis přerušen</translation>
    </message>
    <message>
        <source>it holds a document type declaration, which no settings file of this program holds</source>
        <translation>obsahuje deklaraci typu dokumentu, kterou žádný soubor nastavení tohoto programu neobsahuje</translation>
    </message>
    <message>
        <source>it holds NUL bytes, as binary data does, not text</source>
        <translation>obsahuje bajty NUL jako binární data, ne text</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>obsahuje bajty, které nejsou textem UTF-8</translation>
    </message>
    <message>
        <source>it is no settings file of this program</source>
        <translation>není to soubor nastavení tohoto programu</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>zapsala ho novější verze tohoto programu</translation>
    </message>
    <message>
        <source>it holds an element this program does not know, or one nested where it does not belong</source>
        <translation>obsahuje prvek, který tento program nezná, nebo prvek vnořený tam, kam nepatří</translation>
    </message>
    <message>
        <source>a value is missing or cannot be read</source>
        <translation>nějaká hodnota chybí nebo ji nelze přečíst</translation>
    </message>
    <message>
        <source>a value is not a number or is out of its range</source>
        <translation>nějaká hodnota není číslo nebo je mimo svůj rozsah</translation>
    </message>
    <message>
        <source>an entry that must be unique appears twice</source>
        <translation>položka, která musí být jedinečná, se vyskytuje dvakrát</translation>
    </message>
    <message>
        <source>it holds more profiles or advanced keys than this program allows</source>
        <translation>obsahuje víc profilů nebo pokročilých kláves, než tento program dovoluje</translation>
    </message>
    <message>
        <source>you have no permission for it or its folder</source>
        <translation>k souboru nebo jeho složce nemáte oprávnění</translation>
    </message>
    <message>
        <source>it is on a read-only disk</source>
        <translation>je na disku jen pro čtení</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>je to složka</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>není to běžný soubor</translation>
    </message>
    <message>
        <source>a part of its path is no folder</source>
        <translation>část jeho cesty není složka</translation>
    </message>
    <message>
        <source>the file-size limit of the program is reached</source>
        <translation>byl dosažen limit velikosti souboru pro program</translation>
    </message>
    <message>
        <source>the disk reports an input/output error</source>
        <translation>disk hlásí chybu vstupu/výstupu</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Soubor %1 nelze přečíst: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Do souboru %1 nelze zapisovat: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2</source>
        <translation>Soubor %1 nelze uložit: %2</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): %3</source>
        <translation>Soubor %1 je poškozený (řádek %2): %3</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>Soubor %1 je poškozený: %2</translation>
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
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Běžné klávesy</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Speciální klávesy</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
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
        <translation>Funkce:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klávesa</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mezerník</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Výchozí vrstva</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Vrstva FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Načítání</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Stáhnout</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Vlastní osvětlení</translation>
    </message>
    <message>
        <source>Use this custom light</source>
        <translation>Použít toto vlastní osvětlení</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Renaming the custom light failed</source>
        <translation>Vlastní podsvícení se nepodařilo přejmenovat</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>Text je ve schránce: stiskněte Ctrl+V pro jeho vložení</translation>
    </message>
    <message>
        <source>The keyboard's settings could not be saved</source>
        <translation>Nastavení klávesnice se nepodařilo uložit</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>产品列表</source>
        <translation>Seznam produktů</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Testovací tlačítko</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Přepnout hlavní režim</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klávesnice</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Stav baterie</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Zařízení není připojeno</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Seznam zařízení</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Přizpůsobení kláves</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Nastavení podsvícení</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Výkon</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Nastavení spouštění</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Pokročilé klávesy</translation>
    </message>
    <message>
        <source>The device is not ready</source>
        <translation>Zařízení ještě není připraveno</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Zařízení je offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Zařízení je již otevřeno</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Nejprve vyberte klávesu</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Obnovit aktuální profil?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Nejprve přepněte do režimu kalibrace kláves</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Kalibrace klávesy proběhla úspěšně</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Probíhá kalibrace klávesy</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Kalibrace klávesy selhala</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Neznámé</translation>
    </message>
    <message>
        <source>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</source>
        <translation>Klávesnice byla nalezena, ale nelze ji otevřít.
Odpojte ji a znovu připojte, nebo znovu načtěte pravidla zařízení:</translation>
    </message>
</context>
<context>
    <name>DDksShowWidget</name>
    <message>
        <source>Dynamic keystroke actions</source>
        <translation>Akce dynamického stisku</translation>
    </message>
</context>
<context>
    <name>DFirmwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informace o firmwaru</translation>
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
        <translation>1.Vysvětlení</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Vysvětlení</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Vysvětlení</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Vysvětlení</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Vysvětlení</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Vysvětlení</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>Zakázat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <translation>Jas:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Rychlost:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Směr:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Režim osvětlení</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Plné barvy</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Horní barva</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Dolní barva</translation>
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
        <translation>Vlastní osvětlení</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Binding</source>
        <translation>Přiřazeno</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Nahrávání makra</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makra</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Prodleva</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Nahraná prodleva</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Bez prodlevy</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Výchozí prodleva</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Nahrávat</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Události</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Záznam je prázdný</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Vložit událost</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozice</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Vložit za</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Vložit před</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Událost klávesnice</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Událost myši</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Prodleva</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Akce</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Stiskněte klávesu</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Levé tlačítko</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Prostřední tlačítko</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Pravé tlačítko</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Zadejte prodlevu</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Vlastnosti</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Klávesa</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Změnit</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizovat</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximalizovat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>Skrýt seznam zařízení</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>Zobrazit seznam zařízení</translation>
    </message>
    <message>
        <source>The program ended unexpectedly last time. A report was saved in %1</source>
        <translation>Program se minule neočekávaně ukončil. Zpráva byla uložena do %1</translation>
    </message>
    <message>
        <source>The device library could not be started: no keyboard can be found.</source>
        <translation>Knihovnu zařízení se nepodařilo spustit: nelze najít žádnou klávesnici.</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Lehký stisk</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Silný stisk</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <translation>Smazat</translation>
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
        <translation>Pokročilé klávesy</translation>
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
        <translation>Vytvořit</translation>
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
        <translation>Podržení</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Stisk</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Doba podržení</translation>
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
        <translation>Žádné pokročilé klávesy</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Jedna klávesa</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinace kláves</translation>
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
        <translation>Je-li zvolena „Jedna klávesa“, stačí kliknout na klávesu a nastavení je hotové; 
Je-li zvolena „Kombinace kláves“, je třeba vybrat alespoň jeden modifikátor a jednu další klávesu, například L_Shift+A nebo L_Shift+L_Ctrl+A;</translation>
    </message>
</context>
<context>
    <name>DSensitivityShowWidget</name>
    <message>
        <source>Key travel</source>
        <translation>Dráha klávesy</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obrázek pozadí</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Automatické spuštění</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Spouštět aplikaci při startu systému (minimalizovanou)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Při zavření minimalizovat do oznamovací oblasti</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Zkontrolovat aktualizaci firmwaru</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Aplikační software</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Zkontrolovat aktualizace</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Světlý</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Modrý</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Růžový</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Jiný</translation>
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
        <translation>Formulář</translation>
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
        <translation>Body sepnutí akcí DKS</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
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
        <translation>Rychlá spoušť</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Upravte dráhu sepnutí a dráhu resetu podle toho, zda chcete klávesu stisknout, nebo uvolnit.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sekundární citlivost</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Dráhu rychlé spouště lze nastavit zvlášť pro stisk (sepnutí) a uvolnění (reset).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Stisk/uvolnění</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Stisk</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Uvolnění</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Odrušení zákmitů kláves</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Obnovit citlivost</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Frekvence hlášení</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Přejít do režimu kalibrace</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Spustit kalibraci</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Sledování síly stisku</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>Frekvence hlášení</translation>
    </message>
    <message>
        <source>Key calibration steps</source>
        <translation>Kroky kalibrace kláves</translation>
    </message>
    <message>
        <source>About the travel scale</source>
        <translation>O stupnici dráhy</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Aktualizace firmwaru</translation>
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
        <translation>Virtuální klávesnice</translation>
    </message>
</context>
<context>
    <name>MagneticReport</name>
    <message>
        <source>Operate successful</source>
        <translation>Operace byla úspěšná</translation>
    </message>
    <message>
        <source>Operate failed: the keyboard is not connected</source>
        <translation>Operace se nezdařila: klávesnice není připojena</translation>
    </message>
</context>
<context>
    <name>ProfileController</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Byl dosažen maximální počet profilů</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Vytvoření se nezdařilo: profil s tímto indexem již existuje, zkontrolujte to</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Vytvoření profilu se nezdařilo</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profil byl vytvořen</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Musí zůstat alespoň jeden profil</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Odstranění profilu se nezdařilo</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil byl odstraněn</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Nejprve vyberte složku pro uložení</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Profil s tímto indexem neexistuje</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name</source>
        <translation>Název profilu nelze použít jako název souboru</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil byl exportován</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Export profilu se nezdařil</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Nejprve vyberte soubor k importu</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Import profilu se nezdařil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil byl importován</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>Název profilu nesmí být prázdný</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Změna profilu se nezdařila</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profil byl změněn</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Obnovení aktuálního profilu se nezdařilo</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Aktuální profil byl obnoven</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Doba do uspání podsvícení nesmí být delší než doba do uspání klávesnice</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Doba do uspání klávesnice je příliš krátká</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Nastavení doby uspání se nezdařilo</translation>
    </message>
    <message>
        <source>Saving the sleep time failed</source>
        <translation>Uložení doby uspání se nezdařilo</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Doba uspání byla nastavena</translation>
    </message>
    <message>
        <source>Import profile successful, as "%1": the name "%2" is taken</source>
        <translation>Profil importován jako „%1“: název „%2“ je obsazen</translation>
    </message>
    <message>
        <source>The profile name is unchanged</source>
        <translation>Název profilu se nezměnil</translation>
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
        <translation>Neznámé</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimalizovat(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximalizovat(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Obnovit(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Ukončit(&amp;Q)</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Přemapovat klávesu</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Zakázat</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Přepnout profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Spustit aplikaci</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Zkratky</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Konfigurace kláves</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Podsvícení klávesnice</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Ambientní osvětlení</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Pokročilé klávesy</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Hlasitost +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Hlasitost -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Ztlumit</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Přehrát/pozastavit</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Další skladba</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Předchozí skladba</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Přehrávač</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulačka</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Prohlížeč</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jas obrazovky+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jas obrazovky-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Levé tlačítko myši</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Prostřední tlačítko myši</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Pravé tlačítko myši</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Posunout nahoru</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Posunout dolů</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vpřed</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Odstřelovací tlačítko</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zavřít okno</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Přepnout okna</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Zobrazit plochu</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Tento počítač</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zamknout počítač</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Vyjmout</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Najít</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Zamknout klávesnici</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Zamknout/odemknout Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zamknout Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odemknout Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Výchozí vrstva</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Vrstva FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Vrstva FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Stav baterie</translation>
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
        <translation>Přepnout na 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Přepnout na USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Celkové osvětlení</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktivní osvětlení</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Veškeré osvětlení</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statický</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jas +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jas -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Rychlost +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Rychlost -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Směr +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Směr -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Cyklus směrů</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Plnobarevný režim</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Změnit horní barvu</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Změnit dolní barvu</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Vlastní 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Vlastní 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Vypnout vše</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Vypnout podsvícení</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zastavit podsvícení</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Záznam osvětlení</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Vypnout boční osvětlení</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zastavit boční osvětlení</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nebyla nalezena žádná zařízení k aktualizaci</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Korejština/angličtina</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Čínština</translation>
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
        <translation>Virtuální klávesnice</translation>
    </message>
    <message>
        <source>The key layout of %1 could not be read</source>
        <translation>Rozložení kláves %1 nelze načíst</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>Nelze přemapovat</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Stisk</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Uvolnění</translation>
    </message>
    <message>
        <source>Key triggered</source>
        <translation>Spuštění klávesy</translation>
    </message>
    <message>
        <source>Side light %1</source>
        <translation>Boční světlo %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obrázek pozadí</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Automatické spuštění</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Spouštět aplikaci při startu systému (minimalizovanou)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Při zavření minimalizovat do oznamovací oblasti</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Zkontrolovat aktualizaci firmwaru</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Nastavení uloženo</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Nastavení se nezdařilo</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Informace o firmwaru</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Přemapovat na kterou klávesu?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Zadejte klávesy?</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Vybrat aplikaci</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Vyberte cestu, kde se aplikace nachází</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Vybrat aplikaci</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Aplikace (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Zadejte text...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Tlačítka myši</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Stáhnout</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funkce:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klávesa</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Nejprve vyberte klávesu</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operace proběhla úspěšně</translation>
    </message>
    <message>
        <source>Operate failed, the profile could not be saved</source>
        <translation>Operace selhala, profil nelze uložit</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Nastavení selhalo, protože text je prázdný</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Lehký stisk</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Silný stisk</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Když je zapnutý zámek Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Zakázat klávesu Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Zakázat SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Zakázat ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Zakázat ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Uspání podsvícení po:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>sekund</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Uspání klávesnice po:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>minut</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Obnovit aktuální profil</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Vlastnosti klávesnice</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Zakázat uspání</translation>
    </message>
    <message>
        <source>Saving the Win lock choices failed</source>
        <translation>Uložení nastavení zámku Win se nezdařilo</translation>
    </message>
    <message>
        <source>The desktop's keyboard settings could not be opened</source>
        <translation>Nastavení klávesnice pracovního prostředí se nepodařilo otevřít</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importovat</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Přejmenovat</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Složka pro uložení</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Otevřít soubor profilu</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Soubory profilů(*.xml)</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Obnovit aktuální profil?</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 již existuje. Chcete jej nahradit?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Konfigurace byla úspěšně nahrána</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Nahrání konfigurace se nezdařilo, zkuste to prosím znovu</translation>
    </message>
    <message>
        <source>Download refused: %1 keys play macros, the keyboard holds %2 macros</source>
        <translation>Nahrání odmítnuto: %1 kláves spouští makra, klávesnice pojme %2 maker</translation>
    </message>
    <message>
        <source>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</source>
        <translation>Nahrání odmítnuto: %1 kláves je přiřazeno k pokročilým klávesám, klávesnice pojme %2 pokročilých kláves</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Levé tlačítko</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Prostřední tlačítko</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Pravé tlačítko</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Nabídka</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nahoru</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Dolů</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Spustit nahrávání</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Zastavit nahrávání</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Makro přidáno</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Makro smazáno</translation>
    </message>
    <message>
        <source>Macro name can't be empty</source>
        <translation>Název makra nesmí být prázdný</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Název makra změněn</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Nejprve vyberte pozici</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Stiskněte klávesu</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Bylo dosaženo limitu událostí</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Vloženo</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Změněno</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Nejprve vyberte makro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Záznam makra vymazán</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Nejprve vyberte složku pro uložení</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Makro exportováno</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Otevřít soubor makra</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Soubory maker(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed: the file is damaged</source>
        <translation>Import se nezdařil: soubor je poškozen</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Makro importováno</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Nahrávání makra zahájeno</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Nahrávání makra zastaveno</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Přiřadit makro</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Přiřadit profil</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Nepřetržité přehrávání zap./vyp.</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Počet přehrání</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Počet přehrání 1,2,3...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Způsob přehrávání</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Přehrát vícekrát</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Přehrát jednou</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Přehrávat, dokud je přiřazená klávesa stisknutá</translation>
    </message>
    <message>
        <source>There is no macro to assign, please record a macro first</source>
        <translation>Není k dispozici žádné makro k přiřazení, nejprve nahrajte makro</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Jas:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Rychlost:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Směr:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Plné barvy</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Horní barva</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Dolní barva</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Vlastní osvětlení</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jas</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Rychlost</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Klávesnice/okolí</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Zařízení nemá okolní osvětlení</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vlna</translation>
    </message>
    <message>
        <source>Custom light name can't be empty</source>
        <translation>Název vlastního osvětlení nesmí být prázdný</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Název vlastního osvětlení byl změněn</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Dýchání</translation>
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
        <translation>Had</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reakce</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Polární záře</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Vlnky</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Třpyt</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kříž</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Odezva na rychlost</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Automatické vlnky</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Pruhy</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Ohňostroj</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Hudební rytmus</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Srážka</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.Nejprve přejděte do režimu kalibrace kláves;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.Vyberte jednu klávesu;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.Klikněte na „Spustit kalibraci“;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.Stiskněte vybranou klávesu;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.Zobrazí se výsledek kalibrace klávesy;</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Nastavte dráhu stisku potřebnou k sepnutí.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Rychlá spoušť</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Citlivost stisku a uvolnění</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Obnovit citlivost</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Frekvence hlášení</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Režim kalibrace kláves</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Spustit kalibraci</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Sepnutí</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Upravte dráhu sepnutí a dráhu resetu podle toho, zda chcete klávesu stisknout, nebo uvolnit.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Dráhu rychlé spouště lze nastavit zvlášť pro stisk (sepnutí) a uvolnění (reset).</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Je-li zvolena „Jedna klávesa“, stačí kliknout na klávesu a nastavení je hotové;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Je-li zvolena „Kombinace kláves“, je třeba vybrat alespoň jeden modifikátor a jednu další klávesu, například L_Shift+A nebo L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Body sepnutí akcí DKS</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Běžné klávesy</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Speciální klávesy</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Jedna klávesa</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Podržení</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Stisk</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Doba podržení</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Žádné pokročilé klávesy</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Byl dosažen nejvyšší počet pokročilých kláves</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Pokročilá klávesa vytvořena</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Pokročilá klávesa smazána</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Aktualizace firmwaru</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Během aktualizace firmwaru zařízení neodpojujte!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aktualizace proběhla úspěšně</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aktualizace se nezdařila</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Název produktu:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Průběh:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuální verze:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nová verze:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Dokončeno</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Oddálit</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Přiblížit</translation>
    </message>
    <message>
        <source>Profile menu</source>
        <translation>Nabídka profilu</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Barva %1</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Doprava</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Doleva</translation>
    </message>
    <message>
        <source>Disperse</source>
        <translation>Rozptýlit</translation>
    </message>
    <message>
        <source>Gather</source>
        <translation>Shromáždit</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Po směru hodin</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Proti směru hodin</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Červená</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zelená</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Modrá</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Klávesa %1</translation>
    </message>
    <message>
        <source>Close startup to tray (no system tray found)</source>
        <translation>Při zavření minimalizovat do oznamovací oblasti (oznamovací oblast nenalezena)</translation>
    </message>
    <message>
        <source>The firmware image is not valid for this keyboard</source>
        <translation>Obraz firmwaru není pro tuto klávesnici platný</translation>
    </message>
    <message>
        <source>Reconnect the keyboard</source>
        <translation>Znovu připojte klávesnici</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>Copyright © %1. Všechna práva vyhrazena.</translation>
    </message>
    <message>
        <source>Saving the macro failed</source>
        <translation>Makro se nepodařilo uložit</translation>
    </message>
    <message>
        <source>The macro name cannot be used as a file name</source>
        <translation>Název makra nelze použít jako název souboru</translation>
    </message>
    <message>
        <source>Export macro failed: the file %1 cannot be written</source>
        <translation>Export makra selhal: do souboru %1 nelze zapisovat</translation>
    </message>
    <message>
        <source>Import macro failed: the file %1 cannot be opened</source>
        <translation>Import makra selhal: soubor %1 nelze otevřít</translation>
    </message>
    <message>
        <source>Import macro failed: the file is larger than %1 KiB</source>
        <translation>Import makra selhal: soubor je větší než %1 KiB</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than %1 events</source>
        <translation>Import makra selhal: soubor obsahuje více než %1 událostí</translation>
    </message>
    <message>
        <source>Import macro failed: the store already holds %1 macros</source>
        <translation>Import makra selhal: uloženo je již %1 maker</translation>
    </message>
    <message>
        <source>Saving the advanced key failed</source>
        <translation>Pokročilou klávesu se nepodařilo uložit</translation>
    </message>
    <message>
        <source>Saving the light settings failed</source>
        <translation>Uložení nastavení osvětlení se nezdařilo</translation>
    </message>
    <message>
        <source>Key %1, point %2</source>
        <translation>Klávesa %1, bod %2</translation>
    </message>
    <message>
        <source>Hold, as a new press</source>
        <translation>Držení, jako nový stisk</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Žádná akce</translation>
    </message>
    <message>
        <source>Another keyboard is in update mode: finish or unplug it, then try again</source>
        <translation>Jiná klávesnice je v režimu aktualizace: dokončete ji nebo ji odpojte a zkuste to znovu</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Vyberte makro</translation>
    </message>
    <message>
        <source>Select an advanced key</source>
        <translation>Vyberte rozšířenou klávesu</translation>
    </message>
    <message>
        <source>Please create or select a macro first</source>
        <translation>Nejprve vytvořte nebo vyberte makro</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>Colour picker</source>
        <translation>Výběr barvy</translation>
    </message>
</context>
<context>
    <name>StoreFileQuestion</name>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Move aside and start anew</source>
        <translation>Odložit a začít znovu</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Ponechat</translation>
    </message>
    <message>
        <source>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</source>
        <translation>%1.
Jeho obsah nelze zobrazit. Ponechat soubor tak, jak je (stránka zůstane prázdná), nebo jej odložit s datem v názvu a začít nový?</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved aside</source>
        <translation>Soubor %1 nelze odložit</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Název produktu:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuální verze:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Průběh:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nová verze:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Dokončeno</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
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
        <translation>Formulář</translation>
    </message>
</context>
<context>
    <name>lightDealMain</name>
    <message>
        <source>Musical Rhythm cannot hear the sound output: no sound server answers</source>
        <translation>Hudební rytmus neslyší zvukový výstup: žádný zvukový server neodpovídá</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Přejmenovat</translation>
    </message>
</context>
</TS>
