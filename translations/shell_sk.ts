<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="de_DE">
<context>
    <name>Form1</name>
    <message>
        <source>Deutsch</source>
        <translation>Nemecky</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>Anglicky</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Spanielsky</translation>
    </message>
    <message>
        <source>Slowakisch</source>
        <translation>Slovensky</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Subor</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Otvorit</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Ukoncit</translation>
    </message>
    <message>
        <source>Legende</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Selektierter Baum</source>
        <translation>Cielovy strom</translation>
    </message>
    <message>
        <source>Einflussbaum</source>
        <translation>Strom s vplyvom</translation>
    </message>
    <message>
        <source>Baum ohne Einfluss</source>
        <translation>Strom bez vplyvu</translation>
    </message>
    <message>
        <source>k-te Ordnung</source>
        <translation>k-ty stupen</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Otvorit subor</translation>
    </message>
    <message>
        <source>Situation aufnehmen</source>
        <translation>Zachytit situaciu</translation>
    </message>
    <message>
        <source>Erste Ordnung</source>
        <translation>Prvy stupen</translation>
    </message>
    <message>
        <source>Zweite Ordnung</source>
        <translation>Druhy stupen</translation>
    </message>
    <message>
        <source>Dritte Ordnung</source>
        <translation>Treti stupen</translation>
    </message>
    <message>
        <source>Vierte Ordnung</source>
        <translation>Stvrty stupen</translation>
    </message>
    <message>
        <source>Fünfte Ordnung</source>
        <translation>Piaty stupen</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Vypocitat</translation>
    </message>
    <message>
        <source>Baumverteilung</source>
        <translation>Rozmiestnenie stromov</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Baum</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>  Bereit</source>
        <translation>  Pripraveny</translation>
    </message>
    <message>
        <source> Bäume</source>
        <translation> stromov</translation>
    </message>
    <message>
        <source>Bild konnte nicht gespeichert werden:</source>
        <translation>Obrazok sa nepodarilo ulozit:</translation>
    </message>
</context>
</TS>
