// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/project.h"

#include "project/atomicfile.h"
#include "xml/xmldocument.h"
#include "xml/xmlwriter.h"

#include <ctime>

namespace vantrel {

std::int32_t currentCalendarYear()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

Project::Project()
    : m_years(std::make_shared<ProjectYears>()), m_elements(m_years), m_scenarios(m_years),
      m_benefits(m_graphics)
{
    m_elements.setCurrentElementId(-1);
    clearDirtyFlags();
}

std::unique_ptr<Project> Project::newProject(PathwayType type,
                                             std::optional<std::int32_t> beginYear)
{
    auto project = std::make_unique<Project>();
    project->newPathway(type, beginYear.value_or(currentCalendarYear()));
    project->finishStartUp();
    return project;
}

std::unique_ptr<Project> Project::open(const std::string& path)
{
    const std::string bytes = readWholeFile(path, XmlDocument::MaxFileSize);
    return openBytes(bytes, path);
}

std::unique_ptr<Project> Project::openBytes(std::string_view bytes, const std::string& name)
{
    auto project = std::make_unique<Project>();
    project->loadPathway(bytes, name);
    project->finishStartUp();
    return project;
}

void Project::newPathway(PathwayType type, std::int32_t beginYear)
{
    m_elements.setPathwayType(type);
    if (type == PathwayType::TimeBased) {
        m_elements.addTippingTimeColumns(1);
        m_scenarios.addColumnForNewTimeColumn(m_elements.tippingTimeColumnCaptions(0));
        setBeginYear(0);
        setEndYear(100);
    } else {
        setBeginYear(beginYear);
        setEndYear(2100);
    }
    Element& current =
        m_elements.addSimpleElement("Current Situation", colors::Gray, 10, 0, 0, nullptr, 0, 0);
    m_elements.setCurrentElementId(current.id());
    m_graphics.setMinTippingPointValue(0);
    m_graphics.setMaxTippingPointValue(100);
}

void Project::loadPathway(std::string_view bytes, const std::string& name)
{
    m_fileVersion = 0;
    const XmlDocument doc = XmlDocument::parse(bytes, name);
    if (const pugi::xml_node version = doc.topLevel("Version"))
        m_fileVersion = fileTextToFloatDef(nodeText(version), 0.0);
    try {
        m_elements.readFromXml(doc, &m_warnings);
        m_graphics.readFromXml(doc);
        m_scenarios.readFromXml(doc, m_elements.pathwayType(), &m_warnings);
    } catch (const FileError& e) {
        throw FileError("Cannot read file \"" + name + "\". " + e.what());
    }
    if (readActionsGridSection(doc, m_elements, m_costCols))
        m_actionGridIsDirty = true;
    m_benefits.readFromXml(doc);
    clearDirtyFlags();
}

void Project::finishStartUp()
{
    clearDirtyFlags();
    m_scenarios.setUpScenarioGridFinalPhase(m_elements.pathwayType());
    m_graphics.setDimmedColor(rgb(232, 232, 232));
    m_graphics.setDimmedPercentage(80);
    m_graphics.setDimmedOption(1);
    if (m_fileVersion < 1)
        m_graphics.autoCalculateYCoordinates(m_elements, m_scenarios);
}

void Project::setEndYear(std::int32_t year)
{
    m_years->setEndYear(year);
    m_scenarios.setUpScenarioGridFinalPhase(m_elements.pathwayType());
}

std::string Project::toFileBytes()
{
    // About 650 bytes per element and 30 per defined scenario value; a little more is harmless.
    const std::size_t values = static_cast<std::size_t>(m_scenarios.scenarioCount()) *
                               static_cast<std::size_t>(m_scenarios.yearRowCount());
    XmlWriter xml(4096 + 700 * static_cast<std::size_t>(m_elements.count()) + 32 * values);
    xml.textElement("Version", "1.0");
    m_elements.writeToXml(xml);
    m_scenarios.writeToXml(xml);
    m_graphics.writeToXml(xml);
    writeActionsGridSection(xml, m_costCols);
    m_benefits.writeToXml(xml);
    return xml.takeDocument();
}

void Project::save(const std::string& path)
{
    // Writing the list section clears its flag; a failed write must leave every flag set.
    const bool wasDirty = m_elements.isDirty();
    const std::string bytes = toFileBytes();
    try {
        writeFileAtomically(path, bytes);
    } catch (...) {
        m_elements.setIsDirty(wasDirty);
        throw;
    }
    clearDirtyFlags();
}

bool Project::isModified() const
{
    return m_elements.isDirty() || m_scenarios.scenarioIsDirty() || m_graphicsSettingIsDirty ||
           m_actionGridIsDirty || m_benefits.isDirty();
}

void Project::clearDirtyFlags()
{
    m_elements.setIsDirty(false);
    m_scenarios.setScenarioIsDirty(false);
    m_graphicsSettingIsDirty = false;
    m_actionGridIsDirty = false;
    m_benefits.setIsDirty(false);
}

void Project::addCalculatedCostCol(std::int32_t timeColumn, std::int32_t year)
{
    m_costCols.emplace_back(timeColumn, year);
    m_actionGridIsDirty = true;
}

void Project::deleteCalculatedCostCol(int index)
{
    if (index < 0 || index >= static_cast<int>(m_costCols.size()))
        return;
    m_costCols.erase(m_costCols.begin() + index);
    m_actionGridIsDirty = true;
}

} // namespace vantrel
