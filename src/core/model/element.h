// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/filetext.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

class ElementsList;

enum class PathwayType { ConditionBased, TimeBased };
enum class TippingType { ConditionBased, TimeBased };
enum class CombinationType { None, Combine, Sequence };

/// What the tipping-year operations need of the scenario store: the fractional year in which
/// scenario `scenario` reaches the condition value `value`.
class YearLookup {
public:
    virtual ~YearLookup() = default;
    virtual double yearOfValue(double value, int scenario) const = 0;
};

/// One action (a primary element) or one pathway element joining a predecessor (the pathway so
/// far) and a combination second, either combined or in sequence. Elements live in and are owned
/// by an ElementsList; links between them are element IDs.
class Element {
public:
    /// Colours a combination line can show; beyond this the stripes would be thinner than a
    /// pixel, and the count of a heavily shared combination tree grows exponentially.
    static constexpr int MaxColorCount = 1024;

    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    std::int32_t id() const { return m_myId; }
    void setId(std::int32_t id);

    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption);

    /// Own colour of an action; a pathway element shows the colour of its combination second.
    Color myColor() const;
    void setMyColor(Color color);

    double tippingPointValue() const { return m_tippingPointValue; }
    void setTippingPointValue(double value);

    std::int32_t predecessorId() const { return m_predecessorId; }
    void setPredecessorId(std::int32_t id);
    Element* predecessorElement() const;

    std::int32_t combinationSecondId() const { return m_combinationSecondId; }
    void setCombinationSecondId(std::int32_t id);
    Element* combinationSecondElement() const;

    CombinationType combinationType() const { return m_combinationType; }
    void setCombinationType(CombinationType type);

    bool isPrimaryElement() const { return m_combinationSecondId == -1; }
    bool isCombination() const { return m_combinationType == CombinationType::Combine; }
    int colorCount() const;

    double initialCosts() const { return m_initialCosts; }
    void setInitialCosts(double value);
    double transferCosts() const { return m_transferCosts; }
    void setTransferCosts(double value);
    /// Yearly costs: own for an action, the second's for a sequence, predecessor's plus
    /// second's for a combination.
    double recurrentCosts() const;
    /// The value stored in the element itself, whatever its kind.
    double storedRecurrentCosts() const { return m_recurrentCosts; }
    void setRecurrentCosts(double value);
    double coBenefits() const { return m_coBenefits; }
    void setCoBenefits(double value);

    TippingType tippingType() const { return m_tippingType; }
    void setTippingType(TippingType type);

    std::int32_t tweakX() const { return m_tweakX; }
    void setTweakX(std::int32_t value);
    std::int32_t tweakY() const { return m_tweakY; }
    void setTweakY(std::int32_t value);

    std::int32_t score1() const { return m_score1; }
    void setScore1(std::int32_t value);
    std::int32_t score2() const { return m_score2; }
    void setScore2(std::int32_t value);
    std::int32_t score3() const { return m_score3; }
    void setScore3(std::int32_t value);

    bool dimmed() const { return m_dimmed; }
    void setDimmed(bool value);

    // Map geometry; computed, never marks the list dirty.
    std::int32_t xCoordStart() const { return m_xCoordStart; }
    void setXCoordStart(std::int32_t x) { m_xCoordStart = x; }
    std::int32_t xCoordEnd() const { return m_xCoordEnd; }
    void setXCoordEnd(std::int32_t x) { m_xCoordEnd = x; }
    std::int32_t yCoord() const { return m_yCoord; }
    void setYCoord(std::int32_t y) { m_yCoord = y; }
    std::int32_t overshoot() const { return m_overshoot; }
    void setOvershoot(std::int32_t value) { m_overshoot = value; }

    ElementsList& elementsList() const { return *m_elementsList; }

    int childCount() const;
    int childNumber() const;
    int dependencyCount() const;

    /// The tipping year stored for a tipping-time column; 0 outside the stored columns.
    std::int32_t tippingTimeValue(int index) const;
    /// Stores a tipping year; `index` must be a valid column.
    void setTippingTimeValue(int index, std::int32_t year);
    int tippingTimeValuesLength() const { return static_cast<int>(m_tippingTimeValues.size()); }
    void addTippingTimeValues(int count);
    void deleteTippingTimeValue(int index);

    /// The tipping point in the project's unit: the condition value, or the year of column
    /// `index` in a time-based project.
    double tippingValue(int index) const;
    /// Where the element starts: its predecessor's tipping value, else the current situation's.
    double startTippingValue(int index) const;
    bool tipsLaterThanSecond(int index) const;
    /// The colours of the element's line, 0 <= index < colorCount(): a combination lists its
    /// second's colours first, then its predecessor's.
    Color colors(int index) const;

    std::int32_t calculatedTippingTimeValue(const YearLookup& scenarios, int timeColumn) const;
    std::int32_t calculatedStartTippingTimeValue(const YearLookup& scenarios, int column) const;
    bool isCalculatedTippingTimeValue(const YearLookup& scenarios, std::int32_t time,
                                      int timeIndex) const;

private:
    friend class ElementsList;
    Element(std::int32_t id, ElementsList& list);
    void markDirty();
    /// The element whose tipping point is this one's start: the predecessor, else the current
    /// situation; none for the current situation itself.
    const Element* startingElement() const;

    // The links come first: layouts walk them for every element, and keeping them on one
    // cache line keeps that walk fast on large projects.
    ElementsList* m_elementsList;
    std::int32_t m_myId = 0;
    std::int32_t m_predecessorId = -1;
    std::int32_t m_combinationSecondId = -1;
    CombinationType m_combinationType = CombinationType::None;
    std::int32_t m_yCoord = 0;
    std::int32_t m_tweakY = 0;
    double m_tippingPointValue = 0.0;
    Color m_myColor = 0;
    std::int32_t m_tweakX = 0;
    std::int32_t m_xCoordStart = 0;
    std::int32_t m_xCoordEnd = 0;
    std::int32_t m_overshoot = 0;
    bool m_dimmed = false;
    std::vector<std::int32_t> m_tippingTimeValues;
    std::string m_caption;
    double m_recurrentCosts = 0.0;
    double m_transferCosts = 0.0;
    double m_initialCosts = 0.0;
    double m_coBenefits = 0.0;
    TippingType m_tippingType = TippingType::ConditionBased;
    std::int32_t m_score1 = 0;
    std::int32_t m_score2 = 0;
    std::int32_t m_score3 = 0;
};

} // namespace vantrel
