// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/elementslist.h"

#include "xml/xmldocument.h"
#include "xml/xmlwriter.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>

namespace vantrel {

namespace {

const char* combinationTypeText(CombinationType type)
{
    switch (type) {
    case CombinationType::Combine:
        return "ctCombine";
    case CombinationType::Sequence:
        return "ctSequence";
    case CombinationType::None:
        break;
    }
    return "ctNone";
}

CombinationType combinationTypeFromText(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == "CTCOMBINE")
        return CombinationType::Combine;
    if (upper == "CTSEQUENCE")
        return CombinationType::Sequence;
    return CombinationType::None;
}

} // namespace

ElementsList::ElementsList(std::shared_ptr<ProjectYears> years)
    : m_years(years ? std::move(years) : std::make_shared<ProjectYears>())
{
}

ElementsList::~ElementsList() = default;

void ElementsList::idsChanged()
{
    m_idIndexValid = false;
    m_maxIdValid = false;
}

void ElementsList::linksChanged()
{
    m_linkIndexValid = false;
    m_dependencyIndexValid = false;
}

bool ElementsList::fitsDenseIndex(std::int32_t id) const
{
    return id >= 0 && std::int64_t{id} < denseIdLimit();
}

std::int64_t ElementsList::denseIdLimit() const
{
    return 4 * std::int64_t{count()} + 64;
}

void ElementsList::noteId(std::int32_t id)
{
    if (m_maxIdValid && (!m_hasMaxId || id > m_maxId)) {
        m_maxId = id;
        m_hasMaxId = true;
    }
}

Element& ElementsList::createElement(std::int32_t id)
{
    m_elements.push_back(std::unique_ptr<Element>(new Element(id, *this)));
    const int position = count() - 1;
    m_isDirty = true;
    // Keep the indexes current for the common case of appending.
    if (m_idIndexValid) {
        if (!m_idIndexDense) {
            m_firstIndexOfId.emplace(id, position);
        } else if (fitsDenseIndex(id)) {
            const auto slot = static_cast<std::size_t>(id);
            if (slot >= m_denseFirstIndex.size())
                m_denseFirstIndex.resize(std::max(slot + 1, 2 * m_denseFirstIndex.size()), -1);
            if (m_denseFirstIndex[slot] < 0)
                m_denseFirstIndex[slot] = position;
        } else {
            m_idIndexValid = false;
        }
    }
    if (m_linkIndexValid) {
        m_childNumberAt.push_back(m_secondCount.increment(-1));
        ++m_primaryCount;
    }
    if (m_dependencyIndexValid)
        m_dependencyCount.increment(-1);
    noteId(id);
    return *m_elements.back();
}

void ElementsList::deleteElement(int index)
{
    if (index < 0 || index >= count())
        return;
    m_elements.erase(m_elements.begin() + index);
    m_isDirty = true;
    idsChanged();
    linksChanged();
}

void ElementsList::exchange(int a, int b)
{
    if (a < 0 || b < 0 || a >= count() || b >= count() || a == b)
        return;
    std::swap(m_elements[static_cast<std::size_t>(a)], m_elements[static_cast<std::size_t>(b)]);
    m_isDirty = true;
    m_idIndexValid = false;
    linksChanged();
}

int ElementsList::indexOf(const Element* element) const
{
    if (!element)
        return -1;
    // The ID index finds the position directly unless IDs are shared.
    const int byId = findIndex(element->id());
    if (byId >= 0 && m_elements[static_cast<std::size_t>(byId)].get() == element)
        return byId;
    for (int i = 0; i < count(); ++i)
        if (m_elements[static_cast<std::size_t>(i)].get() == element)
            return i;
    return -1;
}

void ElementsList::ensureIdIndex() const
{
    if (m_idIndexValid)
        return;
    bool dense = true;
    std::int32_t maxId = -1;
    for (const auto& e : m_elements) {
        dense = dense && fitsDenseIndex(e->id());
        maxId = std::max(maxId, e->id());
    }
    m_idIndexDense = dense;
    m_denseFirstIndex.clear();
    m_firstIndexOfId.clear();
    if (dense) {
        m_denseFirstIndex.assign(static_cast<std::size_t>(maxId + 1), -1);
        for (int i = count() - 1; i >= 0; --i)
            m_denseFirstIndex[static_cast<std::size_t>(
                m_elements[static_cast<std::size_t>(i)]->id())] = i;
    } else {
        m_firstIndexOfId.reserve(m_elements.size());
        for (int i = 0; i < count(); ++i)
            m_firstIndexOfId.emplace(m_elements[static_cast<std::size_t>(i)]->id(), i);
    }
    m_idIndexValid = true;
}

