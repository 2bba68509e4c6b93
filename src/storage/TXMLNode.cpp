// The XML element, its reader and its writer.
#include "storage/TXMLNode.h"

#include "platform/Files.h"
#include "storage/XMLError.h"

#include <algorithm>

std::shared_ptr<TXMLNode> CreateXMLNode(const std::string& text) {
    auto node = std::make_shared<TXMLNode>();
    node->nodeValue(text);
    return node;
}

std::shared_ptr<TXMLNode> TXMLNode::Create(const std::string& text) {
    return CreateXMLNode(text);
}

void TXMLNode::appendAttribute(const std::shared_ptr<TAttribute>& attribute) {
    if (!attribute) return;
    attributes.push_back(attribute);
    attributeArray = attributes;
}

void TXMLNode::appendChild(const std::shared_ptr<TXMLNode>& node) {
    if (!node) return;
    if (node.get() == this || node->contains(this)) throw XMLError("an XML element cannot contain itself");
    children.push_back(node);
    _update();
}

bool TXMLNode::contains(const TXMLNode* node) const {
    for (const auto& child : children)
        if (child.get() == node || child->contains(node)) return true;
    return false;
}

std::string TXMLNode::getAttribute(const std::string& attributeName) const {
    for (const auto& attribute : attributes)
        if (attribute->name == attributeName) return attribute->value;
    return "";
}

std::shared_ptr<TXMLNode> TXMLNode::getNode(const std::string& nodeName) const {
    for (const auto& child : children)
        if (child->name == nodeName) return child;
    return nullptr;
}

std::shared_ptr<TXMLNode> TXMLNode::getNodeByAttr(const std::string& attributeName,
                                                  const std::string& attributeValue) const {
    for (const auto& child : children)
        if (child->getAttribute(attributeName) == attributeValue) return child;
    return nullptr;
}

void TXMLNode::Load(const std::string& path) {
    const std::string resolved = platform::resolvePath(path);
    platform::LineReader reader(resolved);
    if (platform::fileType(resolved) != platform::fileFile || !reader.ok())
        throw XMLError("could not open file: " + path);
    std::string joined;
    std::string line;
    while (reader.next(line)) {
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        size_t first = 0;
        size_t last = line.size();
        while (first < last && static_cast<unsigned char>(line[first]) <= 32) ++first;
        while (last > first && static_cast<unsigned char>(line[last - 1]) <= 32) --last;
        joined.append(line, first, last - first);
    }
    nodeValue(joined);
}

std::string TXMLNode::nodeValue(const std::string& text) {
    if (!text.empty()) {
        _clear();
        _parse(text, 0);
    }
    return content();
}

std::string TXMLNode::content() const {
    if (!value.empty()) return value;
    std::string out;
    for (const auto& child : children) child->writeTo(out);
    return out;
}

void TXMLNode::writeTo(std::string& out) const {
    out += '<';
    out += name;
    for (const auto& attribute : attributes) {
        out += ' ';
        out += attribute->name;
        out += "='";
        out += attribute->value;
        out += '\'';
    }
    out += '>';
    if (!value.empty()) {
        out += value;
    } else {
        for (const auto& child : children) child->writeTo(out);
    }
    out += "</";
    out += name;
    out += '>';
}

void TXMLNode::removeNode(const std::shared_ptr<TXMLNode>& node) {
    const auto it = std::find(children.begin(), children.end(), node);
    if (it == children.end()) return;
    children.erase(it);
    _update();
}

void TXMLNode::Save(const std::string& path) const {
    if (!platform::saveText(path, toString() + "\r\n")) throw XMLError("could not create file: " + path);
}

std::string TXMLNode::toString() const {
    std::string out;
    writeTo(out);
    return out;
}

void TXMLNode::_clear() {
    attributes.clear();
    children.clear();
    attributeArray.clear();
    _update();
}

size_t TXMLNode::_parse(const std::string& text, size_t start) {
    return parseElement(text, start, 0);
}

void TXMLNode::_update() {
    childArray = children;
    firstChild = children.empty() ? nullptr : children.front();
    lastChild = children.empty() ? nullptr : children.back();
}

size_t TXMLNode::parseElement(const std::string& text, size_t i, int depth) {
    const size_t n = text.size();
    value.clear(); // an element read again without text has none

    // The start tag: the name, then name='value' pairs, up to ">" or "/>".
    std::string gathered;
    std::string attributeName;
    std::string attributeValue;
    bool nameRead = false;
    bool inValue = false;
    while (i < n && text[i] != '>') {
        const char c = text[i];
        if (!nameRead) {
            if (c == ' ' || c == '/') {
                nameRead = true;
            } else {
                if (c != '<') gathered += c;
                ++i;
                continue;
            }
        }
        if (inValue) {
            if (c == '\'') {
                appendAttribute(TAttribute::Create(attributeName, attributeValue));
                attributeName.clear();
                attributeValue.clear();
                inValue = false;
            } else if (c != '<') {
                attributeValue += c;
            }
            ++i;
        } else if (c == '=' && i + 1 < n && text[i + 1] == '\'') {
            inValue = true;
            i += 2;
        } else if (c == '\'') {
            // A quote outside a value ends an attribute without one, so no name holds a quote and
            // every name='value' written reads back as it was.
            appendAttribute(TAttribute::Create(attributeName, ""));
            attributeName.clear();
            ++i;
        } else if (c == '/' && i + 1 < n && text[i + 1] == '>') {
            name = gathered;
            return i + 1; // self-closing: no text, no children
        } else {
            if (c != ' ' && c != '<') attributeName += c;
            ++i;
        }
    }
    name = gathered;
    if (i >= n) return n;

    // The text, up to the first "<"; ">" and "/" are dropped.
    std::string run;
    for (++i; i < n && text[i] != '<'; ++i)
        if (text[i] != '>' && text[i] != '/') run += text[i];
    value = run;

    // The children, up to the closing tag (whose name is not checked).
    size_t end = n;
    while (i < n) {
        if (text[i] == '<') {
            if (i + 1 < n && text[i + 1] == '/') {
                while (i < n && text[i] != '>') ++i;
                end = i;
                break;
            }
            if (depth + 1 >= maxDepth) break;
            auto child = std::make_shared<TXMLNode>();
            children.push_back(child);
            i = child->parseElement(text, i, depth + 1);
        }
        ++i;
    }
    _update();
    return end;
}
