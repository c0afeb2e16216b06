<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ZoneView</name>
    <message>
        <source>Berechnung läuft ...</source>
        <translation>Calculación ...</translation>
    </message>
    <message>
        <source>Bereit</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>ZoneExportCommand</name>
    <message>
        <source>Exportfehler!</source>
        <translation>¡Error de exportación!</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht geschrieben werden:</source>
        <translation>No se pudo escribir el archivo:</translation>
    </message>
</context>
</TS>
