<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>CTavrixXML</name>
    <message>
        <source>The file %1 does not exist</source>
        <translation>Файл %1 не існує</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened</source>
        <translation>Не вдається відкрити файл %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Не вдається записати файл %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: the disk is full</source>
        <translation>Не вдається зберегти файл %1: диск заповнено</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2)</source>
        <translation>Файл %1 пошкоджено (рядок %2)</translation>
    </message>
    <message>
        <source>The file %1 is damaged</source>
        <translation>Файл %1 пошкоджено</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</source>
        <translation>Файл %1 пошкоджено (рядок %2): у ньому текст довший за %3 КіБ, більше, ніж у будь-якому файлі налаштувань</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</source>
        <translation>Файл %1 пошкоджено: він більший за %2 МіБ, більший за будь-який файл налаштувань</translation>
    </message>
    <message>
        <source>its text is not well-formed XML</source>
        <translation>його текст не є правильно сформованим XML</translation>
    </message>
    <message>
        <source>it ends too early, as if its writing was cut short</source>
        <translation>він обривається зарано, ніби його запис було перервано</translation>
    </message>
    <message>
        <source>it holds a document type declaration, which no settings file of this program holds</source>
        <translation>у ньому є оголошення типу документа, якого немає в жодному файлі налаштувань цієї програми</translation>
    </message>
    <message>
        <source>it holds NUL bytes, as binary data does, not text</source>
        <translation>у ньому є байти NUL, як у двійкових даних, а не в тексті</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>у ньому є байти, що не є текстом UTF-8</translation>
    </message>
    <message>
        <source>it is no settings file of this program</source>
        <translation>це не файл налаштувань цієї програми</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>його записала новіша версія цієї програми</translation>
    </message>
    <message>
        <source>it holds an element this program does not know, or one nested where it does not belong</source>
        <translation>у ньому є елемент, невідомий цій програмі, або вкладений туди, де йому не місце</translation>
    </message>
    <message>
        <source>a value is missing or cannot be read</source>
        <translation>якогось значення немає або його не вдається прочитати</translation>
    </message>
    <message>
        <source>a value is not a number or is out of its range</source>
        <translation>якесь значення не є числом або виходить за свої межі</translation>
    </message>
    <message>
        <source>an entry that must be unique appears twice</source>
        <translation>запис, який має бути єдиним, трапляється двічі</translation>
    </message>
    <message>
        <source>it holds more profiles or advanced keys than this program allows</source>
        <translation>у ньому більше профілів або розширених клавіш, ніж дозволяє ця програма</translation>
    </message>
    <message>
        <source>you have no permission for it or its folder</source>
        <translation>у вас немає прав на цей файл або його теку</translation>
    </message>
    <message>
        <source>it is on a read-only disk</source>
        <translation>він на диску лише для читання</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>це тека</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>a part of its path is no folder</source>
        <translation>частина його шляху не є текою</translation>
    </message>
    <message>
        <source>the file-size limit of the program is reached</source>
        <translation>досягнуто обмеження розміру файлу для програми</translation>
    </message>
    <message>
        <source>the disk reports an input/output error</source>
        <translation>диск повідомляє про помилку введення-виведення</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Не вдається прочитати файл %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Не вдається записати файл %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2</source>
        <translation>Не вдається зберегти файл %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): %3</source>
        <translation>Файл %1 пошкоджено (рядок %2): %3</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>Файл %1 пошкоджено: %2</translation>
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
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Звичайні клавіші</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Спеціальні клавіші</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
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
        <translation>Функція:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробіл</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основний шар</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Шар FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
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
        <translation>Власне підсвічування</translation>
    </message>
    <message>
        <source>Use this custom light</source>
        <translation>Використати це підсвічування</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Renaming the custom light failed</source>
        <translation>Не вдалося перейменувати власне підсвічування</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>Текст у буфері обміну: натисніть Ctrl+V, щоб вставити його</translation>
    </message>
    <message>
        <source>The keyboard's settings could not be saved</source>
        <translation>Не вдалося зберегти налаштування клавіатури</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>产品列表</source>
        <translation>Список продуктів</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Тестова кнопка</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Змінити основний режим</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавіатура</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Заряд батареї</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Пристрій не підключено</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Список пристроїв</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Налаштування клавіш</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Налаштування підсвічування</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Продуктивність</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Налаштування спрацьовування</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Розширені клавіші</translation>
    </message>
    <message>
        <source>The device is not ready</source>
        <translation>Пристрій ще не готовий</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Пристрій не в мережі</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Цей пристрій уже відкрито</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Спочатку виберіть клавішу</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Скинути поточний профіль?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Спочатку увімкніть режим калібрування клавіш</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Калібрування клавіші виконано</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Триває калібрування клавіші</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Калібрування клавіші не вдалося</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</source>
        <translation>Клавіатуру знайдено, але її не вдається відкрити.
