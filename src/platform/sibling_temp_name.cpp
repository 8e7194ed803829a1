// The name pattern of sibling temporary files, shared by both systems.
#include <cstring>

#include "platform/sibling_temp_file.h"
#include "platform/sibling_temp_name.h"

namespace {

bool IsLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

bool IsSiblingTempName(const std::string& fileName, const std::string& targetName) {
    const std::size_t tagLength = std::strlen(kSiblingTempTag);
    const std::size_t suffixLength = std::strlen(kSiblingTempSuffix);
    if (targetName.empty() ||
        fileName.size() != targetName.size() + tagLength + kSiblingTempRandom + suffixLength)
        return false;
    if (fileName.compare(0, targetName.size(), targetName) != 0 ||
        fileName.compare(targetName.size(), tagLength, kSiblingTempTag) != 0 ||
        fileName.compare(fileName.size() - suffixLength, suffixLength, kSiblingTempSuffix) != 0)
        return false;
    for (std::size_t i = 0; i < kSiblingTempRandom; ++i)
        if (!IsLetterOrDigit(fileName[targetName.size() + tagLength + i])) return false;
    return true;
}
