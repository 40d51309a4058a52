<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
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
</context>
</TS>
