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
    <message>
        <source>&quot; is not a number.</source>
        <translation>&quot; ist keine Zahl.</translation>
    </message>
    <message>
        <source>Wertebereich überschritten</source>
        <translation>Wertebereich überschritten</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Fehler im Ausdruck</source>
        <translation>Fehler im Ausdruck</translation>
    </message>
    <message>
        <source>XY-Werte (*.dat)|*.dat</source>
        <translation>XY-Werte (*.dat)|*.dat</translation>
    </message>
    <message>
        <source>Y-Werte (*.dat)|*.dat</source>
        <translation>Y-Werte (*.dat)|*.dat</translation>
    </message>
    <message>
        <source>Import Measurement</source>
        <translation>Messung importieren</translation>
    </message>
    <message>
        <source>looking at </source>
        <translation>untersuche </translation>
    </message>
    <message>
        <source>Measurements (*.frd *.txt *.csv *.dat *.zma)|*.frd *.txt *.csv *.dat *.zma|</source>
        <translation>Messungen (*.frd *.txt *.csv *.dat *.zma)|*.frd *.txt *.csv *.dat *.zma|</translation>
    </message>
    <message>
        <source>Impulse responses (*.wav *.flac *.aif *.aiff *.w64)|*.wav *.flac *.aif *.aiff *.w64|</source>
        <translation>Impulsantworten (*.wav *.flac *.aif *.aiff *.w64)|*.wav *.flac *.aif *.aiff *.w64|</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>DAT - Format</source>
        <translation>DAT - Format</translation>
    </message>
    <message>
        <source>IMP  - Format</source>
        <translation>IMP  - Format</translation>
    </message>
    <message>
        <source>Zielfunktion</source>
        <translation>Zielfunktion</translation>
    </message>
    <message>
        <source>Import Measurement…</source>
        <translation>Messung importieren…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>XY-Format</source>
        <translation>XY-Format</translation>
    </message>
    <message>
        <source> Y- Format</source>
        <translation> Y- Format</translation>
    </message>
    <message>
        <source> YI-Format</source>
        <translation> YI-Format</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>Add Constant</source>
        <translation>Add Constant</translation>
    </message>
    <message>
        <source>Mul Constant</source>
        <translation>Mul Constant</translation>
    </message>
    <message>
        <source>Black Window</source>
        <translation>Black Window</translation>
    </message>
    <message>
        <source>Dezi</source>
        <translation>Dezi</translation>
    </message>
    <message>
        <source>Round 16 Bit</source>
        <translation>Round 16 Bit</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Auto Range</source>
        <translation>Auto Range</translation>
    </message>
    <message>
        <source>Standard Range</source>
        <translation>Standard Range</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Smoothing…</source>
        <translation>Glättung…</translation>
    </message>
    <message>
        <source>Point Editing</source>
        <translation>Punkte bearbeiten</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>AmCorCurve High</source>
        <translation>AmCorCurve High</translation>
    </message>
    <message>
        <source>AmCorCurve Low</source>
        <translation>AmCorCurve Low</translation>
    </message>
    <message>
        <source>Mathe</source>
        <translation>Mathe</translation>
    </message>
    <message>
        <source>Impuls -&gt; Frequency Response</source>
        <translation>Impuls -&gt; Frequency Response</translation>
    </message>
    <message>
        <source>Impuls -&gt; Group Delay</source>
        <translation>Impuls -&gt; Group Delay</translation>
    </message>
    <message>
        <source>Cut  Impuls</source>
        <translation>Cut  Impuls</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simulate</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Execute</translation>
    </message>
    <message>
        <source>Correction Target…</source>
        <translation>Korrekturziel…</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Filter -&gt; DSP</source>
        <translation>Filter -&gt; DSP</translation>
    </message>
    <message>
        <source>Filter &lt;- DSP</source>
        <translation>Filter &lt;- DSP</translation>
    </message>
    <message>
        <source>Backup Set…</source>
        <translation>Set sichern…</translation>
    </message>
    <message>
        <source>Restore Set…</source>
        <translation>Set wiederherstellen…</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>DSP</source>
        <translation>DSP</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SET</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>COM1</source>
        <translation>COM1</translation>
    </message>
    <message>
        <source>COM2</source>
        <translation>COM2</translation>
    </message>
    <message>
        <source>COM3</source>
        <translation>COM3</translation>
    </message>
    <message>
        <source>COM4</source>
        <translation>COM4</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Undo Last Write</source>
        <translation>Letztes Schreiben rückgängig</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Verlauf…</translation>
    </message>
    <message>
        <source>Verify After Write</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Fehler beim Zugriff auf </source>
        <translation>Fehler beim Zugriff auf </translation>
    </message>
    <message>
        <source>predicted</source>
        <translation>vorhergesagt</translation>
    </message>
    <message>
        <source>real</source>
        <translation>real</translation>
    </message>
    <message>
        <source>kein Impuls vorhanden</source>
        <translation>kein Impuls vorhanden</translation>
    </message>
    <message>
        <source>Read Setup From DSP</source>
        <translation>Read Setup From DSP</translation>
    </message>
    <message>
        <source>Setup lesen</source>
        <translation>Setup lesen</translation>
    </message>
    <message>
        <source>Korrekturkurve High fehlt.</source>
        <translation>Korrekturkurve High fehlt.</translation>
    </message>
    <message>
        <source>unzulaessige Einstellung</source>
        <translation>unzulaessige Einstellung</translation>
    </message>
    <message>
        <source>Fehler bei Byte Senden</source>
        <translation>Fehler bei Byte Senden</translation>
    </message>
    <message>
        <source>Write Setup To DSP</source>
        <translation>Write Setup To DSP</translation>
    </message>
    <message>
        <source>Set lesen</source>
        <translation>Set lesen</translation>
    </message>
    <message>
        <source>Setup schreiben</source>
        <translation>Setup schreiben</translation>
    </message>
    <message>
        <source>Write Software</source>
        <translation>Write Software</translation>
    </message>
    <message>
        <source>zuerst Simulation durchfuehren!--&gt; Menu Simulate</source>
        <translation>zuerst Simulation durchfuehren!--&gt; Menu Simulate</translation>
    </message>
    <message>
        <source>Flash loeschen</source>
        <translation>Flash loeschen</translation>
    </message>
    <message>
        <source>Flash nicht geloescht</source>
        <translation>Flash nicht geloescht</translation>
    </message>
    <message>
        <source>Filter schreiben</source>
        <translation>Filter schreiben</translation>
    </message>
    <message>
        <source>zuerst Entzerrung durchfuehren!</source>
        <translation>zuerst Entzerrung durchfuehren!</translation>
    </message>
    <message>
        <source>keine RS232-Verbindung zu DSP! [5]</source>
        <translation>keine RS232-Verbindung zu DSP! [5]</translation>
    </message>
    <message>
        <source>keine RS232-Verbindung! [6]</source>
        <translation>keine RS232-Verbindung! [6]</translation>
    </message>
    <message>
        <source>zuerst DSP-Setup durchführen (Menu: SETUP-&gt;DSP)!</source>
        <translation>zuerst DSP-Setup durchführen (Menu: SETUP-&gt;DSP)!</translation>
    </message>
    <message>
        <source>keine RS232-Verbindung zu DSP! [7]</source>
        <translation>keine RS232-Verbindung zu DSP! [7]</translation>
    </message>
    <message>
        <source>keine RS232-Verbindung zu DSP! [8]</source>
        <translation>keine RS232-Verbindung zu DSP! [8]</translation>
    </message>
    <message>
        <source>Raumfilter schreiben</source>
        <translation>Raumfilter schreiben</translation>
    </message>
    <message>
        <source>keine RS232-Verbindung zu DSP! [10]</source>
        <translation>keine RS232-Verbindung zu DSP! [10]</translation>
    </message>
    <message>
        <source>keine RS232-Verbindung zu DSP! [9]</source>
        <translation>keine RS232-Verbindung zu DSP! [9]</translation>
    </message>
    <message>
        <source>No DSP -&gt; Please connect DSP to USB</source>
        <translation>Kein DSP -&gt; bitte DSP an USB anschließen</translation>
    </message>
    <message>
        <source>DSP Programm NICHT erfolgreich geschrieben</source>
        <translation>DSP Programm NICHT erfolgreich geschrieben</translation>
    </message>
    <message>
        <source>DSP Programm erfolgreich geschrieben</source>
        <translation>DSP Programm erfolgreich geschrieben</translation>
    </message>
    <message>
        <source>Filter lesen</source>
        <translation>Filter lesen</translation>
    </message>
    <message>
        <source>Set schreiben</source>
        <translation>Set schreiben</translation>
    </message>
    <message>
        <source>Export Filter…</source>
        <translation>Filter exportieren…</translation>
    </message>
    <message>
        <source>Open Project…</source>
        <translation>Projekt öffnen…</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Letzte Projekte</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Save Project As…</source>
        <translation>Projekt speichern unter…</translation>
    </message>
    <message>
        <source>Project Info…</source>
        <translation>Projektinfo…</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Give the sample rate of this text impulse in Hz.</source>
        <translation>Abtastrate dieses Text-Impulses in Hz angeben.</translation>
    </message>
    <message>
        <source>The sample rate must be a positive number of Hz.</source>
        <translation>Die Abtastrate muss eine positive Zahl in Hz sein.</translation>
    </message>
    <message>
        <source>The gate runs from an earlier to a later time in ms around the peak.</source>
        <translation>Das Zeitfenster läuft von einer früheren zu einer späteren Zeit in ms um die Spitze.</translation>
    </message>
    <message>
        <source>The frequency-dependent window takes 1 to 1000 cycles.</source>
        <translation>Das frequenzabhängige Fenster umfasst 1 bis 1000 Perioden.</translation>
    </message>
    <message>
        <source>the setup</source>
        <translation>des Setups</translation>
    </message>
    <message>
        <source>the software</source>
        <translation>der Software</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Cancelled: %1 was written but not verified</source>
        <translation>Abgebrochen: %1 ist geschrieben, aber nicht geprüft</translation>
    </message>
    <message>
        <source>the filter</source>
        <translation>des Filters</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Room filter</source>
        <translation>Raumfilter</translation>
    </message>
    <message>
        <source>mehr als %1 Programmbytes</source>
        <translation>mehr als %1 Programmbytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein Programmbyte</source>
        <translation>&quot;%1&quot; ist kein Programmbyte</translation>
    </message>
    <message>
        <source>DSP Programm %1</source>
        <translation>DSP Programm %1</translation>
    </message>
    <message>
        <source>writing %1</source>
        <translation>Schreiben %1</translation>
    </message>
    <message>
        <source>verifying %1</source>
        <translation>Prüfen %1</translation>
    </message>
    <message>
        <source>selecting the set</source>
        <translation>Auswählen des Sets</translation>
    </message>
    <message>
        <source>%1 holds no filter yet</source>
        <translation>%1 enthält noch kein Filter</translation>
    </message>
    <message>
        <source>Cancelled: nothing was changed</source>
        <translation>Abgebrochen: nichts wurde geändert</translation>
    </message>
    <message>
        <source>Filter read from %1</source>
        <translation>Filter aus %1 gelesen</translation>
    </message>
    <message>
        <source>Backup Set</source>
        <translation>Set sichern</translation>
    </message>
    <message>
        <source>%1 holds no program: nothing to back up</source>
        <translation>%1 enthält kein Programm: nichts zu sichern</translation>
    </message>
    <message>
        <source>Cancelled: no backup was written</source>
        <translation>Abgebrochen: keine Sicherung geschrieben</translation>
    </message>
    <message>
        <source>Fehler beim Zugriff auf %1 !</source>
        <translation>Fehler beim Zugriff auf %1 !</translation>
    </message>
    <message>
        <source>%1 backed up to %2</source>
        <translation>%1 in %2 gesichert</translation>
    </message>
    <message>
        <source>the set</source>
        <translation>des Sets</translation>
    </message>
    <message>
        <source>Restore refused: %1</source>
        <translation>Wiederherstellen abgelehnt: %1</translation>
    </message>
    <message>
        <source>Restore refused: %1 holds no bytes of a set</source>
        <translation>Wiederherstellen abgelehnt: %1 enthält keine Bytes eines Sets</translation>
    </message>
    <message>
        <source>Restore Set</source>
        <translation>Set wiederherstellen</translation>
    </message>
    <message>
        <source>Backup %1</source>
        <translation>Sicherung %1</translation>
    </message>
    <message>
        <source>%1: the box history is switched off</source>
        <translation>%1: der Verlauf der Box ist ausgeschaltet</translation>
    </message>
    <message>
        <source>%1: the box history holds %2 state, not %3</source>
        <translation>%1: der Verlauf der Box enthält %2 Stand, nicht %3</translation>
    </message>
    <message>
        <source>%1: the box history holds %2 states, not %3</source>
        <translation>%1: der Verlauf der Box enthält %2 Stände, nicht %3</translation>
    </message>
    <message>
        <source>%1: the kept state %2 cannot be read (%3)</source>
        <translation>%1: der gespeicherte Stand %2 ist nicht lesbar (%3)</translation>
    </message>
    <message>
        <source>Kept state of %1</source>
        <translation>Gespeicherter Stand vom %1</translation>
    </message>
    <message>
        <source>Fehler %1 aufgetreten</source>
        <translation>Fehler %1 aufgetreten</translation>
    </message>
