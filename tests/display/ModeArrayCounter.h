// Counts the arrays that enumeration allocates with nothrow new[] and frees with delete[].
#pragma once

// Arrays handed out and not yet freed.
int LiveModeArrays();
// Arrays handed out since the process started.
int ModeArraysAllocated();
