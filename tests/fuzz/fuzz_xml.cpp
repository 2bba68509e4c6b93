// libFuzzer target for the XML reader: any input must read without a crash, the lists and their
// arrays must agree, and what the writer makes of it must read back to the same text.
#include "storage/TXMLNode.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& detail) {
    std::fprintf(stderr, "fuzz_xml: %s\n%s\n", what.c_str(), detail.c_str());
    std::abort();
}

void checkArrays(const TXMLNode& node, int depth) {
    if (depth > TXMLNode::maxDepth) fail("elements nested deeper than the limit", node.name);
    if (node.attributeArray != node.attributes || node.childArray != node.children)
        fail("an array does not follow its list", node.name);
    if (node.firstChild != (node.children.empty() ? nullptr : node.children.front()) ||
        node.lastChild != (node.children.empty() ? nullptr : node.children.back()))
        fail("first or last child is stale", node.name);
    for (const auto& child : node.children) checkArrays(*child, depth + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto node = CreateXMLNode(text);
    checkArrays(*node, 1);
    const std::string written = node->toString();
    const auto again = CreateXMLNode(written);
    if (again->toString() != written) fail("written text reads back differently", written);
    return 0;
}
