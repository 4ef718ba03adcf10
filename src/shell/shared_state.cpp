#include "shared_state.h"

namespace shell {

SharedState& Shared() {
    static SharedState state;
    return state;
}

}  // namespace shell
