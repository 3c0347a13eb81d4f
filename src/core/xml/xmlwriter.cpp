// SPDX-License-Identifier: GPL-3.0-or-later
#include "xml/xmlwriter.h"

#include <cassert>

namespace vantrel {

XmlWriter::XmlWriter(std::size_t expectedSize)
{
    m_out.reserve(expectedSize);
    m_out += "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>";
}

void XmlWriter::beginLine()
{
    m_out += "\r\n";
    m_out.append(2 * m_open.size(), ' ');
}

void XmlWriter::closeOpenStartTag()
{
    if (m_startTagOpen) {
        m_out += '>';
        m_startTagOpen = false;
    }
    if (!m_open.empty())
        m_open.back().hasChildren = true;
}

void XmlWriter::startElement(std::string_view name)
{
    closeOpenStartTag();
    beginLine();
    m_out += '<';
    m_out += name;
    m_open.push_back({std::string(name), false});
    m_startTagOpen = true;
}

void XmlWriter::attribute(std::string_view name, std::string_view value)
{
    assert(m_startTagOpen);
    m_out += ' ';
    m_out += name;
    m_out += "=\"";
    appendEscapedAttribute(m_out, value);
    m_out += '"';
}

void XmlWriter::endElement()
{
    assert(!m_open.empty());
    Open open = std::move(m_open.back());
    m_open.pop_back();
    if (m_startTagOpen) {
        m_out += "/>";
        m_startTagOpen = false;
        return;
    }
    beginLine();
    m_out += "</";
    m_out += open.name;
    m_out += '>';
}

void XmlWriter::textElement(std::string_view name, std::string_view text)
{
    closeOpenStartTag();
    beginLine();
    m_out += '<';
    m_out += name;
    if (text.empty()) {
        m_out += "/>";
        return;
    }
    m_out += '>';
    appendEscapedText(m_out, text);
    m_out += "</";
    m_out += name;
    m_out += '>';
}

namespace {

// "&" first, so the entities written for the other characters are not escaped again.
void appendEscaped(std::string& out, std::string_view text, bool escapeApostrophe)
{
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            if (escapeApostrophe)
                out += "&apos;";
            else
                out += c;
            break;
        default:
            out += c;
        }
    }
}

} // namespace

void XmlWriter::appendEscapedText(std::string& out, std::string_view text)
{
    appendEscaped(out, text, true);
}

void XmlWriter::appendEscapedAttribute(std::string& out, std::string_view text)
{
    appendEscaped(out, text, false);
}

} // namespace vantrel
