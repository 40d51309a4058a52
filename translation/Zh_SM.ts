<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CTavrixXML</name>
    <message>
        <source>The file %1 does not exist</source>
        <translation>文件 %1 不存在</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened</source>
        <translation>无法打开文件 %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>无法写入文件 %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: the disk is full</source>
        <translation>无法保存文件 %1：磁盘已满</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2)</source>
        <translation>文件 %1 已损坏（第 %2 行）</translation>
    </message>
    <message>
        <source>The file %1 is damaged</source>
        <translation>文件 %1 已损坏</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</source>
        <translation>文件 %1 已损坏（第 %2 行）：其中的文本超过 %3 KiB，超出任何设置文件的容量</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</source>
        <translation>文件 %1 已损坏：其大小超过 %2 MiB，超出任何设置文件的容量</translation>
    </message>
    <message>
        <source>its text is not well-formed XML</source>
        <translation>其内容不是格式正确的 XML</translation>
    </message>
    <message>
        <source>it ends too early, as if its writing was cut short</source>
        <translation>它提前结束，像是写入时被中断了</translation>
    </message>
    <message>
        <source>it holds a document type declaration, which no settings file of this program holds</source>
        <translation>其中含有文档类型声明，本程序的设置文件从不含有这种声明</translation>
    </message>
    <message>
        <source>it holds NUL bytes, as binary data does, not text</source>
        <translation>其中含有 NUL 字节，这是二进制数据而不是文本</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>其中含有不是 UTF-8 文本的字节</translation>
    </message>
    <message>
        <source>it is no settings file of this program</source>
        <translation>它不是本程序的设置文件</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>它是由本程序的较新版本写入的</translation>
    </message>
    <message>
        <source>it holds an element this program does not know, or one nested where it does not belong</source>
        <translation>其中含有本程序不认识的元素，或嵌套在不该出现位置的元素</translation>
    </message>
    <message>
        <source>a value is missing or cannot be read</source>
        <translation>某个值缺失或无法读取</translation>
    </message>
    <message>
        <source>a value is not a number or is out of its range</source>
        <translation>某个值不是数字或超出了范围</translation>
    </message>
    <message>
        <source>an entry that must be unique appears twice</source>
        <translation>某个必须唯一的条目出现了两次</translation>
    </message>
    <message>
        <source>it holds more profiles or advanced keys than this program allows</source>
        <translation>其中的配置文件或高级按键多于本程序允许的数量</translation>
    </message>
    <message>
        <source>you have no permission for it or its folder</source>
        <translation>您没有该文件或其所在文件夹的权限</translation>
    </message>
    <message>
        <source>it is on a read-only disk</source>
        <translation>它位于只读磁盘上</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>它是一个文件夹</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>a part of its path is no folder</source>
        <translation>其路径中的某一部分不是文件夹</translation>
    </message>
    <message>
        <source>the file-size limit of the program is reached</source>
        <translation>已达到程序的文件大小上限</translation>
    </message>
    <message>
        <source>the disk reports an input/output error</source>
        <translation>磁盘报告了输入/输出错误</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>无法读取文件 %1：%2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>无法写入文件 %1：%2</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2</source>
        <translation>无法保存文件 %1：%2</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): %3</source>
        <translation>文件 %1 已损坏（第 %2 行）：%3</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>文件 %1 已损坏：%2</translation>
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
        <translation>组合键</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>普通键</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊键</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>默认层</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN层</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>加载中</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>自定义灯光项</translation>
    </message>
    <message>
        <source>Use this custom light</source>
        <translation>使用此自定义灯光</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Renaming the custom light failed</source>
        <translation>自定义灯光重命名失败</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>文本已复制到剪贴板：请按 Ctrl+V 粘贴</translation>
    </message>
    <message>
        <source>The keyboard's settings could not be saved</source>
        <translation>无法保存键盘的设置</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>产品列表</source>
        <translation>产品列表</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>测试按键</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>切换主模式</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>电量显示</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>设备未连接</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>设备列表</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>按键自定义</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>灯光设置</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>性能</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>触发设置</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>高级按键</translation>
    </message>
    <message>
        <source>The device is not ready</source>
        <translation>设备尚未就绪</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>设备已离线</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>该设备已打开</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>请先选择一个按键</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>是否重置当前配置？</translation>
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
        <translation>请先切换到按键校准模式</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>按键校准成功</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>按键校准中</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>按键校准失败</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</source>
        <translation>已找到键盘，但无法打开。
