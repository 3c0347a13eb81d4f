// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/surface.h"

#include <memory>
#include <string>

namespace vantrel {

/// A Surface that records the drawing as an enhanced metafile (EMF) in memory, one logical unit
/// a pixel, with the frame set to the drawing area and no background of its own. Texts are
/// measured with the same font metrics as the raster surface, and every text carries its
/// character advances, so a viewer places the glyphs where the map was laid out even with a
/// different font. Needs a QGuiApplication.
class EmfSurface : public Surface {
public:
    /// Starts a metafile of `width` x `height` pixels (both at least 1). Throws
    /// std::runtime_error when the metafile cannot be started.
    EmfSurface(int width, int height);
    ~EmfSurface() override;
    EmfSurface(const EmfSurface&) = delete;
    EmfSurface& operator=(const EmfSurface&) = delete;

    /// Ends the metafile and returns its bytes. Drawing afterwards has no effect.
    std::string finish();

    void setPenColor(Color color) override;
    void setPenWidth(int width) override;
    void setBrushColor(Color color) override;
    void setFontSize(int points) override;
    void setFontColor(Color color) override;

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void textOut(int x, int y, const std::string& utf8) override;
    TextExtent textExtent(const std::string& utf8) override;

    /// Size in hundredths of a millimetre that a span of `pixels` has in the metafile's frame.
    static int frameSize(int pixels);

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

} // namespace vantrel