void ElementsList::ensureLinkIndex() const
{
    if (m_linkIndexValid)
        return;
    m_childNumberAt.resize(m_elements.size());
    m_secondCount.reset(denseIdLimit());
    m_primaryCount = 0;
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        const Element& e = *m_elements[i];
        m_childNumberAt[i] = m_secondCount.increment(e.combinationSecondId());
        if (e.isPrimaryElement())
            ++m_primaryCount;
    }
    m_linkIndexValid = true;
}

void ElementsList::ensureDependencyIndex() const
{
    if (m_dependencyIndexValid)
        return;
    m_dependencyCount.reset(denseIdLimit());
    for (const auto& ep : m_elements) {
        const Element& e = *ep;
        m_dependencyCount.increment(e.combinationSecondId());
        if (e.predecessorId() != e.combinationSecondId())
            m_dependencyCount.increment(e.predecessorId());
    }
    m_dependencyIndexValid = true;
}

int ElementsList::findIndex(std::int32_t id) const
{
    ensureIdIndex();
    if (m_idIndexDense) {
        if (id < 0 || static_cast<std::size_t>(id) >= m_denseFirstIndex.size())
            return -1;
        return m_denseFirstIndex[static_cast<std::size_t>(id)];
    }
    auto it = m_firstIndexOfId.find(id);
    return it == m_firstIndexOfId.end() ? -1 : it->second;
}

Element* ElementsList::findElement(std::int32_t id) const
{
    const int index = findIndex(id);
    return index < 0 ? nullptr : m_elements[static_cast<std::size_t>(index)].get();
}

void ElementsList::setCurrentElementId(std::int32_t id)
{
    m_currentElementId = id;
    m_isDirty = true;
}

void ElementsList::setPathwayType(PathwayType type)
{
    m_pathwayType = type;
    m_isDirty = true;
}

const std::string& ElementsList::tippingTimeColumnCaptions(int index) const
{
    static const std::string empty;
    if (index < 0 || index >= tippingTimeValuesCount())
        return empty;
    return m_tippingTimeColumnCaptions[static_cast<std::size_t>(index)];
}

void ElementsList::setTippingTimeColumnCaptions(int index, const std::string& caption)
{
    if (index < 0 || index >= tippingTimeValuesCount())
        return;
    m_tippingTimeColumnCaptions[static_cast<std::size_t>(index)] = caption;
    m_isDirty = true;
}

Color ElementsList::tippingTimeColumnColors(int index) const
{
    if (index < 0 || index >= tippingTimeValuesCount())
        return colors::Black;
    return m_tippingTimeColumnColors[static_cast<std::size_t>(index)];
}

void ElementsList::setTippingTimeColumnColors(int index, Color color)
{
    if (index < 0 || index >= tippingTimeValuesCount())
        return;
    m_tippingTimeColumnColors[static_cast<std::size_t>(index)] = color;
    m_isDirty = true;
}

void ElementsList::addTippingTimeColumns(int colsToAdd)
{
    if (colsToAdd <= 0)
        return;
    const int old = tippingTimeValuesCount();
    for (int i = old; i < old + colsToAdd; ++i) {
        m_tippingTimeColumnCaptions.push_back("Scenario" + std::to_string(i));
        m_tippingTimeColumnColors.push_back(0);
    }
    for (auto& e : m_elements)
        e->addTippingTimeValues(colsToAdd);
    m_isDirty = true;
}

void ElementsList::deleteTippingTimeColumn(int column)
{
    if (column < 0 || column >= tippingTimeValuesCount())
        return;
    for (auto& e : m_elements)
        e->deleteTippingTimeValue(column);
    m_tippingTimeColumnCaptions.erase(m_tippingTimeColumnCaptions.begin() + column);
    m_tippingTimeColumnColors.erase(m_tippingTimeColumnColors.begin() + column);
    m_isDirty = true;
}

