// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/scenariotable.h"

#include "xml/xmldocument.h"
#include "xml/xmlwriter.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vantrel {

namespace {

constexpr std::array<std::string_view, ScenarioTable::ParameterCount> kParameterNodes{
    "discountrate", "economicgrowthrate", "factorinitialcosts", "factortransfercosts",
    "factorrecurrentcosts"};

} // namespace

ScenarioTable::ScenarioTable(std::shared_ptr<ProjectYears> years)
    : m_years(years ? std::move(years) : std::make_shared<ProjectYears>())
{
}

const ScenarioTable::Scenario* ScenarioTable::scenario(int index) const
{
    if (index < 0 || index >= scenarioCount())
        return nullptr;
    return &m_scenarios[static_cast<std::size_t>(index)];
}

ScenarioTable::Scenario* ScenarioTable::scenario(int index)
{
    if (index < 0 || index >= scenarioCount())
        return nullptr;
    return &m_scenarios[static_cast<std::size_t>(index)];
}

const std::string& ScenarioTable::scenarioName(int index) const
{
    static const std::string empty;
    const Scenario* s = scenario(index);
    return s ? s->name : empty;
}

void ScenarioTable::setScenarioName(int index, const std::string& name)
{
    if (Scenario* s = scenario(index))
        s->name = name;
}

Color ScenarioTable::scenarioColor(int index) const
{
    const Scenario* s = scenario(index);
    return s ? s->color : colors::None;
}

void ScenarioTable::setScenarioColor(int index, Color color)
{
    if (Scenario* s = scenario(index))
        s->color = color;
}

double ScenarioTable::parameter(int index, Parameter which) const
{
    const Scenario* s = scenario(index);
    return s ? s->parameters[static_cast<int>(which)] : 0.0;
}

void ScenarioTable::setParameter(int index, Parameter which, double percent)
{
    Scenario* s = scenario(index);
    if (!s)
        return;
    const double stored = roundToTwoDecimals(percent);
    double& slot = s->parameters[static_cast<int>(which)];
    if (stored == slot)
        return;
    slot = stored;
    m_scenarioIsDirty = true;
}

int ScenarioTable::lastRowWithData(int index) const
{
    const Scenario* s = scenario(index);
    return s ? s->lastRowWithData : 0;
}

void ScenarioTable::setLastRowWithData(int index, int row)
{
    if (Scenario* s = scenario(index))
        s->lastRowWithData = std::clamp(row, 0, m_rowCount);
}

int ScenarioTable::calculateLastRowWithData(int index) const
{
    const Scenario* s = scenario(index);
    if (!s)
        return 0;
    for (int r = static_cast<int>(s->cells.size()); r >= 1; --r)
        if (s->cells[static_cast<std::size_t>(r - 1)].filled)
            return r;
    return 0;
}

int ScenarioTable::rowOfYear(std::int32_t year) const
{
    const std::int64_t row = std::int64_t{year} - beginYear() + 1;
    if (row < 1 || row > m_rowCount)
        return 0;
    return static_cast<int>(row);
}

double ScenarioTable::rowValue(const Scenario& s, int row) const
{
    if (row < 1 || row > static_cast<int>(s.cells.size()))
        return 0.0;
    const Cell& c = s.cells[static_cast<std::size_t>(row - 1)];
    return c.filled ? c.value : 0.0;
}

std::optional<double> ScenarioTable::cellValue(int index, std::int32_t year) const
{
    const Scenario* s = scenario(index);
    const int row = rowOfYear(year);
    if (!s || row == 0 || !s->cells[static_cast<std::size_t>(row - 1)].filled)
        return std::nullopt;
    return s->cells[static_cast<std::size_t>(row - 1)].value;
}

bool ScenarioTable::definedValue(int index, std::int32_t year) const
{
    const Scenario* s = scenario(index);
    const int row = rowOfYear(year);
    return s && row != 0 && s->cells[static_cast<std::size_t>(row - 1)].defined;
}

bool ScenarioTable::scenarioValueAvailable(std::int32_t year, int index) const
{
    return cellValue(index, year).has_value();
}

double ScenarioTable::scenarioValue(std::int32_t year, int index) const
{
    const Scenario* s = scenario(index);
    if (!s)
        return 0.0;
    if (year <= beginYear())
        return rowValue(*s, 1);
    const int last = s->lastRowWithData;
    const std::int64_t lastYear = std::int64_t{beginYear()} + last - 1;
    if (lastYear <= year)
        return rowValue(*s, last);
    return rowValue(*s, rowOfYear(year));
}

