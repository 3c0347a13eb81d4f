// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "actions/calculatedcostcol.h"
#include "costs/benefitcurve.h"
#include "map/pathwaygraphics.h"
#include "model/elementslist.h"
#include "model/projectyears.h"
#include "scenarios/scenariotable.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// One open project: the elements, the scenarios, the map settings, the calculated cost columns
/// and the benefit curve, with the shared timeframe, the file version and the five dirty flags.
/// A project is created by `newProject` or `open` in the state the program reaches at the end of
/// its start-up; it is not copyable or movable because its parts refer to each other.
class Project {
public:
    /// The state right before a project is chosen: empty list without current situation, map and
    /// benefit-curve defaults, no scenarios, no calculated cost columns.
    Project();
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;

    /// An empty project of the given type as the program starts it. `beginYear` replaces the
    /// current calendar year of a condition-based project.
    static std::unique_ptr<Project> newProject(PathwayType type,
                                               std::optional<std::int32_t> beginYear = {});
    /// Opens a project file. Throws FileError (cannot open or not well-formed) or ConversionError
    /// (a colour text that is not a colour); nothing is kept of a file that failed.
    static std::unique_ptr<Project> open(const std::string& path);
    /// As `open`, from bytes already in memory; `name` is used in messages.
    static std::unique_ptr<Project> openBytes(std::string_view bytes, const std::string& name);

    /// The whole project as file bytes, sections in their fixed order.
    std::string toFileBytes();
    /// Writes the project to `path` without ever harming the existing file, then clears the
    /// dirty flags. Throws FileError("Cannot create file ...") and leaves the flags on failure.
    void save(const std::string& path);

    ElementsList& elements() { return m_elements; }
    const ElementsList& elements() const { return m_elements; }
    ScenarioTable& scenarios() { return m_scenarios; }
    const ScenarioTable& scenarios() const { return m_scenarios; }
    PathwayGraphics& graphics() { return m_graphics; }
    const PathwayGraphics& graphics() const { return m_graphics; }
    BenefitCurve& benefits() { return m_benefits; }
    const BenefitCurve& benefits() const { return m_benefits; }
    CalculatedCostColList& calculatedCostCols() { return m_costCols; }
    const CalculatedCostColList& calculatedCostCols() const { return m_costCols; }
    ProjectYears& years() { return *m_years; }

    std::int32_t beginYear() const { return m_years->beginYear(); }
    std::int32_t endYear() const { return m_years->endYear(); }
    /// Sets the begin year; the end year moves to begin + 101.
    void setBeginYear(std::int32_t year) { m_years->setBeginYear(year); }
    void setEndYear(std::int32_t year);

    /// Version read from the file; 0 for a new project or a file without a version.
    double fileVersion() const { return m_fileVersion; }

    bool graphicsSettingIsDirty() const { return m_graphicsSettingIsDirty; }
    void setGraphicsSettingIsDirty(bool dirty) { m_graphicsSettingIsDirty = dirty; }
    bool actionGridIsDirty() const { return m_actionGridIsDirty; }
    void setActionGridIsDirty(bool dirty) { m_actionGridIsDirty = dirty; }

    /// Whether any part has unsaved changes.
    bool isModified() const;
    void clearDirtyFlags();

    void addCalculatedCostCol(std::int32_t timeColumn, std::int32_t year);
    void deleteCalculatedCostCol(int index);

    /// Notes about what reading had to change (a timeframe that was limited, and such).
    const std::vector<std::string>& warnings() const { return m_warnings; }

private:
    void newPathway(PathwayType type, std::int32_t beginYear);
    void loadPathway(std::string_view bytes, const std::string& name);
    void finishStartUp();

    std::shared_ptr<ProjectYears> m_years;
    ElementsList m_elements;
    ScenarioTable m_scenarios;
    PathwayGraphics m_graphics;
    BenefitCurve m_benefits;
    CalculatedCostColList m_costCols;
    double m_fileVersion = 0.0;
    bool m_graphicsSettingIsDirty = false;
    bool m_actionGridIsDirty = false;
    std::vector<std::string> m_warnings;
};

/// The current calendar year, for a new condition-based project.
std::int32_t currentCalendarYear();

} // namespace vantrel
