// The XML document object of the toolkit (a DOM over pugixml) and its node handles.
//
// Written form (SaveToFile / SaveToString / SaveToBytes), stable so that files can be compared byte for byte:
//   - UTF-8 without a byte-order mark; no XML declaration unless SetWriteDeclaration(true) asks for
//     `<?xml version="1.0" encoding="UTF-8"?>` (or the document holds a declaration node of its own);
//   - every top-level node on its own line; child elements indented by two spaces per level;
//   - every line ends with CR LF, the last one included;
//   - an element holding only text is written on one line: `<name>text</name>`;
//     an element without children as `<name />`; attributes in the order they were set:
//     `<row Enable="Y" NodeType="" />`;
//   - comments as `<!--text-->`; a carriage return inside a text or an attribute is written as `&#13;`
//     so it survives the reader's line-end normalisation; "&", "<", ">" in texts and "&", "<", '"'
//     in attributes are escaped.
// Example:
//   <Par_Gen>\r\n  <E_Port>4840</E_Port>\r\n  <Empty />\r\n</Par_Gen>\r\n<!--SW_VERSION = 1.003-->\r\n
//
// Reading keeps comments, the declaration, processing instructions and a doctype as top-level nodes
// (so the first top-level node need not be the root element); white space between elements is
// dropped, white space that is an element's only content is kept.
#pragma once

#include "toolkit/system/Classes.h"
#include "toolkit/system/Types.h"

#include <QByteArray>
#include <memory>
#include <vector>

namespace pugi {
struct xml_node_struct;
class xml_document;
} // namespace pugi

class EXMLDocError : public Exception {
public:
    using Exception::Exception;
};

// Node kinds, numbered as the platform's DOM numbers them.
enum TNodeType {
    ntReserved = 0,
    ntElement = 1,
    ntAttribute = 2,
    ntText = 3,
    ntCData = 4,
    ntEntityRef = 5,
    ntEntity = 6,
    ntProcessingInstr = 7,
    ntComment = 8,
    ntDocument = 9,
    ntDocType = 10,
    ntDocFragment = 11,
    ntNotation = 12,
};

class TXMLNodeList;

// A cheap, copyable handle to a node. A null handle answers empty values and ignores changes. Once the
// document is cleared, reloaded or destroyed, every handle into it becomes null (never dangling).
// Changing an element's text removes its former text nodes; handles to those must not be used again.
class TXMLNode {
public:
    TXMLNode() = default;
    bool IsNull() const;
    bool operator==(const TXMLNode& other) const;

    TNodeType NodeType() const;
    // The element's name; "#text", "#cdata-section", "#comment" for those; the target of a
    // processing instruction ("xml" for the declaration).
    String NodeName() const;
    // The content of a text, comment or processing-instruction node; empty for an element.
    String NodeValue() const;

    // An element's text: its direct text children joined; a text or comment node's own value.
    String Text() const;
    // Replaces the element's text children with one holding `text` (none when empty); other children stay.
    void SetText(const String& text);

    int ChildCount() const;
    TXMLNode Child(int index) const; // null when out of range; walks the children (use ChildNodes for loops)
    TXMLNodeList ChildNodes() const;
    TXMLNode FirstChild() const;
    TXMLNode NextSibling() const;
    TXMLNode ParentNode() const; // null for a top-level node
    // The first child element with exactly this name; null when there is none.
    TXMLNode FindNode(const String& name) const;

    // Appends a child element; raises EXMLDocError for a name that XML does not allow.
    TXMLNode AddChild(const String& name);
    TXMLNode AppendComment(const String& text);
    // Editing in place: Before is one of this element's children, a null one meaning after the last. Each
    // answers a null handle (and changes nothing) when this is no element or Before is not its child; a
    // move also when Node is this element or holds it, or lies in another document.
    TXMLNode InsertChildBefore(const String& name, const TXMLNode& before);
    TXMLNode InsertCopyBefore(const TXMLNode& node, const TXMLNode& before);
    TXMLNode MoveBefore(const TXMLNode& node, const TXMLNode& before);

    // The attribute's value; empty (or `def`) when the element has no such attribute.
    String Attributes(const String& name) const;
    String Attributes(const String& name, const String& def) const;
    bool HasAttribute(const String& name) const;
    // Changes the value in place, or appends the attribute after the others; raises EXMLDocError for a bad
    // name.
    void SetAttribute(const String& name, const String& value);
    int AttributeCount() const;
    String AttributeName(int index) const;  // empty when out of range
    String AttributeValue(int index) const; // empty when out of range

private:
    friend class TXMLDocument;
    friend class TXMLNodeList;
    TXMLNode(pugi::xml_node_struct* node, std::shared_ptr<const bool> alive)
        : FNode(node), FAlive(std::move(alive)) {}
    pugi::xml_node_struct* live() const;

