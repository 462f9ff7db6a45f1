#include "configurator/UWindows.h"

#include "configurator/UAbout.h"
#include "tables/network/UBACnetAccess.h"
#include "tables/network/UBACnetSlaveSetAccess.h"
#include "tables/network/UBACnet_Eng_Unit.h"
#include "configurator/UBoot.h"
#include "tables/fieldbus/UDMXDefVal.h"
#include "tables/fieldbus/UDNet.h"
#include "tables/fieldbus/UDefOffset.h"
#include "tables/network/UEtherNetIP_EDS.h"
#include "tables/network/UEtherNetIP_Master_Access.h"
#include "tables/network/UImportEDEFile.h"
#include "tables/network/UKNXAccess.h"
#include "tables/network/UMQTT_Set_Topic.h"
#include "tables/network/UModbus_TCP_Master_Set_Access.h"
#include "configurator/UNew_Project.h"
#include "configurator/UOPC_UA_Server_Access.h"
#include "configurator/UOpenConf.h"
#include "configurator/UParGen.h"
#include "generators/UProfinetFileName.h"
#include "configurator/UQuenvarroweFirmWare.h"
#include "tables/fieldbus/UReceiveCAN.h"
#include "tables/fieldbus/UReceiveJ1939.h"
#include "tables/fieldbus/UReceiveNMEA.h"
#include "tables/network/USNMPManagerAccess.h"
#include "tables/network/USNMP_Trap_Access.h"
#include "tables/network/USetAccess.h"
#include "tables/fieldbus/USet_PDO_Access.h"
#include "tables/fieldbus/USet_SDO_Client_Access.h"
#include "tables/fieldbus/USet_SDO_Server_Access.h"
#include "configurator/USoftOptions.h"
#include "tables/network/UTopicTemplate.h"
#include "tables/fieldbus/UTransmitCAN.h"
#include "tables/fieldbus/UTransmitJ1939.h"
#include "tables/fieldbus/UTransmitNMEA.h"

void Create_Program_Windows() {
    Application->CreateForm(FQuenvarroweFirmWare);
    Application->CreateForm(FNew_Project);
    Application->CreateForm(FOpenConf);
    Application->CreateForm(FAbout);
    Application->CreateForm(FSoftOptions);
    Application->CreateForm(FParGen);
    Application->CreateForm(FOPC_UA_Server_Access);
    Application->CreateForm(FBoot);
    Application->CreateForm(FSetAccess);
    Application->CreateForm(FProfinetFileName);
    Application->CreateForm(FBACnet_Eng_Unit);
    Application->CreateForm(FBACnetSlaveSetAccess);
    Application->CreateForm(FReceiveCAN);
    Application->CreateForm(FTransmitCAN);
    Application->CreateForm(FBACnetAccess);
    Application->CreateForm(FImportEDEFile);
    Application->CreateForm(FModbus_TCP_Master_Set_Access);
    Application->CreateForm(FSet_PDO_Access);
    Application->CreateForm(FSet_SDO_Client_Access);
    Application->CreateForm(FSet_SDO_Server_Access);
    Application->CreateForm(FMQTT_Set_Topic);
    Application->CreateForm(FTopicTemplate);
    Application->CreateForm(FDefOffset);
    Application->CreateForm(FDNet);
    Application->CreateForm(FDMXDefVal);
    Application->CreateForm(FReceiveJ1939);
    Application->CreateForm(FTransmitJ1939);
    Application->CreateForm(FKNXAccess);
    Application->CreateForm(FReceiveNMEA);
    Application->CreateForm(FTransmitNMEA);
    Application->CreateForm(FSNMPManagerAccess);
    Application->CreateForm(FSNMP_Trap_Access);
    Application->CreateForm(FEtherNetIP_Master_Access);
    Application->CreateForm(FEtherNEtIP_EDS);
}

