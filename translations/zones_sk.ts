<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>ZoneView</name>
    <message>
        <source>Berechnung läuft ...</source>
        <translation>Prebieha kalkulacia ...</translation>
    </message>
    <message>
        <source>Bereit</source>
        <translation>Pripraveny</translation>
    </message>
</context>
<context>
    <name>ZoneExportCommand</name>
    <message>
        <source>Exportfehler!</source>
        <translation>Chyba pri exporte!</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht geschrieben werden:</source>
        <translation>Subor sa nepodarilo zapisat:</translation>
    </message>
</context>
</TS>
