// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vantrel {

/// The screens of the main window, in the order of its view pages.
enum class ScreenMode {
    FullScreenGrid,
    FullScreenGraph,
    SplitScreen,
    CostsScreen,
    ScoreScreen,
    ScenarioScreen,
    CBDetailScreen,
    BenefitsScreen
};

/// The action table, the map and the two together: the screens "Varurero" returns to.
constexpr bool isPathwayScreen(ScreenMode mode)
{
    return mode == ScreenMode::FullScreenGrid || mode == ScreenMode::FullScreenGraph ||
           mode == ScreenMode::SplitScreen;
}

} // namespace vantrel
