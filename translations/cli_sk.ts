<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>ThreadsOption</name>
    <message>
        <source>--threads: „%1“ ist keine ganze Zahl von 1 bis %2.</source>
        <translation>--threads: „%1“ nie je celé číslo od 1 do %2.</translation>
    </message>
    <message>
        <source>KAVREL_THREADS: „%1“ ist keine ganze Zahl von 1 bis %2.</source>
        <translation>KAVREL_THREADS: „%1“ nie je celé číslo od 1 do %2.</translation>
    </message>
    <message>
        <source>Zahl der Threads (Vorgabe: KAVREL_THREADS, sonst alle Prozessoren des Prozesses)</source>
        <translation>počet vlákien (predvolene: KAVREL_THREADS, inak všetky procesory procesu)</translation>
    </message>
    <message>
        <source>Stichprobenoberflächen: kavrel-zones surface --help
</source>
        <translation>Výberové povrchy: kavrel-zones surface --help
</translation>
    </message>
</context>
<context>
    <name>KavrelZones</name>
    <message>
        <source>Die Bäume lassen sich nicht auf eine Karte von %1 x %2 Pixeln legen.</source>
        <translation>Stromy sa nedajú umiestniť na mapu s rozmermi %1 x %2 pixelov.</translation>
    </message>
    <message>
        <source>Hilfe: kavrel-zones --help</source>
        <translation>Pomoc: kavrel-zones --help</translation>
    </message>
    <message>
        <source>--order: „%1“ ist keine ganze Zahl ab 1.</source>
        <translation>--order: „%1“ nie je celé číslo väčšie alebo rovné 1.</translation>
    </message>
    <message>
        <source>--map: „%1“ ist keine Kartengröße WxH aus zwei ganzen Zahlen ab 1 (etwa 441x441).</source>
        <translation>--map: „%1“ nie je veľkosť mapy WxH z dvoch celých čísel väčších alebo rovných 1 (napríklad 441x441).</translation>
    </message>
    <message>
        <source>--select: „%1“ ist kein Kartenpunkt X,Y aus zwei Zahlen (etwa 120.5,80).</source>
        <translation>--select: „%1“ nie je bod mapy X,Y z dvoch čísel (napríklad 120.5,80).</translation>
    </message>
    <message>
        <source>Ordnung der Einschlusszonen, eine ganze Zahl ab 1 (Vorgabe 1)</source>
        <translation>stupeň selekčných zón, celé číslo od 1 vyššie (predvolene 1)</translation>
    </message>
    <message>
        <source>Größe der Bestandskarte in Pixeln (Vorgabe 441x441)</source>
        <translation>veľkosť mapy porastu v pixeloch (predvolene 441x441)</translation>
    </message>
    <message>
        <source>wählt den nächsten Baum zum Kartenpunkt X,Y und gibt „S,N“ (sortierter Index, Baumnummer) und die Kanten seiner Zone aus</source>
        <translation>vyberie strom najbližší k bodu mapy X,Y a vypíše „S,N“ (zoradený index, číslo stromu) a hrany jeho zóny</translation>
    </message>
    <message>
        <source>zeigt diese Hilfe</source>
        <translation>zobrazí túto pomoc</translation>
    </message>
    <message>
        <source>Unbekannte Option „%1“.</source>
        <translation>Neznáma voľba „%1“.</translation>
    </message>
    <message>
        <source>Die Option %1 nimmt keinen Wert.</source>
        <translation>Voľba %1 neprijíma žiadnu hodnotu.</translation>
    </message>
    <message>
        <source>Der Option %1 fehlt ihr Wert %2.</source>
        <translation>Voľbe %1 chýba jej hodnota %2.</translation>
    </message>
    <message>
        <source>Es fehlt die Standdatei.</source>
        <translation>Chýba súbor porastu.</translation>
    </message>
    <message>
        <source>Nur eine Standdatei, bitte: „%1“ ist zu viel.</source>
        <translation>Iba jeden súbor porastu, prosím: „%1“ je navyše.</translation>
    </message>
    <message>
        <source>Aufruf: kavrel-zones [--order K] [--map WxH] [--select X,Y] STANDFILE
%1
Gibt die Kantentabelle der Einschlusszonen der Ordnung K aus, eine Zeile je
Randstück: i,j,x1,y1,x2,y2 (i und j sind sortierte Baumindizes, die Punkte
Kartenkoordinaten, auf eine Nachkommastelle abgeschnitten).

Optionen:
</source>
        <translation>Použitie: kavrel-zones [--order K] [--map WxH] [--select X,Y] STANDFILE
%1
Vypíše tabuľku hrán selekčných zón stupňa K, jeden riadok na každý úsek
hranice: i,j,x1,y1,x2,y2 (i a j sú zoradené indexy stromov, body sú
súradnice mapy orezané na jedno desatinné miesto).

