<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ThreadsOption</name>
    <message>
        <source>--threads: „%1“ ist keine ganze Zahl von 1 bis %2.</source>
        <translation>--threads: «%1» no es un número entero de 1 a %2.</translation>
    </message>
    <message>
        <source>KAVREL_THREADS: „%1“ ist keine ganze Zahl von 1 bis %2.</source>
        <translation>KAVREL_THREADS: «%1» no es un número entero de 1 a %2.</translation>
    </message>
    <message>
        <source>Zahl der Threads (Vorgabe: KAVREL_THREADS, sonst alle Prozessoren des Prozesses)</source>
        <translation>número de hilos (por defecto: KAVREL_THREADS, si no, todos los procesadores del proceso)</translation>
    </message>
    <message>
        <source>Stichprobenoberflächen: kavrel-zones surface --help
</source>
        <translation>Superficies de muestreo: kavrel-zones surface --help
</translation>
    </message>
</context>
<context>
    <name>KavrelZones</name>
    <message>
        <source>Die Bäume lassen sich nicht auf eine Karte von %1 x %2 Pixeln legen.</source>
        <translation>No se pueden colocar los árboles en un mapa de %1 x %2 píxeles.</translation>
    </message>
    <message>
        <source>Hilfe: kavrel-zones --help</source>
        <translation>Ayuda: kavrel-zones --help</translation>
    </message>
    <message>
        <source>--order: „%1“ ist keine ganze Zahl ab 1.</source>
        <translation>--order: «%1» no es un número entero mayor o igual que 1.</translation>
    </message>
    <message>
        <source>--map: „%1“ ist keine Kartengröße WxH aus zwei ganzen Zahlen ab 1 (etwa 441x441).</source>
        <translation>--map: «%1» no es un tamaño de mapa WxH formado por dos números enteros mayores o iguales que 1 (por ejemplo 441x441).</translation>
    </message>
    <message>
        <source>--select: „%1“ ist kein Kartenpunkt X,Y aus zwei Zahlen (etwa 120.5,80).</source>
        <translation>--select: «%1» no es un punto del mapa X,Y formado por dos números (por ejemplo 120.5,80).</translation>
    </message>
    <message>
        <source>Ordnung der Einschlusszonen, eine ganze Zahl ab 1 (Vorgabe 1)</source>
        <translation>orden de las zonas de inclusión, un número entero a partir de 1 (por defecto 1)</translation>
    </message>
    <message>
        <source>Größe der Bestandskarte in Pixeln (Vorgabe 441x441)</source>
        <translation>tamaño del mapa del rodal en píxeles (por defecto 441x441)</translation>
    </message>
    <message>
        <source>wählt den nächsten Baum zum Kartenpunkt X,Y und gibt „S,N“ (sortierter Index, Baumnummer) und die Kanten seiner Zone aus</source>
        <translation>selecciona el árbol más cercano al punto del mapa X,Y y muestra «S,N» (índice ordenado, número de árbol) y los bordes de su zona</translation>
    </message>
    <message>
        <source>zeigt diese Hilfe</source>
        <translation>muestra esta ayuda</translation>
    </message>
    <message>
        <source>Unbekannte Option „%1“.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Die Option %1 nimmt keinen Wert.</source>
        <translation>La opción %1 no admite ningún valor.</translation>
    </message>
    <message>
        <source>Der Option %1 fehlt ihr Wert %2.</source>
        <translation>A la opción %1 le falta su valor %2.</translation>
    </message>
    <message>
        <source>Es fehlt die Standdatei.</source>
        <translation>Falta el archivo de rodal.</translation>
    </message>
    <message>
        <source>Nur eine Standdatei, bitte: „%1“ ist zu viel.</source>
        <translation>Solo un archivo de rodal, por favor: «%1» sobra.</translation>
    </message>
    <message>
        <source>Aufruf: kavrel-zones [--order K] [--map WxH] [--select X,Y] STANDFILE
%1
Gibt die Kantentabelle der Einschlusszonen der Ordnung K aus, eine Zeile je
Randstück: i,j,x1,y1,x2,y2 (i und j sind sortierte Baumindizes, die Punkte
Kartenkoordinaten, auf eine Nachkommastelle abgeschnitten).

Optionen:
</source>
        <translation>Uso: kavrel-zones [--order K] [--map WxH] [--select X,Y] STANDFILE
%1
Muestra la tabla de bordes de las zonas de inclusión de orden K, una línea
por tramo de borde: i,j,x1,y1,x2,y2 (i y j son índices ordenados de árboles;
los puntos, coordenadas del mapa truncadas a un decimal).

