#pragma once

#include <QtGlobal>

// Keeps the process from being dumped while it lives: a crash leaves no core file and other
// programs of the same user cannot read its memory, so a password it holds stays inside it. On
// its way out it gives back the state it found.
class NonDumpableScope final {
public:
    NonDumpableScope();
    ~NonDumpableScope();
    Q_DISABLE_COPY_MOVE(NonDumpableScope)

private:
    int m_previous;
};
