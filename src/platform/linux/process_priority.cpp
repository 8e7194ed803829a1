#include "platform/process_priority.h"

#include <sys/resource.h>

namespace {

// Niceness stands in for the priority classes.
int NicenessOf(SPriorityClass priority) {
    switch (priority) {
        case SPriorityClass::Idle:
            return 19;
        case SPriorityClass::High:
            return -10;
        case SPriorityClass::RealTime:
            return -20;
        case SPriorityClass::Normal:
            break;
    }
    return 0;
}

}  // namespace

void SetProcessPriority(SPriorityClass priority) {
    setpriority(PRIO_PROCESS, 0, NicenessOf(priority));
}

SPriorityClass GetProcessPriority() {
    int nice = getpriority(PRIO_PROCESS, 0);
    if (nice >= 10) return SPriorityClass::Idle;
    if (nice >= 0) return SPriorityClass::Normal;
    if (nice > -20) return SPriorityClass::High;
    return SPriorityClass::RealTime;
}
