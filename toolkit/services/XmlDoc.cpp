// The XML document object over pugixml: loading, writing in the fixed layout, and the node handles.
#include "toolkit/services/XmlDoc.h"

#include "toolkit/system/Streams.h"
#include "toolkit/system/TextCodec.h"

#include <cstring>
#include <pugixml.hpp>

namespace {

constexpr unsigned kXmlParseOptions = pugi::parse_full | pugi::parse_ws_pcdata_single;

std::string xmlUtf8(const String& s) {
    return s.toStdString();
}
String xmlText(const char* s) {
    return String::fromUtf8(s);
}

// Line ends inside comments become LF, which is what any reader makes of them anyway.
String xmlNormaliseEol(const String& s) {
    String t = s;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

bool xmlNameStartChar(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_' || u == ':' || u >= 0xC0;
}

bool xmlValidName(const String& name) {
    if (name.isEmpty() || !xmlNameStartChar(name[0])) return false;
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (!(xmlNameStartChar(c) || (u >= '0' && u <= '9') || u == '-' || u == '.' || u == 0xB7))
            return false;
    }
    return true;
}

void xmlCheckName(const String& name) {
    if (!xmlValidName(name)) throw EXMLDocError(QStringLiteral("'%1' is not a valid XML name").arg(name));
}

// Collects pugixml's output with CR LF line ends. pugixml writes a bare CR only from content (texts and
// attributes), so it becomes a character reference there.
class CrLfWriter : public pugi::xml_writer {
public:
    QByteArray Out;
    void write(const void* data, size_t size) override {
        const char* p = static_cast<const char*>(data);
        Out.reserve(Out.size() + static_cast<qsizetype>(size) + 16);
        for (size_t i = 0; i < size; ++i) {
            if (p[i] == '\n')
                Out.append("\r\n", 2);
            else if (p[i] == '\r')
                Out.append("&#13;", 5);
            else
                Out.push_back(p[i]);
        }
    }
};

// "line L, column C" of a byte offset in the source.
String xmlErrorPlace(const QByteArray& bytes, ptrdiff_t offset) {
    int line = 1;
    int column = 1;
    for (qsizetype i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

} // namespace

// ---- TXMLNode ----

pugi::xml_node_struct* TXMLNode::live() const {
    return (FNode && FAlive && *FAlive) ? FNode : nullptr;
}

bool TXMLNode::IsNull() const {
    return live() == nullptr;
}

bool TXMLNode::operator==(const TXMLNode& other) const {
    return live() == other.live();
}

TNodeType TXMLNode::NodeType() const {
    switch (pugi::xml_node(live()).type()) {
    case pugi::node_element:
        return ntElement;
    case pugi::node_pcdata:
        return ntText;
    case pugi::node_cdata:
        return ntCData;
    case pugi::node_comment:
        return ntComment;
    case pugi::node_pi:
    case pugi::node_declaration:
        return ntProcessingInstr;
    case pugi::node_doctype:
        return ntDocType;
    case pugi::node_document:
        return ntDocument;
    default:
        return ntReserved;
    }
}

String TXMLNode::NodeName() const {
    const pugi::xml_node n(live());
    switch (n.type()) {
    case pugi::node_pcdata:
        return QStringLiteral("#text");
    case pugi::node_cdata:
        return QStringLiteral("#cdata-section");
    case pugi::node_comment:
        return QStringLiteral("#comment");
    case pugi::node_doctype:
        return QStringLiteral("#doctype");
    default:
        return xmlText(n.name());
    }
}

String TXMLNode::NodeValue() const {
    return xmlText(pugi::xml_node(live()).value());
}

String TXMLNode::Text() const {
    const pugi::xml_node n(live());
    if (n.type() != pugi::node_element) return xmlText(n.value());
    std::string joined;
    for (pugi::xml_node c : n.children())
        if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) joined += c.value();
    return String::fromStdString(joined);
}

void TXMLNode::SetText(const String& text) {
    pugi::xml_node n(live());
    if (n.type() != pugi::node_element) return;
    for (pugi::xml_node c = n.first_child(); c;) {
        const pugi::xml_node next = c.next_sibling();
        if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) n.remove_child(c);
        c = next;
    }
    if (!text.isEmpty()) n.prepend_child(pugi::node_pcdata).set_value(xmlUtf8(text).c_str());
}