Voľby:
</translation>
    </message>
    <message>
        <source>
Exit-Status: 0 Erfolg, 1 Standdatei nicht lesbar, 2 falscher Aufruf, 3 Ausgabedatei nicht schreibbar,
130 mit Strg+C abgebrochen.
</source>
        <translation>
Návratový kód: 0 úspech, 1 súbor porastu sa nedá čítať, 2 nesprávne použitie, 3 výstupný súbor sa nedá zapísať,
130 prerušené klávesmi Ctrl+C.
</translation>
    </message>
    <message>
        <source>--simulate: „%1“ ist keine Punktzahl von 1 bis %2.</source>
        <translation>--simulate: „%1“ nie je počet bodov od 1 do %2.</translation>
    </message>
    <message>
        <source>--seed: „%1“ ist keine ganze Zahl von 0 bis 18446744073709551615.</source>
        <translation>--seed: „%1“ nie je celé číslo od 0 do 18446744073709551615.</translation>
    </message>
    <message>
        <source>--grid: „%1“ ist kein Rasterabstand in Metern größer als 0.</source>
        <translation>--grid: „%1“ nie je rozostup siete v metroch väčší ako 0.</translation>
    </message>
    <message>
        <source>--diameter-unit: „%1“ ist keine der Einheiten cm, mm, m.</source>
        <translation>--diameter-unit: „%1“ nie je žiadna z jednotiek cm, mm, m.</translation>
    </message>
    <message>
        <source>--svg: Der Name der SVG-Datei fehlt.</source>
        <translation>--svg: chýba názov súboru SVG.</translation>
    </message>
    <message>
        <source>gibt je Baum in Dateireihenfolge „tree,x,y,d,area,probability“ aus: Fläche seiner Einschlusszone der Ordnung K im Bestand (m²) und seine Einschlusswahrscheinlichkeit</source>
        <translation>vypíše pre každý strom v poradí súboru „tree,x,y,d,area,probability“: plochu jeho selekčnej zóny stupňa K v poraste (m²) a jeho pravdepodobnosť zahrnutia</translation>
    </message>
    <message>
        <source>simuliert die Stichprobe an M gleichverteilten Zufallspunkten</source>
        <translation>simuluje výber v M rovnomerne rozložených náhodných bodoch</translation>
    </message>
    <message>
        <source>Startwert der Zufallspunkte von --simulate (Vorgabe 1)</source>
        <translation>počiatočná hodnota náhodných bodov pre --simulate (predvolene 1)</translation>
    </message>
    <message>
        <source>simuliert die Stichprobe an einem systematischen Raster mit SPACING Metern Abstand</source>
        <translation>simuluje výber v systematickej sieti s rozostupom SPACING metrov</translation>
    </message>
    <message>
        <source>Einheit der Durchmesser in der Standdatei für die Grundfläche (Vorgabe cm)</source>
        <translation>jednotka priemerov v súbore porastu pre kruhovú základňu (predvolene cm)</translation>
    </message>
    <message>
        <source>gibt die Schätzertabelle als CSV aus</source>
        <translation>vypíše tabuľku odhadov ako CSV</translation>
    </message>
    <message>
        <source>gibt die Einschlusszonen der Ordnung K als GeoJSON in Bestandsmetern aus</source>
        <translation>vypíše selekčné zóny stupňa K ako GeoJSON v metroch porastu</translation>
    </message>
    <message>
        <source>zeichnet Bestand, Bäume und alle Zonengrenzen der Ordnung K maßstäblich in die Datei OUT.svg</source>
        <translation>nakreslí porast, stromy a všetky hranice zón stupňa K v mierke do súboru OUT.svg</translation>
    </message>
    <message>
        <source>--simulate und --grid schließen einander aus: Zufallspunkte oder Raster, nicht beides.</source>
        <translation>--simulate a --grid sa navzájom vylučujú: náhodné body alebo sieť, nie oboje.</translation>
    </message>
    <message>
        <source>Nur eine von --areas, --simulate, --grid und --geojson, bitte.</source>
        <translation>Iba jedna z volieb --areas, --simulate, --grid a --geojson, prosím.</translation>
    </message>
    <message>
        <source>--select lässt sich nicht mit --areas, --simulate, --grid, --geojson oder --svg verbinden.</source>
        <translation>--select sa nedá kombinovať s --areas, --simulate, --grid, --geojson ani --svg.</translation>
    </message>
    <message>
        <source>--seed gilt nur zusammen mit --simulate.</source>
        <translation>--seed platí iba spolu s --simulate.</translation>
    </message>
    <message>
        <source>--csv gilt nur zusammen mit --simulate oder --grid.</source>
        <translation>--csv platí iba spolu s --simulate alebo --grid.</translation>
    </message>
    <message>
        <source>--diameter-unit gilt nur zusammen mit --simulate oder --grid.</source>
        <translation>--diameter-unit platí iba spolu s --simulate alebo --grid.</translation>
    </message>
    <message>
        <source>       kavrel-zones --areas [--order K] [--map WxH] STANDFILE
       kavrel-zones --simulate M [--seed S] [--order K] [--diameter-unit cm|mm|m] [--csv] STANDFILE
       kavrel-zones --grid SPACING [--order K] [--diameter-unit cm|mm|m] [--csv] STANDFILE
       kavrel-zones --geojson [--order K] STANDFILE
       kavrel-zones --svg OUT.svg [--order K] STANDFILE
