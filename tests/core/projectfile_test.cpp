// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/project.h"
#include "projectfixtures.h"
#include "testsupport.h"
#include "xml/xmldocument.h"
#include "xml/xmlwriter.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::dataPath;
using test::readFile;

const std::string kBom = "\xEF\xBB\xBF";
const std::string kDecl = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";

/// A file made of the declaration and the given top-level nodes, CR LF between lines.
std::string fileOf(const std::string& body)
{
    return kBom + kDecl + "\r\n" + body;
}

std::unique_ptr<Project> openText(const std::string& body)
{
    return Project::openBytes(fileOf(body), "test.pathway");
}

void expectSameBytes(const std::string& expected, const std::string& actual, const char* name)
{
    if (expected == actual)
        return;
    const auto kept = test::keepActualOutput(name, actual);
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    ADD_FAILURE() << "written file differs from the expected one at byte " << at
                  << "; actual output kept in " << kept
                  << "\nexpected: " << expected.substr(at > 40 ? at - 40 : 0, 80)
                  << "\nactual:   " << actual.substr(at > 40 ? at - 40 : 0, 80);
}

TEST(ProjectFileWriting, MatchesTheHandWrittenConditionBasedFile)
{
    auto project = test::makeConditionProject();
    expectSameBytes(readFile(dataPath("expected-condition.pathway")), project->toFileBytes(),
                    "expected-condition.pathway");
}

TEST(ProjectFileWriting, MatchesTheHandWrittenTimeBasedSection)
{
    ElementsList list;
    list.setPathwayType(PathwayType::TimeBased);
    list.addTippingTimeColumns(2);
    list.setTippingTimeColumnCaptions(0, "Wet");
    list.setTippingTimeColumnColors(1, 0x00123456);
    list.setBeginYear(0);
    list.setEndYear(100);
    Element& current =
        list.addSimpleElement("Current Situation", colors::Gray, 10, 0, 0, nullptr, 0, 0);
    current.setYCoord(260);
    list.setCurrentElementId(current.id());
    Element& levee = list.addSimpleElement("Levee", 0x008000, 2.5, 0, 0, &current, 0, 0);
    levee.setTippingTimeValue(1, -40);

    XmlWriter xml;
    xml.textElement("Version", "1.0");
    list.writeToXml(xml);
    EXPECT_FALSE(list.isDirty());
    expectSameBytes(readFile(dataPath("expected-timebased-section.pathway")), xml.document(),
                    "expected-timebased-section.pathway");
}

TEST(ProjectFileWriting, EmptyElementWithChildrenSlotIsSelfClosing)
{
    XmlWriter xml;
    xml.startElement("a");
    xml.attribute("q", "x'\"&<>");
    xml.endElement();
    EXPECT_EQ(xml.document(), kBom + kDecl + "\r\n<a q=\"x'&quot;&amp;&lt;&gt;\"/>");
}

