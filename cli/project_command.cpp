// quorvane-cli project: what a project file holds, and one of its curves as
// an XY-Format file.

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_user_interface.h"
#include "curves/curve_files.h"
#include "curves/tr.h"
#include "project/project_file.h"

namespace qv::cli {
namespace {

struct ProjectOptions {
    std::string file, curve, out;
};

const char* ShapeText(TargetShape s) {
    switch (s) {
        case TargetShape::Tilt:
            return "tilt";
        case TargetShape::House:
            return "house curve";
        case TargetShape::Flat:
            break;
    }
    return "flat";
}

std::string Number(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

void PrintFilter(const char* variant, const Workspace& ws, const FilterDesign& d, DiagramId id) {
    const PointList& h = ws.Curve(id, CurveRole::Impulse).points;
    std::cout << "  " << variant << ": ";
    if (h.empty())
        std::cout << "none";
    else
        std::cout << CurveRef(id, SlotOf(CurveRole::Impulse)) << ", " << h.size() << " points";
    std::cout << "; design " << d.taps << " taps at " << Number(d.sampleRate) << " Hz\n";
}

void PrintSummary(const std::string& file, const LoadedProject& p) {
    const Workspace& ws = p.ws;
    std::cout << "Title: " << ws.Title << "\n"
              << "File: " << file << " (format " << p.version << ", " << p.program << ")\n"
              << "Created: " << ws.Created << ", changed: " << p.changed << "\n";
    if (!ws.Notes.empty()) std::cout << "Notes: " << ws.Notes << "\n";
    std::cout << "Current diagram: " << ws[ws.CurrentDiagram].title << "\n"
              << "Diagrams:\n";
    for (const Diagram& d : ws.diagrams.diagrams) {
        std::cout << "  " << d.title << "\n";
        for (int k = 1; k <= 4; ++k) {
            const CurveSlot& s = d.Slot(k);
            if (s.points.empty()) continue;
            std::cout << "    " << k << " \"" << s.name << "\": " << s.points.size() << " points"
                      << (s.marked ? ", marked" : "") << "\n";
        }
    }
    std::cout << "Filters:\n";
    PrintFilter("eq", ws, ws.EqDesign, ImpulseResponseDiagram);
    PrintFilter("room", ws, ws.RoomDesign, FilterRoomDiagram);
    const TargetSettings& c = ws.Correction;
    std::cout << "Settings:\n"
              << "  room: depth " << ws.RoomDepth << " cm, width " << ws.RoomWidth << " cm\n"
              << "  processing: length " << ws.ProcessingLength << "\n"
              << "  DSP: Set " << ws.ChosenSet + 1 << ", rate code " << int{ws.ChosenRate} << "\n"
              << "  correction: " << Number(c.from) << " ... " << Number(c.to) << " Hz, boost "
              << Number(c.maxBoost) << " dB, cut " << Number(c.maxCut) << " dB, smoothing "
              << (c.smoothing ? "1/" + std::to_string(c.smoothing) + " octave" : "none")
              << ", target " << ShapeText(c.shape);
    if (c.shape == TargetShape::Tilt) std::cout << " " << Number(c.tilt) << " dB/octave";
    if (c.reference) std::cout << ", 0 dB at " << Number(*c.reference) << " Hz";
    if (c.delayCorrection) std::cout << ", delay up to " << Number(c.maxDelay) << " ms";
    std::cout << "\n";
    std::cout << "Measurements:" << (ws.Measurements.empty() ? " none" : "") << "\n";
    for (const MeasurementSource& m : ws.Measurements) {
        if (m.averageMethod.empty()) {
            std::cout << "  " << m.path << " (" << m.kind << ", sha256 " << m.sha256.substr(0, 12)
                      << "...) ->";
        } else {
            std::cout << "  average of " << m.inputs.size() << " (" << m.averageMethod << "):";
            for (const MeasurementSource& in : m.inputs)
                std::cout << "\n    " << in.path << " (" << in.kind << ", sha256 "
                          << in.sha256.substr(0, 12) << "...)";
            std::cout << "\n    ->";
        }
        for (const std::string& curve : m.curves) std::cout << " " << curve;
        std::cout << "\n";
    }
}

int Run(const ProjectOptions& o) {
    const LoadedProject p = ReadProject(o.file);
    for (const std::string& note : p.notes) std::cerr << Tr(note) << "\n";
    if (o.curve.empty()) {
        PrintSummary(o.file, p);
        return kExitOk;
    }
    const auto at = ParseCurveRef(o.curve);
    if (!at)
        throw UsageError(
            Fill(QV_TR("--curve \"%1\" is not \"DIAGRAM:SLOT\" (slot 1 ... 4)"), {o.curve}));
    const PointList& points = p.ws[at->first].Slot(at->second).points;
    if (points.empty()) {
        std::cerr << Tr(Fill(QV_TR("%1: %2 is empty; nothing written."), {o.file, o.curve}))
                  << "\n";
        return kExitRefused;
    }
    CliUserInterface ui;
    if (!CheckFileWritable(o.out, ui)) return kExitRefused;
    WriteXYFile(o.out, points, ui);
    return kExitOk;
}

CommandRun Setup(CLI::App& cmd) {
    auto o = std::make_shared<ProjectOptions>();
    cmd.footer("Without --curve: a summary of the project on standard output.");
    cmd.add_option("file", o->file, "the project (.qvproj)")->required();
    auto* curve = cmd.add_option(
        "--curve", o->curve, "the curve to write, as \"DIAGRAM:SLOT\" (\"Frequency Response:3\")");
    cmd.add_option("--out", o->out, "write the curve here (XY-Format)")->needs(curve);
    curve->needs(cmd.get_option("--out"));
    return [o] { return Run(*o); };
}

const RegisterCommand kRegistration({"project",
                                     QV_TR("what a project file holds; one curve as a file"),
                                     Setup});

}  // namespace
}  // namespace qv::cli
