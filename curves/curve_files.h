#pragma once
// DAT and IMP curve files in, "XY-Format", " Y- Format" and " YI-Format" out.

#include <string>

#include "curves/diagram.h"
#include "curves/point_list.h"
#include "curves/user_interface.h"

namespace qv {

constexpr std::size_t kLineChars = 50;
constexpr int kMaxXYPoints = 4000;
constexpr int kMaxImpSamples = 4096;
// A file full of faulty lines (a binary file, say) must not bury the user
// in message boxes: after this many faulty lines one summary is shown.
constexpr int kMaxLineMessages = 10;

bool CheckFileReadable(const std::string& name, UserInterface& ui);
// Creates the file or empties it.
bool CheckFileWritable(const std::string& name, UserInterface& ui);

// Throw FileError when the file fails while being read.
PointList ReadXYFile(const std::string& name, UserInterface& ui);
PointList ReadImpFile(const std::string& name);

// The number forms of the writers.
std::string FormatExponent(double v);  // " 2.00000000000000E+0001"
std::string FormatFixed(double v);     // "0.50000000000000"

void WriteXYFile(const std::string& name, const PointList& list, UserInterface& ui);
void WriteYFile(const std::string& name, const PointList& list, UserInterface& ui);
void WriteYIFile(const std::string& name, const PointList& list, UserInterface& ui);

// Reads a DAT file into slot 1 when it gives any point.
void LoadCurveIntoDiagram(Diagram& diagram, const std::string& name, UserInterface& ui);

}  // namespace qv
