// The MQTT topic tables as a sheet: publish and subscribe columns, the file, and the tests of a row.
#pragma once

#include "tables/frame/TableSheet.h"

// True when the template holds an odd number of "$" signs (a keyword left open).
bool Error_In_Topic_Template(const String& text);

enum TMQTTPublishColumn : Integer {
    mpTopic = 1,
    mpRetained,
    mpQoS,
    mpDataType,
    mpDimension,
    mpPosition,
    mpIPAddress,
    mpInputTemplate,
    mpTemplate,
    mpOnChange,
    mpOnCMD,
    mpOnTimer,
    mpTime,
    mpChannel,
    mpSwap,
    mpSwapWord,
    mpMnemonic
};
enum TMQTTSubscribeColumn : Integer {
    msTopic = 1,
    msRetained,
    msQoS,
    msDataType,
    msDimension,
    msPosition,
    msIPAddress,
    msPort,
    msEthType,
    msInputTemplate,
    msTemplate,
    msSwap,
    msSwapWord,
    msMnemonic
};

constexpr Integer MQTT_Data_Rows = 1024;
constexpr Integer MQTT_Capacity = 1500;

TTableSheet MQTT_Set_Topic_Sheet();
