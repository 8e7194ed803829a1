#include "sapi5/voice_registration.h"

#include "platform/reg_key.h"
#include "sapi/com.h"
#include "sapi5/voice_ids.h"

namespace {

std::string ClassKeyPath() {
    return "CLSID\\" + GuidToString(CLSID_VokrantVoice);
}

std::string TokenKeyPath() {
    return std::string(kVoiceTokensPath) + "\\" + kVoiceTokenName;
}

bool WriteClass(const std::string& modulePath) {
    SRegKey key(SRegRoot::ClassesRoot, ClassKeyPath());
    SRegKey server(key, "InprocServer32");
    return key.SetString("", "Vokrant SAPI 5 voice") && server.SetString("", modulePath) &&
           server.SetString("ThreadingModel", "Both");
}

bool WriteToken() {
    SRegKey token(SRegRoot::LocalMachine, TokenKeyPath());
    SRegKey attributes(token, "Attributes");
    return token.SetString("", kVoiceDisplayName) &&
           token.SetString(kVoiceLanguage, kVoiceDisplayName) &&
           token.SetString("CLSID", GuidToString(CLSID_VokrantVoice)) &&
           attributes.SetString("Name", kVoiceTokenName) &&
           attributes.SetString("Gender", "Male") && attributes.SetString("Age", "Adult") &&
           attributes.SetString("Language", kVoiceLanguage) &&
           attributes.SetString("Vendor", "Dravenlab") &&
           attributes.SetString("Version", VOKRANT_VERSION);
}

void DeleteTree(SRegRoot root, const std::string& path) {
    SRegKey key = SRegKey::OpenExisting(root, path);
    if (key.IsOpen()) key.DeleteKeyRecursive();
}

}  // namespace

bool RegisterVoice(const std::string& modulePath) {
    if (modulePath.empty()) return false;
    // A token without its class (or the reverse) is what breaks hosts' lists.
    UnregisterVoice();
    if (WriteClass(modulePath) && WriteToken()) return true;
    UnregisterVoice();
    return false;
}

void UnregisterVoice() {
    DeleteTree(SRegRoot::LocalMachine, TokenKeyPath());
    DeleteTree(SRegRoot::ClassesRoot, ClassKeyPath());
}