请拔下后重新插入，或重新加载设备规则：</translation>
    </message>
</context>
<context>
    <name>DDksShowWidget</name>
    <message>
        <source>Dynamic keystroke actions</source>
        <translation>动态键程动作</translation>
    </message>
</context>
<context>
    <name>DFirmwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>固件信息</translation>
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
        <translation>1.说明</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.说明</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.说明</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.说明</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.说明</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>说明</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>类型：</translation>
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
        <translation>灯光模式</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>全彩</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上层颜色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下层颜色</translation>
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
        <translation>自定义灯光</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Binding</source>
        <translation>已绑定</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>宏录制</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>宏列表</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>延时设置</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>录制延时</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>无延时</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>默认延时</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>录制</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>事件列表</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>录制为空</translation>
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
        <translation>在其后插入</translation>
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
        <translation>键盘事件</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>鼠标事件</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延时</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>请输入按键</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右键单击</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>请输入延时数值</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
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
        <translation>设置</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>隐藏设备列表</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>显示设备列表</translation>
    </message>
    <message>
        <source>The program ended unexpectedly last time. A report was saved in %1</source>
        <translation>程序上次意外退出。报告已保存在 %1</translation>
    </message>
    <message>
        <source>The device library could not be started: no keyboard can be found.</source>
        <translation>无法启动设备库：无法查找任何键盘。</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>轻按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>删除</translation>
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
        <translation>高级键</translation>
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
        <translation>单击</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>按住时长</translation>
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
        <translation>暂无高级键</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>组合键</translation>
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
        <translation>选择“单键”时，只需点击某个按键即可完成按键配置； 
选择“组合键”时，至少需要选择一个组合键和一个其他按键才能完成组合键的输入，例如 L_Shift+A 或 L_Shift+L_Ctrl+A；</translation>
    </message>
</context>
<context>
    <name>DSensitivityShowWidget</name>
    <message>
        <source>Key travel</source>
        <translation>按键行程</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>自动启动</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>系统启动时运行应用程序（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>关闭时最小化到托盘</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>检查固件升级</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>应用软件</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉色</translation>
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
        <translation>表单</translation>
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
        <translation>DKS 动作的触发点</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>快速触发</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>根据按下或松开按键的意图，自定义调整触发行程和复位行程。</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>二级灵敏度</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>可分别设置快速触发按下（触发）和松开（复位）的行程值。</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>按下/松开</translation>
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
        <translation>松开</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>按键防抖</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>重置灵敏度</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>进入校准模式</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>开始校准</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>力度跟踪</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Key calibration steps</source>
        <translation>按键校准步骤</translation>
    </message>
    <message>
        <source>About the travel scale</source>
        <translation>关于行程刻度</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>更新固件</translation>
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
        <translation>虚拟键盘</translation>
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
        <translation>操作失败：键盘未连接</translation>
    </message>
