#pragma once
// XML for GPX and KML: parsing with the limits, and walking by local names (with or without
// a namespace prefix).
#include <pugixml.hpp>

#include <string>

// Parses `bytes` (UTF-8/16/32, or Shift_JIS when the declaration says so). Refuses a
// document with more items than kMaxXmlItems or with entity declarations, showing the message
// (with `name`, cp932) and returning false.
bool parseXml(const char* bytes, size_t size, const char* name, pugi::xml_document& document);

// The name without its prefix.
const char* localName(const pugi::xml_node& node);
bool isElement(const pugi::xml_node& node, const char* local);
// The first child element of that local name.
pugi::xml_node childElement(const pugi::xml_node& node, const char* local);
// The text of the node's own text and CDATA children, joined, exactly as written.
std::string textOf(const pugi::xml_node& node);

// Starts a document to write with its declaration (XML 1.0, UTF-8).
void addXmlDeclaration(pugi::xml_document& document);

// The document as UTF-8 text, indented by two blanks: how every written XML format is saved.
std::string savedXml(const pugi::xml_document& document);
// The namespace URI the element's prefix (or the default namespace) is bound to.
std::string namespaceOf(const pugi::xml_node& element);

// The element after `node` in document order within `root`: its first child element when
// `descend`, else the next element after its subtree. Null at the end. Iterative, so any
// depth of nesting is safe.
pugi::xml_node nextElement(const pugi::xml_node& node, const pugi::xml_node& root, bool descend);

// Our namespace for the record's fields in GPX extensions.
extern const char kPointNamespace[];
