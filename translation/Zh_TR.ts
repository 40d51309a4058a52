<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>CTavrixXML</name>
    <message>
        <source>The file %1 does not exist</source>
        <translation>檔案 %1 不存在</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened</source>
        <translation>無法開啟檔案 %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>無法寫入檔案 %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: the disk is full</source>
        <translation>無法儲存檔案 %1：磁碟已滿</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2)</source>
        <translation>檔案 %1 已損壞（第 %2 行）</translation>
    </message>
    <message>
        <source>The file %1 is damaged</source>
        <translation>檔案 %1 已損壞</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</source>
        <translation>檔案 %1 已損壞（第 %2 行）：其中的文字超過 %3 KiB，超出任何設定檔的容量</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</source>
        <translation>檔案 %1 已損壞：其大小超過 %2 MiB，超出任何設定檔的容量</translation>
    </message>
    <message>
        <source>its text is not well-formed XML</source>
        <translation>其內容不是格式正確的 XML</translation>
    </message>
    <message>
        <source>it ends too early, as if its writing was cut short</source>
        <translation>它提前結束，像是寫入時被中斷了</translation>
    </message>
    <message>
        <source>it holds a document type declaration, which no settings file of this program holds</source>
        <translation>其中含有文件類型宣告，本程式的設定檔從不含有這種宣告</translation>
    </message>
    <message>
        <source>it holds NUL bytes, as binary data does, not text</source>
        <translation>其中含有 NUL 位元組，這是二進位資料而不是文字</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>其中含有不是 UTF-8 文字的位元組</translation>
    </message>
    <message>
        <source>it is no settings file of this program</source>
        <translation>它不是本程式的設定檔</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>它是由本程式的較新版本寫入的</translation>
    </message>
    <message>
        <source>it holds an element this program does not know, or one nested where it does not belong</source>
        <translation>其中含有本程式不認識的元素，或巢狀於不該出現位置的元素</translation>
    </message>
    <message>
        <source>a value is missing or cannot be read</source>
        <translation>某個值缺失或無法讀取</translation>
    </message>
    <message>
        <source>a value is not a number or is out of its range</source>
        <translation>某個值不是數字或超出了範圍</translation>
    </message>
    <message>
        <source>an entry that must be unique appears twice</source>
        <translation>某個必須唯一的項目出現了兩次</translation>
    </message>
    <message>
        <source>it holds more profiles or advanced keys than this program allows</source>
        <translation>其中的設定檔或進階按鍵多於本程式允許的數量</translation>
    </message>
    <message>
        <source>you have no permission for it or its folder</source>
        <translation>您沒有該檔案或其所在資料夾的權限</translation>
    </message>
    <message>
        <source>it is on a read-only disk</source>
        <translation>它位於唯讀磁碟上</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>它是一個資料夾</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>它不是一般檔案</translation>
    </message>
    <message>
        <source>a part of its path is no folder</source>
        <translation>其路徑中的某一部分不是資料夾</translation>
    </message>
    <message>
        <source>the file-size limit of the program is reached</source>
        <translation>已達到程式的檔案大小上限</translation>
    </message>
    <message>
        <source>the disk reports an input/output error</source>
        <translation>磁碟回報了輸入/輸出錯誤</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>無法讀取檔案 %1：%2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>無法寫入檔案 %1：%2</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2</source>
        <translation>無法儲存檔案 %1：%2</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): %3</source>
        <translation>檔案 %1 已損壞（第 %2 行）：%3</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>檔案 %1 已損壞：%2</translation>
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
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>普通鍵</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊鍵</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空白鍵</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>預設層</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN層</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>載入中</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>自訂燈光項</translation>
    </message>
    <message>
        <source>Use this custom light</source>
        <translation>使用此自訂燈光</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Renaming the custom light failed</source>
        <translation>自訂燈光重新命名失敗</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>文字已複製到剪貼簿：請按 Ctrl+V 貼上</translation>
    </message>
    <message>
        <source>The keyboard's settings could not be saved</source>
        <translation>無法儲存鍵盤的設定</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>产品列表</source>
        <translation>產品列表</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>測試按鍵</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>切換主模式</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>電量顯示</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>裝置未連線</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>裝置列表</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>按鍵自訂</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>燈光設定</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>效能</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>觸發設定</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>進階按鍵</translation>
    </message>
    <message>
        <source>The device is not ready</source>
        <translation>裝置尚未就緒</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>裝置已離線</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>該裝置已開啟</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>請先選擇一個按鍵</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>是否重設目前設定檔？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>請先切換到按鍵校準模式</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>按鍵校準成功</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>按鍵校準中</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>按鍵校準失敗</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</source>
        <translation>已找到鍵盤，但無法開啟。
