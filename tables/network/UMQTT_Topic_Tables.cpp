// The sheet and the row tests of the MQTT topic tables.
#include "tables/network/UMQTT_Topic_Tables.h"

#include "core/UComon.h"
#include "toolkit/system/SysUtils.h"

namespace {

struct MqttColumnSpec {
    Integer Header;
    TEditorType Editor;
    Integer Width;
    TColor Tint;
    QStringList Items;
    const char* Attribute; // "": not stored
    TTableMissing Missing;
    const char* Default;
    bool SetOnLoad;
    bool Shown;
    Integer Hint;
};

QStringList mqttChannels() {
    QStringList items;
    for (int i = 0; i < 64; ++i)
        items << QString::number(i);
    return items << QStringLiteral("All");
}

std::vector<TTableColumn> mqttColumns(const std::vector<MqttColumnSpec>& specs) {
    std::vector<TTableColumn> columns;
    for (const MqttColumnSpec& s : specs) {
        TTableColumn c;
        c.Header = s.Header;
        c.Editor = s.Editor;
        c.Width = s.Width;
        c.Tint = s.Tint;
        c.Items = s.Items;
        c.Attribute = QLatin1String(s.Attribute);
        c.Missing = s.Missing;
        c.Default = QLatin1String(s.Default);
        c.SetOnLoad = s.SetOnLoad;
        c.Shown = s.Shown;
        c.Hint = s.Hint;
        columns.push_back(c);
    }
    return columns;
}

using MM = TTableMissing;
const QStringList mqttQoS = {"0", "1", "2"};
const QStringList mqttDataTypes = {"Int", "Float", "String", "Base64"};
const QStringList mqttTemplates = {"$VALUE$"};

std::vector<TTableColumn> mqttPublishColumns() {
    return mqttColumns({
        {2814, edNormal, 40, Tint_White, {}, "", MM::Keep, "", false, true, 0},
        {2815, edNormal, 300, Tint_Cyan, {}, "Topic", MM::Required, "", false, true, 2819},
        {2816, edDataCheckBox, 60, Tint_Lavender, {}, "Retained", MM::Required, "", false, true, 2820},
        {2817, edComboList, 80, Tint_Lavender, mqttQoS, "QoS", MM::Required, "", false, true, 2821},
        {2837, edComboList, 80, Tint_Green, mqttDataTypes, "DataType", MM::Default, "", false, true, 2840},
        {2838, edNormal, 80, Tint_Green, {}, "Dimension", MM::Default, "", false, true, 2841},
        {2839, edNormal, 80, Tint_Pink, {}, "Position", MM::Default, "", false, true, 2842},
        {2862, edNormal, 100, Tint_Green, {}, "IPAddress", MM::Default, "", false, false, 2864},
        {2863, edNormal, 120, Tint_Green, {}, "InputTemplate", MM::Default, "", false, false, 2865},
        {2835, edComboEdit, 130, Tint_Yellow, mqttTemplates, "Template", MM::Default, "", false, true, 2836},
        {2881, edDataCheckBox, 75, Tint_Orange, {}, "OnChange", MM::Default, "N", false, true, 2882},
        {2883, edDataCheckBox, 55, Tint_Orange, {}, "", MM::Keep, "", false, false, 2886},
        {2884, edDataCheckBox, 64, Tint_Orange, {}, "OnTimer", MM::Default, "N", false, true, 2887},
        {2885, edNormal, 70, Tint_Orange, {}, "Time", MM::Default, "", false, true, 2888},
        {2890, edComboList, 60, Tint_Green, mqttChannels(), "", MM::Keep, "", true, false, 2891},
        {2893, edDataCheckBox, 40, Tint_Green, {}, "", MM::Keep, "N", true, false, 2895},
        {2894, edDataCheckBox, 80, Tint_Green, {}, "", MM::Keep, "N", true, false, 2896},
        {2818, edNormal, 170, Tint_White, {}, "Mnemonic", MM::Required, "", false, true, 2822},
    });
}

std::vector<TTableColumn> mqttSubscribeColumns() {
    return mqttColumns({
        {2824, edNormal, 40, Tint_White, {}, "", MM::Keep, "", false, true, 0},
        {2825, edNormal, 300, Tint_Cyan, {}, "Topic", MM::Required, "", false, true, 2829},
        {2826, edDataCheckBox, 60, Tint_Lavender, {}, "Retained", MM::Required, "", false, false, 2830},
        {2827, edComboList, 80, Tint_Lavender, mqttQoS, "QoS", MM::Required, "", false, true, 2831},
        {2843, edComboList, 80, Tint_Green, mqttDataTypes, "DataType", MM::Default, "", false, true, 2847},
        {2844, edNormal, 80, Tint_Green, {}, "Dimension", MM::Default, "", false, true, 2848},
        {2845, edNormal, 80, Tint_Pink, {}, "Position", MM::Default, "", false, true, 2849},
        {2866, edNormal, 100, Tint_Green, {}, "IPAddress", MM::Default, "", false, false, 2870},
        {2867, edNormal, 50, Tint_Green, {}, "Port", MM::Default, "", false, false, 2871},
        {2868, edComboList, 64, Tint_Green, {"TCP", "UDP"}, "EthType", MM::Default, "", false, false, 2872},
        {2869, edNormal, 130, Tint_Green, {}, "InputTemplate", MM::Default, "", false, false, 2873},
        {2846, edComboEdit, 130, Tint_Yellow, mqttTemplates, "Template", MM::Keep, "", false, true, 2850},
        {2893, edDataCheckBox, 40, Tint_Green, {}, "", MM::Keep, "N", true, false, 2897},
        {2894, edDataCheckBox, 80, Tint_Green, {}, "", MM::Keep, "N", true, false, 2898},
        {2828, edNormal, 220, Tint_White, {}, "Mnemonic", MM::Required, "", false, true, 2832},
    });
}

// Where one table keeps what its tests read, and its messages (publish / subscribe).
struct MqttRuleLayout {
    bool Publish;
    Integer DataType, Dimension, Position, IPAddress, Port, InputTemplate, Template; // Port -1: none
    Integer MsgType, MsgInt, MsgFloat, MsgOther, MsgPosition, MsgLastByte, MsgIP, MsgPort, MsgInput,
        MsgTemplate;
};

const MqttRuleLayout mqttPublishLayout = {
    true,       mpDataType, mpDimension, mpPosition, mpIPAddress, -1,   mpInputTemplate,
    mpTemplate, 2852,       2853,        2854,       2855,        2856, 2975,
    2874,       0,          2877,        2878};
const MqttRuleLayout mqttSubscribeLayout = {
    false,      msDataType, msDimension, msPosition, msIPAddress, msPort, msInputTemplate,
    msTemplate, 2857,       2858,        2859,       2860,        2861,   2976,
    2875,       2876,       2879,        2880};

TRowFault mqttRowFault(const MqttRuleLayout& l, const TTableRow& row) {
    if (row.Shown(l.DataType)) {
        const String type = Trim(row.Text(l.DataType)).toUpper();
        const Integer n = row.Number(l.Dimension);
        if (type.isEmpty()) return {l.MsgType, {}};
        if (type == u"INT") {
            if (n != 1 && n != 2 && n != 4 && n != 8) return {l.MsgInt, {}};
        } else if (type == u"FLOAT") {
            if (n != 4 && n != 8) return {l.MsgFloat, {}};
        } else if (n < 1) {
            return {l.MsgOther, {}};
        }
    }
    if (row.Shown(l.Position)) {
        const Integer position = row.Number(l.Position);
        if (position < 0 || position >= MQTT_Capacity) return {l.MsgPosition, IntToStr(MQTT_Capacity - 1)};
        // The value's bytes must all fit the data array, not only its first one.
        const Integer dimension = row.Number(l.Dimension);
        if (dimension >= 1 && qint64(position) + dimension - 1 >= MQTT_Capacity) return {l.MsgLastByte, {}};
    }
    if (row.Shown(l.IPAddress)) {
        String a, b, c, d;
        if (!Split_IP_Address(Trim(row.Text(l.IPAddress)), a, b, c, d)) return {l.MsgIP, {}};
    }
    if (l.Port >= 0 && row.Shown(l.Port)) {
        const Integer port = row.Number(l.Port);
        if (port < 0 || port > 65535) return {l.MsgPort, {}};
    }
    if (row.Shown(l.InputTemplate) && Error_In_Topic_Template(Trim(row.Text(l.InputTemplate))))
        return {l.MsgInput, {}};
    if (row.Shown(l.Template) && Error_In_Topic_Template(Trim(row.Text(l.Template))))
        return {l.MsgTemplate, {}};
    if (l.Publish && Trim(row.Text(mpOnTimer)).toUpper() == u"Y") {
        const Integer time = row.Number(mpTime);
        if (time < 1 || time > 1000000000) return {2889, {}};
    }
    return {};
}

TTableGrid mqttGrid(bool publish) {
    TTableGrid g;
    g.Name = publish ? QStringLiteral("ACG_Pub") : QStringLiteral("ACG_Sub");
    g.Page = publish ? QStringLiteral("TS_MQTT_Publish") : QStringLiteral("TS_MQTT_Subscribe");
    g.PageCaption = publish ? 2833 : 2834;
    g.Section = publish ? QStringLiteral("MQTT_Publish") : QStringLiteral("MQTT_Subscribe");
    g.DataRows = MQTT_Data_Rows;
    g.Columns = publish ? mqttPublishColumns() : mqttSubscribeColumns();
    g.KeyColumn = 1;
    g.EnableColumn = -1;
    g.ShowsHints = true;
    g.EnterMovesOn = true;
    g.ClickSelectsRow = false;
    g.InsertPutsEnable = false;
    g.Capacity = MQTT_Capacity;
    const MqttRuleLayout& layout = publish ? mqttPublishLayout : mqttSubscribeLayout;
    g.CheckRow = [&layout](const TTableRow& row) { return mqttRowFault(layout, row); };
    return g;
}

} // namespace

bool Error_In_Topic_Template(const String& text) {
    return text.count(u'$') % 2 != 0;
}

TTableSheet MQTT_Set_Topic_Sheet() {
    TTableSheet s;
    s.ClientWidth = 1100;
    s.ClientHeight = 337;
    s.Texts.Caption = 2800;
    s.Texts.Description = 2801;
    for (int i = 0; i < 6; ++i) {
        s.Texts.Buttons[i] = 2802 + i;
        s.Texts.ButtonHints[i] = 2808 + i;
    }
    s.Texts.RowErrorPrefix = 2851;
    s.Texts.DeleteQuestion = 2823;
    s.Texts.LostRowsQuestion = 2899;
    s.RootElement = QStringLiteral("MQTT_Set_Topic");
    s.VersionComment = QStringLiteral("SW_VERSION = 1.001");
    s.Grids = {mqttGrid(true), mqttGrid(false)};
    return s;
}
