#pragma once
// DSP program files ("quorvane.dat", "inout.ldr", "high.ldr"): one byte per
// line written as 0x and two hex digits, loaded into the program area of the
// image and written to the chosen slot.

#include <string>

#include "curves/user_interface.h"
#include "dsplink/dsp_session.h"

namespace qv {

// Loads the file into the image and sets ImageLength. A missing file shows
// the access message; a file longer than the program area or with a line
// that is not a program byte is refused naming the file and the line. On
// refusal the image is unchanged.
bool LoadProgramFile(DspSession& s, UserInterface& ui, const std::string& name);
// LoadProgramFile, then the image write (keep, erase, write, length,
// select); headline leads the message of a failed transfer.
bool WriteProgram(DspSession& s, UserInterface& ui, const std::string& name,
                  const std::string& headline = {}, WriteOptions options = {});
// WriteProgram with its closing message ("DSP Programm erfolgreich
// geschrieben" or "DSP Programm NICHT erfolgreich geschrieben"), one
// message either way.
bool WriteSoftware(DspSession& s, UserInterface& ui, const std::string& name,
                   WriteOptions options = {});

}  // namespace qv
