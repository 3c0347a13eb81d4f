// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/element.h"

#include "model/elementslist.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace vantrel {

namespace {

// Evaluates a value that an element derives from its parts (predecessor and second) without
// recursion, each shared part once: chains as long as the list cannot exhaust the stack, trees
// that share parts are not walked exponentially, and links that lead back to an element on the
// current path end the walk there with the `loop` value of the rules for that element.
template <typename V, typename Rules> V foldParts(const Element& root, const Rules& rules)
{
    if (auto v = rules.leaf(root))
        return *v;
    struct Frame {
        const Element* e;
        std::array<const Element*, 2> parts;
        int next = 0;
        std::array<std::optional<V>, 2> values{};
    };
    std::unordered_map<const Element*, V> memo;
    std::unordered_set<const Element*> onPath;
    std::vector<Frame> stack;
    stack.push_back({&root, rules.parts(root)});
    onPath.insert(&root);
    while (true) {
        Frame& f = stack.back();
        if (f.next < 2) {
            const int i = f.next++;
            const Element* p = f.parts[static_cast<std::size_t>(i)];
            if (!p)
                continue;
            if (auto leaf = rules.leaf(*p)) {
                f.values[static_cast<std::size_t>(i)] = *leaf;
            } else if (auto it = memo.find(p); it != memo.end()) {
                f.values[static_cast<std::size_t>(i)] = it->second;
            } else if (onPath.count(p)) {
                f.values[static_cast<std::size_t>(i)] = rules.loop(*p);
            } else {
                onPath.insert(p);
                stack.push_back({p, rules.parts(*p)});
            }
            continue;
        }
        const V value = rules.combine(f.values);
        const Element* done = f.e;
        stack.pop_back();
        if (stack.empty())
            return value;
        onPath.erase(done);
        memo.emplace(done, value);
        Frame& parent = stack.back();
        parent.values[static_cast<std::size_t>(parent.next - 1)] = value;
    }
}

struct ColorCountRules {
    std::optional<int> leaf(const Element& e) const
    {
        if (!e.isCombination())
            return 1;
        return std::nullopt;
    }
    std::array<const Element*, 2> parts(const Element& e) const
    {
        return {e.predecessorElement(), e.combinationSecondElement()};
    }
    int loop(const Element&) const { return 1; }
    int combine(const std::array<std::optional<int>, 2>& v) const
    {
        long sum = 0;
        for (const auto& x : v)
            sum += x.value_or(0);
        return static_cast<int>(std::clamp<long>(sum, 1, Element::MaxColorCount));
    }
};

struct RecurrentCostsRules {
    std::optional<double> leaf(const Element& e) const
    {
        if (e.isPrimaryElement())
            return e.storedRecurrentCosts();
        return std::nullopt;
    }
    std::array<const Element*, 2> parts(const Element& e) const
    {
        if (e.combinationType() == CombinationType::Sequence)
            return {e.combinationSecondElement(), nullptr};
        return {e.predecessorElement(), e.combinationSecondElement()};
    }
    double loop(const Element& e) const { return e.storedRecurrentCosts(); }
    double combine(const std::array<std::optional<double>, 2>& v) const
    {
        return v[0].value_or(0.0) + v[1].value_or(0.0);
    }
};

} // namespace

Element::Element(std::int32_t id, ElementsList& list) : m_elementsList(&list), m_myId(id)
{
    m_tippingTimeValues.assign(static_cast<std::size_t>(list.tippingTimeValuesCount()), 0);
}

void Element::markDirty()
{
    m_elementsList->m_isDirty = true;
}

void Element::setId(std::int32_t id)
{
    if (id == m_myId)
        return;
    m_myId = id;
    markDirty();
    m_elementsList->idsChanged();
}

void Element::setCaption(const std::string& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    markDirty();
}

Color Element::myColor() const
{
    // Follow seconds to an action. A dangling link ends at the element whose second is missing,
    // a loop (a walk longer than the list) at the element asked.
    const Element* e = this;
    for (int steps = 0; !e->isPrimaryElement(); ++steps) {
        const Element* second = e->combinationSecondElement();
        if (!second)
            return e->m_myColor;
        if (steps >= m_elementsList->count())
            return m_myColor;
        e = second;
    }
    return e->m_myColor;
}

void Element::setMyColor(Color color)
{
    if (color == m_myColor)
        return;
    m_myColor = color;
    markDirty();
}

void Element::setTippingPointValue(double value)
{
    if (value == m_tippingPointValue)
        return;
    m_tippingPointValue = value;
    markDirty();
}

void Element::setPredecessorId(std::int32_t id)
{
    if (id == m_predecessorId)
        return;
    m_predecessorId = id;
    markDirty();
    m_elementsList->linksChanged();
}

Element* Element::predecessorElement() const
{
    if (m_predecessorId < 0)
        return nullptr;
    return m_elementsList->findElement(m_predecessorId);
}

void Element::setCombinationSecondId(std::int32_t id)
{
    if (id == m_combinationSecondId)
        return;
    m_combinationSecondId = id;
    markDirty();
    m_elementsList->linksChanged();
}

Element* Element::combinationSecondElement() const
{
    return m_elementsList->findElement(m_combinationSecondId);
}

void Element::setCombinationType(CombinationType type)
{
    if (type == m_combinationType)
        return;
    m_combinationType = type;
    markDirty();
}

