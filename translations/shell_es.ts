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
</context>
</TS>
