// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace vantrel {

class PathwayGraphics;
class XmlDocument;
class XmlWriter;

/// The benefit a condition value (or, in a time-based project, a year) brings: a piecewise
/// linear curve through N + 1 evenly spaced steps over the map's axis range. Only the benefits
/// are free; the step conditions follow the map's range.
class BenefitCurve {
public:
    static constexpr int MinSteps = 2;
    static constexpr int MaxSteps = 20;

    /// The curve as the program has it after start-up: 4 steps of benefit 0 over the map's range,
    /// benefit axis 0 to 100.
    explicit BenefitCurve(const PathwayGraphics& map);

    double conditionMinValue() const;
    double conditionMaxValue() const;
    double benefitsMinValue() const { return m_benefitsMin; }
    double benefitsMaxValue() const { return m_benefitsMax; }

    int nrOfSteps() const { return m_nrOfSteps; }
    /// Changes the number of steps (kept within 2..20); new steps continue the last benefit.
    void setNrOfSteps(int steps);

    double stepCondition(int i) const;
    double stepBenefit(int i) const;
    void setStepBenefit(int i, double benefit);

    bool isDirty() const { return m_isDirty; }
    void setIsDirty(bool dirty) { m_isDirty = dirty; }

    double findBenefit(double condition) const;

    /// Bounds of the chart's condition axis (display only).
    void conditionSetMinMax(double minValue, double maxValue);
    double conditionAxisMin() const { return m_conditionAxisMin; }
    double conditionAxisMax() const { return m_conditionAxisMax; }
    void benefitsSetMinMax(double minValue, double maxValue);

    /// Resets every step to the benefits minimum.
    void fillData();
    /// Moves the step conditions to the map's current range; benefits stay, not marked changed.
    void updateFrame();

    void writeToXml(XmlWriter& xml) const;
    void readFromXml(const XmlDocument& xml);

private:
    void updateStepRows(int oldSteps);
    double spacedCondition(int i) const;

    const PathwayGraphics* m_map;
    int m_nrOfSteps = 4;
    std::vector<double> m_conditions;
    std::vector<double> m_benefits;
    double m_benefitsMin = 0.0;
    double m_benefitsMax = 100.0;
    double m_conditionAxisMin = 0.0;
    double m_conditionAxisMax = 100.0;
    bool m_isDirty = false;
};

} // namespace vantrel
