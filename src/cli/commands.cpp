// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "project/project.h"
#include "rendercommand.h"

#include <cmath>
#include <ostream>
#include <sstream>

namespace vantrel::cli {

namespace {

const char* kindOf(const Element& e)
{
    if (e.isPrimaryElement())
        return "action";
    return e.combinationType() == CombinationType::Sequence ? "sequence" : "combine";
}

const char* typeName(PathwayType type)
{
    return type == PathwayType::TimeBased ? "time based" : "condition based";
}

/// Number of tipping-year columns: tipping-time columns of a time-based project, scenarios of a
/// condition-based one.
int timeColumnCount(const Project& p)
{
    return p.elements().pathwayType() == PathwayType::TimeBased
               ? p.elements().tippingTimeValuesCount()
               : p.scenarios().scenarioCount();
}

std::vector<std::int32_t> definedYears(const ScenarioTable& s, int scenario)
{
    std::vector<std::int32_t> years;
    for (std::int64_t y = s.beginYear(); y <= s.endYear(); ++y)
        if (s.definedValue(scenario, static_cast<std::int32_t>(y)))
            years.push_back(static_cast<std::int32_t>(y));
    return years;
}

/// JSON string literal; bytes that are not valid UTF-8 become U+FFFD so the output stays valid.
std::string jsonString(const std::string& s)
{
    std::string out = "\"";
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
            }
            ++i;
            continue;
        }
        std::size_t len = 0;
        std::uint32_t cp = 0;
        if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        }
        bool valid = len > 0 && i + len <= s.size();
        for (std::size_t k = 1; valid && k < len; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            valid = (cc & 0xC0) == 0x80;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (valid) {
            static constexpr std::uint32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
            valid = cp >= minimum[len] && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        }
        if (valid) {
            out.append(s, i, len);
            i += len;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    out += '"';
    return out;
}

/// CSV field: quoted when it holds a comma, a quote or a line break.
std::string csvField(const std::string& s)
{
    if (s.find_first_of(",\"\r\n") == std::string::npos)
        return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string number(double v)
{
    return shortestDoubleText(v);
}

void printInfoText(const Project& p, const std::string& path, std::ostream& out)
{
    const ElementsList& list = p.elements();
    const ScenarioTable& scenarios = p.scenarios();
    const bool timeBased = list.pathwayType() == PathwayType::TimeBased;
    out << "File: " << path << "\n"
        << "Project type: " << typeName(list.pathwayType()) << "\n"
        << "Begin year: " << p.beginYear() << "\n"
        << "End year: " << p.endYear() << "\n"
        << "File version: " << number(p.fileVersion()) << "\n"
        << "Current situation: " << list.currentElementId() << "\n";
    if (timeBased) {
        out << "Tipping-time columns: " << list.tippingTimeValuesCount() << "\n";
        for (int i = 0; i < list.tippingTimeValuesCount(); ++i)
            out << "  column " << i << ": " << list.tippingTimeColumnCaptions(i) << " ("
                << colorToString(list.tippingTimeColumnColors(i)) << ")\n";
    }
    out << "Elements: " << list.count() << "\n";
    for (int i = 0; i < list.count(); ++i) {
        const Element& e = list.elements(i);
        out << "  " << e.id() << ": " << e.caption() << " [" << kindOf(e) << "]"
            << " predecessor " << e.predecessorId();
        if (!e.isPrimaryElement())
            out << ", second " << e.combinationSecondId();
        if (timeBased) {
            out << ", tipping years";
            for (int k = 0; k < list.tippingTimeValuesCount(); ++k)
                out << ' ' << e.tippingTimeValue(k);
        } else {
            out << ", tipping value " << number(e.tippingPointValue());
        }
        out << "\n";
    }
    out << "Scenarios: " << scenarios.scenarioCount() << "\n";
    for (int s = 0; s < scenarios.scenarioCount(); ++s) {
        out << "  " << s << ": " << scenarios.scenarioName(s) << " ("
            << colorToString(scenarios.scenarioColor(s)) << "), defined years";
        const auto years = definedYears(scenarios, s);
        if (years.empty())
            out << " none";
        for (auto y : years)
            out << ' ' << y;
        out << "\n";
    }
    for (const auto& w : p.warnings())
        out << "Note: " << w << "\n";
}

void printInfoJson(const Project& p, const std::string& path, std::ostream& out)
{
    const ElementsList& list = p.elements();
    const ScenarioTable& scenarios = p.scenarios();
    const bool timeBased = list.pathwayType() == PathwayType::TimeBased;
    out << "{\n  \"file\": " << jsonString(path) << ",\n  \"projectType\": \""
        << (timeBased ? "timebased" : "conditionbased") << "\",\n  \"beginYear\": " << p.beginYear()
        << ",\n  \"endYear\": " << p.endYear()
        << ",\n  \"fileVersion\": " << number(p.fileVersion())
        << ",\n  \"currentElementId\": " << list.currentElementId();
    out << ",\n  \"tippingTimeColumns\": [";
    for (int i = 0; i < list.tippingTimeValuesCount(); ++i)
        out << (i ? ", " : "") << "{\"caption\": " << jsonString(list.tippingTimeColumnCaptions(i))
            << ", \"color\": " << jsonString(colorToString(list.tippingTimeColumnColors(i))) << "}";
    out << "],\n  \"elements\": [";
    for (int i = 0; i < list.count(); ++i) {
        const Element& e = list.elements(i);
        out << (i ? "," : "") << "\n    {\"id\": " << e.id()
            << ", \"caption\": " << jsonString(e.caption()) << ", \"kind\": \"" << kindOf(e)
            << "\", \"predecessorId\": " << e.predecessorId()
            << ", \"combinationSecondId\": " << e.combinationSecondId();
        if (timeBased) {
            out << ", \"tippingYears\": [";
            for (int k = 0; k < list.tippingTimeValuesCount(); ++k)
                out << (k ? ", " : "") << e.tippingTimeValue(k);
            out << "]";
        } else {
            out << ", \"tippingValue\": " << number(e.tippingPointValue());
        }
        out << "}";
    }
    out << (list.count() ? "\n  " : "") << "],\n  \"scenarios\": [";
    for (int s = 0; s < scenarios.scenarioCount(); ++s) {
        out << (s ? "," : "") << "\n    {\"name\": " << jsonString(scenarios.scenarioName(s))
            << ", \"color\": " << jsonString(colorToString(scenarios.scenarioColor(s)))
            << ", \"definedYears\": [";
        const auto years = definedYears(scenarios, s);
        for (std::size_t k = 0; k < years.size(); ++k)
            out << (k ? ", " : "") << years[k];
        out << "]}";
    }
    out << (scenarios.scenarioCount() ? "\n  " : "") << "],\n  \"warnings\": [";
    for (std::size_t k = 0; k < p.warnings().size(); ++k)
        out << (k ? ", " : "") << jsonString(p.warnings()[k]);
    out << "]\n}\n";
}

int runInfo(const std::vector<std::string>& argsIn, std::ostream& out)
{
    auto args = argsIn;
    const bool json = takeFlag(args, "--json");
    expectArgumentCount(args, 1, 1);
    const auto project = Project::open(args[0]);
    if (json)
        printInfoJson(*project, args[0], out);
    else
        printInfoText(*project, args[0], out);
    return 0;
}

int runResave(const std::vector<std::string>& args, std::ostream&)
{
    expectArgumentCount(args, 2, 2);
    const auto project = Project::open(args[0]);
    project->save(args[1]);
    return 0;
}

int runTippingYears(const std::vector<std::string>& args, std::ostream& out)
{
    expectArgumentCount(args, 1, 1);
    const auto project = Project::open(args[0]);
    const ElementsList& list = project->elements();
    const ScenarioTable& scenarios = project->scenarios();
    const int columns = timeColumnCount(*project);
    out << "ID,Caption";
    for (int k = 0; k < columns; ++k)
        out << ",Tipping year " << k << ",Start year " << k;
    out << "\n";
    for (int i = 0; i < list.count(); ++i) {
        const Element& e = list.elements(i);
        out << e.id() << ',' << csvField(e.caption());
        for (int k = 0; k < columns; ++k)
            out << ',' << e.calculatedTippingTimeValue(scenarios, k) << ','
                << e.calculatedStartTippingTimeValue(scenarios, k);
        out << "\n";
    }
    return 0;
}

int runYearOfValue(const std::vector<std::string>& args, std::ostream& out)
{
    if (args.size() < 3)
        throw UsageError("Expected a file, a scenario index and at least one value.");
    const auto project = Project::open(args[0]);
    const ScenarioTable& scenarios = project->scenarios();
    const int scenario = parseIntegerArgument(args[1], "scenario index");
    if (scenario < 0 || scenario >= scenarios.scenarioCount())
        throw UsageError("Scenario index " + args[1] + " is out of range: the project has " +
                         std::to_string(scenarios.scenarioCount()) +
                         " scenario(s), indexed from 0.");
    std::vector<double> values;
    for (std::size_t i = 2; i < args.size(); ++i)
        values.push_back(parseNumberArgument(args[i], "value"));
    for (double v : values)
        out << number(scenarios.yearOfValue(v, scenario)) << "\n";
    return 0;
}

int runNew(const std::vector<std::string>& argsIn, std::ostream&)
{
    auto args = argsIn;
    std::string beginText;
    const bool hasBegin = takeOption(args, "--begin-year", beginText);
    expectArgumentCount(args, 2, 2);
    PathwayType type;
    if (args[0] == "condition")
        type = PathwayType::ConditionBased;
    else if (args[0] == "time")
        type = PathwayType::TimeBased;
    else
        throw UsageError("Unknown project type '" + args[0] + "': use condition or time.");
    std::optional<std::int32_t> begin;
    if (hasBegin) {
        const int year = parseIntegerArgument(beginText, "begin year");
        if (year < -ProjectYears::MaxAbsYear || year > ProjectYears::MaxAbsYear)
            throw UsageError("The begin year must lie between " +
                             std::to_string(-ProjectYears::MaxAbsYear) + " and " +
                             std::to_string(ProjectYears::MaxAbsYear) + ".");
        if (type == PathwayType::TimeBased)
            throw UsageError("--begin-year applies to condition-based projects only.");
        begin = year;
    }
    const auto project = Project::newProject(type, begin);
    project->save(args[1]);
    return 0;
}

} // namespace

double parseNumberArgument(const std::string& text, const char* what)
{
    const double v = fileTextToFloatDef(text, std::nan(""));
    if (std::isnan(v))
        throw UsageError("'" + text + "' is not a number (" + what + ").");
    return v;
}

int parseIntegerArgument(const std::string& text, const char* what)
{
    const auto v = parseFileInt(text);
    if (!v)
        throw UsageError("'" + text + "' is not a whole number (" + what + ").");
    return *v;
}

bool takeOption(std::vector<std::string>& args, const std::string& name, std::string& value)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != name)
            continue;
        if (i + 1 >= args.size())
            throw UsageError(name + " needs a value.");
        value = args[i + 1];
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        return true;
    }
    return false;
}

