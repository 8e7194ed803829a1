// Built only while the engine object is not yet part of the tree.
#include "engine/log.h"
#include "sapi/mode_factory.h"

HRESULT CreateModeObject(ModeFinalRelease, IUnknown*, const TTSMODEINFOW&, ITTSCentralW** central) {
    *central = nullptr;
    LogMessage("Select: silnik nie jest jeszcze dost\xEApny\n");
    return E_OUTOFMEMORY;
}
