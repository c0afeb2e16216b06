<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ThreadsOption</name>
    <message>
        <source>--threads: „%1“ ist keine ganze Zahl von 1 bis %2.</source>
        <translation>--threads: "%1" is not a whole number from 1 to %2.</translation>
    </message>
    <message>
        <source>KAVREL_THREADS: „%1“ ist keine ganze Zahl von 1 bis %2.</source>
        <translation>KAVREL_THREADS: "%1" is not a whole number from 1 to %2.</translation>
    </message>
    <message>
        <source>Zahl der Threads (Vorgabe: KAVREL_THREADS, sonst alle Prozessoren des Prozesses)</source>
        <translation>number of threads (default: KAVREL_THREADS, otherwise every processor the process may use)</translation>
    </message>
    <message>
        <source>Stichprobenoberflächen: kavrel-zones surface --help
</source>
        <translation>Sampling surfaces: kavrel-zones surface --help
</translation>
    </message>
</context>
<context>
    <name>KavrelZones</name>
    <message>
        <source>Die Bäume lassen sich nicht auf eine Karte von %1 x %2 Pixeln legen.</source>
        <translation>The trees cannot be placed on a map of %1 x %2 pixels.</translation>
    </message>
    <message>
        <source>Hilfe: kavrel-zones --help</source>
        <translation>Help: kavrel-zones --help</translation>
    </message>
    <message>
        <source>--order: „%1“ ist keine ganze Zahl ab 1.</source>
        <translation>--order: “%1” is not a whole number of at least 1.</translation>
    </message>
    <message>
        <source>--map: „%1“ ist keine Kartengröße WxH aus zwei ganzen Zahlen ab 1 (etwa 441x441).</source>
        <translation>--map: “%1” is not a map size WxH of two whole numbers of at least 1 (such as 441x441).</translation>
    </message>
    <message>
        <source>--select: „%1“ ist kein Kartenpunkt X,Y aus zwei Zahlen (etwa 120.5,80).</source>
        <translation>--select: “%1” is not a map point X,Y of two numbers (such as 120.5,80).</translation>
    </message>
    <message>
        <source>Ordnung der Einschlusszonen, eine ganze Zahl ab 1 (Vorgabe 1)</source>
        <translation>order of the inclusion zones, a whole number of at least 1 (default 1)</translation>
    </message>
    <message>
        <source>Größe der Bestandskarte in Pixeln (Vorgabe 441x441)</source>
        <translation>size of the stand map in pixels (default 441x441)</translation>
    </message>
    <message>
        <source>wählt den nächsten Baum zum Kartenpunkt X,Y und gibt „S,N“ (sortierter Index, Baumnummer) und die Kanten seiner Zone aus</source>
        <translation>selects the tree nearest to the map point X,Y and prints “S,N” (sorted index, tree number) and the edges of its zone</translation>
    </message>
    <message>
        <source>zeigt diese Hilfe</source>
        <translation>shows this help</translation>
    </message>
    <message>
        <source>Unbekannte Option „%1“.</source>
        <translation>Unknown option “%1”.</translation>
    </message>
    <message>
        <source>Die Option %1 nimmt keinen Wert.</source>
        <translation>The option %1 takes no value.</translation>
    </message>
    <message>
        <source>Der Option %1 fehlt ihr Wert %2.</source>
        <translation>The option %1 lacks its value %2.</translation>
    </message>
    <message>
        <source>Es fehlt die Standdatei.</source>
        <translation>The stand file is missing.</translation>
    </message>
    <message>
        <source>Nur eine Standdatei, bitte: „%1“ ist zu viel.</source>
        <translation>Only one stand file, please: “%1” is one too many.</translation>
    </message>
    <message>
        <source>Aufruf: kavrel-zones [--order K] [--map WxH] [--select X,Y] STANDFILE
%1
Gibt die Kantentabelle der Einschlusszonen der Ordnung K aus, eine Zeile je
Randstück: i,j,x1,y1,x2,y2 (i und j sind sortierte Baumindizes, die Punkte
Kartenkoordinaten, auf eine Nachkommastelle abgeschnitten).

Optionen:
</source>
        <translation>Usage: kavrel-zones [--order K] [--map WxH] [--select X,Y] STANDFILE
%1
Prints the edge table of the inclusion zones of order K, one line per
boundary piece: i,j,x1,y1,x2,y2 (i and j are sorted tree indices, the points
map coordinates truncated to one decimal place).

