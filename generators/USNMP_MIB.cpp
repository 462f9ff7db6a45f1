// The SNMP MIB generator: reading the agent table file and writing an SMIv2 module from it.
#include "generators/USNMP_MIB.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "generators/UDescription_Files.h"
#include "tables/frame/TableFile.h"
#include "tables/network/USNMP_Trap_Tables.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

#include <set>

namespace {
// The INTEGER flags of the last reading, beside the shared description lists.
std::vector<bool> mibReadIsInt;
std::vector<bool> mibWriteIsInt;

bool readMibSection(const TXMLNode& root, const char* name, QStringList& descriptions,
                    std::vector<bool>& isInt, String& error) {
    const TXMLNode section = root.FindNode(name);
    if (section.IsNull()) {
        error = QStringLiteral("The SNMP table file has no \"%1\" section.").arg(name);
        return false;
    }
    for (const TXMLNode& row : section.ChildNodes()) {
        if (row.NodeType() != ntElement || row.NodeName() != "row") continue;
        // The rows the agent window numbers, so that object n is row n of its column N.
        if (!SNMP_Trap_Row_Enabled(row.Attributes("Enable"))) continue;
        // A row without a description has none: it never borrows the text of the row before it.
        descriptions << row.Attributes("Description");
        isInt.push_back(UpperCase(row.Attributes("Type")) == "INT");
    }
    return true;
}

// An identifier SMIv2 accepts for an object: a lower-case letter, then letters, digits and single
// hyphens, not ending in a hyphen, at most 64 characters.
bool isMibIdentifier(const String& s) {
    if (s.isEmpty() || s.size() > 64 || s[0] < 'a' || s[0] > 'z') return false;
    for (QChar c : s)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != '-') return false;
    return !s.endsWith('-') && !s.contains("--");
}

// The text of a DESCRIPTION clause: printable ASCII without the double quote that would end it.
String mibQuotedText(const String& s) {
    String out;
    for (QChar c : s) {
        if (c == '"')
            out += '\'';
        else if (c.unicode() < 32 || c.unicode() > 126)
            out += c == '\t' ? ' ' : '?';
        else
            out += c;
    }
    return out;
}

// Names every object of a section: its description when that is a free identifier, else the section's
// node name and its number (made free with trailing "x" if a description took it).
QStringList mibObjectNames(const QStringList& descriptions, const String& node, std::set<String>& used) {
    QStringList names;
    for (int i = 0; i < descriptions.size(); ++i) {
        String name = descriptions[i];
        if (!isMibIdentifier(name) || used.count(name)) {
            name = node + String::number(i + 1);
            while (used.count(name))
                name += 'x';
        }
        used.insert(name);
        names << name;
    }
    return names;
}

void addMibObjects(QStringList& lines, const QStringList& descriptions, const QStringList& names,
                   const std::vector<bool>& isInt, const String& node, const char* access) {
    for (int i = 0; i < descriptions.size(); ++i) {
        const bool integer = size_t(i) < isInt.size() && isInt[size_t(i)];
        lines << names[i] +
                     QStringLiteral(" OBJECT-TYPE SYNTAX %1 MAX-ACCESS %2 STATUS current DESCRIPTION \"")
                         .arg(integer ? "INTEGER" : "OCTET STRING", access) +
                     mibQuotedText(descriptions[i]) + QStringLiteral("\" ::= { %1 %2 }").arg(node).arg(i + 1);
    }
}
} // namespace

bool Parse_SNMP_Trap(const TXMLDocument& doc, TMIB_Configuration& config, String& error) {
    config = TMIB_Configuration();
    const TXMLNode root = doc.DocumentElement();
    return readMibSection(root, SNMP_Trap_Read_Section, config.Read_Descriptions, config.Read_Is_Int,
                          error) &&
           readMibSection(root, SNMP_Trap_Write_Section, config.Write_Descriptions, config.Write_Is_Int,
                          error);
}

bool Read_SNMP_Trap_Configuration(String& error) {
    if (!MIB_Read_Descriptions || !MIB_Write_Descriptions) Create_Shared_Lists();
    MIB_Read_Descriptions->Clear();
    MIB_Write_Descriptions->Clear();
    mibReadIsInt.clear();
    mibWriteIsInt.clear();
    if (!PathExists(File_SNMP_Trap)) return true;
    TXMLDocument doc;
    if (!doc.LoadFromFile(File_SNMP_Trap, Max_Table_Window_File_Bytes, Max_Table_Window_Text)) {
        error = QStringLiteral("The SNMP table file \"%1\" could not be read: %2")
                    .arg(File_SNMP_Trap, doc.ErrorText());
        return false;
    }
    TMIB_Configuration config;
    if (!Parse_SNMP_Trap(doc, config, error)) return false;
    for (const String& d : config.Read_Descriptions)
        MIB_Read_Descriptions->Add(d);
    for (const String& d : config.Write_Descriptions)
        MIB_Write_Descriptions->Add(d);
    mibReadIsInt = config.Read_Is_Int;
    mibWriteIsInt = config.Write_Is_Int;
    return true;
}