</source>
        <translation>          kavrel-zones --areas [--order K] [--map WxH] STANDFILE
          kavrel-zones --simulate M [--seed S] [--order K] [--diameter-unit cm|mm|m] [--csv] STANDFILE
          kavrel-zones --grid SPACING [--order K] [--diameter-unit cm|mm|m] [--csv] STANDFILE
          kavrel-zones --geojson [--order K] STANDFILE
          kavrel-zones --svg OUT.svg [--order K] STANDFILE
</translation>
    </message>
    <message>
        <source>Stichprobe</source>
        <translation>Výber</translation>
    </message>
    <message>
        <source>HT Bäume/ha</source>
        <translation>HT stromy/ha</translation>
    </message>
    <message>
        <source>HT Grundfläche m²/ha</source>
        <translation>HT kruhová základňa m²/ha</translation>
    </message>
    <message>
        <source>k/(pi r_k^2) Bäume/ha</source>
        <translation>k/(pi r_k^2) stromy/ha</translation>
    </message>
    <message>
        <source>(k-1)/(pi r_k^2) Bäume/ha</source>
        <translation>(k-1)/(pi r_k^2) stromy/ha</translation>
    </message>
    <message>
        <source>Stichprobe: %1 Punkte im systematischen Raster, Abstand %2 m</source>
        <translation>Výber: %1 bodov v systematickej sieti, rozostup %2 m</translation>
    </message>
    <message>
        <source>Stichprobe: %1 gleichverteilte Zufallspunkte, Startwert %2</source>
        <translation>Výber: %1 rovnomerne rozložených náhodných bodov, počiatočná hodnota %2</translation>
    </message>
    <message>
        <source>%1 Bäume erreichen den Bestand mit ihrer Zone nicht; der HT-Mittelwert strebt gegen den Wert ohne sie.</source>
        <translation>Počet stromov, ktorých zóna nezasahuje do porastu: %1; priemer HT smeruje k hodnote bez nich.</translation>
    </message>
    <message>
        <source>Weniger als k Bäume: Es gibt keinen k-nächsten Baum und damit kein r_k.</source>
        <translation>Menej ako k stromov: neexistuje k-tý najbližší strom, a teda ani r_k.</translation>
    </message>
    <message>
        <source>An %1 Punkten steht der k-nächste Baum genau auf dem Punkt (r_k = 0); dort sind die Schätzer mit r_k unbeschränkt.</source>
        <translation>Počet bodov, na ktorých stojí k-tý najbližší strom presne na bode (r_k = 0): %1; tam sú odhady založené na r_k neohraničené.</translation>
    </message>
    <message>
        <source>(k-1)/(pi r_k^2) gibt es erst ab k = 2.</source>
        <translation>(k-1)/(pi r_k^2) existuje až od k = 2.</translation>
    </message>
    <message>
        <source>Der Standardfehler des Rasters ist wie für Zufallspunkte gerechnet.</source>
        <translation>Štandardná chyba siete je vypočítaná ako pre náhodné body.</translation>
    </message>
    <message>
        <source>Bestand %1 m x %2 m (%3 ha), %4 Bäume, Ordnung k = %5</source>
        <translation>Porast %1 m x %2 m (%3 ha), počet stromov %4, stupeň k = %5</translation>
    </message>
    <message>
        <source>Bäume, die nie in die Stichprobe kommen: %1 von %2</source>
        <translation>Stromy, ktoré sa nikdy nedostanú do výberu: %1 z %2</translation>
    </message>
    <message>
        <source>Schätzer</source>
        <translation>Odhad</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Priemer</translation>
    </message>
    <message>
        <source>wahrer Wert</source>
        <translation>Skutočná hodnota</translation>
    </message>
    <message>
        <source>rel. Verzerrung</source>
        <translation>Rel. vychýlenie</translation>
    </message>
    <message>
        <source>Standardfehler</source>
        <translation>Štandardná chyba</translation>
    </message>
    <message>
        <source>Die Standardausgabe lässt sich nicht schreiben.</source>
        <translation>Na štandardný výstup sa nedá zapisovať.</translation>
    </message>
    <message>
        <source>Die SVG-Datei „%1“ lässt sich nicht schreiben: %2</source>
        <translation>Súbor SVG „%1“ sa nedá zapísať: %2</translation>
    </message>
    <message>
        <source>--grid: Ein Abstand von %1 m ergibt auf %2 m x %3 m mehr als %4 Punkte.</source>
        <translation>--grid: rozostup %1 m dáva na %2 m x %3 m viac ako %4 bodov.</translation>
    </message>
    <message>
        <source>--select: „%1“ liegt außerhalb von -1000000000 bis 1000000000 Pixeln.</source>
        <translation>--select: „%1“ leží mimo rozsahu -1000000000 až 1000000000 pixelov.</translation>
    </message>
    <message>
        <source>%1 lässt sich für diesen Bestand nicht endlich berechnen; sind die Durchmesser und Koordinaten in der richtigen Einheit?</source>
        <translation>%1 sa pre tento porast nedá vypočítať ako konečné číslo; sú priemery a súradnice v správnej jednotke?</translation>
    </message>
    <message>
        <source>Standdatei „%1“: Baum %2 hat den negativen Durchmesser %3; die Auswertungen brauchen Durchmesser ab 0.</source>
        <translation>Súbor porastu „%1“: strom %2 má záporný priemer %3; vyhodnotenia potrebujú priemery od 0.</translation>
    </message>
    <message>
        <source>Studie</source>
        <translation>Štúdia</translation>
    </message>
    <message>
        <source>Oberflächen</source>
        <translation>Povrchy</translation>
    </message>
    <message>
        <source>Ordnungen k: Liste und Bereiche wie 1-10 oder 1,2,5 (Vorgabe 1)</source>
        <translation>rády k: zoznamy a rozsahy ako 1-10 alebo 1,2,5 (predvolené 1)</translation>
    </message>
    <message>
        <source>Zahl der Stichproben R (Vorgabe 100)</source>
        <translation>počet výberov R (predvolené 100)</translation>
    </message>
    <message>
        <source>Punkte je Stichprobe m, ab 2 (Vorgabe 20)</source>
        <translation>body na výber m, aspoň 2 (predvolené 20)</translation>
    </message>
    <message>
        <source>Anlage der Punkte: random, systematic oder beide mit Komma (Vorgabe random)</source>
        <translation>rozmiestnenie bodov: random, systematic alebo oboje s čiarkou (predvolené random)</translation>
    </message>
    <message>
        <source>Startwert des Zufallsgenerators (Vorgabe 1)</source>
        <translation>počiatočná hodnota generátora náhodných čísel (predvolené 1)</translation>
    </message>
    <message>
        <source>Stichprobenpunkte nur mindestens B Meter innerhalb des Bestands (Vorgabe 0)</source>
        <translation>výberové body len aspoň B metrov vnútri porastu (predvolené 0)</translation>
    </message>
    <message>
        <source>der Bestand als Torus: Abstände und Zonen laufen über den Rand</source>
        <translation>porast ako torus: vzdialenosti a zóny prechádzajú cez okraj</translation>
    </message>
    <message>
        <source>Radius des festen Probekreises in Metern (Vorgabe: im Mittel k Bäume)</source>
        <translation>polomer pevnej skusnej plochy v metroch (predvolené: v priemere k stromov)</translation>
    </message>
    <message>
        <source>Einheit der Durchmesser: cm, mm oder m (Vorgabe cm)</source>
        <translation>jednotka priemerov: cm, mm alebo m (predvolené cm)</translation>
    </message>
    <message>
        <source>Bestandsrechteck für CSV-Stammverteilungen: W,L oder X0,Y0,X1,Y1 in Metern</source>
        <translation>obdĺžnik porastu pre mapy stromov CSV: W,L alebo X0,Y0,X1,Y1 v metroch</translation>
    </message>
    <message>
        <source>Übersicht als CSV in diese Datei statt auf die Standardausgabe</source>
        <translation>súhrn ako CSV do tohto súboru namiesto štandardného výstupu</translation>
    </message>
    <message>
        <source>jede Schätzung jeder Stichprobe als CSV in diese Datei</source>
        <translation>každý odhad každého výberu ako CSV do tohto súboru</translation>
    </message>
    <message>
        <source>die Werte an jedem Stichprobenpunkt als CSV in diese Datei</source>
        <translation>hodnoty v každom výberovom bode ako CSV do tohto súboru</translation>
    </message>
    <message>
        <source>Simulationsstudie: R Stichproben zu je m Punkten auf jedem Bestand, für jede Ordnung k