Options:
</translation>
    </message>
    <message>
        <source>
Exit-Status: 0 Erfolg, 1 Standdatei nicht lesbar, 2 falscher Aufruf, 3 Ausgabedatei nicht schreibbar,
130 mit Strg+C abgebrochen.
</source>
        <translation>
Exit status: 0 success, 1 stand file unreadable, 2 wrong usage, 3 output file not writable,
130 interrupted with Ctrl+C.
</translation>
    </message>
    <message>
        <source>--simulate: „%1“ ist keine Punktzahl von 1 bis %2.</source>
        <translation>--simulate: “%1” is not a number of points from 1 to %2.</translation>
    </message>
    <message>
        <source>--seed: „%1“ ist keine ganze Zahl von 0 bis 18446744073709551615.</source>
        <translation>--seed: “%1” is not a whole number from 0 to 18446744073709551615.</translation>
    </message>
    <message>
        <source>--grid: „%1“ ist kein Rasterabstand in Metern größer als 0.</source>
        <translation>--grid: “%1” is not a grid spacing in metres greater than 0.</translation>
    </message>
    <message>
        <source>--diameter-unit: „%1“ ist keine der Einheiten cm, mm, m.</source>
        <translation>--diameter-unit: “%1” is none of the units cm, mm, m.</translation>
    </message>
    <message>
        <source>--svg: Der Name der SVG-Datei fehlt.</source>
        <translation>--svg: the name of the SVG file is missing.</translation>
    </message>
    <message>
        <source>gibt je Baum in Dateireihenfolge „tree,x,y,d,area,probability“ aus: Fläche seiner Einschlusszone der Ordnung K im Bestand (m²) und seine Einschlusswahrscheinlichkeit</source>
        <translation>prints for each tree in file order “tree,x,y,d,area,probability”: the area of its inclusion zone of order K within the stand (m²) and its inclusion probability</translation>
    </message>
    <message>
        <source>simuliert die Stichprobe an M gleichverteilten Zufallspunkten</source>
        <translation>simulates the sampling at M uniformly distributed random points</translation>
    </message>
    <message>
        <source>Startwert der Zufallspunkte von --simulate (Vorgabe 1)</source>
        <translation>seed of the random points of --simulate (default 1)</translation>
    </message>
    <message>
        <source>simuliert die Stichprobe an einem systematischen Raster mit SPACING Metern Abstand</source>
        <translation>simulates the sampling on a systematic grid with a spacing of SPACING metres</translation>
    </message>
    <message>
        <source>Einheit der Durchmesser in der Standdatei für die Grundfläche (Vorgabe cm)</source>
        <translation>unit of the diameters in the stand file, for the basal area (default cm)</translation>
    </message>
    <message>
        <source>gibt die Schätzertabelle als CSV aus</source>
        <translation>prints the table of estimators as CSV</translation>
    </message>
    <message>
        <source>gibt die Einschlusszonen der Ordnung K als GeoJSON in Bestandsmetern aus</source>
        <translation>prints the inclusion zones of order K as GeoJSON in stand metres</translation>
    </message>
    <message>
        <source>zeichnet Bestand, Bäume und alle Zonengrenzen der Ordnung K maßstäblich in die Datei OUT.svg</source>
        <translation>draws the stand, the trees and all zone boundaries of order K to scale into the file OUT.svg</translation>
    </message>
    <message>
        <source>--simulate und --grid schließen einander aus: Zufallspunkte oder Raster, nicht beides.</source>
        <translation>--simulate and --grid exclude each other: random points or a grid, not both.</translation>
    </message>
    <message>
        <source>Nur eine von --areas, --simulate, --grid und --geojson, bitte.</source>
        <translation>Only one of --areas, --simulate, --grid and --geojson, please.</translation>
    </message>
    <message>
        <source>--select lässt sich nicht mit --areas, --simulate, --grid, --geojson oder --svg verbinden.</source>
        <translation>--select cannot be combined with --areas, --simulate, --grid, --geojson or --svg.</translation>
    </message>
    <message>
        <source>--seed gilt nur zusammen mit --simulate.</source>
        <translation>--seed only applies together with --simulate.</translation>
    </message>
    <message>
        <source>--csv gilt nur zusammen mit --simulate oder --grid.</source>
        <translation>--csv only applies together with --simulate or --grid.</translation>
    </message>
    <message>
        <source>--diameter-unit gilt nur zusammen mit --simulate oder --grid.</source>
        <translation>--diameter-unit only applies together with --simulate or --grid.</translation>
    </message>
    <message>
        <source>       kavrel-zones --areas [--order K] [--map WxH] STANDFILE
       kavrel-zones --simulate M [--seed S] [--order K] [--diameter-unit cm|mm|m] [--csv] STANDFILE
       kavrel-zones --grid SPACING [--order K] [--diameter-unit cm|mm|m] [--csv] STANDFILE
       kavrel-zones --geojson [--order K] STANDFILE
       kavrel-zones --svg OUT.svg [--order K] STANDFILE
