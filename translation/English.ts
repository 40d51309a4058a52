<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CTavrixXML</name>
    <message>
        <source>The file %1 does not exist</source>
        <translation>The file %1 does not exist</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened</source>
        <translation>The file %1 cannot be opened</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>The file %1 cannot be written</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: the disk is full</source>
        <translation>The file %1 cannot be saved: the disk is full</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2)</source>
        <translation>The file %1 is damaged (line %2)</translation>
    </message>
    <message>
        <source>The file %1 is damaged</source>
        <translation>The file %1 is damaged</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</source>
        <translation>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</source>
        <translation>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</translation>
    </message>
    <message>
        <source>its text is not well-formed XML</source>
        <translation>its text is not well-formed XML</translation>
    </message>
    <message>
        <source>it ends too early, as if its writing was cut short</source>
        <translation>it ends too early, as if its writing was cut short</translation>
    </message>
    <message>
        <source>it holds a document type declaration, which no settings file of this program holds</source>
        <translation>it holds a document type declaration, which no settings file of this program holds</translation>
    </message>
    <message>
        <source>it holds NUL bytes, as binary data does, not text</source>
        <translation>it holds NUL bytes, as binary data does, not text</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>it holds bytes that are not UTF-8 text</translation>
    </message>
    <message>
        <source>it is no settings file of this program</source>
        <translation>it is no settings file of this program</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>it was written by a newer version of this program</translation>
    </message>
    <message>
        <source>it holds an element this program does not know, or one nested where it does not belong</source>
        <translation>it holds an element this program does not know, or one nested where it does not belong</translation>
    </message>
    <message>
        <source>a value is missing or cannot be read</source>
        <translation>a value is missing or cannot be read</translation>
    </message>
    <message>
        <source>a value is not a number or is out of its range</source>
        <translation>a value is not a number or is out of its range</translation>
    </message>
    <message>
        <source>an entry that must be unique appears twice</source>
        <translation>an entry that must be unique appears twice</translation>
    </message>
    <message>
        <source>it holds more profiles or advanced keys than this program allows</source>
        <translation>it holds more profiles or advanced keys than this program allows</translation>
    </message>
    <message>
        <source>you have no permission for it or its folder</source>
        <translation>you have no permission for it or its folder</translation>
    </message>
    <message>
        <source>it is on a read-only disk</source>
        <translation>it is on a read-only disk</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>it is no regular file</translation>
    </message>
    <message>
        <source>a part of its path is no folder</source>
        <translation>a part of its path is no folder</translation>
    </message>
    <message>
        <source>the file-size limit of the program is reached</source>
        <translation>the file-size limit of the program is reached</translation>
    </message>
    <message>
        <source>the disk reports an input/output error</source>
        <translation>the disk reports an input/output error</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2</source>
        <translation>The file %1 cannot be saved: %2</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): %3</source>
        <translation>The file %1 is damaged (line %2): %3</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>The file %1 is damaged: %2</translation>
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
        <translation>Key Combination</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Normal Keys</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Special Keys</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Function:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Default layer</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN layer</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Custom Light Item</translation>
    </message>
    <message>
        <source>Use this custom light</source>
        <translation>Use this custom light</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Renaming the custom light failed</source>
        <translation>Renaming the custom light failed</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>The text is on the clipboard: press Ctrl+V to paste it</translation>
    </message>
    <message>
        <source>The keyboard's settings could not be saved</source>
        <translation>The keyboard's settings could not be saved</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>产品列表</source>
        <translation>Product List</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Test Button</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Switch Main Mode</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Battery Level</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Device not connected</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Device List</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Key Custom</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Light Setting</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performance</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Trigger Setting</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Senior Keys</translation>
    </message>
    <message>
        <source>The device is not ready</source>
        <translation>The device is not ready</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>The device is offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>The device has been turned on</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Please select one Key first</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Whether to reset the current profile?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Please switch to key calibration mode first</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>The key calibration successful</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>The key calibration is running</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>The key calibration failed</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</source>
        <translation>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</translation>
    </message>
