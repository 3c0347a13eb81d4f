// SPDX-License-Identifier: GPL-3.0-or-later
// Reading defaults and tolerant reading of each section of the project file.
#include "project/project.h"
#include "xml/xmldocument.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

std::unique_ptr<Project> openText(const std::string& body)
{
    return Project::openBytes("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                              "<Version>1.0</Version>" +
                                  body,
                              "test.pathway");
}

// --- vorazoda ----------------------------------------------------------------------------------

TEST(ElementsSection, MissingSectionLeavesTheListAsItWas)
{
    ElementsList list;
    list.addSimpleElement("kept", 0, 1, 0, 0, nullptr, 0, 0);
    list.setCurrentElementId(7);
    const auto doc = XmlDocument::parse("<scenarios/>", "x");
    list.readFromXml(doc);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.currentElementId(), 7);
    EXPECT_TRUE(list.isDirty());
}

TEST(ElementsSection, DefaultsOfAnEmptyConditionBasedSection)
{
    auto p = openText("<vorazoda><element id=\"3\"/></vorazoda>");
    const ElementsList& list = p->elements();
    EXPECT_EQ(list.pathwayType(), PathwayType::ConditionBased);
    EXPECT_EQ(p->beginYear(), 2010);
    EXPECT_EQ(p->endYear(), 2100);
    EXPECT_EQ(list.currentElementId(), -1);
    const Element& e = list.elements(0);
    EXPECT_EQ(e.caption(), "");
    EXPECT_EQ(e.myColor(), 0u);
    EXPECT_EQ(e.predecessorId(), -1);
    EXPECT_EQ(e.combinationSecondId(), -1);
    EXPECT_EQ(e.combinationType(), CombinationType::None);
    EXPECT_FALSE(e.dimmed());
}

TEST(ElementsSection, DefaultsOfAnEmptyTimeBasedSection)
{
    auto p = openText("<vorazoda><pathwaytype>timebased</pathwaytype></vorazoda>");
    const ElementsList& list = p->elements();
    EXPECT_EQ(list.pathwayType(), PathwayType::TimeBased);
    EXPECT_EQ(p->beginYear(), 0);
    EXPECT_EQ(p->endYear(), 100);
    ASSERT_EQ(list.tippingTimeValuesCount(), 1);
    EXPECT_EQ(list.tippingTimeColumnCaptions(0), "Scenario0");
    EXPECT_EQ(list.tippingTimeColumnColors(0), colors::Black);
}

TEST(ElementsSection, PathwayTypeTextIsCaseSensitive)
{
    auto p = openText("<vorazoda><pathwaytype>TimeBased</pathwaytype></vorazoda>");
    EXPECT_EQ(p->elements().pathwayType(), PathwayType::ConditionBased);
}

TEST(ElementsSection, ElementsWithoutIdAreSkippedAndNonNumericIdsBecomeZero)
{
    auto p = openText("<vorazoda><element><caption>a</caption></element>"
                      "<element id=\"\"><caption>b</caption></element>"
                      "<element id=\"x1\"><caption>c</caption></element>"
                      "<element id=\"5\"><caption>d</caption></element>"
                      "<element id=\"5\"><caption>e</caption></element></vorazoda>");
    const ElementsList& list = p->elements();
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.elements(0).id(), 0);
    EXPECT_EQ(list.elements(0).caption(), "c");
    // Duplicate IDs both stay; lookups find the first.
    EXPECT_EQ(list.findElement(5)->caption(), "d");
}

struct CombinationTypeCase {
    const char* node;
    CombinationType expected;
};
class CombinationTypeText : public testing::TestWithParam<CombinationTypeCase> {};