Від’єднайте та знову під’єднайте її або перезавантажте правила пристроїв:</translation>
    </message>
</context>
<context>
    <name>DDksShowWidget</name>
    <message>
        <source>Dynamic keystroke actions</source>
        <translation>Дії динамічного натискання</translation>
    </message>
</context>
<context>
    <name>DFirmwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Відомості про прошивку</translation>
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
        <translation>1.Пояснення</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Пояснення</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Пояснення</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Пояснення</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Пояснення</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Пояснення</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
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
        <translation>Яскравість:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Швидкість:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Напрямок:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Режим підсвічування</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Усі кольори</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхній колір</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижній колір</translation>
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
        <translation>Власне підсвічування</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Binding</source>
        <translation>Призначена</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Запис макросу</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Макроси</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Затримка</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Записана затримка</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без затримки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Типова затримка</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запис</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Події</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запис порожній</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Вставити подію</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиція</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставити після</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставити перед</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Подія</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Подія клавіатури</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Подія миші</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Затримка</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Дія</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Натисніть клавішу</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Лівий клік</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Середній клік</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правий клік</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Введіть затримку</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Властивості</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Змінити</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Розгорнути</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>Сховати список пристроїв</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>Показати список пристроїв</translation>
    </message>
    <message>
        <source>The program ended unexpectedly last time. A report was saved in %1</source>
        <translation>Минулого разу програма несподівано завершилася. Звіт збережено в %1</translation>
    </message>
    <message>
        <source>The device library could not be started: no keyboard can be found.</source>
        <translation>Не вдалося запустити бібліотеку пристроїв: жодну клавіатуру не буде знайдено.</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Легке натискання</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильне натискання</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
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
        <translation>Видалити</translation>
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
        <translation>Розширені клавіші</translation>
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
        <translation>Створити</translation>
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
        <translation>Утримання</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Натискання</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Тривалість утримання</translation>
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
        <translation>Розширених клавіш немає</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Одна клавіша</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбінація клавіш</translation>
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
        <translation>Якщо вибрано «Одна клавіша», достатньо клацнути потрібну клавішу, щоб завершити налаштування; 
Якщо вибрано «Комбінація клавіш», для введення комбінації потрібно вибрати щонайменше одну клавішу-модифікатор і ще одну клавішу, наприклад L_Shift+A або L_Shift+L_Ctrl+A;</translation>
    </message>
</context>
<context>
    <name>DSensitivityShowWidget</name>
    <message>
        <source>Key travel</source>
        <translation>Хід клавіші</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фонове зображення</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускати застосунок під час старту системи (згорнутим)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Згортати в трей під час закриття</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Перевірити оновлення прошивки</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Прикладне програмне забезпечення</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Перевірити оновлення</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темна</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Світла</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синя</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Рожева</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Інша</translation>
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
        <translation>Точки спрацювання дій DKS</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
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
        <translation>Швидкий тригер</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Налаштуйте хід спрацювання та хід скидання залежно від того, натискаєте ви клавішу чи відпускаєте її.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Вторинна чутливість</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Можна окремо задати хід швидкого тригера для натискання (спрацювання) і відпускання (скидання).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Натискання/відпускання</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Натискання</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Відпускання</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Антибрязкіт клавіш</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Скинути чутливість</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Частота опитування</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Увійти в режим калібрування</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Почати калібрування</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Відстеження сили натискання</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>Частота опитування</translation>
    </message>
    <message>
        <source>Key calibration steps</source>
        <translation>Кроки калібрування клавіш</translation>
    </message>
    <message>
        <source>About the travel scale</source>
        <translation>Про шкалу ходу</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Оновлення прошивки</translation>
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
        <translation>Віртуальна клавіатура</translation>
    </message>
</context>
<context>
    <name>MagneticReport</name>
    <message>
        <source>Operate successful</source>
        <translation>Операцію виконано успішно</translation>
    </message>
    <message>
        <source>Operate failed: the keyboard is not connected</source>
        <translation>Операцію не виконано: клавіатуру не підключено</translation>
    </message>
