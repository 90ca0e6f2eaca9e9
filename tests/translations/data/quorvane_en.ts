<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>qv</name>
    <message>
        <source>keine RS232-Verbindung zu DSP!</source>
        <translation>no RS232 connection to the DSP!</translation>
    </message>
    <message>
        <source>Fehler beim Zugriff auf </source>
        <translation>Error accessing </translation>
    </message>
    <message>
        <source>Fehler beim Speichern</source>
        <translation type="unfinished">Error saving</translation>
    </message>
    <message>
        <source>Set %1 bei %2 kHz: %3</source>
        <translation>%3 (Set %1 at %2 kHz)</translation>
    </message>
    <message>
        <source>Filter schreiben</source>
        <translation>writing the filter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zeile eins
Zeile zwei</source>
        <translation>both lines as one</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 Zeilen</source>
        <translation>%1 lines</translation>
    </message>
    <message>
        <source>%1: %2 gelesen.</source>
        <translation>%1: read %2.</translation>
    </message>
</context>
</TS>