</context>
<context>
    <name>DDksShowWidget</name>
    <message>
        <source>Dynamic keystroke actions</source>
        <translation>Dynamic keystroke actions</translation>
    </message>
</context>
<context>
    <name>DFirmwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware Info</translation>
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
        <translation>1.Explain</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Explain</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Explain</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Explain</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Explain</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Explain</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Type:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Light mode</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Full color</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Top color</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Bottom color</translation>
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
        <translation>Custom light</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Binding</source>
        <translation>Binding</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Macro Record</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macro Group</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Delay Setting</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Recording delay</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>No delay</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Default delay</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>MS</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Event List</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Record is empty</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insert Event</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insert event after</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insert event before</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Keyboard Event</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mouse Event</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Operate</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Please enter a key</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Left Click</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Center Click</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Right Click</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Please enter delay number</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Press Key</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>Hide device list</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>Show device list</translation>
    </message>
    <message>
        <source>The program ended unexpectedly last time. A report was saved in %1</source>
        <translation>The program ended unexpectedly last time. A report was saved in %1</translation>
    </message>
    <message>
        <source>The device library could not be started: no keyboard can be found.</source>
        <translation>The device library could not be started: no keyboard can be found.</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Light Press</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Heavy Press</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Delete</translation>
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
        <translation>Senior Keys</translation>
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
        <translation>Create</translation>
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
        <translation>Hold</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Hold Duration</translation>
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
        <translation>Senior keys is empty</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>%1ms</source>
        <translation>%1ms</translation>
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
        <translation>When "Single Key" is selected, simply click a certain key to complete key configuration; 
When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</translation>
    </message>
</context>
<context>
    <name>DSensitivityShowWidget</name>
    <message>
        <source>Key travel</source>
        <translation>Key travel</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Auto start</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Launch applications when the system starts (Minimized)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Close startup to tray</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Firmware upgrade check</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Application software</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Check Update</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
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
        <translation>Form</translation>
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
        <translation>Trigger points for DKS actions</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
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
        <translation>Quick trigger</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Secondary sensitivity</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Press/Release</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Key anti shake</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Reset sensitivity</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Rate return</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Into calibration mode</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Start calibration</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Intensity tracking</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>Report rate</translation>
    </message>
    <message>
        <source>Key calibration steps</source>
        <translation>Key calibration steps</translation>
    </message>
    <message>
        <source>About the travel scale</source>
        <translation>About the travel scale</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Update Firmware</translation>
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
        <translation>Virtual Keyboard</translation>
    </message>
</context>
<context>
    <name>MagneticReport</name>
    <message>
        <source>Operate successful</source>
        <translation>Operate successful</translation>
    </message>
    <message>
        <source>Operate failed: the keyboard is not connected</source>
        <translation>Operate failed: the keyboard is not connected</translation>
    </message>
