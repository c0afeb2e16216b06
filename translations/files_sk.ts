<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>OutputFile</name>
    <message>
        <source>Es ist kein Dateiname angegeben.</source>
        <translation>Nie je zadaný názov súboru.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner.</source>
        <translation>Je to priečinok.</translation>
    </message>
    <message>
        <source>Das ist weder eine gewöhnliche Datei noch eine benannte Pipe oder ein Zeichengerät; es wird nicht ersetzt.</source>
        <translation>Nie je to bežný súbor ani pomenovaná rúra či znakové zariadenie; nenahradí sa.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht geöffnet.</source>
        <translation>Súbor nie je otvorený.</translation>
    </message>
    <message>
        <source>Das Ziel ist keine gewöhnliche Datei mehr; es wird nicht ersetzt.</source>
        <translation>Cieľ už nie je bežný súbor; nenahradí sa.</translation>
    </message>
    <message>
        <source>Die benannte Pipe hat keinen Leser.</source>
        <translation>Pomenovaná rúra nemá čitateľa.</translation>
    </message>
    <message>
        <source>Das Ziel hat sich beim Öffnen geändert.</source>
        <translation>Cieľ sa pri otváraní zmenil.</translation>
    </message>
</context>
<context>
    <name>ZoneExport</name>
    <message>
        <source>Ordnung k = %1, %2 Bäume, Bestand %3 m x %4 m</source>
        <translation>Stupeň k = %1, počet stromov %2, porast %3 m x %4 m</translation>
    </message>
    <message>
        <source>Grenze der Einschlusszonen</source>
        <translation>Hranica selekčných zón</translation>
    </message>
    <message>
        <source>Baum (Nummer in der Reihenfolge der Standdatei)</source>
        <translation>Strom (číslo v poradí súboru porastu)</translation>
    </message>
    <message>
        <source>Wie auf der Karte: gleiche X- oder Y-Werte auseinandergerückt</source>
        <translation>Ako na mape: rovnaké hodnoty X alebo Y posunuté od seba</translation>
    </message>
</context>
</TS>
