<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="de_DE">
<context>
    <name>Form3</name>
    <message>
        <source>Willkommen bei Kavrel Update. Dieses Feature überprüft,</source>
        <translation>Vitajte v Kavrel Update. Tento nastroj zisti,</translation>
    </message>
    <message>
        <source>ob Updates erhältlich sind, informiert Sie, falls dies der Fall ist, und</source>
        <translation>ci existuje nova verzia programu. Ak ano, bude tato verzia po Vasom</translation>
    </message>
    <message>
        <source>liefert die Updates direkt an Ihrer Computer. Mit Kavrel Up-</source>
        <translation>odsuhlaseni stiahnuta do Vasho pocitaca. S Kavrel Update</translation>
    </message>
    <message>
        <source>date ist Ihre Software immer auf dem neuesten Stand. Eine Inter-</source>
        <translation>je Vas program stale na najaktualnejsej urovni. Pre aktualizaciu je</translation>
    </message>
    <message>
        <source>netverbindung ist notwendig.</source>
        <translation>potrebne internetove pripojenie.</translation>
    </message>
    <message>
        <source>Auf Updates überprüfen</source>
        <translation>Zkontroluj aktualizaciu</translation>
    </message>
    <message>
        <source>Version des Programms: </source>
        <translation>Verzia programu: </translation>
    </message>
    <message>
        <source>Version am Server: </source>
        <translation>Verzia na serveri: </translation>
    </message>
    <message>
        <source>Es gibt keine Internetverbindung</source>
        <translation>Internetove spojenie nie je dostupne</translation>
    </message>
    <message>
        <source>Ungültige Datei auf Server!</source>
        <translation>Neplatný subor na serveri!</translation>
    </message>
    <message>
        <source>Neue Version verfügbar!</source>
        <translation>Nova verzia je dostupna!</translation>
    </message>
    <message>
        <source>Downloaden?</source>
        <translation>Stiahnut?</translation>
    </message>
    <message>
        <source>Keine neue Programmversion verfügbar!</source>
        <translation>Nova verzia nie je dostupna!</translation>
    </message>
    <message>
        <source>Der Update-Server antwortet nicht.</source>
        <translation>Aktualizacny server neodpoveda.</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Zrusit</translation>
    </message>
    <message>
        <source>Dieses Programm wurde ohne Schlüssel zum Prüfen von Updates erstellt und kann keine Updates installieren.</source>
        <translation>Tento program nema kluc na overenie aktualizacii a nemoze ich instalovat.</translation>
    </message>
    <message>
        <source>Die Signatur des Updates fehlt auf dem Server. Das Update wird nicht installiert.</source>
        <translation>Podpis aktualizacie na serveri chyba. Aktualizacia sa nenainstaluje.</translation>
    </message>
    <message>
        <source>Die Signatur des Updates ist ungültig. Das Update wird nicht installiert.</source>
        <translation>Podpis aktualizacie je neplatny. Aktualizacia sa nenainstaluje.</translation>
    </message>
    <message>
        <source>Die Signatur des Updates gilt für eine andere Programmdatei. Das Update wird nicht installiert.</source>
        <translation>Podpis aktualizacie patri k inemu suboru programu. Aktualizacia sa nenainstaluje.</translation>
    </message>
    <message>
        <source>Das Update ist für Version %1 signiert, der Server kündigt aber Version %2 an. Das Update wird nicht installiert.</source>
        <translation>Aktualizacia je podpisana pre verziu %1, server vsak ohlasuje verziu %2. Aktualizacia sa nenainstaluje.</translation>
    </message>
    <message>
        <source>Das signierte Update (Version %1) ist nicht neuer als dieses Programm (Version %2). Das Update wird nicht installiert.</source>
        <translation>Podpisana aktualizacia (verzia %1) nie je novsia ako tento program (verzia %2). Aktualizacia sa nenainstaluje.</translation>
    </message>
    <message>
        <source>Die Programmdatei auf dem Server ist zu groß. Das Update wird nicht installiert.</source>
        <translation>Subor programu na serveri je prilis velky. Aktualizacia sa nenainstaluje.</translation>
    </message>
    <message>
        <source>Die sichere Verbindung zum Update-Server ist fehlgeschlagen:</source>
        <translation>Zabezpecene spojenie so serverom aktualizacii zlyhalo:</translation>
    </message>
    <message>
        <source>Download fehlgeschlagen!</source>
        <translation>Stiahnutie zlyhalo!</translation>
    </message>
    <message>
        <source>Download beendet!</source>
        <translation>Download bol ukonceny!</translation>
    </message>
    <message>
        <source>Beenden Sie und starten Sie das Programm erneut!</source>
        <translation>Ukoncite a znovu spustite program!</translation>
    </message>
    <message>
        <source>Diese Installation wird von ihrer Paketverwaltung aktualisiert.</source>
        <translation>Tuto instalaciu aktualizuje jej spravca balikov.</translation>
    </message>
</context>
</TS>