</source>
        <translation>       kavrel-zones --areas [--order K] [--map WxH] STANDFILE
       kavrel-zones --simulate M [--seed S] [--order K] [--diameter-unit cm|mm|m] [--csv] STANDFILE
       kavrel-zones --grid SPACING [--order K] [--diameter-unit cm|mm|m] [--csv] STANDFILE
       kavrel-zones --geojson [--order K] STANDFILE
       kavrel-zones --svg OUT.svg [--order K] STANDFILE
</translation>
    </message>
    <message>
        <source>Stichprobe</source>
        <translation>Sampling</translation>
    </message>
    <message>
        <source>HT Bäume/ha</source>
        <translation>HT trees/ha</translation>
    </message>
    <message>
        <source>HT Grundfläche m²/ha</source>
        <translation>HT basal area m²/ha</translation>
    </message>
    <message>
        <source>k/(pi r_k^2) Bäume/ha</source>
        <translation>k/(pi r_k^2) trees/ha</translation>
    </message>
    <message>
        <source>(k-1)/(pi r_k^2) Bäume/ha</source>
        <translation>(k-1)/(pi r_k^2) trees/ha</translation>
    </message>
    <message>
        <source>Stichprobe: %1 Punkte im systematischen Raster, Abstand %2 m</source>
        <translation>Sample: %1 points on a systematic grid, spacing %2 m</translation>
    </message>
    <message>
        <source>Stichprobe: %1 gleichverteilte Zufallspunkte, Startwert %2</source>
        <translation>Sample: %1 uniformly distributed random points, seed %2</translation>
    </message>
    <message>
        <source>%1 Bäume erreichen den Bestand mit ihrer Zone nicht; der HT-Mittelwert strebt gegen den Wert ohne sie.</source>
        <translation>%1 trees do not reach the stand with their zone; the HT mean tends to the value without them.</translation>
    </message>
    <message>
        <source>Weniger als k Bäume: Es gibt keinen k-nächsten Baum und damit kein r_k.</source>
        <translation>Fewer than k trees: there is no k-th nearest tree and hence no r_k.</translation>
    </message>
    <message>
        <source>An %1 Punkten steht der k-nächste Baum genau auf dem Punkt (r_k = 0); dort sind die Schätzer mit r_k unbeschränkt.</source>
        <translation>At %1 points the k-th nearest tree stands exactly on the point (r_k = 0); there the estimators built on r_k are unbounded.</translation>
    </message>
    <message>
        <source>(k-1)/(pi r_k^2) gibt es erst ab k = 2.</source>
        <translation>(k-1)/(pi r_k^2) exists only from k = 2 on.</translation>
    </message>
    <message>
        <source>Der Standardfehler des Rasters ist wie für Zufallspunkte gerechnet.</source>
        <translation>The standard error of the grid is computed as for random points.</translation>
    </message>
    <message>
        <source>Bestand %1 m x %2 m (%3 ha), %4 Bäume, Ordnung k = %5</source>
        <translation>Stand %1 m x %2 m (%3 ha), %4 trees, order k = %5</translation>
    </message>
    <message>
        <source>Bäume, die nie in die Stichprobe kommen: %1 von %2</source>
        <translation>Trees that can never be sampled: %1 of %2</translation>
    </message>
    <message>
        <source>Schätzer</source>
        <translation>Estimator</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>wahrer Wert</source>
        <translation>True value</translation>
    </message>
    <message>
        <source>rel. Verzerrung</source>
        <translation>Rel. bias</translation>
    </message>
    <message>
        <source>Standardfehler</source>
        <translation>Standard error</translation>
    </message>
    <message>
        <source>Die Standardausgabe lässt sich nicht schreiben.</source>
        <translation>Standard output cannot be written.</translation>
    </message>
    <message>
        <source>Die SVG-Datei „%1“ lässt sich nicht schreiben: %2</source>
        <translation>The SVG file “%1” cannot be written: %2</translation>
    </message>
    <message>
        <source>--grid: Ein Abstand von %1 m ergibt auf %2 m x %3 m mehr als %4 Punkte.</source>
        <translation>--grid: a spacing of %1 m gives more than %4 points on %2 m x %3 m.</translation>
    </message>
    <message>
        <source>--select: „%1“ liegt außerhalb von -1000000000 bis 1000000000 Pixeln.</source>
        <translation>--select: “%1” lies outside -1000000000 to 1000000000 pixels.</translation>
    </message>
    <message>
        <source>%1 lässt sich für diesen Bestand nicht endlich berechnen; sind die Durchmesser und Koordinaten in der richtigen Einheit?</source>
        <translation>%1 cannot be computed as a finite number for this stand; are the diameters and coordinates in the right unit?</translation>
    </message>
    <message>
        <source>Standdatei „%1“: Baum %2 hat den negativen Durchmesser %3; die Auswertungen brauchen Durchmesser ab 0.</source>
        <translation>Stand file “%1”: tree %2 has the negative diameter %3; the evaluations need diameters of 0 or more.</translation>
    </message>
    <message>
        <source>Studie</source>
        <translation>Study</translation>
    </message>
    <message>
        <source>Oberflächen</source>
        <translation>Surfaces</translation>
    </message>
    <message>
        <source>Ordnungen k: Liste und Bereiche wie 1-10 oder 1,2,5 (Vorgabe 1)</source>
        <translation>orders k: lists and ranges such as 1-10 or 1,2,5 (default 1)</translation>
    </message>
    <message>
        <source>Zahl der Stichproben R (Vorgabe 100)</source>
        <translation>number of samples R (default 100)</translation>
    </message>
    <message>
        <source>Punkte je Stichprobe m, ab 2 (Vorgabe 20)</source>
        <translation>points per sample m, at least 2 (default 20)</translation>
    </message>
    <message>
        <source>Anlage der Punkte: random, systematic oder beide mit Komma (Vorgabe random)</source>
        <translation>layout of the points: random, systematic or both with a comma (default random)</translation>
    </message>
    <message>
        <source>Startwert des Zufallsgenerators (Vorgabe 1)</source>
        <translation>seed of the random number generator (default 1)</translation>
    </message>
    <message>
        <source>Stichprobenpunkte nur mindestens B Meter innerhalb des Bestands (Vorgabe 0)</source>
        <translation>sample points only at least B metres inside the stand (default 0)</translation>
    </message>
    <message>
        <source>der Bestand als Torus: Abstände und Zonen laufen über den Rand</source>
        <translation>the stand as a torus: distances and zones wrap around its edges</translation>
    </message>
    <message>
        <source>Radius des festen Probekreises in Metern (Vorgabe: im Mittel k Bäume)</source>
        <translation>radius of the fixed-area plot in metres (default: k trees on average)</translation>
    </message>
    <message>
        <source>Einheit der Durchmesser: cm, mm oder m (Vorgabe cm)</source>
        <translation>unit of the diameters: cm, mm or m (default cm)</translation>
    </message>
    <message>
        <source>Bestandsrechteck für CSV-Stammverteilungen: W,L oder X0,Y0,X1,Y1 in Metern</source>
        <translation>stand rectangle for CSV stem maps: W,L or X0,Y0,X1,Y1 in metres</translation>
    </message>
    <message>
        <source>Übersicht als CSV in diese Datei statt auf die Standardausgabe</source>
        <translation>summary as CSV into this file instead of standard output</translation>
    </message>
    <message>
        <source>jede Schätzung jeder Stichprobe als CSV in diese Datei</source>
        <translation>every estimate of every sample as CSV into this file</translation>
    </message>
    <message>
        <source>die Werte an jedem Stichprobenpunkt als CSV in diese Datei</source>
        <translation>the values at every sample point as CSV into this file</translation>
    </message>
    <message>
        <source>Simulationsstudie: R Stichproben zu je m Punkten auf jedem Bestand, für jede Ordnung k
