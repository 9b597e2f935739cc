#include "exercise/object_panel.h"

#include "view3d/navigation.h"

namespace tova {

std::shared_ptr<ObjectPanel> MakeObjectPanel(const Tables& key) {
  auto panel = std::make_shared<ObjectPanel>();
  Program& p = panel->program;
  p.tables = key;
  // The 3D view's start, as the window's.
  p.view.viewSize = kStartViewSize;
  p.view.viewCentre = kStartViewCentre;
  p.view.viewStep = kStartViewStep;
  C9_Click(p);
  return panel;
}

}  // namespace tova