</context>
<context>
    <name>qv::AverageDialogRules</name>
    <message>
        <source>The channel is a whole number from 1.</source>
        <translation>Der Kanal ist eine ganze Zahl ab 1.</translation>
    </message>
    <message>
        <source>Averaging cancelled.</source>
        <translation>Mittelung abgebrochen.</translation>
    </message>
    <message>
        <source>Add 2 to 16 measurement files.</source>
        <translation>2 bis 16 Messdateien hinzufügen.</translation>
    </message>
</context>
<context>
    <name>qv::BoxHistory</name>
    <message>
        <source>Fehler beim Zugriff auf </source>
        <translation>Fehler beim Zugriff auf </translation>
    </message>
</context>
<context>
    <name>qv::ConstantDialogLogic</name>
    <message>
        <source>ADD CONSTANT</source>
        <translation>ADD CONSTANT</translation>
    </message>
    <message>
        <source>MUL CONSTANT</source>
        <translation>MUL CONSTANT</translation>
    </message>
</context>
<context>
    <name>qv::CorrectionTargetLogic</name>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Max. boost</source>
        <translation>Max. Anhebung</translation>
    </message>
    <message>
        <source>Max. cut</source>
        <translation>Max. Absenkung</translation>
    </message>
    <message>
        <source>Max. delay</source>
        <translation>Max. Verzögerung</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Neigung</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Bezug</translation>
    </message>
    <message>
        <source>(house curve of the project)</source>
        <translation>(Hauskurve des Projekts)</translation>
    </message>
    <message>
        <source>House curve: choose a file.</source>
        <translation>Hauskurve: bitte eine Datei wählen.</translation>
    </message>
    <message>
        <source>House curve: </source>
        <translation>Hauskurve: </translation>
    </message>
    <message>
        <source>measurement (curve 3 of &quot;Frequency Response&quot;)</source>
        <translation>Messung (Kurve 3 von &quot;Frequency Response&quot;)</translation>
    </message>
    <message>
        <source>measured delay (curve 3 of &quot;Group Delay&quot;)</source>
        <translation>gemessene Laufzeit (Kurve 3 von &quot;Group Delay&quot;)</translation>
    </message>