int TXMLNode::ChildCount() const {
    int count = 0;
    for (pugi::xml_node c = pugi::xml_node(live()).first_child(); c; c = c.next_sibling())
        ++count;
    return count;
}

TXMLNode TXMLNode::Child(int index) const {
    if (index < 0) return {};
    pugi::xml_node c = pugi::xml_node(live()).first_child();
    for (; c && index > 0; --index)
        c = c.next_sibling();
    return c ? TXMLNode(c.internal_object(), FAlive) : TXMLNode();
}

TXMLNodeList TXMLNode::ChildNodes() const {
    TXMLNodeList list;
    for (pugi::xml_node c : pugi::xml_node(live()).children())
        list.FNodes.push_back(TXMLNode(c.internal_object(), FAlive));
    return list;
}

TXMLNode TXMLNode::FirstChild() const {
    const pugi::xml_node c = pugi::xml_node(live()).first_child();
    return c ? TXMLNode(c.internal_object(), FAlive) : TXMLNode();
}

TXMLNode TXMLNode::NextSibling() const {
    const pugi::xml_node c = pugi::xml_node(live()).next_sibling();
    return c ? TXMLNode(c.internal_object(), FAlive) : TXMLNode();
}

TXMLNode TXMLNode::ParentNode() const {
    const pugi::xml_node p = pugi::xml_node(live()).parent();
    return (p && p.type() != pugi::node_document) ? TXMLNode(p.internal_object(), FAlive) : TXMLNode();
}

TXMLNode TXMLNode::FindNode(const String& name) const {
    const pugi::xml_node c = pugi::xml_node(live()).child(xmlUtf8(name).c_str());
    return c ? TXMLNode(c.internal_object(), FAlive) : TXMLNode();
}

TXMLNode TXMLNode::AddChild(const String& name) {
    xmlCheckName(name);
    pugi::xml_node n(live());
    if (n.type() != pugi::node_element) return {};
    return TXMLNode(n.append_child(xmlUtf8(name).c_str()).internal_object(), FAlive);
}

TXMLNode TXMLNode::AppendComment(const String& text) {
    pugi::xml_node n(live());
    if (n.type() != pugi::node_element) return {};
    pugi::xml_node c = n.append_child(pugi::node_comment);
    c.set_value(xmlUtf8(xmlNormaliseEol(text)).c_str());
    return TXMLNode(c.internal_object(), FAlive);
}

namespace {

// Where an insertion into Parent lands: before Before, or at the end for a null one; false when Before is
// no child of Parent.
bool xmlInsertPlace(const pugi::xml_node& parent, pugi::xml_node_struct* before) {
    return parent.type() == pugi::node_element && (!before || pugi::xml_node(before).parent() == parent);
}

} // namespace

TXMLNode TXMLNode::InsertChildBefore(const String& name, const TXMLNode& before) {
    xmlCheckName(name);
    pugi::xml_node n(live());
    if (!xmlInsertPlace(n, before.live())) return {};
    const std::string utf8 = xmlUtf8(name);
    pugi::xml_node c = before.live() ? n.insert_child_before(utf8.c_str(), pugi::xml_node(before.live()))
                                     : n.append_child(utf8.c_str());
    return TXMLNode(c.internal_object(), FAlive);
}

TXMLNode TXMLNode::InsertCopyBefore(const TXMLNode& node, const TXMLNode& before) {
    pugi::xml_node n(live());
    const pugi::xml_node source(node.live());
    if (!source || !xmlInsertPlace(n, before.live())) return {};
    pugi::xml_node c =
        before.live() ? n.insert_copy_before(source, pugi::xml_node(before.live())) : n.append_copy(source);
    return TXMLNode(c.internal_object(), FAlive);
}