double ScenarioTable::yearOfValue(double value, int index) const
{
    const Scenario* s = scenario(index);
    if (!s)
        return beginYear();
    const double vBegin = scenarioValue(beginYear(), index);
    const double vEnd = scenarioValue(endYear(), index);
    const double sign = vBegin < vEnd ? 1.0 : -1.0;
    const double x = sign * value;
    if (sign * vBegin >= x)
        return beginYear();
    if (sign * vEnd <= x)
        return endYear();
    double lowerYear = beginYear();
    double lowerValue = sign * vBegin;
    const int rows = static_cast<int>(s->cells.size());
    for (int r = 1; r <= rows; ++r) {
        const double y = static_cast<double>(beginYear()) + r - 1;
        const double v = sign * rowValue(*s, r);
        if (v == x)
            return y;
        if (v < x) {
            lowerYear = y;
            lowerValue = v;
            continue;
        }
        return lowerYear + (x - lowerValue) / (v - lowerValue) * (y - lowerYear);
    }
    return endYear();
}

bool ScenarioTable::setValue(int index, std::int32_t year, double value, bool defined)
{
    Scenario* s = scenario(index);
    const int row = rowOfYear(year);
    if (!s || row == 0)
        return false;
    Cell& c = s->cells[static_cast<std::size_t>(row - 1)];
    c.value = roundToGeneralText(value);
    c.filled = true;
    c.defined = defined;
    return true;
}

void ScenarioTable::clearValue(int index, std::int32_t year)
{
    Scenario* s = scenario(index);
    const int row = rowOfYear(year);
    if (!s || row == 0)
        return;
    s->cells[static_cast<std::size_t>(row - 1)] = Cell{};
}

void ScenarioTable::interpolateScenario(int index)
{
    Scenario* s = scenario(index);
    if (!s)
        return;
    auto& cells = s->cells;
    const std::size_t n = cells.size();
    std::size_t a = 0;
    while (a < n && !cells[a].filled)
        ++a;
    // a: a filled row; find the gap after it and the next filled row beyond the gap.
    while (a < n) {
        while (a + 1 < n && cells[a + 1].filled)
            ++a;
        std::size_t b = a + 1;
        while (b < n && !cells[b].filled)
            ++b;
        if (b >= n)
            break;
        const double va = cells[a].value;
        const double vb = cells[b].value;
        const double span = static_cast<double>(b - a);
        for (std::size_t r = a + 1; r < b; ++r) {
            cells[r].value = roundToGeneralText(va + (vb - va) * static_cast<double>(r - a) / span);
            cells[r].filled = true;
            cells[r].defined = false;
        }
        a = b;
    }
}

int ScenarioTable::addScenario(const std::string& name, Color color)
{
    Scenario s;
    s.name = name;
    s.color = color;
    s.cells.resize(static_cast<std::size_t>(m_rowCount));
    m_scenarios.push_back(std::move(s));
    m_scenarioIsDirty = true;
    return scenarioCount() - 1;
}

void ScenarioTable::deleteScenario(int index)
{
    if (!scenario(index))
        return;
    m_scenarios.erase(m_scenarios.begin() + index);
    m_scenarioIsDirty = true;
}

void ScenarioTable::addColumnForNewTimeColumn(const std::string& scenarioName)
{
    Scenario s;
    s.name = scenarioName;
    s.color = colors::Black;
    s.cells.resize(static_cast<std::size_t>(m_rowCount));
    m_scenarios.push_back(std::move(s));
}

void ScenarioTable::setupScenariosGrid()
{
    m_scenarios.clear();
}

void ScenarioTable::resizeRows(int rows)
{
    m_rowCount = std::max(0, rows);
    for (auto& s : m_scenarios) {
        s.cells.resize(static_cast<std::size_t>(m_rowCount));
        s.lastRowWithData = std::min(s.lastRowWithData, m_rowCount);
    }
}

void ScenarioTable::setUpScenarioGridFinalPhase(PathwayType type)
{
    resizeRows(type == PathwayType::ConditionBased ? m_years->yearCount() : 0);
}

