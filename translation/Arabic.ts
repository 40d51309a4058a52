<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>إخفاء قائمة الأجهزة</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>إظهار قائمة الأجهزة</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>تصغير(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>تكبير(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>استعادة(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>خروج(&amp;Q)</translation>
    </message>
</context>
</TS>