</context>
<context>
    <name>qv::DspCommands</name>
    <message>
        <source>No DSP -&gt; Please connect DSP to USB</source>
        <translation>No DSP -&gt; Please connect DSP to USB</translation>
    </message>
</context>
<context>
    <name>qv::Editor</name>
    <message>
        <source>Fehler beim Zugriff auf </source>
        <translation>Fehler beim Zugriff auf </translation>
    </message>
    <message>
        <source>Fehler beim Speichern</source>
        <translation>Fehler beim Speichern</translation>
    </message>
</context>
<context>
    <name>qv::ImportDialogRules</name>
    <message>
        <source>Channel </source>
        <translation>Kanal </translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Import abgebrochen.</translation>
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
    <name>qv::SetWrite</name>
    <message>
        <source>reading what the set holds</source>
        <translation>Lesen des Set-Inhalts</translation>
    </message>
    <message>
        <source>erasing the set</source>
        <translation>Löschen des Sets</translation>
    </message>
    <message>
        <source>The set is unchanged.</source>
        <translation>Das Set ist unverändert.</translation>
    </message>
    <message>
        <source>The set differs from what was written: write it again, or use %1.</source>
        <translation>Das Set weicht vom Geschriebenen ab: erneut schreiben oder %1 verwenden.</translation>
    </message>
    <message>
        <source>The set differs from what was written: write it again.</source>
        <translation>Das Set weicht vom Geschriebenen ab: erneut schreiben.</translation>
    </message>
    <message>
        <source>The set is written but not verified: write it again, or use %1.</source>
        <translation>Das Set ist geschrieben, aber nicht geprüft: erneut schreiben oder %1 verwenden.</translation>
    </message>
    <message>
        <source>The set is written but not verified: write it again.</source>
        <translation>Das Set ist geschrieben, aber nicht geprüft: erneut schreiben.</translation>
    </message>
    <message>
        <source>The set is incomplete: write it again, or use %1.</source>
        <translation>Das Set ist unvollständig: erneut schreiben oder %1 verwenden.</translation>
    </message>
    <message>
        <source>The set is incomplete: write it again.</source>
        <translation>Das Set ist unvollständig: erneut schreiben.</translation>
    </message>
    <message>
        <source>the box stopped answering</source>
        <translation>die Box antwortete nicht mehr</translation>
    </message>
    <message>
        <source>the box&apos;s answers stayed damaged</source>
        <translation>die Antworten der Box blieben fehlerhaft</translation>
    </message>
    <message>
        <source>the box refused a telegram</source>
        <translation>die Box wies ein Telegramm zurück</translation>
    </message>
    <message>
        <source>a telegram could not be sent</source>
        <translation>ein Telegramm ließ sich nicht senden</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the port was lost (%1)</source>
        <translation>die Schnittstelle ging verloren (%1)</translation>
    </message>
    <message>
        <source>the box history could not be written in %1</source>
        <translation>der Verlauf der Box ließ sich nicht in %1 schreiben</translation>
    </message>
    <message>
        <source>%1: %2 while %3 (%4 %). %5</source>
        <translation>%1: %2 beim %3 (%4 %). %5</translation>
    </message>
