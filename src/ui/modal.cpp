#include "ui/modal.h"

#include <utility>

namespace ui {
namespace {
ModalHook& hook() {
    static ModalHook h;
    return h;
}
}  // namespace

void showModal(QDialog& window) {
    if (hook()) {
        hook()(window);
    } else {
        window.exec();
    }
}

ModalHook setModalHook(ModalHook h) {
    return std::exchange(hook(), std::move(h));
}

}  // namespace ui
