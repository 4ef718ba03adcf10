#include "shared_state.h"

namespace ui {

SharedState& Shared() {
    static SharedState state;
    return state;
}

}  // namespace ui
