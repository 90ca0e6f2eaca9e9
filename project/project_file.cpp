#include "project/project_file.h"

#include "curves/tr.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <system_error>

#include "project/sha256.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

const DiagramSet& Defaults() {
    static const DiagramSet set = MakeDiagramSet();
    return set;
}

const char* ShapeName(TargetShape s) {
    switch (s) {
        case TargetShape::Tilt:
            return "tilt";
        case TargetShape::House:
            return "house";
        case TargetShape::Flat:
            break;
    }
    return "flat";
}

Json Points(const PointList& list) {
    Json a = Json::array();
    for (const CurvePoint& p : list) a.push_back(Json::array({p.x, p.y}));
    return a;
}

Json Range(double xFrom, double xTo, double yFrom, double yTo) {
    return Json{{"xFrom", xFrom}, {"xTo", xTo}, {"yFrom", yFrom}, {"yTo", yTo}};
}

template <typename T>
Json Optional(const std::optional<T>& v) {
    return v ? Json(*v) : Json(nullptr);
}

std::string StoredPath(const std::string& path, const std::string& projectDir) {
    if (projectDir.empty() || path.empty()) return path;
    const fs::path p(path);
    if (!p.is_absolute()) return path;
    const fs::path rel = p.lexically_relative(fs::path(projectDir));
    return rel.empty() ? path : rel.generic_string();
}

// Where a measurement file was and how it was read.
Json SourceEntry(const MeasurementSource& m, const std::string& projectDir) {
    Json gate = nullptr;
    if (m.gateFrom && m.gateTo) gate = Json{{"from", *m.gateFrom}, {"to", *m.gateTo}};
    return Json{{"path", StoredPath(m.path, projectDir)},
                {"sha256", m.sha256},
                {"kind", m.kind},
                {"options",
                 {{"columnPair", m.columnPair},
                  {"channel", m.channel},
                  {"sampleRate", Optional(m.sampleRate)},
                  {"gate", gate},
                  {"fdwCycles", Optional(m.fdwCycles)}}}};
}

Json FilterEntry(const Workspace& ws, const FilterDesign& d, DiagramId id) {
    const PointList& h = ws[id].Slot(1).points;
    return Json{{"taps", d.taps},
                {"sampleRate", d.sampleRate},
                {"curve", h.empty() ? Json(nullptr) : Json(CurveRef(id, 1))},
                {"points", h.size()}};
}

// Objects and arrays of objects one member a line; numbers and point lists
// on one line each, so that a curve stays one line.
void Pretty(const Json& j, int indent, std::string& out) {
    const std::string pad(static_cast<std::size_t>(indent + 2), ' ');
    if (j.is_object() && !j.empty()) {
        out += "{\n";
        std::size_t n = 0;
        for (const auto& [key, value] : j.items()) {
            out += pad + Json(key).dump() + ": ";
            Pretty(value, indent + 2, out);
            out += ++n < j.size() ? ",\n" : "\n";
        }
        out += std::string(static_cast<std::size_t>(indent), ' ') + "}";
    } else if (j.is_array() && !j.empty() && j.front().is_object()) {
        out += "[\n";
        for (std::size_t i = 0; i < j.size(); ++i) {
            out += pad;
            Pretty(j[i], indent + 2, out);
            out += i + 1 < j.size() ? ",\n" : "\n";
        }
        out += std::string(static_cast<std::size_t>(indent), ' ') + "]";
    } else {
        out += j.dump();
    }
}

// One value of the file with the way to it, for messages that name it.
class Field {
  public:
    Field(const Json& j, std::string path) : j_(j), path_(std::move(path)) {}

    // pattern: a marked sentence with the field's path as %1 and values as %2 …
    [[noreturn]] void Fail(const char* pattern, const std::string& a = {},
                           const std::string& b = {}, const std::string& c = {}) const {
        throw ProjectError(Fill(pattern, {path_, a, b, c}));
    }
    const std::string& path() const { return path_; }
    const Json& json() const { return j_; }
    bool IsNull() const { return j_.is_null(); }

