<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CTavrixXML</name>
    <message>
        <source>The file %1 does not exist</source>
        <translation>Plik %1 nie istnieje</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened</source>
        <translation>Nie można otworzyć pliku %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Nie można zapisać pliku %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: the disk is full</source>
        <translation>Nie można zapisać pliku %1: dysk jest pełny</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2)</source>
        <translation>Plik %1 jest uszkodzony (wiersz %2)</translation>
    </message>
    <message>
        <source>The file %1 is damaged</source>
        <translation>Plik %1 jest uszkodzony</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</source>
        <translation>Plik %1 jest uszkodzony (wiersz %2): zawiera tekst dłuższy niż %3 KiB, więcej niż zawiera jakikolwiek plik ustawień</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</source>
        <translation>Plik %1 jest uszkodzony: jest większy niż %2 MiB, większy niż jakikolwiek plik ustawień</translation>
    </message>
    <message>
        <source>its text is not well-formed XML</source>
        <translation>jego tekst nie jest poprawnym składniowo XML</translation>
    </message>
    <message>
        <source>it ends too early, as if its writing was cut short</source>
        <translation>kończy się za wcześnie, jakby jego zapis został przerwany</translation>
    </message>
    <message>
        <source>it holds a document type declaration, which no settings file of this program holds</source>
        <translation>zawiera deklarację typu dokumentu, której nie zawiera żaden plik ustawień tego programu</translation>
    </message>
    <message>
        <source>it holds NUL bytes, as binary data does, not text</source>
        <translation>zawiera bajty NUL, jak dane binarne, a nie tekst</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>zawiera bajty, które nie są tekstem UTF-8</translation>
    </message>
    <message>
        <source>it is no settings file of this program</source>
        <translation>nie jest plikiem ustawień tego programu</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>został zapisany przez nowszą wersję tego programu</translation>
    </message>
    <message>
        <source>it holds an element this program does not know, or one nested where it does not belong</source>
        <translation>zawiera element, którego ten program nie zna, lub zagnieżdżony tam, gdzie nie powinien być</translation>
    </message>
    <message>
        <source>a value is missing or cannot be read</source>
        <translation>brakuje jakiejś wartości lub nie można jej odczytać</translation>
    </message>
    <message>
        <source>a value is not a number or is out of its range</source>
        <translation>jakaś wartość nie jest liczbą lub wykracza poza swój zakres</translation>
    </message>
    <message>
        <source>an entry that must be unique appears twice</source>
        <translation>wpis, który musi być unikatowy, występuje dwa razy</translation>
    </message>
    <message>
        <source>it holds more profiles or advanced keys than this program allows</source>
        <translation>zawiera więcej profili lub klawiszy zaawansowanych, niż pozwala ten program</translation>
    </message>
    <message>
        <source>you have no permission for it or its folder</source>
        <translation>nie masz uprawnień do pliku lub jego folderu</translation>
    </message>
    <message>
        <source>it is on a read-only disk</source>
        <translation>znajduje się na dysku tylko do odczytu</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>jest folderem</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>a part of its path is no folder</source>
        <translation>część jego ścieżki nie jest folderem</translation>
    </message>
    <message>
        <source>the file-size limit of the program is reached</source>
        <translation>osiągnięto limit rozmiaru pliku dla programu</translation>
    </message>
    <message>
        <source>the disk reports an input/output error</source>
        <translation>dysk zgłasza błąd wejścia/wyjścia</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Nie można odczytać pliku %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Nie można zapisać pliku %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2</source>
        <translation>Nie można zapisać pliku %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): %3</source>
        <translation>Plik %1 jest uszkodzony (wiersz %2): %3</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>Plik %1 jest uszkodzony: %2</translation>
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
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Zwykłe klawisze</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Klawisze specjalne</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
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
        <translation>Funkcja:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Warstwa domyślna</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Warstwa FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Ładowanie</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Własne podświetlenie</translation>
    </message>
    <message>
        <source>Use this custom light</source>
        <translation>Użyj tego podświetlenia</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Renaming the custom light failed</source>
        <translation>Nie udało się zmienić nazwy własnego podświetlenia</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>Tekst jest w schowku: naciśnij Ctrl+V, aby go wkleić</translation>
    </message>
    <message>
        <source>The keyboard's settings could not be saved</source>
        <translation>Nie udało się zapisać ustawień klawiatury</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>产品列表</source>
        <translation>Lista produktów</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Przycisk testowy</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Przełącz tryb główny</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Poziom baterii</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Urządzenie nie jest podłączone</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Lista urządzeń</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Dostosowanie klawiszy</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Ustawienia podświetlenia</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Wydajność</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Ustawienia wyzwalania</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Klawisze zaawansowane</translation>
    </message>
    <message>
        <source>The device is not ready</source>
        <translation>Urządzenie nie jest jeszcze gotowe</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Urządzenie jest offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Urządzenie jest już otwarte</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Najpierw wybierz klawisz</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Zresetować bieżący profil?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Najpierw przełącz na tryb kalibracji klawiszy</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Kalibracja klawisza zakończona powodzeniem</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Trwa kalibracja klawisza</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Kalibracja klawisza nie powiodła się</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</source>
        <translation>Klawiaturę znaleziono, ale nie można jej otworzyć.