// Every stored field survives a save and a load; derived colours and costs are written derived.
TEST(ProjectFileRoundTrip, KeepsEveryStoredField)
{
    auto original = test::makeConditionProject();
    const std::string bytes = original->toFileBytes();
    auto loaded = Project::openBytes(bytes, "round.pathway");

    const ElementsList& a = original->elements();
    const ElementsList& b = loaded->elements();
    ASSERT_EQ(a.count(), b.count());
    for (int i = 0; i < a.count(); ++i) {
        const Element& x = a.elements(i);
        const Element& y = b.elements(i);
        SCOPED_TRACE(x.id());
        EXPECT_EQ(x.id(), y.id());
        EXPECT_EQ(x.caption(), y.caption());
        EXPECT_EQ(x.myColor(), y.myColor());
        EXPECT_EQ(x.tippingPointValue(), y.tippingPointValue());
        EXPECT_EQ(x.yCoord(), y.yCoord());
        EXPECT_EQ(x.predecessorId(), y.predecessorId());
        EXPECT_EQ(x.combinationSecondId(), y.combinationSecondId());
        EXPECT_EQ(x.combinationType(), y.combinationType());
        EXPECT_EQ(x.tweakX(), y.tweakX());
        EXPECT_EQ(x.tweakY(), y.tweakY());
        // Numbers are stored with 15 significant digits.
        EXPECT_EQ(roundToGeneralText(x.initialCosts()), y.initialCosts());
        EXPECT_EQ(x.transferCosts(), y.transferCosts());
        EXPECT_EQ(x.recurrentCosts(), y.recurrentCosts());
        EXPECT_EQ(x.coBenefits(), y.coBenefits());
        EXPECT_EQ(x.score1(), y.score1());
        EXPECT_EQ(x.score2(), y.score2());
        EXPECT_EQ(x.score3(), y.score3());
        EXPECT_EQ(x.dimmed(), y.dimmed());
    }
    EXPECT_EQ(b.currentElementId(), 1);
    EXPECT_EQ(b.elements(3).storedRecurrentCosts(), 150);

    const ScenarioTable& s = loaded->scenarios();
    ASSERT_EQ(s.scenarioCount(), 2);
    EXPECT_EQ(s.scenarioName(0), "Low");
    EXPECT_EQ(s.scenarioColor(0), 0xFF0000u);
    EXPECT_EQ(s.scenarioDiscountRate(0), 3.46);
    EXPECT_EQ(s.scenarioGrowthRate(0), -1.5);
    EXPECT_EQ(s.scenarioColor(1), colors::None);
    EXPECT_TRUE(s.definedValue(0, 2024));
    EXPECT_FALSE(s.definedValue(0, 2022));
    EXPECT_EQ(s.cellValue(0, 2022), 1.5);
    EXPECT_EQ(s.lastRowWithData(0), 5);

    EXPECT_EQ(loaded->graphics().maxTippingPointValue(), 3);
    EXPECT_EQ(loaded->graphics().minTippingPointValue(), -0.5);
    EXPECT_FALSE(loaded->graphics().showXAxis());
    EXPECT_EQ(loaded->graphics().xAxisTitle(), "Sea level rise [m]");
    EXPECT_EQ(loaded->graphics().xAxisDecimalPlaces(), -1);
    EXPECT_EQ(loaded->benefits().nrOfSteps(), 2);
    EXPECT_EQ(loaded->benefits().stepBenefit(1), 5.5);
    // A condition-based project writes its cost columns but does not read them.
    EXPECT_TRUE(loaded->calculatedCostCols().empty());
    EXPECT_FALSE(loaded->isModified());

    // Saving what was loaded and loading it again changes nothing more.
    const std::string again = loaded->toFileBytes();
    EXPECT_EQ(Project::openBytes(again, "again.pathway")->toFileBytes(), again);
}

TEST(ProjectFileRoundTrip, TimeBasedProjectKeepsColumnsAndCostColumns)
{
    auto p = Project::newProject(PathwayType::TimeBased);
    p->elements().addTippingTimeColumns(2);
    p->elements().setTippingTimeColumnCaptions(2, "Dry & hot");
    p->elements().elements(0).setTippingTimeValue(2, 2077);
    p->addCalculatedCostCol(2, 2040);
    p->addCalculatedCostCol(0, -5);
    auto loaded = Project::openBytes(p->toFileBytes(), "t.pathway");
    const ElementsList& list = loaded->elements();
    EXPECT_EQ(list.pathwayType(), PathwayType::TimeBased);
    ASSERT_EQ(list.tippingTimeValuesCount(), 3);
    EXPECT_EQ(list.tippingTimeColumnCaptions(2), "Dry & hot");
    EXPECT_EQ(list.elements(0).tippingTimeValue(0), 10);
    EXPECT_EQ(list.elements(0).tippingTimeValue(2), 2077);
    EXPECT_EQ(loaded->calculatedCostCols(),
              (CalculatedCostColList{CalculatedCostCol(2, 2040), CalculatedCostCol(0, -5)}));
    EXPECT_EQ(loaded->calculatedCostCols()[0].caption(list), "[2040] Dry & hot");
    EXPECT_FALSE(loaded->isModified());
}

TEST(ProjectFileLayout, StartsAndEndsAsThePresetFilesDo)
{
    const std::string bytes = Project::newProject(PathwayType::ConditionBased, 2017)->toFileBytes();
    EXPECT_EQ(bytes.rfind(kBom + kDecl + "\r\n<Version>1.0</Version>\r\n<vorazoda>\r\n", 0), 0u);
    const std::string tail = "</benefits>";
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
    EXPECT_EQ(bytes.find("\n\n"), std::string::npos);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            ASSERT_EQ(bytes[i - 1], '\r') << "bare line feed at byte " << i;
        }
}

// --- Reading rules -------------------------------------------------------------------------

