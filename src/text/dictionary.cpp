// MINIMAL PLACEHOLDER until the user dictionary lands: nothing is read.
#include "text/dictionary.h"

bool SDictionary::Load(const std::string& /*fileName*/, const std::string& /*directory*/) {
    RemoveAll();
    return false;
}
