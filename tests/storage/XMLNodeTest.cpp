// The XML element: reading the subset, writing it on one line, files, and text that ends too soon.
#include "StorageTest.h"

#include "storage/TXMLNode.h"
#include "storage/XMLError.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> attributeList(const TXMLNode& node) {
    std::vector<std::string> out;
    for (const auto& a : node.attributes) out.push_back(a->name + "=" + a->value);
    return out;
}

TEST(XMLNodeTest, SkeletonReadsAndWritesBackUnchanged) {
    const auto node = CreateXMLNode("<item></item>");
    EXPECT_EQ(node->name, "item");
    EXPECT_TRUE(node->attributes.empty());
    EXPECT_EQ(node->value, "");
    EXPECT_FALSE(node->hasChildNodes());
    EXPECT_EQ(node->toString(), "<item></item>");
}

TEST(XMLNodeTest, AttributesInOrderAndCaseSensitive) {
    const auto node = TXMLNode::Create("<a x='1' y='2'>t</a>");
    EXPECT_EQ(attributeList(*node), (std::vector<std::string>{"x=1", "y=2"}));
    ASSERT_EQ(node->attributeArray.size(), 2u);
    EXPECT_EQ(node->attributeArray[1]->value, "2");
    EXPECT_EQ(node->getAttribute("y"), "2");
    EXPECT_EQ(node->getAttribute("X"), "");
    EXPECT_EQ(node->value, "t");
    EXPECT_EQ(node->toString(), "<a x='1' y='2'>t</a>");
}

TEST(XMLNodeTest, SelfClosingElement) {
    const auto node = CreateXMLNode("<a x=''/>");
    EXPECT_EQ(attributeList(*node), (std::vector<std::string>{"x="}));
    EXPECT_EQ(node->value, "");
    EXPECT_FALSE(node->hasChildNodes());
    EXPECT_EQ(node->toString(), "<a x=''></a>");
}

TEST(XMLNodeTest, ChildrenAndTheirQueries) {
    const auto node = CreateXMLNode("<a><b k='1'>1</b><c k='2'/><b k='3'/></a>");
    ASSERT_EQ(node->children.size(), 3u);
    EXPECT_EQ(node->childArray, node->children);
    EXPECT_EQ(node->firstChild->name, "b");
    EXPECT_EQ(node->lastChild->getAttribute("k"), "3");
    EXPECT_EQ(node->getNode("b")->value, "1");
    EXPECT_EQ(node->getNode("B"), nullptr);
    EXPECT_EQ(node->getNodeByAttr("k", "2")->name, "c");
    EXPECT_EQ(node->getNodeByAttr("k", "4"), nullptr);
    EXPECT_EQ(node->nodeValue(), "<b k='1'>1</b><c k='2'></c><b k='3'></b>");

    node->removeNode(node->firstChild);
    node->removeNode(node->lastChild);
    EXPECT_EQ(node->toString(), "<a><c k='2'></c></a>");
    node->removeNode(node->firstChild);
    EXPECT_EQ(node->firstChild, nullptr);
    EXPECT_TRUE(node->childArray.empty());
}

TEST(XMLNodeTest, TextRules) {
    EXPECT_EQ(CreateXMLNode("<a>dir/file</a>")->value, "dirfile");
    EXPECT_EQ(CreateXMLNode("<a> two words </a>")->value, " two words ");
    // Text before the first child is the element's text, and then it alone is written.
    const auto mixed = CreateXMLNode("<a>t<b/>after</a>");
    EXPECT_EQ(mixed->value, "t");
    EXPECT_EQ(mixed->children.size(), 1u);
    EXPECT_EQ(mixed->toString(), "<a>t</a>");
}

TEST(XMLNodeTest, RereadingReplacesAttributesAndChildren) {
    const auto node = CreateXMLNode("<a x='1'>text<b/></a>");
    node->nodeValue("<z/>");
    EXPECT_EQ(node->value, "");
    EXPECT_EQ(node->name, "z");
    EXPECT_TRUE(node->attributes.empty());
    EXPECT_TRUE(node->attributeArray.empty());
    EXPECT_TRUE(node->children.empty());
    EXPECT_EQ(node->firstChild, nullptr);
}

