#include "runtime/qt/keys.h"

namespace runtime::qt {

bool ReportKey(const ReporterRef& reporter, const QKeyEvent& event) {
  Key key;
  switch (event.key()) {
    case Qt::Key_Escape: key = Key::kEscape; break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: key = Key::kTab; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: key = Key::kEnter; break;
    default: return false;
  }
  Window* window = reporter->window;
  if (window == nullptr) return false;
  const Qt::KeyboardModifiers m = event.modifiers();
  const KeyModifiers modifiers{.shift = m.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab,
                               .ctrl = m.testFlag(Qt::ControlModifier),
                               .alt = m.testFlag(Qt::AltModifier)};
  return window->UserPressedKey(key, modifiers);
}

}  // namespace runtime::qt