void Set_Lang_Of_Other_Windows() {
    if (FNew_Project)
        FNew_Project->Set_Lang();
    if (FOpenConf)
        FOpenConf->Set_Lang();
    if (FSoftOptions)
        FSoftOptions->Set_Lang();
    if (FBoot)
        FBoot->Set_Lang();
    if (FParGen)
        FParGen->Set_Lang();
    if (FOPC_UA_Server_Access)
        FOPC_UA_Server_Access->Set_Lang();
    if (FSetAccess)
        FSetAccess->Set_Lang();
    if (FBACnetSlaveSetAccess)
        FBACnetSlaveSetAccess->Set_Lang();
    if (FBACnet_Eng_Unit)
        FBACnet_Eng_Unit->Set_Lang();
    if (FReceiveCAN)
        FReceiveCAN->Set_Lang();
    if (FTransmitCAN)
        FTransmitCAN->Set_Lang();
    if (FBACnetAccess)
        FBACnetAccess->Set_Lang();
    if (FImportEDEFile)
        FImportEDEFile->Set_Lang();
    if (FModbus_TCP_Master_Set_Access)
        FModbus_TCP_Master_Set_Access->Set_Lang();
    if (FSet_PDO_Access)
        FSet_PDO_Access->Set_Lang();
    if (FSet_SDO_Client_Access)
        FSet_SDO_Client_Access->Set_Lang();
    if (FSet_SDO_Server_Access)
        FSet_SDO_Server_Access->Set_Lang();
    if (FMQTT_Set_Topic)
        FMQTT_Set_Topic->Set_Lang();
    if (FTopicTemplate)
        FTopicTemplate->Set_Lang();
    if (FDNet)
        FDNet->Set_Lang();
    if (FDefOffset)
        FDefOffset->Set_Lang();
    if (FDMXDefVal)
        FDMXDefVal->Set_Lang();
    if (FReceiveJ1939)
        FReceiveJ1939->Set_Lang();
    if (FTransmitJ1939)
        FTransmitJ1939->Set_Lang();
    if (FKNXAccess)
        FKNXAccess->Set_Lang();
    if (FReceiveNMEA)
        FReceiveNMEA->Set_Lang();
    if (FTransmitNMEA)
        FTransmitNMEA->Set_Lang();
    if (FSNMPManagerAccess)
        FSNMPManagerAccess->Set_Lang();
    if (FSNMP_Trap_Access)
        FSNMP_Trap_Access->Set_Lang();
    if (FEtherNetIP_Master_Access)
        FEtherNetIP_Master_Access->Set_Lang();
    if (FEtherNEtIP_EDS)
        FEtherNEtIP_EDS->Set_Lang();
}

void Free_Program_Windows() {
    delete FEtherNEtIP_EDS;
    FEtherNEtIP_EDS = nullptr;
    delete FEtherNetIP_Master_Access;
    FEtherNetIP_Master_Access = nullptr;
    delete FSNMP_Trap_Access;
    FSNMP_Trap_Access = nullptr;
    delete FSNMPManagerAccess;
    FSNMPManagerAccess = nullptr;
    delete FTransmitNMEA;
    FTransmitNMEA = nullptr;
    delete FReceiveNMEA;
    FReceiveNMEA = nullptr;
    delete FKNXAccess;
    FKNXAccess = nullptr;
    delete FTransmitJ1939;
    FTransmitJ1939 = nullptr;
    delete FReceiveJ1939;
    FReceiveJ1939 = nullptr;
    delete FDMXDefVal;
    FDMXDefVal = nullptr;
    delete FDNet;
    FDNet = nullptr;
    delete FDefOffset;
    FDefOffset = nullptr;
    delete FTopicTemplate;
    FTopicTemplate = nullptr;
    delete FMQTT_Set_Topic;
    FMQTT_Set_Topic = nullptr;
    delete FSet_SDO_Server_Access;
    FSet_SDO_Server_Access = nullptr;
    delete FSet_SDO_Client_Access;
    FSet_SDO_Client_Access = nullptr;
    delete FSet_PDO_Access;
    FSet_PDO_Access = nullptr;
    delete FModbus_TCP_Master_Set_Access;
    FModbus_TCP_Master_Set_Access = nullptr;
    delete FImportEDEFile;
    FImportEDEFile = nullptr;
    delete FBACnetAccess;
    FBACnetAccess = nullptr;
    delete FTransmitCAN;
    FTransmitCAN = nullptr;
    delete FReceiveCAN;
    FReceiveCAN = nullptr;
    delete FBACnetSlaveSetAccess;
    FBACnetSlaveSetAccess = nullptr;
    delete FBACnet_Eng_Unit;
    FBACnet_Eng_Unit = nullptr;
    delete FProfinetFileName;
    FProfinetFileName = nullptr;
    delete FSetAccess;
    FSetAccess = nullptr;
    delete FBoot;
    FBoot = nullptr;
    delete FOPC_UA_Server_Access;
    FOPC_UA_Server_Access = nullptr;
    delete FParGen;
    FParGen = nullptr;
    delete FSoftOptions;
    FSoftOptions = nullptr;
    delete FAbout;
    FAbout = nullptr;
    delete FOpenConf;
    FOpenConf = nullptr;
    delete FNew_Project;
    FNew_Project = nullptr;
    delete FQuenvarroweFirmWare;
    FQuenvarroweFirmWare = nullptr;
}
