<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Form1</name>
    <message>
        <source>Deutsch</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Slowakisch</source>
        <translation>Slovak</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Legende</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Selektierter Baum</source>
        <translation>Select tree</translation>
    </message>
    <message>
        <source>Einflussbaum</source>
        <translation>Tree with influence</translation>
    </message>
    <message>
        <source>Baum ohne Einfluss</source>
        <translation>Tree without influence</translation>
    </message>
    <message>
        <source>k-te Ordnung</source>
        <translation>k-th order</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>File open</translation>
    </message>
    <message>
        <source>Situation aufnehmen</source>
        <translation>Snap the situation</translation>
    </message>
    <message>
        <source>Erste Ordnung</source>
        <translation>Firsth order</translation>
    </message>
    <message>
        <source>Zweite Ordnung</source>
        <translation>Secondh order</translation>
    </message>
    <message>
        <source>Dritte Ordnung</source>
        <translation>Third order</translation>
    </message>
    <message>
        <source>Vierte Ordnung</source>
        <translation>Fourth order</translation>
    </message>
    <message>
        <source>Fünfte Ordnung</source>
        <translation>Fifth order</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Baumverteilung</source>
        <translation>Trees distribution</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Baum</source>
        <translation>Tree</translation>
    </message>
    <message>
        <source>  Bereit</source>
        <translation>  Ready</translation>
    </message>
    <message>
        <source> Bäume</source>
        <translation> trees</translation>
    </message>
    <message>
        <source>Bild konnte nicht gespeichert werden:</source>
        <translation>The picture could not be saved:</translation>
    </message>
</context>
</TS>