</context>
<context>
    <name>ProfileController</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Досягнуто максимальної кількості профілів</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Не вдалося створити: профіль із цим індексом уже існує, перевірте</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Не вдалося створити профіль</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Профіль створено</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Потрібно залишити принаймні один профіль</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Не вдалося видалити профіль</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Профіль видалено</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Спочатку виберіть теку для збереження</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Профілю з цим індексом не існує</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name</source>
        <translation>Назву профілю не можна використати як назву файлу</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Профіль експортовано</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Не вдалося експортувати профіль</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Спочатку виберіть файл для імпорту</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Не вдалося імпортувати профіль</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Профіль імпортовано</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>Назва профілю не може бути порожньою</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Не вдалося змінити відомості профілю</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Відомості профілю змінено</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Не вдалося скинути поточний профіль</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Поточний профіль скинуто</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Час до вимкнення підсвічування не може бути більшим за час до переходу клавіатури в сон</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Час до переходу клавіатури в сон занадто короткий</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Не вдалося встановити час сну</translation>
    </message>
    <message>
        <source>Saving the sleep time failed</source>
        <translation>Не вдалося зберегти час сну</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Час сну встановлено</translation>
    </message>
    <message>
        <source>Import profile successful, as "%1": the name "%2" is taken</source>
        <translation>Профіль імпортовано як «%1»: назва «%2» вже зайнята</translation>
    </message>
    <message>
        <source>The profile name is unchanged</source>
        <translation>Назва профілю не змінилася</translation>
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
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Згорнути(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Розгорнути(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Відновити(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Вийти(&amp;Q)</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Перепризначення клавіші</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедіа</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Змінити профіль</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Запуск програми</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Гарячі клавіші</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Налаштування клавіш</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Підсвічування клавіатури</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Атмосферне підсвічування</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Розширені клавіші</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Гучність +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Гучність -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Вимкнути звук</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Відтворення/пауза</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Наступний трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Попередній трек</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Програвач</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Комп'ютер</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Ел. пошта</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яскравість екрана+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яскравість екрана-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Ліва кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Середня кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Права кнопка миші</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокрутка вгору</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперед</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперська клавіша</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрити вікно</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Перемкнути вікна</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показати робочий стіл</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мій комп'ютер</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокувати комп'ютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Знайти</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Заблокувати клавіатуру</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Блокування/розблокування Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Заблокувати Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Розблокувати Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основний шар</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Шар FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Шар FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Запит заряду</translation>
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
        <translation>Перемикання на 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Перемикання на USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Загальне підсвічування</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Інтерактивне підсвічування</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Усе підсвічування</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичний</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яскравість +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яскравість -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Швидкість +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Швидкість -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Напрямок +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Напрямок -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Цикл напрямків</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Повнокольоровий режим</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Змінити верхній колір</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Змінити нижній колір</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Користувацький 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Користувацький 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Вимкнути все</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Вимкнути підсвічування</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Зупинити підсвічування</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Запис підсвічування</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Вимкнути бічне підсвічування</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Зупинити бічне підсвічування</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Пристроїв для оновлення не знайдено</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Корейська/англійська</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайська</translation>
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
        <translation>Віртуальна клавіатура</translation>
    </message>
    <message>
        <source>The key layout of %1 could not be read</source>
        <translation>Не вдалося прочитати розкладку клавіш %1</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>Не можна перепризначити</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Натискання</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Відпускання</translation>
    </message>
    <message>
        <source>Key triggered</source>
        <translation>Спрацювання клавіші</translation>
    </message>
    <message>
        <source>Side light %1</source>
        <translation>Бічне підсвічування %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фонове зображення</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускати застосунок під час старту системи (згорнутим)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Згортати в трей під час закриття</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Перевірити оновлення прошивки</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Налаштування збережено</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Не вдалося зберегти налаштування</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Відомості про прошивку</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Перепризначити на клавішу?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Введіть клавіші?</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Вибір застосунку</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Виберіть шлях до застосунку</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Вибрати застосунок</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Застосунки (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введіть текст...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Кнопки миші</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Функція:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Спочатку виберіть клавішу</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Операцію виконано</translation>
    </message>
    <message>
        <source>Operate failed, the profile could not be saved</source>
        <translation>Операцію не виконано: профіль не вдалося зберегти</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Не вдалося налаштувати: текст порожній</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Легке натискання</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильне натискання</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Коли ввімкнено блокування Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Вимкнути клавішу Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Вимкнути SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Вимкнути ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Вимкнути ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Вимкнення підсвічування через:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Сон клавіатури через:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>хв</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Скинути поточний профіль</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Властивості клавіатури</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Заборонити сон</translation>
    </message>
    <message>
        <source>Saving the Win lock choices failed</source>
        <translation>Не вдалося зберегти налаштування блокування Win</translation>
    </message>
    <message>
        <source>The desktop's keyboard settings could not be opened</source>
        <translation>Не вдалося відкрити налаштування клавіатури робочого столу</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Перейменувати</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Тека для збереження</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Відкрити файл профілю</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Файли профілів(*.xml)</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Скинути поточний профіль?</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 вже існує. Замінити?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Налаштування успішно завантажено</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Не вдалося завантажити налаштування, спробуйте ще раз</translation>
    </message>
    <message>
        <source>Download refused: %1 keys play macros, the keyboard holds %2 macros</source>
        <translation>Завантаження відхилено: %1 клавіш відтворюють макроси, клавіатура вміщує не більше %2 макросів</translation>
    </message>
    <message>
        <source>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</source>
        <translation>Завантаження відхилено: %1 клавіш прив'язано до розширених клавіш, клавіатура вміщує не більше %2 розширених клавіш</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Лівий клік</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Середній клік</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правий клік</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Почати запис</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Зупинити запис</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Макрос додано</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Макрос видалено</translation>
    </message>
    <message>
        <source>Macro name can't be empty</source>
        <translation>Назва макросу не може бути порожньою</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Назву макросу змінено</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Спочатку виберіть позицію</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Натисніть клавішу</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Досягнуто межі кількості подій</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Вставлено</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Змінено</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Спочатку виберіть макрос</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Запис макросу очищено</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Спочатку виберіть теку для збереження</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Макрос експортовано</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Відкрити файл макросу</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Файли макросів(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed: the file is damaged</source>
        <translation>Не вдалося імпортувати: файл пошкоджено</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Макрос імпортовано</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Запис макросу розпочато</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Запис макросу зупинено</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Призначити макрос</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Призначити профіль</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Безперервне відтворення увімк./вимк.</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Кількість повторів</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Кількість повторів 1,2,3...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Режим відтворення</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Відтворити кілька разів</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Відтворити один раз</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Відтворювати, поки натиснуто призначену клавішу</translation>
    </message>
    <message>
        <source>There is no macro to assign, please record a macro first</source>
        <translation>Немає макросу для призначення, спочатку запишіть макрос</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Яскравість:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Швидкість:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Напрямок:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Усі кольори</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхній колір</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижній колір</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Власне підсвічування</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яскравість</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Швидкість</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Клавіатура/оточення</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Пристрій не має підсвічування оточення</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Хвиля</translation>
    </message>
    <message>
        <source>Custom light name can't be empty</source>
        <translation>Назва власного підсвічування не може бути порожньою</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Назву власного підсвічування змінено</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Дихання</translation>
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
        <translation>Змійка</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Реакція</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Полярне сяйво</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Брижі</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Мерехтіння</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Власне</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Хрест</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Відгук на швидкість</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Автобрижі</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Смуги</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Феєрверк</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Музичний ритм</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Зіткнення</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.Спочатку увійдіть у режим калібрування клавіш;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.Виберіть одну клавішу;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.Натисніть «Почати калібрування»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.Натисніть вибрану клавішу;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.Отримайте результат калібрування клавіші;</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Задайте хід натискання клавіші, потрібний для спрацювання.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Швидкий тригер</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Чутливість натискання та відпускання</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Скинути чутливість</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Частота опитування</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Режим калібрування клавіш</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Почати калібрування</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Спрацювання</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скидання</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Налаштуйте хід спрацювання та хід скидання залежно від того, натискаєте ви клавішу чи відпускаєте її.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Можна окремо задати хід швидкого тригера для натискання (спрацювання) і відпускання (скидання).</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Якщо вибрано «Одна клавіша», достатньо клацнути потрібну клавішу, щоб завершити налаштування;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Якщо вибрано «Комбінація клавіш», для введення комбінації потрібно вибрати щонайменше одну клавішу-модифікатор і ще одну клавішу, наприклад L_Shift+A або L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Точки спрацювання дій DKS</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Звичайні клавіші</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Спеціальні клавіші</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Одна клавіша</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Утримання</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Натискання</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Тривалість утримання</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Розширених клавіш немає</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Досягнуто максимальної кількості розширених клавіш</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Розширену клавішу створено</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Розширену клавішу видалено</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Оновлення прошивки</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Під час оновлення прошивки не від'єднуйте пристрій!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Оновлення виконано</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Не вдалося оновити</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Назва пристрою:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Перебіг оновлення:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Поточна версія:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Нова версія:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Зменшити</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Збільшити</translation>
    </message>
    <message>
        <source>Profile menu</source>
        <translation>Меню профілю</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Колір %1</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Праворуч</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Ліворуч</translation>
    </message>
    <message>
        <source>Disperse</source>
        <translation>Розходження</translation>
    </message>
    <message>
        <source>Gather</source>
        <translation>Сходження</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>За годинниковою стрілкою</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Проти годинникової стрілки</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Червоний</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелений</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Клавіша %1</translation>
    </message>
    <message>
        <source>Close startup to tray (no system tray found)</source>
        <translation>Згортати в трей під час закриття (системний трей не знайдено)</translation>
    </message>
    <message>
        <source>The firmware image is not valid for this keyboard</source>
        <translation>Образ мікропрограми не підходить для цієї клавіатури</translation>
    </message>
    <message>
        <source>Reconnect the keyboard</source>
        <translation>Перепідключіть клавіатуру</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>© %1. Усі права захищено.</translation>
    </message>
    <message>
        <source>Saving the macro failed</source>
        <translation>Не вдалося зберегти макрос</translation>
    </message>
    <message>
        <source>The macro name cannot be used as a file name</source>
        <translation>Ім'я макросу не можна використати як ім'я файлу</translation>
    </message>
    <message>
        <source>Export macro failed: the file %1 cannot be written</source>
        <translation>Не вдалося експортувати макрос: неможливо записати файл %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file %1 cannot be opened</source>
        <translation>Не вдалося імпортувати макрос: неможливо відкрити файл %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file is larger than %1 KiB</source>
        <translation>Не вдалося імпортувати макрос: файл більший за %1 КіБ</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than %1 events</source>
        <translation>Не вдалося імпортувати макрос: файл містить понад %1 подій</translation>
    </message>
    <message>
        <source>Import macro failed: the store already holds %1 macros</source>
        <translation>Не вдалося імпортувати макрос: уже збережено %1 макросів</translation>
    </message>
    <message>
        <source>Saving the advanced key failed</source>
        <translation>Не вдалося зберегти розширену клавішу</translation>
    </message>
    <message>
        <source>Saving the light settings failed</source>
        <translation>Не вдалося зберегти налаштування підсвічування</translation>
    </message>
    <message>
        <source>Key %1, point %2</source>
        <translation>Клавіша %1, точка %2</translation>
    </message>
    <message>
        <source>Hold, as a new press</source>
        <translation>Утримання, як нове натискання</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Немає дії</translation>
    </message>
    <message>
        <source>Another keyboard is in update mode: finish or unplug it, then try again</source>
        <translation>Інша клавіатура в режимі оновлення: завершіть оновлення або від'єднайте її, потім повторіть</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Виберіть макрос</translation>
    </message>
    <message>
        <source>Select an advanced key</source>
        <translation>Виберіть розширену клавішу</translation>
    </message>
    <message>
        <source>Please create or select a macro first</source>
        <translation>Спочатку створіть або виберіть макрос</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>Colour picker</source>
        <translation>Вибір кольору</translation>
    </message>
</context>
<context>
    <name>StoreFileQuestion</name>
    <message>
        <source>Tip</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Move aside and start anew</source>
        <translation>Відкласти й почати заново</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Залишити</translation>
    </message>
    <message>
        <source>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</source>
        <translation>%1.
Його вміст неможливо показати. Залишити файл як є (сторінка залишиться порожньою) чи відкласти його з датою в імені й почати новий?</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved aside</source>
        <translation>Не вдається відкласти файл %1</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Назва пристрою:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Поточна версія:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Перебіг оновлення:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Нова версія:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Оновити</translation>
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
        <translation>«Музичний ритм» не чує звукового виводу: жоден звуковий сервер не відповідає</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Перейменувати</translation>
    </message>
</context>
</TS>
