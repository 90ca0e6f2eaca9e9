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
    <message>
        <source>Sample rate</source>
        <translation>Sample rate</translation>
    </message>
    <message>
        <source>Gate</source>
        <translation>Gate</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
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
</context>
</TS>
