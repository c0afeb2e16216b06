<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ZoneView</name>
    <message>
        <source>Berechnung läuft ...</source>
        <translation>Calculation is running ...</translation>
    </message>
    <message>
        <source>Bereit</source>
        <translation>Ready</translation>
    </message>
</context>
<context>
    <name>ZoneExportCommand</name>
    <message>
        <source>Exportfehler!</source>
        <translation>Export error!</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht geschrieben werden:</source>
        <translation>The file could not be written:</translation>
    </message>
</context>
</TS>
