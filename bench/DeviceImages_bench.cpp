// Building the two device images for a configuration with a full OPC UA variable table (250 rows).
#include "configurator/USaveBincc.h"
#include "core/UComon.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void writeBenchFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) std::abort();
    f.write(bytes);
}

// A configuration as the editors write it: every settings element, 250 enabled rows with names.
struct FullConfiguration {
    QTemporaryDir Dir;
    FullConfiguration() {
        Dir_Project = Dir.path();
        Set_Table_File_Paths();
        writeBenchFile(
            File_ParGen,
            "<Par_Gen><Eth_Conn_Device_Name>converter-hall-7</Eth_Conn_Device_Name>"
            "<Eth_Conn_DHCP_Cable>0</Eth_Conn_DHCP_Cable><Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"
            "<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>"
            "<Eth_Conn_Primary_DNS1>8</Eth_Conn_Primary_DNS1><Eth_Conn_Primary_DNS2>8</Eth_Conn_Primary_DNS2>"
            "<Eth_Conn_Primary_DNS3>8</Eth_Conn_Primary_DNS3><Eth_Conn_Primary_DNS4>8</Eth_Conn_Primary_DNS4>"
            "<OPC_UA_Server_IP1>10</OPC_UA_Server_IP1><OPC_UA_Server_IP2>0</OPC_UA_Server_IP2>"
            "<OPC_UA_Server_IP3>0</OPC_UA_Server_IP3><OPC_UA_Server_IP4>7</OPC_UA_Server_IP4>"
            "<OPC_UA_Server_EN_GAT>1</OPC_UA_Server_EN_GAT><OPC_UA_Server_Port>4840</OPC_UA_Server_Port>"
            "<SERIAL_SERIAL>0</SERIAL_SERIAL><SERIAL_BAUDRATE>7</SERIAL_BAUDRATE>"
            "<NTP_Server_URL>pool.ntp.example</NTP_Server_URL><NTP_Poll_Time>3600</NTP_Poll_Time>"
            "</Par_Gen><!--SW_VERSION = 1.003-->");
        QByteArray table = "<OPC_UA_Server>\r\n  <OPC_UA_Server_Variables>\r\n";
        static const char* const types[] = {"Boolean", "Int16", "UInt32", "Float", "Double", "String"};
        for (int i = 0; i < 250; ++i)
            table += "    <row Enable=\"Y\" NodeType=\"" + QByteArray(i % 3 ? "Numeric" : "String") +
                     "\" Type=\"" + types[i % 6] + "\" Position=\"" + QByteArray::number(i * 8) +
                     "\" StartBit=\"0\" Length=\"4\" Name=\"Line4.Pump" + QByteArray::number(i) +
                     ".Temperature\" ReadWrite=\"Read/Write\" Swap=\"N\" SwapWord=\"Y\" SwapAll=\"N\" "
                     "Mnemonic=\"pump temperature sensor\" />\r\n";
        table += "  </OPC_UA_Server_Variables>\r\n</OPC_UA_Server>\r\n<!--SW_VERSION = 1.003-->\r\n";
        writeBenchFile(File_OPC_UA_Server, table);
    }
};

void BM_BuildBothImages(benchmark::State& state) {
    FullConfiguration config;
    String error;
    for (auto _ : state) {
        if (!Build_Bin_Files(error)) state.SkipWithError(error.toStdString().c_str());
        benchmark::DoNotOptimize(Bank2_Buffer.constData());
    }
    state.counters["bank2_bytes"] = Bank2_Len;
}
BENCHMARK(BM_BuildBothImages)->Unit(benchmark::kMillisecond);

void BM_BuildAndWriteBothImages(benchmark::State& state) {
    FullConfiguration config;
    String error;
    for (auto _ : state)
        if (!Build_And_Write_Images(error)) state.SkipWithError(error.toStdString().c_str());
}
BENCHMARK(BM_BuildAndWriteBothImages)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