</context>
<context>
    <name>ProfileController</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>The number of profile has reached the maximum</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Create failed, the index node is already existence, please checked</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Create profile failed</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Create profile successful</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Need keep at least one profile</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Delete profile failed</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Delete profile successful</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Please select save directory first</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>This index node non-existent</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name</source>
        <translation>The profile name cannot be used as a file name</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Export profile successful</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Export profile failed</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Please select import file first</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Import profile failed</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Import profile successful</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>Profile name can't empty</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Modify profile info failed</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Modify profile info successful</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Reset the current profile failed</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Reset the current profile successful</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>The time when the light enters sleep cannot be longer than the keyboard enters sleep</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Keyboard enters sleep time is too short</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Sleep time set failed</translation>
    </message>
    <message>
        <source>Saving the sleep time failed</source>
        <translation>Saving the sleep time failed</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Sleep time has been set</translation>
    </message>
    <message>
        <source>Import profile successful, as "%1": the name "%2" is taken</source>
        <translation>Import profile successful, as "%1": the name "%2" is taken</translation>
    </message>
    <message>
        <source>The profile name is unchanged</source>
        <translation>The profile name is unchanged</translation>
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
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimize(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximize(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Revert(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Quit(&amp;Q)</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Remap Key</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Key Combination</translation>
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
        <translation>Disable</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Switch Profile</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Launch Application</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Key Config</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Keyboard Light</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Atmosphere Light</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Senior Keys</translation>
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
        <translation>Mute</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Next track</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Prev track</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculator</translation>
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
        <translation>Email</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Screen brightness+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Screen brightness-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Mouse Left</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mouse Center</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Mouse Right</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper Key</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Switch windows</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Show desktop</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>My computer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Lock computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Lock keyboard</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Lock/Unlock Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Lock win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Unlock win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Default layer</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN layer</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 layer</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Power query</translation>
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
        <translation>2.4G switching</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB switching</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Overall light</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaction light</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>All light</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Static</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brightness +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brightness -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Speed +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Speed -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direction +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direction -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direction Loop</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Into full color</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Top color changed</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Bottom color changed</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Custom 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Custom 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Close all</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Close back light</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Stop back light</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Light recording</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Close side light</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Stop side light</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>No upgradeable devices found</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Korean/English</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
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
        <translation>Virtual Keyboard</translation>
    </message>
    <message>
        <source>The key layout of %1 could not be read</source>
        <translation>The key layout of %1 could not be read</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>Cannot remapped</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Key triggered</source>
        <translation>Key triggered</translation>
    </message>
    <message>
        <source>Side light %1</source>
        <translation>Side light %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Auto start</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Launch applications when the system starts (Minimized)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Close startup to tray</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Firmware upgrade check</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Set config success</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Set config failed</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware Info</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Remap with key?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Enter key?</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Select App</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Please select the path where your app is located</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Select application</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Applications (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Enter text ...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Mouse Key</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Function:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Please select one Key first</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operate successful</translation>
    </message>
    <message>
        <source>Operate failed, the profile could not be saved</source>
        <translation>Operate failed, the profile could not be saved</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Setting failed because the text is empty</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Light Press</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Heavy Press</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>If Win Lock is on:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Disable Windows key</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Disable SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Disable ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Disable ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Light into sleep:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Keyboard into sleep:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Submit</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Reset current profile</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Keyboard properties</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Prohibit Sleep</translation>
    </message>
    <message>
        <source>Saving the Win lock choices failed</source>
        <translation>Saving the Win lock choices failed</translation>
    </message>
    <message>
        <source>The desktop's keyboard settings could not be opened</source>
        <translation>The desktop's keyboard settings could not be opened</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modify Name</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Save directory</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Open profile file</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Profile files(*.xml)</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Whether to reset the current profile?</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Download config successful</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Download config failed, Please try again</translation>
    </message>
    <message>
        <source>Download refused: %1 keys play macros, the keyboard holds %2 macros</source>
        <translation>Download refused: %1 keys play macros, the keyboard holds %2 macros</translation>
    </message>
    <message>
        <source>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</source>
        <translation>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Left Click</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Center Click</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Right Click</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Start record</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Stop record</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Add macro successful</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Delete macro successful</translation>
    </message>
    <message>
        <source>Macro name can't be empty</source>
        <translation>Macro name can't be empty</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Modify macro name successful</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Please select a specific location first</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Please enter a key</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>The record of events has reached the limit</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Insert successful</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modify successful</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Please select a macro first</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Clear record macro successful</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Please select save directory first</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Export macro successful</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Open macro file</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Macro files(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed: the file is damaged</source>
        <translation>Import macro failed: the file is damaged</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Import macro successful</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Start record macro</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Stop record macro</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Assign Macro</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Assign Profile</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Continuous playback on/off</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Play Number</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Play Number 1,2,3...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Play Type</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Play multiple times</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Play once</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Play while assigned key is pressed</translation>
    </message>
    <message>
        <source>There is no macro to assign, please record a macro first</source>
        <translation>There is no macro to assign, please record a macro first</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Full color</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Top color</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Bottom color</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Custom light</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Keyboard/Ambient</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>The device has no atmosphere lamp</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Wave</translation>
    </message>
    <message>
        <source>Custom light name can't be empty</source>
        <translation>Custom light name can't be empty</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Modify custom light name successful</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Breath</translation>
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
        <translation>Snake</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reactive</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ripple</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Twinkle</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Speed Respond</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Auto Ripple</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Striation</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fireworks</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Musical Rhythm</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.Into key calibration mode first;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.Select one key;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.Clicked "Start calibration";</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.Press the selected key;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.Return key calibration results;</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Set the required press key duration for triggering.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Quick trigger</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Sensitivity of pressing and releasing</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Reset sensitivity</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Rate return</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Key calibration mode</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Start calibration</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Trigger</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>When "Single Key" is selected, simply click a certain key to complete key configuration;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Trigger points for DKS actions</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Normal Keys</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Special Keys</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Hold Duration</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Senior keys is empty</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>The number of senior keys has reached the maximum</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Create senior keys successful</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Delete senior keys successful</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Update Firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>If the firmware is being updated, do not unplug the device!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Update successful</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Update failed</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Product name:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Update progress:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Current version:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>New version:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Complete</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Profile menu</source>
        <translation>Profile menu</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Colour %1</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Disperse</source>
        <translation>Disperse</translation>
    </message>
    <message>
        <source>Gather</source>
        <translation>Gather</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Clockwise</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Anticlockwise</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Key %1</translation>
    </message>
    <message>
        <source>Close startup to tray (no system tray found)</source>
        <translation>Close startup to tray (no system tray found)</translation>
    </message>
    <message>
        <source>The firmware image is not valid for this keyboard</source>
        <translation>The firmware image is not valid for this keyboard</translation>
    </message>
    <message>
        <source>Reconnect the keyboard</source>
        <translation>Reconnect the keyboard</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>Copyright © %1. All rights reserved.</translation>
    </message>
    <message>
        <source>Saving the macro failed</source>
        <translation>Saving the macro failed</translation>
    </message>
    <message>
        <source>The macro name cannot be used as a file name</source>
        <translation>The macro name cannot be used as a file name</translation>
    </message>
    <message>
        <source>Export macro failed: the file %1 cannot be written</source>
        <translation>Export macro failed: the file %1 cannot be written</translation>
    </message>
    <message>
        <source>Import macro failed: the file %1 cannot be opened</source>
        <translation>Import macro failed: the file %1 cannot be opened</translation>
    </message>
    <message>
        <source>Import macro failed: the file is larger than %1 KiB</source>
        <translation>Import macro failed: the file is larger than %1 KiB</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than %1 events</source>
        <translation>Import macro failed: the file holds more than %1 events</translation>
    </message>
    <message>
        <source>Import macro failed: the store already holds %1 macros</source>
        <translation>Import macro failed: the store already holds %1 macros</translation>
    </message>
    <message>
        <source>Saving the advanced key failed</source>
        <translation>Saving the advanced key failed</translation>
    </message>
    <message>
        <source>Saving the light settings failed</source>
        <translation>Saving the light settings failed</translation>
    </message>
    <message>
        <source>Key %1, point %2</source>
        <translation>Key %1, point %2</translation>
    </message>
    <message>
        <source>Hold, as a new press</source>
        <translation>Hold, as a new press</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>No action</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Select a macro</translation>
    </message>
    <message>
        <source>Select an advanced key</source>
        <translation>Select an advanced key</translation>
    </message>
    <message>
        <source>Please create or select a macro first</source>
        <translation>Please create or select a macro first</translation>
    </message>
    <message>
        <source>Another keyboard is in update mode: finish or unplug it, then try again</source>
        <translation>Another keyboard is in update mode: finish or unplug it, then try again</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>Colour picker</source>
        <translation>Colour picker</translation>
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
        <translation>Move aside and start anew</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Keep it</translation>
    </message>
    <message>
        <source>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</source>
        <translation>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved aside</source>
        <translation>The file %1 cannot be moved aside</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Product name:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Current version:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Update progress:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>New version:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Complete</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
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
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>lightDealMain</name>
    <message>
        <source>Musical Rhythm cannot hear the sound output: no sound server answers</source>
        <translation>Musical Rhythm cannot hear the sound output: no sound server answers</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modify Name</translation>
    </message>
</context>
</TS>
