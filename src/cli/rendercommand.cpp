// SPDX-License-Identifier: GPL-3.0-or-later
#include "rendercommand.h"

#include "commands.h"
#include "mapexport.h"
#include "project/project.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace vantrel::cli {

namespace {

enum class ImageFormat { Png, Emf, Svg };

ImageFormat formatOf(const std::string& path)
{
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    std::string ext;
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        ext = path.substr(dot + 1);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    if (ext == "png")
        return ImageFormat::Png;
    if (ext == "emf")
        return ImageFormat::Emf;
    if (ext == "svg")
        return ImageFormat::Svg;
    throw UsageError("Cannot tell the image format of \"" + path +
                     "\": the name must end in .png, .emf or .svg.");
}

/// Fonts and painting need a GUI application; without a display it runs offscreen.
void ensureGuiApplication()
{
    if (QGuiApplication::instance())
        return;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "vantrel-cli";
    static char* argv[] = {name, nullptr};
    // Start-up notes about the environment of a headless run (no runtime folder and such) are
    // no business of the user's; later warnings still show.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(msg));
        });
    // Lives until the process ends; tearing it down among static destructors is not safe.
    static QGuiApplication* const app = new QGuiApplication(argc, argv);
    (void)app;
    qInstallMessageHandler(previous);
}

} // namespace

int runRender(const std::vector<std::string>& argsIn, std::ostream&)
{
    auto args = argsIn;
    std::string outPath;
    std::string seriesText;
    std::string highlightText;
    if (!takeOption(args, "--out", outPath))
        throw UsageError("--out PATH is needed.");
    const bool hasSeries = takeOption(args, "--series", seriesText);
    const bool hasHighlight = takeOption(args, "--highlight", highlightText);
    expectArgumentCount(args, 1, 1);
    const ImageFormat format = formatOf(outPath);
    const int series = hasSeries ? parseIntegerArgument(seriesText, "--series") : 0;
    const int highlightId = hasHighlight ? parseIntegerArgument(highlightText, "--highlight") : 0;

    const auto project = Project::open(args[0]);
    const ElementsList& list = project->elements();
    if (list.pathwayType() == PathwayType::TimeBased) {
        const int columns = list.tippingTimeValuesCount();
        if (series < 0 || series >= columns)
            throw UsageError("--series " + seriesText + " is out of range: the project has " +
                             std::to_string(columns) + " tipping-time column(s), indexed from 0.");
    } else if (series < 0) {
        throw UsageError("--series " + seriesText + " is out of range.");
    }
    int highlightIndex = -1;
    if (hasHighlight) {
        highlightIndex = list.findIndex(highlightId);
        if (highlightIndex < 0)
            throw UsageError("There is no element with ID " + highlightText + ".");
    }

    ensureGuiApplication();
    applyRegionalSettings(project->graphics());
    switch (format) {
    case ImageFormat::Png:
        saveMapPng(*project, outPath, series, highlightIndex);
        break;
    case ImageFormat::Emf:
        saveMapEmf(*project, outPath, series, highlightIndex);
        break;
    case ImageFormat::Svg:
        saveMapSvg(*project, outPath, series, highlightIndex);
        break;
    }
    return 0;
}

} // namespace vantrel::cli
