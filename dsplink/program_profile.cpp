#include "dsplink/program_profile.h"

namespace qv {

DspProgramProfile DeriveProfile(int range, double fs, const DspProgramProfile& before) {
    DspProgramProfile p = before;
    p.eqTapCount = 1799;
    p.roomTapCount = 899;
    if (range == 1) {
        p.programFile = "quorvane.dat";
        p.eqSampleRate = 48000.0;
        p.roomSampleRate = fs / 8;
        p.eqCoefOffset = 3396;
        p.roomCoefOffset = 15620;
        p.roomDelayAddress = 2148;
        p.roomLatencyOffset = 0.01302;
        p.roomLatencyTotal = 0.0875;
    } else if (range == 2) {
        p.programFile = "inout.ldr";
        p.eqSampleRate = fs / 8;
        p.roomSampleRate = fs / 8;
        p.eqCoefOffset = 3844;
        p.roomCoefOffset = 11352;
        p.roomDelayAddress = 2148;
        p.converterDelay = 0.007259;
        p.roomLatencyOffset = 0.01302;
        p.roomLatencyTotal = 0.0;
    } else {
        p.programFile = "high.ldr";
        p.eqSampleRate = 48000.0;
        p.eqCoefOffset = 0;
        p.roomLatencyOffset = 0.0;
    }
    return p;
}

}  // namespace qv
