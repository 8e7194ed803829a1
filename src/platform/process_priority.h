// The process's scheduling priority, raised for real-time speech.
#pragma once

enum class SPriorityClass { Idle, Normal, High, RealTime };

// Asks for the class; a refusal (raising needs privileges) leaves the process as it is.
void SetProcessPriority(SPriorityClass priority);

// The class the process runs in now (the nearest one when it was set otherwise).
SPriorityClass GetProcessPriority();