</context>
<context>
    <name>ProfileController</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>配置文件数量已达上限</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>创建失败，该索引的配置文件已存在，请检查</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>创建配置文件失败</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>创建配置文件成功</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>至少需要保留一个配置文件</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>删除配置文件失败</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>删除配置文件成功</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>请先选择保存目录</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>该索引的配置文件不存在</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name</source>
        <translation>该配置文件名称不能用作文件名</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>导出配置文件成功</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>导出配置文件失败</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>请先选择要导入的文件</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>导入配置文件失败</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>导入配置文件成功</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>配置文件名称不能为空</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>修改配置文件信息失败</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>修改配置文件信息成功</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>重置当前配置文件失败</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>重置当前配置文件成功</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>灯光进入休眠的时间不能长于键盘进入休眠的时间</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>键盘进入休眠的时间太短</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>休眠时间设置失败</translation>
    </message>
    <message>
        <source>Saving the sleep time failed</source>
        <translation>保存休眠时间失败</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>休眠时间已设置</translation>
    </message>
    <message>
        <source>Import profile successful, as "%1": the name "%2" is taken</source>
        <translation>导入配置文件成功，名称为“%1”：名称“%2”已被占用</translation>
    </message>
    <message>
        <source>The profile name is unchanged</source>
        <translation>配置文件名称未改变</translation>
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
        <translation>还原(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>按键重映射</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>切换配置</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>启动应用程序</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>按键配置</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>键盘灯光</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>氛围灯</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>高级按键</translation>
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
        <translation>静音</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一曲</translation>
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
        <translation>计算器</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>计算机</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>屏幕亮度+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>屏幕亮度-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>鼠标中键</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>向上滚动</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下滚动</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>切换窗口</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>锁定电脑</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>锁定键盘</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>锁定/解锁Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>锁定Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>解锁Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>默认层</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN层</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1层</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>电量查询</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>蓝牙 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>蓝牙 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>蓝牙 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>切换2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>切换USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>整体灯光</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>互动灯光</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>全部灯光</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>常亮</translation>
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
        <translation>方向循环</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>切换全彩</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>更换上部颜色</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>更换下部颜色</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>自定义 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>自定义 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>全部关闭</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>关闭背光</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>暂停背光</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>灯光录制</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>关闭侧灯</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>暂停侧灯</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>未发现可升级的设备</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>韩/英</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>汉字</translation>
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
        <translation>虚拟键盘</translation>
    </message>
    <message>
        <source>The key layout of %1 could not be read</source>
        <translation>无法读取 %1 的按键布局</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>不可重映射</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>释放</translation>
    </message>
    <message>
        <source>Key triggered</source>
        <translation>按键触发</translation>
    </message>
    <message>
        <source>Side light %1</source>
        <translation>侧灯 %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>自动启动</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>系统启动时运行应用程序（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>关闭时最小化到托盘</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>检查固件升级</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>设置成功</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>设置失败</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>固件信息</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>映射为哪个按键？</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>输入按键？</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>选择应用</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>请选择应用所在的路径</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>选择应用程序</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>应用程序 (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>输入文本……</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>鼠标按键</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>请先选择一个按键</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Operate failed, the profile could not be saved</source>
        <translation>操作失败，配置文件无法保存</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>设置失败，文本为空</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>轻按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win 锁开启时：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>禁用 Windows 键</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>禁用 SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>禁用 ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>禁用 ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>灯光进入休眠：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>键盘进入休眠：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>提交</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>重置当前配置文件</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>键盘属性</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>禁止休眠</translation>
    </message>
    <message>
        <source>Saving the Win lock choices failed</source>
        <translation>保存 Win 锁设置失败</translation>
    </message>
    <message>
        <source>The desktop's keyboard settings could not be opened</source>
        <translation>无法打开桌面的键盘设置</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名称</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存目录</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>配置文件(*.xml)</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>是否重置当前配置文件？</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 已存在。是否替换？</translation>
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
        <translation>配置下载成功</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>配置下载失败，请重试</translation>
    </message>
    <message>
        <source>Download refused: %1 keys play macros, the keyboard holds %2 macros</source>
        <translation>已拒绝下载：%1 个按键绑定了宏，键盘最多只能存储 %2 个宏</translation>
    </message>
    <message>
        <source>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</source>
        <translation>已拒绝下载：%1 个按键绑定了高级按键，键盘最多只能存储 %2 个高级按键</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右键单击</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>添加宏成功</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>删除宏成功</translation>
    </message>
    <message>
        <source>Macro name can't be empty</source>
        <translation>宏名称不能为空</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>修改宏名称成功</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>请先选择具体位置</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>请输入按键</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>录制事件已达上限</translation>
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
        <translation>请先选择宏</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>清空宏录制成功</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>请先选择保存目录</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>导出宏成功</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>打开宏文件</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>宏文件(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed: the file is damaged</source>
        <translation>导入宏失败：文件已损坏</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>导入宏成功</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>开始录制宏</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>停止录制宏</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>指定宏</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>指定配置文件</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>连续播放开/关</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>播放次数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>播放次数 1,2,3...</translation>
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
        <translation>按住指定按键时播放</translation>
    </message>
    <message>
        <source>There is no macro to assign, please record a macro first</source>
        <translation>没有可指定的宏，请先录制宏</translation>
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
        <translation>上层颜色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下层颜色</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>自定义灯光</translation>
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
        <translation>键盘/氛围灯</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>该设备没有氛围灯</translation>
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
        <translation>自定义灯光名称不能为空</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>自定义灯光名称修改成功</translation>
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
        <translation>雷达</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>贪吃蛇</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>触发</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>极光</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>涟漪</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>十字</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>速度响应</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>自动涟漪</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>条纹</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>烟花</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>音乐律动</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>碰撞</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.先进入按键校准模式；</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.选择一个按键；</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.点击“开始校准”；</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.按下所选按键；</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.返回按键校准结果；</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>设置触发所需的按键行程。</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>快速触发</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>按下与松开灵敏度</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>重置灵敏度</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>按键校准模式</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>开始校准</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>触发</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>根据按下或松开按键的意图，自定义调整触发行程和复位行程。</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>可分别设置快速触发按下（触发）和松开（复位）的行程值。</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>选择“单键”时，只需点击某个按键即可完成按键配置；</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>选择“组合键”时，至少需要选择一个组合键和一个其他按键才能完成组合键的输入，例如 L_Shift+A 或 L_Shift+L_Ctrl+A；</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS 动作的触发点</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>普通键</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊键</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>按住</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>单击</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>按住时长</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>暂无高级键</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>高级键数量已达上限</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>高级键创建成功</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>高级键删除成功</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>更新固件</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>固件更新过程中，请勿拔出设备！</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>更新成功</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>更新失败</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>产品名称：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>更新进度：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>当前版本：</translation>
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
        <translation>缩小</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Profile menu</source>
        <translation>配置文件菜单</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>颜色 %1</translation>
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
        <translation>扩散</translation>
    </message>
    <message>
        <source>Gather</source>
        <translation>聚拢</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>顺时针</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>逆时针</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>按键 %1</translation>
    </message>
    <message>
        <source>Close startup to tray (no system tray found)</source>
        <translation>关闭时最小化到托盘（未找到系统托盘）</translation>
    </message>
    <message>
        <source>The firmware image is not valid for this keyboard</source>
        <translation>该固件文件不适用于此键盘</translation>
    </message>
    <message>
        <source>Reconnect the keyboard</source>
        <translation>请重新连接键盘</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>版权所有 © %1 保留所有权利</translation>
    </message>
    <message>
        <source>Saving the macro failed</source>
        <translation>保存宏失败</translation>
    </message>
    <message>
        <source>The macro name cannot be used as a file name</source>
        <translation>宏名称不能用作文件名</translation>
    </message>
    <message>
        <source>Export macro failed: the file %1 cannot be written</source>
        <translation>导出宏失败：无法写入文件 %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file %1 cannot be opened</source>
        <translation>导入宏失败：无法打开文件 %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file is larger than %1 KiB</source>
        <translation>导入宏失败：文件大于 %1 KiB</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than %1 events</source>
        <translation>导入宏失败：文件包含超过 %1 个事件</translation>
    </message>
    <message>
        <source>Import macro failed: the store already holds %1 macros</source>
        <translation>导入宏失败：已存储 %1 个宏</translation>
    </message>
    <message>
        <source>Saving the advanced key failed</source>
        <translation>保存高级按键失败</translation>
    </message>
    <message>
        <source>Saving the light settings failed</source>
        <translation>保存灯光设置失败</translation>
    </message>
    <message>
        <source>Key %1, point %2</source>
        <translation>按键 %1，触发点 %2</translation>
    </message>
    <message>
        <source>Hold, as a new press</source>
        <translation>按住，作为新的按下</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>无动作</translation>
    </message>
    <message>
        <source>Another keyboard is in update mode: finish or unplug it, then try again</source>
        <translation>另一个键盘处于升级模式：请先完成其升级或拔下它，然后重试</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>选择一个宏</translation>
    </message>
    <message>
        <source>Select an advanced key</source>
        <translation>选择一个高级按键</translation>
    </message>
    <message>
        <source>Please create or select a macro first</source>
        <translation>请先新建或选择一个宏</translation>
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
        <translation>移到一旁并重新开始</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</source>
        <translation>%1。
无法显示其内容。要保持该文件不变（页面保持为空），还是将其移到一旁（名称中加上日期）并新建一个？</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved aside</source>
        <translation>无法将文件 %1 移到一旁</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>产品名称：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>当前版本：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>更新进度：</translation>
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
        <translation>表单</translation>
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
        <translation>表单</translation>
    </message>
</context>
<context>
    <name>lightDealMain</name>
    <message>
        <source>Musical Rhythm cannot hear the sound output: no sound server answers</source>
        <translation>音乐律动无法听到声音输出：没有声音服务器响应</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名称</translation>
    </message>
</context>
</TS>
