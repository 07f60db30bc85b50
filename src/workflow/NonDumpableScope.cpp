#include "NonDumpableScope.h"

#include <sys/prctl.h>

NonDumpableScope::NonDumpableScope()
    : m_previous(::prctl(PR_GET_DUMPABLE)) {
    ::prctl(PR_SET_DUMPABLE, 0);
}

NonDumpableScope::~NonDumpableScope() {
    // Only "dumpable" can be set again; any other state it found stays off.
    if (m_previous == 1)
        ::prctl(PR_SET_DUMPABLE, 1);
}
