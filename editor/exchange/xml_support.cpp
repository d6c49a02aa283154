#include "xml_support.h"

#include "byte_words.h"
#include "exchange_limits.h"
#include "exchange_messages.h"
#include "exchange_text.h"
#include "message_notifier.h"

#include <bitset>
#include <cstdio>
#include <cstring>

const char kPointNamespace[] = "urn:tenmark:point:1";

namespace {

void tell(const char* format, const char* name) {
    char message[1400];
    std::snprintf(message, sizeof message, format, name, static_cast<int>(kMaxXmlItems));
    showMessage(message);
}

// The encoding the XML declaration names, lower case; empty when there is none.
std::string declaredEncoding(const char* bytes, size_t size) {
    size_t n = size < 512 ? size : 512;
    std::string head(bytes, n);
    if (head.compare(0, 3, "\xEF\xBB\xBF") == 0) head.erase(0, 3);
    if (head.compare(0, 5, "<?xml") != 0) return std::string();
    size_t end = head.find("?>");
    size_t at = head.find("encoding");
    if (at == std::string::npos || (end != std::string::npos && at > end)) return std::string();
    size_t quote = head.find_first_of("\"'", at);
    if (quote == std::string::npos) return std::string();
    size_t close = head.find(head[quote], quote + 1);
    if (close == std::string::npos) return std::string();
    return asciiLower(head.substr(quote + 1, close - quote - 1));
}

bool isShiftJis(const std::string& encoding) {
    return encoding == "shift_jis" || encoding == "shift-jis" || encoding == "sjis" || encoding == "x-sjis" ||
           encoding == "windows-31j" || encoding == "cp932" || encoding == "ms_kanji" || encoding == "csshiftjis";
}

// Every "<" and "=", eight bytes at a time: one bit per match in the masks.
size_t countItems(const char* bytes, size_t size) {
    using namespace byte_words;
    size_t n = 0, i = 0;
    for (; i + 8 <= size; i += 8) {
        const uint64_t x = load(bytes + i);
        n += static_cast<size_t>(std::bitset<64>(equalBytes(x, '<') | equalBytes(x, '=')).count());
    }
    for (; i < size; ++i) n += bytes[i] == '<' || bytes[i] == '=';
    return n;
}

} // namespace

bool parseXml(const char* bytes, size_t size, const char* name, pugi::xml_document& document) {
    if (countItems(bytes, size) > kMaxXmlItems) {
        tell(MSG_EX_TOO_MANY_ELEMENTS, name);
        return false;
    }
    std::string converted;
    if (isShiftJis(declaredEncoding(bytes, size))) {
        converted = cp932FileAsUtf8(bytes, size);
        bytes = converted.data();
        size = converted.size();
    }
    unsigned options = pugi::parse_default | pugi::parse_ws_pcdata_single | pugi::parse_doctype;
    pugi::xml_parse_result result =
        document.load_buffer(bytes, size, options, converted.empty() ? pugi::encoding_auto : pugi::encoding_utf8);
    if (!result) {
        char message[1400];
        std::snprintf(message, sizeof message, MSG_EX_BAD_XML, name, static_cast<int>(result.offset) + 1,
                      result.description());
        showMessage(message);
        return false;
    }
    // Declared entities are how a small file grows without bound in readers that expand
    // them; nothing here needs them, so a document declaring any is refused.
    for (pugi::xml_node child : document.children()) {
        if (child.type() == pugi::node_doctype && std::strstr(child.value(), "ENTITY") != nullptr) {
            tell(MSG_EX_ENTITY, name);
            return false;
        }
    }
    return true;
}

const char* localName(const pugi::xml_node& node) {
    const char* name = node.name();
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

bool isElement(const pugi::xml_node& node, const char* local) {
    return node.type() == pugi::node_element && std::strcmp(localName(node), local) == 0;
}

pugi::xml_node childElement(const pugi::xml_node& node, const char* local) {
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (isElement(child, local)) return child;
    }
    return pugi::xml_node();
}

std::string textOf(const pugi::xml_node& node) {
    std::string text;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) text += child.value();
    }
    return text;
}

std::string namespaceOf(const pugi::xml_node& element) {
    const char* name = element.name();
    const char* colon = std::strchr(name, ':');
    std::string attribute = colon ? "xmlns:" + std::string(name, static_cast<size_t>(colon - name)) : "xmlns";
    for (pugi::xml_node n = element; n; n = n.parent()) {
        if (pugi::xml_attribute a = n.attribute(attribute.c_str())) return a.value();
    }
    return std::string();
}

pugi::xml_node nextElement(const pugi::xml_node& node, const pugi::xml_node& root, bool descend) {
    pugi::xml_node n = node;
    if (descend) {
        for (pugi::xml_node c = n.first_child(); c; c = c.next_sibling()) {
            if (c.type() == pugi::node_element) return c;
        }
    }
    while (n && n != root) {
        for (pugi::xml_node s = n.next_sibling(); s; s = s.next_sibling()) {
            if (s.type() == pugi::node_element) return s;
        }
        n = n.parent();
    }
    return pugi::xml_node();
}

namespace {

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

} // namespace

std::string savedXml(const pugi::xml_document& document) {
    StringWriter out;
    document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.text;
}

void addXmlDeclaration(pugi::xml_document& document) {
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
}
