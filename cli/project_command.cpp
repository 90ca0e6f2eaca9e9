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
            return QV_TR("tilt");
        case TargetShape::House:
            return QV_TR("house curve");
        case TargetShape::Flat:
            break;
    }
    return QV_TR("flat");
}

// The kinds a measurement source is stored with, translated where shown.
[[maybe_unused]] constexpr const char* kSourceKinds[] = {
    QV_TR("text response"), QV_TR("audio impulse"), QV_TR("text impulse")};

std::string Number(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

std::string Count(std::size_t n) {
    return std::to_string(n);
}

void PrintFilter(const char* variant, const Workspace& ws, const FilterDesign& d, DiagramId id) {
    const PointList& h = ws.Curve(id, CurveRole::Impulse).points;
    const std::string taps = std::to_string(d.taps), rate = Number(d.sampleRate);
    std::cout << "  "
              << (h.empty() ? Tr(Fill(QV_TR("%1: no curve; design %2 taps at %3 Hz"),
                                      {variant, taps, rate}))
                            : Tr(Fill(QV_TR("%1: %2, %3 points; design %4 taps at %5 Hz"),
                                      {variant, CurveRef(id, SlotOf(CurveRole::Impulse)),
                                       Count(h.size()), taps, rate})))
              << "\n";
}

void PrintSummary(const std::string& file, const LoadedProject& p) {
    const Workspace& ws = p.ws;
    std::cout << Tr(Fill(QV_TR("Title: %1"), {ws.Title})) << "\n"
              << Tr(Fill(QV_TR("File: %1 (format %2, %3)"),
                         {file, std::to_string(p.version), p.program}))
              << "\n"
              << Tr(Fill(QV_TR("Created: %1, changed: %2"), {ws.Created, p.changed})) << "\n";
    if (!ws.Notes.empty()) std::cout << Tr(Fill(QV_TR("Notes: %1"), {ws.Notes})) << "\n";
    std::cout << Tr(Fill(QV_TR("Current diagram: %1"), {Tr(ws[ws.CurrentDiagram].title)})) << "\n"
              << Tr(QV_TR("Diagrams:")) << "\n";
    for (const Diagram& d : ws.diagrams.diagrams) {
        std::cout << "  " << Tr(d.title) << "\n";
        for (int k = 1; k <= 4; ++k) {
            const CurveSlot& s = d.Slot(k);
            if (s.points.empty()) continue;
            const std::string count = Count(s.points.size());
            std::cout << "    "
                      << (s.marked ? Tr(Fill(QV_TR("%1 \"%2\": %3 points, marked"),
                                             {std::to_string(k), s.name, count}))
                                   : Tr(Fill(QV_TR("%1 \"%2\": %3 points"),
                                             {std::to_string(k), s.name, count})))
                      << "\n";
        }
    }
    std::cout << Tr(QV_TR("Filters:")) << "\n";
    PrintFilter("eq", ws, ws.EqDesign, ImpulseResponseDiagram);
    PrintFilter("room", ws, ws.RoomDesign, FilterRoomDiagram);
    const TargetSettings& c = ws.Correction;
    std::string target = Tr(ShapeText(c.shape));
    if (c.shape == TargetShape::Tilt)
        target += " " + Tr(Fill(QV_TR("%1 dB/octave"), {Number(c.tilt)}));
    const std::string smoothing =
        c.smoothing ? Tr(Fill(QV_TR("1/%1 octave"), {std::to_string(c.smoothing)}))
                    : Tr(QV_TR("none"));
    std::cout << Tr(QV_TR("Settings:")) << "\n  "
              << Tr(Fill(QV_TR("room: depth %1 cm, width %2 cm"),
                         {std::to_string(ws.RoomDepth), std::to_string(ws.RoomWidth)}))
              << "\n  "
              << Tr(Fill(QV_TR("processing: length %1"), {std::to_string(ws.ProcessingLength)}))
              << "\n  "
              << Tr(Fill(QV_TR("DSP: Set %1, rate code %2"),
                         {std::to_string(ws.ChosenSet + 1), std::to_string(int{ws.ChosenRate})}))
              << "\n  "
              << Tr(Fill(QV_TR("correction: %1 ... %2 Hz, boost %3 dB, cut %4 dB, smoothing %5, "
                               "target %6"),
                         {Number(c.from), Number(c.to), Number(c.maxBoost), Number(c.maxCut),
                          smoothing, target}));
    if (c.reference) std::cout << ", " << Tr(Fill(QV_TR("0 dB at %1 Hz"), {Number(*c.reference)}));
    if (c.delayCorrection)
        std::cout << ", " << Tr(Fill(QV_TR("delay up to %1 ms"), {Number(c.maxDelay)}));
    std::cout << "\n";
    std::cout << (ws.Measurements.empty() ? Tr(QV_TR("Measurements: none"))
                                          : Tr(QV_TR("Measurements:")))
              << "\n";
    for (const MeasurementSource& m : ws.Measurements) {
        if (m.averageMethod.empty()) {
            std::cout << "  " << m.path << " (" << Tr(m.kind) << ", sha256 "
                      << m.sha256.substr(0, 12) << "...) ->";
        } else {
            std::cout << "  "
                      << Tr(Fill(QV_TR("average of %1 (%2):"),
                                 {Count(m.inputs.size()), m.averageMethod}));
            for (const MeasurementSource& in : m.inputs)
                std::cout << "\n    " << in.path << " (" << Tr(in.kind) << ", sha256 "
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
    cmd.footer(Tr(QV_TR("Without --curve: a summary of the project on standard output.")));
    cmd.add_option("file", o->file, Tr(QV_TR("the project (.qvproj)")))->required();
    auto* curve = cmd.add_option(
        "--curve", o->curve,
        Tr(QV_TR("the curve to write, as \"DIAGRAM:SLOT\" (\"Frequency Response:3\")")));
    cmd.add_option("--out", o->out, Tr(QV_TR("write the curve here (XY-Format)")))->needs(curve);
    curve->needs(cmd.get_option("--out"));
    return [o] { return Run(*o); };
}

const RegisterCommand kRegistration({"project",
                                     QV_TR("what a project file holds; one curve as a file"),
                                     Setup});

}  // namespace
}  // namespace qv::cli