Odłącz ją i podłącz ponownie albo wczytaj ponownie reguły urządzeń:</translation>
    </message>
</context>
<context>
    <name>DDksShowWidget</name>
    <message>
        <source>Dynamic keystroke actions</source>
        <translation>Akcje dynamicznego naciśnięcia</translation>
    </message>
</context>
<context>
    <name>DFirmwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informacje o oprogramowaniu</translation>
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
        <translation>1.Objaśnienie</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Objaśnienie</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Objaśnienie</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Objaśnienie</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Objaśnienie</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Objaśnienie</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Prędkość:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Kierunek:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Tryb podświetlenia</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Pełny kolor</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Kolor górny</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Kolor dolny</translation>
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
        <translation>Własne podświetlenie</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Binding</source>
        <translation>Przypisana</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Nagrywanie makra</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makra</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Nagrane opóźnienie</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Bez opóźnienia</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Domyślne opóźnienie</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Nagrywaj</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Zdarzenia</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Nagranie jest puste</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Wstaw zdarzenie</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Wstaw za</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Wstaw przed</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Zdarzenie klawiatury</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Zdarzenie myszy</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Naciśnij klawisz</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Lewy klik</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Środkowy klik</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Prawy klik</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Wpisz opóźnienie</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Zmień</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksymalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>Ukryj listę urządzeń</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>Pokaż listę urządzeń</translation>
    </message>
    <message>
        <source>The program ended unexpectedly last time. A report was saved in %1</source>
        <translation>Ostatnio program nieoczekiwanie się zakończył. Raport zapisano w %1</translation>
    </message>
    <message>
        <source>The device library could not be started: no keyboard can be found.</source>
        <translation>Nie można uruchomić biblioteki urządzeń: nie można znaleźć żadnej klawiatury.</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Lekkie naciśnięcie</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Mocne naciśnięcie</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Usuń</translation>
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
        <translation>Klawisze zaawansowane</translation>
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
        <translation>Utwórz</translation>
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
        <translation>Przytrzymanie</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Kliknięcie</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Czas przytrzymania</translation>
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
        <translation>Brak klawiszy zaawansowanych</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Pojedynczy klawisz</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
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
        <translation>Gdy wybrano „Pojedynczy klawisz”, wystarczy kliknąć klawisz, aby zakończyć konfigurację; 
Gdy wybrano „Kombinacja klawiszy”, trzeba wybrać co najmniej jeden modyfikator i jeden inny klawisz, aby zakończyć wprowadzanie, np. L_Shift+A lub L_Shift+L_Ctrl+A;</translation>
    </message>
