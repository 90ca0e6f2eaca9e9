<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="de">
<context>
    <name>qv</name>
    <message>
        <source>   Fehler !!! </source>
        <translation>   Fehler !!! </translation>
    </message>
    <message>
        <source>   Fehler !!!  </source>
        <translation>   Fehler !!!  </translation>
    </message>
    <message>
        <source>Weitere fehlerhafte Zeilen in </source>
        <translation>Weitere fehlerhafte Zeilen in </translation>
    </message>
    <message>
        <source> werden nicht gemeldet.</source>
        <translation> werden nicht gemeldet.</translation>
    </message>
    <message>
        <source>Group Delay</source>
        <translation>Group Delay</translation>
    </message>
    <message>
        <source>Frequency Response</source>
        <translation>Frequency Response</translation>
    </message>
    <message>
        <source>Impuls Response</source>
        <translation>Impuls Response</translation>
    </message>
    <message>
        <source>Pkt</source>
        <translation>Pkt</translation>
    </message>
    <message>
        <source>Frequency Response High</source>
        <translation>Frequency Response High</translation>
    </message>
    <message>
        <source>Frequency Response Low</source>
        <translation>Frequency Response Low</translation>
    </message>
    <message>
        <source>Frequency Room</source>
        <translation>Frequency Room</translation>
    </message>
    <message>
        <source>Delay Room</source>
        <translation>Delay Room</translation>
    </message>
    <message>
        <source>Impuls Room</source>
        <translation>Impuls Room</translation>
    </message>
    <message>
        <source>Filter Room</source>
        <translation>Filter Room</translation>
    </message>
    <message>
        <source>Impuls High</source>
        <translation>Impuls High</translation>
    </message>
    <message>
        <source>Impuls Low</source>
        <translation>Impuls Low</translation>
    </message>
    <message>
        <source>desired</source>
        <translation>desired</translation>
    </message>
</context>
<context>
    <name>qv::LineReader</name>
    <message>
        <source>Fehler beim Zugriff auf </source>
        <translation>Fehler beim Zugriff auf </translation>
    </message>
    <message>
        <source>Lesefehler in </source>
        <translation>Lesefehler in </translation>
    </message>
</context>
<context>
    <name>qv::LineWriter</name>
    <message>
        <source>Fehler beim Zugriff auf </source>
        <translation>Fehler beim Zugriff auf </translation>
    </message>
    <message>
        <source>Schreibfehler in </source>
        <translation>Schreibfehler in </translation>
    </message>
</context>
<context>
    <name>qv::TEditDiagrammDlg</name>
    <message>
        <source>lin</source>
        <translation>lin</translation>
    </message>
    <message>
        <source>log</source>
        <translation>log</translation>
    </message>
    <message>
        <source>Edit Diagramm</source>
        <translation>Edit Diagramm</translation>
    </message>
    <message>
        <source>x-Achse</source>
        <translation>x-Achse</translation>
    </message>
    <message>
        <source>y-Achse</source>
        <translation>y-Achse</translation>
    </message>
    <message>
        <source>von:</source>
        <translation>von:</translation>
    </message>
    <message>
        <source>bis:</source>
        <translation>bis:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>std</name>
    <message>
        <source>Fehler beim Zugriff auf </source>
        <translation>Fehler beim Zugriff auf </translation>
    </message>
    <message>
        <source>estimating time left</source>
        <translation>Restzeit wird geschätzt</translation>
    </message>
    <message>
        <source> s left</source>
        <translation> s übrig</translation>
    </message>
</context>
</TS>