TEST(ProjectFileReading, TextsDecodeEntitiesInAnyCaseAndKeepSpaces)
{
    auto p = openText("<vorazoda><element id=\"1\"><caption>  A &amp; B &LT;new&Gt; &amp;lt; "
                      "&quot;&apos; &nbsp; &#65;</caption></element></vorazoda>");
    EXPECT_EQ(p->elements().elements(0).caption(), "  A & B <new> &lt; \"' &nbsp; &#65;");
}

TEST(ProjectFileReading, WhiteSpaceOnlyTextIsDroppedAndLineBreaksKept)
{
    auto p = openText("<vorazoda>\r\n  <element id=\"1\">\r\n    <caption> \t\r\n </caption>"
                      "</element><element id=\"2\"><caption>a\r\nb</caption></element>"
                      "</vorazoda>");
    EXPECT_EQ(p->elements().elements(0).caption(), "");
    EXPECT_EQ(p->elements().elements(1).caption(), "a\r\nb");
}

TEST(ProjectFileReading, SectionsInAnyOrderAndWithoutVersionAreRead)
{
    auto p = openText("<benefits><steps>3</steps></benefits>\r\n"
                      "<scenarios><beginyear>2000</beginyear><endyear>2050</endyear>"
                      "<scenario><caption>S</caption></scenario></scenarios>\r\n"
                      "<vorazoda><pathwaytype>conditionbased</pathwaytype>"
                      "<element id=\"1\"><ycoord>999</ycoord></element>"
                      "<CurrentElement>1</CurrentElement></vorazoda>");
    EXPECT_EQ(p->fileVersion(), 0);
    EXPECT_EQ(p->benefits().nrOfSteps(), 3);
    EXPECT_EQ(p->scenarios().scenarioCount(), 1);
    EXPECT_EQ(p->scenarios().yearRowCount(), 51);
    // Without a version the rows are laid out anew: one action, middle of the graph band.
    // Axis height with one scenario is 210, so the band is 600 - 10 - 10 - 210 = 370 high.
    EXPECT_EQ(p->elements().elements(0).yCoord(), 195);
}

struct VersionCase {
    const char* text;
    double version;
    bool rowsRecomputed;
};
class ProjectFileVersion : public testing::TestWithParam<VersionCase> {};

TEST_P(ProjectFileVersion, DecidesWhetherRowsAreRecomputed)
{
    const auto& c = GetParam();
    auto p = openText(std::string("<Version>") + c.text +
                      "</Version><vorazoda><element id=\"1\">"
                      "<ycoord>999</ycoord></element><CurrentElement>1</CurrentElement>"
                      "</vorazoda>");
    EXPECT_EQ(p->fileVersion(), c.version);
    EXPECT_EQ(p->elements().elements(0).yCoord() != 999, c.rowsRecomputed);
}

INSTANTIATE_TEST_SUITE_P(Texts, ProjectFileVersion,
                         testing::Values(VersionCase{"1.0", 1.0, false},
                                         VersionCase{"1,0", 1.0, false},
                                         VersionCase{"0.9", 0.9, true},
                                         VersionCase{"2", 2.0, false},
                                         VersionCase{"x", 0.0, true}));

TEST(ProjectFileReading, SectionNamesMatchLetterCaseExactly)
{
    auto p = openText("<Vorazoda><element id=\"1\"/></Vorazoda>");
    EXPECT_EQ(p->elements().count(), 0);
}

TEST(ProjectFileReading, ColourThatIsNoColourFailsWithTheConversionMessage)
{
    try {
        openText("<vorazoda><element id=\"1\"><color>xyz</color></element></vorazoda>");
        FAIL() << "expected a conversion error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'xyz' is not a valid integer value");
    }
}

TEST(ProjectFileReading, MalformedXmlNamesFilePositionAndProblem)
{
    try {
        Project::openBytes(fileOf("<vorazoda>\r\n  <element id=\"1\">\r\n</vorazoda>"),
                           "bad.pathway");
        FAIL() << "expected a file error";
    } catch (const FileError& e) {
        const std::string m = e.what();
        EXPECT_NE(m.find("\"bad.pathway\""), std::string::npos) << m;
        EXPECT_NE(m.find("Line 4"), std::string::npos) << m;
        EXPECT_NE(m.find("mismatch"), std::string::npos) << m;
    }
}

TEST(ProjectFileReading, MissingFileGivesTheOpenMessageWithTheReason)
{
    try {
        Project::open("/nonexistent/dir/x.pathway");
        FAIL();
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(),
                     "Cannot open file \"/nonexistent/dir/x.pathway\". No such file or directory");
    }
}

} // namespace
} // namespace vantrel
