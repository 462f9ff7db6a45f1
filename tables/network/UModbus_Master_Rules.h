// The Modbus master rule tables of the serial and TCP windows as sheets: their columns and file, the
// tests of a read and a write rule, the slave address test and the topic link of read rules.
#pragma once

#include "tables/frame/TableSheet.h"

#include <QStringList>
#include <vector>

// The Topic column of read rules: a rule stores the index of its topic in List_Publish_Topic. The serial
// window also remembers, per read row, the index last picked (-1: none).
struct TModbusTopicLink {
    bool Tcp = false;
    QStringList List_Publish_Topic;
    std::vector<Integer> ComboItem_Topic;

    String Get_Topic_From_Index(Integer index) const;
    // The remembered index when its item is the topic, else the first index of the topic, else -1.
    Integer Get_Index_From_Topic(const String& topic, Integer remembered = -1) const;
};

// True when the text is NOT a slave address: four parts (before the first, second and third dot, and the
// whole rest) each reading as 0 .. 255.
bool Check_IP_Address(const String& text);

// Column indexes of a read rule (serial numbering; the TCP window's are two more from the Slave ID on).
enum TModbusReadColumn : Integer {
    mrEnable = 1,
    mrSlave_ID = 2,
    mrType,
    mrAddress,
    mrNPoint,
    mrPollTime,
    mrMaxError,
    mrPosition,
    mrBit,
    mrSwap,
    mrSwapWord,
    mrTopic,
    mrMnemonic
};
enum TModbusWriteColumn : Integer {
    mwEnable = 1,
    mwSlave_ID = 2,
    mwType,
    mwAddress,
    mwNPoint,
    mwPollTime,
    mwOnChange,
    mwOnCMD,
    mwMaxError,
    mwPosition,
    mwBit,
    mwSwap,
    mwSwapWord,
    mwMnemonic
};

constexpr Integer Modbus_Data_Rows = 512;
constexpr Integer Modbus_Capacity = 1500;

// The sheet of TFSetAccess (serial) or TFModbus_TCP_Master_Set_Access (TCP); `topics` must outlive it.
TTableSheet Modbus_Master_Sheet(TModbusTopicLink& topics);