TEST_P(CombinationTypeText, IsTrimmedAndComparedInUpperCase)
{
    // The element before is always a combination, so nothing may carry over.
    auto p = openText(std::string("<vorazoda><element id=\"1\"><combinationtype>ctCombine"
                                  "</combinationtype></element><element id=\"2\">") +
                      GetParam().node + "</element></vorazoda>");
    EXPECT_EQ(p->elements().elements(1).combinationType(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CombinationTypeText,
    testing::Values(
        CombinationTypeCase{"<combinationtype>ctCombine</combinationtype>",
                            CombinationType::Combine},
        CombinationTypeCase{"<combinationtype>  ctcombine </combinationtype>",
                            CombinationType::Combine},
        CombinationTypeCase{"<combinationtype>CTSEQUENCE</combinationtype>",
                            CombinationType::Sequence},
        CombinationTypeCase{"<combinationtype>ctNone</combinationtype>", CombinationType::None},
        CombinationTypeCase{"<combinationtype>combine</combinationtype>", CombinationType::None},
        CombinationTypeCase{"", CombinationType::None}));

struct NumberCase {
    const char* text;
    double tippingPoint;
    std::int32_t tippingYear;
};
class ElementNumbers : public testing::TestWithParam<NumberCase> {};

TEST_P(ElementNumbers, ReadTolerantly)
{
    const auto& c = GetParam();
    auto cond = openText(std::string("<vorazoda><element id=\"1\"><tippingpointvalue>") + c.text +
                         "</tippingpointvalue></element></vorazoda>");
    EXPECT_EQ(cond->elements().elements(0).tippingPointValue(), c.tippingPoint);
    auto time = openText(std::string("<vorazoda><pathwaytype>timebased</pathwaytype>"
                                     "<element id=\"1\"><tippingtimevalue0>") +
                         c.text + "</tippingtimevalue0></element></vorazoda>");
    EXPECT_EQ(time->elements().elements(0).tippingTimeValue(0), c.tippingYear);
}

INSTANTIATE_TEST_SUITE_P(Texts, ElementNumbers,
                         testing::Values(NumberCase{"12,5", 12.5, 12},
                                         NumberCase{"1e3", 1000, 1000}, NumberCase{"", 0, 0},
                                         NumberCase{"2040.5", 2040.5, 2040},
                                         NumberCase{"2041.5", 2041.5, 2042},
                                         NumberCase{"1.234,5", 0, 0}, NumberCase{" 7 ", 7, 7}));

TEST(ElementsSection, IntegersAndFlagsFallBackToTheirDefaults)
{
    auto p = openText("<vorazoda><element id=\"1\"><predecessorid>1.5</predecessorid>"
                      "<combinationsecond>99999999999</combinationsecond><tweakx>-4</tweakx>"
                      "<dimmed>2</dimmed><score1>x</score1></element>"
                      "<element id=\"2\"><dimmed>1</dimmed></element>"
                      "<CurrentElement>one</CurrentElement></vorazoda>");
    const ElementsList& list = p->elements();
    EXPECT_EQ(list.elements(0).predecessorId(), -1);
    EXPECT_EQ(list.elements(0).combinationSecondId(), -1);
    EXPECT_EQ(list.elements(0).tweakX(), -4);
    EXPECT_FALSE(list.elements(0).dimmed());
    EXPECT_TRUE(list.elements(1).dimmed());
    EXPECT_EQ(list.elements(0).score1(), 0);
    EXPECT_EQ(list.currentElementId(), -1);
}

TEST(ElementsSection, ColumnsKeepTheirGeneratedNamesWhereTheFileHasNone)
{
    auto p = openText("<vorazoda><pathwaytype>timebased</pathwaytype>"
                      "<tippingvaluescount>3</tippingvaluescount>"
                      "<TippingTimeCaption1>Wet</TippingTimeCaption1>"
                      "<TippingTimeColor2>$000000FF</TippingTimeColor2></vorazoda>");
    const ElementsList& list = p->elements();
    ASSERT_EQ(list.tippingTimeValuesCount(), 3);
    EXPECT_EQ(list.tippingTimeColumnCaptions(0), "Scenario0");
    EXPECT_EQ(list.tippingTimeColumnCaptions(1), "Wet");
    EXPECT_EQ(list.tippingTimeColumnColors(2), colors::Red);
}

TEST(ElementsSection, AbsurdTimeframeIsLimitedWithANote)
{
    auto p = openText("<vorazoda><BeginYear>-2000000000</BeginYear>"
                      "<EndYear>2000000000</EndYear></vorazoda>"
                      "<scenarios><beginyear>2000</beginyear><endyear>2147483647</endyear>"
                      "<scenario><caption>S</caption><year2005>1</year2005></scenario>"
                      "</scenarios>");
    EXPECT_EQ(p->beginYear(), 2000);
    EXPECT_EQ(p->endYear(), 2000 + ProjectYears::MaxYearSpan - 1);
    EXPECT_EQ(p->scenarios().yearRowCount(), ProjectYears::MaxYearSpan);
    EXPECT_EQ(p->warnings().size(), 2u);
}

// --- scenarios ---------------------------------------------------------------------------------

TEST(ScenariosSection, WritesOnlyDefinedYearsAndRebuildsTheGaps)
{
    auto p = openText("<vorazoda/><scenarios><beginyear>2020</beginyear><endyear>2025</endyear>"
                      "<scenario><caption>S</caption><color>clRed</color>"
                      "<year2024>2</year2024><year2020>1,0</year2020><year1990>5</year1990>"
                      "<year2030>9</year2030><discountrate>abc</discountrate>"
                      "<factorinitialcosts>1.005</factorinitialcosts></scenario></scenarios>");
    const ScenarioTable& s = p->scenarios();
    ASSERT_EQ(s.scenarioCount(), 1);
    EXPECT_EQ(s.cellValue(0, 2021), 1.25);
    EXPECT_EQ(s.cellValue(0, 2022), 1.5);
    EXPECT_EQ(s.cellValue(0, 2023), 1.75);
    EXPECT_FALSE(s.definedValue(0, 2023));
    EXPECT_FALSE(s.cellValue(0, 2025).has_value());
    EXPECT_EQ(s.lastRowWithData(0), 5);
    EXPECT_EQ(s.scenarioDiscountRate(0), 0);
    EXPECT_EQ(s.scenarioFactorInitialCosts(0), 1.0); // two decimals, as the table keeps them
    const std::string written = p->toFileBytes();
    EXPECT_NE(written.find("<year2020>1</year2020>\r\n    <year2024>2</year2024>\r\n"
                           "  </scenario>"),
              std::string::npos);
}

TEST(ScenariosSection, YearDefaults)
{
    auto cond = openText("<vorazoda/><scenarios/>");
    EXPECT_EQ(cond->beginYear(), 2010);
    EXPECT_EQ(cond->endYear(), 2110);
    auto time = openText("<vorazoda><pathwaytype>timebased</pathwaytype></vorazoda>"
                         "<scenarios><endyear>x</endyear><scenario/></scenarios>");
    EXPECT_EQ(time->beginYear(), 0);
    EXPECT_EQ(time->endYear(), 100);
    EXPECT_EQ(time->scenarios().scenarioCount(), 1);
    EXPECT_EQ(time->scenarios().scenarioName(0), "");
    EXPECT_EQ(time->scenarios().scenarioColor(0), colors::None);
    // A time-based project keeps no yearly rows.
    EXPECT_EQ(time->scenarios().yearRowCount(), 0);
}

// --- graphsettings -----------------------------------------------------------------------------

TEST(GraphSettingsSection, ReadingDefaultsDifferFromANewMap)
{
    auto none = openText("<vorazoda/>");
    const PathwayGraphics& g = none->graphics();
    EXPECT_EQ(g.maxTippingPointValue(), 20000);
    EXPECT_EQ(g.ticksXAxis(), 3);
    EXPECT_EQ(g.xAxisDecimalPlaces(), -1);
    EXPECT_TRUE(g.showXAxis());
    EXPECT_EQ(g.xAxisTitle(), "[no caption]");
    EXPECT_FALSE(none->graphicsSettingIsDirty());

    auto fresh = Project::newProject(PathwayType::ConditionBased, 2020);
    const std::string written = fresh->toFileBytes();
    for (const char* node :
         {"<maxtippingpoint>100</maxtippingpoint>", "<mintippingpoint>0</mintippingpoint>",
          "<showxaxis>1</showxaxis>", "<ticksxaxis>11</ticksxaxis>",
          "<xaxistitle>[no caption]</xaxistitle>", "<xaxisdecimals>0</xaxisdecimals>"})
        EXPECT_NE(written.find(node), std::string::npos) << node;
}

struct GraphCase {
    const char* children;
    double max;
    bool showAxis;
    int ticks;
    int width;
};
class GraphSettingsValues : public testing::TestWithParam<GraphCase> {};

TEST_P(GraphSettingsValues, FallBackPerSetting)
{
    const auto& c = GetParam();
    auto p = openText(std::string("<graphsettings>") + c.children + "</graphsettings>");
    const PathwayGraphics& g = p->graphics();
    EXPECT_EQ(g.maxTippingPointValue(), c.max);
    EXPECT_EQ(g.showXAxis(), c.showAxis);
    EXPECT_EQ(g.ticksXAxis(), c.ticks);
    EXPECT_EQ(g.drawingAreaWidth(), c.width);
}

INSTANTIATE_TEST_SUITE_P(
    Children, GraphSettingsValues,
    testing::Values(GraphCase{"<maxtippingpoint>12,5</maxtippingpoint>", 12.5, true, 3, 1000},
                    GraphCase{"<maxtippingpoint>lots</maxtippingpoint>", 20000, true, 3, 1000},
                    GraphCase{"<showxaxis>0</showxaxis>", 20000, false, 3, 1000},
                    GraphCase{"<showxaxis>2</showxaxis>", 20000, false, 3, 1000},
                    GraphCase{"<showxaxis>yes</showxaxis>", 20000, true, 3, 1000},
                    GraphCase{"<ticksxaxis>7</ticksxaxis><drawingareawidth>1.5"
                              "</drawingareawidth>",
                              20000, true, 7, 1000}));

// --- actionsgrid -------------------------------------------------------------------------------

TEST(ActionsGridSection, SkipsEntriesThatNameNoColumnOrYear)
{
    auto p = openText("<vorazoda><pathwaytype>timebased</pathwaytype>"
                      "<tippingvaluescount>3</tippingvaluescount></vorazoda>"
                      "<actionsgrid><CostColCount>5</CostColCount>"
                      "<CostCol0>5</CostCol0><CostYear0>2030</CostYear0>"
                      "<CostCol1>1</CostCol1><CostYear1>2030</CostYear1>"
                      "<CostCol2>2</CostCol2><CostYear2>-1</CostYear2>"
                      "<CostCol3>x</CostCol3><CostYear3>2040</CostYear3>"
                      "<CostCol4>0</CostCol4></actionsgrid>");
    EXPECT_EQ(p->calculatedCostCols(), (CalculatedCostColList{CalculatedCostCol(1, 2030)}));
    EXPECT_FALSE(p->actionGridIsDirty());
}

TEST(ActionsGridSection, HugeCountCostsNothing)
{
    auto p = openText("<vorazoda><pathwaytype>timebased</pathwaytype></vorazoda>"
                      "<actionsgrid><CostColCount>2147483647</CostColCount>"
                      "<CostCol0>0</CostCol0><CostYear0>2030</CostYear0></actionsgrid>");
    EXPECT_EQ(p->calculatedCostCols().size(), 1u);
}

// --- benefits ----------------------------------------------------------------------------------

TEST(BenefitsSection, MissingStepsGetTheBenefitsMinimum)
{
    auto p = openText("<graphsettings><maxtippingpoint>30</maxtippingpoint></graphsettings>"
                      "<benefits><benefitsminvalue>2</benefitsminvalue>"
                      "<benefitsmaxvalue>50</benefitsmaxvalue><steps>3</steps>"
                      "<step0>4</step0><step2>8</step2></benefits>");
    const BenefitCurve& b = p->benefits();
    EXPECT_EQ(b.nrOfSteps(), 3);
    EXPECT_EQ(b.stepBenefit(0), 4);
    EXPECT_EQ(b.stepBenefit(1), 2);
    EXPECT_EQ(b.stepBenefit(2), 8);
    EXPECT_EQ(b.stepBenefit(3), 2);
    EXPECT_EQ(b.stepCondition(3), 30);
    EXPECT_FALSE(b.isDirty());
}

TEST(BenefitsSection, BoundsNeedBothValuesAndAPositiveRangeAndStepsAreLimited)
{
    auto p = openText("<benefits><benefitsminvalue>5</benefitsminvalue>"
                      "<benefitsmaxvalue>5</benefitsmaxvalue><conditionminvalue>1"
                      "</conditionminvalue><steps>99</steps></benefits>");
    const BenefitCurve& b = p->benefits();
    EXPECT_EQ(b.benefitsMinValue(), 0);
    EXPECT_EQ(b.benefitsMaxValue(), 100);
    EXPECT_EQ(b.nrOfSteps(), BenefitCurve::MaxSteps);
    auto low = openText("<benefits><steps>x</steps></benefits>");
    EXPECT_EQ(low->benefits().nrOfSteps(), BenefitCurve::MinSteps);
}

TEST(BenefitsSection, MissingSectionKeepsTheStartUpCurve)
{
    auto p = openText("<vorazoda/>");
    EXPECT_EQ(p->benefits().nrOfSteps(), 4);
    EXPECT_EQ(p->benefits().benefitsMaxValue(), 100);
}

} // namespace
} // namespace vantrel