Horvitz-Thompson aus den Einschlusszonen, k/(pi r_k^2), (k-1)/(pi r_k^2), (k-0.5)/(pi r_k^2)
und der feste Probekreis, je für Bäume/ha und Grundfläche m^2/ha. Ausgabe: eine CSV-Zeile je
Bestand, k, Anlage, Schätzer und Größe mit wahrem Wert, Mittelwert, Verzerrung, empirischem
Standardfehler, RMSE, mittlerem geschätztem Standardfehler und Überdeckung der 95-%-Intervalle.
Schätzer ohne endlichen Erwartungswert stehen dort mit NA und dem Vermerk infinite_expectation.</source>
        <translation>Simulačná štúdia: R výberov po m bodoch na každom poraste a pre každý rád k
Horvitz-Thompson zo zón zahrnutia, k/(pi r_k^2), (k-1)/(pi r_k^2), (k-0.5)/(pi r_k^2)
a pevná skusná plocha, vždy pre stromy/ha a kruhovú základňu m^2/ha. Výstup: jeden riadok CSV na
porast, k, návrh, odhad a veličinu so skutočnou hodnotou, priemerom, vychýlením, empirickou
smerodajnou chybou, RMSE, priemernou odhadnutou smerodajnou chybou a pokrytím 95 % intervalov.
Odhady bez konečnej strednej hodnoty majú NA a poznámku infinite_expectation.</translation>
    </message>
    <message>
        <source>--%1: „%2“ ist %3.</source>
        <translation>--%1: „%2“ je %3.</translation>
    </message>
    <message>
        <source>keine Liste von Ordnungen zwischen 1 und 1000 (etwa 1-10 oder 1,2,5)</source>
        <translation>nie je zoznam rádov od 1 do 1000 (napríklad 1-10 alebo 1,2,5)</translation>
    </message>
    <message>
        <source>keine ganze Zahl von %1 bis %2</source>
        <translation>nie je celé číslo od %1 do %2</translation>
    </message>
    <message>
        <source>nicht random, systematic oder beide</source>
        <translation>nie je random, systematic ani oboje</translation>
    </message>
    <message>
        <source>keine Breite ab 0 Metern</source>
        <translation>nie je šírka 0 metrov alebo viac</translation>
    </message>
    <message>
        <source>kein Radius über 0 Metern</source>
        <translation>nie je polomer väčší ako 0 metrov</translation>
    </message>
    <message>
        <source>nicht cm, mm oder m</source>
        <translation>nie je cm, mm ani m</translation>
    </message>
    <message>
        <source>kein Rechteck W,L oder X0,Y0,X1,Y1 mit positiver Fläche</source>
        <translation>nie je obdĺžnik W,L alebo X0,Y0,X1,Y1 s kladnou plochou</translation>
    </message>
    <message>
        <source>Die Datei „%1“ lässt sich nicht schreiben: %2</source>
        <translation>Súbor „%1“ sa nedá zapísať: %2</translation>
    </message>
    <message>
        <source>kavrel-zones study [Optionen] STANDDATEI...</source>
        <translation>kavrel-zones study [voľby] SÚBOR_PORASTU...</translation>
    </message>
    <message>
        <source>Punktprozess: poisson, thomas, matern-cluster, ssi oder matern-hardcore (Vorgabe poisson)</source>
        <translation>bodový proces: poisson, thomas, matern-cluster, ssi alebo matern-hardcore (predvolené poisson)</translation>
    </message>
    <message>
        <source>Breite und Länge des Bestands in ganzen Metern (Vorgabe 100,100)</source>
        <translation>šírka a dĺžka porastu v celých metroch (predvolené 100,100)</translation>
    </message>
    <message>
        <source>Bäume je Hektar im Mittel (Vorgabe 400)</source>
        <translation>stromov na hektár v priemere (predvolené 400)</translation>
    </message>
    <message>
        <source>poisson: genau N Bäume, gleichverteilt</source>
        <translation>poisson: presne N stromov, rovnomerne rozmiestnených</translation>
    </message>
    <message>
        <source>Cluster je Hektar (thomas, matern-cluster; Vorgabe 20)</source>
        <translation>zhlukov na hektár (thomas, matern-cluster; predvolené 20)</translation>
    </message>
    <message>
        <source>thomas: Standardabweichung, matern-cluster: Radius der Cluster in Metern (Vorgabe 5)</source>
        <translation>thomas: smerodajná odchýlka, matern-cluster: polomer zhlukov v metroch (predvolené 5)</translation>
    </message>
    <message>
        <source>ssi, matern-hardcore: kein Baumpaar näher als R Meter (Vorgabe 2)</source>
        <translation>ssi, matern-hardcore: žiadne dva stromy bližšie ako R metrov (predvolené 2)</translation>
    </message>
    <message>
        <source>Durchmesser in cm: constant:D, uniform:MIN,MAX, normal:MITTEL,SD oder weibull:FORM,SKALA (Vorgabe weibull:2.5,30)</source>
        <translation>priemery v cm: constant:D, uniform:MIN,MAX, normal:PRIEMER,SD alebo weibull:TVAR,MIERKA (predvolené weibull:2.5,30)</translation>
    </message>
    <message>
        <source>Schreibt eine Standdatei aus einem Punktprozess: homogener Poisson-Prozess, Thomas- oder
