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