QStringList MIB_Lines(const TMIB_Configuration& config) {
    QStringList l;
    l << "GATEWAY DEFINITIONS ::= BEGIN"
      << "IMPORTS"
      << "       MODULE-IDENTITY,OBJECT-TYPE,NOTIFICATION-TYPE,enterprises"
      << "         FROM SNMPv2-SMI"
      << "         DisplayString, TimeStamp"
      << "         FROM SNMPv2-TC;"
      << ""
      << "identity MODULE-IDENTITY"
      << "    LAST-UPDATED \"201701310000Z\""
      << "    ORGANIZATION \"" + Maker_Web_Address + "\""
      << "    CONTACT-INFO"
      << "\t \"" + Maker_Street << "    " + Maker_Town << "    " + Maker_Country
      << "    email:    " + Maker_Mail_Domain + "\""
      << "    DESCRIPTION"
      << "\t\"MIB objects for agent module \""
      << "    REVISION     \"201701310000Z\""
      << "    DESCRIPTION"
      << "\t\"Corrected notification \""
      << "    REVISION     \"200202060000Z\""
      << "    DESCRIPTION"
      << "\t\"First draft\""
      << "    ::= { orvane 2 }"
      << QStringLiteral("orvane          OBJECT IDENTIFIER ::= { enterprises %1 }")
             .arg(Maker_Enterprise_Number)
      << "gateway OBJECT IDENTIFIER::= { orvane 1 }"
      << "application OBJECT IDENTIFIER::= { gateway 1 }"
      << "data OBJECT IDENTIFIER::= { application 1 }"
      << "hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" "
         "::= { data 1}"
      << "countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" "
         "::= { data 2}"
      << "countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  DESCRIPTION \"\" "
         "::= { data 3}";

    // Every name the module defines itself is taken before the tables' objects are named.
    std::set<String> used = {"identity",    "orvane",       "gateway",  "application", "data",
                             "hellostring", "countin",      "countout", "bufferin",    "bufferinval",
                             "bufferout",   "bufferoutval", "traps",    "trapsval",    "enterprises"};
    for (int k = 1; k <= 8; ++k) {
        used.insert(QStringLiteral("bufferinblk%1").arg(k));
        used.insert(QStringLiteral("bufferoutblk%1").arg(k));
    }
    for (int n = 1; n <= config.Read_Descriptions.size(); ++n)
        used.insert(QStringLiteral("trapval%1").arg(n));
    const QStringList readNames = mibObjectNames(config.Read_Descriptions, "bufferinval", used);
    const QStringList writeNames = mibObjectNames(config.Write_Descriptions, "bufferoutval", used);

    l << "bufferin OBJECT IDENTIFIER::= { data 4 }";
    for (int k = 1; k <= 8; ++k)
        l << QStringLiteral(
                 "bufferinblk%1 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current "
                 "DESCRIPTION \"data block n.%1\" ::= { bufferin %1 }")
                 .arg(k);
    l << " bufferinval OBJECT IDENTIFIER::= { bufferin 9 }";
    addMibObjects(l, config.Read_Descriptions, readNames, config.Read_Is_Int, "bufferinval", "read-only");
    l << "bufferout OBJECT IDENTIFIER::= { data 5 }";
    for (int k = 1; k <= 8; ++k)
        l << QStringLiteral(
                 "bufferoutblk%1 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-write STATUS current "
                 "DESCRIPTION \"data block n.%1\" ::= { bufferout %1 }")
                 .arg(k);
    l << " bufferoutval OBJECT IDENTIFIER::= { bufferout 9 }";
    addMibObjects(l, config.Write_Descriptions, writeNames, config.Write_Is_Int, "bufferoutval",
                  "read-write");
    l << "traps OBJECT IDENTIFIER::= { application 2 }"
      << " trapsval OBJECT IDENTIFIER::= { traps 1 }";
    // A notification carries the value of its read object.
    for (int i = 0; i < config.Read_Descriptions.size(); ++i)
        l << QStringLiteral("trapval%1 NOTIFICATION-TYPE OBJECTS { %2 } STATUS current DESCRIPTION \"")
                     .arg(i + 1)
                     .arg(readNames[i]) +
                 mibQuotedText(config.Read_Descriptions[i]) +
                 QStringLiteral("\" ::= { trapsval %1 }").arg(i + 1);
    l << "END";
    return l;
}

bool Write_MIB_File(const String& path) {
    TMIB_Configuration config;
    for (int i = 0; MIB_Read_Descriptions && i < MIB_Read_Descriptions->Count(); ++i)
        config.Read_Descriptions << MIB_Read_Descriptions->Strings(i);
    for (int i = 0; MIB_Write_Descriptions && i < MIB_Write_Descriptions->Count(); ++i)
        config.Write_Descriptions << MIB_Write_Descriptions->Strings(i);
    config.Read_Is_Int = mibReadIsInt;
    config.Write_Is_Int = mibWriteIsInt;
    return Save_Generated_File(path, MIB_Lines(config), TTextEncoding::ANSI);
}

void Build_MIB_File(TSaveDialog* dialog) {
    dialog->SetInitialDir(Dir_Project);
    if (!dialog->Execute()) return;
    const String path = dialog->FileName();
    if (FileExists(path) && MessageDlg(Lang_Texts->Strings(1305), mtConfirmation, mbYesNo) != mrYes) return;
    String error;
    if (!Read_SNMP_Trap_Configuration(error)) {
        MessageDlg(error, mtError, mbOK);
        return;
    }
    Write_MIB_File(path);
}