</context>
<context>
    <name>qv::SetupDspLogic</name>
    <message>
        <source>keine RS232-Verbindung zu DSP!</source>
        <translation>keine RS232-Verbindung zu DSP!</translation>
    </message>
    <message>
        <source>Software fuer DSP updaten --&gt; Menu: Setup DSP</source>
        <translation>Software fuer DSP updaten --&gt; Menu: Setup DSP</translation>
    </message>
    <message>
        <source>keine USB-Verbindung zu DSP!</source>
        <translation>keine USB-Verbindung zu DSP!</translation>
    </message>
    <message>
        <source>Write Setup To DSP</source>
        <translation>Write Setup To DSP</translation>
    </message>
</context>
<context>
    <name>qv::SetupVolumeLogic</name>
    <message>
        <source>keine RS232-Verbindung zu DSP!</source>
        <translation>keine RS232-Verbindung zu DSP!</translation>
    </message>
    <message>
        <source>Setup -&gt; DSP</source>
        <translation>Setup -&gt; DSP</translation>
    </message>
</context>
<context>
    <name>qv::SmoothingDialogLogic</name>
    <message>
        <source>Smoothing: curve </source>
        <translation>Glättung: Kurve </translation>
    </message>
    <message>
        <source> is empty.</source>
        <translation> ist leer.</translation>
    </message>
    <message>
        <source>Smoothing works on curves over frequency (Hz).</source>
        <translation>Glättung arbeitet auf Kurven über der Frequenz (Hz).</translation>
    </message>
</context>
<context>
    <name>qv::TAboutBox</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>qv::TAverageMeasurementsDlg</name>
    <message>
        <source>Average Measurements</source>
        <translation>Messungen mitteln</translation>
    </message>
    <message>
        <source>Measurements (*.frd *.txt *.csv *.dat *.wav *.flac *.aif *.aiff *.w64);;(*.*)</source>
        <translation>Messungen (*.frd *.txt *.csv *.dat *.wav *.flac *.aif *.aiff *.w64);;(*.*)</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Hinzufügen…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Power (mean of 10^(L/10))</source>
        <translation>Leistung (Mittel von 10^(L/10))</translation>
    </message>
    <message>
        <source>dB (mean of L)</source>
        <translation>dB (Mittel von L)</translation>
    </message>
    <message>
        <source>Vector (aligned impulses)</source>
        <translation>Vektoriell (ausgerichtete Impulse)</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Hz (text impulses)</source>
        <translation>Hz (Text-Impulse)</translation>
    </message>
    <message>
        <source>from the file</source>
        <translation>aus der Datei</translation>
    </message>
