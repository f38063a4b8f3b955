// What the custom scale dialog acts on: the ruler's scale or the magnifier's zoom factor,
// put into effect at once (the ruler implements it).
#pragma once

class ICustomScaleTarget {
public:
    // The ruler's scale in percent, as the scale commands set it (the ruler repaints and its
    // caption follows).
    virtual void ApplyRulerScale(int scale) = 0;
    // The magnifier's zoom factor in percent; the magnifier is redrawn with its label.
    virtual void ApplyMagnifierZoom(int zoom) = 0;

protected:
    ~ICustomScaleTarget() = default;
};
