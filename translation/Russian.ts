<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CTavrixXML</name>
    <message>
        <source>The file %1 does not exist</source>
        <translation>Файл %1 не существует</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened</source>
        <translation>Не удаётся открыть файл %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Не удаётся записать файл %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: the disk is full</source>
        <translation>Не удаётся сохранить файл %1: диск заполнен</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2)</source>
        <translation>Файл %1 повреждён (строка %2)</translation>
    </message>
    <message>
        <source>The file %1 is damaged</source>
        <translation>Файл %1 повреждён</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</source>
        <translation>Файл %1 повреждён (строка %2): в нём текст длиннее %3 КиБ, больше, чем в любом файле настроек</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</source>
        <translation>Файл %1 повреждён: он больше %2 МиБ, больше любого файла настроек</translation>
    </message>
    <message>
        <source>its text is not well-formed XML</source>
        <translation>его текст не является правильно оформленным XML</translation>
    </message>
    <message>
        <source>it ends too early, as if its writing was cut short</source>
        <translation>он обрывается слишком рано, как будто его запись была прервана</translation>
    </message>
    <message>
        <source>it holds a document type declaration, which no settings file of this program holds</source>
        <translation>в нём есть объявление типа документа, которого нет ни в одном файле настроек этой программы</translation>
    </message>
    <message>
        <source>it holds NUL bytes, as binary data does, not text</source>
        <translation>в нём есть нулевые байты (NUL), как в двоичных данных, а не в тексте</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>в нём есть байты, не являющиеся текстом UTF-8</translation>
    </message>
    <message>
        <source>it is no settings file of this program</source>
        <translation>это не файл настроек этой программы</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>он записан более новой версией этой программы</translation>
    </message>
    <message>
        <source>it holds an element this program does not know, or one nested where it does not belong</source>
        <translation>в нём есть элемент, неизвестный этой программе, или вложенный туда, где ему не место</translation>
    </message>
    <message>
        <source>a value is missing or cannot be read</source>
        <translation>какое-то значение отсутствует или не читается</translation>
    </message>
    <message>
        <source>a value is not a number or is out of its range</source>
        <translation>какое-то значение не является числом или выходит за допустимые пределы</translation>
    </message>
    <message>
        <source>an entry that must be unique appears twice</source>
        <translation>запись, которая должна быть единственной, встречается дважды</translation>
    </message>
    <message>
        <source>it holds more profiles or advanced keys than this program allows</source>
        <translation>в нём больше профилей или расширенных клавиш, чем допускает эта программа</translation>
    </message>
    <message>
        <source>you have no permission for it or its folder</source>
        <translation>у вас нет прав на этот файл или его папку</translation>
    </message>
    <message>
        <source>it is on a read-only disk</source>
        <translation>он находится на диске только для чтения</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>a part of its path is no folder</source>
        <translation>часть его пути не является папкой</translation>
    </message>
    <message>
        <source>the file-size limit of the program is reached</source>
        <translation>достигнут предел размера файла для программы</translation>
    </message>
    <message>
        <source>the disk reports an input/output error</source>
        <translation>диск сообщает об ошибке ввода-вывода</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Не удаётся прочитать файл %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Не удаётся записать файл %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2</source>
        <translation>Не удаётся сохранить файл %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): %3</source>
        <translation>Файл %1 повреждён (строка %2): %3</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>Файл %1 повреждён: %2</translation>
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
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Обычные клавиши</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Специальные клавиши</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Функция:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основной слой</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Слой FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Своя подсветка</translation>
    </message>
    <message>
        <source>Use this custom light</source>
        <translation>Использовать эту подсветку</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Renaming the custom light failed</source>
        <translation>Не удалось переименовать пользовательскую подсветку</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>Текст скопирован в буфер обмена: нажмите Ctrl+V, чтобы вставить его</translation>
    </message>
    <message>
        <source>The keyboard's settings could not be saved</source>
        <translation>Не удалось сохранить настройки клавиатуры</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>产品列表</source>
        <translation>Список продуктов</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Тестовая кнопка</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Сменить основной режим</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Заряд батареи</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Устройство не подключено</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Список устройств</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Настройка клавиш</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Настройка подсветки</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Производительность</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Настройка срабатывания</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Расширенные клавиши</translation>
    </message>
    <message>
        <source>The device is not ready</source>
        <translation>Устройство ещё не готово</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Устройство не в сети</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Это устройство уже открыто</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Сначала выберите клавишу</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Сбросить текущий профиль?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Сначала включите режим калибровки клавиш</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Калибровка клавиши выполнена</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Идёт калибровка клавиши</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Калибровка клавиши не удалась</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</source>
        <translation>Клавиатура найдена, но её не удаётся открыть.
