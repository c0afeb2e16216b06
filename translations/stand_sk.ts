<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>StandController</name>
    <message>
        <source>Baum</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Bäume</source>
        <translation>stromov</translation>
    </message>
    <message>
        <source>Öffnungsfehler!</source>
        <translation>Chyba pri otvarani suboru!</translation>
    </message>
    <message>
        <source>„%1“ ist keine gewöhnliche Datei.</source>
        <translation>„%1“ nie je obycajny subor.</translation>
    </message>
</context>
<context>
    <name>StandFileReader</name>
    <message>
        <source>X von Baum %1</source>
        <translation>X stromu %1</translation>
    </message>
    <message>
        <source>Y von Baum %1</source>
        <translation>Y stromu %1</translation>
    </message>
    <message>
        <source>die Standbreite (ganze Zahl von 1 bis 2147483647 Metern)</source>
        <translation>sirka porastu (cele cislo od 1 do 2147483647 metrov)</translation>
    </message>
    <message>
        <source>die Standlänge (ganze Zahl von 1 bis 2147483647 Metern)</source>
        <translation>dlzka porastu (cele cislo od 1 do 2147483647 metrov)</translation>
    </message>
    <message>
        <source>die Baumanzahl (ganze Zahl von 0 bis 32767)</source>
        <translation>pocet stromov (cele cislo od 0 do 32767)</translation>
    </message>
    <message>
        <source>%1 (Zahl von -1000000000 bis 1000000000 Metern)</source>
        <translation>%1 (cislo od -1000000000 do 1000000000 metrov)</translation>
    </message>
    <message>
        <source>der Durchmesser von Baum %1 (Zahl)</source>
        <translation>priemer stromu %1 (cislo)</translation>
    </message>
    <message>
        <source>der Durchmesser von Baum %1 (Zahl von -1000000000 bis 1000000000)</source>
        <translation>priemer stromu %1 (cislo od -1000000000 do 1000000000)</translation>
    </message>
    <message>
        <source>%1 erwartet, aber die Datei endet hier.</source>
        <translation>Ocakavana hodnota: %1, ale subor tu konci.</translation>
    </message>
    <message>
        <source>%1 erwartet, aber die Datei lässt sich hier nicht weiterlesen.</source>
        <translation>Ocakavana hodnota: %1, ale subor sa tu neda dalej citat.</translation>
    </message>
    <message>
        <source>%1 erwartet, aber vor dem Komma steht kein Wert.</source>
        <translation>Ocakavana hodnota: %1, ale pred ciarkou nie je ziadna hodnota.</translation>
    </message>
    <message>
        <source>%1 erwartet, gefunden %2 (keine Zahl).</source>
        <translation>Ocakavana hodnota: %1, najdene %2 (nie je cislo).</translation>
    </message>
    <message>
        <source>%1 erwartet, gefunden %2 (außerhalb des Zahlenbereichs).</source>
        <translation>Ocakavana hodnota: %1, najdene %2 (mimo ciselneho rozsahu).</translation>
    </message>
    <message>
        <source>%1 erwartet, gefunden %2 (keine ganze Zahl).</source>
        <translation>Ocakavana hodnota: %1, najdene %2 (nie je cele cislo).</translation>
    </message>
    <message>
        <source>%1 erwartet, gefunden %2 (außerhalb des erlaubten Bereichs).</source>
        <translation>Ocakavana hodnota: %1, najdene %2 (mimo povoleneho rozsahu).</translation>
    </message>
    <message>
        <source>Standdatei „%1“, Zeile %2, Wert %3: %4</source>
        <translation>Subor porastu „%1“, riadok %2, hodnota %3: %4</translation>
    </message>
    <message>
        <source>Die Standdatei „%1“ lässt sich nicht öffnen: %2</source>
        <translation>Subor porastu „%1“ sa neda otvorit: %2</translation>
    </message>
    <message>
        <source>Das ist ein Ordner.</source>
        <translation>Je to priecinok.</translation>
    </message>
    <message>
        <source>Das ist keine gewöhnliche Datei.</source>
        <translation>Nie je to obycajny subor.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>die Baumanzahl (ganze Zahl von 0 bis 2147483647)</source>
        <translation>počet stromov (celé číslo od 0 do 2147483647)</translation>
    </message>
</context>
</TS>