TXMLNode TXMLNode::MoveBefore(const TXMLNode& node, const TXMLNode& before) {
    pugi::xml_node n(live());
    const pugi::xml_node moved(node.live());
    if (!moved || node.FAlive != FAlive || !xmlInsertPlace(n, before.live()) ||
        moved == pugi::xml_node(before.live()))
        return {};
    // pugixml refuses to move a node into itself or below itself, and answers an empty node then.
    pugi::xml_node c =
        before.live() ? n.insert_move_before(moved, pugi::xml_node(before.live())) : n.append_move(moved);
    return TXMLNode(c.internal_object(), FAlive);
}

String TXMLNode::Attributes(const String& name) const {
    return Attributes(name, String());
}

String TXMLNode::Attributes(const String& name, const String& def) const {
    const pugi::xml_attribute a = pugi::xml_node(live()).attribute(xmlUtf8(name).c_str());
    return a ? xmlText(a.value()) : def;
}

bool TXMLNode::HasAttribute(const String& name) const {
    return bool(pugi::xml_node(live()).attribute(xmlUtf8(name).c_str()));
}

void TXMLNode::SetAttribute(const String& name, const String& value) {
    xmlCheckName(name);
    pugi::xml_node n(live());
    if (n.type() != pugi::node_element) return;
    const std::string key = xmlUtf8(name);
    pugi::xml_attribute a = n.attribute(key.c_str());
    if (!a) a = n.append_attribute(key.c_str());
    a.set_value(xmlUtf8(value).c_str());
}

int TXMLNode::AttributeCount() const {
    int count = 0;
    for (pugi::xml_attribute a = pugi::xml_node(live()).first_attribute(); a; a = a.next_attribute())
        ++count;
    return count;
}

namespace {
pugi::xml_attribute xmlAttributeAt(pugi::xml_node n, int index) {
    if (index < 0) return {};
    pugi::xml_attribute a = n.first_attribute();
    for (; a && index > 0; --index)
        a = a.next_attribute();
    return a;
}
} // namespace

String TXMLNode::AttributeName(int index) const {
    return xmlText(xmlAttributeAt(pugi::xml_node(live()), index).name());
}

String TXMLNode::AttributeValue(int index) const {
    return xmlText(xmlAttributeAt(pugi::xml_node(live()), index).value());
}

// ---- TXMLNodeList ----

TXMLNode TXMLNodeList::Nodes(int index) const {
    return (index >= 0 && index < Count()) ? FNodes[static_cast<size_t>(index)] : TXMLNode();
}

TXMLNode TXMLNodeList::FindNode(const String& name) const {
    for (const TXMLNode& n : FNodes)
        if (n.NodeType() == ntElement && n.NodeName() == name) return n;
    return {};
}

// ---- TXMLDocument ----

TXMLDocument::TXMLDocument(TComponent* owner)
    : TComponent(owner), FDoc(std::make_unique<pugi::xml_document>()), FAlive(std::make_shared<bool>(true)) {}

TXMLDocument::~TXMLDocument() {
    *FAlive = false;
}

void TXMLDocument::reset() {
    // Handles into the old content must not reach freed nodes.
    *FAlive = false;
    FAlive = std::make_shared<bool>(true);
    FDoc->reset();
}

void TXMLDocument::SetActive(bool value) {
    if (value == FActive) return;
    reset();
    FActive = value;
}

void TXMLDocument::Clear() {
    reset();
    FActive = true;
}

bool TXMLDocument::LoadFromFile(const String& fileName) {
    return LoadFromFile(fileName, -1, -1);
}

