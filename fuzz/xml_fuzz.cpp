// Fuzz target: the XML layer every settings and table file goes through: parse, walk, write, reparse.
#include "FuzzSupport.h"
#include "toolkit/services/XmlDoc.h"

namespace {
// Visits every node with the layer's own accessors, as the readers do; depth is capped like the readers'.
void fuzzWalkXml(const TXMLNode& node, int depth) {
    if (node.IsNull() || depth > 64) return;
    (void)node.NodeName();
    (void)node.Text();
    (void)node.FindNode("row");
    const TXMLNodeList children = node.ChildNodes();
    for (const TXMLNode& child : children)
        fuzzWalkXml(child, depth + 1);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The same bytes as a file of a kind with limits: refused or read, never anything else.
    {
        TXMLDocument limited;
        if (!limited.LoadFromFile(qvfuzz::WriteInput("Limited.xml", data, size), 4096, 16) &&
            limited.ErrorText().isEmpty())
            std::abort();
    }
    TXMLDocument doc;
    if (!doc.LoadFromBytes(qvfuzz::Bytes(data, size))) {
        if (doc.ErrorText().isEmpty()) std::abort(); // a refusal always says why
        return 0;
    }
    for (const TXMLNode& top : doc.ChildNodes())
        fuzzWalkXml(top, 0);
    // What was read is written back in a form that reads again to the same text.
    const QByteArray written = doc.SaveToBytes();
    TXMLDocument again;
    if (!again.LoadFromBytes(written)) std::abort();
    if (again.SaveToBytes() != written) std::abort();
    return 0;
}