請拔下後重新插入，或重新載入裝置規則：</translation>
    </message>
</context>
<context>
    <name>DDksShowWidget</name>
    <message>
        <source>Dynamic keystroke actions</source>
        <translation>動態鍵程動作</translation>
    </message>
</context>
<context>
    <name>DFirmwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>韌體資訊</translation>
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
        <translation>1.說明</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.說明</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.說明</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.說明</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.說明</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>說明</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>類型：</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>亮度：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向：</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>燈光模式</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>全彩</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上層顏色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下層顏色</translation>
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
        <translation>自訂燈光</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Binding</source>
        <translation>已綁定</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>巨集錄製</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>巨集列表</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>延遲設定</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>錄製延遲</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>無延遲</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>預設延遲</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>錄製</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>事件列表</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>錄製為空</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>插入事件</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>在其後插入</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>在其前插入</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>鍵盤事件</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>滑鼠事件</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延遲</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>請輸入按鍵</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左鍵點擊</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中鍵點擊</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右鍵點擊</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>請輸入延遲數值</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>屬性</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>隱藏裝置清單</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>顯示裝置清單</translation>
    </message>
    <message>
        <source>The program ended unexpectedly last time. A report was saved in %1</source>
        <translation>程式上次意外結束。報告已儲存在 %1</translation>
    </message>
    <message>
        <source>The device library could not be started: no keyboard can be found.</source>
        <translation>無法啟動裝置程式庫：無法尋找任何鍵盤。</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>輕按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>刪除</translation>
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
        <translation>進階鍵</translation>
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
        <translation>新建</translation>
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
        <translation>按住</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>單擊</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>按住時長</translation>
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
        <translation>暫無進階鍵</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>單鍵</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>%1ms</source>
        <translation>%1毫秒</translation>
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
        <translation>選擇「單鍵」時，只需點擊某個按鍵即可完成按鍵設定； 
選擇「組合鍵」時，至少需要選擇一個組合鍵和一個其他按鍵才能完成組合鍵的輸入，例如 L_Shift+A 或 L_Shift+L_Ctrl+A；</translation>
    </message>
</context>
<context>
    <name>DSensitivityShowWidget</name>
    <message>
        <source>Key travel</source>
        <translation>按鍵行程</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景圖片</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>自動啟動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>系統啟動時執行應用程式（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>關閉時最小化到系統匣</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>檢查韌體升級</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>應用軟體</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉紅色</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
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
        <translation>表單</translation>
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
        <translation>DKS 動作的觸發點</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
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
        <translation>快速觸發</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>根據按下或放開按鍵的意圖，自訂調整觸發行程和復位行程。</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>二級靈敏度</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>可分別設定快速觸發按下（觸發）和放開（復位）的行程值。</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>按下/放開</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>放開</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>按鍵防抖</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>重設靈敏度</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>回報率</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>進入校準模式</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>開始校準</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>力度追蹤</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>回報率</translation>
    </message>
    <message>
        <source>Key calibration steps</source>
        <translation>按鍵校準步驟</translation>
    </message>
    <message>
        <source>About the travel scale</source>
        <translation>關於行程刻度</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>更新韌體</translation>
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
        <translation>虛擬鍵盤</translation>
    </message>
