// Random user sessions (support/script_player.h) with random answers: the invariants hold after each
// event, and a digest of all the user could see is held against tests/golden/sessions.txt.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/startup.h"
#include "app/input.h"
#include "document/document_format.h"
#include "history/undo.h"
#include "support/golden.h"
#include "support/invariants.h"
#include "support/script_player.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::ScriptedShell;

class Session {
 public:
  explicit Session(unsigned seed) : events_(seed, false) { testing::ImproviseAnswers(shell_, seed); }

  // Runs `events` events, calling `each` after each one with its number and words; the first
  // broken invariant, with the event that broke it.
  std::optional<std::string> Run(int events, const std::function<void(int, const std::string&)>& each = nullptr) {
    Form_Load(program_);
    for (int n = 0; n < events && shell_.ended == 0; ++n) {
      const testing::Words event = events_.Next(program_, shell_);
      player_.Play(event);
      std::string what;
      for (const std::string& word : event) what += (what.empty() ? "" : " ") + word;
      trail_ += what + " ";
      if (auto broken = testing::BrokenInvariant(program_, shell_)) {
        return "event " + std::to_string(n) + " (" + what + "): " + *broken + "\nafter: " + trail_;
      }
      if (each) each(n, what);
    }
    return std::nullopt;
  }

  // What the user saw and heard since the last call: the calls, boxes, prompts, dialogs and help pages.
  std::string Heard() {
    std::string seen;
    for (const std::string& line : shell_.log()) seen += line + "\n";
    for (const auto& b : shell_.script.boxes) seen += b.title + char('0' + 2 * int(b.buttons) + int(b.icon));
    for (const auto& q : shell_.script.prompts) seen += q.prompt + q.title + q.preset + '\n';
    for (const std::string& field : shell_.script.openFields) seen += field + "\n";
    for (const std::string& page : shell_.helpPages) seen += page + "\n";
    seen += std::to_string(shell_.ended);
    shell_.ForgetCalls();
    shell_.helpPages.clear();
    return seen;
  }
  // What was heard, the drawing's tables and, when asked (they cost more than an event), the pictures.
  uint64_t Digest(const std::string& heard, bool pixels) const {
    const std::string_view table(reinterpret_cast<const char*>(&program_.tables), sizeof(Tables));
    uint64_t h = testing::Hash(table, testing::Hash(heard));
    if (pixels) for (const Image& picture : Pictures()) h = testing::Hash(std::span<const uint32_t>(picture.pixels), h);
    return h;
  }
  Program& program() { return program_; }
  const ScriptedShell& shell() const { return shell_; }
  // The canvas, the 3D view and the clipboard.
  std::array<Image, 3> Pictures() const { return {program_.P.Snapshot(), program_.D.Snapshot(), shell_.clipboard}; }

 private:
  testing::RandomEvents events_;
  std::string trail_;
  ScriptedShell shell_;
  Program program_{shell_};
  testing::ScriptPlayer player_{program_, shell_};
};

int FromEnvironment(const char* name, int otherwise) {
  return std::getenv(name) ? std::atoi(std::getenv(name)) : otherwise;
}

// A folder of its own for a session, holding the sample drawing as the start-up document.
struct SessionFolder : testing::TempWorkingFolder {
  SessionFolder() { Write("Tova.ini", testing::ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini")); }
};

// The session of `seed` replayed to `event`, whose digest differs: what the user saw and heard at
// it, each picture's digest and whether the event changed it, and the drawing's lines it changed.
std::string Replay(unsigned seed, int event) {
  const SessionFolder folder;
  Session session(seed);
  std::string said, document;
  std::array<Image, 3> pictures;
  const auto run = session.Run(event + 1, [&](int n, const std::string& what) {
    std::string heard = session.Heard();
    const std::array<Image, 3> now = session.Pictures();
    const std::string text = FormatDocument(session.program().tables), diff = testing::DiffLines(document, text);
    std::replace(heard.begin(), heard.end(), '\n', '|');
    said = "replayed seed " + std::to_string(seed) + ", event " + std::to_string(n) + " (" + what + "): heard " + heard;
    for (std::size_t i = 0; i < now.size(); ++i) {
      said += std::string("\n  ") + std::array{"canvas", "3D view", "clipboard"}[i] + " " +
              testing::Hex(testing::Hash(std::span<const uint32_t>(now[i].pixels)), 8) + (pictures[i] == now[i] ? " (unchanged)" : "");
    }
    said += "\ndrawing as a document, changed:\n" + (diff.empty() ? "none\n" : diff);
    document = text, pictures = now;
  });
  return said + run.value_or("");
}

TEST(RandomSessions, ShowWhatTheyShowedWhenTheGoldenFileWasWritten) {
  constexpr int kEvents = 300;
  std::vector<std::string> digests;
  std::vector<std::pair<unsigned, int>> events;  // the seed and event of each digest
  for (unsigned seed = 1; seed <= 60; ++seed) {
    const SessionFolder folder;
    Session session(seed);
    const auto broken = session.Run(kEvents, [&](int n, const std::string& what) {
      const uint64_t digest = session.Digest(session.Heard(), n % 8 == 7 || n + 1 == kEvents);
      digests.push_back(std::to_string(seed) + " " + std::to_string(n) + " " + what + " " + testing::Hex(digest, 8));
      events.emplace_back(seed, n);
    });
    ASSERT_EQ(broken, std::nullopt) << "seed " << seed;
  }
  testing::ExpectGolden("sessions.txt", digests, [&](std::size_t i, auto&) { return Replay(events[i].first,
                                                                                      events[i].second); });
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

// Undone as far as it goes, a random session's drawing is the one its history began with (the
// start-up drawing, or the last one opened or started), byte for byte; redone, the one it ended with.
TEST(RandomSessions, UndoneToTheStartAndRedoneToTheEnd) {
  for (unsigned seed = 2000; seed < 2030; ++seed) {
    const SessionFolder folder;
    Session session(seed);
    Program& p = session.program();
    std::string start;
    ASSERT_EQ(session.Run(300, [&](int, const std::string&) {
      if (p.history.undo.empty() && p.history.redo.empty()) start = FormatDocument(p.tables);
    }), std::nullopt);
    if (session.shell().ended != 0) continue;
    const auto press = [&](std::string_view name) {
      while (testing::Usable(session.shell(), name)) HandleInput(p, {InputKind::Click, name});
    };
    press("C16");  // out of the 3D view
    const std::string end = FormatDocument(p.tables);
    press("Mundo");
    EXPECT_EQ(FormatDocument(p.tables), start) << "seed " << seed;
    EXPECT_EQ(testing::WithoutCrossHair(p), testing::FreshDrawing(p)) << "seed " << seed;
    press("Mredo");
    EXPECT_EQ(FormatDocument(p.tables), end) << "seed " << seed;
  }
}

}  // namespace
}  // namespace tova