Horvitz-Thompson aus den Einschlusszonen, k/(pi r_k^2), (k-1)/(pi r_k^2), (k-0.5)/(pi r_k^2)
und der feste Probekreis, je für Bäume/ha und Grundfläche m^2/ha. Ausgabe: eine CSV-Zeile je
Bestand, k, Anlage, Schätzer und Größe mit wahrem Wert, Mittelwert, Verzerrung, empirischem
Standardfehler, RMSE, mittlerem geschätztem Standardfehler und Überdeckung der 95-%-Intervalle.
Schätzer ohne endlichen Erwartungswert stehen dort mit NA und dem Vermerk infinite_expectation.</source>
        <translation>Simulation study: R samples of m points each on every stand and, for every order k,
Horvitz-Thompson from the inclusion zones, k/(pi r_k^2), (k-1)/(pi r_k^2), (k-0.5)/(pi r_k^2)
and the fixed-area plot, each for trees/ha and basal area m^2/ha. Output: one CSV row per
stand, k, design, estimator and quantity with true value, mean, bias, empirical standard
error, RMSE, mean estimated standard error and coverage of the 95 % intervals.
Estimators without a finite expectation show NA there and the note infinite_expectation.</translation>
    </message>
    <message>
        <source>--%1: „%2“ ist %3.</source>
        <translation>--%1: “%2” is %3.</translation>
    </message>
    <message>
        <source>keine Liste von Ordnungen zwischen 1 und 1000 (etwa 1-10 oder 1,2,5)</source>
        <translation>not a list of orders between 1 and 1000 (such as 1-10 or 1,2,5)</translation>
    </message>
    <message>
        <source>keine ganze Zahl von %1 bis %2</source>
        <translation>not a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>nicht random, systematic oder beide</source>
        <translation>not random, systematic or both</translation>
    </message>
    <message>
        <source>keine Breite ab 0 Metern</source>
        <translation>not a width of 0 metres or more</translation>
    </message>
    <message>
        <source>kein Radius über 0 Metern</source>
        <translation>not a radius above 0 metres</translation>
    </message>
    <message>
        <source>nicht cm, mm oder m</source>
        <translation>not cm, mm or m</translation>
    </message>
    <message>
        <source>kein Rechteck W,L oder X0,Y0,X1,Y1 mit positiver Fläche</source>
        <translation>not a rectangle W,L or X0,Y0,X1,Y1 with a positive area</translation>
    </message>
    <message>
        <source>Die Datei „%1“ lässt sich nicht schreiben: %2</source>
        <translation>The file “%1” cannot be written: %2</translation>
    </message>
    <message>
        <source>kavrel-zones study [Optionen] STANDDATEI...</source>
        <translation>kavrel-zones study [options] STANDFILE...</translation>
    </message>
    <message>
        <source>Punktprozess: poisson, thomas, matern-cluster, ssi oder matern-hardcore (Vorgabe poisson)</source>
        <translation>point process: poisson, thomas, matern-cluster, ssi or matern-hardcore (default poisson)</translation>
    </message>
    <message>
        <source>Breite und Länge des Bestands in ganzen Metern (Vorgabe 100,100)</source>
        <translation>width and length of the stand in whole metres (default 100,100)</translation>
    </message>
    <message>
        <source>Bäume je Hektar im Mittel (Vorgabe 400)</source>
        <translation>trees per hectare on average (default 400)</translation>
    </message>
    <message>
        <source>poisson: genau N Bäume, gleichverteilt</source>
        <translation>poisson: exactly N trees, uniformly placed</translation>
    </message>
    <message>
        <source>Cluster je Hektar (thomas, matern-cluster; Vorgabe 20)</source>
        <translation>clusters per hectare (thomas, matern-cluster; default 20)</translation>
    </message>
    <message>
        <source>thomas: Standardabweichung, matern-cluster: Radius der Cluster in Metern (Vorgabe 5)</source>
        <translation>thomas: standard deviation, matern-cluster: radius of the clusters in metres (default 5)</translation>
    </message>
    <message>
        <source>ssi, matern-hardcore: kein Baumpaar näher als R Meter (Vorgabe 2)</source>
        <translation>ssi, matern-hardcore: no two trees nearer than R metres (default 2)</translation>
    </message>
    <message>
        <source>Durchmesser in cm: constant:D, uniform:MIN,MAX, normal:MITTEL,SD oder weibull:FORM,SKALA (Vorgabe weibull:2.5,30)</source>
        <translation>diameters in cm: constant:D, uniform:MIN,MAX, normal:MEAN,SD or weibull:SHAPE,SCALE (default weibull:2.5,30)</translation>
    </message>
    <message>
        <source>Schreibt eine Standdatei aus einem Punktprozess: homogener Poisson-Prozess, Thomas- oder