    Field operator[](const char* key) const {
        if (!j_.is_object()) Fail(QV_TR("%1 is not an object"));
        auto it = j_.find(key);
        if (it == j_.end()) throw ProjectError(Fill(QV_TR("%1 is missing"), {Join(key)}));
        return Field(*it, Join(key));
    }
    Field operator[](std::size_t i) const {
        return Field(j_[i], path_ + "[" + std::to_string(i) + "]");
    }
    std::size_t Size() const {
        if (!j_.is_array()) Fail(QV_TR("%1 is not a list"));
        return j_.size();
    }
    double Number() const {
        if (!j_.is_number()) Fail(QV_TR("%1 is not a number"));
        const double v = j_.get<double>();
        if (!std::isfinite(v)) Fail(QV_TR("%1 is not a finite number"));
        return v;
    }
    double Number(double min) const {
        const double v = Number();
        if (v < min) Fail(QV_TR("%1 is below %2"), Json(min).dump());
        return v;
    }
    long long Integer(long long min, long long max) const {
        if (!j_.is_number_integer()) Fail(QV_TR("%1 is not a whole number"));
        const long long v = j_.get<long long>();
        if (v < min || v > max)
            Fail(QV_TR("%1 is %2, not in %3 ... %4"), std::to_string(v), std::to_string(min),
                 std::to_string(max));
        return v;
    }
    std::string Text() const {
        if (!j_.is_string()) Fail(QV_TR("%1 is not a text"));
        return j_.get<std::string>();
    }
    bool Flag() const {
        if (!j_.is_boolean()) Fail(QV_TR("%1 is not true or false"));
        return j_.get<bool>();
    }
    std::optional<double> OptionalNumber() const {
        if (IsNull()) return std::nullopt;
        return Number();
    }
    PointList Points() const {
        PointList list;
        const std::size_t n = Size();
        list.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            const Field p = (*this)[i];
            if (p.Size() != 2) p.Fail(QV_TR("%1 is not a pair [x, y]"));
            list.push_back({p[std::size_t{0}].Number(), p[std::size_t{1}].Number()});
        }
        return list;
    }

  private:
    std::string Join(const char* key) const { return path_.empty() ? key : path_ + "." + key; }
    const Json& j_;
    std::string path_;
};

void ReadRange(const Field& f, double& xFrom, double& xTo, double& yFrom, double& yTo) {
    xFrom = f["xFrom"].Number();
    xTo = f["xTo"].Number();
    yFrom = f["yFrom"].Number();
    yTo = f["yTo"].Number();
}

void ReadDiagrams(const Field& list, Workspace& ws) {
    std::set<DiagramId> seen;
    for (std::size_t i = 0; i < list.Size(); ++i) {
        const Field f = list[i];
        const Field titleField = f["title"];
        const std::string title = titleField.Text();
        const auto id = ws.diagrams.FindByTitle(title);
        if (!id) titleField.Fail(QV_TR("%1 \"%2\" is no diagram of the editor"), title);
        if (!seen.insert(*id).second) titleField.Fail(QV_TR("%1 \"%2\" comes twice"), title);
        Diagram& d = ws[*id];
        ReadRange(f["shown"], d.xFrom, d.xTo, d.yFrom, d.yTo);
        ReadRange(f["standard"], d.stdXFrom, d.stdXTo, d.stdYFrom, d.stdYTo);
        d.xLog = static_cast<std::int32_t>(f["xLog"].Integer(0, 1));
        d.yLog = static_cast<std::int32_t>(f["yLog"].Integer(0, 1));
        const Field slots = f["slots"];
        if (slots.Size() != 4) slots.Fail(QV_TR("%1 must hold the 4 slots"));
        for (std::size_t k = 0; k < 4; ++k) {
            const Field s = slots[k];
            CurveSlot& slot = d.slots[k];
            slot.name = CutName(s["name"].Text());
            slot.marked = static_cast<std::uint8_t>(s["marked"].Integer(0, 1));
            slot.colour = static_cast<std::uint32_t>(s["colour"].Integer(0, 0xFFFFFF));
            slot.points = s["points"].Points();
        }
    }
    for (int k = 0; k < kDiagramCount; ++k)
        if (!seen.contains(static_cast<DiagramId>(k)))
            list.Fail(QV_TR("%1 lacks the diagram \"%2\""),
                      ws.diagrams.diagrams[static_cast<std::size_t>(k)].title);
}

