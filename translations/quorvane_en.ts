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
        <translation>Error accessing </translation>
    </message>
    <message>
        <source>Fehler beim Speichern</source>
        <translation>Error while saving</translation>
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
    <name>qv::LineReader</name>
    <message>
        <source>Fehler beim Zugriff auf </source>
        <translation>Error accessing </translation>
    </message>
    <message>
        <source>Lesefehler in </source>
        <translation>Read error in </translation>
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
</context>
</TS>
