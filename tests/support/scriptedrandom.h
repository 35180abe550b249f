#pragma once

#include "services/randomsource.h"

#include <QList>
#include <QtGlobal>

namespace Quillet {

// Gives the values the test lists, in order; drawing more than those is a fault of the code
// under test.
class ScriptedRandom final : public RandomSource {
public:
    QList<double> values;

    double next() override
    {
        if (values.isEmpty())
            qFatal("more random values drawn than the test gave");
        return values.takeFirst();
    }
};

} // namespace Quillet
