#pragma once
// DAT and IMP curve files in, "XY-Format", " Y- Format" and " YI-Format" out.

#include <optional>
#include <string>

#include "curves/diagram.h"
#include "curves/point_list.h"
#include "curves/user_interface.h"

namespace qv {

constexpr std::size_t kLineChars = 50;
constexpr int kMaxXYPoints = 4000;
constexpr int kMaxImpSamples = 4096;

bool CheckFileReadable(const std::string& name, UserInterface& ui);
// Creates the file or empties it.
bool CheckFileWritable(const std::string& name, UserInterface& ui);

// What a DAT file gave: its points, and its faulty lines counted with the
// message of the first one.
struct XYFileContents {
    PointList points;
    int faultyLines = 0;
    std::string firstFault;
};

// Throw FileError when the file fails while being read.
XYFileContents ReadXYFileContents(const std::string& name);
// The points; faulty lines give one message (none without them), so that a
// file full of them (a binary file, say) does not bury the user in boxes.
PointList ReadXYFile(const std::string& name, UserInterface& ui);
// The one message about a file's faulty lines: the first line's message, and
// how many there were when more than one; empty without any.
std::string FaultyLinesMessage(const XYFileContents& c, const std::string& name);
PointList ReadImpFile(const std::string& name);

// The number forms of the writers.
std::string FormatExponent(double v);  // " 2.00000000000000E+0001"
std::string FormatFixed(double v);     // "0.50000000000000"

void WriteXYFile(const std::string& name, const PointList& list, UserInterface& ui);
void WriteYFile(const std::string& name, const PointList& list, UserInterface& ui);
void WriteYIFile(const std::string& name, const PointList& list, UserInterface& ui);

// A load command's read: the points of a DAT (or IMP) file, or, when it
// gives none, nullopt after one message; the caller then changes nothing.
std::optional<PointList> ReadCurveForLoad(const std::string& name, bool impFormat,
                                          UserInterface& ui);

// The extension of a file dialog filter's first pattern: "dat" for
// "XY-Werte (*.dat)|*.dat"; empty when it has none.
std::string FilterExtension(const std::string& filter);
// The name with the filter's extension when it has no extension of its own.
std::string WithFilterExtension(const std::string& name, const std::string& filter);
// "quorvane.dat", "inout.ldr" and "high.ldr" hold the box's programs.
bool IsDspProgramFile(const std::string& name);
// What to ask before saving under the name: the DSP program file warning,
// the overwrite question, or nothing.
std::string SaveQuestion(const std::string& name);

}  // namespace qv