</context>
<context>
    <name>DSensitivityShowWidget</name>
    <message>
        <source>Key travel</source>
        <translation>Skok klawisza</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Uruchamiaj aplikację przy starcie systemu (zminimalizowaną)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Minimalizuj do zasobnika przy zamykaniu</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Sprawdź aktualizację oprogramowania układowego</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Oprogramowanie aplikacyjne</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inny</translation>
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
        <translation>Formularz</translation>
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
        <translation>Punkty wyzwolenia akcji DKS</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
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
        <translation>Szybki wyzwalacz</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Dostosuj skok wyzwolenia i skok resetu do zamiaru naciśnięcia lub zwolnienia klawisza.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Czułość dodatkowa</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Możesz osobno ustawić skok szybkiego wyzwalacza dla naciśnięcia (wyzwolenie) i zwolnienia (reset).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Naciśnięcie/zwolnienie</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Naciśnięcie</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Zwolnienie</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Eliminacja drgań klawiszy</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Resetuj czułość</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Częstotliwość raportowania</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Wejdź w tryb kalibracji</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Rozpocznij kalibrację</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Śledzenie siły nacisku</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>Częstotliwość raportowania</translation>
    </message>
    <message>
        <source>Key calibration steps</source>
        <translation>Kroki kalibracji klawiszy</translation>
    </message>
    <message>
        <source>About the travel scale</source>
        <translation>O skali skoku</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Aktualizacja oprogramowania</translation>
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
        <translation>Klawiatura wirtualna</translation>
    </message>
</context>
<context>
    <name>MagneticReport</name>
    <message>
        <source>Operate successful</source>
        <translation>Operacja zakończona powodzeniem</translation>
    </message>
    <message>
        <source>Operate failed: the keyboard is not connected</source>
        <translation>Operacja nie powiodła się: klawiatura nie jest podłączona</translation>
    </message>
