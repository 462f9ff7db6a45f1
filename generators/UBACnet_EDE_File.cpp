// The BACnet EDE file writer: device settings, the table's objects, their instances and the list.
#include "generators/UBACnet_EDE_File.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "generators/UDescription_Files.h"
#include "tables/frame/TableFile.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/Clock.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

#include <set>

namespace {
struct EdeTypeName {
    const char* text;
    int code;
};
constexpr EdeTypeName kEdeTypes[] = {
    {"ANALOG INPUT", 0},        {"ANALOG OUT", 1},
    {"ANALOG VALUE", 2},        {"BINARY INPUT", 3},
    {"BINARY OUT", 4},          {"BINARY VALUE", 5},
    {"MULTI STATE INPUT", 13},  {"MULTI STATE OUTPUT", 14},
    {"MULTI STATE VALUE", 19},  {"LIFE SAFETY POINT", 21},
    {"LIFE SAFETY ZONE", 22},   {"ACCUMULATOR", 23},
    {"ACCESS DOOR", 30},        {"CHARACTERSTRING VALUE", 40},
    {"DATETIME VALUE", 44},     {"INTEGER VALUE", 45},
    {"LARGE ANALOG VALUE", 46}, {"POSITIVE INTEGER VALUE", 48},
};

// A field cannot break its line: the separator becomes "," and a line break a blank. The file stays in
// the Western code page: a character it lacks becomes "?".
String edeField(const String& s) {
    String out = Windows1252Repertoire(s);
    out.replace(";", ",");
    out.replace("\r\n", " ");
    out.replace('\r', ' ');
    out.replace('\n', ' ');
    return out;
}

String edeTwoDigits(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QChar('0'));
}

bool edeRequired(const TXMLNode& row, const char* name, String& value, String& error) {
    if (!row.HasAttribute(name)) {
        error = QStringLiteral("A row of the BACnet table file lacks its \"%1\".").arg(name);
        return false;
    }
    value = row.Attributes(name);
    return true;
}
} // namespace

void TEDE_Instance_Counters::Reset_EDE_Instance_Counters() {
    FCounters.clear();
    for (const EdeTypeName& t : kEdeTypes)
        FCounters[t.code] = 0;
}

int TEDE_Instance_Counters::Next_EDE_Object_Instance(int code) {
    const auto it = FCounters.find(code);
    return it == FCounters.end() ? 0 : it->second++;
}

int Get_BACnet_Object_Type(const String& text) {
    const String key = UpperCase(Trim(text));
    for (const EdeTypeName& t : kEdeTypes)
        if (key == t.text) return t.code;
    return 0;
}

String Get_EDE_Timestamp() {
    const TLocalDateTime t = NowLocal();
    return edeTwoDigits(t.Hour) + ":" + edeTwoDigits(t.Minute) + ":" + edeTwoDigits(t.Second) + " " +
           edeTwoDigits(t.Day) + "/" + edeTwoDigits(t.Month) + "/" + String::number(t.Year);
}

TBACnet_EDE_Device Read_BACnet_Device_Param(const TXMLDocument& parGen) {
    TBACnet_EDE_Device device;
    const TXMLNode root = parGen.DocumentElement();
    if (root.IsNull()) return device;
    const int type = StrToIntDef(root.FindNode("BACnet_Type").Text(), 0);
    const TXMLNode instance = root.FindNode(type == 1 ? "BACnet_Ser_DEV_IDE" : "BACnet_DEV_IDE");
    device.Instance = instance.Text();
    if (root.FindNode("BACnet_Desc_Chars_Limit").Text() == "1") device.Name_Length = 32;
    return device;
}

