// SPDX-License-Identifier: GPL-3.0-or-later
#include "emfsurface.h"

#include "map/colortorgb.h"
#include "mapfont.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QString>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <libEMF/emf.h>
#include <stdexcept>
#include <vector>

namespace vantrel {

namespace {

// libEMF's reference device: 1024 x 768 pixels on 320 x 240 millimetres. The frame has to use
// the same ratio, or viewers scale the picture and cut off what lies beyond the frame.
constexpr int ReferencePixels = 1024;
constexpr int ReferenceMillimetres = 320;

COLORREF toColorRef(Color color)
{
    // Both keep red in the low byte.
    return colorToRgb(color);
}

std::vector<WCHAR> toWide(const QString& text)
{
    std::vector<WCHAR> out(static_cast<std::size_t>(text.size()) + 1, 0);
    const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[static_cast<std::size_t>(i)] = static_cast<WCHAR>(units[i]);
    return out;
}

} // namespace

struct EmfSurface::Impl {
    FILE* file = nullptr;
    char* buffer = nullptr;
    std::size_t size = 0;
    HDC dc = 0;
    bool finished = false;

    Color penColor = colors::Black;
    int penWidth = 1;
    HPEN pen = 0;
    bool penCurrent = false;
    Color brushColor = colors::White;
    HBRUSH brush = 0;
    bool brushCurrent = false;
    int fontSize = 0;
    QFont font;
    QFontMetrics metrics{font};
    QFontMetricsF metricsF{font};
    HFONT emfFont = 0;
    bool fontCurrent = false;
    Color fontColor = colors::Black;
    bool fontColorCurrent = false;

    void selectPen()
    {
        if (penCurrent)
            return;
        const HPEN old = pen;
        if (penWidth > 1) {
            // Thick strokes with round ends and joins, like the raster surface draws them.
            LOGBRUSH lb{BS_SOLID, toColorRef(penColor), 0};
            pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                               static_cast<DWORD>(penWidth), &lb, 0, nullptr);
        } else {
            pen = CreatePen(PS_SOLID, 1, toColorRef(penColor));
        }
        SelectObject(dc, pen);
        if (old)
            DeleteObject(old);
        penCurrent = true;
    }

    void selectBrush()
    {
        if (brushCurrent)
            return;
        const HBRUSH old = brush;
        brush = CreateSolidBrush(toColorRef(brushColor));
        SelectObject(dc, brush);
        if (old)
            DeleteObject(old);
        brushCurrent = true;
    }

    void selectFont()
    {
        if (!fontCurrent) {
            const HFONT old = emfFont;
            const std::vector<WCHAR> face = toWide(QFontInfo(font).family());
            emfFont = CreateFontW(-font.pixelSize(), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, face.data());
            SelectObject(dc, emfFont);
            if (old)
                DeleteObject(old);
            fontCurrent = true;
        }
        if (!fontColorCurrent) {
            SetTextColor(dc, toColorRef(fontColor));
            fontColorCurrent = true;
        }
    }

    /// Puts the stock objects back and deletes ours, while the metafile is still open.
    void deleteObjects()
    {
        if (!dc)
            return;
        SelectObject(dc, GetStockObject(BLACK_PEN));
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        SelectObject(dc, GetStockObject(DEVICE_DEFAULT_FONT));
        for (HGDIOBJ object : {static_cast<HGDIOBJ>(pen), static_cast<HGDIOBJ>(brush),
                               static_cast<HGDIOBJ>(emfFont)})
            if (object)
                DeleteObject(object);
        pen = brush = emfFont = 0;
    }

    /// Closes the metafile; true when it was closed properly.
    bool close()
    {
        if (!dc)
            return false;
        deleteObjects();
        const HENHMETAFILE metafile = CloseEnhMetaFileWithFILE(dc);
        dc = 0;
        if (!metafile)
            return false;
        DeleteEnhMetaFile(metafile);
        return true;
    }

    void release()
    {
        close();
        if (file) {
            std::fclose(file);
            file = nullptr;
        }
        std::free(buffer);
        buffer = nullptr;
    }
};

int EmfSurface::frameSize(int pixels)
{
    return static_cast<int>(
        std::lround(static_cast<double>(pixels) * ReferenceMillimetres * 100.0 / ReferencePixels));
}