Opciones:
</translation>
    </message>
    <message>
        <source>
Exit-Status: 0 Erfolg, 1 Standdatei nicht lesbar, 2 falscher Aufruf, 3 Ausgabedatei nicht schreibbar,
130 mit Strg+C abgebrochen.
</source>
        <translation>
Estado de salida: 0 éxito, 1 archivo de rodal ilegible, 2 uso incorrecto, 3 no se puede escribir el archivo de salida,
130 interrumpido con Ctrl+C.
</translation>
    </message>
    <message>
        <source>--simulate: „%1“ ist keine Punktzahl von 1 bis %2.</source>
        <translation>--simulate: «%1» no es un número de puntos de 1 a %2.</translation>
    </message>
    <message>
        <source>--seed: „%1“ ist keine ganze Zahl von 0 bis 18446744073709551615.</source>
        <translation>--seed: «%1» no es un número entero de 0 a 18446744073709551615.</translation>
    </message>
    <message>
        <source>--grid: „%1“ ist kein Rasterabstand in Metern größer als 0.</source>
        <translation>--grid: «%1» no es una separación de malla en metros mayor que 0.</translation>
    </message>
    <message>
        <source>--diameter-unit: „%1“ ist keine der Einheiten cm, mm, m.</source>
        <translation>--diameter-unit: «%1» no es ninguna de las unidades cm, mm, m.</translation>
    </message>
    <message>
        <source>--svg: Der Name der SVG-Datei fehlt.</source>
        <translation>--svg: falta el nombre del archivo SVG.</translation>
    </message>
    <message>
        <source>gibt je Baum in Dateireihenfolge „tree,x,y,d,area,probability“ aus: Fläche seiner Einschlusszone der Ordnung K im Bestand (m²) und seine Einschlusswahrscheinlichkeit</source>
        <translation>muestra para cada árbol, en el orden del archivo, «tree,x,y,d,area,probability»: el área de su zona de inclusión de orden K dentro del rodal (m²) y su probabilidad de inclusión</translation>
    </message>
    <message>
        <source>simuliert die Stichprobe an M gleichverteilten Zufallspunkten</source>
        <translation>simula el muestreo en M puntos aleatorios con distribución uniforme</translation>
    </message>
    <message>
        <source>Startwert der Zufallspunkte von --simulate (Vorgabe 1)</source>
        <translation>semilla de los puntos aleatorios de --simulate (por defecto 1)</translation>
    </message>
    <message>
        <source>simuliert die Stichprobe an einem systematischen Raster mit SPACING Metern Abstand</source>
        <translation>simula el muestreo en una malla sistemática con una separación de SPACING metros</translation>
    </message>
    <message>
        <source>Einheit der Durchmesser in der Standdatei für die Grundfläche (Vorgabe cm)</source>
        <translation>unidad de los diámetros del archivo de rodal para el área basimétrica (por defecto cm)</translation>
    </message>
    <message>
        <source>gibt die Schätzertabelle als CSV aus</source>
        <translation>muestra la tabla de estimadores como CSV</translation>
    </message>
    <message>
        <source>gibt die Einschlusszonen der Ordnung K als GeoJSON in Bestandsmetern aus</source>
        <translation>muestra las zonas de inclusión de orden K como GeoJSON en metros del rodal</translation>
    </message>
    <message>
        <source>zeichnet Bestand, Bäume und alle Zonengrenzen der Ordnung K maßstäblich in die Datei OUT.svg</source>
        <translation>dibuja a escala el rodal, los árboles y todos los límites de zona de orden K en el archivo OUT.svg</translation>
    </message>
    <message>
        <source>--simulate und --grid schließen einander aus: Zufallspunkte oder Raster, nicht beides.</source>
        <translation>--simulate y --grid se excluyen mutuamente: puntos aleatorios o malla, no ambos.</translation>
    </message>
    <message>
        <source>Nur eine von --areas, --simulate, --grid und --geojson, bitte.</source>
        <translation>Solo una de --areas, --simulate, --grid y --geojson, por favor.</translation>
    </message>
    <message>
        <source>--select lässt sich nicht mit --areas, --simulate, --grid, --geojson oder --svg verbinden.</source>
        <translation>--select no se puede combinar con --areas, --simulate, --grid, --geojson ni --svg.</translation>
    </message>
    <message>
        <source>--seed gilt nur zusammen mit --simulate.</source>
        <translation>--seed solo es válido junto con --simulate.</translation>
    </message>
    <message>
        <source>--csv gilt nur zusammen mit --simulate oder --grid.</source>
        <translation>--csv solo es válido junto con --simulate o --grid.</translation>
    </message>
    <message>
        <source>--diameter-unit gilt nur zusammen mit --simulate oder --grid.</source>
        <translation>--diameter-unit solo es válido junto con --simulate o --grid.</translation>
    </message>
    <message>
        <source>       kavrel-zones --areas [--order K] [--map WxH] STANDFILE
       kavrel-zones --simulate M [--seed S] [--order K] [--diameter-unit cm|mm|m] [--csv] STANDFILE
       kavrel-zones --grid SPACING [--order K] [--diameter-unit cm|mm|m] [--csv] STANDFILE
       kavrel-zones --geojson [--order K] STANDFILE
       kavrel-zones --svg OUT.svg [--order K] STANDFILE
