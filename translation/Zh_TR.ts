<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
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
</context>
</TS>
