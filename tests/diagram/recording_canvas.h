#pragma once
// A Canvas that records what is drawn, with fixed text metrics: six pixels
// per character, thirteen pixels high.

#include <string>
#include <vector>

#include "diagram/canvas.h"

namespace qv::test {

struct RecordedLine {
    int x1, y1, x2, y2;
    PenStyle style;
    std::uint32_t colour;
};
struct RecordedEllipse {
    int x1, y1, x2, y2;
    std::uint32_t pen;
    BrushStyle brush;
    std::uint32_t fill;
};
struct RecordedText {
    int x, y;
    std::string text;
    BrushStyle brush;
};

class RecordingCanvas : public Canvas {
  public:
    void SetPen(PenStyle style, std::uint32_t colour) override {
        style_ = style;
        colour_ = colour;
    }
    void SetBrush(BrushStyle style, std::uint32_t colour) override {
        brush_ = style;
        fill_ = colour;
    }
    void MoveTo(int x, int y) override {
        x_ = x;
        y_ = y;
    }
    void LineTo(int x, int y) override {
        lines.push_back({x_, y_, x, y, style_, colour_});
        x_ = x;
        y_ = y;
    }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        ellipses.push_back({x1, y1, x2, y2, colour_, brush_, fill_});
    }
    int TextWidth(const std::string& text) override { return 6 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) override { return 13; }
    void TextOut(int x, int y, const std::string& text) override {
        texts.push_back({x, y, text, brush_});
    }

    const RecordedText* FindText(const std::string& text) const {
        for (const auto& t : texts)
            if (t.text == text) return &t;
        return nullptr;
    }
    void Clear() {
        lines.clear();
        ellipses.clear();
        texts.clear();
    }

    std::vector<RecordedLine> lines;
    std::vector<RecordedEllipse> ellipses;
    std::vector<RecordedText> texts;

  private:
    PenStyle style_ = PenStyle::Solid;
    std::uint32_t colour_ = 0;
    BrushStyle brush_ = BrushStyle::Clear;
    std::uint32_t fill_ = 0;
    int x_ = 0, y_ = 0;
};

}  // namespace qv::test
