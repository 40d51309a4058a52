<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>Masquer la liste des appareils</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>Afficher la liste des appareils</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Réduire(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Agrandir(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Restaurer(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Quitter(&amp;Q)</translation>
    </message>
</context>
</TS>
