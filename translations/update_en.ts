<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>Form3</name>
    <message>
        <source>Willkommen bei Kavrel Update. Dieses Feature überprüft,</source>
        <translation>Welcome to Kavrel Update. This feature checks,</translation>
    </message>
    <message>
        <source>ob Updates erhältlich sind, informiert Sie, falls dies der Fall ist, und</source>
        <translation>if there are available updates, inform you in case it is true, sends</translation>
    </message>
    <message>
        <source>liefert die Updates direkt an Ihrer Computer. Mit Kavrel Up-</source>
        <translation>them directly to you computer. With Kavrel Update</translation>
    </message>
    <message>
        <source>date ist Ihre Software immer auf dem neuesten Stand. Eine Inter-</source>
        <translation>your software will be always actualized. An internet connection</translation>
    </message>
    <message>
        <source>netverbindung ist notwendig.</source>
        <translation>is required.</translation>
    </message>
    <message>
        <source>Auf Updates überprüfen</source>
        <translation>Check for update</translation>
    </message>
    <message>
        <source>Version des Programms: </source>
        <translation>Program version: </translation>
    </message>
    <message>
        <source>Version am Server: </source>
        <translation>Version on the server: </translation>
    </message>
    <message>
        <source>Es gibt keine Internetverbindung</source>
        <translation>You are not connected to internet</translation>
    </message>
    <message>
        <source>Ungültige Datei auf Server!</source>
        <translation>Not valid file on the server!</translation>
    </message>
    <message>
        <source>Neue Version verfügbar!</source>
        <translation>New version available!</translation>
    </message>
    <message>
        <source>Downloaden?</source>
        <translation>Do you like download it?</translation>
    </message>
    <message>
        <source>Keine neue Programmversion verfügbar!</source>
        <translation>No update available!</translation>
    </message>
    <message>
        <source>Der Update-Server antwortet nicht.</source>
        <translation>The update server does not answer.</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Dieses Programm wurde ohne Schlüssel zum Prüfen von Updates erstellt und kann keine Updates installieren.</source>
        <translation>This program was built without a key to check updates and cannot install them.</translation>
    </message>
    <message>
        <source>Die Signatur des Updates fehlt auf dem Server. Das Update wird nicht installiert.</source>
        <translation>The update's signature is missing on the server. The update is not installed.</translation>
    </message>
    <message>
        <source>Die Signatur des Updates ist ungültig. Das Update wird nicht installiert.</source>
        <translation>The update's signature is not valid. The update is not installed.</translation>
    </message>
    <message>
        <source>Die Signatur des Updates gilt für eine andere Programmdatei. Das Update wird nicht installiert.</source>
        <translation>The update's signature is for another program file. The update is not installed.</translation>
    </message>
    <message>
        <source>Das Update ist für Version %1 signiert, der Server kündigt aber Version %2 an. Das Update wird nicht installiert.</source>
        <translation>The update is signed for version %1, but the server announces version %2. The update is not installed.</translation>
    </message>
    <message>
        <source>Das signierte Update (Version %1) ist nicht neuer als dieses Programm (Version %2). Das Update wird nicht installiert.</source>
        <translation>The signed update (version %1) is not newer than this program (version %2). The update is not installed.</translation>
    </message>
    <message>
        <source>Die Programmdatei auf dem Server ist zu groß. Das Update wird nicht installiert.</source>
        <translation>The program file on the server is too large. The update is not installed.</translation>
    </message>
    <message>
        <source>Die sichere Verbindung zum Update-Server ist fehlgeschlagen:</source>
        <translation>The secure connection to the update server failed:</translation>
    </message>
    <message>
        <source>Download fehlgeschlagen!</source>
        <translation>Download failed!</translation>
    </message>
    <message>
        <source>Download beendet!</source>
        <translation>Download finished!</translation>
    </message>
    <message>
        <source>Beenden Sie und starten Sie das Programm erneut!</source>
        <translation>Close and restart the application!</translation>
    </message>
    <message>
        <source>Diese Installation wird von ihrer Paketverwaltung aktualisiert.</source>
        <translation>This installation is updated by its package manager.</translation>
    </message>
</context>
</TS>