</source>
        <translation>     kavrel-zones --areas [--order K] [--map WxH] STANDFILE
     kavrel-zones --simulate M [--seed S] [--order K] [--diameter-unit cm|mm|m] [--csv] STANDFILE
     kavrel-zones --grid SPACING [--order K] [--diameter-unit cm|mm|m] [--csv] STANDFILE
     kavrel-zones --geojson [--order K] STANDFILE
     kavrel-zones --svg OUT.svg [--order K] STANDFILE
</translation>
    </message>
    <message>
        <source>Stichprobe</source>
        <translation>Muestreo</translation>
    </message>
    <message>
        <source>HT Bäume/ha</source>
        <translation>HT árboles/ha</translation>
    </message>
    <message>
        <source>HT Grundfläche m²/ha</source>
        <translation>HT área basimétrica m²/ha</translation>
    </message>
    <message>
        <source>k/(pi r_k^2) Bäume/ha</source>
        <translation>k/(pi r_k^2) árboles/ha</translation>
    </message>
    <message>
        <source>(k-1)/(pi r_k^2) Bäume/ha</source>
        <translation>(k-1)/(pi r_k^2) árboles/ha</translation>
    </message>
    <message>
        <source>Stichprobe: %1 Punkte im systematischen Raster, Abstand %2 m</source>
        <translation>Muestra: %1 puntos en una malla sistemática, separación %2 m</translation>
    </message>
    <message>
        <source>Stichprobe: %1 gleichverteilte Zufallspunkte, Startwert %2</source>
        <translation>Muestra: %1 puntos aleatorios con distribución uniforme, semilla %2</translation>
    </message>
    <message>
        <source>%1 Bäume erreichen den Bestand mit ihrer Zone nicht; der HT-Mittelwert strebt gegen den Wert ohne sie.</source>
        <translation>%1 árboles no alcanzan el rodal con su zona; la media HT tiende al valor sin ellos.</translation>
    </message>
    <message>
        <source>Weniger als k Bäume: Es gibt keinen k-nächsten Baum und damit kein r_k.</source>
        <translation>Menos de k árboles: no existe un k-ésimo árbol más cercano y, por tanto, tampoco r_k.</translation>
    </message>
    <message>
        <source>An %1 Punkten steht der k-nächste Baum genau auf dem Punkt (r_k = 0); dort sind die Schätzer mit r_k unbeschränkt.</source>
        <translation>En %1 puntos el k-ésimo árbol más cercano está exactamente sobre el punto (r_k = 0); allí los estimadores basados en r_k no están acotados.</translation>
    </message>
    <message>
        <source>(k-1)/(pi r_k^2) gibt es erst ab k = 2.</source>
        <translation>(k-1)/(pi r_k^2) solo existe a partir de k = 2.</translation>
    </message>
    <message>
        <source>Der Standardfehler des Rasters ist wie für Zufallspunkte gerechnet.</source>
        <translation>El error estándar de la malla se calcula como para puntos aleatorios.</translation>
    </message>
    <message>
        <source>Bestand %1 m x %2 m (%3 ha), %4 Bäume, Ordnung k = %5</source>
        <translation>Rodal de %1 m x %2 m (%3 ha), %4 árboles, orden k = %5</translation>
    </message>
    <message>
        <source>Bäume, die nie in die Stichprobe kommen: %1 von %2</source>
        <translation>Árboles que nunca entran en la muestra: %1 de %2</translation>
    </message>
    <message>
        <source>Schätzer</source>
        <translation>Estimador</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>wahrer Wert</source>
        <translation>Valor real</translation>
    </message>
    <message>
        <source>rel. Verzerrung</source>
        <translation>Sesgo rel.</translation>
    </message>
    <message>
        <source>Standardfehler</source>
        <translation>Error estándar</translation>
    </message>
    <message>
        <source>Die Standardausgabe lässt sich nicht schreiben.</source>
        <translation>No se puede escribir en la salida estándar.</translation>
    </message>
    <message>
        <source>Die SVG-Datei „%1“ lässt sich nicht schreiben: %2</source>
        <translation>No se puede escribir el archivo SVG «%1»: %2</translation>
    </message>
    <message>
        <source>--grid: Ein Abstand von %1 m ergibt auf %2 m x %3 m mehr als %4 Punkte.</source>
        <translation>--grid: una separación de %1 m da más de %4 puntos en %2 m x %3 m.</translation>
    </message>
    <message>
        <source>--select: „%1“ liegt außerhalb von -1000000000 bis 1000000000 Pixeln.</source>
        <translation>--select: «%1» está fuera del intervalo de -1000000000 a 1000000000 píxeles.</translation>
    </message>
    <message>
        <source>%1 lässt sich für diesen Bestand nicht endlich berechnen; sind die Durchmesser und Koordinaten in der richtigen Einheit?</source>
        <translation>%1 no se puede calcular como número finito para este rodal; ¿están los diámetros y las coordenadas en la unidad correcta?</translation>
    </message>
    <message>
        <source>Standdatei „%1“: Baum %2 hat den negativen Durchmesser %3; die Auswertungen brauchen Durchmesser ab 0.</source>
        <translation>Archivo de rodal «%1»: el árbol %2 tiene el diámetro negativo %3; las evaluaciones necesitan diámetros de 0 o más.</translation>
    </message>
    <message>
        <source>Studie</source>
        <translation>Estudio</translation>
    </message>
    <message>
        <source>Oberflächen</source>
        <translation>Superficies</translation>
    </message>
    <message>
        <source>Ordnungen k: Liste und Bereiche wie 1-10 oder 1,2,5 (Vorgabe 1)</source>
        <translation>órdenes k: listas y rangos como 1-10 o 1,2,5 (por defecto 1)</translation>
    </message>
    <message>
        <source>Zahl der Stichproben R (Vorgabe 100)</source>
        <translation>número de muestras R (por defecto 100)</translation>
    </message>
    <message>
        <source>Punkte je Stichprobe m, ab 2 (Vorgabe 20)</source>
        <translation>puntos por muestra m, al menos 2 (por defecto 20)</translation>
    </message>
    <message>
        <source>Anlage der Punkte: random, systematic oder beide mit Komma (Vorgabe random)</source>
        <translation>disposición de los puntos: random, systematic o ambos con coma (por defecto random)</translation>
    </message>
    <message>
        <source>Startwert des Zufallsgenerators (Vorgabe 1)</source>
        <translation>semilla del generador aleatorio (por defecto 1)</translation>
    </message>
    <message>
        <source>Stichprobenpunkte nur mindestens B Meter innerhalb des Bestands (Vorgabe 0)</source>
        <translation>puntos de muestreo solo a B metros o más dentro del rodal (por defecto 0)</translation>
    </message>
    <message>
        <source>der Bestand als Torus: Abstände und Zonen laufen über den Rand</source>
        <translation>el rodal como toro: distancias y zonas continúan por el borde opuesto</translation>
    </message>
    <message>
        <source>Radius des festen Probekreises in Metern (Vorgabe: im Mittel k Bäume)</source>
        <translation>radio de la parcela fija en metros (por defecto: k árboles en promedio)</translation>
    </message>
    <message>
        <source>Einheit der Durchmesser: cm, mm oder m (Vorgabe cm)</source>
        <translation>unidad de los diámetros: cm, mm o m (por defecto cm)</translation>
    </message>
    <message>
        <source>Bestandsrechteck für CSV-Stammverteilungen: W,L oder X0,Y0,X1,Y1 in Metern</source>
        <translation>rectángulo del rodal para mapas de árboles CSV: W,L o X0,Y0,X1,Y1 en metros</translation>
    </message>
    <message>
        <source>Übersicht als CSV in diese Datei statt auf die Standardausgabe</source>
        <translation>resumen en CSV en este archivo en lugar de la salida estándar</translation>
    </message>
    <message>
        <source>jede Schätzung jeder Stichprobe als CSV in diese Datei</source>
        <translation>cada estimación de cada muestra en CSV en este archivo</translation>
    </message>
    <message>
        <source>die Werte an jedem Stichprobenpunkt als CSV in diese Datei</source>
        <translation>los valores en cada punto de muestreo en CSV en este archivo</translation>
    </message>
    <message>
        <source>Simulationsstudie: R Stichproben zu je m Punkten auf jedem Bestand, für jede Ordnung k