</context>
<context>
    <name>qv::TBoxHistoryDlg</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>qv::TConstantDlg</name>
    <message>
        <source>Value:</source>
        <translation>Value:</translation>
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
    <name>qv::TCorrectionTargetDlg</name>
    <message>
        <source>Correction Target</source>
        <translation>Korrekturziel</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source> octave</source>
        <translation> Oktave</translation>
    </message>
    <message>
        <source>band mean</source>
        <translation>Bandmittel</translation>
    </message>
    <message>
        <source>Band and limits</source>
        <translation>Band und Grenzen</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Max. boost:</source>
        <translation>Max. Anhebung:</translation>
    </message>
    <message>
        <source>Max. cut:</source>
        <translation>Max. Absenkung:</translation>
    </message>
    <message>
        <source>Smoothing:</source>
        <translation>Glättung:</translation>
    </message>
    <message>
        <source>0 dB at:</source>
        <translation>0 dB bei:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Flach</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Neigung</translation>
    </message>
    <message>
        <source>House curve</source>
        <translation>Hauskurve</translation>
    </message>
    <message>
        <source>Group Delay</source>
        <translation>Group Delay</translation>
    </message>
    <message>
        <source>Delay correction, max.</source>
        <translation>Laufzeitkorrektur, max.</translation>
    </message>
</context>
<context>
    <name>qv::TCutImpulsDlg</name>
    <message>
        <source>Cut Impuls</source>
        <translation>Cut Impuls</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>To:</translation>
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
    <name>qv::TExportFilterDlg</name>
    <message>
        <source>Export Filter</source>
        <translation>Filter exportieren</translation>
    </message>
    <message>
        <source>Linear (latency half the length)</source>
        <translation>Linear (Latenz halbe Länge)</translation>
    </message>
    <message>
        <source>Minimum (no latency, no delay target)</source>
        <translation>Minimal (keine Latenz, kein Laufzeitziel)</translation>
    </message>
    <message>
        <source>Add correction curve (amlin.cor)</source>
        <translation>Korrekturkurve hinzufügen (amlin.cor)</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Rates (Hz):</source>
        <translation>Raten (Hz):</translation>
    </message>
    <message>
        <source>Length (taps):</source>
        <translation>Länge (Taps):</translation>
    </message>
    <message>
        <source>Phase:</source>
        <translation>Phase:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Writes: </source>
        <translation>Schreibt: </translation>
    </message>
</context>
<context>
    <name>qv::TForm1</name>
    <message>
        <source>Sollwert</source>
        <translation>Sollwert</translation>
    </message>
    <message>
        <source>Istwert</source>
        <translation>Istwert</translation>
    </message>
    <message>
        <source>Curve 3</source>
        <translation>Curve 3</translation>
    </message>
    <message>
        <source>Curve 4</source>
        <translation>Curve 4</translation>
    </message>
    <message>
        <source>Room </source>
        <translation>Room </translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>A transfer to the DSP is running. Stop it and close?</source>
        <translation>Eine Übertragung zum DSP läuft. Abbrechen und schließen?</translation>
    </message>
</context>
<context>
    <name>qv::TImportMeasurementDlg</name>
    <message>
        <source>Import Measurement</source>
        <translation>Messung importieren</translation>
    </message>
    <message>
        <source>Column pair</source>
        <translation>Spaltenpaar</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
