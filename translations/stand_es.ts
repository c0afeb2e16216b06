<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>StandController</name>
    <message>
        <source>Baum</source>
        <translation>Árbol</translation>
    </message>
    <message>
        <source>Bäume</source>
        <translation>árboles</translation>
    </message>
    <message>
        <source>Öffnungsfehler!</source>
        <translation>Error de abrir!</translation>
    </message>
    <message>
        <source>„%1“ ist keine gewöhnliche Datei.</source>
        <translation>«%1» no es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>StandFileReader</name>
    <message>
        <source>X von Baum %1</source>
        <translation>X del árbol %1</translation>
    </message>
    <message>
        <source>Y von Baum %1</source>
        <translation>Y del árbol %1</translation>
    </message>
    <message>
        <source>die Standbreite (ganze Zahl von 1 bis 2147483647 Metern)</source>
        <translation>el ancho del rodal (número entero de 1 a 2147483647 metros)</translation>
    </message>
    <message>
        <source>die Standlänge (ganze Zahl von 1 bis 2147483647 Metern)</source>
        <translation>el largo del rodal (número entero de 1 a 2147483647 metros)</translation>
    </message>
    <message>
        <source>die Baumanzahl (ganze Zahl von 0 bis 32767)</source>
        <translation>el número de árboles (número entero de 0 a 32767)</translation>
    </message>
    <message>
        <source>%1 (Zahl von -1000000000 bis 1000000000 Metern)</source>
        <translation>%1 (número de -1000000000 a 1000000000 metros)</translation>
    </message>
    <message>
        <source>der Durchmesser von Baum %1 (Zahl)</source>
        <translation>el diámetro del árbol %1 (número)</translation>
    </message>
    <message>
        <source>der Durchmesser von Baum %1 (Zahl von -1000000000 bis 1000000000)</source>
        <translation>el diámetro del árbol %1 (número de -1000000000 a 1000000000)</translation>
    </message>
    <message>
        <source>%1 erwartet, aber die Datei endet hier.</source>
        <translation>Se esperaba %1, pero el archivo termina aquí.</translation>
    </message>
    <message>
        <source>%1 erwartet, aber die Datei lässt sich hier nicht weiterlesen.</source>
        <translation>Se esperaba %1, pero el archivo no se puede seguir leyendo aquí.</translation>
    </message>
    <message>
        <source>%1 erwartet, aber vor dem Komma steht kein Wert.</source>
        <translation>Se esperaba %1, pero no hay ningún valor antes de la coma.</translation>
    </message>
    <message>
        <source>%1 erwartet, gefunden %2 (keine Zahl).</source>
        <translation>Se esperaba %1, se encontró %2 (no es un número).</translation>
    </message>
    <message>
        <source>%1 erwartet, gefunden %2 (außerhalb des Zahlenbereichs).</source>
        <translation>Se esperaba %1, se encontró %2 (fuera del rango numérico).</translation>
    </message>
    <message>
        <source>%1 erwartet, gefunden %2 (keine ganze Zahl).</source>
        <translation>Se esperaba %1, se encontró %2 (no es un número entero).</translation>
    </message>
    <message>
        <source>%1 erwartet, gefunden %2 (außerhalb des erlaubten Bereichs).</source>
        <translation>Se esperaba %1, se encontró %2 (fuera del rango permitido).</translation>
    </message>
    <message>
        <source>Standdatei „%1“, Zeile %2, Wert %3: %4</source>
        <translation>Archivo de rodal «%1», línea %2, valor %3: %4</translation>
    </message>
    <message>
        <source>Die Standdatei „%1“ lässt sich nicht öffnen: %2</source>
        <translation>No se puede abrir el archivo de rodal «%1»: %2</translation>
    </message>
    <message>
        <source>Das ist ein Ordner.</source>
        <translation>Es una carpeta.</translation>
    </message>
    <message>
        <source>Das ist keine gewöhnliche Datei.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>die Baumanzahl (ganze Zahl von 0 bis 2147483647)</source>
        <translation>el número de árboles (número entero de 0 a 2147483647)</translation>
    </message>
</context>
</TS>