std::int32_t ElementsList::newId() const
{
    if (!m_maxIdValid) {
        m_hasMaxId = false;
        for (const auto& e : m_elements) {
            if (!m_hasMaxId || e->id() > m_maxId) {
                m_maxId = e->id();
                m_hasMaxId = true;
            }
        }
        m_maxIdValid = true;
    }
    if (!m_hasMaxId || m_maxId < 1)
        return 1;
    // An ID at the top of the range (only from a hand-edited file) cannot be followed.
    if (m_maxId == std::numeric_limits<std::int32_t>::max())
        return m_maxId;
    return m_maxId + 1;
}

Element& ElementsList::addSimpleElement(const std::string& name, Color color, double tippingValue,
                                        double initialCosts, double recurrentCosts,
                                        const Element* predecessor, double /*startingValue*/,
                                        double /*transferCosts*/)
{
    Element& e = createElement(newId());
    e.setCaption(name);
    e.setMyColor(color);
    if (m_pathwayType == PathwayType::ConditionBased)
        e.setTippingPointValue(tippingValue);
    else if (tippingTimeValuesCount() > 0)
        e.setTippingTimeValue(0, roundHalfEven(tippingValue));
    e.setPredecessorId(predecessor ? predecessor->id() : -1);
    e.setCombinationSecondId(-1);
    e.setInitialCosts(initialCosts);
    e.setRecurrentCosts(recurrentCosts);
    m_isDirty = true;
    return e;
}

Element& ElementsList::addCombinationElement(const std::string& name, double tippingValue,
                                             std::int32_t firstId, std::int32_t secondId)
{
    const Element* second = findElement(secondId);
    const double secondInitialCosts = second ? second->initialCosts() : 0.0;
    Element& e = createElement(newId());
    e.setCaption(name);
    e.setInitialCosts(secondInitialCosts);
    if (m_pathwayType == PathwayType::ConditionBased)
        e.setTippingPointValue(tippingValue);
    else if (tippingTimeValuesCount() > 0)
        e.setTippingTimeValue(0, roundHalfEven(tippingValue));
    e.setPredecessorId(firstId);
    e.setCombinationSecondId(secondId);
    m_isDirty = true;
    return e;
}

void ElementsList::clearElements()
{
    while (!m_elements.empty())
        m_elements.pop_back();
    m_firstIndexOfId.clear();
    m_denseFirstIndex.clear();
    m_idIndexDense = true;
    m_idIndexValid = true;
    m_childNumberAt.clear();
    m_secondCount.reset(0);
    m_primaryCount = 0;
    m_linkIndexValid = true;
    m_dependencyCount.reset(0);
    m_dependencyIndexValid = true;
    m_hasMaxId = false;
    m_maxIdValid = true;
    m_isDirty = false;
}

int ElementsList::childCount(std::int32_t id) const
{
    ensureLinkIndex();
    return m_secondCount.count(id);
}

std::int32_t ElementsList::getParentId(std::int32_t id) const
{
    const Element* e = findElement(id);
    return e ? e->combinationSecondId() : -1;
}

std::int32_t ElementsList::getPredecessorId(std::int32_t id) const
{
    const Element* e = findElement(id);
    return e ? e->predecessorId() : -1;
}

int ElementsList::childNumber(std::int32_t id) const
{
    const int index = findIndex(id);
    if (index < 0)
        return 0;
    ensureLinkIndex();
    return m_childNumberAt[static_cast<std::size_t>(index)];
}

int ElementsList::dependencyCount(std::int32_t id) const
{
    ensureDependencyIndex();
    return m_dependencyCount.count(id);
}

double ElementsList::maxTippingPoint() const
{
    double result = 0.0;
    for (const auto& e : m_elements)
        if (e->tippingPointValue() > result)
            result = e->tippingPointValue();
    return result;
}

int ElementsList::primaryCount() const
{
    ensureLinkIndex();
    return m_primaryCount;
}