bool takeFlag(std::vector<std::string>& args, const std::string& name)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
            return true;
        }
    }
    return false;
}

void expectArgumentCount(const std::vector<std::string>& args, std::size_t min, std::size_t max)
{
    for (const auto& a : args)
        if (a.size() > 1 && a[0] == '-' && a[1] == '-')
            throw UsageError("Unknown option " + a + ".");
    if (args.size() < min)
        throw UsageError("Too few arguments.");
    if (args.size() > max)
        throw UsageError("Too many arguments.");
}

const std::vector<Command>& commands()
{
    static const std::vector<Command> table{
        {"info", "FILE [--json]",
         "Project type, years, file version, every element (ID, caption, kind, predecessor,\n"
         "      combination second, tipping values) and every scenario (name, colour, defined "
         "years).",
         runInfo},
        {"resave", "IN OUT",
         "Opens IN as the program does (rows of files older than version 1 are recomputed)\n"
         "      and saves it to OUT.",
         runResave},
        {"tipping-years", "FILE",
         "CSV of every element's tipping year and start year per time column.", runTippingYears},
        {"year-of-value", "FILE SCENARIO VALUE...",
         "The fractional year in which scenario SCENARIO (0-based) reaches each VALUE.",
         runYearOfValue},
        {"new", "condition|time OUT [--begin-year Y]",
         "Saves an empty project of that type as the program starts it; --begin-year replaces\n"
         "      the current year of a condition-based project.",
         runNew},
        {"render", "FILE --out PATH [--series K] [--highlight ID]",
         "Draws the pathway map of FILE as an image, PNG, EMF or SVG by the extension of PATH;\n"
         "      --series picks the tipping-time column of a time-based project, --highlight\n"
         "      the element whose pathway is highlighted. Needs no display.",
         runRender},
    };
    return table;
}

} // namespace vantrel::cli