TEST(XMLNodeTest, BuiltNodesAreWrittenOnOneLine) {
    const auto root = CreateXMLNode("<item></item>");
    root->name = "settings";
    root->appendAttribute(TAttribute::Create("musicVol", "0.5"));
    root->appendAttribute(nullptr);
    const auto child = CreateXMLNode("<level n='1'/>");
    root->appendChild(child);
    root->appendChild(nullptr);
    EXPECT_EQ(root->toString(), "<settings musicVol='0.5'><level n='1'></level></settings>");
    EXPECT_THROW(root->appendChild(root), XMLError);
    EXPECT_THROW(child->appendChild(root), XMLError);
    EXPECT_EQ(root->children.size(), 1u);
}

struct Unfinished {
    std::string text;
    std::string written;
};

class XMLUnfinishedTest : public testing::TestWithParam<Unfinished> {};

// Text that ends inside a tag, an attribute or an element keeps what was read before the end.
TEST_P(XMLUnfinishedTest, StopsAtTheEndAndKeepsWhatItRead) {
    EXPECT_EQ(CreateXMLNode(GetParam().text)->toString(), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    XMLNodeTest, XMLUnfinishedTest,
    testing::Values(Unfinished{"<a", "<a></a>"}, Unfinished{"<", "<></>"}, Unfinished{"<a x='1", "<a></a>"},
                    Unfinished{"<a x='1' y=", "<a x='1'></a>"}, Unfinished{"<a x='1'>te", "<a x='1'>te</a>"},
                    Unfinished{"<a><b>1</b><c", "<a><b>1</b><c></c></a>"},
                    Unfinished{"<a><b><c x='", "<a><b><c></c></b></a>"}, Unfinished{"<a></", "<a></a>"},
                    Unfinished{"abc", "<abc></abc>"}, Unfinished{"<a/", "<a></a>"}));

// Inputs the fuzzer found: what the writer makes of them must read back to the same text.
TEST(XMLNodeTest, WrittenTextReadsBackTheSame) {
    const std::string inputs[] = {"<a x'1= 'y=''>2<b k='v'>dir/file</b></a>", "<e '>", "<e a==''>", "<a='1'>",
                                  "</a>"};
    for (const auto& input : inputs) {
        const std::string written = CreateXMLNode(input)->toString();
        EXPECT_EQ(CreateXMLNode(written)->toString(), written) << input;
    }
    EXPECT_EQ(CreateXMLNode(inputs[0])->toString(), "<a x='' 1=='' y=''>2</a>");
}

TEST(XMLNodeTest, DeepNestingStopsAtTheLimit) {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "<a>";
    const auto node = CreateXMLNode(text);
    int depth = 1;
    for (auto n = node; n->firstChild; n = n->firstChild) ++depth;
    EXPECT_EQ(depth, TXMLNode::maxDepth);
}

TEST(XMLNodeTest, FilesRoundTripAndIndentedFilesReadTheSame) {
    TempFolder folder;
    const std::string one = "<options a='1'><music level='5'>loud</music><sound level='3'/></options>";
    const auto node = CreateXMLNode(one);
    const std::string saved = folder.file("options.dat");
    node->Save(saved);
    EXPECT_EQ(TempFolder::read(saved),
              one.substr(0, one.find("<sound")) + "<sound level='3'></sound></options>\r\n");

    TempFolder::write(folder.file("indented.dat"), "  <options a='1'>\r\n"
                                                   "\t<music level='5'>\n"
                                                   "\t\tloud\n"
                                                   "\t</music>\n"
                                                   "\t<sound level='3'/>\n"
                                                   "</options>\n");
    TXMLNode fromSaved;
    TXMLNode fromIndented;
    fromSaved.Load(saved);
    fromIndented.Load(folder.file("indented.dat"));
    EXPECT_EQ(fromSaved.toString(), node->toString());
    EXPECT_EQ(fromIndented.toString(), node->toString());
}

TEST(XMLNodeTest, FileErrorsNameThePath) {
    TempFolder folder;
    TXMLNode node;
    const std::string missing = folder.file("missing.dat");
    EXPECT_EQ(errorOf<XMLError>([&] { node.Load(missing); }), "could not open file: " + missing);
    EXPECT_THROW(node.Load(folder.file("")), XMLError); // a folder
    const std::string unwritable = folder.file("no/such/options.dat");
    EXPECT_EQ(errorOf<XMLError>([&] { node.Save(unwritable); }), "could not create file: " + unwritable);
}

} // namespace