Matérn-Clusterprozess, einfache sequentielle Inhibition (ssi) oder Matérns Hard-Core-Prozess.
Die Parameter stehen in DATEI.json daneben, so lässt sich der Bestand zurückverfolgen.</source>
        <translation>Writes a stand file from a point process: homogeneous Poisson, Thomas or Matérn cluster
process, simple sequential inhibition (ssi) or Matérn&apos;s hard-core process.
The parameters go into FILE.json beside it, so the stand can be traced back.</translation>
    </message>
    <message>
        <source>keine Zahl ab 0</source>
        <translation>not a number of 0 or more</translation>
    </message>
    <message>
        <source>nicht poisson, thomas, matern-cluster, ssi oder matern-hardcore</source>
        <translation>not poisson, thomas, matern-cluster, ssi or matern-hardcore</translation>
    </message>
    <message>
        <source>keine Größe W,L aus zwei ganzen Zahlen ab 1</source>
        <translation>not a size W,L of two whole numbers of at least 1</translation>
    </message>
    <message>
        <source>nur beim Poisson-Prozess eine ganze Zahl von 0 bis 50000000</source>
        <translation>a whole number from 0 to 50000000, for the Poisson process only</translation>
    </message>
    <message>
        <source>keine Verteilung wie constant:30, uniform:10,50, normal:30,8 oder weibull:2.5,30</source>
        <translation>not a distribution such as constant:30, uniform:10,50, normal:30,8 or weibull:2.5,30</translation>
    </message>
    <message>
        <source>keine ganze Zahl ab 0</source>
        <translation>not a whole number of 0 or more</translation>
    </message>
    <message>
        <source>Es fehlt die Ausgabedatei.</source>
        <translation>The output file is missing.</translation>
    </message>
    <message>
        <source>Nur eine Ausgabedatei, bitte: „%1“ ist zu viel.</source>
        <translation>Only one output file, please: “%1” is one too many.</translation>
    </message>
    <message>
        <source>kavrel-zones generate [Optionen] DATEI</source>
        <translation>kavrel-zones generate [options] FILE</translation>
    </message>
    <message>
        <source>%1 Bäume geschrieben.</source>
        <translation>%1 trees written.</translation>
    </message>
    <message>
        <source>Hilfe: kavrel-zones %1 --help</source>
        <translation>Help: kavrel-zones %1 --help</translation>
    </message>
    <message>
        <source>Aufruf: %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>
