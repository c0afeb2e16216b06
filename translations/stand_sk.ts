<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>StandController</name>
    <message>
        <source>Baum</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Bäume</source>
        <translation>stromov</translation>
    </message>
    <message>
        <source>Öffnungsfehler!</source>
        <translation>Chyba pri otvarani suboru!</translation>
    </message>
</context>
</TS>
