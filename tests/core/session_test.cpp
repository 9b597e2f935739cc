// Random user sessions: seeded sequences of every kind of event the window can deliver, through the
// program's one way in, with random answers to every question, prompt and dialog. The invariants
// are checked after each event, and a digest of all the user could see (controls, beeps, boxes,
// prompts, files saved, the drawing, the canvas and 3D view pixels, the clipboard) is held against
// tests/golden/sessions.txt.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/startup.h"
#include "support/golden.h"
#include "support/invariants.h"
#include "support/script_player.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::ScriptedShell;

class Session {
 public:
  explicit Session(unsigned seed) : seed_(seed), events_(seed, false) {
    testing::ImproviseAnswers(shell_, seed);
  }

  // Runs `events` events; the first broken invariant, with the event that broke it. With
  // `digests`, one line for each event: the seed, the event and the digest of what it showed.
  std::optional<std::string> Run(int events, std::vector<std::string>* digests = nullptr) {
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
      if (digests) digests->push_back(std::to_string(seed_) + " " + std::to_string(n) + " " + what + " " +
                                      testing::Hex(Digest(n % 8 == 7 || n + 1 == events), 8));
    }
    return std::nullopt;
  }

 private:
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

  unsigned seed_;
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