void ReadCorrection(const Field& f, TargetSettings& s) {
    s.from = f["from"].Number(0.0);
    s.to = f["to"].Number(0.0);
    s.maxBoost = f["maxBoost"].Number(0.0);
    s.maxCut = f["maxCut"].Number(0.0);
    s.maxDelay = f["maxDelay"].Number(0.0);
    s.smoothing = static_cast<int>(f["smoothing"].Integer(0, 1000));
    const Field shape = f["shape"];
    const std::string name = shape.Text();
    if (name == "flat")
        s.shape = TargetShape::Flat;
    else if (name == "tilt")
        s.shape = TargetShape::Tilt;
    else if (name == "house")
        s.shape = TargetShape::House;
    else
        shape.Fail(QV_TR("%1 is \"%2\", not \"flat\", \"tilt\" or \"house\""), name);
    s.tilt = f["tilt"].Number();
    s.house = f["house"].Points();
    s.reference = f["reference"].OptionalNumber();
    s.delayCorrection = f["delayCorrection"].Flag();
}

// A file's path, checksum, kind and options; the note when it is no longer
// there or no longer the same.
MeasurementSource ReadSource(const Field& f, const std::string& projectDir, LoadedProject& out) {
    MeasurementSource m;
    const std::string stored = f["path"].Text();
    fs::path p(stored);
    if (p.is_relative() && !projectDir.empty()) p = fs::path(projectDir) / p;
    m.path = p.lexically_normal().string();
    m.sha256 = f["sha256"].Text();
    m.kind = f["kind"].Text();
    const Field o = f["options"];
    m.columnPair = static_cast<int>(o["columnPair"].Integer(0, 10000));
    m.channel = static_cast<int>(o["channel"].Integer(0, 10000));
    m.sampleRate = o["sampleRate"].OptionalNumber();
    const Field gate = o["gate"];
    if (!gate.IsNull()) {
        m.gateFrom = gate["from"].Number();
        m.gateTo = gate["to"].Number();
    }
    // Files written before the window was recorded lack it: no window.
    if (o.json().is_object() && o.json().contains("fdwCycles")) {
        const Field cycles = o["fdwCycles"];
        if (!cycles.IsNull()) m.fdwCycles = cycles.Number(1.0);
    }
    // The stored points are the work; the source is only where they came from.
    std::error_code ec;
    if (!fs::exists(m.path, ec)) {
        out.notes.push_back(Fill(
            QV_TR("The measurement %1 is no longer there; its stored curves are kept."), {stored}));
    } else if (auto sum = FileSha256(m.path); !sum || *sum != m.sha256) {
        out.notes.push_back(Fill(QV_TR("The measurement %1 has changed since it was imported; its "
                                       "stored curves are kept."),
                                 {stored}));
    }
    return m;
}

std::vector<std::string> ReadCurveRefs(const Field& curves) {
    std::vector<std::string> refs;
    for (std::size_t k = 0; k < curves.Size(); ++k) {
        const std::string ref = curves[k].Text();
        if (!ParseCurveRef(ref)) curves[k].Fail(QV_TR("%1 \"%2\" names no curve"), ref);
        refs.push_back(ref);
    }
    return refs;
}

void ReadMeasurements(const Field& list, const std::string& projectDir, LoadedProject& out) {
    for (std::size_t i = 0; i < list.Size(); ++i) {
        const Field f = list[i];
        MeasurementSource m = ReadSource(f, projectDir, out);
        m.curves = ReadCurveRefs(f["curves"]);
        out.ws.Measurements.push_back(std::move(m));
    }
}

