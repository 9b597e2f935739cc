// The tova-exercise command: an exercise file made from the key drawing of an exercise, for
// students to open in Tova.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tova {

inline constexpr const char* kExerciseUsage =
    "Usage: tova-exercise KEY.KRT --title TEXT -o EXERCISE [options]\n"
    "       tova-exercise --help\n"
    "Makes an exercise from its key drawing: the title and task the student reads, the key's\n"
    "views given under the student's drawing, and the aids offered.\n"
    "  --title TEXT       the exercise's title (required)\n"
    "  --task TEXT        a line of the task; give it again for more lines\n"
    "  --given VIEWS      the key's views shown: any of front,top,side, or none (none)\n"
    "  --aids AIDS        the help offered: any of check,where,peek,object, or none (none)\n"
    "                     check: the drawing's state view by view; where: the differences\n"
    "                     shown on the canvas; peek: the key shown for a moment; object: the\n"
    "                     key's model turned in a panel of its own\n"
    "  --start DRAWING    a drawing to start from (an empty one)\n"
    "  --tolerance PX     points this many canvas pixels apart count as the same, 0 to 20 (2)\n"
    "  --anywhere         the object may stand anywhere on the canvas\n"
    "  -o, --output FILE  the exercise file to write (required)\n"
    "The key's drawing goes into the file only when an aid needs it.\n"
    "Exit status: 0 when the exercise is written, 2 when a drawing cannot be read, the file\n"
    "cannot be written or the command line is wrong (then nothing is written).\n";

// Runs the command on its arguments (the program's name left out). Help goes to `out`; a failure
// is one line on `err` naming the file or option and what is wrong, and then nothing is written.
// Returns the exit status.
int RunExercise(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace tova