bool TXMLDocument::LoadFromFile(const String& fileName, qint64 maxBytes, qsizetype maxText) {
    QByteArray bytes;
    String error;
    TReadFault fault = TReadFault::None;
    if (!ReadWholeFile(fileName, bytes, &error, maxBytes, &fault)) {
        Clear();
        FErrorText = ReadFaultText(fileName, fault, error, maxBytes);
        FErrorReason = error;
        return false;
    }
    const bool ok = LoadFromBytes(bytes, maxText);
    if (ok) {
        FFileName = fileName;
    } else {
        FErrorReason = FErrorText;
        FErrorText = fileName + QStringLiteral(": ") + FErrorText;
    }
    return ok;
}

bool TXMLDocument::LoadFromString(const String& xml) {
    return parse(xml.toUtf8(), true);
}

bool TXMLDocument::LoadFromBytes(const QByteArray& bytes) {
    return parse(bytes, false);
}

bool TXMLDocument::LoadFromBytes(const QByteArray& bytes, qsizetype maxText) {
    return LoadFromBytes(bytes) && (maxText < 0 || textsWithin(maxText));
}

// Walks the tree without recursion: a document may nest as deep as its size allows.
bool TXMLDocument::textsWithin(qsizetype maxText) {
    const auto tooLong = [&](const char* text) {
        // The UTF-8 length bounds the character count from above; count exactly only near the limit.
        const size_t bytes = std::strlen(text);
        return bytes > size_t(maxText) && QString::fromUtf8(text, qsizetype(bytes)).size() > maxText;
    };
    pugi::xml_node n = FDoc->first_child();
    while (n) {
        bool bad = tooLong(n.value()) || tooLong(n.name());
        for (pugi::xml_attribute a : n.attributes())
            bad = bad || tooLong(a.value()) || tooLong(a.name());
        if (bad) {
            const String name = xmlText(n.name());
            Clear();
            FErrorText = QStringLiteral("A text or name in the document%1 is longer than %2 characters")
                             .arg(name.isEmpty() ? String() : QStringLiteral(" (in \"%1\")").arg(name))
                             .arg(maxText);
            return false;
        }
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n && !n.next_sibling())
            n = n.parent();
        if (n) n = n.next_sibling();
    }
    return true;
}

bool TXMLDocument::parse(const QByteArray& bytes, bool utf8) {
    Clear();
    FErrorReason.clear();
    const pugi::xml_parse_result r =
        FDoc->load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()), kXmlParseOptions,
                          utf8 ? pugi::encoding_utf8 : pugi::encoding_auto);
    if (!r) {
        Clear();
        FErrorText = xmlErrorPlace(bytes, r.offset) + QStringLiteral(": ") + xmlText(r.description());
        return false;
    }
    // A well-formed document has exactly one root element; the parser would let a second one pass.
    int elements = 0;
    for (pugi::xml_node n : FDoc->children())
        elements += n.type() == pugi::node_element;
    if (elements != 1) {
        Clear();
        FErrorText = QStringLiteral("Only one top level element is allowed");
        return false;
    }
    FErrorText.clear();
    return true;
}