void ReadAverages(const Field& list, const std::string& projectDir, LoadedProject& out) {
    for (std::size_t i = 0; i < list.Size(); ++i) {
        const Field f = list[i];
        MeasurementSource m;
        const Field method = f["method"];
        m.averageMethod = method.Text();
        if (m.averageMethod != "power" && m.averageMethod != "dB" && m.averageMethod != "vector")
            method.Fail(QV_TR("%1 is \"%2\", not \"power\", \"dB\" or \"vector\""),
                        m.averageMethod);
        const Field inputs = f["inputs"];
        if (inputs.Size() < 2 || inputs.Size() > 16)
            inputs.Fail(QV_TR("%1 must hold 2 to 16 files"));
        for (std::size_t k = 0; k < inputs.Size(); ++k)
            m.inputs.push_back(ReadSource(inputs[k], projectDir, out));
        m.curves = ReadCurveRefs(f["curves"]);
        out.ws.Measurements.push_back(std::move(m));
    }
}

FilterDesign ReadFilter(const Field& f, const Workspace& ws) {
    FilterDesign d;
    d.taps = static_cast<std::int32_t>(f["taps"].Integer(0, 32767));
    d.sampleRate = f["sampleRate"].Number(0.0);
    const Field curve = f["curve"];
    const auto points = f["points"].Integer(0, 1 << 24);
    if (curve.IsNull()) return d;
    const std::string ref = curve.Text();
    const auto at = ParseCurveRef(ref);
    if (!at) curve.Fail(QV_TR("%1 \"%2\" names no curve"), ref);
    const auto have = ws[at->first].Slot(at->second).points.size();
    if (static_cast<std::size_t>(points) != have)
        f["points"].Fail(QV_TR("%1 says %2 but %3 holds %4"), std::to_string(points), ref,
                         std::to_string(have));
    return d;
}

}  // namespace

std::string CurveRef(DiagramId id, int slot) {
    return Defaults()[id].title + ":" + std::to_string(slot);
}

std::optional<std::pair<DiagramId, int>> ParseCurveRef(const std::string& ref) {
    const auto colon = ref.rfind(':');
    if (colon == std::string::npos || colon + 2 != ref.size()) return std::nullopt;
    const char k = ref[colon + 1];
    if (k < '1' || k > '4') return std::nullopt;
    const auto id = Defaults().FindByTitle(ref.substr(0, colon));
    if (!id) return std::nullopt;
    return std::pair{*id, k - '0'};
}

std::string NowIso8601() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &tm);
    return text;
}

std::string ProjectText(const Workspace& ws, const std::string& projectDir,
                        const std::string& changedTime) {
    Json diagrams = Json::array();
    for (int k = 0; k < kDiagramCount; ++k) {
        const Diagram& d = ws.diagrams.diagrams[static_cast<std::size_t>(k)];
        Json slots = Json::array();
        for (const CurveSlot& s : d.slots)
            slots.push_back(Json{{"name", s.name},
                                 {"marked", s.marked},
                                 {"colour", s.colour},
                                 {"points", Points(s.points)}});
        diagrams.push_back(Json{{"title", d.title},
                                {"shown", Range(d.xFrom, d.xTo, d.yFrom, d.yTo)},
                                {"standard", Range(d.stdXFrom, d.stdXTo, d.stdYFrom, d.stdYTo)},
                                {"xLog", d.xLog},
                                {"yLog", d.yLog},
                                {"slots", slots}});
    }
    const TargetSettings& c = ws.Correction;
    // Averages go in a list of their own, which a program that does not know
    // them passes over.
    Json measurements = Json::array(), averages = Json::array();
    for (const MeasurementSource& m : ws.Measurements) {
        if (m.averageMethod.empty()) {
            Json entry = SourceEntry(m, projectDir);
            entry["curves"] = m.curves;
            measurements.push_back(std::move(entry));
            continue;
        }
        Json inputs = Json::array();
        for (const MeasurementSource& in : m.inputs) inputs.push_back(SourceEntry(in, projectDir));
        averages.push_back(
            Json{{"method", m.averageMethod}, {"inputs", inputs}, {"curves", m.curves}});
    }
    const Json doc{
        {"format", kProjectFormat},
        {"version", kProjectVersion},
        {"program", kProgramName},
        {"created", ws.Created.empty() ? changedTime : ws.Created},
        {"changed", changedTime},
        {"title", ws.Title},
        {"notes", ws.Notes},
        {"currentDiagram", ws[ws.CurrentDiagram].title},
        {"diagrams", diagrams},
        {"room", {{"depth", ws.RoomDepth}, {"width", ws.RoomWidth}}},
        {"processing", {{"length", ws.ProcessingLength}}},
        {"dsp", {{"set", ws.ChosenSet}, {"rate", ws.ChosenRate}}},
        {"correction",
         {{"from", c.from},
          {"to", c.to},
          {"maxBoost", c.maxBoost},
          {"maxCut", c.maxCut},
          {"maxDelay", c.maxDelay},
          {"smoothing", c.smoothing},
          {"shape", ShapeName(c.shape)},
          {"tilt", c.tilt},
          {"house", Points(c.house)},
          {"reference", Optional(c.reference)},
          {"delayCorrection", c.delayCorrection}}},
        {"measurements", measurements},
        {"averages", averages},
        {"filters",
         {{"eq", FilterEntry(ws, ws.EqDesign, ImpulseResponseDiagram)},
          {"room", FilterEntry(ws, ws.RoomDesign, FilterRoomDiagram)}}},
    };
    std::string out;
    Pretty(doc, 0, out);
    out += "\n";
    return out;
}

