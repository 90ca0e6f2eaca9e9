// quorvane-cli plot: one diagram of the start-up workspace, with curves from
// DAT files, painted by the editor's own painter into a PNG for a report.

#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_user_interface.h"
#include "curves/curve_files.h"
#include "curves/workspace.h"
#include "diagram/diagram_image.h"
#include "diagram/ranges.h"
#include "dsp_math/correction_files.h"

namespace qv::cli {
namespace {

constexpr const char* kUsage =
    "  quorvane-cli plot --diagram TITLE [--curve FILE]... [--size 835x368] --png OUT\n"
    "      paint one of the eleven diagrams (by title) with up to four DAT curves";
constexpr int kMaxSide = 10000;

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

int Usage(const std::string& why) {
    std::cerr << "plot: " << why << "\nusage:\n" << kUsage << "\n";
    return kExitUsage;
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
    ws[FrequencyRoomDiagram].Slot(1).marked = 1;
    ws[FrequencyRoomDiagram].Slot(1).name = "desired";
    CreateDesiredCurve(ws, GroupDelayDiagram, 20);
    CreateDesiredCurve(ws, FrequencyResponseDiagram, 20);
    return ws;
}

int RunPlot(const std::vector<std::string>& args) {
    std::string title, png;
    std::vector<std::string> curves;
    int width = 835, height = 368;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (i + 1 >= args.size()) return Usage("missing value after " + a);
        const std::string& value = args[++i];
        if (a == "--diagram") {
            title = value;
        } else if (a == "--curve") {
            curves.push_back(value);
        } else if (a == "--png") {
            png = value;
        } else if (a == "--size") {
            if (!ParseSize(value, width, height)) return Usage("bad size '" + value + "'");
        } else {
            return Usage("unknown option " + a);
        }
    }
    if (title.empty()) return Usage("--diagram is required");
    if (png.empty()) return Usage("--png is required");
    if (curves.size() > 4) return Usage("at most four curves");

    CliUserInterface ui;
    const auto id = MakeDiagramSet().FindByTitle(title);
    if (!id) {
        std::cerr << "plot: no diagram titled '" << title << "'; the titles are:\n";
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
                std::cerr << "plot: no points in " << curves[k] << "\n";
                return kExitRefused;
            }
            SetSlot(d, static_cast<int>(k) + 1,
                    std::filesystem::path(curves[k]).filename().string(), std::move(list));
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
        std::cerr << "plot: cannot write " << png << "\n";
        return kExitRefused;
    }
    return kExitOk;
}

const RegisterCommand kRegister{{"plot", kUsage, RunPlot}};

}  // namespace
}  // namespace qv::cli
