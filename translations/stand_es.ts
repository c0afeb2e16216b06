<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>StandController</name>
    <message>
        <source>Baum</source>
        <translation>Árbol</translation>
    </message>
    <message>
        <source>Bäume</source>
        <translation>árboles</translation>
    </message>
    <message>
        <source>Öffnungsfehler!</source>
        <translation>Error de abrir!</translation>
    </message>
</context>
</TS>