Matérn-Clusterprozess, einfache sequentielle Inhibition (ssi) oder Matérns Hard-Core-Prozess.
Die Parameter stehen in DATEI.json daneben, so lässt sich der Bestand zurückverfolgen.</source>
        <translation>Zapíše súbor porastu z bodového procesu: homogénny Poissonov proces, zhlukový proces Thomasa alebo
Matérna, jednoduchá sekvenčná inhibícia (ssi) alebo Matérnov proces s tvrdým jadrom.
Parametre sú v SÚBOR.json vedľa neho, takže porast sa dá spätne dohľadať.</translation>
    </message>
    <message>
        <source>keine Zahl ab 0</source>
        <translation>nie je číslo 0 alebo viac</translation>
    </message>
    <message>
        <source>nicht poisson, thomas, matern-cluster, ssi oder matern-hardcore</source>
        <translation>nie je poisson, thomas, matern-cluster, ssi ani matern-hardcore</translation>
    </message>
    <message>
        <source>keine Größe W,L aus zwei ganzen Zahlen ab 1</source>
        <translation>nie je veľkosť W,L z dvoch celých čísel od 1</translation>
    </message>
    <message>
        <source>nur beim Poisson-Prozess eine ganze Zahl von 0 bis 50000000</source>
        <translation>celé číslo od 0 do 50000000, len pre Poissonov proces</translation>
    </message>
    <message>
        <source>keine Verteilung wie constant:30, uniform:10,50, normal:30,8 oder weibull:2.5,30</source>
        <translation>nie je rozdelenie ako constant:30, uniform:10,50, normal:30,8 alebo weibull:2.5,30</translation>
    </message>
    <message>
        <source>keine ganze Zahl ab 0</source>
        <translation>nie je celé číslo 0 alebo viac</translation>
    </message>
    <message>
        <source>Es fehlt die Ausgabedatei.</source>
        <translation>Chýba výstupný súbor.</translation>
    </message>
    <message>
        <source>Nur eine Ausgabedatei, bitte: „%1“ ist zu viel.</source>
        <translation>Len jeden výstupný súbor, prosím: „%1“ je navyše.</translation>
    </message>
    <message>
        <source>kavrel-zones generate [Optionen] DATEI</source>
        <translation>kavrel-zones generate [voľby] SÚBOR</translation>
    </message>
    <message>
        <source>%1 Bäume geschrieben.</source>
        <translation>Zapísaných stromov: %1.</translation>
    </message>
    <message>
        <source>Hilfe: kavrel-zones %1 --help</source>
        <translation>Pomocník: kavrel-zones %1 --help</translation>
    </message>
    <message>
        <source>Aufruf: %1</source>
        <translation>Použitie: %1</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Voľby:</translation>
    </message>
    <message>
        <source>
