<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="de_DE">
<context>
    <name>Form3</name>
    <message>
        <source>Willkommen bei Kavrel Update. Dieses Feature überprüft,</source>
        <translation>Benvenido a Kavrel Update. Esta herramienta controla</translation>
    </message>
    <message>
        <source>ob Updates erhältlich sind, informiert Sie, falls dies der Fall ist, und</source>
        <translation>si es que hay actualizaciones disponibles. In caso de ser así,</translation>
    </message>
    <message>
        <source>liefert die Updates direkt an Ihrer Computer. Mit Kavrel Up-</source>
        <translation>las actualizaciones seran enviadas directamente a su computadora.</translation>
    </message>
    <message>
        <source>date ist Ihre Software immer auf dem neuesten Stand. Eine Inter-</source>
        <translation>Con Kavrel Update, su programa esta siempre actualizado.</translation>
    </message>
    <message>
        <source>netverbindung ist notwendig.</source>
        <translation>Una conexión a internet es indispensable.</translation>
    </message>
    <message>
        <source>Auf Updates überprüfen</source>
        <translation>Controla actualización</translation>
    </message>
    <message>
        <source>Version des Programms: </source>
        <translation>Versión de programa: </translation>
    </message>
    <message>
        <source>Version am Server: </source>
        <translation>Versión a server: </translation>
    </message>
    <message>
        <source>Es gibt keine Internetverbindung</source>
        <translation>Una conexión a internet no es indispensable!</translation>
    </message>
    <message>
        <source>Ungültige Datei auf Server!</source>
        <translation>El fichero a server es inválido!</translation>
    </message>
    <message>
        <source>Neue Version verfügbar!</source>
        <translation>Hay actualización disponible!</translation>
    </message>
    <message>
        <source>Downloaden?</source>
        <translation>Bajar?</translation>
    </message>
    <message>
        <source>Keine neue Programmversion verfügbar!</source>
        <translation>No hay actualizaciones disponibles!</translation>
    </message>
    <message>
        <source>Der Update-Server antwortet nicht.</source>
        <translation>El servidor de actualizaciones no responde.</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Dieses Programm wurde ohne Schlüssel zum Prüfen von Updates erstellt und kann keine Updates installieren.</source>
        <translation>Este programa fue compilado sin clave para verificar actualizaciones y no puede instalarlas.</translation>
    </message>
    <message>
        <source>Die Signatur des Updates fehlt auf dem Server. Das Update wird nicht installiert.</source>
        <translation>Falta la firma de la actualización en el servidor. La actualización no se instala.</translation>
    </message>
    <message>
        <source>Die Signatur des Updates ist ungültig. Das Update wird nicht installiert.</source>
        <translation>La firma de la actualización no es válida. La actualización no se instala.</translation>
    </message>
    <message>
        <source>Die Signatur des Updates gilt für eine andere Programmdatei. Das Update wird nicht installiert.</source>
        <translation>La firma de la actualización es para otro fichero de programa. La actualización no se instala.</translation>
    </message>
    <message>
        <source>Das Update ist für Version %1 signiert, der Server kündigt aber Version %2 an. Das Update wird nicht installiert.</source>
        <translation>La actualización está firmada para la versión %1, pero el servidor anuncia la versión %2. La actualización no se instala.</translation>
    </message>
    <message>
        <source>Das signierte Update (Version %1) ist nicht neuer als dieses Programm (Version %2). Das Update wird nicht installiert.</source>
        <translation>La actualización firmada (versión %1) no es más reciente que este programa (versión %2). La actualización no se instala.</translation>
    </message>
    <message>
        <source>Die Programmdatei auf dem Server ist zu groß. Das Update wird nicht installiert.</source>
        <translation>El fichero del programa en el servidor es demasiado grande. La actualización no se instala.</translation>
    </message>
    <message>
        <source>Die sichere Verbindung zum Update-Server ist fehlgeschlagen:</source>
        <translation>La conexión segura con el servidor de actualizaciones ha fallado:</translation>
    </message>
    <message>
        <source>Download fehlgeschlagen!</source>
        <translation>La descarga falló!</translation>
    </message>
    <message>
        <source>Download beendet!</source>
        <translation>Download completado!</translation>
    </message>
    <message>
        <source>Beenden Sie und starten Sie das Programm erneut!</source>
        <translation>Cierra el programa y reinicia!</translation>
    </message>
    <message>
        <source>Diese Installation wird von ihrer Paketverwaltung aktualisiert.</source>
        <translation>Esta instalación se actualiza a través de su gestor de paquetes.</translation>
    </message>
</context>
</TS>
