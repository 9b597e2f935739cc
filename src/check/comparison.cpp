#include "check/comparison.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <tuple>

namespace tova {
namespace {

struct Candidate {
  std::size_t drawing;
  int kindsDiffering;
  FigureOrder figures;
};

std::vector<KindDifference> KindDifferences(const Element& key, const Element& drawing, const FigureOrder& figures) {
  std::vector<KindDifference> views;
  if (key.kind == ElementKind::Relation) return views;
  for (std::size_t i = 0; i < key.count; ++i) {
    const CanvasFigure& k = key.figures[i];
    const CanvasFigure& d = drawing.figures[figures[i]];
    if (k.lineKind != d.lineKind) views.push_back({figures[i], k.pane, k.lineKind, d.lineKind});
  }
  return views;
}

// Kuhn's augmenting paths: tries to give key element `k` a drawing element, moving earlier
// matches to their other candidates where that frees one.
bool Augment(std::size_t k, const std::vector<std::vector<Candidate>>& candidates,
             std::vector<int>& keyOfDrawing, std::vector<int>& choiceOfKey, std::vector<char>& seen) {
  for (std::size_t c = 0; c < candidates[k].size(); ++c) {
    const std::size_t d = candidates[k][c].drawing;
    if (seen[d]) continue;
    seen[d] = 1;
    if (keyOfDrawing[d] < 0 ||
        Augment(static_cast<std::size_t>(keyOfDrawing[d]), candidates, keyOfDrawing, choiceOfKey, seen)) {
      keyOfDrawing[d] = static_cast<int>(k);
      choiceOfKey[k] = static_cast<int>(c);
      return true;
    }
  }
  return false;
}

CheckResult CheckAt(const std::vector<Element>& key, const std::vector<Element>& drawing, Shift shift,
                    double tolerance) {
  std::vector<Element> moved;
  moved.reserve(drawing.size());
  for (const Element& e : drawing) moved.push_back(shift == Shift{} ? e : Shifted(e, shift));

  // The drawing elements that can stand for each key element, those of the same line kinds first.
  // Where each point lies within the tolerance of its match, so do the centres of the points: a
  // quick test that passes over most elements.
  std::vector<AxisCentre> centres;
  for (const Element& e : moved) centres.push_back(CentreOf(e));
  const auto near = [&](const AxisCentre& a, const AxisCentre& b) {
    for (std::size_t axis = 0; axis < 3; ++axis) {
      if (a.known[axis] != b.known[axis] || std::abs(a.at[axis] - b.at[axis]) > tolerance + 1e-9) return false;
    }
    return true;
  };
  std::vector<std::vector<Candidate>> candidates(key.size());
  for (std::size_t k = 0; k < key.size(); ++k) {
    const AxisCentre keyCentre = CentreOf(key[k]);
    for (std::size_t d = 0; d < moved.size(); ++d) {
      if (!near(keyCentre, centres[d])) continue;
      const std::optional<FigureOrder> figures = MatchFigures(key[k], moved[d], tolerance);
      if (!figures) continue;
      int differing = 0;
      for (std::size_t i = 0; i < key[k].count && key[k].kind != ElementKind::Relation; ++i) {
        differing += key[k].figures[i].lineKind != moved[d].figures[(*figures)[i]].lineKind;
      }
      candidates[k].push_back({d, differing, *figures});
    }
    std::stable_sort(candidates[k].begin(), candidates[k].end(),
                     [](const Candidate& a, const Candidate& b) { return a.kindsDiffering < b.kindsDiffering; });
  }
  std::vector<int> keyOfDrawing(drawing.size(), -1), choiceOfKey(key.size(), -1);
  std::vector<char> seen(drawing.size());
  for (std::size_t k = 0; k < key.size(); ++k) {
    if (candidates[k].empty()) continue;
    std::fill(seen.begin(), seen.end(), 0);
    Augment(k, candidates, keyOfDrawing, choiceOfKey, seen);
  }

  CheckResult result;
  result.shift = shift;
  result.keyElements = static_cast<int>(key.size());
  for (std::size_t k = 0; k < key.size(); ++k) {
    if (choiceOfKey[k] < 0) {
      result.missing.push_back(key[k]);
      continue;
    }
    const Candidate& c = candidates[k][static_cast<std::size_t>(choiceOfKey[k])];
    if (c.kindsDiffering > 0) {
      result.wrongKind.push_back({key[k], drawing[c.drawing], KindDifferences(key[k], moved[c.drawing], c.figures)});
    }
  }
  for (std::size_t d = 0; d < drawing.size(); ++d) {
    if (keyOfDrawing[d] < 0) result.extra.push_back(drawing[d]);
  }
  // Each element of the key and each extra one counts one; a matched one of another line kind
  // counts a half. Rounding down keeps anything less than a full match below 100.
  const long total = static_cast<long>(key.size() + result.extra.size());
  const long right = static_cast<long>(key.size() - result.missing.size() - result.wrongKind.size());
  result.score = total == 0 ? 100 : static_cast<int>(100 * (2 * right + static_cast<long>(result.wrongKind.size())) / (2 * total));
  return result;
}

std::size_t Differences(const CheckResult& r) { return r.missing.size() + r.extra.size() + r.wrongKind.size(); }

// The moves worth trying: those that take most of the drawing's elements exactly onto key
// elements of their kind.
std::vector<Shift> LikelyShifts(const std::vector<Element>& key, const std::vector<Element>& drawing,
                                double tolerance) {
  // Only elements of one kind and of one size (their lines' lengths, their circles' radii, which
  // a move keeps) can be one element moved.
  const auto sizes = [](const Element& e) {
    std::array<double, 6> size{};
    for (std::size_t i = 0; i < e.count; ++i) {
      const CanvasFigure& f = e.figures[i];
      size[i] = f.kind == FigureKind::Line ? std::hypot(f.x2 - f.x1, f.y2 - f.y1) : f.radius;
    }
    std::sort(size.begin(), size.begin() + e.count);
    return size;
  };
  const auto alike = [&](const Element& k, const std::array<double, 6>& ks, const Element& d,
                         const std::array<double, 6>& ds) {
    if (k.kind != d.kind || k.count != d.count) return false;
    for (std::size_t i = 0; i < k.count; ++i) {
      if (std::abs(ks[i] - ds[i]) > 2 * tolerance + 1e-9) return false;
    }
    return true;
  };
  std::vector<AxisCentre> drawingCentres;
  std::vector<std::array<double, 6>> drawingSizes;
  for (const Element& d : drawing) drawingCentres.push_back(CentreOf(d)), drawingSizes.push_back(sizes(d));
  std::vector<Shift> shifts;
  for (const Element& k : key) {
    const AxisCentre keyCentre = CentreOf(k);
    const std::array<double, 6> keySizes = sizes(k);
    for (std::size_t d = 0; d < drawing.size(); ++d) {
      if (alike(k, keySizes, drawing[d], drawingSizes[d])) shifts.push_back(ShiftBetween(drawingCentres[d], keyCentre));
    }
  }
  const auto order = [](const Shift& s) { return std::tie(s.a, s.b, s.c); };
  std::sort(shifts.begin(), shifts.end(), [&](const Shift& x, const Shift& y) { return order(x) < order(y); });
  std::vector<std::pair<int, Shift>> votes;
  for (std::size_t i = 0; i < shifts.size();) {
    std::size_t j = i;
    while (j < shifts.size() && shifts[j] == shifts[i]) ++j;
    votes.emplace_back(static_cast<int>(j - i), shifts[i]);
    i = j;
  }
  constexpr std::size_t kTried = 3;
  const std::size_t n = std::min(kTried, votes.size());
  std::partial_sort(votes.begin(), votes.begin() + static_cast<long>(n), votes.end(),
                    [](const auto& x, const auto& y) { return x.first > y.first; });
  std::vector<Shift> likely;
  for (std::size_t i = 0; i < n; ++i) likely.push_back(votes[i].second);
  return likely;
}

}  // namespace

CheckResult CheckDrawing(const std::vector<Element>& key, const std::vector<Element>& drawing,
                         const CheckOptions& options) {
  CheckResult best = CheckAt(key, drawing, {}, options.tolerance);
  if (!options.anywhere || best.Matches()) return best;
  for (const Shift& s : LikelyShifts(key, drawing, options.tolerance)) {
    if (s == Shift{}) continue;
    CheckResult r = CheckAt(key, drawing, s, options.tolerance);
    if (std::tuple(r.score, -static_cast<long>(Differences(r))) >
        std::tuple(best.score, -static_cast<long>(Differences(best)))) {
      best = std::move(r);
    }
  }
  return best;
}

CheckResult CheckDrawing(const Tables& key, const Tables& drawing, const CheckOptions& options) {
  return CheckDrawing(DrawingElements(key), DrawingElements(drawing), options);
}

std::string DifferencesInWords(const CheckResult& r) {
  return std::to_string(r.missing.size()) + " missing, " + std::to_string(r.extra.size()) + " extra, " +
         std::to_string(r.wrongKind.size()) + (r.wrongKind.size() == 1 ? " wrong line kind" : " wrong line kinds");
}

}  // namespace tova