void ScenarioTable::writeToXml(XmlWriter& xml) const
{
    xml.startElement("scenarios");
    xml.textElement("beginyear", intToFileText(beginYear()));
    xml.textElement("endyear", intToFileText(endYear()));
    for (const Scenario& s : m_scenarios) {
        xml.startElement("scenario");
        xml.textElement("caption", s.name);
        xml.textElement("color", colorToString(s.color));
        for (int p = 0; p < ParameterCount; ++p)
            xml.textElement(kParameterNodes[static_cast<std::size_t>(p)],
                            floatToFileText(s.parameters[p]));
        const int rows = std::min(static_cast<int>(s.cells.size()), m_years->yearCount());
        for (int r = 1; r <= rows; ++r) {
            const Cell& c = s.cells[static_cast<std::size_t>(r - 1)];
            if (c.filled && c.defined)
                xml.textElement("year" + std::to_string(std::int64_t{beginYear()} + r - 1),
                                floatToFileText(c.value));
        }
        xml.endElement();
    }
    xml.endElement();
}

void ScenarioTable::readFromXml(const XmlDocument& xml, PathwayType type,
                                std::vector<std::string>* warnings)
{
    const pugi::xml_node section = xml.topLevel("scenarios");
    if (!section)
        return;
    static constexpr std::array<std::string_view, 2> yearNames{"beginyear", "endyear"};
    const auto yearNodes = firstChildren(section, yearNames);
    const std::int32_t beginDefault = type == PathwayType::ConditionBased ? 2010 : 0;
    const auto begin = parseFileInt(nodeText(yearNodes[0])).value_or(beginDefault);
    bool kept = m_years->setBeginYear(begin);
    const std::int64_t end =
        parseFileInt(nodeText(yearNodes[1])).value_or(std::int64_t{m_years->beginYear()} + 100);
    const auto endClamped = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(end, -ProjectYears::MaxAbsYear, ProjectYears::MaxAbsYear));
    kept = m_years->setEndYear(endClamped) && endClamped == end && kept;
    if (!kept && warnings)
        warnings->push_back("The scenario timeframe " + std::to_string(begin) + " to " +
                            std::to_string(end) + " was limited to " + std::to_string(beginYear()) +
                            " to " + std::to_string(endYear()) + ".");

    setupScenariosGrid();
    m_rowCount = m_years->yearCount();

    static constexpr std::array<std::string_view, 2 + ParameterCount> scenarioNames{
        "caption",          "color",
        kParameterNodes[0], kParameterNodes[1],
        kParameterNodes[2], kParameterNodes[3],
        kParameterNodes[4]};
    const std::size_t maxScenarios = std::min<std::size_t>(
        1'000'000, XmlDocument::MaxScenarioCells /
                       std::max<std::size_t>(1, static_cast<std::size_t>(m_rowCount)));
    for (pugi::xml_node node = section.child("scenario"); node;
         node = node.next_sibling("scenario")) {
        if (m_scenarios.size() >= maxScenarios)
            throw FileError("The file holds more than " + std::to_string(maxScenarios) +
                            " scenarios over " + std::to_string(m_rowCount) +
                            " years, more than Vantrel can keep in memory.");
        Scenario s;
        const auto c = firstChildren(node, scenarioNames);
        s.name = nodeText(c[0]);
        if (c[1])
            s.color = stringToColor(nodeText(c[1]));
        for (int p = 0; p < ParameterCount; ++p)
            if (c[static_cast<std::size_t>(2 + p)])
                s.parameters[p] =
                    roundToTwoDecimals(nodeFloat(c[static_cast<std::size_t>(2 + p)], 0.0));
        s.cells.resize(static_cast<std::size_t>(m_rowCount));
        const auto years = numberedChildren(node, "year", beginYear(), s.cells.size());
        for (std::size_t r = 0; r < years.size(); ++r) {
            if (!years[r])
                continue;
            s.cells[r].value = roundToGeneralText(nodeFloat(years[r], 0.0));
            s.cells[r].filled = true;
            s.cells[r].defined = true;
        }
        m_scenarios.push_back(std::move(s));
        interpolateScenario(scenarioCount() - 1);
    }
    m_scenarioIsDirty = false;
    for (int i = 0; i < scenarioCount(); ++i)
        m_scenarios[static_cast<std::size_t>(i)].lastRowWithData = calculateLastRowWithData(i);
}

} // namespace vantrel
