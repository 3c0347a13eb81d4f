// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/element.h"
#include "model/filetext.h"
#include "model/projectyears.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class XmlDocument;
class XmlWriter;

/// The store of all scenarios: per scenario a name, a colour, five economic parameters (percent)
/// and a yearly series of the condition value with one row per project year. Values entered by
/// the user or read from a file are "defined"; the rows between them are interpolated and not
/// saved. Turns condition values into years (`yearOfValue`).
class ScenarioTable : public YearLookup {
public:
    enum class Parameter {
        DiscountRate,
        GrowthRate,
        FactorInitialCosts,
        FactorTransferCosts,
        FactorRecurrentCosts
    };
    static constexpr int ParameterCount = 5;

    explicit ScenarioTable(std::shared_ptr<ProjectYears> years = nullptr);

    int scenarioCount() const { return static_cast<int>(m_scenarios.size()); }
    std::int32_t beginYear() const { return m_years->beginYear(); }
    std::int32_t endYear() const { return m_years->endYear(); }
    ProjectYears& years() const { return *m_years; }
    /// Number of year rows the table holds (0 in a time-based project).
    int yearRowCount() const { return m_rowCount; }

    bool scenarioIsDirty() const { return m_scenarioIsDirty; }
    void setScenarioIsDirty(bool dirty) { m_scenarioIsDirty = dirty; }

    const std::string& scenarioName(int scenario) const;
    void setScenarioName(int scenario, const std::string& name);
    /// colors::None for a scenario never given a colour.
    Color scenarioColor(int scenario) const;
    void setScenarioColor(int scenario, Color color);

    /// Parameters are kept with two decimals, as the parameter table shows them.
    double parameter(int scenario, Parameter which) const;
    void setParameter(int scenario, Parameter which, double percent);
    double scenarioDiscountRate(int s) const { return parameter(s, Parameter::DiscountRate); }
    double scenarioGrowthRate(int s) const { return parameter(s, Parameter::GrowthRate); }
    double scenarioFactorInitialCosts(int s) const
    {
        return parameter(s, Parameter::FactorInitialCosts);
    }
    double scenarioFactorTransferCosts(int s) const
    {
        return parameter(s, Parameter::FactorTransferCosts);
    }
    double scenarioFactorRecurrentCosts(int s) const
    {
        return parameter(s, Parameter::FactorRecurrentCosts);
    }

    int lastRowWithData(int scenario) const;
    void setLastRowWithData(int scenario, int row);
    /// The last year row (1 = begin year) holding a value; 0 when there is none.
    int calculateLastRowWithData(int scenario) const;

    /// The value held for a year, if any (defined or interpolated).
    std::optional<double> cellValue(int scenario, std::int32_t year) const;
    bool definedValue(int scenario, std::int32_t year) const;
    bool scenarioValueAvailable(std::int32_t year, int scenario) const;
    /// Value in a year, held at the begin-year value before the begin year and at the last value
    /// after the last year with data. An empty cell reads as 0.
    double scenarioValue(std::int32_t year, int scenario) const;
    /// Fractional year in which the scenario first reaches `value`: the begin year when it is
    /// reached at once, the end year when it is not passed before the series ends.
    double yearOfValue(double value, int scenario) const override;

    /// Stores a value for a year (rounded as the table keeps numbers). Returns false for a year
    /// outside the table.
    bool setValue(int scenario, std::int32_t year, double value, bool defined);
    void clearValue(int scenario, std::int32_t year);
    /// Fills every gap between two values by straight-line interpolation (not defined). Rows
    /// before the first value and after the last stay empty.
    void interpolateScenario(int scenario);

    /// Appends a scenario with the given name and colour, parameters 0 and no values.
    int addScenario(const std::string& name, Color color);
    void deleteScenario(int scenario);
    /// The scenario column that accompanies a new tipping-time column: black, parameters 0.
    void addColumnForNewTimeColumn(const std::string& scenarioName);
    /// Removes every scenario.
    void setupScenariosGrid();
    /// Shapes the rows for the project type and timeframe: one row per year in a condition-based
    /// project (existing values stay in their years), none in a time-based one.
    void setUpScenarioGridFinalPhase(PathwayType type);

    /// Appends the "scenarios" section; changes nothing in the table.
    void writeToXml(XmlWriter& xml) const;
    /// Rebuilds the table from the "scenarios" section, if the document has one. Colour texts that
    /// are not colours throw ConversionError.
    void readFromXml(const XmlDocument& xml, PathwayType type,
                     std::vector<std::string>* warnings = nullptr);

private:
    struct Cell {
        double value = 0.0;
        bool filled = false;
        bool defined = false;
    };
    struct Scenario {
        std::string name;
        Color color = colors::None;
        double parameters[ParameterCount] = {0, 0, 0, 0, 0};
        std::vector<Cell> cells;
        int lastRowWithData = 0;
    };

    const Scenario* scenario(int index) const;
    Scenario* scenario(int index);
    /// Value of a 1-based year row; 0 for an empty cell or a row outside the table.
    double rowValue(const Scenario& s, int row) const;
    int rowOfYear(std::int32_t year) const;
    void resizeRows(int rows);

    std::shared_ptr<ProjectYears> m_years;
    std::vector<Scenario> m_scenarios;
    int m_rowCount = 0;
    bool m_scenarioIsDirty = false;
};

} // namespace vantrel
