<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Form1</name>
    <message>
        <source>Deutsch</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Slowakisch</source>
        <translation>Slovak</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Legende</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Selektierter Baum</source>
        <translation>Select tree</translation>
    </message>
    <message>
        <source>Einflussbaum</source>
        <translation>Tree with influence</translation>
    </message>
    <message>
        <source>Baum ohne Einfluss</source>
        <translation>Tree without influence</translation>
    </message>
    <message>
        <source>k-te Ordnung</source>
        <translation>k-th order</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>File open</translation>
    </message>
    <message>
        <source>Situation aufnehmen</source>
        <translation>Snap the situation</translation>
    </message>
    <message>
        <source>Erste Ordnung</source>
        <translation>Firsth order</translation>
    </message>
    <message>
        <source>Zweite Ordnung</source>
        <translation>Secondh order</translation>
    </message>
    <message>
        <source>Dritte Ordnung</source>
        <translation>Third order</translation>
    </message>
    <message>
        <source>Vierte Ordnung</source>
        <translation>Fourth order</translation>
    </message>
    <message>
        <source>Fünfte Ordnung</source>
        <translation>Fifth order</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Baumverteilung</source>
        <translation>Trees distribution</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Baum</source>
        <translation>Tree</translation>
    </message>
    <message>
        <source>  Bereit</source>
        <translation>  Ready</translation>
    </message>
    <message>
        <source> Bäume</source>
        <translation> trees</translation>
    </message>
    <message>
        <source>Bild konnte nicht gespeichert werden:</source>
        <translation>The picture could not be saved:</translation>
    </message>
    <message>
        <source>Zonen als GeoJSON exportieren...</source>
        <translation>Export zones as GeoJSON...</translation>
    </message>
    <message>
        <source>Zeichnung als SVG exportieren...</source>
        <translation>Export drawing as SVG...</translation>
    </message>
    <message>
        <source>Flächen als CSV exportieren...</source>
        <translation>Export areas as CSV...</translation>
    </message>
    <message>
        <source>Einschlusszonen der gewählten Ordnung berechnen</source>
        <translation>Calculate the inclusion zones of the chosen order</translation>
    </message>
    <message>
        <source>Baumnummern auf der Karte zeigen</source>
        <translation>Show the tree numbers on the map</translation>
    </message>
    <message>
        <source>  Erste %1 von %2 Bäumen gezeigt</source>
        <translation>  First %1 of %2 trees shown</translation>
    </message>
    <message>
        <source>Baum %1 (k = %2): %3 m², p = %4</source>
        <translation>Tree %1 (k = %2): %3 m², p = %4</translation>
    </message>
    <message>
        <source>Fläche der Einschlusszone des selektierten Baums und seine Einschlusswahrscheinlichkeit p (Zonenfläche / Bestandsfläche)</source>
        <translation>Area of the selected tree's inclusion zone and its inclusion probability p (zone area / stand area)</translation>
    </message>
</context>
<context>
    <name>FileProblem</name>
    <message>
        <source>Den Ordner %1 gibt es nicht.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner, keine Datei.</source>
        <translation>It is a folder, not a file.</translation>
    </message>
    <message>
        <source>Die Datei darf nicht gelesen werden.</source>
        <translation>There is no permission to read the file.</translation>
    </message>
    <message>
        <source>In diesen Ordner darf nicht geschrieben werden.</source>
        <translation>There is no permission to write to this folder.</translation>
    </message>
</context>
</TS>