Horvitz-Thompson aus den Einschlusszonen, k/(pi r_k^2), (k-1)/(pi r_k^2), (k-0.5)/(pi r_k^2)
und der feste Probekreis, je für Bäume/ha und Grundfläche m^2/ha. Ausgabe: eine CSV-Zeile je
Bestand, k, Anlage, Schätzer und Größe mit wahrem Wert, Mittelwert, Verzerrung, empirischem
Standardfehler, RMSE, mittlerem geschätztem Standardfehler und Überdeckung der 95-%-Intervalle.
Schätzer ohne endlichen Erwartungswert stehen dort mit NA und dem Vermerk infinite_expectation.</source>
        <translation>Estudio de simulación: R muestras de m puntos cada una en cada rodal y, para cada orden k,
Horvitz-Thompson a partir de las zonas de inclusión, k/(pi r_k^2), (k-1)/(pi r_k^2), (k-0.5)/(pi r_k^2)
y la parcela fija, cada uno para árboles/ha y área basal m^2/ha. Salida: una fila CSV por
rodal, k, diseño, estimador y magnitud con valor verdadero, media, sesgo, error estándar
empírico, RMSE, error estándar estimado medio y cobertura de los intervalos del 95 %.
Los estimadores sin esperanza finita aparecen con NA y la nota infinite_expectation.</translation>
    </message>
    <message>
        <source>--%1: „%2“ ist %3.</source>
        <translation>--%1: «%2» es %3.</translation>
    </message>
    <message>
        <source>keine Liste von Ordnungen zwischen 1 und 1000 (etwa 1-10 oder 1,2,5)</source>
        <translation>no es una lista de órdenes entre 1 y 1000 (como 1-10 o 1,2,5)</translation>
    </message>
    <message>
        <source>keine ganze Zahl von %1 bis %2</source>
        <translation>no es un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>nicht random, systematic oder beide</source>
        <translation>no es random, systematic ni ambos</translation>
    </message>
    <message>
        <source>keine Breite ab 0 Metern</source>
        <translation>no es una anchura de 0 metros o más</translation>
    </message>
    <message>
        <source>kein Radius über 0 Metern</source>
        <translation>no es un radio mayor que 0 metros</translation>
    </message>
    <message>
        <source>nicht cm, mm oder m</source>
        <translation>no es cm, mm ni m</translation>
    </message>
    <message>
        <source>kein Rechteck W,L oder X0,Y0,X1,Y1 mit positiver Fläche</source>
        <translation>no es un rectángulo W,L o X0,Y0,X1,Y1 con área positiva</translation>
    </message>
    <message>
        <source>Die Datei „%1“ lässt sich nicht schreiben: %2</source>
        <translation>No se puede escribir el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>kavrel-zones study [Optionen] STANDDATEI...</source>
        <translation>kavrel-zones study [opciones] ARCHIVO_RODAL...</translation>
    </message>
    <message>
        <source>Punktprozess: poisson, thomas, matern-cluster, ssi oder matern-hardcore (Vorgabe poisson)</source>
        <translation>proceso de puntos: poisson, thomas, matern-cluster, ssi o matern-hardcore (por defecto poisson)</translation>
    </message>
    <message>
        <source>Breite und Länge des Bestands in ganzen Metern (Vorgabe 100,100)</source>
        <translation>anchura y longitud del rodal en metros enteros (por defecto 100,100)</translation>
    </message>
    <message>
        <source>Bäume je Hektar im Mittel (Vorgabe 400)</source>
        <translation>árboles por hectárea en promedio (por defecto 400)</translation>
    </message>
    <message>
        <source>poisson: genau N Bäume, gleichverteilt</source>
        <translation>poisson: exactamente N árboles, distribuidos uniformemente</translation>
    </message>
    <message>
        <source>Cluster je Hektar (thomas, matern-cluster; Vorgabe 20)</source>
        <translation>conglomerados por hectárea (thomas, matern-cluster; por defecto 20)</translation>
    </message>
    <message>
        <source>thomas: Standardabweichung, matern-cluster: Radius der Cluster in Metern (Vorgabe 5)</source>
        <translation>thomas: desviación estándar, matern-cluster: radio de los conglomerados en metros (por defecto 5)</translation>
    </message>
    <message>
        <source>ssi, matern-hardcore: kein Baumpaar näher als R Meter (Vorgabe 2)</source>
        <translation>ssi, matern-hardcore: ningún par de árboles a menos de R metros (por defecto 2)</translation>
    </message>
    <message>
        <source>Durchmesser in cm: constant:D, uniform:MIN,MAX, normal:MITTEL,SD oder weibull:FORM,SKALA (Vorgabe weibull:2.5,30)</source>
        <translation>diámetros en cm: constant:D, uniform:MIN,MAX, normal:MEDIA,DE o weibull:FORMA,ESCALA (por defecto weibull:2.5,30)</translation>
    </message>
    <message>
        <source>Schreibt eine Standdatei aus einem Punktprozess: homogener Poisson-Prozess, Thomas- oder
