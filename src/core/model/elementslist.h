// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/element.h"
#include "model/idcounts.h"
#include "model/projectyears.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vantrel {

class XmlDocument;
class XmlWriter;

/// The elements of one project in display order, with the project-wide settings the elements
/// depend on: pathway type, tipping-time columns and the current situation. Owns its elements.
///
/// Lookups by ID and the per-element link counts (ChildNumber and friends) are answered from
/// indexes built lazily in one pass, so laying out or loading a large project stays linear.
class ElementsList {
public:
    explicit ElementsList(std::shared_ptr<ProjectYears> years = nullptr);
    ~ElementsList();
    ElementsList(const ElementsList&) = delete;
    ElementsList& operator=(const ElementsList&) = delete;

    int count() const { return static_cast<int>(m_elements.size()); }
    Element& elements(int index) const { return *m_elements[static_cast<std::size_t>(index)]; }

    /// Appends a new element with the given ID (the model's `TElement.Create`).
    Element& createElement(std::int32_t id);
    /// Destroys the element at a position.
    void deleteElement(int index);
    void exchange(int a, int b);
    int indexOf(const Element* element) const;

    /// Position of the first element in list order with this ID; -1 if none.
    int findIndex(std::int32_t id) const;
    Element* findElement(std::int32_t id) const;

    std::int32_t currentElementId() const { return m_currentElementId; }
    void setCurrentElementId(std::int32_t id);
    Element* currentElement() const { return findElement(m_currentElementId); }

    PathwayType pathwayType() const { return m_pathwayType; }
    void setPathwayType(PathwayType type);

    bool isDirty() const { return m_isDirty; }
    void setIsDirty(bool dirty) { m_isDirty = dirty; }

    std::int32_t beginYear() const { return m_years->beginYear(); }
    void setBeginYear(std::int32_t year) { m_years->setBeginYear(year); }
    std::int32_t endYear() const { return m_years->endYear(); }
    void setEndYear(std::int32_t year) { m_years->setEndYear(year); }
    ProjectYears& years() const { return *m_years; }

    int tippingTimeValuesCount() const
    {
        return static_cast<int>(m_tippingTimeColumnCaptions.size());
    }
    int tippingConditionValuesCount() const
    {
        return m_pathwayType == PathwayType::ConditionBased ? 1 : 0;
    }
    const std::string& tippingTimeColumnCaptions(int index) const;
    void setTippingTimeColumnCaptions(int index, const std::string& caption);
    Color tippingTimeColumnColors(int index) const;
    void setTippingTimeColumnColors(int index, Color color);
    void addTippingTimeColumns(int colsToAdd);
    void deleteTippingTimeColumn(int column);

    /// 1 + the largest ID in the list, at least 1.
    std::int32_t newId() const;

    Element& addSimpleElement(const std::string& name, Color color, double tippingValue,
                              double initialCosts, double recurrentCosts,
                              const Element* predecessor, double startingValue,
                              double transferCosts);
    /// `secondId` must name an existing element.
    Element& addCombinationElement(const std::string& name, double tippingValue,
                                   std::int32_t firstId, std::int32_t secondId);
    void clearElements();

    int childCount(std::int32_t id) const;
    std::int32_t getParentId(std::int32_t id) const;
    std::int32_t getPredecessorId(std::int32_t id) const;
    int childNumber(std::int32_t id) const;
    int dependencyCount(std::int32_t id) const;
    double maxTippingPoint() const;
    int primaryCount() const;

    /// Appends the "vorazoda" section and clears the dirty flag.
    void writeToXml(XmlWriter& xml);
    /// Replaces the contents with the "vorazoda" section, if the document has one. A colour text
    /// that is not a colour throws ConversionError, leaving the elements read before it.
    /// Clamped years are reported in `warnings`.
    void readFromXml(const XmlDocument& xml, std::vector<std::string>* warnings = nullptr);

private:
    friend class Element;
    void idsChanged();
    void linksChanged();
    void ensureIdIndex() const;
    void ensureLinkIndex() const;
    void ensureDependencyIndex() const;
    bool fitsDenseIndex(std::int32_t id) const;
    /// IDs below this are indexed in plain vectors; see IdCounts.
    std::int64_t denseIdLimit() const;
    void noteId(std::int32_t id);

    std::vector<std::unique_ptr<Element>> m_elements;
    std::vector<std::string> m_tippingTimeColumnCaptions;
    std::vector<Color> m_tippingTimeColumnColors;
    std::int32_t m_currentElementId = 0;
    PathwayType m_pathwayType = PathwayType::ConditionBased;
    bool m_isDirty = false;
    std::shared_ptr<ProjectYears> m_years;

    // Lazily built indexes; see the class comment. IDs are usually 1..n, so the ID index is a
    // plain vector indexed by ID while the IDs allow, and a hash map otherwise.
    mutable bool m_idIndexValid = true;
    mutable bool m_idIndexDense = true;
    mutable std::vector<int> m_denseFirstIndex;
    mutable std::unordered_map<std::int32_t, int> m_firstIndexOfId;
    mutable bool m_linkIndexValid = true;
    mutable std::vector<int> m_childNumberAt;
    mutable IdCounts m_secondCount;
    mutable int m_primaryCount = 0;
    mutable bool m_dependencyIndexValid = true;
    mutable IdCounts m_dependencyCount;
    mutable bool m_maxIdValid = true;
    mutable std::int32_t m_maxId = 0;
    mutable bool m_hasMaxId = false;
};

} // namespace vantrel