void ElementsList::writeToXml(XmlWriter& xml)
{
    const bool timeBased = m_pathwayType == PathwayType::TimeBased;
    const int columns = tippingTimeValuesCount();
    xml.startElement("vorazoda");
    xml.textElement("pathwaytype", timeBased ? "timebased" : "conditionbased");
    if (timeBased) {
        xml.textElement("tippingvaluescount", intToFileText(columns));
        for (int i = 0; i < columns; ++i) {
            const std::string n = std::to_string(i);
            xml.textElement("TippingTimeCaption" + n, tippingTimeColumnCaptions(i));
            xml.textElement("TippingTimeColor" + n, colorToString(tippingTimeColumnColors(i)));
        }
    }
    xml.textElement("BeginYear", intToFileText(beginYear()));
    xml.textElement("EndYear", intToFileText(endYear()));
    for (const auto& ep : m_elements) {
        const Element& e = *ep;
        xml.startElement("element");
        xml.attribute("id", intToFileText(e.id()));
        xml.textElement("caption", e.caption());
        xml.textElement("color", colorToString(e.myColor()));
        if (timeBased) {
            for (int i = 0; i < columns; ++i)
                xml.textElement("tippingtimevalue" + std::to_string(i),
                                intToFileText(e.tippingTimeValue(i)));
        } else {
            xml.textElement("tippingpointvalue", floatToFileText(e.tippingPointValue()));
        }
        xml.textElement("ycoord", intToFileText(e.yCoord()));
        xml.textElement("predecessorid", intToFileText(e.predecessorId()));
        xml.textElement("combinationsecond", intToFileText(e.combinationSecondId()));
        xml.textElement("combinationtype", combinationTypeText(e.combinationType()));
        xml.textElement("tweakx", intToFileText(e.tweakX()));
        xml.textElement("tweaky", intToFileText(e.tweakY()));
        xml.textElement("initialcosts", floatToFileText(e.initialCosts()));
        xml.textElement("transfercosts", floatToFileText(e.transferCosts()));
        xml.textElement("recurrentcosts", floatToFileText(e.recurrentCosts()));
        xml.textElement("cobenefits", floatToFileText(e.coBenefits()));
        xml.textElement("score1", intToFileText(e.score1()));
        xml.textElement("score2", intToFileText(e.score2()));
        xml.textElement("score3", intToFileText(e.score3()));
        xml.textElement("dimmed", boolToFileText(e.dimmed()));
        xml.endElement();
    }
    xml.textElement("CurrentElement", intToFileText(m_currentElementId));
    xml.endElement();
    m_isDirty = false;
}

