<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="de_DE">
<context>
    <name>Form1</name>
    <message>
        <source>Deutsch</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Slowakisch</source>
        <translation>Eslovaco</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Abrir el archivo</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Finir</translation>
    </message>
    <message>
        <source>Legende</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Selektierter Baum</source>
        <translation>Árbol seleccionado</translation>
    </message>
    <message>
        <source>Einflussbaum</source>
        <translation>Árbol con influencia</translation>
    </message>
    <message>
        <source>Baum ohne Einfluss</source>
        <translation>Árbol sin influencia</translation>
    </message>
    <message>
        <source>k-te Ordnung</source>
        <translation>k-orden</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Abrir el archivo</translation>
    </message>
    <message>
        <source>Situation aufnehmen</source>
        <translation>Registrar la situación</translation>
    </message>
    <message>
        <source>Erste Ordnung</source>
        <translation>Primero orden</translation>
    </message>
    <message>
        <source>Zweite Ordnung</source>
        <translation>Segundo orden</translation>
    </message>
    <message>
        <source>Dritte Ordnung</source>
        <translation>Tercero orden</translation>
    </message>
    <message>
        <source>Vierte Ordnung</source>
        <translation>Cuarto orden</translation>
    </message>
    <message>
        <source>Fünfte Ordnung</source>
        <translation>Quinto orden</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Baumverteilung</source>
        <translation>Distribución de árboles</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Baum</source>
        <translation>Árbol</translation>
    </message>
    <message>
        <source>  Bereit</source>
        <translation>  Listo</translation>
    </message>
    <message>
        <source> Bäume</source>
        <translation> árboles</translation>
    </message>
    <message>
        <source>Bild konnte nicht gespeichert werden:</source>
        <translation>No se pudo guardar la imagen:</translation>
    </message>
    <message>
        <source>Zonen als GeoJSON exportieren...</source>
        <translation>Exportar zonas como GeoJSON...</translation>
    </message>
    <message>
        <source>Zeichnung als SVG exportieren...</source>
        <translation>Exportar el dibujo como SVG...</translation>
    </message>
    <message>
        <source>Flächen als CSV exportieren...</source>
        <translation>Exportar áreas como CSV...</translation>
    </message>
    <message>
        <source>Einschlusszonen der gewählten Ordnung berechnen</source>
        <translation>Calcular las zonas de inclusión del orden elegido</translation>
    </message>
    <message>
        <source>Baumnummern auf der Karte zeigen</source>
        <translation>Mostrar los números de los árboles en el mapa</translation>
    </message>
    <message>
        <source>  Erste %1 von %2 Bäumen gezeigt</source>
        <translation>  Primeros %1 de %2 árboles</translation>
    </message>
    <message>
        <source>Baum %1 (k = %2): %3 m², p = %4</source>
        <translation>Árbol %1 (k = %2): %3 m², p = %4</translation>
    </message>
    <message>
        <source>Fläche der Einschlusszone des selektierten Baums und seine Einschlusswahrscheinlichkeit p (Zonenfläche / Bestandsfläche)</source>
        <translation>Área de la zona de inclusión del árbol seleccionado y su probabilidad de inclusión p (área de la zona / área del rodal)</translation>
    </message>
</context>
<context>
    <name>FileProblem</name>
    <message>
        <source>Den Ordner %1 gibt es nicht.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner, keine Datei.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>Die Datei darf nicht gelesen werden.</source>
        <translation>No hay permiso para leer el archivo.</translation>
    </message>
    <message>
        <source>In diesen Ordner darf nicht geschrieben werden.</source>
        <translation>No hay permiso para escribir en esta carpeta.</translation>
    </message>
</context>
</TS>
