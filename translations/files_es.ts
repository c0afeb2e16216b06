<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>OutputFile</name>
    <message>
        <source>Es ist kein Dateiname angegeben.</source>
        <translation>No se ha indicado ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner.</source>
        <translation>Es una carpeta.</translation>
    </message>
    <message>
        <source>Das ist weder eine gewöhnliche Datei noch eine benannte Pipe oder ein Zeichengerät; es wird nicht ersetzt.</source>
        <translation>No es un archivo normal, ni una tubería con nombre ni un dispositivo de caracteres; no se reemplaza.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht geöffnet.</source>
        <translation>El archivo no está abierto.</translation>
    </message>
    <message>
        <source>Das Ziel ist keine gewöhnliche Datei mehr; es wird nicht ersetzt.</source>
        <translation>El destino ya no es un archivo normal; no se reemplaza.</translation>
    </message>
    <message>
        <source>Die benannte Pipe hat keinen Leser.</source>
        <translation>La tubería con nombre no tiene lector.</translation>
    </message>
    <message>
        <source>Das Ziel hat sich beim Öffnen geändert.</source>
        <translation>El destino cambió mientras se abría.</translation>
    </message>
</context>
<context>
    <name>ZoneExport</name>
    <message>
        <source>Ordnung k = %1, %2 Bäume, Bestand %3 m x %4 m</source>
        <translation>Orden k = %1, %2 árboles, rodal de %3 m x %4 m</translation>
    </message>
    <message>
        <source>Grenze der Einschlusszonen</source>
        <translation>Límite de las zonas de inclusión</translation>
    </message>
    <message>
        <source>Baum (Nummer in der Reihenfolge der Standdatei)</source>
        <translation>Árbol (número en el orden del archivo de rodal)</translation>
    </message>
    <message>
        <source>Wie auf der Karte: gleiche X- oder Y-Werte auseinandergerückt</source>
        <translation>Como en el mapa: valores iguales de X o Y separados</translation>
    </message>
</context>
</TS>
