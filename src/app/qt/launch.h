// How the program was started: on a drawing named on the command line, from the desktop's menu
// (in the user's drawings folder), or from a terminal (in the current folder, on its "Tova.ini").
#pragma once

#include <QString>
#include <QStringList>

namespace tova {

struct LaunchRequest {
  // BadOption: an option the program does not know, which may yet be one of Qt's own.
  enum class Action { Run, Help, Version, Error, BadOption } action = Action::Run;
  QString text;     // what Help, Version, Error and BadOption print
  QString drawing;  // the drawing named on the command line; empty for none
  bool desktop = false;  // started from the desktop's menu
};

// Reads the command line (the program's name first).
[[nodiscard]] LaunchRequest ParseCommandLine(const QStringList& arguments);

struct StartPlace {
  QString folder;    // the working folder to go to; empty stays in the current one
  QString document;  // the start-up document
};

// Where the program works and what it reads first. From the desktop without a drawing, that is
// the drawings folder, "Tova" in the user's documents folder, made on the first start with the
// sample drawing as its "Tova.ini".
[[nodiscard]] StartPlace ChooseStartPlace(const LaunchRequest& request);

}  // namespace tova