int Element::colorCount() const
{
    return foldParts<int>(*this, ColorCountRules{});
}

#define VANTREL_SETTER(Name, field, Type)                                                          \
    void Element::Name(Type value)                                                                 \
    {                                                                                              \
        if (value == field)                                                                        \
            return;                                                                                \
        field = value;                                                                             \
        markDirty();                                                                               \
    }

VANTREL_SETTER(setInitialCosts, m_initialCosts, double)
VANTREL_SETTER(setTransferCosts, m_transferCosts, double)
VANTREL_SETTER(setRecurrentCosts, m_recurrentCosts, double)
VANTREL_SETTER(setCoBenefits, m_coBenefits, double)
VANTREL_SETTER(setTippingType, m_tippingType, TippingType)
VANTREL_SETTER(setTweakX, m_tweakX, std::int32_t)
VANTREL_SETTER(setTweakY, m_tweakY, std::int32_t)
VANTREL_SETTER(setScore1, m_score1, std::int32_t)
VANTREL_SETTER(setScore2, m_score2, std::int32_t)
VANTREL_SETTER(setScore3, m_score3, std::int32_t)
VANTREL_SETTER(setDimmed, m_dimmed, bool)
#undef VANTREL_SETTER

double Element::recurrentCosts() const
{
    return foldParts<double>(*this, RecurrentCostsRules{});
}

int Element::childCount() const
{
    return m_elementsList->childCount(m_myId);
}
int Element::childNumber() const
{
    return m_elementsList->childNumber(m_myId);
}
int Element::dependencyCount() const
{
    return m_elementsList->dependencyCount(m_myId);
}

std::int32_t Element::tippingTimeValue(int index) const
{
    if (index < 0 || index >= tippingTimeValuesLength())
        return 0;
    return m_tippingTimeValues[static_cast<std::size_t>(index)];
}

void Element::setTippingTimeValue(int index, std::int32_t year)
{
    if (index < 0 || index >= tippingTimeValuesLength())
        return;
    auto& slot = m_tippingTimeValues[static_cast<std::size_t>(index)];
    if (slot == year)
        return;
    slot = year;
    markDirty();
}

void Element::addTippingTimeValues(int count)
{
    if (count <= 0)
        return;
    m_tippingTimeValues.insert(m_tippingTimeValues.end(), static_cast<std::size_t>(count), 0);
    markDirty();
}

void Element::deleteTippingTimeValue(int index)
{
    if (index < 0 || index >= tippingTimeValuesLength())
        return;
    m_tippingTimeValues.erase(m_tippingTimeValues.begin() + index);
    markDirty();
}

double Element::tippingValue(int index) const
{
    if (m_elementsList->pathwayType() == PathwayType::ConditionBased)
        return m_tippingPointValue;
    return static_cast<double>(tippingTimeValue(index));
}

const Element* Element::startingElement() const
{
    const Element* current = m_elementsList->currentElement();
    if (const Element* pred = predecessorElement(); pred && pred != current)
        return pred;
    if (m_elementsList->currentElementId() >= 0 && current && current != this)
        return current;
    return nullptr;
}

double Element::startTippingValue(int index) const
{
    const Element* start = startingElement();
    return start ? start->tippingValue(index) : 0.0;
}

bool Element::tipsLaterThanSecond(int index) const
{
    if (m_combinationSecondId <= 0)
        return false;
    const Element* second = combinationSecondElement();
    if (!second)
        return false;
    return second->tippingValue(index) < tippingValue(index);
}

Color Element::colors(int index) const
{
    const Element* e = this;
    int i = index;
    for (int steps = 0; steps <= m_elementsList->count(); ++steps) {
        if (i <= 0)
            return e->myColor();
        const Element* second = e->combinationSecondElement();
        if (!second)
            return e->myColor();
        const int secondColors = second->colorCount();
        if (i < secondColors) {
            e = second;
            continue;
        }
        const Element* pred = e->predecessorElement();
        if (!pred)
            return e->myColor();
        i -= secondColors;
        e = pred;
    }
    return myColor();
}

std::int32_t Element::calculatedTippingTimeValue(const YearLookup& scenarios, int timeColumn) const
{
    if (m_elementsList->pathwayType() == PathwayType::TimeBased)
        return tippingTimeValue(timeColumn);
    return roundHalfEven(scenarios.yearOfValue(m_tippingPointValue, timeColumn));
}

std::int32_t Element::calculatedStartTippingTimeValue(const YearLookup& scenarios, int column) const
{
    const Element* start = startingElement();
    return start ? start->calculatedTippingTimeValue(scenarios, column) : 0;
}

bool Element::isCalculatedTippingTimeValue(const YearLookup& scenarios, std::int32_t time,
                                           int timeIndex) const
{
    // A predecessor chain cannot be longer than the list; a longer walk is a loop.
    const Element* e = this;
    for (int steps = 0; e && steps < m_elementsList->count(); ++steps) {
        if (e->calculatedTippingTimeValue(scenarios, timeIndex) == time)
            return true;
        e = e->predecessorElement();
    }
    if (const Element* current = m_elementsList->currentElement();
        current && m_elementsList->currentElementId() >= 0)
        return current->calculatedTippingTimeValue(scenarios, timeIndex) == time;
    return false;
}

} // namespace vantrel