void ElementsList::readFromXml(const XmlDocument& xml, std::vector<std::string>* warnings)
{
    const pugi::xml_node section = xml.topLevel("vorazoda");
    if (!section)
        return;
    clearElements();
    m_pathwayType = PathwayType::ConditionBased;

    enum Slot { PathwayTypeNode, BeginYearNode, EndYearNode, CountNode, CurrentNode, SlotCount };
    static constexpr std::array<std::string_view, SlotCount> sectionNames{
        "pathwaytype", "BeginYear", "EndYear", "tippingvaluescount", "CurrentElement"};
    const auto nodes = firstChildren(section, sectionNames);

    if (nodes[PathwayTypeNode] && nodeText(nodes[PathwayTypeNode]) == "timebased")
        m_pathwayType = PathwayType::TimeBased;
    const bool timeBased = m_pathwayType == PathwayType::TimeBased;

    const std::int32_t beginDefault = timeBased ? 0 : 2010;
    const std::int32_t endDefault = timeBased ? 100 : 2100;
    const std::int32_t begin = nodeInt(nodes[BeginYearNode], beginDefault);
    const std::int32_t end = nodeInt(nodes[EndYearNode], endDefault);
    bool yearsKept = m_years->setBeginYear(begin);
    yearsKept = m_years->setEndYear(end) && yearsKept;
    if (!yearsKept && warnings)
        warnings->push_back("The timeframe " + std::to_string(begin) + " to " +
                            std::to_string(end) + " was limited to " +
                            std::to_string(m_years->beginYear()) + " to " +
                            std::to_string(m_years->endYear()) + ".");

    if (timeBased) {
        // Columns beyond what any project uses would only multiply memory per element.
        constexpr std::int32_t maxColumns = 1000;
        std::int32_t columns = nodeInt(nodes[CountNode], 1);
        if (columns > maxColumns) {
            if (warnings)
                warnings->push_back("The number of tipping-time columns " +
                                    std::to_string(columns) + " was limited to " +
                                    std::to_string(maxColumns) + ".");
            columns = maxColumns;
        }
        addTippingTimeColumns(columns);
        const auto count = static_cast<std::size_t>(tippingTimeValuesCount());
        const auto captions = numberedChildren(section, "TippingTimeCaption", 0, count);
        const auto colors = numberedChildren(section, "TippingTimeColor", 0, count);
        for (std::size_t i = 0; i < count; ++i) {
            if (captions[i])
                m_tippingTimeColumnCaptions[i] = nodeText(captions[i]);
            if (colors[i])
                m_tippingTimeColumnColors[i] = stringToColor(nodeText(colors[i]));
        }
    }

    enum ElementSlot {
        Caption,
        ColorNode,
        TippingPoint,
        Predecessor,
        Second,
        Combination,
        TweakX,
        YCoord,
        TweakY,
        Initial,
        Transfer,
        Recurrent,
        CoBenefits,
        Score1,
        Score2,
        Score3,
        Dimmed,
        ElementSlotCount
    };
    static constexpr std::array<std::string_view, ElementSlotCount> elementNames{
        "caption",
        "color",
        "tippingpointvalue",
        "predecessorid",
        "combinationsecond",
        "combinationtype",
        "tweakx",
        "ycoord",
        "tweaky",
        "initialcosts",
        "transfercosts",
        "recurrentcosts",
        "cobenefits",
        "score1",
        "score2",
        "score3",
        "dimmed"};
    const auto columns = static_cast<std::size_t>(tippingTimeValuesCount());

    const std::size_t maxElements = std::min<std::size_t>(
        10'000'000, XmlDocument::MaxTippingYearCells / std::max<std::size_t>(1, columns));
    for (pugi::xml_node node = section.child("element"); node;
         node = node.next_sibling("element")) {
        const std::string idText = attributeText(node, "id");
        if (idText.empty())
            continue;
        if (m_elements.size() >= maxElements)
            throw FileError("The file holds more than " + std::to_string(maxElements) +
                            " elements, more than Vantrel can keep in memory.");
        Element& e = createElement(fileTextToIntDef(idText, 0));
        const auto c = firstChildren(node, elementNames);
        e.m_caption = nodeText(c[Caption]);
        if (c[ColorNode])
            e.m_myColor = stringToColor(nodeText(c[ColorNode]));
        e.m_tippingPointValue = nodeFloat(c[TippingPoint], 0.0);
        if (columns > 0) {
            const auto years = numberedChildren(node, "tippingtimevalue", 0, columns);
            for (std::size_t i = 0; i < columns; ++i)
                if (years[i])
                    e.m_tippingTimeValues[i] = roundHalfEven(nodeFloat(years[i], 0.0));
        }
        e.m_predecessorId = nodeInt(c[Predecessor], -1);
        e.m_combinationSecondId = nodeInt(c[Second], -1);
        e.m_combinationType = c[Combination] ? combinationTypeFromText(nodeText(c[Combination]))
                                             : CombinationType::None;
        e.m_tweakX = nodeInt(c[TweakX], 0);
        e.m_yCoord = nodeInt(c[YCoord], 0);
        e.m_tweakY = nodeInt(c[TweakY], 0);
        e.m_initialCosts = nodeFloat(c[Initial], 0.0);
        e.m_transferCosts = nodeFloat(c[Transfer], 0.0);
        e.m_recurrentCosts = nodeFloat(c[Recurrent], 0.0);
        e.m_coBenefits = nodeFloat(c[CoBenefits], 0.0);
        e.m_score1 = nodeInt(c[Score1], 0);
        e.m_score2 = nodeInt(c[Score2], 0);
        e.m_score3 = nodeInt(c[Score3], 0);
        e.m_dimmed = c[Dimmed] && nodeInt(c[Dimmed], 0) == 1;
    }
    // Links were written straight into the fields above.
    linksChanged();

    if (nodes[CurrentNode])
        m_currentElementId = nodeInt(nodes[CurrentNode], -1);
    m_isDirty = false;
}

} // namespace vantrel