    pugi::xml_node_struct* FNode = nullptr;
    std::shared_ptr<const bool> FAlive;
};

// The children of a node (or of the document) as they stood when the list was taken.
class TXMLNodeList {
public:
    int Count() const { return static_cast<int>(FNodes.size()); }
    TXMLNode operator[](int index) const { return Nodes(index); }
    TXMLNode Nodes(int index) const; // null when out of range
    TXMLNode First() const { return Nodes(0); }
    TXMLNode Last() const { return Nodes(Count() - 1); }
    // The first element in the list with exactly this name; null when there is none.
    TXMLNode FindNode(const String& name) const;

    std::vector<TXMLNode>::const_iterator begin() const { return FNodes.begin(); }
    std::vector<TXMLNode>::const_iterator end() const { return FNodes.end(); }

private:
    friend class TXMLNode;
    friend class TXMLDocument;
    std::vector<TXMLNode> FNodes;
};

// One XML document. Loading never raises: a missing or malformed file answers false, leaves the
// document empty and keeps a description in ErrorText().
class TXMLDocument : public TComponent {
public:
    explicit TXMLDocument(TComponent* owner = nullptr);
    ~TXMLDocument() override;
    String ClassName() const override { return "TXMLDocument"; }

    // An inactive document holds nothing; activating gives an empty one. Loading activates.
    bool Active() const { return FActive; }
    void SetActive(bool value);

    bool LoadFromFile(const String& fileName);
    // The same for a file of a known kind: one larger than `maxBytes`, or with an element text or attribute
    // value longer than `maxText` characters, is refused like a malformed one.
    bool LoadFromFile(const String& fileName, qint64 maxBytes, qsizetype maxText);
    bool LoadFromString(const String& xml);
    bool LoadFromBytes(const QByteArray& bytes);
    // The same with the text limit of LoadFromFile, for a file already read.
    bool LoadFromBytes(const QByteArray& bytes, qsizetype maxText);
    String ErrorText() const { return FErrorText; }
    // The same without the file's name, for a message that names the file itself.
    String ErrorReason() const { return FErrorReason.isEmpty() ? FErrorText : FErrorReason; }
    String FileName() const { return FFileName; }

    // Writes the whole document atomically (the old file stays on failure); false with ErrorText on failure.
    bool SaveToFile(const String& fileName);
    QByteArray SaveToBytes();
    // The document in the named encoding ("UTF-8", "UTF-16", "ISO-8859-1" or "US-ASCII", case ignored) after
    // a declaration that names it; UTF-16 is little-endian with a byte-order mark. A character the encoding
    // lacks, and a C1 control character, is written as a character reference. False (Bytes untouched) for
    // another encoding, or when such a character stands where no reference may (a name, a comment, a CDATA
    // section).
    bool SaveToBytes(const String& encoding, QByteArray& bytes);
    String SaveToString();
    void SetWriteDeclaration(bool value) { FWriteDeclaration = value; }
    bool WriteDeclaration() const { return FWriteDeclaration; }

    // Removes every top-level node; handles into the document become null.
    void Clear();
    // The top-level nodes in order: declaration, comments, the root element ...
    TXMLNodeList ChildNodes() const;
    // The first top-level element, whatever its name; null when there is none.
    TXMLNode DocumentElement() const;
    // Adds the root element; raises EXMLDocError when the document already has one or the name is bad.
    TXMLNode AddChild(const String& name);
    // Appends a comment at the top level, after whatever is there (the root included).
    TXMLNode AppendComment(const String& text);

private:
    void reset();
    bool parse(const QByteArray& bytes, bool utf8);
    bool textsWithin(qsizetype maxText);
    QByteArray writeUtf8(const char* declaration);
    TXMLNode wrap(pugi::xml_node_struct* node) const { return TXMLNode(node, FAlive); }

    std::unique_ptr<pugi::xml_document> FDoc;
    std::shared_ptr<bool> FAlive;
    bool FActive = false;
    bool FWriteDeclaration = false;
    String FErrorText;
    String FErrorReason;
    String FFileName;
};