Simulationsstudien: kavrel-zones study --help
Bestände aus Punktprozessen: kavrel-zones generate --help
</source>
        <translation>
Simulačné štúdie: kavrel-zones study --help
Porasty z bodových procesov: kavrel-zones generate --help
</translation>
    </message>
    <message>
        <source>Bestandsrechteck einer CSV-Stammkarte: [0, W] x [0, L] oder [X0, X1] x [Y0, Y1] in Metern</source>
        <translation>obdĺžnik porastu pre CSV mapu stromov: [0, W] x [0, L] alebo [X0, X1] x [Y0, Y1] v metroch</translation>
    </message>
    <message>
        <source>--stand: „%1“ ist weder W,L noch X0,Y0,X1,Y1 in Metern mit positiver Breite und Länge (etwa 100,80 oder 2500,1200,2600,1280).</source>
        <translation>--stand: „%1“ nie je W,L ani X0,Y0,X1,Y1 v metroch s kladnou šírkou a dĺžkou (napr. 100,80 alebo 2500,1200,2600,1280).</translation>
    </message>
    <message>
        <source>--stand gilt nur zusammen mit --areas, --simulate, --grid, --geojson oder --svg.</source>
        <translation>--stand platí len spolu s --areas, --simulate, --grid, --geojson alebo --svg.</translation>
    </message>
    <message>
        <source>       kavrel-zones --areas|--simulate M|--grid SPACING|--geojson|--svg OUT.svg ... --stand W,L|X0,Y0,X1,Y1 STEMMAP.csv
</source>
        <translation>       kavrel-zones --areas|--simulate M|--grid SPACING|--geojson|--svg OUT.svg ... --stand W,L|X0,Y0,X1,Y1 STEMMAP.csv