Отключите и снова подключите её или перезагрузите правила устройств:</translation>
    </message>
</context>
<context>
    <name>DDksShowWidget</name>
    <message>
        <source>Dynamic keystroke actions</source>
        <translation>Действия динамического нажатия</translation>
    </message>
</context>
<context>
    <name>DFirmwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Сведения о прошивке</translation>
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
        <translation>1.Пояснение</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Пояснение</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Пояснение</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Пояснение</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Пояснение</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Пояснение</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Яркость:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Направление:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Режим подсветки</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Все цвета</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхний цвет</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижний цвет</translation>
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
        <translation>Своя подсветка</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Binding</source>
        <translation>Назначена</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Запись макроса</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Макросы</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Записанная задержка</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без задержки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Задержка по умолчанию</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>События</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запись пуста</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Вставить событие</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставить после</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставить перед</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Событие клавиатуры</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Событие мыши</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Нажмите клавишу</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Левый щелчок</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Средний щелчок</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правый щелчок</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Введите задержку</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>Скрыть список устройств</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>Показать список устройств</translation>
    </message>
    <message>
        <source>The program ended unexpectedly last time. A report was saved in %1</source>
        <translation>В прошлый раз программа неожиданно завершилась. Отчёт сохранён в %1</translation>
    </message>
    <message>
        <source>The device library could not be started: no keyboard can be found.</source>
        <translation>Не удалось запустить библиотеку устройств: клавиатуры не будут найдены.</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Лёгкое нажатие</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильное нажатие</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Удалить</translation>
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
        <translation>Расширенные клавиши</translation>
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
        <translation>Создать</translation>
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
        <translation>Удержание</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Нажатие</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Длительность удержания</translation>
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
        <translation>Расширенных клавиш нет</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Одна клавиша</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>%1ms</source>
        <translation>%1 мс</translation>
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
        <translation>Если выбрана «Одна клавиша», достаточно щёлкнуть нужную клавишу, чтобы завершить настройку; 
Если выбрано «Сочетание клавиш», для ввода сочетания нужно выбрать хотя бы одну клавишу-модификатор и ещё одну клавишу, например L_Shift+A или L_Shift+L_Ctrl+A;</translation>
    </message>
</context>
<context>
    <name>DSensitivityShowWidget</name>
    <message>
        <source>Key travel</source>
        <translation>Ход клавиши</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускать приложение при старте системы (свёрнутым)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Сворачивать в трей при закрытии</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Проверить обновление прошивки</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Прикладное программное обеспечение</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синяя</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Розовая</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другая</translation>
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
        <translation>Форма</translation>
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
        <translation>Точки срабатывания действий DKS</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
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
        <translation>Быстрый триггер</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Настройте ход срабатывания и ход сброса в зависимости от того, нажимаете вы клавишу или отпускаете её.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Вторичная чувствительность</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Можно отдельно задать ход быстрого триггера для нажатия (срабатывание) и отпускания (сброс).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Нажатие/отпускание</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Нажатие</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Отпускание</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Антидребезг клавиш</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Сбросить чувствительность</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Частота опроса</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Войти в режим калибровки</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Начать калибровку</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Отслеживание силы нажатия</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>Частота опроса</translation>
    </message>
    <message>
        <source>Key calibration steps</source>
        <translation>Шаги калибровки клавиш</translation>
    </message>
    <message>
        <source>About the travel scale</source>
        <translation>О шкале хода</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Обновление прошивки</translation>
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
        <translation>Виртуальная клавиатура</translation>
    </message>
