#include "sapi/registration.h"

#include "core/attribute.h"
#include "platform/reg_key.h"
#include "platform/reg_store.h"
#include "sapi/engine_ids.h"

namespace {

constexpr const char* kEngineListPath = "Software\\Voice\\TextToSpeech\\Engine";

std::string ClassKeyPath() {
    return "CLSID\\" + GuidToString(CLSID_VokrantEngine);
}

void SetDefault(SRegRoot root, const std::string& path, const std::string& value) {
    SRegKey(root, path).SetString("", value);
}

}  // namespace

void RegisterEngine(const std::string& modulePath) {
    const std::string clsid = GuidToString(CLSID_VokrantEngine);
    const std::string progId = kVokrantProgId;
    const std::string independent = kVokrantIndependentProgId;
    const std::string classKey = ClassKeyPath();
    SRegBatch batch;  // one locked save per hive

    SetDefault(SRegRoot::ClassesRoot, progId, "Vokrant TTS engine");
    SetDefault(SRegRoot::ClassesRoot, progId + "\\CLSID", clsid);
    SetDefault(SRegRoot::ClassesRoot, independent, "Dravenlab Vokrant TTS engine");
    SetDefault(SRegRoot::ClassesRoot, independent + "\\CLSID", clsid);
    SetDefault(SRegRoot::ClassesRoot, independent + "\\CurVer", progId);
    SetDefault(SRegRoot::ClassesRoot, classKey, "Dravenlab Vokrant TTS engine");
    SetDefault(SRegRoot::ClassesRoot, classKey + "\\ProgID", progId);
    SetDefault(SRegRoot::ClassesRoot, classKey + "\\VersionIndependentProgID", independent);
    SetDefault(SRegRoot::ClassesRoot, classKey + "\\NotInsertable", "");
    SRegKey server(SRegRoot::ClassesRoot, classKey + "\\InprocServer32");
    server.SetString("", modulePath);
    server.SetString("ThreadingModel", "Apartment");
    SRegKey(SRegRoot::LocalMachine, kEngineListPath).SetString(independent, clsid);
    SRegKey(SRegRoot::CurrentUser, kSettingsKeyPath);
    batch.Commit();
}

void UnregisterEngine() {
    SRegBatch batch;
    for (const std::string& path :
         {std::string(kVokrantProgId), std::string(kVokrantIndependentProgId), ClassKeyPath()}) {
        SRegKey key = SRegKey::OpenExisting(SRegRoot::ClassesRoot, path);
        if (key.IsOpen()) key.DeleteKeyRecursive();
    }
    SRegKey list = SRegKey::OpenExisting(SRegRoot::LocalMachine, kEngineListPath);
    if (list.IsOpen()) list.DeleteValue(kVokrantIndependentProgId);
    batch.Commit();
}
