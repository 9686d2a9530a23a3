// Keys as the window logic's KeyDown reports them: the Windows virtual-key
// codes (13 is Enter) and a shift mask (1 Shift, 2 Ctrl, 4 Alt).
#pragma once

#include <QKeyEvent>

namespace tintara::ui::qt {

// 0 for a key that has no code here; such keys are not reported.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
int shiftMask(Qt::KeyboardModifiers modifiers);

}  // namespace tintara::ui::qt