</context>
<context>
    <name>MagneticReport</name>
    <message>
        <source>Operate successful</source>
        <translation>Операция выполнена успешно</translation>
    </message>
    <message>
        <source>Operate failed: the keyboard is not connected</source>
        <translation>Операция не выполнена: клавиатура не подключена</translation>
    </message>
</context>
<context>
    <name>ProfileController</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Достигнуто максимальное количество профилей</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Не удалось создать: профиль с этим индексом уже существует, проверьте</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Не удалось создать профиль</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Профиль создан</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Нужно оставить хотя бы один профиль</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Не удалось удалить профиль</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Профиль удалён</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Сначала выберите папку для сохранения</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Профиль с этим индексом не существует</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name</source>
        <translation>Имя профиля нельзя использовать как имя файла</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Профиль экспортирован</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Не удалось экспортировать профиль</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Сначала выберите файл для импорта</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Не удалось импортировать профиль</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Профиль импортирован</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>Имя профиля не может быть пустым</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Не удалось изменить сведения о профиле</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Сведения о профиле изменены</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Не удалось сбросить текущий профиль</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Текущий профиль сброшен</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Время до отключения подсветки не может быть больше времени до перехода клавиатуры в сон</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Время до перехода клавиатуры в сон слишком короткое</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Не удалось задать время сна</translation>
    </message>
    <message>
        <source>Saving the sleep time failed</source>
        <translation>Не удалось сохранить время сна</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Время сна задано</translation>
    </message>
    <message>
        <source>Import profile successful, as "%1": the name "%2" is taken</source>
        <translation>Профиль импортирован как «%1»: имя «%2» уже занято</translation>
    </message>
    <message>
        <source>The profile name is unchanged</source>
        <translation>Имя профиля не изменилось</translation>
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
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Свернуть(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Развернуть(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Восстановить(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Выход(&amp;Q)</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Переназначение клавиши</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Сменить профиль</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Запуск приложения</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Горячие клавиши</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Параметры клавиш</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Подсветка клавиатуры</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Атмосферная подсветка</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Расширенные клавиши</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Громкость +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Громкость -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Следующий трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Предыдущий трек</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яркость экрана+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яркость экрана-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Левая кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Средняя кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Правая кнопка мыши</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокрутка вверх</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперская клавиша</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Переключить окна</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мой компьютер</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокировать компьютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Заблокировать клавиатуру</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Блокировка/разблокировка Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Заблокировать Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Разблокировать Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основной слой</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Слой FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Слой FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Запрос заряда</translation>
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
        <translation>Переключение на 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Переключение на USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Общая подсветка</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Интерактивная подсветка</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Вся подсветка</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичный</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яркость +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яркость -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Скорость +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Скорость -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Направление +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Направление -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Цикл направлений</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Полноцветный режим</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Сменить верхний цвет</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Сменить нижний цвет</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Пользовательский 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Пользовательский 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Выключить всё</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Выключить подсветку</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Остановить подсветку</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Запись подсветки</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Выключить боковую подсветку</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Остановить боковую подсветку</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Устройства для обновления не найдены</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Корейский/английский</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайский</translation>
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
        <translation>Виртуальная клавиатура</translation>
    </message>
    <message>
        <source>The key layout of %1 could not be read</source>
        <translation>Не удалось прочитать раскладку клавиш %1</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>Нельзя переназначить</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Нажатие</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Отпускание</translation>
    </message>
    <message>
        <source>Key triggered</source>
        <translation>Срабатывание клавиши</translation>
    </message>
    <message>
        <source>Side light %1</source>
        <translation>Боковая подсветка %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускать приложение при старте системы (свёрнутым)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Сворачивать в трей при закрытии</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Проверить обновление прошивки</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Настройки сохранены</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Не удалось сохранить настройку</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Сведения о прошивке</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Переназначить на клавишу?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Введите клавиши?</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Выбор приложения</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Выберите путь к приложению</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Выбрать приложение</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Приложения (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введите текст...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Кнопки мыши</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Функция:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Сначала выберите клавишу</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Операция выполнена</translation>
    </message>
    <message>
        <source>Operate failed, the profile could not be saved</source>
        <translation>Операция не выполнена: профиль не удалось сохранить</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Не удалось задать: текст пуст</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Лёгкое нажатие</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильное нажатие</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Когда включена блокировка Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Отключить клавишу Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Отключить SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Отключить ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Отключить ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Отключение подсветки через:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>сек.</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Сон клавиатуры через:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>мин.</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Сбросить текущий профиль</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Свойства клавиатуры</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Запретить сон</translation>
    </message>
    <message>
        <source>Saving the Win lock choices failed</source>
        <translation>Не удалось сохранить настройки блокировки Win</translation>
    </message>
    <message>
        <source>The desktop's keyboard settings could not be opened</source>
        <translation>Не удалось открыть настройки клавиатуры рабочего стола</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Открыть файл профиля</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Файлы профилей(*.xml)</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Сбросить текущий профиль?</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 уже существует. Заменить?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Настройки успешно загружены</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Не удалось загрузить настройки, попробуйте ещё раз</translation>
    </message>
    <message>
        <source>Download refused: %1 keys play macros, the keyboard holds %2 macros</source>
        <translation>Загрузка отклонена: %1 клавиш воспроизводят макросы, клавиатура вмещает не более %2 макросов</translation>
    </message>
    <message>
        <source>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</source>
        <translation>Загрузка отклонена: %1 клавиш привязаны к расширенным клавишам, клавиатура вмещает не более %2 расширенных клавиш</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Левый щелчок</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Средний щелчок</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правый щелчок</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Начать запись</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Макрос добавлен</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Макрос удалён</translation>
    </message>
    <message>
        <source>Macro name can't be empty</source>
        <translation>Имя макроса не может быть пустым</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Имя макроса изменено</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Сначала выберите позицию</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Нажмите клавишу</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Достигнут предел числа событий</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Вставлено</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Изменено</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Сначала выберите макрос</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Запись макроса очищена</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Сначала выберите папку для сохранения</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Макрос экспортирован</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Открыть файл макроса</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Файлы макросов(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed: the file is damaged</source>
        <translation>Не удалось импортировать: файл повреждён</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Макрос импортирован</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Запись макроса начата</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Запись макроса остановлена</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Назначить макрос</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Назначить профиль</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Непрерывное воспроизведение вкл./выкл.</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Количество повторов</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Количество повторов 1,2,3...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Режим воспроизведения</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Воспроизвести несколько раз</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Воспроизвести один раз</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Воспроизводить, пока нажата назначенная клавиша</translation>
    </message>
    <message>
        <source>There is no macro to assign, please record a macro first</source>
        <translation>Нет макроса для назначения, сначала запишите макрос</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Яркость:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Направление:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Все цвета</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхний цвет</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижний цвет</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Своя подсветка</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Клавиатура/окружение</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>У устройства нет подсветки окружения</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Волна</translation>
    </message>
    <message>
        <source>Custom light name can't be empty</source>
        <translation>Имя своей подсветки не может быть пустым</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Имя своей подсветки изменено</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Дыхание</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Неон</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Радар</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Змейка</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Реакция</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Северное сияние</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Рябь</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Мерцание</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Своё</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Крест</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Отклик на скорость</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Авторябь</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Полосы</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Фейерверк</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Музыкальный ритм</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Столкновение</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.Сначала войдите в режим калибровки клавиш;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.Выберите одну клавишу;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.Нажмите «Начать калибровку»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.Нажмите выбранную клавишу;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.Получите результат калибровки клавиши;</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Задайте ход нажатия клавиши, необходимый для срабатывания.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Быстрый триггер</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Чувствительность нажатия и отпускания</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Сбросить чувствительность</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Частота опроса</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Режим калибровки клавиш</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Начать калибровку</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Срабатывание</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Настройте ход срабатывания и ход сброса в зависимости от того, нажимаете вы клавишу или отпускаете её.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Можно отдельно задать ход быстрого триггера для нажатия (срабатывание) и отпускания (сброс).</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Если выбрана «Одна клавиша», достаточно щёлкнуть нужную клавишу, чтобы завершить настройку;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Если выбрано «Сочетание клавиш», для ввода сочетания нужно выбрать хотя бы одну клавишу-модификатор и ещё одну клавишу, например L_Shift+A или L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Точки срабатывания действий DKS</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Обычные клавиши</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Специальные клавиши</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Одна клавиша</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Удержание</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Нажатие</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Длительность удержания</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Расширенных клавиш нет</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Достигнуто максимальное число расширенных клавиш</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Расширенная клавиша создана</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Расширенная клавиша удалена</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Во время обновления прошивки не отключайте устройство!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Обновление выполнено</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Не удалось обновить</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Название устройства:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Ход обновления:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Текущая версия:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Новая версия:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Profile menu</source>
        <translation>Меню профиля</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Цвет %1</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Disperse</source>
        <translation>Расхождение</translation>
    </message>
    <message>
        <source>Gather</source>
        <translation>Схождение</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>По часовой стрелке</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Против часовой стрелки</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Клавиша %1</translation>
    </message>
    <message>
        <source>Close startup to tray (no system tray found)</source>
        <translation>Сворачивать в трей при закрытии (системный трей не найден)</translation>
    </message>
    <message>
        <source>The firmware image is not valid for this keyboard</source>
        <translation>Образ прошивки не подходит для этой клавиатуры</translation>
    </message>
    <message>
        <source>Reconnect the keyboard</source>
        <translation>Переподключите клавиатуру</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>© %1. Все права защищены.</translation>
    </message>
    <message>
        <source>Saving the macro failed</source>
        <translation>Не удалось сохранить макрос</translation>
    </message>
    <message>
        <source>The macro name cannot be used as a file name</source>
        <translation>Имя макроса нельзя использовать как имя файла</translation>
    </message>
    <message>
        <source>Export macro failed: the file %1 cannot be written</source>
        <translation>Не удалось экспортировать макрос: невозможно записать файл %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file %1 cannot be opened</source>
        <translation>Не удалось импортировать макрос: невозможно открыть файл %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file is larger than %1 KiB</source>
        <translation>Не удалось импортировать макрос: файл больше %1 КиБ</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than %1 events</source>
        <translation>Не удалось импортировать макрос: в файле больше %1 событий</translation>
    </message>
    <message>
        <source>Import macro failed: the store already holds %1 macros</source>
        <translation>Не удалось импортировать макрос: уже сохранено %1 макросов</translation>
    </message>
    <message>
        <source>Saving the advanced key failed</source>
        <translation>Не удалось сохранить расширенную клавишу</translation>
    </message>
    <message>
        <source>Saving the light settings failed</source>
        <translation>Не удалось сохранить настройки подсветки</translation>
    </message>
    <message>
        <source>Key %1, point %2</source>
        <translation>Клавиша %1, точка %2</translation>
    </message>
    <message>
        <source>Hold, as a new press</source>
        <translation>Удержание, как новое нажатие</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Нет действия</translation>
    </message>
    <message>
        <source>Another keyboard is in update mode: finish or unplug it, then try again</source>
        <translation>Другая клавиатура в режиме обновления: завершите обновление или отключите её, затем повторите</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Выберите макрос</translation>
    </message>
    <message>
        <source>Select an advanced key</source>
        <translation>Выберите расширенную клавишу</translation>
    </message>
    <message>
        <source>Please create or select a macro first</source>
        <translation>Сначала создайте или выберите макрос</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>Colour picker</source>
        <translation>Выбор цвета</translation>
    </message>
</context>
<context>
    <name>StoreFileQuestion</name>
    <message>
        <source>Tip</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Move aside and start anew</source>
        <translation>Отложить и начать заново</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Оставить</translation>
    </message>
    <message>
        <source>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</source>
        <translation>%1.
Его содержимое нельзя показать. Оставить файл как есть (страница останется пустой) или отложить его, добавив дату к имени, и начать новый?</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved aside</source>
        <translation>Не удаётся отложить файл %1</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Название устройства:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Текущая версия:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Ход обновления:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Новая версия:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
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
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>lightDealMain</name>
    <message>
        <source>Musical Rhythm cannot hear the sound output: no sound server answers</source>
        <translation>«Музыкальный ритм» не слышит звуковой вывод: ни один звуковой сервер не отвечает</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
    </message>
</context>
</TS>
