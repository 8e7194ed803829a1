#include "platform/process_priority.h"

#include <windows.h>

namespace {

DWORD ClassOf(SPriorityClass priority) {
    switch (priority) {
        case SPriorityClass::Idle:
            return IDLE_PRIORITY_CLASS;
        case SPriorityClass::High:
            return HIGH_PRIORITY_CLASS;
        case SPriorityClass::RealTime:
            return REALTIME_PRIORITY_CLASS;
        case SPriorityClass::Normal:
            break;
    }
    return NORMAL_PRIORITY_CLASS;
}

}  // namespace

void SetProcessPriority(SPriorityClass priority) {
    SetPriorityClass(GetCurrentProcess(), ClassOf(priority));
}

SPriorityClass GetProcessPriority() {
    switch (GetPriorityClass(GetCurrentProcess())) {
        case IDLE_PRIORITY_CLASS:
        case BELOW_NORMAL_PRIORITY_CLASS:
            return SPriorityClass::Idle;
        case HIGH_PRIORITY_CLASS:
            return SPriorityClass::High;
        case REALTIME_PRIORITY_CLASS:
            return SPriorityClass::RealTime;
        default:
            return SPriorityClass::Normal;
    }
}
