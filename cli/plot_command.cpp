// quorvane-cli plot: one diagram of the start-up workspace, with curves from
// DAT files, painted by the editor's own painter into a PNG for a report.

#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/correction_files.h"
#include "cli/cli_command.h"
#include "cli/cli_user_interface.h"
#include "curves/curve_files.h"
#include "curves/tr.h"
#include "diagram/diagram_image.h"
#include "diagram/ranges.h"
#include "project/workspace.h"

namespace qv::cli {
namespace {

constexpr int kMaxSide = 10000;
// The --curve files in their order, drawn in the colours of these roles.
constexpr CurveRole kPlotRoles[] = {CurveRole::Desired, CurveRole::Real, CurveRole::Measured,
                                    CurveRole::Predicted};

bool ParseSize(const std::string& text, int& width, int& height) {
    const auto x = text.find('x');
    if (x == std::string::npos) return false;
    const char* begin = text.data();
    const auto w = std::from_chars(begin, begin + x, width);
    const auto h = std::from_chars(begin + x + 1, begin + text.size(), height);
    return w.ec == std::errc() && w.ptr == begin + x && h.ec == std::errc() &&
           h.ptr == begin + text.size() && width > 0 && height > 0 && width <= kMaxSide &&
           height <= kMaxSide;
}

bool ShowsCorrectionCurve(DiagramId id) {
    return id == FrequencyResponseHighDiagram || id == FrequencyResponseLowDiagram ||
           id == FrequencyRoomDiagram;
}

// The workspace as the editor starts it: the correction curves of the working
// directory when the diagram shows one, then the flat desired curves.
Workspace StartWorkspace(bool withCorrections, UserInterface& ui) {
    Workspace ws;
    CreateDiagramSet(ws);
    if (withCorrections) LoadCorrectionCurves(ws, ui);
    CreateDesiredCurve(ws, DelayRoomDiagram, 20);
    ws.Curve(FrequencyRoomDiagram, CurveRole::Desired).marked = 1;
    ws.Curve(FrequencyRoomDiagram, CurveRole::Desired).name = "desired";
    CreateDesiredCurve(ws, GroupDelayDiagram, 20);
    CreateDesiredCurve(ws, FrequencyResponseDiagram, 20);
    return ws;
}

struct PlotOptions {
    std::string title, png, size = "835x368";
    std::vector<std::string> curves;
};

int Run(const PlotOptions& o) {
    int width = 0, height = 0;
    if (!ParseSize(o.size, width, height)) throw UsageError(Fill(QV_TR("bad size '%1'"), {o.size}));
    const std::string& title = o.title;
    const std::vector<std::string>& curves = o.curves;
    const std::string& png = o.png;
    CliUserInterface ui;
    const auto id = MakeDiagramSet().FindByTitle(title);
    if (!id) {
        std::cerr << Tr(Fill(QV_TR("plot: no diagram titled '%1'; the titles are:"), {title}))
                  << "\n";
        for (const Diagram& d : MakeDiagramSet().diagrams) std::cerr << "  " << d.title << "\n";
        return kExitRefused;
    }
    Workspace ws = StartWorkspace(curves.empty() && ShowsCorrectionCurve(*id), ui);
    ws.CurrentDiagram = *id;
    Diagram& d = ws.Current();
    if (!curves.empty()) {
        ClearSlots(d);
        for (std::size_t k = 0; k < curves.size(); ++k) {
            PointList list = ReadXYFile(curves[k], ui);
            if (list.empty()) {
                std::cerr << Tr(Fill(QV_TR("plot: no points in %1"), {curves[k]})) << "\n";
                return kExitRefused;
            }
            SetCurve(ws, *id, kPlotRoles[k], std::filesystem::path(curves[k]).filename().string(),
                     std::move(list));
        }
        AutoRange(d);
    }

    // No display is needed: the offscreen platform paints into memory.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "quorvane-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    const QImage image = RenderDiagramImage(d, width, height);
    if (!image.save(QString::fromStdString(png), "PNG")) {
        std::cerr << Tr(Fill(QV_TR("plot: cannot write %1"), {png})) << "\n";
        return kExitRefused;
    }
    return kExitOk;
}

CommandRun Setup(CLI::App& cmd) {
    auto o = std::make_shared<PlotOptions>();
    cmd.add_option("--diagram", o->title,
                   Tr(QV_TR("the diagram's title, e.g. \"Frequency Response\"")))
        ->required();
    cmd.add_option("--curve", o->curves, Tr(QV_TR("a DAT curve; up to four")))
        ->expected(1)
        ->take_all();
    cmd.add_option("--size", o->size, Tr(QV_TR("WIDTHxHEIGHT in pixels")))->capture_default_str();
    cmd.add_option("--png", o->png, Tr(QV_TR("write the picture here")))->required();
    return [o] {
        if (o->curves.size() > std::size(kPlotRoles))
            throw UsageError(QV_TR("at most four curves"));
        return Run(*o);
    };
}

const RegisterCommand kRegister{
    {"plot", QV_TR("paint one of the eleven diagrams with up to four DAT curves into a PNG"),
     Setup}};

}  // namespace
}  // namespace qv::cli
