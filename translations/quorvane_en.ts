<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>qv</name>
    <message>
        <source>   Fehler !!! </source>
        <translation>   Error! </translation>
    </message>
    <message>
        <source>   Fehler !!!  </source>
        <translation>   Error!  </translation>
    </message>
    <message>
        <source>Weitere fehlerhafte Zeilen in </source>
        <translation>Further faulty lines in </translation>
    </message>
    <message>
        <source> werden nicht gemeldet.</source>
        <translation> are not reported.</translation>
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
        <translation>Impulse Response</translation>
    </message>
    <message>
        <source>Pkt</source>
        <translation>Smp</translation>
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
        <translation>Impulse Room</translation>
    </message>
    <message>
        <source>Filter Room</source>
        <translation>Filter Room</translation>
    </message>
    <message>
        <source>Impuls High</source>
        <translation>Impulse High</translation>
    </message>
    <message>
        <source>Impuls Low</source>
        <translation>Impulse Low</translation>
    </message>
    <message>
        <source>desired</source>
        <translation>desired</translation>
    </message>
    <message>
        <source>&quot; is not a number.</source>
        <translation>&quot; is not a number.</translation>
    </message>
    <message>
        <source>Wertebereich überschritten</source>
        <translation>Value range exceeded</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Fehler im Ausdruck</source>
        <translation>Error in the expression</translation>
    </message>
    <message>
        <source>XY-Werte (*.dat)|*.dat</source>
        <translation>XY values (*.dat)|*.dat</translation>
    </message>
    <message>
        <source>Y-Werte (*.dat)|*.dat</source>
        <translation>Y values (*.dat)|*.dat</translation>
    </message>
    <message>
        <source>Import Measurement</source>
        <translation>Import Measurement</translation>
    </message>
    <message>
        <source>looking at </source>
        <translation>looking at </translation>
    </message>
    <message>
        <source>Measurements (*.frd *.txt *.csv *.dat *.zma)|*.frd *.txt *.csv *.dat *.zma|</source>
        <translation>Measurements (*.frd *.txt *.csv *.dat *.zma)|*.frd *.txt *.csv *.dat *.zma|</translation>
    </message>
    <message>
        <source>Impulse responses (*.wav *.flac *.aif *.aiff *.w64)|*.wav *.flac *.aif *.aiff *.w64|</source>
        <translation>Impulse responses (*.wav *.flac *.aif *.aiff *.w64)|*.wav *.flac *.aif *.aiff *.w64|</translation>
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
        <translation>Target Function</translation>
    </message>
    <message>
        <source>Import Measurement…</source>
        <translation>Import Measurement…</translation>
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
        <translation>Decimate</translation>
    </message>
    <message>
        <source>Round 16 Bit</source>
        <translation>Round 16 Bit</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Diagram</translation>
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
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Smoothing…</source>
        <translation>Smoothing…</translation>
    </message>
    <message>
        <source>Point Editing</source>
        <translation>Point Editing</translation>
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
        <translation>Math</translation>
    </message>
    <message>
        <source>Impuls -&gt; Frequency Response</source>
        <translation>Impulse -&gt; Frequency Response</translation>
    </message>
    <message>
        <source>Impuls -&gt; Group Delay</source>
        <translation>Impulse -&gt; Group Delay</translation>
    </message>
    <message>
        <source>Cut  Impuls</source>
        <translation>Cut  Impulse</translation>
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
        <translation>Correction Target…</translation>
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
        <translation>Backup Set…</translation>
    </message>
    <message>
        <source>Restore Set…</source>
        <translation>Restore Set…</translation>
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
        <translation>Undo Last Write</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>History…</translation>
    </message>
    <message>
        <source>Verify After Write</source>
        <translation>Verify After Write</translation>
    </message>
    <message>
        <source>Fehler beim Zugriff auf </source>
        <translation>Error accessing </translation>
    </message>
    <message>
        <source>predicted</source>
        <translation>predicted</translation>
    </message>
    <message>
        <source>real</source>
        <translation>real</translation>
    </message>
    <message>
        <source>kein Impuls vorhanden</source>
        <translation>no impulse present</translation>
    </message>
    <message>
        <source>Read Setup From DSP</source>
        <translation>Read Setup From DSP</translation>
    </message>
    <message>
        <source>Setup lesen</source>
        <translation>Reading setup</translation>
    </message>
    <message>
        <source>Korrekturkurve High fehlt.</source>
        <translation>Correction curve High is missing.</translation>
    </message>
    <message>
        <source>unzulaessige Einstellung</source>
        <translation>setting not allowed</translation>
    </message>
    <message>
        <source>Fehler bei Byte Senden</source>
        <translation>Error sending a byte</translation>
    </message>
    <message>
        <source>Write Setup To DSP</source>
        <translation>Write Setup To DSP</translation>
    </message>
    <message>
        <source>Set lesen</source>
        <translation>Reading set</translation>
    </message>
    <message>
        <source>Setup schreiben</source>
        <translation>Writing setup</translation>
    </message>
    <message>
        <source>Write Software</source>
        <translation>Write Software</translation>
    </message>
    <message>
        <source>zuerst Simulation durchfuehren!--&gt; Menu Simulate</source>
        <translation>run the simulation first! --&gt; menu Simulate</translation>
    </message>
    <message>
        <source>Flash loeschen</source>
        <translation>Erasing flash</translation>
    </message>
    <message>
        <source>Flash nicht geloescht</source>
        <translation>Flash not erased</translation>
    </message>
    <message>
        <source>Filter schreiben</source>
        <translation>Writing filter</translation>
    </message>
    <message>
        <source>zuerst Entzerrung durchfuehren!</source>
        <translation>run the equalization first!</translation>
    </message>
    <message>
        <source>keine RS232-Verbindung zu DSP! [5]</source>
        <translation>no RS232 connection to the DSP! [5]</translation>
    </message>
    <message>
        <source>keine RS232-Verbindung! [6]</source>
        <translation>no RS232 connection! [6]</translation>
    </message>
    <message>
        <source>zuerst DSP-Setup durchführen (Menu: SETUP-&gt;DSP)!</source>
        <translation>run the DSP setup first (menu: Setup -&gt; DSP)!</translation>
    </message>
    <message>
        <source>keine RS232-Verbindung zu DSP! [7]</source>
        <translation>no RS232 connection to the DSP! [7]</translation>
    </message>
    <message>
        <source>keine RS232-Verbindung zu DSP! [8]</source>
        <translation>no RS232 connection to the DSP! [8]</translation>
    </message>
    <message>
        <source>Raumfilter schreiben</source>
        <translation>Writing room filter</translation>
    </message>
    <message>
        <source>keine RS232-Verbindung zu DSP! [10]</source>
        <translation>no RS232 connection to the DSP! [10]</translation>
    </message>
    <message>
        <source>keine RS232-Verbindung zu DSP! [9]</source>
        <translation>no RS232 connection to the DSP! [9]</translation>
    </message>
    <message>
        <source>No DSP -&gt; Please connect DSP to USB</source>
        <translation>No DSP -&gt; Please connect DSP to USB</translation>
    </message>
    <message>
        <source>DSP Programm NICHT erfolgreich geschrieben</source>
        <translation>DSP program NOT written successfully</translation>
    </message>
    <message>
        <source>DSP Programm erfolgreich geschrieben</source>
        <translation>DSP program written successfully</translation>
    </message>
    <message>
        <source>Filter lesen</source>
        <translation>Reading filter</translation>
    </message>
    <message>
        <source>Set schreiben</source>
        <translation>Writing set</translation>
    </message>
    <message>
        <source>Export Filter…</source>
        <translation>Export Filter…</translation>
    </message>
    <message>
        <source>Open Project…</source>
        <translation>Open Project…</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Recent Projects</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Save Project</translation>
    </message>
    <message>
        <source>Save Project As…</source>
        <translation>Save Project As…</translation>
    </message>
    <message>
        <source>Project Info…</source>
        <translation>Project Info…</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Give the sample rate of this text impulse in Hz.</source>
        <translation>Give the sample rate of this text impulse in Hz.</translation>
    </message>
    <message>
        <source>The sample rate must be a positive number of Hz.</source>
        <translation>The sample rate must be a positive number of Hz.</translation>
    </message>
    <message>
        <source>The gate runs from an earlier to a later time in ms around the peak.</source>
        <translation>The gate runs from an earlier to a later time in ms around the peak.</translation>
    </message>
    <message>
        <source>The frequency-dependent window takes 1 to 1000 cycles.</source>
        <translation>The frequency-dependent window takes 1 to 1000 cycles.</translation>
    </message>
    <message>
        <source>the setup</source>
        <translation>the setup</translation>
    </message>
    <message>
        <source>the software</source>
        <translation>the software</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Cancelled: %1 was written but not verified</source>
        <translation>Cancelled: %1 was written but not verified</translation>
    </message>
    <message>
        <source>the filter</source>
        <translation>the filter</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>Room filter</source>
        <translation>Room filter</translation>
    </message>
    <message>
        <source>mehr als %1 Programmbytes</source>
        <translation>more than %1 program bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein Programmbyte</source>
        <translation>&quot;%1&quot; is not a program byte</translation>
    </message>
    <message>
        <source>DSP Programm %1</source>
        <translation>DSP program %1</translation>
    </message>
    <message>
        <source>writing %1</source>
        <translation>writing %1</translation>
    </message>
    <message>
        <source>verifying %1</source>
        <translation>verifying %1</translation>
    </message>
    <message>
        <source>selecting the set</source>
        <translation>selecting the set</translation>
    </message>
    <message>
        <source>%1 holds no filter yet</source>
        <translation>%1 holds no filter yet</translation>
    </message>
    <message>
        <source>Cancelled: nothing was changed</source>
        <translation>Cancelled: nothing was changed</translation>
    </message>
    <message>
        <source>Filter read from %1</source>
        <translation>Filter read from %1</translation>
    </message>
    <message>
        <source>Backup Set</source>
        <translation>Backup Set</translation>
    </message>
    <message>
        <source>%1 holds no program: nothing to back up</source>
        <translation>%1 holds no program: nothing to back up</translation>
    </message>
    <message>
        <source>Cancelled: no backup was written</source>
        <translation>Cancelled: no backup was written</translation>
    </message>
    <message>
        <source>Fehler beim Zugriff auf %1 !</source>
        <translation>Error accessing %1!</translation>
    </message>
    <message>
        <source>%1 backed up to %2</source>
        <translation>%1 backed up to %2</translation>
    </message>
    <message>
        <source>the set</source>
        <translation>the set</translation>
    </message>
    <message>
        <source>Restore refused: %1</source>
        <translation>Restore refused: %1</translation>
    </message>
    <message>
        <source>Restore refused: %1 holds no bytes of a set</source>
        <translation>Restore refused: %1 holds no bytes of a set</translation>
    </message>
    <message>
        <source>Restore Set</source>
        <translation>Restore Set</translation>
    </message>
    <message>
        <source>Backup %1</source>
        <translation>Backup %1</translation>
    </message>
    <message>
        <source>%1: the box history is switched off</source>
        <translation>%1: the box history is switched off</translation>
    </message>
    <message>
        <source>%1: the box history holds %2 state, not %3</source>
        <translation>%1: the box history holds %2 state, not %3</translation>
    </message>
    <message>
        <source>%1: the box history holds %2 states, not %3</source>
        <translation>%1: the box history holds %2 states, not %3</translation>
    </message>
    <message>
        <source>%1: the kept state %2 cannot be read (%3)</source>
        <translation>%1: the kept state %2 cannot be read (%3)</translation>
    </message>
    <message>
        <source>Kept state of %1</source>
        <translation>Kept state of %1</translation>
    </message>
    <message>
        <source>Fehler %1 aufgetreten</source>
        <translation>Error %1 occurred</translation>
    </message>
    <message>
        <source>%1 is not a readable audio file (no channels or rate).</source>
        <translation>%1 is not a readable audio file (no channels or rate).</translation>
    </message>
    <message>
        <source>%1 holds no audio frames.</source>
        <translation>%1 holds no audio frames.</translation>
    </message>
    <message>
        <source>%1 holds %2 frames; impulses of up to %3 frames are imported.</source>
        <translation>%1 holds %2 frames; impulses of up to %3 frames are imported.</translation>
    </message>
    <message>
        <source>Channel %1 is not there: %2 has %3.</source>
        <translation>Channel %1 is not there: %2 has %3.</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 channel</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 channels</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation>%1 could not be read (%2).</translation>
    </message>
    <message>
        <source>text response</source>
        <translation>text response</translation>
    </message>
    <message>
        <source>text impulse</source>
        <translation>text impulse</translation>
    </message>
    <message>
        <source>audio impulse</source>
        <translation>audio impulse</translation>
    </message>
    <message>
        <source>The impulse holds fewer than two samples.</source>
        <translation>The impulse holds fewer than two samples.</translation>
    </message>
    <message>
        <source>The impulse holds a NaN or infinite sample at sample %1; it is not imported.</source>
        <translation>The impulse holds a NaN or infinite sample at sample %1; it is not imported.</translation>
    </message>
    <message>
        <source>The impulse is silent: every sample is zero.</source>
        <translation>The impulse is silent: every sample is zero.</translation>
    </message>
    <message>
        <source>A gate must run from an earlier to a later time.</source>
        <translation>A gate must run from an earlier to a later time.</translation>
    </message>
    <message>
        <source>The gate %1 to %2 ms lies outside the impulse, which runs from %3 to %4 ms around its peak.</source>
        <translation>The gate %1 to %2 ms lies outside the impulse, which runs from %3 to %4 ms around its peak.</translation>
    </message>
    <message>
        <source>The gate %1 to %2 ms holds fewer than 8 samples of the impulse.</source>
        <translation>The gate %1 to %2 ms holds fewer than 8 samples of the impulse.</translation>
    </message>
    <message>
        <source>The gated impulse is silent: every sample is zero.</source>
        <translation>The gated impulse is silent: every sample is zero.</translation>
    </message>
    <message>
        <source>The analysed impulse is too short to resolve any frequency.</source>
        <translation>The analysed impulse is too short to resolve any frequency.</translation>
    </message>
    <message>
        <source>Averaging needs 2 to 16 measurements; one was given.</source>
        <translation>Averaging needs 2 to 16 measurements; one was given.</translation>
    </message>
    <message>
        <source>Averaging needs 2 to 16 measurements; none were given.</source>
        <translation>Averaging needs 2 to 16 measurements; none were given.</translation>
    </message>
    <message>
        <source>Averaging takes at most 16 measurements; %1 were given.</source>
        <translation>Averaging takes at most 16 measurements; %1 were given.</translation>
    </message>
    <message>
        <source>A measurement to average holds no level.</source>
        <translation>A measurement to average holds no level.</translation>
    </message>
    <message>
        <source>The measurements share no frequency range: nothing to average.</source>
        <translation>The measurements share no frequency range: nothing to average.</translation>
    </message>
    <message>
        <source>Vector averaging needs impulses: %1</source>
        <translation>Vector averaging needs impulses: %1</translation>
    </message>
    <message>
        <source>Vector averaging needs one sample rate: %1 is at %2 Hz, %3 at %4 Hz. Resample them, or average as power.</source>
        <translation>Vector averaging needs one sample rate: %1 is at %2 Hz, %3 at %4 Hz. Resample them, or average as power.</translation>
    </message>
    <message>
        <source>The first measurement&apos;s gate and window apply to the average.</source>
        <translation>The first measurement&apos;s gate and window apply to the average.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 is empty.</translation>
    </message>
    <message>
        <source>%1 is not a measurement: it is a binary file.</source>
        <translation>%1 is not a measurement: it is a binary file.</translation>
    </message>
    <message>
        <source>The gate reaches past the impulse; it is cut there.</source>
        <translation>The gate reaches past the impulse; it is cut there.</translation>
    </message>
    <message>
        <source>%1 holds a coherence (0 to 1), not a level in dB: it is not imported.</source>
        <translation>%1 holds a coherence (0 to 1), not a level in dB: it is not imported.</translation>
    </message>
    <message>
        <source>%1 holds an impedance (ohms), not a level in dB: it is not imported.</source>
        <translation>%1 holds an impedance (ohms), not a level in dB: it is not imported.</translation>
    </message>
    <message>
        <source>The given sample rate is used, not the header&apos;s.</source>
        <translation>The given sample rate is used, not the header&apos;s.</translation>
    </message>
    <message>
        <source>Sample rate from the header&apos;s sample interval.</source>
        <translation>Sample rate from the header&apos;s sample interval.</translation>
    </message>
    <message>
        <source>%1 holds one sample a line: give the sample rate of this text impulse.</source>
        <translation>%1 holds one sample a line: give the sample rate of this text impulse.</translation>
    </message>
    <message>
        <source>Column pair %1 is not there: %2 offers %3.</source>
        <translation>Column pair %1 is not there: %2 offers %3.</translation>
    </message>
    <message>
        <source>%1 pair</source>
        <translation>%1 pair</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 pairs</translation>
    </message>
    <message>
        <source>A gate applies to impulses only.</source>
        <translation>A gate applies to impulses only.</translation>
    </message>
    <message>
        <source>The sample rate is not used: the file holds a response.</source>
        <translation>The sample rate is not used: the file holds a response.</translation>
    </message>
    <message>
        <source>The frequency-dependent window is not used: the file holds a response.</source>
        <translation>The frequency-dependent window is not used: the file holds a response.</translation>
    </message>
    <message>
        <source>Column pair %1 of %2: %3.</source>
        <translation>Column pair %1 of %2: %3.</translation>
    </message>
    <message>
        <source>The given sample rate is not used: the file carries its own.</source>
        <translation>The given sample rate is not used: the file carries its own.</translation>
    </message>
    <message>
        <source>%1 holds a response, not an impulse.</source>
        <translation>%1 holds a response, not an impulse.</translation>
    </message>
    <message>
        <source>TAB separated</source>
        <translation>TAB separated</translation>
    </message>
    <message>
        <source>semicolon separated</source>
        <translation>semicolon separated</translation>
    </message>
    <message>
        <source>comma separated</source>
        <translation>comma separated</translation>
    </message>
    <message>
        <source>blank separated</source>
        <translation>blank separated</translation>
    </message>
    <message>
        <source>%1 gives %2 above 0 Hz; a response needs at least two.</source>
        <translation>%1 gives %2 above 0 Hz; a response needs at least two.</translation>
    </message>
    <message>
        <source>%1 frequency</source>
        <translation>%1 frequency</translation>
    </message>
    <message>
        <source>%1 frequencies</source>
        <translation>%1 frequencies</translation>
    </message>
    <message>
        <source>No group delay at %1 where the phase changes beyond measure.</source>
        <translation>No group delay at %1 where the phase changes beyond measure.</translation>
    </message>
    <message>
        <source>pair %1</source>
        <translation>pair %1</translation>
    </message>
    <message>
        <source>%1 is not a measurement: it holds no rows of numbers.</source>
        <translation>%1 is not a measurement: it holds no rows of numbers.</translation>
    </message>
    <message>
        <source>The file holds more than %1 rows; it is not imported.</source>
        <translation>The file holds more than %1 rows; it is not imported.</translation>
    </message>
    <message>
        <source>The impulse holds a NaN or infinite sample in line %1; it is not imported.</source>
        <translation>The impulse holds a NaN or infinite sample in line %1; it is not imported.</translation>
    </message>
    <message>
        <source>The impulse holds more than %1 samples; it is not imported.</source>
        <translation>The impulse holds more than %1 samples; it is not imported.</translation>
    </message>
    <message>
        <source>No curve in %1: the diagram stays as it was.</source>
        <translation>No curve in %1: the diagram stays as it was.</translation>
    </message>
    <message>
        <source>The band must lie between two positive frequencies.</source>
        <translation>The band must lie between two positive frequencies.</translation>
    </message>
    <message>
        <source>The band must start below its end (from &lt; to).</source>
        <translation>The band must start below its end (from &lt; to).</translation>
    </message>
    <message>
        <source>The boost limit must be a number of 0 dB or more.</source>
        <translation>The boost limit must be a number of 0 dB or more.</translation>
    </message>
    <message>
        <source>The cut limit must be a number of 0 dB or more.</source>
        <translation>The cut limit must be a number of 0 dB or more.</translation>
    </message>
    <message>
        <source>The delay limit must be a number of 0 ms or more.</source>
        <translation>The delay limit must be a number of 0 ms or more.</translation>
    </message>
    <message>
        <source>The tilt must be a number (dB per octave).</source>
        <translation>The tilt must be a number (dB per octave).</translation>
    </message>
    <message>
        <source>The house curve is not a curve: it needs 2 or more points, ascending in Hz.</source>
        <translation>The house curve is not a curve: it needs 2 or more points, ascending in Hz.</translation>
    </message>
    <message>
        <source>The reference must be a positive frequency.</source>
        <translation>The reference must be a positive frequency.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <translation>There is no %1.</translation>
    </message>
    <message>
        <source>The %1 is not a curve ascending in Hz.</source>
        <translation>The %1 is not a curve ascending in Hz.</translation>
    </message>
    <message>
        <source>The %1 has fewer than 2 points between %2 and %3 Hz.</source>
        <translation>The %1 has fewer than 2 points between %2 and %3 Hz.</translation>
    </message>
    <message>
        <source>Smoothing: the fraction must be 1, 2, 3, 6, 12, 24 or 48.</source>
        <translation>Smoothing: the fraction must be 1, 2, 3, 6, 12, 24 or 48.</translation>
    </message>
    <message>
        <source>x-Achse von</source>
        <translation>x axis from</translation>
    </message>
    <message>
        <source>x-Achse bis</source>
        <translation>x axis to</translation>
    </message>
    <message>
        <source>y-Achse von</source>
        <translation>y axis from</translation>
    </message>
    <message>
        <source>y-Achse bis</source>
        <translation>y axis to</translation>
    </message>
    <message>
        <source>filter length %1 taps is outside 16 ... 65536</source>
        <translation>filter length %1 taps is outside 16 ... 65536</translation>
    </message>
    <message>
        <source>sample rate %1 Hz is outside 8000 ... 768000 Hz</source>
        <translation>sample rate %1 Hz is outside 8000 ... 768000 Hz</translation>
    </message>
    <message>
        <source>no level target</source>
        <translation>no level target</translation>
    </message>
    <message>
        <source>a delay target needs linear phase</source>
        <translation>a delay target needs linear phase</translation>
    </message>
    <message>
        <source>level target beyond any magnitude</source>
        <translation>level target beyond any magnitude</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is no diagram of the editor</source>
        <translation>%1 &quot;%2&quot; is no diagram of the editor</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; comes twice</source>
        <translation>%1 &quot;%2&quot; comes twice</translation>
    </message>
    <message>
        <source>%1 must hold the 4 slots</source>
        <translation>%1 must hold the 4 slots</translation>
    </message>
    <message>
        <source>%1 lacks the diagram &quot;%2&quot;</source>
        <translation>%1 lacks the diagram &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;, not &quot;flat&quot;, &quot;tilt&quot; or &quot;house&quot;</source>
        <translation>%1 is &quot;%2&quot;, not &quot;flat&quot;, &quot;tilt&quot; or &quot;house&quot;</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; names no curve</source>
        <translation>%1 &quot;%2&quot; names no curve</translation>
    </message>
    <message>
        <source>The measurement %1 is no longer there; its stored curves are kept.</source>
        <translation>The measurement %1 is no longer there; its stored curves are kept.</translation>
    </message>
    <message>
        <source>The measurement %1 has changed since it was imported; its stored curves are kept.</source>
        <translation>The measurement %1 has changed since it was imported; its stored curves are kept.</translation>
    </message>
    <message>
        <source>%1 says %2 but %3 holds %4</source>
        <translation>%1 says %2 but %3 holds %4</translation>
    </message>
    <message>
        <source>the file ends too early (damaged or cut off)</source>
        <translation>the file ends too early (damaged or cut off)</translation>
    </message>
    <message>
        <source>is not valid JSON at byte %1</source>
        <translation>is not valid JSON at byte %1</translation>
    </message>
    <message>
        <source>holds a number that is not finite (%1)</source>
        <translation>holds a number that is not finite (%1)</translation>
    </message>
    <message>
        <source>is not a Quorvane project (&quot;format&quot; is not &quot;%1&quot;)</source>
        <translation>is not a Quorvane project (&quot;format&quot; is not &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>was written by a newer program (format version %1; this one reads up to %2)</source>
        <translation>was written by a newer program (format version %1; this one reads up to %2)</translation>
    </message>
    <message>
        <source>%1 names no diagram</source>
        <translation>%1 names no diagram</translation>
    </message>
    <message>
        <source>%1: cannot be opened (%2)</source>
        <translation>%1: cannot be opened (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: cannot be read</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <source>Cannot write %1 (disk full?)</source>
        <translation>Cannot write %1 (disk full?)</translation>
    </message>
    <message>
        <source>Cannot replace %1: %2</source>
        <translation>Cannot replace %1: %2</translation>
    </message>
    <message>
        <source>ms (late &lt; 0)</source>
        <translation>ms (late &lt; 0)</translation>
    </message>
    <message>
        <source>WAV, 32-bit float, mono</source>
        <translation>WAV, 32-bit float, mono</translation>
    </message>
    <message>
        <source>raw 32-bit float, little-endian, no header</source>
        <translation>raw 32-bit float, little-endian, no header</translation>
    </message>
    <message>
        <source>raw 64-bit float, little-endian, no header</source>
        <translation>raw 64-bit float, little-endian, no header</translation>
    </message>
    <message>
        <source>text, one value a line</source>
        <translation>text, one value a line</translation>
    </message>
    <message>
        <source>CamillaDSP (a filters: entry):</source>
        <translation>CamillaDSP (a filters: entry):</translation>
    </message>
    <message>
        <source>Equalizer APO (config.txt; the WAV&apos;s rate must equal the device&apos;s rate):</source>
        <translation>Equalizer APO (config.txt; the WAV&apos;s rate must equal the device&apos;s rate):</translation>
    </message>
    <message>
        <source>reads WAV files only: export again with the format wav.</source>
        <translation>reads WAV files only: export again with the format wav.</translation>
    </message>
    <message>
        <source>BruteFIR (a coeff block; filter_length times its blocks must hold %1 taps):</source>
        <translation>BruteFIR (a coeff block; filter_length times its blocks must hold %1 taps):</translation>
    </message>
    <message>
        <source>reads raw or text files only: export again with the format f32, f64 or text.</source>
        <translation>reads raw or text files only: export again with the format f32, f64 or text.</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;, not &quot;power&quot;, &quot;dB&quot; or &quot;vector&quot;</source>
        <translation>%1 is &quot;%2&quot;, not &quot;power&quot;, &quot;dB&quot; or &quot;vector&quot;</translation>
    </message>
    <message>
        <source>%1 must hold 2 to 16 files</source>
        <translation>%1 must hold 2 to 16 files</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation>%1: &quot;%2&quot; is not a number.</translation>
    </message>
    <message>
        <source>noch keine Kurve fuer Amplitudenequalizing geladen.</source>
        <translation>no curve loaded for amplitude equalizing yet.</translation>
    </message>
    <message>
        <source>Export Filter</source>
        <translation>Export Filter</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>Filter exported: %1 file(s), %2 taps, latency %3 samples, peak %4</source>
        <translation>Filter exported: %1 file(s), %2 taps, latency %3 samples, peak %4</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no level in dB (e.g. 12.5).</source>
        <translation>%1: &quot;%2&quot; is no level in dB (e.g. 12.5).</translation>
    </message>
    <message>
        <source>%1: %2 dB is outside 0.0 ... %3 dB.</source>
        <translation>%1: %2 dB is outside 0.0 ... %3 dB.</translation>
    </message>
    <message>
        <source>Average Measurements…</source>
        <translation>Average Measurements…</translation>
    </message>
    <message>
        <source>Import a measurement (File → Import Measurement…) or bend the blue desired curve, then Simulate → Execute.</source>
        <translation>Import a measurement (File → Import Measurement…) or bend the blue desired curve, then Simulate → Execute.</translation>
    </message>
    <message>
        <source>--lang needs de or en</source>
        <translation>--lang needs de or en</translation>
    </message>
    <message>
        <source>%1 needs a device name</source>
        <translation>%1 needs a device name</translation>
    </message>
    <message>
        <source>%1 is not a project (FILE.qvproj)</source>
        <translation>%1 is not a project (FILE.qvproj)</translation>
    </message>
    <message>
        <source>only one project can be opened</source>
        <translation>only one project can be opened</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>Quorvane Project (*.qvproj)|*.qvproj|(*.*)|*.*</source>
        <translation>Quorvane Project (*.qvproj)|*.qvproj|(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>qv::AverageDialogRules</name>
    <message>
        <source>The channel is a whole number from 1.</source>
        <translation>The channel is a whole number from 1.</translation>
    </message>
    <message>
        <source>Averaging cancelled.</source>
        <translation>Averaging cancelled.</translation>
    </message>
    <message>
        <source>Add 2 to 16 measurement files.</source>
        <translation>Add 2 to 16 measurement files.</translation>
    </message>
</context>
<context>
    <name>qv::AverageReport</name>
    <message>
        <source>Average of %1 measurements, power method.</source>
        <translation>Average of %1 measurements, power method.</translation>
    </message>
    <message>
        <source>Average of %1 measurements, dB method.</source>
        <translation>Average of %1 measurements, dB method.</translation>
    </message>
    <message>
        <source>Average of %1 measurements, vector method.</source>
        <translation>Average of %1 measurements, vector method.</translation>
    </message>
    <message>
        <source>%1. %2 (reference)</source>
        <translation>%1. %2 (reference)</translation>
    </message>
    <message>
        <source>%1. %2, aligned by %3 ms</source>
        <translation>%1. %2, aligned by %3 ms</translation>
    </message>
    <message>
        <source>Group delay: %1 points, from the averaged impulse; late reads &lt; 0 ms.</source>
        <translation>Group delay: %1 points, from the averaged impulse; late reads &lt; 0 ms.</translation>
    </message>
    <message>
        <source>Group delay: none (vector averaging of impulses gives one).</source>
        <translation>Group delay: none (vector averaging of impulses gives one).</translation>
    </message>
</context>
<context>
    <name>qv::BoxHistory</name>
    <message>
        <source>Fehler beim Zugriff auf </source>
        <translation>Error accessing </translation>
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
        <translation>From</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Max. boost</source>
        <translation>Max. boost</translation>
    </message>
    <message>
        <source>Max. cut</source>
        <translation>Max. cut</translation>
    </message>
    <message>
        <source>Max. delay</source>
        <translation>Max. delay</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Tilt</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>(house curve of the project)</source>
        <translation>(house curve of the project)</translation>
    </message>
    <message>
        <source>House curve: choose a file.</source>
        <translation>House curve: choose a file.</translation>
    </message>
    <message>
        <source>House curve: </source>
        <translation>House curve: </translation>
    </message>
    <message>
        <source>measurement (curve 3 of &quot;Frequency Response&quot;)</source>
        <translation>measurement (curve 3 of &quot;Frequency Response&quot;)</translation>
    </message>
    <message>
        <source>measured delay (curve 3 of &quot;Group Delay&quot;)</source>
        <translation>measured delay (curve 3 of &quot;Group Delay&quot;)</translation>
    </message>
    <message>
        <source>House curve: %1</source>
        <translation>House curve: %1</translation>
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
        <translation>%1: the box history is switched off</translation>
    </message>
    <message>
        <source>%1: the box history holds no state yet</source>
        <translation>%1: the box history holds no state yet</translation>
    </message>
</context>
<context>
    <name>qv::EditDiagramRules</name>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number.</source>
        <translation>%1: &quot;%2&quot; is not a whole number.</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 ... %4.</source>
        <translation>%1: %2 is outside %3 ... %4.</translation>
    </message>
</context>
<context>
    <name>qv::Editor</name>
    <message>
        <source>Fehler beim Zugriff auf </source>
        <translation>Error accessing </translation>
    </message>
    <message>
        <source>Fehler beim Speichern</source>
        <translation>Error while saving</translation>
    </message>
</context>
<context>
    <name>qv::ExportDialogRules</name>
    <message>
        <source>WAV, 32-bit float</source>
        <translation>WAV, 32-bit float</translation>
    </message>
    <message>
        <source>raw 32-bit float (f32)</source>
        <translation>raw 32-bit float (f32)</translation>
    </message>
    <message>
        <source>raw 64-bit float (f64)</source>
        <translation>raw 64-bit float (f64)</translation>
    </message>
    <message>
        <source>text, one value a line</source>
        <translation>text, one value a line</translation>
    </message>
    <message>
        <source>Rates: numbers from 8000 to 768000 Hz</source>
        <translation>Rates: numbers from 8000 to 768000 Hz</translation>
    </message>
    <message>
        <source>Length: a whole number from 16 to 65536 taps</source>
        <translation>Length: a whole number from 16 to 65536 taps</translation>
    </message>
    <message>
        <source>Name: a file name</source>
        <translation>Name: a file name</translation>
    </message>
    <message>
        <source>Folder: no such folder</source>
        <translation>Folder: no such folder</translation>
    </message>
</context>
<context>
    <name>qv::Field</name>
    <message>
        <source>%1 is not an object</source>
        <translation>%1 is not an object</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>%1 is not a finite number</source>
        <translation>%1 is not a finite number</translation>
    </message>
    <message>
        <source>%1 is below %2</source>
        <translation>%1 is below %2</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 is not a whole number</translation>
    </message>
    <message>
        <source>%1 is %2, not in %3 ... %4</source>
        <translation>%1 is %2, not in %3 ... %4</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 is not true or false</translation>
    </message>
    <message>
        <source>%1 is not a pair [x, y]</source>
        <translation>%1 is not a pair [x, y]</translation>
    </message>
</context>
<context>
    <name>qv::ImportDialogRules</name>
    <message>
        <source>Channel </source>
        <translation>Channel </translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Import cancelled.</translation>
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
        <translation>%1: %2 read, %3 skipped (headers, comments, text).</translation>
    </message>
    <message>
        <source>%1 line</source>
        <translation>%1 line</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 lines</translation>
    </message>
    <message>
        <source>%1 sample</source>
        <translation>%1 sample</translation>
    </message>
    <message>
        <source>%1 samples</source>
        <translation>%1 samples</translation>
    </message>
    <message>
        <source>Dropped %1 at or below 0 Hz.</source>
        <translation>Dropped %1 at or below 0 Hz.</translation>
    </message>
    <message>
        <source>Dropped %1 with NaN or infinite values.</source>
        <translation>Dropped %1 with NaN or infinite values.</translation>
    </message>
    <message>
        <source>Sorted the rows by frequency.</source>
        <translation>Sorted the rows by frequency.</translation>
    </message>
    <message>
        <source>Merged %1 with a repeated frequency.</source>
        <translation>Merged %1 with a repeated frequency.</translation>
    </message>
    <message>
        <source>The phase column is zero everywhere: treated as absent.</source>
        <translation>The phase column is zero everywhere: treated as absent.</translation>
    </message>
    <message>
        <source>Reduced %1 points to %2 by averaging in power on a logarithmic grid (%3 points per octave).</source>
        <translation>Reduced %1 points to %2 by averaging in power on a logarithmic grid (%3 points per octave).</translation>
    </message>
    <message>
        <source>%1 Hz, %2 (%3 ms), channel %4 of %5.</source>
        <translation>%1 Hz, %2 (%3 ms), channel %4 of %5.</translation>
    </message>
    <message>
        <source>%1 Hz, %2 (%3 ms).</source>
        <translation>%1 Hz, %2 (%3 ms).</translation>
    </message>
    <message>
        <source>Peak at %1 ms.</source>
        <translation>Peak at %1 ms.</translation>
    </message>
    <message>
        <source>Gate %1 to %2 ms around the peak, half-Hann flanks.</source>
        <translation>Gate %1 to %2 ms around the peak, half-Hann flanks.</translation>
    </message>
    <message>
        <source>No gate: the whole impulse is analysed.</source>
        <translation>No gate: the whole impulse is analysed.</translation>
    </message>
    <message>
        <source>Frequency-dependent window of %1 cycles for the level and the group delay.</source>
        <translation>Frequency-dependent window of %1 cycles for the level and the group delay.</translation>
    </message>
    <message>
        <source>Frequency-dependent window of %1 cycles for the group delay.</source>
        <translation>Frequency-dependent window of %1 cycles for the group delay.</translation>
    </message>
    <message>
        <source>Data offset of %1 dB from the header added to the level.</source>
        <translation>Data offset of %1 dB from the header added to the level.</translation>
    </message>
    <message>
        <source>This file looks like a recording, not an impulse response: its energy is spread out, with no dominant peak.</source>
        <translation>This file looks like a recording, not an impulse response: its energy is spread out, with no dominant peak.</translation>
    </message>
    <message>
        <source>Group delay: none.</source>
        <translation>Group delay: none.</translation>
    </message>
</context>
<context>
    <name>qv::LineReader</name>
    <message>
        <source>Fehler beim Zugriff auf </source>
        <translation>Error accessing </translation>
    </message>
    <message>
        <source>Lesefehler in </source>
        <translation>Read error in </translation>
    </message>
    <message>
        <source>Fehler beim Zugriff auf %1 !  (%2)</source>
        <translation>Error accessing %1!  (%2)</translation>
    </message>
    <message>
        <source>Lesefehler in %1: %2</source>
        <translation>Read error in %1: %2</translation>
    </message>
</context>
<context>
    <name>qv::LineStream</name>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Cannot open %1: %2.</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2.</source>
        <translation>Reading %1 failed: %2.</translation>
    </message>
</context>
<context>
    <name>qv::LineWriter</name>
    <message>
        <source>Fehler beim Zugriff auf </source>
        <translation>Error accessing </translation>
    </message>
    <message>
        <source>Schreibfehler in </source>
        <translation>Write error in </translation>
    </message>
    <message>
        <source>Fehler beim Zugriff auf %1 !  (%2)</source>
        <translation>Error accessing %1!  (%2)</translation>
    </message>
    <message>
        <source>Schreibfehler in %1: %2</source>
        <translation>Write error in %1: %2</translation>
    </message>
</context>
<context>
    <name>qv::ProjectBinding</name>
    <message>
        <source>Save the changes?</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Save the changes to %1?</translation>
    </message>
</context>
<context>
    <name>qv::ProjectCommands</name>
    <message>
        <source>Cannot open the project %1</source>
        <translation>Cannot open the project %1</translation>
    </message>
    <message>
        <source>The project was not saved: %1</source>
        <translation>The project was not saved: %1</translation>
    </message>
    <message>
        <source>The autosave cannot be restored: %1</source>
        <translation>The autosave cannot be restored: %1</translation>
    </message>
    <message>
        <source>The editor did not end properly last time. Restore the autosaved work?</source>
        <translation>The editor did not end properly last time. Restore the autosaved work?</translation>
    </message>
    <message>
        <source>The editor did not end properly last time. Restore the autosaved work of %1?</source>
        <translation>The editor did not end properly last time. Restore the autosaved work of %1?</translation>
    </message>
</context>
<context>
    <name>qv::QtUserInterface</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>qv::SetChooserLogic</name>
    <message>
        <source>Set %1 holds a %2 kHz setup: a write keeps its rate.</source>
        <translation>Set %1 holds a %2 kHz setup: a write keeps its rate.</translation>
    </message>
</context>
<context>
    <name>qv::SetWrite</name>
    <message>
        <source>reading what the set holds</source>
        <translation>reading what the set holds</translation>
    </message>
    <message>
        <source>erasing the set</source>
        <translation>erasing the set</translation>
    </message>
    <message>
        <source>The set is unchanged.</source>
        <translation>The set is unchanged.</translation>
    </message>
    <message>
        <source>The set differs from what was written: write it again, or use %1.</source>
        <translation>The set differs from what was written: write it again, or use %1.</translation>
    </message>
    <message>
        <source>The set differs from what was written: write it again.</source>
        <translation>The set differs from what was written: write it again.</translation>
    </message>
    <message>
        <source>The set is written but not verified: write it again, or use %1.</source>
        <translation>The set is written but not verified: write it again, or use %1.</translation>
    </message>
    <message>
        <source>The set is written but not verified: write it again.</source>
        <translation>The set is written but not verified: write it again.</translation>
    </message>
    <message>
        <source>The set is incomplete: write it again, or use %1.</source>
        <translation>The set is incomplete: write it again, or use %1.</translation>
    </message>
    <message>
        <source>The set is incomplete: write it again.</source>
        <translation>The set is incomplete: write it again.</translation>
    </message>
    <message>
        <source>the box stopped answering</source>
        <translation>the box stopped answering</translation>
    </message>
    <message>
        <source>the box&apos;s answers stayed damaged</source>
        <translation>the box&apos;s answers stayed damaged</translation>
    </message>
    <message>
        <source>the box refused a telegram</source>
        <translation>the box refused a telegram</translation>
    </message>
    <message>
        <source>a telegram could not be sent</source>
        <translation>a telegram could not be sent</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>the port was lost (%1)</source>
        <translation>the port was lost (%1)</translation>
    </message>
    <message>
        <source>the box history could not be written in %1</source>
        <translation>the box history could not be written in %1</translation>
    </message>
    <message>
        <source>%1: %2 while %3 (%4 %). %5</source>
        <translation>%1: %2 while %3 (%4 %). %5</translation>
    </message>
</context>
<context>
    <name>qv::SetupDspLogic</name>
    <message>
        <source>keine RS232-Verbindung zu DSP!</source>
        <translation>no RS232 connection to the DSP!</translation>
    </message>
    <message>
        <source>Software fuer DSP updaten --&gt; Menu: Setup DSP</source>
        <translation>Update the DSP software --&gt; menu: Setup DSP</translation>
    </message>
    <message>
        <source>keine USB-Verbindung zu DSP!</source>
        <translation>no USB connection to the DSP!</translation>
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
        <translation>no RS232 connection to the DSP!</translation>
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
        <translation>Smoothing: curve </translation>
    </message>
    <message>
        <source> is empty.</source>
        <translation> is empty.</translation>
    </message>
    <message>
        <source>Smoothing works on curves over frequency (Hz).</source>
        <translation>Smoothing works on curves over frequency (Hz).</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Smoothing: curve %1 is empty.</source>
        <translation>Smoothing: curve %1 is empty.</translation>
    </message>
</context>
<context>
    <name>qv::SoundFile</name>
    <message>
        <source>%1 is not a readable audio file (%2).</source>
        <translation>%1 is not a readable audio file (%2).</translation>
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
        <translation>DSP editor for loudspeaker and room correction:
FIR equalizers of 1800 and 900 taps,
two channels, eight filter sets.</translation>
    </message>
</context>
<context>
    <name>qv::TAverageMeasurementsDlg</name>
    <message>
        <source>Average Measurements</source>
        <translation>Average Measurements</translation>
    </message>
    <message>
        <source>Measurements (*.frd *.txt *.csv *.dat *.wav *.flac *.aif *.aiff *.w64);;(*.*)</source>
        <translation>Measurements (*.frd *.txt *.csv *.dat *.wav *.flac *.aif *.aiff *.w64);;(*.*)</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Add…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Power (mean of 10^(L/10))</source>
        <translation>Power (mean of 10^(L/10))</translation>
    </message>
    <message>
        <source>dB (mean of L)</source>
        <translation>dB (mean of L)</translation>
    </message>
    <message>
        <source>Vector (aligned impulses)</source>
        <translation>Vector (aligned impulses)</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Hz (text impulses)</source>
        <translation>Hz (text impulses)</translation>
    </message>
    <message>
        <source>from the file</source>
        <translation>from the file</translation>
    </message>
</context>
<context>
    <name>qv::TBoxHistoryDlg</name>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>States kept of %1, newest first:</source>
        <translation>States kept of %1, newest first:</translation>
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
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>qv::TCorrectionTargetDlg</name>
    <message>
        <source>Correction Target</source>
        <translation>Correction Target</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source> octave</source>
        <translation> octave</translation>
    </message>
    <message>
        <source>band mean</source>
        <translation>band mean</translation>
    </message>
    <message>
        <source>Band and limits</source>
        <translation>Band and limits</translation>
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
        <translation>Max. boost:</translation>
    </message>
    <message>
        <source>Max. cut:</source>
        <translation>Max. cut:</translation>
    </message>
    <message>
        <source>Smoothing:</source>
        <translation>Smoothing:</translation>
    </message>
    <message>
        <source>0 dB at:</source>
        <translation>0 dB at:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Flat</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Tilt</translation>
    </message>
    <message>
        <source>House curve</source>
        <translation>House curve</translation>
    </message>
    <message>
        <source>Group Delay</source>
        <translation>Group Delay</translation>
    </message>
    <message>
        <source>Delay correction, max.</source>
        <translation>Delay correction, max.</translation>
    </message>
    <message>
        <source>dB/octave</source>
        <translation>dB/octave</translation>
    </message>
</context>
<context>
    <name>qv::TCutImpulsDlg</name>
    <message>
        <source>Cut Impuls</source>
        <translation>Cut Impulse</translation>
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
        <translation>Edit Diagram</translation>
    </message>
    <message>
        <source>x-Achse</source>
        <translation>x axis</translation>
    </message>
    <message>
        <source>y-Achse</source>
        <translation>y axis</translation>
    </message>
    <message>
        <source>von:</source>
        <translation>from:</translation>
    </message>
    <message>
        <source>bis:</source>
        <translation>to:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>qv::TExportFilterDlg</name>
    <message>
        <source>Export Filter</source>
        <translation>Export Filter</translation>
    </message>
    <message>
        <source>Linear (latency half the length)</source>
        <translation>Linear (latency half the length)</translation>
    </message>
    <message>
        <source>Minimum (no latency, no delay target)</source>
        <translation>Minimum (no latency, no delay target)</translation>
    </message>
    <message>
        <source>Add correction curve (amlin.cor)</source>
        <translation>Add correction curve (amlin.cor)</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Folder:</translation>
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
        <translation>Rates (Hz):</translation>
    </message>
    <message>
        <source>Length (taps):</source>
        <translation>Length (taps):</translation>
    </message>
    <message>
        <source>Phase:</source>
        <translation>Phase:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Writes: </source>
        <translation>Writes: </translation>
    </message>
</context>
<context>
    <name>qv::TForm1</name>
    <message>
        <source>Sollwert</source>
        <translation>Desired</translation>
    </message>
    <message>
        <source>Istwert</source>
        <translation>Actual</translation>
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
        <translation>A transfer to the DSP is running. Stop it and close?</translation>
    </message>
</context>
<context>
    <name>qv::TImportMeasurementDlg</name>
    <message>
        <source>Import Measurement</source>
        <translation>Import Measurement</translation>
    </message>
    <message>
        <source>Column pair</source>
        <translation>Column pair</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
</context>
<context>
    <name>qv::TImportOptionsBox</name>
    <message>
        <source>Sample rate</source>
        <translation>Sample rate</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Gate</source>
        <translation>Gate</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>The level through a frequency-dependent window; the group delay of an impulse always goes through one (15 cycles unless given).</source>
        <translation>The level through a frequency-dependent window; the group delay of an impulse always goes through one (15 cycles unless given).</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>ms around the peak</source>
        <translation>ms around the peak</translation>
    </message>
    <message>
        <source>cycles (frequency-dependent)</source>
        <translation>cycles (frequency-dependent)</translation>
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
        <translation>Project Info</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes:</translation>
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
        <translation>Digital Lens Synchronisation</translation>
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
        <translation>I2S active (own frame sync)</translation>
    </message>
    <message>
        <source>I2S passive (extern Framesync)</source>
        <translation>I2S passive (external frame sync)</translation>
    </message>
    <message>
        <source> DSP Oszillator Frequency </source>
        <translation> DSP Oscillator Frequency </translation>
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
        <translation>Cancel</translation>
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
        <translation>Left</translation>
    </message>
    <message>
        <source>Right Channel Volume </source>
        <translation>Right Channel Volume </translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
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
        <translation>Left</translation>
    </message>
    <message>
        <source> Right Channel Volume </source>
        <translation> Right Channel Volume </translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
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
        <translation>Smoothing</translation>
    </message>
    <message>
        <source> octave</source>
        <translation> octave</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Curve:</source>
        <translation>Curve:</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(empty)</translation>
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
        <translation>one sample a line, decimal point</translation>
    </message>
    <message>
        <source>one sample a line, decimal comma</source>
        <translation>one sample a line, decimal comma</translation>
    </message>
    <message>
        <source>%1 column</source>
        <translation>%1 column</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 columns</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>decimal point</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <translation>decimal comma</translation>
    </message>
</context>
<context>
    <name>qv::cli</name>
    <message>
        <source>--group-delay needs --method vector: only aligned impulses average to a group delay.</source>
        <translation>--group-delay needs --method vector: only aligned impulses average to a group delay.</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>reading and averaging</source>
        <translation>reading and averaging</translation>
    </message>
    <message>
        <source>--delay needs --measured-delay or a measurement with a phase.</source>
        <translation>--delay needs --measured-delay or a measurement with a phase.</translation>
    </message>
    <message>
        <source>Delay target at its %1 ms limit at %2 % of the band.</source>
        <translation>Delay target at its %1 ms limit at %2 % of the band.</translation>
    </message>
    <message>
        <source>--gate takes T1:T2 in ms around the peak, T1 before T2 (e.g. -1:5)</source>
        <translation>--gate takes T1:T2 in ms around the peak, T1 before T2 (e.g. -1:5)</translation>
    </message>
    <message>
        <source>--room needs on or off</source>
        <translation>--room needs on or off</translation>
    </message>
    <message>
        <source>%1 needs --set and --rate</source>
        <translation>%1 needs --set and --rate</translation>
    </message>
    <message>
        <source>--set needs 1..8</source>
        <translation>--set needs 1..8</translation>
    </message>
    <message>
        <source>--rate needs 44.1, 48 or 33</source>
        <translation>--rate needs 44.1, 48 or 33</translation>
    </message>
    <message>
        <source>write-filter needs the DSP program file %1: not found in %2 (--program-dir, default the current directory)</source>
        <translation>write-filter needs the DSP program file %1: not found in %2 (--program-dir, default the current directory)</translation>
    </message>
    <message>
        <source>Software fuer DSP updaten --&gt; Menu: Setup DSP</source>
        <translation>Update the DSP software --&gt; menu: Setup DSP</translation>
    </message>
    <message>
        <source>write-software takes one FILE</source>
        <translation>write-software takes one FILE</translation>
    </message>
    <message>
        <source>write-filter needs one FILTER file</source>
        <translation>write-filter needs one FILTER file</translation>
    </message>
    <message>
        <source>Filter in Set %1 geschrieben</source>
        <translation>Filter written to Set %1</translation>
    </message>
    <message>
        <source>read-filter needs --out FILE</source>
        <translation>read-filter needs --out FILE</translation>
    </message>
    <message>
        <source>Filter read from %1</source>
        <translation>Filter read from %1</translation>
    </message>
    <message>
        <source>backup needs --out FILE.hex</source>
        <translation>backup needs --out FILE.hex</translation>
    </message>
    <message>
        <source>restore needs one FILE.hex</source>
        <translation>restore needs one FILE.hex</translation>
    </message>
    <message>
        <source>unknown operation %1</source>
        <translation>unknown operation %1</translation>
    </message>
    <message>
        <source>keine RS232-Verbindung zu DSP!</source>
        <translation>no RS232 connection to the DSP!</translation>
    </message>
    <message>
        <source>--level or --project is required</source>
        <translation>--level or --project is required</translation>
    </message>
    <message>
        <source>export</source>
        <translation>export</translation>
    </message>
    <message>
        <source>synthesis</source>
        <translation>synthesis</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>reading and analysing</source>
        <translation>reading and analysing</translation>
    </message>
    <message>
        <source>The file gives no level; nothing written.</source>
        <translation>The file gives no level; nothing written.</translation>
    </message>
    <message>
        <source>The file gives no group delay; no group delay was written.</source>
        <translation>The file gives no group delay; no group delay was written.</translation>
    </message>
    <message>
        <source>bad size &apos;%1&apos;</source>
        <translation>bad size &apos;%1&apos;</translation>
    </message>
    <message>
        <source>plot: no diagram titled &apos;%1&apos;; the titles are:</source>
        <translation>plot: no diagram titled &apos;%1&apos;; the titles are:</translation>
    </message>
    <message>
        <source>plot: no points in %1</source>
        <translation>plot: no points in %1</translation>
    </message>
    <message>
        <source>plot: cannot write %1</source>
        <translation>plot: cannot write %1</translation>
    </message>
    <message>
        <source>at most four curves</source>
        <translation>at most four curves</translation>
    </message>
    <message>
        <source>--curve &quot;%1&quot; is not &quot;DIAGRAM:SLOT&quot; (slot 1 ... 4)</source>
        <translation>--curve &quot;%1&quot; is not &quot;DIAGRAM:SLOT&quot; (slot 1 ... 4)</translation>
    </message>
    <message>
        <source>%1: %2 is empty; nothing written.</source>
        <translation>%1: %2 is empty; nothing written.</translation>
    </message>
    <message>
        <source>peak coefficient %1</source>
        <translation>peak coefficient %1</translation>
    </message>
    <message>
        <source>%1 (--fit-headroom does it.)</source>
        <translation>%1 (--fit-headroom does it.)</translation>
    </message>
    <message>
        <source>target lowered by %1 dB for headroom</source>
        <translation>target lowered by %1 dB for headroom</translation>
    </message>
    <message>
        <source>Run with --help for more information.</source>
        <translation>Run with --help for more information.</translation>
    </message>
    <message>
        <source>the two impulse commands of the main window on an impulse file</source>
        <translation>the two impulse commands of the main window on an impulse file</translation>
    </message>
    <message>
        <source>several measurements averaged into one</source>
        <translation>several measurements averaged into one</translation>
    </message>
    <message>
        <source>a correction target from a measurement</source>
        <translation>a correction target from a measurement</translation>
    </message>
    <message>
        <source>the box&apos;s transfers: setup, software, filters</source>
        <translation>the box&apos;s transfers: setup, software, filters</translation>
    </message>
    <message>
        <source>a filter for software convolvers (WAV, raw or text) at any rate and length</source>
        <translation>a filter for software convolvers (WAV, raw or text) at any rate and length</translation>
    </message>
    <message>
        <source>a measurement file to level and group delay curves</source>
        <translation>a measurement file to level and group delay curves</translation>
    </message>
    <message>
        <source>The Quorvane DSP Editor&apos;s work without a window, for scripts and batches.</source>
        <translation>The Quorvane DSP Editor&apos;s work without a window, for scripts and batches.</translation>
    </message>
    <message>
        <source>de: the original texts, en: English (default: from the locale)</source>
        <translation>de: the original texts, en: English (default: from the locale)</translation>
    </message>
    <message>
        <source>paint one of the eleven diagrams with up to four DAT curves into a PNG</source>
        <translation>paint one of the eleven diagrams with up to four DAT curves into a PNG</translation>
    </message>
    <message>
        <source>what a project file holds; one curve as a file</source>
        <translation>what a project file holds; one curve as a file</translation>
    </message>
    <message>
        <source>fractional-octave smoothing of a curve</source>
        <translation>fractional-octave smoothing of a curve</translation>
    </message>
    <message>
        <source>the filter synthesis of &quot;Execute&quot; on curve files</source>
        <translation>the filter synthesis of &quot;Execute&quot; on curve files</translation>
    </message>
    <message>
        <source>the impulse: a DAT file, or IMP with --imp</source>
        <translation>the impulse: a DAT file, or IMP with --imp</translation>
    </message>
    <message>
        <source>the impulse file is an IMP file</source>
        <translation>the impulse file is an IMP file</translation>
    </message>
    <message>
        <source>write the frequency response in dB (XY-Format)</source>
        <translation>write the frequency response in dB (XY-Format)</translation>
    </message>
    <message>
        <source>write the group delay in ms (XY-Format)</source>
        <translation>write the group delay in ms (XY-Format)</translation>
    </message>
    <message>
        <source>the sampling frequency in Hz (90000 for the response, 61200 for the group delay)</source>
        <translation>the sampling frequency in Hz (90000 for the response, 61200 for the group delay)</translation>
    </message>
    <message>
        <source>lowest frequency of the response in Hz</source>
        <translation>lowest frequency of the response in Hz</translation>
    </message>
    <message>
        <source>highest frequency of the response in Hz</source>
        <translation>highest frequency of the response in Hz</translation>
    </message>
    <message>
        <source>power: mean of 10^(L/10); db: mean of L; vector: impulses aligned to the first by their cross-correlation, then averaged sample by sample. The result covers the frequencies all files share, 48 points per octave.</source>
        <translation>power: mean of 10^(L/10); db: mean of L; vector: impulses aligned to the first by their cross-correlation, then averaged sample by sample. The result covers the frequencies all files share, 48 points per octave.</translation>
    </message>
    <message>
        <source>2 to 16 measurement files (any importable file)</source>
        <translation>2 to 16 measurement files (any importable file)</translation>
    </message>
    <message>
        <source>power, db or vector</source>
        <translation>power, db or vector</translation>
    </message>
    <message>
        <source>write the averaged level here (XY-Format)</source>
        <translation>write the averaged level here (XY-Format)</translation>
    </message>
    <message>
        <source>write the group delay of a vector average here (XY-Format)</source>
        <translation>write the group delay of a vector average here (XY-Format)</translation>
    </message>
    <message>
        <source>Measurements through the importer; desired curves out in XY-Format, on the measured frequencies. The level is normalised to 0 dB over the band (or at --reference), clipped to the limits and faded over 1/3 octave outside the band.</source>
        <translation>Measurements through the importer; desired curves out in XY-Format, on the measured frequencies. The level is normalised to 0 dB over the band (or at --reference), clipped to the limits and faded over 1/3 octave outside the band.</translation>
    </message>
    <message>
        <source>the measured level (any importable file)</source>
        <translation>the measured level (any importable file)</translation>
    </message>
    <message>
        <source>the measured group delay (default: from the measurement&apos;s phase)</source>
        <translation>the measured group delay (default: from the measurement&apos;s phase)</translation>
    </message>
    <message>
        <source>a house curve (any importable file)</source>
        <translation>a house curve (any importable file)</translation>
    </message>
    <message>
        <source>a tilt in dB per octave through 0 dB at 1 kHz</source>
        <translation>a tilt in dB per octave through 0 dB at 1 kHz</translation>
    </message>
    <message>
        <source>band start in Hz</source>
        <translation>band start in Hz</translation>
    </message>
    <message>
        <source>band end in Hz</source>
        <translation>band end in Hz</translation>
    </message>
    <message>
        <source>largest boost in dB</source>
        <translation>largest boost in dB</translation>
    </message>
    <message>
        <source>largest cut in dB</source>
        <translation>largest cut in dB</translation>
    </message>
    <message>
        <source>largest added delay in ms</source>
        <translation>largest added delay in ms</translation>
    </message>
    <message>
        <source>smooth 1/N octave first: 1, 2, 3, 6, 12, 24, 48; 0 for none</source>
        <translation>smooth 1/N octave first: 1, 2, 3, 6, 12, 24, 48; 0 for none</translation>
    </message>
    <message>
        <source>put the measurement at 0 dB here (Hz)</source>
        <translation>put the measurement at 0 dB here (Hz)</translation>
    </message>
    <message>
        <source>write the desired level here</source>
        <translation>write the desired level here</translation>
    </message>
    <message>
        <source>write the desired group delay here (delay correction only with this)</source>
        <translation>write the desired group delay here (delay correction only with this)</translation>
    </message>
    <message>
        <source>the (frequency, level) column pair of a text response</source>
        <translation>the (frequency, level) column pair of a text response</translation>
    </message>
    <message>
        <source>the channel of an audio impulse</source>
        <translation>the channel of an audio impulse</translation>
    </message>
    <message>
        <source>the sample rate of a text impulse in Hz (default: its header)</source>
        <translation>the sample rate of a text impulse in Hz (default: its header)</translation>
    </message>
    <message>
        <source>analyse an impulse from T1 to T2 ms around its peak (T1:T2)</source>
        <translation>analyse an impulse from T1 to T2 ms around its peak (T1:T2)</translation>
    </message>
    <message>
        <source>level of an impulse through a frequency-dependent window of CYCLES (its group delay always: 15 unless given)</source>
        <translation>level of an impulse through a frequency-dependent window of CYCLES (its group delay always: 15 unless given)</translation>
    </message>
    <message>
        <source>the set, 1..8</source>
        <translation>the set, 1..8</translation>
    </message>
    <message>
        <source>the sampling rate in kHz: 44.1, 48 or 33</source>
        <translation>the sampling rate in kHz: 44.1, 48 or 33</translation>
    </message>
    <message>
        <source>high (default) or low</source>
        <translation>high (default) or low</translation>
    </message>
    <message>
        <source>the serial device, or &quot;virtual&quot; for the in-process box</source>
        <translation>the serial device, or &quot;virtual&quot; for the in-process box</translation>
    </message>
    <message>
        <source>a fault of the virtual box (drop=N, corrupt=N, ...)</source>
        <translation>a fault of the virtual box (drop=N, corrupt=N, ...)</translation>
    </message>
    <message>
        <source>the virtual box&apos;s flash file (loaded, then saved)</source>
        <translation>the virtual box&apos;s flash file (loaded, then saved)</translation>
    </message>
    <message>
        <source>where the DSP program files are (default: .)</source>
        <translation>where the DSP program files are (default: .)</translation>
    </message>
    <message>
        <source>do not read back what was written</source>
        <translation>do not read back what was written</translation>
    </message>
    <message>
        <source>do not keep what a set held before a write in the box history</source>
        <translation>do not keep what a set held before a write in the box history</translation>
    </message>
    <message>
        <source>is the box there?</source>
        <translation>is the box there?</translation>
    </message>
    <message>
        <source>the box&apos;s software version</source>
        <translation>the box&apos;s software version</translation>
    </message>
    <message>
        <source>print the setup of a set</source>
        <translation>print the setup of a set</translation>
    </message>
    <message>
        <source>write a setup into a set</source>
        <translation>write a setup into a set</translation>
    </message>
    <message>
        <source>on or off (default)</source>
        <translation>on or off (default)</translation>
    </message>
    <message>
        <source>in 0.1 dB steps</source>
        <translation>in 0.1 dB steps</translation>
    </message>
    <message>
        <source>in sample periods</source>
        <translation>in sample periods</translation>
    </message>
    <message>
        <source>write the DSP program into a set</source>
        <translation>write the DSP program into a set</translation>
    </message>
    <message>
        <source>the program file (default: the profile&apos;s)</source>
        <translation>the program file (default: the profile&apos;s)</translation>
    </message>
    <message>
        <source>write an equalizer filter into a set</source>
        <translation>write an equalizer filter into a set</translation>
    </message>
    <message>
        <source>XY-Format file of the 1800 coefficients</source>
        <translation>XY-Format file of the 1800 coefficients</translation>
    </message>
    <message>
        <source>send a filter with coefficients beyond +-1 (the box clips them)</source>
        <translation>send a filter with coefficients beyond +-1 (the box clips them)</translation>
    </message>
    <message>
        <source>read the equalizer filter of a set</source>
        <translation>read the equalizer filter of a set</translation>
    </message>
    <message>
        <source>the XY-Format file to write</source>
        <translation>the XY-Format file to write</translation>
    </message>
    <message>
        <source>save a set (program, length, setup) as Intel HEX</source>
        <translation>save a set (program, length, setup) as Intel HEX</translation>
    </message>
    <message>
        <source>the Intel HEX file to write</source>
        <translation>the Intel HEX file to write</translation>
    </message>
    <message>
        <source>write an Intel HEX backup into a set</source>
        <translation>write an Intel HEX backup into a set</translation>
    </message>
    <message>
        <source>the Intel HEX file</source>
        <translation>the Intel HEX file</translation>
    </message>
    <message>
        <source>put back what a set held before the last write</source>
        <translation>put back what a set held before the last write</translation>
    </message>
    <message>
        <source>that many writes back, 1..10 (default 1)</source>
        <translation>that many writes back, 1..10 (default 1)</translation>
    </message>
    <message>
        <source>Curve inputs are any file the measurement importer reads. Linear phase has a latency of taps/2 samples; minimum phase has none and takes no delay target.</source>
        <translation>Curve inputs are any file the measurement importer reads. Linear phase has a latency of taps/2 samples; minimum phase has none and takes no delay target.</translation>
    </message>
    <message>
        <source>the desired level (dB over Hz)</source>
        <translation>the desired level (dB over Hz)</translation>
    </message>
    <message>
        <source>the desired group delay (ms over Hz)</source>
        <translation>the desired group delay (ms over Hz)</translation>
    </message>
    <message>
        <source>a correction curve added to the level</source>
        <translation>a correction curve added to the level</translation>
    </message>
    <message>
        <source>take the desired level and delay from this project (.qvproj)</source>
        <translation>take the desired level and delay from this project (.qvproj)</translation>
    </message>
    <message>
        <source>sample rate of the convolver in Hz</source>
        <translation>sample rate of the convolver in Hz</translation>
    </message>
    <message>
        <source>filter length</source>
        <translation>filter length</translation>
    </message>
    <message>
        <source>linear or minimum</source>
        <translation>linear or minimum</translation>
    </message>
    <message>
        <source>wav (32-bit float), f32, f64 (raw little-endian) or text</source>
        <translation>wav (32-bit float), f32, f64 (raw little-endian) or text</translation>
    </message>
    <message>
        <source>write the filter here</source>
        <translation>write the filter here</translation>
    </message>
    <message>
        <source>a text response (FRD, CSV, exports), an audio impulse (WAV, AIFF, FLAC, W64) or a text impulse</source>
        <translation>a text response (FRD, CSV, exports), an audio impulse (WAV, AIFF, FLAC, W64) or a text impulse</translation>
    </message>
    <message>
        <source>write the level in dB (XY-Format)</source>
        <translation>write the level in dB (XY-Format)</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>SUBCOMMAND</source>
        <translation>SUBCOMMAND</translation>
    </message>
    <message>
        <source>SUBCOMMANDS</source>
        <translation>SUBCOMMANDS</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Positionals</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>REQUIRED</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Needs</translation>
    </message>
    <message>
        <source>Excludes</source>
        <translation>Excludes</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>INT</translation>
    </message>
    <message>
        <source>UINT</source>
        <translation>UINT</translation>
    </message>
    <message>
        <source>FLOAT</source>
        <translation>FLOAT</translation>
    </message>
    <message>
        <source>POSITIVE</source>
        <translation>POSITIVE</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>Subcommands</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Print this help message and exit</translation>
    </message>
    <message>
        <source>the diagram&apos;s title, e.g. &quot;Frequency Response&quot;</source>
        <translation>the diagram&apos;s title, e.g. &quot;Frequency Response&quot;</translation>
    </message>
    <message>
        <source>a DAT curve; up to four</source>
        <translation>a DAT curve; up to four</translation>
    </message>
    <message>
        <source>WIDTHxHEIGHT in pixels</source>
        <translation>WIDTHxHEIGHT in pixels</translation>
    </message>
    <message>
        <source>write the picture here</source>
        <translation>write the picture here</translation>
    </message>
    <message>
        <source>Without --curve: a summary of the project on standard output.</source>
        <translation>Without --curve: a summary of the project on standard output.</translation>
    </message>
    <message>
        <source>the project (.qvproj)</source>
        <translation>the project (.qvproj)</translation>
    </message>
    <message>
        <source>the curve to write, as &quot;DIAGRAM:SLOT&quot; (&quot;Frequency Response:3&quot;)</source>
        <translation>the curve to write, as &quot;DIAGRAM:SLOT&quot; (&quot;Frequency Response:3&quot;)</translation>
    </message>
    <message>
        <source>write the curve here (XY-Format)</source>
        <translation>write the curve here (XY-Format)</translation>
    </message>
    <message>
        <source>Each point becomes the mean over +-1/(2N) octave around it; a level is averaged as power, a group delay (--delay) as it stands.</source>
        <translation>Each point becomes the mean over +-1/(2N) octave around it; a level is averaged as power, a group delay (--delay) as it stands.</translation>
    </message>
    <message>
        <source>N of 1/N octave: 1, 2, 3, 6, 12, 24 or 48</source>
        <translation>N of 1/N octave: 1, 2, 3, 6, 12, 24 or 48</translation>
    </message>
    <message>
        <source>the curve (any importable file)</source>
        <translation>the curve (any importable file)</translation>
    </message>
    <message>
        <source>write the smoothed curve here (XY-Format)</source>
        <translation>write the smoothed curve here (XY-Format)</translation>
    </message>
    <message>
        <source>the file is a group delay</source>
        <translation>the file is a group delay</translation>
    </message>
    <message>
        <source>DAT files in, XY-Format out; eq: 1799 taps at 48000 Hz, room: 899 taps at 6000 Hz.</source>
        <translation>DAT files in, XY-Format out; eq: 1799 taps at 48000 Hz, room: 899 taps at 6000 Hz.</translation>
    </message>
    <message>
        <source>take the curves, room and filter designs from a project</source>
        <translation>take the curves, room and filter designs from a project</translation>
    </message>
    <message>
        <source>eq (amplitude and delay) or room (eq with --project)</source>
        <translation>eq (amplitude and delay) or room (eq with --project)</translation>
    </message>
    <message>
        <source>the desired level (DAT)</source>
        <translation>the desired level (DAT)</translation>
    </message>
    <message>
        <source>the desired group delay (DAT; default flat 0 ms)</source>
        <translation>the desired group delay (DAT; default flat 0 ms)</translation>
    </message>
    <message>
        <source>the correction curve (DAT)</source>
        <translation>the correction curve (DAT)</translation>
    </message>
    <message>
        <source>sampling frequency in Hz</source>
        <translation>sampling frequency in Hz</translation>
    </message>
    <message>
        <source>room depth in cm (room)</source>
        <translation>room depth in cm (room)</translation>
    </message>
    <message>
        <source>room width in cm (room)</source>
        <translation>room width in cm (room)</translation>
    </message>
    <message>
        <source>write the achieved level here</source>
        <translation>write the achieved level here</translation>
    </message>
    <message>
        <source>write the achieved group delay here</source>
        <translation>write the achieved group delay here</translation>
    </message>
    <message>
        <source>a measured level (any importable file)</source>
        <translation>a measured level (any importable file)</translation>
    </message>
    <message>
        <source>write measured + filter level here</source>
        <translation>write measured + filter level here</translation>
    </message>
    <message>
        <source>a measured group delay (any importable file)</source>
        <translation>a measured group delay (any importable file)</translation>
    </message>
    <message>
        <source>write measured + filter group delay here</source>
        <translation>write measured + filter group delay here</translation>
    </message>
    <message>
        <source>where the filter would clip, lower the target by the named amount first</source>
        <translation>where the filter would clip, lower the target by the named amount first</translation>
    </message>
    <message>
        <source>tilt</source>
        <translation>tilt</translation>
    </message>
    <message>
        <source>house curve</source>
        <translation>house curve</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>flat</translation>
    </message>
    <message>
        <source>text response</source>
        <translation>text response</translation>
    </message>
    <message>
        <source>audio impulse</source>
        <translation>audio impulse</translation>
    </message>
    <message>
        <source>text impulse</source>
        <translation>text impulse</translation>
    </message>
    <message>
        <source>%1: no curve; design %2 taps at %3 Hz</source>
        <translation>%1: no curve; design %2 taps at %3 Hz</translation>
    </message>
    <message>
        <source>%1: %2, %3 points; design %4 taps at %5 Hz</source>
        <translation>%1: %2, %3 points; design %4 taps at %5 Hz</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Title: %1</translation>
    </message>
    <message>
        <source>File: %1 (format %2, %3)</source>
        <translation>File: %1 (format %2, %3)</translation>
    </message>
    <message>
        <source>Created: %1, changed: %2</source>
        <translation>Created: %1, changed: %2</translation>
    </message>
    <message>
        <source>Notes: %1</source>
        <translation>Notes: %1</translation>
    </message>
    <message>
        <source>Current diagram: %1</source>
        <translation>Current diagram: %1</translation>
    </message>
    <message>
        <source>Diagrams:</source>
        <translation>Diagrams:</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3 points, marked</source>
        <translation>%1 &quot;%2&quot;: %3 points, marked</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3 points</source>
        <translation>%1 &quot;%2&quot;: %3 points</translation>
    </message>
    <message>
        <source>Filters:</source>
        <translation>Filters:</translation>
    </message>
    <message>
        <source>%1 dB/octave</source>
        <translation>%1 dB/octave</translation>
    </message>
    <message>
        <source>1/%1 octave</source>
        <translation>1/%1 octave</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Settings:</translation>
    </message>
    <message>
        <source>room: depth %1 cm, width %2 cm</source>
        <translation>room: depth %1 cm, width %2 cm</translation>
    </message>
    <message>
        <source>processing: length %1</source>
        <translation>processing: length %1</translation>
    </message>
    <message>
        <source>DSP: Set %1, rate code %2</source>
        <translation>DSP: Set %1, rate code %2</translation>
    </message>
    <message>
        <source>correction: %1 ... %2 Hz, boost %3 dB, cut %4 dB, smoothing %5, target %6</source>
        <translation>correction: %1 ... %2 Hz, boost %3 dB, cut %4 dB, smoothing %5, target %6</translation>
    </message>
    <message>
        <source>0 dB at %1 Hz</source>
        <translation>0 dB at %1 Hz</translation>
    </message>
    <message>
        <source>delay up to %1 ms</source>
        <translation>delay up to %1 ms</translation>
    </message>
    <message>
        <source>Measurements: none</source>
        <translation>Measurements: none</translation>
    </message>
    <message>
        <source>Measurements:</source>
        <translation>Measurements:</translation>
    </message>
    <message>
        <source>average of %1 (%2):</source>
        <translation>average of %1 (%2):</translation>
    </message>
    <message>
        <source>measurement</source>
        <translation>measurement</translation>
    </message>
    <message>
        <source>measured delay</source>
        <translation>measured delay</translation>
    </message>
</context>
<context>
    <name>std</name>
    <message>
        <source>Fehler beim Zugriff auf </source>
        <translation>Error accessing </translation>
    </message>
    <message>
        <source>estimating time left</source>
        <translation>estimating time left</translation>
    </message>
    <message>
        <source> s left</source>
        <translation> s left</translation>
    </message>
    <message>
        <source>sample </source>
        <translation>sample </translation>
    </message>
    <message>
        <source> holds no setup yet</source>
        <translation> holds no setup yet</translation>
    </message>
    <message>
        <source>noch keine Frequenz-Kurve fuer Roomequalizing geladen.</source>
        <translation>no frequency curve loaded for room equalizing yet.</translation>
    </message>
    <message>
        <source>noch keine Kurve fuer Amplitudenequalizing geladen.</source>
        <translation>no curve loaded for amplitude equalizing yet.</translation>
    </message>
    <message>
        <source>noch keine Delay-Kurve fuer Roomqualizing geladen.</source>
        <translation>no delay curve loaded for room equalizing yet.</translation>
    </message>
    <message>
        <source>noch keine Kurve fuer Laufzeitequalizing geladen.</source>
        <translation>no curve loaded for delay equalizing yet.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Not OK  IDP Tele nicht erfolgreich gesendet</source>
        <translation>Not OK  IDP telegram not sent successfully</translation>
    </message>
    <message>
        <source>%1 needs a whole number %2..%3</source>
        <translation>%1 needs a whole number %2..%3</translation>
    </message>
    <message>
        <source>--range needs high or low</source>
        <translation>--range needs high or low</translation>
    </message>
    <message>
        <source>%1  before %2  (box version %3)</source>
        <translation>%1  before %2  (box version %3)</translation>
    </message>
    <message>
        <source>Transfer → &quot;%1&quot;</source>
        <translation>Transfer → &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Undo Last Write</source>
        <translation>Undo Last Write</translation>
    </message>
    <message>
        <source>%1 Telegramme</source>
        <translation>%1 telegrams</translation>
    </message>
    <message>
        <source>Fehler in %1, Zeile %2: %3</source>
        <translation>Error in %1, line %2: %3</translation>
    </message>
    <message>
        <source>Set %1 at %2</source>
        <translation>Set %1 at %2</translation>
    </message>
    <message>
        <source>Verify failed: %1 differs at offset %2 (%3). %4</source>
        <translation>Verify failed: %1 differs at offset %2 (%3). %4</translation>
    </message>
    <message>
        <source>Verify failed: %1 differs at offset %2 (%3)</source>
        <translation>Verify failed: %1 differs at offset %2 (%3)</translation>
    </message>
    <message>
        <source>%1 written to %2, verified</source>
        <translation>%1 written to %2, verified</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>%1 written to %2</translation>
    </message>
    <message>
        <source>Cancelled: %1 is incomplete until the next &quot;%2&quot;</source>
        <translation>Cancelled: %1 is incomplete until the next &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Verify failed: no answer from %1 while reading back</source>
        <translation>Verify failed: no answer from %1 while reading back</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>%1 is required</translation>
    </message>
    <message>
        <source>%1 excludes %2</source>
        <translation>%1 excludes %2</translation>
    </message>
    <message>
        <source>%1 requires %2</source>
        <translation>%1 requires %2</translation>
    </message>
    <message>
        <source>A subcommand is required</source>
        <translation>A subcommand is required</translation>
    </message>
    <message>
        <source>Not expected: %1</source>
        <translation>Not expected: %1</translation>
    </message>
    <message>
        <source>%1: %2 is not in the range %3 to %4</source>
        <translation>%1: %2 is not in the range %3 to %4</translation>
    </message>
    <message>
        <source>%1: %2 is not one of %3</source>
        <translation>%1: %2 is not one of %3</translation>
    </message>
    <message>
        <source>%1: %2 is not a value it takes</source>
        <translation>%1: %2 is not a value it takes</translation>
    </message>
    <message>
        <source>%1: the value is missing</source>
        <translation>%1: the value is missing</translation>
    </message>
    <message>
        <source>%1 row</source>
        <translation>%1 row</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 rows</translation>
    </message>
    <message>
        <source>Group delay: %1 points, from the %2; late reads &lt; 0 ms.</source>
        <translation>Group delay: %1 points, from the %2; late reads &lt; 0 ms.</translation>
    </message>
    <message>
        <source>Group delay: %1 points, from the impulse; late reads &lt; 0 ms.</source>
        <translation>Group delay: %1 points, from the impulse; late reads &lt; 0 ms.</translation>
    </message>
    <message>
        <source>Group delay: %1 points, from the group delay column; late reads &lt; 0 ms.</source>
        <translation>Group delay: %1 points, from the group delay column; late reads &lt; 0 ms.</translation>
    </message>
    <message>
        <source>Group delay: %1 points, from the phase column (degrees); late reads &lt; 0 ms.</source>
        <translation>Group delay: %1 points, from the phase column (degrees); late reads &lt; 0 ms.</translation>
    </message>
    <message>
        <source>Group delay: %1 points, from the phase column (radians); late reads &lt; 0 ms.</source>
        <translation>Group delay: %1 points, from the phase column (radians); late reads &lt; 0 ms.</translation>
    </message>
    <message>
        <source>Level: none.</source>
        <translation>Level: none.</translation>
    </message>
    <message>
        <source>Level: %1 points, %2 to %3.</source>
        <translation>Level: %1 points, %2 to %3.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Cannot open %1: %2.</translation>
    </message>
    <message>
        <source>Reading %1 failed.</source>
        <translation>Reading %1 failed.</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>columns %1</translation>
    </message>
    <message>
        <source>%1 (columns %2)</source>
        <translation>%1 (columns %2)</translation>
    </message>
    <message>
        <source>(%1 faulty lines in %2)</source>
        <translation>(%1 faulty lines in %2)</translation>
    </message>
    <message>
        <source>%1 is the name of a DSP program file: the box&apos;s program is read from it. Save the curve under this name?</source>
        <translation>%1 is the name of a DSP program file: the box&apos;s program is read from it. Save the curve under this name?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>Lower by %1 dB and Execute</source>
        <translation>Lower by %1 dB and Execute</translation>
    </message>
    <message>
        <source>The filter clips in the DSP: its largest coefficient is %1 (the DSP holds at most 1). Lower the target by %2 dB.</source>
        <translation>The filter clips in the DSP: its largest coefficient is %1 (the DSP holds at most 1). Lower the target by %2 dB.</translation>
    </message>
    <message>
        <source>predicted: %1 dB RMS deviation from %2 to %3 Hz</source>
        <translation>predicted: %1 dB RMS deviation from %2 to %3 Hz</translation>
    </message>
    <message>
        <source>%1 taps at %2 Hz, latency %3 samples (%4 ms), peak coefficient %5 at sample %6</source>
        <translation>%1 taps at %2 Hz, latency %3 samples (%4 ms), peak coefficient %5 at sample %6</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a list</source>
        <translation>%1 is not a list</translation>
    </message>
    <message>
        <source>%1 is not a text</source>
        <translation>%1 is not a text</translation>
    </message>
    <message>
        <source>Fehler beim Zugriff auf %1 !</source>
        <translation>Error accessing %1!</translation>
    </message>
    <message>
        <source>%1 s left</source>
        <translation>%1 s left</translation>
    </message>
    <message>
        <source>Filter &quot;%1&quot;: %2, linear phase, unit gain (not normalised).</source>
        <translation>Filter &quot;%1&quot;: %2, linear phase, unit gain (not normalised).</translation>
    </message>
    <message>
        <source>Filter &quot;%1&quot;: %2, minimum phase, unit gain (not normalised).</source>
        <translation>Filter &quot;%1&quot;: %2, minimum phase, unit gain (not normalised).</translation>
    </message>
    <message>
        <source>One file per sample rate; a convolver must use the file of its own rate.</source>
        <translation>One file per sample rate; a convolver must use the file of its own rate.</translation>
    </message>
    <message>
        <source>The latency is the delay every frequency gets besides the delay target; delay other channels by as much to keep them aligned.</source>
        <translation>The latency is the delay every frequency gets besides the delay target; delay other channels by as much to keep them aligned.</translation>
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
        <translation>usage: quorvane [--com1 DEVICE] ... [--com4 DEVICE] [--virtual-dsp [--erased]]
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
</translation>
    </message>
    <message>
        <source>Set %1 holds no setup yet</source>
        <translation>Set %1 holds no setup yet</translation>
    </message>
    <message>
        <source>Device or resource busy: another program holds the port. Close it and try again.</source>
        <translation>Device or resource busy: another program holds the port. Close it and try again.</translation>
    </message>
    <message>
        <source>No such file or directory: the port does not exist. Is the adapter plugged in?</source>
        <translation>No such file or directory: the port does not exist. Is the adapter plugged in?</translation>
    </message>
    <message>
        <source>Permission denied: you may not use the port. Add your user to the group dialout (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>Permission denied: you may not use the port. Add your user to the group dialout (sudo usermod -aG dialout $USER) and log in again.</translation>
    </message>
</context>
</TS>
