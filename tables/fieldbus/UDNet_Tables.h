// The DeviceNet tables: the slave list as a sheet, and the byte map's slaves with where each of their bytes
// goes in the internal arrays, read from the two files, checked and written.
#pragma once

#include "tables/frame/TableFile.h"
#include "tables/frame/TableSheet.h"

#include <vector>

class TXMLDocument;

constexpr Integer DNet_Data_Rows = 64;
// Positions of the internal input and output arrays (MAX_BYTE_IN, MAX_BYTE_OUT).
constexpr Integer DNet_Max_Byte = 1440;

enum TDNetColumn : Integer { dnID = 1, dnNB_IN, dnNB_OUT, dnReset_DeviceNet, dnReset_OPCUA, dnMnemonic };

// The sheet of TFDNet: ID, byte counts and mnemonic are required of every file row.
TTableSheet DNet_Net_Sheet();

// One slave of the slave list with the position ("None" or a number) and mnemonic of each of its input
// and output bytes.
struct TSlave_DN {
    TSlave_DN() = default;
    // Every byte at "None" with an empty mnemonic.
    TSlave_DN(Byte id, Word byteIn, Word byteOut);

    Byte ID = 0;
    Word ByteIN = 0;
    Word ByteOUT = 0;
    QStringList SL_ByteIN, SL_ByteIN_M;
    QStringList SL_ByteOUT, SL_ByteOUT_M;
};

// The slave-list file as the byte map takes it: one slave per row read whole, in file order, and into
// `texts` (when given) the row's ID, NB_IN, NB_OUT and Mnemonic as written. The reading stops where the
// slave list's does (a row without one of those four); an ID or count that is not a number of its size
// counts as 0, which Problem reports.
TTableLoad Read_Slaves_DN(const TXMLDocument& xml, std::vector<TSlave_DN>& slaves,
                          std::vector<QStringList>* texts = nullptr);
// The byte-map file into the slaves, matched by position: the k-th "Nodo_DNET" element gives the k-th
// slave its bytes in order. Surplus elements and bytes are passed over; bytes without a row, and every
// byte of an element lacking its "ByteIN" or "ByteOUT" list, stay "None" with no mnemonic.
TTableLoad Read_Offsets_DN(const TXMLDocument& xml, std::vector<TSlave_DN>& slaves);
// Replaces the document's content by the byte map: every slave with all its bytes.
void Write_Offsets_DN(TXMLDocument& xml, const std::vector<TSlave_DN>& slaves);
// The message of the first output byte whose position is taken by an earlier one, or lies beyond the
// internal array; empty when there is none. Input bytes may share a position.
String Check_Offsets_DN(const std::vector<TSlave_DN>& slaves);