Simulationsstudien: kavrel-zones study --help
Bestände aus Punktprozessen: kavrel-zones generate --help
</source>
        <translation>
Simulation studies: kavrel-zones study --help
Stands from point processes: kavrel-zones generate --help
</translation>
    </message>
    <message>
        <source>Bestandsrechteck einer CSV-Stammkarte: [0, W] x [0, L] oder [X0, X1] x [Y0, Y1] in Metern</source>
        <translation>stand rectangle of a CSV stem map: [0, W] x [0, L] or [X0, X1] x [Y0, Y1] in metres</translation>
    </message>
    <message>
        <source>--stand: „%1“ ist weder W,L noch X0,Y0,X1,Y1 in Metern mit positiver Breite und Länge (etwa 100,80 oder 2500,1200,2600,1280).</source>
        <translation>--stand: “%1” is neither W,L nor X0,Y0,X1,Y1 in metres with positive width and length (e.g. 100,80 or 2500,1200,2600,1280).</translation>
    </message>
    <message>
        <source>--stand gilt nur zusammen mit --areas, --simulate, --grid, --geojson oder --svg.</source>
        <translation>--stand applies only together with --areas, --simulate, --grid, --geojson or --svg.</translation>
    </message>
    <message>
        <source>       kavrel-zones --areas|--simulate M|--grid SPACING|--geojson|--svg OUT.svg ... --stand W,L|X0,Y0,X1,Y1 STEMMAP.csv
</source>
        <translation>       kavrel-zones --areas|--simulate M|--grid SPACING|--geojson|--svg OUT.svg ... --stand W,L|X0,Y0,X1,Y1 STEMMAP.csv
