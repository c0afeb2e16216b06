<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>OutputFile</name>
    <message>
        <source>Es ist kein Dateiname angegeben.</source>
        <translation>No file name is given.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner.</source>
        <translation>It is a folder.</translation>
    </message>
    <message>
        <source>Das ist weder eine gewöhnliche Datei noch eine benannte Pipe oder ein Zeichengerät; es wird nicht ersetzt.</source>
        <translation>It is neither a regular file nor a named pipe or character device; it is not replaced.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht geöffnet.</source>
        <translation>The file is not open.</translation>
    </message>
    <message>
        <source>Das Ziel ist keine gewöhnliche Datei mehr; es wird nicht ersetzt.</source>
        <translation>The target is no longer a regular file; it is not replaced.</translation>
    </message>
    <message>
        <source>Die benannte Pipe hat keinen Leser.</source>
        <translation>The named pipe has no reader.</translation>
    </message>
    <message>
        <source>Das Ziel hat sich beim Öffnen geändert.</source>
        <translation>The target changed while it was opened.</translation>
    </message>
</context>
<context>
    <name>ZoneExport</name>
    <message>
        <source>Ordnung k = %1, %2 Bäume, Bestand %3 m x %4 m</source>
        <translation>Order k = %1, %2 trees, stand %3 m x %4 m</translation>
    </message>
    <message>
        <source>Grenze der Einschlusszonen</source>
        <translation>Boundary of the inclusion zones</translation>
    </message>
    <message>
        <source>Baum (Nummer in der Reihenfolge der Standdatei)</source>
        <translation>Tree (number in the order of the stand file)</translation>
    </message>
    <message>
        <source>Wie auf der Karte: gleiche X- oder Y-Werte auseinandergerückt</source>
        <translation>As on the map: equal X or Y values moved apart</translation>
    </message>
</context>
</TS>
