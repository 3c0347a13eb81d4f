// SPDX-License-Identifier: GPL-3.0-or-later
#include "xml/xmldocument.h"

#include "model/filetext.h"

#include <algorithm>

namespace vantrel {

namespace {

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithIgnoringCase(std::string_view s, std::string_view prefix)
{
    if (s.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lower(s[i]) != prefix[i])
            return false;
    return true;
}

} // namespace

XmlDocument XmlDocument::parse(std::string_view bytes, const std::string& fileName)
{
    XmlDocument result;
    result.m_doc = std::make_unique<pugi::xml_document>();
    // No entity or escape processing by the parser (the project file decodes its five entities
    // itself, in any letter case); no end-of-line conversion, so texts keep their bytes; no
    // document type processing, so declared entities are never expanded.
    const unsigned options = pugi::parse_cdata | pugi::parse_wconv_attribute;
    const pugi::xml_parse_result parsed =
        result.m_doc->load_buffer(bytes.data(), bytes.size(), options, pugi::encoding_utf8);
    if (!parsed) {
        const auto offset = static_cast<std::size_t>(std::max<std::ptrdiff_t>(parsed.offset, 0));
        std::size_t line = 1;
        std::size_t column = 1;
        const std::size_t end = std::min(offset, bytes.size());
        for (std::size_t i = 0; i < end; ++i) {
            if (bytes[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        throw FileError("Cannot read file \"" + fileName + "\". Line " + std::to_string(line) +
                        ", column " + std::to_string(column) + " (byte " + std::to_string(offset) +
                        "): " + parsed.description());
    }
    return result;
}

pugi::xml_node XmlDocument::topLevel(std::string_view name) const
{
    for (pugi::xml_node child = m_doc->first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element && name == child.name())
            return child;
    return {};
}

std::string decodeEntities(std::string_view raw)
{
    if (raw.find('&') == std::string_view::npos)
        return std::string(raw);
    struct Entity {
        std::string_view name;
        char ch;
    };
    static constexpr Entity entities[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}, {"&amp;", '&'}};
    std::string out;
    out.reserve(raw.size());
    std::size_t i = 0;
    while (i < raw.size()) {
        if (raw[i] == '&') {
            bool replaced = false;
            for (const auto& e : entities) {
                if (startsWithIgnoringCase(raw.substr(i), e.name)) {
                    out += e.ch;
                    i += e.name.size();
                    replaced = true;
                    break;
                }
            }
            if (replaced)
                continue;
        }
        out += raw[i++];
    }
    return out;
}

std::string nodeText(pugi::xml_node node)
{
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata)
            return decodeEntities(child.value());
        if (child.type() == pugi::node_cdata)
            return child.value();
    }
    return {};
}

namespace {

// The undecoded text of a node's first text child; empty when there is none.
std::string_view rawText(pugi::xml_node node)
{
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        const pugi::xml_node_type type = child.type();
        if (type == pugi::node_pcdata || type == pugi::node_cdata)
            return child.value();
    }
    return {};
}

} // namespace

std::int32_t nodeInt(pugi::xml_node node, std::int32_t fallback)
{
    const std::string_view raw = rawText(node);
    if (raw.find('&') != std::string_view::npos)
        return fileTextToIntDef(nodeText(node), fallback);
    return fileTextToIntDef(raw, fallback);
}

double nodeFloat(pugi::xml_node node, double fallback)
{
    const std::string_view raw = rawText(node);
    if (raw.find('&') != std::string_view::npos)
        return fileTextToFloatDef(nodeText(node), fallback);
    return fileTextToFloatDef(raw, fallback);
}

std::string attributeText(pugi::xml_node node, const char* name)
{
    return decodeEntities(node.attribute(name).value());
}

std::vector<pugi::xml_node> numberedChildren(pugi::xml_node parent, std::string_view prefix,
                                             std::int64_t first, std::size_t count)
{
    std::vector<pugi::xml_node> found(count);
    if (count == 0)
        return found;
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        const std::string_view name = child.name();
        if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix)
            continue;
        const std::string_view suffix = name.substr(prefix.size());
        const auto k = parseFileInt(suffix);
        if (!k || suffix.front() == '+' || intToFileText(*k) != suffix)
            continue;
        const std::int64_t slot = std::int64_t{*k} - first;
        if (slot < 0 || slot >= static_cast<std::int64_t>(count))
            continue;
        auto& target = found[static_cast<std::size_t>(slot)];
        if (!target)
            target = child;
    }
    return found;
}

} // namespace vantrel
