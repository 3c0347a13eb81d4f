// SPDX-License-Identifier: GPL-3.0-or-later
#include "costs/benefitcurve.h"

#include "map/pathwaygraphics.h"
#include "model/filetext.h"
#include "xml/xmldocument.h"
#include "xml/xmlwriter.h"

#include <algorithm>
#include <array>

namespace vantrel {

BenefitCurve::BenefitCurve(const PathwayGraphics& map) : m_map(&map)
{
    m_conditions.resize(static_cast<std::size_t>(m_nrOfSteps) + 1);
    m_benefits.assign(static_cast<std::size_t>(m_nrOfSteps) + 1, m_benefitsMin);
    updateFrame();
}

double BenefitCurve::conditionMinValue() const
{
    return m_map->minTippingPointValue();
}
double BenefitCurve::conditionMaxValue() const
{
    return m_map->maxTippingPointValue();
}

double BenefitCurve::spacedCondition(int i) const
{
    const double lo = conditionMinValue();
    const double hi = conditionMaxValue();
    return lo + static_cast<double>(i) / m_nrOfSteps * (hi - lo);
}

double BenefitCurve::stepCondition(int i) const
{
    if (i < 0 || i > m_nrOfSteps)
        return 0.0;
    return m_conditions[static_cast<std::size_t>(i)];
}

double BenefitCurve::stepBenefit(int i) const
{
    if (i < 0 || i > m_nrOfSteps)
        return 0.0;
    return m_benefits[static_cast<std::size_t>(i)];
}

void BenefitCurve::setStepBenefit(int i, double benefit)
{
    if (i < 0 || i > m_nrOfSteps)
        return;
    m_benefits[static_cast<std::size_t>(i)] = benefit;
    m_isDirty = true;
}

void BenefitCurve::setNrOfSteps(int steps)
{
    if (steps == m_nrOfSteps)
        return;
    const int old = m_nrOfSteps;
    m_nrOfSteps = std::clamp(steps, MinSteps, MaxSteps);
    updateStepRows(old);
}

void BenefitCurve::updateStepRows(int oldSteps)
{
    const auto size = static_cast<std::size_t>(m_nrOfSteps) + 1;
    m_conditions.resize(size);
    m_benefits.resize(size);
    for (int i = 0; i <= m_nrOfSteps; ++i) {
        m_conditions[static_cast<std::size_t>(i)] = spacedCondition(i);
        if (i > oldSteps)
            m_benefits[static_cast<std::size_t>(i)] = m_benefits[static_cast<std::size_t>(i - 1)];
    }
    m_isDirty = true;
}

double BenefitCurve::findBenefit(double condition) const
{
    int b = -1;
    for (int i = 0; i <= m_nrOfSteps; ++i)
        if (m_conditions[static_cast<std::size_t>(i)] < condition)
            b = i;
    if (b == -1)
        return m_benefits.front();
    if (b == m_nrOfSteps)
        return m_benefits.back();
    const auto k = static_cast<std::size_t>(b);
    return m_benefits[k] + (condition - m_conditions[k]) * (m_benefits[k + 1] - m_benefits[k]) /
                               (m_conditions[k + 1] - m_conditions[k]);
}

void BenefitCurve::conditionSetMinMax(double minValue, double maxValue)
{
    m_conditionAxisMin = minValue;
    m_conditionAxisMax = maxValue;
}

void BenefitCurve::benefitsSetMinMax(double minValue, double maxValue)
{
    m_benefitsMin = minValue;
    m_benefitsMax = maxValue;
}

void BenefitCurve::fillData()
{
    for (int i = 0; i <= m_nrOfSteps; ++i) {
        m_conditions[static_cast<std::size_t>(i)] = spacedCondition(i);
        m_benefits[static_cast<std::size_t>(i)] = m_benefitsMin;
    }
    m_isDirty = true;
}

void BenefitCurve::updateFrame()
{
    for (int i = 0; i <= m_nrOfSteps; ++i)
        m_conditions[static_cast<std::size_t>(i)] = spacedCondition(i);
}

void BenefitCurve::writeToXml(XmlWriter& xml) const
{
    xml.startElement("benefits");
    xml.textElement("conditionminvalue", floatToFileText(conditionMinValue()));
    xml.textElement("conditionmaxvalue", floatToFileText(conditionMaxValue()));
    xml.textElement("benefitsminvalue", floatToFileText(m_benefitsMin));
    xml.textElement("benefitsmaxvalue", floatToFileText(m_benefitsMax));
    xml.textElement("steps", intToFileText(m_nrOfSteps));
    for (int i = 0; i <= m_nrOfSteps; ++i)
        xml.textElement("step" + std::to_string(i),
                        floatToFileText(m_benefits[static_cast<std::size_t>(i)]));
    xml.endElement();
}

void BenefitCurve::readFromXml(const XmlDocument& xml)
{
    const pugi::xml_node section = xml.topLevel("benefits");
    if (!section)
        return;
    static constexpr std::array<std::string_view, 5> names{
        "conditionminvalue", "conditionmaxvalue", "benefitsminvalue", "benefitsmaxvalue", "steps"};
    const auto n = firstChildren(section, names);
    // A bound pair is taken only when both bounds are there and the maximum exceeds the minimum.
    if (n[0] && n[1]) {
        const double lo = nodeFloat(n[0], 0.0);
        const double hi = nodeFloat(n[1], 0.0);
        if (hi > lo)
            conditionSetMinMax(lo, hi);
    }
    if (n[2] && n[3]) {
        const double lo = nodeFloat(n[2], 0.0);
        const double hi = nodeFloat(n[3], 0.0);
        if (hi > lo)
            benefitsSetMinMax(lo, hi);
    }
    if (n[4])
        setNrOfSteps(nodeInt(n[4], 0));
    fillData();
    const auto steps =
        numberedChildren(section, "step", 0, static_cast<std::size_t>(m_nrOfSteps) + 1);
    for (std::size_t i = 0; i < steps.size(); ++i)
        if (steps[i])
            setStepBenefit(static_cast<int>(i), nodeFloat(steps[i], 0.0));
}

} // namespace vantrel
