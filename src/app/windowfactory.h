#pragma once

#include "startup/programstate.h"

class QWidget;

namespace Quillet {

struct AppContext;
class StartupSequence;
class WindowHost;

// Creates each of the program's windows with the services it needs: the one place that knows
// which class stands behind a window.
class WindowFactory {
public:
    WindowFactory(AppContext& context, StartupSequence& sequence, WindowHost& host)
        : m_context(context), m_sequence(sequence), m_host(host)
    {}

    QWidget* create(WindowId window);

private:
    AppContext& m_context;
    StartupSequence& m_sequence;
    WindowHost& m_host;
};

} // namespace Quillet
