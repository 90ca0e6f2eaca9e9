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
        <translation>No DSP -&gt; Please connect DSP to USB</translation>
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
    <message>
        <source>%1 is not a readable audio file (no channels or rate).</source>
        <translation>%1 ist keine lesbare Audiodatei (keine Kanäle oder Rate).</translation>
    </message>
    <message>
        <source>%1 holds no audio frames.</source>
        <translation>%1 enthält keine Audio-Frames.</translation>
    </message>
    <message>
        <source>%1 holds %2 frames; impulses of up to %3 frames are imported.</source>
        <translation>%1 enthält %2 Frames; importiert werden Impulse bis %3 Frames.</translation>
    </message>
    <message>
        <source>Channel %1 is not there: %2 has %3.</source>
        <translation>Kanal %1 fehlt: %2 hat %3.</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 Kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation>%1 konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>text response</source>
        <translation>Frequenzgang als Text</translation>
    </message>
    <message>
        <source>text impulse</source>
        <translation>Impuls als Text</translation>
    </message>
    <message>
        <source>audio impulse</source>
        <translation>Impuls als Audiodatei</translation>
    </message>
    <message>
        <source>The impulse holds fewer than two samples.</source>
        <translation>Der Impuls hat weniger als zwei Abtastwerte.</translation>
    </message>
    <message>
        <source>The impulse holds a NaN or infinite sample at sample %1; it is not imported.</source>
        <translation>Der Impuls hat bei Abtastwert %1 einen NaN- oder unendlichen Wert; er wird nicht importiert.</translation>
    </message>
    <message>
        <source>The impulse is silent: every sample is zero.</source>
        <translation>Der Impuls ist stumm: alle Abtastwerte sind null.</translation>
    </message>
    <message>
        <source>A gate must run from an earlier to a later time.</source>
        <translation>Ein Fenster muss von einer früheren zu einer späteren Zeit reichen.</translation>
    </message>
    <message>
        <source>The gate %1 to %2 ms lies outside the impulse, which runs from %3 to %4 ms around its peak.</source>
        <translation>Das Fenster %1 bis %2 ms liegt außerhalb des Impulses, der von %3 bis %4 ms um seine Spitze reicht.</translation>
    </message>
    <message>
        <source>The gate %1 to %2 ms holds fewer than 8 samples of the impulse.</source>
        <translation>Das Fenster %1 bis %2 ms enthält weniger als 8 Abtastwerte des Impulses.</translation>
    </message>
    <message>
        <source>The gated impulse is silent: every sample is zero.</source>
        <translation>Der gefensterte Impuls ist stumm: alle Abtastwerte sind null.</translation>
    </message>
    <message>
        <source>The analysed impulse is too short to resolve any frequency.</source>
        <translation>Der ausgewertete Impuls ist zu kurz, um eine Frequenz aufzulösen.</translation>
    </message>
    <message>
        <source>Averaging needs 2 to 16 measurements; one was given.</source>
        <translation>Mitteln braucht 2 bis 16 Messungen; eine wurde angegeben.</translation>
    </message>
    <message>
        <source>Averaging needs 2 to 16 measurements; none were given.</source>
        <translation>Mitteln braucht 2 bis 16 Messungen; keine wurde angegeben.</translation>
    </message>
    <message>
        <source>Averaging takes at most 16 measurements; %1 were given.</source>
        <translation>Mitteln nimmt höchstens 16 Messungen; %1 wurden angegeben.</translation>
    </message>
    <message>
        <source>A measurement to average holds no level.</source>
        <translation>Eine zu mittelnde Messung enthält keinen Pegel.</translation>
    </message>
    <message>
        <source>The measurements share no frequency range: nothing to average.</source>
        <translation>Die Messungen haben keinen gemeinsamen Frequenzbereich: nichts zu mitteln.</translation>
    </message>
    <message>
        <source>Vector averaging needs impulses: %1</source>
        <translation>Vektormittelung braucht Impulse: %1</translation>
    </message>
    <message>
        <source>Vector averaging needs one sample rate: %1 is at %2 Hz, %3 at %4 Hz. Resample them, or average as power.</source>
        <translation>Vektormittelung braucht eine gemeinsame Abtastrate: %1 hat %2 Hz, %3 hat %4 Hz. Auf eine Rate umrechnen oder als Leistung mitteln.</translation>
    </message>
    <message>
        <source>The first measurement&apos;s gate and window apply to the average.</source>
        <translation>Die Fenster der ersten Messung gelten für den Mittelwert.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 ist leer.</translation>
    </message>
    <message>
        <source>%1 is not a measurement: it is a binary file.</source>
        <translation>%1 ist keine Messung, sondern eine Binärdatei.</translation>
    </message>
    <message>
        <source>The gate reaches past the impulse; it is cut there.</source>
        <translation>Das Fenster reicht über den Impuls hinaus; es wird dort abgeschnitten.</translation>
    </message>
    <message>
        <source>%1 holds a coherence (0 to 1), not a level in dB: it is not imported.</source>
        <translation>%1 enthält eine Kohärenz (0 bis 1), keinen Pegel in dB: wird nicht importiert.</translation>
    </message>
    <message>
        <source>%1 holds an impedance (ohms), not a level in dB: it is not imported.</source>
        <translation>%1 enthält eine Impedanz (Ohm), keinen Pegel in dB: wird nicht importiert.</translation>
    </message>
    <message>
        <source>The given sample rate is used, not the header&apos;s.</source>
        <translation>Die angegebene Abtastrate gilt, nicht die aus dem Dateikopf.</translation>
    </message>
    <message>
        <source>Sample rate from the header&apos;s sample interval.</source>
        <translation>Abtastrate aus dem Abtastintervall im Dateikopf.</translation>
    </message>
    <message>
        <source>%1 holds one sample a line: give the sample rate of this text impulse.</source>
        <translation>%1 enthält einen Abtastwert je Zeile: Abtastrate dieses Text-Impulses angeben.</translation>
    </message>
    <message>
        <source>Column pair %1 is not there: %2 offers %3.</source>
        <translation>Spaltenpaar %1 fehlt: %2 bietet %3.</translation>
    </message>
    <message>
        <source>%1 pair</source>
        <translation>%1 Paar</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 Paare</translation>
    </message>
    <message>
        <source>A gate applies to impulses only.</source>
        <translation>Ein Fenster gilt nur für Impulse.</translation>
    </message>
    <message>
        <source>The sample rate is not used: the file holds a response.</source>
        <translation>Die Abtastrate wird nicht verwendet: die Datei enthält einen Frequenzgang.</translation>
    </message>
    <message>
        <source>The frequency-dependent window is not used: the file holds a response.</source>
        <translation>Das frequenzabhängige Fenster wird nicht verwendet: die Datei enthält einen Frequenzgang.</translation>
    </message>
    <message>
        <source>Column pair %1 of %2: %3.</source>
        <translation>Spaltenpaar %1 von %2: %3.</translation>
    </message>
    <message>
        <source>The given sample rate is not used: the file carries its own.</source>
        <translation>Die angegebene Abtastrate wird nicht verwendet: die Datei hat ihre eigene.</translation>
    </message>
    <message>
        <source>%1 holds a response, not an impulse.</source>
        <translation>%1 enthält einen Frequenzgang, keinen Impuls.</translation>
    </message>
    <message>
        <source>TAB separated</source>
        <translation>TAB-getrennt</translation>
    </message>
    <message>
        <source>semicolon separated</source>
        <translation>durch Semikolon getrennt</translation>
    </message>
    <message>
        <source>comma separated</source>
        <translation>durch Komma getrennt</translation>
    </message>
    <message>
        <source>blank separated</source>
        <translation>durch Leerzeichen getrennt</translation>
    </message>
    <message>
        <source>%1 gives %2 above 0 Hz; a response needs at least two.</source>
        <translation>%1 liefert %2 über 0 Hz; ein Frequenzgang braucht mindestens zwei.</translation>
    </message>
    <message>
        <source>%1 frequency</source>
        <translation>%1 Frequenz</translation>
    </message>
    <message>
        <source>%1 frequencies</source>
        <translation>%1 Frequenzen</translation>
    </message>
    <message>
        <source>No group delay at %1 where the phase changes beyond measure.</source>
        <translation>Keine Gruppenlaufzeit bei %1, wo sich die Phase unmessbar stark ändert.</translation>
    </message>
    <message>
        <source>pair %1</source>
        <translation>Paar %1</translation>
    </message>
    <message>
        <source>%1 is not a measurement: it holds no rows of numbers.</source>
        <translation>%1 ist keine Messung: die Datei enthält keine Zahlenzeilen.</translation>
    </message>
    <message>
        <source>The file holds more than %1 rows; it is not imported.</source>
        <translation>Die Datei hat mehr als %1 Zeilen; sie wird nicht importiert.</translation>
    </message>
    <message>
        <source>The impulse holds a NaN or infinite sample in line %1; it is not imported.</source>
        <translation>Der Impuls hat in Zeile %1 einen NaN- oder unendlichen Wert; er wird nicht importiert.</translation>
    </message>
    <message>
        <source>The impulse holds more than %1 samples; it is not imported.</source>
        <translation>Der Impuls hat mehr als %1 Abtastwerte; er wird nicht importiert.</translation>
    </message>
    <message>
        <source>No curve in %1: the diagram stays as it was.</source>
        <translation>Keine Kurve in %1: das Diagramm bleibt, wie es war.</translation>
    </message>
    <message>
        <source>The band must lie between two positive frequencies.</source>
        <translation>Der Bereich muss zwischen zwei positiven Frequenzen liegen.</translation>
    </message>
    <message>
        <source>The band must start below its end (from &lt; to).</source>
        <translation>Der Bereich muss unter seinem Ende beginnen (von &lt; bis).</translation>
    </message>
    <message>
        <source>The boost limit must be a number of 0 dB or more.</source>
        <translation>Die Anhebungsgrenze muss eine Zahl ab 0 dB sein.</translation>
    </message>
    <message>
        <source>The cut limit must be a number of 0 dB or more.</source>
        <translation>Die Absenkungsgrenze muss eine Zahl ab 0 dB sein.</translation>
    </message>
    <message>
        <source>The delay limit must be a number of 0 ms or more.</source>
        <translation>Die Laufzeitgrenze muss eine Zahl ab 0 ms sein.</translation>
    </message>
    <message>
        <source>The tilt must be a number (dB per octave).</source>
        <translation>Die Neigung muss eine Zahl sein (dB je Oktave).</translation>
    </message>
    <message>
        <source>The house curve is not a curve: it needs 2 or more points, ascending in Hz.</source>
        <translation>Die Hauskurve ist keine Kurve: sie braucht 2 oder mehr Punkte, in Hz aufsteigend.</translation>
    </message>
    <message>
        <source>The reference must be a positive frequency.</source>
        <translation>Der Bezugspunkt muss eine positive Frequenz sein.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <translation>Keine %1 vorhanden.</translation>
    </message>
    <message>
        <source>The %1 is not a curve ascending in Hz.</source>
        <translation>Die %1 ist keine in Hz aufsteigende Kurve.</translation>
    </message>
    <message>
        <source>The %1 has fewer than 2 points between %2 and %3 Hz.</source>
        <translation>Die %1 hat weniger als 2 Punkte zwischen %2 und %3 Hz.</translation>
    </message>
    <message>
        <source>Smoothing: the fraction must be 1, 2, 3, 6, 12, 24 or 48.</source>
        <translation>Glättung: der Bruchteil muss 1, 2, 3, 6, 12, 24 oder 48 sein.</translation>
    </message>
    <message>
        <source>x-Achse von</source>
        <translation>x-Achse von</translation>
    </message>
    <message>
        <source>x-Achse bis</source>
        <translation>x-Achse bis</translation>
    </message>
    <message>
        <source>y-Achse von</source>
        <translation>y-Achse von</translation>
    </message>
    <message>
        <source>y-Achse bis</source>
        <translation>y-Achse bis</translation>
    </message>
    <message>
        <source>filter length %1 taps is outside 16 ... 65536</source>
        <translation>Filterlänge %1 Taps liegt außerhalb 16 ... 65536</translation>
    </message>
    <message>
        <source>sample rate %1 Hz is outside 8000 ... 768000 Hz</source>
        <translation>Abtastrate %1 Hz liegt außerhalb 8000 ... 768000 Hz</translation>
    </message>
    <message>
        <source>no level target</source>
        <translation>kein Pegelziel</translation>
    </message>
    <message>
        <source>a delay target needs linear phase</source>
        <translation>ein Laufzeitziel braucht lineare Phase</translation>
    </message>
    <message>
        <source>level target beyond any magnitude</source>
        <translation>Pegelziel jenseits jedes darstellbaren Betrags</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is no diagram of the editor</source>
        <translation>%1 &quot;%2&quot; ist kein Diagramm des Editors</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; comes twice</source>
        <translation>%1 &quot;%2&quot; kommt doppelt vor</translation>
    </message>
    <message>
        <source>%1 must hold the 4 slots</source>
        <translation>%1 muss die 4 Kurvenplätze enthalten</translation>
    </message>
    <message>
        <source>%1 lacks the diagram &quot;%2&quot;</source>
        <translation>%1 fehlt das Diagramm &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;, not &quot;flat&quot;, &quot;tilt&quot; or &quot;house&quot;</source>
        <translation>%1 ist &quot;%2&quot;, nicht &quot;flat&quot;, &quot;tilt&quot; oder &quot;house&quot;</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; names no curve</source>
        <translation>%1 &quot;%2&quot; nennt keine Kurve</translation>
    </message>
    <message>
        <source>The measurement %1 is no longer there; its stored curves are kept.</source>
        <translation>Die Messung %1 ist nicht mehr vorhanden; ihre gespeicherten Kurven bleiben erhalten.</translation>
    </message>
    <message>
        <source>The measurement %1 has changed since it was imported; its stored curves are kept.</source>
        <translation>Die Messung %1 wurde seit dem Import geändert; ihre gespeicherten Kurven bleiben erhalten.</translation>
    </message>
    <message>
        <source>%1 says %2 but %3 holds %4</source>
        <translation>%1 nennt %2, aber %3 enthält %4</translation>
    </message>
    <message>
        <source>the file ends too early (damaged or cut off)</source>
        <translation>die Datei endet zu früh (beschädigt oder abgeschnitten)</translation>
    </message>
    <message>
        <source>is not valid JSON at byte %1</source>
        <translation>ist kein gültiges JSON bei Byte %1</translation>
    </message>
    <message>
        <source>holds a number that is not finite (%1)</source>
        <translation>enthält eine nicht endliche Zahl (%1)</translation>
    </message>
    <message>
        <source>is not a Quorvane project (&quot;format&quot; is not &quot;%1&quot;)</source>
        <translation>ist kein Quorvane-Projekt (&quot;format&quot; ist nicht &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>was written by a newer program (format version %1; this one reads up to %2)</source>
        <translation>wurde von einem neueren Programm geschrieben (Formatversion %1; dieses liest bis %2)</translation>
    </message>
    <message>
        <source>%1 names no diagram</source>
        <translation>%1 nennt kein Diagramm</translation>
    </message>
    <message>
        <source>%1: cannot be opened (%2)</source>
        <translation>%1: lässt sich nicht öffnen (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>Cannot write %1 (disk full?)</source>
        <translation>%1 lässt sich nicht schreiben (Datenträger voll?)</translation>
    </message>
    <message>
        <source>Cannot replace %1: %2</source>
        <translation>%1 lässt sich nicht ersetzen: %2</translation>
    </message>
    <message>
        <source>ms (late &lt; 0)</source>
        <translation>ms (spät &lt; 0)</translation>
    </message>
    <message>
        <source>WAV, 32-bit float, mono</source>
        <translation>WAV, 32-Bit-Gleitkomma, mono</translation>
    </message>
    <message>
        <source>raw 32-bit float, little-endian, no header</source>
        <translation>roh, 32-Bit-Gleitkomma, Little-Endian, ohne Kopf</translation>
    </message>
    <message>
        <source>raw 64-bit float, little-endian, no header</source>
        <translation>roh, 64-Bit-Gleitkomma, Little-Endian, ohne Kopf</translation>
    </message>
    <message>
        <source>text, one value a line</source>
        <translation>Text, ein Wert je Zeile</translation>
    </message>
    <message>
        <source>CamillaDSP (a filters: entry):</source>
        <translation>CamillaDSP (ein Eintrag unter filters:):</translation>
    </message>
    <message>
        <source>Equalizer APO (config.txt; the WAV&apos;s rate must equal the device&apos;s rate):</source>
        <translation>Equalizer APO (config.txt; die Rate der WAV-Datei muss der Rate des Geräts gleichen):</translation>
    </message>
    <message>
        <source>reads WAV files only: export again with the format wav.</source>
        <translation>liest nur WAV-Dateien: erneut mit dem Format wav exportieren.</translation>
    </message>
    <message>
        <source>BruteFIR (a coeff block; filter_length times its blocks must hold %1 taps):</source>
        <translation>BruteFIR (ein coeff-Block; filter_length mal seine Blöcke muss %1 Taps fassen):</translation>
    </message>
    <message>
        <source>reads raw or text files only: export again with the format f32, f64 or text.</source>
        <translation>liest nur Roh- oder Textdateien: erneut mit dem Format f32, f64 oder text exportieren.</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;, not &quot;power&quot;, &quot;dB&quot; or &quot;vector&quot;</source>
        <translation>%1 ist &quot;%2&quot;, nicht &quot;power&quot;, &quot;dB&quot; oder &quot;vector&quot;</translation>
    </message>
    <message>
        <source>%1 must hold 2 to 16 files</source>
        <translation>%1 muss 2 bis 16 Dateien enthalten</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation>%1: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>noch keine Kurve fuer Amplitudenequalizing geladen.</source>
        <translation>noch keine Kurve fuer Amplitudenequalizing geladen.</translation>
    </message>
    <message>
        <source>Export Filter</source>
        <translation>Filter exportieren</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Filter exported: %1 file(s), %2 taps, latency %3 samples, peak %4</source>
        <translation>Filter exportiert: %1 Datei(en), %2 Taps, Latenz %3 Samples, Spitze %4</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no level in dB (e.g. 12.5).</source>
        <translation>%1: „%2“ ist kein Pegel in dB (z. B. 12.5).</translation>
    </message>
    <message>
        <source>%1: %2 dB is outside 0.0 ... %3 dB.</source>
        <translation>%1: %2 dB liegt außerhalb von 0.0 ... %3 dB.</translation>
    </message>
    <message>
        <source>Average Measurements…</source>
        <translation>Messungen mitteln…</translation>
    </message>
    <message>
        <source>Import a measurement (File → Import Measurement…) or bend the blue desired curve, then Simulate → Execute.</source>
        <translation>Eine Messung importieren (File → Messung importieren…) oder die blaue Sollkurve biegen, dann Simulate → Execute.</translation>
    </message>
    <message>
        <source>--lang needs de or en</source>
        <translation>--lang braucht de oder en</translation>
    </message>
    <message>
        <source>%1 needs a device name</source>
        <translation>%1 braucht einen Gerätenamen</translation>
    </message>
    <message>
        <source>%1 is not a project (FILE.qvproj)</source>
        <translation>%1 ist kein Projekt (DATEI.qvproj)</translation>
    </message>
    <message>
        <source>only one project can be opened</source>
        <translation>nur ein Projekt kann geöffnet werden</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>Quorvane Project (*.qvproj)|*.qvproj|(*.*)|*.*</source>
        <translation>Quorvane-Projekt (*.qvproj)|*.qvproj|(*.*)|*.*</translation>
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
    <name>qv::AverageReport</name>
    <message>
        <source>Average of %1 measurements, power method.</source>
        <translation>Mittelwert aus %1 Messungen, Leistungsmittelung.</translation>
    </message>
    <message>
        <source>Average of %1 measurements, dB method.</source>
        <translation>Mittelwert aus %1 Messungen, dB-Mittelung.</translation>
    </message>
    <message>
        <source>Average of %1 measurements, vector method.</source>
        <translation>Mittelwert aus %1 Messungen, Vektormittelung.</translation>
    </message>
    <message>
        <source>%1. %2 (reference)</source>
        <translation>%1. %2 (Referenz)</translation>
    </message>
    <message>
        <source>%1. %2, aligned by %3 ms</source>
        <translation>%1. %2, um %3 ms ausgerichtet</translation>
    </message>
    <message>
        <source>Group delay: %1 points, from the averaged impulse; late reads &lt; 0 ms.</source>
        <translation>Gruppenlaufzeit: %1 Punkte, aus dem gemittelten Impuls; spät ist negativ (&lt; 0 ms).</translation>
    </message>
    <message>
        <source>Group delay: none (vector averaging of impulses gives one).</source>
        <translation>Gruppenlaufzeit: keine (Vektormittelung von Impulsen liefert eine).</translation>
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
        <translation>Hauskurve: eine Datei wählen.</translation>
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
    <message>
        <source>House curve: %1</source>
        <translation>Hauskurve: %1</translation>
    </message>
</context>
<context>
    <name>qv::DspCommands</name>
    <message>
        <source>No DSP -&gt; Please connect DSP to USB</source>
        <translation>No DSP -&gt; Please connect DSP to USB</translation>
    </message>
    <message>
        <source>%1: the box history is switched off</source>
        <translation>%1: der Verlauf der Box ist ausgeschaltet</translation>
    </message>
    <message>
        <source>%1: the box history holds no state yet</source>
        <translation>%1: der Verlauf der Box enthält noch keinen Stand</translation>
    </message>
</context>
<context>
    <name>qv::EditDiagramRules</name>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number.</source>
        <translation>%1: &quot;%2&quot; ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 ... %4.</source>
        <translation>%1: %2 liegt außerhalb %3 ... %4.</translation>
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
    <name>qv::ExportDialogRules</name>
    <message>
        <source>WAV, 32-bit float</source>
        <translation>WAV, 32-Bit-Gleitkomma</translation>
    </message>
    <message>
        <source>raw 32-bit float (f32)</source>
        <translation>roh, 32-Bit-Gleitkomma (f32)</translation>
    </message>
    <message>
        <source>raw 64-bit float (f64)</source>
        <translation>roh, 64-Bit-Gleitkomma (f64)</translation>
    </message>
    <message>
        <source>text, one value a line</source>
        <translation>Text, ein Wert je Zeile</translation>
    </message>
    <message>
        <source>Rates: numbers from 8000 to 768000 Hz</source>
        <translation>Abtastraten: Zahlen von 8000 bis 768000 Hz</translation>
    </message>
    <message>
        <source>Length: a whole number from 16 to 65536 taps</source>
        <translation>Länge: eine ganze Zahl von 16 bis 65536 Taps</translation>
    </message>
    <message>
        <source>Name: a file name</source>
        <translation>Name: ein Dateiname</translation>
    </message>
    <message>
        <source>Folder: no such folder</source>
        <translation>Ordner: nicht vorhanden</translation>
    </message>
</context>
<context>
    <name>qv::Field</name>
    <message>
        <source>%1 is not an object</source>
        <translation>%1 ist kein Objekt</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 is not a finite number</source>
        <translation>%1 ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>%1 is below %2</source>
        <translation>%1 liegt unter %2</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is %2, not in %3 ... %4</source>
        <translation>%1 ist %2, nicht in %3 ... %4</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 ist nicht true oder false</translation>
    </message>
    <message>
        <source>%1 is not a pair [x, y]</source>
        <translation>%1 ist kein Paar [x, y]</translation>
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
    <name>qv::ImportReport</name>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1: %2, %3.</translation>
    </message>
    <message>
        <source>%1: %2 read, %3 skipped (headers, comments, text).</source>
        <translation>%1: %2 gelesen, %3 übersprungen (Kopfzeilen, Kommentare, Text).</translation>
    </message>
    <message>
        <source>%1 line</source>
        <translation>%1 Zeile</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>%1 sample</source>
        <translation>%1 Abtastwert</translation>
    </message>
    <message>
        <source>%1 samples</source>
        <translation>%1 Abtastwerte</translation>
    </message>
    <message>
        <source>Dropped %1 at or below 0 Hz.</source>
        <translation>%1 bei oder unter 0 Hz verworfen.</translation>
    </message>
    <message>
        <source>Dropped %1 with NaN or infinite values.</source>
        <translation>%1 mit NaN- oder unendlichen Werten verworfen.</translation>
    </message>
    <message>
        <source>Sorted the rows by frequency.</source>
        <translation>Zeilen nach Frequenz sortiert.</translation>
    </message>
    <message>
        <source>Merged %1 with a repeated frequency.</source>
        <translation>%1 mit wiederholter Frequenz zusammengefasst.</translation>
    </message>
    <message>
        <source>The phase column is zero everywhere: treated as absent.</source>
        <translation>Die Phasenspalte ist überall null: als fehlend behandelt.</translation>
    </message>
    <message>
        <source>Reduced %1 points to %2 by averaging in power on a logarithmic grid (%3 points per octave).</source>
        <translation>%1 Punkte auf %2 reduziert, leistungsgemittelt auf logarithmischem Raster (%3 Punkte je Oktave).</translation>
    </message>
    <message>
        <source>%1 Hz, %2 (%3 ms), channel %4 of %5.</source>
        <translation>%1 Hz, %2 (%3 ms), Kanal %4 von %5.</translation>
    </message>
    <message>
        <source>%1 Hz, %2 (%3 ms).</source>
        <translation>%1 Hz, %2 (%3 ms).</translation>
    </message>
    <message>
        <source>Peak at %1 ms.</source>
        <translation>Spitze bei %1 ms.</translation>
    </message>
    <message>
        <source>Gate %1 to %2 ms around the peak, half-Hann flanks.</source>
        <translation>Fenster %1 bis %2 ms um die Spitze, halbe Hann-Flanken.</translation>
    </message>
    <message>
        <source>No gate: the whole impulse is analysed.</source>
        <translation>Kein Fenster: der ganze Impuls wird ausgewertet.</translation>
    </message>
    <message>
        <source>Frequency-dependent window of %1 cycles for the level and the group delay.</source>
        <translation>Frequenzabhängiges Fenster von %1 Perioden für Pegel und Gruppenlaufzeit.</translation>
    </message>
    <message>
        <source>Frequency-dependent window of %1 cycles for the group delay.</source>
        <translation>Frequenzabhängiges Fenster von %1 Perioden für die Gruppenlaufzeit.</translation>
    </message>
    <message>
        <source>Data offset of %1 dB from the header added to the level.</source>
        <translation>Datenversatz von %1 dB aus dem Dateikopf zum Pegel addiert.</translation>
    </message>
    <message>
        <source>This file looks like a recording, not an impulse response: its energy is spread out, with no dominant peak.</source>
        <translation>Diese Datei sieht nach einer Aufnahme aus, nicht nach einer Impulsantwort: ihre Energie ist verteilt, ohne ausgeprägte Spitze.</translation>
    </message>
    <message>
        <source>Group delay: none.</source>
        <translation>Gruppenlaufzeit: keine.</translation>
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
    <message>
        <source>Fehler beim Zugriff auf %1 !  (%2)</source>
        <translation>Fehler beim Zugriff auf %1 !  (%2)</translation>
    </message>
    <message>
        <source>Lesefehler in %1: %2</source>
        <translation>Lesefehler in %1: %2</translation>
    </message>
</context>
<context>
    <name>qv::LineStream</name>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2.</source>
        <translation>Lesen von %1 fehlgeschlagen: %2.</translation>
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
    <message>
        <source>Fehler beim Zugriff auf %1 !  (%2)</source>
        <translation>Fehler beim Zugriff auf %1 !  (%2)</translation>
    </message>
    <message>
        <source>Schreibfehler in %1: %2</source>
        <translation>Schreibfehler in %1: %2</translation>
    </message>
</context>
<context>
    <name>qv::ProjectBinding</name>
    <message>
        <source>Save the changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>qv::ProjectCommands</name>
    <message>
        <source>Cannot open the project %1</source>
        <translation>Projekt lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>The project was not saved: %1</source>
        <translation>Das Projekt wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>The autosave cannot be restored: %1</source>
        <translation>Die automatische Sicherung lässt sich nicht wiederherstellen: %1</translation>
    </message>
    <message>
        <source>The editor did not end properly last time. Restore the autosaved work?</source>
        <translation>Der Editor wurde zuletzt nicht richtig beendet. Die automatisch gesicherte Arbeit wiederherstellen?</translation>
    </message>
    <message>
        <source>The editor did not end properly last time. Restore the autosaved work of %1?</source>
        <translation>Der Editor wurde zuletzt nicht richtig beendet. Die automatisch gesicherte Arbeit an %1 wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>qv::QtUserInterface</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>qv::SetChooserLogic</name>
    <message>
        <source>Set %1 holds a %2 kHz setup: a write keeps its rate.</source>
        <translation>Set %1 hat ein Setup mit %2 kHz: Schreiben behält diese Rate.</translation>
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
        <translation>Glättung nur für Kurven über der Frequenz (Hz).</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Smoothing: curve %1 is empty.</source>
        <translation>Glättung: Kurve %1 ist leer.</translation>
    </message>
</context>
<context>
    <name>qv::SoundFile</name>
    <message>
        <source>%1 is not a readable audio file (%2).</source>
        <translation>%1 ist keine lesbare Audiodatei (%2).</translation>
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
    <message>
        <source>DSP editor for loudspeaker and room correction:
FIR equalizers of 1800 and 900 taps,
two channels, eight filter sets.</source>
        <translation>DSP-Editor für Lautsprecher- und Raumkorrektur:
FIR-Entzerrer mit 1800 und 900 Taps,
zwei Kanäle, acht Filtersets.</translation>
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
    <message>
        <source>States kept of %1, newest first:</source>
        <translation>Gesicherte Stände von %1, neueste zuerst:</translation>
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
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
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
    <message>
        <source>dB/octave</source>
        <translation>dB/Oktave</translation>
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
        <translation>Abtastraten (Hz):</translation>
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
        <translation>Abbrechen</translation>
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
    <name>qv::TProjectInfoDlg</name>
    <message>
        <source>Project Info</source>
        <translation>Projektinfo</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
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
        <translation>Abbrechen</translation>
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
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
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
    <message>
        <source>Constant Gain</source>
        <translation>Constant Gain</translation>
    </message>
    <message>
        <source>Default by Power Up</source>
        <translation>Default by Power Up</translation>
    </message>
</context>
<context>
    <name>qv::TextLayout</name>
    <message>
        <source>one sample a line, decimal point</source>
        <translation>ein Abtastwert je Zeile, Dezimalpunkt</translation>
    </message>
    <message>
        <source>one sample a line, decimal comma</source>
        <translation>ein Abtastwert je Zeile, Dezimalkomma</translation>
    </message>
    <message>
        <source>%1 column</source>
        <translation>%1 Spalte</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 Spalten</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <translation>Dezimalkomma</translation>
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
    <message>
        <source>the impulse: a DAT file, or IMP with --imp</source>
        <translation>der Impuls: eine DAT-Datei, oder IMP mit --imp</translation>
    </message>
    <message>
        <source>the impulse file is an IMP file</source>
        <translation>die Impulsdatei ist eine IMP-Datei</translation>
    </message>
    <message>
        <source>write the frequency response in dB (XY-Format)</source>
        <translation>den Frequenzgang in dB hierhin schreiben (XY-Format)</translation>
    </message>
    <message>
        <source>write the group delay in ms (XY-Format)</source>
        <translation>die Gruppenlaufzeit in ms hierhin schreiben (XY-Format)</translation>
    </message>
    <message>
        <source>the sampling frequency in Hz (90000 for the response, 61200 for the group delay)</source>
        <translation>die Abtastfrequenz in Hz (90000 für den Frequenzgang, 61200 für die Gruppenlaufzeit)</translation>
    </message>
    <message>
        <source>lowest frequency of the response in Hz</source>
        <translation>tiefste Frequenz des Frequenzgangs in Hz</translation>
    </message>
    <message>
        <source>highest frequency of the response in Hz</source>
        <translation>höchste Frequenz des Frequenzgangs in Hz</translation>
    </message>
    <message>
        <source>power: mean of 10^(L/10); db: mean of L; vector: impulses aligned to the first by their cross-correlation, then averaged sample by sample. The result covers the frequencies all files share, 48 points per octave.</source>
        <translation>power: Mittel von 10^(L/10); db: Mittel von L; vector: Impulse per Kreuzkorrelation am ersten ausgerichtet, dann Abtastwert für Abtastwert gemittelt. Das Ergebnis deckt die Frequenzen ab, die alle Dateien gemeinsam haben, 48 Punkte je Oktave.</translation>
    </message>
    <message>
        <source>2 to 16 measurement files (any importable file)</source>
        <translation>2 bis 16 Messdateien (jede importierbare Datei)</translation>
    </message>
    <message>
        <source>power, db or vector</source>
        <translation>power, db oder vector</translation>
    </message>
    <message>
        <source>write the averaged level here (XY-Format)</source>
        <translation>den gemittelten Pegel hierhin schreiben (XY-Format)</translation>
    </message>
    <message>
        <source>write the group delay of a vector average here (XY-Format)</source>
        <translation>die Gruppenlaufzeit eines Vektormittels hierhin schreiben (XY-Format)</translation>
    </message>
    <message>
        <source>Measurements through the importer; desired curves out in XY-Format, on the measured frequencies. The level is normalised to 0 dB over the band (or at --reference), clipped to the limits and faded over 1/3 octave outside the band.</source>
        <translation>Messungen über den Import; Sollkurven im XY-Format auf den gemessenen Frequenzen. Der Pegel wird über das Band (oder bei --reference) auf 0 dB normiert, auf die Grenzen begrenzt und außerhalb des Bands über 1/3 Oktave ausgeblendet.</translation>
    </message>
    <message>
        <source>the measured level (any importable file)</source>
        <translation>der gemessene Pegel (jede importierbare Datei)</translation>
    </message>
    <message>
        <source>the measured group delay (default: from the measurement&apos;s phase)</source>
        <translation>die gemessene Gruppenlaufzeit (sonst aus der Phase der Messung)</translation>
    </message>
    <message>
        <source>a house curve (any importable file)</source>
        <translation>eine Zielkurve (jede importierbare Datei)</translation>
    </message>
    <message>
        <source>a tilt in dB per octave through 0 dB at 1 kHz</source>
        <translation>eine Neigung in dB je Oktave durch 0 dB bei 1 kHz</translation>
    </message>
    <message>
        <source>band start in Hz</source>
        <translation>Bandanfang in Hz</translation>
    </message>
    <message>
        <source>band end in Hz</source>
        <translation>Bandende in Hz</translation>
    </message>
    <message>
        <source>largest boost in dB</source>
        <translation>größte Anhebung in dB</translation>
    </message>
    <message>
        <source>largest cut in dB</source>
        <translation>größte Absenkung in dB</translation>
    </message>
    <message>
        <source>largest added delay in ms</source>
        <translation>größte zusätzliche Laufzeit in ms</translation>
    </message>
    <message>
        <source>smooth 1/N octave first: 1, 2, 3, 6, 12, 24, 48; 0 for none</source>
        <translation>zuerst über 1/N Oktave glätten: 1, 2, 3, 6, 12, 24, 48; 0 für keine</translation>
    </message>
    <message>
        <source>put the measurement at 0 dB here (Hz)</source>
        <translation>die Messung hier auf 0 dB legen (Hz)</translation>
    </message>
    <message>
        <source>write the desired level here</source>
        <translation>den Sollpegel hierhin schreiben</translation>
    </message>
    <message>
        <source>write the desired group delay here (delay correction only with this)</source>
        <translation>die Soll-Gruppenlaufzeit hierhin schreiben (Laufzeitkorrektur nur damit)</translation>
    </message>
    <message>
        <source>the (frequency, level) column pair of a text response</source>
        <translation>das Spaltenpaar (Frequenz, Pegel) eines Text-Frequenzgangs</translation>
    </message>
    <message>
        <source>the channel of an audio impulse</source>
        <translation>der Kanal eines Audio-Impulses</translation>
    </message>
    <message>
        <source>the sample rate of a text impulse in Hz (default: its header)</source>
        <translation>die Abtastrate eines Text-Impulses in Hz (sonst aus seinem Kopf)</translation>
    </message>
    <message>
        <source>analyse an impulse from T1 to T2 ms around its peak (T1:T2)</source>
        <translation>einen Impuls von T1 bis T2 ms um seine Spitze auswerten (T1:T2)</translation>
    </message>
    <message>
        <source>level of an impulse through a frequency-dependent window of CYCLES (its group delay always: 15 unless given)</source>
        <translation>Pegel eines Impulses durch ein frequenzabhängiges Fenster von CYCLES Perioden (seine Gruppenlaufzeit immer: 15, wenn nicht angegeben)</translation>
    </message>
    <message>
        <source>the set, 1..8</source>
        <translation>das Set, 1..8</translation>
    </message>
    <message>
        <source>the sampling rate in kHz: 44.1, 48 or 33</source>
        <translation>die Abtastrate in kHz: 44.1, 48 oder 33</translation>
    </message>
    <message>
        <source>high (default) or low</source>
        <translation>high (Vorgabe) oder low</translation>
    </message>
    <message>
        <source>the serial device, or &quot;virtual&quot; for the in-process box</source>
        <translation>die serielle Schnittstelle, oder &quot;virtual&quot; für die Box im Programm</translation>
    </message>
    <message>
        <source>a fault of the virtual box (drop=N, corrupt=N, ...)</source>
        <translation>ein Fehler der virtuellen Box (drop=N, corrupt=N, ...)</translation>
    </message>
    <message>
        <source>the virtual box&apos;s flash file (loaded, then saved)</source>
        <translation>die Flash-Datei der virtuellen Box (geladen, dann gespeichert)</translation>
    </message>
    <message>
        <source>where the DSP program files are (default: .)</source>
        <translation>wo die DSP-Programmdateien liegen (Vorgabe: .)</translation>
    </message>
    <message>
        <source>do not read back what was written</source>
        <translation>Geschriebenes nicht zurücklesen</translation>
    </message>
    <message>
        <source>do not keep what a set held before a write in the box history</source>
        <translation>den Inhalt eines Sets vor dem Schreiben nicht im Box-Verlauf aufheben</translation>
    </message>
    <message>
        <source>is the box there?</source>
        <translation>ist die Box da?</translation>
    </message>
    <message>
        <source>the box&apos;s software version</source>
        <translation>die Software-Version der Box</translation>
    </message>
    <message>
        <source>print the setup of a set</source>
        <translation>das Setup eines Sets ausgeben</translation>
    </message>
    <message>
        <source>write a setup into a set</source>
        <translation>ein Setup in ein Set schreiben</translation>
    </message>
    <message>
        <source>on or off (default)</source>
        <translation>on oder off (Vorgabe)</translation>
    </message>
    <message>
        <source>in 0.1 dB steps</source>
        <translation>in Schritten von 0,1 dB</translation>
    </message>
    <message>
        <source>in sample periods</source>
        <translation>in Abtastperioden</translation>
    </message>
    <message>
        <source>write the DSP program into a set</source>
        <translation>das DSP-Programm in ein Set schreiben</translation>
    </message>
    <message>
        <source>the program file (default: the profile&apos;s)</source>
        <translation>die Programmdatei (Vorgabe: die des Profils)</translation>
    </message>
    <message>
        <source>write an equalizer filter into a set</source>
        <translation>ein Entzerrungsfilter in ein Set schreiben</translation>
    </message>
    <message>
        <source>XY-Format file of the 1800 coefficients</source>
        <translation>XY-Format-Datei der 1800 Koeffizienten</translation>
    </message>
    <message>
        <source>send a filter with coefficients beyond +-1 (the box clips them)</source>
        <translation>ein Filter mit Koeffizienten jenseits +-1 senden (die Box begrenzt sie)</translation>
    </message>
    <message>
        <source>read the equalizer filter of a set</source>
        <translation>das Entzerrungsfilter eines Sets lesen</translation>
    </message>
    <message>
        <source>the XY-Format file to write</source>
        <translation>die zu schreibende XY-Format-Datei</translation>
    </message>
    <message>
        <source>save a set (program, length, setup) as Intel HEX</source>
        <translation>ein Set (Programm, Länge, Setup) als Intel HEX sichern</translation>
    </message>
    <message>
        <source>the Intel HEX file to write</source>
        <translation>die zu schreibende Intel-HEX-Datei</translation>
    </message>
    <message>
        <source>write an Intel HEX backup into a set</source>
        <translation>eine Intel-HEX-Sicherung in ein Set schreiben</translation>
    </message>
    <message>
        <source>the Intel HEX file</source>
        <translation>die Intel-HEX-Datei</translation>
    </message>
    <message>
        <source>put back what a set held before the last write</source>
        <translation>den Inhalt eines Sets vor dem letzten Schreiben zurückholen</translation>
    </message>
    <message>
        <source>that many writes back, 1..10 (default 1)</source>
        <translation>so viele Schreibvorgänge zurück, 1..10 (Vorgabe 1)</translation>
    </message>
    <message>
        <source>Curve inputs are any file the measurement importer reads. Linear phase has a latency of taps/2 samples; minimum phase has none and takes no delay target.</source>
        <translation>Kurven können alle Dateien sein, die der Messungsimport liest. Linearphasig hat eine Latenz von taps/2 Abtastwerten; minimalphasig hat keine und nimmt kein Laufzeitziel.</translation>
    </message>
    <message>
        <source>the desired level (dB over Hz)</source>
        <translation>der Sollpegel (dB über Hz)</translation>
    </message>
    <message>
        <source>the desired group delay (ms over Hz)</source>
        <translation>die Soll-Gruppenlaufzeit (ms über Hz)</translation>
    </message>
    <message>
        <source>a correction curve added to the level</source>
        <translation>eine Korrekturkurve, die zum Pegel addiert wird</translation>
    </message>
    <message>
        <source>take the desired level and delay from this project (.qvproj)</source>
        <translation>Sollpegel und -laufzeit aus diesem Projekt nehmen (.qvproj)</translation>
    </message>
    <message>
        <source>sample rate of the convolver in Hz</source>
        <translation>Abtastrate der Faltung in Hz</translation>
    </message>
    <message>
        <source>filter length</source>
        <translation>Filterlänge</translation>
    </message>
    <message>
        <source>linear or minimum</source>
        <translation>linear oder minimum</translation>
    </message>
    <message>
        <source>wav (32-bit float), f32, f64 (raw little-endian) or text</source>
        <translation>wav (32-Bit-Float), f32, f64 (roh, Little-Endian) oder text</translation>
    </message>
    <message>
        <source>write the filter here</source>
        <translation>das Filter hierhin schreiben</translation>
    </message>
    <message>
        <source>a text response (FRD, CSV, exports), an audio impulse (WAV, AIFF, FLAC, W64) or a text impulse</source>
        <translation>ein Text-Frequenzgang (FRD, CSV, Exporte), ein Audio-Impuls (WAV, AIFF, FLAC, W64) oder ein Text-Impuls</translation>
    </message>
    <message>
        <source>write the level in dB (XY-Format)</source>
        <translation>den Pegel in dB hierhin schreiben (XY-Format)</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Aufruf</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>SUBCOMMAND</source>
        <translation>UNTERBEFEHL</translation>
    </message>
    <message>
        <source>SUBCOMMANDS</source>
        <translation>UNTERBEFEHLE</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Argumente</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>PFLICHT</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Braucht</translation>
    </message>
    <message>
        <source>Excludes</source>
        <translation>Schließt aus</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>GANZZAHL</translation>
    </message>
    <message>
        <source>UINT</source>
        <translation>GANZZAHL</translation>
    </message>
    <message>
        <source>FLOAT</source>
        <translation>ZAHL</translation>
    </message>
    <message>
        <source>POSITIVE</source>
        <translation>POSITIV</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>Unterbefehle</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>the diagram&apos;s title, e.g. &quot;Frequency Response&quot;</source>
        <translation>der Titel des Diagramms, z. B. &quot;Frequency Response&quot;</translation>
    </message>
    <message>
        <source>a DAT curve; up to four</source>
        <translation>eine DAT-Kurve; bis zu vier</translation>
    </message>
    <message>
        <source>WIDTHxHEIGHT in pixels</source>
        <translation>BREITExHÖHE in Pixeln</translation>
    </message>
    <message>
        <source>write the picture here</source>
        <translation>das Bild hierhin schreiben</translation>
    </message>
    <message>
        <source>Without --curve: a summary of the project on standard output.</source>
        <translation>Ohne --curve: eine Übersicht des Projekts auf der Standardausgabe.</translation>
    </message>
    <message>
        <source>the project (.qvproj)</source>
        <translation>das Projekt (.qvproj)</translation>
    </message>
    <message>
        <source>the curve to write, as &quot;DIAGRAM:SLOT&quot; (&quot;Frequency Response:3&quot;)</source>
        <translation>die zu schreibende Kurve, als &quot;DIAGRAM:SLOT&quot; (&quot;Frequency Response:3&quot;)</translation>
    </message>
    <message>
        <source>write the curve here (XY-Format)</source>
        <translation>die Kurve hierhin schreiben (XY-Format)</translation>
    </message>
    <message>
        <source>Each point becomes the mean over +-1/(2N) octave around it; a level is averaged as power, a group delay (--delay) as it stands.</source>
        <translation>Jeder Punkt wird zum Mittel über +-1/(2N) Oktave um ihn; ein Pegel wird als Leistung gemittelt, eine Gruppenlaufzeit (--delay) so, wie sie ist.</translation>
    </message>
    <message>
        <source>N of 1/N octave: 1, 2, 3, 6, 12, 24 or 48</source>
        <translation>N von 1/N Oktave: 1, 2, 3, 6, 12, 24 oder 48</translation>
    </message>
    <message>
        <source>the curve (any importable file)</source>
        <translation>die Kurve (jede importierbare Datei)</translation>
    </message>
    <message>
        <source>write the smoothed curve here (XY-Format)</source>
        <translation>die geglättete Kurve hierhin schreiben (XY-Format)</translation>
    </message>
    <message>
        <source>the file is a group delay</source>
        <translation>die Datei ist eine Gruppenlaufzeit</translation>
    </message>
    <message>
        <source>DAT files in, XY-Format out; eq: 1799 taps at 48000 Hz, room: 899 taps at 6000 Hz.</source>
        <translation>DAT-Dateien hinein, XY-Format heraus; eq: 1799 Taps bei 48000 Hz, room: 899 Taps bei 6000 Hz.</translation>
    </message>
    <message>
        <source>take the curves, room and filter designs from a project</source>
        <translation>Kurven, Raum und Filterentwürfe aus einem Projekt nehmen</translation>
    </message>
    <message>
        <source>eq (amplitude and delay) or room (eq with --project)</source>
        <translation>eq (Amplitude und Laufzeit) oder room (eq mit --project)</translation>
    </message>
    <message>
        <source>the desired level (DAT)</source>
        <translation>der Sollpegel (DAT)</translation>
    </message>
    <message>
        <source>the desired group delay (DAT; default flat 0 ms)</source>
        <translation>die Soll-Gruppenlaufzeit (DAT; Vorgabe flach 0 ms)</translation>
    </message>
    <message>
        <source>the correction curve (DAT)</source>
        <translation>die Korrekturkurve (DAT)</translation>
    </message>
    <message>
        <source>sampling frequency in Hz</source>
        <translation>Abtastfrequenz in Hz</translation>
    </message>
    <message>
        <source>room depth in cm (room)</source>
        <translation>Raumtiefe in cm (room)</translation>
    </message>
    <message>
        <source>room width in cm (room)</source>
        <translation>Raumbreite in cm (room)</translation>
    </message>
    <message>
        <source>write the achieved level here</source>
        <translation>den erreichten Pegel hierhin schreiben</translation>
    </message>
    <message>
        <source>write the achieved group delay here</source>
        <translation>die erreichte Gruppenlaufzeit hierhin schreiben</translation>
    </message>
    <message>
        <source>a measured level (any importable file)</source>
        <translation>ein gemessener Pegel (jede importierbare Datei)</translation>
    </message>
    <message>
        <source>write measured + filter level here</source>
        <translation>Pegel von Messung + Filter hierhin schreiben</translation>
    </message>
    <message>
        <source>a measured group delay (any importable file)</source>
        <translation>eine gemessene Gruppenlaufzeit (jede importierbare Datei)</translation>
    </message>
    <message>
        <source>write measured + filter group delay here</source>
        <translation>Gruppenlaufzeit von Messung + Filter hierhin schreiben</translation>
    </message>
    <message>
        <source>where the filter would clip, lower the target by the named amount first</source>
        <translation>wo das Filter übersteuern würde, das Ziel zuerst um den genannten Betrag absenken</translation>
    </message>
    <message>
        <source>tilt</source>
        <translation>Neigung</translation>
    </message>
    <message>
        <source>house curve</source>
        <translation>Zielkurve</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>flach</translation>
    </message>
    <message>
        <source>text response</source>
        <translation>Text-Frequenzgang</translation>
    </message>
    <message>
        <source>audio impulse</source>
        <translation>Audio-Impuls</translation>
    </message>
    <message>
        <source>text impulse</source>
        <translation>Text-Impuls</translation>
    </message>
    <message>
        <source>%1: no curve; design %2 taps at %3 Hz</source>
        <translation>%1: keine Kurve; Entwurf %2 Taps bei %3 Hz</translation>
    </message>
    <message>
        <source>%1: %2, %3 points; design %4 taps at %5 Hz</source>
        <translation>%1: %2, %3 Punkte; Entwurf %4 Taps bei %5 Hz</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Titel: %1</translation>
    </message>
    <message>
        <source>File: %1 (format %2, %3)</source>
        <translation>Datei: %1 (Format %2, %3)</translation>
    </message>
    <message>
        <source>Created: %1, changed: %2</source>
        <translation>Angelegt: %1, geändert: %2</translation>
    </message>
    <message>
        <source>Notes: %1</source>
        <translation>Notizen: %1</translation>
    </message>
    <message>
        <source>Current diagram: %1</source>
        <translation>Aktuelles Diagramm: %1</translation>
    </message>
    <message>
        <source>Diagrams:</source>
        <translation>Diagramme:</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3 points, marked</source>
        <translation>%1 &quot;%2&quot;: %3 Punkte, markiert</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3 points</source>
        <translation>%1 &quot;%2&quot;: %3 Punkte</translation>
    </message>
    <message>
        <source>Filters:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>%1 dB/octave</source>
        <translation>%1 dB/Oktave</translation>
    </message>
    <message>
        <source>1/%1 octave</source>
        <translation>1/%1 Oktave</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Einstellungen:</translation>
    </message>
    <message>
        <source>room: depth %1 cm, width %2 cm</source>
        <translation>Raum: Tiefe %1 cm, Breite %2 cm</translation>
    </message>
    <message>
        <source>processing: length %1</source>
        <translation>Verarbeitung: Länge %1</translation>
    </message>
    <message>
        <source>DSP: Set %1, rate code %2</source>
        <translation>DSP: Set %1, Ratencode %2</translation>
    </message>
    <message>
        <source>correction: %1 ... %2 Hz, boost %3 dB, cut %4 dB, smoothing %5, target %6</source>
        <translation>Korrektur: %1 ... %2 Hz, Anhebung %3 dB, Absenkung %4 dB, Glättung %5, Ziel %6</translation>
    </message>
    <message>
        <source>0 dB at %1 Hz</source>
        <translation>0 dB bei %1 Hz</translation>
    </message>
    <message>
        <source>delay up to %1 ms</source>
        <translation>Laufzeit bis %1 ms</translation>
    </message>
    <message>
        <source>Measurements: none</source>
        <translation>Messungen: keine</translation>
    </message>
    <message>
        <source>Measurements:</source>
        <translation>Messungen:</translation>
    </message>
    <message>
        <source>average of %1 (%2):</source>
        <translation>Mittel aus %1 (%2):</translation>
    </message>
    <message>
        <source>measurement</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>measured delay</source>
        <translation>gemessene Laufzeit</translation>
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
        <translation>Punkt </translation>
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
    <message>
        <source>%1 is required</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 excludes %2</source>
        <translation>%1 schließt %2 aus</translation>
    </message>
    <message>
        <source>%1 requires %2</source>
        <translation>%1 braucht %2</translation>
    </message>
    <message>
        <source>A subcommand is required</source>
        <translation>Ein Unterbefehl fehlt</translation>
    </message>
    <message>
        <source>Not expected: %1</source>
        <translation>Nicht erwartet: %1</translation>
    </message>
    <message>
        <source>%1: %2 is not in the range %3 to %4</source>
        <translation>%1: %2 liegt nicht im Bereich %3 bis %4</translation>
    </message>
    <message>
        <source>%1: %2 is not one of %3</source>
        <translation>%1: %2 ist keiner von %3</translation>
    </message>
    <message>
        <source>%1: %2 is not a value it takes</source>
        <translation>%1: %2 ist kein zulässiger Wert</translation>
    </message>
    <message>
        <source>%1: the value is missing</source>
        <translation>%1: der Wert fehlt</translation>
    </message>
    <message>
        <source>%1 row</source>
        <translation>%1 Wertezeile</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 Wertezeilen</translation>
    </message>
    <message>
        <source>Group delay: %1 points, from the %2; late reads &lt; 0 ms.</source>
        <translation>Gruppenlaufzeit: %1 Punkte, aus %2; spät ist negativ (&lt; 0 ms).</translation>
    </message>
    <message>
        <source>Group delay: %1 points, from the impulse; late reads &lt; 0 ms.</source>
        <translation>Gruppenlaufzeit: %1 Punkte, aus dem Impuls; spät ist negativ (&lt; 0 ms).</translation>
    </message>
    <message>
        <source>Group delay: %1 points, from the group delay column; late reads &lt; 0 ms.</source>
        <translation>Gruppenlaufzeit: %1 Punkte, aus der Laufzeitspalte; spät ist negativ (&lt; 0 ms).</translation>
    </message>
    <message>
        <source>Group delay: %1 points, from the phase column (degrees); late reads &lt; 0 ms.</source>
        <translation>Gruppenlaufzeit: %1 Punkte, aus der Phasenspalte (Grad); spät ist negativ (&lt; 0 ms).</translation>
    </message>
    <message>
        <source>Group delay: %1 points, from the phase column (radians); late reads &lt; 0 ms.</source>
        <translation>Gruppenlaufzeit: %1 Punkte, aus der Phasenspalte (Bogenmaß); spät ist negativ (&lt; 0 ms).</translation>
    </message>
    <message>
        <source>Level: none.</source>
        <translation>Pegel: keiner.</translation>
    </message>
    <message>
        <source>Level: %1 points, %2 to %3.</source>
        <translation>Pegel: %1 Punkte, %2 bis %3.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>Reading %1 failed.</source>
        <translation>Lesen von %1 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>Spalten %1</translation>
    </message>
    <message>
        <source>%1 (columns %2)</source>
        <translation>%1 (Spalten %2)</translation>
    </message>
    <message>
        <source>(%1 faulty lines in %2)</source>
        <translation>(%1 fehlerhafte Zeilen in %2)</translation>
    </message>
    <message>
        <source>%1 is the name of a DSP program file: the box&apos;s program is read from it. Save the curve under this name?</source>
        <translation>%1 ist der Name einer DSP-Programmdatei: das Programm der Box wird daraus gelesen. Kurve unter diesem Namen speichern?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>Lower by %1 dB and Execute</source>
        <translation>Um %1 dB absenken, dann Execute</translation>
    </message>
    <message>
        <source>The filter clips in the DSP: its largest coefficient is %1 (the DSP holds at most 1). Lower the target by %2 dB.</source>
        <translation>Das Filter übersteuert im DSP: sein größter Koeffizient ist %1 (der DSP fasst höchstens 1). Ziel um %2 dB absenken.</translation>
    </message>
    <message>
        <source>predicted: %1 dB RMS deviation from %2 to %3 Hz</source>
        <translation>vorhergesagt: %1 dB RMS-Abweichung von %2 bis %3 Hz</translation>
    </message>
    <message>
        <source>%1 taps at %2 Hz, latency %3 samples (%4 ms), peak coefficient %5 at sample %6</source>
        <translation>%1 Taps bei %2 Hz, Latenz %3 Abtastwerte (%4 ms), größter Koeffizient %5 bei Abtastwert %6</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>%1 is not a list</source>
        <translation>%1 ist keine Liste</translation>
    </message>
    <message>
        <source>%1 is not a text</source>
        <translation>%1 ist kein Text</translation>
    </message>
    <message>
        <source>Fehler beim Zugriff auf %1 !</source>
        <translation>Fehler beim Zugriff auf %1 !</translation>
    </message>
    <message>
        <source>%1 s left</source>
        <translation>noch %1 s</translation>
    </message>
    <message>
        <source>Filter &quot;%1&quot;: %2, linear phase, unit gain (not normalised).</source>
        <translation>Filter &quot;%1&quot;: %2, linearphasig, Verstärkung 1 (nicht normiert).</translation>
    </message>
    <message>
        <source>Filter &quot;%1&quot;: %2, minimum phase, unit gain (not normalised).</source>
        <translation>Filter &quot;%1&quot;: %2, minimalphasig, Verstärkung 1 (nicht normiert).</translation>
    </message>
    <message>
        <source>One file per sample rate; a convolver must use the file of its own rate.</source>
        <translation>Eine Datei je Abtastrate; ein Faltungsprogramm muss die Datei seiner eigenen Rate verwenden.</translation>
    </message>
    <message>
        <source>The latency is the delay every frequency gets besides the delay target; delay other channels by as much to keep them aligned.</source>
        <translation>Die Latenz ist die Verzögerung, die jede Frequenz neben dem Laufzeitziel erhält; andere Kanäle um ebenso viel verzögern, damit sie zeitgleich bleiben.</translation>
    </message>
    <message>
        <source>usage: quorvane [--com1 DEVICE] ... [--com4 DEVICE] [--virtual-dsp [--erased]]
                [--lang de|en] [--quit-after-start] [--help] [FILE.qvproj]

  --comN DEVICE   the serial device behind COMN (default /dev/ttyS0 ... /dev/ttyS3)
  --virtual-dsp   put the virtual DSP box behind COM1, to work without a box
  --erased        start the virtual box with its flash erased (it starts with
                  the demo program and a setup in every set)
  --lang de|en    the original texts or English (default: English for an
                  English locale, the original texts otherwise)
  --quit-after-start
                  end as soon as the main window is shown (a start-up check)
  --help          show this text
  FILE.qvproj     open this project at start (with --quit-after-start, a
                  project that cannot be opened ends the editor with status 1)

The editor works in the current directory: it reads impuls.cfg, amlin.cor,
amlow.cor and amroom.cor at start and the DSP program files from there.
</source>
        <translation>Aufruf: quorvane [--com1 GERÄT] ... [--com4 GERÄT] [--virtual-dsp [--erased]]
                 [--lang de|en] [--quit-after-start] [--help] [DATEI.qvproj]

  --comN GERÄT    das serielle Gerät hinter COMN (Vorgabe /dev/ttyS0 ... /dev/ttyS3)
  --virtual-dsp   die virtuelle DSP-Box hinter COM1, zum Arbeiten ohne Box
  --erased        die virtuelle Box mit gelöschtem Flash starten (sonst startet
                  sie mit dem Demo-Programm und einem Setup in jedem Set)
  --lang de|en    die Originaltexte oder Englisch (Vorgabe: Englisch bei einer
                  englischen Locale, sonst die Originaltexte)
  --quit-after-start
                  enden, sobald das Hauptfenster gezeigt ist (eine Startprüfung)
  --help          diesen Text zeigen
  DATEI.qvproj    dieses Projekt beim Start öffnen (mit --quit-after-start beendet
                  ein Projekt, das sich nicht öffnen lässt, den Editor mit Status 1)

Der Editor arbeitet im aktuellen Verzeichnis: Beim Start liest er impuls.cfg,
amlin.cor, amlow.cor und amroom.cor und von dort die DSP-Programmdateien.
</translation>
    </message>
    <message>
        <source>Set %1 holds no setup yet</source>
        <translation>Set %1 enthält noch kein Setup</translation>
    </message>
    <message>
        <source>Device or resource busy: another program holds the port. Close it and try again.</source>
        <translation>Gerät belegt: ein anderes Programm hält die Schnittstelle. Dieses schließen und erneut versuchen.</translation>
    </message>
    <message>
        <source>No such file or directory: the port does not exist. Is the adapter plugged in?</source>
        <translation>Datei oder Verzeichnis nicht gefunden: die Schnittstelle gibt es nicht. Ist der Adapter eingesteckt?</translation>
    </message>
    <message>
        <source>Permission denied: you may not use the port. Add your user to the group dialout (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>Zugriff verweigert: die Schnittstelle ist nicht freigegeben. Den Benutzer in die Gruppe dialout aufnehmen (sudo usermod -aG dialout $USER) und neu anmelden.</translation>
    </message>
</context>
</TS>