</context>
<context>
    <name>ProfileController</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Osiągnięto maksymalną liczbę profili</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Nie udało się utworzyć: profil o tym indeksie już istnieje, sprawdź</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Nie udało się utworzyć profilu</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profil został utworzony</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Musi pozostać co najmniej jeden profil</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Nie udało się usunąć profilu</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil został usunięty</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Najpierw wybierz folder docelowy</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Profil o tym indeksie nie istnieje</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name</source>
        <translation>Nazwy profilu nie można użyć jako nazwy pliku</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil został wyeksportowany</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Nie udało się wyeksportować profilu</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Najpierw wybierz plik do zaimportowania</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Nie udało się zaimportować profilu</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil został zaimportowany</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>Nazwa profilu nie może być pusta</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Nie udało się zmienić profilu</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profil został zmieniony</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Nie udało się zresetować bieżącego profilu</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Bieżący profil został zresetowany</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Czas uśpienia podświetlenia nie może być dłuższy niż czas uśpienia klawiatury</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Czas uśpienia klawiatury jest zbyt krótki</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Nie udało się ustawić czasu uśpienia</translation>
    </message>
    <message>
        <source>Saving the sleep time failed</source>
        <translation>Nie udało się zapisać czasu uśpienia</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Czas uśpienia został ustawiony</translation>
    </message>
    <message>
        <source>Import profile successful, as "%1": the name "%2" is taken</source>
        <translation>Zaimportowano profil jako „%1”: nazwa „%2” jest zajęta</translation>
    </message>
    <message>
        <source>The profile name is unchanged</source>
        <translation>Nazwa profilu nie została zmieniona</translation>
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
        <translation>Nieznane</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimalizuj(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maksymalizuj(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Przywróć(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Zakończ(&amp;Q)</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Zmiana przypisania klawisza</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Przełącz profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Uruchom aplikację</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Konfiguracja klawiszy</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Podświetlenie klawiatury</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Oświetlenie nastrojowe</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Klawisze zaawansowane</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Głośność +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Głośność -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Odtwórz/wstrzymaj</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Następny utwór</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Poprzedni utwór</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Przeglądarka</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jasność ekranu+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jasność ekranu-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Lewy przycisk myszy</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Środkowy przycisk myszy</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Prawy przycisk myszy</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Przewiń w górę</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Przewiń w dół</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Klawisz snajperski</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Przełącz okna</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Pokaż pulpit</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mój komputer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zablokuj komputer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Zablokuj klawiaturę</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Zablokuj/odblokuj Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zablokuj Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odblokuj Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Warstwa domyślna</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Warstwa FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Warstwa FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Sprawdź baterię</translation>
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
        <translation>Przełącz na 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Przełącz na USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Oświetlenie ogólne</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Oświetlenie interaktywne</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Całe oświetlenie</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statyczny</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jasność +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jasność -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Prędkość +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Prędkość -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Kierunek +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Kierunek -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Cykl kierunków</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Tryb pełnego koloru</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Zmień kolor górny</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Zmień kolor dolny</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Niestandardowy 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Niestandardowy 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Wyłącz wszystko</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Wyłącz podświetlenie</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zatrzymaj podświetlenie</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Nagrywanie oświetlenia</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Wyłącz oświetlenie boczne</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zatrzymaj oświetlenie boczne</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nie znaleziono urządzeń do aktualizacji</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Koreański/angielski</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chiński</translation>
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
        <translation>Klawiatura wirtualna</translation>
    </message>
    <message>
        <source>The key layout of %1 could not be read</source>
        <translation>Nie można odczytać układu klawiszy %1</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>Nie można zmienić przypisania</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Naciśnięcie</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Zwolnienie</translation>
    </message>
    <message>
        <source>Key triggered</source>
        <translation>Wyzwalanie klawisza</translation>
    </message>
    <message>
        <source>Side light %1</source>
        <translation>Oświetlenie boczne %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Uruchamiaj aplikację przy starcie systemu (zminimalizowaną)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Minimalizuj do zasobnika przy zamykaniu</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Sprawdź aktualizację oprogramowania układowego</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Ustawienie zapisane</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Nie udało się zapisać ustawienia</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Informacje o oprogramowaniu układowym</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Przypisać do którego klawisza?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Wprowadź klawisze?</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Wybierz ścieżkę, w której znajduje się aplikacja</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Aplikacje (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Wprowadź tekst...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Klawisze myszy</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funkcja:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Najpierw wybierz klawisz</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operacja zakończona powodzeniem</translation>
    </message>
    <message>
        <source>Operate failed, the profile could not be saved</source>
        <translation>Operacja nie powiodła się, nie można zapisać profilu</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Ustawienie nie powiodło się, ponieważ tekst jest pusty</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Lekkie naciśnięcie</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Mocne naciśnięcie</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Gdy blokada Win jest włączona:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Wyłącz klawisz Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Wyłącz SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Wyłącz ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Wyłącz ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Uśpienie podświetlenia po:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>sekund</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Uśpienie klawiatury po:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>minut</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Zresetuj bieżący profil</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Właściwości klawiatury</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Zablokuj uśpienie</translation>
    </message>
    <message>
        <source>Saving the Win lock choices failed</source>
        <translation>Nie udało się zapisać ustawień blokady Win</translation>
    </message>
    <message>
        <source>The desktop's keyboard settings could not be opened</source>
        <translation>Nie udało się otworzyć ustawień klawiatury pulpitu</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Folder docelowy</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Otwórz plik profilu</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Pliki profili(*.xml)</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Zresetować bieżący profil?</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 już istnieje. Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Konfiguracja została pomyślnie przesłana</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Przesłanie konfiguracji nie powiodło się, spróbuj ponownie</translation>
    </message>
    <message>
        <source>Download refused: %1 keys play macros, the keyboard holds %2 macros</source>
        <translation>Przesyłanie odrzucone: %1 klawiszy odtwarza makra, klawiatura mieści %2 makr</translation>
    </message>
    <message>
        <source>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</source>
        <translation>Przesyłanie odrzucone: %1 klawiszy przypisano do klawiszy zaawansowanych, klawiatura mieści %2 klawiszy zaawansowanych</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Lewy klik</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Środkowy klik</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Prawy klik</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Rozpocznij nagrywanie</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Zatrzymaj nagrywanie</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Dodano makro</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Usunięto makro</translation>
    </message>
    <message>
        <source>Macro name can't be empty</source>
        <translation>Nazwa makra nie może być pusta</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Zmieniono nazwę makra</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Najpierw wybierz pozycję</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Naciśnij klawisz</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Osiągnięto limit zdarzeń</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Wstawiono</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Zmieniono</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Najpierw wybierz makro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Wyczyszczono nagranie makra</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Najpierw wybierz folder zapisu</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Wyeksportowano makro</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Otwórz plik makra</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Pliki makr(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed: the file is damaged</source>
        <translation>Import nieudany: plik jest uszkodzony</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Zaimportowano makro</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Rozpoczęto nagrywanie makra</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Zatrzymano nagrywanie makra</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Przypisz makro</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Przypisz profil</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Odtwarzanie ciągłe wł./wył.</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Liczba odtworzeń</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Liczba odtworzeń 1,2,3...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Tryb odtwarzania</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Odtwórz wielokrotnie</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Odtwórz raz</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Odtwarzaj, gdy przypisany klawisz jest wciśnięty</translation>
    </message>
    <message>
        <source>There is no macro to assign, please record a macro first</source>
        <translation>Brak makra do przypisania, najpierw nagraj makro</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Prędkość:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Kierunek:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Pełny kolor</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Kolor górny</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Kolor dolny</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Własne podświetlenie</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Prędkość</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Klawiatura/otoczenie</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Urządzenie nie ma podświetlenia otoczenia</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Fala</translation>
    </message>
    <message>
        <source>Custom light name can't be empty</source>
        <translation>Nazwa własnego podświetlenia nie może być pusta</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Zmieniono nazwę własnego podświetlenia</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Oddech</translation>
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
        <translation>Wąż</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reakcja</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Zorza</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Fale</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Migotanie</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własne</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Krzyż</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Reakcja na tempo</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Automatyczne fale</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Prążki</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fajerwerki</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rytm muzyki</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Zderzenie</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.Najpierw wejdź w tryb kalibracji klawiszy;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.Wybierz jeden klawisz;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.Kliknij „Rozpocznij kalibrację”;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.Naciśnij wybrany klawisz;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.Zostanie podany wynik kalibracji klawisza;</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Ustaw skok naciśnięcia potrzebny do wyzwolenia.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Szybki wyzwalacz</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Czułość naciśnięcia i zwolnienia</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Resetuj czułość</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Częstotliwość raportowania</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Tryb kalibracji klawiszy</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Rozpocznij kalibrację</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Wyzwolenie</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Dostosuj skok wyzwolenia i skok resetu do zamiaru naciśnięcia lub zwolnienia klawisza.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Możesz osobno ustawić skok szybkiego wyzwalacza dla naciśnięcia (wyzwolenie) i zwolnienia (reset).</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Gdy wybrano „Pojedynczy klawisz”, wystarczy kliknąć klawisz, aby zakończyć konfigurację;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Gdy wybrano „Kombinacja klawiszy”, trzeba wybrać co najmniej jeden modyfikator i jeden inny klawisz, aby zakończyć wprowadzanie, np. L_Shift+A lub L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Punkty wyzwolenia akcji DKS</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Zwykłe klawisze</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Klawisze specjalne</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Pojedynczy klawisz</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Przytrzymanie</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Kliknięcie</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Czas przytrzymania</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Brak klawiszy zaawansowanych</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Osiągnięto maksymalną liczbę klawiszy zaawansowanych</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Utworzono klawisz zaawansowany</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Usunięto klawisz zaawansowany</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Aktualizacja oprogramowania</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Nie odłączaj urządzenia podczas aktualizacji oprogramowania!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aktualizacja zakończona powodzeniem</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aktualizacja nie powiodła się</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Nazwa produktu:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Postęp:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Bieżąca wersja:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nowa wersja:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Ukończono</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Profile menu</source>
        <translation>Menu profilu</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Kolor %1</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>W prawo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>W lewo</translation>
    </message>
    <message>
        <source>Disperse</source>
        <translation>Rozproszenie</translation>
    </message>
    <message>
        <source>Gather</source>
        <translation>Skupienie</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Zgodnie z ruchem wskazówek</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Przeciwnie do ruchu wskazówek</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Klawisz %1</translation>
    </message>
    <message>
        <source>Close startup to tray (no system tray found)</source>
        <translation>Minimalizuj do zasobnika przy zamykaniu (nie znaleziono zasobnika systemowego)</translation>
    </message>
    <message>
        <source>The firmware image is not valid for this keyboard</source>
        <translation>Obraz oprogramowania układowego nie pasuje do tej klawiatury</translation>
    </message>
    <message>
        <source>Reconnect the keyboard</source>
        <translation>Podłącz klawiaturę ponownie</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>Copyright © %1. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Saving the macro failed</source>
        <translation>Nie udało się zapisać makra</translation>
    </message>
    <message>
        <source>The macro name cannot be used as a file name</source>
        <translation>Nazwy makra nie można użyć jako nazwy pliku</translation>
    </message>
    <message>
        <source>Export macro failed: the file %1 cannot be written</source>
        <translation>Eksport makra nie powiódł się: nie można zapisać pliku %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file %1 cannot be opened</source>
        <translation>Import makra nie powiódł się: nie można otworzyć pliku %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file is larger than %1 KiB</source>
        <translation>Import makra nie powiódł się: plik jest większy niż %1 KiB</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than %1 events</source>
        <translation>Import makra nie powiódł się: plik zawiera ponad %1 zdarzeń</translation>
    </message>
    <message>
        <source>Import macro failed: the store already holds %1 macros</source>
        <translation>Import makra nie powiódł się: zapisano już %1 makr</translation>
    </message>
    <message>
        <source>Saving the advanced key failed</source>
        <translation>Nie udało się zapisać klawisza zaawansowanego</translation>
    </message>
    <message>
        <source>Saving the light settings failed</source>
        <translation>Nie udało się zapisać ustawień podświetlenia</translation>
    </message>
    <message>
        <source>Key %1, point %2</source>
        <translation>Klawisz %1, punkt %2</translation>
    </message>
    <message>
        <source>Hold, as a new press</source>
        <translation>Przytrzymanie, jako nowe naciśnięcie</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Brak akcji</translation>
    </message>
    <message>
        <source>Another keyboard is in update mode: finish or unplug it, then try again</source>
        <translation>Inna klawiatura jest w trybie aktualizacji: dokończ ją lub odłącz, a potem spróbuj ponownie</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Wybierz makro</translation>
    </message>
    <message>
        <source>Select an advanced key</source>
        <translation>Wybierz klawisz zaawansowany</translation>
    </message>
    <message>
        <source>Please create or select a macro first</source>
        <translation>Najpierw utwórz lub wybierz makro</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>Colour picker</source>
        <translation>Próbnik koloru</translation>
    </message>
</context>
<context>
    <name>StoreFileQuestion</name>
    <message>
        <source>Tip</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>Move aside and start anew</source>
        <translation>Odłóż i zacznij od nowa</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Zachowaj</translation>
    </message>
    <message>
        <source>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</source>
        <translation>%1.
Nie można wyświetlić jego zawartości. Zachować plik bez zmian (strona pozostanie pusta) czy odłożyć go z datą w nazwie i zacząć nowy?</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved aside</source>
        <translation>Nie można odłożyć pliku %1</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Nazwa produktu:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Bieżąca wersja:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Postęp:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nowa wersja:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Ukończono</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
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
        <translation>Formularz</translation>
    </message>
</context>
<context>
    <name>lightDealMain</name>
    <message>
        <source>Musical Rhythm cannot hear the sound output: no sound server answers</source>
        <translation>Rytm muzyki nie słyszy wyjścia dźwięku: żaden serwer dźwięku nie odpowiada</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
    </message>
</context>
</TS>
