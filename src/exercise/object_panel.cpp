#include "exercise/object_panel.h"

#include "view3d/navigation.h"

namespace tova {

std::shared_ptr<ObjectPanel> MakeObjectPanel(const Tables& key) {
  auto panel = std::make_shared<ObjectPanel>();
  Program& p = panel->program;
  p.tables = key;
  // The 3D view's start: its size, centre and step as the window starts with them.
  p.view.viewSize = 14;
  p.view.viewCentre = 100;
  p.view.viewStep = 8;
  C9_Click(p);
  return panel;
}

}  // namespace tova
