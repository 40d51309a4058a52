<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
