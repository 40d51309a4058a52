<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
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
</context>
</TS>
