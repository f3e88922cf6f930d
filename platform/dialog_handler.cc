#include <utility>

#include "platform/env.h"
#include "platform/no_destructor.h"

namespace platform {
namespace {

DialogHandler& handlerSlot() {
  static NoDestructor<DialogHandler> handler;
  return handler.get();
}

}  // namespace

void installDialogHandler(DialogHandler handler) { handlerSlot() = std::move(handler); }

const DialogHandler& installedDialogHandler() { return handlerSlot(); }

}  // namespace platform
