#include "app/goto_2d.h"

#include "diagram/rendering.h"
#include "view3d/navigation.h"

namespace tova {

void C16_Click(Program& program) {
  LeaveView(program);
  RepaintCanvas(program);
}

}  // namespace tova