Matérn-Clusterprozess, einfache sequentielle Inhibition (ssi) oder Matérns Hard-Core-Prozess.
Die Parameter stehen in DATEI.json daneben, so lässt sich der Bestand zurückverfolgen.</source>
        <translation>Escribe un archivo de rodal a partir de un proceso de puntos: Poisson homogéneo, proceso de
conglomerados de Thomas o Matérn, inhibición secuencial simple (ssi) o proceso de núcleo duro de Matérn.
Los parámetros van a ARCHIVO.json al lado, para poder rastrear el rodal.</translation>
    </message>
    <message>
        <source>keine Zahl ab 0</source>
        <translation>no es un número de 0 o más</translation>
    </message>
    <message>
        <source>nicht poisson, thomas, matern-cluster, ssi oder matern-hardcore</source>
        <translation>no es poisson, thomas, matern-cluster, ssi ni matern-hardcore</translation>
    </message>
    <message>
        <source>keine Größe W,L aus zwei ganzen Zahlen ab 1</source>
        <translation>no es un tamaño W,L de dos números enteros desde 1</translation>
    </message>
    <message>
        <source>nur beim Poisson-Prozess eine ganze Zahl von 0 bis 50000000</source>
        <translation>un número entero de 0 a 50000000, solo para el proceso de Poisson</translation>
    </message>
    <message>
        <source>keine Verteilung wie constant:30, uniform:10,50, normal:30,8 oder weibull:2.5,30</source>
        <translation>no es una distribución como constant:30, uniform:10,50, normal:30,8 o weibull:2.5,30</translation>
    </message>
    <message>
        <source>keine ganze Zahl ab 0</source>
        <translation>no es un número entero de 0 o más</translation>
    </message>
    <message>
        <source>Es fehlt die Ausgabedatei.</source>
        <translation>Falta el archivo de salida.</translation>
    </message>
    <message>
        <source>Nur eine Ausgabedatei, bitte: „%1“ ist zu viel.</source>
        <translation>Solo un archivo de salida, por favor: «%1» sobra.</translation>
    </message>
    <message>
        <source>kavrel-zones generate [Optionen] DATEI</source>
        <translation>kavrel-zones generate [opciones] ARCHIVO</translation>
    </message>
    <message>
        <source>%1 Bäume geschrieben.</source>
        <translation>%1 árboles escritos.</translation>
    </message>
    <message>
        <source>Hilfe: kavrel-zones %1 --help</source>
        <translation>Ayuda: kavrel-zones %1 --help</translation>
    </message>
    <message>
        <source>Aufruf: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>