bool Read_BACnet_Slave_Objects(const TXMLDocument& table, const TBACnet_EDE_Device& device,
                               std::vector<TBACnet_EDE_Obj>& objects, String& error) {
    objects.clear();
    const TXMLNode root = table.DocumentElement();
    TEDE_Instance_Counters counters;
    std::set<String> keys, names;
    for (const char* sectionName : {"BACnet_in_Read", "BACnet_in_Write"}) {
        const TXMLNode section = root.FindNode(sectionName);
        if (section.IsNull()) {
            error = QStringLiteral("The BACnet table file has no \"%1\" section.").arg(sectionName);
            return false;
        }
        for (const TXMLNode& row : section.ChildNodes()) {
            if (row.NodeType() != ntElement || row.NodeName() != "row") continue;
            String dataType, unit, mnemonic;
            if (!edeRequired(row, "Data_Type", dataType, error) ||
                !edeRequired(row, "Eng_Unit", unit, error) || !edeRequired(row, "Mnemonic", mnemonic, error))
                return false;
            const int code = Get_BACnet_Object_Type(dataType);
            TBACnet_EDE_Obj o;
            o.DevObjInstance = edeField(device.Instance);
            // Object names are unique in a device: one cut to the same first characters takes a number.
            o.ObjectName = edeField(mnemonic.left(device.Name_Length));
            for (int k = 2; names.count(o.ObjectName); ++k) {
                const String number = "_" + String::number(k);
                o.ObjectName = edeField(mnemonic.left(device.Name_Length - number.size())) + number;
            }
            names.insert(o.ObjectName);
            o.ObjectType = String::number(code);
            o.ObjectInstance = String::number(counters.Next_EDE_Object_Instance(code));
            // The same mnemonic and instance under two object types would give one key twice.
            const String base = o.DevObjInstance + "_" + edeField(mnemonic) + "_" + o.ObjectInstance;
            String key = base;
            if (keys.count(key)) key = base + "_" + o.ObjectType;
            for (int k = 2; keys.count(key); ++k)
                key = base + "_" + o.ObjectType + "_" + String::number(k);
            keys.insert(key);
            o.Keyname = key;
            o.Description = o.ObjectName;
            o.UnitCode = edeField(unit);
            objects.push_back(o);
        }
    }
    return true;
}

QStringList EDE_Lines(const String& projectName, const std::vector<TBACnet_EDE_Obj>& objects) {
    QStringList l;
    l << "PROJECT_NAME; " + Maker_Name + "--" + edeField(projectName) + ";;;;;;"
      << "VERSION_OF_REFERENCEFILE;1.0;;;;;;"
      << "TIMESTAMP_OF_LAST_CHANGE;" + Get_EDE_Timestamp() + ";;;;;;"
      << "AUTHOR_OF_LAST_CHANGE;" + Maker_Name + ";;;;;;"
      << "VERSION_OF_LAYOUT;2;;;;;;"
      << "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;"
      << "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;";
    for (const TBACnet_EDE_Obj& o : objects)
        l << o.Keyname + ";" + o.DevObjInstance + ";" + o.ObjectName + ";" + o.ObjectType + ";" +
                 o.ObjectInstance + ";" + o.Description + ";" + o.UnitCode + ";";
    return l;
}

bool Create_EDE_File(const String& path) {
    TXMLDocument parGen;
    // A bad settings file gives the defaults.
    if (FileExists(File_ParGen)) parGen.LoadFromFile(File_ParGen, Max_ParGen_File_Bytes, Max_ParGen_Text);
    const TBACnet_EDE_Device device = Read_BACnet_Device_Param(parGen);
    std::vector<TBACnet_EDE_Obj> objects;
    if (PathExists(File_BACnet_Slave)) {
        TXMLDocument table;
        String error;
        if (!table.LoadFromFile(File_BACnet_Slave, Max_Table_Window_File_Bytes, Max_Table_Window_Text))
            error = QStringLiteral("The BACnet table file \"%1\" could not be read: %2")
                        .arg(File_BACnet_Slave, table.ErrorText());
        else
            Read_BACnet_Slave_Objects(table, device, objects, error);
        if (!error.isEmpty()) {
            MessageDlg(error, mtError, mbOK);
            return false;
        }
    }
    return Write_EDE_File(path, Name_Project, objects);
}

bool Write_EDE_File(const String& path, const String& projectName,
                    const std::vector<TBACnet_EDE_Obj>& objects) {
    return Save_Generated_File(path, EDE_Lines(projectName, objects), TTextEncoding::ANSI);
}

void Run_BACnet_EDE_Step(TSaveDialog* dialog) {
    dialog->SetInitialDir(Dir_Project);
    if (!dialog->Execute()) return;
    String path = dialog->FileName();
    if (UpperCase(path.right(4)) != ".CSV") path += ".csv";
    if (FileExists(path) && MessageDlg(Lang_Texts->Strings(1305), mtConfirmation, mbYesNoCancel) != mrYes)
        return;
    Create_EDE_File(path);
}
