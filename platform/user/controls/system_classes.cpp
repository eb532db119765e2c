#include "user/controls/system_classes.h"

namespace user_controls {

void RegisterSystemClasses() {}

} // namespace user_controls