LoadedProject ParseProject(const std::string& text, const std::string& projectDir) {
    Json j;
    try {
        j = Json::parse(text);
    } catch (const Json::parse_error& e) {
        throw ProjectError(
            e.byte >= text.size()
                ? std::string(QV_TR("the file ends too early (damaged or cut off)"))
                : Fill(QV_TR("is not valid JSON at byte %1"), {std::to_string(e.byte)}));
    } catch (const Json::out_of_range& e) {
        // A number beyond the doubles ("1e999") stands for an infinity.
        const std::string what = e.what();
        throw ProjectError(Fill(QV_TR("holds a number that is not finite (%1)"),
                                {what.substr(what.find("] ") + 2)}));
    }
    const Field root(j, "");
    if (!j.is_object() || !j.contains("format") || !j["format"].is_string() ||
        j["format"].get<std::string>() != kProjectFormat)
        throw ProjectError(
            Fill(QV_TR("is not a Quorvane project (\"format\" is not \"%1\")"), {kProjectFormat}));
    LoadedProject out;
    out.version = static_cast<int>(root["version"].Integer(1, 1000000));
    if (out.version > kProjectVersion)
        throw ProjectError(Fill(QV_TR("was written by a newer program (format version %1; this "
                                      "one reads up to %2)"),
                                {std::to_string(out.version), std::to_string(kProjectVersion)}));
    out.program = root["program"].Text();
    out.changed = root["changed"].Text();
    Workspace& ws = out.ws;
    ws.Created = root["created"].Text();
    ws.Title = root["title"].Text();
    ws.Notes = root["notes"].Text();
    ReadDiagrams(root["diagrams"], ws);
    const Field current = root["currentDiagram"];
    const auto id = ws.diagrams.FindByTitle(current.Text());
    if (!id) current.Fail(QV_TR("%1 names no diagram"));
    ws.CurrentDiagram = *id;
    ws.RoomDepth = static_cast<std::int32_t>(root["room"]["depth"].Integer(1, 1000));
    ws.RoomWidth = static_cast<std::int32_t>(root["room"]["width"].Integer(1, 1000));
    ws.ProcessingLength =
        static_cast<std::int32_t>(root["processing"]["length"].Integer(1, 1 << 20));
    // Files of earlier versions hold "processing.sampleRate", which nothing
    // computes with: it is not read.
    ws.ChosenSet = static_cast<std::uint8_t>(root["dsp"]["set"].Integer(0, 7));
    ws.ChosenRate = static_cast<std::uint8_t>(root["dsp"]["rate"].Integer(0, 255));
    ReadCorrection(root["correction"], ws.Correction);
    ReadMeasurements(root["measurements"], projectDir, out);
    if (j.contains("averages")) ReadAverages(root["averages"], projectDir, out);
    ws.EqDesign = ReadFilter(root["filters"]["eq"], ws);
    ws.RoomDesign = ReadFilter(root["filters"]["room"], ws);
    return out;
}

