// The windows the main window opens and keeps up to date: the Hue page, the
// Value page, the tolerance chart, the ColorChecker chart, image analysis and
// the palette viewer. Each is created the first time it is shown.
#pragma once

namespace tintara::workspace {

enum class Companion { HuePage, Tolerance, ValuePage, ColorChecker, ImageAnalysis, PaletteViewer };

class CompanionWindows {
public:
    virtual ~CompanionWindows() = default;
    // Whether the window exists in this build; a switch for one that does not
    // says so instead of opening it.
    virtual bool available(Companion which) const = 0;
    virtual void show(Companion which) = 0;
    virtual void hide(Companion which) = 0;
    virtual bool visible(Companion which) const = 0;

    virtual void fillbook() = 0;
    virtual void plotvalue(float value) = 0;
    virtual void MakeCTol(float L, float a, float b) = 0;
    virtual void fillCC() = 0;
    virtual void GetData(int mode) = 0;
};

}  // namespace tintara::workspace
