#pragma once
// Showing a window modally goes through showModal(), so a test can run a menu command, act
// in the window it opens, let it close, and check what the caller does afterwards.

#include <QDialog>
#include <functional>

namespace ui {

using ModalHook = std::function<void(QDialog& window)>;

// Shows `window` modally and returns when it closes. With a hook installed, the hook runs
// instead of the window's own event loop.
void showModal(QDialog& window);
// Installs a hook (null restores exec()); returns the previous one.
ModalHook setModalHook(ModalHook hook);

}  // namespace ui
