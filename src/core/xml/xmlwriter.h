// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// Streams a project document in the exact byte layout of project files: UTF-8 byte-order mark,
/// the declaration, one node per line with CR LF line ends and two spaces of indentation per
/// level, no line break after the last line. Several top-level elements are allowed.
class XmlWriter {
public:
    /// `expectedSize` reserves the document's bytes up front, so a large project is written
    /// without growing and copying the buffer on the way.
    explicit XmlWriter(std::size_t expectedSize = 4096);

    /// Opens an element that will hold child elements (or none, giving `<name/>`).
    void startElement(std::string_view name);
    /// Adds an attribute to the element opened last; only before its first child.
    void attribute(std::string_view name, std::string_view value);
    /// Closes the element opened last.
    void endElement();
    /// Writes a leaf element with a text (`<name>text</name>`, or `<name/>` for empty text).
    void textElement(std::string_view name, std::string_view text);

    /// The finished document. All elements must have been closed.
    const std::string& document() const { return m_out; }
    std::string takeDocument() { return std::move(m_out); }

    static void appendEscapedText(std::string& out, std::string_view text);
    static void appendEscapedAttribute(std::string& out, std::string_view text);

private:
    void beginLine();
    void closeOpenStartTag();

    struct Open {
        std::string name;
        bool hasChildren = false;
    };
    std::string m_out;
    std::vector<Open> m_open;
    bool m_startTagOpen = false;
};

} // namespace vantrel
