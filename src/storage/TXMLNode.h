// One element of the small XML subset the game writes: single-quoted attributes, one run of text,
// child elements, self-closing elements; no declaration, comments or escapes. The whole document is
// written on one line.
#pragma once

#include "storage/TAttribute.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class TXMLNode {
  public:
    // Elements nested deeper than this are not read: the reader stops there and keeps the rest.
    static constexpr int maxDepth = 256;

    std::vector<std::shared_ptr<TAttribute>> attributes; // in document order
    std::vector<std::shared_ptr<TXMLNode>> children;     // in document order
    std::string value;                                   // the element's text
    // The same attributes and children, indexable; they always follow the lists.
    std::vector<std::shared_ptr<TAttribute>> attributeArray;
    std::vector<std::shared_ptr<TXMLNode>> childArray;
    std::string name;
    std::shared_ptr<TXMLNode> firstChild; // null without children
    std::shared_ptr<TXMLNode> lastChild;

    // A new node reading `text` (nothing is read from an empty text).
    static std::shared_ptr<TXMLNode> Create(const std::string& text);

    void appendAttribute(const std::shared_ptr<TAttribute>& attribute);
    // Raises XMLError when the node would end up inside itself.
    void appendChild(const std::shared_ptr<TXMLNode>& node);
    // The value of the first attribute of this name (letter case counts), or "".
    std::string getAttribute(const std::string& attributeName) const;
    // The first child of this name, or null.
    std::shared_ptr<TXMLNode> getNode(const std::string& nodeName) const;
    // The first child whose attribute `attributeName` has this value, or null.
    std::shared_ptr<TXMLNode> getNodeByAttr(const std::string& attributeName,
                                            const std::string& attributeValue) const;
    bool hasChildNodes() const { return !children.empty(); }
    // Reads the document from a file whose lines are trimmed and joined, so it may be indented.
    // XMLError "could not open file: " + path when it cannot be read.
    void Load(const std::string& path);
    // With a non-empty `text`, reads it into this node first. Returns the node's text, or when that
    // is empty the written form of all its children.
    std::string nodeValue(const std::string& text = "");
    void removeNode(const std::shared_ptr<TXMLNode>& node);
    // Writes toString() and a line break atomically. XMLError "could not create file: " + path when
    // it cannot be written; the old file is then untouched.
    void Save(const std::string& path) const;
    // <name a='1' b='2'>text or children</name>
    std::string toString() const;

    // Empties the attributes and children.
    void _clear();
    // Reads one element whose "<" is at `start`; returns the index of its last ">" (or the length of
    // the text when the text ends first, keeping what was read).
    size_t _parse(const std::string& text, size_t start);
    // Brings childArray, firstChild and lastChild up to date with `children`.
    void _update();

  private:
    size_t parseElement(const std::string& text, size_t i, int depth);
    std::string content() const;
    // Appends toString() to `out`, so a whole tree is written into one buffer.
    void writeTo(std::string& out) const;
    bool contains(const TXMLNode* node) const;
};

std::shared_ptr<TXMLNode> CreateXMLNode(const std::string& text);