EmfSurface::EmfSurface(int width, int height) : m(std::make_unique<Impl>())
{
    if (width < 1 || height < 1)
        throw std::runtime_error("A metafile needs a drawing area of at least one pixel.");
    m->file = open_memstream(&m->buffer, &m->size);
    if (!m->file)
        throw std::runtime_error("Cannot start an enhanced metafile.");
    const RECT frame{0, 0, frameSize(width), frameSize(height)};
    // Application and picture name, each ended by a null, the whole by a second one.
    const QString description =
        QStringLiteral("Vantrel") + QChar(0) + QStringLiteral("Pathway map") + QChar(0);
    const std::vector<WCHAR> wide = toWide(description);
    m->dc = CreateEnhMetaFileWithFILEW(0, m->file, &frame, wide.data());
    if (!m->dc) {
        m->release();
        throw std::runtime_error("Cannot start an enhanced metafile.");
    }
    SetMapMode(m->dc, MM_TEXT);
    SetBkMode(m->dc, TRANSPARENT);
    SetTextAlign(m->dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    setFontSize(10);
}

EmfSurface::~EmfSurface()
{
    m->release();
}

std::string EmfSurface::finish()
{
    if (m->finished)
        return {};
    m->finished = true;
    const bool closed = m->close();
    const bool flushed = std::fflush(m->file) == 0;
    std::string bytes(m->buffer ? m->buffer : "", m->size);
    m->release();
    if (!closed || !flushed || bytes.empty())
        throw std::runtime_error("Cannot finish the enhanced metafile.");
    return bytes;
}

void EmfSurface::setPenColor(Color color)
{
    if (color != m->penColor) {
        m->penColor = color;
        m->penCurrent = false;
    }
}

void EmfSurface::setPenWidth(int width)
{
    if (width != m->penWidth) {
        m->penWidth = width;
        m->penCurrent = false;
    }
}

void EmfSurface::setBrushColor(Color color)
{
    if (color != m->brushColor) {
        m->brushColor = color;
        m->brushCurrent = false;
    }
}

void EmfSurface::setFontSize(int points)
{
    if (points == m->fontSize)
        return;
    m->fontSize = points;
    m->font = mapFont(points);
    m->metrics = QFontMetrics(m->font);
    m->metricsF = QFontMetricsF(m->font);
    m->fontCurrent = false;
}

void EmfSurface::setFontColor(Color color)
{
    if (color != m->fontColor) {
        m->fontColor = color;
        m->fontColorCurrent = false;
    }
}

void EmfSurface::moveTo(int x, int y)
{
    if (m->finished)
        return;
    MoveToEx(m->dc, x, y, nullptr);
}

void EmfSurface::lineTo(int x, int y)
{
    if (m->finished)
        return;
    m->selectPen();
    LineTo(m->dc, x, y);
}

void EmfSurface::fillRect(int left, int top, int right, int bottom)
{
    if (m->finished || right <= left || bottom <= top)
        return;
    m->selectBrush();
    // Without an outline a rectangle covers one pixel less each way, hence the extra pixel.
    SelectObject(m->dc, GetStockObject(NULL_PEN));
    Rectangle(m->dc, left, top, right + 1, bottom + 1);
    m->penCurrent = false;
}

void EmfSurface::ellipse(int left, int top, int right, int bottom)
{
    if (m->finished)
        return;
    m->selectPen();
    m->selectBrush();
    Ellipse(m->dc, left, top, right, bottom);
}

void EmfSurface::textOut(int x, int y, const std::string& utf8)
{
    if (m->finished)
        return;
    const QString text = QString::fromStdString(utf8);
    if (text.isEmpty())
        return;
    m->selectFont();
    // Advance of each UTF-16 unit from the rounded running sum of the character advances; the
    // second unit of a surrogate pair advances nothing.
    std::vector<INT> dx(static_cast<std::size_t>(text.size()), 0);
    double position = 0;
    long placed = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype units = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        position += m->metricsF.horizontalAdvance(text.mid(i, units));
        const long next = std::lround(position);
        dx[static_cast<std::size_t>(i)] = static_cast<INT>(next - placed);
        placed = next;
        i += units;
    }
    const std::vector<WCHAR> wide = toWide(text);
    ExtTextOutW(m->dc, x, y, 0, nullptr, wide.data(), static_cast<UINT>(text.size()), dx.data());
}

TextExtent EmfSurface::textExtent(const std::string& utf8)
{
    return mapTextExtent(m->metrics, utf8);
}

} // namespace vantrel