// Writes the document as UTF-8; a declaration of the document's own, or the one asked for, names
// `declaration` as its encoding.
QByteArray TXMLDocument::writeUtf8(const char* declaration) {
    bool hasDeclaration = false;
    for (pugi::xml_node n : FDoc->children()) {
        if (n.type() != pugi::node_declaration) continue;
        hasDeclaration = true;
        if (pugi::xml_attribute enc = n.attribute("encoding")) enc.set_value(declaration);
    }
    CrLfWriter writer;
    if (FWriteDeclaration && !hasDeclaration)
        writer.Out = QByteArray("<?xml version=\"1.0\" encoding=\"") + declaration + "\"?>\r\n";
    FDoc->save(writer, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    return writer.Out;
}

QByteArray TXMLDocument::SaveToBytes() {
    // The bytes are UTF-8 whatever the file that was read said.
    return writeUtf8("UTF-8");
}

bool TXMLDocument::SaveToBytes(const String& encoding, QByteArray& bytes) {
    const String name = encoding.trimmed().toUpper();
    char32_t limit = 0x10FFFF;
    const char* declared = "UTF-8";
    if (name == QLatin1String("UTF-16")) {
        declared = "UTF-16";
    } else if (name == QLatin1String("ISO-8859-1") || name == QLatin1String("LATIN1")) {
        declared = "ISO-8859-1";
        limit = 0xFF;
    } else if (name == QLatin1String("US-ASCII") || name == QLatin1String("ASCII")) {
        declared = "US-ASCII";
        limit = 0x7F;
    } else if (name != QLatin1String("UTF-8") && name != QLatin1String("UTF8")) {
        return false;
    }
    const bool writeDeclaration = FWriteDeclaration;
    FWriteDeclaration = true;
    const QByteArray utf8 = writeUtf8(declared);
    FWriteDeclaration = writeDeclaration;
    if (limit == 0x10FFFF) {
        bytes = std::strcmp(declared, "UTF-16") == 0
                    ? EncodeText(String::fromUtf8(utf8), TTextEncoding::UTF16LE)
                    : utf8;
        return true;
    }
    // A reference stands for a character only in texts and attribute values; comments, CDATA sections and
    // processing instructions take their characters as they are.
    const auto raw = [limit](char32_t c) { return c <= limit && (c < 0x80 || c > 0x9F); };
    const auto fits = [&raw](const char* s) {
        for (const char32_t c : String::fromUtf8(s).toUcs4())
            if (!raw(c)) return false;
        return true;
    };
    for (pugi::xml_node n = FDoc->first_child(); n;) {
        const pugi::xml_node_type type = n.type();
        const bool rawValue = type == pugi::node_comment || type == pugi::node_cdata || type == pugi::node_pi;
        bool ok = fits(n.name()) && (!rawValue || fits(n.value()));
        for (pugi::xml_attribute a : n.attributes())
            ok = ok && fits(a.name());
        if (!ok) return false;
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n && !n.next_sibling())
            n = n.parent();
        if (n) n = n.next_sibling();
    }
    QByteArray out;
    out.reserve(utf8.size());
    for (const char32_t c : String::fromUtf8(utf8).toUcs4()) {
        if (raw(c))
            out.push_back(static_cast<char>(c));
        else
            out += "&#" + QByteArray::number(static_cast<uint>(c)) + ';';
    }
    bytes = out;
    return true;
}

String TXMLDocument::SaveToString() {
    return String::fromUtf8(SaveToBytes());
}

bool TXMLDocument::SaveToFile(const String& fileName) {
    String error;
    if (!SaveFileAtomically(fileName, SaveToBytes(), &error)) {
        FErrorText = QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, error);
        FErrorReason = error;
        return false;
    }
    FErrorText.clear();
    FErrorReason.clear();
    FFileName = fileName;
    return true;
}

TXMLNodeList TXMLDocument::ChildNodes() const {
    TXMLNodeList list;
    for (pugi::xml_node c : FDoc->children())
        list.FNodes.push_back(wrap(c.internal_object()));
    return list;
}

TXMLNode TXMLDocument::DocumentElement() const {
    const pugi::xml_node root = FDoc->document_element();
    return root ? wrap(root.internal_object()) : TXMLNode();
}

TXMLNode TXMLDocument::AddChild(const String& name) {
    xmlCheckName(name);
    if (FDoc->document_element())
        throw EXMLDocError(QStringLiteral("The document already has a root element"));
    FActive = true;
    return wrap(FDoc->append_child(xmlUtf8(name).c_str()).internal_object());
}

TXMLNode TXMLDocument::AppendComment(const String& text) {
    FActive = true;
    pugi::xml_node c = FDoc->append_child(pugi::node_comment);
    c.set_value(xmlUtf8(xmlNormaliseEol(text)).c_str());
    return wrap(c.internal_object());
}
