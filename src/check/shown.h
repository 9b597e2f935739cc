// What a drawing shows beyond the elements it matches one for one with the key: an edge drawn in
// straight pieces that lie on one line and together cover it, an element drawn again over
// itself, a circle or arc in its place but of another size or other angles, and a relation that
// joins the circles the key's joins, whatever their size.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "check/elements.h"

namespace tova {

struct Shown {
  struct Pair {
    std::size_t key, drawing;
  };
  std::vector<Pair> wrongSize;  // a circle or arc of the key and the drawing's of another size
  struct Note {
    std::size_t key;
    std::string what;  // "drawn in 2 pieces", "drawn twice", "drawn in 2 pieces that leave a gap"
  };
  std::vector<Note> notes;
  std::vector<Pair> piecesOfOtherKind;  // a piece whose line kind differs from the edge's
  std::vector<std::size_t> missing, extra;  // what is still missing and extra after all that
};

// `missing` and `extra` index the key's and the drawing's elements that match none one for one;
// `matched[k]` holds for a key element that one of the drawing's matches. Pieces that lie on an
// edge but leave a gap longer than the tolerance are that edge's attempt: the edge stays missing,
// the pieces are not extra.
[[nodiscard]] Shown WhatIsShown(const std::vector<Element>& key, const std::vector<Element>& drawing,
                                const std::vector<bool>& matched, const std::vector<std::size_t>& missing,
                                const std::vector<std::size_t>& extra, double tolerance);

}  // namespace tova