</translation>
    </message>
    <message>
        <source>Zonenflächen</source>
        <translation>Plochy zón</translation>
    </message>
    <message>
        <source>Einschlusszonen</source>
        <translation>Inklúzne zóny</translation>
    </message>
    <message>
        <source>Die Standdatei „%1“ nennt %2 Bäume; die Kantentabelle nimmt wie das Programm nur die ersten %3. --areas, --simulate, --grid, --geojson und --svg nehmen alle.</source>
        <translation>Súbor porastu „%1“ uvádza %2 stromov; tabuľka hrán berie ako program len prvých %3. --areas, --simulate, --grid, --geojson a --svg berú všetky.</translation>
    </message>
    <message>
        <source>abgebrochen, keine Datei geschrieben.</source>
        <translation>prerušené, nezapísal sa žiadny súbor.</translation>
    </message>
    <message>
        <source>Ordnung k der k-Baum-Stichprobe (Vorgabe 1)</source>
        <translation>rád k výberu k stromov (predvolene 1)</translation>
    </message>
    <message>
        <source>Abstand der Gitterpunkte in Metern (nötig)</source>
        <translation>rozstup bodov mriežky v metroch (povinný)</translation>
    </message>
    <message>
        <source>Winkelzählprobe mit Zählfaktor F in m^2/ha; mehrere mit Komma oder wiederholt</source>
        <translation>relaskopický výber s faktorom F v m^2/ha; viacero čiarkou alebo opakovane</translation>
    </message>
    <message>
        <source>konzentrische Probekreise: Radius R in m für Bäume ab D cm, etwa 6:0,12:30</source>
        <translation>sústredné plochy: polomer R v m pre stromy od D cm, napr. 6:0,12:30</translation>
    </message>
    <message>
        <source>Randkorrektur der Kreisverfahren: none, clip, walkthrough oder mirage (Vorgabe clip)</source>
        <translation>korekcia okraja kruhových metód: none, clip, walkthrough alebo mirage (predvolene clip)</translation>
    </message>
    <message>
        <source>jede Oberfläche als ESRI-ASCII-Gitter PREFIX_&lt;Verfahren&gt;_&lt;Größe&gt;.asc</source>
        <translation>každý povrch ako mriežka ESRI ASCII PREFIX_&lt;metóda&gt;_&lt;veličina&gt;.asc</translation>
    </message>
    <message>
        <source>Bild der Oberflächen als PNG</source>
        <translation>obrázok povrchov ako PNG</translation>
    </message>
    <message>
        <source>Bild der Oberflächen als SVG</source>
        <translation>obrázok povrchov ako SVG</translation>
    </message>
    <message>
        <source>Es fehlt --spacing, der Abstand der Gitterpunkte.</source>
        <translation>Chýba --spacing, rozstup bodov mriežky.</translation>
    </message>
    <message>
        <source>kein Abstand über 0 Metern</source>
        <translation>nie je rozstup nad 0 metrov</translation>
    </message>
    <message>
        <source>kein Zählfaktor über 0 m^2/ha</source>
        <translation>nie je faktor nad 0 m^2/ha</translation>
    </message>
    <message>
        <source>keine Liste R:D aus Radius über 0 m und Durchmesser ab 0 cm</source>
        <translation>nie je zoznam R:D s polomermi nad 0 m a priemermi od 0 cm</translation>
    </message>
    <message>
        <source>nicht none, clip, walkthrough oder mirage</source>
        <translation>nie je none, clip, walkthrough ani mirage</translation>
    </message>
    <message>
        <source>Nur eine Standdatei, bitte.</source>
        <translation>Iba jeden súbor porastu, prosím.</translation>
    </message>
    <message>
        <source>kavrel-zones surface [Optionen] --spacing S STANDDATEI</source>
        <translation>kavrel-zones surface [voľby] --spacing S SÚBOR_PORASTU</translation>
    </message>
    <message>
        <source>Standdatei „%1“: Baum %2 hat den negativen Durchmesser %3.</source>
        <translation>Súbor porastu „%1“: strom %2 má záporný priemer %3.</translation>
    </message>
    <message>
        <source>Verzerrung, RMSE und Überdeckung gegen k als SVG-Bild in diese Datei</source>
        <translation>skreslenie, RMSE a pokrytie podľa k ako obrázok SVG do tohto súboru</translation>
    </message>
    <message>
        <source>Stichprobenoberflächen: der Schätzwert jedes Verfahrens (k-Baum-Stichprobe mit Horvitz-Thompson,
fester Probekreis, Winkelzählprobe, konzentrische Probekreise) an jedem Punkt eines Gitters über dem
Bestand. Ausgabe: eine CSV-Zeile je Verfahren und Größe mit wahrem Wert, Mittel der Oberfläche und
Standardabweichung eines einzelnen Punkts.</source>
        <translation>Výberové povrchy: odhad každej metódy (výber k stromov s Horvitzovým-Thompsonovým odhadom, pevná
plocha, relaskopický výber, sústredné plochy) v každom bode mriežky nad porastom. Výstup: jeden riadok
CSV na metódu a veličinu so skutočnou hodnotou, priemerom povrchu a smerodajnou odchýlkou jedného
bodu.</translation>
    </message>
    <message>
        <source>%1 Bäume der Datei „%2“ stehen außerhalb des Bestandsrechtecks; der Torus legt sie in den Bestand.</source>
        <translation>%1 stromov súboru „%2“ stojí mimo obdĺžnika porastu; torus ich presunie do porastu.</translation>
    </message>
    <message>
        <source>%1 Bäume der Datei „%2“ stehen außerhalb des Bestandsrechtecks; sie zählen nur als Nachbarn, nicht zum wahren Wert.</source>
        <translation>%1 stromov súboru „%2“ stojí mimo obdĺžnika porastu; rátajú sa len ako susedia, nie do skutočnej hodnoty.</translation>
    </message>
    <message>
        <source>--count und --intensity schließen einander aus: genau N Bäume oder N Bäume je Hektar im Mittel.</source>
        <translation>--count a --intensity sa navzájom vylučujú: presne N stromov, alebo v priemere N stromov na hektár.</translation>
    </message>
    <message>
        <source>Randkorrekturen der Kreisverfahren, Liste aus none, clip, walkthrough, mirage (Vorgabe clip)</source>
        <translation>korekcie okraja kruhových metód, zoznam z none, clip, walkthrough, mirage (predvolene clip)</translation>
    </message>
    <message>
        <source>keine Liste aus none, clip, walkthrough und mirage, jede einmal</source>
        <translation>nie je zoznam z none, clip, walkthrough a mirage, každá raz</translation>
    </message>
