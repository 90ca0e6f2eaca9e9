#include "curves/curve_files.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "curves/number_syntax.h"
#include "curves/text_file.h"
#include "curves/tr.h"

namespace qv {
namespace {

std::string AccessMessage(const std::string& name) {
    return Fill(QV_TR("Fehler beim Zugriff auf %1 !"), {name});
}

std::string_view DropLeadingBlanks(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    return s.substr(i);
}

std::string NonFinite(double v) {
    if (std::isnan(v)) return " NaN";
    return v < 0 ? "-Inf" : " Inf";
}

}  // namespace

bool CheckFileReadable(const std::string& name, UserInterface& ui) {
    if (!name.empty()) {
        try {
            LineReader probe(name);
            return true;
        } catch (const FileError&) {
        }
    }
    ui.Message(AccessMessage(name));
    return false;
}

bool CheckFileWritable(const std::string& name, UserInterface& ui) {
    if (!name.empty()) {
        try {
            LineWriter probe(name);
            probe.Close();
            return true;
        } catch (const FileError&) {
        }
    }
    ui.Message(AccessMessage(name));
    return false;
}

XYFileContents ReadXYFileContents(const std::string& name) {
    XYFileContents c;
    LineReader in(name);
    std::string line;
    // One byte more than is read tells whether a character runs across the
    // cut, so that a message never shows half of it.
    while (CountPoints(c.points) < kMaxXYPoints && in.ReadLine(line, kLineChars + 1)) {
        const std::string_view head = CutAtCharBoundary(line, kLineChars);
        std::string_view rest = DropLeadingBlanks(std::string_view(line).substr(0, kLineChars));
        const std::size_t blank = rest.find(' ');
        if (blank == std::string_view::npos) continue;
        const std::string_view xText = rest.substr(0, blank);
        std::string_view yText = DropLeadingBlanks(rest.substr(blank + 1));
        yText = yText.substr(0, yText.find(' '));
        const auto x = ToNumber(xText);
        const auto y = ToNumber(yText);
        if (x && y) {
            AppendPoint(c.points, *x, *y);
            continue;
        }
        if (c.faultyLines++ == 0)
            c.firstFault =
                std::string(head) + (x ? QV_TR("   Fehler !!!  ") : QV_TR("   Fehler !!! "));
    }
    return c;
}

std::string FaultyLinesMessage(const XYFileContents& c, const std::string& name) {
    if (c.faultyLines <= 1) return c.firstFault;
    return c.firstFault + "\n" +
           Fill(QV_TR("(%1 faulty lines in %2)"), {std::to_string(c.faultyLines), name});
}

PointList ReadXYFile(const std::string& name, UserInterface& ui) {
    XYFileContents c = ReadXYFileContents(name);
    if (c.faultyLines > 0) ui.Message(FaultyLinesMessage(c, name));
    return std::move(c.points);
}

PointList ReadImpFile(const std::string& name) {
    PointList list;
    LineReader in(name);
    std::string line;
    for (int header = 0; header < 3; ++header)
        if (!in.ReadLine(line, kLineChars)) return list;
    while (CountPoints(list) < kMaxImpSamples && in.ReadLine(line, kLineChars)) {
        std::string_view text = DropLeadingBlanks(line);
        text = text.substr(0, text.find(' '));
        const auto v = ToNumber(text);
        if (!v) break;
        AppendPoint(list, static_cast<double>(list.size()), *v);
    }
    return list;
}

std::string FormatExponent(double v) {
    if (!std::isfinite(v)) return NonFinite(v);
    char buf[64];
    auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14);
    std::string_view digits(buf, static_cast<std::size_t>(res.ptr - buf));  // d.ddde+XX
    const std::size_t e = digits.find('e');
    int exponent = 0;
    std::from_chars(digits.data() + e + 1 + (digits[e + 1] == '+' ? 1 : 0),
                    digits.data() + digits.size(), exponent);
    char out[40];
    std::snprintf(out, sizeof out, "%c%.*sE%c%04d", std::signbit(v) && v != 0.0 ? '-' : ' ',
                  static_cast<int>(e), digits.data(), exponent < 0 ? '-' : '+', std::abs(exponent));
    return out;
}

std::string FormatFixed(double v) {
    if (!std::isfinite(v)) return NonFinite(v);
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 14);
    std::string s(buf, static_cast<std::size_t>(res.ptr - buf));
    if (s.rfind("-0.", 0) == 0 && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

void WriteXYFile(const std::string& name, const PointList& list, UserInterface& ui) {
    if (!CheckFileWritable(name, ui)) return;
    LineWriter out(name);
    for (const auto& p : list) out.WriteLine(FormatExponent(p.x) + "  " + FormatExponent(p.y));
    out.Close();
}

void WriteYFile(const std::string& name, const PointList& list, UserInterface& ui) {
    if (!CheckFileWritable(name, ui)) return;
    LineWriter out(name);
    for (std::size_t i = 0; i < list.size(); ++i)
        out.WriteLine(FormatFixed(list[i].y) + (i + 1 < list.size() ? "," : ""));
    out.Close();
}

void WriteYIFile(const std::string& name, const PointList& list, UserInterface& ui) {
    if (!CheckFileWritable(name, ui)) return;
    LineWriter out(name);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string y = FormatFixed(list[i].y);
        out.WriteLine(y + ",");
        out.WriteLine(y + (i + 1 < list.size() ? "," : ""));
    }
    out.Close();
}

std::optional<PointList> ReadCurveForLoad(const std::string& name, bool impFormat,
                                          UserInterface& ui) {
    XYFileContents c;
    if (impFormat)
        c.points = ReadImpFile(name);
    else
        c = ReadXYFileContents(name);
    std::string message = FaultyLinesMessage(c, name);
    if (!c.points.empty()) {
        if (!message.empty()) ui.Message(message);
        return std::move(c.points);
    }
    if (!message.empty()) message += "\n";
    ui.Message(message + Fill(QV_TR("No curve in %1: the diagram stays as it was."),
                              {std::filesystem::path(name).filename().string()}));
    return std::nullopt;
}

std::string FilterExtension(const std::string& filter) {
    const std::size_t bar = filter.find('|');
    if (bar == std::string::npos) return {};
    const std::string pattern = filter.substr(bar + 1, filter.find('|', bar + 1) - bar - 1);
    if (pattern.rfind("*.", 0) != 0) return {};
    const std::string ext = pattern.substr(2);
    if (ext.empty() || ext.find_first_of("*?") != std::string::npos) return {};
    return ext;
}

std::string WithFilterExtension(const std::string& name, const std::string& filter) {
    const std::string ext = FilterExtension(filter);
    if (name.empty() || ext.empty()) return name;
    const std::filesystem::path file = std::filesystem::path(name).filename();
    if (file.empty() || file.has_extension()) return name;
    return name + "." + ext;
}

bool IsDspProgramFile(const std::string& name) {
    const std::string file = std::filesystem::path(name).filename().string();
    return file == "quorvane.dat" || file == "inout.ldr" || file == "high.ldr";
}

std::string SaveQuestion(const std::string& name) {
    const std::string file = std::filesystem::path(name).filename().string();
    if (IsDspProgramFile(name))
        return Fill(QV_TR("%1 is the name of a DSP program file: the box's program is read from "
                          "it. Save the curve under this name?"),
                    {file});
    std::error_code ec;
    if (std::filesystem::exists(name, ec))
        return Fill(QV_TR("%1 already exists. Replace it?"), {file});
    return {};
}

}  // namespace qv