Simulationsstudien: kavrel-zones study --help
Bestände aus Punktprozessen: kavrel-zones generate --help
</source>
        <translation>
Estudios de simulación: kavrel-zones study --help
Rodales a partir de procesos de puntos: kavrel-zones generate --help
</translation>
    </message>
    <message>
        <source>Bestandsrechteck einer CSV-Stammkarte: [0, W] x [0, L] oder [X0, X1] x [Y0, Y1] in Metern</source>
        <translation>rectángulo del rodal de un mapa de árboles CSV: [0, W] x [0, L] o [X0, X1] x [Y0, Y1] en metros</translation>
    </message>
    <message>
        <source>--stand: „%1“ ist weder W,L noch X0,Y0,X1,Y1 in Metern mit positiver Breite und Länge (etwa 100,80 oder 2500,1200,2600,1280).</source>
        <translation>--stand: «%1» no es W,L ni X0,Y0,X1,Y1 en metros con anchura y longitud positivas (p. ej. 100,80 o 2500,1200,2600,1280).</translation>
    </message>
    <message>
        <source>--stand gilt nur zusammen mit --areas, --simulate, --grid, --geojson oder --svg.</source>
        <translation>--stand solo vale junto con --areas, --simulate, --grid, --geojson o --svg.</translation>
    </message>
    <message>
        <source>       kavrel-zones --areas|--simulate M|--grid SPACING|--geojson|--svg OUT.svg ... --stand W,L|X0,Y0,X1,Y1 STEMMAP.csv
</source>
        <translation>       kavrel-zones --areas|--simulate M|--grid SPACING|--geojson|--svg OUT.svg ... --stand W,L|X0,Y0,X1,Y1 STEMMAP.csv
