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
        <source>Fehler </source>
        <translation>Fehler </translation>
    </message>
    <message>
        <source> aufgetreten</source>
        <translation> aufgetreten</translation>
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
        <source>Filter in Set </source>
        <translation>Filter in Set </translation>
    </message>
    <message>
        <source> geschrieben</source>
        <translation> geschrieben</translation>
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
        <source> Telegramme</source>
        <translation> Telegramme</translation>
    </message>
</context>
</TS>
