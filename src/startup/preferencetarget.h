#pragma once

#include "startup/placement.h"

#include <QString>

namespace Quillet {

// The main window as the stored preferences see it: what they read from it at unload and set
// on it at load.
class PreferenceTarget {
public:
    virtual ~PreferenceTarget() = default;

    virtual void loadWelcomePage(const QString& path) = 0;
    virtual QString skin() const = 0;
    virtual void applySkin(const QString& path) = 0;
    virtual PlacementState placementState() const = 0;
    virtual void setPlacementState(PlacementState state) = 0;
    virtual double windowMetric(WindowMetric metric) const = 0;
    virtual void setWindowMetric(WindowMetric metric, double twips) = 0;
    // Colours as 0x00BBGGRR.
    virtual quint32 colourBlock(int index) const = 0;
    virtual void setColourBlock(int index, quint32 colour) = 0;
};

} // namespace Quillet
