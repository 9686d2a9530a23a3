// File-dialog filters: the windows give them as "description|pattern" pairs
// joined by "|" ("Text (*.txt)|*.txt|All|*.*"); Qt wants "description (patterns)"
// entries joined by ";;".
#pragma once

#include <QString>
#include <string>

namespace tintara::ui::qt {

QString qtFileFilter(const std::string& filter);

}  // namespace tintara::ui::qt
