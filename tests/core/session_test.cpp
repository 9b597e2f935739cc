// Random user sessions: seeded sequences of every kind of event the window can deliver, with random
// answers to every question, prompt and dialog. The invariants are checked after each event, and a
// digest of all the user could see (controls, beeps, boxes, prompts, files saved, the drawing, the
// canvas and 3D view pixels, the clipboard) is held against tests/golden/sessions.txt.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "app/canvas_input.h"
#include "app/click_handlers.h"
#include "app/menu_tree.h"
#include "app/startup.h"
#include "program/window_layout.h"
#include "support/golden.h"
#include "support/invariants.h"
#include "support/test_program.h"
#include "view3d/navigation.h"

namespace tova {
namespace {

using testing::ScriptedShell;

class Session {
 public:
  explicit Session(unsigned seed) : seed_(seed), rng_(seed) {
    shell_.script.Improvise({
        [this] { return Pick(2) ? Answer::Ok : Answer::Cancel; },
        [this] { return std::string(kPaths[Pick(std::size(kPaths))]); },
        [this]() -> std::optional<std::string> {
          return Pick(3) == 0 ? std::nullopt : std::optional(std::string(kPaths[Pick(std::size(kPaths))]));
        },
    });
  }

  // Runs `events` events; the first broken invariant, with the event that broke it. With
  // `digests`, one line for each event: the seed, the event and the digest of what it showed.
  std::optional<std::string> Run(int events, std::vector<std::string>* digests = nullptr) {
    Form_Load(program_);
    for (int n = 0; n < events && shell_.ended == 0; ++n) {
      const std::string what = Step();
      trail_ += what + " ";
      if (auto broken = testing::BrokenInvariant(program_, shell_)) {
        return "event " + std::to_string(n) + " (" + what + "): " + *broken + "\nafter: " + trail_;
      }
      if (digests) digests->push_back(std::to_string(seed_) + " " + std::to_string(n) + " " + what + " " +
                                      testing::Hex(Digest(n % 8 == 7 || n + 1 == events), 8));
    }
    return std::nullopt;
  }

 private:
  static constexpr const char* kPaths[] = {"", "a.KRT", "b.KRT", "no folder/c.KRT", ".",
                                           "Tova.ini", "missing.KRT"};

  // What the user saw and heard since the last digest; the pixels only when asked, since they
  // cost more than an event.
  uint64_t Digest(bool pixels) {
    std::string seen;
    for (const std::string& line : shell_.log()) seen += line + "\n";
    for (const auto& b : shell_.script.boxes) seen += b.title + char('0' + 2 * int(b.buttons) + int(b.icon));
    for (const auto& q : shell_.script.prompts) seen += q.prompt + q.title + q.preset + '\n';
    for (const std::string& field : shell_.script.openFields) seen += field + "\n";
    for (const std::string& page : shell_.helpPages) seen += page + "\n";
    seen += std::to_string(shell_.ended);
    shell_.ForgetCalls();
    shell_.helpPages.clear();
    const Tables& t = program_.tables;
    uint64_t h = testing::Hash({reinterpret_cast<const char*>(&t), sizeof t}, testing::Hash(seen));
    if (!pixels) return h;
    for (const Surface* s : {&program_.P, &program_.D}) {
      h = testing::Hash(std::span(s->Bits(), static_cast<std::size_t>(s->Width() * s->Height())), h);
    }
    return testing::Hash(std::span<const uint32_t>(shell_.clipboard.pixels), h);
  }

  std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }
  double Coordinate(int max) { return std::uniform_real_distribution<double>(-5, max)(rng_); }
  bool Enabled(Control c) const { return shell_.enabled(c).value_or(true); }
  bool ViewShown() const { return shell_.visible(Control::D).value_or(false); }

  // A point near the end of some line, where relations begin and end.
  std::pair<double, double> NearALineEnd() {
    const LineRecord& l = program_.tables.lineTable[Pick(12)];
    const bool second = Pick(2);
    return {(second ? l.x2 : l.x1) + Coordinate(4) - 1, (second ? l.y2 : l.y1) + Coordinate(4) - 1};
  }

