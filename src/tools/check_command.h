// The tova-check command: students' drawings compared with the key of their exercise.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tova {

inline constexpr const char* kCheckUsage =
    "Usage: tova-check [options] KEY.KRT DRAWING.KRT...\n"
    "       tova-check --help\n"
    "Compares each drawing with the key as a model: its units and relations, in any order, each\n"
    "line either way round. Prints a line per drawing (its score from 0 to 100 and how many of\n"
    "the key's elements are missing, how many are extra and how many have another line kind)\n"
    "and a summary.\n"
    "  --tolerance PX  points this many canvas pixels apart count as the same (2)\n"
    "  --anywhere      the object may stand anywhere: each drawing is moved to where it\n"
    "                  matches the key best\n"
    "  --json          print the whole result as JSON instead of the lines\n"
    "  --csv FILE      write the scores as a table for a spreadsheet\n"
    "  --html FILE     write a report: the class's scores and each drawing over the key\n"
    "Exit status: 0 when every drawing matches the key, 1 when any differs, 2 when the key or a\n"
    "drawing cannot be read, a report cannot be written or the command line is wrong.\n";

// Runs the command on its arguments (the program's name left out): the lines, or the JSON, on
// `out`; each file that cannot be read or written, and a wrong command line, a line on `err`.
// Returns the exit status.
int RunCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace tova
