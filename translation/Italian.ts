<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>Nascondi elenco dispositivi</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>Mostra elenco dispositivi</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Riduci a icona(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Ingrandisci(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Ripristina(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Esci(&amp;Q)</translation>
    </message>
</context>
</TS>
