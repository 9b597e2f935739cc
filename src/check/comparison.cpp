#include "check/comparison.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <tuple>

#include "check/shown.h"

namespace tova {
namespace {

struct Candidate {
  std::size_t key, drawing;
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

// The mean of an element's points on the canvas (its lines' ends, its circles' centres).
std::pair<double, double> PointCentre(const Element& e) {
  double x = 0, y = 0;
  int n = 0;
  for (const CanvasFigure& f : e.Figures()) {
    if (f.kind == FigureKind::Line) {
      x += f.x1 + f.x2, y += f.y1 + f.y2, n += 2;
    } else {
      x += f.cx, y += f.cy, ++n;
    }
  }
  return n ? std::pair{x / n, y / n} : std::pair{0.0, 0.0};
}

// The column of each row in an assignment of least cost (the Hungarian method, with
// potentials); rows no more than columns.
std::vector<std::size_t> Assign(const std::vector<std::vector<int>>& cost) {
  const std::size_t n = cost.size(), m = cost[0].size();
  constexpr int kInf = std::numeric_limits<int>::max() / 2;
  std::vector<int> u(n + 1), v(m + 1);
  std::vector<std::size_t> row(m + 1), way(m + 1);  // row 0 and column 0 stand for none
  for (std::size_t i = 1; i <= n; ++i) {
    row[0] = i;
    std::size_t j0 = 0;
    std::vector<int> least(m + 1, kInf);
    std::vector<char> used(m + 1, 0);
    do {
      used[j0] = 1;
      const std::size_t i0 = row[j0];
      int delta = kInf;
      std::size_t j1 = 0;
      for (std::size_t j = 1; j <= m; ++j) {
        if (used[j]) continue;
        const int reduced = cost[i0 - 1][j - 1] - u[i0] - v[j];
        if (reduced < least[j]) least[j] = reduced, way[j] = j0;
        if (least[j] < delta) delta = least[j], j1 = j;
      }
      for (std::size_t j = 0; j <= m; ++j) {
        if (used[j]) {
          u[row[j]] += delta, v[j] -= delta;
        } else {
          least[j] -= delta;
        }
      }
      j0 = j1;
    } while (row[j0] != 0);
    do {
      const std::size_t j1 = way[j0];
      row[j0] = row[j1];
      j0 = j1;
    } while (j0 != 0);
  }
  std::vector<std::size_t> column(n);
  for (std::size_t j = 1; j <= m; ++j) {
    if (row[j] != 0) column[row[j] - 1] = j - 1;
  }
  return column;
}

// The candidates taken: as many pairs as there can be, each key and drawing element in one at
// most, and among those the fewest line kinds that differ. Elements that share no candidate are
// settled apart, so the work grows with the clusters of nearby elements, not the whole drawing.
std::vector<const Candidate*> Choose(const std::vector<Candidate>& candidates, std::size_t keys, std::size_t drawings) {
  std::vector<std::size_t> parent(keys + drawings);
  std::iota(parent.begin(), parent.end(), 0);
  const auto root = [&](std::size_t x) {
    while (parent[x] != x) x = parent[x] = parent[parent[x]];
    return x;
  };
  for (const Candidate& c : candidates) parent[root(c.key)] = root(keys + c.drawing);
  std::vector<std::vector<const Candidate*>> clusters(keys + drawings);
  for (const Candidate& c : candidates) clusters[root(c.key)].push_back(&c);

  std::vector<const Candidate*> chosen;
  for (const std::vector<const Candidate*>& cluster : clusters) {
    if (cluster.size() == 1) chosen.push_back(cluster[0]);
    if (cluster.size() <= 1) continue;
    std::vector<std::size_t> rows, columns;
    for (const Candidate* c : cluster) rows.push_back(c->key), columns.push_back(c->drawing);
    for (std::vector<std::size_t>* v : {&rows, &columns}) {
      std::sort(v->begin(), v->end());
      v->erase(std::unique(v->begin(), v->end()), v->end());
    }
    // A pair that is no candidate costs more than all the differing kinds a cluster can hold, so
    // the least cost leaves as few elements unmatched as can be.
    const int none = 7 * static_cast<int>(cluster.size()) + 1;
    std::vector<std::vector<int>> cost(rows.size(), std::vector<int>(std::max(rows.size(), columns.size()), none));
    const auto index = [](const std::vector<std::size_t>& v, std::size_t x) {
      return static_cast<std::size_t>(std::lower_bound(v.begin(), v.end(), x) - v.begin());
    };
    for (const Candidate* c : cluster) cost[index(rows, c->key)][index(columns, c->drawing)] = c->kindsDiffering;
    const std::vector<std::size_t> column = Assign(cost);
    for (const Candidate* c : cluster) {
      const std::size_t r = index(rows, c->key);
      if (column[r] < columns.size() && columns[column[r]] == c->drawing) chosen.push_back(c);
    }
  }
  return chosen;
}

// The drawing moved by `shift`, matched one for one with the key.
struct Matching {
  CheckResult result;  // its move and the line kinds that differ; the rest comes with Judged
  std::vector<Element> moved;
  std::vector<bool> matched;  // of the key's elements
  std::vector<std::size_t> unmatchedKey, unmatchedDrawing;
};

Matching Match(const std::vector<Element>& key, const std::vector<Element>& drawing, Shift shift, double tolerance) {
  Matching m;
  std::vector<Element>& moved = m.moved;
  moved.reserve(drawing.size());
  for (const Element& e : drawing) moved.push_back(shift == Shift{} ? e : Shifted(e, shift));

  // The pairs that match. Where each point lies within the tolerance of its match, so does the
  // mean of the points: a quick test that passes over most pairs.
  std::vector<std::pair<double, double>> centres;
  for (const Element& e : moved) centres.push_back(PointCentre(e));
  std::vector<Candidate> candidates;
  for (std::size_t k = 0; k < key.size(); ++k) {
    const auto [kx, ky] = PointCentre(key[k]);
    for (std::size_t d = 0; d < moved.size(); ++d) {
      if (std::abs(kx - centres[d].first) > tolerance + 1e-9 || std::abs(ky - centres[d].second) > tolerance + 1e-9) {
        continue;
      }
      const std::optional<FigureOrder> figures = MatchFigures(key[k], moved[d], tolerance);
      if (!figures) continue;
      const int differing = static_cast<int>(KindDifferences(key[k], moved[d], *figures).size());
      candidates.push_back({k, d, differing, *figures});
    }
  }
  std::vector<const Candidate*> ofKey(key.size()), ofDrawing(drawing.size());
  for (const Candidate* c : Choose(candidates, key.size(), drawing.size())) ofKey[c->key] = ofDrawing[c->drawing] = c;

  m.result.shift = shift;
  m.matched.resize(key.size());
  for (std::size_t k = 0; k < key.size(); ++k) {
    const Candidate* c = ofKey[k];
    m.matched[k] = c != nullptr;
    if (!c) {
      m.unmatchedKey.push_back(k);
    } else if (c->kindsDiffering > 0) {
      m.result.wrongKind.push_back({key[k], drawing[c->drawing], KindDifferences(key[k], moved[c->drawing], c->figures)});
    }
  }
  for (std::size_t d = 0; d < drawing.size(); ++d) {
    if (!ofDrawing[d]) m.unmatchedDrawing.push_back(d);
  }
  return m;
}

// The matching judged: with `shown`, what the drawing shows besides; without, a quick judgement for
// choosing among moves.
CheckResult Judged(const Matching& m, const std::vector<Element>& key, const std::vector<Element>& drawing,
                   double tolerance, bool judgeShown) {
  CheckResult result = m.result;
  const Shown shown = judgeShown ? WhatIsShown(key, m.moved, m.matched, m.unmatchedKey, m.unmatchedDrawing, tolerance)
                                 : Shown{{}, {}, {}, m.unmatchedKey, m.unmatchedDrawing};
  for (const std::size_t k : shown.missing) result.missing.push_back(key[k]);
  for (const std::size_t d : shown.extra) result.extra.push_back(drawing[d]);
  for (const auto& [k, d] : shown.wrongSize) result.wrongSize.push_back({key[k], drawing[d]});
  for (const auto& [k, what] : shown.notes) result.notes.push_back({key[k], what});
  for (std::size_t i = 0; i < shown.piecesOfOtherKind.size(); ++i) {
    const auto [k, d] = shown.piecesOfOtherKind[i];
    if (i > 0 && shown.piecesOfOtherKind[i - 1].key == k) continue;  // one for the edge
    result.wrongKind.push_back({key[k], drawing[d], KindDifferences(key[k], m.moved[d], {0, 1, 2})});
  }
  // Each element of the key and each extra one counts one; a matched one of another line kind or
  // another size counts a half. Rounding down keeps anything less than a full match below 100.
  const long total = static_cast<long>(key.size() + result.extra.size());
  const long halves = static_cast<long>(result.wrongKind.size() + result.wrongSize.size());
  const long right = static_cast<long>(key.size() - result.missing.size()) - halves;
  result.score = total == 0 ? 100 : static_cast<int>(100 * (2 * right + halves) / (2 * total));
  return result;
}

std::size_t Differences(const CheckResult& r) {
  return r.missing.size() + r.extra.size() + r.wrongKind.size() + r.wrongSize.size();
}

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
  std::vector<std::pair<int, Shift>> votes;  // the move none is tried in any case
  for (std::size_t i = 0; i < shifts.size();) {
    std::size_t j = i;
    while (j < shifts.size() && shifts[j] == shifts[i]) ++j;
    if (shifts[i] != Shift{}) votes.emplace_back(static_cast<int>(j - i), shifts[i]);
    i = j;
  }
  constexpr std::size_t kTried = 3;
  const std::size_t n = std::min(kTried, votes.size());
  std::partial_sort(votes.begin(), votes.begin() + static_cast<long>(n), votes.end(), [&](const auto& x, const auto& y) {
    return x.first != y.first ? x.first > y.first : order(x.second) < order(y.second);
  });
  std::vector<Shift> likely;
  for (std::size_t i = 0; i < n; ++i) likely.push_back(votes[i].second);
  return likely;
}

}  // namespace

CheckResult CheckDrawing(const std::vector<Element>& key, const std::vector<Element>& drawing,
                         const CheckOptions& options) {
  const Matching placed = Match(key, drawing, {}, options.tolerance);
  CheckResult best = Judged(placed, key, drawing, options.tolerance, true);
  constexpr int kPoor = 80, kFarBetter = 20;
  if (!options.anywhere && best.score <= kPoor) {
    const CheckResult moved = CheckDrawing(key, drawing, {options.tolerance, true});
    if (moved.score >= best.score + kFarBetter) best.elsewhere = Elsewhere{moved.shift, moved.score};
  }
  if (!options.anywhere || best.Matches()) return best;
  // Moves are chosen by what matches one for one; what the drawing shows besides is judged at the
  // move chosen.
  const auto rank = [](const CheckResult& r) { return std::tuple(r.score, -static_cast<long>(Differences(r))); };
  std::optional<Matching> chosen;
  auto chosenRank = rank(Judged(placed, key, drawing, options.tolerance, false));
  for (const Shift& s : LikelyShifts(key, drawing, options.tolerance)) {
    Matching m = Match(key, drawing, s, options.tolerance);
    if (const auto r = rank(Judged(m, key, drawing, options.tolerance, false)); r > chosenRank) {
      chosenRank = r, chosen = std::move(m);
    }
  }
  if (!chosen) return best;
  CheckResult there = Judged(*chosen, key, drawing, options.tolerance, true);
  return rank(there) > rank(best) ? there : best;
}

CheckResult CheckDrawing(const Tables& key, const Tables& drawing, const CheckOptions& options) {
  return CheckDrawing(DrawingElements(key), DrawingElements(drawing), options);
}

std::string DifferencesInWords(const CheckResult& r) {
  return std::to_string(r.missing.size()) + " missing, " + std::to_string(r.extra.size()) + " extra, " +
         std::to_string(r.wrongKind.size()) + (r.wrongKind.size() == 1 ? " wrong line kind" : " wrong line kinds") +
         (r.wrongSize.empty() ? "" : ", " + std::to_string(r.wrongSize.size()) + (r.wrongSize.size() == 1 ? " wrong size" : " wrong sizes"));
}

}  // namespace tova
