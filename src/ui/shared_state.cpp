#include "shared_state.h"

namespace ui {

SharedState& sharedState() {
    static SharedState state;
    return state;
}

}  // namespace ui
