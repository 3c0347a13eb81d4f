// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/surface.h"

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vantrel::test {

/// One thing a drawing painted, with the pen, brush and font it was painted with.
struct Primitive {
    enum class Kind { Line, FillRect, Ellipse, Text };
    Kind kind = Kind::Line;
    /// Line: from (x1, y1) to (x2, y2). Rectangle and ellipse: left, top, right, bottom.
    /// Text: top-left corner in (x1, y1).
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Color penColor = 0;
    int penWidth = 0;
    Color brushColor = 0;
    int fontSize = 0;
    Color fontColor = 0;
    std::string text;

    bool isLine() const { return kind == Kind::Line; }
    bool isText() const { return kind == Kind::Text; }
    bool isEllipse() const { return kind == Kind::Ellipse; }
    bool isRect() const { return kind == Kind::FillRect; }
    /// Length of a horizontal or vertical line.
    int length() const { return x1 == x2 ? std::abs(y2 - y1) : std::abs(x2 - x1); }
};

/// A Surface that records what is painted on it, in order, for tests of the drawing code.
/// Texts are measured by a function given to it: by default every character is `charWidth`
/// pixels wide and every text `textHeight` high, so expected positions are easy to work out.
class RecordingSurface : public Surface {
public:
    using Measure = std::function<TextExtent(const std::string& text, int fontSize)>;

    explicit RecordingSurface(int charWidth = 8, int textHeight = 16)
        : m_measure([charWidth, textHeight](const std::string& text, int) {
              return TextExtent{static_cast<int>(text.size()) * charWidth, textHeight};
          })
    {
    }
    explicit RecordingSurface(Measure measure) : m_measure(std::move(measure)) {}

    void setPenColor(Color color) override { m_pen = color; }
    void setPenWidth(int width) override { m_penWidth = width; }
    void setBrushColor(Color color) override { m_brush = color; }
    void setFontSize(int points) override { m_fontSize = points; }
    void setFontColor(Color color) override { m_fontColor = color; }

    void moveTo(int x, int y) override
    {
        m_x = x;
        m_y = y;
    }
    void lineTo(int x, int y) override
    {
        add(Primitive::Kind::Line, m_x, m_y, x, y);
        m_x = x;
        m_y = y;
    }
    void fillRect(int left, int top, int right, int bottom) override
    {
        add(Primitive::Kind::FillRect, left, top, right, bottom);
    }
    void ellipse(int left, int top, int right, int bottom) override
    {
        add(Primitive::Kind::Ellipse, left, top, right, bottom);
    }
    void textOut(int x, int y, const std::string& utf8) override
    {
        add(Primitive::Kind::Text, x, y, x, y).text = utf8;
    }
    TextExtent textExtent(const std::string& utf8) override { return m_measure(utf8, m_fontSize); }

    const std::vector<Primitive>& primitives() const { return m_primitives; }

    std::vector<Primitive> select(const std::function<bool(const Primitive&)>& keep) const
    {
        std::vector<Primitive> out;
        for (const auto& p : m_primitives)
            if (keep(p))
                out.push_back(p);
        return out;
    }
    std::vector<Primitive> lines() const
    {
        return select([](const Primitive& p) { return p.isLine(); });
    }
    std::vector<Primitive> texts() const
    {
        return select([](const Primitive& p) { return p.isText(); });
    }
    std::vector<Primitive> ellipses() const
    {
        return select([](const Primitive& p) { return p.isEllipse(); });
    }
    std::vector<Primitive> rects() const
    {
        return select([](const Primitive& p) { return p.isRect(); });
    }
    /// Lines drawn with a 5-pixel pen: element lines, connectors, end bars and the start line.
    std::vector<Primitive> thickLines() const
    {
        return select([](const Primitive& p) { return p.isLine() && p.penWidth == 5; });
    }
    void clear() { m_primitives.clear(); }

private:
    Primitive& add(Primitive::Kind kind, int x1, int y1, int x2, int y2)
    {
        Primitive p;
        p.kind = kind;
        p.x1 = x1;
        p.y1 = y1;
        p.x2 = x2;
        p.y2 = y2;
        p.penColor = m_pen;
        p.penWidth = m_penWidth;
        p.brushColor = m_brush;
        p.fontSize = m_fontSize;
        p.fontColor = m_fontColor;
        m_primitives.push_back(std::move(p));
        return m_primitives.back();
    }

    Measure m_measure;
    std::vector<Primitive> m_primitives;
    // A new canvas: black pen one pixel wide, white brush, black font.
    Color m_pen = colors::Black;
    int m_penWidth = 1;
    Color m_brush = colors::White;
    int m_fontSize = 10;
    Color m_fontColor = colors::Black;
    int m_x = 0;
    int m_y = 0;
};

} // namespace vantrel::test