</translation>
    </message>
    <message>
        <source>Zonenflächen</source>
        <translation>Zone areas</translation>
    </message>
    <message>
        <source>Einschlusszonen</source>
        <translation>Inclusion zones</translation>
    </message>
    <message>
        <source>Die Standdatei „%1“ nennt %2 Bäume; die Kantentabelle nimmt wie das Programm nur die ersten %3. --areas, --simulate, --grid, --geojson und --svg nehmen alle.</source>
        <translation>The stand file “%1” states %2 trees; like the program, the edge table takes only the first %3. --areas, --simulate, --grid, --geojson and --svg take all of them.</translation>
    </message>
    <message>
        <source>abgebrochen, keine Datei geschrieben.</source>
        <translation>interrupted, no file written.</translation>
    </message>
    <message>
        <source>Ordnung k der k-Baum-Stichprobe (Vorgabe 1)</source>
        <translation>order k of k-tree sampling (default 1)</translation>
    </message>
    <message>
        <source>Abstand der Gitterpunkte in Metern (nötig)</source>
        <translation>spacing of the grid points in metres (required)</translation>
    </message>
    <message>
        <source>Winkelzählprobe mit Zählfaktor F in m^2/ha; mehrere mit Komma oder wiederholt</source>
        <translation>angle-count sampling with basal area factor F in m^2/ha; several with commas or repeated</translation>
    </message>
    <message>
        <source>konzentrische Probekreise: Radius R in m für Bäume ab D cm, etwa 6:0,12:30</source>
        <translation>concentric plots: radius R in m for trees of D cm or more, e.g. 6:0,12:30</translation>
    </message>
    <message>
        <source>Randkorrektur der Kreisverfahren: none, clip, walkthrough oder mirage (Vorgabe clip)</source>
        <translation>edge correction of the disc designs: none, clip, walkthrough or mirage (default clip)</translation>
    </message>
    <message>
        <source>jede Oberfläche als ESRI-ASCII-Gitter PREFIX_&lt;Verfahren&gt;_&lt;Größe&gt;.asc</source>
        <translation>every surface as an ESRI ASCII grid PREFIX_&lt;design&gt;_&lt;quantity&gt;.asc</translation>
    </message>
    <message>
        <source>Bild der Oberflächen als PNG</source>
        <translation>picture of the surfaces as PNG</translation>
    </message>
    <message>
        <source>Bild der Oberflächen als SVG</source>
        <translation>picture of the surfaces as SVG</translation>
    </message>
    <message>
        <source>Es fehlt --spacing, der Abstand der Gitterpunkte.</source>
        <translation>--spacing, the spacing of the grid points, is missing.</translation>
    </message>
    <message>
        <source>kein Abstand über 0 Metern</source>
        <translation>not a spacing above 0 metres</translation>
    </message>
    <message>
        <source>kein Zählfaktor über 0 m^2/ha</source>
        <translation>not a basal area factor above 0 m^2/ha</translation>
    </message>
    <message>
        <source>keine Liste R:D aus Radius über 0 m und Durchmesser ab 0 cm</source>
        <translation>not a list R:D of radii above 0 m and diameters of 0 cm or more</translation>
    </message>
    <message>
        <source>nicht none, clip, walkthrough oder mirage</source>
        <translation>not none, clip, walkthrough or mirage</translation>
    </message>
    <message>
        <source>Nur eine Standdatei, bitte.</source>
        <translation>Only one stand file, please.</translation>
    </message>
    <message>
        <source>kavrel-zones surface [Optionen] --spacing S STANDDATEI</source>
        <translation>kavrel-zones surface [options] --spacing S STANDFILE</translation>
    </message>
    <message>
        <source>Standdatei „%1“: Baum %2 hat den negativen Durchmesser %3.</source>
        <translation>Stand file &quot;%1&quot;: tree %2 has the negative diameter %3.</translation>
    </message>
    <message>
        <source>Verzerrung, RMSE und Überdeckung gegen k als SVG-Bild in diese Datei</source>
        <translation>bias, RMSE and coverage against k as an SVG picture into this file</translation>
    </message>
    <message>
        <source>Stichprobenoberflächen: der Schätzwert jedes Verfahrens (k-Baum-Stichprobe mit Horvitz-Thompson,
fester Probekreis, Winkelzählprobe, konzentrische Probekreise) an jedem Punkt eines Gitters über dem
Bestand. Ausgabe: eine CSV-Zeile je Verfahren und Größe mit wahrem Wert, Mittel der Oberfläche und
Standardabweichung eines einzelnen Punkts.</source>
        <translation>Sampling surfaces: the estimate of every design (k-tree sampling with Horvitz-Thompson, fixed plot,
angle-count sampling, concentric plots) at every point of a grid over the stand. Output: one CSV line
per design and quantity with the true value, the surface's mean and the single-point standard
deviation.</translation>
    </message>
    <message>
        <source>%1 Bäume der Datei „%2“ stehen außerhalb des Bestandsrechtecks; der Torus legt sie in den Bestand.</source>
        <translation>%1 trees of the file “%2” stand outside the stand rectangle; the torus wraps them into the stand.</translation>
    </message>
    <message>
        <source>%1 Bäume der Datei „%2“ stehen außerhalb des Bestandsrechtecks; sie zählen nur als Nachbarn, nicht zum wahren Wert.</source>
        <translation>%1 trees of the file “%2” stand outside the stand rectangle; they count as neighbours only, not in the true value.</translation>
    </message>
    <message>
        <source>--count und --intensity schließen einander aus: genau N Bäume oder N Bäume je Hektar im Mittel.</source>
        <translation>--count and --intensity exclude each other: exactly N trees, or N trees per hectare on average.</translation>
    </message>
    <message>
        <source>Randkorrekturen der Kreisverfahren, Liste aus none, clip, walkthrough, mirage (Vorgabe clip)</source>
        <translation>edge corrections of the disc designs, a list of none, clip, walkthrough, mirage (default clip)</translation>
    </message>
    <message>
        <source>keine Liste aus none, clip, walkthrough und mirage, jede einmal</source>
        <translation>not a list of none, clip, walkthrough and mirage, each once</translation>
    </message>