</translation>
    </message>
    <message>
        <source>Zonenflächen</source>
        <translation>Áreas de las zonas</translation>
    </message>
    <message>
        <source>Einschlusszonen</source>
        <translation>Zonas de inclusión</translation>
    </message>
    <message>
        <source>Die Standdatei „%1“ nennt %2 Bäume; die Kantentabelle nimmt wie das Programm nur die ersten %3. --areas, --simulate, --grid, --geojson und --svg nehmen alle.</source>
        <translation>El archivo de rodal «%1» indica %2 árboles; como el programa, la tabla de aristas toma solo los %3 primeros. --areas, --simulate, --grid, --geojson y --svg los toman todos.</translation>
    </message>
    <message>
        <source>abgebrochen, keine Datei geschrieben.</source>
        <translation>interrumpido, no se ha escrito ningún archivo.</translation>
    </message>
    <message>
        <source>Ordnung k der k-Baum-Stichprobe (Vorgabe 1)</source>
        <translation>orden k del muestreo de k árboles (por defecto 1)</translation>
    </message>
    <message>
        <source>Abstand der Gitterpunkte in Metern (nötig)</source>
        <translation>separación de los puntos de la cuadrícula en metros (obligatoria)</translation>
    </message>
    <message>
        <source>Winkelzählprobe mit Zählfaktor F in m^2/ha; mehrere mit Komma oder wiederholt</source>
        <translation>muestreo por conteo angular con factor de área basal F en m^2/ha; varios con comas o repetido</translation>
    </message>
    <message>
        <source>konzentrische Probekreise: Radius R in m für Bäume ab D cm, etwa 6:0,12:30</source>
        <translation>parcelas concéntricas: radio R en m para árboles desde D cm, p. ej. 6:0,12:30</translation>
    </message>
    <message>
        <source>Randkorrektur der Kreisverfahren: none, clip, walkthrough oder mirage (Vorgabe clip)</source>
        <translation>corrección de borde de los diseños circulares: none, clip, walkthrough o mirage (por defecto clip)</translation>
    </message>
    <message>
        <source>jede Oberfläche als ESRI-ASCII-Gitter PREFIX_&lt;Verfahren&gt;_&lt;Größe&gt;.asc</source>
        <translation>cada superficie como cuadrícula ESRI ASCII PREFIX_&lt;diseño&gt;_&lt;magnitud&gt;.asc</translation>
    </message>
    <message>
        <source>Bild der Oberflächen als PNG</source>
        <translation>imagen de las superficies en PNG</translation>
    </message>
    <message>
        <source>Bild der Oberflächen als SVG</source>
        <translation>imagen de las superficies en SVG</translation>
    </message>
    <message>
        <source>Es fehlt --spacing, der Abstand der Gitterpunkte.</source>
        <translation>Falta --spacing, la separación de los puntos de la cuadrícula.</translation>
    </message>
    <message>
        <source>kein Abstand über 0 Metern</source>
        <translation>no es una separación de más de 0 metros</translation>
    </message>
    <message>
        <source>kein Zählfaktor über 0 m^2/ha</source>
        <translation>no es un factor de área basal de más de 0 m^2/ha</translation>
    </message>
    <message>
        <source>keine Liste R:D aus Radius über 0 m und Durchmesser ab 0 cm</source>
        <translation>no es una lista R:D de radios de más de 0 m y diámetros desde 0 cm</translation>
    </message>
    <message>
        <source>nicht none, clip, walkthrough oder mirage</source>
        <translation>no es none, clip, walkthrough ni mirage</translation>
    </message>
    <message>
        <source>Nur eine Standdatei, bitte.</source>
        <translation>Solo un archivo de rodal, por favor.</translation>
    </message>
    <message>
        <source>kavrel-zones surface [Optionen] --spacing S STANDDATEI</source>
        <translation>kavrel-zones surface [opciones] --spacing S ARCHIVO_DE_RODAL</translation>
    </message>
    <message>
        <source>Standdatei „%1“: Baum %2 hat den negativen Durchmesser %3.</source>
        <translation>Archivo de rodal «%1»: el árbol %2 tiene el diámetro negativo %3.</translation>
    </message>
    <message>
        <source>Verzerrung, RMSE und Überdeckung gegen k als SVG-Bild in diese Datei</source>
        <translation>sesgo, RMSE y cobertura frente a k como imagen SVG en este archivo</translation>
    </message>
    <message>
        <source>Stichprobenoberflächen: der Schätzwert jedes Verfahrens (k-Baum-Stichprobe mit Horvitz-Thompson,
fester Probekreis, Winkelzählprobe, konzentrische Probekreise) an jedem Punkt eines Gitters über dem
Bestand. Ausgabe: eine CSV-Zeile je Verfahren und Größe mit wahrem Wert, Mittel der Oberfläche und
Standardabweichung eines einzelnen Punkts.</source>
        <translation>Superficies de muestreo: la estimación de cada diseño (muestreo de k árboles con Horvitz-Thompson,
parcela fija, conteo angular, parcelas concéntricas) en cada punto de una cuadrícula sobre el rodal.
Salida: una línea CSV por diseño y magnitud con el valor verdadero, la media de la superficie y la
desviación típica de un solo punto.</translation>
    </message>
    <message>
        <source>%1 Bäume der Datei „%2“ stehen außerhalb des Bestandsrechtecks; der Torus legt sie in den Bestand.</source>
        <translation>%1 árboles del archivo «%2» están fuera del rectángulo del rodal; el toro los lleva dentro del rodal.</translation>
    </message>
    <message>
        <source>%1 Bäume der Datei „%2“ stehen außerhalb des Bestandsrechtecks; sie zählen nur als Nachbarn, nicht zum wahren Wert.</source>
        <translation>%1 árboles del archivo «%2» están fuera del rectángulo del rodal; cuentan solo como vecinos, no en el valor verdadero.</translation>
    </message>
    <message>
        <source>--count und --intensity schließen einander aus: genau N Bäume oder N Bäume je Hektar im Mittel.</source>
        <translation>--count y --intensity se excluyen: exactamente N árboles, o N árboles por hectárea en promedio.</translation>
    </message>
    <message>
        <source>Randkorrekturen der Kreisverfahren, Liste aus none, clip, walkthrough, mirage (Vorgabe clip)</source>
        <translation>correcciones de borde de los diseños circulares, lista de none, clip, walkthrough, mirage (por defecto clip)</translation>
    </message>
    <message>
        <source>keine Liste aus none, clip, walkthrough und mirage, jede einmal</source>
        <translation>no es una lista de none, clip, walkthrough y mirage, cada una una vez</translation>
    </message>
