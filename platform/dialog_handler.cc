#include <utility>

#include "platform/env.h"

namespace platform {
namespace {

DialogHandler& handlerSlot() {
  static DialogHandler* handler = new DialogHandler();  // never destroyed: outlives unload order
  return *handler;
}

}  // namespace

void installDialogHandler(DialogHandler handler) { handlerSlot() = std::move(handler); }

const DialogHandler& installedDialogHandler() { return handlerSlot(); }

}  // namespace platform