</context>
<context>
    <name>qv::TImportOptionsBox</name>
    <message>
        <source>Sample rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Gate</source>
        <translation>Zeitfenster</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>The level through a frequency-dependent window; the group delay of an impulse always goes through one (15 cycles unless given).</source>
        <translation>Der Pegel durch ein frequenzabhängiges Fenster; die Gruppenlaufzeit eines Impulses geht immer durch eines (15 Perioden, wenn nicht angegeben).</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>ms around the peak</source>
        <translation>ms um die Spitze</translation>
    </message>
    <message>
        <source>cycles (frequency-dependent)</source>
        <translation>Perioden (frequenzabhängig)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>qv::TSetUpHardwareDlg</name>
    <message>
        <source> DSP Synchronisation </source>
        <translation> DSP Synchronisation </translation>
    </message>
    <message>
        <source>Sample Rate Conversion Sync. </source>
        <translation>Sample Rate Conversion Sync. </translation>
    </message>
    <message>
        <source>Digital Lense Synchronisation</source>
        <translation>Digital Lense Synchronisation</translation>
    </message>
    <message>
        <source>Crossover Synchronisation</source>
        <translation>Crossover Synchronisation</translation>
    </message>
    <message>
        <source> DSP Output</source>
        <translation> DSP Output</translation>
    </message>
    <message>
        <source>SPDIF </source>
        <translation>SPDIF </translation>
    </message>
    <message>
        <source>I2S activ (own Framesync)</source>
        <translation>I2S activ (own Framesync)</translation>
    </message>
    <message>
        <source>I2S passive (extern Framesync)</source>
        <translation>I2S passive (extern Framesync)</translation>
    </message>
    <message>
        <source> DSP Oszillator Frequency </source>
        <translation> DSP Oszillator Frequency </translation>
    </message>
    <message>
        <source>24.576 MHz (48kHz, DAT)</source>
        <translation>24.576 MHz (48kHz, DAT)</translation>
    </message>
    <message>
        <source>16 MHz (44.1 kHz, CD)</source>
        <translation>16 MHz (44.1 kHz, CD)</translation>
    </message>
    <message>
        <source> DSP I2S Output Format </source>
        <translation> DSP I2S Output Format </translation>
    </message>
    <message>
        <source>Leftjustified ( e.g. WM8741)</source>
        <translation>Leftjustified ( e.g. WM8741)</translation>
    </message>
    <message>
        <source>Rightjustified ( e.g. PCM1704)</source>
        <translation>Rightjustified ( e.g. PCM1704)</translation>
    </message>
    <message>
        <source> DSP Sample Rate Frequency </source>
        <translation> DSP Sample Rate Frequency </translation>
    </message>
    <message>
        <source>44.1 kHz</source>
        <translation>44.1 kHz</translation>
    </message>
    <message>
        <source>48 kHz</source>
        <translation>48 kHz</translation>
    </message>
    <message>
        <source>88.2 kHz</source>
        <translation>88.2 kHz</translation>
    </message>
    <message>
        <source>96 kHz</source>
        <translation>96 kHz</translation>
    </message>
    <message>
        <source>Setup DSP Hardware</source>
        <translation>Setup DSP Hardware</translation>
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
    <name>qv::TSetupDSPDlg</name>
    <message>
        <source>Setup DSP Range</source>
        <translation>Setup DSP Range</translation>
    </message>
    <message>
        <source> Frequency Range </source>
        <translation> Frequency Range </translation>
    </message>
    <message>
        <source>High        (00..24 kHz)</source>
        <translation>High        (00..24 kHz)</translation>
    </message>
    <message>
        <source>Low         (00..1.5 kHz)</source>
        <translation>Low         (00..1.5 kHz)</translation>
    </message>
    <message>
        <source> DSP Sample Frequency </source>
        <translation> DSP Sample Frequency </translation>
    </message>
    <message>
        <source>44.1kHz</source>
        <translation>44.1kHz</translation>
    </message>
    <message>
        <source>48 kHz</source>
        <translation>48 kHz</translation>
    </message>
    <message>
        <source>33 kHz</source>
        <translation>33 kHz</translation>
    </message>
    <message>
        <source> Left Channel Volume </source>
        <translation> Left Channel Volume </translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right Channel Volume </source>
        <translation>Right Channel Volume </translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Left Channel Delay </source>
        <translation>Left Channel Delay </translation>
    </message>
    <message>
        <source>Right Channel Delay </source>
        <translation>Right Channel Delay </translation>
    </message>
    <message>
        <source>Room Equalizer </source>
        <translation>Room Equalizer </translation>
    </message>
    <message>
        <source>Equalizer On/Off</source>
        <translation>Equalizer On/Off</translation>
    </message>
    <message>
        <source>Write Setup To DSP</source>
        <translation>Write Setup To DSP</translation>
    </message>
    <message>
        <source>Write Software</source>
        <translation>Write Software</translation>
    </message>
    <message>
        <source>Read Setup From DSP</source>
        <translation>Read Setup From DSP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Steps:</source>
        <translation>Steps:</translation>
    </message>
    <message>
        <source>constant:</source>
        <translation>constant:</translation>
    </message>
    <message>
        <source>Sum:</source>
        <translation>Sum:</translation>
    </message>
</context>
<context>
    <name>qv::TSetupVolumeDlg</name>
    <message>
        <source>Setup DSP Volume</source>
        <translation>Setup DSP Volume</translation>
    </message>
    <message>
        <source> Left Channel Volume </source>
        <translation> Left Channel Volume </translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source> Right Channel Volume </source>
        <translation> Right Channel Volume </translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Setup -&gt; DSP</source>
        <translation>Setup -&gt; DSP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>qv::TSmoothingDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Glättung</translation>
    </message>
    <message>
        <source> octave</source>
        <translation> Oktave</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Curve:</source>
        <translation>Kurve:</translation>
    </message>
</context>
<context>
    <name>qv::TStoreDataToDlg</name>
    <message>
        <source>Choose Set</source>
        <translation>Choose Set</translation>
    </message>
    <message>
        <source> Choose Set with Sample Frequency </source>
        <translation> Choose Set with Sample Frequency </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>qv::TVolumeFrame</name>
    <message>
        <source>Constant Gain:</source>
        <translation>Constant Gain:</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Default by Power Up:</source>
        <translation>Default by Power Up:</translation>
    </message>
    <message>
        <source>Sum:</source>
        <translation>Sum:</translation>
    </message>