</context>
<context>
    <name>StemMapCsv</name>
    <message>
        <source>Die Spalte steht zweimal in der Kopfzeile.</source>
        <translation>La columna aparece dos veces en la fila de encabezado.</translation>
    </message>
    <message>
        <source>Die Kopfzeile nennt diese Spalte nicht (sie braucht x, y und d).</source>
        <translation>La fila de encabezado no nombra esta columna (necesita x, y y d).</translation>
    </message>
    <message>
        <source>Zahl mit Dezimalkomma erwartet, gefunden %1.</source>
        <translation>se esperaba un número con coma decimal, hay %1.</translation>
    </message>
    <message>
        <source>Zahl mit Dezimalpunkt erwartet, gefunden %1.</source>
        <translation>se esperaba un número con punto decimal, hay %1.</translation>
    </message>
    <message>
        <source>Zahl von -1000000000 bis 1000000000 erwartet, gefunden %1.</source>
        <translation>se esperaba un número de -1000000000 a 1000000000, hay %1.</translation>
    </message>
    <message>
        <source>Zahl von -1000000000 bis 1000000000 Metern erwartet, gefunden %1.</source>
        <translation>se esperaba un número de -1000000000 a 1000000000 metros, hay %1.</translation>
    </message>
    <message>
        <source>Stammkarte „%1“, Zeile %2: %3</source>
        <translation>Mapa de árboles «%1», línea %2: %3</translation>
    </message>
    <message>
        <source>Stammkarte „%1“, Zeile %2, Spalte „%3“: %4</source>
        <translation>Mapa de árboles «%1», línea %2, columna «%3»: %4</translation>
    </message>
    <message>
        <source>--stand gilt nur für CSV-Stammkarten; die Standdatei „%1“ nennt ihr Bestandsrechteck selbst.</source>
        <translation>--stand solo vale para mapas de árboles CSV; el archivo de rodal «%1» indica su propio rectángulo.</translation>
    </message>
    <message>
        <source>Die Stammkarte „%1“ braucht das Bestandsrechteck: --stand W,L oder --stand X0,Y0,X1,Y1.</source>
        <translation>El mapa de árboles «%1» necesita el rectángulo del rodal: --stand W,L o --stand X0,Y0,X1,Y1.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>%1 Werte gefunden, %2 erwartet wie in der Kopfzeile.</source>
        <translation>Hay %1 valores, se esperaban %2 como en la cabecera.</translation>
    </message>
    <message>
        <source>Schreibt die Datei Dezimalkommas? Dann müssen Semikolons die Werte trennen.</source>
        <translation>¿Usa el archivo comas decimales? Entonces los valores deben separarse con punto y coma.</translation>
    </message>
</context>
</TS>