  std::string Step() {
    Program& p = program_;
    switch (Pick(10)) {
      case 0: case 1: case 2: {  // the pointer moves
        const double x = Coordinate(460), y = Coordinate(450);
        ViewShown() ? D_MouseMove(p, x, y) : P_MouseMove(p, x, y);
        return "move";
      }
      case 3: case 4: {  // a click, sometimes near a line's end
        auto [x, y] = Pick(3) ? std::pair{Coordinate(460), Coordinate(450)} : NearALineEnd();
        ViewShown() ? D_MouseDown(p, x, y) : testing::Click(p, x, y);
        return "click";
      }
      case 5:
        if (!ViewShown()) P_DblClick(p);
        return "double click";
      case 6: case 7: case 8: {  // a button or menu item that can be used now
        const ClickHandler& h = ClickHandlers()[Pick(ClickHandlers().size())];
        if (!Usable(h.control)) return "unusable " + std::string(h.control);
        h(p);
        return std::string(h.control);
      }
      default: {  // a check box or a scroll bar
        const Control boxes[] = {Control::Check1, Control::Check2, Control::Check3};
        if (Pick(2)) {
          const Control box = boxes[Pick(3)];
          shell_.SetValue(box, static_cast<int16_t>(1 - shell_.Value(box)));
          return "check box";
        }
        const ScrollBarRange& bar = kScrollBars[Pick(kScrollBars.size())];
        const Control control = Control(int(Control::cpp) + (&bar - kScrollBars.data()));
        if (!Enabled(control)) return "disabled bar";
        shell_.SetValue(control, static_cast<int16_t>(bar.min + Pick(bar.max - bar.min + 1)));
        (control == Control::cpp ? cpp_Change : control == Control::cqq ? cqq_Change : cdd_Change)(p);
        return std::string(bar.name);
      }
    }
  }

  // Whether the named button can be pressed, or the named menu item chosen; not the items whose
  // pages open elsewhere.
  bool Usable(std::string_view name) const {
    return testing::Usable(shell_, name) && name != "hlp" && name != "malvo";
  }

  unsigned seed_;
  std::mt19937 rng_;
  std::string trail_;
  ScriptedShell shell_;
  Program program_{shell_};
};

int FromEnvironment(const char* name, int otherwise) {
  return std::getenv(name) ? std::atoi(std::getenv(name)) : otherwise;
}

// A folder of its own for a session, holding the sample drawing as the start-up document.
struct SessionFolder : testing::TempWorkingFolder {
  SessionFolder() { Write("Tova.ini", testing::ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini")); }
};

TEST(RandomSessions, ShowWhatTheyShowedWhenTheGoldenFileWasWritten) {
  std::vector<std::string> digests;
  for (unsigned seed = 1; seed <= 60; ++seed) {
    SessionFolder folder;
    ASSERT_EQ(Session(seed).Run(300, &digests), std::nullopt) << "seed " << seed;
  }
  testing::ExpectGolden("sessions.txt", digests);
}

// Seeds from 1000 on; make soak runs TOVA_SESSIONS=5000 of TOVA_EVENTS=2000. Seed 1006 once broke
// an invariant: a line kind chosen for a figure outlived it and restyled the empty pending rows;
// then a canvas colour chosen in find mode left find mode on under the ready state.
TEST(RandomSessions, InvariantsHoldAfterEveryEvent) {
  SessionFolder folder;
  const int sessions = FromEnvironment("TOVA_SESSIONS", 120), events = FromEnvironment("TOVA_EVENTS", 500);
  for (unsigned seed = 1000; seed < 1000u + unsigned(sessions); ++seed) {
    ASSERT_EQ(Session(seed).Run(events), std::nullopt) << "seed " << seed;
  }
}

}  // namespace
}  // namespace tova
