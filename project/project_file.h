#pragma once
// The project file: the whole document (every diagram's curves and ranges,
// the room, the processing values, the correction target, where each
// measurement came from and the filters' designs) as one JSON text with the
// extension ".qvproj". docs/project-file.md describes it field by field.
// Reading builds a new document and checks every field before the caller
// takes it: a bad file changes nothing.

#include <stdexcept>
#include <string>
#include <vector>

#include "project/workspace.h"

namespace qv {

inline constexpr const char* kProjectFormat = "quorvane-project";
inline constexpr int kProjectVersion = 1;
inline constexpr const char* kProjectExtension = ".qvproj";
inline constexpr const char* kProgramName = "Quorvane DSP Editor 3.042";

// A file that is no project, is damaged or comes from a newer program; the
// text names the file and the field.
class ProjectError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct LoadedProject {
    Workspace ws;
    int version = 0;
    std::string program;  // the program that wrote it
    std::string changed;  // when it was last saved
    // What the caller should tell: a measurement's source that is gone or no
    // longer the same file (the stored points are kept).
    std::vector<std::string> notes;
};

// The document as JSON text. Measurement paths are written relative to
// projectDir where they can be; changedTime goes into "changed".
std::string ProjectText(const Workspace& ws, const std::string& projectDir,
                        const std::string& changedTime);
// Parses and checks a project's text; projectDir resolves relative paths.
// Throws ProjectError with the field that is wrong.
LoadedProject ParseProject(const std::string& text, const std::string& projectDir);
// Reads a project file; the error text starts with the file name.
LoadedProject ReadProject(const std::string& path);
// Gives ws a creation time if it has none, then writes the project
// atomically. Throws std::runtime_error when the file cannot be written.
void SaveProject(Workspace& ws, const std::string& path);

// Writes beside the file, then renames over it: a failed write leaves the
// old file whole. Throws std::runtime_error with the system's reason.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// Moves the document part of `from` into `into`; the window's values (view
// size, serial port) stay.
void TakeDocument(Workspace& into, Workspace&& from);
// Whether two documents would give the same project file (times aside).
bool SameDocument(const Workspace& a, const Workspace& b);

// Now as "YYYY-MM-DDTHH:MM:SSZ".
std::string NowIso8601();
// "DIAGRAM:SLOT" of a diagram's slot, and back (nullopt if it names none).
std::string CurveRef(DiagramId id, int slot);
std::optional<std::pair<DiagramId, int>> ParseCurveRef(const std::string& ref);

}  // namespace qv