</context>
<context>
    <name>MagneticReport</name>
    <message>
        <source>Operate successful</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Operate failed: the keyboard is not connected</source>
        <translation>操作失敗：鍵盤未連接</translation>
    </message>
</context>
<context>
    <name>ProfileController</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>設定檔數量已達上限</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>建立失敗，該索引的設定檔已存在，請檢查</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>建立設定檔失敗</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>建立設定檔成功</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>至少需要保留一個設定檔</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>刪除設定檔失敗</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>刪除設定檔成功</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>請先選擇儲存目錄</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>該索引的設定檔不存在</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name</source>
        <translation>該設定檔名稱不能用作檔案名稱</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>匯出設定檔成功</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>匯出設定檔失敗</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>請先選擇要匯入的檔案</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>匯入設定檔失敗</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>匯入設定檔成功</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>設定檔名稱不能為空</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>修改設定檔資訊失敗</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>修改設定檔資訊成功</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>重設目前設定檔失敗</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>重設目前設定檔成功</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>燈光進入休眠的時間不能長於鍵盤進入休眠的時間</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>鍵盤進入休眠的時間太短</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>休眠時間設定失敗</translation>
    </message>
    <message>
        <source>Saving the sleep time failed</source>
        <translation>儲存休眠時間失敗</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>休眠時間已設定</translation>
    </message>
    <message>
        <source>Import profile successful, as "%1": the name "%2" is taken</source>
        <translation>匯入設定檔成功，名稱為「%1」：名稱「%2」已被使用</translation>
    </message>
    <message>
        <source>The profile name is unchanged</source>
        <translation>設定檔名稱未變更</translation>
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
        <translation>未知</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>還原(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>按鍵重新對應</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>切換設定檔</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>啟動應用程式</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>按鍵設定</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>鍵盤燈光</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>氛圍燈</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>進階按鍵</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>音量 +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>音量 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>計算機</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>電腦</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>瀏覽器</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>螢幕亮度+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>螢幕亮度-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>滑鼠左鍵</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>滑鼠中鍵</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>滑鼠右鍵</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>向上捲動</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下捲動</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>切換視窗</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>鎖定鍵盤</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>鎖定/解鎖Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>鎖定Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>解鎖Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>預設層</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN層</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1層</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>電量查詢</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>藍牙 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>藍牙 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>藍牙 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>切換2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>切換USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>整體燈光</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>互動燈光</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>全部燈光</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>恆亮</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>亮度 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>亮度 -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>速度 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>速度 -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>方向 +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>方向 -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>方向循環</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>切換全彩</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>更換上部顏色</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>更換下部顏色</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>自訂 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>自訂 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>全部關閉</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>關閉背光</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>暫停背光</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>燈光錄製</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>關閉側燈</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>暫停側燈</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>未發現可升級的裝置</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>韓/英</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>漢字</translation>
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
        <translation>虛擬鍵盤</translation>
    </message>
    <message>
        <source>The key layout of %1 could not be read</source>
        <translation>無法讀取 %1 的按鍵配置</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>不可重新對應</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>放開</translation>
    </message>
    <message>
        <source>Key triggered</source>
        <translation>按鍵觸發</translation>
    </message>
    <message>
        <source>Side light %1</source>
        <translation>側燈 %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景圖片</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>自動啟動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>系統啟動時執行應用程式（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>關閉時最小化到系統匣</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>檢查韌體升級</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>設定成功</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>設定失敗</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>韌體資訊</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>映射為哪個按鍵？</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>輸入按鍵？</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>選擇應用程式</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>請選擇應用程式所在的路徑</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>選擇應用程式</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>應用程式 (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>輸入文字……</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>滑鼠按鍵</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>請先選擇一個按鍵</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Operate failed, the profile could not be saved</source>
        <translation>操作失敗，設定檔無法儲存</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>設定失敗，文字為空</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>輕按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win 鎖開啟時：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>停用 Windows 鍵</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>停用 SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>停用 ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>停用 ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>燈光進入休眠：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>鍵盤進入休眠：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>提交</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>重設目前設定檔</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>鍵盤內容</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>禁止休眠</translation>
    </message>
    <message>
        <source>Saving the Win lock choices failed</source>
        <translation>儲存 Win 鎖設定失敗</translation>
    </message>
    <message>
        <source>The desktop's keyboard settings could not be opened</source>
        <translation>無法開啟桌面的鍵盤設定</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名稱</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>儲存目錄</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>開啟設定檔</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>設定檔(*.xml)</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>是否重設目前設定檔？</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 已存在。是否取代？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>配置下載成功</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>配置下載失敗，請重試</translation>
    </message>
    <message>
        <source>Download refused: %1 keys play macros, the keyboard holds %2 macros</source>
        <translation>已拒絕下載：%1 個按鍵綁定了巨集，鍵盤最多只能儲存 %2 個巨集</translation>
    </message>
    <message>
        <source>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</source>
        <translation>已拒絕下載：%1 個按鍵綁定了進階按鍵，鍵盤最多只能儲存 %2 個進階按鍵</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左鍵點擊</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中鍵點擊</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右鍵點擊</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>選單</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>停止錄製</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>新增巨集成功</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>刪除巨集成功</translation>
    </message>
    <message>
        <source>Macro name can't be empty</source>
        <translation>巨集名稱不能為空</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>修改巨集名稱成功</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>請先選擇具體位置</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>請輸入按鍵</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>錄製事件已達上限</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>插入成功</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>修改成功</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>請先選擇巨集</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>清空巨集錄製成功</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>請先選擇儲存目錄</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>匯出巨集成功</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>開啟巨集檔案</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>巨集檔案(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed: the file is damaged</source>
        <translation>匯入巨集失敗：檔案已損壞</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>匯入巨集成功</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>開始錄製巨集</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>停止錄製巨集</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>指定巨集</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>指定設定檔</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連續播放開/關</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>播放次數</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>播放次數 1,2,3...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>播放方式</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>播放多次</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>播放一次</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住指定按鍵時播放</translation>
    </message>
    <message>
        <source>There is no macro to assign, please record a macro first</source>
        <translation>沒有可指定的巨集，請先錄製巨集</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>亮度：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向：</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>全彩</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上層顏色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下層顏色</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>自訂燈光</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>鍵盤/氛圍燈</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>該裝置沒有氛圍燈</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>Custom light name can't be empty</source>
        <translation>自訂燈光名稱不能為空</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>自訂燈光名稱修改成功</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>霓虹</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>雷達</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>貪食蛇</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>觸發</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>極光</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>漣漪</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>閃爍</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>十字</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>速度回應</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>自動漣漪</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>條紋</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>煙火</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>音樂律動</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>碰撞</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.先進入按鍵校準模式；</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.選擇一個按鍵；</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.點擊「開始校準」；</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.按下所選按鍵；</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.返回按鍵校準結果；</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>設定觸發所需的按鍵行程。</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>快速觸發</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>按下與放開靈敏度</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>重設靈敏度</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>回報率</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>按鍵校準模式</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>開始校準</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>觸發</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>復位</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>根據按下或放開按鍵的意圖，自訂調整觸發行程和復位行程。</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>可分別設定快速觸發按下（觸發）和放開（復位）的行程值。</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>選擇「單鍵」時，只需點擊某個按鍵即可完成按鍵設定；</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>選擇「組合鍵」時，至少需要選擇一個組合鍵和一個其他按鍵才能完成組合鍵的輸入，例如 L_Shift+A 或 L_Shift+L_Ctrl+A；</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS 動作的觸發點</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>普通鍵</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊鍵</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>單鍵</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>按住</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>單擊</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>按住時長</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>暫無進階鍵</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>進階鍵數量已達上限</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>進階鍵建立成功</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>進階鍵刪除成功</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>更新韌體</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>韌體更新過程中，請勿拔除裝置！</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>更新成功</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>更新失敗</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>產品名稱：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>更新進度：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>目前版本：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新版本：</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Profile menu</source>
        <translation>設定檔選單</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>顏色 %1</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>向右</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>向左</translation>
    </message>
    <message>
        <source>Disperse</source>
        <translation>擴散</translation>
    </message>
    <message>
        <source>Gather</source>
        <translation>聚攏</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>順時針</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>逆時針</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>紅</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>綠</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>按鍵 %1</translation>
    </message>
    <message>
        <source>Close startup to tray (no system tray found)</source>
        <translation>關閉時最小化到系統匣（找不到系統匣）</translation>
    </message>
    <message>
        <source>The firmware image is not valid for this keyboard</source>
        <translation>該韌體檔案不適用於此鍵盤</translation>
    </message>
    <message>
        <source>Reconnect the keyboard</source>
        <translation>請重新連接鍵盤</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>版權所有 © %1 保留所有權利</translation>
    </message>
    <message>
        <source>Saving the macro failed</source>
        <translation>儲存巨集失敗</translation>
    </message>
    <message>
        <source>The macro name cannot be used as a file name</source>
        <translation>巨集名稱不能用作檔案名稱</translation>
    </message>
    <message>
        <source>Export macro failed: the file %1 cannot be written</source>
        <translation>匯出巨集失敗：無法寫入檔案 %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file %1 cannot be opened</source>
        <translation>匯入巨集失敗：無法開啟檔案 %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file is larger than %1 KiB</source>
        <translation>匯入巨集失敗：檔案大於 %1 KiB</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than %1 events</source>
        <translation>匯入巨集失敗：檔案包含超過 %1 個事件</translation>
    </message>
    <message>
        <source>Import macro failed: the store already holds %1 macros</source>
        <translation>匯入巨集失敗：已儲存 %1 個巨集</translation>
    </message>
    <message>
        <source>Saving the advanced key failed</source>
        <translation>儲存進階按鍵失敗</translation>
    </message>
    <message>
        <source>Saving the light settings failed</source>
        <translation>儲存燈光設定失敗</translation>
    </message>
    <message>
        <source>Key %1, point %2</source>
        <translation>按鍵 %1，觸發點 %2</translation>
    </message>
    <message>
        <source>Hold, as a new press</source>
        <translation>按住，作為新的按下</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>無動作</translation>
    </message>
    <message>
        <source>Another keyboard is in update mode: finish or unplug it, then try again</source>
        <translation>另一個鍵盤處於升級模式：請先完成其升級或拔下它，然後重試</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>選擇一個巨集</translation>
    </message>
    <message>
        <source>Select an advanced key</source>
        <translation>選擇一個進階按鍵</translation>
    </message>
    <message>
        <source>Please create or select a macro first</source>
        <translation>請先新增或選擇一個巨集</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>Colour picker</source>
        <translation>取色器</translation>
    </message>
</context>
<context>
    <name>StoreFileQuestion</name>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Move aside and start anew</source>
        <translation>移到一旁並重新開始</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</source>
        <translation>%1。
無法顯示其內容。要保持該檔案不變（頁面保持空白），還是將其移到一旁（名稱中加上日期）並新建一個？</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved aside</source>
        <translation>無法將檔案 %1 移到一旁</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>產品名稱：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>目前版本：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>更新進度：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新版本：</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
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
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>lightDealMain</name>
    <message>
        <source>Musical Rhythm cannot hear the sound output: no sound server answers</source>
        <translation>音樂律動無法聽到聲音輸出：沒有聲音伺服器回應</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名稱</translation>
    </message>
</context>
</TS>