</context>
<context>
    <name>qv::cli</name>
    <message>
        <source>--group-delay needs --method vector: only aligned impulses average to a group delay.</source>
        <translation>--group-delay braucht --method vector: nur ausgerichtete Impulse ergeben gemittelt eine Gruppenlaufzeit.</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mitteln</translation>
    </message>
    <message>
        <source>reading and averaging</source>
        <translation>Lesen und Mitteln</translation>
    </message>
    <message>
        <source>--delay needs --measured-delay or a measurement with a phase.</source>
        <translation>--delay braucht --measured-delay oder eine Messung mit Phase.</translation>
    </message>
    <message>
        <source>Delay target at its %1 ms limit at %2 % of the band.</source>
        <translation>Laufzeit-Ziel an seiner Grenze von %1 ms bei %2 % des Bands.</translation>
    </message>
    <message>
        <source>--gate takes T1:T2 in ms around the peak, T1 before T2 (e.g. -1:5)</source>
        <translation>--gate nimmt T1:T2 in ms um die Spitze, T1 vor T2 (z. B. -1:5)</translation>
    </message>
    <message>
        <source>--room needs on or off</source>
        <translation>--room braucht on oder off</translation>
    </message>
    <message>
        <source>%1 needs --set and --rate</source>
        <translation>%1 braucht --set und --rate</translation>
    </message>
    <message>
        <source>--set needs 1..8</source>
        <translation>--set braucht 1..8</translation>
    </message>
    <message>
        <source>--rate needs 44.1, 48 or 33</source>
        <translation>--rate braucht 44.1, 48 oder 33</translation>
    </message>
    <message>
        <source>write-filter needs the DSP program file %1: not found in %2 (--program-dir, default the current directory)</source>
        <translation>write-filter braucht die DSP-Programmdatei %1: nicht gefunden in %2 (--program-dir, sonst das aktuelle Verzeichnis)</translation>
    </message>
    <message>
        <source>Software fuer DSP updaten --&gt; Menu: Setup DSP</source>
        <translation>Software fuer DSP updaten --&gt; Menu: Setup DSP</translation>
    </message>
    <message>
        <source>write-software takes one FILE</source>
        <translation>write-software nimmt eine FILE</translation>
    </message>
    <message>
        <source>write-filter needs one FILTER file</source>
        <translation>write-filter braucht eine FILTER-Datei</translation>
    </message>
    <message>
        <source>Filter in Set %1 geschrieben</source>
        <translation>Filter in Set %1 geschrieben</translation>
    </message>
    <message>
        <source>read-filter needs --out FILE</source>
        <translation>read-filter braucht --out FILE</translation>
    </message>
    <message>
        <source>Filter read from %1</source>
        <translation>Filter aus %1 gelesen</translation>
    </message>
    <message>
        <source>backup needs --out FILE.hex</source>
        <translation>backup braucht --out FILE.hex</translation>
    </message>
    <message>
        <source>restore needs one FILE.hex</source>
        <translation>restore braucht eine FILE.hex</translation>
    </message>
    <message>
        <source>unknown operation %1</source>
        <translation>unbekannte Operation %1</translation>
    </message>
    <message>
        <source>keine RS232-Verbindung zu DSP!</source>
        <translation>keine RS232-Verbindung zu DSP!</translation>
    </message>
    <message>
        <source>--level or --project is required</source>
        <translation>--level oder --project ist nötig</translation>
    </message>
    <message>
        <source>export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>synthesis</source>
        <translation>Synthese</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>reading and analysing</source>
        <translation>Lesen und Auswerten</translation>
    </message>
    <message>
        <source>The file gives no level; nothing written.</source>
        <translation>Die Datei enthält keinen Pegel; nichts geschrieben.</translation>
    </message>
    <message>
        <source>The file gives no group delay; no group delay was written.</source>
        <translation>Die Datei enthält keine Gruppenlaufzeit; keine Gruppenlaufzeit geschrieben.</translation>
    </message>
    <message>
        <source>bad size &apos;%1&apos;</source>
        <translation>ungültige Größe &apos;%1&apos;</translation>
    </message>
    <message>
        <source>plot: no diagram titled &apos;%1&apos;; the titles are:</source>
        <translation>plot: kein Diagramm mit dem Titel &apos;%1&apos;; die Titel sind:</translation>
    </message>
    <message>
        <source>plot: no points in %1</source>
        <translation>plot: keine Punkte in %1</translation>
    </message>
    <message>
        <source>plot: cannot write %1</source>
        <translation>plot: %1 lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>at most four curves</source>
        <translation>höchstens vier Kurven</translation>
    </message>
    <message>
        <source>--curve &quot;%1&quot; is not &quot;DIAGRAM:SLOT&quot; (slot 1 ... 4)</source>
        <translation>--curve &quot;%1&quot; ist nicht &quot;DIAGRAM:SLOT&quot; (Slot 1 ... 4)</translation>
    </message>
    <message>
        <source>%1: %2 is empty; nothing written.</source>
        <translation>%1: %2 ist leer; nichts geschrieben.</translation>
    </message>
    <message>
        <source>peak coefficient %1</source>
        <translation>Spitzenkoeffizient %1</translation>
    </message>
    <message>
        <source>%1 (--fit-headroom does it.)</source>
        <translation>%1 (--fit-headroom erledigt das.)</translation>
    </message>
    <message>
        <source>target lowered by %1 dB for headroom</source>
        <translation>Ziel für Aussteuerungsreserve um %1 dB abgesenkt</translation>
    </message>
    <message>
        <source>Run with --help for more information.</source>
        <translation>Mehr mit --help.</translation>
    </message>
    <message>
        <source>the two impulse commands of the main window on an impulse file</source>
        <translation>die beiden Impulsbefehle des Hauptfensters auf einer Impulsdatei</translation>
    </message>
    <message>
        <source>several measurements averaged into one</source>
        <translation>mehrere Messungen zu einer gemittelt</translation>
    </message>
    <message>
        <source>a correction target from a measurement</source>
        <translation>ein Korrekturziel aus einer Messung</translation>
    </message>
    <message>
        <source>the box&apos;s transfers: setup, software, filters</source>
        <translation>die Übertragungen der Box: Setup, Software, Filter</translation>
    </message>
    <message>
        <source>a filter for software convolvers (WAV, raw or text) at any rate and length</source>
        <translation>ein Filter für Software-Faltungen (WAV, roh oder Text) in beliebiger Rate und Länge</translation>
    </message>
    <message>
        <source>a measurement file to level and group delay curves</source>
        <translation>eine Messdatei als Pegel- und Gruppenlaufzeitkurven</translation>
    </message>
    <message>
        <source>The Quorvane DSP Editor&apos;s work without a window, for scripts and batches.</source>
        <translation>Die Arbeit des Quorvane DSP Editors ohne Fenster, für Skripte und Stapelläufe.</translation>
    </message>
    <message>
        <source>de: the original texts, en: English (default: from the locale)</source>
        <translation>de: die Originaltexte, en: Englisch (sonst nach dem Gebietsschema)</translation>
    </message>
    <message>
        <source>paint one of the eleven diagrams with up to four DAT curves into a PNG</source>
        <translation>eines der elf Diagramme mit bis zu vier DAT-Kurven als PNG zeichnen</translation>
    </message>
    <message>
        <source>what a project file holds; one curve as a file</source>
        <translation>was eine Projektdatei enthält; eine Kurve als Datei</translation>
    </message>
    <message>
        <source>fractional-octave smoothing of a curve</source>
        <translation>Glättung einer Kurve über Bruchteile einer Oktave</translation>
    </message>
    <message>
        <source>the filter synthesis of &quot;Execute&quot; on curve files</source>
        <translation>die Filtersynthese von &quot;Execute&quot; auf Kurvendateien</translation>
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
    <message>
        <source>sample </source>
        <translation>Abtastwert </translation>
    </message>
    <message>
        <source> holds no setup yet</source>
        <translation> enthält noch kein Setup</translation>
    </message>
    <message>
        <source>noch keine Frequenz-Kurve fuer Roomequalizing geladen.</source>
        <translation>noch keine Frequenz-Kurve fuer Roomequalizing geladen.</translation>
    </message>
    <message>
        <source>noch keine Kurve fuer Amplitudenequalizing geladen.</source>
        <translation>noch keine Kurve fuer Amplitudenequalizing geladen.</translation>
    </message>
    <message>
        <source>noch keine Delay-Kurve fuer Roomqualizing geladen.</source>
        <translation>noch keine Delay-Kurve fuer Roomqualizing geladen.</translation>
    </message>
    <message>
        <source>noch keine Kurve fuer Laufzeitequalizing geladen.</source>
        <translation>noch keine Kurve fuer Laufzeitequalizing geladen.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Not OK  IDP Tele nicht erfolgreich gesendet</source>
        <translation>Not OK  IDP Tele nicht erfolgreich gesendet</translation>
    </message>
    <message>
        <source>%1 needs a whole number %2..%3</source>
        <translation>%1 braucht eine ganze Zahl %2..%3</translation>
    </message>
    <message>
        <source>--range needs high or low</source>
        <translation>--range braucht high oder low</translation>
    </message>
    <message>
        <source>%1  before %2  (box version %3)</source>
        <translation>%1  vor %2  (Box-Version %3)</translation>
    </message>
    <message>
        <source>Transfer → &quot;%1&quot;</source>
        <translation>Transfer → &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Undo Last Write</source>
        <translation>Letztes Schreiben rückgängig</translation>
    </message>
    <message>
        <source>%1 Telegramme</source>
        <translation>%1 Telegramme</translation>
    </message>
    <message>
        <source>Fehler in %1, Zeile %2: %3</source>
        <translation>Fehler in %1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>Set %1 at %2</source>
        <translation>Set %1 bei %2</translation>
    </message>
    <message>
        <source>Verify failed: %1 differs at offset %2 (%3). %4</source>
        <translation>Prüfen fehlgeschlagen: %1 weicht bei Offset %2 (%3) ab. %4</translation>
    </message>
    <message>
        <source>Verify failed: %1 differs at offset %2 (%3)</source>
        <translation>Prüfen fehlgeschlagen: %1 weicht bei Offset %2 (%3) ab</translation>
    </message>
    <message>
        <source>%1 written to %2, verified</source>
        <translation>%1 in %2 geschrieben, geprüft</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>%1 in %2 geschrieben</translation>
    </message>
    <message>
        <source>Cancelled: %1 is incomplete until the next &quot;%2&quot;</source>
        <translation>Abgebrochen: %1 ist unvollständig bis zum nächsten &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Verify failed: no answer from %1 while reading back</source>
        <translation>Prüfen fehlgeschlagen: keine Antwort von %1 beim Zurücklesen</translation>
    </message>
</context>
</TS>
