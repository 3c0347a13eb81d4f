// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <pugixml.hpp>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// A file that cannot be opened, read, parsed or created. The message is ready to show.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A parsed project document: several top-level elements side by side, read as UTF-8 with an
/// optional byte-order mark. Texts are decoded by the project file's own rules (see nodeText).
class XmlDocument {
public:
    /// Files larger than this are refused before parsing, so a stray huge file cannot exhaust
    /// memory. A project of 10,000 elements takes about 5 MiB.
    static constexpr std::size_t MaxFileSize = std::size_t{256} * 1024 * 1024;
    /// What the model may hold of one file: tipping years (elements x columns) and scenario
    /// values (scenarios x years). Beyond these a file is refused rather than filling memory.
    static constexpr std::size_t MaxTippingYearCells = 20'000'000;
    static constexpr std::size_t MaxScenarioCells = 20'000'000;

    /// Parses `bytes`; throws FileError naming `fileName`, the line, column and offset of a
    /// syntax error and what is wrong.
    static XmlDocument parse(std::string_view bytes, const std::string& fileName);

    /// The first top-level element with exactly this name, or an empty node.
    pugi::xml_node topLevel(std::string_view name) const;

    XmlDocument(XmlDocument&&) noexcept = default;
    XmlDocument& operator=(XmlDocument&&) noexcept = default;

private:
    XmlDocument() = default;
    std::unique_ptr<pugi::xml_document> m_doc;
};

/// Replaces the entities &lt; &gt; &quot; &apos; and &amp; (names in any letter case); every
/// other "&" stays as it is.
std::string decodeEntities(std::string_view raw);

/// The text of a node: its first text child, decoded; empty when there is none. Texts made only
/// of white space never reach here (the parser drops them).
std::string nodeText(pugi::xml_node node);

/// The decoded value of an attribute, empty when absent.
std::string attributeText(pugi::xml_node node, const char* name);

/// Whether a node name (a C string) equals `name`; fails at the first differing character, so
/// matching a child against a table of names costs little.
inline bool nameEquals(const char* nodeName, std::string_view name)
{
    for (char c : name) {
        if (*nodeName != c)
            return false;
        ++nodeName;
    }
    return *nodeName == '\0';
}

/// The first direct child with each of a fixed set of names, found in one pass over the
/// children. Text children have empty names and so never match.
template <std::size_t N>
std::array<pugi::xml_node, N> firstChildren(pugi::xml_node parent,
                                            const std::array<std::string_view, N>& names)
{
    std::array<pugi::xml_node, N> found{};
    std::array<bool, N> seen{};
    std::size_t missing = N;
    for (pugi::xml_node child = parent.first_child(); child && missing > 0;
         child = child.next_sibling()) {
        const char* name = child.name();
        for (std::size_t i = 0; i < N; ++i) {
            if (!seen[i] && nameEquals(name, names[i])) {
                found[i] = child;
                seen[i] = true;
                --missing;
                break;
            }
        }
    }
    return found;
}

/// A node's text read as an integer (see fileTextToIntDef) or a real number (see
/// fileTextToFloatDef), without building a string for the common text free of entities.
std::int32_t nodeInt(pugi::xml_node node, std::int32_t fallback);
double nodeFloat(pugi::xml_node node, double fallback);

/// For children named `prefix` followed by a decimal number k (written exactly as an integer is
/// written, so "year2035" but not "year02035"), the first such child for each k in
/// [first, first + count); others are ignored.
std::vector<pugi::xml_node> numberedChildren(pugi::xml_node parent, std::string_view prefix,
                                             std::int64_t first, std::size_t count);

} // namespace vantrel
