// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/elementproperties.h"
#include "model/elementslist.h"
#include "project/project.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vantrel {
namespace {

namespace ep = elementproperties;

struct Lists {
    std::unique_ptr<Project> condition = Project::newProject(PathwayType::ConditionBased, 2020);
    std::unique_ptr<Project> time = Project::newProject(PathwayType::TimeBased);

    Lists()
    {
        ElementsList& list = condition->elements();
        Element& dikes =
            list.addSimpleElement("Dikes", rgb(200, 0, 0), 40, 0, 0, list.currentElement(), 0, 0);
        Element& barrier =
            list.addSimpleElement("Barrier", rgb(0, 0, 200), 60, 0, 0, list.currentElement(), 0, 0);
        list.addCombinationElement("Dikes + Barrier", 80, dikes.id(), barrier.id())
            .setCombinationType(CombinationType::Combine);
        ElementsList& years = time->elements();
        years.addSimpleElement("Dikes", rgb(200, 0, 0), 50, 0, 0, years.currentElement(), 0, 0);
        years.addTippingTimeColumns(1);
        years.setTippingTimeColumnCaptions(1, "Dry");
        years.setTippingTimeColumnColors(1, rgb(0, 128, 0));
    }
    Element& dikes() { return condition->elements().elements(1); }
    Element& pathway() { return condition->elements().elements(3); }
};

std::vector<std::string> labels(const std::vector<ep::Row>& rows)
{
    std::vector<std::string> result;
    for (const ep::Row& row : rows)
        result.push_back(row.label);
    return result;
}

TEST(PropertyRows, ConditionBasedHasAConditionRowAndNoTimeRows)
{
    Lists lists;
    const auto rows = ep::rows(lists.dikes());
    EXPECT_EQ(labels(rows), (std::vector<std::string>{"ID", "Color", "Action", "Type", "Dimmed",
                                                      "YCoord", "Condition"}));
    EXPECT_EQ(ep::firstTimeColumnRow(lists.condition->elements()), 8);
    EXPECT_EQ(rows[0].value, "2");
    EXPECT_EQ(rows[0].background, ep::IdBackground);
    EXPECT_EQ(rows[6].value, "40.00");
    EXPECT_EQ(rows[6].editValue, "40");
}

TEST(PropertyRows, TimeBasedHasOneRowPerColumnFromRowSeven)
{
    Lists lists;
    const ElementsList& list = lists.time->elements();
    const auto rows = ep::rows(list.elements(1));
    EXPECT_EQ(labels(rows), (std::vector<std::string>{"ID", "Color", "Action", "Type", "Dimmed",
                                                      "YCoord", "Scenario0", "Dry"}));
    EXPECT_EQ(ep::firstTimeColumnRow(list), 7);
    EXPECT_EQ(rows[6].value, "50");
    EXPECT_EQ(rows[7].labelColor, rgb(0, 128, 0));
    EXPECT_EQ(rows[7].background, ep::TimeColumnBackground);
}

TEST(PropertyRows, TypeRowIsEditableForCombinedOrSequencedPathwaysOnly)
{
    Lists lists;
    const auto action = ep::rows(lists.dikes())[3];
    EXPECT_EQ(action.value, "");
    EXPECT_EQ(action.editor, ep::Editor::None);
    EXPECT_EQ(action.background, ep::CreamBackground);
    const auto pathway = ep::rows(lists.pathway())[3];
    EXPECT_EQ(pathway.value, "Combine");
    EXPECT_EQ(pathway.editor, ep::Editor::List);
    EXPECT_FALSE(pathway.background.has_value());
    lists.pathway().setCombinationType(CombinationType::None);
    EXPECT_EQ(ep::rows(lists.pathway())[3].editor, ep::Editor::None);
}

TEST(PropertyRows, OnlyActionsAreRecolouredHere)
{
    Lists lists;
    EXPECT_EQ(ep::rows(lists.dikes())[1].editor, ep::Editor::ColorChooser);
    EXPECT_EQ(ep::rows(lists.pathway())[1].editor, ep::Editor::None);
}

TEST(PropertyRows, ValueBelowWhereTheElementStartsTurnsRed)
{
    struct Row {
        const char* name;
        int element;
        double value;
        bool red;
    };
    // The current situation tips at 10, Dikes (the pathway's predecessor) at 40.
    const Row rows[] = {
        {"action above the current situation", 1, 11, false},
        {"action equal to the current situation", 1, 10, false},
        {"action below the current situation", 1, 9, true},
        {"current situation has no reference", 0, -100, false},
        {"pathway above its predecessor", 3, 45, false},
        {"pathway below its predecessor", 3, 35, true},
    };
    for (const Row& row : rows) {
        Lists lists;
        Element& e = lists.condition->elements().elements(row.element);
        e.setTippingPointValue(row.value);
        const ep::Row condition = ep::rows(e)[6];
        EXPECT_EQ(condition.belowReference, row.red) << row.name;
        EXPECT_EQ(condition.background,
                  row.red ? ep::BelowReferenceBackground : ep::ConditionBackground)
            << row.name;
    }
}

TEST(PropertyRows, TimeRowTurnsRedBelowTheCurrentSituationsYearOfThatColumn)
{
    Lists lists;
    ElementsList& list = lists.time->elements();
    list.currentElement()->setTippingTimeValue(1, 30);
    list.elements(1).setTippingTimeValue(1, 20);
    const auto rows = ep::rows(list.elements(1));
    EXPECT_FALSE(rows[6].belowReference);
    EXPECT_TRUE(rows[7].belowReference);
}

TEST(ApplyText, ChangesOnlyWhatReallyChanges)
{
    struct Row {
        const char* name;
        ep::Kind kind;
        const char* text;
        ep::EditResult result;
    };
    const Row rows[] = {
        {"new caption", ep::Kind::Caption, "Raised dikes", ep::EditResult::Changed},
        {"same caption", ep::Kind::Caption, "Dikes", ep::EditResult::Unchanged},
        {"caption differing in case", ep::Kind::Caption, "dikes", ep::EditResult::Changed},
        {"new row", ep::Kind::YCoord, "250", ep::EditResult::Changed},
        {"same row", ep::Kind::YCoord, "0", ep::EditResult::Unchanged},
        {"row not a whole number", ep::Kind::YCoord, "2.5", ep::EditResult::Refused},
        {"new condition", ep::Kind::Condition, "35.5", ep::EditResult::Changed},
        {"condition with a comma", ep::Kind::Condition, "35,5", ep::EditResult::Changed},
        {"same condition", ep::Kind::Condition, "40", ep::EditResult::Unchanged},
        {"condition not a number", ep::Kind::Condition, "abc", ep::EditResult::Refused},
        {"type of an action", ep::Kind::Type, "Sequence", ep::EditResult::Refused},
        {"id", ep::Kind::Id, "7", ep::EditResult::Refused},
    };
    for (const Row& row : rows) {
        Lists lists;
        lists.condition->elements().setIsDirty(false);
        EXPECT_EQ(ep::applyText(lists.dikes(), row.kind, -1, row.text), row.result) << row.name;
        EXPECT_EQ(lists.condition->elements().isDirty(), row.result == ep::EditResult::Changed)
            << row.name;
    }
}

TEST(ApplyText, TakesValuesAsTheGridReadsThem)
{
    Lists lists;
    ep::applyText(lists.dikes(), ep::Kind::Condition, -1, "35,25");
    EXPECT_DOUBLE_EQ(lists.dikes().tippingPointValue(), 35.25);
    ep::applyText(lists.dikes(), ep::Kind::YCoord, -1, "250");
    EXPECT_EQ(lists.dikes().yCoord(), 250);
    ep::applyText(lists.pathway(), ep::Kind::Type, -1, "Sequence");
    EXPECT_EQ(lists.pathway().combinationType(), CombinationType::Sequence);
}

TEST(ApplyText, TimeRowRoundsToTheNearestYearHalvesToEven)
{
    struct Row {
        const char* text;
        int year;
    };
    const Row rows[] = {{"42", 42}, {"42.5", 42}, {"43.5", 44}, {"42,6", 43}};
    for (const Row& row : rows) {
        Lists lists;
        Element& dikes = lists.time->elements().elements(1);
        EXPECT_EQ(ep::applyText(dikes, ep::Kind::TimeColumn, 1, row.text), ep::EditResult::Changed)
            << row.text;
        EXPECT_EQ(dikes.tippingTimeValue(1), row.year) << row.text;
        EXPECT_EQ(dikes.tippingTimeValue(0), 50) << row.text;
    }
}

TEST(TwoDecimals, ShowsTwoDecimalsWithAPoint)
{
    EXPECT_EQ(ep::twoDecimals(35.5), "35.50");
    EXPECT_EQ(ep::twoDecimals(-0.004), "-0.00");
    EXPECT_EQ(ep::twoDecimals(1e35), "1E35");
}

} // namespace
} // namespace vantrel
