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
    <message>
        <source>Zonen als GeoJSON exportieren...</source>
        <translation>Exportovat zony ako GeoJSON...</translation>
    </message>
    <message>
        <source>Zeichnung als SVG exportieren...</source>
        <translation>Exportovat kresbu ako SVG...</translation>
    </message>
    <message>
        <source>Flächen als CSV exportieren...</source>
        <translation>Exportovat plochy ako CSV...</translation>
    </message>
    <message>
        <source>Einschlusszonen der gewählten Ordnung berechnen</source>
        <translation>Vypocitat selekcne zony zvoleneho stupna</translation>
    </message>
    <message>
        <source>Baumnummern auf der Karte zeigen</source>
        <translation>Zobrazit cisla stromov na mape</translation>
    </message>
    <message>
        <source>  Erste %1 von %2 Bäumen gezeigt</source>
        <translation>  Prvych %1 z %2 stromov</translation>
    </message>
    <message>
        <source>Baum %1 (k = %2): %3 m², p = %4</source>
        <translation>Strom %1 (k = %2): %3 m², p = %4</translation>
    </message>
    <message>
        <source>Fläche der Einschlusszone des selektierten Baums und seine Einschlusswahrscheinlichkeit p (Zonenfläche / Bestandsfläche)</source>
        <translation>Plocha selekcnej zony cieloveho stromu a jeho pravdepodobnost vyberu p (plocha zony / plocha porastu)</translation>
    </message>
</context>
<context>
    <name>FileProblem</name>
    <message>
        <source>Den Ordner %1 gibt es nicht.</source>
        <translation>Priecinok %1 neexistuje.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht.</source>
        <translation>Subor neexistuje.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner, keine Datei.</source>
        <translation>Je to priecinok, nie subor.</translation>
    </message>
    <message>
        <source>Die Datei darf nicht gelesen werden.</source>
        <translation>Subor sa nesmie citat.</translation>
    </message>
    <message>
        <source>In diesen Ordner darf nicht geschrieben werden.</source>
        <translation>Do tohto priecinka sa nesmie zapisovat.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>Án&amp;o</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
</TS>
