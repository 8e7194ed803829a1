// The real registry saves every change itself and serialises writers, so a
// batch has nothing to gather.
#include "platform/reg_store.h"

SRegBatch::SRegBatch() = default;
SRegBatch::~SRegBatch() = default;
bool SRegBatch::Commit() {
    return true;
}