LoadedProject ReadProject(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ProjectError(Fill(QV_TR("%1: cannot be opened (%2)"), {path, std::strerror(errno)}));
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw ProjectError(Fill(QV_TR("%1: cannot be read"), {path}));
    try {
        return ParseProject(text, fs::absolute(fs::path(path)).parent_path().string());
    } catch (const ProjectError& e) {
        throw ProjectError(Fill(QV_TR("%1: %2"), {fs::path(path).filename().string(), e.what()}));
    }
}

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const fs::path target(path);
    const fs::path temp = target.string() + ".saving";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) throw std::runtime_error(Fill(QV_TR("Cannot write %1"), {temp.string()}));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            fs::remove(temp, ec);
            throw std::runtime_error(Fill(QV_TR("Cannot write %1 (disk full?)"), {temp.string()}));
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw std::runtime_error(Fill(QV_TR("Cannot replace %1: %2"), {path, ec.message()}));
    }
}

void SaveProject(Workspace& ws, const std::string& path) {
    const std::string now = NowIso8601();
    const std::string dir = fs::absolute(fs::path(path)).parent_path().string();
    const std::string created = ws.Created;
    if (ws.Created.empty()) ws.Created = now;
    try {
        WriteFileAtomically(path, ProjectText(ws, dir, now));
    } catch (...) {
        ws.Created = created;
        throw;
    }
}

void TakeDocument(Workspace& into, Workspace&& from) {
    from.ViewWidth = into.ViewWidth;
    from.ViewHeight = into.ViewHeight;
    from.ComPortNumber = into.ComPortNumber;
    // The drawing area belongs to the window, not to the file.
    for (std::size_t k = 0; k < from.diagrams.diagrams.size(); ++k) {
        Diagram& d = from.diagrams.diagrams[k];
        const Diagram& old = into.diagrams.diagrams[k];
        d.areaLeft = old.areaLeft;
        d.areaTop = old.areaTop;
        d.areaRight = old.areaRight;
        d.areaBottom = old.areaBottom;
    }
    into = std::move(from);
}

bool SameDocument(const Workspace& a, const Workspace& b) {
    for (std::size_t k = 0; k < a.diagrams.diagrams.size(); ++k) {
        const Diagram& x = a.diagrams.diagrams[k];
        const Diagram& y = b.diagrams.diagrams[k];
        if (x.xFrom != y.xFrom || x.xTo != y.xTo || x.yFrom != y.yFrom || x.yTo != y.yTo ||
            x.stdXFrom != y.stdXFrom || x.stdXTo != y.stdXTo || x.stdYFrom != y.stdYFrom ||
            x.stdYTo != y.stdYTo || x.xLog != y.xLog || x.yLog != y.yLog)
            return false;
        for (std::size_t s = 0; s < 4; ++s) {
            const CurveSlot& p = x.slots[s];
            const CurveSlot& q = y.slots[s];
            if (p.name != q.name || p.marked != q.marked || p.colour != q.colour ||
                p.points != q.points)
                return false;
        }
    }
    return a.CurrentDiagram == b.CurrentDiagram && a.RoomDepth == b.RoomDepth &&
           a.RoomWidth == b.RoomWidth && a.ProcessingLength == b.ProcessingLength &&
           a.Title == b.Title && a.Notes == b.Notes && a.Measurements == b.Measurements &&
           a.ChosenSet == b.ChosenSet && a.ChosenRate == b.ChosenRate && a.EqDesign == b.EqDesign &&
           a.RoomDesign == b.RoomDesign && a.Correction == b.Correction;
}

}  // namespace qv
