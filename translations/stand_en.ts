<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>StandController</name>
    <message>
        <source>Baum</source>
        <translation>Tree</translation>
    </message>
    <message>
        <source>Bäume</source>
        <translation>trees</translation>
    </message>
    <message>
        <source>Öffnungsfehler!</source>
        <translation>Open error!</translation>
    </message>
    <message>
        <source>„%1“ ist keine gewöhnliche Datei.</source>
        <translation>“%1” is not an ordinary file.</translation>
    </message>
</context>
<context>
    <name>StandFileReader</name>
    <message>
        <source>X von Baum %1</source>
        <translation>X of tree %1</translation>
    </message>
    <message>
        <source>Y von Baum %1</source>
        <translation>Y of tree %1</translation>
    </message>
    <message>
        <source>die Standbreite (ganze Zahl von 1 bis 2147483647 Metern)</source>
        <translation>the stand width (whole number from 1 to 2147483647 metres)</translation>
    </message>
    <message>
        <source>die Standlänge (ganze Zahl von 1 bis 2147483647 Metern)</source>
        <translation>the stand length (whole number from 1 to 2147483647 metres)</translation>
    </message>
    <message>
        <source>die Baumanzahl (ganze Zahl von 0 bis 32767)</source>
        <translation>the number of trees (whole number from 0 to 32767)</translation>
    </message>
    <message>
        <source>%1 (Zahl von -1000000000 bis 1000000000 Metern)</source>
        <translation>%1 (number from -1000000000 to 1000000000 metres)</translation>
    </message>
    <message>
        <source>der Durchmesser von Baum %1 (Zahl)</source>
        <translation>the diameter of tree %1 (number)</translation>
    </message>
    <message>
        <source>der Durchmesser von Baum %1 (Zahl von -1000000000 bis 1000000000)</source>
        <translation>the diameter of tree %1 (number from -1000000000 to 1000000000)</translation>
    </message>
    <message>
        <source>%1 erwartet, aber die Datei endet hier.</source>
        <translation>Expected %1, but the file ends here.</translation>
    </message>
    <message>
        <source>%1 erwartet, aber die Datei lässt sich hier nicht weiterlesen.</source>
        <translation>Expected %1, but the file cannot be read any further here.</translation>
    </message>
    <message>
        <source>%1 erwartet, aber vor dem Komma steht kein Wert.</source>
        <translation>Expected %1, but there is no value before the comma.</translation>
    </message>
    <message>
        <source>%1 erwartet, gefunden %2 (keine Zahl).</source>
        <translation>Expected %1, found %2 (not a number).</translation>
    </message>
    <message>
        <source>%1 erwartet, gefunden %2 (außerhalb des Zahlenbereichs).</source>
        <translation>Expected %1, found %2 (beyond the range of numbers).</translation>
    </message>
    <message>
        <source>%1 erwartet, gefunden %2 (keine ganze Zahl).</source>
        <translation>Expected %1, found %2 (not a whole number).</translation>
    </message>
    <message>
        <source>%1 erwartet, gefunden %2 (außerhalb des erlaubten Bereichs).</source>
        <translation>Expected %1, found %2 (outside the allowed range).</translation>
    </message>
    <message>
        <source>Standdatei „%1“, Zeile %2, Wert %3: %4</source>
        <translation>Stand file “%1”, line %2, value %3: %4</translation>
    </message>
    <message>
        <source>Die Standdatei „%1“ lässt sich nicht öffnen: %2</source>
        <translation>The stand file “%1” cannot be opened: %2</translation>
    </message>
    <message>
        <source>Das ist ein Ordner.</source>
        <translation>It is a folder.</translation>
    </message>
    <message>
        <source>Das ist keine gewöhnliche Datei.</source>
        <translation>It is not an ordinary file.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>die Baumanzahl (ganze Zahl von 0 bis 2147483647)</source>
        <translation>the tree count (whole number from 0 to 2147483647)</translation>
    </message>
</context>
</TS>
