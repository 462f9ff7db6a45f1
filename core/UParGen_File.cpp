// The one way "ParGen.xml" is loaded and its elements found, shared by the settings window and the
// tables and generators that depend on a setting.
#include "core/UParGen_File.h"

#include "core/UComon.h"
#include "toolkit/system/SysUtils.h"

bool LoadParGen(TXMLDocument& xml, const String& path) {
    return xml.LoadFromFile(path, Max_ParGen_File_Bytes, Max_ParGen_Text);
}

TXMLNode ParGenRoot(const TXMLDocument& xml) {
    return xml.ChildNodes().First();
}

bool Read_ParGen_Element(const String& path, const String& name, String& text) {
    if (!FileExists(path)) return false;
    TXMLDocument xml;
    if (!LoadParGen(xml, path)) return false;
    const TXMLNode node = ParGenRoot(xml).FindNode(name);
    if (node.IsNull()) return false;
    text = node.Text();
    return true;
}