</context>
<context>
    <name>StemMapCsv</name>
    <message>
        <source>Die Spalte steht zweimal in der Kopfzeile.</source>
        <translation>The column appears twice in the header row.</translation>
    </message>
    <message>
        <source>Die Kopfzeile nennt diese Spalte nicht (sie braucht x, y und d).</source>
        <translation>The header row does not name this column (it needs x, y and d).</translation>
    </message>
    <message>
        <source>Zahl mit Dezimalkomma erwartet, gefunden %1.</source>
        <translation>number with a decimal comma expected, found %1.</translation>
    </message>
    <message>
        <source>Zahl mit Dezimalpunkt erwartet, gefunden %1.</source>
        <translation>number with a decimal point expected, found %1.</translation>
    </message>
    <message>
        <source>Zahl von -1000000000 bis 1000000000 erwartet, gefunden %1.</source>
        <translation>number from -1000000000 to 1000000000 expected, found %1.</translation>
    </message>
    <message>
        <source>Zahl von -1000000000 bis 1000000000 Metern erwartet, gefunden %1.</source>
        <translation>number from -1000000000 to 1000000000 metres expected, found %1.</translation>
    </message>
    <message>
        <source>Stammkarte „%1“, Zeile %2: %3</source>
        <translation>Stem map “%1”, line %2: %3</translation>
    </message>
    <message>
        <source>Stammkarte „%1“, Zeile %2, Spalte „%3“: %4</source>
        <translation>Stem map “%1”, line %2, column “%3”: %4</translation>
    </message>
    <message>
        <source>--stand gilt nur für CSV-Stammkarten; die Standdatei „%1“ nennt ihr Bestandsrechteck selbst.</source>
        <translation>--stand applies only to CSV stem maps; the stand file “%1” states its own stand rectangle.</translation>
    </message>
    <message>
        <source>Die Stammkarte „%1“ braucht das Bestandsrechteck: --stand W,L oder --stand X0,Y0,X1,Y1.</source>
        <translation>The stem map “%1” needs the stand rectangle: --stand W,L or --stand X0,Y0,X1,Y1.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 Werte gefunden, %2 erwartet wie in der Kopfzeile.</source>
        <translation>%1 values found, %2 expected as in the header.</translation>
    </message>
    <message>
        <source>Schreibt die Datei Dezimalkommas? Dann müssen Semikolons die Werte trennen.</source>
        <translation>Does the file write decimal commas? Then semicolons must separate the values.</translation>
    </message>
</context>
</TS>
