#include "export/obj_export.h"

#include <map>
#include <tuple>
#include <vector>

#include "document/tables.h"
#include "view3d/model.h"

namespace tova {
namespace {

class ObjText {
 public:
  // The element's edges, joined into polylines where one starts at the previous one's end.
  void Group(const std::string& name, const std::vector<std::pair<ModelPoint, ModelPoint>>& edges) {
    std::vector<std::vector<int>> lines;
    for (const auto& [from, to] : edges) {
      if (from == to) continue;
      const int a = Vertex(from), b = Vertex(to);
      if (lines.empty() || lines.back().back() != a) lines.push_back({a});
      lines.back().push_back(b);
    }
    if (lines.empty()) return;
    elements_ += "g " + name + "\n";
    for (const std::vector<int>& line : lines) {
      elements_ += "l";
      for (int v : line) elements_ += " " + std::to_string(v);
      elements_ += "\n";
    }
  }

  std::string Take() const {
    return "# Wire-frame model of a three-view drawing.\n"
           "# X runs to the left in the front view, Y towards its viewer, Z up.\n" +
           vertices_ + elements_;
  }

 private:
  int Vertex(ModelPoint p) {
    const auto key = std::tuple(p.x, p.y, p.z);
    const auto [it, added] = index_.try_emplace(key, static_cast<int>(index_.size()) + 1);
    if (added) {
      vertices_ += "v " + std::to_string(p.x) + " " + std::to_string(p.y) + " " + std::to_string(p.z) + "\n";
    }
    return it->second;
  }

  std::map<std::tuple<int16_t, int16_t, int16_t>, int> index_;
  std::string vertices_, elements_;
};

}  // namespace

std::string FormatObj(const Tables& t) {
  ObjText obj;
  std::vector<std::pair<ModelPoint, ModelPoint>> edges;
  const EdgeSink collect = [&edges](ModelPoint from, ModelPoint to) { edges.emplace_back(from, to); };
  for (int16_t i = 0; i < kUnitRows; ++i) {
    if (t.unitTable[static_cast<std::size_t>(i)].state != kRowLive) continue;
    edges.clear();
    UnitEdges(t, i, collect);
    obj.Group("unit" + std::to_string(i), edges);
  }
  for (int16_t i = 0; i < kRelationRows; ++i) {
    if (t.relationTable[static_cast<std::size_t>(i)].state != kRowLive) continue;
    edges.clear();
    RelationEdges(t, i, collect);
    obj.Group("relation" + std::to_string(i), edges);
  }
  return obj.Take();
}

}  // namespace tova