</context>
<context>
    <name>StemMapCsv</name>
    <message>
        <source>Die Spalte steht zweimal in der Kopfzeile.</source>
        <translation>Stĺpec je v hlavičke dvakrát.</translation>
    </message>
    <message>
        <source>Die Kopfzeile nennt diese Spalte nicht (sie braucht x, y und d).</source>
        <translation>Hlavička tento stĺpec neuvádza (potrebuje x, y a d).</translation>
    </message>
    <message>
        <source>Zahl mit Dezimalkomma erwartet, gefunden %1.</source>
        <translation>očakávané číslo s desatinnou čiarkou, nájdené %1.</translation>
    </message>
    <message>
        <source>Zahl mit Dezimalpunkt erwartet, gefunden %1.</source>
        <translation>očakávané číslo s desatinnou bodkou, nájdené %1.</translation>
    </message>
    <message>
        <source>Zahl von -1000000000 bis 1000000000 erwartet, gefunden %1.</source>
        <translation>očakávané číslo od -1000000000 do 1000000000, nájdené %1.</translation>
    </message>
    <message>
        <source>Zahl von -1000000000 bis 1000000000 Metern erwartet, gefunden %1.</source>
        <translation>očakávané číslo od -1000000000 do 1000000000 metrov, nájdené %1.</translation>
    </message>
    <message>
        <source>Stammkarte „%1“, Zeile %2: %3</source>
        <translation>Mapa stromov „%1“, riadok %2: %3</translation>
    </message>
    <message>
        <source>Stammkarte „%1“, Zeile %2, Spalte „%3“: %4</source>
        <translation>Mapa stromov „%1“, riadok %2, stĺpec „%3“: %4</translation>
    </message>
    <message>
        <source>--stand gilt nur für CSV-Stammkarten; die Standdatei „%1“ nennt ihr Bestandsrechteck selbst.</source>
        <translation>--stand platí len pre CSV mapy stromov; súbor porastu „%1“ uvádza vlastný obdĺžnik porastu.</translation>
    </message>
    <message>
        <source>Die Stammkarte „%1“ braucht das Bestandsrechteck: --stand W,L oder --stand X0,Y0,X1,Y1.</source>
        <translation>Mapa stromov „%1“ potrebuje obdĺžnik porastu: --stand W,L alebo --stand X0,Y0,X1,Y1.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1 Werte gefunden, %2 erwartet wie in der Kopfzeile.</source>
        <translation>Nájdených %1 hodnôt, očakávaných %2 ako v hlavičke.</translation>
    </message>
    <message>
        <source>Schreibt die Datei Dezimalkommas? Dann müssen Semikolons die Werte trennen.</source>
        <translation>Používa súbor desatinné čiarky? Potom musia hodnoty oddeľovať bodkočiarky.</translation>
    </message>
</context>
</TS>
