<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>StandController</name>
    <message>
        <source>Baum</source>
        <translation>Tree</translation>
    </message>
    <message>
        <source>Bäume</source>
        <translation>trees</translation>
    </message>
    <message>
        <source>Öffnungsfehler!</source>
        <translation>Open error!</translation>
    </message>
</context>
</TS>
